// A fixed-capacity length-prefixed string (the Pascal string[N]).
//
// Holds exactly N + 1 bytes: a length byte and N character bytes, so that a
// record field keeps its full stored image (including bytes behind the
// current length) when it is loaded and stored again. Assignment cuts to N;
// a stored length byte above N reads as N.
#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

template <size_t N>
class ShortString {
  static_assert(N >= 1 && N <= 255, "string[N] holds 1 to 255 characters");

 public:
  static constexpr size_t kCapacity = N;
  static constexpr size_t kStoredSize = N + 1;

  ShortString() { bytes_.fill(0); }
  ShortString(std::string_view s) : ShortString() { Assign(s); }  // NOLINT: implicit like Pascal

  ShortString& operator=(std::string_view s) {
    Assign(s);
    return *this;
  }

  void Assign(std::string_view s) {
    size_t n = s.size() < N ? s.size() : N;
    bytes_[0] = static_cast<uint8_t>(n);
    if (n) std::memcpy(bytes_.data() + 1, s.data(), n);
  }

  size_t Length() const { return bytes_[0] < N ? bytes_[0] : N; }
  bool Empty() const { return Length() == 0; }
  std::string Str() const { return std::string(reinterpret_cast<const char*>(bytes_.data() + 1), Length()); }
  operator std::string() const { return Str(); }  // NOLINT

  // The raw stored image, length byte first.
  void Load(const uint8_t* src) { std::memcpy(bytes_.data(), src, kStoredSize); }
  void Store(uint8_t* dst) const { std::memcpy(dst, bytes_.data(), kStoredSize); }
  const std::array<uint8_t, N + 1>& Raw() const { return bytes_; }

  bool operator==(const ShortString& o) const { return Str() == o.Str(); }

 private:
  std::array<uint8_t, N + 1> bytes_;
};

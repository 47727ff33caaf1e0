// Little-endian access to fields of stored records.
//
// Every stored record of the program is a fixed-size byte block; its fields
// are read and written one by one through these helpers at the offsets the
// record layout gives. Nothing is ever copied between a struct and bytes.
// The caller guarantees that offset + field size lies inside the buffer.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>

namespace le {

inline uint8_t GetU8(const uint8_t* p, size_t off) { return p[off]; }
inline void PutU8(uint8_t* p, size_t off, uint8_t v) { p[off] = v; }

inline uint16_t GetU16(const uint8_t* p, size_t off) {
  return static_cast<uint16_t>(p[off] | (p[off + 1] << 8));
}
inline void PutU16(uint8_t* p, size_t off, uint16_t v) {
  p[off] = static_cast<uint8_t>(v);
  p[off + 1] = static_cast<uint8_t>(v >> 8);
}
inline int16_t GetI16(const uint8_t* p, size_t off) { return static_cast<int16_t>(GetU16(p, off)); }
inline void PutI16(uint8_t* p, size_t off, int16_t v) { PutU16(p, off, static_cast<uint16_t>(v)); }

inline uint32_t GetU32(const uint8_t* p, size_t off) {
  return static_cast<uint32_t>(p[off]) | (static_cast<uint32_t>(p[off + 1]) << 8) |
         (static_cast<uint32_t>(p[off + 2]) << 16) | (static_cast<uint32_t>(p[off + 3]) << 24);
}
inline void PutU32(uint8_t* p, size_t off, uint32_t v) {
  for (int i = 0; i < 4; ++i) p[off + i] = static_cast<uint8_t>(v >> (8 * i));
}
inline int32_t GetI32(const uint8_t* p, size_t off) { return static_cast<int32_t>(GetU32(p, off)); }
inline void PutI32(uint8_t* p, size_t off, int32_t v) { PutU32(p, off, static_cast<uint32_t>(v)); }

inline void PutU64(uint8_t* p, size_t off, uint64_t v) {
  PutU32(p, off, static_cast<uint32_t>(v));
  PutU32(p, off + 4, static_cast<uint32_t>(v >> 32));
}

// IEEE 754 binary64, stored little-endian (the Pascal "Double").
inline void PutF64(uint8_t* p, size_t off, double d) {
  uint64_t u;
  std::memcpy(&u, &d, sizeof u);
  PutU64(p, off, u);
}

// A length-prefixed text field of capacity `cap` (string[cap]): one length
// byte, then cap bytes. A stored length larger than the capacity is clamped,
// so a damaged record never reads past its field.
inline std::string GetStr(const uint8_t* p, size_t off, size_t cap) {
  size_t n = p[off];
  if (n > cap) n = cap;
  return std::string(reinterpret_cast<const char*>(p + off + 1), n);
}

// Writes the text cut to `cap`; the bytes behind the new length keep what they
// held, as a Pascal string assignment leaves them.
inline void PutStr(uint8_t* p, size_t off, size_t cap, const std::string& s) {
  size_t n = s.size() < cap ? s.size() : cap;
  p[off] = static_cast<uint8_t>(n);
  if (n) std::memcpy(p + off + 1, s.data(), n);
}

}  // namespace le

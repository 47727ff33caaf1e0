#include "YrText.h"

#include <unistd.h>

#include <charconv>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <utility>

#include "CodePage.h"

namespace {

uint64_t SystemMemAvail() {
  std::ifstream in("/proc/meminfo");
  if (in) {
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (const uint64_t bytes = MemAvailableFromMeminfo(text)) return bytes;
  }
  // No /proc: free physical pages are the next best figure.
  const long pages = sysconf(_SC_AVPHYS_PAGES);
  const long pageSize = sysconf(_SC_PAGESIZE);
  if (pages > 0 && pageSize > 0) return static_cast<uint64_t>(pages) * static_cast<uint64_t>(pageSize);
  // Unknown: do not refuse work for want of a figure.
  return std::numeric_limits<uint64_t>::max();
}

TMemAvailSource& MemSource() {
  static TMemAvailSource source = SystemMemAvail;
  return source;
}

std::string Pad(std::string_view s, int n, char fill, bool left) {
  const size_t want = n > 0 ? static_cast<size_t>(n) : 0;
  if (s.size() >= want) return std::string(left ? s.substr(s.size() - want) : s.substr(0, want));
  std::string filler(want - s.size(), fill);
  return left ? filler + std::string(s) : std::string(s) + filler;
}

// The Pascal routines copy into a 256-byte zero-terminated buffer.
std::string_view AsPascalBuffer(std::string_view s) {
  s = s.substr(0, 255);
  return s.substr(0, s.find('\0'));
}

}  // namespace

uint64_t MemAvailableFromMeminfo(std::string_view meminfo) {
  constexpr std::string_view key = "MemAvailable:";
  size_t at = 0;
  while ((at = meminfo.find(key, at)) != std::string_view::npos) {
    if (at == 0 || meminfo[at - 1] == '\n') break;
    at += key.size();
  }
  if (at == std::string_view::npos) return 0;
  size_t pos = at + key.size();
  while (pos < meminfo.size() && (meminfo[pos] == ' ' || meminfo[pos] == '\t')) ++pos;
  uint64_t kb = 0;
  const auto [end, ec] = std::from_chars(meminfo.data() + pos, meminfo.data() + meminfo.size(), kb);
  if (ec != std::errc() || end == meminfo.data() + pos) return 0;
  if (kb > std::numeric_limits<uint64_t>::max() / 1024) return std::numeric_limits<uint64_t>::max();
  return kb * 1024;
}

uint32_t MemAvail() {
  const uint64_t bytes = MemSource()();
  return bytes > std::numeric_limits<uint32_t>::max() ? std::numeric_limits<uint32_t>::max()
                                                      : static_cast<uint32_t>(bytes);
}

TMemAvailSource SetMemAvailSource(TMemAvailSource source) {
  TMemAvailSource old = std::move(MemSource());
  MemSource() = source ? std::move(source) : TMemAvailSource(SystemMemAvail);
  return old;
}

std::string BackupName(const std::string& fileName) {
  const size_t slash = fileName.rfind('/');
  const size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
  const size_t point = fileName.rfind('.');
  if (point == std::string::npos || point <= nameStart) return fileName + ".BAK";
  return fileName.substr(0, point + 1) + "BAK";
}

void MakeBackup(const std::string& fileName) {
  const std::string backup = BackupName(fileName);
  if (backup == fileName) return;  // already the backup: erasing it would lose the file
  std::error_code ec;
  // Only a file is backed up; a directory of that name is left alone.
  if (!std::filesystem::is_regular_file(std::filesystem::path(fileName), ec)) return;
  // rename() replaces an existing backup in one step, so the old backup
  // survives when the rename itself fails.
  std::rename(fileName.c_str(), backup.c_str());
}

int32_t StrToInt(std::string_view s) {
  size_t pos = 0;
  while (pos < s.size() && s[pos] == ' ') ++pos;
  bool negative = false;
  if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) negative = s[pos++] == '-';
  if (pos == s.size()) return 0;
  int64_t value = 0;
  for (; pos < s.size(); ++pos) {
    const char c = s[pos];
    if (c < '0' || c > '9') return 0;
    value = value * 10 + (c - '0');
    if (value > int64_t{std::numeric_limits<int32_t>::max()} + 1) return 0;
  }
  if (negative) value = -value;
  if (value > std::numeric_limits<int32_t>::max()) return 0;
  return static_cast<int32_t>(value);
}

std::string IntToStr(int64_t n) {
  char buf[24];
  const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, n);
  (void)ec;  // 24 bytes hold every 64-bit value
  return std::string(buf, end);
}

std::string UpperCase(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return out;
}

std::string PadRight(std::string_view s, int n) { return Pad(s, n, ' ', false); }
std::string PadLeft(std::string_view s, int n) { return Pad(s, n, ' ', true); }
std::string PadLeftZero(std::string_view s, int n) { return Pad(s, n, '0', true); }

std::string OemToAnsi(std::string_view s) {
  std::string out(AsPascalBuffer(s));
  for (char& c : out) c = static_cast<char>(OemCharToAnsi(static_cast<uint8_t>(c)));
  return out;
}

std::string AnsiToOem(std::string_view s) {
  std::string out(AsPascalBuffer(s));
  for (char& c : out) c = static_cast<char>(AnsiCharToOem(static_cast<uint8_t>(c)));
  return out;
}

int32_t Max(int32_t a, int32_t b) { return b >= a ? b : a; }

int CompareBytes(std::string_view a, std::string_view b) {
  const int c = a.compare(b);  // char_traits<char> compares as unsigned char
  return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

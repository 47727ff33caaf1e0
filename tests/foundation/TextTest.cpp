#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <limits>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "CodePage.h"
#include "TestData.h"
#include "YrText.h"

namespace fs = std::filesystem;

TEST(Text, Numbers) {
  struct Case { const char* s; int32_t want; };
  const Case cases[] = {
      {" 12", 12}, {"  -7", -7}, {"+7", 7}, {"007", 7}, {"", 0}, {"-", 0}, {"1a", 0}, {"1 ", 0}, {"1,5", 0},
      {"2147483647", 2147483647}, {"-2147483648", std::numeric_limits<int32_t>::min()}, {"2147483648", 0},
      {"-2147483649", 0}, {"99999999999999999999", 0},
  };
  for (const Case& c : cases) EXPECT_EQ(StrToInt(c.s), c.want) << '"' << c.s << '"';
  EXPECT_EQ(std::tuple(IntToStr(0), IntToStr(123), IntToStr(-5), IntToStr(std::numeric_limits<int32_t>::min())),
            std::tuple("0", "123", "-5", "-2147483648"));
}

TEST(Text, UpperCaseTouchesOnlyAsciiLetters) {
  for (int b = 1; b < 256; ++b) {
    const int want = b >= 'a' && b <= 'z' ? b - 32 : b;
    EXPECT_EQ(static_cast<uint8_t>(UpperCase(std::string(1, static_cast<char>(b)))[0]), want) << "byte " << b;
  }
  EXPECT_EQ(UpperCase(Oem("äbc")), Oem("äBC"));
}

TEST(Text, Padding) {
  const std::pair<std::string, std::string> cases[] = {
      {PadRight("abc", 5), "abc  "}, {PadRight("abcdef", 3), "abc"}, {PadRight("abc", 3), "abc"},
      {PadLeft("abc", 5), "  abc"},  {PadLeft("abcdef", 3), "def"},  {PadLeftZero("7", 3), "007"},
      {PadLeftZero("1234", 3), "234"}, {PadRight("abc", 0), ""},     {PadLeft("abc", -1), ""},
  };
  for (const auto& [got, want] : cases) EXPECT_EQ(got, want);
}

TEST(Text, CodePageRoutinesStopAtNulAndAt255) {
  EXPECT_EQ(OemToAnsi(std::string("ab\0cd", 5)), "ab");
  EXPECT_EQ(AnsiToOem(std::string("\xE4\0x", 3)), "\x84");
  EXPECT_EQ(OemToAnsi(std::string(300, '\x84')), std::string(255, '\xE4'));
  EXPECT_EQ(AnsiToOem(std::string(300, '\xE4')), std::string(255, '\x84'));
}

TEST(Text, MemAvail) {
  EXPECT_EQ(MemAvailableFromMeminfo("MemTotal:  8000 kB\nMemFree: 10 kB\nMemAvailable:    123 kB\n"), 123u * 1024);
  EXPECT_EQ(MemAvailableFromMeminfo("MemAvailable: 1 kB"), 1024u);
  for (const char* absent : {"MemTotal: 8000 kB\nMemFree: 10 kB\n", "XMemAvailable: 5 kB\n", "MemAvailable: kB\n"})
    EXPECT_EQ(MemAvailableFromMeminfo(absent), 0u) << absent;
  EXPECT_EQ(MemAvailableFromMeminfo("MemAvailable: 67108864 kB\n"), uint64_t{1} << 36);  // 64 GiB: no 32-bit wrap
  // MemAvail saturates at 32 bits instead of wrapping.
  using P = std::pair<uint64_t, uint32_t>;
  for (auto [source, want] : {P{5'000'000'000, 0xFFFFFFFF}, P{4'294'967'296 + 15000, 0xFFFFFFFF}, P{1000, 1000}}) {
    SetMemAvailSource([source] { return source; });
    EXPECT_EQ(MemAvail(), want) << source;
  }
  SetMemAvailSource(nullptr);
}

// The backup takes the place of the file name's own extension, beside the
// file. Files before and after; an empty content means the file is absent.
TEST(Text, MakeBackupRenamesBesideTheFile) {
  using Files = std::vector<std::pair<std::string, std::string>>;
  struct Case { std::string file; Files before, after; };
  const Case cases[] = {
      {"ERG1.ERG", {{"ERG1.ERG", "new"}, {"ERG1.BAK", "old"}}, {{"ERG1.ERG", ""}, {"ERG1.BAK", "new"}}},
      {"DATEI", {{"DATEI", "x"}}, {{"DATEI", ""}, {"DATEI.BAK", "x"}}},
      {"ERG1.BAK", {{"ERG1.BAK", "only copy"}}, {{"ERG1.BAK", "only copy"}}},  // its own backup name: kept
      {"ERG1.ERG", {{"ERG1.BAK", "old"}}, {{"ERG1.BAK", "old"}}},  // a missing file leaves the old backup alone
      {"v1.0/ERGEBNIS", {{"v1.0/ERGEBNIS", "x"}}, {{"v1.0/ERGEBNIS.BAK", "x"}, {"v1.BAK", ""}}},
      {"Lauf.erg", {{"Lauf.erg", "x"}}, {{"Lauf.BAK", "x"}}},
      {"a.b.erg", {{"a.b.erg", "x"}}, {{"a.b.BAK", "x"}}},
      {".hidden", {{".hidden", "x"}}, {{".hidden.BAK", "x"}}},
  };
  for (const Case& c : cases) {
    testdata::TempDir dir;
    fs::create_directories(dir / "v1.0");
    for (const auto& [name, content] : c.before) testdata::WriteFile(dir / name, content);
    MakeBackup(dir / c.file);
    for (const auto& [name, content] : c.after)
      EXPECT_EQ(std::pair(testdata::ReadFile(dir / name), fs::exists(dir / name)), std::pair(content, !content.empty()))
          << c.file << ": " << name;
  }
}

TEST(Text, CompareBytesUnsignedAndPrefixFirst) {
  // DOS a-umlaut sorts above z, upper case first.
  const std::pair<const char*, const char*> less[] = {{"abc", "abd"}, {"z", "\x84"}, {"Z", "a"}, {"ab", "abc"}};
  for (const auto& [a, b] : less) EXPECT_EQ(std::pair(CompareBytes(a, b), CompareBytes(b, a)), std::pair(-1, 1)) << a;
  EXPECT_EQ(CompareBytes("", ""), 0);
}

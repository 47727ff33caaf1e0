#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "CodePage.h"
#include "YrText.h"

namespace fs = std::filesystem;

TEST(Text, StrToInt) {
  struct Case { const char* s; int32_t want; };
  const Case cases[] = {
      {"12", 12}, {" 12", 12}, {"  -7", -7}, {"-7", -7}, {"+7", 7}, {"0", 0}, {"007", 7},
      {"", 0}, {" ", 0}, {"-", 0}, {"1a", 0}, {"1 ", 0}, {"a1", 0}, {"1-", 0}, {"1,5", 0},
      {"2147483647", 2147483647}, {"-2147483648", std::numeric_limits<int32_t>::min()},
      {"2147483648", 0}, {"-2147483649", 0}, {"99999999999999999999", 0},
  };
  for (const Case& c : cases) EXPECT_EQ(StrToInt(c.s), c.want) << '"' << c.s << '"';
}

TEST(Text, IntToStr) {
  EXPECT_EQ(IntToStr(0), "0");
  EXPECT_EQ(IntToStr(123), "123");
  EXPECT_EQ(IntToStr(-5), "-5");
  EXPECT_EQ(IntToStr(std::numeric_limits<int32_t>::min()), "-2147483648");
}

TEST(Text, UpperCaseTouchesOnlyAsciiLetters) {
  EXPECT_EQ(UpperCase(Oem("äbc")), Oem("äBC"));
  for (int b = 1; b < 256; ++b) {
    const std::string in(1, static_cast<char>(b));
    const int want = b >= 'a' && b <= 'z' ? b - 32 : b;
    EXPECT_EQ(static_cast<uint8_t>(UpperCase(in)[0]), want) << "byte " << b;
  }
}

TEST(Text, Padding) {
  struct Case { std::string got, want; };
  const Case cases[] = {
      {PadRight("abc", 5), "abc  "}, {PadRight("abcdef", 3), "abc"}, {PadRight("abc", 3), "abc"},
      {PadLeft("abc", 5), "  abc"},  {PadLeft("abcdef", 3), "def"},  {PadLeftZero("7", 3), "007"},
      {PadLeftZero("1234", 3), "234"}, {PadRight("abc", 0), ""},     {PadLeft("abc", -1), ""},
  };
  for (const Case& c : cases) EXPECT_EQ(c.got, c.want);
}

TEST(Text, CodePageRoutinesStopAtNulAndAt255) {
  EXPECT_EQ(OemToAnsi(std::string("ab\0cd", 5)), "ab");
  EXPECT_EQ(AnsiToOem(std::string("\xE4\0x", 3)), "\x84");
  const std::string umlauts(300, '\x84');
  EXPECT_EQ(OemToAnsi(umlauts), std::string(255, '\xE4'));
  EXPECT_EQ(AnsiToOem(std::string(300, '\xE4')), std::string(255, '\x84'));
  EXPECT_EQ(OemToAnsi(Oem("Müller")), Utf8ToAnsi("Müller"));
}

TEST(Text, Max) {
  EXPECT_EQ(Max(3, 5), 5);
  EXPECT_EQ(Max(5, 3), 5);
  EXPECT_EQ(Max(-1, -2), -1);
  EXPECT_EQ(Max(4, 4), 4);
}

TEST(Text, MemAvailableFromMeminfo) {
  EXPECT_EQ(MemAvailableFromMeminfo("MemTotal:  8000 kB\nMemFree: 10 kB\nMemAvailable:    123 kB\n"), 123u * 1024);
  EXPECT_EQ(MemAvailableFromMeminfo("MemAvailable: 1 kB"), 1024u);
  EXPECT_EQ(MemAvailableFromMeminfo("MemTotal: 8000 kB\nMemFree: 10 kB\n"), 0u);
  EXPECT_EQ(MemAvailableFromMeminfo("XMemAvailable: 5 kB\n"), 0u);
  EXPECT_EQ(MemAvailableFromMeminfo("MemAvailable: kB\n"), 0u);
  // 64 GiB: wraps in 32 bits, not here.
  EXPECT_EQ(MemAvailableFromMeminfo("MemAvailable: 67108864 kB\n"), uint64_t{1} << 36);
}

TEST(Text, MemAvailSaturatesAt32Bits) {
  SetMemAvailSource([] { return uint64_t{5'000'000'000}; });
  EXPECT_EQ(MemAvail(), 0xFFFFFFFFu);
  SetMemAvailSource([] { return uint64_t{4'294'967'296} + 15000; });  // would wrap to 15000
  EXPECT_EQ(MemAvail(), 0xFFFFFFFFu);
  SetMemAvailSource([] { return uint64_t{1000}; });
  EXPECT_EQ(MemAvail(), 1000u);
  SetMemAvailSource(nullptr);
  EXPECT_GT(MemAvail(), 1'000'000u);  // the system always has more than a megabyte at hand
}

TEST(Text, BackupName) {
  struct Case { const char* in; const char* want; };
  const Case cases[] = {
      {"ERG1.ERG", "ERG1.BAK"},           {"DATEI", "DATEI.BAK"},
      {"erg1.erg", "erg1.BAK"},           {"a.b.erg", "a.b.BAK"},
      {"/v1.0/DATEI", "/v1.0/DATEI.BAK"}, {"dir.x/sub/ERG.ERG", "dir.x/sub/ERG.BAK"},
      {"ERG1.BAK", "ERG1.BAK"},           {"/home/u/.hidden", "/home/u/.hidden.BAK"},
      {"name.", "name.BAK"},
  };
  for (const Case& c : cases) EXPECT_EQ(BackupName(c.in), c.want) << c.in;
}

class BackupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("vk-backup-" + std::to_string(::getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string Path(const std::string& name) const { return (dir_ / name).string(); }
  void Write(const std::string& name, const std::string& content) const {
    std::ofstream(Path(name), std::ios::binary) << content;
  }
  std::string Read(const std::string& name) const {
    std::ifstream in(Path(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  bool Exists(const std::string& name) const { return fs::exists(Path(name)); }

  fs::path dir_;
};

// Files before and after; an empty content means the file is absent.
TEST_F(BackupTest, RenamesBesideTheFile) {
  using Files = std::vector<std::pair<std::string, std::string>>;
  struct Case { std::string file; Files before, after; };
  const Case cases[] = {
      {"ERG1.ERG", {{"ERG1.ERG", "new"}, {"ERG1.BAK", "old"}}, {{"ERG1.ERG", ""}, {"ERG1.BAK", "new"}}},
      {"DATEI", {{"DATEI", "x"}}, {{"DATEI", ""}, {"DATEI.BAK", "x"}}},
      // A file that is its own backup name is kept.
      {"ERG1.BAK", {{"ERG1.BAK", "only copy"}}, {{"ERG1.BAK", "only copy"}}},
      // A missing file leaves the old backup alone.
      {"ERG1.ERG", {{"ERG1.BAK", "old"}}, {{"ERG1.BAK", "old"}}},
      {"v1.0/ERGEBNIS", {{"v1.0/ERGEBNIS", "x"}}, {{"v1.0/ERGEBNIS.BAK", "x"}, {"v1.BAK", ""}}},
      {"Lauf.erg", {{"Lauf.erg", "x"}}, {{"Lauf.BAK", "x"}}},
  };
  for (const Case& c : cases) {
    fs::remove_all(dir_);
    fs::create_directories(dir_ / "v1.0");
    for (const auto& [name, content] : c.before) Write(name, content);
    MakeBackup(Path(c.file));
    for (const auto& [name, content] : c.after) {
      EXPECT_EQ(Exists(name), !content.empty()) << c.file << ": " << name;
      if (!content.empty()) {
        EXPECT_EQ(Read(name), content) << c.file << ": " << name;
      }
    }
  }
}

TEST(CompareBytesTest, UnsignedBytesAndPrefixFirst) {
  EXPECT_EQ(CompareBytes("abc", "abd"), -1);
  EXPECT_EQ(CompareBytes("\x84", "z"), 1);  // DOS a-umlaut sorts above z
  EXPECT_EQ(CompareBytes("Z", "a"), -1);    // upper case first
  EXPECT_EQ(CompareBytes("ab", "abc"), -1);
  EXPECT_EQ(CompareBytes("abc", "ab"), 1);
  EXPECT_EQ(CompareBytes("", ""), 0);
}

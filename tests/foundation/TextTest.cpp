#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <set>
#include <string>
#include <utility>

#include "CaseFile.h"
#include "CodePage.h"
#include "YrClock.h"
#include "YrDate.h"
#include "YrHooks.h"
#include "YrText.h"

namespace fs = std::filesystem;
using testdata::Arg;
using testdata::Fields;
using testdata::Num;
using testdata::Quote;

namespace {

// Pins the clock while it lives.
struct PinnedClock {
  explicit PinnedClock(TYrClock clock) : old(SetClock(std::move(clock))) {}
  ~PinnedClock() { SetClock(old); }
  TYrClock old;
};

std::string Str(int64_t n) { return std::to_string(n); }

// The files of `dir` below it, with their contents.
std::string Files(const testdata::TempDir& dir) {
  std::set<std::string> files;
  for (const auto& e : fs::recursive_directory_iterator(dir.Path()))
    if (e.is_regular_file())
      files.insert(fs::relative(e.path(), dir.Path()).string() + "=" + Quote(testdata::ReadFile(e.path())));
  std::string out;
  for (const std::string& file : files) out += (out.empty() ? "" : " ") + file;
  return out;
}

// A backup beside the file: MakeBackup FILE, then the files before it as NAME="CONTENT".
std::string Backup(const Fields& f) {
  const testdata::TempDir dir;
  fs::create_directories(dir / "v1.0");
  for (size_t i = 2; i < f.size(); ++i)
    testdata::WriteFile(dir / f[i].substr(0, f[i].find('=')), testdata::Unquote(f[i].substr(f[i].find('=') + 1)));
  MakeBackup(dir / f[1]);
  return Files(dir);
}

}  // namespace

TEST(TextRoutines, CasesOfTheDataFile) {
  testdata::ExpectRoutineCases("foundation/cases.txt", {
      {"StrToInt", [](const Fields& f) { return Str(StrToInt(Arg(f, 1))); }},
      {"IntToStr", [](const Fields& f) { return Quote(IntToStr(Num(f, 1))); }},
      {"PadRight", [](const Fields& f) { return Quote(PadRight(Arg(f, 1), int(Num(f, 2)))); }},
      {"PadLeft", [](const Fields& f) { return Quote(PadLeft(Arg(f, 1), int(Num(f, 2)))); }},
      {"PadLeftZero", [](const Fields& f) { return Quote(PadLeftZero(Arg(f, 1), int(Num(f, 2)))); }},
      {"CompareBytes", [](const Fields& f) { return Str(CompareBytes(Arg(f, 1), Arg(f, 2))); }},
      {"OemToAnsi", [](const Fields& f) { return Quote(OemToAnsi(Arg(f, 1))); }},
      {"AnsiToOem", [](const Fields& f) { return Quote(AnsiToOem(Arg(f, 1))); }},
      {"Utf8ToOem", [](const Fields& f) { return Quote(Utf8ToOem(Arg(f, 1))); }},
      {"Utf8ToAnsi", [](const Fields& f) { return Quote(Utf8ToAnsi(Arg(f, 1))); }},
      {"MemAvailableFromMeminfo", [](const Fields& f) { return std::to_string(MemAvailableFromMeminfo(Arg(f, 1))); }},
      {"MemAvail",
       [](const Fields& f) {
         const uint64_t source = std::stoull(f[1]);
         SetMemAvailSource([source] { return source; });
         const uint32_t avail = MemAvail();
         SetMemAvailSource(nullptr);
         return Str(avail);
       }},
      {"Clock",
       [](const Fields& f) {
         int v[7] = {};
         for (size_t i = 1; i < f.size(); ++i) v[i - 1] = int(Num(f, i));
         const TYrDateTime at = MakeDateTime(v[0], v[1], v[2], v[3], v[4], v[5], v[6]);
         PinnedClock clock([at] { return at; });
         return Quote(LongDate()) + " " + Quote(DateTimeStamp()) + " " + Str(CurrentYear());
       }},
      {"Progress",
       [](const Fields& f) {
         TYrProgress p;
         p.Update("x", int32_t(Num(f, 1)), int32_t(Num(f, 2)), int32_t(Num(f, 3)), int32_t(Num(f, 4)));
         const int32_t updated = p.Position();
         p.StepIt();
         return Str(updated) + " " + Str(p.Position());
       }},
      {"MakeBackup", Backup},
  });
}

TEST(Text, UpperCaseTouchesOnlyAsciiLetters) {
  for (int b = 1; b < 256; ++b) {
    const int want = b >= 'a' && b <= 'z' ? b - 32 : b;
    EXPECT_EQ(static_cast<uint8_t>(UpperCase(std::string(1, static_cast<char>(b)))[0]), want) << "byte " << b;
  }
}

// Every byte of both pages, one line each: the DOS byte, its character and
// the Windows byte it becomes, then the Windows byte, its character and the
// DOS byte it becomes. The data file's characters were checked once against
// Python's cp850 and cp1252 codecs, its stand-ins against the Windows
// best-fit conversion. UTF-8 leads back to every byte, NUL and length kept.
TEST(CodePage, EveryByteOfBothPages) {
  auto shown = [](char32_t u, const std::string& utf8) { return u < 0x20 || (u >= 0x7F && u < 0xA0) ? " " : utf8; };
  std::string out, all;
  for (int b = 0; b < 256; ++b) {
    const auto c = static_cast<uint8_t>(b);
    const std::string byte(1, static_cast<char>(c));
    char line[80];
    std::snprintf(line, sizeof line, "%02X U+%04X %s -> %02X | U+%04X %s -> %02X\n", b,
                  static_cast<unsigned>(OemCharToUnicode(c)), shown(OemCharToUnicode(c), OemToUtf8(byte)).c_str(),
                  OemCharToAnsi(c), static_cast<unsigned>(AnsiCharToUnicode(c)),
                  shown(AnsiCharToUnicode(c), AnsiToUtf8(byte)).c_str(), AnsiCharToOem(c));
    out += line;
    all += byte;
  }
  testdata::ExpectDataFile(out, "foundation/codepages.txt");
  EXPECT_EQ(std::pair(Utf8ToOem(OemToUtf8(all)), Utf8ToAnsi(AnsiToUtf8(all))), std::pair(all, all));
}

// A clock that ticks past midnight between two readings: the stamp must not
// mix the old date with the new time (or the other way round).
TEST(Date, DateTimeStampReadsTheClockOnce) {
  int readings = 0;
  PinnedClock clock([&readings] {
    return readings++ == 0 ? MakeDateTime(2026, 12, 31, 23, 59, 59, 999) : MakeDateTime(2027, 1, 1, 0, 0, 0);
  });
  const std::string stamp = DateTimeStamp();
  EXPECT_EQ(std::pair(stamp, readings), std::pair(std::string("31.12.2026 - 23:59:59"), 1));
}

TEST(Progress, EveryChangeReachesTheHookWithTheCaptionCutTo255) {
  int calls = 0;
  std::string seen;
  ProgressProc = [&](TYrProgress& p) {
    ++calls;
    seen = p.Caption();
  };
  TYrProgress p;  // Init updates once
  p.SetCaption(std::string(300, 'k'));
  p.StepIt();
  ProgressProc = NoProgress;
  p.StepIt();
  EXPECT_EQ(std::pair(calls, seen), std::pair(3, std::string(255, 'k')));
}

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <tuple>
#include <utility>

#include "CodePage.h"
#include "TestData.h"
#include "YrText.h"

// Every byte of both pages, one line each: the DOS byte, its character and
// the Windows byte it becomes, then the Windows byte, its character and the
// DOS byte it becomes. The data file's characters were checked once against
// Python's cp850 and cp1252 codecs, its stand-ins against the Windows
// best-fit conversion.
TEST(CodePage, EveryByteOfBothPages) {
  auto shown = [](char32_t u, const std::string& utf8) { return u < 0x20 || (u >= 0x7F && u < 0xA0) ? " " : utf8; };
  std::string out;
  for (int b = 0; b < 256; ++b) {
    const auto c = static_cast<uint8_t>(b);
    const std::string byte(1, static_cast<char>(c));
    char line[80];
    std::snprintf(line, sizeof line, "%02X U+%04X %s -> %02X | U+%04X %s -> %02X\n", b,
                  static_cast<unsigned>(OemCharToUnicode(c)), shown(OemCharToUnicode(c), OemToUtf8(byte)).c_str(),
                  OemCharToAnsi(c), static_cast<unsigned>(AnsiCharToUnicode(c)),
                  shown(AnsiCharToUnicode(c), AnsiToUtf8(byte)).c_str(), AnsiCharToOem(c));
    out += line;
  }
  testdata::ExpectDataFile(out, "foundation/codepages.txt");
}

TEST(CodePage, Utf8Edges) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(Utf8ToOem(OemToUtf8(all)), all);  // NUL and length kept
  EXPECT_EQ(Utf8ToAnsi(AnsiToUtf8(all)), all);
  EXPECT_EQ(std::tuple(Oem("äöüßÄ§"), Utf8ToAnsi("äöüßÄ§")),
            std::tuple("\x84\x94\x81\xE1\x8E\xF5", "\xE4\xF6\xFC\xDF\xC4\xA7"));
  // Characters the target page lacks take the stand-in of the page that has them.
  EXPECT_EQ(Utf8ToOem("Grüße – „Test“ €"), "Gr\x81\xE1" "e - \"Test\" ?");
  EXPECT_EQ(Utf8ToAnsi("┌─┐ ı"), "+-+ i");
  EXPECT_EQ(Utf8ToOem("😀ĉ"), "??");  // valid, but neither page nor a stand-in
  EXPECT_EQ(Utf8ToAnsi(std::string(300, 'x')).size(), 300u);  // no Pascal-style cut here
  // Invalid UTF-8 (cut, lead without continuation, stray continuation, overlong, surrogate, beyond U+10FFFF):
  // one question mark per byte.
  const std::pair<std::string, std::string> invalid[] = {
      {"a\xC3", "a?"},     {"\xC3" "b", "?b"},          {"\x80x", "?x"},
      {"\xC0\xAF", "??"}, {"\xED\xA0\x80", "???"}, {"\xF4\x90\x80\x80", "????"}, {"\xFF", "?"},
  };
  for (const auto& [in, want] : invalid)
    EXPECT_EQ(std::pair(Utf8ToOem(in), Utf8ToAnsi(in)), std::pair(want, want)) << in;
}

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "CodePage.h"
#include "YrText.h"

TEST(CodePage, GermanLettersBetweenThePages) {
  struct Case { const char* utf8; uint8_t oem, ansi; };
  for (const Case& c : {Case{"ä", 0x84, 0xE4}, Case{"ö", 0x94, 0xF6}, Case{"ü", 0x81, 0xFC}, Case{"Ä", 0x8E, 0xC4},
                        Case{"Ö", 0x99, 0xD6}, Case{"Ü", 0x9A, 0xDC}, Case{"ß", 0xE1, 0xDF}, Case{"é", 0x82, 0xE9},
                        Case{"§", 0xF5, 0xA7}, Case{"°", 0xF8, 0xB0}, Case{"´", 0xEF, 0xB4}, Case{"ƒ", 0x9F, 0x83},
                        Case{"\u00A0", 0xFF, 0xA0}}) {
    EXPECT_EQ(Oem(c.utf8), std::string(1, static_cast<char>(c.oem))) << c.utf8;
    EXPECT_EQ(Utf8ToAnsi(c.utf8), std::string(1, static_cast<char>(c.ansi))) << c.utf8;
    EXPECT_EQ(std::pair(OemCharToAnsi(c.oem), AnsiCharToOem(c.ansi)), std::pair(c.ansi, c.oem)) << c.utf8;
  }
}

// Every character both pages hold survives DOS -> Windows -> DOS and keeps
// its identity on the way, and there are exactly as many as the pages share:
// ASCII with the controls, the Latin-1 upper half and the florin.
TEST(CodePage, RoundTripOfAllSharedCharacters) {
  std::string shared;
  for (int b = 0; b < 256; ++b) {
    const auto oem = static_cast<uint8_t>(b);
    const char32_t u = OemCharToUnicode(oem);
    bool inAnsi = false;
    for (int a = 0; a < 256; ++a) inAnsi |= AnsiCharToUnicode(static_cast<uint8_t>(a)) == u;
    if (!inAnsi) continue;
    EXPECT_EQ(AnsiCharToUnicode(OemCharToAnsi(oem)), u) << "OEM byte " << b;
    EXPECT_EQ(AnsiCharToOem(OemCharToAnsi(oem)), oem) << "OEM byte " << b;
    shared += static_cast<char>(oem);
  }
  EXPECT_EQ(shared.size(), 128u + 96 + 1);
  shared.erase(0, 1);  // NUL ends the Pascal-style conversions
  EXPECT_EQ(AnsiToOem(OemToAnsi(shared)), shared);
  EXPECT_EQ(Utf8ToOem(OemToUtf8(shared)), shared);
}

TEST(CodePage, MissingCharactersTakeBestFitOrQuestionMark) {
  struct Case { uint8_t from, to; };
  for (const Case& c : {Case{0xC4, '-'}, Case{0xCD, '-'}, Case{0xDA, '+'}, Case{0xC9, '+'}, Case{0xC5, '+'},
                        Case{0xB3, 0xA6}, Case{0xBA, 0xA6}, Case{0xD5, 'i'}, Case{0xF2, '='}, Case{0xB0, '?'},
                        Case{0xFE, '?'}})
    EXPECT_EQ(OemCharToAnsi(c.from), c.to) << "OEM byte " << int(c.from);
  for (const Case& c : {Case{0x80, '?'}, Case{0x81, '?'}, Case{0x84, '"'}, Case{0x93, '"'}, Case{0x92, '\''},
                        Case{0x96, '-'}, Case{0x97, '-'}, Case{0x8A, 'S'}, Case{0x9E, 'z'}, Case{0x9F, 'Y'},
                        Case{0x8C, 'O'}, Case{0x89, '%'}, Case{0x95, '?'}, Case{0x86, 0xC5}})
    EXPECT_EQ(AnsiCharToOem(c.from), c.to) << "ANSI byte " << int(c.from);
}

// A printable character never becomes a control byte (the ANSI page's
// unassigned bytes count as controls too).
TEST(CodePage, NoConversionInventsControlBytes) {
  auto control = [](uint8_t b) { return b < 0x20 || b == 0x7F; };
  for (int b = 0; b < 256; ++b) {
    const auto c = static_cast<uint8_t>(b);
    const uint8_t a = OemCharToAnsi(c);
    EXPECT_EQ(control(a) || a == 0x81 || a == 0x8D || a == 0x8F || a == 0x90 || a == 0x9D, control(c)) << b;
    EXPECT_EQ(control(AnsiCharToOem(c)), control(c)) << "ANSI byte " << b;
  }
}

TEST(CodePage, Utf8Edges) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(Utf8ToOem(OemToUtf8(all)), all);  // NUL and length kept
  EXPECT_EQ(Utf8ToAnsi(AnsiToUtf8(all)), all);
  EXPECT_EQ(OemToUtf8(Oem("─┼═")), "─┼═");
  EXPECT_EQ(AnsiToUtf8("\x80"), "€");
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

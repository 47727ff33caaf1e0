#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "CodePage.h"
#include "YrText.h"

namespace {

std::string Hex(const std::string& s) {
  std::string out;
  char buf[4];
  for (unsigned char c : s) {
    std::snprintf(buf, sizeof buf, "%02X ", c);
    out += buf;
  }
  return out;
}

bool InAnsiPage(char32_t u) {
  for (int b = 0; b < 256; ++b)
    if (AnsiCharToUnicode(static_cast<uint8_t>(b)) == u) return true;
  return false;
}

}  // namespace

TEST(CodePage, MaerzInDosBytesAndBack) {
  const std::string dos = Oem("März");
  EXPECT_EQ(Hex(dos), "4D 84 72 7A ");
  EXPECT_EQ(OemToUtf8(dos), "März");
  EXPECT_EQ(Hex(OemToAnsi(dos)), "4D E4 72 7A ");
  EXPECT_EQ(AnsiToOem(OemToAnsi(dos)), dos);
}

TEST(CodePage, GermanLettersBetweenThePages) {
  struct Case { const char* utf8; uint8_t oem, ansi; };
  const Case cases[] = {
      {"ä", 0x84, 0xE4}, {"ö", 0x94, 0xF6}, {"ü", 0x81, 0xFC}, {"Ä", 0x8E, 0xC4}, {"Ö", 0x99, 0xD6},
      {"Ü", 0x9A, 0xDC}, {"ß", 0xE1, 0xDF}, {"é", 0x82, 0xE9}, {"§", 0xF5, 0xA7}, {"°", 0xF8, 0xB0},
      {"´", 0xEF, 0xB4}, {"ƒ", 0x9F, 0x83}, {"\u00A0", 0xFF, 0xA0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.utf8);
    EXPECT_EQ(Oem(c.utf8), std::string(1, static_cast<char>(c.oem)));
    EXPECT_EQ(Utf8ToAnsi(c.utf8), std::string(1, static_cast<char>(c.ansi)));
    EXPECT_EQ(OemCharToAnsi(c.oem), c.ansi);
    EXPECT_EQ(AnsiCharToOem(c.ansi), c.oem);
  }
}

// Every character both pages hold survives DOS -> Windows -> DOS and keeps
// its identity on the way, and there are exactly as many as the pages share:
// ASCII with the controls, the Latin-1 upper half and the florin.
TEST(CodePage, RoundTripOfAllSharedCharacters) {
  std::string shared;
  int count = 0;
  for (int b = 0; b < 256; ++b) {
    const auto oem = static_cast<uint8_t>(b);
    const char32_t u = OemCharToUnicode(oem);
    if (!InAnsiPage(u)) continue;
    ++count;
    EXPECT_EQ(AnsiCharToUnicode(OemCharToAnsi(oem)), u) << "OEM byte " << b;
    EXPECT_EQ(AnsiCharToOem(OemCharToAnsi(oem)), oem) << "OEM byte " << b;
    if (b != 0) shared += static_cast<char>(oem);
  }
  EXPECT_EQ(count, 128 + 96 + 1);
  EXPECT_EQ(AnsiToOem(OemToAnsi(shared)), shared);
  EXPECT_EQ(Utf8ToOem(OemToUtf8(shared)), shared);
}

TEST(CodePage, MissingCharactersTakeBestFitOrQuestionMark) {
  struct Case { uint8_t from, to; };
  const Case oemToAnsi[] = {
      {0xC4, '-'},  {0xCD, '-'}, {0xDA, '+'}, {0xC9, '+'}, {0xC5, '+'}, {0xB3, 0xA6},
      {0xBA, 0xA6}, {0xD5, 'i'}, {0xF2, '='}, {0xB0, '?'}, {0xFE, '?'},
  };
  for (const Case& c : oemToAnsi) EXPECT_EQ(OemCharToAnsi(c.from), c.to) << "OEM byte " << int(c.from);
  const Case ansiToOem[] = {
      {0x80, '?'}, {0x81, '?'}, {0x84, '"'}, {0x93, '"'}, {0x92, '\''}, {0x96, '-'}, {0x97, '-'},
      {0x8A, 'S'}, {0x9E, 'z'}, {0x9F, 'Y'}, {0x8C, 'O'}, {0x89, '%'}, {0x95, '?'}, {0x86, 0xC5},
  };
  for (const Case& c : ansiToOem) EXPECT_EQ(AnsiCharToOem(c.from), c.to) << "ANSI byte " << int(c.from);
}

// A printable character never becomes a control byte (the ANSI page's
// unassigned bytes count as controls too).
TEST(CodePage, NoConversionInventsControlBytes) {
  const auto ansiControl = [](uint8_t b) {
    return b < 0x20 || b == 0x7F || b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
  };
  for (int b = 0; b < 256; ++b) {
    const auto c = static_cast<uint8_t>(b);
    const bool oemControl = c < 0x20 || c == 0x7F;
    EXPECT_EQ(ansiControl(OemCharToAnsi(c)), oemControl) << "OEM byte " << b;
    const uint8_t o = AnsiCharToOem(c);
    EXPECT_EQ(o < 0x20 || o == 0x7F, c < 0x20 || c == 0x7F) << "ANSI byte " << b;
  }
}

TEST(CodePage, Utf8EdgesKeepEveryByteOfTheirPage) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(Utf8ToOem(OemToUtf8(all)), all);
  EXPECT_EQ(Utf8ToAnsi(AnsiToUtf8(all)), all);
  EXPECT_EQ(OemToUtf8(Oem("─┼═")), "─┼═");
  EXPECT_EQ(AnsiToUtf8("\x80"), "€");
}

TEST(CodePage, Utf8ToPagesFitsLikeThePageConversion) {
  EXPECT_EQ(Utf8ToOem("Grüße – „Test“ €"), "Gr\x81\xE1" "e - \"Test\" ?");
  EXPECT_EQ(Utf8ToAnsi("┌─┐ ı"), "+-+ i");
  EXPECT_EQ(Utf8ToOem("😀ĉ"), "??");  // valid, but neither page nor a stand-in
}

TEST(CodePage, InvalidUtf8GivesOneQuestionMarkPerByte) {
  struct Case { std::string in, want; };
  const Case cases[] = {
      {"a\xC3", "a?"},                // cut sequence
      {"\xC3" "b", "?b"},             // lead byte without continuation
      {"\x80x", "?x"},                // stray continuation
      {"\xC0\xAF", "??"},             // overlong "/"
      {"\xED\xA0\x80", "???"},        // surrogate
      {"\xF4\x90\x80\x80", "????"},   // beyond U+10FFFF
      {"\xFF", "?"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Utf8ToOem(c.in), c.want) << Hex(c.in);
    EXPECT_EQ(Utf8ToAnsi(c.in), c.want) << Hex(c.in);
  }
}

TEST(CodePage, EdgesKeepNulAndLength) {
  const std::string withNul("a\0b", 3);
  EXPECT_EQ(Oem(withNul), withNul);
  EXPECT_EQ(OemToUtf8(withNul), withNul);
  const std::string longText(300, 'x');
  EXPECT_EQ(Utf8ToAnsi(longText).size(), 300u);
}

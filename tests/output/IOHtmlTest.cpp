#include <gtest/gtest.h>

#include <string>

#include "IOHTML.h"

TEST(OemToHtml, Entities) {
  struct Case {
    std::string in, want;
  };
  const Case cases[] = {
      {"\x84", "&auml;"},
      {"\x94", "&ouml;"},
      {"\x81", "&uuml;"},
      {"\x8E", "&Auml;"},
      {"\x99", "&Ouml;"},
      {"\x9A", "&Uuml;"},
      {"\xE1", "&szlig;"},
      {"Gr\x81\xE1" "e", "Gr&uuml;&szlig;e"},
      {"M\x81ller-L\x9A" "densch\x94n", "M&uuml;ller-L&Uuml;densch&ouml;n"},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(OemToHtml(c.in), c.want) << c.in;
}

TEST(OemToHtml, OtherBytesAreCopied) {
  // Markup characters and every other DOS letter pass unchanged.
  std::string all;
  for (int b = 1; b < 256; ++b) {
    if (b == 0x84 || b == 0x94 || b == 0x81 || b == 0x8E || b == 0x99 || b == 0x9A || b == 0xE1) continue;
    all += static_cast<char>(b);
  }
  ASSERT_EQ(all.size(), 248u);
  EXPECT_EQ(OemToHtml(all), all);
  EXPECT_EQ(OemToHtml("<b>&\"'"), "<b>&\"'");
  EXPECT_EQ(OemToHtml(std::string("a\0b", 3)), std::string("a\0b", 3));
  // CP850's other letters with dots (e with diaeresis 0x89, y 0x98) are not German letters.
  EXPECT_EQ(OemToHtml("\x89\x98"), "\x89\x98");
}

TEST(OemToHtml, ResultIsCutAt255) {
  struct Case {
    const char* what;
    std::string in;
    size_t wantLength;
    std::string wantTail;
  };
  const Case cases[] = {
      {"plain input longer than 255", std::string(300, 'a'), 255, "aaa"},
      {"entities until full", std::string(50, '\x81'), 252, "&uuml;"},  // 42 whole entities
      {"plain text fills the last bytes", std::string(42, '\x81') + "abcdef", 255, "abc"},
      // 249 letters, then sharp s would need 7 bytes but only 6 are left:
      // the result stops before it and the following letters are not taken.
      {"entity that no longer fits is left out", std::string(249, 'x') + "\xE1yz", 249, "xxx"},
      {"entity that fits exactly", std::string(248, 'x') + "\xE1yz", 255, "&szlig;"},
  };
  for (const Case& c : cases) {
    const std::string out = OemToHtml(c.in);
    EXPECT_EQ(out.size(), c.wantLength) << c.what;
    ASSERT_GE(out.size(), c.wantTail.size()) << c.what;
    EXPECT_EQ(out.substr(out.size() - c.wantTail.size()), c.wantTail) << c.what;
  }
}

TEST(OemToHtml, OnlyTheFirst255InputBytesCount) {
  // A byte past the 255th is never looked at, even when there would be room.
  const std::string in = std::string(255, 'a') + "\x81";
  EXPECT_EQ(OemToHtml(in), std::string(255, 'a'));
}

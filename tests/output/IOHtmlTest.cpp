#include <gtest/gtest.h>

#include <string>

#include "IOHTML.h"

TEST(OemToHtml, EntitiesAndCopiedBytes) {
  struct Case { std::string in, want; };
  const Case cases[] = {
      {"\x84\x94\x81\x8E\x99\x9A\xE1", "&auml;&ouml;&uuml;&Auml;&Ouml;&Uuml;&szlig;"},
      {"Gr\x81\xE1" "e", "Gr&uuml;&szlig;e"},
      {"M\x81ller-L\x9A" "densch\x94n", "M&uuml;ller-L&Uuml;densch&ouml;n"},
      {"", ""},
      {"<b>&\"'", "<b>&\"'"},  // markup characters are not escaped
      {std::string("a\0b", 3), std::string("a\0b", 3)},
      {"\x89\x98", "\x89\x98"},  // CP850's e and y with diaeresis are not German letters
  };
  for (const Case& c : cases) EXPECT_EQ(OemToHtml(c.in), c.want) << c.in;
  std::string all;
  for (int b = 1; b < 256; ++b)
    if (std::string("\x84\x94\x81\x8E\x99\x9A\xE1").find(static_cast<char>(b)) == std::string::npos) all += char(b);
  ASSERT_EQ(all.size(), 248u);
  EXPECT_EQ(OemToHtml(all), all);
}

TEST(OemToHtml, ResultIsCutAt255NeverInsideAnEntity) {
  struct Case { const char* what; std::string in; size_t wantLength; std::string wantTail; };
  const Case cases[] = {
      {"plain input longer than 255", std::string(300, 'a'), 255, "aaa"},
      {"entities until full", std::string(50, '\x81'), 252, "&uuml;"},  // 42 whole entities
      {"plain text fills the last bytes", std::string(42, '\x81') + "abcdef", 255, "abc"},
      // Sharp s would need 7 bytes but only 6 are left: the result stops before it.
      {"entity that no longer fits is left out", std::string(249, 'x') + "\xE1yz", 249, "xxx"},
      {"entity that fits exactly", std::string(248, 'x') + "\xE1yz", 255, "&szlig;"},
  };
  for (const Case& c : cases) {
    const std::string out = OemToHtml(c.in);
    EXPECT_EQ(out.size(), c.wantLength) << c.what;
    EXPECT_TRUE(out.ends_with(c.wantTail)) << c.what << ": " << out;
  }
}

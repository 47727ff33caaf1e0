#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "IOHTML.h"

TEST(OemToHtml, EntitiesCopiedBytesAndTheCutAt255) {
  const std::string letters = "\x84\x94\x81\x8E\x99\x9A\xE1", x248(248, 'x');
  std::string others;  // every other byte is copied, markup characters and CP850's e and y with diaeresis too
  for (int b = 1; b < 256; ++b)
    if (letters.find(static_cast<char>(b)) == std::string::npos) others += char(b);
  std::string uuml42;  // 42 entities fill 252 bytes
  for (int i = 0; i < 42; ++i) uuml42 += "&uuml;";
  const std::pair<std::string, std::string> cases[] = {
      {letters, "&auml;&ouml;&uuml;&Auml;&Ouml;&Uuml;&szlig;"},
      {"M\x81ller-L\x9A" "densch\x94n", "M&uuml;ller-L&Uuml;densch&ouml;n"},
      {"", ""}, {std::string("a\0b", 3), std::string("a\0b", 3)}, {others, others},
      {std::string(300, 'a'), std::string(255, 'a')},
      {std::string(50, '\x81'), uuml42}, {std::string(42, '\x81') + "abcdef", uuml42 + "abc"},
      {x248 + "x\xE1yz", x248 + "x"},  // sharp s needs 7 bytes, 6 are left: the result stops before it
      {x248 + "\xE1yz", x248 + "&szlig;"},
  };
  for (const auto& [in, want] : cases) EXPECT_EQ(OemToHtml(in), want) << in;
}

TEST(HtmlText, MarkupEscapedLettersAsEntitiesNothingCut) {
  const std::string long300(300, '\x81');
  std::string uuml300;
  for (int i = 0; i < 300; ++i) uuml300 += "&uuml;";
  const std::tuple<std::string, bool, std::string> cases[] = {
      {"M\x81ller & S\x94hne", false, "M&uuml;ller &amp; S&ouml;hne"},
      {"<b>\"x\"</b>", false, "&lt;b&gt;\"x\"&lt;/b&gt;"},
      {"<b>\"x\"</b>", true, "&lt;b&gt;&quot;x&quot;&lt;/b&gt;"},
      {"Zo\x89 \x82t\xE9 \x7F\x01", false, "Zo&#235; &#233;t&#218; \x7F\x01"},  // other letters by number
      {long300, false, uuml300},
  };
  for (const auto& [in, attribute, want] : cases) EXPECT_EQ(HtmlText(in, attribute), want) << in;
}

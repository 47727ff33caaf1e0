#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <tuple>

#include "FileTestSupport.h"
#include "ReportSupport.h"
#include "YrStream.h"

namespace {

using nlohmann::json;

TEST(VkdumpPages, PrintsEveryPageWithItsItemsAsJson) {
  {
    TYrStream s("vkdump-pages.erg", stCreate);
    reporttest::Competition({1})->Store(s);
  }
  const filetest::DumpRun r = filetest::Vkdump("pages vkdump-pages.erg results 0 0 0 0 0 0 0 0 1 0 0 0 --class 0");
  ASSERT_EQ(std::tuple(r.status, r.err), std::tuple(0, "")) << r.err;
  const json pages = json::parse(r.out);
  ASSERT_EQ(std::tuple(pages.size(), pages[0]["number"], pages[1]["number"]), std::tuple(2u, 1, 2));
  EXPECT_EQ(pages[0]["items"][0], json::parse(R"J({"kind": "text", "x1": 100, "y1": 100, "x2": 2000, "y2": 150,
      "colour": 0, "face": 3, "style": 1, "size": 50, "alignment": 48, "convert": true,
      "text": "Altersklasse Jugend0 (1990 - 1991)"})J"));
  // The medal table's title block, switched on for it, and its legend.
  EXPECT_EQ(pages[1]["items"][0], json::parse(R"J({"kind": "rect", "x1": 100, "y1": 100, "x2": 2000, "y2": 250,
      "colour": 0, "penWidth": 6, "filled": false, "fillColour": 4})J"));
  EXPECT_EQ(pages[1]["items"][6]["text"], "Erläuterungen:");

  for (const char* bad :
       {"results 1", "heats", "certificates 0 0", "statistics 0 0 0 0 1 --class", "statistics 0 0 0 2 -1"})
    EXPECT_EQ(filetest::Vkdump(std::string("pages vkdump-pages.erg ") + bad).status, 1) << bad;
}

}  // namespace

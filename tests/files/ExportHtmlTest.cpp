#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ExportFixture.h"
#include "CaseFile.h"
#include "VkExportHtml.h"

using exporttest::Competition;

namespace {

std::string Html(const TWettkampf& w, const TExportHtmlOptions& o) {
  TYrMemoryStream s;
  ExportHtml(w, s, o);
  return writer_test::Text(s);
}

}  // namespace

// The page with the dialog's presets, whole ("Kinder" has no participants:
// no link, but it keeps number 1; a participant's row of more than 255
// characters stays one line), and what a parser reads of it: the escaped
// texts and every participant's values in their columns.
TEST(HtmlExport, PageWithPresets) {
  const auto w = Competition(true);
  testdata::ExpectDataFile(Html(*w, PresetHtmlOptions()), "files/html-presets.htm");
  auto write = [&](TYrStream& f) { ExportHtml(*w, f, PresetHtmlOptions()); };
  EXPECT_EQ(exporttest::ReadBack(".html", write, "read-html.py"), exporttest::DataLines("html-presets-parsed.tsv"));
}

// Text form of a team competition with colour and background image (its
// name escaped inside the attribute), without discipline results; the link
// list ends with ", " since the competition's last class is empty.
TEST(HtmlExport, TextFormOfTeams) {
  auto w = Competition(false);
  w->Insert(exporttest::Class("AK 17/18", 1980, 1981, 0, 2));
  TExportHtmlOptions o;
  o.AgeClassLinks = true;
  o.BodyColour = "rot";
  o.BackgroundImage = Oem("Bild \"Süd\" & <1>.gif");
  testdata::ExpectDataFile(Html(*w, o), "files/html-teams-text.htm");
}

// BodyColour CHOICE: line 6 of the page with the colour CHOICE of the options
// dialog's list, as tests/data/files/html-colours.txt holds it.
TEST(HtmlExport, BodyColourOfEachChoice) {
  const auto w = Competition(true);
  auto line6 = [&](const testdata::Fields& f) {
    TExportHtmlOptions o;
    o.BodyColour = Oem(testdata::Arg(f, 1));
    return testdata::Quote(writer_test::Lines(Html(*w, o))[5]);
  };
  testdata::ExpectRoutineCases("files/html-colours.txt", {{"BodyColour", line6}});
}

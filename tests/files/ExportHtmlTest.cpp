#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ExportFixture.h"
#include "VkExportHtml.h"

using exporttest::Competition;
using exporttest::ReadBack;

namespace {

// What a browser's parser makes of the page: the title and each table
// row's cells (a row ends at its TR tag; the blank behind each cell dropped).
const char* kHtmlScript = R"PY(
import sys
from html.parser import HTMLParser
class Page(HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.out, self.cells, self.title = [], [], False
    def handle_starttag(self, tag, attrs):
        if tag == 'th':
            self.cells.append('')
        elif tag == 'tr' and self.cells:
            self.out.append('ROW\t' + '\t'.join(c[:-1] if c.endswith(' ') else c for c in self.cells))
            self.cells = []
        self.title = tag == 'title'
    def handle_endtag(self, tag):
        self.title = False
    def handle_data(self, data):
        if self.cells:
            self.cells[-1] += data
        elif self.title:
            self.out.append('TITLE\t' + data)
p = Page()
p.feed(open(sys.argv[1], encoding='ascii').read())
sys.stdout.buffer.write(''.join(l + '\n' for l in p.out).encode())
)PY";

std::vector<std::string> Lines(const TYrMemoryStream& s) {
  std::vector<std::string> lines = writer_test::Lines(writer_test::Text(s));
  for (std::string& l : lines) {
    EXPECT_EQ(l.back(), '\r');
    l.pop_back();
  }
  return lines;
}

}  // namespace

// The anchor and link lines as written; every line whole (a participant's
// row is longer than 255 characters); what a parser reads: escaped texts
// and every participant's values in their columns.
TEST(HtmlExport, PageWithPresets) {
  const auto w = Competition(true);
  TYrMemoryStream s;
  ExportHtml(*w, s, PresetHtmlOptions());
  const std::vector<std::string> lines = Lines(s);
  ASSERT_EQ(lines.size(), 39u);
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 17, lines.begin() + 24),
            (std::vector<std::string>{
                "<HR>", "Zu den Ergebnissen der einzelnen Altersklassen: <BR>",
                // "Kinder" has no participants: no link, but it keeps number 1.
                R"(<A HREF="#Ak2">Jugend</A>, )", R"(<A HREF="#Ak3">Senioren</A>)", "<HR>", "<HR NOSHADE>",
                R"(<B><A NAME="Ak2">Jugend (Jahrg&auml;nge von 1990 bis 1991)</A></B>)"}));
  EXPECT_GT(lines[26].size(), 255u);

  const auto parsed = ReadBack(".html", [&](TYrStream& f) { ExportHtml(*w, f, PresetHtmlOptions()); }, kHtmlScript);
  std::string disciplines;
  for (const std::string d : {"1", "2", "3", "4", "5", "6"}) disciplines += "\tZeit" + d + "\tAbz" + d + "\tPkt" + d;
  const std::vector<std::string> want = {
      "TITLE\tLandesmeisterschaft Süd & <Nord>",
      "ROW\tPl.\tGesPkt\tGlied.\tName\tVorname\tJg" + disciplines + "\tHLW",
      "ROW\t1.\t2108,24\tDLRG\tMüller & Söhne\tJörg\t91\t1:05,01\t0\t349,90\t1:05,02\t0\t349,80\t1:05,03\t0\t349,70"
      "\t1:05,04\t0\t349,60\t1:05,05\t0\t349,50\t1:05,06\t2\t347,40\t12,34",
      "ROW\t2.\t1498,50\tWW\t<b>Groß</b>\tÄrger \"Q\"\t90\t1:10,01\t0\t299,90\t1:10,02\t0\t299,80\t1:10,03\t0\t299,70"
      "\t1:10,04\t0\t299,60\t1:10,05\t0\t299,50\t1:10,06\tdisq.\t0,00\tn.er.",
      "ROW\t3.\t998,10\tASB\tAbwesend\tAnna\t90\t1:20,01\t0\t199,90\t1:20,02\tn.a.\t0,00\t1:20,03\t0\t199,70"
      "\t1:20,04\t0\t199,60\t1:20,05\t0\t199,50\t1:20,06\t0\t199,40\tn.a.",
      "ROW\tPl.\tGesPkt\tGlied.\tName\tVorname\tJg\tZeit1\tAbz1\tPkt1",
      "ROW\tAK\t989,90\tDLRG\tZeller\tZoë\t75\t0:01,01\t0\t989,90"};
  EXPECT_EQ(parsed, want);
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
  TYrMemoryStream s;
  ExportHtml(*w, s, o);
  const std::vector<std::string> lines = Lines(s);
  ASSERT_EQ(lines.size(), 31u);
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 5, lines.begin() + 7),
            (std::vector<std::string>{R"(<BODY BGCOLOR="#ff0000">)",
                                      R"(<BODY BACKGROUND="Bild &quot;S&uuml;d&quot; &amp; &lt;1&gt;.gif">)"}));
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 17, lines.begin() + 28),
            (std::vector<std::string>{
                "Mannschaftswettbewerbe<BR>", "12. M&auml;rz 2024</B>", "<HR>",
                "Zu den Ergebnissen der einzelnen Altersklassen: <BR>", R"(<A HREF="#Ak1">AK 12w</A>, )", "<HR>",
                R"(<B><A NAME="Ak1">AK 12w (Jahrg&auml;nge von 1992 bis 1993)</A></B><PRE>)",
                "Pl.   GesamtP. Glied. Mannschaft                     ",
                "  1.    198,70 WW     Team &lt;Nord&gt; &amp; Co               ",
                "          0,00 DLRG   Ortsgruppe S&uuml;d-Ost Gro&szlig;stadt   ", "</PRE>"}));
}

// Each choice of the options dialog's colour list is the page's colour; with
// none chosen the page has no BODY colour line.
TEST(HtmlExport, BodyColourOfEachChoice) {
  const auto w = Competition(true);
  const std::pair<const char*, const char*> kChoices[] = {
      {"Voreinstellung", "ffffff"}, {"schwarz", "000000"}, {"weiß", "ffffff"},   {"rot", "ff0000"},  {"grün", "00ff00"},
      {"blau", "0000ff"},           {"gelb", "ffff00"},    {"magenta", "ff00ff"}, {"cyan", "00ffff"}, {"", nullptr}};
  for (const auto& [choice, rgb] : kChoices) {
    TExportHtmlOptions o;
    o.BodyColour = Oem(choice);
    TYrMemoryStream s;
    ExportHtml(*w, s, o);
    EXPECT_EQ(Lines(s)[5], rgb ? R"(<BODY BGCOLOR="#)" + std::string(rgb) + R"(">)"
                               : R"(<meta name="keywords" value="krvb,rettungssport">)") << choice;
  }
}

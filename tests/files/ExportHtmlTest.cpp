#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ExportFixture.h"
#include "IOHTML.h"
#include "VkExportHtml.h"

using exporttest::Competition;
using exporttest::ReadBack;

namespace {

// What a browser's parser makes of the page: the title, every anchor and
// link with its text, the BODY attributes, each table row's cells (a row
// ends at its TR tag; the blank behind each cell dropped) and each line of
// preformatted text.
const char* kHtmlScript = R"PY(
import sys
from html.parser import HTMLParser
class Page(HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.out, self.cells, self.text, self.link, self.where = [], [], None, None, None
    def handle_starttag(self, tag, attrs):
        a = dict(attrs)
        if tag == 'body':
            self.out.append('BODY\t' + '\t'.join(f'{k}={v}' for k, v in attrs))
        elif tag == 'a':
            self.link, self.text = ('ANCHOR\t' + a['name']) if 'name' in a else ('LINK\t' + a['href']), ''
        elif tag == 'th':
            self.cells.append('')
        elif tag == 'tr' and self.cells:
            self.out.append('ROW\t' + '\t'.join(c[:-1] if c.endswith(' ') else c for c in self.cells))
            self.cells = []
        elif tag in ('title', 'pre'):
            self.where = tag
    def handle_endtag(self, tag):
        if tag == 'a':
            self.out.append(self.link + '\t' + self.text)
            self.link = None
        elif tag in ('title', 'pre'):
            self.where = None
    def handle_data(self, data):
        if self.link is not None:
            self.text += data
        elif self.cells:
            self.cells[-1] += data
        elif self.where == 'title':
            self.out.append('TITLE\t' + data)
        elif self.where == 'pre':
            self.out += ['PRE\t' + l for l in data.split('\n') if l]
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

TEST(HtmlExport, PageWithPresets) {
  const auto w = Competition(true);
  TYrMemoryStream s;
  ExportHtml(*w, s, PresetHtmlOptions());
  const std::vector<std::string> lines = Lines(s);
  ASSERT_EQ(lines.size(), 39u);
  const std::vector<std::string> head = {
      "<HTML>", "<HEAD>", "<TITLE>Landesmeisterschaft S&uuml;d &amp; &lt;Nord&gt;</TITLE>",
      "<!-- Diese Seite wurde automatisch von Vk Brantovex erstellt. -->", "</HEAD>",
      R"(<meta name="keywords" value="krvb,rettungssport">)", R"(<meta name="resource-type" value="document">)",
      R"(<meta name="distribution" value="global">)",
      R"(<H2><A NAME="KRVB" HREF="https://www.kalvenbund.de/">Kalvenbund e.V.</A></H2>)", "<TABLE>",
      R"(<TD VALIGN="MIDDLE"><IMG SRC="Bilder/ralvex.gif" ALT="[Vk]" ALIGN="RIGHT">)",
      R"(<TD VALIGN="MIDDLE"><H3>Rettungssport</H3></TR>)", "</TABLE>", "<HR SIZE=3>",
      "<B>Landesmeisterschaft S&uuml;d &amp; &lt;Nord&gt;<BR>", "Einzelwettbewerbe<BR>", "12. M&auml;rz 2024</B>",
      "<HR>", "Zu den Ergebnissen der einzelnen Altersklassen: <BR>",
      // "Kinder" has no participants: no link, but it keeps number 1.
      R"(<A HREF="#Ak2">Jugend</A>, )", R"(<A HREF="#Ak3">Senioren</A>)", "<HR>",
      "<HR NOSHADE>", R"(<B><A NAME="Ak2">Jugend (Jahrg&auml;nge von 1990 bis 1991)</A></B>)", "<TABLE BORDER>"};
  EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 25), head);
  EXPECT_EQ(std::vector<std::string>(lines.end() - 3, lines.end()),
            (std::vector<std::string>{"<HR>", "</BODY>", "</HTML>"}));
  EXPECT_EQ(lines[25].substr(0, 51), "<TH>Pl. <TH>GesPkt <TH>Glied. <TH>Name <TH>Vorname ");
  EXPECT_GT(lines[26].size(), 255u);  // a participant's row, whole

  const auto parsed = ReadBack(".html", [&](TYrStream& f) { ExportHtml(*w, f, PresetHtmlOptions()); }, kHtmlScript);
  std::string disciplines;
  for (const std::string d : {"1", "2", "3", "4", "5", "6"}) disciplines += "\tZeit" + d + "\tAbz" + d + "\tPkt" + d;
  const std::vector<std::string> want = {
      "TITLE\tLandesmeisterschaft Süd & <Nord>", "ANCHOR\tKRVB\tKalvenbund e.V.", "LINK\t#Ak2\tJugend",
      "LINK\t#Ak3\tSenioren", "ANCHOR\tAk2\tJugend (Jahrgänge von 1990 bis 1991)",
      "ROW\tPl.\tGesPkt\tGlied.\tName\tVorname\tJg" + disciplines + "\tHLW",
      "ROW\t1.\t2108,24\tDLRG\tMüller & Söhne\tJörg\t91\t1:05,01\t0\t349,90\t1:05,02\t0\t349,80\t1:05,03\t0\t349,70"
      "\t1:05,04\t0\t349,60\t1:05,05\t0\t349,50\t1:05,06\t2\t347,40\t12,34",
      "ROW\t2.\t1498,50\tWW\t<b>Groß</b>\tÄrger \"Q\"\t90\t1:10,01\t0\t299,90\t1:10,02\t0\t299,80\t1:10,03\t0\t299,70"
      "\t1:10,04\t0\t299,60\t1:10,05\t0\t299,50\t1:10,06\tdisq.\t0,00\tn.er.",
      "ROW\t3.\t998,10\tASB\tAbwesend\tAnna\t90\t1:20,01\t0\t199,90\t1:20,02\tn.a.\t0,00\t1:20,03\t0\t199,70"
      "\t1:20,04\t0\t199,60\t1:20,05\t0\t199,50\t1:20,06\t0\t199,40\tn.a.",
      "ANCHOR\tAk3\tSenioren (Jahrgänge von 1970 bis 1979)",
      "ROW\tPl.\tGesPkt\tGlied.\tName\tVorname\tJg\tZeit1\tAbz1\tPkt1",
      "ROW\tAK\t989,90\tDLRG\tZeller\tZoë\t75\t0:01,01\t0\t989,90"};
  EXPECT_EQ(parsed, want);
}

// Text form of a team competition with colour and background image, no
// links and no discipline results; the class after the last written one is
// empty.
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
            (std::vector<std::string>{R"(<BODY BGCOLOR="#ffffff">)",
                                      R"(<BODY BACKGROUND="Bild &quot;S&uuml;d&quot; &amp; &lt;1&gt;.gif">)"}));
  EXPECT_EQ(lines[17], "Mannschaftswettbewerbe<BR>");
  // The link list ends with ", " since the competition's last class is empty.
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 21, lines.begin() + 25),
            (std::vector<std::string>{R"(<A HREF="#Ak1">AK 12w</A>, )", "<HR>",
                                      R"(<B><A NAME="Ak1">AK 12w (Jahrg&auml;nge von 1992 bis 1993)</A></B><PRE>)",
                                      "Pl.   GesamtP. Glied. Mannschaft                     "}));

  const auto parsed = ReadBack(".html", [&](TYrStream& f) { ExportHtml(*w, f, o); }, kHtmlScript);
  std::vector<std::string> want = {"TITLE\tLandesmeisterschaft Süd & <Nord>",
                                   "BODY\tbgcolor=#ffffff", "BODY\tbackground=Bild \"Süd\" & <1>.gif",
                                   "ANCHOR\tKRVB\tKalvenbund e.V.", "LINK\t#Ak1\tAK 12w",
                                   "ANCHOR\tAk1\tAK 12w (Jahrgänge von 1992 bis 1993)"};
  for (int row = 0; row <= 2; ++row)
    want.push_back("PRE\t" + OemToUtf8(w->ResultLine(0, row, false, false, false, 1)));
  EXPECT_EQ(parsed, want);
  EXPECT_EQ(want.back(), "PRE\t          0,00 DLRG   Ortsgruppe Süd-Ost Großstadt   ");
}

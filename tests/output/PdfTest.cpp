#include <gtest/gtest.h>

#include <charconv>
#include <clocale>
#include <cstdio>
#include <functional>
#include <set>
#include <string>

#include "IOPDF.h"
#include "TestData.h"
#include "WriterTestSupport.h"
#include "YrClock.h"

namespace {

using PageFn = std::function<void(TIOPdf&, int page)>;

TPdfOptions SampleOptions(bool compress) {
  TPdfOptions o;
  o.Title = "Endlauf (Herren) C:\\";  // parentheses and backslashes are escaped in the information
  o.Subject = "(";
  o.Author = "M\xFCller)";
  o.Keywords = "Rettungsschwimmen";
  o.Creator = "Tarnwell";
  o.CreationDate = "D:20210305120000";
  o.Producer = "Tarnwell PDF";
  o.Compress = compress;
  return o;
}

// One text line on the page, as the PDF device writes it.
void TextAt(TIOPdf& pdf, int x, int y, const std::string& text) {
  pdf.WriteLn("BT\n/F9 12 Tf");
  pdf.WriteLn("1 0 0 1 " + std::to_string(x) + " " + std::to_string(y) + " Tm");
  pdf.WriteText(text);
  pdf.WriteLn("ET");
}

const PageFn kLines = [](TIOPdf& pdf, int) {
  for (int i = 0; i < 40; ++i) TextAt(pdf, 28, 800 - 12 * i, "Zeile " + std::to_string(i));
};

void Build(TYrStream& stream, const TPdfOptions* options, int pages, const PageFn& content) {
  TIOPdf pdf(2100, 2970, options);
  pdf.Begin(&stream);
  pdf.WriteFixedObjects();
  for (int i = 1; i <= pages; ++i) {
    pdf.NewPage();
    content(pdf, i);
    pdf.EndPage();
  }
  pdf.WritePagesObj();
  pdf.WriteXref();
  pdf.WriteTrailer();
}

std::string MakeDoc(const TPdfOptions* options, int pages, const PageFn& content) {
  TYrMemoryStream stream;
  Build(stream, options, pages, content);
  EXPECT_EQ(stream.FirstError, 0);
  return writer_test::Text(stream);
}

}  // namespace

// The objects 1 to 24 of a one-page A4 document, its cross-reference table
// and trailer (the data file passed qpdf --check when it was made), written
// under the German locale, in which the C library writes "12,5".
TEST(PdfWriter, OnePageUncompressedA4ByteForByteWhateverTheLocale) {
  TPdfOptions options = SampleOptions(false);
  const TYrClock clock = SetClock([] { return MakeDateTime(2021, 3, 5, 17, 45, 12); });
  options.CreationDate = PdfDateString();  // noon of the day, whatever the time
  SetClock(clock);
  ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr);  // test.sh installs it
  char probe[16];
  std::snprintf(probe, sizeof probe, "%.1f", 12.5);
  const std::string got = MakeDoc(&options, 1, [](TIOPdf& pdf, int) { TextAt(pdf, 28, 802, "Hallo (Welt)"); });
  std::setlocale(LC_ALL, "C");
  EXPECT_STREQ(probe, "12,5");
  testdata::ExpectDataFile(got, "output/one-page.pdf");
}

// Written through the file stream: qpdf checks syntax, cross-reference table
// and stream lengths, pdfinfo and pdftotext read the information and pages.
TEST(PdfWriter, EveryFileReadsBackThroughQpdfAndPoppler) {
  // CP1252 text with umlauts, sharp s and the characters that need escaping;
  // 250 pages (more than the old page table held) and no pages at all.
  for (int pages : {0, 1, 3, 250}) {
    const bool compress = pages != 1;
    SCOPED_TRACE(std::to_string(pages) + (compress ? " deflated" : " plain"));
    const TPdfOptions options = SampleOptions(compress);
    const writer_test::TempFile f(".pdf");
    f.Write([&](TYrStream& s) {
      Build(s, &options, pages, [](TIOPdf& pdf, int page) {
        TextAt(pdf, 28, 802, "Pr\xFC" "fung \xE4\xF6\xFC\xC4\xD6\xDC\xDF Seite " + std::to_string(page));
        TextAt(pdf, 28, 780, "Zeit (gesamt): 1:02,35 \\ 100 m");
      });
    });
    auto run = [&](const std::string& cmd) {
      return writer_test::Run(cmd + " '" + f.Path() + "'" + (cmd.rfind("pdftotext", 0) == 0 ? " -" : "")).output;
    };
    EXPECT_NE(run("qpdf --check").find("No syntax or stream encoding errors found"), std::string::npos);
    const std::string bytes = f.Read();
    const std::string size = std::to_string(22 + 3 * pages);
    EXPECT_NE(bytes.find("trailer\n<</Size " + size + "/Root 2 0 R/Info 1 0 R>>\n"), std::string::npos);
    // The second page's objects, deflated with zlib's best compression (78 DA).
    const char* page2 = "\n25 0 obj<</Type/Page/Parent 4 0 R/Contents 26 0 R>>endobj\n"
                        "26 0 obj<</Length 27 0 R /Filter [/FlateDecode ]>>stream\n\x78\xDA";
    EXPECT_EQ(bytes.find(page2) != std::string::npos, pages >= 3);
    if (pages == 0) continue;
    const std::string info = run("pdfinfo -enc UTF-8");
    const std::string head = "Title:           Endlauf (Herren) C:\\\nSubject:         (\n"
                             "Keywords:        Rettungsschwimmen\nAuthor:          Müller)\n"
                             "Creator:         Tarnwell\nProducer:        Tarnwell PDF\n";
    EXPECT_NE(info.find(head), std::string::npos) << info;
    EXPECT_NE(info.find("Pages:           " + std::to_string(pages) + "\n"), std::string::npos) << info;
    for (int page : std::set<int>{1, pages > 200 ? 201 : 1, pages}) {
      const std::string p = std::to_string(page), text = run("pdftotext -enc UTF-8 -f " + p + " -l " + p);
      EXPECT_NE(text.find("Prüfung äöüÄÖÜß Seite " + p + "\nZeit (gesamt): 1:02,35 \\ 100 m"), std::string::npos)
          << text;
    }
  }
}

TEST(PdfWriter, WriteFailureReachesTheCaller) {
  for (bool compress : {false, true})
    for (int64_t limit : {0, 10, 300, 2000, 2600}) {
      const TPdfOptions options = SampleOptions(compress);
      TYrMemoryStream stream;
      stream.FailAfter(limit);
      Build(stream, &options, 3, kLines);
      EXPECT_EQ(stream.FirstError, 101) << compress << " " << limit;
      EXPECT_EQ(stream.Data().size(), static_cast<size_t>(limit)) << compress << " " << limit;
    }
}

TEST(PdfWriter, WriterDisposedInsideACompressedPageLeavesTheStreamAlone) {
  TYrMemoryStream stream;
  size_t before = 0;
  {
    const TPdfOptions options = SampleOptions(true);
    TIOPdf pdf(2100, 2970, &options);
    pdf.Begin(&stream);
    pdf.WriteFixedObjects();
    pdf.NewPage();
    pdf.WriteLn("BT");
    before = stream.Data().size();
  }
  EXPECT_EQ(stream.Data().size(), before);
}

TEST(PdfEscape, TableAndCutAt255NeverInsideAnEscapeAndZeroPadNumber) {
  const std::string umlautsWin = "\xE4\xF6\xFC\xC4\xD6\xDC\xDF", nul("a\0b", 3), x253(253, 'x');
  const std::pair<std::string, std::string> cases[] = {
      {"", ""}, {"Zeit 1:02,35", "Zeit 1:02,35"}, {"a\\b(x)", "a\\\\b\\(x\\)"}, {nul, nul},
      {"\x84\x94\x81\x8E\x99\x9A\xE1", umlautsWin}, {umlautsWin, umlautsWin},  // DOS letters become Windows ones
      {std::string(300, 'x'), std::string(255, 'x')}, {x253 + "x(y", x253 + "x"}, {x253 + "(y", x253 + "\\("},
      {std::string(200, '\\'), std::string(254, '\\')},
  };
  for (const auto& [in, want] : cases) EXPECT_EQ(PdfEscape(in), want) << in;
  struct Pad { int64_t n; int digits; const char* want; };
  for (const Pad& c : {Pad{7, 3, "007"}, Pad{12345, 3, "12345"}, Pad{1234567, 10, "0001234567"}})
    EXPECT_EQ(ZeroPadNumber(c.n, c.digits), c.want) << c.n;
  // A text already in the Windows code page keeps its bytes ("á" is 0xE1 there).
  EXPECT_EQ(PdfEscape("\xE1\x84\x94\x81(\\)", false), "\xE1\x84\x94\x81\\(\\\\\\)");
}

// Per font (0 and 15 are unknown and count as Courier): the base font, line
// and cap height at size 1000, the widths of byte 0, byte 1, "W", "i", the
// a umlaut and the unassigned code 129, and of all 256 bytes together.
TEST(PdfMetrics, EveryFont) {
  auto n = [](double v) {
    char buf[32];
    return std::string(buf, std::to_chars(buf, buf + sizeof buf, v).ptr);
  };
  std::string all, out;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  for (int font = 0; font <= 15; ++font) {
    out += std::to_string(font) + " " + PdfFontInfo(font).BaseFont + ": line " + n(PdfLineHeight(1000, font)) +
           " cap " + n(PdfCapHeight(1000, font)) + " |";
    for (const std::string& probe : {std::string(1, '\0'), std::string("\x01"), std::string("W"), std::string("i"),
                                     std::string("\xE4"), std::string("\x81")})
      out += " " + n(PdfTextWidth(probe, 1000, font));
    out += " | all " + n(PdfTextWidth(all, 1000, font)) + "\n";
  }
  testdata::ExpectDataFile(out, "output/pdf-metrics.txt");
}

TEST(PdfMetrics, WidthsHeightsAndPoints) {
  struct W { std::string text; int32_t size; int font; double want; };
  for (const W& w : {W{"Wi", 100, 9, 116.6}, W{"Wi", 100, 1, 120}, W{"", 100, 9, 0},
                     W{std::string("a\x01\x1F\0", 4), 100, 4, 120},  // Courier: bytes 1..31 are 0 wide, byte 0 is not
                     W{"M\xFCller", 43, 5, 43.0 * (889 + 500 + 278 + 278 + 444 + 333) / 1000}})
    EXPECT_DOUBLE_EQ(PdfTextWidth(w.text, w.size, w.font), w.want) << w.text << w.font;
  EXPECT_DOUBLE_EQ(PdfLineHeight(43, 9), 39.775);
  EXPECT_DOUBLE_EQ(TenthMmToPt(254), 72.0);
  // The font size the PDF device derives for Helvetica at 43 tenths.
  EXPECT_NEAR(TenthMmToPt(43) * PdfCapHeight(43, 9) / PdfLineHeight(43, 9), 12.189, 0.0005);
  struct P { int32_t w, h, wpt, hpt; };
  for (const P& p :
       {P{2100, 2970, 595, 842}, P{2970, 2100, 842, 595}, P{1480, 2100, 420, 595}, P{2159, 2794, 612, 792}}) {
    TIOPdf pdf(p.w, p.h);
    EXPECT_TRUE(pdf.WidthPt() == p.wpt && pdf.HeightPt() == p.hpt) << p.w << "x" << p.h;
  }
}

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <functional>
#include <set>
#include <string>

#include "IOPDF.h"
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

const PageFn kPageNumber = [](TIOPdf& pdf, int page) { TextAt(pdf, 28, 802, "Seite " + std::to_string(page)); };
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

// A PDF written to a temporary file through the file stream; qpdf checks its
// syntax, cross-reference table and stream lengths.
struct PdfFile : writer_test::TempFile {
  PdfFile(const TPdfOptions* options, int pages, const PageFn& content) : TempFile(".pdf") {
    Write([&](TYrStream& s) { Build(s, options, pages, content); });
    const writer_test::ProcessResult r = writer_test::Run("qpdf --check '" + Path() + "'");
    EXPECT_EQ(r.exitCode, 0) << r.output;
    EXPECT_NE(r.output.find("No syntax or stream encoding errors found"), std::string::npos) << r.output;
  }
  std::string Tool(const std::string& tool, const std::string& args = "") const {
    const writer_test::ProcessResult r =
        writer_test::Run(tool + " -enc UTF-8" + args + " '" + Path() + "'" + (tool == "pdftotext" ? " -" : ""));
    EXPECT_EQ(r.exitCode, 0) << r.output;
    return r.output;
  }
};

}  // namespace

TEST(PdfWriter, OnePageUncompressedA4ByteForByte) {
  const TPdfOptions options = SampleOptions(false);
  const std::string got = MakeDoc(&options, 1, [](TIOPdf& pdf, int) { TextAt(pdf, 28, 802, "Hallo (Welt)"); });
  std::string want =
      "%PDF-1.2\n%\xE2\xE3\xCF\xD3\n"
      "1 0 obj<</Producer(Tarnwell PDF)/CreationDate(D:20210305120000)/Title(Endlauf \\(Herren\\) C:\\\\)"
      "/Author(M\xFCller\\))/Creator(Tarnwell)/Keywords(Rettungsschwimmen)/Subject(\\()>>endobj\n"
      "2 0 obj<</Type /Catalog/Pages 4 0 R/PageMode/UseNone/Outlines 3 0 R>>endobj\n"
      "3 0 obj<</Type /Outlines/Count 0>>endobj\n"
      "5 0 obj[/PDF/Text]endobj\n"
      "6 0 obj<</Type/Encoding/BaseEncoding/WinAnsiEncoding>>endobj\n"
      "7 0 obj<</Font <</F1 8 0 R/F2 9 0 R/F3 10 0 R/F4 11 0 R/F5 12 0 R/F6 13 0 R/F7 14 0 R"
      "/F8 15 0 R/F9 16 0 R/F10 17 0 R/F11 18 0 R/F12 19 0 R/F13 20 0 R/F14 21 0 R>>/ProcSet 5 0 R>>endobj\n";
  int n = 8;
  for (const char* font : {"Courier", "Courier-Bold", "Courier-Oblique", "Courier-BoldOblique", "Times-Roman",
                           "Times-Bold", "Times-Italic", "Times-BoldItalic", "Helvetica", "Helvetica-Bold",
                           "Helvetica-Oblique", "Helvetica-BoldOblique"})
    want += std::to_string(n++) + " 0 obj<</Type/Font/Subtype/Type1/BaseFont/" + font + "/Encoding 6 0 R>>endobj\n";
  want +=
      "20 0 obj<</Type/Font/Subtype/Type1/BaseFont/Symbol>>endobj\n"
      "21 0 obj<</Type/Font/Subtype/Type1/BaseFont/ZapfDingbats>>endobj\n"
      "22 0 obj<</Type/Page/Parent 4 0 R/Contents 23 0 R>>endobj\n"
      "23 0 obj<</Length 24 0 R /Filter []>>stream\n"
      "BT\n/F9 12 Tf\n1 0 0 1 28 802 Tm\nT* (Hallo \\(Welt\\)) Tj\nET\n"
      "endstream\nendobj\n"
      "24 0 obj\n57\nendobj\n"
      "4 0 obj<</Type /Pages/MediaBox [0 0 595 842]/Resources 7 0 R/Count 1/Kids [22 0 R]>>endobj\n";
  const size_t xref = want.size();  // the table points at where the objects stand in the text above
  want += "xref\n0 25 \n0000000000 65535 f \n";
  for (int i = 1; i <= 24; ++i)
    want += ZeroPadNumber(static_cast<int64_t>(want.find("\n" + std::to_string(i) + " 0 obj") + 1), 10) + " 00000 n \n";
  want += "trailer\n<</Size 25/Root 2 0 R/Info 1 0 R>>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";
  EXPECT_EQ(got, want);
}

TEST(PdfWriter, EveryFileReadsBackThroughQpdfAndPoppler) {
  // CP1252 text with umlauts, sharp s and the characters that need escaping;
  // 250 pages (more than the old page table held) and no pages at all.
  for (int pages : {0, 1, 3, 250}) {
    const bool compress = pages != 1;
    SCOPED_TRACE(std::to_string(pages) + (compress ? " deflated" : " plain"));
    const TPdfOptions options = SampleOptions(compress);
    const PdfFile f(&options, pages, [](TIOPdf& pdf, int page) {
      TextAt(pdf, 28, 802, "Pr\xFC" "fung \xE4\xF6\xFC\xC4\xD6\xDC\xDF Seite " + std::to_string(page));
      TextAt(pdf, 28, 780, "Zeit (gesamt): 1:02,35 \\ 100 m");
    });
    const std::string bytes = f.Read(), count = std::to_string(pages), size = std::to_string(22 + 3 * pages);
    EXPECT_NE(bytes.find("trailer\n<</Size " + size + "/Root 2 0 R/Info 1 0 R>>\n"), std::string::npos);
    std::string kids;
    for (int i = 0; i < pages; ++i) kids += (i ? " " : "") + std::to_string(22 + 3 * i) + " 0 R";
    EXPECT_NE(bytes.find("/Count " + count + "/Kids [" + kids + "]>>endobj\nxref\n"), std::string::npos);
    if (pages == 0) continue;
    const std::string info = f.Tool("pdfinfo");
    for (const std::string& line : {std::string("Title:           Endlauf (Herren) C:\\"),
                                    std::string("Author:          Müller)"), "Pages:           " + count})
      EXPECT_NE(info.find(line + "\n"), std::string::npos) << info;
    for (int page : std::set<int>{1, pages > 200 ? 201 : 1, pages}) {
      const std::string text = f.Tool("pdftotext", " -f " + std::to_string(page) + " -l " + std::to_string(page));
      EXPECT_NE(text.find("Prüfung äöüÄÖÜß Seite " + std::to_string(page)), std::string::npos) << text;
      EXPECT_NE(text.find("Zeit (gesamt): 1:02,35 \\ 100 m"), std::string::npos) << text;
    }
    // Deflated with zlib's best compression (78 DA).
    const char* page2 = "\n25 0 obj<</Type/Page/Parent 4 0 R/Contents 26 0 R>>endobj\n"
                        "26 0 obj<</Length 27 0 R /Filter [/FlateDecode ]>>stream\n\x78\xDA";
    EXPECT_EQ(bytes.find(page2) != std::string::npos, pages >= 3);
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

TEST(PdfWriter, NumbersIgnoreTheGermanLocale) {
  const TPdfOptions options = SampleOptions(false);
  const std::string inC = MakeDoc(&options, 12, kPageNumber);
  ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr);  // test.sh installs it
  char probe[16];
  std::snprintf(probe, sizeof probe, "%.1f", 12.5);
  const std::string inGerman = MakeDoc(&options, 12, kPageNumber);
  std::setlocale(LC_ALL, "C");
  EXPECT_STREQ(probe, "12,5");
  EXPECT_EQ(inGerman, inC);
}

TEST(PdfEscape, TableAndCutAt255NeverInsideAnEscape) {
  const std::string umlautsWin = "\xE4\xF6\xFC\xC4\xD6\xDC\xDF", nul("a\0b", 3), x253(253, 'x');
  const std::pair<std::string, std::string> cases[] = {
      {"", ""}, {"Zeit 1:02,35", "Zeit 1:02,35"}, {"a\\b(x)", "a\\\\b\\(x\\)"}, {nul, nul},
      {"\x84\x94\x81\x8E\x99\x9A\xE1", umlautsWin}, {umlautsWin, umlautsWin},  // DOS letters become Windows ones
      {std::string(300, 'x'), std::string(255, 'x')}, {x253 + "x(y", x253 + "x"}, {x253 + "(y", x253 + "\\("},
      {std::string(200, '\\'), std::string(254, '\\')},
  };
  for (const auto& [in, want] : cases) EXPECT_EQ(PdfEscape(in), want) << in;
  // A text already in the Windows code page keeps its bytes ("á" is 0xE1 there).
  EXPECT_EQ(PdfEscape("\xE1\x84\x94\x81(\\)", false), "\xE1\x84\x94\x81\\(\\\\\\)");
}

TEST(PdfMetrics, CheckRowsAndFixedEntries) {
  auto width = [](int font, int byte) { return PdfTextWidth(std::string(1, static_cast<char>(byte)), 1000, font); };
  // byte, then Times-Roman, Times-Bold, Times-Italic, Times-BoldItalic, Helvetica, Helvetica-Bold.
  struct Row { int byte; int w[6]; };
  for (const Row& r : {Row{32, {250, 250, 250, 250, 278, 278}}, Row{'0', {500, 500, 500, 500, 556, 556}},
                       Row{'A', {722, 722, 611, 667, 667, 722}}, Row{'W', {944, 1000, 833, 889, 944, 944}},
                       Row{'a', {444, 500, 500, 500, 556, 556}}, Row{'i', {278, 278, 278, 278, 222, 278}},
                       Row{228, {444, 500, 500, 500, 556, 556}}, Row{223, {500, 556, 500, 500, 611, 611}},
                       Row{128, {500, 500, 500, 500, 558, 558}}})
    for (int k = 0; k < 6; ++k) EXPECT_EQ(width(5 + k, r.byte), r.w[k]) << "byte " << r.byte << " font " << 5 + k;
  for (int font = 5; font <= 14; ++font) {
    const bool text = font <= 12;
    EXPECT_EQ(width(font, 0), font >= 9 && font <= 12 ? 278 : 250) << font;
    for (int b = 1; b <= 31; ++b) EXPECT_EQ(width(font, b), 0) << font << " " << b;
    for (int b : {127, 129, 141, 143, 144, 149, 157}) EXPECT_EQ(width(font, b), text ? 350 : 0) << font << " " << b;
    for (int b = 127; !text && b <= 160; ++b) EXPECT_EQ(width(font, b), 0) << font << " " << b;
  }
  // Built-in-encoding glyphs: Symbol alpha and summation, ZapfDingbats a1 and a191.
  EXPECT_TRUE(width(13, 'a') == 631 && width(13, 229) == 713 && width(14, '!') == 974 && width(14, 254) == 918);
  for (int b = 0; b < 256; ++b) EXPECT_TRUE(width(11, b) == width(9, b) && width(12, b) == width(10, b)) << b;
}

TEST(PdfMetrics, WidthsHeightsAndPoints) {
  struct W { std::string text; int32_t size; int font; double want; };
  for (const W& w : {W{"Wi", 100, 9, 116.6}, W{"Wi", 100, 1, 120}, W{"", 100, 9, 0},
                     W{std::string("a\x01\x1F\0", 4), 100, 4, 120},  // Courier: bytes 1..31 are 0 wide, byte 0 is not
                     W{"Wi", 100, 0, 120}, W{"Wi", 100, 15, 120},    // unknown font: Courier
                     W{"M\xFCller", 43, 5, 43.0 * (889 + 500 + 278 + 278 + 444 + 333) / 1000}})
    EXPECT_DOUBLE_EQ(PdfTextWidth(w.text, w.size, w.font), w.want) << w.text << w.font;
  // Helvetica: ascender 718 and descender 207; an unknown font counts as Courier's 629 and 157.
  EXPECT_DOUBLE_EQ(PdfLineHeight(43, 9), 39.775);
  EXPECT_DOUBLE_EQ(PdfLineHeight(100, 0), 78.6);
  EXPECT_DOUBLE_EQ(PdfCapHeight(100, 9), 92.5);
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

TEST(PdfDate, FromTheInjectedClockAndZeroPadNumber) {
  TYrClock old = SetClock([] { return MakeDateTime(2021, 3, 5, 17, 45, 12); });
  const std::string a = PdfDateString();
  SetClock([] { return MakeDateTime(1999, 12, 31, 23, 59, 59); });
  const std::string b = PdfDateString();
  SetClock(old);
  EXPECT_EQ(a, "D:20210305120000");
  EXPECT_EQ(b, "D:19991231120000");
  struct Case { int64_t n; int digits; const char* want; };
  for (const Case& c : {Case{7, 3, "007"}, Case{12345, 3, "12345"}, Case{1234567, 10, "0001234567"}})
    EXPECT_EQ(ZeroPadNumber(c.n, c.digits), c.want) << c.n;
}

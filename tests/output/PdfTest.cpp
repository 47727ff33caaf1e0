#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "IOPDF.h"
#include "WriterTestSupport.h"
#include "YrClock.h"

using writer_test::Run;

namespace {

using PageFn = std::function<void(TIOPdf&, int page)>;

TPdfOptions SampleOptions(bool compress) {
  TPdfOptions o;
  // Parentheses and a trailing backslash must be escaped in the information dictionary.
  o.Title = "Endlauf (Herren) C:\\";
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
  pdf.WriteLn("BT");
  pdf.WriteLn("/F9 12 Tf");
  pdf.WriteLn("1 0 0 1 " + std::to_string(x) + " " + std::to_string(y) + " Tm");
  pdf.WriteText(text);
  pdf.WriteLn("ET");
}

const PageFn kPageNumber = [](TIOPdf& pdf, int page) { TextAt(pdf, 28, 802, "Seite " + std::to_string(page)); };

void Build(TYrStream& stream, const TPdfOptions* options, int pages, const PageFn& content) {
  TIOPdf pdf(2100, 2970, options);
  pdf.Begin(&stream);
  pdf.WriteFixedObjects();
  for (int i = 1; i <= pages; ++i) {
    pdf.NewPage();
    if (content) content(pdf, i);
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

// Checks the cross-reference table and trailer against the file's bytes:
// every entry 20 bytes and pointing at the first digit of its object's
// number. Returns the entry count.
int ExpectValidXref(const std::string& file) {
  const size_t sx = file.rfind("startxref\n");
  if (sx == std::string::npos) {
    ADD_FAILURE() << "no startxref";
    return 0;
  }
  const size_t xref = std::stoul(file.substr(sx + 10));
  EXPECT_EQ(file.substr(sx), "startxref\n" + std::to_string(xref) + "\n%%EOF\n");
  const int count = std::stoi(file.substr(xref + 7));
  const std::string head = "xref\n0 " + std::to_string(count) + " \n0000000000 65535 f \n";
  EXPECT_EQ(file.substr(xref, head.size()), head);
  const size_t first = xref + head.size() - 20;
  for (int n = 1; n < count; ++n) {
    const std::string entry = file.substr(first + 20 * static_cast<size_t>(n), 20);
    EXPECT_EQ(entry.substr(10), " 00000 n \n") << "entry " << n;
    const size_t at = std::stoul(entry.substr(0, 10));
    const std::string obj = std::to_string(n) + " 0 obj";
    EXPECT_TRUE(at > 0 && file.compare(at, obj.size(), obj) == 0 && file[at - 1] == '\n')
        << "entry " << n << " at " << at;
  }
  const std::string trailer = "trailer\n<</Size " + std::to_string(count) + "/";
  EXPECT_EQ(file.compare(first + 20 * static_cast<size_t>(count), trailer.size(), trailer), 0);
  return count;
}

// A PDF written through the file stream to a temporary file, then checked by
// qpdf and read by poppler's tools.
struct PdfFile : writer_test::TempFile {
  PdfFile(const TPdfOptions* options, int pages, const PageFn& content) : TempFile(".pdf") {
    TYrStream stream(Path(), stCreate);
    EXPECT_EQ(stream.Status, 0);
    Build(stream, options, pages, content);
    EXPECT_EQ(stream.FirstError, 0);
    const writer_test::ProcessResult r = Run("qpdf --check '" + Path() + "'");
    EXPECT_EQ(r.exitCode, 0) << r.output;
    EXPECT_NE(r.output.find("No syntax or stream encoding errors found"), std::string::npos) << r.output;
  }
  std::string Tool(const std::string& tool, const std::string& args = "") const {
    const writer_test::ProcessResult r = Run(tool + " -enc UTF-8" + args + " '" + Path() + "'" +
                                             (tool == "pdftotext" ? " -" : ""));
    EXPECT_EQ(r.exitCode, 0) << r.output;
    return r.output;
  }
};

std::string FirstDifference(const std::string& a, const std::string& b) {
  size_t i = 0;
  while (i < a.size() && i < b.size() && a[i] == b[i]) ++i;
  const size_t from = i < 24 ? 0 : i - 24;
  return "first difference at byte " + std::to_string(i) + "\n got: " + a.substr(from, 60) +
         "\nwant: " + b.substr(from, 60);
}

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
  const char* textFonts[] = {"Courier",     "Courier-Bold",     "Courier-Oblique",    "Courier-BoldOblique",
                             "Times-Roman", "Times-Bold",       "Times-Italic",       "Times-BoldItalic",
                             "Helvetica",   "Helvetica-Bold",   "Helvetica-Oblique",  "Helvetica-BoldOblique"};
  for (int f = 0; f < 12; ++f)
    want += std::to_string(f + 8) + " 0 obj<</Type/Font/Subtype/Type1/BaseFont/" + textFonts[f] +
            "/Encoding 6 0 R>>endobj\n";
  want +=
      "20 0 obj<</Type/Font/Subtype/Type1/BaseFont/Symbol>>endobj\n"
      "21 0 obj<</Type/Font/Subtype/Type1/BaseFont/ZapfDingbats>>endobj\n"
      "22 0 obj<</Type/Page/Parent 4 0 R/Contents 23 0 R>>endobj\n"
      "23 0 obj<</Length 24 0 R /Filter []>>stream\n"
      "BT\n/F9 12 Tf\n1 0 0 1 28 802 Tm\nT* (Hallo \\(Welt\\)) Tj\nET\n"
      "endstream\nendobj\n"
      "24 0 obj\n57\nendobj\n"
      "4 0 obj<</Type /Pages/MediaBox [0 0 595 842]/Resources 7 0 R/Count 1/Kids [22 0 R]>>endobj\n";
  // The cross-reference table, from where the objects stand in the text above.
  const size_t xref = want.size();
  want += "xref\n0 25 \n0000000000 65535 f \n";
  for (int n = 1; n <= 24; ++n) {
    const size_t at = want.find("\n" + std::to_string(n) + " 0 obj") + 1;
    want += ZeroPadNumber(static_cast<int64_t>(at), 10) + " 00000 n \n";
  }
  want += "trailer\n<</Size 25/Root 2 0 R/Info 1 0 R>>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";

  EXPECT_EQ(got, want) << FirstDifference(got, want);
  EXPECT_EQ(ExpectValidXref(got), 25);
}

TEST(PdfWriter, BookkeepingAfterEachStep) {
  TYrMemoryStream stream;
  TIOPdf pdf(2100, 2970);
  EXPECT_TRUE(!pdf.Options().Compress && pdf.Options().Title.Empty() && pdf.ObjectCounter() == 1);
  pdf.Begin(&stream);
  pdf.WriteFixedObjects();
  EXPECT_EQ(pdf.ObjectCounter(), 21);
  EXPECT_EQ(pdf.FirstPageObject(), 22);
  EXPECT_EQ(pdf.ObjectOffset(1), 15);
  pdf.NewPage();
  EXPECT_TRUE(pdf.InStream());
  pdf.WriteLn("0 0 0 RG");
  pdf.EndPage();
  EXPECT_FALSE(pdf.InStream());
  EXPECT_EQ(pdf.StreamLength(), 9);
  pdf.NewPage();
  pdf.EndPage();
  EXPECT_EQ(pdf.StreamLength(), 0);
  EXPECT_EQ(pdf.PageCount(), 2);
  EXPECT_EQ(pdf.PageObject(2), 25);
  EXPECT_EQ(pdf.ObjectCounter(), 27);
  EXPECT_EQ(pdf.Offset(), static_cast<int64_t>(stream.Data().size()));
}

TEST(PdfWriter, SecondPageIsObject25WithContents26AndLength27) {
  const std::string file = MakeDoc(nullptr, 2, kPageNumber);
  for (const char* piece : {"\n25 0 obj<</Type/Page/Parent 4 0 R/Contents 26 0 R>>endobj\n"
                            "26 0 obj<</Length 27 0 R /Filter []>>stream\n",
                            "\nendstream\nendobj\n27 0 obj\n50\nendobj\n4 0 obj",
                            "/Count 2/Kids [22 0 R 25 0 R]>>endobj\nxref\n0 28 \n",
                            "trailer\n<</Size 28/Root 2 0 R/Info 1 0 R>>\n"})
    EXPECT_NE(file.find(piece), std::string::npos) << piece;
  EXPECT_EQ(ExpectValidXref(file), 28);
}

TEST(PdfWriter, CompressedStreamLengthMatchesTheBytesBetweenStreamAndEndstream) {
  const TPdfOptions options = SampleOptions(true);
  const std::string file = MakeDoc(&options, 1, [](TIOPdf& pdf, int) {
    for (int i = 0; i < 60; ++i) {
      pdf.WriteLn("0.5 w");
      TextAt(pdf, 28, 800 - 12 * i, "Zeile " + std::to_string(i));
    }
  });
  const std::string dict = "23 0 obj<</Length 24 0 R /Filter [/FlateDecode ]>>stream\n";
  const size_t data = file.find(dict) + dict.size();
  ASSERT_GT(data, dict.size());
  const size_t end = file.find("endstream\nendobj\n24 0 obj\n", data);
  ASSERT_NE(end, std::string::npos);
  const std::string compressed = file.substr(data, end - data);
  EXPECT_EQ(compressed.substr(0, 2), "\x78\xDA");  // zlib's best compression
  EXPECT_NE(file.find("24 0 obj\n" + std::to_string(compressed.size()) + "\nendobj\n"), std::string::npos);
  const std::string plain = writer_test::Inflate(compressed);
  EXPECT_EQ(plain.substr(0, 44), "0.5 w\nBT\n/F9 12 Tf\n1 0 0 1 28 800 Tm\nT* (Zei");
  EXPECT_EQ(plain.substr(plain.size() - 20), "T* (Zeile 59) Tj\nET\n");
  EXPECT_EQ(plain.size(), 3409u);
  EXPECT_EQ(ExpectValidXref(file), 25);
}

TEST(PdfWriter, EveryFileReadsBackThroughQpdfAndPdftotext) {
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
    const std::string bytes = f.Read();
    EXPECT_EQ(ExpectValidXref(bytes), 22 + 3 * pages);
    if (pages == 0) {
      EXPECT_NE(bytes.find("/Count 0/Kids []>>endobj\n"), std::string::npos);
      continue;
    }
    const std::string info = f.Tool("pdfinfo");
    for (std::string line : {"Title:           Endlauf (Herren) C:\\", "Author:          Müller)",
                             "Pages:           "})
      EXPECT_NE(info.find(line + (line[0] == 'P' ? std::to_string(pages) : "") + "\n"), std::string::npos) << info;
    for (int page : std::set<int>{1, pages > 200 ? 201 : 1, pages}) {
      const std::string text = f.Tool("pdftotext", " -f " + std::to_string(page) + " -l " + std::to_string(page));
      EXPECT_NE(text.find("Prüfung äöüÄÖÜß Seite " + std::to_string(page)), std::string::npos) << text;
      EXPECT_NE(text.find("Zeit (gesamt): 1:02,35 \\ 100 m"), std::string::npos) << text;
    }
    EXPECT_EQ(bytes.find("\n769 0 obj<</Type/Page/Parent 4 0 R/Contents 770 0 R>>") != std::string::npos, pages == 250);
  }
}

TEST(PdfWriter, WriteFailureReachesTheCaller) {
  for (bool compress : {false, true}) {
    for (int64_t limit : {0, 10, 300, 2000, 2600}) {
      SCOPED_TRACE(std::string(compress ? "deflated" : "plain") + " fails after " + std::to_string(limit));
      const TPdfOptions options = SampleOptions(compress);
      TYrMemoryStream stream;
      stream.FailAfter(limit);
      Build(stream, &options, 3, [](TIOPdf& pdf, int) {
        for (int i = 0; i < 40; ++i) TextAt(pdf, 28, 800 - 12 * i, "Zeile " + std::to_string(i));
      });
      EXPECT_EQ(stream.FirstError, 101);
      EXPECT_EQ(stream.Data().size(), static_cast<size_t>(limit));
    }
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
  if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "no German locale";
  char probe[16];
  std::snprintf(probe, sizeof probe, "%.1f", 12.5);
  const std::string inGerman = MakeDoc(&options, 12, kPageNumber);
  std::setlocale(LC_ALL, "C");
  EXPECT_STREQ(probe, "12,5");
  EXPECT_EQ(inGerman, inC);
}

// ---------------------------------------------------------------------------

TEST(PdfEscape, TableAndCutAt255NeverInsideAnEscape) {
  struct Case { std::string in, want; };
  const Case cases[] = {
      {"", ""},
      {"Zeit 1:02,35", "Zeit 1:02,35"},
      {"a\\b(x)", "a\\\\b\\(x\\)"},
      {"Gr\x94\xE1" "e", "Gr\xF6\xDF" "e"},  // DOS o umlaut and sharp s
      {"\x84\x94\x81\x8E\x99\x9A\xE1", "\xE4\xF6\xFC\xC4\xD6\xDC\xDF"},
      {"\xE4\xF6\xFC\xC4\xD6\xDC\xDF", "\xE4\xF6\xFC\xC4\xD6\xDC\xDF"},  // Windows letters stay
      {std::string("a\0b", 3), std::string("a\0b", 3)},
      {std::string(300, 'x'), std::string(255, 'x')},
      {std::string(254, 'x') + "(y", std::string(254, 'x')},
      {std::string(253, 'x') + "(y", std::string(253, 'x') + "\\("},
      {std::string(200, '\\'), std::string(254, '\\')},
  };
  for (const Case& c : cases) EXPECT_EQ(PdfEscape(c.in), c.want) << c.in;
}

TEST(PdfMetrics, CheckRowsAndFixedEntries) {
  auto width = [](int font, int byte) { return PdfTextWidth(std::string(1, static_cast<char>(byte)), 1000, font); };
  // byte, then Times-Roman, Times-Bold, Times-Italic, Times-BoldItalic, Helvetica, Helvetica-Bold.
  struct Row { int byte; int w[6]; };
  const Row rows[] = {
      {32, {250, 250, 250, 250, 278, 278}},  {'0', {500, 500, 500, 500, 556, 556}},
      {'A', {722, 722, 611, 667, 667, 722}}, {'W', {944, 1000, 833, 889, 944, 944}},
      {'a', {444, 500, 500, 500, 556, 556}}, {'i', {278, 278, 278, 278, 222, 278}},
      {228, {444, 500, 500, 500, 556, 556}}, {223, {500, 556, 500, 500, 611, 611}},
      {128, {500, 500, 500, 500, 558, 558}},
  };
  for (const Row& r : rows)
    for (int k = 0; k < 6; ++k) EXPECT_EQ(width(5 + k, r.byte), r.w[k]) << "byte " << r.byte << " font " << 5 + k;
  for (int font = 5; font <= 14; ++font) {
    EXPECT_EQ(width(font, 0), font >= 9 && font <= 12 ? 278 : 250) << font;
    for (int b = 1; b <= 31; ++b) EXPECT_EQ(width(font, b), 0) << font << " " << b;
    const bool text = font <= 12;
    for (int b : {127, 129, 141, 143, 144, 157}) EXPECT_EQ(width(font, b), text ? 350 : 0) << font << " " << b;
    EXPECT_EQ(width(font, 149), text ? 350 : 0) << font;
    for (int b = 127; !text && b <= 160; ++b) EXPECT_EQ(width(font, b), 0) << font << " " << b;
    for (int b : {240, 255}) EXPECT_TRUE(text || width(font, b) == 0) << font << " " << b;
  }
  // A few built-in-encoding glyphs: Symbol alpha and summation, ZapfDingbats a1 and a191.
  EXPECT_EQ(width(13, 'a'), 631);
  EXPECT_EQ(width(13, 229), 713);
  EXPECT_EQ(width(14, '!'), 974);
  EXPECT_EQ(width(14, 254), 918);
  for (int b = 0; b < 256; ++b) {
    EXPECT_EQ(width(11, b), width(9, b)) << b;
    EXPECT_EQ(width(12, b), width(10, b)) << b;
  }
}

TEST(PdfMetrics, WidthsHeightsAndPoints) {
  struct W { std::string text; int32_t size; int font; double want; };
  const W widths[] = {
      {"Wi", 100, 9, 116.6}, {"Wi", 100, 1, 120}, {"", 100, 9, 0},
      {std::string("a\x01\x1F\0", 4), 100, 4, 120},  // Courier: bytes 1..31 are 0 wide, byte 0 is not
      {"Wi", 100, 0, 120}, {"Wi", 100, 15, 120},     // unknown font: Courier
      {"M\xFCller", 43, 5, 43.0 * (889 + 500 + 278 + 278 + 444 + 333) / 1000},
  };
  for (const W& w : widths) EXPECT_DOUBLE_EQ(PdfTextWidth(w.text, w.size, w.font), w.want) << w.text << w.font;
  // Ascender, cap height and descender of fonts 1 to 14; an unknown font counts as 1.
  const int metrics[][3] = {{629, 562, 157}, {626, 562, 142}, {629, 562, 157}, {626, 562, 142}, {683, 662, 217},
                            {676, 676, 205}, {683, 653, 205}, {699, 669, 205}, {718, 718, 207}, {718, 718, 207},
                            {718, 718, 207}, {718, 718, 207}, {718, 718, 207}, {718, 718, 207}};
  for (int font = 0; font <= 15; ++font) {
    const int* m = metrics[font >= 1 && font <= 14 ? font - 1 : 0];
    EXPECT_DOUBLE_EQ(PdfLineHeight(100, font), (m[0] + m[2]) / 1000.0 * 100) << font;
    EXPECT_DOUBLE_EQ(PdfCapHeight(100, font), (m[1] + m[2]) / 1000.0 * 100) << font;
  }
  EXPECT_DOUBLE_EQ(PdfLineHeight(43, 9), 39.775);
  EXPECT_DOUBLE_EQ(PdfCapHeight(100, 8), 87.4);
  EXPECT_DOUBLE_EQ(TenthMmToPt(254), 72.0);
  EXPECT_DOUBLE_EQ(TenthMmToPt(2100), 151200.0 / 254);
  EXPECT_DOUBLE_EQ(TenthMmToPt(-127), -36.0);
  // The font size the PDF device derives for Helvetica at 43 tenths.
  EXPECT_NEAR(TenthMmToPt(43) * PdfCapHeight(43, 9) / PdfLineHeight(43, 9), 12.189, 0.0005);
  EXPECT_STREQ(PdfFontInfo(14).BaseFont, "ZapfDingbats");
  EXPECT_EQ(PdfFontInfo(0).Object, 8);
  struct P { int32_t w, h, wpt, hpt; };
  for (const P& p : {P{2100, 2970, 595, 842}, P{2970, 2100, 842, 595}, P{1480, 2100, 420, 595},
                     P{2159, 2794, 612, 792}}) {
    TIOPdf pdf(p.w, p.h);
    EXPECT_EQ(pdf.WidthPt(), p.wpt) << p.w;
    EXPECT_EQ(pdf.HeightPt(), p.hpt) << p.h;
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
  for (const Case& c : {Case{7, 3, "007"}, Case{12345, 3, "12345"}, Case{0, 10, "0000000000"},
                        Case{1234567, 10, "0001234567"}, Case{5, 0, "5"}})
    EXPECT_EQ(ZeroPadNumber(c.n, c.digits), c.want) << c.n;
}

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

// Parentheses and backslashes are escaped in the information.
TPdfOptions SampleOptions(bool compress) {
  using namespace std::string_view_literals;
  return {.Title = "Endlauf (Herren) C:\\"sv, .Subject = "("sv, .Author = "M\xFCller)"sv,
          .Keywords = "Rettungsschwimmen"sv, .Creator = "Tarnwell"sv, .CreationDate = "D:20210305120000"sv,
          .Producer = "Tarnwell PDF"sv, .Compress = compress};
}

// One text line on the page, as the PDF device writes it.
void TextAt(TIOPdf& pdf, int x, int y, const std::string& text) {
  pdf.WriteLn("BT\n/F9 12 Tf");
  pdf.WriteLn("1 0 0 1 " + std::to_string(x) + " " + std::to_string(y) + " Tm");
  pdf.WriteText(text);
  pdf.WriteLn("ET");
}

// CP1252 text with umlauts, sharp s and the characters that need escaping.
const PageFn kSample = [](TIOPdf& pdf, int page) {
  TextAt(pdf, 28, 802, "Pr\xFC" "fung \xE4\xF6\xFC\xC4\xD6\xDC\xDF Seite " + std::to_string(page));
  TextAt(pdf, 28, 780, "Zeit (gesamt): 1:02,35 \\ 100 m");
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
  TYrMemoryStream stream;
  Build(stream, &options, 1, [](TIOPdf& pdf, int) { TextAt(pdf, 28, 802, "Hallo (Welt)"); });
  std::setlocale(LC_ALL, "C");
  EXPECT_EQ(std::pair(std::string(probe), stream.FirstError), std::pair(std::string("12,5"), uint16_t{0}));
  testdata::ExpectDataFile(writer_test::Text(stream), "output/one-page.pdf");
}

// Written through the file stream: qpdf checks syntax, cross-reference table
// and stream lengths, pdfinfo and pdftotext read the information and pages.
TEST(PdfWriter, EveryFileReadsBackThroughQpdfAndPoppler) {
  // 250 pages (more than the old page table held) and no pages at all.
  for (int pages : {0, 1, 3, 250}) {
    const bool compress = pages != 1;
    SCOPED_TRACE(std::to_string(pages) + (compress ? " deflated" : " plain"));
    const TPdfOptions options = SampleOptions(compress);
    const writer_test::TempFile f(".pdf");
    f.Write([&](TYrStream& s) { Build(s, &options, pages, kSample); });
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
      Build(stream, &options, 3, kSample);
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

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "../output/WriterTestSupport.h"
#include "CodePage.h"
#include "ReportSupport.h"
#include "VkDruck.h"
#include "YrPDPDF.h"

namespace {

// Logs the hooks and items a walk reaches.
class LogDevice : public TYrOutputDevice {
 public:
  using TYrOutputDevice::TYrOutputDevice;
  std::string log;

 protected:
  void DrawItem(const TYrPrintElement& e) override { log += " i" + std::to_string(e.X1); }
  void Prepare() override { log += " P"; }
  void BeginDoc() override { log += " BD"; }
  void NewPage() override { log += " NP"; }
  void BeginPage(int16_t p) override { log += " B" + std::to_string(p); }
  void EndPage(int16_t p) override { log += " E" + std::to_string(p); }
  void EndDoc() override { log += " ED"; }
};

TEST(OutputDevice, WalksPagesAndItemsInOrderWithTheHooks) {
  TYrPrintDoc doc("T");  // page p holds lines starting at x = 10p and 10p + 1
  for (int p = 1; p <= 3; ++p) {
    TYrPrintPage& page = doc.AppendPage();
    page.AddLine(10 * p, 0, 0, 0, 0, 1), page.AddLine(10 * p + 1, 0, 0, 0, 0, 1);
  }
  const struct { int from, to; const char* log; } kRanges[] = {
      {1, 99, " P BD B1 i10 i11 E1 NP B2 i20 i21 E2 NP B3 i30 i31 E3 ED"},
      {-5, 1, " P BD B1 i10 i11 E1 ED"},
      {0, 0, " P BD ED"},
  };
  for (const auto& r : kRanges) {
    LogDevice d(&doc);
    d.PrintRange(static_cast<int16_t>(r.from), static_cast<int16_t>(r.to));
    EXPECT_EQ(d.log, r.log) << r.from << ".." << r.to;
  }
  LogDevice d(&doc), none(nullptr);
  d.DrawPage(4);
  d.DrawPage(0);
  none.PrintRange(1, 9);
  EXPECT_EQ(std::tuple(d.log, none.log), std::tuple("", " P BD ED"));
}

// An unknown paper (size 0) is A4 portrait; an unknown device size divides by nothing.
TEST(OutputDevice, CoordinatesPaperAndMetrics) {
  LogDevice d(nullptr);
  d.OffsetY = 10, d.ShiftY = -20, d.PxPerMmY = 5;  // (y - 10 - 20) * 0.5, halves to even
  EXPECT_EQ(std::tuple(d.YToDevice(35), d.YToDevice(37), d.YToDevice(0)), std::tuple(2, 4, -15));
  using P = std::tuple<int, int, int>;
  std::vector<P> paper;
  for (auto [w, h] : {std::pair(2970, 2100), std::pair(0, 0), std::pair(1480, 0)})
    d.SetPaper(w, h), paper.emplace_back(d.PageWidth, d.PageHeight, d.Orientation);
  EXPECT_EQ(paper, (std::vector<P>{P(2970, 2100, 2), P(2100, 2970, 1), P(2100, 2970, 1)}));
  d.SetPrintableArea(0, 200, 4960, 2362);
  EXPECT_EQ(std::tuple(d.PxPerMmX, d.PxPerMmY, d.XToDevice(500)), std::tuple(0.0, 11.81, 0));
}

// The content stream of page 1 of `doc` as the device writes it (uncompressed).
std::string Content(const TYrPrintDoc& doc) {
  TYrMemoryStream stream;
  TYrPdfDevice::InitStream(&doc, stream, 2100, 2970, nullptr)->PrintRange(1, 1);
  const std::string pdf = writer_test::Text(stream);
  const size_t start = pdf.find("stream\n") + 7;
  return pdf.substr(start, pdf.find("endstream") - start);
}

// One text item alone on an A4 page.
std::string TextContent(int x1, int y1, int x2, int y2, const std::string& text, uint16_t face, uint16_t size,
                        uint8_t align, uint8_t colour = 0, uint8_t style = 0, bool convert = false) {
  TYrPrintDoc doc("T");
  doc.AppendPage().InsertText(x1, y1, x2, y2, text, face, size, align, colour, style, convert);
  return Content(doc);
}

TEST(PdfDevice, LinesAndRectanglesInPointsFromTheBottom) {
  TYrPrintDoc doc("T");
  TYrPrintPage& page = doc.AppendPage();
  page.AddLine(100, 100, 2000, 100, kColourBlack, 3);
  page.AddRect(100, 200, 1000, 400, kColourRed, true, kColourBlue, 5);
  page.AddRect(100, 200, 1000, 400, kColourGreen, false, kColourBlue, 20);
  page.AddLine(0, 0, 2970, 2100, 9, 0);  // unknown colour: black
  EXPECT_EQ(Content(doc),
            "1 w\n0 0 0 RG\n28 814 m 567 814 l S\n"
            "1 w\n1 0 0 RG\n0 0 1 rg\n28 729 255 57 re\nB\n"
            "6 w\n0 1 0 RG\n28 729 255 57 re\nS\n"
            "0 w\n0 0 0 RG\n0 842 m 842 247 l S\n");
  // Landscape, and an unknown paper drawn as A4 portrait.
  for (auto [w, h, box] : {std::tuple(2970, 2100, "[0 0 842 595]"), std::tuple(0, 0, "[0 0 595 842]")}) {
    TYrMemoryStream stream;
    TYrPdfDevice::InitStream(&doc, stream, w, h, nullptr)->PrintRange(1, 1);
    EXPECT_NE(writer_test::Text(stream).find(std::string("/MediaBox ") + box), std::string::npos) << w;
  }
}

TEST(PdfDevice, TextPlacedByFontWidthsAndAlignment) {
  EXPECT_EQ(TextContent(100, 100, 1000, 143, "Hallo", kFaceArial, 43, 5),
            "q\nBT\n0 0 0 rg\n/F9   12.189 Tf\n1 0 0 1 28 802 Tm\nT* (Hallo) Tj\nET\nQ\n");
  // "Wi" in Helvetica 100 is 116.6 wide; "ABCDE" in Courier 40 is 120, condensed 72.
  const struct {
    int x1, x2;
    std::string text;
    uint16_t face;
    uint8_t align, style;
    const char* lines;
  } kCases[] = {
      {1000, 2000, "Wi", kFaceArial, kAlignRight, 0, "/F9   28.346 Tf\n1 0 0 1 534 672 Tm\n"},     // 1883
      {1000, 2000, "Wi", kFaceArial, kAlignCentre, 0, "/F9   28.346 Tf\n1 0 0 1 409 672 Tm\n"},    // 1442
      {1000, 1100, "Wi", kFaceArial, kAlignRight, 0, "/F9   28.346 Tf\n1 0 0 1 283 672 Tm\n"},    // 1000
      {1000, 2000, "Wi", kFaceArial, kAlignMiddle, 0, "/F9   28.346 Tf\n1 0 0 1 283 673 Tm\n"},   // 600 - 4
      {1000, 2000, "ABCDE", kFaceCourierNew, kAlignRight, kStyleCondensed,
       "/F1   10.372 Tf\n1 0 0 1 547 672 Tm\n60 Tz\n"},                                           // 1928
      {1000, 2000, "Wi", kFaceTimesNewRoman, 0, kStyleBold | kStyleItalic, "/F8   27.406 Tf\n1 0 0 1 283 672 Tm\n"},
  };
  for (const auto& c : kCases) {
    const uint16_t size = c.face == kFaceCourierNew ? 40 : 100;
    EXPECT_EQ(TextContent(c.x1, 500, c.x2, 600, c.text, c.face, size, c.align, 0, c.style),
              "q\nBT\n0 0 0 rg\n" + std::string(c.lines) + "T* (" + c.text + ") Tj\nET\nQ\n")
        << c.text << " " << int(c.align);
  }
  // Shrinking, word break, underline and strikeout change nothing: one line.
  const std::string longText(120, 'W');
  EXPECT_EQ(TextContent(100, 100, 1000, 143, longText, kFaceArial, 43, 5 | kAlignShrink | kAlignWordBreak, 0,
                        kStyleUnderline | kStyleStrikeout),
            TextContent(100, 100, 1000, 143, longText, kFaceArial, 43, 5));
  EXPECT_EQ(TextContent(100, 100, 1000, 143, "x", 3, 0, 5, kColourBlue).substr(0, 36),
            "q\nBT\n0 0 1 rg\n/F9    0.000 Tf\n1 0 0 ");  // size 0
}

TEST(PdfDevice, ConvertedTextsKeepTheirWindowsBytes) {
  // Converted: DOS "Müller á" becomes CP1252 and is not mapped again (á must
  // not turn into ß). Not converted: the DOS umlauts are mapped by the writer.
  EXPECT_EQ(std::tuple(TextContent(100, 100, 1000, 143, Oem("Müller á (x)"), 1, 43, 5, 0, 0, true),
                       TextContent(100, 100, 1000, 143, "M\x81ller", 1, 43, 5, 0, 0, false)),
            std::tuple("q\nBT\n0 0 0 rg\n/F1   11.150 Tf\n1 0 0 1 28 804 Tm\nT* (M\xFCller \xE1 \\(x\\)) Tj\nET\nQ\n",
                       "q\nBT\n0 0 0 rg\n/F1   11.150 Tf\n1 0 0 1 28 804 Tm\nT* (M\xFCller) Tj\nET\nQ\n"));
}

// A results report over several pages with umlauts in names, venue and legend.
class PdfReportTest : public reporttest::ReportTest {
 protected:
  PdfReportTest() {
    w_->At(1)->At(0)->SetName(true, Oem("Müller"));
    report_.Selection = 1;
    report_.WithHead = report_.WithLegend = report_.WithFooter = report_.WithAgeClassData = true;
    report_.BuildResults(0, false);
  }

  // Lines with their words separated by one blank; empty lines dropped.
  static std::string Words(const std::string& text) {
    std::string out;
    for (const std::string& line : writer_test::Lines(text)) {
      std::istringstream words(line);
      for (std::string word, sep; words >> word; sep = " ") out += sep + word;
      if (!out.empty() && out.back() != '\n') out += "\n";
    }
    return out;
  }

  // The texts of every page top down, those of one height on one line.
  std::string Text() const {
    std::string text;
    for (int p = 1; p <= report_.PageCount(); ++p) {
      std::vector<const TYrTextElement*> items;
      for (int i = 0; i < report_.Page(p)->GetCount(); ++i)
        if (const TYrTextElement* t = report_.Page(p)->At(i)->AsText()) items.push_back(t);
      std::stable_sort(items.begin(), items.end(), [](auto* a, auto* b) { return a->Y1 < b->Y1; });
      for (size_t i = 0; i < items.size(); ++i)
        text += (i > 0 && items[i - 1]->Y1 == items[i]->Y1 ? " " : "\n") + OemToUtf8(items[i]->Text);
    }
    return Words(text);
  }

  std::unique_ptr<TWettkampf> w_ = reporttest::Competition({40, 40});
  TAusdruck report_{"Vk", {}, {}, *w_};
};

TEST_F(PdfReportTest, ReadsBackThroughQpdfPdftotextAndPdffonts) {
  ASSERT_GE(report_.PageCount(), 2);
  for (bool compress : {false, true}) {
    TPdfOptions options;
    options.Title = "Ergebnis", options.Compress = compress;
    writer_test::TempFile file(".pdf");
    ASSERT_TRUE(PrintDocToPdf(report_, file.Path(), 2100, 2970, &options));
    const auto check = writer_test::Run("qpdf --check '" + file.Path() + "'");
    EXPECT_NE(check.output.find("No syntax or stream encoding errors found"), std::string::npos) << check.output;
    const auto text = writer_test::Run("pdftotext -layout -enc UTF-8 '" + file.Path() + "' -");
    EXPECT_EQ(Words(text.output), Text()) << (compress ? " deflated" : "");
    // Only the standard fonts of the resources, none embedded.
    const auto fonts = writer_test::Run("pdffonts '" + file.Path() + "'");
    std::vector<std::string> names, standard;
    for (const std::string& line : writer_test::Lines(fonts.output))
      if (line.find("Type 1 ") != std::string::npos && line.find(" no ") != std::string::npos)
        names.push_back(line.substr(0, line.find(' ')));
    for (int f = 1; f <= kPdfFontCount; ++f) standard.push_back(PdfFontInfo(f).BaseFont);
    std::sort(names.begin(), names.end()), std::sort(standard.begin(), standard.end());
    EXPECT_EQ(names, standard) << fonts.output;
  }
}

TEST_F(PdfReportTest, PrintDocToPdfTellsAFileThatCannotBeWritten) {
  const auto dir = std::filesystem::temp_directory_path() / "vk-no-such-dir" / "x.pdf";
  EXPECT_EQ(std::tuple(PrintDocToPdf(report_, dir.string(), 2100, 2970, nullptr),
                       PrintDocToPdf(report_, "/dev/full", 2100, 2970, nullptr)),
            std::tuple(false, false));
  // On a caller's stream a failed write stays in the stream for its owner.
  TYrMemoryStream stream;
  stream.FailAfter(5000);
  TYrPdfDevice::InitStream(&report_, stream, 2100, 2970, nullptr)->PrintRange(1, 3);
  EXPECT_EQ(std::tuple(stream.FirstError, stream.Data().size()), std::tuple(101, size_t{5000}));
}

}  // namespace

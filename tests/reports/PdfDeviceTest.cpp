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
#include "TestData.h"
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

// Each page's content stream as the device writes it (uncompressed), behind
// "page <n>".
std::string Contents(const TYrPrintDoc& doc) {
  TYrMemoryStream stream;
  TYrPdfDevice::InitStream(&doc, stream, 2100, 2970, nullptr)->PrintRange(1, doc.PageCount());
  const std::string pdf = writer_test::Text(stream);
  std::string out;
  for (size_t at = 0, n = 1; (at = pdf.find("stream\n", at)) != std::string::npos; ++n) {
    const size_t end = pdf.find("endstream", at);
    out += "page " + std::to_string(n) + "\n" + pdf.substr(at + 7, end - at - 7);
    at = end + 9;
  }
  return out;
}

// Lines and rectangles in points from the bottom, pen widths and colours
// (page 1); texts placed by the font widths and their alignment in the box
// (2 to 8: "Wi" in Helvetica 100 is 116.6 wide, "ABCDE" in Courier 40 is 120,
// condensed 72); shrinking, word break, underline and strikeout change
// nothing (9 as 10); size 0 in blue (11); a converted text keeps its Windows
// bytes (12: "á" must not turn into "ß"), an unconverted one has its DOS
// umlauts mapped by the writer (13).
TEST(PdfDevice, ContentStreamsOfLinesRectanglesAndTexts) {
  TYrPrintDoc doc("T");
  TYrPrintPage& shapes = doc.AppendPage();
  shapes.AddLine(100, 100, 2000, 100, kColourBlack, 3);
  shapes.AddRect(100, 200, 1000, 400, kColourRed, true, kColourBlue, 5);
  shapes.AddRect(100, 200, 1000, 400, kColourGreen, false, kColourBlue, 20);
  shapes.AddLine(0, 0, 2970, 2100, 9, 0);  // unknown colour: black
  const std::string longText(120, 'W');
  const struct {
    int x1, y1, x2, y2;
    std::string text;
    uint16_t face, size;
    uint8_t align, colour, style;
    bool convert;
  } texts[] = {
      {100, 100, 1000, 143, "Hallo", kFaceArial, 43, 5, 0, 0, false},
      {1000, 500, 2000, 600, "Wi", kFaceArial, 100, kAlignRight, 0, 0, false},
      {1000, 500, 2000, 600, "Wi", kFaceArial, 100, kAlignCentre, 0, 0, false},
      {1000, 500, 1100, 600, "Wi", kFaceArial, 100, kAlignRight, 0, 0, false},
      {1000, 500, 2000, 600, "Wi", kFaceArial, 100, kAlignMiddle, 0, 0, false},
      {1000, 500, 2000, 600, "ABCDE", kFaceCourierNew, 40, kAlignRight, 0, kStyleCondensed, false},
      {1000, 500, 2000, 600, "Wi", kFaceTimesNewRoman, 100, 0, 0, kStyleBold | kStyleItalic, false},
      {100, 100, 1000, 143, longText, kFaceArial, 43, 5 | kAlignShrink | kAlignWordBreak, 0,
       kStyleUnderline | kStyleStrikeout, false},
      {100, 100, 1000, 143, longText, kFaceArial, 43, 5, 0, 0, false},
      {100, 100, 1000, 143, "x", kFaceArial, 0, 5, kColourBlue, 0, false},
      {100, 100, 1000, 143, Oem("Müller á (x)"), kFaceCourierNew, 43, 5, 0, 0, true},
      {100, 100, 1000, 143, "M\x81ller", kFaceCourierNew, 43, 5, 0, 0, false},
  };
  for (const auto& t : texts)
    doc.AppendPage().InsertText(t.x1, t.y1, t.x2, t.y2, t.text, t.face, t.size, t.align, t.colour, t.style, t.convert);
  testdata::ExpectDataFile(Contents(doc), "reports/pdf-device-contents.txt");
  // Landscape, and an unknown paper drawn as A4 portrait.
  for (auto [w, h, box] : {std::tuple(2970, 2100, "[0 0 842 595]"), std::tuple(0, 0, "[0 0 595 842]")}) {
    TYrMemoryStream stream;
    TYrPdfDevice::InitStream(&doc, stream, w, h, nullptr)->PrintRange(1, 1);
    EXPECT_NE(writer_test::Text(stream).find(std::string("/MediaBox ") + box), std::string::npos) << w;
  }
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

  // The words of a text, each followed by one blank.
  static std::string Words(const std::string& text) {
    std::istringstream in(text);
    std::string out;
    for (std::string word; in >> word;) out += word + " ";
    return out;
  }

  // The words of every page's texts top down (items of one height in the
  // order they were added, which is left to right).
  std::string Text() const {
    std::string text;
    for (int p = 1; p <= report_.PageCount(); ++p) {
      std::vector<const TYrTextElement*> items;
      for (int i = 0; i < report_.Page(p)->GetCount(); ++i)
        if (const TYrTextElement* t = report_.Page(p)->At(i)->AsText()) items.push_back(t);
      std::stable_sort(items.begin(), items.end(), [](auto* a, auto* b) { return a->Y1 < b->Y1; });
      for (const TYrTextElement* t : items) text += OemToUtf8(t->Text) + "\n";
    }
    return Words(text);
  }

  std::unique_ptr<TWettkampf> w_ = reporttest::Competition({40, 40});
  TAusdruck report_{"Vk", {}, {}, *w_};
};

TEST_F(PdfReportTest, ReadsBackThroughQpdfAndPdftotext) {
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

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

#include "IOPDF.h"
#include "QtTestApp.h"
#include "YrPDCanv.h"
#include "YrPDPDF.h"

namespace {

// Bounding box of everything that is not white.
QRect Ink(const QImage& image) {
  QRect ink;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) != qRgb(255, 255, 255)) ink |= QRect(x, y, 1, 1);
  return ink;
}

// One Arial text of size 60 (an 18-pixel cell at 100 %) in the box
// (300, 300)-(x2, y2), which is (90, 90)-(x2 * 0.3, y2 * 0.3) on the A4
// preview at 100 %.
QRect TextInk(const std::string& text, uint8_t alignment, int x2 = 1300, int y2 = 400, uint8_t style = 0) {
  TYrPrintDoc doc("t");
  doc.AppendPage().InsertText(300, 300, x2, y2, text, kFaceArial, 60, alignment, kColourBlack, style, false);
  return Ink(PreviewImage(doc, 1, 100, 2100, 2970));
}

}  // namespace

TEST(PreviewDevice, ZoomGivesThreePixelsPerMillimetreAt100) {
  const struct {
    int zoom, width, height;
    std::tuple<int, int, int, int, int> want;  // HorzRes, VertRes, PageWidth, PageHeight, Orientation
  } kCases[] = {
      {100, 2100, 2970, {630, 891, 2100, 2970, 1}}, {10, 2100, 2970, {63, 89, 2100, 2970, 1}},
      {800, 2100, 2970, {5040, 7128, 2100, 2970, 1}}, {100, 2970, 2100, {891, 630, 2970, 2100, 2}},
      {100, 0, 2970, {630, 891, 2100, 2970, 1}},       {50, 5, 5, {0, 0, 5, 5, 1}},
  };
  for (const auto& c : kCases) {
    TYrPreviewDevice device(nullptr, nullptr, c.width, c.height);
    device.SetZoom(c.zoom);
    EXPECT_EQ(std::tuple(device.HorzRes, device.VertRes, device.PageWidth, device.PageHeight, device.Orientation),
              c.want)
        << c.zoom << " " << c.width << "x" << c.height;
  }
  EXPECT_EQ(PreviewImage(TYrPrintDoc("leer"), 1, 10, 2100, 2970).size(), QSize(63, 89));
}

TEST(CanvasDevice, LinesAndRectanglesLandOnTheirPixelsWithTheOffsetAndColours) {
  TYrPrintDoc doc("t");
  TYrPrintPage& page = doc.AppendPage();
  page.AddLine(1000, 500, 1000, 800, kColourRed, 0);
  page.AddRect(1100, 1100, 1200, 1200, kColourBlue, true, kColourGreen, 0);
  QImage image(630, 891, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  TYrCanvasDevice device(&doc, &painter, 2100, 2970);
  device.SetPrintableArea(210, 297, 630, 891);
  device.OffsetX = 100;
  device.OffsetY = 50;
  device.DrawPage(1);
  painter.end();
  // x 1000 - 100 gives column 270; the rectangle (300, 315)-(330, 345) keeps
  // its right and bottom edge free.
  EXPECT_EQ(Ink(image.copy(0, 0, 290, 891)), QRect(QPoint(270, 135), QPoint(270, 225)));
  EXPECT_EQ(Ink(image.copy(290, 0, 340, 891)).translated(290, 0), QRect(QPoint(300, 315), QPoint(329, 344)));
  EXPECT_EQ(std::tuple(QColor(image.pixel(270, 180)), QColor(image.pixel(300, 330)), QColor(image.pixel(315, 330))),
            std::tuple(QColor(255, 0, 0), QColor(0, 0, 255), QColor(0, 128, 0)));
  EXPECT_EQ(std::tuple(ColourIndexToColor(0), ColourIndexToColor(1), ColourIndexToColor(3), ColourIndexToColor(4),
                       ColourIndexToColor(9)),
            std::tuple(QColor(0, 0, 0), QColor(255, 255, 255), QColor(0, 128, 0), QColor(0, 0, 255), QColor(0, 0, 0)));
}

TEST(CanvasDevice, FacesResolveToFontsOfTheWidthsTheReportsAreLaidOutFor) {
  for (uint16_t face : {kFaceCourierNew, kFaceTimesNewRoman, kFaceArial}) {
    const QFont font = TextFont(face, kStylePlain, 1000);
    const QFontMetricsF fm(font);
    const double width = fm.horizontalAdvance(QStringLiteral("Wettkampf")) / font.pixelSize();
    const double expected = PdfTextWidth("Wettkampf", 1000, PdfFontNumber(face, kStylePlain)) / 1000;
    EXPECT_NEAR(width, expected, 0.01) << FaceToFontName(face).toStdString() << " is "
                                       << QFontInfo(font).family().toStdString();
    // The size is the character cell.
    EXPECT_NEAR(fm.ascent() + fm.descent(), 1000, 6) << face;
  }
  EXPECT_EQ(std::tuple(FaceToFontName(0), FaceToFontName(2), FaceToFontName(3), FaceToFontName(4),
                       FaceToFontName(5)),
            std::tuple("Courier New", "Times New Roman", "Arial", "Symbol", "Wingdings"));
}

TEST(CanvasDevice, TextsAreAlignedInTheirBoxes) {
  const QRect left = TextInk("Hg", kAlignDefault);
  const QRect right = TextInk("Hg", kAlignRight);
  const QRect centre = TextInk("Hg", kAlignCentre);
  const QRect bottom = TextInk("Hg", kAlignBottom);
  const QRect middle = TextInk("Hg", kAlignMiddle);
  // The box is (90, 90)-(390, 120); "H" has a side bearing of a pixel or two.
  EXPECT_NEAR(left.left(), 91, 1);
  EXPECT_NEAR(right.right(), 388, 2);
  EXPECT_NEAR(centre.center().x(), 240, 1);
  EXPECT_EQ(right.width(), left.width());
  // The cell is 18 pixels: at the bottom it ends at 120, in the middle it
  // starts 6 pixels lower than at the top.
  EXPECT_NEAR(bottom.bottom(), 119, 1);
  EXPECT_EQ(std::tuple(bottom.top() - left.top(), middle.top() - left.top()), std::tuple(12, 6));
}

TEST(CanvasDevice, ShrinkWordBreakCondensedAndTheEdgeRule) {
  const std::string longText = "Bezirksmeisterschaft";
  const QRect plain = TextInk(longText, kAlignDefault, 600);
  ASSERT_GT(plain.right(), 180);  // wider than the 90-pixel box, not clipped
  // Shrinking lowers the font until the text fits the box.
  const QRect shrunk = TextInk(longText, kAlignShrink, 600);
  EXPECT_TRUE(shrunk.left() >= 90 && shrunk.right() < 180 && shrunk.height() < plain.height()) << shrunk.right();
  // ... but not below a cell of two pixels.
  EXPECT_LE(TextInk(longText, kAlignShrink, 310).height(), 3);
  // A centred or right-aligned text wider than its box starts at the box's
  // left edge.
  EXPECT_EQ(TextInk(longText, kAlignCentre, 600), plain);
  EXPECT_EQ(TextInk(longText, kAlignRight, 600), plain);
  // Word break wraps at the right edge (165) and runs below the box (108).
  const QRect wrapped = TextInk("eins zwei drei vier", kAlignWordBreak, 550, 360);
  EXPECT_TRUE(wrapped.right() < 165 && wrapped.bottom() > 115) << wrapped.right() << " " << wrapped.bottom();
  // Condensed characters are 60 % wide.
  const double ratio = TextInk(longText, kAlignDefault, 600, 400, kStyleCondensed).width() / double(plain.width());
  EXPECT_NEAR(ratio, 0.6, 0.03);
}

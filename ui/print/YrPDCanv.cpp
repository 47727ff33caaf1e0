#include "YrPDCanv.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <map>
#include <tuple>

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <QRect>
#include <QTextLayout>

#include "CodePage.h"
#include "OemText.h"

namespace {

int32_t Round(double v) { return static_cast<int32_t>(std::nearbyint(v)); }

// The font of a face and style before its size is known.
QFont FaceFont(uint16_t face, uint8_t style) {
  QFont font(FaceToFontName(face));
  switch (face) {
    case kFaceTimesNewRoman: font.setStyleHint(QFont::Serif); break;
    case kFaceArial: font.setStyleHint(QFont::SansSerif); break;
    case kFaceSymbol:
    case kFaceWingdings: break;
    default: font.setStyleHint(QFont::TypeWriter); break;
  }
  font.setBold(style & kStyleBold);
  font.setItalic(style & kStyleItalic);
  font.setUnderline(style & kStyleUnderline);
  font.setStrikeOut(style & kStyleStrikeout);
  if (style & kStyleCondensed) font.setStretch(60);
  // The reports align their columns by the plain advance widths.
  font.setKerning(false);
  return font;
}

// Cell height (ascent plus descent) per pixel of font size, per font: the
// documents give the cell, Qt sizes fonts by the em.
double CellPerEm(uint16_t face, uint8_t style) {
  static std::map<std::tuple<QString, bool, bool>, double> cache;
  QFont font = FaceFont(face, style & (kStyleBold | kStyleItalic));
  const auto key = std::tuple(font.family(), font.bold(), font.italic());
  auto it = cache.find(key);
  if (it != cache.end()) return it->second;
  constexpr int kProbe = 1000;
  font.setPixelSize(kProbe);
  const QFontMetricsF fm(font);
  double ratio = (fm.ascent() + fm.descent()) / kProbe;
  if (!(ratio > 0.1 && ratio < 10)) ratio = 1;
  cache.emplace(key, ratio);
  return ratio;
}

}  // namespace

QColor ColourIndexToColor(uint8_t index) {
  switch (index) {
    case kColourWhite: return QColor(255, 255, 255);
    case kColourRed: return QColor(255, 0, 0);
    case kColourGreen: return QColor(0, 128, 0);
    case kColourBlue: return QColor(0, 0, 255);
    default: return QColor(0, 0, 0);
  }
}

QString FaceToFontName(uint16_t face) {
  switch (face) {
    case kFaceTimesNewRoman: return QStringLiteral("Times New Roman");
    case kFaceArial: return QStringLiteral("Arial");
    case kFaceSymbol: return QStringLiteral("Symbol");
    case kFaceWingdings: return QStringLiteral("Wingdings");
    default: return QStringLiteral("Courier New");
  }
}

QFont TextFont(uint16_t face, uint8_t style, int cellHeight) {
  QFont font = FaceFont(face, style);
  font.setPixelSize(std::max(1, Round(cellHeight / CellPerEm(face, style))));
  return font;
}

// ---------------------------------------------------------------------------

TYrCanvasDevice::TYrCanvasDevice(const TYrPrintDoc* doc, QPainter* canvas) : TYrOutputDevice(doc), Canvas(canvas) {}

TYrCanvasDevice::TYrCanvasDevice(const TYrPrintDoc* doc, QPainter* canvas, int32_t pageWidth, int32_t pageHeight)
    : TYrCanvasDevice(doc, canvas) {
  TYrCanvasDevice::SetPageSize(pageWidth, pageHeight);
}

void TYrCanvasDevice::SetPageSize(int32_t pageWidth, int32_t pageHeight) { SetPaper(pageWidth, pageHeight); }

bool TYrCanvasDevice::Drawing() const { return Canvas != nullptr && Canvas->isActive(); }

void TYrCanvasDevice::DrawItem(const TYrPrintElement& item) {
  if (!Drawing()) return;
  const QRect box(QPoint(XToDevice(item.X1), YToDevice(item.Y1)), QPoint(XToDevice(item.X2), YToDevice(item.Y2)));
  auto pen = [this](uint8_t colour, int32_t width) {
    return QPen(ColourIndexToColor(colour), Round(width / 10.0 * PxPerMmX), Qt::SolidLine, Qt::RoundCap,
                Qt::RoundJoin);
  };
  if (const TYrLineElement* l = item.AsLine()) {
    Canvas->save();
    Canvas->setPen(pen(l->Colour, l->PenWidth));
    Canvas->drawLine(box.topLeft(), box.bottomRight());
    Canvas->restore();
  } else if (const TYrRectElement* r = item.AsRect()) {
    Canvas->save();
    Canvas->setPen(pen(r->Colour, r->PenWidth));
    Canvas->setBrush(r->Filled ? QBrush(ColourIndexToColor(r->FillColour)) : QBrush(Qt::NoBrush));
    // Right and bottom edge belong to the next figure, as on the desktop's
    // own canvas; a stroked rectangle grows by the pen.
    const QRect n(QPoint(std::min(box.left(), box.right()), std::min(box.top(), box.bottom())),
                  QPoint(std::max(box.left(), box.right()), std::max(box.top(), box.bottom())));
    Canvas->drawRect(n.left(), n.top(), std::max(0, n.width() - 2), std::max(0, n.height() - 2));
    Canvas->restore();
  } else if (const TYrTextElement* t = item.AsText()) {
    if (t->Text.empty() || t->X1 == 0) return;
    const QString text = t->Convert ? FromOem(t->Text) : QString::fromStdString(AnsiToUtf8(t->Text));
    DrawText(QRect(box.left(), box.top(), box.right() - box.left(), box.bottom() - box.top()), text, t->Size,
             t->Style, t->Face, t->Colour, t->Alignment);
  }
}

void TYrCanvasDevice::DrawText(const QRect& box, const QString& text, uint16_t size, uint8_t style, uint16_t face,
                               uint8_t colour, uint8_t alignment) {
  if (!Drawing()) return;
  QPaintDevice* device = Canvas->device();
  int cell = Round(size / 10.0 * PxPerMmY);
  QFont font = TextFont(face, style, cell);
  int left = box.x();
  int top = box.y();
  const int right = box.x() + box.width();
  const int bottom = box.y() + box.height();
  const int boxW = right - left;
  const int boxH = bottom - top;
  int tw = QFontMetrics(font, device).horizontalAdvance(text);
  int th = cell;

  if (alignment & kAlignShrink) {
    while (tw > boxW || th > boxH) {
      if (cell < 3) break;
      --cell;
      font = TextFont(face, style, cell);
      tw = QFontMetrics(font, device).horizontalAdvance(text);
      th = cell;
    }
  }
  int x = left;
  int y = top;
  if (alignment & kAlignCentre) x = left + (boxW - tw) / 2;
  if (alignment & kAlignMiddle) y = top + (boxH - th) / 2;
  if (alignment & kAlignBottom) y = bottom - th;
  if (alignment & kAlignRight) x = right - tw;
  if (left < x && x < right) left = x;
  if (top < y && y < bottom) top = y;

  const bool wordBreak = alignment & kAlignWordBreak;
  QTextLayout layout(text, font, device);
  QTextOption option;
  option.setWrapMode(wordBreak ? QTextOption::WordWrap : QTextOption::NoWrap);
  layout.setTextOption(option);
  layout.beginLayout();
  for (int line = 0;; ++line) {
    QTextLine l = layout.createLine();
    if (!l.isValid()) break;
    l.setLineWidth(wordBreak ? std::max(0, right - left) : INT_MAX / 4);
    l.setPosition(QPointF(0, static_cast<double>(line) * cell));
  }
  layout.endLayout();
  Canvas->save();
  Canvas->setPen(ColourIndexToColor(colour));
  Canvas->setBrush(Qt::NoBrush);
  layout.draw(Canvas, QPointF(left, top));
  Canvas->restore();
}

// ---------------------------------------------------------------------------

TYrPreviewDevice::TYrPreviewDevice(const TYrPrintDoc* doc, QPainter* canvas, int32_t pageWidth, int32_t pageHeight)
    : TYrCanvasDevice(doc, canvas) {
  SetPageSize(pageWidth, pageHeight);
}

void TYrPreviewDevice::SetPageSize(int32_t pageWidth, int32_t pageHeight) {
  TYrCanvasDevice::SetPageSize(pageWidth, pageHeight);
  SetZoom(Zoom);
}

bool TYrPreviewDevice::SetZoom(int zoom) {
  Zoom = static_cast<uint16_t>(std::clamp(zoom, 0, 65535));
  const int32_t horzSize = PageWidth / 10;
  const int32_t vertSize = PageHeight / 10;
  // Three pixels per millimetre at 100 %.
  SetPrintableArea(horzSize, vertSize, static_cast<int32_t>(horzSize * Zoom / 100.0 * 3),
                   static_cast<int32_t>(vertSize * Zoom / 100.0 * 3));
  LogPixelsX = LogPixelsY = 0;
  OffsetXPx = OffsetYPx = OffsetX = OffsetY = 0;
  return true;
}

QImage PreviewImage(const TYrPrintDoc& doc, int16_t pageNo, int zoom, int32_t pageWidth, int32_t pageHeight) {
  TYrPreviewDevice device(&doc, nullptr, pageWidth, pageHeight);
  device.SetZoom(zoom);
  QImage image(std::max(1, device.HorzRes), std::max(1, device.VertRes), QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  device.Canvas = &painter;
  device.DrawPage(pageNo);
  return image;
}

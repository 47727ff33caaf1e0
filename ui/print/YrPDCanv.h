// Drawing page documents with QPainter: the canvas device and the preview
// device.
//
// `TYrCanvasDevice` draws the items of a page document on a painter with the
// metrics of the output-device base (YrPDWin.h): lines and rectangles with
// pens of the item's width, texts in a box with the alignment rules below.
// `TYrPreviewDevice` gives it a page size and a zoom for the screen: 3
// pixels per millimetre at 100 %, so A4 is 630 by 891 pixels at 100 % and
// 63 by 89 at 10 %.
//
// Fonts: the face index names a Windows font ("Courier New", "Times New
// Roman", "Arial", "Symbol", "Wingdings"); the desktop resolves these names
// to metric-compatible fonts (on Debian the Liberation fonts), so texts keep
// the widths the reports were laid out for. A text's size is the height of
// its character cell (ascent plus descent) in tenths of a millimetre.
//
// Texts (items with an empty text or with X1 = 0 are skipped): the box R is
// the item's box in pixels; the text's width TW and cell height TH are
// measured in its font.
//   - shrink (64): while TW > box width or TH > box height, the cell height
//     goes down by one pixel, but not below 2;
//   - centre (16): x := left + (box width - TW) div 2; middle (32): y :=
//     top + (box height - TH) div 2; bottom (2): y := bottom - TH; right (8):
//     x := right - TW (in this order, so right wins over centre and bottom
//     over middle);
//   - a position takes effect only strictly inside the box: a text wider
//     than its box stays at the left edge, one taller than its box at the
//     top;
//   - the text starts at the box's (moved) top-left corner and is never
//     clipped; with word break (128) it wraps at the box's right edge and may
//     run below the box;
//   - condensed (16 in the style) draws the characters at 60 % of their
//     width; bold, italic, underline and strikeout as named.
// Texts with Convert set are in the DOS code page, others in the Windows
// code page.
//
// Neither device owns its painter or its document. The painter may change
// between pages (a preview gets a new one for every repaint); the device
// draws nothing while it has none or while it is not active.
#pragma once

#include <cstdint>

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>

#include "YrPDWin.h"

class QPainter;
class QRect;

// Colour index to colour: 0 black, 1 white, 2 red, 3 green (0, 128, 0, the
// half-intensity green of the desktop palette), 4 blue, any other black.
QColor ColourIndexToColor(uint8_t index);

// Face index to font name: 2 "Times New Roman", 3 "Arial", 4 "Symbol",
// 5 "Wingdings", any other "Courier New".
QString FaceToFontName(uint16_t face);

// The font of a text: face, style and a character cell of `cellHeight`
// pixels (at least one pixel high).
QFont TextFont(uint16_t face, uint8_t style, int cellHeight);

class TYrCanvasDevice : public TYrOutputDevice {
 public:
  // No page size and no metrics: the caller sets them.
  TYrCanvasDevice(const TYrPrintDoc* doc, QPainter* canvas);
  // With the page size (SetPageSize).
  TYrCanvasDevice(const TYrPrintDoc* doc, QPainter* canvas, int32_t pageWidth, int32_t pageHeight);

  // PageWidth, PageHeight and Orientation for the paper, in tenths of a
  // millimetre (a side of 0 or less: A4 portrait).
  virtual void SetPageSize(int32_t pageWidth, int32_t pageHeight);

  QPainter* Canvas;  // not owned; may be null

 protected:
  void DrawItem(const TYrPrintElement& item) override;
  // `box` in device pixels (left, top, right, bottom); `size` in tenths of a
  // millimetre.
  void DrawText(const QRect& box, const QString& text, uint16_t size, uint8_t style, uint16_t face, uint8_t colour,
                uint8_t alignment);

 private:
  bool Drawing() const;
};

class TYrPreviewDevice : public TYrCanvasDevice {
 public:
  // Zoom 100, then the page size.
  TYrPreviewDevice(const TYrPrintDoc* doc, QPainter* canvas, int32_t pageWidth, int32_t pageHeight);

  // The page size, then the metrics for the current zoom.
  void SetPageSize(int32_t pageWidth, int32_t pageHeight) override;
  // Screen metrics for `zoom` percent (cut to 0..65535): the page in whole
  // millimetres, Trunc(millimetres * zoom / 100 * 3) pixels, no offset.
  // Always true.
  bool SetZoom(int zoom);

  uint16_t Zoom = 100;
};

// Page `pageNo` of `doc` drawn by a preview device at `zoom` percent on a
// white image of the page's size in pixels (paper in tenths of a
// millimetre, a side of 0: A4). Needs a QGuiApplication.
QImage PreviewImage(const TYrPrintDoc& doc, int16_t pageNo, int zoom, int32_t pageWidth, int32_t pageHeight);

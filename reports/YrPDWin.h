// The base of every device that renders a page document: the PDF file here,
// the canvas, preview and printer devices on top of Qt elsewhere.
//
// A device holds the size of the paper and the metrics of its target, walks
// the pages and items of a document in order and hands every item to its
// `DrawItem`; descendants fill in the hooks around the document and each
// page. `PrintRange` renders a range of pages as one document (Prepare,
// BeginDoc, then BeginPage / DrawItem... / EndPage per page with NewPage
// between two pages, EndDoc); `DrawPage` renders one page without the
// document hooks, as a preview does for the page on screen.
//
// Coordinates: the document measures tenths of a millimetre from the paper's
// top-left corner. A device drawing in pixels converts them with
// `XToDevice`/`YToDevice`:
//   pixel = Round((v - Offset + Shift) * PxPerMm / 10)   (halves to even)
// where Offset is the unprintable margin of the target (its origin is the
// corner of the printable area) and Shift an extra displacement a device may
// set. The PDF device leaves all metrics 0 and converts to points itself.
//
// The document is not owned and must outlive the device. Single-threaded;
// nothing here reports errors. Qt-free: the Qt devices derive from it.
#pragma once

#include <cstdint>

#include "YrObject.h"
#include "YrPrint.h"

class TYrOutputDevice : public TYrObject {
 public:
  static constexpr int32_t kA4Width = 2100;
  static constexpr int32_t kA4Height = 2970;
  static constexpr int32_t kPortrait = 1;
  static constexpr int32_t kLandscape = 2;

  // Every size, metric, offset and shift 0. `doc` may be null: then nothing
  // is drawn, although PrintRange still runs the document hooks.
  explicit TYrOutputDevice(const TYrPrintDoc* doc);
  TYrOutputDevice(const TYrOutputDevice&) = delete;
  TYrOutputDevice& operator=(const TYrOutputDevice&) = delete;

  // Pages fromPage..toPage as one document, the range cut to the pages the
  // document has. An empty range draws no page but runs Prepare, BeginDoc
  // and EndDoc all the same.
  void PrintRange(int16_t fromPage, int16_t toPage);
  // Page pageNo between BeginPage and EndPage; nothing at all (no hook) when
  // there is no document or no such page.
  void DrawPage(int16_t pageNo);

  // Document coordinates (tenths of a millimetre) to device pixels.
  int32_t XToDevice(int32_t x) const;
  int32_t YToDevice(int32_t y) const;

  // PageWidth and PageHeight := the paper, Orientation from its shape
  // (landscape when it is wider than high). An unknown paper (a side of 0 or
  // less) counts as A4 portrait, so that no metric derived from the page
  // divides by zero.
  void SetPaper(int32_t width, int32_t height);
  // Printable size in millimetres and in pixels; PxPerMmX/Y := pixels per
  // millimetre, 0 for a size of 0.
  void SetPrintableArea(int32_t horzSize, int32_t vertSize, int32_t horzRes, int32_t vertRes);

  // --- the page and the target, in tenths of a millimetre unless named
  int32_t PageWidth = 0;
  int32_t PageHeight = 0;
  int32_t Orientation = 0;  // kPortrait or kLandscape
  int32_t HorzSize = 0;     // printable size in millimetres
  int32_t VertSize = 0;
  int32_t HorzRes = 0;      // printable size in pixels
  int32_t VertRes = 0;
  int32_t LogPixelsX = 0;   // pixels per inch
  int32_t LogPixelsY = 0;
  double PxPerMmX = 0;
  double PxPerMmY = 0;
  int32_t OffsetXPx = 0;    // unprintable left and top margin in pixels
  int32_t OffsetYPx = 0;
  int32_t OffsetX = 0;      // the same margin in tenths of a millimetre
  int32_t OffsetY = 0;
  int32_t ShiftX = 0;       // added to every coordinate
  int32_t ShiftY = 0;
  const TYrPrintDoc* Doc;   // not owned

 protected:
  // Draws one item; items of a kind the device does not know are skipped.
  virtual void DrawItem(const TYrPrintElement& item) = 0;
  // Hooks around a document and its pages; empty here.
  virtual void Prepare() {}
  virtual void BeginDoc() {}
  // Between two pages of PrintRange.
  virtual void NewPage() {}
  virtual void BeginPage(int16_t /*pageNo*/) {}
  virtual void EndPage(int16_t /*pageNo*/) {}
  virtual void EndDoc() {}
};

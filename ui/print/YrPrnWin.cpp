#include "YrPrnWin.h"

#include <algorithm>
#include <cmath>

#include <QPageLayout>
#include <QPrinter>

#include "Desktop.h"
#include "OemText.h"

TYrPrinterDevice::TYrPrinterDevice(const TYrPrintDoc* doc, QPrinter& printer)
    : TYrCanvasDevice(doc, nullptr), printer_(printer) {}

TYrPrinterDevice::~TYrPrinterDevice() {
  if (painter_.isActive()) painter_.end();
}

void TYrPrinterDevice::Prepare() {
  // The origin goes to the corner of what the printer can reach; the
  // offset then puts every item where the document has it on the paper.
  const QPageLayout layout = printer_.pageLayout();
  printer_.setFullPage(false);
  printer_.setPageMargins(layout.minimumMargins(), layout.units());
  const TYrPrinterInfos infos(printer_);
  PageWidth = infos.PaperWidth;
  PageHeight = infos.PaperLength;
  Orientation = infos.Orientation;
  PhysWidth = infos.PhysWidth;
  PhysHeight = infos.PhysHeight;
  HorzSize = infos.HorzSize;
  VertSize = infos.VertSize;
  HorzRes = infos.HorzRes;
  VertRes = infos.VertRes;
  LogPixelsX = infos.LogPixelsX;
  LogPixelsY = infos.LogPixelsY;
  PxPerMmX = infos.PxPerMmX;
  PxPerMmY = infos.PxPerMmY;
  OffsetXPx = infos.OffsetXPx;
  OffsetYPx = infos.OffsetYPx;
  OffsetX = infos.OffsetX;
  OffsetY = infos.OffsetY;
}

void TYrPrinterDevice::BeginDoc() {
  started_ = finished_ = false;
  if (Doc) printer_.setDocName(FromOem(Doc->Title()));
  started_ = painter_.begin(&printer_);
  if (!started_) return;
  painter_.setBrush(Qt::NoBrush);
  painter_.setBackgroundMode(Qt::TransparentMode);
  painter_.setFont(TextFont(kFaceArial, kStylePlain, static_cast<int>(std::nearbyint(4.0 * PxPerMmY))));
  Canvas = &painter_;
}

void TYrPrinterDevice::NewPage() {
  if (started_) printer_.newPage();
}

void TYrPrinterDevice::EndDoc() {
  Canvas = nullptr;
  if (started_) finished_ = painter_.end();
}

bool TYrPrinterDevice::PrintPages(const std::vector<int16_t>& order) {
  Prepare();
  BeginDoc();
  bool first = true;
  for (int16_t page : order) {
    if (!Doc || !Doc->Page(page)) continue;
    if (!first) NewPage();
    DrawPage(page);
    first = false;
  }
  EndDoc();
  return Printed();
}

// ---------------------------------------------------------------------------

bool PrintDocument(const TYrPrintDoc& doc, int16_t fromPage, int16_t selPage, int16_t toPage, bool showDialog,
                   QPrinter& printer) {
  const int count = std::min(doc.PageCount(), 0x7FFF);
  if (count == 0 || !CanPrintOn(printer)) return false;
  int from = fromPage;
  int to = toPage;
  int copies = 1;
  bool collate = true;
  if (showDialog) {
    PrintRequest request;
    request.minPage = 1;
    request.maxPage = count;
    request.selectionEnabled = selPage > 0;
    request.range = PrintRequest::AllPages;
    request.fromPage = 1;
    request.toPage = count;
    request.copies = 1;
    request.collate = true;
    if (!TheDesktop().PrintDialog(printer, request)) return false;
    switch (request.range) {
      case PrintRequest::Selection: from = to = selPage; break;
      case PrintRequest::PageRange: from = request.fromPage, to = request.toPage; break;
      default: from = 1, to = count; break;
    }
    copies = std::max(1, request.copies);
    collate = request.collate;
    // The dialog may have chosen another printer or none at all.
    if (!CanPrintOn(printer)) return false;
  }
  from = std::max(from, 1);
  to = std::min(to, count);

  // One job: the printer system makes the copies where it can, otherwise
  // the pages are repeated in the order the copies want.
  std::vector<int16_t> order;
  const bool systemCopies = copies > 1 && printer.supportsMultipleCopies();
  printer.setCopyCount(systemCopies ? copies : 1);
  printer.setCollateCopies(collate);
  const int repeat = systemCopies ? 1 : copies;
  if (collate) {
    for (int c = 0; c < repeat; ++c)
      for (int p = from; p <= to; ++p) order.push_back(static_cast<int16_t>(p));
  } else {
    for (int p = from; p <= to; ++p)
      for (int c = 0; c < repeat; ++c) order.push_back(static_cast<int16_t>(p));
  }
  if (order.empty()) return false;

  TYrPrinterDevice device(&doc, printer);
  const bool printed = device.PrintPages(order);
  printer.setCopyCount(1);
  if (!printed) TheDesktop().ShowError(QStringLiteral("Der Druckauftrag konnte nicht ausgeführt werden."));
  return printed;
}

#include "YrPrnWin.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include <QPageLayout>
#include <QPrintEngine>
#include <QPrinter>

#include "Desktop.h"
#include "OemText.h"
#include "VkWMisc.h"

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

namespace {

// Qt keeps the job options of the CUPS print dialog ("Seiten: 2", odd or
// even pages, ...) on the printer as name and value texts in this property
// of its print engine; other engines have none.
constexpr auto kCupsOptions = QPrintEngine::PrintEnginePropertyKey(0xfe00);

// Removes the job option `name` from the printer; its value, empty when it
// was not set.
QString TakeCupsOption(QPrinter& printer, const QString& name) {
  QPrintEngine* engine = printer.printEngine();
  QStringList options = engine ? engine->property(kCupsOptions).toStringList() : QStringList();
  QString value;
  for (qsizetype i = 0; i + 1 < options.size();) {
    if (options[i] != name) {
      i += 2;
      continue;
    }
    value = options[i + 1];
    options.remove(i, 2);
  }
  if (!value.isEmpty()) engine->setProperty(kCupsOptions, options);
  return value;
}

}  // namespace

bool PrintDocument(const TYrPrintDoc& given, int16_t fromPage, int16_t selPage, int16_t toPage, bool showDialog,
                   QPrinter& printer, const LayoutForPrinter& layout) {
  const TYrPrintDoc* doc = &given;
  // Without a printer the user hears of it once and nothing is asked.
  auto unreachable = [&printer] {
    if (TheDesktop().PrinterReachable(printer)) return false;
    ReportError(kNoPrinterHandle);
    return true;
  };
  if (unreachable() || doc->LastPageNo() == 0) return false;
  // The ranges of pages asked for, first and last page each; "all pages" runs
  // to the last page of whatever layout is printed.
  std::vector<std::pair<int, int>> ranges = {{fromPage, toPage}};
  int copies = 1;
  bool collate = true;
  bool lastPageFirst = false;
  if (showDialog) {
    PrintRequest request;
    request.minPage = 1;
    request.maxPage = doc->LastPageNo();
    request.selectionEnabled = selPage > 0;
    request.range = PrintRequest::AllPages;
    request.fromPage = 1;
    request.toPage = request.maxPage;
    request.copies = 1;
    request.collate = true;
    request.lastPageFirst = false;
    if (!TheDesktop().PrintDialog(printer, request)) return false;
    switch (request.range) {
      case PrintRequest::Selection: ranges = {{selPage, selPage}}; break;
      case PrintRequest::PageRange:
        ranges = {{request.fromPage, request.toPage}};
        if (!request.pages.isEmpty()) {
          ranges.clear();
          for (const QPageRanges::Range& r : request.pages.toRangeList()) ranges.emplace_back(r.from, r.to);
        }
        break;
      default: ranges = {{1, INT16_MAX}}; break;
    }
    copies = std::max(1, request.copies);
    collate = request.collate;
    lastPageFirst = request.lastPageFirst;
    // The dialog may have chosen another printer, or the printer went away
    // while the dialog was open.
    if (unreachable()) return false;
    // A report laid out for upright paper and printed across loses its
    // lower rows and its footer.
    if (layout && !(doc = layout(printer))) return false;
  }

  // The program makes the selection, the order and the copies itself, so
  // that no spooler or driver drops, reverses or multiplies pages: the job
  // asks for all of its pages once, in order, whatever the dialog left on
  // the printer.
  printer.setPrintRange(QPrinter::AllPages);
  printer.setPageRanges(QPageRanges());
  printer.setCopyCount(1);
  printer.setCollateCopies(true);
  printer.setPageOrder(QPrinter::FirstPageFirst);
  TakeCupsOption(printer, QStringLiteral("page-ranges"));
  const QString pageSet = TakeCupsOption(printer, QStringLiteral("page-set"));

  // Odd or even pages are counted in the document, as the spooler counts
  // them in a job of the whole document.
  const bool odd = pageSet == u"odd";
  const bool even = pageSet == u"even";
  const int count = doc->LastPageNo();
  std::vector<int16_t> pages;
  for (const auto& [first, last] : ranges)
    for (int p = std::max(first, 1); p <= std::min(last, count); ++p)
      if (p % 2 == 1 ? !even : !odd)
        pages.push_back(static_cast<int16_t>(p));
  if (lastPageFirst) std::reverse(pages.begin(), pages.end());
  if (pages.empty()) {
    TheDesktop().Inform(QStringLiteral("Der gewählte Seitenbereich enthält keine Seite des Ausdrucks."));
    return false;
  }
  // Collated: the pages in order once per copy; otherwise each page as
  // often as there are copies.
  std::vector<int16_t> order;
  for (int c = 0; c < (collate ? copies : 1); ++c)
    for (int16_t p : pages) order.insert(order.end(), collate ? 1 : copies, p);

  TYrPrinterDevice device(doc, printer);
  const bool printed = device.PrintPages(order);
  if (!printed) TheDesktop().ShowError(QStringLiteral("Der Druckauftrag konnte nicht ausgeführt werden."));
  return printed;
}

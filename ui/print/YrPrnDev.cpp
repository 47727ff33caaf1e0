#include "YrPrnDev.h"

#include <cmath>
#include <memory>

#include <QCoreApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

std::unique_ptr<QPrinter> g_printer;

// Halves to the even neighbour, as everywhere in the output.
int32_t Round(double v) { return static_cast<int32_t>(std::nearbyint(v)); }

void DropPrinter() { g_printer.reset(); }

}  // namespace

QPrinter& CurrentPrinter() {
  if (!g_printer) {
    g_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    // The printer object must not outlive the printer system's plug-in.
    qAddPostRoutine(DropPrinter);
  }
  return *g_printer;
}

TYrPrinterInfos::TYrPrinterInfos() { Refresh(); }

TYrPrinterInfos::TYrPrinterInfos(const QPrinter& printer) { Refresh(printer); }

bool TYrPrinterInfos::Refresh() { return Refresh(CurrentPrinter()); }

bool TYrPrinterInfos::Refresh(const QPrinter& printer) {
  const bool native = printer.outputFormat() == QPrinter::NativeFormat && !printer.printerName().isEmpty();
  HasPrinter = native && printer.isValid() && !QPrinterInfo::availablePrinterNames().isEmpty();
  const bool read = HasPrinter || !printer.outputFileName().isEmpty();

  Device = Driver = Port = QString();
  if (HasPrinter) {
    const QPrinterInfo info(printer);
    Device = printer.printerName();
    Driver = info.makeAndModel();
    Port = info.location();
  }

  QPageSize paper(QPageSize::A4);
  QPageLayout::Orientation orientation = QPageLayout::Portrait;
  QMarginsF unprintable;
  QPageLayout::Unit units = QPageLayout::Millimeter;
  int dpi = kDefaultDpi;
  if (read) {
    const QPageLayout layout = printer.pageLayout();
    const QSizeF mm = layout.pageSize().size(QPageSize::Millimeter);
    if (layout.pageSize().isValid() && mm.width() > 0 && mm.height() > 0) {
      paper = layout.pageSize();
      orientation = layout.orientation();
      unprintable = layout.minimumMargins();
      units = layout.units();
    }
    if (printer.resolution() > 0) dpi = printer.resolution();
  }

  const QSizeF upright = paper.size(QPageSize::Millimeter);
  PaperSize = paper.windowsId();
  PaperWidth = Round(upright.width() * 10);
  PaperLength = Round(upright.height() * 10);
  Orientation = orientation == QPageLayout::Landscape ? kLandscape : kPortrait;

  // The printable area: the paper less what the printer cannot reach,
  // turned into pixels from millimetres (Qt's own pixel rectangles go
  // through whole points and miss by a few pixels).
  const QPageLayout area(paper, orientation, unprintable, units, unprintable);
  const QRectF full = area.fullRect(QPageLayout::Millimeter);
  const QRectF paint = area.paintRect(QPageLayout::Millimeter);
  auto px = [dpi](double mm) { return Round(mm * dpi / 25.4); };
  PhysWidth = px(full.width());
  PhysHeight = px(full.height());
  OffsetXPx = px(paint.left() - full.left());
  OffsetYPx = px(paint.top() - full.top());
  HorzRes = px(paint.right() - full.left()) - OffsetXPx;
  VertRes = px(paint.bottom() - full.top()) - OffsetYPx;
  HorzSize = Round(paint.width());
  VertSize = Round(paint.height());
  LogPixelsX = LogPixelsY = dpi;
  PxPerMmX = HorzSize != 0 ? static_cast<double>(HorzRes) / HorzSize : 0;
  PxPerMmY = VertSize != 0 ? static_cast<double>(VertRes) / VertSize : 0;
  OffsetX = PxPerMmX != 0 ? Round(OffsetXPx * 10 / PxPerMmX) : 0;
  OffsetY = PxPerMmY != 0 ? Round(OffsetYPx * 10 / PxPerMmY) : 0;
  return read;
}

// Printing a page document on a printer: the printer device and
// `PrintDocument`, the routine behind the print dialog's print command.
//
// `TYrPrinterDevice` is a canvas device (YrPDCanv.h) on a QPrinter. Its
// document hooks frame a print job: `Prepare` reads the printer's metrics
// (TYrPrinterInfos) after setting its margins to what the printer cannot
// print on, so the painter's origin is the corner of the printable area and
// every item lands at its place on the paper; `BeginDoc` starts the job
// under the document's title, `NewPage` starts the next sheet, `EndDoc` ends
// the job. A job that cannot start (the printer is gone, the output file
// cannot be written) draws nothing.
//
// `PrintDocument` asks the desktop's print dialog for the pages, the copies,
// the collation and the page order and makes the copies itself, in ONE
// print job that asks the spooler for one copy of every page it holds:
// collated 2, 3, 2, 3, uncollated 2, 2, 3, 3, last page first 3, 2, 3, 2.
// Whatever range, odd or even pages or page order the dialog left on the
// printer is taken off it first, so no spooler or driver picks pages out of
// the job again, reverses it once more or drops or multiplies copies.
//
// The printer and the document are not owned. GUI thread only.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include <QPainter>

#include "YrPDCanv.h"
#include "YrPrnDev.h"

class QPrinter;

class TYrPrinterDevice : public TYrCanvasDevice {
 public:
  TYrPrinterDevice(const TYrPrintDoc* doc, QPrinter& printer);
  ~TYrPrinterDevice() override;

  // The pages in this order as one print job (pages the document lacks are
  // skipped). False when the job could not be started or finished.
  bool PrintPages(const std::vector<int16_t>& order);
  // True once a job has been started and ended without a failure.
  bool Printed() const { return started_ && finished_; }

  int32_t PhysWidth = 0;  // the whole paper in device pixels
  int32_t PhysHeight = 0;

 protected:
  void Prepare() override;
  void BeginDoc() override;
  void NewPage() override;
  void EndDoc() override;

 private:
  QPrinter& printer_;
  QPainter painter_;
  bool started_ = false;
  bool finished_ = false;
};

// The document to print on the printer as the print dialog left it (its
// paper may have changed or turned): `doc` itself while its pages fit that
// paper, else the same report laid out anew, which may free `doc`; nullptr
// prints nothing.
using LayoutForPrinter = std::function<const TYrPrintDoc*(QPrinter& printer)>;

// Prints pages of `doc` on `printer`. With `showDialog` the desktop's print
// dialog offers the pages 1 to the last (and the selection, page `selPage`,
// when that is above 0) and asks for copies, collation and page order,
// preset to all pages, one copy, collated, first page first; the pages
// chosen are then those of the document `layout` gives for the printer, when
// there is a `layout`. Without the dialog pages fromPage to toPage are
// printed once. True when a print job went out; false when the user
// cancelled, when the document has no page (no dialog opens), when the
// desktop cannot reach the printer before the dialog or after it (the
// program's error routine, ReportError, says kNoPrinterHandle once; nothing
// else is asked), when the pages chosen hold no page of the document or
// when the job failed (the user is told both).
bool PrintDocument(const TYrPrintDoc& doc, int16_t fromPage, int16_t selPage, int16_t toPage, bool showDialog,
                   QPrinter& printer = CurrentPrinter(), const LayoutForPrinter& layout = {});

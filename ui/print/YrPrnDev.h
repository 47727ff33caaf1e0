// Printer information: what the output needs to know about a printer, read
// from Qt's printer classes and converted to the units of the page documents.
//
// The names of the printer, its paper (Windows paper code, width and length
// of the paper in tenths of a millimetre, orientation), its resolution, the
// physical page and the printable area in device pixels, and the printing
// offset: the unprintable margin at the left and top, in pixels and in
// tenths of a millimetre. The printable area is the paper less the margins
// the printer cannot print on (its minimum margins), which is where the
// printer device puts its origin.
//
// Without a printer (none installed, or a printer object that neither
// reaches a printer nor writes a file) the values are those of A4 portrait
// at 600 dpi with no unprintable margin, and nothing is reported: the
// caller lays its pages out on A4 all the same. A paper the printer does not
// name counts as A4 as well, so no size here is ever 0.
//
// The information is a copy: it does not follow later changes of the
// printer; `Refresh` reads it again. GUI thread only; needs a
// QGuiApplication.
#pragma once

#include <cstdint>

#include <QString>

class QPrinter;

// The program's printer: the one printing uses and the printer set-up
// changes, so that a printer or paper chosen once stays chosen for the rest
// of the session. Made on first use at the printer's own resolution (with no
// printer installed it is Qt's PDF printer without a file) and destroyed
// with the application object.
QPrinter& CurrentPrinter();

// What printing says when the printer cannot be reached (no spooler, no
// queue, the queue gone): the printer driver gave no handle to print on.
inline constexpr char kNoPrinterHandle[] = "Printer driver error (no handle).";

class TYrPrinterInfos {
 public:
  static constexpr int32_t kDefaultDpi = 600;
  static constexpr int32_t kPortrait = 1;
  static constexpr int32_t kLandscape = 2;

  // Reads CurrentPrinter().
  TYrPrinterInfos();
  // Reads `printer`; the object keeps no reference to it.
  explicit TYrPrinterInfos(const QPrinter& printer);

  // Reads the printer again. True when the values are the printer's (or its
  // output file's); false, without any message, when there is no printer
  // and the values are those of A4 at 600 dpi.
  bool Refresh();
  bool Refresh(const QPrinter& printer);

  QString Device;  // the printer's name (empty without one)
  QString Driver;  // make and model
  QString Port;    // where it stands, as the printer system tells
  int32_t PaperSize = 0;      // Windows paper code (9 is A4); 0 when none fits
  int32_t PaperWidth = 0;     // the paper, upright, in tenths of a millimetre
  int32_t PaperLength = 0;
  int32_t Orientation = kPortrait;
  int32_t PhysWidth = 0;      // the whole paper in device pixels, as oriented
  int32_t PhysHeight = 0;
  int32_t HorzSize = 0;       // printable area in millimetres
  int32_t VertSize = 0;
  int32_t HorzRes = 0;        // printable area in device pixels
  int32_t VertRes = 0;
  int32_t LogPixelsX = 0;     // device pixels per inch
  int32_t LogPixelsY = 0;
  double PxPerMmX = 0;        // HorzRes / HorzSize (0 for a size of 0)
  double PxPerMmY = 0;
  int32_t OffsetXPx = 0;      // unprintable left and top margin in pixels
  int32_t OffsetYPx = 0;
  int32_t OffsetX = 0;        // the same in tenths of a millimetre
  int32_t OffsetY = 0;
  bool HasPrinter = false;    // an installed printer (not a file) was read
};

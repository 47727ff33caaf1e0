// The PDF device: renders a page document into a PDF file through the PDF
// writer (IOPDF.h). Every page becomes one PDF page with one content stream;
// every line, rectangle and text item becomes a few content operators.
//
// Positions: tenths of a millimetre become whole points, Round(v * 72 / 254)
// with halves to the even neighbour, and y is counted from the bottom of the
// page. Fonts: the faces map to the 14 standard fonts (Courier New to
// Courier, Times New Roman to Times, Arial to Helvetica, Symbol, Wingdings to
// ZapfDingbats), bold and italic to their variants; the font size is chosen
// so that capitals and descenders fill the item's cell height. Every text is
// drawn as one line: its box only places it (alignment left, right or
// centred; top, bottom edge or vertically centred), the flags for shrinking
// and word break, underline and strikeout have no effect here. A condensed
// text is drawn at 60 % width.
//
// Texts with Convert set are DOS code page and are converted to the Windows
// code page first; the writer's own mapping of the DOS umlauts then applies
// only to texts without Convert, so that a converted "á" stays "á".
//
// One device writes one file: it is made for a document, renders it with one
// PrintRange and is destroyed.
//
// Ownership: the device owns its writer. It owns its stream only when it
// created the file (the file constructor); a device made by `InitStream`
// writes to the caller's stream, which stays open and with its owner when
// the device is destroyed. The document is not owned.
//
// Errors: none are reported here; they stay in the stream's ErrorInfo,
// Status and FirstError. `PrintDocToPdf` tells whether the file was written.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>

#include "IOPDF.h"
#include "YrPDWin.h"
#include "YrStream.h"

// The PDF font number 1..14 of a face and style: bold and italic choose the
// variant of Courier New (1..4), Times New Roman (5..8) and Arial (9..12);
// Symbol is 13, Wingdings 14, face 0 and unknown faces Courier (1).
int PdfFontNumber(uint16_t face, uint8_t style);

class TYrPdfDevice : public TYrOutputDevice {
 public:
  // Creates (or empties) the file `fileName` and writes to it. When the file
  // cannot be created the stream keeps the failure (ErrorInfo, FirstError)
  // and every write goes nowhere. The paper is in tenths of a millimetre; an
  // unknown paper (a side of 0) becomes A4 portrait. `options` is copied
  // (none: empty document information, no compression).
  TYrPdfDevice(const TYrPrintDoc* doc, const std::string& fileName, int32_t pageWidth, int32_t pageHeight,
               const TPdfOptions* options);
  // The same on a stream the caller owns (and its only way to make one). The
  // stream must be empty; destroying the device frees only the writer, then
  // the caller closes the stream and tests its FirstError.
  static std::unique_ptr<TYrPdfDevice> InitStream(const TYrPrintDoc* doc, TYrStream& stream, int32_t pageWidth,
                                                  int32_t pageHeight, const TPdfOptions* options);
  // Frees the writer; closes and frees the stream only when the device
  // created it. Writes nothing: a document is complete after PrintRange.
  ~TYrPdfDevice() override;

  TYrStream& Stream() const { return *stream_; }

 protected:
  void DrawItem(const TYrPrintElement& item) override;
  // The file header and the fixed objects.
  void BeginDoc() override;
  void BeginPage(int16_t pageNo) override;
  void EndPage(int16_t pageNo) override;
  // Page tree, cross-reference table, trailer.
  void EndDoc() override;

 private:
  TYrPdfDevice(const TYrPrintDoc* doc, std::unique_ptr<TYrStream> owned, TYrStream* stream, int32_t pageWidth,
               int32_t pageHeight, const TPdfOptions* options);
  // `text` is in the Windows code page when `converted`, else it is written
  // with the writer's mapping of the DOS umlauts.
  void DrawText(const TYrTextElement& item, const std::string& text, bool converted);
  // Content of the open page: a line; numbers, each followed by a blank; and
  // the numbers with their operator as one line.
  void Line(std::string_view text);
  void Operands(std::initializer_list<int64_t> numbers);
  void Op(std::initializer_list<int64_t> numbers, std::string_view op);

  std::unique_ptr<TYrStream> ownedStream_;
  TYrStream* stream_;
  std::unique_ptr<TIOPdf> pdf_;
  // The open page's content, handed to the writer in one piece at the end
  // of the page: the file stream passes every write on to the system.
  std::string content_;
};

// Writes pages 1 to the last of `doc` into the file `fileName` and closes
// it. Returns false when the file could not be created or a write or its
// closing failed; the caller tells the user. The paper and options are
// those of the device's file constructor.
bool PrintDocToPdf(const TYrPrintDoc& doc, const std::string& fileName, int32_t pageWidth, int32_t pageHeight,
                   const TPdfOptions* options);

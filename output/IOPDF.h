// The PDF file writer and the metrics of the 14 standard fonts.
//
// `TIOPdf` writes a PDF 1.2 file object by object onto a stream: a fixed
// preamble (document information, catalog, outlines, procedure set,
// encoding, resources, the 14 standard Type 1 fonts F1..F14 as objects 8 to
// 21), then the pages one after the other (page object, content stream,
// length object; from object 22 on in threes), and at the end the page tree
// (object 4), the cross-reference table and the trailer. Every line ends with
// a single LF. It knows nothing about page documents: the caller writes the
// content operators of each page through `WriteLn` and `WriteText`.
//
// The stream is not owned: the caller opens it (empty) before `Begin` and
// closes it after disposing the writer. Write errors, including a failed
// compression of a content stream, stay in the stream's Status/FirstError for
// the caller to test; the writer reports nothing. The caller keeps to the
// order Begin, WriteFixedObjects, {NewPage, content, EndPage}, WritePagesObj,
// WriteXref, WriteTrailer; any number of pages may be written.
//
// Texts reach the writer in the Windows code page (CP1252), which is what
// WinAnsiEncoding shows. Numbers are written without the locale.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ShortString.h"
#include "YrObject.h"
#include "YrStream.h"
#include "Yrzlib.h"

// The document information written into the file, and whether the page
// content streams are deflated.
struct TPdfOptions {
  ShortString<255> Title;
  ShortString<255> Subject;
  ShortString<255> Author;
  ShortString<255> Keywords;
  ShortString<255> Creator;
  ShortString<255> CreationDate;
  ShortString<255> Producer;
  bool Compress = false;
};

// Font numbers 1..14 (resource names F1..F14).
constexpr int kPdfFontCount = 14;

struct TPdfFontInfo {
  const char* BaseFont;
  int Object;     // its object number (font number + 7)
  int Ascender;   // thousandths of the font size
  int CapHeight;
  int Descender;  // positive
};

// The font table entry of `font`; a number outside 1..14 counts as 1.
const TPdfFontInfo& PdfFontInfo(int font);

class TIOPdf : public TYrObject {
 public:
  // Page size in tenths of a millimetre; options are copied (none: all
  // texts empty, no compression).
  TIOPdf(int32_t width, int32_t height, const TPdfOptions* options = nullptr);
  // Forgets the stream: neither closes nor writes to it. A content stream
  // still open is dropped unfinished.
  ~TIOPdf() override;

  TIOPdf(const TIOPdf&) = delete;
  TIOPdf& operator=(const TIOPdf&) = delete;

  // Attaches the (empty) stream and writes the header.
  void Begin(TYrStream* stream);
  // Objects 1, 2, 3, 5, 6, 7 and the fonts 8 to 21.
  void WriteFixedObjects();
  // Page object, content-stream dictionary and "stream"; the content follows.
  void NewPage();
  // Ends the content stream and writes the length object.
  void EndPage();
  void WritePagesObj();
  void WriteXref();
  void WriteTrailer();

  // Bytes of `text` (into the compressor while a compressed content stream
  // is open).
  void Write(std::string_view text);
  void WriteLn(std::string_view text);
  // WriteLn of PdfTextShow(text, dosLetters).
  void WriteText(std::string_view text, bool dosLetters = true);
  void BeginObj(int32_t n);
  void EndObj();
  void WriteObj(int32_t n, std::string_view body);

  // The page size in points.
  int32_t WidthPt() const { return widthPt_; }
  int32_t HeightPt() const { return heightPt_; }
  // Byte offset of object n (0 while it is not written).
  int64_t ObjectOffset(int32_t n) const;

 private:
  void EndStream();

  TYrStream* stream_ = nullptr;
  std::unique_ptr<TYrCompressStream> compressor_;
  TPdfOptions options_;
  int32_t pageCount_ = 0;
  int32_t widthPt_;
  int32_t heightPt_;
  std::vector<int64_t> objectOffset_;  // index = object number
  int32_t objectCounter_ = 1;
  int64_t startXref_ = 0;
  std::vector<int32_t> pageObject_;  // index = page number - 1
  int64_t offset_ = 0;
  int64_t streamStart_ = 0;
  int64_t streamLength_ = 0;
  int32_t firstPageObject_ = 22;
  bool inStream_ = false;
};

// v tenths of a millimetre in points: v * 72 / 254.
double TenthMmToPt(int32_t v);
// Height of ascender plus descender at font size `size`, in the unit of size.
double PdfLineHeight(int32_t size, int font);
// Height of cap height plus descender at font size `size`.
double PdfCapHeight(int32_t size, int font);
// Width of the text's bytes at font size `size`, in the unit of size.
double PdfTextWidth(std::string_view text, int32_t size, int font);
// The text for a PDF string literal: backslash and parentheses escaped, with
// dosLetters the German letters of the DOS code page turned into their
// Windows bytes, cut at 255 characters (never inside an escape). A text that
// is already in the Windows code page must not be mapped: its bytes 0x81 to
// 0xE1 are other letters there ("á" would become "ß").
std::string PdfEscape(std::string_view text, bool dosLetters = true);
// The text-show line without its LF: "T* (" + PdfEscape(text, dosLetters)
// + ") Tj". A text already converted to the Windows code page passes
// dosLetters false.
std::string PdfTextShow(std::string_view text, bool dosLetters = true);
// Decimal n with leading "0" until it has `digits` characters.
std::string ZeroPadNumber(int64_t n, int digits);
// "D:YYYYMMDD120000" of the current date (ClockNow).
std::string PdfDateString();

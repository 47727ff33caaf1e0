#include "IOPDF.h"

#include <charconv>
#include <cmath>

#include "PdfFontMetrics.h"
#include "YrClock.h"

namespace {

constexpr char LF = '\n';

const TPdfFontInfo kFonts[kPdfFontCount] = {
    {"Courier", 8, 629, 562, 157},
    {"Courier-Bold", 9, 626, 562, 142},
    {"Courier-Oblique", 10, 629, 562, 157},
    {"Courier-BoldOblique", 11, 626, 562, 142},
    {"Times-Roman", 12, 683, 662, 217},
    {"Times-Bold", 13, 676, 676, 205},
    {"Times-Italic", 14, 683, 653, 205},
    {"Times-BoldItalic", 15, 699, 669, 205},
    {"Helvetica", 16, 718, 718, 207},
    {"Helvetica-Bold", 17, 718, 718, 207},
    {"Helvetica-Oblique", 18, 718, 718, 207},
    {"Helvetica-BoldOblique", 19, 718, 718, 207},
    {"Symbol", 20, 718, 718, 207},
    {"ZapfDingbats", 21, 718, 718, 207},
};

int FontIndex(int font) { return font >= 1 && font <= kPdfFontCount ? font - 1 : 0; }

// Decimal text of n; std::to_chars never looks at the locale.
std::string Num(int64_t n) {
  char buf[24];
  auto res = std::to_chars(buf, buf + sizeof buf, n);
  return std::string(buf, res.ptr);
}

// Tenths of a millimetre to whole points, halves to the even neighbour
// (nearbyint in the default rounding mode).
int32_t RoundPt(int32_t v) { return static_cast<int32_t>(std::nearbyint(v / 254.0 * 72.0)); }

// A value of the information dictionary inside "( )": only the bytes that
// would end the string early or swallow its closing parenthesis are escaped.
std::string EscapeInfo(std::string_view s) {
  std::string out;
  out.reserve(s.size() + 8);
  for (char c : s) {
    if (c == '\\' || c == '(' || c == ')') out.push_back('\\');
    out.push_back(c);
  }
  return out;
}

}  // namespace

const TPdfFontInfo& PdfFontInfo(int font) { return kFonts[FontIndex(font)]; }

// ---------------------------------------------------------------------------

TIOPdf::TIOPdf(int32_t width, int32_t height, const TPdfOptions* options)
    : widthPt_(RoundPt(width)), heightPt_(RoundPt(height)) {
  if (options) options_ = *options;
}

TIOPdf::~TIOPdf() {
  // The stream may already be closed and freed by its owner: the unfinished
  // compressor must not write into it.
  if (compressor_) compressor_->Abandon();
}

void TIOPdf::Write(std::string_view text) {
  if (inStream_ && compressor_) {
    while (!text.empty()) {
      auto n = static_cast<uint16_t>(text.size() < 0xFFFF ? text.size() : 0xFFFF);
      compressor_->Write(text.data(), n);
      text.remove_prefix(n);
    }
    offset_ = streamStart_ + compressor_->BytesOut();
    return;
  }
  while (!text.empty()) {
    auto n = static_cast<uint16_t>(text.size() < 0xFFFF ? text.size() : 0xFFFF);
    if (stream_) stream_->Write(text.data(), n);
    offset_ += n;
    text.remove_prefix(n);
  }
}

void TIOPdf::WriteLn(std::string_view text) {
  std::string line;
  line.reserve(text.size() + 1);
  line.append(text);
  line.push_back(LF);
  Write(line);
}

void TIOPdf::WriteText(std::string_view text, bool dosLetters) { WriteLn(PdfTextShow(text, dosLetters)); }

void TIOPdf::BeginObj(int32_t n) {
  if (n >= 1) {
    if (static_cast<size_t>(n) >= objectOffset_.size()) objectOffset_.resize(static_cast<size_t>(n) + 1, 0);
    objectOffset_[static_cast<size_t>(n)] = offset_;
  }
  Write(Num(n) + " 0 obj");
}

void TIOPdf::EndObj() {
  WriteLn("endobj");
  ++objectCounter_;
}

void TIOPdf::WriteObj(int32_t n, std::string_view body) {
  BeginObj(n);
  Write(body);
  EndObj();
}

int64_t TIOPdf::ObjectOffset(int32_t n) const {
  return n >= 1 && static_cast<size_t>(n) < objectOffset_.size() ? objectOffset_[static_cast<size_t>(n)] : 0;
}

void TIOPdf::Begin(TYrStream* stream) {
  stream_ = stream;
  WriteLn("%PDF-1.2");
  WriteLn("%\xE2\xE3\xCF\xD3");
}

void TIOPdf::WriteFixedObjects() {
  BeginObj(1);
  Write("<</Producer(" + EscapeInfo(options_.Producer.Str()) + ")");
  Write("/CreationDate(" + EscapeInfo(options_.CreationDate.Str()) + ")");
  Write("/Title(" + EscapeInfo(options_.Title.Str()) + ")");
  Write("/Author(" + EscapeInfo(options_.Author.Str()) + ")");
  Write("/Creator(" + EscapeInfo(options_.Creator.Str()) + ")");
  Write("/Keywords(" + EscapeInfo(options_.Keywords.Str()) + ")");
  Write("/Subject(" + EscapeInfo(options_.Subject.Str()) + ")>>");
  EndObj();

  BeginObj(2);
  Write("<</Type /Catalog");
  Write("/Pages 4 0 R");
  Write("/PageMode/UseNone");
  Write("/Outlines 3 0 R");
  Write(">>");
  EndObj();

  BeginObj(3);
  Write("<<");
  Write("/Type /Outlines");
  Write("/Count 0");
  Write(">>");
  EndObj();

  WriteObj(5, "[/PDF/Text]");
  WriteObj(6, "<</Type/Encoding/BaseEncoding/WinAnsiEncoding>>");

  BeginObj(7);
  Write("<</Font <<");
  for (int f = 1; f <= kPdfFontCount; ++f) Write("/F" + Num(f) + " " + Num(f + 7) + " 0 R");
  Write(">>/ProcSet 5 0 R>>");
  EndObj();

  for (int f = 1; f <= kPdfFontCount; ++f) {
    const TPdfFontInfo& info = kFonts[f - 1];
    std::string body = std::string("<</Type/Font/Subtype/Type1/BaseFont/") + info.BaseFont;
    // Symbol and ZapfDingbats keep their own encodings.
    body += f <= 12 ? "/Encoding 6 0 R>>" : ">>";
    WriteObj(info.Object, body);
  }
  // Object 4, the page tree, is written last, when the pages are known.
  firstPageObject_ = objectCounter_ + 1;
}

void TIOPdf::NewPage() {
  const int32_t p = firstPageObject_ + 3 * pageCount_;
  ++pageCount_;
  pageObject_.push_back(p);

  BeginObj(p);
  Write("<</Type/Page/Parent 4 0 R/Contents " + Num(p + 1) + " 0 R>>");
  EndObj();

  BeginObj(p + 1);
  Write("<</Length " + Num(p + 2) + " 0 R " +
        (options_.Compress ? "/Filter [/FlateDecode ]" : "/Filter []") + ">>");
  WriteLn("stream");
  streamStart_ = offset_;
  if (options_.Compress) compressor_ = std::make_unique<TYrCompressStream>(3, stream_);
  inStream_ = true;
}

void TIOPdf::EndStream() {
  if (compressor_) {
    compressor_->Finish();
    offset_ = streamStart_ + compressor_->BytesOut();
    compressor_.reset();
  }
  streamLength_ = offset_ - streamStart_;
  inStream_ = false;
  WriteLn("endstream");
}

void TIOPdf::EndPage() {
  const int32_t p = pageObject_.empty() ? firstPageObject_ : pageObject_.back();
  EndStream();
  EndObj();
  BeginObj(p + 2);
  WriteLn("");
  WriteLn(Num(streamLength_));
  EndObj();
}

void TIOPdf::WritePagesObj() {
  BeginObj(4);
  Write("<</Type /Pages");
  Write("/MediaBox [0 0 " + Num(widthPt_) + " " + Num(heightPt_) + "]");
  Write("/Resources 7 0 R");
  Write("/Count " + Num(pageCount_));
  // Built from the pages actually begun, so that a document without pages
  // still gets a well-formed (empty) array.
  std::string kids = "/Kids [";
  for (size_t k = 0; k < pageObject_.size(); ++k) {
    if (k) kids += ' ';
    kids += Num(pageObject_[k]) + " 0 R";
  }
  Write(kids);
  Write("]>>");
  EndObj();
}

void TIOPdf::WriteXref() {
  startXref_ = offset_;
  WriteLn("xref");
  WriteLn("0 " + Num(objectCounter_) + " ");
  WriteLn("0000000000 65535 f ");
  for (int32_t n = 1; n < objectCounter_; ++n) WriteLn(ZeroPadNumber(ObjectOffset(n), 10) + " 00000 n ");
}

void TIOPdf::WriteTrailer() {
  WriteLn("trailer");
  WriteLn("<</Size " + Num(objectCounter_) + "/Root 2 0 R/Info 1 0 R>>");
  WriteLn("startxref");
  WriteLn(Num(startXref_));
  WriteLn("%%EOF");
}

// ---------------------------------------------------------------------------

double TenthMmToPt(int32_t v) { return static_cast<double>(static_cast<int64_t>(v) * 72) / 254.0; }

double PdfLineHeight(int32_t size, int font) {
  const TPdfFontInfo& f = PdfFontInfo(font);
  return (f.Ascender + f.Descender) / 1000.0 * size;
}

double PdfCapHeight(int32_t size, int font) {
  const TPdfFontInfo& f = PdfFontInfo(font);
  return (f.CapHeight + f.Descender) / 1000.0 * size;
}

double PdfTextWidth(std::string_view text, int32_t size, int font) {
  if (text.empty()) return 0;
  const int index = FontIndex(font);
  int64_t sum = 0;
  if (index + 1 < kPdfFirstWidthFont) {
    for (char c : text) {
      auto b = static_cast<uint8_t>(c);
      sum += b >= 1 && b <= 31 ? 0 : 600;
    }
  } else {
    const int16_t* widths = kPdfWidthTables[index + 1 - kPdfFirstWidthFont];
    for (char c : text) sum += widths[static_cast<uint8_t>(c)];
  }
  return static_cast<double>(size) * static_cast<double>(sum) / 1000.0;
}

std::string PdfEscape(std::string_view text, bool dosLetters) {
  constexpr size_t kMax = 255;
  std::string out;
  out.reserve(text.size() < kMax ? text.size() + 8 : kMax);
  for (char c : text) {
    char piece[2];
    size_t n = 1;
    const auto b = static_cast<uint8_t>(c);
    // Without dosLetters every high byte stands for itself (0 reaches default).
    switch (b >= 0x80 && !dosLetters ? 0 : b) {
      case '\\': piece[0] = '\\'; piece[1] = '\\'; n = 2; break;
      case '(': piece[0] = '\\'; piece[1] = '('; n = 2; break;
      case ')': piece[0] = '\\'; piece[1] = ')'; n = 2; break;
      // The German letters of the DOS code page, as WinAnsiEncoding has them.
      case 0x84: piece[0] = '\xE4'; break;
      case 0x94: piece[0] = '\xF6'; break;
      case 0x81: piece[0] = '\xFC'; break;
      case 0x8E: piece[0] = '\xC4'; break;
      case 0x99: piece[0] = '\xD6'; break;
      case 0x9A: piece[0] = '\xDC'; break;
      case 0xE1: piece[0] = '\xDF'; break;
      default: piece[0] = c; break;
    }
    // A lone backslash at the cut would escape the closing parenthesis of
    // the literal and break the content stream: stop before the pair.
    if (out.size() + n > kMax) break;
    out.append(piece, n);
  }
  return out;
}

std::string PdfTextShow(std::string_view text, bool dosLetters) {
  return "T* (" + PdfEscape(text, dosLetters) + ") Tj";
}

std::string ZeroPadNumber(int64_t n, int digits) {
  std::string s = Num(n);
  if (digits > 0 && s.size() < static_cast<size_t>(digits)) s.insert(0, static_cast<size_t>(digits) - s.size(), '0');
  return s;
}

std::string PdfDateString() {
  const TYrDateTime now = ClockNow();
  return "D:" + ZeroPadNumber(now.Year, 4) + ZeroPadNumber(now.Month, 2) + ZeroPadNumber(now.Day, 2) + "120000";
}

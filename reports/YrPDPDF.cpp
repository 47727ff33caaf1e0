#include "YrPDPDF.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <utility>

#include "YrText.h"

namespace {

// Tenths of a millimetre to whole points, halves to the even neighbour.
int32_t Pt(int32_t v) { return static_cast<int32_t>(std::nearbyint(TenthMmToPt(v))); }

int32_t RoundInt(double v) { return static_cast<int32_t>(std::nearbyint(v)); }

// v with three decimals, right-aligned in eight characters, without the
// locale.
std::string Fixed8(double v) {
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 3);
  std::string s(buf, res.ptr);
  if (s.size() < 8) s.insert(0, 8 - s.size(), ' ');
  return s;
}

std::string Colour(uint8_t index) {
  switch (index) {
    case kColourWhite: return "1 1 1";
    case kColourRed: return "1 0 0";
    case kColourGreen: return "0 1 0";
    case kColourBlue: return "0 0 1";
    default: return "0 0 0";
  }
}

}  // namespace

int PdfFontNumber(uint16_t face, uint8_t style) {
  const int offset = (style & kStyleBold ? 1 : 0) + (style & kStyleItalic ? 2 : 0);
  switch (face) {
    case kFaceCourierNew: return 1 + offset;
    case kFaceTimesNewRoman: return 5 + offset;
    case kFaceArial: return 9 + offset;
    case kFaceSymbol: return 13;
    case kFaceWingdings: return 14;
    default: return 1;
  }
}

// ---------------------------------------------------------------------------

TYrPdfDevice::TYrPdfDevice(const TYrPrintDoc* doc, std::unique_ptr<TYrStream> owned, TYrStream* stream,
                           int32_t pageWidth, int32_t pageHeight, const TPdfOptions* options)
    : TYrOutputDevice(doc),
      ownedStream_(std::move(owned)),
      stream_(stream ? stream : ownedStream_.get()) {
  SetPaper(pageWidth, pageHeight);
  pdf_ = std::make_unique<TIOPdf>(PageWidth, PageHeight, options);
}

TYrPdfDevice::TYrPdfDevice(const TYrPrintDoc* doc, const std::string& fileName, int32_t pageWidth,
                           int32_t pageHeight, const TPdfOptions* options)
    : TYrPdfDevice(doc, std::make_unique<TYrStream>(fileName, stCreate), nullptr, pageWidth, pageHeight, options) {}

std::unique_ptr<TYrPdfDevice> TYrPdfDevice::InitStream(const TYrPrintDoc* doc, TYrStream& stream, int32_t pageWidth,
                                                       int32_t pageHeight, const TPdfOptions* options) {
  return std::unique_ptr<TYrPdfDevice>(
      new TYrPdfDevice(doc, nullptr, &stream, pageWidth, pageHeight, options));
}

TYrPdfDevice::~TYrPdfDevice() {
  pdf_.reset();
  ownedStream_.reset();
}

void TYrPdfDevice::BeginDoc() {
  pdf_->Begin(stream_);
  pdf_->WriteFixedObjects();
}

void TYrPdfDevice::BeginPage(int16_t) {
  pdf_->NewPage();
  content_.clear();
}

void TYrPdfDevice::EndPage(int16_t) {
  pdf_->Write(content_);
  content_.clear();
  pdf_->EndPage();
}

void TYrPdfDevice::EndDoc() {
  pdf_->WritePagesObj();
  pdf_->WriteXref();
  pdf_->WriteTrailer();
}

void TYrPdfDevice::Line(std::string_view text) {
  content_ += text;
  content_ += '\n';
}

void TYrPdfDevice::Operands(std::initializer_list<int64_t> numbers) {
  for (int64_t n : numbers) {
    char buf[24];
    auto res = std::to_chars(buf, buf + sizeof buf, n);
    content_.append(buf, res.ptr);
    content_ += ' ';
  }
}

void TYrPdfDevice::Op(std::initializer_list<int64_t> numbers, std::string_view op) {
  Operands(numbers);
  Line(op);
}

void TYrPdfDevice::DrawItem(const TYrPrintElement& item) {
  const int32_t h = pdf_->HeightPt();
  if (const TYrLineElement* l = item.AsLine()) {
    Op({Pt(l->PenWidth)}, "w");
    Line(Colour(l->Colour) + " RG");
    Operands({Pt(l->X1), h - Pt(l->Y1)});
    content_ += "m ";
    Op({Pt(l->X2), h - Pt(l->Y2)}, "l S");
  } else if (const TYrRectElement* r = item.AsRect()) {
    Op({Pt(r->PenWidth)}, "w");
    Line(Colour(r->Colour) + " RG");
    if (r->Filled) Line(Colour(r->FillColour) + " rg");
    Op({Pt(r->X1), h - Pt(r->Y2), Pt(r->X2 - r->X1), Pt(r->Y2 - r->Y1)}, "re");
    Line(r->Filled ? "B" : "S");
  } else if (const TYrTextElement* t = item.AsText()) {
    if (t->Text.empty() || t->X1 == 0) return;
    if (t->Convert)
      DrawText(*t, OemToAnsi(t->Text), true);
    else
      DrawText(*t, t->Text, false);
  }
}

void TYrPdfDevice::DrawText(const TYrTextElement& item, const std::string& text, bool converted) {
  const int font = PdfFontNumber(item.Face, item.Style);
  const bool condensed = item.Style & kStyleCondensed;
  const double lineHeight = PdfLineHeight(item.Size, font);
  // Capitals and descenders fill the cell height; a size of 0 draws at 0.
  const double fontSize = lineHeight > 0 ? TenthMmToPt(item.Size) * PdfCapHeight(item.Size, font) / lineHeight : 0;

  Line("q");
  Line("BT");
  Line(Colour(item.Colour) + " rg");
  content_ += "/F";
  Op({font}, Fixed8(fontSize) + " Tf");

  const int64_t boxW = std::llabs(static_cast<int64_t>(item.X1) - item.X2);
  const int64_t boxH = std::llabs(static_cast<int64_t>(item.Y2) - item.Y1);
  double tw = PdfTextWidth(text, item.Size, font);
  if (condensed) tw *= 0.6;
  double th = lineHeight;
  if (tw > boxW) tw = static_cast<double>(boxW);
  if (th > boxH) th = static_cast<double>(boxH);

  // The baseline sits on the bottom edge of the box unless the alignment
  // moves it.
  int64_t x = item.X1;
  int64_t y = item.Y2;
  if (item.Alignment & kAlignCentre) x += RoundInt((boxW - tw) * 0.5);
  if (item.Alignment & kAlignRight) x = item.X2 - RoundInt(tw);
  if (item.Alignment & kAlignTop) y = item.Y1 + RoundInt(th);
  if (item.Alignment & kAlignMiddle) y -= RoundInt((boxH - th) * 0.5);

  Op({1, 0, 0, 1, Pt(static_cast<int32_t>(x)), pdf_->HeightPt() - Pt(static_cast<int32_t>(y))}, "Tm");
  if (condensed) Line("60 Tz");
  Line(PdfTextShow(text, !converted));
  Line("ET");
  Line("Q");
}

// ---------------------------------------------------------------------------

bool PrintDocToPdf(const TYrPrintDoc& doc, const std::string& fileName, int32_t pageWidth, int32_t pageHeight,
                   const TPdfOptions* options) {
  TYrPdfDevice device(&doc, fileName, pageWidth, pageHeight, options);
  if (device.Stream().ErrorInfo != 0) return false;
  device.PrintRange(1, doc.LastPageNo());
  // A buffered stream may only fail when it writes out its rest.
  device.Stream().Close();
  return device.Stream().FirstError == 0;
}

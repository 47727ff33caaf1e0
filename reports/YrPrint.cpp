#include "YrPrint.h"

#include <algorithm>

namespace {

std::string Cut255(const std::string& s) { return s.size() <= 255 ? s : s.substr(0, 255); }

}  // namespace

// ---------------------------------------------------------------------------
// Items

TYrPrintElement::TYrPrintElement(int32_t x1, int32_t y1, int32_t x2, int32_t y2, uint8_t colour)
    : TYrPrintElement(kBare, x1, y1, x2, y2, colour) {}

TYrPrintElement::TYrPrintElement(uint8_t kind, int32_t x1, int32_t y1, int32_t x2, int32_t y2, uint8_t colour)
    : Kind(kind), X1(x1), X2(x2), Y1(y1), Y2(y2), Colour(colour) {}

const TYrLineElement* TYrPrintElement::AsLine() const {
  return Kind == kLine ? static_cast<const TYrLineElement*>(this) : nullptr;
}

const TYrRectElement* TYrPrintElement::AsRect() const {
  return Kind == kRect ? static_cast<const TYrRectElement*>(this) : nullptr;
}

const TYrTextElement* TYrPrintElement::AsText() const {
  return Kind == kText ? static_cast<const TYrTextElement*>(this) : nullptr;
}

TYrLineElement::TYrLineElement(int32_t x1, int32_t y1, int32_t x2, int32_t y2, uint8_t colour, int32_t penWidth)
    : TYrPrintElement(kLine, x1, y1, x2, y2, colour), PenWidth(penWidth) {}

TYrRectElement::TYrRectElement(int32_t x1, int32_t y1, int32_t x2, int32_t y2, uint8_t colour, bool filled,
                               uint8_t fillColour, int32_t penWidth)
    : TYrPrintElement(kRect, x1, y1, x2, y2, colour), Filled(filled), FillColour(fillColour), PenWidth(penWidth) {}

TYrTextElement::TYrTextElement(int32_t x1, int32_t y1, int32_t x2, int32_t y2, uint8_t colour)
    : TYrPrintElement(kText, x1, y1, x2, y2, colour) {}

void TYrTextElement::SetText(const std::string& text) { Text = Cut255(text); }

// ---------------------------------------------------------------------------
// TYrPrintPage

TYrPrintPage::TYrPrintPage(uint16_t pageNo) : TYrCollection(100, 10), PageNo(pageNo) {}

TYrPrintPage::~TYrPrintPage() {
  for (int i = 0; i < GetCount(); ++i) delete At(i);
  DeleteAll();
}

int TYrPrintPage::Compare(const TYrObject* key1, const TYrObject* key2) const {
  const int32_t a = static_cast<const TYrPrintElement*>(key1)->Y1;
  const int32_t b = static_cast<const TYrPrintElement*>(key2)->Y1;
  return a < b ? -1 : a > b ? 1 : 0;
}

void TYrPrintPage::AddLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2, uint8_t colour, int16_t penWidth) {
  Insert(new TYrLineElement(x1, y1, x2, y2, colour, penWidth));
}

void TYrPrintPage::AddRect(int32_t x1, int32_t y1, int32_t x2, int32_t y2, uint8_t colour, bool filled,
                           uint8_t fillColour, int16_t penWidth) {
  Insert(new TYrRectElement(x1, y1, x2, y2, colour, filled, fillColour, penWidth));
}

void TYrPrintPage::InsertText(int32_t x1, int32_t y1, int32_t x2, int32_t y2, const std::string& text,
                              uint16_t face, uint16_t size, uint8_t alignment, uint8_t colour, uint8_t style,
                              bool convert) {
  auto* t = new TYrTextElement(x1, y1, x2, y2, colour);
  t->Face = face;
  t->Style = style;
  t->Size = size;
  t->SetText(text);
  t->Alignment = alignment;
  t->Convert = convert;
  Insert(t);
}

void TYrPrintPage::AddTextEx(int32_t x1, int32_t y1, int32_t x2, int32_t y2, const std::string& text,
                             uint16_t face, uint16_t size, uint8_t alignment, uint8_t style, bool convert) {
  InsertText(x1, y1, x2, y2, text, face, size, alignment, TextColour, style, convert);
}

void TYrPrintPage::AddText(int32_t x1, int32_t y1, int32_t x2, int32_t y2, const std::string& text,
                           uint16_t face, uint16_t size, uint8_t alignment, uint8_t style) {
  AddTextEx(x1, y1, x2, y2, text, face, size, alignment, style, true);
}

// ---------------------------------------------------------------------------
// TYrPrintDoc

TYrPrintDoc::TYrPrintDoc(const std::string& title) : TYrSortedCollection(10, 10), title_(Cut255(title)) {
  SetDuplicates(true);
}

TYrPrintDoc::~TYrPrintDoc() = default;

TYrPrintPage* TYrPrintDoc::Page(int pageNo) const {
  if (pageNo < 1 || pageNo > GetCount()) return nullptr;
  return At(pageNo - 1);
}

int TYrPrintDoc::Compare(const TYrObject* key1, const TYrObject* key2) const {
  const auto a = static_cast<int16_t>(static_cast<const TYrPrintPage*>(key1)->PageNo);
  const auto b = static_cast<int16_t>(static_cast<const TYrPrintPage*>(key2)->PageNo);
  return a < b ? -1 : a > b ? 1 : 0;
}

TYrPrintPage& TYrPrintDoc::AppendPage() {
  auto* page = new TYrPrintPage(static_cast<uint16_t>(GetCount() + 1));
  Insert(page);
  return *page;
}

void TYrPrintDoc::BeginDocument(int32_t left, int32_t top, int32_t right, int32_t bottomLimit, bool pageBreak,
                                uint16_t startPage) {
  left_ = left;
  top_ = top;
  right_ = right;
  bottomLimit_ = bottomLimit;
  pageBreak_ = pageBreak;
  currentY_ = 0;
  if (GetCount() == 0) AppendPage();
  currentPage_ = std::clamp<int32_t>(startPage, 1, GetCount());
  inBlock_ = false;
  blockPage_.reset();
  blockStartY_ = 0;
}

void TYrPrintDoc::SetFont(uint16_t face, int16_t size, uint8_t alignment, uint8_t style, bool convert) {
  fontFace_ = face;
  fontSize_ = size;
  fontAlignment_ = alignment;
  fontStyle_ = style;
  fontConvert_ = convert;
}

void TYrPrintDoc::AddTextLine(const std::string& text) {
  // Breaking before the line keeps it above the bottom limit, where the
  // reports leave room for their footer. A line that does not fit even at
  // the top of a page stays where it is, and the lines of the page head may
  // not break (they would start the next head, and so on without end).
  if (!inBlock_ && pageBreak_ && !inPageStarted_ && currentY_ > 0 && top_ + currentY_ + fontSize_ > bottomLimit_)
    NewPage();
  TYrPrintPage* page = inBlock_ ? blockPage_.get() : Page(currentPage_);
  if (page == nullptr) return;  // no BeginDocument yet
  const int32_t y1 = top_ + currentY_;
  const int32_t y2 = y1 + fontSize_;
  currentY_ += fontSize_;
  page->AddTextEx(left_, y1, right_, y2, text, fontFace_, static_cast<uint16_t>(fontSize_), fontAlignment_,
                  fontStyle_, fontConvert_);
}

void TYrPrintDoc::NewPage() {
  if (inBlock_) EndBlock();
  currentY_ = 0;
  ++currentPage_;
  if (currentPage_ > GetCount()) AppendPage();
  const bool nested = inPageStarted_;
  inPageStarted_ = true;
  PageStarted();
  inPageStarted_ = nested;
}

void TYrPrintDoc::BeginBlock() {
  if (blockPage_ || inBlock_) EndBlock();
  inBlock_ = true;
  blockPage_ = std::make_unique<TYrPrintPage>(1);
  blockStartY_ = currentY_;
}

void TYrPrintDoc::EndBlock() {
  if (!inBlock_ || !blockPage_) return;
  inBlock_ = false;
  // The block page leaves the document's hands first, so that the pages
  // started below cannot close it a second time.
  const std::unique_ptr<TYrPrintPage> block = std::move(blockPage_);
  bool moving = top_ + currentY_ > bottomLimit_;
  if (currentY_ - blockStartY_ > bottomLimit_ - top_) moving = false;  // fits on no page
  if (moving) NewPage();
  TYrPrintPage* page = Page(currentPage_);
  for (int i = 0; i < block->GetCount(); ++i) {
    TYrPrintElement* item = block->At(i);
    const int32_t h = item->Y2 - item->Y1;
    // Before the first item this asks whether a line of the block's kind
    // still fits below it: a block ending less than that above the limit
    // moves whole.
    if (h + top_ + currentY_ > bottomLimit_) {
      NewPage();
      page = Page(currentPage_);
      moving = true;
      BlockMoved();
    }
    if (moving) {
      item->Y1 = top_ + currentY_;
      item->Y2 = item->Y1 + h;
      currentY_ += h;
    }
    if (page != nullptr) page->Insert(item);
    else delete item;
  }
  block->DeleteAll();  // the items belong to the pages now
  blockStartY_ = currentY_;
}

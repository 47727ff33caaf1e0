// The page document: the device-independent picture of a printout.
//
// A document is a list of pages numbered 1, 2, 3, ... without gaps; a page is
// a list of items (lines, rectangles, texts) in the order they were added,
// which is the order in which the output devices draw them. Report builders
// fill a document, either by placing items on a page at fixed positions
// (`TYrPrintPage::AddText`, `AddLine`, `AddRect`) or through the flowing
// layout cursor of `TYrPrintDoc`, which writes one text line below the other,
// starts new pages and keeps blocks of lines together. Devices only read it:
// `PageCount`, `Page(n)` for n = 1..PageCount, and each page's items by index.
//
// Units: every coordinate and size is a signed 32-bit number in tenths of a
// millimetre, measured from the top-left corner of the paper, y growing
// downwards. An A4 portrait page is 2100 by 2970.
//
// Fonts are not resolved here: a text carries a face index (kFace*), a style
// set (kStyle* flags) and a size, the font's cell height in tenths of a
// millimetre; in the flowing layout the size is also the line height. Colours
// are indexes (kColour*); any other value draws black. Alignment is a set of
// kAlign* flags that place a text inside its box; the devices interpret them.
// Texts are bytes; with `Convert` set the devices take them as DOS code page
// and convert before drawing (every report sets it).
//
// Ownership: the document owns its pages and a page owns its items; both
// dispose them when destroyed. The page operations create the items; a page
// taken into a document by `Insert` must come from `new` and belongs to the
// document from then on. The page of an open keep-together block belongs to
// the document too, also when the document is destroyed with the block open.
//
// Single-threaded; nothing here reports errors. Page and item lists are the
// program's collections: exceeding their limits is a programming error that
// ends the program (YrCollection.h).
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "YrCollection.h"

// Colour indexes.
constexpr uint8_t kColourBlack = 0;
constexpr uint8_t kColourWhite = 1;
constexpr uint8_t kColourRed = 2;
constexpr uint8_t kColourGreen = 3;
constexpr uint8_t kColourBlue = 4;

// Font faces (0 is Courier New as well).
constexpr uint16_t kFaceCourierNew = 1;
constexpr uint16_t kFaceTimesNewRoman = 2;
constexpr uint16_t kFaceArial = 3;
constexpr uint16_t kFaceSymbol = 4;
constexpr uint16_t kFaceWingdings = 5;

// Style flags; an empty set is the plain font.
constexpr uint8_t kStylePlain = 0;
constexpr uint8_t kStyleBold = 1;
constexpr uint8_t kStyleItalic = 2;
constexpr uint8_t kStyleUnderline = 4;
constexpr uint8_t kStyleStrikeout = 8;
constexpr uint8_t kStyleCondensed = 16;  // characters drawn at 60 % width

// Alignment flags inside the box X1..X2, Y1..Y2. Top and left are the
// default placement; devices need not test their bits.
constexpr uint8_t kAlignTop = 1;
constexpr uint8_t kAlignBottom = 2;
constexpr uint8_t kAlignLeft = 4;
constexpr uint8_t kAlignRight = 8;
constexpr uint8_t kAlignCentre = 16;         // horizontally
constexpr uint8_t kAlignMiddle = 32;         // vertically
constexpr uint8_t kAlignShrink = 64;         // smaller font until the text fits the box width
constexpr uint8_t kAlignWordBreak = 128;
constexpr uint8_t kAlignDefault = kAlignTop | kAlignLeft;  // 5

class TYrLineElement;
class TYrRectElement;
class TYrTextElement;

// Base of every item. The fields are public: builders and the layout cursor
// set them, devices read them.
class TYrPrintElement : public TYrObject {
 public:
  static constexpr uint8_t kBare = 0;
  static constexpr uint8_t kLine = 1;
  static constexpr uint8_t kRect = 2;
  static constexpr uint8_t kText = 3;

  // A bare element (kind 0). Note the argument order x1, y1, x2, y2.
  TYrPrintElement(int32_t x1, int32_t y1, int32_t x2, int32_t y2, uint8_t colour);
  TYrPrintElement(const TYrPrintElement&) = delete;
  TYrPrintElement& operator=(const TYrPrintElement&) = delete;

  const uint8_t Kind;
  int32_t X1;  // left, or where a line starts
  int32_t X2;  // right, or where a line ends
  int32_t Y1;  // top, or where a line starts
  int32_t Y2;  // bottom, or where a line ends
  uint8_t Colour;

  // The item as its kind; nullptr when it is of another kind.
  const TYrLineElement* AsLine() const;
  const TYrRectElement* AsRect() const;
  const TYrTextElement* AsText() const;

 protected:
  TYrPrintElement(uint8_t kind, int32_t x1, int32_t y1, int32_t x2, int32_t y2, uint8_t colour);
};

// A line from (X1, Y1) to (X2, Y2).
class TYrLineElement : public TYrPrintElement {
 public:
  TYrLineElement(int32_t x1, int32_t y1, int32_t x2, int32_t y2, uint8_t colour, int32_t penWidth);
  int32_t PenWidth;
};

// A rectangle framed in Colour, filled with FillColour only when Filled.
class TYrRectElement : public TYrPrintElement {
 public:
  TYrRectElement(int32_t x1, int32_t y1, int32_t x2, int32_t y2, uint8_t colour, bool filled, uint8_t fillColour,
                 int32_t penWidth);
  bool Filled;
  uint8_t FillColour;
  int32_t PenWidth;
};

// A text in the box X1..X2, Y1..Y2. Created empty with the defaults below.
class TYrTextElement : public TYrPrintElement {
 public:
  static constexpr size_t kMaxText = 255;

  TYrTextElement(int32_t x1, int32_t y1, int32_t x2, int32_t y2, uint8_t colour);
  // Cut to kMaxText bytes.
  void SetText(const std::string& text);

  uint16_t Face = kFaceCourierNew;
  uint8_t Style = kStylePlain;
  uint16_t Size = 43;
  std::string Text;  // at most kMaxText bytes
  uint8_t Alignment = kAlignDefault;
  bool Convert = false;  // Text is DOS code page: convert before drawing
};

// One page: its items in drawing order. Owns them.
class TYrPrintPage : public TYrCollection {
 public:
  // Empty page (room for 100 items, growing by 10).
  explicit TYrPrintPage(uint16_t pageNo);
  // Disposes the items still held.
  ~TYrPrintPage() override;

  using TYrCollection::At;
  TYrPrintElement* At(int index) const { return TYrCollection::At<TYrPrintElement>(index); }

  // Two items by Y1: -1 when the first is higher on the page, 1 when lower.
  int Compare(const TYrObject* key1, const TYrObject* key2) const;

  // Each creates one item and appends it.
  void AddLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2, uint8_t colour, int16_t penWidth);
  void AddRect(int32_t x1, int32_t y1, int32_t x2, int32_t y2, uint8_t colour, bool filled, uint8_t fillColour,
               int16_t penWidth);
  void InsertText(int32_t x1, int32_t y1, int32_t x2, int32_t y2, const std::string& text, uint16_t face,
                  uint16_t size, uint8_t alignment, uint8_t colour, uint8_t style, bool convert);
  // InsertText in the page's TextColour.
  void AddTextEx(int32_t x1, int32_t y1, int32_t x2, int32_t y2, const std::string& text, uint16_t face,
                 uint16_t size, uint8_t alignment, uint8_t style, bool convert);
  // AddTextEx of a DOS code page text: how builders place texts at fixed
  // positions.
  void AddText(int32_t x1, int32_t y1, int32_t x2, int32_t y2, const std::string& text, uint16_t face,
               uint16_t size, uint8_t alignment, uint8_t style);

  uint16_t PageNo;
  uint8_t TextColour = kColourBlack;  // of texts added by AddText and AddTextEx
};

// The document with its flowing layout cursor.
//
// Flowing text: `BeginDocument` sets the frame (left and right edge of the
// lines, the y of the first line on every page, the bottom limit) and the
// page to continue on; `SetFont` the attributes of the following lines;
// `AddTextLine` puts one line at Top + CurrentY on the current page and moves
// CurrentY down by the font size. A line that would pass the bottom limit
// starts a new page first (when page breaks are on). `NewPage` continues at
// the top of the next page, creating it when needed, and then calls
// `PageStarted`, where reports put the footer and the repeated column head.
//
// Keep-together blocks: lines between `BeginBlock` and `EndBlock` are
// collected aside. `EndBlock` leaves them where they were written when the
// block ends with at least one line's room above the bottom limit; otherwise
// the whole block moves to the next page (below what `PageStarted` wrote
// there), its lines restacked one below the other from the top. A block
// taller than a page goes to the next page and continues over as many pages
// as it needs. A block therefore should hold one item per line.
//
// Items placed on pages directly do not move the cursor.
class TYrPrintDoc : public TYrSortedCollection {
 public:
  // Empty document: no page, every layout field 0. The title (cut to 255) is
  // the printer job's name and the preview's caption.
  explicit TYrPrintDoc(const std::string& title);
  // Disposes every page with its items, and an open block's lines.
  ~TYrPrintDoc() override;

  // --- reading
  int PageCount() const { return GetCount(); }
  // The number of the last page as the devices take page numbers (16 bits);
  // a document never holds more pages than kMaxCollectionSize, so it fits.
  int16_t LastPageNo() const { return GetCount(); }
  // Page n = 1..PageCount (the page at index n - 1); nullptr for another n.
  TYrPrintPage* Page(int pageNo) const;
  using TYrCollection::At;
  TYrPrintPage* At(int index) const { return TYrCollection::At<TYrPrintPage>(index); }
  const std::string& Title() const { return title_; }

  // Pages by number (signed 16-bit).
  int Compare(const TYrObject* key1, const TYrObject* key2) const override;

  // --- fixed positions
  // Appends a new empty page numbered PageCount + 1 and returns it.
  TYrPrintPage& AppendPage();

  // --- flowing layout
  // Sets the frame, CurrentY := 0, drops an open block (its lines are
  // disposed, not placed), creates page 1 when there is no page, and
  // continues on page startPage (lowered to the page count; 0 counts as 1).
  // Report builders pass the number of the page they have just appended.
  void BeginDocument(int32_t left, int32_t top, int32_t right, int32_t bottomLimit, bool pageBreak,
                     uint16_t startPage);
  // Attributes of the following lines; size is also their line height.
  void SetFont(uint16_t face, int16_t size, uint8_t alignment, uint8_t style, bool convert);
  // One line (cut to 255) from Left to Right, FontSize high. Outside a block,
  // with page breaks on, a line that would end below BottomLimit goes to the
  // next page (unless it is the first line of its page, or `PageStarted` is
  // writing it). Inside a block it is collected without any page test.
  void AddTextLine(const std::string& text);
  // Closes an open block, then continues at the top of the next page and
  // calls PageStarted.
  void NewPage();
  // Closes an open block and opens a new one.
  void BeginBlock();
  // Places the open block's lines (see above); nothing when none is open.
  void EndBlock();

  // --- layout state
  // Distance of the next flowing line below Top; builders may move it.
  int32_t CurrentY() const { return currentY_; }
  void SetCurrentY(int32_t y) { currentY_ = y; }
  // Number of the page that receives flowing lines.
  int32_t CurrentPage() const { return currentPage_; }
  bool InBlock() const { return inBlock_; }

 protected:
  // Called after every page change made by NewPage (also those of EndBlock).
  // Lines it adds never start another page.
  virtual void PageStarted() {}
  // Called by EndBlock each time it starts a page while placing a block.
  virtual void BlockMoved() {}

 private:
  std::string title_;
  int32_t left_ = 0;
  int32_t top_ = 0;
  int32_t right_ = 0;
  int32_t bottomLimit_ = 0;
  bool pageBreak_ = false;
  uint16_t fontFace_ = 0;
  int16_t fontSize_ = 0;
  uint8_t fontAlignment_ = 0;
  uint8_t fontStyle_ = 0;
  bool fontConvert_ = false;
  int32_t currentY_ = 0;
  int32_t currentPage_ = 0;
  bool inBlock_ = false;
  std::unique_ptr<TYrPrintPage> blockPage_;
  int32_t blockStartY_ = 0;
  bool inPageStarted_ = false;
};

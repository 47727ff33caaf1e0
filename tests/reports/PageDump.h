// A page document as compact text, one line per item in drawing order, so
// that tests compare whole documents at once:
//   <page> L x1 y1 x2 y2 w<pen>                      line
//   <page> R x1 y1 x2 y2 w<pen> open|fill<colour>     rectangle
//   <page> T x1 y1 x2 y2 <face><size><style> a<align> |text|   (text as in Flow)
// Faces C (Courier New), T, A, S, W; styles b i u s c (condensed). A colour
// other than black adds " c<n>", a text without conversion " raw". Texts are
// shown as UTF-8.
//
// `Flow` gives one line per page instead: "<page>:" and " <y1>=<text>" for
// every item, where `names` replaces whole texts by short names, an empty
// text shows as "_" and a line or rectangle as "[L]" or "[R]"; `fromPage`
// and `toPage` limit the pages as in `Dump`.
#pragma once

#include <map>
#include <string>

#include "CodePage.h"
#include "YrPrint.h"

namespace pagedump {

using Names = std::map<std::string, std::string>;

// The text as shown: its name, "_" when empty, else UTF-8.
inline std::string Shown(const std::string& text, const Names& names) {
  const auto name = names.find(text);
  return name != names.end() ? name->second : text.empty() ? "_" : OemToUtf8(text);
}

inline std::string Item(int pageNo, const TYrPrintElement& e, const Names& names) {
  auto n = [](int32_t v) { return " " + std::to_string(v); };
  std::string s = std::to_string(pageNo);
  const char kinds[] = "?LRT";
  s += std::string(" ") + (e.Kind <= 3 ? kinds[e.Kind] : '?') + n(e.X1) + n(e.Y1) + n(e.X2) + n(e.Y2);
  if (const TYrLineElement* l = e.AsLine()) s += " w" + std::to_string(l->PenWidth);
  if (const TYrRectElement* r = e.AsRect())
    s += " w" + std::to_string(r->PenWidth) + (r->Filled ? " fill" : " open") + std::to_string(r->FillColour);
  if (const TYrTextElement* t = e.AsText()) {
    const char faces[] = "CCTASW";
    s += std::string(" ") + (t->Face <= 5 ? faces[t->Face] : '?') + std::to_string(t->Size);
    const char styles[] = "biusc";
    for (int b = 0; b < 5; ++b)
      if (t->Style & (1 << b)) s += styles[b];
    s += " a" + std::to_string(t->Alignment) + " |" + Shown(t->Text, names) + "|";
    if (!t->Convert) s += " raw";
  }
  if (e.Colour != 0) s += " c" + std::to_string(e.Colour);
  return s;
}

// Every item of every page; `fromPage` and `toPage` limit the pages shown.
inline std::string Dump(const TYrPrintDoc& doc, const Names& names = {}, int fromPage = 1, int toPage = 1 << 30) {
  std::string out;
  for (int p = fromPage; p <= doc.PageCount() && p <= toPage; ++p) {
    const TYrPrintPage* page = doc.Page(p);
    if (page->PageNo != p) out += "page " + std::to_string(p) + " numbered " + std::to_string(page->PageNo) + "\n";
    for (int i = 0; i < page->GetCount(); ++i) out += Item(p, *page->At(i), names) + "\n";
  }
  return out;
}

inline std::string Flow(const TYrPrintDoc& doc, const Names& names = {}, int fromPage = 1, int toPage = 1 << 30) {
  std::string out;
  for (int p = fromPage; p <= doc.PageCount() && p <= toPage; ++p) {
    const TYrPrintPage* page = doc.Page(p);
    out += std::to_string(page->PageNo) + ":";
    for (int i = 0; i < page->GetCount(); ++i) {
      const TYrPrintElement& e = *page->At(i);
      std::string text = e.Kind == TYrPrintElement::kLine ? "[L]" : "[R]";
      if (const TYrTextElement* t = e.AsText()) text = Shown(t->Text, names);
      out += " " + std::to_string(e.Y1) + "=" + text;
    }
    out += "\n";
  }
  return out;
}

}  // namespace pagedump

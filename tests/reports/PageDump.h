// A page document as compact text, so that tests compare whole documents at
// once. `Dump` gives one line per item in drawing order:
//   <page> L x1 y1 x2 y2 w<pen>                      line
//   <page> R x1 y1 x2 y2 w<pen> open|fill<colour>     rectangle
//   <page> T x1 y1 x2 y2 <face><size><style> a<align> |text|
// Faces C (Courier New), T, A, S, W; styles b i u s c (condensed). A colour
// other than black adds " c<n>", a text without conversion " raw".
// `Flow` gives one line per page: "<page>:" and " <y1>=<text>" for every
// item, a line or rectangle as "[L]" or "[R]".
// In both, texts are UTF-8, "_" when empty, and `names` replaces whole texts
// by short names.
#pragma once

#include <map>
#include <string>

#include "CodePage.h"
#include "YrPrint.h"

namespace pagedump {

using Names = std::map<std::string, std::string>;

inline std::string Shown(const std::string& text, const Names& names) {
  const auto name = names.find(text);
  return name != names.end() ? name->second : text.empty() ? "_" : OemToUtf8(text);
}

inline std::string Item(int pageNo, const TYrPrintElement& e, const Names& names) {
  auto n = [](int32_t v) { return " " + std::to_string(v); };
  std::string s = std::to_string(pageNo);
  s += std::string(" ") + (e.Kind <= 3 ? "?LRT"[e.Kind] : '?') + n(e.X1) + n(e.Y1) + n(e.X2) + n(e.Y2);
  if (const TYrLineElement* l = e.AsLine()) s += " w" + std::to_string(l->PenWidth);
  if (const TYrRectElement* r = e.AsRect())
    s += " w" + std::to_string(r->PenWidth) + (r->Filled ? " fill" : " open") + std::to_string(r->FillColour);
  if (const TYrTextElement* t = e.AsText()) {
    s += std::string(" ") + (t->Face <= 5 ? "CCTASW"[t->Face] : '?') + std::to_string(t->Size);
    for (int b = 0; b < 5; ++b)
      if (t->Style & (1 << b)) s += "biusc"[b];
    s += " a" + std::to_string(t->Alignment) + " |" + Shown(t->Text, names) + "|";
    if (!t->Convert) s += " raw";
  }
  if (e.Colour != 0) s += " c" + std::to_string(e.Colour);
  return s;
}

inline std::string Dump(const TYrPrintDoc& doc, const Names& names = {}) {
  std::string out;
  for (int p = 1; p <= doc.PageCount(); ++p) {
    const TYrPrintPage* page = doc.Page(p);
    if (page->PageNo != p) out += "page " + std::to_string(p) + " numbered " + std::to_string(page->PageNo) + "\n";
    for (int i = 0; i < page->GetCount(); ++i) out += Item(p, *page->At(i), names) + "\n";
  }
  return out;
}

inline std::string Flow(const TYrPrintDoc& doc, const Names& names = {}) {
  std::string out;
  for (int p = 1; p <= doc.PageCount(); ++p) {
    const TYrPrintPage* page = doc.Page(p);
    out += std::to_string(page->PageNo) + ":";
    for (int i = 0; i < page->GetCount(); ++i) {
      const TYrPrintElement& e = *page->At(i);
      const TYrTextElement* t = e.AsText();
      out += " " + std::to_string(e.Y1) + "=" +
             (t ? Shown(t->Text, names) : e.Kind == TYrPrintElement::kLine ? "[L]" : "[R]");
    }
    out += "\n";
  }
  return out;
}

}  // namespace pagedump

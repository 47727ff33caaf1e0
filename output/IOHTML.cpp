#include "IOHTML.h"

#include <charconv>

#include "CodePage.h"

namespace {

constexpr size_t kMaxLength = 255;

const char* EntityFor(unsigned char c) {
  switch (c) {
    case 0x84: return "&auml;";
    case 0x94: return "&ouml;";
    case 0x81: return "&uuml;";
    case 0x8E: return "&Auml;";
    case 0x99: return "&Ouml;";
    case 0x9A: return "&Uuml;";
    case 0xE1: return "&szlig;";
    default: return nullptr;
  }
}

const char* MarkupEntityFor(char c, bool inAttribute) {
  switch (c) {
    case '&': return "&amp;";
    case '<': return "&lt;";
    case '>': return "&gt;";
    case '"': return inAttribute ? "&quot;" : nullptr;
    default: return nullptr;
  }
}

}  // namespace

std::string OemToHtml(std::string_view text) {
  text = text.substr(0, kMaxLength);
  std::string out;
  out.reserve(kMaxLength);
  for (char ch : text) {
    const char* entity = EntityFor(static_cast<unsigned char>(ch));
    const std::string_view piece = entity != nullptr ? std::string_view(entity) : std::string_view(&ch, 1);
    if (out.size() + piece.size() > kMaxLength) break;
    out += piece;
  }
  return out;
}

std::string HtmlText(std::string_view text, bool inAttribute) {
  std::string out;
  out.reserve(text.size());
  for (char ch : text) {
    const char* entity = EntityFor(static_cast<unsigned char>(ch));
    if (entity == nullptr) entity = MarkupEntityFor(ch, inAttribute);
    if (entity != nullptr) {
      out += entity;
    } else if (static_cast<unsigned char>(ch) >= 0x80) {
      // Any other letter of the DOS code page by its number: the page then
      // shows it whatever character set the browser assumes.
      char number[16];
      const auto end = std::to_chars(number, number + sizeof number,
                                     static_cast<uint32_t>(OemCharToUnicode(static_cast<uint8_t>(ch)))).ptr;
      out += "&#";
      out.append(number, end);
      out += ';';
    } else {
      out.push_back(ch);
    }
  }
  return out;
}

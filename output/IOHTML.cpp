#include "IOHTML.h"

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

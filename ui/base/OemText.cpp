#include "OemText.h"

#include <QList>

#include "CodePage.h"

namespace {

// The text of bytes in a code page, character by character.
QString FromBytes(std::string_view bytes, char32_t (*toUnicode)(uint8_t)) {
  QString s;
  s.reserve(static_cast<qsizetype>(bytes.size()));
  for (char c : bytes) s.append(QChar(static_cast<char16_t>(toUnicode(static_cast<uint8_t>(c)))));
  return s;
}

// The text's characters as bytes of a code page, at most `capacity` of them.
std::string ToBytes(const QString& text, size_t capacity, uint8_t (*fromUnicode)(char32_t)) {
  std::string s;
  for (char32_t u : text.toUcs4()) {
    if (s.size() >= capacity) break;
    s.push_back(static_cast<char>(fromUnicode(u)));
  }
  return s;
}

}  // namespace

QString FromOem(std::string_view oem) { return FromBytes(oem, OemCharToUnicode); }

std::string ToOem(const QString& text, size_t capacity) { return ToBytes(text, capacity, UnicodeToOemChar); }

QString FromAnsi(std::string_view ansi) { return FromBytes(ansi, AnsiCharToUnicode); }

std::string ToAnsi(const QString& text, size_t capacity) { return ToBytes(text, capacity, UnicodeToAnsiChar); }

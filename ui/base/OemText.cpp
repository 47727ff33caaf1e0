#include "OemText.h"

#include <QList>

#include "CodePage.h"

QString FromOem(std::string_view oem) {
  QString s;
  s.reserve(static_cast<qsizetype>(oem.size()));
  for (char c : oem) s.append(QChar(static_cast<char16_t>(OemCharToUnicode(static_cast<uint8_t>(c)))));
  return s;
}

std::string ToOem(const QString& text, size_t capacity) {
  std::string s;
  for (char32_t u : text.toUcs4()) {
    if (s.size() >= capacity) break;
    s.push_back(static_cast<char>(UnicodeToOemChar(u)));
  }
  return s;
}

QString FromAnsi(std::string_view ansi) {
  QString s;
  s.reserve(static_cast<qsizetype>(ansi.size()));
  for (char c : ansi) s.append(QChar(static_cast<char16_t>(AnsiCharToUnicode(static_cast<uint8_t>(c)))));
  return s;
}

std::string ToAnsi(const QString& text, size_t capacity) {
  std::string s;
  for (char32_t u : text.toUcs4()) {
    if (s.size() >= capacity) break;
    s.push_back(static_cast<char>(UnicodeToAnsiChar(u)));
  }
  return s;
}

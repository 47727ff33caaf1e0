// The one edge between the DOS code page of the stored texts and Qt's Unicode.
//
// Everything a window shows from the competition, and everything it stores
// back, passes through these two functions; no window converts on its own.
// The conversion is lossless for every character the DOS code page has (box
// lines and all); a character it lacks becomes the stand-in or "?" that
// CodePage.h picks. Control bytes (the CR that separates the lines of a
// message among them) pass unchanged.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include <QString>

// Stored text -> screen text.
QString FromOem(std::string_view oem);

// Screen text -> stored text, cut to the field's capacity in characters
// (one byte each in the DOS code page).
std::string ToOem(const QString& text, size_t capacity);

// The same edge for the few texts kept in the Windows code page (the
// document information of PDF files).
QString FromAnsi(std::string_view ansi);
std::string ToAnsi(const QString& text, size_t capacity);

// The two code pages of the program's texts and their edges to UTF-8.
//
// Stored text is bytes in the DOS code page (CP850); the Windows code page
// (CP1252) is what dialogs, the PDF writer's standard fonts and the exports
// expect; UTF-8 is what Qt and the source files speak. Every conversion
// between these goes through here.
//
// A character that the target page lacks takes the same best-fit stand-in the
// Windows conversion picks ("+" and "-" for box corners and lines, "i" for the
// dotless i, plain quotes for typographic ones, a base letter for S/Z/Y with
// caron or diaeresis); characters without a stand-in become "?". A best fit
// that would land on a control byte (the bullet) becomes "?" as well, so no
// conversion ever puts a control byte into stored text that was not there.
// Control bytes 00..1F and 7F pass unchanged in every direction.
//
// Invalid UTF-8 (stray continuation bytes, overlong forms, surrogates, cut
// sequences) gives one "?" per offending byte. Nothing here stops at NUL or
// cuts the length; the 255-character Pascal-style conversions are OemToAnsi
// and AnsiToOem in YrText.h.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Single characters.
uint8_t OemCharToAnsi(uint8_t c);
uint8_t AnsiCharToOem(uint8_t c);
char32_t OemCharToUnicode(uint8_t c);
// Bytes 81, 8D, 8F, 90 and 9D, unassigned in CP1252, stand for the C1
// controls of the same number (as on Windows).
char32_t AnsiCharToUnicode(uint8_t c);
// '?' when the page has no such character and no stand-in.
uint8_t UnicodeToOemChar(char32_t u);
uint8_t UnicodeToAnsiChar(char32_t u);

// UTF-8 literal -> DOS code page. The one way to write German texts in the
// source: Oem("März") rather than hand-encoded bytes.
std::string Oem(std::string_view utf8);

std::string OemToUtf8(std::string_view oem);
std::string Utf8ToOem(std::string_view utf8);
std::string AnsiToUtf8(std::string_view ansi);
std::string Utf8ToAnsi(std::string_view utf8);

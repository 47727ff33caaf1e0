// HTML text from DOS-code-page text.
//
// The German special letters of the DOS code page (CP850) become their
// named entities; every other byte is copied as it is. `OemToHtml` is the
// classic 255-character conversion and leaves "<", ">", "&" and quotes
// alone; `HtmlText` is what a page writer uses for texts that come from the
// user or a file: it also escapes the markup characters, so that a name such
// as "Müller & Söhne" or "<b>" shows as text, writes the other letters of
// the DOS code page as numeric references ("Zoë" as "Zo&#235;"), so the page
// is plain ASCII and shows them in any browser, and it cuts nothing.
#pragma once

#include <string>
#include <string_view>

// Converts at most the first 255 bytes of `text`; the result holds at most
// 255 characters. An entity that no longer fits whole ends the result in
// front of it, so the page never shows a broken entity such as "&uu".
std::string OemToHtml(std::string_view text);

// The German letters as in OemToHtml, "&" "<" ">" as "&amp;" "&lt;" "&gt;",
// with `inAttribute` the double quote as "&quot;" (for a value between
// double quotes), every other byte from 0x80 up as "&#N;" of its character.
// The whole text, however long.
std::string HtmlText(std::string_view text, bool inAttribute = false);

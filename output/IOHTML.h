// HTML text from DOS-code-page text.
//
// The German special letters of the DOS code page (CP850) become their
// named entities; every other byte is copied as it is. "<", ">", "&" and
// quotes are not escaped: the HTML export writes texts that hold none.
#pragma once

#include <string>
#include <string_view>

// Converts at most the first 255 bytes of `text`; the result holds at most
// 255 characters. An entity that no longer fits whole ends the result in
// front of it, so the page never shows a broken entity such as "&uu".
std::string OemToHtml(std::string_view text);

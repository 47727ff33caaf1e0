// Small helpers on texts, numbers and files shared by the whole program.
//
// Texts are std::string of DOS-code-page bytes (the Pascal strings of the
// stored records); nothing here looks at a locale. The two code-page routines
// convert a text for a Windows-code-page edge and back; whole-text and UTF-8
// conversions without their limits are in CodePage.h.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// The memory the system has available, in bytes, saturated to 32 bits (the
// load dispatch compares a file's size against it before reading it).
uint32_t MemAvail();

// Where MemAvail takes its figure (in bytes, 64 bits) from. Tests install a
// fixed figure; an empty source restores the system's. Returns the previous
// source.
using TMemAvailSource = std::function<uint64_t()>;
TMemAvailSource SetMemAvailSource(TMemAvailSource source);

// The figure the system source reads out of the text of /proc/meminfo:
// "MemAvailable" (kB) in bytes; 0 when the line is missing or unreadable.
uint64_t MemAvailableFromMeminfo(std::string_view meminfo);

// The backup name of a file: the extension of its last path component
// replaced by "BAK", or ".BAK" appended when the name has none. A leading
// point (a hidden file) does not start an extension.
std::string BackupName(const std::string& fileName);

// Renames an existing file to its backup name, replacing an older backup.
// Does nothing when the file does not exist or already carries its backup
// name; failures are ignored (the caller writes the file anew either way).
void MakeBackup(const std::string& fileName);

// Decimal text -> number: leading blanks skipped, optional sign; 0 for an
// empty text, trailing characters or a value outside 32 bits.
int32_t StrToInt(std::string_view s);
std::string IntToStr(int64_t n);

// a..z become A..Z; every other byte (umlauts included) stays.
std::string UpperCase(std::string_view s);

// Shorter than n: filled up to n (blanks after; blanks or zeros before).
// Longer: PadRight keeps the first n characters, the two others the last n.
std::string PadRight(std::string_view s, int n);
std::string PadLeft(std::string_view s, int n);
std::string PadLeftZero(std::string_view s, int n);

// DOS code page <-> Windows code page as the Pascal-string routines do it: a
// NUL ends the result, and at most 255 characters come back.
std::string OemToAnsi(std::string_view s);
std::string AnsiToOem(std::string_view s);

int32_t Max(int32_t a, int32_t b);

// The order of stored texts: byte by byte as unsigned values (umlauts of the
// DOS code page sort above "z"), a text that is a prefix of the other first.
// Exactly -1, 0 or 1.
int CompareBytes(std::string_view a, std::string_view b);

// Times, points, clock times and status codes as the short texts of the grid,
// the dialogs, the reports and the exports, and back; plus the basis routines
// through which the competition core reaches the foundation helpers.
//
// Times and points are signed 32-bit hundredths; a clock time is HH*100+MM.
// A negative result value is a status code (`Status`). No routine fails:
// unparsable parts of a text count 0. Texts are DOS code page (they are all
// ASCII).
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

#include "YrDate.h"
#include "YrHooks.h"
#include "YrText.h"

// Status codes: a negative value in a result field. A discipline's deduction
// holds the code itself, the CPR value the code times kCprFactor.
namespace Status {
inline constexpr int16_t kDisqualified = -1;    // "disq."
inline constexpr int16_t kNotStartedVoid = -2;  // "n.a.": not started, without scoring (voids the total)
inline constexpr int16_t kNotStarted = -3;      // "n.a."
inline constexpr int16_t kExcluded = -4;        // "ausg." (voids the total)
inline constexpr int16_t kNotChosen = -5;       // "####": the discipline was not chosen
inline constexpr int16_t kNotScored = -6;       // "----"
inline constexpr int16_t kNotReached = -100;    // "n.er."; a deduction, unlike the CPR value -100

inline constexpr int32_t kCprFactor = 100;
inline constexpr int32_t kCprDisqualified = kDisqualified * kCprFactor;      // -100
inline constexpr int32_t kCprNotStartedVoid = kNotStartedVoid * kCprFactor;  // -200
inline constexpr int32_t kCprNotStarted = kNotStarted * kCprFactor;          // -300
inline constexpr int32_t kCprExcluded = kExcluded * kCprFactor;              // -400
}  // namespace Status

// Whole points (or a status code) as hundredths, kept within 32 bits: what
// older files and imports hold in whole points.
inline int32_t Hundredfold(int64_t v) {
  return static_cast<int32_t>(std::clamp<int64_t>(v * 100, INT32_MIN, INT32_MAX));
}

// m:ss,t or m:ss,th for one-digit minutes; from ten minutes on the text is cut
// to 7 characters, so mm:ss,t loses the hundredths digit. Callers show status
// codes themselves; a negative time (never formatted by them) gets a "-" in
// front of the text of its amount, cut to 7 as well.
std::string TimeToText(int32_t t, bool withHundredths);

// The inverse of TimeToText: only the first 7 characters count and fewer than
// 6 give 0; a character that is missing or not a digit counts 0, so the result
// is never negative.
int32_t TextToTime(std::string_view s);

// Integer part, then with decimals >= 1 a comma and the tenths digit, with
// decimals >= 2 the hundredths digit; cut, not rounded. A negative value
// (never formatted by the callers, who show codes) gets a "-" in front.
std::string PointsToText(int32_t p, int decimals);

// The status text of a code; empty for any other value.
std::string CodeToText(int32_t code);
// CodeToText(n) for negative n, else the decimal text.
std::string IntOrCodeToText(int32_t n);
// CodeToText(p / kCprFactor) for negative p (codes stored times 100), else
// PointsToText(p, decimals).
std::string PointsOrCodeToText(int32_t p, int decimals);

// "HH:MM", both parts with two digits; no range check (2400 is "24:00").
std::string ClockToText(int32_t hhmm);
// Characters 1-2 as hours and 4-5 as minutes (a non-number counts 0).
int32_t TextToClock(std::string_view s);

// The basis unit's forwarding routines: the same functions under the names
// the competition core uses.
namespace VkBasis {
using ::CurrentYear;
using ::IntToStr;
using ::LongDate;
using ::MakeBackup;
using ::Max;
using ::PadLeft;
using ::PadRight;
using ::Progress;
using ::StrToInt;
using ::UpperCase;
inline std::string ZeroPad(std::string_view s, int n) { return PadLeftZero(s, n); }

using ::ClockToText;
using ::CodeToText;
using ::IntOrCodeToText;
using ::PointsOrCodeToText;
using ::PointsToText;
using ::TextToClock;
using ::TextToTime;
using ::TimeToText;
}  // namespace VkBasis

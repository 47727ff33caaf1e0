#include "VkBasis.h"

namespace {

constexpr size_t kTimeTextLength = 7;

void AppendCut(std::string& s, std::string_view part) {
  s += part;
  if (s.size() > kTimeTextLength) s.resize(kTimeTextLength);
}

// A missing or non-digit character counts 0: imports and old files feed
// these texts, not only the digit-only edit masks.
int32_t DigitAt(std::string_view s, size_t i) {
  if (i >= s.size()) return 0;
  const char c = s[i];
  return c >= '0' && c <= '9' ? c - '0' : 0;
}

}  // namespace

std::string TimeToText(int32_t t, bool withHundredths) {
  int64_t amount = t;
  std::string s;
  if (amount < 0) {
    s = "-";
    amount = -amount;
  }
  // The text is cut after every step, which is what drops the hundredths
  // (and from 100 minutes on even the tenths) of long times.
  const int64_t minutes = amount / 6000;
  const int64_t seconds = (amount - 6000 * minutes) / 100;
  const int64_t rest = amount - 6000 * minutes - 100 * seconds;
  AppendCut(s, IntToStr(minutes) + ":");
  AppendCut(s, (seconds < 10 ? "0" : "") + IntToStr(seconds) + ",");
  AppendCut(s, IntToStr(rest / 10));
  if (withHundredths) AppendCut(s, IntToStr(rest % 10));
  return s;
}

int32_t TextToTime(std::string_view s) {
  s = s.substr(0, kTimeTextLength);
  if (s.size() < 6) return 0;
  int32_t tensOfMinutes = 0;
  if (s.find(':') == 2) {
    tensOfMinutes = DigitAt(s, 0);
    s = s.substr(1);
  }
  // Characters 2 and 5 (":" and ",") are not examined.
  return 10 * (6000 * tensOfMinutes + 600 * DigitAt(s, 0) + 100 * DigitAt(s, 2) + 10 * DigitAt(s, 3) +
               DigitAt(s, 5)) +
         DigitAt(s, 6);
}

std::string PointsToText(int32_t p, int decimals) {
  int64_t amount = p;
  std::string s;
  if (amount < 0) {
    s = "-";
    amount = -amount;
  }
  const int64_t fraction = amount % 100;
  const std::string digits = (fraction < 10 ? "0" : "") + IntToStr(fraction);
  s += IntToStr(amount / 100);
  if (decimals >= 1) s += "," + digits.substr(0, 1);
  if (decimals >= 2) s += digits.substr(1, 1);
  return s;
}

std::string CodeToText(int32_t code) {
  switch (code) {
    case Status::kDisqualified: return "disq.";
    case Status::kNotStartedVoid: return "n.a.";
    case Status::kNotStarted: return "n.a.";
    case Status::kExcluded: return "ausg.";
    case Status::kNotChosen: return "####";
    case Status::kNotScored: return "----";
    case Status::kNotReached: return "n.er.";
    default: return "";
  }
}

std::string IntOrCodeToText(int32_t n) { return n < 0 ? CodeToText(n) : IntToStr(n); }

std::string PointsOrCodeToText(int32_t p, int decimals) {
  return p < 0 ? CodeToText(p / Status::kCprFactor) : PointsToText(p, decimals);
}

std::string ClockToText(int32_t hhmm) { return TwoDigits(hhmm / 100) + ":" + TwoDigits(hhmm % 100); }

int32_t TextToClock(std::string_view s) {
  const auto part = [&](size_t from) { return from < s.size() ? s.substr(from, 2) : std::string_view(); };
  return StrToInt(part(0)) * 100 + StrToInt(part(3));
}

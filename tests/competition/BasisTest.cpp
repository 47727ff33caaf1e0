#include <gtest/gtest.h>

#include <string>

#include "AkTestSupport.h"
#include "VkBasis.h"

using aktest::Args;

namespace {

int N(const std::string& s) { return std::stoi(s); }

}  // namespace

// The cases of tests/data/competition/basis.txt.
TEST(Basis, TextsOfTimesPointsCodesAndClockTimes) {
  aktest::ExpectCalls(
      "competition/basis.txt",
      {{"TimeToText", [](const Args& a) { return TimeToText(N(a[0]), a[1] == "1"); }},
       {"TimeToTextSize", [](const Args& a) { return std::to_string(TimeToText(N(a[0]), true).size()); }},
       {"TextToTime", [](const Args& a) { return std::to_string(TextToTime(a[0])); }},
       {"PointsToText", [](const Args& a) { return PointsToText(N(a[0]), N(a[1])); }},
       {"StatusText",
        [](const Args& a) {
          return CodeToText(N(a[0])) + "/" + IntOrCodeToText(N(a[0])) + "/" + PointsOrCodeToText(N(a[0]) * 100, 2);
        }},
       {"CodeToText", [](const Args& a) { return CodeToText(N(a[0])); }},
       {"IntOrCodeToText", [](const Args& a) { return IntOrCodeToText(N(a[0])); }},
       {"PointsOrCodeToText", [](const Args& a) { return PointsOrCodeToText(N(a[0]), N(a[1])); }},
       {"ZeroPad", [](const Args& a) { return VkBasis::ZeroPad(a[0], N(a[1])); }},
       {"ClockToText", [](const Args& a) { return ClockToText(N(a[0])); }},
       {"TextToClock", [](const Args& a) { return std::to_string(TextToClock(a[0])); }}});
}

// Round trips; two-digit minutes and the tenths option keep only the tenths.
TEST(Basis, TimeAndClockTextsReadBack) {
  for (int32_t t = 0; t < 600000; t += t < 60000 ? 7 : 97) {
    ASSERT_EQ(TextToTime(TimeToText(t, true)), t < 60000 ? t : t - t % 10) << t;
    ASSERT_EQ(TextToTime(TimeToText(t, false)), t - t % 10) << t;
  }
  for (int32_t hhmm = 0; hhmm <= 2400; hhmm += (hhmm % 100 == 59 ? 41 : 1))
    ASSERT_EQ(TextToClock(ClockToText(hhmm)), hhmm);
}

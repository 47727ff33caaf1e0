#include <gtest/gtest.h>

#include <string>

#include "AkTestSupport.h"
#include "VkBasis.h"

using aktest::Text;
using testdata::Arg;
using testdata::Fields;

namespace {

int32_t N(const Fields& f, size_t i) { return static_cast<int32_t>(testdata::Num(f, i)); }

}  // namespace

// The cases of tests/data/competition/basis.txt.
TEST(Basis, TextsOfTimesPointsCodesAndClockTimes) {
  testdata::ExpectRoutineCases(
      "competition/basis.txt",
      {{"TimeToText", [](const Fields& f) { return Text(TimeToText(N(f, 1), N(f, 2) == 1)); }},
       {"TimeToTextSize", [](const Fields& f) { return std::to_string(TimeToText(N(f, 1), true).size()); }},
       {"TextToTime", [](const Fields& f) { return std::to_string(TextToTime(Arg(f, 1))); }},
       {"PointsToText", [](const Fields& f) { return Text(PointsToText(N(f, 1), N(f, 2))); }},
       {"StatusText",
        [](const Fields& f) {
          return Text(CodeToText(N(f, 1))) + " " + Text(IntOrCodeToText(N(f, 1))) + " " +
                 Text(PointsOrCodeToText(N(f, 1) * 100, 2));
        }},
       {"CodeToText", [](const Fields& f) { return Text(CodeToText(N(f, 1))); }},
       {"IntOrCodeToText", [](const Fields& f) { return Text(IntOrCodeToText(N(f, 1))); }},
       {"PointsOrCodeToText", [](const Fields& f) { return Text(PointsOrCodeToText(N(f, 1), N(f, 2))); }},
       {"ZeroPad", [](const Fields& f) { return Text(VkBasis::ZeroPad(Arg(f, 1), N(f, 2))); }},
       {"ClockToText", [](const Fields& f) { return Text(ClockToText(N(f, 1))); }},
       {"TextToClock", [](const Fields& f) { return std::to_string(TextToClock(Arg(f, 1))); }}});
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

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "AkTestSupport.h"
#include "MessageCapture.h"
#include "VkPunkte.h"

namespace {

TDisziplin Disz(uint16_t kind, int32_t v1, int32_t v2 = 0, const std::string& formula = "") {
  TDisziplin d;
  d.SetKind(kind), d.SetV(1, v1), d.SetV(2, v2), d.SetV(3, 3), d.SetV(4, 4), d.SetV(5, 5), d.SetFormula(formula);
  return d;
}

}  // namespace

// Whatever rounding mode the floating-point environment holds.
TEST(RoundHalfEven, HalvesGoToTheEvenNeighbourInEveryRoundingMode) {
  const std::pair<long double, long double> cases[] = {
      {0.5L, 0},   {1.5L, 2},       {2.5L, 2},       {3.5L, 4},        {-0.5L, 0},
      {-1.5L, -2}, {-2.5L, -2},     {2.4999L, 2},    {2.5001L, 3},     {-2.5001L, -3},
      {41, 41},    {2.6L, 3},       {7812.5L, 7812}, {7937.5L, 7938},
      {4611686018427387904.5L, 4611686018427387904.0L}};  // 2^62 + 0.5: exact in the 64-bit mantissa, a tie
  const int saved = std::fegetround();
  for (int mode : {FE_TONEAREST, FE_UPWARD, FE_DOWNWARD, FE_TOWARDZERO}) {
    ASSERT_EQ(std::fesetround(mode), 0);
    for (auto [v, want] : cases) EXPECT_EQ(RoundHalfEven(v), want) << double(v) << " mode " << mode;
  }
  std::fesetround(saved);
  EXPECT_TRUE(std::isinf(RoundHalfEven(std::numeric_limits<long double>::infinity())));
  EXPECT_TRUE(std::isnan(RoundHalfEven(std::numeric_limits<long double>::quiet_NaN())));
}

// Every kind, its pieces and limits, the user formula's variables, status
// codes and missing times (tests/data/points.txt); none of them reports
// anything.
TEST(CalcPoints, TableOfResults) {
  testdata::ExpectCaseFile("points.txt", [](const std::string& input) {
    MessageCapture messages;
    const testdata::Fields f = testdata::Split(input);
    const auto n = [&f](size_t i) { return static_cast<int32_t>(testdata::Num(f, i)); };
    const TDisziplin d = Disz(uint16_t(n(0)), n(1), n(2), f.size() > 6 ? f[6] : "");
    std::string out = std::to_string(CalcPoints(n(3), int16_t(n(4)), int16_t(n(5)), d));
    for (const std::string& m : messages.list) out += " / " + aktest::Readable(m);
    return out;
  });
}

// The messages of tests/data/competition/formulas.txt.
TEST(CalcPoints, UserFormulaSyntaxErrorMessages) {
  testdata::ExpectRoutineCases("competition/formulas.txt", {{"Formula", [](const testdata::Fields& f) {
                                 MessageCapture messages;
                                 const int32_t time = int32_t(testdata::Num(f, 2));
                                 const TDisziplin d = Disz(0, 100000, 0, Oem(testdata::Arg(f, 1)));
                                 std::string out = std::to_string(CalcPoints(time, int16_t(testdata::Num(f, 3)), 1, d));
                                 for (const std::string& m : messages.list) out += " / " + m;
                                 return aktest::Readable(out);
                               }}});
}

// A user formula with a power scores the exact points wherever the power is
// exact: every square, and every cube divided by 1000 cut toward zero.
TEST(CalcPoints, UserFormulaPowersLoseNoPointToTheCut) {
  MessageCapture messages;
  const TDisziplin square = Disz(0, 0, 0, "T^2"), cube = Disz(0, 0, 0, "T^3/1000");
  std::string wrong;
  for (int32_t t = 1; t <= 20000; ++t)
    if (CalcPoints(t, 0, 1, square) != t * t) wrong += " T^2 at " + std::to_string(t);
  for (int64_t t = 1; t <= 2000; ++t)
    if (CalcPoints(int32_t(t), 0, 1, cube) != t * t * t / 1000) wrong += " T^3/1000 at " + std::to_string(t);
  EXPECT_EQ(wrong.substr(0, 200), "");
  EXPECT_TRUE(messages.list.empty());
}

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "MessageCapture.h"
#include "VkPunkte.h"

namespace {

constexpr int32_t kMin = std::numeric_limits<int32_t>::min();

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

// Every kind, its pieces and limits, and the user formula's variables
// (tests/data/points.txt); none of them reports anything.
TEST(CalcPoints, TableOfResults) {
  MessageCapture messages;
  std::ifstream in(std::string(VK_TEST_DATA) + "/points.txt");
  int rows = 0;
  for (std::string line; std::getline(in, line);) {
    std::istringstream f(line.substr(0, line.find('#')));
    int64_t kind, v1, v2, time, deduction, place, want;
    std::string formula;
    if (!(f >> kind >> v1 >> v2 >> time >> deduction >> place >> want)) continue;
    f >> formula;
    ++rows;
    EXPECT_EQ(CalcPoints(int32_t(time), int16_t(deduction), int16_t(place),
                         Disz(uint16_t(kind), int32_t(v1), int32_t(v2), formula)),
              want)
        << line;
  }
  EXPECT_EQ(std::pair(rows, messages.list), std::pair(74, std::vector<std::string>{}));
}

// Status codes, no time and a negative time (only in a damaged record) score
// 0 in every kind; without a time not even a broken formula is evaluated.
TEST(CalcPoints, StatusCodesNoTimeAndNegativeTimeGiveZero) {
  MessageCapture messages;
  const TDisziplin ds[] = {Disz(0, 100000, 0, "V1-T*10"), Disz(1, 3000), Disz(2, 100000, 100), Disz(3, 2000),
                           Disz(4, 3000)};
  for (const TDisziplin& d : ds) {
    for (int16_t code : {-1, -2, -3, -4, -5, -6, -100})
      EXPECT_EQ(CalcPoints(3000, code, 1, d), 0) << d.Kind() << " " << code;
    for (int32_t t : {0, -1, -3000, kMin}) EXPECT_EQ(CalcPoints(t, 0, 1, d), 0) << d.Kind() << " " << t;
  }
  for (int32_t t : {0, -1}) EXPECT_EQ(CalcPoints(t, 0, 1, Disz(0, 0, 0, "T*")), 0);
  EXPECT_EQ(messages.list, std::vector<std::string>{});
}

TEST(CalcPoints, UserFormulaSyntaxErrorMessages) {
  MessageCapture messages;
  const std::string deep = std::string(18, '(') + "1" + std::string(18, ')');
  struct F { std::string formula; std::string message; };
  const F cases[] = {
      {"T*", "Ausdruck erwartet.\rPosition: 3\rT*"},
      {"t*", "Ausdruck erwartet.\rPosition: 3\rT*"},  // shown as the interpreter holds it
      {"1 2", "Opeartor erwartet.\rPosition: 3\r1 2"},
      {"(1", "Operator oder schlie\xE1" "ende Klammer erwartet.\rPosition: 3\r(1"},
      {"SIN 3", "\x99" "ffnende Klammer erwartet.\rPosition: 5\rSIN 3"},
      {deep, "Stapelspeicher\x81" "berlauf im Formelparser.\rPosition: 17\r" + deep},
      // A user formula built from a template still holds the kind's name.
      {"<benutzerdefinierte Formel>", "Ausdruck erwartet.\rPosition: 1\r<BENUTZERDEFINIERTE FORMEL>"},
  };
  for (const F& c : cases) {
    messages.list.clear();
    EXPECT_EQ(CalcPoints(6000, 0, 1, Disz(0, 100000, 0, c.formula)), 0) << c.formula;
    ASSERT_EQ(messages.list.size(), 1u) << c.formula;
    EXPECT_EQ(messages.list[0], c.message);
  }
  // 255 characters ending on two operators: the message is cut to 255.
  std::string formula;
  for (int i = 0; i < 126; ++i) formula += "1+";
  formula += "1+*";
  ASSERT_EQ(formula.size(), 255u);
  messages.list.clear();
  EXPECT_EQ(CalcPoints(6000, 0, 1, Disz(0, 0, 0, formula)), 0);
  ASSERT_EQ(messages.list.size(), 1u);
  EXPECT_EQ(messages.list[0], ("Ausdruck erwartet.\rPosition: 255\r" + formula).substr(0, 255));
}

TEST(CalcPoints, SyntaxErrorIsReportedForEveryResult) {
  MessageCapture messages;
  const TDisziplin d = Disz(0, 100000, 0, "T*");
  for (int i = 0; i < 3; ++i) EXPECT_EQ(CalcPoints(6000 + i, 0, 1, d), 0);
  EXPECT_EQ(messages.list.size(), 3u);
  // A status code still parses the formula (and reports), then scores 0.
  EXPECT_EQ(CalcPoints(6000, -1, 1, d), 0);
  EXPECT_EQ(messages.list.size(), 4u);
}

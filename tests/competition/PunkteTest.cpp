#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "MessageCapture.h"
#include "VkPunkte.h"

namespace {

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();

TDisziplin Disz(uint16_t kind, int32_t v1, int32_t v2 = 0, const std::string& formula = "") {
  TDisziplin d;
  d.SetKind(kind);
  d.SetV(1, v1);
  d.SetV(2, v2);
  d.SetV(3, 3);
  d.SetV(4, 4);
  d.SetV(5, 5);
  d.SetFormula(formula);
  return d;
}

}  // namespace

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbourInEveryRoundingMode) {
  struct R { long double v; long double want; };
  const R cases[] = {
      {0.5L, 0},       {1.5L, 2},       {2.5L, 2},    {3.5L, 4},        {-0.5L, 0},
      {-1.5L, -2},     {-2.5L, -2},     {2.4999L, 2}, {2.5001L, 3},     {-2.5001L, -3},
      {7812.5L, 7812}, {7937.5L, 7938}, {41, 41},     {2.6L, 3},
      // 2^62 + 0.5 is exact in the 64-bit mantissa and lies on a tie.
      {4611686018427387904.5L, 4611686018427387904.0L},
  };
  const int saved = std::fegetround();
  for (int mode : {FE_TONEAREST, FE_UPWARD, FE_DOWNWARD, FE_TOWARDZERO}) {
    ASSERT_EQ(std::fesetround(mode), 0);
    for (const R& c : cases) EXPECT_EQ(RoundHalfEven(c.v), c.want) << static_cast<double>(c.v) << " mode " << mode;
  }
  std::fesetround(saved);
  EXPECT_TRUE(std::isinf(RoundHalfEven(std::numeric_limits<long double>::infinity())));
  EXPECT_TRUE(std::isnan(RoundHalfEven(std::numeric_limits<long double>::quiet_NaN())));
}

TEST(CalcPoints, KindsOneToFour) {
  struct Case { uint16_t kind; int32_t v1, v2, time; int16_t deduction, place; int32_t want; };
  const Case cases[] = {
      // Quadratic-linear, V1 = 30 s.
      {1, 3000, 0, 3000, 0, 0, 100000},    // x = 1
      {1, 3000, 0, 6000, 0, 0, 40000},     // x = 2: both pieces give 400
      {1, 3000, 0, 15000, 0, 0, 0},        // x = 5: nothing from here on
      {1, 3000, 0, 3000, 5, 0, 99500},     // 5 whole points deducted
      {1, 3000, 0, 1500, 0, 0, 165025},    // 467/4 - 2001/2 + 2534 = 1650.25
      {1, 3000, 0, 4500, 0, 0, 58325},     // 467*9/4 - 3001.5 + 2534 = 583.25
      {1, 3000, 0, 9000, 0, 0, 26667},     // 2000/3 - 400 = 266.67
      {1, 3000, 0, 14999, 0, 0, 4},        // 2000/3 - 400/3 * 14999/3000 = 0.044
      {1, 3000, 0, 1, 0, 0, 253333},       // x -> 0: 2534 - 2001/3000
      {1, 3000, 0, 3000, 1000, 0, 0},      // more deducted than scored
      // Cup curve.
      {4, 3000, 0, 3000, 0, 0, 100000},    // x = 1
      {4, 3000, 0, 6000, 0, 0, 20000},     // x = 2
      {4, 3000, 0, 7500, 0, 0, 8000},      // x = 2.5
      {4, 3000, 0, 9000, 0, 0, 0},         // x = 3
      {4, 3000, 0, 1500, 0, 0, 181800},    // 1672/12 - 1236 + 8744/3 = 1818
      {4, 3000, 0, 6750, 0, 0, 14000},     // 680 - 240 * 2.25
      {4, 3000, 0, 8250, 0, 0, 4000},      // 480 - 160 * 2.75
      {4, 3000, 0, 8999, 0, 0, 5},
      // 2.5 * 3001 = 7502.5 is compared as a floating-point value: 7502 still
      // lies on the middle piece (80.040); an integer 7502 would have taken
      // 480 - 160x (80.027).
      {4, 3001, 0, 7502, 0, 0, 8004},
      {4, 3001, 0, 7503, 0, 0, 7997},
      // V1 = 1024 makes everything exact, so these lie on a half: 78.125 rounds down, 79.375 up.
      {4, 1024, 0, 2572, 0, 0, 7812},
      {4, 1024, 0, 2564, 0, 0, 7938},
      // Linear: V2 div 10 is the time step.
      {2, 100000, 100, 6005, 0, 0, 40000},
      {2, 100000, 100, 6010, 0, 0, 39900},
      {2, 100000, 100, 6005, 3, 0, 39700},
      {2, 100000, 100, 10010, 0, 0, 0},
      {2, 100000, 250, 6037, 2, 0, 39550},  // cut to 6025
      {2, 100000, 0, 6005, 0, 0, 39950},    // no step
      {2, 100000, 5, 6005, 0, 0, 39950},    // 5 div 10 = 0: no step
      {2, 100000, -100, 6005, 0, 0, 40000},  // a negative step cuts the same way
      {2, 100000, kMin, 6005, 0, 0, 100000},  // a step longer than the time cuts it to 0
      // Points per place; the deduction as stored, not times 100.
      {3, 2000, 0, 1, 0, 1, 2000},
      {3, 2000, 0, 1, 0, 3, 1800},
      {3, 2000, 0, 1, 0, 0, 2100},
      {3, 2000, 0, 1, 0, 20, 100},
      {3, 2000, 0, 1, 0, 21, 0},
      {3, 2000, 0, 1, 5, 2, 1895},
      {3, 2000, 0, 0, 0, 1, 0},  // no time: no points, whatever the place
      // A zero or negative reference time cannot be beaten (and divides nothing).
      {1, 0, 0, 1, 0, 0, 0},        {1, 0, 0, kMax, 0, 0, 0},     {4, 0, 0, 1, 0, 0, 0},
      {4, 0, 0, kMax, 0, 0, 0},     {1, -3000, 0, 3000, 0, 0, 0}, {4, -3000, 0, 3000, 0, 0, 0},
      // Unknown kinds score nothing.
      {5, 100000, 100, 3000, 0, 1, 0}, {65535, 100000, 100, 3000, 0, 1, 0},
      // Products beyond 32 bits do not wrap: 2*V1, 5*V1, 3*V1, 10*time.
      {1, 1500000000, 0, 1500000000, 0, 0, 100000},
      {1, 500000000, 0, 1500000000, 0, 0, 26667},
      {4, 800000000, 0, 2100000000, 0, 0, 6000},
      {4, 1500000000, 0, 1500000000, 0, 0, 100000},
      {2, 100000, 0, 300000000, 0, 0, 0},
      {2, 100000, 0, kMax, 0, 0, 0},
      {2, kMax, 0, 1, 0, 0, kMax - 10},
      // Places before the first push V1 above 32 bits: held at the limit.
      {3, kMax, 0, 1, 0, 1, kMax},   {3, kMax, 0, 1, 0, 0, kMax},
      {3, kMax, 0, 1, 0, -32768, kMax}, {3, kMax, 0, 1, 0, 2, kMax - 100},
      {3, kMin, 0, 1, 0, 32767, 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(CalcPoints(c.time, c.deduction, c.place, Disz(c.kind, c.v1, c.v2)), c.want)
        << "kind " << c.kind << " V1 " << c.v1 << " V2 " << c.v2 << " time " << c.time << " deduction "
        << c.deduction << " place " << c.place;
}

TEST(CalcPoints, CurvesDecreaseWithTime) {
  for (uint16_t kind : {1, 4}) {
    const TDisziplin d = Disz(kind, 3000);
    int32_t previous = CalcPoints(1, 0, 0, d);
    for (int32_t t = 2; t <= 15001; ++t) {
      const int32_t p = CalcPoints(t, 0, 0, d);
      ASSERT_LE(p, previous) << kind << " " << t;
      previous = p;
    }
  }
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

TEST(CalcPoints, UserFormulaVariables) {
  MessageCapture messages;
  struct F { const char* formula; int32_t want; };
  const F cases[] = {
      {"T", 1234},          {"SP", 6},          {"P", 9},      {"V1", 11},  {"V2", 22},
      {"V3+V4*10+V5*100", 543},
      {"1234.99", 1234},    // truncated, not rounded
      {"0.99", 0},          {"-5", 0},          {"0-V1", 0},
      {"V1*1000000000", kMax},     // beyond 32 bits: held at the limit
      {"2^70", kMax},       {"2147483647.9", kMax}, {"2147483646.9", kMax - 1},
      {"T/0", 0},           // numeric failure: quietly 0
      {"LN(0-1)", 0},
  };
  for (const F& c : cases) EXPECT_EQ(CalcPoints(1234, 6, 9, Disz(0, 11, 22, c.formula)), c.want) << c.formula;
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

TEST(CalcPoints, TemplateBuiltUserFormulaReportsUntilAFormulaIsEntered) {
  MessageCapture messages;
  TDisziplin d;
  BuildDisziplin(d, TDisziplinVorlage{"Frei", 0, 100000}, 8);
  EXPECT_EQ(CalcPoints(6000, 0, 1, d), 0);
  EXPECT_EQ(messages.list.size(), 1u);
  d.SetFormula("V1-T*10");
  EXPECT_EQ(CalcPoints(6000, 0, 1, d), 40000);
  EXPECT_EQ(messages.list.size(), 1u);
}

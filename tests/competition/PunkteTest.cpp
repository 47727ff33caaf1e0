#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "CodePage.h"
#include "VkPunkte.h"
#include "YrHooks.h"

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

// Collects what the core reports and restores the silent default.
class Messages {
 public:
  Messages() {
    ErrorMsgProc = [this](const std::string& m) { list.push_back(m); };
  }
  ~Messages() { ErrorMsgProc = NoErrorMsg; }
  std::vector<std::string> list;
};

struct Case {
  int32_t time;
  int16_t deduction;
  int16_t place;
  int32_t want;
};

void Check(const TDisziplin& d, const std::vector<Case>& cases) {
  for (const Case& c : cases)
    EXPECT_EQ(CalcPoints(c.time, c.deduction, c.place, d), c.want)
        << "kind " << d.Kind() << " V1 " << d.V(1) << " V2 " << d.V(2) << " time " << c.time << " deduction "
        << c.deduction << " place " << c.place;
}

}  // namespace

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
  struct R { long double v; long double want; };
  const R cases[] = {
      {0.5L, 0},       {1.5L, 2},       {2.5L, 2},        {3.5L, 4},        {-0.5L, 0},
      {-1.5L, -2},     {-2.5L, -2},     {2.4999L, 2},     {2.5001L, 3},     {-2.5001L, -3},
      {7812.5L, 7812}, {7937.5L, 7938}, {0, 0},           {41, 41},
      // 2^62 + 0.5 is exact in the 64-bit mantissa and lies on a tie.
      {4611686018427387904.5L, 4611686018427387904.0L},
  };
  for (const R& c : cases) EXPECT_EQ(RoundHalfEven(c.v), c.want) << static_cast<double>(c.v);
  EXPECT_TRUE(std::isinf(RoundHalfEven(std::numeric_limits<long double>::infinity())));
  EXPECT_TRUE(std::isnan(RoundHalfEven(std::numeric_limits<long double>::quiet_NaN())));
}

TEST(RoundHalfEven, IgnoresTheRoundingMode) {
  const int saved = std::fegetround();
  for (int mode : {FE_UPWARD, FE_DOWNWARD, FE_TOWARDZERO}) {
    ASSERT_EQ(std::fesetround(mode), 0);
    EXPECT_EQ(RoundHalfEven(2.5L), 2) << mode;
    EXPECT_EQ(RoundHalfEven(3.5L), 4) << mode;
    EXPECT_EQ(RoundHalfEven(-2.5L), -2) << mode;
    EXPECT_EQ(RoundHalfEven(2.6L), 3) << mode;
  }
  std::fesetround(saved);
}

TEST(CalcPoints, QuadraticLinear) {
  Check(Disz(1, 3000), {
                           {3000, 0, 0, 100000},  // x = 1: 1000 points
                           {6000, 0, 0, 40000},   // x = 2: both pieces give 400
                           {15000, 0, 0, 0},      // x = 5: nothing from here on
                           {14999, 0, 0, 4},      // just below: 2000/3 - 400/3 * 14999/3000
                           {20000, 0, 0, 0},
                           {3000, 5, 0, 99500},   // 5 whole points deducted
                           {3000, 1000, 0, 0},    // more deducted than scored: 0
                           {3000, 32767, 0, 0},
                           {3000, -1, 0, 0},      // disqualified
                       });
}

TEST(CalcPoints, QuadraticLinearDecreasesWithTime) {
  const TDisziplin d = Disz(1, 3000);
  int32_t previous = CalcPoints(1, 0, 0, d);
  EXPECT_EQ(previous, 253333);  // x -> 0: 2534 - 2001/3000 points
  for (int32_t t = 2; t <= 15001; ++t) {
    int32_t p = CalcPoints(t, 0, 0, d);
    ASSERT_LE(p, previous) << t;
    previous = p;
  }
}

TEST(CalcPoints, Cup) {
  Check(Disz(4, 3000), {
                           {3000, 0, 0, 100000},  // x = 1
                           {6000, 0, 0, 20000},   // x = 2
                           {7500, 0, 0, 8000},    // x = 2.5
                           {9000, 0, 0, 0},       // x = 3
                           {8999, 0, 0, 5},
                           {3000, 5, 0, 99500},
                           {3000, -1, 0, 0},
                       });
}

TEST(CalcPoints, CupComparesTwoAndAHalfTimesV1AsFloatingPoint) {
  // 2.5 * 3001 = 7502.5: 7502 still lies on the middle piece (680 - 240x
  // gives 80.040); an integer 7502 would have taken 480 - 160x (80.027).
  Check(Disz(4, 3001), {{7502, 0, 0, 8004}, {7503, 0, 0, 7997}});
}

TEST(CalcPoints, CupDecreasesWithTime) {
  const TDisziplin d = Disz(4, 3000);
  int32_t previous = CalcPoints(1, 0, 0, d);
  for (int32_t t = 2; t <= 9001; ++t) {
    int32_t p = CalcPoints(t, 0, 0, d);
    ASSERT_LE(p, previous) << t;
    previous = p;
  }
}

TEST(CalcPoints, TiesRoundToEven) {
  // With V1 = 1024 the quotient, the polynomial and v x 100 are exact, so
  // these values lie exactly on a half: 480 - 160 * 2572/1024 = 78.125 and
  // 680 - 240 * 2056/1024 = 198.125 round down, 79.375 and 194.375 up.
  Check(Disz(4, 1024), {
                           {2572, 0, 0, 7812},
                           {2564, 0, 0, 7938},
                           {2056, 0, 0, 19812},
                           {2072, 0, 0, 19438},
                       });
}

TEST(CalcPoints, Linear) {
  Check(Disz(2, 100000, 100), {
                                  {6005, 0, 0, 40000},  // cut to the 10-hundredths step
                                  {6000, 0, 0, 40000},
                                  {6009, 0, 0, 40000},
                                  {6010, 0, 0, 39900},
                                  {6005, 3, 0, 39700},
                                  {10000, 0, 0, 0},
                                  {10010, 0, 0, 0},
                                  {6005, -1, 0, 0},
                              });
  Check(Disz(2, 100000, 0), {{6005, 0, 0, 39950}});   // no step
  Check(Disz(2, 100000, 5), {{6005, 0, 0, 39950}});   // 5 div 10 = 0: no step
  Check(Disz(2, 100000, -100), {{6005, 0, 0, 40000}});  // a negative step cuts the same way
  Check(Disz(2, 100000, kMin), {{6005, 0, 0, 100000}});  // a step longer than the time cuts it to 0
}

TEST(CalcPoints, PerPlace) {
  Check(Disz(3, 2000), {
                           {1, 0, 1, 2000},
                           {1, 0, 3, 1800},
                           {1, 0, 0, 2100},
                           {1, 0, 25, 0},   // negative becomes 0
                           {1, 0, 21, 0},
                           {1, 0, 20, 100},
                           {1, 50, 1, 1950},  // the deduction as stored, not times 100
                           {1, -1, 1, 0},
                           {0, 0, 1, 0},      // no time: no points, whatever the place
                       });
}

TEST(CalcPoints, StatusCodesAndNoTimeGiveZeroForEveryKind) {
  Messages messages;
  const TDisziplin ds[] = {Disz(0, 100000, 0, "V1-T*10"), Disz(1, 3000), Disz(2, 100000, 100), Disz(3, 2000),
                           Disz(4, 3000)};
  for (const TDisziplin& d : ds) {
    for (int16_t code : {-1, -2, -3, -4, -5, -6, -100})
      EXPECT_EQ(CalcPoints(3000, code, 1, d), 0) << d.Kind() << " " << code;
    EXPECT_EQ(CalcPoints(0, 0, 1, d), 0) << d.Kind();
  }
  EXPECT_TRUE(messages.list.empty());
}

TEST(CalcPoints, NoTimeEvaluatesNothing) {
  Messages messages;
  EXPECT_EQ(CalcPoints(0, 0, 1, Disz(0, 0, 0, "T*")), 0);
  EXPECT_TRUE(messages.list.empty());
}

TEST(CalcPoints, ZeroReferenceTimeGivesZero) {
  for (uint16_t kind : {1, 4})
    for (int32_t t : {1, 3000, 150000, kMax}) EXPECT_EQ(CalcPoints(t, 0, 0, Disz(kind, 0)), 0) << kind << " " << t;
  // A negative reference time cannot be beaten either.
  for (uint16_t kind : {1, 4}) EXPECT_EQ(CalcPoints(3000, 0, 0, Disz(kind, -3000)), 0) << kind;
}

TEST(CalcPoints, NegativeTimeCountsAsNoTime) {
  Messages messages;
  const TDisziplin ds[] = {Disz(0, 100000, 0, "V1-T*10"), Disz(1, 3000), Disz(2, 100000, 100), Disz(3, 2000),
                           Disz(4, 3000), Disz(0, 0, 0, "T*")};
  for (const TDisziplin& d : ds)
    for (int32_t t : {-1, -3000, kMin}) EXPECT_EQ(CalcPoints(t, 0, 1, d), 0) << d.Kind() << " " << t;
  EXPECT_TRUE(messages.list.empty());
}

TEST(CalcPoints, LargeParametersDoNotOverflow) {
  // 2 * V1 beyond 32 bits: still the first piece, x = 1.
  Check(Disz(1, 1500000000), {{1500000000, 0, 0, 100000}});
  // 5 * V1 beyond 32 bits: the second piece at x = 3.
  Check(Disz(1, 500000000), {{1500000000, 0, 0, 26667}});
  // 3 * V1 beyond 32 bits: the last piece of the cup curve at x = 2.625.
  Check(Disz(4, 800000000), {{2100000000, 0, 0, 6000}});
  Check(Disz(4, 1500000000), {{1500000000, 0, 0, 100000}});
  // 10 * time beyond 32 bits gives far fewer points than V1, not a wrapped sum.
  Check(Disz(2, 100000, 0), {{300000000, 0, 0, 0}, {kMax, 0, 0, 0}});
  Check(Disz(2, kMax, 0), {{1, 0, 0, kMax - 10}, {kMax, 0, 0, 0}});
  // Places before the first push V1 above 32 bits: held at the limit.
  Check(Disz(3, kMax), {{1, 0, 1, kMax}, {1, 0, 0, kMax}, {1, 0, -32768, kMax}, {1, 0, 2, kMax - 100}});
  Check(Disz(3, kMin), {{1, 0, 32767, 0}});
}

TEST(CalcPoints, UnknownKindGivesZero) {
  for (uint16_t kind : {5, 7, 65535}) EXPECT_EQ(CalcPoints(3000, 0, 1, Disz(kind, 100000, 100)), 0) << kind;
}

TEST(CalcPoints, UserFormulaMatchesLinearWithoutStep) {
  Messages messages;
  const TDisziplin linear = Disz(2, 100000, 0);
  const TDisziplin plain = Disz(0, 100000, 0, "V1-T*10");
  const TDisziplin withDeduction = Disz(0, 100000, 0, "V1-T*10-SP*100");
  const TDisziplin lower = Disz(0, 100000, 0, "v1-t*10");
  for (int32_t t : {1, 2999, 6005, 9999, 10000, 12000}) {
    for (int16_t sp : {0, 7, 400}) {
      // The plain formula ignores the deduction; the other subtracts it.
      EXPECT_EQ(CalcPoints(t, sp, 1, plain), CalcPoints(t, 0, 1, linear)) << t << " " << sp;
      EXPECT_EQ(CalcPoints(t, sp, 1, withDeduction), CalcPoints(t, sp, 1, linear)) << t << " " << sp;
      EXPECT_EQ(CalcPoints(t, sp, 1, lower), CalcPoints(t, 0, 1, linear)) << t << " " << sp;
    }
  }
  EXPECT_TRUE(messages.list.empty());
}

TEST(CalcPoints, UserFormulaVariables) {
  Messages messages;
  const TDisziplin d = Disz(0, 11, 22);  // V3..V5 are 3, 4, 5
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
  for (const F& c : cases) {
    TDisziplin f = d;
    f.SetFormula(c.formula);
    EXPECT_EQ(CalcPoints(1234, 6, 9, f), c.want) << c.formula;
  }
  EXPECT_TRUE(messages.list.empty());
}

TEST(CalcPoints, UserFormulaSyntaxErrorMessages) {
  Messages messages;
  struct F { std::string formula; std::string message; };
  const F cases[] = {
      {"T*", "Ausdruck erwartet.\rPosition: 3\rT*"},
      {"t*", "Ausdruck erwartet.\rPosition: 3\rT*"},  // shown as the interpreter holds it
      {"1 2", "Opeartor erwartet.\rPosition: 3\r1 2"},
      {"(1", Oem("Operator oder schließende Klammer erwartet.") + "\rPosition: 3\r(1"},
      {"SIN 3", Oem("Öffnende Klammer erwartet.") + "\rPosition: 5\rSIN 3"},
      {std::string(18, '(') + "1" + std::string(18, ')'),
       Oem("Stapelspeicherüberlauf im Formelparser.") + "\rPosition: 17\r" + std::string(18, '(') + "1" +
           std::string(18, ')')},
      // A user formula built from a template still holds the kind's name.
      {"<benutzerdefinierte Formel>", "Ausdruck erwartet.\rPosition: 1\r<BENUTZERDEFINIERTE FORMEL>"},
  };
  for (const F& c : cases) {
    messages.list.clear();
    EXPECT_EQ(CalcPoints(6000, 0, 1, Disz(0, 100000, 0, c.formula)), 0) << c.formula;
    ASSERT_EQ(messages.list.size(), 1u) << c.formula;
    EXPECT_EQ(messages.list[0], c.message);
  }
}

TEST(CalcPoints, SyntaxErrorIsReportedForEveryResult) {
  Messages messages;
  const TDisziplin d = Disz(0, 100000, 0, "T*");
  for (int i = 0; i < 3; ++i) EXPECT_EQ(CalcPoints(6000 + i, 0, 1, d), 0);
  EXPECT_EQ(messages.list.size(), 3u);
  // A status code still parses the formula (and reports), then scores 0.
  EXPECT_EQ(CalcPoints(6000, -1, 1, d), 0);
  EXPECT_EQ(messages.list.size(), 4u);
}

TEST(CalcPoints, SyntaxErrorMessageIsCutTo255) {
  Messages messages;
  // 255 characters: a long sum that ends on two operators.
  std::string formula;
  for (int i = 0; i < 126; ++i) formula += "1+";
  formula += "1+*";
  ASSERT_EQ(formula.size(), 255u);
  EXPECT_EQ(CalcPoints(6000, 0, 1, Disz(0, 0, 0, formula)), 0);
  ASSERT_EQ(messages.list.size(), 1u);
  const std::string head = "Ausdruck erwartet.\rPosition: 255\r";
  const std::string want = (head + formula).substr(0, 255);
  EXPECT_EQ(messages.list[0], want);
}

TEST(CalcPoints, TemplateBuiltUserFormulaReportsUntilAFormulaIsEntered) {
  Messages messages;
  TDisziplin d;
  BuildDisziplin(d, TDisziplinVorlage{"Frei", 0, 100000}, 8);
  EXPECT_EQ(CalcPoints(6000, 0, 1, d), 0);
  EXPECT_EQ(messages.list.size(), 1u);
  d.SetFormula("V1-T*10");
  EXPECT_EQ(CalcPoints(6000, 0, 1, d), 40000);
  EXPECT_EQ(messages.list.size(), 1u);
}

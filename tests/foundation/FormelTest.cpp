#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <map>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "MessageCapture.h"
#include "YrFormel.h"

namespace {

// An interpreter with a fixed set of variables that records every look-up.
class TTestFormel : public TYrFormel {
 public:
  std::map<std::string, long double> vars{{"T", 3}, {"SP", 5}, {"X", 7}, {"A_1", 2}, {"V1", 100000}};
  std::vector<std::string> lookups;

 protected:
  bool GetVariable(const std::string& name, long double& value) override {
    lookups.push_back(name);
    auto it = vars.find(name);
    if (it == vars.end()) return false;
    value = it->second;
    return true;
  }
};

struct Outcome {
  long double result;
  bool failed;
  int code;
  int position;
  int reports;
};

Outcome Eval(const std::string& formula) {
  TTestFormel f;
  int reports = 0;
  f.SetErrorProc([&reports](TYrFormel&, uint8_t) { ++reports; });
  f.SetFormula(formula);
  f.Parse();
  return {f.Result(), f.Failed(), f.ErrorCode(), f.ErrorPosition(), reports};
}

bool Near(long double a, long double b) { return std::fabs(a - b) <= 1e-15L * std::fabs(b); }

std::string Nested(int depth) {
  return std::string(depth, '(') + "1" + std::string(depth, ')');
}

}  // namespace

TEST(Formel, ExactValues) {
  struct Case { std::string formula; long double want; };
  const Case cases[] = {
      {"1+2*3", 7},       {"(1+2)*3", 9},      {"2*-3", -6},         {"-2*3", -6},
      {"10-2-3", 5},      {"12/4/3", 1},       {"-(2+3)", -5},       {".5+1", 1.5L},
      {"1.", 1},          {"1E3", 1000},       {"1e-2", 0.01L},      {"0.1", 0.1L},
      {"ABS(-3)", 3},     {"sqrt(4)", 2},      {"SQR(3)", 9},        {"SQR(-1E2466)", 1E2466L * 1E2466L},
      {"ROUND(2.5)", 2},  {"ROUND(-2.5)", -2}, {"ROUND(3.5)", 4},    {"ROUND(0.5)", 0},
      {"ROUND(-2.6)", -3}, {"ROUND(999999999.5)", 1E9L},           {"TRUNC(-2.7)", -2},
      {"TRUNC(-1E9)", -1E9L},                  {"NEG(-3)", 1},       {"NEG(0)", 0},
      {"POS(0)", 0},      {"POS(0.1)", 1},     {"LN(1)", 0},         {"EXP(0)", 1},
      {"COS(0)", 1},      {"SIN(0)", 0},       {"ATAN(0)", 0},       {"V1-T*10-SP*100", 99470},
      {"A_1+X", 9},       {std::string(77, '0') + "1E5", 1E5L},  // a number text of 80 characters
      // Extended precision: 1E-19 survives next to 1, which it would not in a double.
      {"1+1E-19-1", 1.0L + 1E-19L - 1.0L},
      // Too small for the format: read as (next to) zero, not a failure.
      {"1E-5000+2", 2},
  };
  for (const Case& c : cases) {
    const Outcome o = Eval(c.formula);
    EXPECT_EQ(std::tuple(o.failed, o.code, o.result), std::tuple(false, 0, c.want)) << c.formula;
  }
  EXPECT_GT(Eval("1+1E-19-1").result, 0);
}

TEST(Formel, PowerAndTranscendentalValuesWithinTolerance) {
  struct Case { const char* formula; long double want; };
  const Case cases[] = {
      {"2^3^2", 512},           {"2^-2", 0.25L},         {"(2^3)^2", 64},
      {"9^0.5", 3},             {"EXP(1)", 2.718281828459045235360287L},
      {"LN(EXP(2))", 2},        {"ATAN(1)*4", 3.14159265358979323846264L},
      {"10^2*T", 300},          {"EXP(11356)", std::exp(11356.0L)},
      {"EXP(-11356)", std::exp(-11356.0L)},
      // e^(F ln P) within -11356..11356: 16383 ln 2 = 11355.8, 16384 ln 2 = 11356.5.
      {"2^16383", std::ldexp(1.0L, 16383)}, {"2^-16383", std::ldexp(1.0L, -16383)},
  };
  for (const Case& c : cases) {
    Outcome o = Eval(c.formula);
    EXPECT_FALSE(o.failed) << c.formula;
    EXPECT_TRUE(Near(o.result, c.want)) << c.formula << " gave " << static_cast<double>(o.result);
  }
  EXPECT_FALSE(Eval("SIN(9E18)").failed);
  EXPECT_FALSE(Eval("COS(-9E18)").failed);
}

TEST(Formel, NumericFailuresAreQuiet) {
  const char* cases[] = {
      "-2^2", "(-2)^2", "0^1", "2^16384", "2^-16384", "1/0", "1/(2-2)", "LN(0)", "LN(-1)", "SQRT(-1)",
      "ROUND(2E9)", "ROUND(-1000000000.5)", "TRUNC(1000000000.5)", "EXP(11356.001)", "EXP(-11356.001)",
      "COS(9000000000000000001)", "SIN(-9000000000000000001)", "SQR(1E2467)", "2E", "1E+", "1E-", "2E+3-2E",
      "!", "1+!", "2*(1/0)+3",
      // Overflow to infinity is a failure, not a value.
      "1E5000", "1E4000*1E4000", "1E4932+1E4932", "-1E4932-1E4932", "1E4000/1E-4000",
      "SQR(1E2466)*10",
  };
  for (const char* formula : cases) {
    const Outcome o = Eval(formula);
    EXPECT_EQ(std::tuple(o.failed, o.result, o.code, o.reports), std::tuple(true, 0.0L, 0, 0)) << formula;
  }
}

TEST(Formel, NonFiniteVariableFails) {
  for (long double bad : {std::numeric_limits<long double>::infinity(),
                          std::numeric_limits<long double>::quiet_NaN()}) {
    TTestFormel f;
    f.vars["T"] = bad;
    f.SetFormula("NEG(T)+1");
    f.Parse();
    EXPECT_EQ(std::pair(f.Failed(), f.Result()), std::pair(true, 0.0L));
  }
}

TEST(Formel, SyntaxErrorsReportCodeAndPosition) {
  struct Case { std::string formula; int code, position; };
  const Case cases[] = {
      {"--2", 3, 2},       {"+2", 3, 1},     {"1+", 3, 3},        {"1 2", 4, 3},
      {"SIN 1", 5, 5},     {"(1+2", 6, 5},   {"ABS(1", 6, 6},     {"", 3, 1},
      {"   ", 3, 4},       {"ZZ", 3, 3},     {"1+ZZ", 3, 5},      {"ZZ+1", 3, 3},
      {"#", 3, 1},         {"1.5.2", 4, 4},  {"1E12345", 4, 7},   {"(1))", 4, 4},
      {"SIN", 5, 4},       {"SIN()", 3, 5},  {"2^^3", 3, 3},      {"T*", 3, 3},
      {"\t1", 3, 1},       {"1\t", 4, 2},    {".", 3, 1},         {"1+.", 3, 3},
      {".E5", 3, 1},       {"\x8e", 3, 1},   {"(1+2)(3)", 4, 6},  {"2 ^ - - 2", 3, 7},
      {"_X", 3, 1},        {"2,5", 4, 2},
      // Function names match by prefix, before any variable.
      {"ABSX", 5, 4},      {"ABSZ", 5, 5},   {"POSITION", 5, 9},  {"LNX", 5, 3},
      // A syntax error wins over an earlier numeric failure.
      {"1/0+", 3, 5},
      // A number text stops at 80 characters and reading goes on behind it (the last
      // one loses its exponent's digit, so its first 80 characters do not convert).
      {std::string(85, '0') + "7", 4, 81}, {std::string(80, '0') + "E5", 4, 83}, {std::string(78, '0') + "1E5", 4, 81},
  };
  for (const Case& c : cases) {
    const Outcome o = Eval(c.formula);
    EXPECT_EQ(std::tuple(o.code, o.position, o.reports, o.failed, o.result),
              std::tuple(c.code, c.position, 1, true, 0.0L))
        << '"' << c.formula << '"';
  }
}

// Every cell of the action table that a formula can reach: each prefix leaves
// one state (or a chain of reductions) on top, and each of the twelve token
// kinds follows it. "ok" parses, "f" fails quietly, "c@p" is error c at p.
TEST(Formel, EveryActionTableCell) {
  const char* tokens[] = {"+", "-", "*", "/", "^", "(", ")", "7", "ABS", "", "#", "!"};
  struct Row { const char* prefix; const char* outcomes; };
  const Row rows[] = {
      {"", "3@2 3@3 3@2 3@2 3@2 3@3 3@2 ok 5@5 3@2 3@2 f"},
      {"1", "3@4 3@4 3@4 3@4 3@4 4@3 4@3 4@3 4@3 ok 4@3 4@3"},
      {"-", "3@3 3@3 3@3 3@3 3@3 3@4 3@3 ok 5@6 3@3 3@3 3@3"},
      {"(", "3@3 3@4 3@3 3@3 3@3 3@4 3@3 6@4 5@6 3@3 3@3 f"},
      {"ABS", "5@5 5@5 5@5 5@5 5@5 3@6 5@5 5@5 5@5 5@5 5@5 5@5"},
      {"1+", "3@4 3@5 3@4 3@4 3@4 3@5 3@4 ok 5@7 3@4 3@4 f"},
      {"1*", "3@4 3@5 3@4 3@4 3@4 3@5 3@4 ok 5@7 3@4 3@4 f"},
      {"1^", "3@4 3@5 3@4 3@4 3@4 3@5 3@4 ok 5@7 3@4 3@4 f"},
      {"-1", "3@5 3@5 3@5 3@5 3@5 4@4 4@4 4@4 4@4 ok 4@4 4@4"},
      {"(1", "3@5 3@5 3@5 3@5 3@5 6@4 ok 6@4 6@4 6@4 6@4 6@4"},
      {"ABS(", "3@6 3@7 3@6 3@6 3@6 3@7 3@6 6@7 5@9 3@6 3@6 f"},
      {"1+1", "3@6 3@6 3@6 3@6 3@6 4@5 4@5 4@5 4@5 ok 4@5 4@5"},
      {"1*1", "3@6 3@6 3@6 3@6 3@6 4@5 4@5 4@5 4@5 ok 4@5 4@5"},
      {"1^1", "3@6 3@6 3@6 3@6 3@6 4@5 4@5 4@5 4@5 ok 4@5 4@5"},
      {"(1)", "3@6 3@6 3@6 3@6 3@6 4@5 4@5 4@5 4@5 ok 4@5 4@5"},
      {"ABS(1", "3@8 3@8 3@8 3@8 3@8 6@7 ok 6@7 6@7 6@7 6@7 6@7"},
      {"ABS(1)", "3@9 3@9 3@9 3@9 3@9 4@8 4@8 4@8 4@8 ok 4@8 4@8"},
  };
  for (const Row& r : rows) {
    std::istringstream want(r.outcomes);
    for (const char* token : tokens) {
      const std::string formula = std::string(r.prefix) + " " + token;
      std::string expected;
      want >> expected;
      const Outcome o = Eval(formula);
      const std::string got = !o.failed ? "ok"
                              : o.code == 0 ? "f"
                                            : std::to_string(o.code) + "@" + std::to_string(o.position);
      EXPECT_EQ(got, expected) << '"' << formula << '"';
      EXPECT_EQ(o.reports, o.code != 0 ? 1 : 0) << '"' << formula << '"';
    }
  }
}

TEST(Formel, FifteenRecordStackBoundsNesting) {
  // Each open parenthesis, pending operand and operator takes one record.
  EXPECT_EQ(std::pair(Eval(Nested(12)).result, Eval(Nested(12)).code), std::pair(1.0L, 0));
  struct Case { std::string formula; int position; };
  const Case cases[] = {
      {Nested(13), 17},  // the first ")" does not fit; the next ")" was read
      {Nested(14), 17},
      {Nested(15), 17},  // the 15th "(" does not fit; "1" was read
      {std::string(40, '('), 17},  // stops at the 15th "("
      {"1^1^1^1^1^1^1^1", 16},
      {"1+(1+(1+(1+(1+(1+(1)))))))", 17},
  };
  for (const Case& c : cases) {
    const Outcome o = Eval(c.formula);
    EXPECT_EQ(std::tuple(o.code, o.position, o.reports, o.failed), std::tuple(1, c.position, 1, true)) << c.formula;
  }
  EXPECT_EQ(Eval("1^1^1^1^1^1^1").result, 1);
}

TEST(Formel, EachParseStartsAfreshAndLooksUpVariablesInReadingOrder) {
  TTestFormel f;
  f.SetFormula("1+");
  f.Parse();
  EXPECT_EQ(f.ErrorCode(), 3);
  f.SetFormula("1/0");
  f.Parse();
  EXPECT_EQ(f.ErrorCode(), 0);
  EXPECT_TRUE(f.Failed());
  f.SetFormula("t+SP*T");
  EXPECT_EQ(f.GetFormula(), "T+SP*T");
  f.Parse();
  EXPECT_FALSE(f.Failed());
  EXPECT_EQ(f.Result(), 18);
  f.vars["T"] = 10;
  f.Parse();
  EXPECT_EQ(f.Result(), 60);
  EXPECT_EQ(f.lookups, (std::vector<std::string>{"T", "SP", "T", "T", "SP", "T"}));
}

TEST(Formel, FormulaIsUpperCasedAndCutTo255) {
  TTestFormel f;
  std::string s(300, '1');
  s[0] = 'a';
  s[1] = '\x84';  // CP850 a-umlaut stays as it is
  f.SetFormula(s);
  std::string got;
  f.GetFormula(got);
  ASSERT_EQ(got.size(), 255u);
  EXPECT_EQ(got.substr(0, 3), "A\x84" "1");
}

// The interpreter reports nothing itself: its error procedure, called once
// and after Failed and Result are final, builds any message. The base class
// knows no variables.
TEST(Formel, ErrorProcIsTheOnlyReport) {
  MessageCapture messages;
  TYrFormel f;
  std::vector<std::pair<int, int>> calls;  // code, position
  bool failedSeen = false;
  f.SetErrorProc([&](TYrFormel& formel, uint8_t code) {
    failedSeen = formel.Failed() && formel.Result() == 0;
    calls.emplace_back(code, formel.ErrorPosition());
  });
  f.SetFormula("T");
  f.Parse();
  f.SetErrorProc(nullptr);
  f.Parse();
  EXPECT_EQ(std::tuple(f.ErrorCode(), calls, failedSeen, messages.list.size()),
            std::tuple(3, std::vector<std::pair<int, int>>{{3, 2}}, true, 0u));
}

TEST(Formel, GermanLocaleDoesNotChangeNumbers) {
  const std::string old = std::setlocale(LC_ALL, nullptr);
  ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr);
  Outcome dot = Eval("1.5*2+.25");
  Outcome comma = Eval("1,5");
  Outcome exp = Eval("2.5E-1");
  std::setlocale(LC_ALL, old.c_str());
  EXPECT_EQ(std::tuple(dot.result, dot.failed, exp.result, comma.code, comma.position),
            std::tuple(3.25L, false, 0.25L, 4, 2));
}

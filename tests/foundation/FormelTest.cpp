#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <clocale>
#include <limits>
#include <map>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "CaseFile.h"
#include "MessageCapture.h"
#include "YrFormel.h"

namespace {

// An interpreter with a fixed set of variables that records every look-up.
class TTestFormel : public TYrFormel {
 public:
  std::map<std::string, long double> vars{{"T", 3}, {"SP", 5}, {"X", 7}, {"A_1", 2}, {"V1", 100000},
                                          {"INF", std::numeric_limits<long double>::infinity()},
                                          {"NAN", std::numeric_limits<long double>::quiet_NaN()}};
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

// What Parse makes of a formula, written as the data files write it: the
// value to `digits` significant digits, "fails" for a quiet numeric failure,
// "error C at P" for a syntax error (`shortError`: "C@P"). Added: a result
// other than 0 after a failure; the error procedure's calls unless it was
// called once per syntax error, with Failed, Result and the position final;
// any message of the interpreter's own.
std::string Outcome(const std::string& formula, int digits = 21, bool shortError = false) {
  MessageCapture messages;
  TTestFormel f;
  std::string calls;
  f.SetErrorProc([&calls](TYrFormel& formel, uint8_t code) {
    const bool final = formel.Failed() && formel.Result() == 0;
    calls += std::to_string(code) + "@" + std::to_string(formel.ErrorPosition()) + (final ? ";" : " early;");
  });
  f.SetFormula(formula);
  f.Parse();
  char value[64];
  *std::to_chars(value, value + sizeof value - 1, f.Result(), std::chars_format::general, digits).ptr = '\0';
  const std::string code = std::to_string(f.ErrorCode()), at = std::to_string(f.ErrorPosition());
  std::string s = !f.Failed() ? value : f.ErrorCode() == 0 ? "fails" : shortError ? code + "@" + at
                                                                                     : "error " + code + " at " + at;
  if (f.Failed() && f.Result() != 0) s += " with result " + std::string(value);
  if (calls != (f.ErrorCode() != 0 ? code + "@" + at + ";" : "")) s += " reported " + calls;
  if (!messages.list.empty()) s += " with a message";
  return s;
}

}  // namespace

// Under the German locale, in which the C library reads "1,5" as a number.
TEST(Formel, ValuesFailuresAndSyntaxErrorsOfTheDataFile) {
  const std::string old = std::setlocale(LC_ALL, nullptr);
  ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr);
  testdata::ExpectCaseFile("foundation/formel.txt", [](const std::string& formula) {
    const bool rough = formula.rfind("~ ", 0) == 0;
    return Outcome(testdata::Unquote(formula.substr(rough ? 2 : 0)), rough ? 15 : 21);
  });
  std::setlocale(LC_ALL, old.c_str());
}

// Every cell of the action table that a formula can reach, as a grid of
// prefixes and the twelve token kinds.
TEST(Formel, EveryActionTableCell) {
  const char* tokens[] = {"+", "-", "*", "/", "^", "(", ")", "7", "ABS", "", "#", "!"};
  std::istringstream in(testdata::ReadFile(VK_TEST_DATA "/foundation/formel-actions.txt"));
  std::string out;
  for (std::string line; std::getline(in, line); out += line + "\n") {
    const size_t bar = line.find('|');
    if (line.empty() || line[0] == '#' || bar == std::string::npos) continue;
    const std::string prefix = line.substr(0, line.find_first_of(" |"));
    line.erase(bar + 1);
    for (const char* token : tokens) {
      std::string o = Outcome(prefix + " " + token, 21, true);
      o = o == "fails" ? "f" : o.find('@') == std::string::npos ? "ok" : o;
      line += o + std::string(o.size() < 3 ? 3 - o.size() : 0, ' ') + " ";
    }
    line.erase(line.find_last_not_of(' ') + 1);
  }
  testdata::ExpectDataFile(out, "foundation/formel-actions.txt");
}

TEST(Formel, EachParseStartsAfreshAndLooksUpVariablesInReadingOrder) {
  TTestFormel f;
  f.SetFormula("1+");
  f.Parse();
  EXPECT_EQ(f.ErrorCode(), 3);
  f.SetFormula("1/0");
  f.Parse();
  EXPECT_EQ(std::tuple(f.ErrorCode(), f.Failed()), std::tuple(0, true));
  f.SetFormula("t+SP*T");
  EXPECT_EQ(f.GetFormula(), "T+SP*T");
  f.Parse();
  EXPECT_EQ(std::pair(f.Failed(), f.Result()), std::pair(false, 18.0L));
  f.vars["T"] = 10;
  f.Parse();
  EXPECT_EQ(f.Result(), 60);
  EXPECT_EQ(f.lookups, (std::vector<std::string>{"T", "SP", "T", "T", "SP", "T"}));
  std::string s(300, '1');
  s[0] = 'a';
  s[1] = '\x84';  // CP850 a-umlaut stays as it is
  f.SetFormula(s);
  EXPECT_EQ(f.GetFormula(), "A\x84" + std::string(253, '1'));
}

// Without an error procedure nothing is reported, and the base class knows
// no variables.
TEST(Formel, BaseClassWithoutErrorProc) {
  MessageCapture messages;
  TYrFormel f;
  f.SetFormula("T");
  f.Parse();
  EXPECT_EQ(std::tuple(f.ErrorCode(), f.ErrorPosition(), messages.list.size()), std::tuple(3, 2, 0u));
}

// Powers compared exactly, not to 15 digits: an exact power must come out
// exact, and the rest accurately rounded; the range limits still fail. (The
// squares of every time are in the points' tests.)
TEST(Formel, PowersAreExactWhereThePowerIsRepresentable) {
  TTestFormel f;
  const auto value = [&f](const std::string& formula) {
    f.SetFormula(formula);
    f.Parse();
    return f.Failed() ? std::numeric_limits<long double>::quiet_NaN() : f.Result();
  };
  EXPECT_EQ(value("2^3^2"), 512.0L);
  EXPECT_EQ(value("2^-2"), 0.25L);
  EXPECT_EQ(value("2^0.5"), std::sqrt(2.0L));
  for (const char* failing : {"(0-2)^2", "0^1", "2^20000", "-2^2"}) {
    f.SetFormula(failing);
    f.Parse();
    EXPECT_EQ(std::tuple(f.Failed(), f.Result(), f.ErrorCode()), std::tuple(true, 0.0L, 0)) << failing;
  }
}

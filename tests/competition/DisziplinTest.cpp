// The stored layout of a discipline is pinned with the whole result file
// (ResultFileTest); here damaged length bytes, names and rule years.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <tuple>

#include "AkTestSupport.h"
#include "CodePage.h"
#include "VkDisz.h"

// Read from damaged bytes, each text stays inside its field (on the heap, so
// that a read past the record's end is caught by the sanitizer) and the
// bytes are stored back unchanged. Parameters 0 and 6 name no field.
TEST(Disziplin, LengthsAreClampedToTheirFieldAndParametersToOneToFive) {
  std::array<uint8_t, kDisziplinSize> in;
  for (size_t i = 0; i < in.size(); ++i) in[i] = static_cast<uint8_t>(i * 7 + 3);
  in[0] = 255;    // name holds 80
  in[103] = 255;  // formula holds 255: the full field, still inside
  in[361] = 200;  // description holds 80 and ends the record
  auto d = std::make_unique<TDisziplin>();
  d->Load(in.data());
  d->SetV(0, 1), d->SetV(6, 1);
  const char* raw = reinterpret_cast<const char*>(in.data());
  EXPECT_EQ(std::tuple(d->Name(), d->Formula(), d->Description(), d->V(0), d->V(6), d->Bytes() == in),
            std::tuple(std::string(raw + 1, 80), std::string(raw + 104, 255), std::string(raw + 362, 80), 0, 0, true));
  TDisziplin s;
  s.SetName(std::string(100, 'N')), s.SetFormula(std::string(300, 'F')), s.SetDescription(std::string(81, 'D'));
  EXPECT_EQ(std::tuple(s.Name(), s.Formula(), s.Description(), s.Kind(), s.RuleCode()),
            std::tuple(std::string(80, 'N'), std::string(255, 'F'), std::string(80, 'D'), 0, 0));
}

// The cases of tests/data/competition/disziplin.txt.
TEST(Disziplin, KindNamesRuleYearsAndOrder) {
  using testdata::Arg;
  using testdata::Fields;
  using testdata::Num;
  testdata::ExpectRoutineCases(
      "competition/disziplin.txt",
      {{"FormulaKindName", [](const Fields& f) { return aktest::Text(FormulaKindName(uint16_t(Num(f, 1)))); }},
       {"RuleCode",
        [](const Fields& f) {
          const auto code = uint16_t(Num(f, 1));
          TDisziplin d;
          BuildDisziplin(d, {Oem("Kür"), kKindUserFormula, 150000, 100, 0, 0, 0}, code);
          return std::to_string(RuleSetYear(code)) + " " + aktest::Text(d.Description()) + " " +
                 std::to_string(d.RuleCode()) + " " + aktest::Text(d.Formula());
        }},
       {"Compare", [](const Fields& f) {
          TDisziplin a, b;  // b's other fields differ, and a's name has bytes behind its length
          BuildDisziplin(a, {Oem(Arg(f, 2)) + " und mehr", 0, 5}, 9);
          BuildDisziplin(b, {Oem(Arg(f, 4)), uint16_t(Num(f, 3))}, 2);
          a.SetName(Oem(Arg(f, 2)));
          a.SetKind(uint16_t(Num(f, 1)));
          return std::to_string(CompareDisziplin(a, b)) + " " + std::to_string(CompareDisziplin(b, a)) + " " +
                 std::to_string(SameDisziplin(a, b));
        }}});
}

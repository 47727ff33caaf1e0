// The stored layout of a discipline is pinned with the whole result file
// (ResultFileTest); here damaged length bytes, names and rule years.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <tuple>

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

TEST(Disziplin, FormulaKindName) {
  const char* names[] = {"<benutzerdefinierte Formel>", "<quadratisch-lineare Berechnungsformel>",
                         "<lineare Berechnungsformel>", "<Punkte pro Platzierung>", "<Internationaler Trelvacup>"};
  for (uint16_t kind = 0; kind < 5; ++kind) EXPECT_EQ(FormulaKindName(kind), names[kind]);
  for (uint16_t kind : {5, 7, 65535}) EXPECT_EQ(FormulaKindName(kind), "<unbekannte Berechnungsformel>");
}

// Odd codes are the championship variants.
TEST(Disziplin, RuleYearAndDescription) {
  const std::pair<uint16_t, uint16_t> years[] = {{0, 0},    {1, 0},     {2, 1988},  {3, 1988},  {4, 1992},
                                                 {5, 1992}, {6, 1995},  {7, 1995},  {8, 1999},  {9, 1999},
                                                 {10, 2007}, {11, 2007}, {12, 2006}, {13, 0},    {65534, 0}};
  for (auto [code, year] : years) {
    TDisziplin d;
    BuildDisziplin(d, {Oem("Kür"), kKindUserFormula, 150000, 100, 0, 0, 0}, code);  // a formula still to enter
    const std::string lead = code % 2 ? "Meisterschaftsdisziplin Regelwerk " : "Regelwerk ";
    EXPECT_EQ(std::tuple(RuleSetYear(code), d.Description(), d.RuleCode(), d.Formula(), d.Name(), d.V(2)),
              std::tuple(year, lead + std::to_string(year), code, "<benutzerdefinierte Formel>", Oem("Kür"), 100))
        << code;
  }
}

TEST(Disziplin, CompareAndSame) {
  const std::tuple<uint16_t, std::string, uint16_t, std::string, int> cases[] = {
      {2, "50 m Retten", 2, "50 m Retten", 0},
      {2, "50 m Retten", 1, "50 m Retten", -1},  // higher kind first
      {65535, "A", 0, "Z", -1},                  // kind decides before the name
      {2, "B", 2, "A", -1},                      // names descending
      {2, "AB", 2, "A", -1},                     // the longer text before its prefix
      {2, Oem("ü"), 2, "z", -1},                 // unsigned bytes: 0x81 above every ASCII letter
  };
  for (const auto& [kindA, nameA, kindB, nameB, want] : cases) {
    TDisziplin a, b;
    // Only kind and name count: not what stands behind the name's length, nor the other fields.
    a.SetKind(kindA), a.SetName(nameA + " und mehr"), a.SetName(nameA), a.SetV(1, 5), a.SetFormula("T");
    b.SetKind(kindB), b.SetName(nameB), b.SetDescription("x");
    EXPECT_EQ(std::tuple(CompareDisziplin(a, b), CompareDisziplin(b, a), SameDisziplin(a, b)),
              std::tuple(want, -want, want == 0))
        << kindA << " " << nameA << " / " << kindB << " " << nameB;
  }
}

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <tuple>

#include "AkTestSupport.h"
#include "ByteOrder.h"
#include "CodePage.h"
#include "VkDisz.h"

using aktest::FirstDiff;

namespace {

using Bytes = std::array<uint8_t, kDisziplinSize>;

// Every byte differs from its neighbours, so a field at a wrong offset shows.
Bytes Pattern() {
  Bytes b{};
  for (size_t i = 0; i < b.size(); ++i) b[i] = static_cast<uint8_t>(i * 7 + 3);
  return b;
}

Bytes Stored(const TDisziplin& d) {
  Bytes b;
  b.fill(0xAA);
  d.Store(b.data());
  return b;
}

TDisziplin Named(uint16_t kind, const std::string& name) {
  TDisziplin d;
  d.SetKind(kind);
  d.SetName(name);
  return d;
}

}  // namespace

TEST(Disziplin, LoadStoreKeepsBytesBehindTextsAndTouchesOnlyTheFieldSet) {
  const Bytes in = Pattern();
  TDisziplin d;
  d.Load(in.data());
  EXPECT_EQ(FirstDiff(Stored(d), in), "");

  d.SetName("AB");
  d.SetFormula("T");
  d.SetDescription("");
  d.SetV(3, 0);
  d.SetRuleCode(12);
  d.SetV(0, 1);  // numbers outside 1..5 name no field
  d.SetV(6, 1);
  EXPECT_EQ(std::pair(d.V(0), d.V(6)), std::pair(0, 0));
  Bytes want = in;
  for (auto [at, value] : {std::pair<size_t, uint8_t>{0, 2}, {1, 'A'}, {2, 'B'}, {103, 1}, {104, 'T'}, {361, 0},
                           {91, 0}, {92, 0}, {93, 0}, {94, 0}, {359, 12}, {360, 0}})
    want[at] = value;
  EXPECT_EQ(FirstDiff(Stored(d), want), "");
}

TEST(Disziplin, LengthsAreClampedToTheirField) {
  Bytes in = Pattern();
  in[0] = 255;    // name holds 80
  in[103] = 255;  // formula holds 255: the full field, still inside
  in[361] = 200;  // description holds 80 and ends the record
  // On the heap, so that a read past the record's end is caught by the sanitizer.
  auto d = std::make_unique<TDisziplin>();
  d->Load(in.data());
  const char* raw = reinterpret_cast<const char*>(in.data());
  EXPECT_EQ(std::tuple(d->Name(), d->Formula(), d->Description()),
            std::tuple(std::string(raw + 1, 80), std::string(raw + 104, 255), std::string(raw + 362, 80)));
  EXPECT_EQ(FirstDiff(Stored(*d), in), "");  // the damaged length bytes themselves are kept

  TDisziplin s;
  s.SetName(std::string(100, 'N'));
  s.SetFormula(std::string(300, 'F'));
  s.SetDescription(std::string(81, 'D'));
  EXPECT_EQ(std::tuple(s.Name(), s.Formula(), s.Description()),
            std::tuple(std::string(80, 'N'), std::string(255, 'F'), std::string(80, 'D')));
  EXPECT_EQ(std::pair(Stored(s)[81], Stored(s)[359]), (std::pair<uint8_t, uint8_t>(0, 0)));  // kind, rule code
}

TEST(Disziplin, FormulaKindName) {
  const char* names[] = {"<benutzerdefinierte Formel>", "<quadratisch-lineare Berechnungsformel>",
                         "<lineare Berechnungsformel>", "<Punkte pro Platzierung>", "<Internationaler Trelvacup>"};
  for (uint16_t kind = 0; kind < 5; ++kind) EXPECT_EQ(FormulaKindName(kind), names[kind]);
  for (uint16_t kind : {5, 7, 65535}) EXPECT_EQ(FormulaKindName(kind), "<unbekannte Berechnungsformel>");
}

// Odd codes are the championship variants.
TEST(Disziplin, RuleYearAndDescription) {
  const std::pair<uint16_t, uint16_t> years[] = {{0, 0},     {1, 0},     {2, 1988},  {3, 1988},  {4, 1992},
                                                 {5, 1992},  {6, 1995},  {7, 1995},  {8, 1999},  {9, 1999},
                                                 {10, 2007}, {11, 2007}, {12, 2006}, {13, 0},    {65534, 0}};
  const TDisziplinVorlage v{Oem("100 m Hindernisschwimmen"), 2, 150000, 100, 0, 0, 0};
  for (auto [code, year] : years) {
    TDisziplin d;
    BuildDisziplin(d, v, code);
    const std::string lead = code % 2 ? "Meisterschaftsdisziplin Regelwerk " : "Regelwerk ";
    EXPECT_EQ(std::tuple(RuleSetYear(code), d.Description(), d.RuleCode()),
              std::tuple(year, lead + std::to_string(year), code))
        << code;
  }
}

TEST(Disziplin, CompareAndSame) {
  struct Case { uint16_t kindA; std::string nameA; uint16_t kindB; std::string nameB; int want; };
  const Case cases[] = {
      {2, "50 m Retten", 2, "50 m Retten", 0},
      {2, "50 m Retten", 1, "50 m Retten", -1},  // higher kind first
      {65535, "A", 0, "Z", -1},                  // kind decides before the name
      {2, "B", 2, "A", -1},                      // names descending
      {2, "AB", 2, "A", -1},                     // the longer text before its prefix
      {2, Oem("ü"), 2, "z", -1},                 // unsigned bytes: 0x81 above every ASCII letter
  };
  for (const Case& c : cases) {
    const TDisziplin a = Named(c.kindA, c.nameA);
    const TDisziplin b = Named(c.kindB, c.nameB);
    EXPECT_EQ(std::tuple(CompareDisziplin(a, b), CompareDisziplin(b, a), SameDisziplin(a, b)),
              std::tuple(c.want, -c.want, c.want == 0))
        << c.kindA << " " << c.nameA << " / " << c.kindB << " " << c.nameB;
  }
  // Parameters, texts other than the name, and bytes behind the name's length do not count.
  const Bytes bytes = Pattern();
  TDisziplin other;
  other.Load(bytes.data());
  other.SetKind(2);
  other.SetName("50 m Retten");
  EXPECT_TRUE(SameDisziplin(Named(2, "50 m Retten"), other));
}

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <memory>
#include <sstream>
#include <string>

#include "CodePage.h"
#include "VkDisz.h"

namespace {

using Bytes = std::array<uint8_t, kDisziplinSize>;

std::string Hex(const Bytes& b) {
  std::ostringstream os;
  for (size_t i = 0; i < b.size(); ++i) {
    static const char* digits = "0123456789ABCDEF";
    os << digits[b[i] >> 4] << digits[b[i] & 15] << (i % 16 == 15 ? '\n' : ' ');
  }
  return os.str();
}

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

void PutText(Bytes& b, size_t off, const std::string& s) {
  b[off] = static_cast<uint8_t>(s.size());
  for (size_t i = 0; i < s.size(); ++i) b[off + 1 + i] = static_cast<uint8_t>(s[i]);
}

TDisziplin Named(uint16_t kind, const std::string& name) {
  TDisziplin d;
  d.SetKind(kind);
  d.SetName(name);
  return d;
}

}  // namespace

TEST(Disziplin, FieldsAtTheirOffsets) {
  EXPECT_EQ(Stored(TDisziplin()), Bytes{});  // a new record is all zero

  TDisziplin d;
  d.SetName(Oem("50 m Rückenschwimmen"));
  d.SetKind(0x0201);
  d.SetV(1, 0x04030201);
  d.SetV(2, -2);
  d.SetV(3, 0x7FFFFFFF);
  d.SetV(4, INT32_MIN);
  d.SetV(5, 0x0A0B0C0D);
  d.SetFormula("V1-T*10");
  d.SetRuleCode(0xBEEF);
  d.SetDescription("Regelwerk 1999");

  Bytes want{};
  PutText(want, 0, Oem("50 m Rückenschwimmen"));
  want[81] = 0x01, want[82] = 0x02;
  const uint8_t vs[20] = {0x01, 0x02, 0x03, 0x04, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                          0xFF, 0x7F, 0x00, 0x00, 0x00, 0x80, 0x0D, 0x0C, 0x0B, 0x0A};
  for (size_t i = 0; i < 20; ++i) want[83 + i] = vs[i];
  PutText(want, 103, "V1-T*10");
  want[359] = 0xEF, want[360] = 0xBE;
  PutText(want, 361, "Regelwerk 1999");
  EXPECT_EQ(Stored(d), want) << "got\n" << Hex(Stored(d)) << "want\n" << Hex(want);
  EXPECT_EQ(want[7], 0x81);  // DOS u-umlaut

  // Read back from loaded bytes.
  TDisziplin r;
  r.Load(want.data());
  EXPECT_EQ(r.Name(), Oem("50 m Rückenschwimmen"));
  EXPECT_EQ(r.Kind(), 0x0201);
  EXPECT_EQ(r.V(2), -2);
  EXPECT_EQ(r.V(4), INT32_MIN);
  EXPECT_EQ(r.V(5), 0x0A0B0C0D);
  EXPECT_EQ(r.Formula(), "V1-T*10");
  EXPECT_EQ(r.RuleCode(), 0xBEEF);
  EXPECT_EQ(r.Description(), "Regelwerk 1999");
}

TEST(Disziplin, LoadStoreKeepsBytesBehindTextsAndTouchesOnlyTheFieldSet) {
  const Bytes in = Pattern();
  TDisziplin d;
  d.Load(in.data());
  EXPECT_EQ(Stored(d), in);

  d.SetName("AB");
  d.SetFormula("T");
  d.SetDescription("");
  d.SetV(3, 0);
  d.SetRuleCode(12);
  d.SetV(0, 1);  // numbers outside 1..5 name no field
  d.SetV(6, 1);
  EXPECT_EQ(d.V(0), 0);
  EXPECT_EQ(d.V(6), 0);
  Bytes want = in;
  want[0] = 2, want[1] = 'A', want[2] = 'B';
  want[103] = 1, want[104] = 'T';
  want[361] = 0;
  for (size_t i = 91; i < 95; ++i) want[i] = 0;
  want[359] = 12, want[360] = 0;
  EXPECT_EQ(Stored(d), want) << Hex(Stored(d));
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
  EXPECT_EQ(d->Name(), std::string(raw + 1, 80));
  EXPECT_EQ(d->Formula(), std::string(raw + 104, 255));
  EXPECT_EQ(d->Description(), std::string(raw + 362, 80));
  EXPECT_EQ(Stored(*d), in);  // the damaged length bytes themselves are kept

  TDisziplin s;
  s.SetName(std::string(100, 'N'));
  s.SetFormula(std::string(300, 'F'));
  s.SetDescription(std::string(81, 'D'));
  EXPECT_EQ(s.Name(), std::string(80, 'N'));
  EXPECT_EQ(s.Formula(), std::string(255, 'F'));
  EXPECT_EQ(s.Description(), std::string(80, 'D'));
  EXPECT_EQ(Stored(s)[81], 0);  // the kind behind the name stays untouched
  EXPECT_EQ(Stored(s)[359], 0);
}

TEST(Disziplin, FormulaKindName) {
  const char* names[] = {"<benutzerdefinierte Formel>", "<quadratisch-lineare Berechnungsformel>",
                         "<lineare Berechnungsformel>", "<Punkte pro Platzierung>", "<Internationaler Trelvacup>"};
  for (uint16_t kind = 0; kind < 5; ++kind) EXPECT_EQ(FormulaKindName(kind), names[kind]);
  for (uint16_t kind : {5, 7, 65535}) EXPECT_EQ(FormulaKindName(kind), "<unbekannte Berechnungsformel>");
}

// The description names the rule year of every code; odd codes are the
// championship variants.
TEST(Disziplin, RuleYearAndDescription) {
  struct Case { uint16_t code; uint16_t year; const char* description; };
  const Case cases[] = {
      {0, 0, "Regelwerk 0"},        {1, 0, "Meisterschaftsdisziplin Regelwerk 0"},
      {2, 1988, "Regelwerk 1988"},  {3, 1988, "Meisterschaftsdisziplin Regelwerk 1988"},
      {4, 1992, "Regelwerk 1992"},  {5, 1992, "Meisterschaftsdisziplin Regelwerk 1992"},
      {6, 1995, "Regelwerk 1995"},  {7, 1995, "Meisterschaftsdisziplin Regelwerk 1995"},
      {8, 1999, "Regelwerk 1999"},  {9, 1999, "Meisterschaftsdisziplin Regelwerk 1999"},
      {10, 2007, "Regelwerk 2007"}, {11, 2007, "Meisterschaftsdisziplin Regelwerk 2007"},
      {12, 2006, "Regelwerk 2006"}, {13, 0, "Meisterschaftsdisziplin Regelwerk 0"},
      {65534, 0, "Regelwerk 0"},
  };
  const TDisziplinVorlage v{Oem("100 m Hindernisschwimmen"), 2, 150000, 100, 0, 0, 0};
  for (const Case& c : cases) {
    EXPECT_EQ(RuleSetYear(c.code), c.year) << c.code;
    TDisziplin d;
    BuildDisziplin(d, v, c.code);
    EXPECT_EQ(d.Description(), c.description) << c.code;
    EXPECT_EQ(d.RuleCode(), c.code);
  }
}

TEST(Disziplin, BuildDisziplinFillsEveryNamedField) {
  const TDisziplinVorlage v{Oem("50 m Flossenschwimmen mit Gurtretter"), 4, 3000, -2, 3, INT32_MAX, INT32_MIN};
  // Start from old bytes: only the bytes behind the new text lengths keep
  // what they held.
  const Bytes old = Pattern();
  TDisziplin d;
  d.Load(old.data());
  BuildDisziplin(d, v, 9);

  Bytes want = old;
  PutText(want, 0, v.Name);
  want[81] = 4, want[82] = 0;
  const int32_t vs[5] = {3000, -2, 3, INT32_MAX, INT32_MIN};
  for (size_t i = 0; i < 5; ++i)
    for (size_t k = 0; k < 4; ++k) want[83 + 4 * i + k] = static_cast<uint8_t>(static_cast<uint32_t>(vs[i]) >> (8 * k));
  PutText(want, 103, "<Internationaler Trelvacup>");
  want[359] = 9, want[360] = 0;
  PutText(want, 361, "Meisterschaftsdisziplin Regelwerk 1999");
  EXPECT_EQ(Stored(d), want) << Hex(Stored(d));

  // Kind 0 gets its kind name as formula too; a template holds 55 characters.
  BuildDisziplin(d, TDisziplinVorlage{std::string(55, 'x') + "yyy", 0, 1, 2, 3, 4, 5}, 8);
  EXPECT_EQ(d.Formula(), "<benutzerdefinierte Formel>");
  EXPECT_EQ(d.Name(), std::string(55, 'x'));
}

TEST(Disziplin, CompareAndSame) {
  const std::string ue = Oem("ü");  // 0x81: above every ASCII letter as an unsigned byte
  struct Case { uint16_t kindA; std::string nameA; uint16_t kindB; std::string nameB; int want; };
  const Case cases[] = {
      {2, "50 m Retten", 2, "50 m Retten", 0},
      {2, "50 m Retten", 1, "50 m Retten", -1},  // higher kind first
      {65535, "A", 0, "Z", -1},                  // kind decides before the name
      {2, "B", 2, "A", -1},                      // names descending
      {2, "AB", 2, "A", -1},                     // the longer text before its prefix
      {2, "", 2, "A", 1},
      {2, "50 m retten", 2, "50 m Retten", -1},  // case counts: 'r' > 'R'
      {2, ue, 2, "z", -1},                       // unsigned bytes
  };
  for (const Case& c : cases) {
    const TDisziplin a = Named(c.kindA, c.nameA), b = Named(c.kindB, c.nameB);
    EXPECT_EQ(CompareDisziplin(a, b), c.want) << c.kindA << " " << c.nameA << " / " << c.kindB << " " << c.nameB;
    EXPECT_EQ(CompareDisziplin(b, a), -c.want);
    EXPECT_EQ(SameDisziplin(a, b), c.want == 0);
  }

  // Parameters, texts other than the name, and bytes behind the name's
  // length do not count.
  Bytes bytes = Pattern();
  TDisziplin other;
  other.Load(bytes.data());
  other.SetKind(2);
  other.SetName("50 m Retten");
  EXPECT_TRUE(SameDisziplin(Named(2, "50 m Retten"), other));
}

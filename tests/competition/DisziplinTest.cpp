#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <memory>
#include <sstream>
#include <string>

#include "CodePage.h"
#include "VkDisz.h"

namespace {

std::string Hex(const uint8_t* p, size_t n) {
  std::ostringstream os;
  for (size_t i = 0; i < n; ++i) {
    static const char* digits = "0123456789ABCDEF";
    os << digits[p[i] >> 4] << digits[p[i] & 15] << (i % 16 == 15 ? '\n' : ' ');
  }
  return os.str();
}

// 442 bytes where every byte differs from its neighbours, so a field read or
// written at a wrong offset shows.
std::array<uint8_t, kDisziplinSize> Pattern() {
  std::array<uint8_t, kDisziplinSize> b{};
  for (size_t i = 0; i < b.size(); ++i) b[i] = static_cast<uint8_t>(i * 7 + 3);
  return b;
}

TDisziplin Named(uint16_t kind, const std::string& name) {
  TDisziplin d;
  d.SetKind(kind);
  d.SetName(name);
  return d;
}

}  // namespace

TEST(Disziplin, NewRecordIsAllZero) {
  TDisziplin d;
  std::array<uint8_t, kDisziplinSize> out;
  out.fill(0xAA);
  d.Store(out.data());
  for (size_t i = 0; i < out.size(); ++i) ASSERT_EQ(out[i], 0) << "byte " << i;
  EXPECT_EQ(d.Name(), "");
  EXPECT_EQ(d.Kind(), 0);
  EXPECT_EQ(d.Formula(), "");
  EXPECT_EQ(d.RuleCode(), 0);
}

TEST(Disziplin, FieldsAtTheirOffsets) {
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

  std::array<uint8_t, kDisziplinSize> b;
  d.Store(b.data());

  std::array<uint8_t, kDisziplinSize> want{};
  const std::string name = Oem("50 m Rückenschwimmen");
  want[0] = static_cast<uint8_t>(name.size());
  for (size_t i = 0; i < name.size(); ++i) want[1 + i] = static_cast<uint8_t>(name[i]);
  want[81] = 0x01, want[82] = 0x02;
  const uint8_t vs[20] = {0x01, 0x02, 0x03, 0x04, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                          0xFF, 0x7F, 0x00, 0x00, 0x00, 0x80, 0x0D, 0x0C, 0x0B, 0x0A};
  for (size_t i = 0; i < 20; ++i) want[83 + i] = vs[i];
  want[103] = 7;
  for (size_t i = 0; i < 7; ++i) want[104 + i] = static_cast<uint8_t>("V1-T*10"[i]);
  want[359] = 0xEF, want[360] = 0xBE;
  want[361] = 14;
  for (size_t i = 0; i < 14; ++i) want[362 + i] = static_cast<uint8_t>("Regelwerk 1999"[i]);

  EXPECT_EQ(b, want) << "got\n" << Hex(b.data(), b.size()) << "want\n" << Hex(want.data(), want.size());
  EXPECT_EQ(b[7], 0x81);  // the seventh character, u with diaeresis in the DOS code page
}

TEST(Disziplin, LoadStoreIsByteExactAndKeepsBytesBehindTexts) {
  const auto in = Pattern();
  TDisziplin d;
  d.Load(in.data());
  std::array<uint8_t, kDisziplinSize> out{};
  d.Store(out.data());
  EXPECT_EQ(out, in) << Hex(out.data(), out.size());

  // Rewriting a text with a shorter one changes its length byte and its
  // characters only; what lay behind stays for the next store.
  d.SetName("AB");
  d.SetFormula("T");
  d.SetDescription("");
  d.Store(out.data());
  auto want = in;
  want[0] = 2, want[1] = 'A', want[2] = 'B';
  want[103] = 1, want[104] = 'T';
  want[361] = 0;
  EXPECT_EQ(out, want) << Hex(out.data(), out.size());

  // Setting numbers touches only their bytes.
  d.Load(in.data());
  d.SetV(3, 0);
  d.SetRuleCode(12);
  d.Store(out.data());
  want = in;
  for (size_t i = 91; i < 95; ++i) want[i] = 0;
  want[359] = 12, want[360] = 0;
  EXPECT_EQ(out, want) << Hex(out.data(), out.size());
}

TEST(Disziplin, ReadsTypedFieldsFromLoadedBytes) {
  const auto in = Pattern();
  TDisziplin d;
  d.Load(in.data());
  // Byte 0 is 3: the name is bytes 1..3.
  EXPECT_EQ(d.Name(), std::string(reinterpret_cast<const char*>(in.data()) + 1, 3));
  EXPECT_EQ(d.Kind(), in[81] | in[82] << 8);
  for (int i = 1; i <= 5; ++i) {
    size_t o = 83 + 4 * static_cast<size_t>(i - 1);
    uint32_t u = in[o] | in[o + 1] << 8 | in[o + 2] << 16 | static_cast<uint32_t>(in[o + 3]) << 24;
    EXPECT_EQ(d.V(i), static_cast<int32_t>(u)) << "V" << i;
  }
  EXPECT_EQ(d.Formula().size(), in[103]);
  EXPECT_EQ(d.RuleCode(), in[359] | in[360] << 8);
  EXPECT_EQ(d.Description().size(), in[361] <= 80 ? in[361] : 80u);
  // Numbers outside 1..5 name no field.
  EXPECT_EQ(d.V(0), 0);
  EXPECT_EQ(d.V(6), 0);
  d.SetV(0, 1);
  d.SetV(6, 1);
  std::array<uint8_t, kDisziplinSize> out{};
  d.Store(out.data());
  EXPECT_EQ(out, in);
}

TEST(Disziplin, OverlongLengthBytesAreClampedToTheirField) {
  auto in = Pattern();
  in[0] = 255;    // name holds 80
  in[103] = 255;  // formula holds 255: the full field, still inside
  in[361] = 200;  // description holds 80 and ends the record
  // Heap copy so that a read past the record's end is caught by the sanitizer.
  auto d = std::make_unique<TDisziplin>();
  d->Load(in.data());
  EXPECT_EQ(d->Name(), std::string(reinterpret_cast<const char*>(in.data()) + 1, 80));
  EXPECT_EQ(d->Formula(), std::string(reinterpret_cast<const char*>(in.data()) + 104, 255));
  EXPECT_EQ(d->Description(), std::string(reinterpret_cast<const char*>(in.data()) + 362, 80));
  std::array<uint8_t, kDisziplinSize> out{};
  d->Store(out.data());
  EXPECT_EQ(out, in);  // the damaged length bytes themselves are kept as read
}

TEST(Disziplin, SettersCutToCapacity) {
  TDisziplin d;
  d.SetName(std::string(100, 'N'));
  d.SetFormula(std::string(300, 'F'));
  d.SetDescription(std::string(81, 'D'));
  EXPECT_EQ(d.Name(), std::string(80, 'N'));
  EXPECT_EQ(d.Formula(), std::string(255, 'F'));
  EXPECT_EQ(d.Description(), std::string(80, 'D'));
  std::array<uint8_t, kDisziplinSize> out{};
  d.Store(out.data());
  EXPECT_EQ(out[0], 80);
  EXPECT_EQ(out[81], 0);  // the kind behind the name stays untouched
  EXPECT_EQ(out[103], 255);
  EXPECT_EQ(out[359], 0);
  EXPECT_EQ(out[361], 80);
}

TEST(Disziplin, RuleSetYear) {
  struct Case { uint16_t code; uint16_t year; };
  const Case cases[] = {
      {0, 0},     {1, 0},     {2, 1988},  {3, 1988},  {4, 1992},  {5, 1992},  {6, 1995},     {7, 1995},
      {8, 1999},  {9, 1999},  {10, 2007}, {11, 2007}, {12, 2006}, {13, 0},    {65535, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(RuleSetYear(c.code), c.year) << c.code;
}

TEST(Disziplin, FormulaKindName) {
  struct Case { uint16_t kind; const char* name; };
  const Case cases[] = {
      {0, "<benutzerdefinierte Formel>"},
      {1, "<quadratisch-lineare Berechnungsformel>"},
      {2, "<lineare Berechnungsformel>"},
      {3, "<Punkte pro Platzierung>"},
      {4, "<Internationaler Trelvacup>"},
      {5, "<unbekannte Berechnungsformel>"},
      {7, "<unbekannte Berechnungsformel>"},
      {65535, "<unbekannte Berechnungsformel>"},
  };
  for (const Case& c : cases) EXPECT_EQ(FormulaKindName(c.kind), c.name) << c.kind;
}

TEST(Disziplin, BuildDisziplinDescriptions) {
  struct Case { uint16_t code; const char* description; };
  const Case cases[] = {
      {9, "Meisterschaftsdisziplin Regelwerk 1999"},
      {8, "Regelwerk 1999"},
      {0, "Regelwerk 0"},
      {1, "Meisterschaftsdisziplin Regelwerk 0"},
      {5, "Meisterschaftsdisziplin Regelwerk 1992"},
      {7, "Meisterschaftsdisziplin Regelwerk 1995"},
      {11, "Meisterschaftsdisziplin Regelwerk 2007"},
      {12, "Regelwerk 2006"},
  };
  const TDisziplinVorlage v{Oem("100 m Hindernisschwimmen"), 2, 150000, 100, 0, 0, 0};
  for (const Case& c : cases) {
    TDisziplin d;
    BuildDisziplin(d, v, c.code);
    EXPECT_EQ(d.Description(), c.description) << c.code;
    EXPECT_EQ(d.RuleCode(), c.code);
  }
}

TEST(Disziplin, BuildDisziplinFillsEveryNamedField) {
  const TDisziplinVorlage v{Oem("50 m Flossenschwimmen mit Gurtretter"), 4, 3000, -2, 3, INT32_MAX, INT32_MIN};
  // Start from a record full of old bytes: every field is replaced, only the
  // bytes behind the new text lengths keep what they held.
  const auto old = Pattern();
  TDisziplin d;
  d.Load(old.data());
  BuildDisziplin(d, v, 9);

  EXPECT_EQ(d.Name(), Oem("50 m Flossenschwimmen mit Gurtretter"));
  EXPECT_EQ(d.Kind(), 4);
  EXPECT_EQ(d.V(1), 3000);
  EXPECT_EQ(d.V(2), -2);
  EXPECT_EQ(d.V(3), 3);
  EXPECT_EQ(d.V(4), INT32_MAX);
  EXPECT_EQ(d.V(5), INT32_MIN);
  EXPECT_EQ(d.Formula(), "<Internationaler Trelvacup>");
  EXPECT_EQ(d.RuleCode(), 9);
  EXPECT_EQ(d.Description(), "Meisterschaftsdisziplin Regelwerk 1999");

  std::array<uint8_t, kDisziplinSize> out{};
  d.Store(out.data());
  const size_t nameEnd = 1 + d.Name().size();
  for (size_t i = nameEnd; i < 81; ++i) EXPECT_EQ(out[i], old[i]) << "byte " << i;
  const size_t formulaEnd = 104 + d.Formula().size();
  for (size_t i = formulaEnd; i < 359; ++i) EXPECT_EQ(out[i], old[i]) << "byte " << i;
}

TEST(Disziplin, BuildDisziplinOfUserFormulaTakesTheKindName) {
  TDisziplin d;
  BuildDisziplin(d, TDisziplinVorlage{"Frei", 0, 1, 2, 3, 4, 5}, 8);
  EXPECT_EQ(d.Formula(), "<benutzerdefinierte Formel>");
}

TEST(Disziplin, BuildDisziplinTakesAtMostTheTemplatesFiftyFiveCharacters) {
  TDisziplin d;
  BuildDisziplin(d, TDisziplinVorlage{std::string(55, 'x') + "yyy", 2}, 8);
  EXPECT_EQ(d.Name(), std::string(55, 'x'));
}

TEST(Disziplin, CompareAndSame) {
  const std::string ue = Oem("ü");  // 0x81: above every ASCII letter as an unsigned byte
  struct Case { uint16_t kindA; std::string nameA; uint16_t kindB; std::string nameB; int want; };
  const Case cases[] = {
      {2, "50 m Retten", 2, "50 m Retten", 0},
      {2, "50 m Retten", 1, "50 m Retten", -1},  // higher kind first
      {1, "50 m Retten", 2, "50 m Retten", 1},
      {65535, "A", 0, "Z", -1},                  // kind decides before the name
      {2, "B", 2, "A", -1},                      // names descending
      {2, "A", 2, "B", 1},
      {2, "AB", 2, "A", -1},                     // the longer text after its prefix, descending
      {2, "", 2, "A", 1},
      {2, "50 m retten", 2, "50 m Retten", -1},  // case counts: 'r' > 'R'
      {2, ue, 2, "z", -1},                       // unsigned bytes
      {2, "z", 2, ue, 1},
  };
  for (const Case& c : cases) {
    TDisziplin a = Named(c.kindA, c.nameA), b = Named(c.kindB, c.nameB);
    EXPECT_EQ(CompareDisziplin(a, b), c.want) << c.kindA << " " << c.nameA << " / " << c.kindB << " " << c.nameB;
    EXPECT_EQ(CompareDisziplin(b, a), -c.want);
    EXPECT_EQ(SameDisziplin(a, b), c.want == 0);
  }
}

TEST(Disziplin, SameDisziplinLooksAtKindAndNameOnly) {
  TDisziplin a = Named(2, "100 m Lifesaver");
  TDisziplin b = Named(2, "100 m Lifesaver");
  b.SetV(1, 12345);
  b.SetFormula("anything");
  b.SetRuleCode(11);
  b.SetDescription("Regelwerk 2007");
  EXPECT_TRUE(SameDisziplin(a, b));
  // Bytes behind the name's length do not make names differ.
  auto bytes = Pattern();
  bytes[0] = 0;
  TDisziplin c;
  c.Load(bytes.data());
  c.SetKind(2);
  c.SetName("100 m Lifesaver");
  EXPECT_TRUE(SameDisziplin(a, c));
}

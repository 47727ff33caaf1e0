#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "CodePage.h"
#include "VkSpalten.h"
#include "VkTeiln.h"
#include "YrStream.h"

namespace {

std::string HexDiff(const TTeilnehmer::Bytes& got, const TTeilnehmer::Bytes& want) {
  std::string out;
  for (size_t i = 0; i < got.size(); ++i) {
    if (got[i] == want[i]) continue;
    char buf[48];
    std::snprintf(buf, sizeof buf, "\n  byte %3zu: got %02X want %02X", i, got[i], want[i]);
    out += buf;
  }
  return out;
}

TTeilnehmer::Bytes NewRecordBytes() {
  TTeilnehmer::Bytes b{};
  b[90] = 8;
  return b;
}

TTeilnehmer::Bytes Pattern() {
  TTeilnehmer::Bytes b;
  for (size_t i = 0; i < b.size(); ++i) b[i] = static_cast<uint8_t>(i * 7 + 3);
  return b;
}

TTeilnehmer::Bytes StoredBytes(const TTeilnehmer& t) {
  TYrMemoryStream s;
  t.Store(s);
  EXPECT_EQ(s.Status, 0);
  TTeilnehmer::Bytes b{};
  EXPECT_EQ(s.Data().size(), kTeilnehmerSize);
  for (size_t i = 0; i < b.size() && i < s.Data().size(); ++i) b[i] = s.Data()[i];
  return b;
}

}  // namespace

TEST(Teilnehmer, NewParticipantStoresZerosAndRegisteredFlag) {
  TTeilnehmer t;
  const auto got = StoredBytes(t);
  EXPECT_EQ(got, NewRecordBytes()) << HexDiff(got, NewRecordBytes());
  EXPECT_EQ(t.Flags(), TTeilnehmer::kMeldet);
  EXPECT_EQ(t.DisplayOption(), 0);
}

// Each field written with a recognisable value must land at exactly its
// offset, little-endian, and touch no other byte.
TEST(Teilnehmer, FieldOffsets) {
  struct Case {
    const char* what;
    std::function<void(TTeilnehmer&)> set;
    size_t off;
    std::vector<uint8_t> bytes;
  };
  const Case cases[] = {
      {"flags", [](TTeilnehmer& t) { t.SetFlags(0x1234); }, 90, {0x34, 0x12}},
      {"time 1", [](TTeilnehmer& t) { t.SetTime(1, 0x01020304); }, 92, {4, 3, 2, 1}},
      {"time 6", [](TTeilnehmer& t) { t.SetTime(6, -2); }, 112, {0xFE, 0xFF, 0xFF, 0xFF}},
      {"deduction 1", [](TTeilnehmer& t) { t.SetDeduction(1, -3); }, 116, {0xFD, 0xFF}},
      {"deduction 6", [](TTeilnehmer& t) { t.SetDeduction(6, 0x0102); }, 126, {2, 1}},
      {"heat 2", [](TTeilnehmer& t) { t.SetHeat(2, 0x0304); }, 130, {4, 3}},
      {"lane 6", [](TTeilnehmer& t) { t.SetLane(6, 0x0506); }, 150, {6, 5}},
      {"cpr value", [](TTeilnehmer& t) { t.SetCprValue(-300); }, 152, {0xD4, 0xFE, 0xFF, 0xFF}},
      {"cpr time", [](TTeilnehmer& t) { t.SetCprTime(935); }, 156, {0xA7, 0x03}},
      {"cpr station", [](TTeilnehmer& t) { t.SetCprStation(3); }, 158, {3, 0}},
      {"cpr heat", [](TTeilnehmer& t) { t.SetCprHeat(0x0102); }, 160, {2, 1}},
      {"points 1", [](TTeilnehmer& t) { t.SetPoints(1, 0x0A0B0C0D); }, 164, {0x0D, 0x0C, 0x0B, 0x0A}},
      {"points 6", [](TTeilnehmer& t) { t.SetPoints(6, 1); }, 184, {1, 0, 0, 0}},
      {"total", [](TTeilnehmer& t) { t.SetTotal(0x11223344); }, 188, {0x44, 0x33, 0x22, 0x11}},
      {"place", [](TTeilnehmer& t) { t.SetPlace(0xBEEF); }, 192, {0xEF, 0xBE}},
      {"discipline place 1", [](TTeilnehmer& t) { t.SetDisciplinePlace(1, 7); }, 194, {7, 0}},
      {"discipline place 6", [](TTeilnehmer& t) { t.SetDisciplinePlace(6, 9); }, 204, {9, 0}},
      {"discipline rank 1", [](TTeilnehmer& t) { t.SetDisciplineRank(1, 2); }, 230, {2, 0}},
      {"discipline rank 6", [](TTeilnehmer& t) { t.SetDisciplineRank(6, 0xFFFF); }, 240, {0xFF, 0xFF}},
      {"name", [](TTeilnehmer& t) { t.SetName(true, "Ab"); }, 0, {2, 'A', 'b'}},
      {"vorname", [](TTeilnehmer& t) { t.SetVorname("Cd"); }, 21, {2, 'C', 'd'}},
      {"geburtsdatum", [](TTeilnehmer& t) { t.SetGeburtsdatum("95"); }, 42, {2, '9', '5'}},
      {"zusatz", [](TTeilnehmer& t) { t.SetZusatz("Z"); }, 31, {1, 'Z'}},
      {"gliederung", [](TTeilnehmer& t) { t.SetGliederung("OG"); }, 53, {2, 'O', 'G'}},
      {"altersklasse", [](TTeilnehmer& t) { t.SetAltersklasse("AK 12"); }, 59, {5, 'A', 'K', ' ', '1', '2'}},
  };
  for (const Case& c : cases) {
    TTeilnehmer t;
    TTeilnehmer::Bytes want{};
    for (size_t i = 0; i < c.bytes.size(); ++i) want[c.off + i] = c.bytes[i];
    if (c.off > 91 || c.off + c.bytes.size() <= 90) want[90] = 8;
    c.set(t);
    EXPECT_EQ(t.Record(), want) << c.what << HexDiff(t.Record(), want);
  }

  // The getters read the same offsets, signed where the field is.
  TTeilnehmer p;
  p.SetRecord(Pattern());
  const struct { int64_t got; size_t off; int size; bool isSigned; } reads[] = {
      {p.Flags(), 90, 2, false},       {p.Time(6), 112, 4, true},     {p.Deduction(1), 116, 2, true},
      {p.Heat(2), 130, 2, true},       {p.Lane(6), 150, 2, true},     {p.CprValue(), 152, 4, true},
      {p.CprTime(), 156, 2, true},     {p.CprStation(), 158, 2, true}, {p.CprHeat(), 160, 2, true},
      {p.Points(6), 184, 4, true},     {p.Total(), 188, 4, true},     {p.Place(), 192, 2, false},
      {p.DisciplinePlace(6), 204, 2, true}, {p.DisciplineRank(6), 240, 2, false},
  };
  for (const auto& r : reads) {
    uint32_t u = 0;
    for (int k = r.size - 1; k >= 0; --k) u = u << 8 | Pattern()[r.off + k];
    const int64_t want = !r.isSigned ? int64_t{u}
                         : r.size == 2 ? int64_t{static_cast<int16_t>(u)} : int64_t{static_cast<int32_t>(u)};
    EXPECT_EQ(r.got, want) << "offset " << r.off;
  }
}

TEST(Teilnehmer, DisciplineOutsideOneToSixReadsZeroAndWritesNothing) {
  TTeilnehmer t;
  t.SetRecord(Pattern());
  for (int d : {0, 7, -1, 1000}) {
    t.SetTime(d, 5);
    t.SetDeduction(d, 5);
    t.SetHeat(d, 5);
    t.SetLane(d, 5);
    t.SetPoints(d, 5);
    t.SetDisciplinePlace(d, 5);
    t.SetDisciplineRank(d, 5);
    EXPECT_EQ(t.Time(d) | t.Points(d) | t.Heat(d) | t.DisciplineRank(d), 0) << d;
  }
  EXPECT_EQ(t.Record(), Pattern()) << HexDiff(t.Record(), Pattern());
}

TEST(Teilnehmer, FlagBits) {
  TTeilnehmer t;
  t.SetFlag(TTeilnehmer::kStartberechtigt, true);
  t.SetFlag(TTeilnehmer::kWeiblich, true);
  EXPECT_EQ(t.Record()[90], 8 + 16 + 1);
  EXPECT_TRUE(t.IsFemale());
  t.SetFlag(TTeilnehmer::kMeldet, false);
  t.SetFlag(TTeilnehmer::kWeiblich, false);
  EXPECT_EQ(t.Flags(), 16);
  EXPECT_FALSE(t.IsFemale());
}

TEST(Teilnehmer, BothLayoutsOverTheSameBytes) {
  TTeilnehmer t;
  t.SetName(true, "Meier");
  t.SetVorname("Anna");
  t.SetGeburtsdatum("1995");
  EXPECT_EQ(t.Name(true), "Meier");
  EXPECT_EQ(t.Name(false), "Meier");
  // Byte 31 (the team layout's Zusatz length) is a character slot of the
  // short first name: still 0.
  EXPECT_EQ(t.Zusatz(), "");

  // A team name longer than 20 characters overruns the individual fields.
  TTeilnehmer team;
  const std::string name30 = "DLRG Ortsgruppe Musterstadt 01";
  ASSERT_EQ(name30.size(), 30u);
  team.SetName(false, name30 + "overflow");
  team.SetZusatz("Mannschaft 1");
  EXPECT_EQ(team.Name(false), name30);
  EXPECT_EQ(team.Name(true), name30.substr(0, 20));
  EXPECT_EQ(team.ColumnText(VkSpalten::kColTeamName), name30);
  EXPECT_EQ(team.ColumnText(VkSpalten::kColName), name30.substr(0, 20));
  EXPECT_EQ(team.ColumnText(VkSpalten::kColZusatz), "Mannschaft 1");
  // The individual Vorname starts inside the team name: its length byte is
  // the name's 21st character 'e' (101), clamped to 20 characters that run
  // through the Zusatz length byte (12) into the Zusatz.
  EXPECT_EQ(team.Vorname(), name30.substr(21, 9) + '\x0C' + "Mannschaft");
  // Geburtsdatum's length byte is the Zusatz's blank (32), clamped to 10.
  EXPECT_EQ(team.Geburtsdatum(), "1" + std::string(9, '\0'));
}

TEST(Teilnehmer, OverLongLengthBytesAreClampedInBothLayouts) {
  TTeilnehmer::Bytes b;
  b.fill('x');
  for (size_t off : {0, 21, 31, 42, 53, 59}) b[off] = 255;
  TTeilnehmer t;
  t.SetRecord(b);
  EXPECT_EQ(t.Name(true).size(), 20u);
  EXPECT_EQ(t.Name(false).size(), 30u);
  EXPECT_EQ(t.Vorname().size(), 20u);
  EXPECT_EQ(t.Geburtsdatum().size(), 10u);
  EXPECT_EQ(t.Zusatz().size(), 21u);
  EXPECT_EQ(t.Gliederung(), "xxxxx");
  EXPECT_EQ(t.Altersklasse().size(), 30u);
  EXPECT_EQ(t.NameText(true).size(), 21u + 20u);
  EXPECT_EQ(t.NameText(false).size(), 30u);
  for (int16_t col = 0; col <= 46; ++col)
    EXPECT_LE(t.ColumnText(col).size(), 30u) << col;
  EXPECT_FALSE(t.Matches("y", 0));
  EXPECT_FALSE(t.Matches("y", TTeilnehmer::kMatchFirstName));
}

TEST(Teilnehmer, ReservedBytesSurviveLoadAndStore) {
  const auto pattern = Pattern();
  TYrMemoryStream in(std::vector<uint8_t>(pattern.begin(), pattern.end()));
  TTeilnehmer t(in);
  EXPECT_EQ(in.Status, 0);
  EXPECT_EQ(StoredBytes(t), Pattern()) << HexDiff(StoredBytes(t), Pattern());

  // Changing every meaningful field leaves the reserved ranges alone.
  t.SetTotal(1);
  t.SetAllNA();
  t.RankDisciplines();
  t.SetName(false, "A");
  t.SetAltersklasse("B");
  const auto got = StoredBytes(t);
  for (size_t i = 162; i < 164; ++i) EXPECT_EQ(got[i], Pattern()[i]) << i;
  for (size_t i = 206; i < 230; ++i) EXPECT_EQ(got[i], Pattern()[i]) << i;
  for (size_t i = 242; i < 280; ++i) EXPECT_EQ(got[i], Pattern()[i]) << i;

  t.SetDisplayOption(1);  // a copy takes the display option too
  TTeilnehmer copy(t);
  EXPECT_EQ(copy.Record(), t.Record());
  EXPECT_EQ(copy.DisplayOption(), 1);
}

TEST(Teilnehmer, StreamResultsStayForTheCaller) {
  TYrMemoryStream in(std::vector<uint8_t>(100, 0xAA));
  TTeilnehmer t(in);
  EXPECT_EQ(in.Status, 100);
  EXPECT_EQ(t.Record()[99], 0xAA);
  EXPECT_EQ(t.Record()[100], 0);

  TYrMemoryStream out;
  out.FailAfter(10);
  t.Store(out);
  EXPECT_EQ(out.Status, 101);
}

TEST(Teilnehmer, ColumnTexts) {
  using namespace VkSpalten;
  struct Case {
    const char* what;
    std::function<void(TTeilnehmer&)> set;
    int16_t column;
    std::string want;
  };
  const Case cases[] = {
      {"place", [](TTeilnehmer& t) { t.SetTotal(1); t.SetPlace(3); }, 1, "3."},
      {"place total 0", [](TTeilnehmer& t) { t.SetPlace(3); }, 1, ""},
      {"AK", [](TTeilnehmer& t) { t.SetTotal(500); t.SetFlag(TTeilnehmer::kAusserKonkurrenz, true); }, 1, "AK"},
      {"AK total 0", [](TTeilnehmer& t) { t.SetFlag(TTeilnehmer::kAusserKonkurrenz, true); }, 1, ""},
      {"total", [](TTeilnehmer& t) { t.SetTotal(12345); }, 2, "123,45"},
      {"total 0", [](TTeilnehmer&) {}, 2, "0,00"},
      {"gliederung", [](TTeilnehmer& t) { t.SetGliederung("OG-K"); }, 3, "OG-K"},
      {"name", [](TTeilnehmer& t) { t.SetName(true, "Meier"); }, 5, "Meier"},
      {"vorname", [](TTeilnehmer& t) { t.SetVorname("Anna"); }, 6, "Anna"},
      {"team", [](TTeilnehmer& t) { t.SetName(false, "SV Nord"); }, 7, "SV Nord"},
      {"zusatz", [](TTeilnehmer& t) { t.SetZusatz("II"); }, 8, "II"},
      {"disc place", [](TTeilnehmer& t) { t.SetDisciplinePlace(1, 3); }, 9, "3"},
      {"time tenths", [](TTeilnehmer& t) { t.SetTime(1, 6543); }, 10, "1:05,4"},
      {"time hundredths", [](TTeilnehmer& t) { t.SetDisplayOption(1); t.SetTime(1, 6543); }, 10, "1:05,43"},
      {"time 0", [](TTeilnehmer&) {}, 10, "0:00,0"},
      {"deduction", [](TTeilnehmer& t) { t.SetDeduction(1, 2); }, 11, "2"},
      {"deduction code", [](TTeilnehmer& t) { t.SetDeduction(1, -5); }, 11, "####"},
      {"points", [](TTeilnehmer& t) { t.SetPoints(1, 5000); }, 12, "50,00"},
      {"points positive deduction", [](TTeilnehmer& t) { t.SetDeduction(1, 3); t.SetPoints(1, 5000); }, 12, "50,00"},
      {"points code", [](TTeilnehmer& t) { t.SetDeduction(1, -1); t.SetPoints(1, 5000); }, 12, "0,00"},
      {"heat", [](TTeilnehmer& t) { t.SetHeat(1, 4); }, 13, "4"},
      {"lane", [](TTeilnehmer& t) { t.SetLane(1, 8); }, 14, "8"},
      {"disc 2 time", [](TTeilnehmer& t) { t.SetTime(2, 72345); }, 16, "12:03,4"},
      {"disc 6 place", [](TTeilnehmer& t) { t.SetDisciplinePlace(6, 12); }, 39, "12"},
      {"disc 6 points code", [](TTeilnehmer& t) { t.SetDeduction(6, -3); t.SetPoints(6, 1); }, 42, "0,00"},
      {"disc 6 lane not disc 5", [](TTeilnehmer& t) { t.SetLane(5, 5); }, 44, "0"},
      {"cpr", [](TTeilnehmer& t) { t.SetCprValue(1234); }, 45, "12,34"},
      {"cpr 0", [](TTeilnehmer&) {}, 45, "0,00"},
      {"cpr n.a.", [](TTeilnehmer& t) { t.SetCprValue(-300); }, 45, "n.a."},
      {"cpr ausg.", [](TTeilnehmer& t) { t.SetCprValue(-400); }, 45, "ausg."},
      {"column 0", [](TTeilnehmer& t) { t.SetTotal(100); }, 0, ""},
      {"column 46", [](TTeilnehmer& t) { t.SetTotal(100); }, 46, ""},
  };
  for (const Case& c : cases) {
    TTeilnehmer t;
    c.set(t);
    EXPECT_EQ(t.ColumnText(c.column), c.want) << c.what;
  }
}

TEST(Teilnehmer, NameText) {
  TTeilnehmer t;
  t.SetName(true, "Meier");
  t.SetVorname("Anna");
  EXPECT_EQ(t.NameText(true), "Anna Meier");
  EXPECT_EQ(t.NameText(false), "Meier");

  t.SetVorname("");
  EXPECT_EQ(t.NameText(true), " Meier");

  // A full first name and its blank just fit the 21 characters.
  t.SetVorname("Abcdefghijklmnopqrst");
  EXPECT_EQ(t.NameText(true), "Abcdefghijklmnopqrst Meier");

  TTeilnehmer team;
  team.SetName(false, "Rettungsschwimmer Musterstadt1");
  EXPECT_EQ(team.NameText(false), "Rettungsschwimmer Musterstadt1");
  EXPECT_EQ(team.NameText(false, true), "Rettungsschwimmer Mu");
}

// The year column shows two trailing digits or nothing; ShortYear reads
// the last two characters as a number (-1: not checked).
TEST(Teilnehmer, BirthYearColumnAndShortYear) {
  const struct { const char* g; const char* column; int32_t year; } cases[] = {
      {"1995", "95", 95}, {"12.03.1987", "87", 87}, {"2005", "05", 5}, {"95", "95", 95}, {"7", "", 7},
      {"", "", 0}, {"19x5", "", 0}, {"199x", "", -1}, {"1995 ", "", -1},
  };
  for (const auto& c : cases) {
    TTeilnehmer t;
    t.SetGeburtsdatum(c.g);
    EXPECT_EQ(t.ColumnText(VkSpalten::kColBirthYear), c.column) << c.g;
    if (c.year >= 0) { EXPECT_EQ(t.ShortYear(), c.year) << c.g; }
  }
}

TEST(Teilnehmer, IsComplete) {
  struct Case { int16_t deduction; int32_t cpr; bool want; };
  const Case cases[] = {
      {0, 0, true},    {-1, 0, true},   {-2, 0, false}, {-3, 0, false},  {-4, 0, true},
      {-5, 0, true},   {-6, 0, true},   {0, -100, true}, {0, -200, false}, {0, -300, false},
      {0, -400, true}, {0, -2, true},   {0, -3, true},
  };
  for (const Case& c : cases) {
    TTeilnehmer t;
    t.SetDeduction(4, c.deduction);
    t.SetCprValue(c.cpr);
    EXPECT_EQ(t.IsComplete(), c.want) << c.deduction << " " << c.cpr;
  }
}

TEST(Teilnehmer, IsEmpty) {
  TTeilnehmer fresh;
  EXPECT_TRUE(fresh.IsEmpty(true));
  EXPECT_FALSE(fresh.IsEmpty(false));  // deductions 0 are not "not started"

  TTeilnehmer na;
  na.SetAllNA();
  for (int d = 1; d <= 6; ++d) EXPECT_EQ(na.Deduction(d), -3);
  EXPECT_EQ(na.CprValue(), -300);
  EXPECT_TRUE(na.IsEmpty(false));
  EXPECT_TRUE(na.IsEmpty(true));

  struct Case {
    const char* what;
    std::function<void(TTeilnehmer&)> set;
    bool byTimes, byCodes;
  };
  const Case cases[] = {
      {"a time", [](TTeilnehmer& t) { t.SetTime(6, 1); }, false, true},
      {"deduction -2", [](TTeilnehmer& t) { t.SetDeduction(2, -2); }, true, true},
      {"deduction -1", [](TTeilnehmer& t) { t.SetDeduction(2, -1); }, true, false},
      {"cpr 0", [](TTeilnehmer& t) { t.SetCprValue(0); }, true, true},
      {"cpr -200", [](TTeilnehmer& t) { t.SetCprValue(-200); }, true, true},
      {"cpr -400", [](TTeilnehmer& t) { t.SetCprValue(-400); }, false, false},
      {"cpr -100", [](TTeilnehmer& t) { t.SetCprValue(-100); }, false, false},
      {"cpr points", [](TTeilnehmer& t) { t.SetCprValue(1); }, false, false},
      {"total", [](TTeilnehmer& t) { t.SetTotal(1); }, false, false},
      {"points alone", [](TTeilnehmer& t) { t.SetPoints(1, 500); }, true, true},
  };
  for (const Case& c : cases) {
    TTeilnehmer t;
    t.SetAllNA();
    c.set(t);
    EXPECT_EQ(t.IsEmpty(true), c.byTimes) << c.what;
    EXPECT_EQ(t.IsEmpty(false), c.byCodes) << c.what;
  }
}

TEST(Teilnehmer, ResetFields) {
  TTeilnehmer full;
  for (int d = 1; d <= 6; ++d) {
    full.SetTime(d, 100 + d);
    full.SetDeduction(d, static_cast<int16_t>(d));
    full.SetHeat(d, static_cast<int16_t>(d));
    full.SetLane(d, static_cast<int16_t>(d));
    full.SetPoints(d, 7);
  }
  full.SetCprValue(900);
  full.SetCprTime(1015);
  full.SetCprStation(2);
  full.SetCprHeat(4);
  full.SetTotal(55);

  struct Case { std::vector<uint8_t> elements; std::function<void(TTeilnehmer&)> clear; };
  const Case cases[] = {
      // The CPR value alone: time, station and heat of the CPR slot stay.
      {{25}, [](TTeilnehmer& t) { t.SetCprValue(0); }},
      {{1, 8, 15, 24}, [](TTeilnehmer& t) { t.SetTime(1, 0); t.SetDeduction(2, 0); t.SetHeat(3, 0); t.SetLane(6, 0); }},
      {{0, 26, 31, 255}, [](TTeilnehmer&) {}},
  };
  for (const Case& c : cases) {
    TTeilnehmer t(full), want(full);
    TYrSet s;
    for (uint8_t e : c.elements) s.SetElement(e, true);
    t.ResetFields(s);
    c.clear(want);
    EXPECT_EQ(t.Record(), want.Record()) << int(c.elements[0]) << HexDiff(t.Record(), want.Record());
  }
}

TEST(Teilnehmer, RankDisciplines) {
  struct Case { std::array<int32_t, 6> points; std::array<uint16_t, 6> want; };
  const Case cases[] = {
      {{1000, 1000, 500, 0, 0, 0}, {2, 2, 3, 6, 6, 6}}, {{0, 0, 0, 500, 1000, 1000}, {6, 6, 6, 3, 2, 2}},
      {{3, 1, 4, 6, 2, 5}, {4, 6, 3, 1, 5, 2}}, {{7, 7, 7, 7, 7, 7}, {6, 6, 6, 6, 6, 6}},
      {{-1, 0, 2, 2, -1, 9}, {6, 4, 3, 3, 6, 1}},
  };
  for (const Case& c : cases) {
    TTeilnehmer t;
    for (int d = 1; d <= 6; ++d) t.SetPoints(d, c.points[d - 1]);
    t.RankDisciplines();
    for (int d = 1; d <= 6; ++d) EXPECT_EQ(t.DisciplineRank(d), c.want[d - 1]) << "d " << d << " of " << c.points[0];
  }
}

TEST(Teilnehmer, Matches) {
  TTeilnehmer person;
  person.SetGliederung("AB");
  person.SetName(true, Oem("Müller"));
  person.SetVorname("Anna");

  TTeilnehmer team;
  team.SetGliederung("SVN");
  team.SetName(false, "SV Nord");
  team.SetZusatz("Mannschaft 1");

  constexpr uint8_t kWhole = TTeilnehmer::kMatchWhole, kCase = TTeilnehmer::kMatchKeepCase,
                    kFirst = TTeilnehmer::kMatchFirstName;
  struct Case { const TTeilnehmer* t; std::string pattern; uint8_t options; bool want; };
  const Case cases[] = {
      {&person, "ab", 0, true}, {&person, "ab", kCase, false}, {&person, "AB", kCase, true},
      {&person, "", 0, false}, {&person, "", kFirst, false},
      // Whole text: the person's Zusatz (team layout) is empty.
      {&person, "", kWhole, true}, {&person, "", kWhole | kFirst, false}, {&person, "ller", 0, true},
      {&person, "LLER", kCase, false}, {&person, Oem("müller"), kWhole, true}, {&person, Oem("mül"), 0, true},
      // Umlauts are not case-folded.
      {&person, Oem("MÜLLER"), 0, false}, {&person, Oem("Müll"), kWhole, false}, {&person, "anna", 0, false},
      {&person, "anna", kFirst, true}, {&person, "anna", kFirst | kCase, false},
      {&person, "ANNA", kFirst | kWhole, true}, {&person, "AN", kFirst | kWhole, false},
      {&team, "mannschaft", 0, true}, {&team, "mannschaft 1", kWhole, true},
      {&team, "mannschaft", kFirst, false}, {&team, "sv nord", kWhole, true}, {&team, "sv", 0, true},
      {&team, "", kWhole, false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.t->Matches(c.pattern, c.options), c.want) << c.pattern << " options " << int(c.options);
}

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "AkTestSupport.h"
#include "CodePage.h"
#include "VkSpalten.h"
#include "VkTeiln.h"
#include "YrStream.h"

using aktest::FirstDiff;
using Set = std::function<void(TTeilnehmer&)>;

namespace {

TTeilnehmer::Bytes Pattern() {
  TTeilnehmer::Bytes b;
  for (size_t i = 0; i < b.size(); ++i) b[i] = static_cast<uint8_t>(i * 7 + 3);
  return b;
}

std::vector<uint8_t> Stored(const TTeilnehmer& t) {
  TYrMemoryStream s;
  t.Store(s);
  EXPECT_EQ(s.Status, 0);
  return s.Data();
}

}  // namespace

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
    EXPECT_EQ(std::tuple(t.Time(d), t.Points(d), t.Heat(d), t.DisciplineRank(d)), std::tuple(0, 0, 0, 0)) << d;
  }
  EXPECT_EQ(FirstDiff(t.Record(), Pattern()), "");
}

// A team name longer than 20 characters overruns the individual fields.
TEST(Teilnehmer, BothLayoutsOverTheSameBytes) {
  TTeilnehmer team;
  const std::string name30 = "DLRG Ortsgruppe Musterstadt 01";
  team.SetName(false, name30 + "overflow");
  team.SetZusatz("Mannschaft 1");
  EXPECT_EQ(std::tuple(team.Name(false), team.Name(true), team.ColumnText(VkSpalten::kColTeamName),
                       team.ColumnText(VkSpalten::kColName), team.ColumnText(VkSpalten::kColZusatz)),
            std::tuple(name30, name30.substr(0, 20), name30, name30.substr(0, 20), "Mannschaft 1"));
  // Vorname's length byte is the name's 21st character 'e' (101), clamped to
  // 20 characters running through Zusatz's length byte (12) into the Zusatz;
  // Geburtsdatum's is the Zusatz's blank (32), clamped to 10.
  EXPECT_EQ(team.Vorname(), name30.substr(21, 9) + '\x0C' + "Mannschaft");
  EXPECT_EQ(team.Geburtsdatum(), "1" + std::string(9, '\0'));
}

TEST(Teilnehmer, OverLongLengthBytesAreClampedInBothLayouts) {
  TTeilnehmer::Bytes b;
  b.fill('x');
  for (size_t off : {0, 21, 31, 42, 53, 59}) b[off] = 255;
  TTeilnehmer t;
  t.SetRecord(b);
  const std::vector<size_t> sizes = {t.Name(true).size(), t.Name(false).size(), t.Vorname().size(),
                                     t.Geburtsdatum().size(), t.Zusatz().size(), t.Altersklasse().size(),
                                     t.NameText(true).size(), t.NameText(false).size()};
  EXPECT_EQ(sizes, (std::vector<size_t>{20, 30, 20, 10, 21, 30, 21 + 20, 30}));
  for (int16_t col = 0; col <= 46; ++col) EXPECT_LE(t.ColumnText(col).size(), 30u) << col;
  EXPECT_EQ(std::tuple(t.Gliederung(), t.Matches("y", 0), t.Matches("y", TTeilnehmer::kMatchFirstName)),
            std::tuple("xxxxx", false, false));
}

TEST(Teilnehmer, LoadStoreKeepReservedBytesAndLeaveStreamResults) {
  const auto pattern = Pattern();
  TYrMemoryStream in(std::vector<uint8_t>(pattern.begin(), pattern.end()));
  TTeilnehmer t(in);
  EXPECT_EQ(std::pair(in.Status, FirstDiff(Stored(t), pattern)), std::pair(uint16_t{0}, std::string()));

  // Changing every meaningful field leaves the reserved ranges alone.
  t.SetTotal(1);
  t.SetAllNA();
  t.RankDisciplines();
  t.SetName(false, "A");
  t.SetAltersklasse("B");
  const auto got = Stored(t);
  for (auto [from, to] : {std::pair{162, 164}, {206, 230}, {242, 280}})
    for (int i = from; i < to; ++i) EXPECT_EQ(got[i], pattern[i]) << i;

  t.SetDisplayOption(1);  // a copy takes the display option too
  TTeilnehmer copy(t);
  EXPECT_EQ(std::pair(copy.Record() == t.Record(), copy.DisplayOption()), std::pair(true, uint8_t{1}));

  // A short read and a failed write leave their results in the stream.
  TYrMemoryStream shortIn(std::vector<uint8_t>(100, 0xAA));
  TYrMemoryStream out;
  TTeilnehmer cut(shortIn);
  EXPECT_EQ(std::tuple(shortIn.Status, cut.Record()[99], cut.Record()[100]), std::tuple(100, 0xAA, 0));
  out.FailAfter(10);
  cut.Store(out);
  EXPECT_EQ(out.Status, 101);
}

TEST(Teilnehmer, ColumnTexts) {
  using T = TTeilnehmer;
  struct Case { Set set; int16_t column; std::string want; };
  const Case cases[] = {
      {[](T& t) { t.SetPlace(3); }, 1, ""},  // total 0: no place
      {[](T& t) {
         t.SetTotal(1);
         t.SetPlace(3);
       },
       1, "3."},
      {[](T& t) {
         t.SetTotal(500);
         t.SetFlag(T::kAusserKonkurrenz, true);
       },
       1, "AK"},
      {[](T& t) { t.SetFlag(T::kAusserKonkurrenz, true); }, 1, ""},
      {[](T& t) { t.SetTotal(12345); }, 2, "123,45"},        {[](T& t) { t.SetGliederung("OG-K"); }, 3, "OG-K"},
      {[](T& t) { t.SetName(true, "Meier"); }, 5, "Meier"},  {[](T& t) { t.SetVorname("Anna"); }, 6, "Anna"},
      {[](T& t) { t.SetName(false, "SV Nord"); }, 7, "SV Nord"}, {[](T& t) { t.SetZusatz("II"); }, 8, "II"},
      {[](T& t) { t.SetDisciplinePlace(1, 3); }, 9, "3"},    {[](T& t) { t.SetTime(1, 6543); }, 10, "1:05,4"},
      {[](T& t) {
         t.SetDisplayOption(1);
         t.SetTime(1, 6543);
       },
       10, "1:05,43"},
      {[](T& t) { t.SetDeduction(1, 2); }, 11, "2"},         {[](T& t) { t.SetDeduction(1, -5); }, 11, "####"},
      {[](T& t) {
         t.SetDeduction(1, 3);
         t.SetPoints(1, 5000);
       },
       12, "50,00"},
      {[](T& t) {  // a code: no points shown
         t.SetDeduction(1, -1);
         t.SetPoints(1, 5000);
       },
       12, "0,00"},
      {[](T& t) { t.SetHeat(1, 4); }, 13, "4"},              {[](T& t) { t.SetLane(1, 8); }, 14, "8"},
      {[](T& t) { t.SetDisciplinePlace(6, 12); }, 39, "12"}, {[](T& t) { t.SetLane(5, 5); }, 44, "0"},
      {[](T& t) { t.SetCprValue(1234); }, 45, "12,34"},      {[](T& t) { t.SetCprValue(-300); }, 45, "n.a."},
      {[](T& t) { t.SetTotal(100); }, 46, ""},
  };
  for (const Case& c : cases) {
    T t;
    c.set(t);
    EXPECT_EQ(t.ColumnText(c.column), c.want) << c.column << " " << c.want;
  }
}

// A full first name and its blank just fit the 21 characters; the short
// team text cuts to 20.
TEST(Teilnehmer, NameText) {
  for (auto [first, want] : {std::pair{"Anna", "Anna Meier"}, {"", " Meier"},
                             {"Abcdefghijklmnopqrst", "Abcdefghijklmnopqrst Meier"}}) {
    TTeilnehmer t;
    t.SetName(true, "Meier");
    t.SetVorname(first);
    EXPECT_EQ(std::pair(t.NameText(true), t.NameText(false)), std::pair(std::string(want), std::string("Meier")));
  }
  TTeilnehmer team;
  team.SetName(false, "Rettungsschwimmer Musterstadt1");
  EXPECT_EQ(std::pair(team.NameText(false), team.NameText(false, true)),
            std::pair(std::string("Rettungsschwimmer Musterstadt1"), std::string("Rettungsschwimmer Mu")));
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
  // Deductions 0 are not "not started".
  EXPECT_EQ(std::pair(fresh.IsEmpty(true), fresh.IsEmpty(false)), std::pair(true, false));

  // From all "n.a." (deductions -3, CPR -300), one change each.
  using T = TTeilnehmer;
  struct Case { Set set; bool byTimes, byCodes; };
  const Case cases[] = {
      {[](T&) {}, true, true},                            {[](T& t) { t.SetTime(6, 1); }, false, true},
      {[](T& t) { t.SetDeduction(2, -2); }, true, true},  {[](T& t) { t.SetDeduction(2, -1); }, true, false},
      {[](T& t) { t.SetCprValue(0); }, true, true},       {[](T& t) { t.SetCprValue(-200); }, true, true},
      {[](T& t) { t.SetCprValue(-400); }, false, false},  {[](T& t) { t.SetCprValue(-100); }, false, false},
      {[](T& t) { t.SetCprValue(1); }, false, false},     {[](T& t) { t.SetTotal(1); }, false, false},
      {[](T& t) { t.SetPoints(1, 500); }, true, true},
  };
  for (const Case& c : cases) {
    T t;
    t.SetAllNA();
    for (int d = 1; d <= 6; ++d) ASSERT_EQ(t.Deduction(d), -3);
    ASSERT_EQ(t.CprValue(), -300);
    c.set(t);
    EXPECT_EQ(std::pair(t.IsEmpty(true), t.IsEmpty(false)), std::pair(c.byTimes, c.byCodes)) << &c - cases;
  }
}

// Elements 1..24 name time, deduction, heat and lane of a discipline, 25 the
// CPR value alone (its time, station and heat stay).
TEST(Teilnehmer, ResetFields) {
  TTeilnehmer full;
  for (int16_t d = 1; d <= 6; ++d) {
    full.SetTime(d, 100 + d);
    full.SetDeduction(d, d);
    full.SetHeat(d, d);
    full.SetLane(d, d);
    full.SetPoints(d, 7);
  }
  full.SetCprValue(900);
  full.SetCprTime(1015);
  full.SetCprStation(2);
  full.SetCprHeat(4);
  full.SetTotal(55);

  struct Case { std::vector<uint8_t> elements; Set clear; };
  const Case cases[] = {
      {{25}, [](TTeilnehmer& t) { t.SetCprValue(0); }},
      {{1, 8, 15, 24},
       [](TTeilnehmer& t) {
         t.SetTime(1, 0);
         t.SetDeduction(2, 0);
         t.SetHeat(3, 0);
         t.SetLane(6, 0);
       }},
      {{0, 26, 31, 255}, [](TTeilnehmer&) {}},
  };
  for (const Case& c : cases) {
    TTeilnehmer t(full);
    TTeilnehmer want(full);
    TYrSet s;
    for (uint8_t e : c.elements) s.SetElement(e, true);
    t.ResetFields(s);
    c.clear(want);
    EXPECT_EQ(FirstDiff(t.Record(), want.Record()), "") << int(c.elements[0]);
  }
}

TEST(Teilnehmer, RankDisciplines) {
  struct Case { std::array<int32_t, 6> points; std::array<uint16_t, 6> want; };
  const Case cases[] = {
      {{1000, 1000, 500, 0, 0, 0}, {2, 2, 3, 6, 6, 6}}, {{3, 1, 4, 6, 2, 5}, {4, 6, 3, 1, 5, 2}},
      {{7, 7, 7, 7, 7, 7}, {6, 6, 6, 6, 6, 6}},         {{-1, 0, 2, 2, -1, 9}, {6, 4, 3, 3, 6, 1}},
  };
  for (const Case& c : cases) {
    TTeilnehmer t;
    for (int d = 1; d <= 6; ++d) t.SetPoints(d, c.points[d - 1]);
    t.RankDisciplines();
    std::array<uint16_t, 6> ranks;
    for (int d = 1; d <= 6; ++d) ranks[d - 1] = t.DisciplineRank(d);
    EXPECT_EQ(ranks, c.want) << c.points[0];
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

  constexpr uint8_t kWhole = TTeilnehmer::kMatchWhole;
  constexpr uint8_t kCase = TTeilnehmer::kMatchKeepCase;
  constexpr uint8_t kFirst = TTeilnehmer::kMatchFirstName;
  struct Case { const TTeilnehmer* t; std::string pattern; uint8_t options; bool want; };
  const Case cases[] = {
      {&person, "ab", 0, true},  {&person, "ab", kCase, false}, {&person, "AB", kCase, true}, {&person, "", 0, false},
      {&person, "", kWhole, true},  // whole: the person's Zusatz (team layout) is empty
      {&person, "", kWhole | kFirst, false}, {&person, "ller", 0, true}, {&person, Oem("müller"), kWhole, true},
      {&person, Oem("MÜLLER"), 0, false},  // umlauts are not case-folded
      {&person, Oem("Müll"), kWhole, false}, {&person, "anna", 0, false}, {&person, "anna", kFirst, true},
      {&person, "anna", kFirst | kCase, false}, {&person, "AN", kFirst | kWhole, false},
      {&team, "mannschaft", 0, true}, {&team, "mannschaft", kFirst, false}, {&team, "sv nord", kWhole, true},
      {&team, "", kWhole, false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.t->Matches(c.pattern, c.options), c.want) << c.pattern << " options " << int(c.options);
}

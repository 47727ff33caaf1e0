// New competitions from rule-set codes, against the rule books as published
// (RuleBookExpected.h): what a user sees after File > New, birth years
// already moved to the competition year.
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "CodePage.h"
#include "RuleBookExpected.h"
#include "VkDisz99.h"
#include "VkNeu.h"
#include "VkPunkte.h"
#include "VkVorg07.h"
#include "VkVorgabe.h"
#include "VkWettk.h"
#include "YrClock.h"
#include "YrHooks.h"

using namespace rulebook;

namespace {

// Collects what the core reports and pins the clock (the header's date).
class NeuTest : public testing::Test {
 protected:
  void SetUp() override {
    savedClock_ = SetClock([] { return MakeDateTime(2026, 3, 7); });
    savedMsg_ = ErrorMsgProc;
    ErrorMsgProc = [this](const std::string& m) { messages_.push_back(m); };
  }
  void TearDown() override {
    SetClock(savedClock_);
    ErrorMsgProc = savedMsg_;
  }
  std::vector<std::string> messages_;

 private:
  TYrClock savedClock_;
  TErrorMsgProc savedMsg_;
};

std::vector<uint8_t> Stored(const TWettkampf& w) {
  TYrMemoryStream s;
  w.Store(s);
  return s.Data();
}

int BookYear(const CodeCase& c) { return std::stoi(c.builders.front().substr(std::string("BuildRules").size(), 4)); }

}  // namespace

TEST_F(NeuTest, EveryCodeGivesTheRuleBooksClassesInTheCompetitionYear) {
  const TDisziplin empty;
  for (const CodeCase& c : CodeCases()) {
    SCOPED_TRACE("code " + std::to_string(c.code));
    const auto w = NewCompetition(c.code, 2003);
    EXPECT_EQ(w->Header().Kind(), c.kind.value_or(0));
    const int year = BookYear(c);
    ASSERT_EQ(w->GetCount(), static_cast<int>(c.classes.size()));
    for (int i = 0; i < w->GetCount(); ++i) {
      const TAltersklasse& ak = *w->At(i);
      const Expected& e = c.classes[i];
      SCOPED_TRACE(e.name);
      EXPECT_EQ(ak.Name(), Oem(e.name));
      EXPECT_EQ(ak.FirstYear(), e.first + 13);
      EXPECT_EQ(ak.LastYear(), e.last + 13);
      EXPECT_EQ(ak.Flags(), e.flags);
      EXPECT_EQ(ak.DisciplineCount(), e.disciplines.size());
      EXPECT_EQ(ak.Counted(), e.counted);
      for (int s = 0; s < 6; ++s) {
        const TDisziplin d = ak.Discipline(s + 1);
        if (s >= static_cast<int>(e.disciplines.size())) {
          EXPECT_EQ(d.Bytes(), empty.Bytes()) << "slot " << s + 1;
          continue;
        }
        const Slot want = ExpectedSlot(year, e.disciplines[s], ak.IsFemale(), e.group);
        EXPECT_EQ(d.Name(), Oem(e.disciplines[s])) << "slot " << s + 1;
        EXPECT_EQ(d.Kind(), want.kind);
        for (int v = 1; v <= 5; ++v) EXPECT_EQ(d.V(v), want.v[v - 1]) << "slot " << s + 1 << " V" << v;
        EXPECT_EQ(d.RuleCode(), want.ruleCode);
        EXPECT_EQ(d.Description(), "Meisterschaftsdisziplin Regelwerk " + std::to_string(year));
        EXPECT_EQ(d.Formula(), FormulaKindName(want.kind));
      }
    }
  }
  EXPECT_TRUE(messages_.empty()) << messages_.front();  // no combined code collides with itself
}

TEST_F(NeuTest, TheYearShiftsEveryBirthYearFromTheBase1990) {
  const auto base = NewCompetition(0, 1990), later = NewCompetition(0, 2000);
  ASSERT_EQ(base->GetCount(), 10);
  EXPECT_EQ(base->At(0)->FirstYear(), 1978);  // AK 12w as the rule book has it
  for (int i = 0; i < 10; ++i)
    EXPECT_EQ((std::array<int, 2>{later->At(i)->FirstYear(), later->At(i)->LastYear()}),
              (std::array<int, 2>{base->At(i)->FirstYear() + 10, base->At(i)->LastYear() + 10}));
  // Youth before masters, both shifted.
  const auto combined = NewCompetition(1001, 2003);
  ASSERT_EQ(combined->GetCount(), 34);
  EXPECT_EQ(combined->At(10)->Name(), "AK 25w");
  EXPECT_EQ(combined->At(33)->Name(), "AK 80+m");
  EXPECT_EQ(combined->At(33)->FirstYear(), 1903);
}

// Also: code 17 is code 13.
TEST_F(NeuTest, CodesWithoutPresetsGiveTheNewCompetitionAsItIs) {
  const TWettkampf fresh;
  for (int code : {18, 19, 26, -1, 1000, 1005, 99999}) {
    const auto w = NewCompetition(code, 2007);
    EXPECT_EQ(w->GetCount(), 0) << code;
    EXPECT_EQ(w->Header().GetBytes(), fresh.Header().GetBytes()) << code;
  }
  // A preset changes the header only in its kind of event.
  TWettkampfDaten expected = fresh.Header();
  expected.SetKind(1);
  EXPECT_EQ(NewCompetition(21, 2007)->Header().GetBytes(), expected.GetBytes());
  EXPECT_EQ(Stored(*NewCompetition(17, 2001)), Stored(*NewCompetition(13, 2001)));
}

// The 1992 relay presets make the competition a team competition; the 1992
// singles presets leave whatever kind they find, every other preset sets its own.
TEST_F(NeuTest, KindOfEventPerPreset) {
  struct Case { int code; uint16_t before, after; };
  const Case cases[] = {{12, 1, 1}, {14, 1, 1}, {16, 1, 1}, {13, 0, 1}, {15, 0, 1}, {17, 0, 1},
                        {0, 1, 0},  {7, 0, 1},  {20, 1, 0}, {1011, 1, 0}, {18, 1, 1}};
  for (const Case& c : cases) {
    TWettkampf w;
    TWettkampfDaten h = w.Header();
    h.SetKind(c.before);
    w.SetHeader(h);
    ApplyRuleSet(w, c.code, 1990);
    EXPECT_EQ(w.Header().Kind(), c.after) << "code " << c.code << " from " << c.before;
  }
}

TEST_F(NeuTest, EachBuilderRunsUnderItsName) {
  struct Case { void (*build)(TWettkampf&); int code; };
  const Case cases[] = {
      {BuildRules1999YouthSingles, 0},     {BuildRules1999YouthRelays, 1},      {BuildRules1999MastersSingles, 2},
      {BuildRules1999MastersRelays, 3},    {BuildRules1999YouthSinglesAK10, 4}, {BuildRules1999YouthRelaysAK10, 5},
      {BuildRules1995Singles, 6},          {BuildRules1995Relays, 7},           {BuildRules1995SeniorsSingles, 8},
      {BuildRules1995SeniorsRelays, 9},    {BuildRules1995SinglesSplit, 10},    {BuildRules1995RelaysSplit, 11},
      {BuildRules1992Singles, 12},         {BuildRules1992Relays, 13},          {BuildRules1992PupilsSingles, 14},
      {BuildRules1992PupilsRelays, 15},    {BuildRules1992SinglesSplit, 16},    {BuildRules2007YouthSingles, 20},
      {BuildRules2007YouthRelays, 21},     {BuildRules2007MastersSingles, 22},  {BuildRules2007MastersRelays, 23},
      {BuildRules2007YouthSinglesAK10, 24}, {BuildRules2007YouthRelaysAK10, 25},
  };
  for (const Case& c : cases) {
    TWettkampf w;
    c.build(w);
    EXPECT_EQ(Stored(w), Stored(*NewCompetition(c.code, 1990))) << "code " << c.code;
  }
}

TEST_F(NeuTest, APresetSurvivesTheResultFile) {
  const auto w = NewCompetition(1023, 2009);
  const std::vector<uint8_t> bytes = Stored(*w);
  TYrMemoryStream in(bytes);
  TWettkampf loaded;
  ASSERT_TRUE(loaded.Load(in));
  ASSERT_EQ(loaded.GetCount(), 40);
  EXPECT_EQ(loaded.At(0)->Name(), "AK 10w");
  EXPECT_EQ(loaded.At(0)->LastYear(), 2009);
  EXPECT_EQ(Stored(loaded), bytes);
}

// "50m Flossenschwimmen" of AK 12: the same time scores 1000 points against
// the class's own reference time (2430 female, 2360 male) and 400 at twice it.
TEST_F(NeuTest, FemaleAndMaleClassesScoreAgainstTheirOwnReferenceTimes) {
  const auto w = NewCompetition(20, 2007);
  const TDisziplin female = w->At(0)->Discipline(3);
  const TDisziplin male = w->At(1)->Discipline(3);
  ASSERT_EQ(female.Name(), "50m Flossenschwimmen");
  ASSERT_EQ(male.Name(), "50m Flossenschwimmen");
  EXPECT_EQ(CalcPoints(2430, 0, 0, female), 100000);
  EXPECT_EQ(CalcPoints(4860, 0, 0, female), 40000);
  EXPECT_EQ(CalcPoints(2360, 0, 0, male), 100000);
  EXPECT_EQ(CalcPoints(4720, 0, 0, male), 40000);
  EXPECT_GT(CalcPoints(2360, 0, 0, female), 100000);
  EXPECT_LT(CalcPoints(2430, 0, 0, male), 100000);
}

TEST_F(NeuTest, VkdumpNewStoresTheCompetition) {
  const std::string tool = VKDUMP_PATH;
  ASSERT_EQ(std::system((tool + " new 1022 2011 neu-test.erg").c_str()), 0);
  TYrStream file("neu-test.erg", stOpenRead);
  TWettkampf w;
  ASSERT_TRUE(w.Load(file));
  const auto expected = NewCompetition(1022, 2011);
  EXPECT_EQ(w.Header().Kind(), 1);
  EXPECT_EQ(w.Header().Title(), expected->Header().Title());
  w.SetHeader(expected->Header());  // the tool dates the header by the real clock
  EXPECT_EQ(Stored(w), Stored(*expected));
  for (const char* bad : {"new 20 2007", "new x 2007 neu-bad.erg", "new 20 20O7 neu-bad.erg"})
    EXPECT_NE(std::system((tool + " " + bad + " 2>/dev/null").c_str()), 0) << bad;
}

// The rule book's own example, and age groups that name no reference time.
TEST_F(NeuTest, SetDisz2007) {
  const TDisziplinVorlage07* t = nullptr;
  for (const TDisziplinVorlage07& r : presets::kRuleBook2007.templates07)
    if (std::string(r.name) == "50m Retten einer Puppe") t = &r;
  ASSERT_NE(t, nullptr);
  for (const auto& [group, v1] : {std::pair(5, 3069), std::pair(0, 0), std::pair(7, 0)}) {
    TDisziplin d;
    SetDisz2007(d, *t, false, group, 11);
    EXPECT_EQ((std::array{d.V(1), d.V(2), d.V(3), d.V(4), d.V(5)}), (std::array{v1, 3590, 3540, 3330, 3069})) << group;
    EXPECT_EQ(d.Description(), "Meisterschaftsdisziplin Regelwerk 2007");
  }
}

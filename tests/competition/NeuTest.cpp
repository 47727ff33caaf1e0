// New competitions from rule-set codes against the rule books as published
// (RuleBookExpected.h): what a user sees after File > New, birth years
// already moved to the competition year. The one place where the per-code
// values are checked.
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "CodePage.h"
#include "RuleBookExpected.h"
#include "RuleSetCodes.h"
#include "VkDisz99.h"
#include "VkNeu.h"
#include "VkVorg07.h"
#include "VkVorgabe.h"
#include "VkWettk.h"
#include "MessageCapture.h"
#include "YrClock.h"

using namespace rulebook;

namespace {

// Collects what the core reports and pins the clock (the header's date).
class NeuTest : public testing::Test {
 protected:
  void SetUp() override { savedClock_ = SetClock([] { return MakeDateTime(2026, 3, 7); }); }
  void TearDown() override { SetClock(savedClock_); }
  MessageCapture messages_;

 private:
  TYrClock savedClock_;
};

std::vector<uint8_t> Stored(const TWettkampf& w) {
  TYrMemoryStream s;
  w.Store(s);
  return s.Data();
}

void SetKind(TWettkampf& w, uint16_t kind) {
  TWettkampfDaten h = w.Header();
  h.SetKind(kind);
  w.SetHeader(h);
}

#define BUILDER(f) {#f, f}
const std::map<std::string, void (*)(TWettkampf&)> kBuilders = {
    BUILDER(BuildRules1999YouthSingles),     BUILDER(BuildRules1999YouthRelays),
    BUILDER(BuildRules1999MastersSingles),   BUILDER(BuildRules1999MastersRelays),
    BUILDER(BuildRules1999YouthSinglesAK10), BUILDER(BuildRules1999YouthRelaysAK10),
    BUILDER(BuildRules1995Singles),          BUILDER(BuildRules1995Relays),
    BUILDER(BuildRules1995SeniorsSingles),   BUILDER(BuildRules1995SeniorsRelays),
    BUILDER(BuildRules1995SinglesSplit),     BUILDER(BuildRules1995RelaysSplit),
    BUILDER(BuildRules1992Singles),          BUILDER(BuildRules1992Relays),
    BUILDER(BuildRules1992PupilsSingles),    BUILDER(BuildRules1992PupilsRelays),
    BUILDER(BuildRules1992SinglesSplit),     BUILDER(BuildRules2007YouthSingles),
    BUILDER(BuildRules2007YouthRelays),      BUILDER(BuildRules2007MastersSingles),
    BUILDER(BuildRules2007MastersRelays),    BUILDER(BuildRules2007YouthSinglesAK10),
    BUILDER(BuildRules2007YouthRelaysAK10),
};
#undef BUILDER

int BookYear(const CodeCase& c) { return std::stoi(c.builders.front().substr(std::string("BuildRules").size(), 4)); }

}  // namespace

TEST_F(NeuTest, EveryCodeGivesTheRuleBooksClassesInTheCompetitionYear) {
  const TDisziplin empty;
  std::set<std::string> run;
  for (const CodeCase& c : CodeCases()) {
    SCOPED_TRACE("code " + std::to_string(c.code));
    const auto w = NewCompetition(c.code, 2003);
    EXPECT_EQ(w->Header().Kind(), c.kind.value_or(0));
    TWettkampf kept;  // a preset without a kind of event leaves the one it finds
    SetKind(kept, 2);
    ApplyRuleSet(kept, c.code, 2003);
    EXPECT_EQ(kept.Header().Kind(), c.kind.value_or(2));
    TWettkampf byName;  // the code runs the builders of these names, in this order
    for (const std::string& n : c.builders) {
      run.insert(n);
      kBuilders.at(n)(byName);
    }
    byName.ShiftYears(2003, 1990);
    EXPECT_EQ(Stored(byName), Stored(*w));
    Names names;  // the dispatch table's own record of the same
    for (const presets::BuilderEntry* b : presets::RuleSetBuilders(c.code)) names.push_back(b->name);
    EXPECT_EQ(names, c.builders);

    const int year = BookYear(c);
    ASSERT_EQ(w->GetCount(), static_cast<int>(c.classes.size()));
    for (int i = 0; i < w->GetCount(); ++i) {
      const TAltersklasse& ak = *w->At(i);
      const Expected& e = c.classes[i];
      SCOPED_TRACE(e.name);
      EXPECT_EQ(std::tuple(ak.Name(), ak.FirstYear(), ak.LastYear(), ak.Flags(), ak.DisciplineCount(), ak.Counted()),
                std::tuple(Oem(e.name), e.first + 13, e.last + 13, e.flags, e.disciplines.size(), e.counted));
      for (int s = 0; s < 6; ++s) {
        const TDisziplin d = ak.Discipline(s + 1);
        if (s >= static_cast<int>(e.disciplines.size())) {
          EXPECT_EQ(d.Bytes(), empty.Bytes()) << "slot " << s + 1;
          continue;
        }
        const Slot want = ExpectedSlot(year, e.disciplines[s], ak.IsFemale(), e.group);
        EXPECT_EQ(std::tuple(d.Name(), d.Kind(), d.RuleCode(), d.Description(), d.Formula()),
                  std::tuple(Oem(e.disciplines[s]), want.kind, want.ruleCode,
                             "Meisterschaftsdisziplin Regelwerk " + std::to_string(year), FormulaKindName(want.kind)))
            << "slot " << s + 1;
        for (int v = 1; v <= 5; ++v) EXPECT_EQ(d.V(v), want.v[v - 1]) << "slot " << s + 1 << " V" << v;
      }
    }
  }
  EXPECT_EQ(run.size(), kBuilders.size());  // every builder is reachable from a code
  EXPECT_EQ(messages_.list, std::vector<std::string>{});  // no combined code collides with itself
}

TEST_F(NeuTest, CodesWithoutPresetsGiveTheNewCompetitionAsItIs) {
  std::set<int> codes;
  for (const CodeCase& c : CodeCases()) codes.insert(c.code);
  const TWettkampf fresh;
  std::vector<int> others = {-1000, 65535, 99999};
  for (int code = -1; code <= 1030; ++code)
    if (!codes.count(code)) others.push_back(code);
  for (int code : others) {
    const auto w = NewCompetition(code, 2007);
    EXPECT_EQ(w->GetCount(), 0) << code;
    EXPECT_EQ(w->Header().GetBytes(), fresh.Header().GetBytes()) << code;
  }
  // A preset changes the header only in its kind of event.
  TWettkampfDaten expected = fresh.Header();
  expected.SetKind(1);
  EXPECT_EQ(NewCompetition(21, 2007)->Header().GetBytes(), expected.GetBytes());
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
    EXPECT_EQ(std::tuple(d.V(1), d.V(2), d.V(3), d.V(4), d.V(5), d.Description()),
              std::tuple(v1, 3590, 3540, 3330, 3069, "Meisterschaftsdisziplin Regelwerk 2007"))
        << group;
  }
}

// Invariants of the rule-book tables that no new competition shows: the
// per-code values are checked once, through NewCompetition (NeuTest.cpp).
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>

#include "RuleBookTables.h"
#include "RuleSetCodes.h"
#include "VkVorg07.h"
#include "VkVorg92.h"
#include "VkVorg95.h"
#include "VkVorg99.h"

using namespace presets;

TEST(RuleBookTables, UsedSlotsHaveParametersAndUnusedSlotsNone) {
  for (const BuilderEntry* b : AllBuilders()) {
    for (const ClassRow& r : b->classes) {
      SCOPED_TRACE(std::string(b->name) + " " + r.name);
      ASSERT_LE(r.count, kSlots);
      for (int s = 0; s < kSlots; ++s) {
        if (s >= r.count) {
          EXPECT_EQ(r.templ[s], kNoTemplate) << "slot " << s;
          continue;
        }
        ASSERT_LT(r.templ[s], b->book->TemplateCount()) << "slot " << s;
        const ResolvedTemplate t = ResolveSlot(*b->book, r, s);
        EXPECT_GT(t.v[0], 0) << "slot " << s;
        EXPECT_EQ(t.ruleCode, b->book->ruleCode);
      }
      // The display flags go only to classes with CPR scoring.
      EXPECT_EQ(std::tuple(r.FinalCounted() <= r.count, r.FinalCounted() >= 1, r.extraFlags == 0 || r.HasCpr(),
                           r.group != 0, r.group <= 6),
                std::tuple(true, true, true, b->book->UsesReferenceTimes(), true));
    }
  }
}

TEST(RuleBookTables, EveryTemplateIsUsed) {
  for (const RuleBook* book : {&kRuleBook1999, &kRuleBook1995, &kRuleBook1992, &kRuleBook2007}) {
    std::set<uint8_t> used;
    for (const BuilderEntry* b : AllBuilders())
      if (b->book == book)
        for (const ClassRow& r : b->classes) used.insert(r.templ, r.templ + r.count);
    for (size_t i = 0; i < book->TemplateCount(); ++i)
      EXPECT_TRUE(used.count(static_cast<uint8_t>(i))) << book->year << " " << book->TemplateName(i);
  }
}

// Every 2007 reference time is set exactly where a preset class of that sex
// and group uses the discipline.
TEST(RuleBookTables, ReferenceTimesExactlyWhereUsed) {
  std::set<std::tuple<uint8_t, bool, int>> used;  // template, female, group
  for (const BuilderEntry* b : AllBuilders())
    if (b->book == &kRuleBook2007)
      for (const ClassRow& r : b->classes)
        for (int s = 0; s < r.count; ++s) used.insert({r.templ[s], r.IsFemale(), r.group});
  const auto& t = kRuleBook2007.templates07;
  for (size_t i = 0; i < t.size(); ++i)
    for (int g = 1; g <= 6; ++g)
      for (bool female : {true, false}) {
        const bool set = (female ? t[i].female : t[i].male)[g - 1] != 0;
        EXPECT_EQ(set, used.count({static_cast<uint8_t>(i), female, g}) == 1)
            << t[i].name << (female ? " female" : " male") << " group " << g;
      }
}

TEST(RuleSetCodes, BuildersAreFoundByName) {
  for (const BuilderEntry* b : AllBuilders()) EXPECT_EQ(FindBuilder(b->name), b);
  EXPECT_EQ(FindBuilder("BuildRules2007"), nullptr);
  EXPECT_EQ(FindBuilder(""), nullptr);
}

// The rule-book tables against the rule books as published (the expected
// classes and values of RuleBookExpected.h, typed from the rule books).
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "RuleBookExpected.h"
#include "RuleBookTables.h"
#include "RuleSetCodes.h"
#include "VkVorg07.h"
#include "VkVorg92.h"
#include "VkVorg95.h"
#include "VkVorg99.h"

using namespace presets;
using namespace rulebook;

namespace {

// The classes a code creates, in creation order, with the book of each.
struct Made {
  const RuleBook* book;
  const ClassRow* row;
};
std::vector<Made> Build(int code) {
  std::vector<Made> out;
  for (const BuilderEntry* b : RuleSetBuilders(code))
    for (const ClassRow& r : b->classes) out.push_back({b->book, &r});
  return out;
}

size_t Characters(const char* utf8) {
  size_t n = 0;
  for (const char* p = utf8; *p; ++p)
    if ((static_cast<unsigned char>(*p) & 0xC0) != 0x80) ++n;
  return n;
}

// Only characters the DOS code page holds and the rule books use.
bool PlainGerman(const char* utf8) {
  static const std::string kUmlauts[] = {"ä", "ö", "ü", "Ä", "Ö", "Ü", "ß"};
  std::string s = utf8;
  for (size_t i = 0; i < s.size();) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    if (c >= 0x20 && c < 0x7F) { ++i; continue; }
    bool ok = false;
    for (const auto& u : kUmlauts)
      if (s.compare(i, u.size(), u) == 0) { i += u.size(); ok = true; break; }
    if (!ok) return false;
  }
  return true;
}

// The competition's order of age classes: later first birth year first, then
// later last birth year, female before male, then name bytes.
int CompareClasses(const ClassRow& a, const ClassRow& b) {
  if (a.firstYear != b.firstYear) return a.firstYear > b.firstYear ? -1 : 1;
  if (a.lastYear != b.lastYear) return a.lastYear > b.lastYear ? -1 : 1;
  if (a.IsFemale() != b.IsFemale()) return a.IsFemale() ? -1 : 1;
  const int c = std::string(a.name).compare(b.name);
  return c < 0 ? -1 : c > 0 ? 1 : 0;
}

}  // namespace

// ---- every code, every class, every slot ------------------------------------

TEST(RuleSetCodes, EveryCodeRunsItsBuildersAndSetsItsKind) {
  std::set<int> tableCodes;
  for (const RuleSetEntry& e : AllRuleSets()) tableCodes.insert(e.code);
  std::set<int> expectedCodes;
  for (const CodeCase& c : CodeCases()) {
    expectedCodes.insert(c.code);
    Names names;
    for (const BuilderEntry* b : RuleSetBuilders(c.code)) {
      names.push_back(b->name);
      EXPECT_EQ(b->kindOfEvent, c.kind) << c.code << " " << b->name;  // combined codes agree
    }
    EXPECT_EQ(names, c.builders) << "code " << c.code;
    EXPECT_EQ(RuleSetKindOfEvent(c.code), c.kind) << c.code;
  }
  EXPECT_EQ(tableCodes, expectedCodes);
}

TEST(RuleSetCodes, CodesOutsideTheTableRunNothingAndKeepTheKind) {
  for (int code : {18, 19, -1, 26, 999, 1000, 1005, 1010, 1015, 1020, 1025, 65535}) {
    EXPECT_TRUE(RuleSetBuilders(code).empty()) << code;
    EXPECT_FALSE(RuleSetKindOfEvent(code).has_value()) << code;
  }
}

TEST(RuleSetCodes, Code17IsCode13) {
  ASSERT_EQ(RuleSetBuilders(17).size(), 1u);
  ASSERT_EQ(RuleSetBuilders(13).size(), 1u);
  EXPECT_EQ(RuleSetBuilders(17)[0], RuleSetBuilders(13)[0]);
}

TEST(RuleSetCodes, BaseYearShift) {
  EXPECT_EQ(kBaseYear, 1990);
  EXPECT_EQ(YearShift(1990), 0);
  EXPECT_EQ(YearShift(2000), 10);
  EXPECT_EQ(YearShift(2003), 13);
  EXPECT_EQ(YearShift(1985), -5);
}

TEST(RuleBookTables, EveryCodeGivesTheRuleBooksClasses) {
  for (const CodeCase& c : CodeCases()) {
    SCOPED_TRACE("code " + std::to_string(c.code));
    const std::vector<Made> made = Build(c.code);
    ASSERT_EQ(made.size(), c.classes.size());
    for (size_t i = 0; i < made.size(); ++i) {
      const ClassRow& r = *made[i].row;
      const Expected& e = c.classes[i];
      SCOPED_TRACE("class " + std::to_string(i) + " " + e.name);
      EXPECT_EQ(r.name, e.name);
      EXPECT_EQ(r.firstYear, e.first);
      EXPECT_EQ(r.lastYear, e.last);
      EXPECT_EQ(r.FinalFlags(), e.flags);
      EXPECT_EQ(r.count, e.disciplines.size());
      EXPECT_EQ(r.FinalCounted(), e.counted);
      EXPECT_EQ(r.group, e.group);
      for (int s = 0; s < r.count && s < static_cast<int>(e.disciplines.size()); ++s) {
        const ResolvedTemplate got = ResolveSlot(*made[i].book, r, s);
        const Slot want = ExpectedSlot(made[i].book->year, e.disciplines[s], r.IsFemale(), e.group);
        EXPECT_EQ(got.name, e.disciplines[s]) << "slot " << s;
        EXPECT_EQ(got.kind, want.kind) << "slot " << s;
        EXPECT_EQ(got.ruleCode, want.ruleCode) << "slot " << s;
        for (int v = 0; v < 5; ++v) EXPECT_EQ(got.v[v], want.v[v]) << "slot " << s << " V" << v + 1;
      }
    }
  }
}

TEST(RuleBookTables, ClassCountsPerCode) {
  const std::map<int, size_t> counts = {
      {0, 10},  {1, 10},  {2, 24},  {3, 12},  {4, 12},  {5, 12},  {6, 8},     {7, 8},     {8, 26},
      {9, 14},  {10, 10}, {11, 10}, {12, 10}, {13, 10}, {14, 2},  {15, 2},    {16, 12},   {17, 10},
      {20, 10}, {21, 10}, {22, 28}, {23, 14}, {24, 12}, {25, 12}, {1001, 34}, {1002, 22}, {1003, 36},
      {1004, 24}, {1011, 34}, {1012, 22}, {1013, 36}, {1014, 24}, {1021, 38}, {1022, 24}, {1023, 40},
      {1024, 26}};
  for (const auto& [code, n] : counts) EXPECT_EQ(Build(code).size(), n) << "code " << code;
}

// Creation order is already the competition's order, so what a code lists is
// what the user sees, and no two classes of one code collide on insertion.
TEST(RuleBookTables, CreationOrderIsTheCompetitionsOrder) {
  for (const RuleSetEntry& e : AllRuleSets()) {
    const std::vector<Made> made = Build(e.code);
    for (size_t i = 1; i < made.size(); ++i)
      EXPECT_EQ(CompareClasses(*made[i - 1].row, *made[i].row), -1)
          << "code " << e.code << ": " << made[i - 1].row->name << " / " << made[i].row->name;
  }
}

TEST(RuleBookTables, NoDuplicateClassNamesWithinACode) {
  for (const RuleSetEntry& e : AllRuleSets()) {
    std::set<std::string> seen;
    for (const Made& m : Build(e.code)) EXPECT_TRUE(seen.insert(m.row->name).second) << e.code << " " << m.row->name;
  }
}

// ---- the rule books' own examples -----------------------------------------

TEST(RuleBookTables, Examples2007) {
  auto find = [](const BuilderEntry& b, std::string_view name) -> const ClassRow& {
    for (const ClassRow& r : b.classes)
      if (name == r.name) return r;
    throw std::runtime_error("no class " + std::string(name));
  };
  const RuleBook& book = kRuleBook2007;

  const ClassRow& ak13w = find(BuildRules2007YouthSingles, "AK 13/14w");
  const ResolvedTemplate h100 = ResolveSlot(book, ak13w, 0);
  EXPECT_STREQ(h100.name, "100m Hindernisschwimmen");
  EXPECT_EQ((std::array<int32_t, 5>{h100.v[0], h100.v[1], h100.v[2], h100.v[3], h100.v[4]}),
            (std::array<int32_t, 5>{6620, 6620, 6530, 0, 0}));

  const ClassRow& openM = find(BuildRules2007YouthSingles, "Offene Altersklasse (m)");
  const ResolvedTemplate r50 = ResolveSlot(book, openM, 1);
  EXPECT_STREQ(r50.name, "50m Retten einer Puppe");
  EXPECT_EQ((std::array<int32_t, 5>{r50.v[0], r50.v[1], r50.v[2], r50.v[3], r50.v[4]}),
            (std::array<int32_t, 5>{3069, 3590, 3540, 3330, 3069}));
  EXPECT_EQ(openM.count, 6);
  EXPECT_EQ(openM.FinalCounted(), 3);
  EXPECT_EQ(openM.FinalFlags(), 50);
  EXPECT_EQ(find(BuildRules2007YouthSingles, "Offene Altersklasse (w)").FinalFlags(), 51);
  EXPECT_EQ(find(BuildRules2007YouthRelays, "Offene Altersklasse (w)").FinalCounted(), 4);

  EXPECT_EQ(ResolveSlot(book, find(BuildRules2007YouthSingles, "AK 12w"), 2).v[0], 2430);
  EXPECT_EQ(ResolveSlot(book, find(BuildRules2007YouthSingles, "AK 12m"), 2).v[0], 2360);

  // A masters class scores with the group-6 time, which is not among V2 .. V5.
  const ResolvedTemplate m = ResolveSlot(book, find(BuildRules2007MastersSingles, "AK 40w"), 0);
  EXPECT_STREQ(m.name, "50m Hindernisschwimmen");
  EXPECT_EQ(m.v[0], 3360);
  EXPECT_EQ((std::array<int32_t, 4>{m.v[1], m.v[2], m.v[3], m.v[4]}), (std::array<int32_t, 4>{0, 0, 0, 0}));
}

TEST(RuleBookTables, Convert2007UsesTheGroupsTimeForV1Only) {
  const Template07Row t{"X", 1, {11, 12, 13, 14, 15, 16}, {21, 22, 23, 24, 25, 26}};
  struct Case { bool female; int group; std::array<int32_t, 5> v; };
  const Case cases[] = {
      {true, 1, {11, 12, 13, 14, 15}}, {true, 3, {13, 12, 13, 14, 15}}, {true, 6, {16, 12, 13, 14, 15}},
      {false, 1, {21, 22, 23, 24, 25}}, {false, 5, {25, 22, 23, 24, 25}}, {false, 6, {26, 22, 23, 24, 25}},
  };
  for (const Case& c : cases) {
    const ResolvedTemplate r = Convert2007(t, c.female, c.group, 11);
    EXPECT_EQ((std::array<int32_t, 5>{r.v[0], r.v[1], r.v[2], r.v[3], r.v[4]}), c.v) << c.female << c.group;
    EXPECT_EQ(r.ruleCode, 11);
    EXPECT_EQ(r.kind, 1);
  }
}

TEST(RuleBookTables, Examples1992And1995) {
  // Youth drag the puppet over 50 m at 150000, juniors and older at 160000.
  const ClassRow& youth = BuildRules1992Singles.classes[2];
  ASSERT_STREQ(youth.name, "Jugend (weiblich)");
  EXPECT_STREQ(ResolveSlot(kRuleBook1992, youth, 1).name, "50m Schleppen einer Puppe (Jugend)");
  EXPECT_EQ(ResolveSlot(kRuleBook1992, youth, 1).v[0], 150000);
  const ClassRow& juniors = BuildRules1992Singles.classes[4];
  ASSERT_STREQ(juniors.name, "Juniorinnen");
  EXPECT_STREQ(ResolveSlot(kRuleBook1992, juniors, 1).name, "50m Schleppen einer Puppe");
  EXPECT_EQ(ResolveSlot(kRuleBook1992, juniors, 1).v[0], 160000);

  // The cut name of the combined seniors relay fills the whole template name.
  const ClassRow& sm40 = BuildRules1995SeniorsRelays.classes[8];
  ASSERT_STREQ(sm40.name, "Seniorinnen (SM 40)");
  const char* cut = ResolveSlot(kRuleBook1995, sm40, 1).name;
  EXPECT_STREQ(cut, "4x50m komb. Schnell- und Rückenschwimmstaffel (SM40-SM6");
  EXPECT_EQ(Characters(cut), 55u);
}

// ---- table invariants -----------------------------------------------------

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
      EXPECT_LE(r.FinalCounted(), r.count);
      EXPECT_GE(r.FinalCounted(), 1);
      // The display flags go only to classes with CPR scoring.
      EXPECT_TRUE(r.extraFlags == 0 || r.HasCpr());
      EXPECT_EQ(r.group != 0, b->book->UsesReferenceTimes());
      EXPECT_LE(r.group, 6);
    }
  }
}

TEST(RuleBookTables, EveryTemplateIsUsed) {
  for (const RuleBook* book : {&kRuleBook1999, &kRuleBook1995, &kRuleBook1992, &kRuleBook2007}) {
    std::set<uint8_t> used;
    for (const BuilderEntry* b : AllBuilders())
      if (b->book == book)
        for (const ClassRow& r : b->classes)
          for (int s = 0; s < r.count; ++s) used.insert(r.templ[s]);
    for (size_t i = 0; i < book->TemplateCount(); ++i)
      EXPECT_TRUE(used.count(static_cast<uint8_t>(i))) << book->year << " " << book->TemplateName(i);
  }
}

TEST(RuleBookTables, TemplateCountsAndRuleCodes) {
  EXPECT_EQ(kRuleBook1999.templates.size(), 40u);  // 20 disciplines, per sex
  EXPECT_EQ(kRuleBook1995.templates.size(), 26u);
  EXPECT_EQ(kRuleBook1992.templates.size(), 19u);
  EXPECT_EQ(kRuleBook2007.templates07.size(), 23u);  // 13 singles, 10 relays
  EXPECT_EQ(kRuleBook1999.ruleCode, 9);
  EXPECT_EQ(kRuleBook1995.ruleCode, 7);
  EXPECT_EQ(kRuleBook1992.ruleCode, 5);
  EXPECT_EQ(kRuleBook2007.ruleCode, 11);
  for (const RuleBook* book : {&kRuleBook1999, &kRuleBook1995, &kRuleBook1992, &kRuleBook2007})
    EXPECT_EQ(book->UsesReferenceTimes(), book == &kRuleBook2007);
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
    for (int g = 1; g <= 6; ++g) {
      EXPECT_EQ(t[i].female[g - 1] != 0, used.count({static_cast<uint8_t>(i), true, g}) == 1)
          << t[i].name << " female group " << g;
      EXPECT_EQ(t[i].male[g - 1] != 0, used.count({static_cast<uint8_t>(i), false, g}) == 1)
          << t[i].name << " male group " << g;
    }
}

TEST(RuleBookTables, NamesFitTheirFieldsAndTheDosCodePage) {
  for (const RuleBook* book : {&kRuleBook1999, &kRuleBook1995, &kRuleBook1992, &kRuleBook2007})
    for (size_t i = 0; i < book->TemplateCount(); ++i) {
      const char* n = book->TemplateName(i);
      EXPECT_LE(Characters(n), kTemplateNameMax) << n;
      EXPECT_GT(Characters(n), 0u);
      EXPECT_TRUE(PlainGerman(n)) << n;
    }
  for (const BuilderEntry* b : AllBuilders())
    for (const ClassRow& r : b->classes) {
      EXPECT_LE(Characters(r.name), kClassNameMax) << r.name;
      EXPECT_TRUE(PlainGerman(r.name)) << r.name;
    }
}

TEST(RuleBookTables, TemplateNamesUniquePerRuleBookAndSex) {
  for (const RuleBook* book : {&kRuleBook1995, &kRuleBook1992, &kRuleBook2007}) {
    std::set<std::string> seen;
    for (size_t i = 0; i < book->TemplateCount(); ++i)
      EXPECT_TRUE(seen.insert(book->TemplateName(i)).second) << book->year << " " << book->TemplateName(i);
  }
  // 1999 keeps a female and a male row per discipline: each name exactly twice.
  std::map<std::string, int> n;
  for (const TemplateRow& t : kRuleBook1999.templates) ++n[t.name];
  for (const auto& [name, k] : n) EXPECT_EQ(k, 2) << name;
}

TEST(RuleSetCodes, BuildersAreFoundByNameAndEachIsReachable) {
  std::set<const BuilderEntry*> reachable;
  for (const RuleSetEntry& e : AllRuleSets())
    for (const BuilderEntry* b : RuleSetBuilders(e.code)) reachable.insert(b);
  EXPECT_EQ(AllBuilders().size(), 23u);
  for (const BuilderEntry* b : AllBuilders()) {
    EXPECT_EQ(FindBuilder(b->name), b);
    EXPECT_TRUE(reachable.count(b)) << b->name;
  }
  EXPECT_EQ(FindBuilder("BuildRules2007"), nullptr);
  EXPECT_EQ(FindBuilder(""), nullptr);
}

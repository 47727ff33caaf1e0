// New competitions from rule-set codes against the rule books as published
// (tests/data/rulebooks.txt): what a user sees after File > New, birth years
// already moved to the competition year.
#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "AkTestSupport.h"
#include "CodePage.h"
#include "MessageCapture.h"
#include "RuleSetCodes.h"
#include "VkDisz99.h"
#include "VkNeu.h"
#include "VkVorg07.h"
#include "VkWettk.h"
#include "YrClock.h"

namespace {

using Texts = std::vector<std::string>;
using aktest::Split;

std::vector<int> Ints(const std::string& s) {
  std::vector<int> out;
  for (const std::string& n : Split(s, " ")) out.push_back(std::stoi(n));
  return out;
}

}  // namespace

TEST(NeuTest, EveryCodeGivesTheRuleBooksClassesInTheCompetitionYear) {
  MessageCapture messages;
  std::map<int, std::pair<uint16_t, uint16_t>> books;  // year: formula kind, rule code
  std::map<std::string, std::pair<std::vector<int>, std::vector<int>>> values;  // year and name: female, male
  std::map<std::string, std::vector<Texts>> classes;   // builder: its K lines
  std::vector<Texts> codes;
  std::string builder;
  for (const Texts& f : aktest::DataTable("rulebooks.txt")) {
    if (f[0] == "Y") books[std::stoi(f[1])] = {std::stoi(f[2]), std::stoi(f[3])};
    if (f[0] == "D") values[f[1] + f[2]] = {Ints(f[3]), Ints(f[4])};
    if (f[0] == "B") builder = f[1];
    if (f[0] == "K") classes[builder].push_back(f);
    if (f[0] == "C") codes.push_back(f);
  }
  ASSERT_EQ(codes.size(), 36u);
  std::set<std::string> builders;  // those the codes run
  for (const Texts& c : codes) {
    const int code = std::stoi(c[1]);
    const std::optional<uint16_t> kind = c[3] == "-" ? std::nullopt : std::optional<uint16_t>(std::stoi(c[3]));
    SCOPED_TRACE("code " + c[1]);
    const auto w = NewCompetition(code, 2003);
    TWettkampf kept;  // a preset without a kind of event leaves the one it finds
    TWettkampfDaten h = kept.Header();
    h.SetKind(2);
    kept.SetHeader(h);
    ApplyRuleSet(kept, code, 2003);
    Texts names;
    for (const presets::BuilderEntry* b : presets::RuleSetBuilders(code)) names.push_back(b->name);
    builders.insert(names.begin(), names.end());
    EXPECT_EQ(std::tuple(w->Header().Kind(), kept.Header().Kind(), names),
              std::tuple(kind.value_or(0), kind.value_or(2), Split(c[2], " ")));

    int i = 0;
    for (const std::string& b : Split(c[2], " ")) {
      const int year = std::stoi(b.substr(10, 4));
      const auto [kindOfFormula, ruleCode] = books.at(year);
      for (const Texts& k : classes.at(b)) {
        for (bool female : {true, false}) {
          ASSERT_LT(i, w->GetCount());
          const TAltersklasse& ak = *w->At(i++);
          const Texts discs = Split(k[7], "; ");
          const std::vector<int> years = Ints(k[3]);
          const int group = std::stoi(k[5]);
          const size_t counted = std::stoi(k[6]) ? std::stoi(k[6]) : discs.size();
          SCOPED_TRACE(k[female ? 1 : 2]);
          EXPECT_EQ(std::tuple(ak.Name(), ak.FirstYear(), ak.LastYear(), ak.Flags(), ak.DisciplineCount(),
                               ak.Counted()),
                    std::tuple(Oem(k[female ? 1 : 2]), years[0] + 13, years[1] + 13,
                               std::stoi(k[4]) - (female ? 0 : 1), discs.size(), counted));
          for (int s = 1; s <= 6; ++s) {
            const TDisziplin d = ak.Discipline(s);
            EXPECT_TRUE(s <= int(discs.size()) || d.Bytes() == TDisziplin().Bytes()) << "slot " << s << " not empty";
            if (s > int(discs.size())) continue;
            const auto& both = values.at(std::to_string(year) + discs[s - 1]);
            const std::vector<int>& t = female ? both.first : both.second;
            const std::vector<int> v = t.size() == 6 ? std::vector<int>{t[group - 1], t[1], t[2], t[3], t[4]}
                                                     : std::vector<int>{t[0], t[1], 0, 0, 0};
            EXPECT_EQ(std::tuple(d.Name(), d.Kind(), d.RuleCode(), d.Description(), d.Formula(),
                                 std::vector<int>{d.V(1), d.V(2), d.V(3), d.V(4), d.V(5)}),
                      std::tuple(Oem(discs[s - 1]), kindOfFormula, ruleCode,
                                 "Meisterschaftsdisziplin Regelwerk " + std::to_string(year),
                                 FormulaKindName(kindOfFormula), v))
                << "slot " << s;
          }
        }
      }
    }
    EXPECT_EQ(i, w->GetCount());
  }
  EXPECT_EQ(builders.size(), classes.size());  // every rule book's builder is run by a code
  EXPECT_EQ(messages.list, Texts{});  // no combined code collides with itself
}

TEST(NeuTest, CodesWithoutPresetsGiveTheNewCompetitionAsItIs) {
  const TYrClock saved = SetClock([] { return MakeDateTime(2026, 3, 7); });  // the header's date
  const TWettkampf fresh;
  std::vector<int> others = {-1000, 65535, 99999};
  for (int code = -1; code <= 1030; ++code)
    if (presets::RuleSetBuilders(code).empty()) others.push_back(code);
  EXPECT_EQ(others.size(), 3u + 1032 - 36);
  for (int code : others) {
    const auto w = NewCompetition(code, 2007);
    EXPECT_EQ(std::pair(int{w->GetCount()}, w->Header().GetBytes()), std::pair(0, fresh.Header().GetBytes())) << code;
  }
  // A preset changes the header only in its kind of event.
  TWettkampfDaten expected = fresh.Header();
  expected.SetKind(1);
  EXPECT_EQ(NewCompetition(21, 2007)->Header().GetBytes(), expected.GetBytes());
  SetClock(saved);
}

// Age groups that name no reference time score with nothing.
TEST(NeuTest, SetDisz2007) {
  const TDisziplinVorlage07* t = nullptr;
  for (const TDisziplinVorlage07& r : presets::kRuleBook2007.templates07)
    if (std::string(r.name) == "50m Retten einer Puppe") t = &r;
  ASSERT_NE(t, nullptr);
  for (const auto& [group, v1] : {std::pair(5, 3069), std::pair(0, 0), std::pair(7, 0)}) {
    TDisziplin d;
    SetDisz2007(d, *t, false, group, 11);
    EXPECT_EQ(std::vector<int>({d.V(1), d.V(2), d.V(3), d.V(4), d.V(5)}),
              std::vector<int>({v1, 3590, 3540, 3330, 3069}))
        << group;
  }
}

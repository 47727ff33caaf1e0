#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "Druckauftrag.h"
#include "PageDump.h"
#include "ReportSupport.h"
#include "TestData.h"

namespace {

using reporttest::Competition;
using StartListTest = reporttest::ReportTest;

// Heat and lane of discipline 1 by the participants' names "N<n>".
void SetHeats(TAltersklasse& ak, const std::vector<std::tuple<int, int>>& heatLane) {
  for (int i = 0; i < ak.GetCount(); ++i) {
    TTeilnehmer& t = *ak.At(i);
    const auto [heat, lane] = heatLane[std::stoul(t.Name(true).substr(1)) - 1];
    t.SetHeat(1, static_cast<int16_t>(heat));
    t.SetLane(1, static_cast<int16_t>(lane));
  }
}

// The heat list's column head "H" and every participant's row "N<n>" of the
// heat and CPR lists.
pagedump::Names HeatRows(const TWettkampf& w) {
  pagedump::Names names{{w.HeatListLine(1, nullptr, true, false), "H"}};
  for (int k = 0; k < w.GetCount(); ++k)
    for (int i = 0; i < w.At(k)->GetCount(); ++i) {
      const TTeilnehmer* t = w.At(k)->At(i);
      names[w.HeatListLine(1, t, true, false)] = names[w.CprStartListLine(t)] = t->Name(true);
    }
  return names;
}

// Without participants each list prints its title block, legend, footer and
// column head only, under the job's one title.
TEST_F(StartListTest, HeatAndCprListsShareTheJobTitleAndPrintOnlyTheHeadWithoutParticipants) {
  auto w = Competition({0});
  TDruckauftrag job(*w, 0, 0, 0, 0);
  job.BuildHeatList({.withHead = true, .withLegend = true, .withFooter = true});
  std::string lists = job.Report()->Title() + "\n" + pagedump::Dump(*job.Report());
  job.BuildCprStartList({.withHead = true, .withLegend = true, .withFooter = true});
  lists += job.Report()->Title() + "\n" + pagedump::Dump(*job.Report());
  testdata::ExpectDataFile(lists, "reports/empty-start-lists.txt");
}

TEST_F(StartListTest, HeatsMoveWholeWithTheHeadOnceAndLeaveNoHeadToTheStatistics) {
  auto w = Competition({9});
  SetHeats(*w->At(0), {{0, 0}, {0, 0}, {0, 0}, {1, 2}, {1, 1}, {2, 1}, {2, 2}, {2, 3}, {2, 4}});
  w->Selection().Insert(w->At(0)->At(0));  // left behind by another command
  TDruckauftrag job(*w, 0, 0, 0, 0);
  job.PageSize = {2100, 700};  // lines from 100 to the bottom limit 560
  job.BuildHeatList({.withHead = true, .withFooter = true, .block5 = true, .withOrganisations = true});
  // In heat and lane order: the first block moves with the head it holds;
  // the next ones get the head from the new page. The overview's pages have
  // none.
  EXPECT_EQ(w->Selection().GetCount(), 0);
  testdata::ExpectDataFile(pagedump::Dump(*job.Report(), HeatRows(*w)), "reports/heat-list-blocks.txt");
}

TEST_F(StartListTest, CprListHasOneBlockPerStartTimeOfTheCprClasses) {
  auto w = Competition({4, 1});
  TAltersklasse& ak = *w->At(0);
  ak.SetFlags(ak.Flags() | TAltersklasse::kCprScored);
  const int16_t slots[][2] = {{800, 2}, {800, 1}, {815, 1}, {830, 3}};
  for (int i = 0; i < ak.GetCount(); ++i) {
    TTeilnehmer& t = *ak.At(i);
    const auto& s = slots[std::stoul(t.Name(true).substr(1)) - 1];
    t.SetCprTime(s[0]);
    t.SetCprStation(s[1]);
  }
  TDruckauftrag job(*w, 0, 0, 0, 0);
  job.BuildCprStartList({.block5 = true});
  pagedump::Names names = HeatRows(*w);
  names[w->CprStartListLine(nullptr)] = "H";
  EXPECT_EQ(std::tuple(pagedump::Flow(*job.Report(), names), w->IsMarked(0), w->IsMarked(1), w->Selection().GetCount()),
            std::tuple("1: 100=H 140=N2 180=N1 220=_ 260=N3 300=_ 340=N4\n", true, false, 0));
}

// The qualification list's column head and rows in plain Courier: the other
// lists condense theirs.
TEST_F(StartListTest, QualificationListRowsAreNotCondensed) {
  auto w = Competition({2});
  TDruckauftrag job(*w, 0, 0, 0, 0);
  job.BuildQualificationList({});
  const TYrPrintPage& page = *job.Report()->Page(1);
  EXPECT_EQ(std::tuple(job.Report()->Title(), pagedump::Item(1, *page.At(2), {}), pagedump::Item(1, *page.At(3), {})),
            std::tuple("Vk - Ausdruck der Startberechtigung",
                       "1 T 100 190 2000 230 C40b a36 |Nr.  GesamtP.  Gl.    Start Teilnehmer|",
                       "1 T 100 230 2000 270 C40 a36 |  1. 1380,00   OG0    nein  N1" + std::string(41, ' ') + "|"));
}

}  // namespace

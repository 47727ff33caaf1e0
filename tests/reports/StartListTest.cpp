#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "Druckauftrag.h"
#include "PageDump.h"
#include "ReportSupport.h"

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

// Every participant's row "N<n>", and the heat line of its group "G<n>".
pagedump::Names HeatRows(const TWettkampf& w, bool withHeat, bool allDisciplines) {
  pagedump::Names names{{w.HeatListLine(1, nullptr, withHeat, allDisciplines), "H"}};
  for (int k = 0; k < w.GetCount(); ++k)
    for (int i = 0; i < w.At(k)->GetCount(); ++i) {
      const TTeilnehmer* t = w.At(k)->At(i);
      names[w.HeatListLine(-1, t, withHeat, allDisciplines)] = "G" + t->Name(true).substr(1);
      names[w.HeatListLine(1, t, withHeat, allDisciplines)] = t->Name(true);
      names[w.CprStartListLine(t)] = t->Name(true);
    }
  return names;
}

// Without participants each list prints its title block, legend, footer and
// column head only.
TEST_F(StartListTest, HeatAndCprListsShareTheJobTitleAndPrintOnlyTheHeadWithoutParticipants) {
  auto w = Competition({0});
  TDruckauftrag job(*w, 0, 0, 0, 0);
  const pagedump::Names names = reporttest::FrameNames("");  // the footers in full
  job.BuildHeatList({.withHead = true, .withLegend = true, .withFooter = true});
  const std::string heats = job.Report()->Title() + "\n" + pagedump::Flow(*job.Report(), names);
  job.BuildCprStartList({.withHead = true, .withLegend = true, .withFooter = true});
  const std::string cpr = job.Report()->Title() + "\n" + pagedump::Flow(*job.Report(), names);
  const std::string head = "Vk - Ausdruck der Laufbesetzung\n1: 100=[R] 120=K 120=RS 170=";
  const std::string frame = " 290=BM 340=E 420=Erl 460=== 500=_ 540=";
  const std::string columns = " Teilnehmer" + std::string(33, ' ') + "Glied. Altersklasse\n";
  EXPECT_EQ(heats, head + "Laufeinteilung" + frame +
                       "Lauf*      Nummer des Laufs, in der der Teilnehmer startet "
                       "580=Bahn*      Startbahn des Teilnehmers in diesem Lauf "
                       "620=Glied.     Gliederung, der der Teilnehmer angehört "
                       "660=Disz*      Lauf und Bahn jeweils in Disziplin *(1..5) 700=_ "
                       "2840=Bezirksmeisterschaft - Laufeinteilung - 05.12.2026 - 14:03:09 Uhr 2840=Seite 1 "
                       "740=Lauf* Bahn*" + columns);
  EXPECT_EQ(cpr, head + "HLW-Startliste" + frame +
                     "Start      Startzeit des Durchgangs, in der der Teilnehmer startet "
                     "580=Bahn       Startbahn des Teilnehmers in diesem Lauf "
                     "620=Nr         Fortlaufende Startnummer des Teilnehmers "
                     "660=Glied.     Gliederung, der der Teilnehmer angehört 700=_ "
                     "2840=Bezirksmeisterschaft - HLW-Laufeinteilung - 05.12.2026 - 14:03:09 Uhr 2840=Seite 1 "
                     "740=Start Bahn   Nr" + columns);
}

TEST_F(StartListTest, HeatsMoveWholeWithTheHeadOnceAndLeaveNoHeadToTheStatistics) {
  auto w = Competition({9});
  SetHeats(*w->At(0), {{0, 0}, {0, 0}, {0, 0}, {1, 1}, {1, 2}, {2, 1}, {2, 2}, {2, 3}, {2, 4}});
  w->Selection().Insert(w->At(0)->At(0));  // left behind by another command
  TDruckauftrag job(*w, 0, 0, 0, 0);
  job.PageSize = {2100, 700};  // lines from 100 to the bottom limit 560
  job.BuildHeatList({.withHead = true, .withFooter = true, .block5 = true, .withOrganisations = true});
  pagedump::Names names = HeatRows(*w, true, false);
  names.merge(reporttest::FrameNames("Laufeinteilung"));
  for (const char* s : {"Nr.      laufende Nummer", "Abk.     verwendete Abkürzung für die Gliederung",
                        "TN       Anzahl der Teilnehmer der Gliederung",
                        "GesamtP  erreichte Gesmtpunkte der Gliederung"})
    names[Oem(s)] = "s";
  names[w->Gliederungen().ReportLine(0, 0)] = "SH", names[w->Gliederungen().ReportLine(0, 1)] = "S1";
  // The first block moves with the head it holds; the next ones get the head
  // from the new page. The overview's pages have none.
  EXPECT_EQ(std::tuple(pagedump::Flow(*job.Report(), names), w->Selection().GetCount()),
            std::tuple("1: 100=[R] 120=K 120=RS 170=Laufeinteilung 290=BM 340=E 570=F 570=Seite 1\n"
                       "2: 570=F 570=Seite 2 100=H 140=N1 180=N2 220=N3 260=_ 300=N4 340=N5 380=_\n"
                       "3: 570=F 570=Seite 3 100=H 140=N6 180=N7 220=N8 260=N9\n"
                       "4: 100=[R] 120=K 120=RS 170=Statistik: Gliederungen 290=BM 340=E 420=Erl 460=== 500=_ "
                       "540=s 570=F 570=Seite 4\n"
                       "5: 570=F 570=Seite 5 100=s 140=s 180=s 220=_ 260=SH 300=S1\n",
                       0));
}

TEST_F(StartListTest, HeatLinesHeadTheHeatsWhenAllDisciplinesAreShown) {
  auto w = Competition({3});
  SetHeats(*w->At(0), {{0, 0}, {1, 2}, {1, 1}});
  TDruckauftrag job(*w, 0, 0, 0, 0);
  job.BuildHeatList({.allDisciplines = true});
  EXPECT_EQ(pagedump::Flow(*job.Report(), HeatRows(*w, false, true)), "1: 100=H 140=G1 180=N1 220=G3 260=N3 300=N2\n");
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
  pagedump::Names names = HeatRows(*w, true, false);
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

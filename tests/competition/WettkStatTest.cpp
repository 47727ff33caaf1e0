#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "AkTestSupport.h"
#include "CodePage.h"
#include "VkWettk.h"

namespace {

using Texts = std::vector<std::string>;

// Name, first name and birth year, the rest (words for aktest::Participant) of each participant.
const char* const kPeople[][3] = {
    {"Müller", "vorname=Jörg year=1995", "org=DLRG time1=3000 time2=4000 ded2=2 cpr=5000 flags=20"},  // qualified
    {"Ast", "vorname=Bo year=95a", "org=WW time1=3500 time2=3900 cpr=-100 flags=18"},  // out of competition
    {"Zorn", "year=7", "org=ASB ded1=-3 ded2=-3 flags=0"},
};
constexpr uint16_t kFull = TAltersklasse::kCprScored | TAltersklasse::kDisciplineColumns;

// One class "Jugend" with two linear disciplines (points = 1000 - tenths of
// a second - deduction); teams are named "<name> Mannschaft". Participant n
// (1..3) has heat n * d and lane n + d in discipline d, and CPR slot
// 09:25 + 5n, station n, number 6 + n.
std::unique_ptr<TWettkampf> Competition(bool individual, uint16_t flags = kFull) {
  auto w = std::make_unique<TWettkampf>();
  TWettkampfDaten h = w->Header();
  h.SetKind(individual ? TWettkampfDaten::kIndividual : TWettkampfDaten::kTeams);
  w->SetHeader(h);
  TAltersklasse::Disciplines discs;
  discs[0] = discs[1] = aktest::Linear("D", 100000);
  auto* ak = new TAltersklasse;
  ak->Define("Jugend", 1990, 1991, flags, 2, discs);
  w->Insert(ak);
  for (int n = 1; n <= 3; ++n) {
    const auto& p = kPeople[n - 1];
    std::string words = std::string(p[2]) + (individual ? " name=" : " team=") + p[0];
    words += individual ? std::string(" ") + p[1] : "_Mannschaft";
    for (int d = 1; d <= 6; ++d) words += " heat" + std::to_string(d) + "=" + std::to_string(n * d);
    for (int d = 1; d <= 6; ++d) words += " lane" + std::to_string(d) + "=" + std::to_string(n + d);
    words += " cprtime=" + std::to_string(925 + 5 * n) + " station=" + std::to_string(n);
    ak->Insert(new TTeilnehmer(aktest::Participant(words + " cprheat=" + std::to_string(6 + n))));
  }
  ak->Evaluate();  // discipline places
  return w;
}

// A class of one linear discipline; each (organisation, time) pair becomes a
// participant "<org><i>" whose total is 1000 points - time in tenths, in heat
// time / 1000.
TAltersklasse* Scored(const std::string& name, uint16_t flags,
                      const std::vector<std::pair<std::string, int32_t>>& entries) {
  TAltersklasse::Disciplines discs;
  discs[0] = aktest::Linear("D1", 100000);
  auto* ak = new TAltersklasse;
  ak->Define(name, 1990, 1991, flags, 1, discs);
  int i = 0;
  for (const auto& [org, time] : entries)
    ak->Insert(new TTeilnehmer(aktest::Participant("name=" + org + std::to_string(++i) + " org=" + org + " time1=" +
                                                   std::to_string(time) + " heat1=" + std::to_string(time / 1000))));
  return ak;
}

}  // namespace

// Participant-list, result, heat-list and CPR start-list lines of the
// competition above for the options and rows of tests/data/report-lines.txt.
TEST(WettkStat, ReportLines) {
  const auto n = [](const testdata::Fields& f, size_t i) { return int(testdata::Num(f, i)); };
  testdata::ExpectRoutineCases(
      "report-lines.txt",
      {{"participants",
        [&n](const testdata::Fields& f) {
          return aktest::Text(Competition(f[1] == "person")->ParticipantListLine(n(f, 2), n(f, 3)));
        }},
       {"result",  // options, class, row, and the records of total and discipline 1
        [&n](const testdata::Fields& f) {
          const int o = n(f, 2);
          const auto w = Competition(f[1] == "person", o & 32 ? 0 : kFull);
          TWettkampfDaten h = w->Header();
          h.SetOptions(o & 8 ? TWettkampfDaten::kOptHundredths : 0);
          w->SetHeader(h);
          if (f.size() > 5) {
            TAltersklasse& ak = *w->At(0);
            TOverallRecord all = ak.Overall();
            TRekord r = ak.Rekord(1);
            all.SetRecordTotal(n(f, 5));
            r.SetRecordTime(n(f, 6));
            ak.SetOverall(all);
            ak.SetRekord(1, r);
            ak.Evaluate();
          }
          return aktest::Text(w->ResultLine(n(f, 3), n(f, 4), o & 1, o & 2, o & 4, o & 16 ? 1 : 0));
        }},
       {"heat",  // discipline, participant 1 or none, with heat, all disciplines
        [&n](const testdata::Fields& f) {
          const auto w = Competition(f[1] == "person");
          return aktest::Text(w->HeatListLine(n(f, 2), n(f, 3) ? w->At(0)->At(0) : nullptr, n(f, 4), n(f, 5)));
        }},
       {"cpr", [&n](const testdata::Fields& f) {  // the participant's index, -1 for the head
          const auto w = Competition(f[1] == "person");
          return aktest::Text(w->CprStartListLine(n(f, 2) < 0 ? nullptr : w->At(0)->At(n(f, 2))));
        }}});
}

TEST(WettkStat, ResultLineIsCutTo255) {
  // Six disciplines with everything: 85 + 6 * 29 characters of header and
  // 85 + 6 * 30 of a participant's line.
  TWettkampf w;
  w.Insert(aktest::MakeClass(6, TAltersklasse::kCprScored).release());
  w.At(0)->Insert(new TTeilnehmer);
  for (auto [row, whole] : {std::pair{0, 259u}, {1, 265u}}) {
    const size_t left = w.ResultLineLeft(0, row, true, true, true, 0).size();
    const size_t right = w.ResultLineRight(0, row, true, true, true, 0).size();
    EXPECT_EQ(std::tuple(left + right, w.ResultLine(0, row, true, true, true, 0).size()), std::tuple(whole, 255u));
  }
  // A total of 0 equals the empty class's best but is no record.
  EXPECT_EQ(w.ResultLineLeft(0, 1, true, true, true, 0)[5], ' ');
}

// The cases of tests/data/competition/wettkstat.txt.
TEST(WettkStat, SelectionsAndHeatRanges) {
  TWettkampf w;
  w.Insert(Scored("Jugend", TAltersklasse::kCprScored, {{"ABC", 1000}, {"ABCD", 2000}, {"abc", 3000}}));
  w.Insert(Scored("Offen", 0, {{"ABC", 2000}, {"WW", 3000}}));
  w.Insert(Scored("Senioren", 0, {{"ABC", 3000}}));
  const auto heats = Competition(true);
  testdata::ExpectRoutineCases(
      "competition/wettkstat.txt",
      {{"Select",
        [&w](const testdata::Fields& f) {
          w.SetAllMarks(true);
          w.SetMark(2, false);
          w.Selection().DeleteAll();
          const Texts what = aktest::Split(testdata::Arg(f, 1), " ");
          const bool whole = what[0] == "heat"           ? w.SelectHeat(std::stoi(what[1]), int16_t(std::stoi(what[2])))
                             : what[0] == "organisation" ? w.SelectGliederung(what[1])
                             : what.size() > 1           ? w.SelectMarkedCpr()
                                                         : w.SelectMarked();
          std::string out = Progress().Caption() + " /" + (whole ? "" : " (not whole)");
          for (int i = 0; i < w.Selection().GetCount(); ++i) out += " " + w.Selection().At(i)->Name(true);
          return out;
        }},
       {"HeatRange", [&heats](const testdata::Fields& f) {
          const TWettkampf none;
          const TWettkampf& c = f[1] == "none" ? none : *heats;
          const int d = f[1] == "none" ? 0 : int(testdata::Num(f, 1));
          return std::to_string(c.HeatRange(false, d)) + " " + std::to_string(c.HeatRange(true, d));
        }}});
}

TEST(WettkStat, SelectionStopsWhenFull) {
  TWettkampf w;
  // Names in ascending order keep every insertion at the end.
  for (const char* name : {"A", "B"}) {
    auto* ak = new TAltersklasse;
    ak->SetName(name);
    for (int i = 0; i < 9000; ++i) ak->InsertPlain(aktest::Tn(name + std::to_string(10000 + i)));
    w.Insert(ak);
  }
  w.SetAllMarks(true);
  w.Selection().SetSortMode(TTeilnehmerListe::kByName);
  const bool whole = w.SelectMarked();
  EXPECT_EQ(std::tuple(whole, w.Selection().GetCount()), std::tuple(false, kMaxCollectionSize));
}

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "AkTestSupport.h"
#include "CodePage.h"
#include "VkWettk.h"

namespace {

using Texts = std::vector<std::string>;

// Name, first name, birth year, organisation, time and deduction of two
// disciplines, CPR value, flags.
const struct {
  const char *name, *first, *year, *org;
  int32_t time1, time2;
  int16_t ded1, ded2;
  int32_t cpr;
  uint16_t flags;
} kPeople[] = {
    {"Müller", "Jörg", "1995", "DLRG", 3000, 4000, 0, 2, 5000,
     TTeilnehmer::kDirektQualifiziert | TTeilnehmer::kStartberechtigt},
    {"Ast", "Bo", "95a", "WW", 3500, 3900, 0, 0, -100,
     TTeilnehmer::kAusserKonkurrenz | TTeilnehmer::kStartberechtigt},
    {"Zorn", "", "7", "ASB", 0, 0, -3, -3, 0, 0},
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
  int16_t n = 0;
  for (const auto& p : kPeople) {
    auto* t = new TTeilnehmer;
    t->SetName(individual, Oem(p.name) + (individual ? "" : " Mannschaft"));
    if (individual) t->SetVorname(Oem(p.first)), t->SetGeburtsdatum(p.year);
    t->SetGliederung(p.org), t->SetCprValue(p.cpr), t->SetFlags(p.flags);
    t->SetTime(1, p.time1), t->SetTime(2, p.time2), t->SetDeduction(1, p.ded1), t->SetDeduction(2, p.ded2);
    ++n;
    for (int16_t d = 1; d <= 6; ++d) t->SetHeat(d, int16_t(n * d)), t->SetLane(d, int16_t(n + d));
    t->SetCprTime(int16_t(925 + 5 * n)), t->SetCprStation(n), t->SetCprHeat(int16_t(6 + n));
    ak->Insert(t);
  }
  ak->Evaluate();  // discipline places
  return w;
}

std::string U(const std::string& oem) { return OemToUtf8(oem); }

// A class of one linear discipline; each (organisation, time) pair becomes a
// participant "<org><i>" whose total is 1000 points - time in tenths.
TAltersklasse* Scored(const std::string& name, uint16_t flags,
                      const std::vector<std::pair<std::string, int32_t>>& entries) {
  TAltersklasse::Disciplines discs;
  discs[0] = aktest::Linear("D1", 100000);
  auto* ak = new TAltersklasse;
  ak->Define(name, 1990, 1991, flags, 1, discs);
  int i = 0;
  for (const auto& [org, time] : entries) {
    auto* t = new TTeilnehmer;
    t->SetName(true, org + std::to_string(++i)), t->SetGliederung(org), t->SetTime(1, time);
    t->SetHeat(1, int16_t(time / 1000));
    ak->Insert(t);
  }
  return ak;
}

}  // namespace

// Participant-list, result, heat-list and CPR start-list lines of the
// competition above for the options and rows of tests/data/report-lines.txt.
TEST(WettkStat, ReportLines) {
  for (const auto& f : aktest::DataTable("report-lines.txt")) {
    const std::vector<std::string> a = aktest::Split(f[2], " ");
    const auto n = [&a](size_t i) { return std::stoi(a[i]); };
    const bool individual = f[1] == "person";
    std::string got;
    if (f[0] == "participants") {
      got = Competition(individual)->ParticipantListLine(n(0), n(1));
    } else if (f[0] == "result") {  // options, class, row, and the records of total and discipline 1
      const int o = n(0);
      const auto w = Competition(individual, o & 32 ? 0 : kFull);
      if (o & 8) {
        TWettkampfDaten h = w->Header();
        h.SetOptions(TWettkampfDaten::kOptHundredths);
        w->SetHeader(h);
      }
      if (a.size() > 3) {
        TAltersklasse& ak = *w->At(0);
        TOverallRecord all = ak.Overall();
        TRekord r = ak.Rekord(1);
        all.SetRecordTotal(n(3)), r.SetRecordTime(n(4)), ak.SetOverall(all), ak.SetRekord(1, r), ak.Evaluate();
      }
      got = w->ResultLine(n(1), n(2), o & 1, o & 2, o & 4, o & 16 ? 1 : 0);
    } else if (f[0] == "heat") {  // discipline, participant 1 or none, with heat, all disciplines
      const auto w = Competition(individual);
      got = w->HeatListLine(n(0), n(1) ? w->At(0)->At(0) : nullptr, n(2), n(3));
    } else {  // the participant's index, -1 for the head
      const auto w = Competition(individual);
      got = w->CprStartListLine(n(0) < 0 ? nullptr : w->At(0)->At(n(0)));
    }
    EXPECT_EQ(U(got) + "|", f[3]) << f[0] << " " << f[1] << " " << f[2];
  }
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

TEST(WettkStat, Selections) {
  TWettkampf w;
  w.Insert(Scored("Jugend", TAltersklasse::kCprScored, {{"ABC", 1000}, {"ABCD", 2000}, {"abc", 3000}}));
  w.Insert(Scored("Offen", 0, {{"ABC", 2000}, {"WW", 3000}}));
  w.Insert(Scored("Senioren", 0, {{"ABC", 3000}}));
  using X = TWettkampf;
  const struct { std::function<bool(X&)> select; const char* caption; Texts want; } kCases[] = {
      {[](X& x) { return x.SelectMarked(); }, "Teilnehmer selektieren...", {"ABC1", "ABC1", "ABCD2", "WW2", "abc3"}},
      {[](X& x) { return x.SelectMarkedCpr(); }, "HLW Teilnehmer selektieren...", {"ABC1", "ABCD2", "abc3"}},
      {[](X& x) { return x.SelectGliederung("ABC"); }, "Alle Teilnehmer aus ABC selektieren...", {"ABC1", "ABC1"}},
      {[](X& x) { return x.SelectHeat(1, 2); }, "Selektiere Lauf 2 ...", {"ABC1", "ABCD2"}},
      {[](X& x) { return x.SelectHeat(7, 0); }, "Selektiere Lauf 0 ...", {}},
  };
  for (const auto& c : kCases) {
    w.SetAllMarks(true);
    w.SetMark(2, false);  // not Senioren
    w.Selection().DeleteAll();
    const bool whole = c.select(w);
    Texts got;  // in the selection's order (by total)
    for (int i = 0; i < w.Selection().GetCount(); ++i) got.push_back(w.Selection().At(i)->Name(true));
    EXPECT_EQ(std::tuple(whole, Progress().Caption(), got), std::tuple(true, c.caption, c.want)) << c.caption;
  }
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

TEST(WettkStat, HeatRange) {
  for (bool highest : {false, true}) EXPECT_EQ(TWettkampf().HeatRange(highest, 0), highest ? 0 : 32767);
  const auto c = Competition(true);  // heat of participant n in discipline d: n * d
  for (auto [d, low, high] : {std::tuple{0, 1, 18}, {2, 2, 6}, {6, 6, 18}, {7, 32767, 0}, {-1, 32767, 0}})
    EXPECT_EQ(std::pair(c->HeatRange(false, d), c->HeatRange(true, d)), std::pair(int16_t(low), int16_t(high)))
        << d;
}

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "AkTestSupport.h"
#include "CodePage.h"
#include "FileTestSupport.h"
#include "LoadSeeds.h"
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
    {"Ast", "Bo", "95a", "WW", 3500, 3900, 0, 0, -100, TTeilnehmer::kAusserKonkurrenz},
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
    if (individual) {
      t->SetVorname(Oem(p.first));
      t->SetGeburtsdatum(p.year);
    }
    t->SetGliederung(p.org);
    t->SetCprValue(p.cpr);
    t->SetFlags(p.flags);
    t->SetTime(1, p.time1);
    t->SetTime(2, p.time2);
    t->SetDeduction(1, p.ded1);
    t->SetDeduction(2, p.ded2);
    ++n;
    for (int d = 1; d <= 6; ++d) {
      t->SetHeat(d, static_cast<int16_t>(n * d));
      t->SetLane(d, static_cast<int16_t>(n + d));
    }
    t->SetCprTime(static_cast<int16_t>(925 + 5 * n));
    t->SetCprStation(n);
    t->SetCprHeat(static_cast<int16_t>(6 + n));
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
    t->SetName(true, org + std::to_string(++i));
    t->SetGliederung(org);
    t->SetTime(1, time);
    t->SetHeat(1, static_cast<int16_t>(time / 1000));
    ak->Insert(t);
  }
  return ak;
}

}  // namespace

TEST(WettkStat, ParticipantListLines) {
  const std::string m = "Müller               Jörg                  ";
  const struct { bool individual; int classIndex, row; std::string want; } kCases[] = {
      {true, 0, 0, "Nr.  GesamtP.  Gl.    Start Teilnehmer"},  {true, 0, 1, "  1. 1348,00 Q DLRG   ja    " + m},
      {true, 0, 2, "  2. 1260,00   WW     nein  Ast                  Bo                    "},
      {true, 0, 3, "  2. 0,00      ASB    nein  Zorn                                       "},
      {false, 0, 1, "  1. 1348,00 Q DLRG   ja    Müller Mannschaft               "},
      {true, 0, 4, ""}, {true, 0, -1, ""}, {true, 1, 0, ""}, {true, -1, 0, ""}};
  for (const auto& c : kCases)
    EXPECT_EQ(U(Competition(c.individual)->ParticipantListLine(c.classIndex, c.row)), c.want) << c.row;
}

TEST(WettkStat, ResultLines) {
  enum : uint8_t { kRes = 1, kMarks = 2, kSched = 4, kHund = 8, kMode1 = 16, kAll = 31 - kHund, kNoCpr = 32 };
  // Header start, Müller's columns, discipline columns with places and schedule.
  const std::string h = "Pl.   GesamtP. Glied. Jg Name                 Vorname               ";
  const std::string m = "DLRG   95 Müller               Jörg                  ";
  const std::string d = " Zeit 1  Pkt. 1 Pl.1 La1 Ba1 Zeit 2  Pkt. 2 Pl.2 La2 Ba2";
  const struct { bool individual; uint8_t opts; int row; std::string want; } kCases[] = {
      {true, kAll, 0, h + "   HLW  Zeit Sta " + d},
      {true, kAll, 1, "  1. ? 1348,00 " + m + " 50,00 09:30   1  0:30,0? 700,00   1.   1   2"
                      " 0:40,0? 598,00-  1.   2   3"},
      {true, kAll, 2, "AK     1260,00 WW        Ast                  Bo                     disq. 09:35   2 "
                      " 0:35,0  650,00   2.   2   3 0:39,0  610,00   1.   4   4"},
      {true, kAll, 3, "          0,00 ASB       Zorn                                         0,00 09:40   3 "
                      " 0:00,0    0,00-  x    3   4 0:00,0    0,00-  x    6   5"},
      {true, kAll, 4, ""},
      {true, kAll - kSched, 1, "  1. ? 1348,00 " + m + " 50,00  0:30,0? 700,00   1. 0:40,0? 598,00-  1."},
      // Mode 0: time, deduction and points; no marks, no schedule.
      {true, kRes, 0, h + "   HLW  Zeit 1  Abz1  Pkt. 1 Zeit 2  Abz2  Pkt. 2"},
      {true, kRes, 1, "  1.   1348,00 " + m + " 50,00  0:30,0     0  700,00  0:40,0     2  598,00-"},
      {true, kRes, 3, "          0,00 ASB       Zorn                                         0,00"
                      "  0:00,0  n.a.    0,00- 0:00,0  n.a.    0,00-"},
      {true, kRes | kHund, 1, "  1.   1348,00 " + m + " 50,00  0:30,00     0  700,00  0:40,00     2  598,00-"},
      {true, kSched, 1, "  1.   1348,00 " + m + " 50,00 09:30   1    1   2   2   3"},
      // No CPR: no CPR columns even with the schedule; mode 1 without the
      // class flag keeps the deductions.
      {true, kAll | kNoCpr, 0, h + "Zeit 1  Abz1  Pkt. 1 La1 Ba1 Zeit 2  Abz2  Pkt. 2 La2 Ba2"},
      {true, kAll | kNoCpr, 1, "  1. ? 1348,00 " + m + "0:30,0     0? 700,00    1   2"
                               " 0:40,0     2? 598,00-   2   3"},
      {false, kAll, 0, "Pl.   GesamtP. Glied. Mannschaft                         HLW  Zeit Sta " + d},
      {false, kAll, 1, "  1. ? 1348,00 DLRG   Müller Mannschaft                50,00 09:30   1 "
                       " 0:30,0? 700,00   1.   1   2 0:40,0? 598,00-  1.   2   3"},
  };
  for (const auto& c : kCases) {
    const auto w = Competition(c.individual, c.opts & kNoCpr ? 0 : kFull);
    TWettkampfDaten h = w->Header();
    if (c.opts & kHund) h.SetOptions(TWettkampfDaten::kOptHundredths);
    w->SetHeader(h);
    EXPECT_EQ(U(w->ResultLine(0, c.row, c.opts & kRes, c.opts & kMarks, c.opts & kSched, c.opts & kMode1 ? 1 : 0)),
              c.want)
        << c.individual << " opts " << int{c.opts} << " row " << c.row;
  }
  EXPECT_EQ(Competition(true)->ResultLineLeft(1, 0, true, true, true, 1), "");
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

TEST(WettkStat, RecordMarks) {
  // Total 1348,00 and 700,00 points for 0:30,0 in discipline 1 are the bests.
  const struct { int32_t recordTotal, recordTime; char want; } kCases[] = {
      {0, 0, '?'}, {134801, 2999, '*'}, {134800, 3000, 'E'}, {134799, 3001, 'R'}};
  for (const auto& c : kCases) {
    const auto w = Competition(true);
    TAltersklasse& ak = *w->At(0);
    TOverallRecord o = ak.Overall();
    TRekord r = ak.Rekord(1);
    o.SetRecordTotal(c.recordTotal);
    r.SetRecordTime(c.recordTime);
    ak.SetOverall(o);
    ak.SetRekord(1, r);
    ak.Evaluate();
    // Only the best carries a mark, and only when marks are asked for.
    auto left = [&w](int row, bool marks) { return w->ResultLineLeft(0, row, true, marks, false, 0)[5]; };
    auto right = [&w](int row, bool marks) { return w->ResultLineRight(0, row, true, marks, false, 0)[13]; };
    EXPECT_EQ(std::tuple(left(1, true), right(1, true), left(2, true), left(1, false), right(1, false)),
              std::tuple(c.want, c.want, ' ', ' ', ' '))
        << c.recordTotal;
  }
}

TEST(WettkStat, HeatListLines) {
  // Heading end, empty row of the heat columns, Müller's text and class.
  const std::string t = "Teilnehmer                                 Glied.";
  const std::string e(50, ' ');
  const std::string m = "Müller               Jörg";
  const std::string ak = "Jugend                        ";
  const std::string lanes = "Lauf1Bahn Lauf2Bahn Lauf3Bahn Lauf4Bahn Lauf5Bahn ";
  const struct { bool individual; int d; bool participant, withHeat, all; std::string want; } kCases[] = {
      {true, 2, false, false, false, "Bahn* " + t + " Altersklasse"},
      {true, -1, true, false, false, std::string(56, ' ')},
      {true, 2, true, false, false, "    3 " + m + "                  DLRG   " + ak},
      {true, 2, false, true, false, "Lauf* Bahn* " + t + " Altersklasse"},
      {true, -1, true, true, false, std::string(62, ' ')},
      {true, 2, true, true, false, "    2     3 " + m + "                  DLRG   " + ak},
      {true, 2, false, false, true, t + "      Disz1 Disz2 Disz3 Disz4 Disz5 Altersklasse"},
      {true, -1, true, false, true, e + "Lauf     1     2     3     4     5 "},
      {true, 2, true, false, true, m + "                  DLRG   Bahn     2     3     4     5     6 " + ak},
      {true, 2, false, true, true, t + " " + lanes + "Altersklasse"},
      {true, -1, true, true, true, e + lanes},
      {true, 2, true, true, true,
       m + "                  DLRG      1    2    2    3    3    4    4    5    5    6 " + ak},
      {false, 2, false, true, false, "Lauf* Bahn* Teilnehmer                      Glied. Altersklasse"},
      {false, 2, true, true, false, "    2     3 Müller Mannschaft               DLRG   " + ak},
      {false, -1, true, true, false, std::string(51, ' ')},
  };
  for (const auto& c : kCases) {
    const auto w = Competition(c.individual);
    const TTeilnehmer* p = c.participant ? w->At(0)->At(0) : nullptr;
    EXPECT_EQ(U(w->HeatListLine(c.d, p, c.withHeat, c.all)), c.want)
        << c.individual << " d " << c.d << " " << c.participant << c.withHeat << c.all;
  }
}

TEST(WettkStat, CprStartListLines) {
  const auto ind = Competition(true);
  const auto team = Competition(false);
  EXPECT_EQ(ind->CprStartListLine(nullptr),
            "Start Bahn   Nr Teilnehmer                                 Glied. Altersklasse");
  EXPECT_EQ(team->CprStartListLine(nullptr), "Start Bahn   Nr Teilnehmer                      Glied. Altersklasse");
  EXPECT_EQ(U(ind->CprStartListLine(ind->At(0)->At(0))),
            "09:30    1 0007 Müller               Jörg                  DLRG   Jugend                        ");
  EXPECT_EQ(U(team->CprStartListLine(team->At(0)->At(2))),
            "09:40    3 0009 Zorn Mannschaft                 ASB    Jugend                        ");
}

// Orders and places of each mode are pinned with the organisation list.
TEST(WettkStat, BuildGliederungen) {
  TWettkampf w;
  // Jugend: DLRG 900, WW 800, DLRG 700, ASB 600 points; Offen: WW 900, ASB 800.
  w.Insert(Scored("Jugend", 0, {{"DLRG", 1000}, {"WW", 2000}, {"DLRG", 3000}, {"ASB", 4000}}));
  w.Insert(Scored("Offen", 0, {{"WW", 1000}, {"ASB", 2000}}));
  // A stale organisation goes; a kept one keeps its name.
  for (const char* abk : {"ALT", "WW"}) {
    auto* g = new TGliederung;
    g->SetAbk(abk);
    g->SetName(std::string(abk) == "WW" ? "Wasserwacht" : "Alt");
    g->SetParticipants(5);
    w.Gliederungen().Insert(g);
  }
  // Trophy points 30/28/26 per class, counted afresh by every rebuild.
  for (int pass = 0; pass < 2; ++pass) w.BuildGliederungen(1);
  const TGliederungsListe& list = w.Gliederungen();
  EXPECT_EQ(std::pair(int{list.SortMode()}, int{list.GetCount()}), std::pair(1, 3));  // ALT is gone
  EXPECT_EQ((Texts{list.ReportLine(1, 1), list.ReportLine(1, 2), list.ReportLine(1, 3)}),
            (Texts{"  1 WW      2   1   1   0 Wasserwacht                       1700  58",
                   "  2 DLRG    2   1   0   1 DLRG                              1600  30",
                   "  3 ASB     2   0   1   0 ASB                               1400  54"}));
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

TEST(WettkStat, VkdumpStats) {
  filetest::WriteFile("wettkstat-test.erg", vkseeds::Stored(*Competition(true)));
  // Every organisation keeps its participant; only DLRG's counts.
  const filetest::DumpRun stats = filetest::Vkdump("stats wettkstat-test.erg 0");
  EXPECT_EQ(std::pair(stats.status, stats.out),
            std::pair(0, std::string("Nr. Abk.  Gliederung                      TN GesamtP\n"
                                     "  1 ASB   ASB                              1       0\n"
                                     "  2 DLRG  DLRG                             1    1348\n"
                                     "  3 WW    WW                               1       0\n")));
  EXPECT_NE(filetest::Vkdump("stats wettkstat-test.erg x").status, 0);
}

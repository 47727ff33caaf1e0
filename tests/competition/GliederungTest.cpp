// The stored record is pinned with the whole result file (ResultFileTest),
// the rebuild from a competition with the competition's statistics.
#include <gtest/gtest.h>

#include <clocale>
#include <climits>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "VkGlied.h"

namespace {

using Ints = std::vector<int64_t>;

TTeilnehmer Tn(const std::string& org, uint16_t place = 0, int32_t total = 0) {
  TTeilnehmer t;
  t.SetGliederung(org), t.SetPlace(place), t.SetTotal(total);
  return t;
}

// Participants, gold, silver, bronze, trophy points, total.
TGliederung* Item(const std::string& abk, Ints v) {
  auto* g = new TGliederung;
  g->SetAbk(abk), g->SetParticipants(int16_t(v[0])), g->SetGold(int16_t(v[1])), g->SetSilver(int16_t(v[2]));
  g->SetBronze(int16_t(v[3])), g->SetTrophyPoints(int16_t(v[4])), g->SetTotal(int32_t(v[5]));
  return g;
}

}  // namespace

TEST(Gliederung, TrophyPointsByRankAndThe29thOrganisationGetsNothing) {
  TGliederungsListe l;
  uint16_t rank = 1;
  for (int i = 0; i < 30; ++i) l.AddParticipant(Tn("O" + std::to_string(100 + i)), rank);
  l.AddParticipant(Tn("O100"), rank);  // a second one of an organisation earns nothing more
  l.AddParticipant(Tn(""), rank);      // counted nowhere
  Ints got, want = {30, 28, 26};
  for (int p = 25; p >= -1; --p) want.push_back(std::max(p, 0));
  for (int i = 0; i < l.GetCount(); ++i) got.push_back(l.At(i)->TrophyPoints());
  EXPECT_EQ(std::tuple(got, rank, l.At(0)->Participants()), std::tuple(want, 31, 2));
}

// Out of competition or not started: counted as a participant only.
TEST(Gliederung, NotCountedParticipantsKeepThePendingFlag) {
  void (*spoil[])(TTeilnehmer&) = {[](TTeilnehmer& t) { t.SetFlag(TTeilnehmer::kAusserKonkurrenz, true); },
                                   [](TTeilnehmer& t) { t.SetDeduction(3, -2); },
                                   [](TTeilnehmer& t) { t.SetDeduction(1, -3); },
                                   [](TTeilnehmer& t) { t.SetCprValue(-300); }};
  for (int i = 0; i < 4; ++i) {
    TGliederungsListe l;
    uint16_t rank = 1;
    TTeilnehmer first = Tn("X", 1, 5000);
    spoil[i](first);
    for (const TTeilnehmer& t : {first, Tn("Y", 2, 4000), Tn("X", 3, 3000)}) l.AddParticipant(t, rank);
    const TGliederung& x = *l.At(l.IndexOfAbk("X"));
    EXPECT_EQ((Ints{x.Participants(), x.TrophyPoints(), x.Gold(), x.Bronze(), x.PlaceSum(), x.Total(),
                    l.At(l.IndexOfAbk("Y"))->TrophyPoints()}),
              (Ints{2, 28, 0, 1, 3, 30, 30}))
        << i;
  }
}

// Totals in whole points, halves to the even neighbour; counters held at their limits.
TEST(Gliederung, TotalsRoundHalfToEvenAndCountersSaturate) {
  for (auto [total, want] : {std::pair{250, 2}, {350, 4}, {251, 3}, {149, 1}, {-250, -2}, {-351, -4}}) {
    TGliederung g;
    uint16_t rank = 1;
    TTeilnehmer t = Tn("A", 9, total);
    t.SetDeduction(2, 7), t.SetDeduction(4, -1), t.SetDeduction(6, 5);
    g.Add(t, rank);
    EXPECT_EQ((Ints{g.Total(), g.PenaltySum()}), (Ints{want, 12})) << total;
  }
  std::unique_ptr<TGliederung> g(Item("A", {INT16_MAX, INT16_MAX, 0, 0, INT16_MAX, INT32_MAX - 1}));
  g->SetTrophyPending(1), g->SetPlaceSum(UINT16_MAX), g->SetPenaltySum(INT32_MAX);
  uint16_t rank = 1;
  TTeilnehmer t = Tn("A", 1, INT32_MAX);
  t.SetDeduction(1, 100);
  g->Add(t, rank);
  EXPECT_EQ((Ints{g->Participants(), g->Gold(), g->TrophyPoints(), g->PlaceSum(), g->Total(), g->PenaltySum()}),
            (Ints{INT16_MAX, INT16_MAX, INT16_MAX, UINT16_MAX, INT32_MAX, INT32_MAX}));
}

TEST(GliederungsListe, SortModesAndTiesShareThePlace) {
  TGliederungsListe l;
  for (TGliederung* g : {Item("D", {4, 1, 2, 3, 10, 300}), Item("B", {9, 1, 2, 3, 40, 100}),
                         Item("A", {1, 1, 2, 2, 20, 200}), Item("C", {5, 1, 2, 3, 30, 400})})
    l.Insert(g);
  const char* const want[] = {"A1 B2 C3 D4 ", "C1 D1 B1 A4 ", "B1 C2 D3 A4 ", "C1 D2 A3 B4 ", "B1 C2 A3 D4 "};
  for (uint8_t mode = 0; mode <= 4; ++mode) {
    l.SetSortMode(mode);
    l.Sort();
    l.AssignPlaces();
    std::string got;
    for (int i = 0; i < l.GetCount(); ++i) got += l.At(i)->Abk() + std::to_string(l.At(i)->Place()) + " ";
    EXPECT_EQ(got, want[mode]) << int(mode);
  }
}

// Under a German locale too, the average of mode 3 has a decimal point.
TEST(GliederungsListe, ReportLinesAsWideAsTheirHeadings) {
  ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr);
  TGliederungsListe l;
  TGliederung* g = Item("DLRG", {5, 1, 12, 0, 54, 1234});
  g->SetName("Bezirk Nord");
  g->SetPlace(2);
  l.Insert(g);
  TGliederung* other = Item("ZZ", {0, 0, 0, 0, 0, 0});
  l.Insert(other);
  const std::string name = "Bezirk Nord                   ";
  const std::string head = "Gliederung                    ";
  const std::tuple<uint8_t, std::string, std::string> cases[] = {
      {0, "Nr. Abk.  " + head + "  TN GesamtP", "  2 DLRG  " + name + "   5    1234"},
      {1, "Pl. Abk.   TN  Go  Si  Br " + head + " GesamtP QPK", "  2 DLRG    5   1  12   0 " + name + "    1234  54"},
      {3, "Pl. GesamtP Abk.  " + head + "  TN DPunkte", "  2    1234 DLRG  " + name + "   5  246.80"},
      {4, "Pl. QPK Abk.  " + head + "  TN", "  2  54 DLRG  " + name + "   5"},
      {2, "?", "?"},
      {7, "?", "?"},
  };
  for (const auto& [mode, heading, line] : cases)
    EXPECT_EQ(std::tuple(l.ReportLine(mode, 0), l.ReportLine(mode, 1), l.ReportLine(mode, 2).size()),
              std::tuple(heading, line, heading.size()))
        << int{mode};
  EXPECT_EQ(l.ReportLine(3, 2).substr(53), "      -");
  other->SetParticipants(3), other->SetTotal(-2);
  EXPECT_EQ(l.ReportLine(3, 2).substr(53), "  -0.67");
  l.SetSortMode(4);
  EXPECT_EQ(l.ReportLineOwnMode(1), std::get<2>(cases[3]));
  std::setlocale(LC_ALL, "C");
}

// A loaded list is in mode 0 and sorted, whatever order the file holds.
TEST(GliederungsListe, LoadSortsByAbbreviation) {
  TGliederungsListe l;
  l.Insert(Item("B", {2, 0, 0, 0, 0, 0}));
  l.Insert(Item("A", {1, 0, 0, 0, 0, 0}));
  l.SetSortMode(TGliederungsListe::kByCount);
  l.Sort();
  TYrMemoryStream out;
  l.Store(out);
  TYrMemoryStream in(out.Data());
  TGliederungsListe back;
  back.SetSortMode(TGliederungsListe::kByTrophy);
  ASSERT_TRUE(back.Load(in));
  EXPECT_EQ(std::tuple(l.At(0)->Abk(), back.SortMode(), back.At(0)->Abk()),
            std::tuple("B", TGliederungsListe::kByAbk, "A"));
}

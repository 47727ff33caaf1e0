#include <gtest/gtest.h>

#include <clocale>
#include <climits>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "FileTestSupport.h"
#include "VkGlied.h"

namespace {

using filetest::Bytes;
using Ints = std::vector<int64_t>;

TTeilnehmer Tn(const std::string& org, uint16_t place = 0, int32_t total = 0) {
  TTeilnehmer t;
  t.SetGliederung(org);
  t.SetPlace(place);
  t.SetTotal(total);
  return t;
}

TGliederung* Item(const std::string& abk, int16_t tn, int16_t gold, int16_t silver, int16_t bronze, int16_t qpk,
                  int32_t total) {
  auto* g = new TGliederung;
  g->SetAbk(abk);
  g->SetParticipants(tn);
  g->SetGold(gold);
  g->SetSilver(silver);
  g->SetBronze(bronze);
  g->SetTrophyPoints(qpk);
  g->SetTotal(total);
  return g;
}

}  // namespace

TEST(Gliederung, TrophyPointsByRankAndThe29thOrganisationGetsNothing) {
  TGliederungsListe l;
  uint16_t rank = 1;
  for (int i = 0; i < 30; ++i) l.AddParticipant(Tn("O" + std::to_string(100 + i)), rank);
  l.AddParticipant(Tn("O100"), rank);  // a second one of an organisation earns nothing more
  l.AddParticipant(Tn(""), rank);      // counted nowhere
  Ints got;
  Ints want = {30, 28, 26};
  for (int p = 25; p >= -1; --p) want.push_back(std::max(p, 0));
  for (int i = 0; i < l.GetCount(); ++i) got.push_back(l.At(i)->TrophyPoints());
  EXPECT_EQ(got, want);
  EXPECT_EQ((Ints{rank, l.At(0)->Participants()}), (Ints{31, 2}));
}

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

TEST(Gliederung, TotalsRoundHalfToEvenAndPositiveDeductionsAdd) {
  for (auto [total, want] : {std::pair{250, 2}, {350, 4}, {251, 3}, {149, 1}, {-250, -2}, {-351, -4}}) {
    TGliederung g;
    uint16_t rank = 1;
    TTeilnehmer t = Tn("A", 9, total);
    for (auto [d, v] : {std::pair{2, 7}, {4, -1}, {6, 5}}) t.SetDeduction(d, static_cast<int16_t>(v));
    g.Add(t, rank);
    EXPECT_EQ((Ints{g.Total(), g.PenaltySum()}), (Ints{want, 12})) << total;
  }
}

TEST(Gliederung, CountersSaturate) {
  TGliederung& g = *Item("A", INT16_MAX, INT16_MAX, 0, 0, INT16_MAX, INT32_MAX - 1);
  g.SetTrophyPending(1);
  g.SetPlaceSum(UINT16_MAX);
  g.SetPenaltySum(INT32_MAX);
  uint16_t rank = 1;
  TTeilnehmer t = Tn("A", 1, INT32_MAX);
  t.SetDeduction(1, 100);
  g.Add(t, rank);
  EXPECT_EQ((Ints{g.Participants(), g.Gold(), g.TrophyPoints(), g.PlaceSum(), g.Total(), g.PenaltySum()}),
            (Ints{INT16_MAX, INT16_MAX, INT16_MAX, UINT16_MAX, INT32_MAX, INT32_MAX}));
  delete &g;
}

TEST(GliederungsListe, SortModesAndTiesShareThePlace) {
  TGliederungsListe l;
  for (TGliederung* g : {Item("D", 4, 1, 2, 3, 10, 300), Item("B", 9, 1, 2, 3, 40, 100),
                         Item("A", 1, 1, 2, 2, 20, 200), Item("C", 5, 1, 2, 3, 30, 400)})
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

TEST(GliederungsListe, ReportLinesAsWideAsTheirHeadings) {
  ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr);
  TGliederungsListe l;
  TGliederung* g = Item("DLRG", 5, 1, 12, 0, 54, 1234);
  g->SetName("Bezirk Nord");
  g->SetPlace(2);
  l.Insert(g);
  TGliederung* other = Item("ZZ", 0, 0, 0, 0, 0, 0);
  l.Insert(other);
  const std::string name = "Bezirk Nord                   ";
  const std::string head = "Gliederung                    ";
  const struct {
    uint8_t mode;
    std::string heading, line;
  } cases[] = {
      {0, "Nr. Abk.  " + head + "  TN GesamtP", "  2 DLRG  " + name + "   5    1234"},
      {1, "Pl. Abk.   TN  Go  Si  Br " + head + " GesamtP QPK", "  2 DLRG    5   1  12   0 " + name + "    1234  54"},
      {3, "Pl. GesamtP Abk.  " + head + "  TN DPunkte", "  2    1234 DLRG  " + name + "   5  246.80"},
      {4, "Pl. QPK Abk.  " + head + "  TN", "  2  54 DLRG  " + name + "   5"},
      {2, "?", "?"},
      {7, "?", "?"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(std::tuple(l.ReportLine(c.mode, 0), l.ReportLine(c.mode, 1), l.ReportLine(c.mode, 2).size()),
              std::tuple(c.heading, c.line, c.heading.size()))
        << int{c.mode};
  }
  EXPECT_EQ(l.ReportLine(3, 2).substr(53), "      -");
  other->SetParticipants(3);
  other->SetTotal(-2);
  EXPECT_EQ(l.ReportLine(3, 2).substr(53), "  -0.67");
  l.SetSortMode(4);
  EXPECT_EQ(l.ReportLineOwnMode(1), cases[3].line);
  std::setlocale(LC_ALL, "C");
}

// The empty list's bytes and a failing sink are pinned with the whole result
// file; emptying and removing items with the competition's statistics rebuild.
TEST(GliederungsListe, CopyKeepsOrderAndBytesAndLoadSortsInModeZero) {
  TGliederungsListe l;
  for (uint8_t c : {'C', 'A', 'D', 'B'}) {
    TGliederung::Bytes r{1, c};
    r[98] = 0xEE;  // reserved bytes come back
    auto* g = new TGliederung;
    g->SetRecord(r);
    l.Insert(g);
  }
  l.SetSortMode(1);
  l.SetLimit(33);  // all tied on medals: sorting would reorder them
  const TGliederungsListe copy(l);
  TYrMemoryStream s1;
  TYrMemoryStream s2;
  l.Store(s1);
  copy.Store(s2);
  ASSERT_EQ(s1.Data().size(), 7u + 4 * 101);
  EXPECT_EQ(std::pair(s2.Data() == s1.Data(), copy.SortMode()), std::pair(true, uint8_t{1}));
  l.Sort();
  TYrMemoryStream s3;
  l.Store(s3);
  ASSERT_NE(s3.Data(), s1.Data());  // stored out of order
  TYrMemoryStream in(s3.Data());
  TGliederungsListe back;
  back.SetSortMode(4);
  const bool whole = back.Load(in);
  TYrMemoryStream s4;
  back.Store(s4);
  EXPECT_EQ(std::tuple(whole, back.SortMode(), s4.Data() == s1.Data()), std::tuple(true, uint8_t{0}, true));
}

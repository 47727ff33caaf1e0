#include <gtest/gtest.h>

#include <clocale>
#include <climits>
#include <string>
#include <vector>

#include "VkGlied.h"

namespace {

using Bytes = std::vector<uint8_t>;
using Abks_ = std::vector<std::string>;

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

Bytes Head(uint16_t count, uint16_t limit, uint16_t delta) {
  return {uint8_t(count), uint8_t(count >> 8), uint8_t(limit), uint8_t(limit >> 8), uint8_t(delta), uint8_t(delta >> 8)};
}

void AddItem(Bytes& b, const std::string& abk, uint16_t marker = kGliederungMarker) {
  TGliederung g;
  g.SetAbk(abk);
  b.insert(b.end(), {uint8_t(marker), uint8_t(marker >> 8)});
  b.insert(b.end(), g.Record().begin(), g.Record().end());
}

Abks_ Abks(const TGliederungsListe& l) {
  Abks_ out;
  for (int i = 0; i < l.GetCount(); ++i) out.push_back(l.At(i)->Abk());
  return out;
}

}  // namespace

TEST(Gliederung, FieldOffsetsAndResetKeepingTextsAndPlaceSum) {
  TGliederung g;
  g.SetAbk("DLRG");
  g.SetName("Ortsgruppe");
  g.SetTrophyPoints(0x0304);
  g.SetPlaceSum(0x0506);
  g.SetTotal(0x0708090A);
  const auto& r = g.Record();
  EXPECT_EQ((Bytes{r[0], r[6], r[47], r[51], r[53], r[56]}), (Bytes{4, 10, 0x04, 0x06, 0x0A, 0x07}));
  g.Reset();
  EXPECT_EQ(g.Abk() + "|" + g.Name(), "DLRG|Ortsgruppe");
  EXPECT_EQ(g.PlaceSum(), 0x0506);
  EXPECT_EQ(g.TrophyPoints() + g.Total(), 0);
}

TEST(Gliederung, TrophyPointsByRankAndThe29thOrganisationGetsNothing) {
  TGliederungsListe l;
  uint16_t rank = 1;
  for (int i = 0; i < 30; ++i) l.AddParticipant(Tn("O" + std::to_string(100 + i)), rank);
  l.AddParticipant(Tn("O100"), rank);  // a second one of an organisation earns nothing more
  l.AddParticipant(Tn(""), rank);      // counted nowhere
  std::vector<int> want = {30, 28, 26};
  for (int p = 25; p >= 0; --p) want.push_back(p);
  want.push_back(0);
  std::vector<int> got;
  for (int i = 0; i < l.GetCount(); ++i) got.push_back(l.At(i)->TrophyPoints());
  EXPECT_EQ(got, want);
  EXPECT_EQ(rank, 31);
  EXPECT_EQ(l.At(0)->Participants(), 2);
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
    EXPECT_EQ((std::vector<int>{x.Participants(), x.TrophyPoints(), x.Gold(), x.Bronze(), x.PlaceSum(), x.Total()}),
              (std::vector<int>{2, 28, 0, 1, 3, 30}))
        << i;
    EXPECT_EQ(l.At(l.IndexOfAbk("Y"))->TrophyPoints(), 30) << i;
  }
}

TEST(Gliederung, TotalsRoundHalfToEvenAndPositiveDeductionsAdd) {
  const std::pair<int32_t, int32_t> cases[] = {{250, 2}, {350, 4}, {251, 3}, {149, 1}, {-250, -2}, {-351, -4}};
  for (const auto& [total, want] : cases) {
    TGliederung g;
    uint16_t rank = 1;
    TTeilnehmer t = Tn("A", 9, total);
    t.SetDeduction(2, 7);
    t.SetDeduction(4, -1);
    t.SetDeduction(6, 5);
    g.Add(t, rank);
    EXPECT_EQ(g.Total(), want) << total;
    EXPECT_EQ(g.PenaltySum(), 12);
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
  EXPECT_EQ((std::vector<int64_t>{g.Participants(), g.Gold(), g.TrophyPoints(), g.PlaceSum(), g.Total(), g.PenaltySum()}),
            (std::vector<int64_t>{INT16_MAX, INT16_MAX, INT16_MAX, UINT16_MAX, INT32_MAX, INT32_MAX}));
  delete &g;
}

TEST(GliederungsListe, SortModesAndMedalTiesShareThePlace) {
  TGliederungsListe l;
  for (TGliederung* g : {Item("D", 4, 1, 2, 3, 10, 300), Item("B", 9, 1, 2, 3, 40, 100), Item("A", 1, 1, 2, 2, 20, 200),
                         Item("C", 5, 1, 2, 3, 30, 400)})
    l.Insert(g);
  const Abks_ want[] = {{"A", "B", "C", "D"}, {}, {"B", "C", "D", "A"}, {"C", "D", "A", "B"}, {"B", "C", "A", "D"}};
  for (uint8_t mode : {0, 2, 3, 4}) {
    l.SetSortMode(mode);
    l.Sort();
    EXPECT_EQ(Abks(l), want[mode]) << int(mode);
  }
  l.SetSortMode(1);
  l.Sort();
  l.AssignPlaces();
  std::vector<int> places;
  for (int i = 0; i < 4; ++i) places.push_back(l.At(i)->Place());
  EXPECT_EQ(places, (std::vector<int>{1, 1, 1, 4}));
  EXPECT_EQ(l.At(3)->Abk(), "A");
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
  const std::string name = "Bezirk Nord                   ", head = "Gliederung                    ";
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
    EXPECT_EQ(l.ReportLine(c.mode, 0), c.heading);
    EXPECT_EQ(l.ReportLine(c.mode, 1), c.line);
    EXPECT_EQ(l.ReportLine(c.mode, 2).size(), c.heading.size());
  }
  EXPECT_EQ(l.ReportLine(3, 2).substr(53), "      -");
  other->SetParticipants(3);
  other->SetTotal(-2);
  EXPECT_EQ(l.ReportLine(3, 2).substr(53), "  -0.67");
  l.SetSortMode(4);
  EXPECT_EQ(l.ReportLineOwnMode(1), cases[3].line);
  std::setlocale(LC_ALL, "C");
}

TEST(GliederungsListe, CopyKeepsOrderAndRemoveEmptyDropsItemsWithoutParticipants) {
  TGliederungsListe l;
  uint16_t rank = 1;
  for (const char* abk : {"C", "A", "B", "D"}) l.AddParticipant(Tn(abk, 1), rank);
  l.SetSortMode(1);  // all tied on medals
  l.SetLimit(33);
  l.At(3)->SetRecord(TGliederung::Bytes{3, 'D', 'D', 'D'});
  TGliederungsListe copy(l);
  EXPECT_EQ(copy.SortMode() + copy.GetLimit(), 34);
  EXPECT_EQ(Abks(copy), Abks(l));
  EXPECT_EQ(copy.At(3)->Record(), l.At(3)->Record());
  copy.RemoveEmpty();
  EXPECT_EQ(Abks(copy), (Abks_{"A", "B", "C"}));
  copy.ResetAll();
  EXPECT_EQ(copy.At(0)->Participants() + copy.At(0)->Gold(), 0);
}

TEST(GliederungsListe, StoreAndLoadRoundTripInModeZero) {
  TYrMemoryStream s0;
  TGliederungsListe().Store(s0);
  EXPECT_EQ(s0.Data(), (Bytes{0, 0, 20, 0, 5, 0, 1}));
  TGliederungsListe l;
  for (uint8_t c : {'B', 'A'}) {
    TGliederung::Bytes r{1, c};
    r[98] = 0xEE;  // reserved bytes come back
    auto* g = new TGliederung;
    g->SetRecord(r);
    l.Insert(g);
  }
  l.SetSortMode(4);
  TYrMemoryStream s1, s2;
  l.Store(s1);
  ASSERT_EQ(s1.Data().size(), 7u + 2 * 101);
  TYrMemoryStream in(s1.Data());
  TGliederungsListe back;
  EXPECT_TRUE(back.Load(in));
  EXPECT_EQ(back.SortMode(), 0);
  EXPECT_EQ(Abks(back), (Abks_{"A", "B"}));
  back.Store(s2);
  EXPECT_EQ(s2.Data(), s1.Data());
  TYrMemoryStream failing;
  failing.FailAfter(100);
  back.Store(failing);
  EXPECT_EQ(failing.FirstError, 101);
}

TEST(GliederungsListe, LoadStopsQuietlyAtDamage) {
  Bytes wrongMarker = Head(3, 20, 5), deltaZero = Head(1, 1, 0), shortItem = Head(2, 20, 5);
  AddItem(wrongMarker, "B");
  AddItem(wrongMarker, "A");
  AddItem(wrongMarker, "C", 1005);
  AddItem(deltaZero, "A");
  deltaZero.push_back(1);
  AddItem(shortItem, "A");
  AddItem(shortItem, "B");
  shortItem.pop_back();
  const struct {
    Bytes data;
    bool whole;
    Abks_ abks;
    int delta;
  } cases[] = {{wrongMarker, false, {"A", "B"}, 5}, {deltaZero, true, {"A"}, 10}, {Bytes{2, 0, 20, 0, 5}, false, {}, 5},
               {shortItem, false, {"A"}, 5},        {Head(20000, 20, 5), false, {}, 5}};
  for (const auto& c : cases) {
    TGliederungsListe l;
    l.Insert(new TGliederung);
    TYrMemoryStream in(c.data);
    EXPECT_EQ(l.Load(in), c.whole) << &c - cases;
    EXPECT_EQ(Abks(l), c.abks) << &c - cases;
    EXPECT_EQ(l.GetDelta(), c.delta) << &c - cases;
  }
}

TEST(GliederungsListe, LoadStopsAtTheCollectionLimit) {
  Bytes data = Head(20000, 20, 5);
  for (int i = 0; i <= kMaxCollectionSize; ++i) AddItem(data, std::to_string(100000 + i).substr(1));
  TYrMemoryStream in(data);
  TGliederungsListe l;
  EXPECT_FALSE(l.Load(in));
  EXPECT_EQ(l.GetCount(), kMaxCollectionSize);
  EXPECT_EQ(in.GetPos(), 6 + kMaxCollectionSize * 101);
}

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "AkTestSupport.h"
#include "MessageCapture.h"
#include "VkTeilnListe.h"

using namespace aktest;

// Without disciplines the total is the CPR value, so totals can be set
// directly. Names sort in input order, so ties keep it.
TEST(Evaluate, PlacesWithTiesAndOutOfCompetition) {
  struct In { int32_t total; bool outside; };
  struct Case { std::vector<In> in; std::vector<int> places; };
  const std::vector<Case> cases = {
      {{{900, false}, {800, false}, {800, false}, {700, false}}, {1, 2, 2, 4}},
      {{{900, false}, {900, true}, {800, false}}, {1, 2, 2}},
      {{{900, false}, {850, true}, {800, false}}, {1, 2, 2}},
      {{{0, false}, {0, false}}, {1, 1}},
  };
  for (const Case& c : cases) {
    auto ak = MakeClass(0);
    for (size_t i = 0; i < c.in.size(); ++i)
      ak->Insert(Tn(std::string(1, static_cast<char>('A' + i)), c.in[i].total, c.in[i].outside));
    ak->Evaluate();
    for (int i = 0; i < int(c.in.size()); ++i)
      EXPECT_EQ(std::pair(int(ak->At(i)->Place()), ak->At(i)->ColumnText(1) == "AK"),
                std::pair(c.places[i], c.in[i].outside))
          << i;
  }
}

// A time left in a slot the class does not hold (older files, a class given
// fewer disciplines) scores nothing and reports no formula error.
TEST(Evaluate, SlotsBeyondTheDisciplinesScoreNothing) {
  MessageCapture messages;
  auto ak = MakeClass(2);
  TTeilnehmer* t = Tn("A");
  t->SetTime(1, 1000);
  t->SetTime(4, 1000);
  ak->Insert(t);
  ak->Evaluate();
  EXPECT_EQ(std::tuple(t->Points(1), t->Points(4), t->Total(), messages.list.size()),
            std::tuple(90000, 0, 90000, size_t{0}));
}

TEST(Evaluate, DisciplinePlaces) {
  // Points are 100000 - 10 * time.
  auto ak = MakeClass(1);
  const std::vector<std::pair<int32_t, bool>> in = {
      {1000, false}, {1000, false}, {2000, true}, {3000, false}, {0, false}};
  for (size_t i = 0; i < in.size(); ++i) {
    TTeilnehmer* t = Tn(std::string(1, 'A' + i), 0, in[i].second);
    t->SetTime(1, in[i].first);
    ak->Insert(t);
  }
  ak->Evaluate();
  auto places = [&] {
    std::vector<int> out;
    for (size_t i = 0; i < in.size(); ++i) out.push_back(Find(*ak, std::string(1, 'A' + i))->DisciplinePlace(1));
    return out;
  };
  EXPECT_EQ(places(), (std::vector<int>{1, 1, 3, 3, 0}));
  // One change, one evaluation: the places are current at once.
  Find(*ak, "D")->SetTime(1, 500);
  ak->Evaluate();
  EXPECT_EQ(places(), (std::vector<int>{2, 2, 4, 1, 0}));

  // Flag 16: no discipline place without a passed CPR, but the points count.
  auto cpr = MakeClass(1, TAltersklasse::kPlacesNeedCpr);
  TTeilnehmer* a = Tn("A", 0);
  TTeilnehmer* b = Tn("B", 100);
  a->SetTime(1, 1000);
  b->SetTime(1, 2000);
  cpr->Insert(a);
  cpr->Insert(b);
  cpr->Evaluate();
  EXPECT_EQ(std::tuple(a->DisciplinePlace(1), a->Total(), b->DisciplinePlace(1)), std::tuple(0, 90000, 1));
}

TEST(Evaluate, CountedDisciplines) {
  struct Case { std::vector<int32_t> points; uint16_t counted; int32_t total; };
  for (const Case& c : std::vector<Case>{{{1000, 1000, 500}, 1, 1000},
                                         {{1000, 1000, 500}, 2, 2000},
                                         {{1000, 500, 500}, 2, 1500},
                                         {{1000, 500, 500}, 3, 2000},
                                         {{1000, 500, 500}, 0, 2000}}) {  // 0 means all
    TAltersklasse::Disciplines discs;
    for (int d = 0; d < 3; ++d) discs[d] = Linear("D", c.points[d] + 10);  // time 1 gives the points
    TAltersklasse ak;
    ak.Define("Jugend", 1990, 1991, 0, 3, discs);
    EXPECT_EQ(ak.Counted(), 3);
    ak.SetCounted(c.counted);
    TTeilnehmer* t = Tn("A");
    for (int d = 1; d <= 3; ++d) t->SetTime(d, 1);
    ak.Insert(t);  // before any evaluation fills in a counted value of 0
    EXPECT_EQ(t->Total(), c.total) << c.counted;
    ak.Evaluate();
    EXPECT_EQ(t->Total(), c.total) << c.counted;
  }
}

TEST(Evaluate, StatusCodesAndSaturatedTotal) {
  // Two disciplines of 90000 each, CPR 500; the code goes to discipline 2.
  struct Case { int16_t deduction; int32_t cpr; int slot; int32_t total; };
  for (const Case& c : std::vector<Case>{{-3, 500, 2, 90500},   {-1, 500, 2, 90500}, {-5, 500, 2, 90500},
                                         {-6, 500, 2, 90500},   {-2, 500, 2, 0},     {-4, 500, 2, 0},
                                         {-2, 500, 5, 0},       {0, -200, 2, 0},     {0, -400, 2, 0},
                                         {0, -100, 2, 180000},  {0, -300, 2, 180000},
                                         {0, INT32_MAX, 2, INT32_MAX}}) {
    auto ak = MakeClass(2);
    TTeilnehmer* t = Tn("A", c.cpr);
    t->SetTime(1, 1000);
    t->SetTime(2, 1000);
    t->SetDeduction(c.slot, c.deduction);
    ak->Insert(t);
    ak->Evaluate();
    EXPECT_EQ(t->Total(), c.total) << c.deduction << " " << c.cpr;
  }
}

TEST(Evaluate, DisplayOrderFlags) {
  struct Case { uint16_t flags; std::vector<int32_t> totals; int qualified; std::vector<std::string> order; };
  for (const Case& c : std::vector<Case>{{TAltersklasse::kAlphabetical, {700, 900, 800}, -1, {"A", "B", "C"}},
                                         {TAltersklasse::kQualifiedFirst, {900, 800, 700}, 2, {"C", "A", "B"}},
                                         {0, {900, 800, 700}, 2, {"A", "B", "C"}},
                                         {12, {900, 800, 700}, 2, {"A", "B", "C"}}}) {  // 8 overrides 4
    auto ak = MakeClass(0, c.flags);
    for (int i = 0; i < 3; ++i) {
      TTeilnehmer* t = Tn(std::string(1, 'A' + i), c.totals[i]);
      t->SetFlag(TTeilnehmer::kDirektQualifiziert, i == c.qualified);
      ak->Insert(t);
    }
    ak->Evaluate();
    EXPECT_EQ(Order(*ak), c.order) << c.flags;
    for (int i = 0; i < 3; ++i)  // places still follow the totals
      EXPECT_EQ(ak->At(i)->Place(), 1 + std::count_if(c.totals.begin(), c.totals.end(),
                                                       [&](int32_t o) { return o > ak->At(i)->Total(); }));
  }
  // Among totals of 0 a participant who started nowhere comes last.
  auto ak = MakeClass(1);
  TTeilnehmer* a = Tn("A");
  a->SetAllNA();
  ak->Insert(a);
  ak->Insert(Tn("B"));
  EXPECT_EQ(Order(*ak), (std::vector<std::string>{"B", "A"}));
}

TEST(Evaluate, BestsTieGoesToTheLaterAndEnteredRecordsStay) {
  // Step 10 cuts both times to 1000; out of competition never sets a best.
  auto ak = MakeClass(1, 0, 100000, 100);
  TRekord r3;
  r3.SetRecordTime(5000);
  r3.SetRecordDeduction(2);
  r3.SetNumber(7);
  r3.SetText("alt");
  r3.SetHolder("Halter");
  r3.SetReserved(9);
  ak->SetRekord(3, r3);
  TOverallRecord o;
  o.SetRecordTotal(12345);
  o.SetNumber(3);
  ak->SetOverall(o);
  for (auto [name, time, outside] : {std::tuple{"A", 1001, false}, {"B", 1005, false}, {"C", 500, true}}) {
    TTeilnehmer* t = Tn(name, 0, outside);
    t->SetTime(1, time);
    ak->Insert(t);
  }
  ak->Evaluate();
  EXPECT_EQ(std::pair(ak->Rekord(1).BestTime(), ak->Overall().BestTotal()), std::pair(1005, 90000));
  // Entered values stay; number, text length and reserved byte go with the bests.
  const TRekord k = ak->Rekord(3);
  EXPECT_EQ(std::tuple(k.RecordTime(), k.RecordDeduction(), k.Holder(), k.Number(), k.Text(), k.Reserved(),
                       k.Bytes()[TRekord::kOffText + 1], ak->Overall().RecordTotal(), ak->Overall().Number()),
            std::tuple(5000, 2, "Halter", 0, "", 0, 'a', 12345, uint16_t{0}));
}

TEST(Evaluate, FormulaErrorReportedOncePerEvaluation) {
  TAltersklasse::Disciplines discs;
  discs[0].SetFormula("T*");  // kind 0
  TAltersklasse ak;
  ak.Define("Jugend", 1990, 1991, 0, 1, discs);
  MessageCapture m;
  for (const char* name : {"A", "B"}) {
    TTeilnehmer* t = Tn(name);
    t->SetTime(1, 1000);
    ak.Insert(t);
  }
  EXPECT_EQ(m.list.size(), 2u);  // one per insertion
  ak.Evaluate();
  ASSERT_EQ(m.list.size(), 3u);
  EXPECT_EQ(m.list[2], "Ausdruck erwartet.\rPosition: 3\rT*");
}

// The evaluation sorts compact keys; here the orders are built as written:
// the ranking list of a discipline is a participant list filled by its
// sorted insertion in the class's order and then sorted, the ranking order
// the class's own sort. Three names and three point values among 300
// participants, a quarter out of competition, so ties are everywhere and the
// order among the tied decides the positions of the out-of-competition ones.
template <class List, class Key>
std::vector<std::pair<TTeilnehmer*, int>> Walk(const List& list, Key key, bool zeroIsNoPlace) {
  std::vector<std::pair<TTeilnehmer*, int>> out;
  int counter = 1;
  int previousPlace = 1;
  int previousKey = 0;
  for (int i = 0; i < list.GetCount(); ++i) {
    TTeilnehmer* t = list.At(i);
    int place = key(*t) == previousKey ? previousPlace : counter;
    if (zeroIsNoPlace && key(*t) == 0) place = 0;
    previousKey = key(*t);
    previousPlace = place;
    if (t->Flag(TTeilnehmer::kAusserKonkurrenz))
      place = i + 1;
    else
      ++counter;
    out.emplace_back(t, place);
  }
  return out;
}

TEST(Evaluate, PlacesFollowTheFilledRankingListAndTheClassSort) {
  for (uint16_t flags : {0, 4, 8, 12, 16, 20}) {
    const bool needsCpr = flags & TAltersklasse::kPlacesNeedCpr;
    auto ak = MakeClass(2, flags);
    TAltersklasse ref;  // flags 0: sorts in the pure ranking order
    std::mt19937 rng(flags + 1);
    for (int i = 0; i < 300; ++i) {
      const std::string name(1, static_cast<char>('A' + rng() % 3));
      const int32_t cpr = rng() % 3 ? 50 : 0;
      TTeilnehmer* t = Tn(name, cpr, rng() % 4 == 0);
      t->SetVorname(std::to_string(i));
      if (rng() % 5 == 0) t->SetAllNA();
      t->SetTotal(static_cast<int32_t>(rng() % 3) * 100);
      for (int d = 1; d <= 2; ++d) t->SetPoints(d, static_cast<int32_t>(rng() % 3) * 100);
      t->SetFlag(TTeilnehmer::kDirektQualifiziert, rng() % 2);
      ak->AtInsert(i, t);
      ref.AtInsert(i, new TTeilnehmer(*t));
    }
    for (int16_t d = 1; d <= 2; ++d) {
      TTeilnehmerListe list(false);
      list.SetSortMode(needsCpr ? TTeilnehmerListe::kByPointsWithCpr : TTeilnehmerListe::kByPoints);
      list.SetDiscipline(d);
      for (int i = 0; i < ak->GetCount(); ++i) list.Insert(ak->At(i));
      list.Sort();
      auto key = [&](const TTeilnehmer& t) { return needsCpr && t.CprValue() < 1 ? 0 : t.Points(d); };
      const auto want = Walk(list, key, true);
      ak->RankDiscipline(d);
      for (const auto& [t, place] : want) ASSERT_EQ(t->DisciplinePlace(d), place) << flags << " " << d;
    }
    ak->Rank();
    ref.Sort();
    for (const auto& [t, place] : Walk(ref, [](const TTeilnehmer& t) { return t.Total(); }, false))
      t->SetPlace(static_cast<uint16_t>(place));
    ref.SetFlags(flags);
    ref.Sort();
    for (int i = 0; i < ak->GetCount(); ++i)
      ASSERT_EQ(std::pair(ak->At(i)->Vorname(), ak->At(i)->Place()),
                std::pair(ref.At(i)->Vorname(), ref.At(i)->Place()))
          << flags << " " << i;
  }
}

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

namespace {

// Participants "A", "B", ... of `ak`, each with a time in discipline 1.
std::vector<TTeilnehmer*> WithTimes(TAltersklasse& ak, const std::vector<int32_t>& times, int outside = -1) {
  std::vector<TTeilnehmer*> out;
  for (size_t i = 0; i < times.size(); ++i) {
    out.push_back(Tn(std::string(1, char('A' + i)), 0, int(i) == outside));
    out.back()->SetTime(1, times[i]);
    ak.Insert(out.back());
  }
  ak.Evaluate();
  return out;
}

}  // namespace

// Without disciplines the total is the CPR value, so totals can be set
// directly. Names sort in input order, so ties keep it.
TEST(Evaluate, PlacesWithTiesAndOutOfCompetition) {
  const std::pair<std::vector<std::pair<int32_t, bool>>, std::vector<int>> cases[] = {
      {{{900, false}, {800, false}, {800, false}, {700, false}}, {1, 2, 2, 4}},
      {{{900, false}, {900, true}, {800, false}}, {1, 2, 2}},
      {{{900, false}, {850, true}, {800, false}}, {1, 2, 2}},
      {{{0, false}, {0, false}}, {1, 1}},
  };
  for (const auto& [in, places] : cases) {
    auto ak = MakeClass(0);
    for (size_t i = 0; i < in.size(); ++i) ak->Insert(Tn(std::string(1, char('A' + i)), in[i].first, in[i].second));
    ak->Evaluate();
    for (size_t i = 0; i < in.size(); ++i)
      EXPECT_EQ(std::pair(int(ak->At(int(i))->Place()), ak->At(int(i))->ColumnText(1) == "AK"),
                std::pair(places[i], in[i].second))
          << i;
  }
}

// A time left in a slot the class does not hold (older files, a class given
// fewer disciplines) scores nothing and reports no formula error.
TEST(Evaluate, SlotsBeyondTheDisciplinesScoreNothing) {
  MessageCapture messages;
  auto ak = MakeClass(2);
  TTeilnehmer* t = WithTimes(*ak, {1000})[0];
  t->SetTime(4, 1000);
  ak->Evaluate();
  EXPECT_EQ(std::tuple(t->Points(1), t->Points(4), t->Total(), messages.list.size()),
            std::tuple(90000, 0, 90000, size_t{0}));
}

// Points are 100000 - 10 * time; C is out of competition, E has no time.
TEST(Evaluate, DisciplinePlaces) {
  auto ak = MakeClass(1);
  const auto ts = WithTimes(*ak, {1000, 1000, 2000, 3000, 0}, 2);
  auto places = [&ts] {
    std::vector<int> out;
    for (TTeilnehmer* t : ts) out.push_back(t->DisciplinePlace(1));
    return out;
  };
  EXPECT_EQ(places(), (std::vector<int>{1, 1, 3, 3, 0}));
  ts[3]->SetTime(1, 500);  // one change, one evaluation: the places are current at once
  ak->Evaluate();
  EXPECT_EQ(places(), (std::vector<int>{2, 2, 4, 1, 0}));
  // Flag 16: no discipline place without a passed CPR, but the points count.
  auto cpr = MakeClass(1, TAltersklasse::kPlacesNeedCpr);
  const auto ab = WithTimes(*cpr, {1000, 2000});
  ab[1]->SetCprValue(100);
  cpr->Evaluate();
  EXPECT_EQ(std::tuple(ab[0]->DisciplinePlace(1), ab[0]->Total(), ab[1]->DisciplinePlace(1)), std::tuple(0, 90000, 1));
}

// Points of three disciplines, disciplines counted (0: all), total.
TEST(Evaluate, CountedDisciplines) {
  const std::tuple<std::vector<int32_t>, uint16_t, int32_t> cases[] = {
      {{1000, 1000, 500}, 1, 1000}, {{1000, 1000, 500}, 2, 2000}, {{1000, 500, 500}, 2, 1500},
      {{1000, 500, 500}, 3, 2000},  {{1000, 500, 500}, 0, 2000}};
  for (const auto& [points, counted, total] : cases) {
    TAltersklasse::Disciplines discs;
    for (int d = 0; d < 3; ++d) discs[d] = Linear("D", points[d] + 10);  // time 1 gives the points
    TAltersklasse ak;
    ak.Define("Jugend", 1990, 1991, 0, 3, discs);
    ak.SetCounted(counted);
    TTeilnehmer* t = Tn("A");
    for (int d = 1; d <= 3; ++d) t->SetTime(d, 1);
    ak.Insert(t);  // before any evaluation fills in a counted value of 0
    const int32_t inserted = t->Total();
    ak.Evaluate();
    EXPECT_EQ(std::tuple(ak.DisciplineCount(), inserted, t->Total()), std::tuple(3, total, total)) << counted;
  }
}

// Two disciplines of 90000 each and a CPR value; the code goes to discipline `slot`.
TEST(Evaluate, StatusCodesAndSaturatedTotal) {
  const std::tuple<int16_t, int32_t, int, int32_t> cases[] = {
      {-3, 500, 2, 90500}, {-1, 500, 2, 90500}, {-5, 500, 2, 90500},  {-6, 500, 2, 90500},
      {-2, 500, 2, 0},     {-4, 500, 2, 0},     {-2, 500, 5, 0},      {0, -200, 2, 0},
      {0, -400, 2, 0},     {0, -100, 2, 180000}, {0, -300, 2, 180000}, {0, INT32_MAX, 2, INT32_MAX}};
  for (auto [deduction, cpr, slot, total] : cases) {
    auto ak = MakeClass(2);
    TTeilnehmer* t = Tn("A", cpr);
    t->SetTime(1, 1000), t->SetTime(2, 1000), t->SetDeduction(slot, deduction);
    ak->Insert(t);
    ak->Evaluate();
    EXPECT_EQ(t->Total(), total) << deduction << " " << cpr;
  }
}

// Flags, totals of A, B and C, the directly qualified one; the display order.
TEST(Evaluate, DisplayOrderFlags) {
  const std::tuple<uint16_t, std::vector<int32_t>, int, std::vector<std::string>> cases[] = {
      {TAltersklasse::kAlphabetical, {700, 900, 800}, -1, {"A", "B", "C"}},
      {TAltersklasse::kQualifiedFirst, {900, 800, 700}, 2, {"C", "A", "B"}},
      {0, {900, 800, 700}, 2, {"A", "B", "C"}},
      {12, {900, 800, 700}, 2, {"A", "B", "C"}}};  // 8 overrides 4
  for (const auto& [flags, totals, qualified, order] : cases) {
    auto ak = MakeClass(0, flags);
    for (int i = 0; i < 3; ++i) {
      TTeilnehmer* t = Tn(std::string(1, char('A' + i)), totals[i]);
      t->SetFlag(TTeilnehmer::kDirektQualifiziert, i == qualified);
      ak->Insert(t);
    }
    ak->Evaluate();
    EXPECT_EQ(Order(*ak), order) << flags;
    for (int i = 0; i < 3; ++i)  // places still follow the totals
      EXPECT_EQ(ak->At(i)->Place(), 1 + std::count_if(totals.begin(), totals.end(),
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

// Step 10 cuts both times to 1000, so B, the later, holds the best; C is out
// of competition and never sets one. Entered values stay; number, text
// length and reserved byte go with the bests.
TEST(Evaluate, BestsTieGoesToTheLaterAndEnteredRecordsStay) {
  auto ak = MakeClass(1, 0, 100000, 100);
  TRekord r3;
  r3.SetRecordTime(5000), r3.SetRecordDeduction(2), r3.SetNumber(7), r3.SetText("alt"), r3.SetHolder("Halter");
  r3.SetReserved(9);
  ak->SetRekord(3, r3);
  TOverallRecord o;
  o.SetRecordTotal(12345), o.SetNumber(3);
  ak->SetOverall(o);
  WithTimes(*ak, {1001, 1005, 500}, 2);
  const TRekord k = ak->Rekord(3);
  EXPECT_EQ(std::tuple(ak->Rekord(1).BestTime(), ak->Overall().BestTotal(), k.RecordTime(), k.RecordDeduction(),
                       k.Holder(), k.Number(), k.Text(), k.Reserved(), k.Bytes()[TRekord::kOffText + 1],
                       ak->Overall().RecordTotal(), ak->Overall().Number()),
            std::tuple(1005, 90000, 5000, 2, "Halter", 0, "", 0, 'a', 12345, uint16_t{0}));
}

TEST(Evaluate, FormulaErrorReportedOncePerEvaluation) {
  TAltersklasse::Disciplines discs;
  discs[0].SetFormula("T*");  // kind 0
  TAltersklasse ak;
  ak.Define("Jugend", 1990, 1991, 0, 1, discs);
  MessageCapture m;
  WithTimes(ak, {1000, 1000});  // one message per insertion, one for the evaluation
  EXPECT_EQ(m.list, std::vector<std::string>(3, "Ausdruck erwartet.\rPosition: 3\rT*"));
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
  int counter = 1, previousPlace = 1, previousKey = 0;
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
      const std::string name(1, char('A' + rng() % 3));
      const int32_t cpr = rng() % 3 ? 50 : 0;
      TTeilnehmer* t = Tn(name, cpr, rng() % 4 == 0);
      t->SetVorname(std::to_string(i));
      if (rng() % 5 == 0) t->SetAllNA();
      t->SetTotal(int32_t(rng() % 3) * 100);
      for (int d = 1; d <= 2; ++d) t->SetPoints(d, int32_t(rng() % 3) * 100);
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
      t->SetPlace(uint16_t(place));
    ref.SetFlags(flags);
    ref.Sort();
    for (int i = 0; i < ak->GetCount(); ++i)
      ASSERT_EQ(std::pair(ak->At(i)->Vorname(), ak->At(i)->Place()),
                std::pair(ref.At(i)->Vorname(), ref.At(i)->Place()))
          << flags << " " << i;
  }
}

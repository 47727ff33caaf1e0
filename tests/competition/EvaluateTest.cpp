#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "AkTestSupport.h"
#include "MessageCapture.h"
#include "VkTeilnListe.h"

using namespace aktest;

namespace {

// The class in its display order: name, place, total and discipline places of each participant.
std::string Dump(const TAltersklasse& ak) {
  std::string out;
  for (int i = 0; i < ak.GetCount(); ++i) {
    const TTeilnehmer& t = *ak.At(i);
    out += (i ? "; " : "") + t.Name(true) + " " + std::to_string(t.Place()) + " " + std::to_string(t.Total());
    for (int d = 1; d <= ak.DisciplineCount(); ++d) out += " " + std::to_string(t.DisciplinePlace(d));
  }
  return out;
}

std::multiset<int32_t> Totals(const TAltersklasse& ak) {
  std::multiset<int32_t> out;
  for (int i = 0; i < ak.GetCount(); ++i) out.insert(ak.At(i)->Total());
  return out;
}

// One case of evaluate.txt: class, participants, change; the dump and the messages.
std::string Evaluated(const testdata::Fields& f) {
  const std::string change = testdata::Arg(f, 3);
  MessageCapture m;
  auto ak = ClassWith(testdata::Arg(f, 1), testdata::Arg(f, 2));
  const std::multiset<int32_t> inserted = Totals(*ak);
  ak->Evaluate();
  std::string out = inserted == Totals(*ak) ? "" : "inserted with other totals: ";
  if (change != "-") {
    TTeilnehmer* t = Find(*ak, change.substr(0, change.find(' ')));
    *t = Participant(change.substr(change.find(' ') + 1), *t);
    ak->Evaluate();
  }
  out += Dump(*ak);
  for (const std::string& message : m.list) out += " / " + message;
  return Readable(out);
}

}  // namespace

// The cases of tests/data/competition/evaluate.txt. Inserting a participant
// computes its total as the evaluation does, also before the first evaluation
// fills in the counted disciplines.
TEST(Evaluate, PlacesTotalsAndDisplayOrder) {
  testdata::ExpectRoutineCases("competition/evaluate.txt", {{"Evaluate", Evaluated}});
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
  for (const char* words : {"name=A time1=1001", "name=B time1=1005", "name=C time1=500 flags=2"})
    ak->Insert(new TTeilnehmer(Participant(words)));
  ak->Evaluate();
  const TRekord k = ak->Rekord(3);
  EXPECT_EQ(std::tuple(ak->Rekord(1).BestTime(), ak->Overall().BestTotal(), k.RecordTime(), k.RecordDeduction(),
                       k.Holder(), k.Number(), k.Text(), k.Reserved(), k.Bytes()[TRekord::kOffText + 1],
                       ak->Overall().RecordTotal(), ak->Overall().Number()),
            std::tuple(1005, 90000, 5000, 2, "Halter", 0, "", 0, 'a', 12345, uint16_t{0}));
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

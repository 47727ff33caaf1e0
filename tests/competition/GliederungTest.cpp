// The stored record is pinned with the whole result file (ResultFileTest),
// the rebuild from a competition with the competition's statistics.
#include <gtest/gtest.h>

#include <clocale>
#include <climits>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "AkTestSupport.h"
#include "VkGlied.h"

namespace {

using Ints = std::vector<int64_t>;

// Participants, gold, silver, bronze, trophy points, total.
TGliederung* Item(const std::string& abk, Ints v) {
  auto* g = new TGliederung;
  g->SetAbk(abk), g->SetParticipants(int16_t(v[0])), g->SetGold(int16_t(v[1])), g->SetSilver(int16_t(v[2]));
  g->SetBronze(int16_t(v[3])), g->SetTrophyPoints(int16_t(v[4])), g->SetTotal(int32_t(v[5]));
  return g;
}

// DLRG "Bezirk Nord" and ZZ, which holds nothing unless a case's fields end in "ZZ <participants> <total>".
std::unique_ptr<TGliederungsListe> Listed(const testdata::Fields& f) {
  auto l = std::make_unique<TGliederungsListe>();
  TGliederung* g = Item("DLRG", {5, 1, 12, 0, 54, 1234});
  g->SetName("Bezirk Nord");
  g->SetPlace(2);
  l->Insert(g);
  const bool zz = f.size() > 4 && f[f.size() - 3] == "ZZ";
  l->Insert(Item("ZZ", {zz ? testdata::Num(f, f.size() - 2) : 0, 0, 0, 0, 0, zz ? testdata::Num(f, f.size() - 1) : 0}));
  return l;
}

}  // namespace

TEST(Gliederung, TrophyPointsByRankAndThe29thOrganisationGetsNothing) {
  TGliederungsListe l;
  uint16_t rank = 1;
  for (int i = 0; i < 30; ++i) l.AddParticipant(aktest::Participant("org=O" + std::to_string(100 + i)), rank);
  l.AddParticipant(aktest::Participant("org=O100"), rank);  // a second one of an organisation earns nothing more
  l.AddParticipant(TTeilnehmer(), rank);                    // counted nowhere
  Ints got, want = {30, 28, 26};
  for (int p = 25; p >= -1; --p) want.push_back(std::max(p, 0));
  for (int i = 0; i < l.GetCount(); ++i) got.push_back(l.At(i)->TrophyPoints());
  EXPECT_EQ(std::tuple(got, rank, l.At(0)->Participants()), std::tuple(want, 31, 2));
}

// Counters held at their limits.
TEST(Gliederung, CountersSaturate) {
  std::unique_ptr<TGliederung> g(Item("A", {INT16_MAX, INT16_MAX, 0, 0, INT16_MAX, INT32_MAX - 1}));
  g->SetTrophyPending(1), g->SetPlaceSum(UINT16_MAX), g->SetPenaltySum(INT32_MAX);
  uint16_t rank = 1;
  g->Add(aktest::Participant("org=A place=1 total=2147483647 ded1=100"), rank);
  EXPECT_EQ((Ints{g->Participants(), g->Gold(), g->TrophyPoints(), g->PlaceSum(), g->Total(), g->PenaltySum()}),
            (Ints{INT16_MAX, INT16_MAX, INT16_MAX, UINT16_MAX, INT32_MAX, INT32_MAX}));
}

// The cases of tests/data/competition/gliederung.txt.
TEST(GliederungsListe, CountingAndReportLines) {
  ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr);
  testdata::ExpectRoutineCases(
      "competition/gliederung.txt",
      {{"Count",
        [](const testdata::Fields& f) {
          TGliederungsListe l;
          uint16_t rank = 1;
          for (const std::string& words : aktest::Split(testdata::Arg(f, 1), "; "))
            l.AddParticipant(aktest::Participant(words), rank);
          std::string out;
          for (int i = 0; i < l.GetCount(); ++i) {
            const TGliederung& g = *l.At(i);
            out += (i ? "; " : "") + g.Abk();
            for (int64_t v : {int64_t{g.Participants()}, int64_t{g.Gold()}, int64_t{g.Silver()}, int64_t{g.Bronze()},
                              int64_t{g.TrophyPoints()}, int64_t{g.PlaceSum()}, int64_t{g.Total()},
                              int64_t{g.PenaltySum()}})
              out += " " + std::to_string(v);
          }
          return out;
        }},
       {"ReportLine",
        [](const testdata::Fields& f) {
          return aktest::Text(Listed(f)->ReportLine(uint8_t(testdata::Num(f, 1)), int(testdata::Num(f, 2))));
        }},
       {"Sort",
        [](const testdata::Fields& f) {
          TGliederungsListe l;
          for (TGliederung* g : {Item("D", {4, 1, 2, 3, 10, 300}), Item("B", {9, 1, 2, 3, 40, 100}),
                                 Item("A", {1, 1, 2, 2, 20, 200}), Item("C", {5, 1, 2, 3, 30, 400})})
            l.Insert(g);
          l.SetSortMode(uint8_t(testdata::Num(f, 1)));
          l.Sort();
          l.AssignPlaces();
          std::string got;
          for (int i = 0; i < l.GetCount(); ++i) got += l.At(i)->Abk() + std::to_string(l.At(i)->Place()) + " ";
          return got.substr(0, got.size() - 1);
        }},
       {"OwnMode", [](const testdata::Fields& f) {
          auto l = Listed(f);
          l->SetSortMode(4);
          return aktest::Text(l->ReportLineOwnMode(int(testdata::Num(f, 1))));
        }}});
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

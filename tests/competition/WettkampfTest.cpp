#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

#include "AkTestSupport.h"
#include "LoadSeeds.h"
#include "VkWettk.h"

TEST(Wettkampf, LanesAndStationsClampTheStoredIndex) {
  TWettkampf w;
  for (auto [index, want] : {std::pair{0, 3}, {2, 5}, {7, 10}, {8, 10}, {0xFFFF, 10}}) {
    TWettkampfDaten h = w.Header();
    h.SetLanesIndex(uint16_t(index)), h.SetCprStationsIndex(uint16_t(index)), w.SetHeader(h);
    EXPECT_EQ(std::pair(w.LanesPerHeat(), w.CprStations()), std::pair(want, want)) << index;
  }
}

TEST(Wettkampf, DeepCopySharesNothingAndHasEmptySelection) {
  auto src = vkseeds::FullCompetition();
  src->Selection().Insert(src->At(0)->At(0));
  src->SetMark(1, true);
  src->Gliederungen().SetSortMode(TGliederungsListe::kByTrophy);  // the items stay in their order by name
  const TWettkampf copy(*src);
  const bool sameBytes = vkseeds::Stored(copy) == vkseeds::Stored(*src);
  EXPECT_EQ(std::tuple(copy.Selection().GetCount(), sameBytes, copy.ParticipantCount(), copy.IsMarked(0),
                       copy.IsMarked(1), copy.Gliederungen().SortMode()),
            std::tuple(0, true, 14, false, true, TGliederungsListe::kByTrophy));
  ASSERT_EQ(copy.GetCount(), src->GetCount());
  for (int i = 0; i < copy.GetCount(); ++i) {
    EXPECT_NE(copy.At(i), src->At(i));
    for (int j = 0; j < copy.At(i)->GetCount(); ++j) EXPECT_NE(copy.At(i)->At(j), src->At(i)->At(j));
  }
  EXPECT_NE(copy.Gliederungen().At(0), src->Gliederungen().At(0));
  EXPECT_NE(copy.OrganListe().At(0), src->OrganListe().At(0));
}

TEST(Wettkampf, MarksGuardTheIndex) {
  auto w = vkseeds::FullCompetition();
  const auto marks = [&] {  // one place before and after the classes
    std::string s;
    for (int i = -1; i <= w->GetCount(); ++i) s += w->IsMarked(i) ? '1' : '0';
    return s;
  };
  w->SetAllMarks(false);
  for (int i : {-1, int{w->GetCount()}, 1000, 1}) w->SetMark(i, true);
  EXPECT_EQ(marks(), "001000");
  w->SetAllMarks(true);
  EXPECT_EQ(marks(), "011110");
  w->MarkCprClasses();  // the two AK 12 classes have CPR
  EXPECT_EQ(marks(), "011000");
}

// The cases of tests/data/competition/wettkampf.txt.
TEST(Wettkampf, FindWrapsAndEnds) {
  testdata::ExpectRoutineCases("competition/wettkampf.txt", {{"Find", [](const testdata::Fields& f) {
                                 auto w = f[1] == "empty" ? std::make_unique<TWettkampf>() : vkseeds::FullCompetition();
                                 TWettkampfDaten h = w->Header();
                                 h.SetKind(f[1] == "teams" ? TWettkampfDaten::kTeams : h.Kind());
                                 w->SetHeader(h);
                                 int row = int(testdata::Num(f, 4)), cls = int(testdata::Num(f, 5));
                                 const TTeilnehmer* t =
                                     w->FindParticipant(testdata::Arg(f, 2), uint8_t(testdata::Num(f, 3)), row, cls);
                                 if (t == nullptr) return std::string("nil");
                                 const std::string at = w->At(cls)->At(row) == t ? "@" : "(not at) @";
                                 return t->Name(true) + at + std::to_string(cls) + "," + std::to_string(row);
                               }}});
}

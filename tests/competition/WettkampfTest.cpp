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

// Classes in order: AK 12 w (6), AK 12 m (5), AK 13/14 m (3), Offen w (0).
TEST(Wettkampf, FindWrapsAndEnds) {
  auto w = vkseeds::FullCompetition();
  auto find = [&](const std::string& text, uint8_t options, int row, int cls) {
    const TTeilnehmer* t = w->FindParticipant(text, options, row, cls);
    if (t == nullptr) return std::string("nil");
    EXPECT_EQ(w->At(cls)->At(row), t);
    return t->Name(true) + "@" + std::to_string(cls) + "," + std::to_string(row);
  };
  const std::string last = w->At(2)->At(2)->Name(true);
  const std::string first = w->At(0)->At(0)->Name(true);
  const struct { std::string text; uint8_t options; int row, cls; std::string want; } cases[] = {
      {last, 1, 0, 0, last + "@2,2"},       // backward from the very start wraps to the end
      {first, 0, 2, 2, first + "@0,0"},     // forward from the last participant wraps
      {first, 0, 5000, 0, first + "@0,0"},  // far behind a class: after its last row
      {last, 1, -5000, 0, last + "@2,2"},
      {first, 0, 3, 99, first + "@0,0"},    // a class outside the competition means class 0
      {"kein Treffer", 0, 1000, -7, "nil"},
  };
  for (const auto& c : cases) EXPECT_EQ(find(c.text, c.options, c.row, c.cls), c.want) << c.row << "," << c.cls;

  // Forward from the only match: every other position first, the match last.
  int row = 0, cls = 0;
  EXPECT_EQ(w->FindParticipant(first, 0, row, cls), w->At(0)->At(0));
  EXPECT_EQ(TWettkampf().FindParticipant("x", 0, row, cls), nullptr);

  // Individual competitions look at the first names too (option 8 added).
  const std::string vorname = w->At(1)->At(0)->Vorname();
  EXPECT_EQ(find(vorname, 0, 5, 0), w->At(1)->At(0)->Name(true) + "@1,0");
  TWettkampfDaten h = w->Header();
  h.SetKind(TWettkampfDaten::kTeams), w->SetHeader(h);
  EXPECT_EQ(find(vorname, 0, 5, 0), "nil");
}

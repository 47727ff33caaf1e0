#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>

#include "LoadSeeds.h"
#include "VkWettk.h"

// Whatever disposes participants leaves a selection of everyone holding
// exactly the survivors. Every entry is read, so under ASan an entry left
// pointing at a disposed participant fails.
TEST(SelectionTest, HoldsOnlyLivingParticipantsAfterEveryDisposal) {
  const std::pair<std::function<void(TWettkampf&)>, size_t> cases[] = {
      {[](TWettkampf& w) { w.At(0)->AtFree(0); }, 15},             // delete
      {[](TWettkampf& w) { w.At(1)->Free(w.At(1)->At(2)); }, 15},  // cut
      {[](TWettkampf& w) { w.Strike(1); }, 14},                    // strike (the two empty ones)
      {[](TWettkampf& w) { w.Qualify(2, 0); }, 6},                 // qualification
      {[](TWettkampf& w) { w.AtFree(0); }, 8},                     // class deletion
  };
  for (const auto& [dispose, survivors] : cases) {
    auto w = vkseeds::FullCompetition();
    for (int i = 0; i < 2; ++i) w->At(0)->Add(std::make_unique<TTeilnehmer>());
    w->SetAllMarks(true);
    w->SelectMarked();
    dispose(*w);
    std::multiset<std::string> living, selected;
    for (int i = 0; i < w->GetCount(); ++i)
      for (int j = 0; j < w->At(i)->GetCount(); ++j) living.insert(w->At(i)->At(j)->Name(true));
    for (int i = 0; i < w->Selection().GetCount(); ++i) selected.insert(w->Selection().At(i)->Name(true));
    EXPECT_EQ(std::pair(selected, living.size()), std::pair(living, survivors)) << survivors;
  }
}

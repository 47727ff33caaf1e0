#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "VkRekord.h"

// The organ list, which only carries its entries, is pinned with the whole
// result file (ResultFileTest); the record list is never stored.
TEST(RekordListe, KeyDescendingPrefixAfterThenByteDescending) {
  TRekordListe l;
  TRekordEintrag::Block block{};
  block[89] = 0x5A;
  using Keys = std::vector<std::pair<std::string, int>>;
  for (const auto& [key, code] :
       Keys{{"Ab", 1}, {"A", 9}, {"\x81", 0}, {"Ab", 3}, {"B", 0}, {"A", 9}, {std::string(40, 'Z'), 2}})
    l.Insert(new TRekordEintrag(key, static_cast<uint8_t>(code), block));
  const Keys want = {{"\x81", 0}, {std::string(30, 'Z'), 2}, {"B", 0}, {"Ab", 3}, {"Ab", 1}, {"A", 9}, {"A", 9}};
  TRekordListe copy(l);
  for (const TRekordListe* list : {&l, &copy}) {
    Keys got;
    for (int i = 0; i < list->GetCount(); ++i) {
      got.emplace_back(list->At(i)->Key(), list->At(i)->Code());
      EXPECT_EQ(list->At(i)->Rekord(), block);
    }
    EXPECT_EQ(got, want);
  }
}

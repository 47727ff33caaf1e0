#include <gtest/gtest.h>

#include <vector>

#include "VkSpalten.h"

using namespace VkSpalten;

// Every grid position in order: the discipline's place and column 8 are never shown.
TEST(Spalten, ListIndexToColumn) {
  std::vector<int16_t> individual = {1, 2, 3, 4, 5, 6}, team = {1, 2, 3, 7};
  for (auto* lead : {&individual, &team}) {
    for (int16_t d = 0; d < 6; ++d)
      for (int16_t k = 0; k < 5; ++k) lead->push_back(static_cast<int16_t>(10 + 6 * d + k));
    lead->push_back(45);
  }
  for (bool ind : {true, false}) {
    const auto& want = ind ? individual : team;
    for (int16_t pos = -2; pos < 40; ++pos)
      EXPECT_EQ(ListIndexToColumn(pos, ind), pos >= 0 && pos < int(want.size()) ? want[pos] : -1) << pos << " " << ind;
    EXPECT_EQ(ListIndexToColumn(1000, ind), -1);
  }
}

TEST(Spalten, ColumnWidthAndDisciplineColumns) {
  const int16_t lead[] = {0, 4, 8, 6, 2, 20, 20, 30, 21}, discipline[] = {4, 7, 4, 8, 5, 5};
  for (int16_t c = 0; c <= 8; ++c) EXPECT_EQ(ColumnWidth(c), lead[c]) << c;
  for (int16_t c = 9; c <= 44; ++c) EXPECT_EQ(ColumnWidth(c), discipline[(c - 9) % 6]) << c;
  for (auto [c, w] : {std::pair<int16_t, int16_t>{45, 8}, {46, 0}, {-1, 0}, {32767, 0}}) EXPECT_EQ(ColumnWidth(c), w) << c;

  EXPECT_EQ(DisciplineColumn(1, DisciplineField::Place), 9);
  EXPECT_EQ(DisciplineColumn(6, DisciplineField::Lane), 44);
  int d = 0;
  DisciplineField f = DisciplineField::Place;
  ASSERT_TRUE(SplitDisciplineColumn(42, d, f));
  EXPECT_EQ(std::pair(d, f), std::pair(6, DisciplineField::Points));
  EXPECT_FALSE(SplitDisciplineColumn(8, d, f));
  EXPECT_FALSE(SplitDisciplineColumn(45, d, f));
}

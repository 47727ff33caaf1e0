#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "VkSpalten.h"

using namespace VkSpalten;

// Every grid position in order: the discipline's place and column 8 are never shown.
TEST(Spalten, ListIndexToColumn) {
  const std::string disciplines = "10 11 12 13 14 16 17 18 19 20 22 23 24 25 26 28 29 30 31 32 "
                                  "34 35 36 37 38 40 41 42 43 44 45";
  for (auto [individual, want] : {std::pair(true, "1 2 3 4 5 6 " + disciplines),
                                  std::pair(false, "1 2 3 7 " + disciplines)}) {
    std::string got;
    for (int16_t pos = 0; ListIndexToColumn(pos, individual) != -1; ++pos)
      got += (pos ? " " : "") + std::to_string(ListIndexToColumn(pos, individual));
    EXPECT_EQ(got, want) << individual;
    EXPECT_EQ(std::pair(ListIndexToColumn(-1, individual), ListIndexToColumn(1000, individual)),
              (std::pair<int16_t, int16_t>(-1, -1)));
  }
}

TEST(Spalten, ColumnWidthAndDisciplineColumns) {
  const int16_t lead[] = {0, 4, 8, 6, 2, 20, 20, 30, 21};
  const int16_t discipline[] = {4, 7, 4, 8, 5, 5};
  for (int16_t c = 0; c <= 8; ++c) EXPECT_EQ(ColumnWidth(c), lead[c]) << c;
  for (int16_t c = 9; c <= 44; ++c) EXPECT_EQ(ColumnWidth(c), discipline[(c - 9) % 6]) << c;
  for (auto [c, w] : {std::pair<int16_t, int16_t>{45, 8}, {46, 0}, {-1, 0}, {32767, 0}})
    EXPECT_EQ(ColumnWidth(c), w) << c;

  EXPECT_EQ(std::pair(DisciplineColumn(1, DisciplineField::Place), DisciplineColumn(6, DisciplineField::Lane)),
            (std::pair<int16_t, int16_t>(9, 44)));
  int d = 0;
  DisciplineField f = DisciplineField::Place;
  ASSERT_TRUE(SplitDisciplineColumn(42, d, f));
  EXPECT_EQ(std::pair(d, f), std::pair(6, DisciplineField::Points));
  EXPECT_FALSE(SplitDisciplineColumn(8, d, f));
  EXPECT_FALSE(SplitDisciplineColumn(45, d, f));
}

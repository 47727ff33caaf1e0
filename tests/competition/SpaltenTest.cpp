#include <gtest/gtest.h>

#include "VkSpalten.h"

using namespace VkSpalten;

TEST(Spalten, ListIndexToColumn) {
  struct Case { int16_t pos; bool individual; int16_t want; };
  const Case cases[] = {
      {0, true, 1},    {1, true, 2},    {2, true, 3},    {3, true, 4},    {4, true, 5},  {5, true, 6},
      {6, true, 10},   {7, true, 11},   {8, true, 12},   {9, true, 13},   {10, true, 14},
      {11, true, 16},  {15, true, 20},  {31, true, 40},  {35, true, 44},  {36, true, 45},
      {37, true, -1},  {-1, true, -1},  {1000, true, -1},
      {0, false, 1},   {1, false, 2},   {2, false, 3},   {3, false, 7},   {4, false, 10},
      {8, false, 14},  {9, false, 16},  {29, false, 40}, {33, false, 44}, {34, false, 45},
      {35, false, -1}, {36, false, -1}, {-5, false, -1},
  };
  for (const Case& c : cases) EXPECT_EQ(ListIndexToColumn(c.pos, c.individual), c.want) << c.pos << " " << c.individual;
}

TEST(Spalten, GridNeverShowsZusatzNorDisciplinePlaces) {
  for (bool individual : {true, false}) {
    for (int16_t pos = 0; pos < 40; ++pos) {
      const int16_t col = ListIndexToColumn(pos, individual);
      EXPECT_NE(col, kColZusatz);
      int d;
      DisciplineField field;
      if (SplitDisciplineColumn(col, d, field)) {
        EXPECT_NE(field, DisciplineField::Place) << pos;
      }
    }
  }
}

TEST(Spalten, ColumnWidth) {
  struct Case { int16_t column; int16_t want; };
  const Case cases[] = {
      {0, 0},  {1, 4},  {2, 8},  {3, 6},  {4, 2},  {5, 20}, {6, 20}, {7, 30}, {8, 21},
      {9, 4},  {10, 7}, {11, 4}, {12, 8}, {13, 5}, {14, 5}, {15, 4}, {39, 4}, {40, 7},
      {41, 4}, {42, 8}, {43, 5}, {44, 5}, {45, 8}, {46, 0}, {-1, 0}, {32767, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(ColumnWidth(c.column), c.want) << c.column;
}

TEST(Spalten, DisciplineColumns) {
  EXPECT_EQ(DisciplineColumn(1, DisciplineField::Place), 9);
  EXPECT_EQ(DisciplineColumn(2, DisciplineField::Time), 16);
  EXPECT_EQ(DisciplineColumn(6, DisciplineField::Lane), 44);
  int d = 0;
  DisciplineField f = DisciplineField::Place;
  ASSERT_TRUE(SplitDisciplineColumn(42, d, f));
  EXPECT_EQ(d, 6);
  EXPECT_EQ(f, DisciplineField::Points);
  EXPECT_FALSE(SplitDisciplineColumn(8, d, f));
  EXPECT_FALSE(SplitDisciplineColumn(45, d, f));
}

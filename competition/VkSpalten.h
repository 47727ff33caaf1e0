// The column numbers of the participant table, shared by the participant's
// cell texts, the main window's grid and the exports.
//
// A participant knows 45 numbered columns (1..45): eight identity columns,
// six per discipline (place, time, deduction, points, heat, lane) and the
// CPR value. `ColumnWidth` gives each column's display width in characters;
// `ListIndexToColumn` maps a grid position (from 0) to the column the grid
// shows there, which differs between individual and team competitions.
// Pure functions over constants; nothing is owned.
#pragma once

#include <cstdint>

namespace VkSpalten {

constexpr int16_t kColumnCount = 45;

constexpr int16_t kColPlace = 1;
constexpr int16_t kColTotal = 2;
constexpr int16_t kColGliederung = 3;
constexpr int16_t kColBirthYear = 4;
constexpr int16_t kColName = 5;      // individual competition: family name
constexpr int16_t kColVorname = 6;
constexpr int16_t kColTeamName = 7;  // team competition: the team's name
constexpr int16_t kColZusatz = 8;
constexpr int16_t kColCpr = 45;

// The six columns of one discipline, in column order.
enum class DisciplineField : int16_t { Place = 0, Time = 1, Deduction = 2, Points = 3, Heat = 4, Lane = 5 };

constexpr int16_t kFirstDisciplineColumn = 9;
constexpr int16_t kLastDisciplineColumn = 44;
constexpr int16_t kColumnsPerDiscipline = 6;

// The column of `field` of discipline d (1..6).
constexpr int16_t DisciplineColumn(int d, DisciplineField field) {
  return static_cast<int16_t>(kFirstDisciplineColumn + kColumnsPerDiscipline * (d - 1) +
                              static_cast<int16_t>(field));
}

// For a discipline column (9..44): its discipline 1..6 and field. Returns
// false for every other column.
bool SplitDisciplineColumn(int16_t column, int& d, DisciplineField& field);

}  // namespace VkSpalten

// Width in characters of a column; 0 for 0, negative numbers and numbers
// above 45.
int16_t ColumnWidth(int16_t column);

// The column shown at grid position `position` (from 0) in an individual
// (`individual` true) or a team competition; -1 when the position shows none.
// Column 8 and the disciplines' places are never shown.
int16_t ListIndexToColumn(int16_t position, bool individual);

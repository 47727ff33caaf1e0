#include "VkSpalten.h"

namespace VkSpalten {

bool SplitDisciplineColumn(int16_t column, int& d, DisciplineField& field) {
  if (column < kFirstDisciplineColumn || column > kLastDisciplineColumn) return false;
  const int rel = column - kFirstDisciplineColumn;
  d = rel / kColumnsPerDiscipline + 1;
  field = static_cast<DisciplineField>(rel % kColumnsPerDiscipline);
  return true;
}

}  // namespace VkSpalten

using namespace VkSpalten;

int16_t ColumnWidth(int16_t column) {
  switch (column) {
    case kColPlace: return 4;
    case kColTotal: return 8;
    case kColGliederung: return 6;
    case kColBirthYear: return 2;
    case kColName: return 20;
    case kColVorname: return 20;
    case kColTeamName: return 30;
    case kColZusatz: return 21;
    case kColCpr: return 8;
    default: break;
  }
  int d;
  DisciplineField field;
  if (!SplitDisciplineColumn(column, d, field)) return 0;
  switch (field) {
    case DisciplineField::Place: return 4;
    case DisciplineField::Time: return 7;
    case DisciplineField::Deduction: return 4;
    case DisciplineField::Points: return 8;
    case DisciplineField::Heat: return 5;
    case DisciplineField::Lane: return 5;
  }
  return 0;
}

int16_t ListIndexToColumn(int16_t position, bool individual) {
  static constexpr int16_t kLeadIndividual[] = {kColPlace, kColTotal, kColGliederung,
                                                kColBirthYear, kColName, kColVorname};
  static constexpr int16_t kLeadTeam[] = {kColPlace, kColTotal, kColGliederung, kColTeamName};
  const int16_t leading = individual ? 6 : 4;
  if (position < 0) return -1;
  if (position < leading) return individual ? kLeadIndividual[position] : kLeadTeam[position];

  // Five positions per discipline: time, deduction, points, heat, lane (the
  // discipline's place is not shown, hence the shift by one column).
  const int rel = position - leading;
  if (rel < 6 * 5) {
    const int d = rel / 5 + 1;
    const int k = rel % 5;
    return static_cast<int16_t>(DisciplineColumn(d, DisciplineField::Time) + k);
  }
  if (rel == 6 * 5) return kColCpr;
  return -1;
}

#include "RuleBookTables.h"

namespace presets {

ResolvedTemplate Convert2007(const Template07Row& t, bool female, int group, uint16_t ruleCode) {
  const int32_t* times = female ? t.female : t.male;
  // The converted template carries the first five groups' times; the group's
  // own time then replaces V1, so a masters class (group 6) scores with a
  // time that is not among V2 .. V5.
  ResolvedTemplate r{t.name, t.kind, {times[0], times[1], times[2], times[3], times[4]}, ruleCode};
  r.v[0] = times[group - 1];
  return r;
}

ResolvedTemplate ResolveSlot(const RuleBook& book, const ClassRow& row, int slot) {
  const uint8_t index = row.templ[slot];
  if (book.UsesReferenceTimes()) return Convert2007(book.templates07[index], row.IsFemale(), row.group, book.ruleCode);
  const TemplateRow& t = book.templates[index];
  return {t.name, t.kind, {t.v[0], t.v[1], t.v[2], t.v[3], t.v[4]}, book.ruleCode};
}

}  // namespace presets

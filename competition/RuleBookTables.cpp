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

}  // namespace presets

// The 2007 discipline template and its conversion into a discipline record.
//
// Rule book 2007 keeps one template per discipline for both sexes and all age
// groups: a reference time per sex for each of six age groups (1 AK 10 and
// AK 12, 2 AK 13/14, 3 AK 15/16, 4 AK 17/18, 5 open class, 6 every masters
// class). A discipline record is made from it for one sex and one group.
//
// The templates are the constant rows of VkVorg07 (static storage, names in
// UTF-8); the conversion puts the name into the DOS code page. Nothing here
// owns anything beyond the record the caller passes in.
#pragma once

#include <cstdint>

#include "CodePage.h"
#include "RuleBookTables.h"
#include "VkDisz.h"

using TDisziplinVorlage07 = presets::Template07Row;

// A constant template row (UTF-8 name, kind, V1 .. V5) as the template the
// discipline builder takes, with the name in the DOS code page.
template <class Row>
TDisziplinVorlage ToVorlage(const Row& r) {
  return TDisziplinVorlage{Oem(r.name), r.kind, r.v[0], r.v[1], r.v[2], r.v[3], r.v[4]};
}

// Name, kind, V1 .. V5 (the sex's reference times of groups 1 .. 5), the
// kind's formula text, the rule code and its description, over whatever `d`
// held (start from an empty record).
void ConvertDisz2007(TDisziplin& d, const TDisziplinVorlage07& t, bool female, uint16_t ruleCode);

// ConvertDisz2007, then V1 := the reference time of the age group, so the
// discipline scores with the group's time while V2 .. V5 keep the sex's
// times of groups 2 .. 5. A group outside 1 .. 6 names no time and leaves V1
// as converted.
void SetDisz2007(TDisziplin& d, const TDisziplinVorlage07& t, bool female, int group, uint16_t ruleCode);

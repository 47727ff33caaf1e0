// Rule book 1999: its templates and the presets built from them.
//
// Constant data with static storage (see RuleBookTables.h for the row types
// and what a caller must know); each builder entry below stands for the
// builder procedure of the same name.
#pragma once

#include "RuleBookTables.h"

namespace presets {

extern const RuleBook kRuleBook1999;

extern const BuilderEntry BuildRules1999YouthSingles;
extern const BuilderEntry BuildRules1999YouthRelays;
extern const BuilderEntry BuildRules1999MastersSingles;
extern const BuilderEntry BuildRules1999MastersRelays;
extern const BuilderEntry BuildRules1999YouthSinglesAK10;
extern const BuilderEntry BuildRules1999YouthRelaysAK10;

}  // namespace presets

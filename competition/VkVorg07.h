// Rule book 2007: its templates and the presets built from them.
//
// Constant data with static storage (see RuleBookTables.h for the row types
// and what a caller must know); each builder entry below stands for the
// builder procedure of the same name.
#pragma once

#include "RuleBookTables.h"

namespace presets {

extern const RuleBook kRuleBook2007;

extern const BuilderEntry BuildRules2007YouthSingles;
extern const BuilderEntry BuildRules2007YouthRelays;
extern const BuilderEntry BuildRules2007MastersSingles;
extern const BuilderEntry BuildRules2007MastersRelays;
extern const BuilderEntry BuildRules2007YouthSinglesAK10;
extern const BuilderEntry BuildRules2007YouthRelaysAK10;

}  // namespace presets

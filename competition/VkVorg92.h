// Rule book 1992: its templates and the presets built from them.
//
// Constant data with static storage (see RuleBookTables.h for the row types
// and what a caller must know); each builder entry below stands for the
// builder procedure of the same name.
#pragma once

#include "RuleBookTables.h"

namespace presets {

extern const RuleBook kRuleBook1992;

extern const BuilderEntry BuildRules1992Singles;
extern const BuilderEntry BuildRules1992Relays;
extern const BuilderEntry BuildRules1992PupilsSingles;
extern const BuilderEntry BuildRules1992PupilsRelays;
extern const BuilderEntry BuildRules1992SinglesSplit;

}  // namespace presets

// Rule book 1995: its templates and the presets built from them.
//
// Constant data with static storage (see RuleBookTables.h for the row types
// and what a caller must know); each builder entry below stands for the
// builder procedure of the same name.
#pragma once

#include "RuleBookTables.h"

namespace presets {

extern const RuleBook kRuleBook1995;

extern const BuilderEntry BuildRules1995Singles;
extern const BuilderEntry BuildRules1995Relays;
extern const BuilderEntry BuildRules1995SeniorsSingles;
extern const BuilderEntry BuildRules1995SeniorsRelays;
extern const BuilderEntry BuildRules1995SinglesSplit;
extern const BuilderEntry BuildRules1995RelaysSplit;

}  // namespace presets

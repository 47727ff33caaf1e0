// A new competition from a rule-set code and the competition year.
//
// The code names one rule-book preset, or two in a row for the combined
// codes (RuleSetCodes.h); the presets add their age classes and set the kind
// of event, and every birth year is then moved from the base year 1990 to the
// competition year. Codes that name no preset (18, 19 and any other) add
// nothing, and the shift still runs (over no classes).
#pragma once

#include <memory>

class TWettkampf;

// Runs the presets of `code` on `w`, then adds (year - 1990) to both birth
// years of every age class of `w`, including classes that were there before.
void ApplyRuleSet(TWettkampf& w, int code, int year);

// A new competition (the header defaults of a new `TWettkampf`, apart from
// the kind of event the presets set) filled by ApplyRuleSet. The caller owns
// the result.
std::unique_ptr<TWettkampf> NewCompetition(int code, int year);

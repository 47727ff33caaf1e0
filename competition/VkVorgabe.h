// The builder scheme every rule-book preset follows, and the builders by name.
//
// A preset (RuleBookTables.h) is data: the kind of event it sets and its
// class rows. `RunPreset` turns it into age classes of a competition: it sets
// the kind of event (unless the preset leaves it alone), creates every class,
// fills the discipline slots from the rule book's templates (slots above the
// class's discipline count stay the empty discipline), defines each class,
// gives the classes that need them their counted disciplines and extra
// flags, and inserts them in creation order. The competition keeps them in
// its own order.
//
// Ownership: every class made goes to the competition through
// `TWettkampf::Insert`, which reports and disposes a class equal to one
// already there; a preset never removes or changes a class that was there.
//
// Birth years are those of a competition held in the base year 1990; the
// rule-set dispatcher (VkNeu.h) shifts them to the competition year.
#pragma once

#include "RuleBookTables.h"

class TWettkampf;

void RunPreset(TWettkampf& w, const presets::BuilderEntry& preset);

// Rule book 1999.
void BuildRules1999YouthSingles(TWettkampf& w);
void BuildRules1999YouthRelays(TWettkampf& w);
void BuildRules1999MastersSingles(TWettkampf& w);
void BuildRules1999MastersRelays(TWettkampf& w);
void BuildRules1999YouthSinglesAK10(TWettkampf& w);
void BuildRules1999YouthRelaysAK10(TWettkampf& w);

// Rule book 1995.
void BuildRules1995Singles(TWettkampf& w);
void BuildRules1995Relays(TWettkampf& w);
void BuildRules1995SeniorsSingles(TWettkampf& w);
void BuildRules1995SeniorsRelays(TWettkampf& w);
void BuildRules1995SinglesSplit(TWettkampf& w);
void BuildRules1995RelaysSplit(TWettkampf& w);

// Rule book 1992: the singles presets leave the kind of event as it is, the
// relay presets make it a team competition.
void BuildRules1992Singles(TWettkampf& w);
void BuildRules1992Relays(TWettkampf& w);
void BuildRules1992PupilsSingles(TWettkampf& w);
void BuildRules1992PupilsRelays(TWettkampf& w);
void BuildRules1992SinglesSplit(TWettkampf& w);

// Rule book 2007. The AK 10 variants add AK 10 and a two-year AK 12 in place
// of the four-year AK 12 of the plain youth presets.
void BuildRules2007YouthSingles(TWettkampf& w);
void BuildRules2007YouthRelays(TWettkampf& w);
void BuildRules2007MastersSingles(TWettkampf& w);
void BuildRules2007MastersRelays(TWettkampf& w);
void BuildRules2007YouthSinglesAK10(TWettkampf& w);
void BuildRules2007YouthRelaysAK10(TWettkampf& w);

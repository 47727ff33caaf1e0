// What the choices of a new competition (individual or team, the range of
// age classes, the split of age class 12, the year) make: the rule set and
// the header texts of the new competition.
//
// The kind code is what TFileNewDlg yields: 0 individual / 1 team, + 2 x the
// range (0 youth, 1 seniors, 2 both), + 8 for the split of age class 12.
// Qt-free, so that the document and the tools share it.
#pragma once

#include <cstdint>
#include <memory>

class TWettkampf;

// The rule-set code for a kind code and a competition year. Years before
// 1995 or after 2015, and kind codes from 16 on, give 4 (individual, youth,
// age class 12 split, rule book 1999).
int RuleSetCodeFor(uint16_t kind, uint16_t year);

// The header texts of a new competition: the title "neue Meisterschaft
// <year>", organiser, host, date and venue "-". Kind of event, lanes and
// the rest stay as the rule set left them.
void SetNewCompetitionTexts(TWettkampf& competition, uint16_t year);

// A new competition of that kind for that year, with its header texts. The
// caller owns it.
std::unique_ptr<TWettkampf> NewCompetitionFor(uint16_t kind, uint16_t year);

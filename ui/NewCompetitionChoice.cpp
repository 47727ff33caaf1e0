#include "NewCompetitionChoice.h"

#include <string>

#include "VkNeu.h"
#include "VkWettk.h"

namespace {

constexpr int kDefaultCode = 4;

// Codes by kind (0..15) for the rule books 1995, 1999 and 2007. Seniors with
// the split (10, 11) make what seniors alone make; the kinds the dialog never
// yields (6, 7, 14, 15) make what 4, 5, 12 and 13 make.
constexpr int kCodes[16][3] = {
    {6, 0, 20},          {7, 1, 21},          {8, 2, 22},          {9, 3, 23},
    {1011, 1001, 1021},  {1012, 1002, 1022},  {1011, 1001, 1021},  {1012, 1002, 1022},
    {10, 4, 24},         {11, 5, 25},         {8, 2, 22},          {9, 3, 23},
    {1013, 1003, 1023},  {1014, 1004, 1024},  {1013, 1003, 1023},  {1014, 1004, 1024},
};

}  // namespace

int RuleSetCodeFor(uint16_t kind, uint16_t year) {
  if (kind >= 16) return kDefaultCode;
  int book;
  if (year >= 1995 && year <= 1998)
    book = 0;
  else if (year >= 1999 && year <= 2006)
    book = 1;
  else if (year >= 2007 && year <= 2015)
    book = 2;
  else
    return kDefaultCode;
  return kCodes[kind][book];
}

void SetNewCompetitionTexts(TWettkampf& competition, uint16_t year) {
  TWettkampfDaten h = competition.Header();
  h.SetTitle("neue Meisterschaft " + std::to_string(year));
  h.SetOrganiser("-");
  h.SetHost("-");
  h.SetDate("-");
  h.SetVenue("-");
  competition.SetHeader(h);
}

std::unique_ptr<TWettkampf> NewCompetitionFor(uint16_t kind, uint16_t year) {
  std::unique_ptr<TWettkampf> competition = NewCompetition(RuleSetCodeFor(kind, year), year);
  SetNewCompetitionTexts(*competition, year);
  return competition;
}

#include "VkDisz99.h"

void ConvertDisz2007(TDisziplin& d, const TDisziplinVorlage07& t, bool female, uint16_t ruleCode) {
  // Group 1's conversion leaves V1 .. V5 as the times of groups 1 .. 5.
  BuildDisziplin(d, ToVorlage(presets::Convert2007(t, female, 1, ruleCode)), ruleCode);
}

void SetDisz2007(TDisziplin& d, const TDisziplinVorlage07& t, bool female, int group, uint16_t ruleCode) {
  ConvertDisz2007(d, t, female, ruleCode);
  if (group >= 1 && group <= 6) d.SetV(1, presets::Convert2007(t, female, group, ruleCode).v[0]);
}

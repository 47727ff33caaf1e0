#include "VkDisz99.h"

#include "CodePage.h"

namespace {

// The template as the rule books of 1992 to 1999 hold it, name in the DOS code page.
TDisziplinVorlage Vorlage(const presets::ResolvedTemplate& r) {
  TDisziplinVorlage v;
  v.Name = Oem(r.name);
  v.Kind = r.kind;
  v.V1 = r.v[0];
  v.V2 = r.v[1];
  v.V3 = r.v[2];
  v.V4 = r.v[3];
  v.V5 = r.v[4];
  return v;
}

}  // namespace

void ConvertDisz2007(TDisziplin& d, const TDisziplinVorlage07& t, bool female, uint16_t ruleCode) {
  // Group 1's conversion leaves V1 .. V5 as the times of groups 1 .. 5.
  BuildDisziplin(d, Vorlage(presets::Convert2007(t, female, 1, ruleCode)), ruleCode);
}

void SetDisz2007(TDisziplin& d, const TDisziplinVorlage07& t, bool female, int group, uint16_t ruleCode) {
  ConvertDisz2007(d, t, female, ruleCode);
  if (group >= 1 && group <= 6) d.SetV(1, presets::Convert2007(t, female, group, ruleCode).v[0]);
}

#include "VkNeu.h"

#include "RuleSetCodes.h"
#include "VkVorgabe.h"
#include "VkWettk.h"

void ApplyRuleSet(TWettkampf& w, int code, int year) {
  for (const presets::BuilderEntry* preset : presets::RuleSetBuilders(code)) RunPreset(w, *preset);
  w.ShiftYears(year, presets::kBaseYear);
}

std::unique_ptr<TWettkampf> NewCompetition(int code, int year) {
  auto w = std::make_unique<TWettkampf>();
  ApplyRuleSet(*w, code, year);
  return w;
}

#include "VkVorgabe.h"

#include <memory>
#include <vector>

#include "CodePage.h"
#include "VkAltersk.h"
#include "VkDisz99.h"
#include "VkVorg07.h"
#include "VkVorg92.h"
#include "VkVorg95.h"
#include "VkVorg99.h"
#include "VkWettk.h"

namespace {

using presets::BuilderEntry;
using presets::ClassRow;
using presets::RuleBook;

void FillSlot(TDisziplin& d, const RuleBook& book, const ClassRow& row, int slot) {
  const uint8_t index = row.templ[slot];
  if (book.UsesReferenceTimes()) {
    SetDisz2007(d, book.templates07[index], row.IsFemale(), row.group, book.ruleCode);
    return;
  }
  BuildDisziplin(d, ToVorlage(book.templates[index]), book.ruleCode);
}

}  // namespace

void RunPreset(TWettkampf& w, const BuilderEntry& preset) {
  if (preset.kindOfEvent) {
    TWettkampfDaten header = w.Header();
    header.SetKind(*preset.kindOfEvent);
    w.SetHeader(header);
  }

  std::vector<std::unique_ptr<TAltersklasse>> made;
  made.reserve(preset.classes.size());
  for (size_t i = 0; i < preset.classes.size(); ++i) made.push_back(std::make_unique<TAltersklasse>());

  for (size_t i = 0; i < preset.classes.size(); ++i) {
    const ClassRow& row = preset.classes[i];
    TAltersklasse& ak = *made[i];
    TAltersklasse::Disciplines slots;  // all empty
    for (int s = 0; s < row.count && s < TAltersklasse::kMaxDisciplines; ++s) FillSlot(slots[s], *preset.book, row, s);
    ak.Define(Oem(row.name), row.firstYear, row.lastYear, row.flags, row.count, slots);
    // `Define` counts every discipline; a class that counts only its best
    // results says how many right away.
    if (row.counted != 0) {
      ak.SetCounted(row.counted);
      ak.Evaluate();
    }
  }

  for (size_t i = 0; i < preset.classes.size(); ++i) {
    const ClassRow& row = preset.classes[i];
    // The display flags mean something only where CPR is scored.
    if (row.extraFlags != 0 && made[i]->HasCpr()) {
      made[i]->SetFlags(made[i]->Flags() | row.extraFlags);
      made[i]->Evaluate();
    }
    w.Add(std::move(made[i]));
  }
}

void BuildRules1999YouthSingles(TWettkampf& w) { RunPreset(w, presets::BuildRules1999YouthSingles); }
void BuildRules1999YouthRelays(TWettkampf& w) { RunPreset(w, presets::BuildRules1999YouthRelays); }
void BuildRules1999MastersSingles(TWettkampf& w) { RunPreset(w, presets::BuildRules1999MastersSingles); }
void BuildRules1999MastersRelays(TWettkampf& w) { RunPreset(w, presets::BuildRules1999MastersRelays); }
void BuildRules1999YouthSinglesAK10(TWettkampf& w) { RunPreset(w, presets::BuildRules1999YouthSinglesAK10); }
void BuildRules1999YouthRelaysAK10(TWettkampf& w) { RunPreset(w, presets::BuildRules1999YouthRelaysAK10); }

void BuildRules1995Singles(TWettkampf& w) { RunPreset(w, presets::BuildRules1995Singles); }
void BuildRules1995Relays(TWettkampf& w) { RunPreset(w, presets::BuildRules1995Relays); }
void BuildRules1995SeniorsSingles(TWettkampf& w) { RunPreset(w, presets::BuildRules1995SeniorsSingles); }
void BuildRules1995SeniorsRelays(TWettkampf& w) { RunPreset(w, presets::BuildRules1995SeniorsRelays); }
void BuildRules1995SinglesSplit(TWettkampf& w) { RunPreset(w, presets::BuildRules1995SinglesSplit); }
void BuildRules1995RelaysSplit(TWettkampf& w) { RunPreset(w, presets::BuildRules1995RelaysSplit); }

void BuildRules1992Singles(TWettkampf& w) { RunPreset(w, presets::BuildRules1992Singles); }
void BuildRules1992Relays(TWettkampf& w) { RunPreset(w, presets::BuildRules1992Relays); }
void BuildRules1992PupilsSingles(TWettkampf& w) { RunPreset(w, presets::BuildRules1992PupilsSingles); }
void BuildRules1992PupilsRelays(TWettkampf& w) { RunPreset(w, presets::BuildRules1992PupilsRelays); }
void BuildRules1992SinglesSplit(TWettkampf& w) { RunPreset(w, presets::BuildRules1992SinglesSplit); }

void BuildRules2007YouthSingles(TWettkampf& w) { RunPreset(w, presets::BuildRules2007YouthSingles); }
void BuildRules2007YouthRelays(TWettkampf& w) { RunPreset(w, presets::BuildRules2007YouthRelays); }
void BuildRules2007MastersSingles(TWettkampf& w) { RunPreset(w, presets::BuildRules2007MastersSingles); }
void BuildRules2007MastersRelays(TWettkampf& w) { RunPreset(w, presets::BuildRules2007MastersRelays); }
void BuildRules2007YouthSinglesAK10(TWettkampf& w) { RunPreset(w, presets::BuildRules2007YouthSinglesAK10); }
void BuildRules2007YouthRelaysAK10(TWettkampf& w) { RunPreset(w, presets::BuildRules2007YouthRelaysAK10); }

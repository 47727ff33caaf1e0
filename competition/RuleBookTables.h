// The rule-book presets as constant data.
//
// A rule book (1992, 1995, 1999, 2007) is a table of discipline templates plus
// the age classes of its presets. Each preset is a `BuilderEntry` named after
// the builder procedure it stands for (`BuildRules1999YouthSingles` ...): the
// kind of event it sets and its class rows in creation order, each row with
// name, birth years, flags and the templates of its discipline slots. One
// generic engine turns a builder's rows into age classes; nothing here knows
// the age class or the competition.
//
// Ownership: every table has static storage and is never freed; pointers and
// spans into it stay valid for the life of the program.
//
// What a caller must know:
// - Texts are UTF-8 literals in readable German; convert them to the DOS code
//   page before they go into a record.
// - Birth years are those of a competition held in the base year 1990; the
//   caller shifts them to the competition year (RuleSetCodes.h).
// - Slots 0 .. count-1 of a row are filled from templates (`ResolveSlot`);
//   slots count .. 5 take the all-zero empty discipline.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace presets {

inline constexpr int kSlots = 6;                     // discipline slots of an age class
inline constexpr std::size_t kTemplateNameMax = 55;  // template name, characters
inline constexpr std::size_t kDisciplineNameMax = 80;
inline constexpr std::size_t kClassNameMax = 30;     // `Define` cuts longer names

// Age-class flag bits the presets set.
inline constexpr uint16_t kFlagFemale = 1;
inline constexpr uint16_t kFlagCpr = 2;
inline constexpr uint16_t kFlagPlacesNeedCpr = 16;      // discipline places only with CPR value >= 1
inline constexpr uint16_t kFlagDisciplineColumns = 32;  // result lines per discipline

// Formula kinds the presets use.
inline constexpr uint16_t kFormulaQuadraticLinear = 1;
inline constexpr uint16_t kFormulaLinear = 2;

// Kind of event in the competition header.
inline constexpr uint16_t kEventIndividual = 0;
inline constexpr uint16_t kEventTeam = 1;

// One discipline template of rule books 1992, 1995 and 1999 (one row per
// discipline, and per sex where the parameters differ by sex).
struct TemplateRow {
  const char* name;  // at most 55 characters
  uint16_t kind;     // formula kind
  int32_t v[5];      // V1 .. V5
};

// A 2007 template: one row per discipline for both sexes and all age groups.
// Reference times in hundredths of a second for age groups 1 .. 6
// (1 AK 10 and AK 12, 2 AK 13/14, 3 AK 15/16, 4 AK 17/18, 5 open class,
// 6 every masters class); 0 where no preset class of that group and sex
// uses the discipline.
struct Template07Row {
  const char* name;  // at most 55 characters
  uint16_t kind;     // formula kind (1 throughout)
  int32_t female[6];
  int32_t male[6];
};

inline constexpr uint8_t kNoTemplate = 0xFF;

// One age class of a preset.
struct ClassRow {
  const char* name;     // at most 30 characters
  uint16_t firstYear;   // base year 1990
  uint16_t lastYear;
  uint16_t flags;       // handed to `Define`
  uint16_t extraFlags;  // added after `Define`, before insertion (only on CPR classes)
  uint16_t counted;     // disciplines counted in the total, set after `Define`; 0 = `Define`'s own (= count)
  uint8_t group;        // 2007 age group 1 .. 6; 0 in the other rule books
  uint8_t count;        // discipline count 0 .. 6
  uint8_t templ[kSlots];  // index into the rule book's template table; kNoTemplate from `count` on

  constexpr bool IsFemale() const { return (flags & kFlagFemale) != 0; }
};

// One rule book: its rule code and exactly one of the two template tables.
struct RuleBook {
  uint16_t year;      // 1992, 1995, 1999, 2007
  uint16_t ruleCode;  // every discipline of the rule book is built with it
  std::span<const TemplateRow> templates;      // rule books 1992, 1995, 1999
  std::span<const Template07Row> templates07;  // rule book 2007

  constexpr bool UsesReferenceTimes() const { return !templates07.empty(); }
};

// One preset: what the builder of that name does to a competition.
struct BuilderEntry {
  const char* name;  // the builder's name, e.g. "BuildRules1999YouthSingles"
  const RuleBook* book;
  // Set in the header before the classes are made; nothing for a preset that
  // leaves the competition's kind as it is.
  std::optional<uint16_t> kindOfEvent;
  std::span<const ClassRow> classes;  // creation (and insertion) order
};

// What one discipline slot receives: the template to hand to `BuildDisziplin`
// together with the rule code. For rule book 2007 this is already the
// converted template of the class's sex and group: V1 the group's reference
// time, V2 .. V5 the sex's times of groups 2 .. 5 (what `SetDisz2007` leaves).
struct ResolvedTemplate {
  const char* name;
  uint16_t kind;
  int32_t v[5];
  uint16_t ruleCode;
};

// The 2007 conversion for one sex and age group (1 .. 6).
// The caller guarantees 1 <= group <= 6.
ResolvedTemplate Convert2007(const Template07Row& t, bool female, int group, uint16_t ruleCode);

}  // namespace presets

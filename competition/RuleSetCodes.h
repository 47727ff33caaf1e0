// The rule-set codes a new competition is made from, as data.
//
// A code names the preset builders (one, or two for the combined codes) that
// fill an empty competition, in the order they run; the presets hold the
// birth years of a competition held in the base year 1990, so whoever applies
// a code adds YearShift(year) to both birth years of every class afterwards,
// also for codes that run no builder. Codes outside the table (18, 19 and any
// other) run no builder.
//
// Everything returned points into constant tables with static storage.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "RuleBookTables.h"

namespace presets {

inline constexpr int kBaseYear = 1990;

// What to add to a preset's birth years for a competition held in `year`.
constexpr int YearShift(int year) { return year - kBaseYear; }

struct RuleSetEntry {
  int code;
  uint8_t count;                       // builders that run: 1 or 2
  const BuilderEntry* builders[2];     // in the order they run
};

// Every code of the table, ascending.
std::span<const RuleSetEntry> AllRuleSets();

// The builders of `code` in the order they run; empty for a code outside the table.
std::span<const BuilderEntry* const> RuleSetBuilders(int code);

// The kind of event a competition has after `code`'s builders ran, or nothing
// when the code runs no builder or only builders that leave the kind alone
// (the competition keeps its kind).
std::optional<uint16_t> RuleSetKindOfEvent(int code);

// Every builder once, by rule book (1999, 1995, 1992, 2007) in table order.
std::span<const BuilderEntry* const> AllBuilders();

// The builder of that name, or nullptr.
const BuilderEntry* FindBuilder(std::string_view name);

}  // namespace presets

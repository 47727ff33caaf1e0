// The rule-set codes a new competition is made from, as data.
//
// A code names the preset builders (one, or two for the combined codes) that
// fill an empty competition, in the order they run; the presets hold the
// birth years of a competition held in the base year 1990, so whoever applies
// a code adds (year - kBaseYear) to both birth years of every class
// afterwards, also for codes that run no builder. Codes outside the table (18, 19 and any
// other) run no builder.
//
// Everything returned points into constant tables with static storage.
#pragma once

#include <cstdint>
#include <span>

#include "RuleBookTables.h"

namespace presets {

inline constexpr int kBaseYear = 1990;

struct RuleSetEntry {
  int code;
  uint8_t count;                       // builders that run: 1 or 2
  const BuilderEntry* builders[2];     // in the order they run
};

// The builders of `code` in the order they run; empty for a code outside the table.
std::span<const BuilderEntry* const> RuleSetBuilders(int code);

}  // namespace presets

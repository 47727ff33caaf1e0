#include "RuleSetCodes.h"

#include "VkVorg92.h"
#include "VkVorg95.h"
#include "VkVorg99.h"
#include "VkVorg07.h"

namespace presets {
namespace {

constexpr RuleSetEntry One(int code, const BuilderEntry& b) { return {code, 1, {&b, nullptr}}; }
constexpr RuleSetEntry Two(int code, const BuilderEntry& a, const BuilderEntry& b) { return {code, 2, {&a, &b}}; }

// The combined codes run the youth (or pupils to adults) preset first and the
// masters (seniors) preset second; both set the same kind of event.
constinit const RuleSetEntry kRuleSets[] = {
    One(0, BuildRules1999YouthSingles),
    One(1, BuildRules1999YouthRelays),
    One(2, BuildRules1999MastersSingles),
    One(3, BuildRules1999MastersRelays),
    One(4, BuildRules1999YouthSinglesAK10),
    One(5, BuildRules1999YouthRelaysAK10),
    One(6, BuildRules1995Singles),
    One(7, BuildRules1995Relays),
    One(8, BuildRules1995SeniorsSingles),
    One(9, BuildRules1995SeniorsRelays),
    One(10, BuildRules1995SinglesSplit),
    One(11, BuildRules1995RelaysSplit),
    One(12, BuildRules1992Singles),
    One(13, BuildRules1992Relays),
    One(14, BuildRules1992PupilsSingles),
    One(15, BuildRules1992PupilsRelays),
    One(16, BuildRules1992SinglesSplit),
    One(17, BuildRules1992Relays),
    One(20, BuildRules2007YouthSingles),
    One(21, BuildRules2007YouthRelays),
    One(22, BuildRules2007MastersSingles),
    One(23, BuildRules2007MastersRelays),
    One(24, BuildRules2007YouthSinglesAK10),
    One(25, BuildRules2007YouthRelaysAK10),
    Two(1001, BuildRules1999YouthSingles, BuildRules1999MastersSingles),
    Two(1002, BuildRules1999YouthRelays, BuildRules1999MastersRelays),
    Two(1003, BuildRules1999YouthSinglesAK10, BuildRules1999MastersSingles),
    Two(1004, BuildRules1999YouthRelaysAK10, BuildRules1999MastersRelays),
    Two(1011, BuildRules1995Singles, BuildRules1995SeniorsSingles),
    Two(1012, BuildRules1995Relays, BuildRules1995SeniorsRelays),
    Two(1013, BuildRules1995SinglesSplit, BuildRules1995SeniorsSingles),
    Two(1014, BuildRules1995RelaysSplit, BuildRules1995SeniorsRelays),
    Two(1021, BuildRules2007YouthSingles, BuildRules2007MastersSingles),
    Two(1022, BuildRules2007YouthRelays, BuildRules2007MastersRelays),
    Two(1023, BuildRules2007YouthSinglesAK10, BuildRules2007MastersSingles),
    Two(1024, BuildRules2007YouthRelaysAK10, BuildRules2007MastersRelays),
};

const RuleSetEntry* Find(int code) {
  for (const RuleSetEntry& e : kRuleSets)
    if (e.code == code) return &e;
  return nullptr;
}

}  // namespace

std::span<const BuilderEntry* const> RuleSetBuilders(int code) {
  const RuleSetEntry* e = Find(code);
  if (!e) return {};
  return {e->builders, e->count};
}

}  // namespace presets

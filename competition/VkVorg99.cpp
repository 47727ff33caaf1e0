// Rule book 1999: quadratic-linear scoring against a reference time per sex.
#include "VkVorg99.h"

#include <array>
#include <string_view>

#include "RuleBookRows.h"

namespace presets {
namespace {

using namespace std::string_view_literals;
using rows::Disciplines;

constexpr uint16_t kRuleCode = 9;

// The rule book lists each discipline once with both reference times; the
// template table holds it twice, female row first, because a class takes the
// template of its own sex.
struct Discipline99 {
  const char* name;
  int32_t female;  // V1, hundredths of a second
  int32_t male;
  int32_t v2;
};

constexpr Discipline99 kDisciplines[] = {
    {"50m Hindernisschwimmen", 2700, 2400, 0},
    {"100m Hindernisschwimmen", 6000, 5300, 0},
    {"200m Hindernisschwimmen", 13266, 11776, 0},
    {"50m Freistilschwimmen", 2600, 2300, 0},
    {"50m Retten", 3970, 3320, 0},
    {"50m kombiniertes Schwimmen", 2900, 2600, 0},
    {"50m Retten mit Flossen", 2700, 2400, 0},
    {"100m Retten mit Flossen", 6100, 5213, 0},
    {"50m Flossenschwimmen", 2100, 1800, 0},
    {"25m Schleppen einer Puppe", 2200, 1850, 0},
    {"100m kombiniertes Rettungsschwimmen", 7950, 6778, 0},
    {"4x25m Hindernisstaffel", 5700, 5100, 0},
    {"4x50m Hindernisstaffel", 11400, 10200, 1},
    {"4x25m Rettungsstaffel", 5000, 4400, 1},
    {"4x50m kleine Rettungsstaffel", 13317, 11431, 1},
    {"4x50m Rettungsstaffel", 13317, 11431, 1},
    {"4x25m Gurtretterstaffel", 5600, 5000, 1},
    {"4x50m Gurtretterstaffel", 11287, 9769, 1},
    {"4x25m Puppenstaffel", 9825, 8293, 1},
    {"4x25m Rückenlage-Beinschlag", 6000, 5600, 1},
};

constexpr auto kTemplates = [] {
  std::array<TemplateRow, 2 * std::size(kDisciplines)> t{};
  for (std::size_t i = 0; i < std::size(kDisciplines); ++i) {
    const Discipline99& d = kDisciplines[i];
    t[2 * i] = {d.name, kFormulaQuadraticLinear, {d.female, d.v2, 0, 0, 0}};
    t[2 * i + 1] = {d.name, kFormulaQuadraticLinear, {d.male, d.v2, 0, 0, 0}};
  }
  return t;
}();

constexpr ClassRow Class(const char* name, uint16_t first, uint16_t last, uint16_t flags,
                         Disciplines disciplines) {
  ClassRow r = rows::Blank(name, first, last, flags);
  const bool male = (flags & kFlagFemale) == 0;
  for (std::size_t i = 0; i < disciplines.size(); ++i)
    r.templ[i] = static_cast<uint8_t>(
        2 * rows::IndexOf(std::span<const Discipline99>(kDisciplines), disciplines[i]) + (male ? 1 : 0));
  r.count = static_cast<uint8_t>(disciplines.size());
  return r;
}

// Discipline lists, in slot order.
constexpr std::array kAk12Singles = {"50m Hindernisschwimmen"sv, "50m kombiniertes Schwimmen"sv,
                                     "50m Flossenschwimmen"sv};
constexpr std::array kAk13Singles = {"50m Hindernisschwimmen"sv, "50m Retten"sv, "50m Retten mit Flossen"sv};
constexpr std::array kAk15Singles = {"100m Hindernisschwimmen"sv, "50m Retten"sv, "100m Retten mit Flossen"sv};
constexpr std::array kAk17Singles = {"200m Hindernisschwimmen"sv, "50m Retten"sv, "100m Retten mit Flossen"sv};
constexpr std::array kOpenSingles = {"200m Hindernisschwimmen"sv, "50m Retten"sv, "100m Retten mit Flossen"sv,
                                     "100m kombiniertes Rettungsschwimmen"sv};

constexpr std::array kAk12Relays = {"4x25m Hindernisstaffel"sv, "4x25m Rettungsstaffel"sv,
                                    "4x25m Gurtretterstaffel"sv, "4x25m Rückenlage-Beinschlag"sv};
constexpr std::array kAk13Relays = {"4x50m Hindernisstaffel"sv, "4x50m kleine Rettungsstaffel"sv,
                                    "4x50m Gurtretterstaffel"sv, "4x25m Puppenstaffel"sv};
constexpr std::array kAk17Relays = {"4x50m Hindernisstaffel"sv, "4x50m Rettungsstaffel"sv,
                                    "4x50m Gurtretterstaffel"sv, "4x25m Puppenstaffel"sv};

constexpr std::array kAk25Singles = {"100m Hindernisschwimmen"sv, "50m Retten"sv, "100m Retten mit Flossen"sv};
constexpr std::array kAk35Singles = {"100m Hindernisschwimmen"sv, "50m Retten"sv, "50m Retten mit Flossen"sv};
constexpr std::array kAk40Singles = {"50m Hindernisschwimmen"sv, "50m Retten"sv, "50m Retten mit Flossen"sv};
constexpr std::array kAk50Singles = {"50m Freistilschwimmen"sv, "50m kombiniertes Schwimmen"sv,
                                     "25m Schleppen einer Puppe"sv};

constexpr std::array kAk100Relays = {"4x50m Hindernisstaffel"sv, "4x50m kleine Rettungsstaffel"sv,
                                     "4x50m Gurtretterstaffel"sv, "4x25m Puppenstaffel"sv};
constexpr std::array kAk200Relays = {"4x50m Hindernisstaffel"sv, "4x50m kleine Rettungsstaffel"sv,
                                     "4x50m Gurtretterstaffel"sv};

// Youth classes. AK 12 covers four birth years unless the AK 10 variants
// split it into AK 10 and a two-year AK 12.
constexpr std::array kAk12SinglesClasses = {
    Class("AK 12w", 1978, 1981, 1, kAk12Singles),
    Class("AK 12m", 1978, 1981, 0, kAk12Singles),
};
constexpr std::array kAk12RelaysClasses = {
    Class("AK 12w", 1978, 1981, 1, kAk12Relays),
    Class("AK 12m", 1978, 1981, 0, kAk12Relays),
};

template <typename Pair>
constexpr std::array<ClassRow, 4> SplitAk12(const Pair& ak12) {
  return {rows::Renamed(ak12[0], "AK 10w", 1980, 1981), rows::Renamed(ak12[1], "AK 10m", 1980, 1981),
          rows::Renamed(ak12[0], "AK 12w", 1978, 1979), rows::Renamed(ak12[1], "AK 12m", 1978, 1979)};
}

constexpr std::array kYouthSinglesFrom13 = {
    Class("AK 13/14w", 1976, 1977, 3, kAk13Singles),
    Class("AK 13/14m", 1976, 1977, 2, kAk13Singles),
    Class("AK 15/16w", 1974, 1975, 3, kAk15Singles),
    Class("AK 15/16m", 1974, 1975, 2, kAk15Singles),
    Class("AK 17/18w", 1972, 1973, 3, kAk17Singles),
    Class("AK 17/18m", 1972, 1973, 2, kAk17Singles),
    Class("Offene Altersklasse (w)", 1964, 1971, 3, kOpenSingles),
    Class("Offene Altersklasse (m)", 1964, 1971, 2, kOpenSingles),
};

constexpr std::array kYouthRelaysFrom13 = {
    Class("AK 13/14w", 1976, 1977, 3, kAk13Relays),
    Class("AK 13/14m", 1976, 1977, 2, kAk13Relays),
    Class("AK 15/16w", 1974, 1975, 3, kAk13Relays),
    Class("AK 15/16m", 1974, 1975, 2, kAk13Relays),
    Class("AK 17/18w", 1972, 1973, 3, kAk17Relays),
    Class("AK 17/18m", 1972, 1973, 2, kAk17Relays),
    Class("Offene Altersklasse (w)", 1964, 1971, 3, kAk17Relays),
    Class("Offene Altersklasse (m)", 1964, 1971, 2, kAk17Relays),
};

constexpr auto kYouthSingles = rows::Join(kAk12SinglesClasses, kYouthSinglesFrom13);
constexpr auto kYouthRelays = rows::Join(kAk12RelaysClasses, kYouthRelaysFrom13);
constexpr auto kYouthSinglesAK10 = rows::Join(SplitAk12(kAk12SinglesClasses), kYouthSinglesFrom13);
constexpr auto kYouthRelaysAK10 = rows::Join(SplitAk12(kAk12RelaysClasses), kYouthRelaysFrom13);

// Masters: no CPR scoring.
constexpr std::array kMastersSingles = {
    Class("AK 25w", 1961, 1965, 1, kAk25Singles),   Class("AK 25m", 1961, 1965, 0, kAk25Singles),
    Class("AK 30w", 1956, 1960, 1, kAk25Singles),   Class("AK 30m", 1956, 1960, 0, kAk25Singles),
    Class("AK 35w", 1951, 1955, 1, kAk35Singles),   Class("AK 35m", 1951, 1955, 0, kAk35Singles),
    Class("AK 40w", 1946, 1950, 1, kAk40Singles),   Class("AK 40m", 1946, 1950, 0, kAk40Singles),
    Class("AK 45w", 1941, 1945, 1, kAk40Singles),   Class("AK 45m", 1941, 1945, 0, kAk40Singles),
    Class("AK 50w", 1936, 1940, 1, kAk50Singles),   Class("AK 50m", 1936, 1940, 0, kAk50Singles),
    Class("AK 55w", 1931, 1935, 1, kAk50Singles),   Class("AK 55m", 1931, 1935, 0, kAk50Singles),
    Class("AK 60w", 1926, 1930, 1, kAk50Singles),   Class("AK 60m", 1926, 1930, 0, kAk50Singles),
    Class("AK 65w", 1921, 1925, 1, kAk50Singles),   Class("AK 65m", 1921, 1925, 0, kAk50Singles),
    Class("AK 70w", 1916, 1920, 1, kAk50Singles),   Class("AK 70m", 1916, 1920, 0, kAk50Singles),
    Class("AK 75w", 1911, 1915, 1, kAk50Singles),   Class("AK 75m", 1911, 1915, 0, kAk50Singles),
    Class("AK 80+w", 1890, 1910, 1, kAk50Singles),  Class("AK 80+m", 1890, 1910, 0, kAk50Singles),
};

// Age-sum classes: the birth years stand for the age sum of the team.
constexpr std::array kMastersRelays = {
    Class("AK 100w", 1961, 1965, 1, kAk100Relays),   Class("AK 100m", 1961, 1965, 0, kAk100Relays),
    Class("AK 120w", 1956, 1960, 1, kAk100Relays),   Class("AK 120m", 1956, 1960, 0, kAk100Relays),
    Class("AK 140w", 1949, 1955, 1, kAk100Relays),   Class("AK 140m", 1949, 1955, 0, kAk100Relays),
    Class("AK 170w", 1941, 1948, 1, kAk100Relays),   Class("AK 170m", 1941, 1948, 0, kAk100Relays),
    Class("AK 200w", 1931, 1940, 1, kAk200Relays),   Class("AK 200m", 1931, 1940, 0, kAk200Relays),
    Class("AK 240+w", 1890, 1930, 1, kAk200Relays),  Class("AK 240+m", 1890, 1930, 0, kAk200Relays),
};

}  // namespace

constinit const RuleBook kRuleBook1999{1999, kRuleCode, kTemplates, {}};

constinit const BuilderEntry BuildRules1999YouthSingles{"BuildRules1999YouthSingles", &kRuleBook1999,
                                                        kEventIndividual, kYouthSingles};
constinit const BuilderEntry BuildRules1999YouthRelays{"BuildRules1999YouthRelays", &kRuleBook1999, kEventTeam,
                                                       kYouthRelays};
constinit const BuilderEntry BuildRules1999MastersSingles{"BuildRules1999MastersSingles", &kRuleBook1999,
                                                          kEventIndividual, kMastersSingles};
constinit const BuilderEntry BuildRules1999MastersRelays{"BuildRules1999MastersRelays", &kRuleBook1999,
                                                         kEventTeam, kMastersRelays};
constinit const BuilderEntry BuildRules1999YouthSinglesAK10{"BuildRules1999YouthSinglesAK10", &kRuleBook1999,
                                                            kEventIndividual, kYouthSinglesAK10};
constinit const BuilderEntry BuildRules1999YouthRelaysAK10{"BuildRules1999YouthRelaysAK10", &kRuleBook1999,
                                                           kEventTeam, kYouthRelaysAK10};

}  // namespace presets

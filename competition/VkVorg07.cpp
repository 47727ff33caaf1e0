// Rule book 2007: quadratic-linear scoring against a reference time per sex
// and age group, all in one template per discipline.
#include "VkVorg07.h"

#include <array>
#include <string_view>

#include "RuleBookRows.h"

namespace presets {
namespace {

using namespace std::string_view_literals;
using rows::Disciplines;

constexpr uint16_t kRuleCode = 11;

// Age groups.
constexpr uint8_t kGroupAk12 = 1;  // also AK 10
constexpr uint8_t kGroupAk13 = 2;
constexpr uint8_t kGroupAk15 = 3;
constexpr uint8_t kGroupAk17 = 4;
constexpr uint8_t kGroupOpen = 5;
constexpr uint8_t kGroupMasters = 6;

// Female groups 1-6, then male groups 1-6; singles first, then relays.
constexpr Template07Row kTemplates[] = {
    {"50m Hindernisschwimmen", 1, {3190, 0, 0, 0, 0, 3360}, {3110, 0, 0, 0, 0, 2750}},
    {"100m Hindernisschwimmen", 1, {0, 6620, 6530, 0, 0, 6700}, {0, 5920, 5710, 0, 0, 5900}},
    {"200m Hindernisschwimmen", 1, {0, 0, 0, 14200, 12998, 0}, {0, 0, 0, 12970, 11531, 0}},
    {"50m Freistilschwimmen", 1, {0, 0, 0, 0, 0, 3680}, {0, 0, 0, 0, 0, 2850}},
    {"50m Retten einer Puppe", 1, {0, 4170, 4180, 3910, 3526, 4000}, {0, 3590, 3540, 3330, 3069, 3300}},
    {"50m kombiniertes Schwimmen", 1, {3570, 0, 0, 0, 0, 4490}, {3510, 0, 0, 0, 0, 3520}},
    {"50m Retten einer Puppe mit Flossen", 1, {0, 3040, 0, 0, 0, 3170}, {0, 2690, 0, 0, 0, 2610}},
    {"100m Retten einer Puppe mit Flossen", 1, {0, 0, 6470, 6160, 5693, 6580}, {0, 0, 5790, 5400, 5048, 5760}},
    {"50m Flossenschwimmen", 1, {2430, 0, 0, 0, 0, 0}, {2360, 0, 0, 0, 0, 0}},
    {"25m Schleppen einer Puppe", 1, {0, 0, 0, 0, 0, 2790}, {0, 0, 0, 0, 0, 2360}},
    {"100m kombinierte Rettungsübung", 1, {0, 0, 0, 0, 7278, 0}, {0, 0, 0, 0, 6364, 0}},
    {"100m Retten einer Puppe mit Flossen und Rettungsgurt", 1, {0, 0, 0, 0, 6219, 0}, {0, 0, 0, 0, 5375, 0}},
    {"200m Super Lifesaver", 1, {0, 0, 0, 0, 14859, 0}, {0, 0, 0, 0, 12929, 0}},

    {"4x25m Hindernisstaffel", 1, {6620, 0, 0, 0, 0, 0}, {6410, 0, 0, 0, 0, 0}},
    {"4x50m Hindernisstaffel", 1, {0, 13330, 12730, 12610, 11420, 13120}, {0, 12620, 11610, 11090, 10150, 11180}},
    {"4x50m Freistilstaffel", 1, {0, 0, 0, 0, 0, 16860}, {0, 0, 0, 0, 0, 11720}},
    {"4x25m Rettungsstaffel", 1, {0, 0, 0, 0, 0, 7500}, {0, 0, 0, 0, 0, 5870}},
    {"4x50m Rettungsstaffel", 1, {0, 14730, 14190, 13620, 12966, 14340}, {0, 13960, 12740, 12010, 10566, 12050}},
    {"4x25m Gurtretterstaffel", 1, {7700, 0, 0, 0, 0, 0}, {7470, 0, 0, 0, 0, 0}},
    {"4x50m Gurtretterstaffel", 1, {0, 12320, 11510, 11230, 10352, 12090}, {0, 11600, 10630, 10090, 9301, 10360}},
    {"4x25m Puppenstaffel", 1, {0, 11170, 10520, 9571, 8639, 10400}, {0, 9860, 9320, 8360, 7177, 8420}},
    {"4x25m Rückenlage ohne Arme", 1, {8620, 0, 0, 0, 0, 10800}, {8660, 0, 0, 0, 0, 8860}},
    {"4x25m kombinierte Staffel", 1, {6710, 0, 0, 0, 0, 0}, {6400, 0, 0, 0, 0, 0}},
};

constexpr ClassRow Class(const char* name, uint16_t first, uint16_t last, uint16_t flags, uint8_t group,
                         Disciplines disciplines) {
  ClassRow r = rows::WithDisciplines(std::span<const Template07Row>(kTemplates), name, first, last, flags, disciplines);
  r.group = group;
  return r;
}

// The open classes score CPR, so both get the two display flags; the singles
// class counts only its three best of six disciplines.
constexpr ClassRow Open(ClassRow r, uint16_t counted) {
  r.extraFlags = kFlagPlacesNeedCpr | kFlagDisciplineColumns;
  r.counted = counted;
  return r;
}

constexpr std::array kAk12Singles = {"50m Hindernisschwimmen"sv, "50m kombiniertes Schwimmen"sv,
                                     "50m Flossenschwimmen"sv};
constexpr std::array kAk13Singles = {"100m Hindernisschwimmen"sv, "50m Retten einer Puppe"sv,
                                     "50m Retten einer Puppe mit Flossen"sv};
constexpr std::array kAk15Singles = {"100m Hindernisschwimmen"sv, "50m Retten einer Puppe"sv,
                                     "100m Retten einer Puppe mit Flossen"sv};
constexpr std::array kAk17Singles = {"200m Hindernisschwimmen"sv, "50m Retten einer Puppe"sv,
                                     "100m Retten einer Puppe mit Flossen"sv};
constexpr std::array kOpenSingles = {"200m Hindernisschwimmen"sv,
                                     "50m Retten einer Puppe"sv,
                                     "100m kombinierte Rettungsübung"sv,
                                     "100m Retten einer Puppe mit Flossen und Rettungsgurt"sv,
                                     "200m Super Lifesaver"sv,
                                     "100m Retten einer Puppe mit Flossen"sv};

constexpr std::array kAk12Relays = {"4x25m Hindernisstaffel"sv, "4x25m kombinierte Staffel"sv,
                                    "4x25m Gurtretterstaffel"sv, "4x25m Rückenlage ohne Arme"sv};
constexpr std::array kAk13Relays = {"4x50m Hindernisstaffel"sv, "4x25m Puppenstaffel"sv,
                                    "4x50m Gurtretterstaffel"sv, "4x50m Rettungsstaffel"sv};

constexpr std::array kAk25Singles = {"100m Hindernisschwimmen"sv, "50m Retten einer Puppe"sv,
                                     "100m Retten einer Puppe mit Flossen"sv};
constexpr std::array kAk35Singles = {"100m Hindernisschwimmen"sv, "50m Retten einer Puppe"sv,
                                     "50m Retten einer Puppe mit Flossen"sv};
constexpr std::array kAk40Singles = {"50m Hindernisschwimmen"sv, "50m Retten einer Puppe"sv,
                                     "50m Retten einer Puppe mit Flossen"sv};
constexpr std::array kAk50Singles = {"50m Freistilschwimmen"sv, "50m kombiniertes Schwimmen"sv,
                                     "25m Schleppen einer Puppe"sv};

constexpr std::array kAk100Relays = {"4x50m Hindernisstaffel"sv, "4x25m Puppenstaffel"sv,
                                     "4x50m Gurtretterstaffel"sv, "4x50m Rettungsstaffel"sv};
constexpr std::array kAk200Relays = {"4x50m Freistilstaffel"sv, "4x25m Rettungsstaffel"sv,
                                     "4x25m Rückenlage ohne Arme"sv};

constexpr std::array kAk12SinglesClasses = {
    Class("AK 12w", 1978, 1981, 1, kGroupAk12, kAk12Singles),
    Class("AK 12m", 1978, 1981, 0, kGroupAk12, kAk12Singles),
};
constexpr std::array kAk12RelaysClasses = {
    Class("AK 12w", 1978, 1981, 1, kGroupAk12, kAk12Relays),
    Class("AK 12m", 1978, 1981, 0, kGroupAk12, kAk12Relays),
};

// The AK 10 variants end with AK 10 over 1980-1990 and AK 12 over 1978-1979
// in place of the four-year AK 12; the list is built in that final form, so
// no class is made only to be removed again.
template <typename Pair>
constexpr std::array<ClassRow, 4> SplitAk12(const Pair& ak12) {
  return {rows::Renamed(ak12[0], "AK 10w", 1980, 1990), rows::Renamed(ak12[1], "AK 10m", 1980, 1990),
          rows::Renamed(ak12[0], "AK 12w", 1978, 1979), rows::Renamed(ak12[1], "AK 12m", 1978, 1979)};
}

constexpr std::array kYouthSinglesFrom13 = {
    Class("AK 13/14w", 1976, 1977, 3, kGroupAk13, kAk13Singles),
    Class("AK 13/14m", 1976, 1977, 2, kGroupAk13, kAk13Singles),
    Class("AK 15/16w", 1974, 1975, 3, kGroupAk15, kAk15Singles),
    Class("AK 15/16m", 1974, 1975, 2, kGroupAk15, kAk15Singles),
    Class("AK 17/18w", 1972, 1973, 3, kGroupAk17, kAk17Singles),
    Class("AK 17/18m", 1972, 1973, 2, kGroupAk17, kAk17Singles),
    Open(Class("Offene Altersklasse (w)", 1964, 1971, 3, kGroupOpen, kOpenSingles), 3),
    Open(Class("Offene Altersklasse (m)", 1964, 1971, 2, kGroupOpen, kOpenSingles), 3),
};
constexpr std::array kYouthRelaysFrom13 = {
    Class("AK 13/14w", 1976, 1977, 3, kGroupAk13, kAk13Relays),
    Class("AK 13/14m", 1976, 1977, 2, kGroupAk13, kAk13Relays),
    Class("AK 15/16w", 1974, 1975, 3, kGroupAk15, kAk13Relays),
    Class("AK 15/16m", 1974, 1975, 2, kGroupAk15, kAk13Relays),
    Class("AK 17/18w", 1972, 1973, 3, kGroupAk17, kAk13Relays),
    Class("AK 17/18m", 1972, 1973, 2, kGroupAk17, kAk13Relays),
    Open(Class("Offene Altersklasse (w)", 1964, 1971, 3, kGroupOpen, kAk13Relays), 0),
    Open(Class("Offene Altersklasse (m)", 1964, 1971, 2, kGroupOpen, kAk13Relays), 0),
};

constexpr auto kYouthSingles = rows::Join(kAk12SinglesClasses, kYouthSinglesFrom13);
constexpr auto kYouthRelays = rows::Join(kAk12RelaysClasses, kYouthRelaysFrom13);
constexpr auto kYouthSinglesAK10 = rows::Join(SplitAk12(kAk12SinglesClasses), kYouthSinglesFrom13);
constexpr auto kYouthRelaysAK10 = rows::Join(SplitAk12(kAk12RelaysClasses), kYouthRelaysFrom13);

// Masters: one age group, no CPR scoring.
constexpr ClassRow Masters(const char* name, uint16_t first, uint16_t last, uint16_t flags, Disciplines d) {
  return Class(name, first, last, flags, kGroupMasters, d);
}

constexpr std::array kMastersSingles = {
    Masters("AK 25w", 1961, 1965, 1, kAk25Singles), Masters("AK 25m", 1961, 1965, 0, kAk25Singles),
    Masters("AK 30w", 1956, 1960, 1, kAk25Singles), Masters("AK 30m", 1956, 1960, 0, kAk25Singles),
    Masters("AK 35w", 1951, 1955, 1, kAk35Singles), Masters("AK 35m", 1951, 1955, 0, kAk35Singles),
    Masters("AK 40w", 1946, 1950, 1, kAk40Singles), Masters("AK 40m", 1946, 1950, 0, kAk40Singles),
    Masters("AK 45w", 1941, 1945, 1, kAk40Singles), Masters("AK 45m", 1941, 1945, 0, kAk40Singles),
    Masters("AK 50w", 1936, 1940, 1, kAk50Singles), Masters("AK 50m", 1936, 1940, 0, kAk50Singles),
    Masters("AK 55w", 1931, 1935, 1, kAk50Singles), Masters("AK 55m", 1931, 1935, 0, kAk50Singles),
    Masters("AK 60w", 1926, 1930, 1, kAk50Singles), Masters("AK 60m", 1926, 1930, 0, kAk50Singles),
    Masters("AK 65w", 1921, 1925, 1, kAk50Singles), Masters("AK 65m", 1921, 1925, 0, kAk50Singles),
    Masters("AK 70w", 1916, 1920, 1, kAk50Singles), Masters("AK 70m", 1916, 1920, 0, kAk50Singles),
    Masters("AK 75w", 1911, 1915, 1, kAk50Singles), Masters("AK 75m", 1911, 1915, 0, kAk50Singles),
    Masters("AK 80w", 1906, 1910, 1, kAk50Singles), Masters("AK 80m", 1906, 1910, 0, kAk50Singles),
    Masters("AK 85w", 1901, 1905, 1, kAk50Singles), Masters("AK 85m", 1901, 1905, 0, kAk50Singles),
    Masters("AK 90w", 1896, 1900, 1, kAk50Singles), Masters("AK 90m", 1896, 1900, 0, kAk50Singles),
};

// Age-sum classes: the birth years stand for the age sum of the team.
constexpr std::array kMastersRelays = {
    Masters("AK 100w", 1961, 1965, 1, kAk100Relays),  Masters("AK 100m", 1961, 1965, 0, kAk100Relays),
    Masters("AK 120w", 1956, 1960, 1, kAk100Relays),  Masters("AK 120m", 1956, 1960, 0, kAk100Relays),
    Masters("AK 140w", 1949, 1955, 1, kAk100Relays),  Masters("AK 140m", 1949, 1955, 0, kAk100Relays),
    Masters("AK 170w", 1941, 1948, 1, kAk100Relays),  Masters("AK 170m", 1941, 1948, 0, kAk100Relays),
    Masters("AK 200w", 1931, 1940, 1, kAk200Relays),  Masters("AK 200m", 1931, 1940, 0, kAk200Relays),
    Masters("AK 240w", 1921, 1930, 1, kAk200Relays),  Masters("AK 240m", 1921, 1930, 0, kAk200Relays),
    Masters("AK 280+w", 1890, 1920, 1, kAk200Relays), Masters("AK 280+m", 1890, 1920, 0, kAk200Relays),
};

}  // namespace

constinit const RuleBook kRuleBook2007{2007, kRuleCode, {}, kTemplates};

constinit const BuilderEntry BuildRules2007YouthSingles{"BuildRules2007YouthSingles", &kRuleBook2007,
                                                        kEventIndividual, kYouthSingles};
constinit const BuilderEntry BuildRules2007YouthRelays{"BuildRules2007YouthRelays", &kRuleBook2007, kEventTeam,
                                                       kYouthRelays};
constinit const BuilderEntry BuildRules2007MastersSingles{"BuildRules2007MastersSingles", &kRuleBook2007,
                                                          kEventIndividual, kMastersSingles};
constinit const BuilderEntry BuildRules2007MastersRelays{"BuildRules2007MastersRelays", &kRuleBook2007,
                                                         kEventTeam, kMastersRelays};
constinit const BuilderEntry BuildRules2007YouthSinglesAK10{"BuildRules2007YouthSinglesAK10", &kRuleBook2007,
                                                            kEventIndividual, kYouthSinglesAK10};
constinit const BuilderEntry BuildRules2007YouthRelaysAK10{"BuildRules2007YouthRelaysAK10", &kRuleBook2007,
                                                           kEventTeam, kYouthRelaysAK10};

}  // namespace presets

// Rule book 1995: linear scoring from base points, the same for both sexes.
#include "VkVorg95.h"

#include <array>
#include <string_view>

#include "RuleBookRows.h"

namespace presets {
namespace {

using namespace std::string_view_literals;
using rows::Disciplines;

constexpr uint16_t kRuleCode = 7;

// V1 base points in hundredths of a point, V2 the time step 100.
constexpr TemplateRow Linear(const char* name, int32_t basePoints) {
  return {name, kFormulaLinear, {basePoints, 100, 0, 0, 0}};
}

constexpr TemplateRow kTemplates[] = {
    Linear("50m Schwimmen in Bauchlage -Freistil-", 135000),
    Linear("50m Rückenschwimmen -ohne Armtätigkeit-", 150000),
    Linear("50m Hindernisschwimmen -Brustschwimmen-", 140000),
    Linear("50m Hindernisschwimmen", 135000),
    Linear("100m Hindernisschwimmen", 170000),
    Linear("50m Flossenschwimmen", 130000),
    Linear("100m Flossenschwimmen", 185000),
    Linear("50m Schleppen einer Puppe", 160000),
    Linear("50m Brustschwimmen", 140000),
    Linear("50m kombiniertes Schnell- und Rückenschwimmen", 140000),
    Linear("4x25m Hindernisstaffel -Brustschwimmen-", 170000),
    Linear("4x25m Rückenschwimmstaffel ohne Armtätigkeit", 190000),
    Linear("4x25m Freistilstaffel", 165000),
    Linear("4x25m Transportstaffel", 210000),
    Linear("4x50m Hindernisstaffel", 220000),
    Linear("3x50m Rettungsstaffel", 230000),
    Linear("4x50m Rettungsstaffel", 250000),
    Linear("3x50m Rettungsleinenstaffel", 180000),
    Linear("4x25m Rettungsschwimmstaffel mit Puppe", 220000),
    Linear("4x50m Rettungsschwimmstaffel mit Puppe", 340000),
    Linear("4x50m Hindernisstaffel (SM20-35)", 230000),
    Linear("4x50m Tauchschwimmstaffel (SM20-SM35)", 230000),
    Linear("4x50m Rettungsstaffel (SM20-SM60)", 260000),
    Linear("4x25m Rettungsschwimmstaffel mit Puppe (SM20-SM35)", 230000),
    // The name fills the whole 55-character field, so the rule book's text is cut.
    Linear("4x50m komb. Schnell- und Rückenschwimmstaffel (SM40-SM6", 250000),
    Linear("4x50m Brust- und Freistilstaffel (SM40-SM60)", 230000),
};

constexpr ClassRow Class(const char* name, uint16_t first, uint16_t last, uint16_t flags,
                         Disciplines disciplines) {
  return rows::WithDisciplines(std::span<const TemplateRow>(kTemplates), name, first, last, flags, disciplines);
}

constexpr std::array kPupilsSingles = {"50m Hindernisschwimmen -Brustschwimmen-"sv,
                                       "50m Rückenschwimmen -ohne Armtätigkeit-"sv,
                                       "50m Schwimmen in Bauchlage -Freistil-"sv};
constexpr std::array kYouthSingles = {"50m Hindernisschwimmen"sv, "50m Schleppen einer Puppe"sv,
                                      "50m Flossenschwimmen"sv};
constexpr std::array kJuniorsSingles = {"100m Hindernisschwimmen"sv, "50m Schleppen einer Puppe"sv,
                                        "100m Flossenschwimmen"sv};

constexpr std::array kPupilsRelays = {"4x25m Hindernisstaffel -Brustschwimmen-"sv,
                                      "4x25m Rückenschwimmstaffel ohne Armtätigkeit"sv, "4x25m Freistilstaffel"sv,
                                      "4x25m Transportstaffel"sv};
constexpr std::array kYouthRelays = {"4x50m Hindernisstaffel"sv, "3x50m Rettungsstaffel"sv,
                                     "3x50m Rettungsleinenstaffel"sv, "4x25m Rettungsschwimmstaffel mit Puppe"sv};
constexpr std::array kJuniorsRelays = {"4x50m Hindernisstaffel"sv, "4x50m Rettungsstaffel"sv,
                                       "3x50m Rettungsleinenstaffel"sv, "4x50m Rettungsschwimmstaffel mit Puppe"sv};

constexpr std::array kSe20Singles = {"50m Hindernisschwimmen"sv, "50m Schleppen einer Puppe"sv,
                                     "50m kombiniertes Schnell- und Rückenschwimmen"sv};
constexpr std::array kSe50Singles = {"50m Brustschwimmen"sv, "50m Schleppen einer Puppe"sv,
                                     "50m kombiniertes Schnell- und Rückenschwimmen"sv};

constexpr std::array kSm20Relays = {"4x50m Hindernisstaffel (SM20-35)"sv, "4x50m Tauchschwimmstaffel (SM20-SM35)"sv,
                                    "4x50m Rettungsstaffel (SM20-SM60)"sv,
                                    "4x25m Rettungsschwimmstaffel mit Puppe (SM20-SM35)"sv};
constexpr std::array kSm40Relays = {"4x50m Rettungsstaffel (SM20-SM60)"sv,
                                    "4x50m komb. Schnell- und Rückenschwimmstaffel (SM40-SM6"sv,
                                    "4x50m Brust- und Freistilstaffel (SM40-SM60)"sv};

// Pupils: one class per sex over four birth years, or split into two.
constexpr std::array kPupilsSinglesClasses = {
    Class("Schülerinnen", 1978, 1981, 1, kPupilsSingles),
    Class("Schüler", 1978, 1981, 0, kPupilsSingles),
};
constexpr std::array kPupilsRelaysClasses = {
    Class("Schülerinnen", 1978, 1981, 1, kPupilsRelays),
    Class("Schüler", 1978, 1981, 0, kPupilsRelays),
};

template <typename Pair>
constexpr std::array<ClassRow, 4> SplitPupils(const Pair& pupils) {
  return {rows::Renamed(pupils[0], "Schülerinnen 1", 1980, 1981), rows::Renamed(pupils[1], "Schüler 1", 1980, 1981),
          rows::Renamed(pupils[0], "Schülerinnen 2", 1978, 1979), rows::Renamed(pupils[1], "Schüler 2", 1978, 1979)};
}

constexpr std::array kSinglesFromYouth = {
    Class("Jugend (weiblich)", 1976, 1977, 3, kYouthSingles),
    Class("Jugend (männlich)", 1976, 1977, 2, kYouthSingles),
    Class("Juniorinnen", 1974, 1975, 3, kJuniorsSingles),
    Class("Junioren", 1974, 1975, 2, kJuniorsSingles),
    Class("Damen", 1969, 1973, 3, kJuniorsSingles),
    Class("Herren", 1969, 1973, 2, kJuniorsSingles),
};
constexpr std::array kRelaysFromYouth = {
    Class("Jugend (weiblich)", 1976, 1977, 3, kYouthRelays),
    Class("Jugend (männlich)", 1976, 1977, 2, kYouthRelays),
    Class("Juniorinnen", 1974, 1975, 3, kJuniorsRelays),
    Class("Junioren", 1974, 1975, 2, kJuniorsRelays),
    Class("Damen", 1969, 1973, 3, kJuniorsRelays),
    Class("Herren", 1969, 1973, 2, kJuniorsRelays),
};

constexpr auto kSingles = rows::Join(kPupilsSinglesClasses, kSinglesFromYouth);
constexpr auto kRelays = rows::Join(kPupilsRelaysClasses, kRelaysFromYouth);
constexpr auto kSinglesSplit = rows::Join(SplitPupils(kPupilsSinglesClasses), kSinglesFromYouth);
constexpr auto kRelaysSplit = rows::Join(SplitPupils(kPupilsRelaysClasses), kRelaysFromYouth);

// Seniors: no CPR scoring.
constexpr std::array kSeniorsSingles = {
    Class("Seniorinnen (SE 20)", 1966, 1970, 1, kSe20Singles), Class("Senioren (SE 20)", 1966, 1970, 0, kSe20Singles),
    Class("Seniorinnen (SE 25)", 1961, 1965, 1, kSe20Singles), Class("Senioren (SE 25)", 1961, 1965, 0, kSe20Singles),
    Class("Seniorinnen (SE 30)", 1956, 1960, 1, kSe20Singles), Class("Senioren (SE 30)", 1956, 1960, 0, kSe20Singles),
    Class("Seniorinnen (SE 35)", 1951, 1955, 1, kSe20Singles), Class("Senioren (SE 35)", 1951, 1955, 0, kSe20Singles),
    Class("Seniorinnen (SE 40)", 1946, 1950, 1, kSe20Singles), Class("Senioren (SE 40)", 1946, 1950, 0, kSe20Singles),
    Class("Seniorinnen (SE 45)", 1941, 1945, 1, kSe20Singles), Class("Senioren (SE 45)", 1941, 1945, 0, kSe20Singles),
    Class("Seniorinnen (SE 50)", 1936, 1940, 1, kSe50Singles), Class("Senioren (SE 50)", 1936, 1940, 0, kSe50Singles),
    Class("Seniorinnen (SE 55)", 1931, 1935, 1, kSe50Singles), Class("Senioren (SE 55)", 1931, 1935, 0, kSe50Singles),
    Class("Seniorinnen (SE 60)", 1926, 1930, 1, kSe50Singles), Class("Senioren (SE 60)", 1926, 1930, 0, kSe50Singles),
    Class("Seniorinnen (SE 65)", 1921, 1925, 1, kSe50Singles), Class("Senioren (SE 65)", 1921, 1925, 0, kSe50Singles),
    Class("Seniorinnen (SE 70)", 1916, 1920, 1, kSe50Singles), Class("Senioren (SE 70)", 1916, 1920, 0, kSe50Singles),
    Class("Seniorinnen (SE 75)", 1911, 1915, 1, kSe50Singles), Class("Senioren (SE 75)", 1911, 1915, 0, kSe50Singles),
    Class("Seniorinnen (SE 80)", 1906, 1910, 1, kSe50Singles), Class("Senioren (SE 80)", 1906, 1910, 0, kSe50Singles),
};

constexpr std::array kSeniorsRelays = {
    Class("Seniorinnen (SM 20)", 1966, 1970, 1, kSm20Relays), Class("Senioren (SM 20)", 1966, 1970, 0, kSm20Relays),
    Class("Seniorinnen (SM 25)", 1961, 1965, 1, kSm20Relays), Class("Senioren (SM 25)", 1961, 1965, 0, kSm20Relays),
    Class("Seniorinnen (SM 30)", 1956, 1960, 1, kSm20Relays), Class("Senioren (SM 30)", 1956, 1960, 0, kSm20Relays),
    Class("Seniorinnen (SM 35)", 1951, 1955, 1, kSm20Relays), Class("Senioren (SM 35)", 1951, 1955, 0, kSm20Relays),
    Class("Seniorinnen (SM 40)", 1941, 1950, 1, kSm40Relays), Class("Senioren (SM 40)", 1941, 1950, 0, kSm40Relays),
    Class("Seniorinnen (SM 50)", 1931, 1940, 1, kSm40Relays), Class("Senioren (SM 50)", 1931, 1940, 0, kSm40Relays),
    Class("Seniorinnen (SM 60)", 1921, 1930, 1, kSm40Relays), Class("Senioren (SM 60)", 1921, 1930, 0, kSm40Relays),
};

}  // namespace

constinit const RuleBook kRuleBook1995{1995, kRuleCode, kTemplates, {}};

constinit const BuilderEntry BuildRules1995Singles{"BuildRules1995Singles", &kRuleBook1995, kEventIndividual,
                                                   kSingles};
constinit const BuilderEntry BuildRules1995Relays{"BuildRules1995Relays", &kRuleBook1995, kEventTeam, kRelays};
constinit const BuilderEntry BuildRules1995SeniorsSingles{"BuildRules1995SeniorsSingles", &kRuleBook1995,
                                                          kEventIndividual, kSeniorsSingles};
constinit const BuilderEntry BuildRules1995SeniorsRelays{"BuildRules1995SeniorsRelays", &kRuleBook1995, kEventTeam,
                                                         kSeniorsRelays};
constinit const BuilderEntry BuildRules1995SinglesSplit{"BuildRules1995SinglesSplit", &kRuleBook1995,
                                                        kEventIndividual, kSinglesSplit};
constinit const BuilderEntry BuildRules1995RelaysSplit{"BuildRules1995RelaysSplit", &kRuleBook1995, kEventTeam,
                                                       kRelaysSplit};

}  // namespace presets

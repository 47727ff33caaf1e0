// Rule book 1992: linear scoring from base points, the same for both sexes.
#include "VkVorg92.h"

#include <array>
#include <optional>
#include <string_view>

#include "RuleBookRows.h"

namespace presets {
namespace {

using namespace std::string_view_literals;
using rows::Disciplines;

constexpr uint16_t kRuleCode = 5;

// V1 base points in hundredths of a point, V2 the time step 100.
constexpr TemplateRow Linear(const char* name, int32_t basePoints) {
  return {name, kFormulaLinear, {basePoints, 100, 0, 0, 0}};
}

constexpr TemplateRow kTemplates[] = {
    Linear("50m Hindernisschwimmen -Brustschwimmen-", 140000),
    Linear("50m Rückenschwimmen -ohne Armtätigkeit-", 150000),
    Linear("50m Schwimmen in Bauchlage -Freistil-", 135000),
    Linear("50m Hindernisschwimmen", 135000),
    Linear("50m Schleppen einer Puppe (Jugend)", 150000),
    Linear("50m Flossenschwimmen", 130000),
    Linear("100m Hindernisschwimmen", 170000),
    Linear("50m Schleppen einer Puppe", 160000),
    Linear("100m Flossenschwimmen", 185000),
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
};

constexpr ClassRow Class(const char* name, uint16_t first, uint16_t last, uint16_t flags,
                         Disciplines disciplines) {
  return rows::WithDisciplines(std::span<const TemplateRow>(kTemplates), name, first, last, flags, disciplines);
}

constexpr std::array kPupilsSingles = {"50m Hindernisschwimmen -Brustschwimmen-"sv,
                                       "50m Rückenschwimmen -ohne Armtätigkeit-"sv,
                                       "50m Schwimmen in Bauchlage -Freistil-"sv};
constexpr std::array kYouthSingles = {"50m Hindernisschwimmen"sv, "50m Schleppen einer Puppe (Jugend)"sv,
                                      "50m Flossenschwimmen"sv};
constexpr std::array kJuniorsSingles = {"100m Hindernisschwimmen"sv, "50m Schleppen einer Puppe"sv,
                                        "100m Flossenschwimmen"sv};

constexpr std::array kPupilsRelays = {"4x25m Hindernisstaffel -Brustschwimmen-"sv,
                                      "4x25m Rückenschwimmstaffel ohne Armtätigkeit"sv, "4x25m Freistilstaffel"sv,
                                      "4x25m Transportstaffel"sv};
constexpr std::array kYouthRelays = {"4x50m Hindernisstaffel"sv, "3x50m Rettungsstaffel"sv,
                                     "3x50m Rettungsleinenstaffel"sv, "4x25m Rettungsschwimmstaffel mit Puppe"sv};
constexpr std::array kJuniorsRelays = {"4x50m Hindernisstaffel"sv, "3x50m Rettungsstaffel"sv,
                                       "3x50m Rettungsleinenstaffel"sv, "4x50m Rettungsschwimmstaffel mit Puppe"sv};
constexpr std::array kWomenMenRelays = {"4x50m Hindernisstaffel"sv, "4x50m Rettungsstaffel"sv,
                                        "3x50m Rettungsleinenstaffel"sv, "4x50m Rettungsschwimmstaffel mit Puppe"sv};

constexpr std::array kPupilsSinglesClasses = {
    Class("Schülerinnen", 1978, 1981, 1, kPupilsSingles),
    Class("Schüler", 1978, 1981, 0, kPupilsSingles),
};
constexpr std::array kPupilsRelaysClasses = {
    Class("Schülerinnen", 1978, 1981, 1, kPupilsRelays),
    Class("Schüler", 1978, 1981, 0, kPupilsRelays),
};
constexpr std::array kPupilsSinglesSplit = {
    Class("Schülerinnen 1", 1980, 1981, 1, kPupilsSingles),
    Class("Schüler 1", 1980, 1981, 0, kPupilsSingles),
    Class("Schülerinnen 2", 1978, 1979, 1, kPupilsSingles),
    Class("Schüler 2", 1978, 1979, 0, kPupilsSingles),
};

// Women and men and the young seniors overlap: 1890-1968 lie in both.
constexpr std::array kSinglesFromYouth = {
    Class("Jugend (weiblich)", 1976, 1977, 3, kYouthSingles),
    Class("Jugend (männlich)", 1976, 1977, 2, kYouthSingles),
    Class("Juniorinnen", 1974, 1975, 3, kJuniorsSingles),
    Class("Junioren", 1974, 1975, 2, kJuniorsSingles),
    Class("Damen", 1890, 1973, 3, kJuniorsSingles),
    Class("Herren", 1890, 1973, 2, kJuniorsSingles),
    Class("Jungseniorinnen", 1890, 1968, 3, kJuniorsSingles),
    Class("Jungsenioren", 1890, 1968, 2, kJuniorsSingles),
};
constexpr std::array kRelaysFromYouth = {
    Class("Jugend (weiblich)", 1976, 1977, 3, kYouthRelays),
    Class("Jugend (männlich)", 1976, 1977, 2, kYouthRelays),
    Class("Juniorinnen", 1974, 1975, 3, kJuniorsRelays),
    Class("Junioren", 1974, 1975, 2, kJuniorsRelays),
    Class("Damen", 1890, 1973, 3, kWomenMenRelays),
    Class("Herren", 1890, 1973, 2, kWomenMenRelays),
    Class("Jungseniorinnen", 1890, 1968, 3, kJuniorsRelays),
    Class("Jungsenioren", 1890, 1968, 2, kJuniorsRelays),
};

constexpr auto kSingles = rows::Join(kPupilsSinglesClasses, kSinglesFromYouth);
constexpr auto kRelays = rows::Join(kPupilsRelaysClasses, kRelaysFromYouth);
constexpr auto kSinglesSplit = rows::Join(kPupilsSinglesSplit, kSinglesFromYouth);

}  // namespace

constinit const RuleBook kRuleBook1992{1992, kRuleCode, kTemplates, {}};

// The relay presets set the team kind like those of every other rule book:
// relay classes in an individual competition would take persons' names and
// birth dates instead of team names. The singles presets leave the kind as
// they find it (individual on a new competition).
constexpr std::optional<uint16_t> kKeepKind = std::nullopt;

constinit const BuilderEntry BuildRules1992Singles{"BuildRules1992Singles", &kRuleBook1992, kKeepKind, kSingles};
constinit const BuilderEntry BuildRules1992Relays{"BuildRules1992Relays", &kRuleBook1992, kEventTeam, kRelays};
constinit const BuilderEntry BuildRules1992PupilsSingles{"BuildRules1992PupilsSingles", &kRuleBook1992,
                                                         kKeepKind, kPupilsSinglesClasses};
constinit const BuilderEntry BuildRules1992PupilsRelays{"BuildRules1992PupilsRelays", &kRuleBook1992, kEventTeam,
                                                        kPupilsRelaysClasses};
constinit const BuilderEntry BuildRules1992SinglesSplit{"BuildRules1992SinglesSplit", &kRuleBook1992,
                                                        kKeepKind, kSinglesSplit};

}  // namespace presets

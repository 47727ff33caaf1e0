// The age classes of every rule-set code as the rule books publish them.
// Every value is typed from the rule books themselves, never derived from the
// tables under test: names in UTF-8, birth years for the base year 1990,
// flags and counted disciplines as the classes end up in the competition.
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace rulebook {

using Names = std::vector<std::string>;

struct Expected {
  std::string name;
  int first, last;
  int flags, counted;
  int group;  // 2007 age group, 0 elsewhere
  Names disciplines;
};
using Classes = std::vector<Expected>;

// A female class and its male twin; the male flags lack the female bit.
inline void Pair(Classes& out, const std::string& female, const std::string& male, int first, int last, int femaleFlags,
                 const Names& d, int group = 0, int counted = 0) {
  const int n = counted ? counted : static_cast<int>(d.size());
  out.push_back({female, first, last, femaleFlags, n, group, d});
  out.push_back({male, first, last, femaleFlags & ~1, n, group, d});
}

// Pairs named by putting each row's number in place of '#'; flags 1.
struct Row { std::string n; int first, last; const Names& d; };
inline void Series(Classes& out, std::string female, std::string male, int group, std::initializer_list<Row> rows) {
  const auto at = [](std::string s, const std::string& n) { return s.replace(s.find('#'), 1, n); };
  for (const Row& r : rows) Pair(out, at(female, r.n), at(male, r.n), r.first, r.last, 1, r.d, group);
}

inline Classes operator+(Classes a, const Classes& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// ---- rule book 1999: V1 female, V1 male, V2 --------------------------------

struct V99 { int female, male, v2; };
inline const std::map<std::string, V99> kValues99 = {
    {"50m Hindernisschwimmen", {2700, 2400, 0}},         {"100m Hindernisschwimmen", {6000, 5300, 0}},
    {"200m Hindernisschwimmen", {13266, 11776, 0}},      {"50m Freistilschwimmen", {2600, 2300, 0}},
    {"50m Retten", {3970, 3320, 0}},                     {"50m kombiniertes Schwimmen", {2900, 2600, 0}},
    {"50m Retten mit Flossen", {2700, 2400, 0}},         {"100m Retten mit Flossen", {6100, 5213, 0}},
    {"50m Flossenschwimmen", {2100, 1800, 0}},           {"25m Schleppen einer Puppe", {2200, 1850, 0}},
    {"100m kombiniertes Rettungsschwimmen", {7950, 6778, 0}}, {"4x25m Hindernisstaffel", {5700, 5100, 0}},
    {"4x50m Hindernisstaffel", {11400, 10200, 1}},       {"4x25m Rettungsstaffel", {5000, 4400, 1}},
    {"4x50m kleine Rettungsstaffel", {13317, 11431, 1}}, {"4x50m Rettungsstaffel", {13317, 11431, 1}},
    {"4x25m Gurtretterstaffel", {5600, 5000, 1}},        {"4x50m Gurtretterstaffel", {11287, 9769, 1}},
    {"4x25m Puppenstaffel", {9825, 8293, 1}},            {"4x25m Rückenlage-Beinschlag", {6000, 5600, 1}},
};

inline Classes Youth99(bool relays, bool ak10) {
  const Names s12 = {"50m Hindernisschwimmen", "50m kombiniertes Schwimmen", "50m Flossenschwimmen"};
  const Names r12 = {"4x25m Hindernisstaffel", "4x25m Rettungsstaffel", "4x25m Gurtretterstaffel",
                     "4x25m Rückenlage-Beinschlag"};
  const Names s13 = {"50m Hindernisschwimmen", "50m Retten", "50m Retten mit Flossen"};
  const Names s15 = {"100m Hindernisschwimmen", "50m Retten", "100m Retten mit Flossen"};
  const Names s17 = {"200m Hindernisschwimmen", "50m Retten", "100m Retten mit Flossen"};
  const Names sOpen = {"200m Hindernisschwimmen", "50m Retten", "100m Retten mit Flossen",
                       "100m kombiniertes Rettungsschwimmen"};
  const Names r13 = {"4x50m Hindernisstaffel", "4x50m kleine Rettungsstaffel", "4x50m Gurtretterstaffel",
                     "4x25m Puppenstaffel"};
  const Names r17 = {"4x50m Hindernisstaffel", "4x50m Rettungsstaffel", "4x50m Gurtretterstaffel",
                     "4x25m Puppenstaffel"};
  Classes c;
  const Names& ak12 = relays ? r12 : s12;
  if (ak10) Series(c, "AK #w", "AK #m", 0, {{"10", 1980, 1981, ak12}, {"12", 1978, 1979, ak12}});
  else Pair(c, "AK 12w", "AK 12m", 1978, 1981, 1, ak12);
  Pair(c, "AK 13/14w", "AK 13/14m", 1976, 1977, 3, relays ? r13 : s13);
  Pair(c, "AK 15/16w", "AK 15/16m", 1974, 1975, 3, relays ? r13 : s15);
  Pair(c, "AK 17/18w", "AK 17/18m", 1972, 1973, 3, relays ? r17 : s17);
  Pair(c, "Offene Altersklasse (w)", "Offene Altersklasse (m)", 1964, 1971, 3, relays ? r17 : sOpen);
  return c;
}

inline Classes Masters99Singles() {
  const Names a25 = {"100m Hindernisschwimmen", "50m Retten", "100m Retten mit Flossen"};
  const Names a35 = {"100m Hindernisschwimmen", "50m Retten", "50m Retten mit Flossen"};
  const Names a40 = {"50m Hindernisschwimmen", "50m Retten", "50m Retten mit Flossen"};
  const Names a50 = {"50m Freistilschwimmen", "50m kombiniertes Schwimmen", "25m Schleppen einer Puppe"};
  Classes c;
  Series(c, "AK #w", "AK #m", 0,
         {{"25", 1961, 1965, a25}, {"30", 1956, 1960, a25}, {"35", 1951, 1955, a35}, {"40", 1946, 1950, a40},
          {"45", 1941, 1945, a40}, {"50", 1936, 1940, a50}, {"55", 1931, 1935, a50}, {"60", 1926, 1930, a50},
          {"65", 1921, 1925, a50}, {"70", 1916, 1920, a50}, {"75", 1911, 1915, a50}, {"80+", 1890, 1910, a50}});
  return c;
}

inline Classes Masters99Relays() {
  const Names a100 = {"4x50m Hindernisstaffel", "4x50m kleine Rettungsstaffel", "4x50m Gurtretterstaffel",
                      "4x25m Puppenstaffel"};
  const Names a200 = {"4x50m Hindernisstaffel", "4x50m kleine Rettungsstaffel", "4x50m Gurtretterstaffel"};
  Classes c;
  Series(c, "AK #w", "AK #m", 0,
         {{"100", 1961, 1965, a100}, {"120", 1956, 1960, a100}, {"140", 1949, 1955, a100},
          {"170", 1941, 1948, a100}, {"200", 1931, 1940, a200}, {"240+", 1890, 1930, a200}});
  return c;
}

// ---- rule books 1995 and 1992: V1 (V2 is 100) ------------------------------

inline const std::map<std::string, int> kValues95 = {
    {"50m Schwimmen in Bauchlage -Freistil-", 135000}, {"50m Rückenschwimmen -ohne Armtätigkeit-", 150000},
    {"50m Hindernisschwimmen -Brustschwimmen-", 140000}, {"50m Hindernisschwimmen", 135000},
    {"100m Hindernisschwimmen", 170000}, {"50m Flossenschwimmen", 130000}, {"100m Flossenschwimmen", 185000},
    {"50m Schleppen einer Puppe", 160000}, {"50m Brustschwimmen", 140000},
    {"50m kombiniertes Schnell- und Rückenschwimmen", 140000}, {"4x25m Hindernisstaffel -Brustschwimmen-", 170000},
    {"4x25m Rückenschwimmstaffel ohne Armtätigkeit", 190000}, {"4x25m Freistilstaffel", 165000},
    {"4x25m Transportstaffel", 210000}, {"4x50m Hindernisstaffel", 220000}, {"3x50m Rettungsstaffel", 230000},
    {"4x50m Rettungsstaffel", 250000}, {"3x50m Rettungsleinenstaffel", 180000},
    {"4x25m Rettungsschwimmstaffel mit Puppe", 220000}, {"4x50m Rettungsschwimmstaffel mit Puppe", 340000},
    {"4x50m Hindernisstaffel (SM20-35)", 230000}, {"4x50m Tauchschwimmstaffel (SM20-SM35)", 230000},
    {"4x50m Rettungsstaffel (SM20-SM60)", 260000}, {"4x25m Rettungsschwimmstaffel mit Puppe (SM20-SM35)", 230000},
    {"4x50m komb. Schnell- und Rückenschwimmstaffel (SM40-SM6", 250000},  // cut to the 55 characters of a template
    {"4x50m Brust- und Freistilstaffel (SM40-SM60)", 230000},
};

inline const std::map<std::string, int> kValues92 = {
    {"50m Hindernisschwimmen -Brustschwimmen-", 140000}, {"50m Rückenschwimmen -ohne Armtätigkeit-", 150000},
    {"50m Schwimmen in Bauchlage -Freistil-", 135000}, {"50m Hindernisschwimmen", 135000},
    {"50m Schleppen einer Puppe (Jugend)", 150000}, {"50m Flossenschwimmen", 130000},
    {"100m Hindernisschwimmen", 170000}, {"50m Schleppen einer Puppe", 160000}, {"100m Flossenschwimmen", 185000},
    {"4x25m Hindernisstaffel -Brustschwimmen-", 170000}, {"4x25m Rückenschwimmstaffel ohne Armtätigkeit", 190000},
    {"4x25m Freistilstaffel", 165000}, {"4x25m Transportstaffel", 210000}, {"4x50m Hindernisstaffel", 220000},
    {"3x50m Rettungsstaffel", 230000}, {"4x50m Rettungsstaffel", 250000}, {"3x50m Rettungsleinenstaffel", 180000},
    {"4x25m Rettungsschwimmstaffel mit Puppe", 220000}, {"4x50m Rettungsschwimmstaffel mit Puppe", 340000},
};

inline void Pupils(Classes& c, bool relays, bool split) {
  const Names s = {"50m Hindernisschwimmen -Brustschwimmen-", "50m Rückenschwimmen -ohne Armtätigkeit-",
                   "50m Schwimmen in Bauchlage -Freistil-"};
  const Names r = {"4x25m Hindernisstaffel -Brustschwimmen-", "4x25m Rückenschwimmstaffel ohne Armtätigkeit",
                   "4x25m Freistilstaffel", "4x25m Transportstaffel"};
  const Names& d = relays ? r : s;
  if (split) Series(c, "Schülerinnen #", "Schüler #", 0, {{"1", 1980, 1981, d}, {"2", 1978, 1979, d}});
  else Pair(c, "Schülerinnen", "Schüler", 1978, 1981, 1, d);
}

// Youth and juniors' disciplines of 1995 and 1992.
inline const Names kYouthR = {"4x50m Hindernisstaffel", "3x50m Rettungsstaffel", "3x50m Rettungsleinenstaffel",
                              "4x25m Rettungsschwimmstaffel mit Puppe"};
inline const Names kJuniorsS = {"100m Hindernisschwimmen", "50m Schleppen einer Puppe", "100m Flossenschwimmen"};
inline const Names kJuniorsR = {"4x50m Hindernisstaffel", "4x50m Rettungsstaffel", "3x50m Rettungsleinenstaffel",
                                "4x50m Rettungsschwimmstaffel mit Puppe"};

inline Classes Main95(bool relays, bool split) {
  const Names youthS = {"50m Hindernisschwimmen", "50m Schleppen einer Puppe", "50m Flossenschwimmen"};
  Classes c;
  Pupils(c, relays, split);
  Pair(c, "Jugend (weiblich)", "Jugend (männlich)", 1976, 1977, 3, relays ? kYouthR : youthS);
  Pair(c, "Juniorinnen", "Junioren", 1974, 1975, 3, relays ? kJuniorsR : kJuniorsS);
  Pair(c, "Damen", "Herren", 1969, 1973, 3, relays ? kJuniorsR : kJuniorsS);
  return c;
}

inline Classes Seniors95Singles() {
  const Names se20 = {"50m Hindernisschwimmen", "50m Schleppen einer Puppe",
                      "50m kombiniertes Schnell- und Rückenschwimmen"};
  const Names se50 = {"50m Brustschwimmen", "50m Schleppen einer Puppe",
                      "50m kombiniertes Schnell- und Rückenschwimmen"};
  Classes c;
  Series(c, "Seniorinnen (SE #)", "Senioren (SE #)", 0,
         {{"20", 1966, 1970, se20}, {"25", 1961, 1965, se20}, {"30", 1956, 1960, se20}, {"35", 1951, 1955, se20},
          {"40", 1946, 1950, se20}, {"45", 1941, 1945, se20}, {"50", 1936, 1940, se50}, {"55", 1931, 1935, se50},
          {"60", 1926, 1930, se50}, {"65", 1921, 1925, se50}, {"70", 1916, 1920, se50}, {"75", 1911, 1915, se50},
          {"80", 1906, 1910, se50}});
  return c;
}

inline Classes Seniors95Relays() {
  const Names sm20 = {"4x50m Hindernisstaffel (SM20-35)", "4x50m Tauchschwimmstaffel (SM20-SM35)",
                      "4x50m Rettungsstaffel (SM20-SM60)", "4x25m Rettungsschwimmstaffel mit Puppe (SM20-SM35)"};
  const Names sm40 = {"4x50m Rettungsstaffel (SM20-SM60)", "4x50m komb. Schnell- und Rückenschwimmstaffel (SM40-SM6",
                      "4x50m Brust- und Freistilstaffel (SM40-SM60)"};
  Classes c;
  Series(c, "Seniorinnen (SM #)", "Senioren (SM #)", 0,
         {{"20", 1966, 1970, sm20}, {"25", 1961, 1965, sm20}, {"30", 1956, 1960, sm20}, {"35", 1951, 1955, sm20},
          {"40", 1941, 1950, sm40}, {"50", 1931, 1940, sm40}, {"60", 1921, 1930, sm40}});
  return c;
}

enum class Kind92 { Singles, Relays, PupilsSingles, PupilsRelays, SinglesSplit };

inline Classes Rules92(Kind92 kind) {
  const bool relays = kind == Kind92::Relays || kind == Kind92::PupilsRelays;
  Classes c;
  Pupils(c, relays, kind == Kind92::SinglesSplit);
  if (kind == Kind92::PupilsSingles || kind == Kind92::PupilsRelays) return c;
  const Names youthS = {"50m Hindernisschwimmen", "50m Schleppen einer Puppe (Jugend)", "50m Flossenschwimmen"};
  const Names juniorsR = {"4x50m Hindernisstaffel", "3x50m Rettungsstaffel", "3x50m Rettungsleinenstaffel",
                          "4x50m Rettungsschwimmstaffel mit Puppe"};
  Pair(c, "Jugend (weiblich)", "Jugend (männlich)", 1976, 1977, 3, relays ? kYouthR : youthS);
  Pair(c, "Juniorinnen", "Junioren", 1974, 1975, 3, relays ? juniorsR : kJuniorsS);
  Pair(c, "Damen", "Herren", 1890, 1973, 3, relays ? kJuniorsR : kJuniorsS);
  Pair(c, "Jungseniorinnen", "Jungsenioren", 1890, 1968, 3, relays ? juniorsR : kJuniorsS);
  return c;
}

// ---- rule book 2007: reference times of groups 1 .. 6, female and male -----

struct V07 { std::array<int, 6> female, male; };
inline const std::map<std::string, V07> kValues07 = {
    {"50m Hindernisschwimmen", {{3190, 0, 0, 0, 0, 3360}, {3110, 0, 0, 0, 0, 2750}}},
    {"100m Hindernisschwimmen", {{0, 6620, 6530, 0, 0, 6700}, {0, 5920, 5710, 0, 0, 5900}}},
    {"200m Hindernisschwimmen", {{0, 0, 0, 14200, 12998, 0}, {0, 0, 0, 12970, 11531, 0}}},
    {"50m Freistilschwimmen", {{0, 0, 0, 0, 0, 3680}, {0, 0, 0, 0, 0, 2850}}},
    {"50m Retten einer Puppe", {{0, 4170, 4180, 3910, 3526, 4000}, {0, 3590, 3540, 3330, 3069, 3300}}},
    {"50m kombiniertes Schwimmen", {{3570, 0, 0, 0, 0, 4490}, {3510, 0, 0, 0, 0, 3520}}},
    {"50m Retten einer Puppe mit Flossen", {{0, 3040, 0, 0, 0, 3170}, {0, 2690, 0, 0, 0, 2610}}},
    {"100m Retten einer Puppe mit Flossen", {{0, 0, 6470, 6160, 5693, 6580}, {0, 0, 5790, 5400, 5048, 5760}}},
    {"50m Flossenschwimmen", {{2430, 0, 0, 0, 0, 0}, {2360, 0, 0, 0, 0, 0}}},
    {"25m Schleppen einer Puppe", {{0, 0, 0, 0, 0, 2790}, {0, 0, 0, 0, 0, 2360}}},
    {"100m kombinierte Rettungsübung", {{0, 0, 0, 0, 7278, 0}, {0, 0, 0, 0, 6364, 0}}},
    {"100m Retten einer Puppe mit Flossen und Rettungsgurt", {{0, 0, 0, 0, 6219, 0}, {0, 0, 0, 0, 5375, 0}}},
    {"200m Super Lifesaver", {{0, 0, 0, 0, 14859, 0}, {0, 0, 0, 0, 12929, 0}}},
    {"4x25m Hindernisstaffel", {{6620, 0, 0, 0, 0, 0}, {6410, 0, 0, 0, 0, 0}}},
    {"4x50m Hindernisstaffel", {{0, 13330, 12730, 12610, 11420, 13120}, {0, 12620, 11610, 11090, 10150, 11180}}},
    {"4x50m Freistilstaffel", {{0, 0, 0, 0, 0, 16860}, {0, 0, 0, 0, 0, 11720}}},
    {"4x25m Rettungsstaffel", {{0, 0, 0, 0, 0, 7500}, {0, 0, 0, 0, 0, 5870}}},
    {"4x50m Rettungsstaffel", {{0, 14730, 14190, 13620, 12966, 14340}, {0, 13960, 12740, 12010, 10566, 12050}}},
    {"4x25m Gurtretterstaffel", {{7700, 0, 0, 0, 0, 0}, {7470, 0, 0, 0, 0, 0}}},
    {"4x50m Gurtretterstaffel", {{0, 12320, 11510, 11230, 10352, 12090}, {0, 11600, 10630, 10090, 9301, 10360}}},
    {"4x25m Puppenstaffel", {{0, 11170, 10520, 9571, 8639, 10400}, {0, 9860, 9320, 8360, 7177, 8420}}},
    {"4x25m Rückenlage ohne Arme", {{8620, 0, 0, 0, 0, 10800}, {8660, 0, 0, 0, 0, 8860}}},
    {"4x25m kombinierte Staffel", {{6710, 0, 0, 0, 0, 0}, {6400, 0, 0, 0, 0, 0}}},
};

inline Classes Youth07(bool relays, bool ak10) {
  const Names s12 = {"50m Hindernisschwimmen", "50m kombiniertes Schwimmen", "50m Flossenschwimmen"};
  const Names r12 = {"4x25m Hindernisstaffel", "4x25m kombinierte Staffel", "4x25m Gurtretterstaffel",
                     "4x25m Rückenlage ohne Arme"};
  const Names s13 = {"100m Hindernisschwimmen", "50m Retten einer Puppe", "50m Retten einer Puppe mit Flossen"};
  const Names s15 = {"100m Hindernisschwimmen", "50m Retten einer Puppe", "100m Retten einer Puppe mit Flossen"};
  const Names s17 = {"200m Hindernisschwimmen", "50m Retten einer Puppe", "100m Retten einer Puppe mit Flossen"};
  const Names sOpen = {"200m Hindernisschwimmen", "50m Retten einer Puppe", "100m kombinierte Rettungsübung",
                       "100m Retten einer Puppe mit Flossen und Rettungsgurt", "200m Super Lifesaver",
                       "100m Retten einer Puppe mit Flossen"};
  const Names r13 = {"4x50m Hindernisstaffel", "4x25m Puppenstaffel", "4x50m Gurtretterstaffel",
                     "4x50m Rettungsstaffel"};
  Classes c;
  const Names& ak12 = relays ? r12 : s12;
  if (ak10) Series(c, "AK #w", "AK #m", 1, {{"10", 1980, 1990, ak12}, {"12", 1978, 1979, ak12}});
  else Pair(c, "AK 12w", "AK 12m", 1978, 1981, 1, ak12, 1);
  Pair(c, "AK 13/14w", "AK 13/14m", 1976, 1977, 3, relays ? r13 : s13, 2);
  Pair(c, "AK 15/16w", "AK 15/16m", 1974, 1975, 3, relays ? r13 : s15, 3);
  Pair(c, "AK 17/18w", "AK 17/18m", 1972, 1973, 3, relays ? r13 : s17, 4);
  Pair(c, "Offene Altersklasse (w)", "Offene Altersklasse (m)", 1964, 1971, 51, relays ? r13 : sOpen, 5,
       relays ? 0 : 3);
  return c;
}

inline Classes Masters07Singles() {
  const Names a25 = {"100m Hindernisschwimmen", "50m Retten einer Puppe", "100m Retten einer Puppe mit Flossen"};
  const Names a35 = {"100m Hindernisschwimmen", "50m Retten einer Puppe", "50m Retten einer Puppe mit Flossen"};
  const Names a40 = {"50m Hindernisschwimmen", "50m Retten einer Puppe", "50m Retten einer Puppe mit Flossen"};
  const Names a50 = {"50m Freistilschwimmen", "50m kombiniertes Schwimmen", "25m Schleppen einer Puppe"};
  Classes c;
  Series(c, "AK #w", "AK #m", 6,
         {{"25", 1961, 1965, a25}, {"30", 1956, 1960, a25}, {"35", 1951, 1955, a35}, {"40", 1946, 1950, a40},
          {"45", 1941, 1945, a40}, {"50", 1936, 1940, a50}, {"55", 1931, 1935, a50}, {"60", 1926, 1930, a50},
          {"65", 1921, 1925, a50}, {"70", 1916, 1920, a50}, {"75", 1911, 1915, a50}, {"80", 1906, 1910, a50},
          {"85", 1901, 1905, a50}, {"90", 1896, 1900, a50}});
  return c;
}

inline Classes Masters07Relays() {
  const Names a100 = {"4x50m Hindernisstaffel", "4x25m Puppenstaffel", "4x50m Gurtretterstaffel",
                      "4x50m Rettungsstaffel"};
  const Names a200 = {"4x50m Freistilstaffel", "4x25m Rettungsstaffel", "4x25m Rückenlage ohne Arme"};
  Classes c;
  Series(c, "AK #w", "AK #m", 6,
         {{"100", 1961, 1965, a100}, {"120", 1956, 1960, a100}, {"140", 1949, 1955, a100},
          {"170", 1941, 1948, a100}, {"200", 1931, 1940, a200}, {"240", 1921, 1930, a200},
          {"280+", 1890, 1920, a200}});
  return c;
}

// ---- expectations per code ------------------------------------------------

struct CodeCase {
  int code;
  Names builders;                // run in this order
  std::optional<uint16_t> kind;  // kind of event afterwards; nothing: left as it was
  Classes classes;
};

inline std::vector<CodeCase> CodeCases() {
  const std::string b = "BuildRules";
  const Classes y99s = Youth99(false, false), y99r = Youth99(true, false);
  const Classes y99s10 = Youth99(false, true), y99r10 = Youth99(true, true);
  const Classes m99s = Masters99Singles(), m99r = Masters99Relays();
  const Classes a95s = Main95(false, false), a95r = Main95(true, false);
  const Classes a95s2 = Main95(false, true), a95r2 = Main95(true, true);
  const Classes s95s = Seniors95Singles(), s95r = Seniors95Relays();
  const Classes y07s = Youth07(false, false), y07r = Youth07(true, false);
  const Classes y07s10 = Youth07(false, true), y07r10 = Youth07(true, true);
  const Classes m07s = Masters07Singles(), m07r = Masters07Relays();
  const std::nullopt_t keep = std::nullopt;  // 1992 singles leave the kind; its relays set the team kind
  return {
      {0, {b + "1999YouthSingles"}, 0, y99s},                 {1, {b + "1999YouthRelays"}, 1, y99r},
      {2, {b + "1999MastersSingles"}, 0, m99s},               {3, {b + "1999MastersRelays"}, 1, m99r},
      {4, {b + "1999YouthSinglesAK10"}, 0, y99s10},           {5, {b + "1999YouthRelaysAK10"}, 1, y99r10},
      {6, {b + "1995Singles"}, 0, a95s},                      {7, {b + "1995Relays"}, 1, a95r},
      {8, {b + "1995SeniorsSingles"}, 0, s95s},               {9, {b + "1995SeniorsRelays"}, 1, s95r},
      {10, {b + "1995SinglesSplit"}, 0, a95s2},               {11, {b + "1995RelaysSplit"}, 1, a95r2},
      {12, {b + "1992Singles"}, keep, Rules92(Kind92::Singles)}, {13, {b + "1992Relays"}, 1, Rules92(Kind92::Relays)},
      {14, {b + "1992PupilsSingles"}, keep, Rules92(Kind92::PupilsSingles)},
      {15, {b + "1992PupilsRelays"}, 1, Rules92(Kind92::PupilsRelays)},
      {16, {b + "1992SinglesSplit"}, keep, Rules92(Kind92::SinglesSplit)},
      {17, {b + "1992Relays"}, 1, Rules92(Kind92::Relays)},
      {20, {b + "2007YouthSingles"}, 0, y07s},                {21, {b + "2007YouthRelays"}, 1, y07r},
      {22, {b + "2007MastersSingles"}, 0, m07s},              {23, {b + "2007MastersRelays"}, 1, m07r},
      {24, {b + "2007YouthSinglesAK10"}, 0, y07s10},          {25, {b + "2007YouthRelaysAK10"}, 1, y07r10},
      {1001, {b + "1999YouthSingles", b + "1999MastersSingles"}, 0, y99s + m99s},
      {1002, {b + "1999YouthRelays", b + "1999MastersRelays"}, 1, y99r + m99r},
      {1003, {b + "1999YouthSinglesAK10", b + "1999MastersSingles"}, 0, y99s10 + m99s},
      {1004, {b + "1999YouthRelaysAK10", b + "1999MastersRelays"}, 1, y99r10 + m99r},
      {1011, {b + "1995Singles", b + "1995SeniorsSingles"}, 0, a95s + s95s},
      {1012, {b + "1995Relays", b + "1995SeniorsRelays"}, 1, a95r + s95r},
      {1013, {b + "1995SinglesSplit", b + "1995SeniorsSingles"}, 0, a95s2 + s95s},
      {1014, {b + "1995RelaysSplit", b + "1995SeniorsRelays"}, 1, a95r2 + s95r},
      {1021, {b + "2007YouthSingles", b + "2007MastersSingles"}, 0, y07s + m07s},
      {1022, {b + "2007YouthRelays", b + "2007MastersRelays"}, 1, y07r + m07r},
      {1023, {b + "2007YouthSinglesAK10", b + "2007MastersSingles"}, 0, y07s10 + m07s},
      {1024, {b + "2007YouthRelaysAK10", b + "2007MastersRelays"}, 1, y07r10 + m07r},
  };
}

// What one discipline slot holds in a class of the rule book of `year`.
struct Slot {
  uint16_t kind;
  std::array<int32_t, 5> v;
  uint16_t ruleCode;
};

// A 2007 class scores with its group's time; V2 .. V5 hold groups 2 .. 5.
inline Slot ExpectedSlot(int year, const std::string& name, bool female, int group) {
  if (year == 1999) {
    const V99& v = kValues99.at(name);
    return {1, {female ? v.female : v.male, v.v2, 0, 0, 0}, 9};
  }
  if (year == 1995) return {2, {kValues95.at(name), 100, 0, 0, 0}, 7};
  if (year == 1992) return {2, {kValues92.at(name), 100, 0, 0, 0}, 5};
  const auto& t = female ? kValues07.at(name).female : kValues07.at(name).male;
  return {1, {t[group - 1], t[1], t[2], t[3], t[4]}, 11};
}

}  // namespace rulebook

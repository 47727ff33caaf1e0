// The age classes of every rule-set code as the rule books publish them,
// shared by the tests of the rule-book tables and of the new competition.
// Every value is typed from the rule books themselves, never derived from the
// tables under test: names in UTF-8, birth years for the base year 1990,
// flags and counted disciplines as the classes end up in the competition.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace rulebook {

using Names = std::vector<std::string>;

struct Expected {
  std::string name;
  int first, last;
  int flags;    // as the class ends up in the competition
  int counted;  // counted disciplines as the class ends up
  int group;    // 2007 age group, 0 elsewhere
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

inline Classes operator+(Classes a, const Classes& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// ---- rule book 1999 -------------------------------------------------------

struct V99 { int female, male, v2; };
inline const std::map<std::string, V99> kValues99 = {
    {"50m Hindernisschwimmen", {2700, 2400, 0}},
    {"100m Hindernisschwimmen", {6000, 5300, 0}},
    {"200m Hindernisschwimmen", {13266, 11776, 0}},
    {"50m Freistilschwimmen", {2600, 2300, 0}},
    {"50m Retten", {3970, 3320, 0}},
    {"50m kombiniertes Schwimmen", {2900, 2600, 0}},
    {"50m Retten mit Flossen", {2700, 2400, 0}},
    {"100m Retten mit Flossen", {6100, 5213, 0}},
    {"50m Flossenschwimmen", {2100, 1800, 0}},
    {"25m Schleppen einer Puppe", {2200, 1850, 0}},
    {"100m kombiniertes Rettungsschwimmen", {7950, 6778, 0}},
    {"4x25m Hindernisstaffel", {5700, 5100, 0}},
    {"4x50m Hindernisstaffel", {11400, 10200, 1}},
    {"4x25m Rettungsstaffel", {5000, 4400, 1}},
    {"4x50m kleine Rettungsstaffel", {13317, 11431, 1}},
    {"4x50m Rettungsstaffel", {13317, 11431, 1}},
    {"4x25m Gurtretterstaffel", {5600, 5000, 1}},
    {"4x50m Gurtretterstaffel", {11287, 9769, 1}},
    {"4x25m Puppenstaffel", {9825, 8293, 1}},
    {"4x25m Rückenlage-Beinschlag", {6000, 5600, 1}},
};

inline const Names k99Ak12S = {"50m Hindernisschwimmen", "50m kombiniertes Schwimmen", "50m Flossenschwimmen"};
inline const Names k99Ak12R = {"4x25m Hindernisstaffel", "4x25m Rettungsstaffel", "4x25m Gurtretterstaffel",
                        "4x25m Rückenlage-Beinschlag"};

inline Classes Youth99(bool relays, bool ak10) {
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
  const Names& ak12 = relays ? k99Ak12R : k99Ak12S;
  if (ak10) {
    Pair(c, "AK 10w", "AK 10m", 1980, 1981, 1, ak12);
    Pair(c, "AK 12w", "AK 12m", 1978, 1979, 1, ak12);
  } else {
    Pair(c, "AK 12w", "AK 12m", 1978, 1981, 1, ak12);
  }
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
  Pair(c, "AK 25w", "AK 25m", 1961, 1965, 1, a25);
  Pair(c, "AK 30w", "AK 30m", 1956, 1960, 1, a25);
  Pair(c, "AK 35w", "AK 35m", 1951, 1955, 1, a35);
  Pair(c, "AK 40w", "AK 40m", 1946, 1950, 1, a40);
  Pair(c, "AK 45w", "AK 45m", 1941, 1945, 1, a40);
  Pair(c, "AK 50w", "AK 50m", 1936, 1940, 1, a50);
  Pair(c, "AK 55w", "AK 55m", 1931, 1935, 1, a50);
  Pair(c, "AK 60w", "AK 60m", 1926, 1930, 1, a50);
  Pair(c, "AK 65w", "AK 65m", 1921, 1925, 1, a50);
  Pair(c, "AK 70w", "AK 70m", 1916, 1920, 1, a50);
  Pair(c, "AK 75w", "AK 75m", 1911, 1915, 1, a50);
  Pair(c, "AK 80+w", "AK 80+m", 1890, 1910, 1, a50);
  return c;
}

inline Classes Masters99Relays() {
  const Names a100 = {"4x50m Hindernisstaffel", "4x50m kleine Rettungsstaffel", "4x50m Gurtretterstaffel",
                      "4x25m Puppenstaffel"};
  const Names a200 = {"4x50m Hindernisstaffel", "4x50m kleine Rettungsstaffel", "4x50m Gurtretterstaffel"};
  Classes c;
  Pair(c, "AK 100w", "AK 100m", 1961, 1965, 1, a100);
  Pair(c, "AK 120w", "AK 120m", 1956, 1960, 1, a100);
  Pair(c, "AK 140w", "AK 140m", 1949, 1955, 1, a100);
  Pair(c, "AK 170w", "AK 170m", 1941, 1948, 1, a100);
  Pair(c, "AK 200w", "AK 200m", 1931, 1940, 1, a200);
  Pair(c, "AK 240+w", "AK 240+m", 1890, 1930, 1, a200);
  return c;
}

// ---- rule books 1995 and 1992 ---------------------------------------------

inline const std::map<std::string, int> kValues95 = {
    {"50m Schwimmen in Bauchlage -Freistil-", 135000},
    {"50m Rückenschwimmen -ohne Armtätigkeit-", 150000},
    {"50m Hindernisschwimmen -Brustschwimmen-", 140000},
    {"50m Hindernisschwimmen", 135000},
    {"100m Hindernisschwimmen", 170000},
    {"50m Flossenschwimmen", 130000},
    {"100m Flossenschwimmen", 185000},
    {"50m Schleppen einer Puppe", 160000},
    {"50m Brustschwimmen", 140000},
    {"50m kombiniertes Schnell- und Rückenschwimmen", 140000},
    {"4x25m Hindernisstaffel -Brustschwimmen-", 170000},
    {"4x25m Rückenschwimmstaffel ohne Armtätigkeit", 190000},
    {"4x25m Freistilstaffel", 165000},
    {"4x25m Transportstaffel", 210000},
    {"4x50m Hindernisstaffel", 220000},
    {"3x50m Rettungsstaffel", 230000},
    {"4x50m Rettungsstaffel", 250000},
    {"3x50m Rettungsleinenstaffel", 180000},
    {"4x25m Rettungsschwimmstaffel mit Puppe", 220000},
    {"4x50m Rettungsschwimmstaffel mit Puppe", 340000},
    {"4x50m Hindernisstaffel (SM20-35)", 230000},
    {"4x50m Tauchschwimmstaffel (SM20-SM35)", 230000},
    {"4x50m Rettungsstaffel (SM20-SM60)", 260000},
    {"4x25m Rettungsschwimmstaffel mit Puppe (SM20-SM35)", 230000},
    {"4x50m komb. Schnell- und Rückenschwimmstaffel (SM40-SM6", 250000},
    {"4x50m Brust- und Freistilstaffel (SM40-SM60)", 230000},
};

inline const std::map<std::string, int> kValues92 = {
    {"50m Hindernisschwimmen -Brustschwimmen-", 140000},
    {"50m Rückenschwimmen -ohne Armtätigkeit-", 150000},
    {"50m Schwimmen in Bauchlage -Freistil-", 135000},
    {"50m Hindernisschwimmen", 135000},
    {"50m Schleppen einer Puppe (Jugend)", 150000},
    {"50m Flossenschwimmen", 130000},
    {"100m Hindernisschwimmen", 170000},
    {"50m Schleppen einer Puppe", 160000},
    {"100m Flossenschwimmen", 185000},
    {"4x25m Hindernisstaffel -Brustschwimmen-", 170000},
    {"4x25m Rückenschwimmstaffel ohne Armtätigkeit", 190000},
    {"4x25m Freistilstaffel", 165000},
    {"4x25m Transportstaffel", 210000},
    {"4x50m Hindernisstaffel", 220000},
    {"3x50m Rettungsstaffel", 230000},
    {"4x50m Rettungsstaffel", 250000},
    {"3x50m Rettungsleinenstaffel", 180000},
    {"4x25m Rettungsschwimmstaffel mit Puppe", 220000},
    {"4x50m Rettungsschwimmstaffel mit Puppe", 340000},
};

inline const Names kPupilsS = {"50m Hindernisschwimmen -Brustschwimmen-", "50m Rückenschwimmen -ohne Armtätigkeit-",
                        "50m Schwimmen in Bauchlage -Freistil-"};
inline const Names kPupilsR = {"4x25m Hindernisstaffel -Brustschwimmen-", "4x25m Rückenschwimmstaffel ohne Armtätigkeit",
                        "4x25m Freistilstaffel", "4x25m Transportstaffel"};

inline void Pupils(Classes& c, const Names& d, bool split) {
  if (split) {
    Pair(c, "Schülerinnen 1", "Schüler 1", 1980, 1981, 1, d);
    Pair(c, "Schülerinnen 2", "Schüler 2", 1978, 1979, 1, d);
  } else {
    Pair(c, "Schülerinnen", "Schüler", 1978, 1981, 1, d);
  }
}

inline Classes Main95(bool relays, bool split) {
  const Names youthS = {"50m Hindernisschwimmen", "50m Schleppen einer Puppe", "50m Flossenschwimmen"};
  const Names juniorsS = {"100m Hindernisschwimmen", "50m Schleppen einer Puppe", "100m Flossenschwimmen"};
  const Names youthR = {"4x50m Hindernisstaffel", "3x50m Rettungsstaffel", "3x50m Rettungsleinenstaffel",
                        "4x25m Rettungsschwimmstaffel mit Puppe"};
  const Names juniorsR = {"4x50m Hindernisstaffel", "4x50m Rettungsstaffel", "3x50m Rettungsleinenstaffel",
                          "4x50m Rettungsschwimmstaffel mit Puppe"};
  Classes c;
  Pupils(c, relays ? kPupilsR : kPupilsS, split);
  Pair(c, "Jugend (weiblich)", "Jugend (männlich)", 1976, 1977, 3, relays ? youthR : youthS);
  Pair(c, "Juniorinnen", "Junioren", 1974, 1975, 3, relays ? juniorsR : juniorsS);
  Pair(c, "Damen", "Herren", 1969, 1973, 3, relays ? juniorsR : juniorsS);
  return c;
}

inline Classes Seniors95Singles() {
  const Names se20 = {"50m Hindernisschwimmen", "50m Schleppen einer Puppe",
                      "50m kombiniertes Schnell- und Rückenschwimmen"};
  const Names se50 = {"50m Brustschwimmen", "50m Schleppen einer Puppe",
                      "50m kombiniertes Schnell- und Rückenschwimmen"};
  Classes c;
  Pair(c, "Seniorinnen (SE 20)", "Senioren (SE 20)", 1966, 1970, 1, se20);
  Pair(c, "Seniorinnen (SE 25)", "Senioren (SE 25)", 1961, 1965, 1, se20);
  Pair(c, "Seniorinnen (SE 30)", "Senioren (SE 30)", 1956, 1960, 1, se20);
  Pair(c, "Seniorinnen (SE 35)", "Senioren (SE 35)", 1951, 1955, 1, se20);
  Pair(c, "Seniorinnen (SE 40)", "Senioren (SE 40)", 1946, 1950, 1, se20);
  Pair(c, "Seniorinnen (SE 45)", "Senioren (SE 45)", 1941, 1945, 1, se20);
  Pair(c, "Seniorinnen (SE 50)", "Senioren (SE 50)", 1936, 1940, 1, se50);
  Pair(c, "Seniorinnen (SE 55)", "Senioren (SE 55)", 1931, 1935, 1, se50);
  Pair(c, "Seniorinnen (SE 60)", "Senioren (SE 60)", 1926, 1930, 1, se50);
  Pair(c, "Seniorinnen (SE 65)", "Senioren (SE 65)", 1921, 1925, 1, se50);
  Pair(c, "Seniorinnen (SE 70)", "Senioren (SE 70)", 1916, 1920, 1, se50);
  Pair(c, "Seniorinnen (SE 75)", "Senioren (SE 75)", 1911, 1915, 1, se50);
  Pair(c, "Seniorinnen (SE 80)", "Senioren (SE 80)", 1906, 1910, 1, se50);
  return c;
}

inline Classes Seniors95Relays() {
  const Names sm20 = {"4x50m Hindernisstaffel (SM20-35)", "4x50m Tauchschwimmstaffel (SM20-SM35)",
                      "4x50m Rettungsstaffel (SM20-SM60)", "4x25m Rettungsschwimmstaffel mit Puppe (SM20-SM35)"};
  const Names sm40 = {"4x50m Rettungsstaffel (SM20-SM60)", "4x50m komb. Schnell- und Rückenschwimmstaffel (SM40-SM6",
                      "4x50m Brust- und Freistilstaffel (SM40-SM60)"};
  Classes c;
  Pair(c, "Seniorinnen (SM 20)", "Senioren (SM 20)", 1966, 1970, 1, sm20);
  Pair(c, "Seniorinnen (SM 25)", "Senioren (SM 25)", 1961, 1965, 1, sm20);
  Pair(c, "Seniorinnen (SM 30)", "Senioren (SM 30)", 1956, 1960, 1, sm20);
  Pair(c, "Seniorinnen (SM 35)", "Senioren (SM 35)", 1951, 1955, 1, sm20);
  Pair(c, "Seniorinnen (SM 40)", "Senioren (SM 40)", 1941, 1950, 1, sm40);
  Pair(c, "Seniorinnen (SM 50)", "Senioren (SM 50)", 1931, 1940, 1, sm40);
  Pair(c, "Seniorinnen (SM 60)", "Senioren (SM 60)", 1921, 1930, 1, sm40);
  return c;
}

enum class Kind92 { Singles, Relays, PupilsSingles, PupilsRelays, SinglesSplit };

inline Classes Rules92(Kind92 kind) {
  const bool relays = kind == Kind92::Relays || kind == Kind92::PupilsRelays;
  Classes c;
  Pupils(c, relays ? kPupilsR : kPupilsS, kind == Kind92::SinglesSplit);
  if (kind == Kind92::PupilsSingles || kind == Kind92::PupilsRelays) return c;
  const Names youthS = {"50m Hindernisschwimmen", "50m Schleppen einer Puppe (Jugend)", "50m Flossenschwimmen"};
  const Names juniorsS = {"100m Hindernisschwimmen", "50m Schleppen einer Puppe", "100m Flossenschwimmen"};
  const Names youthR = {"4x50m Hindernisstaffel", "3x50m Rettungsstaffel", "3x50m Rettungsleinenstaffel",
                        "4x25m Rettungsschwimmstaffel mit Puppe"};
  const Names juniorsR = {"4x50m Hindernisstaffel", "3x50m Rettungsstaffel", "3x50m Rettungsleinenstaffel",
                          "4x50m Rettungsschwimmstaffel mit Puppe"};
  const Names womenR = {"4x50m Hindernisstaffel", "4x50m Rettungsstaffel", "3x50m Rettungsleinenstaffel",
                        "4x50m Rettungsschwimmstaffel mit Puppe"};
  Pair(c, "Jugend (weiblich)", "Jugend (männlich)", 1976, 1977, 3, relays ? youthR : youthS);
  Pair(c, "Juniorinnen", "Junioren", 1974, 1975, 3, relays ? juniorsR : juniorsS);
  Pair(c, "Damen", "Herren", 1890, 1973, 3, relays ? womenR : juniorsS);
  Pair(c, "Jungseniorinnen", "Jungsenioren", 1890, 1968, 3, relays ? juniorsR : juniorsS);
  return c;
}

// ---- rule book 2007 -------------------------------------------------------

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
  const Names s13 = {"100m Hindernisschwimmen", "50m Retten einer Puppe", "50m Retten einer Puppe mit Flossen"};
  const Names s15 = {"100m Hindernisschwimmen", "50m Retten einer Puppe", "100m Retten einer Puppe mit Flossen"};
  const Names s17 = {"200m Hindernisschwimmen", "50m Retten einer Puppe", "100m Retten einer Puppe mit Flossen"};
  const Names sOpen = {"200m Hindernisschwimmen",
                       "50m Retten einer Puppe",
                       "100m kombinierte Rettungsübung",
                       "100m Retten einer Puppe mit Flossen und Rettungsgurt",
                       "200m Super Lifesaver",
                       "100m Retten einer Puppe mit Flossen"};
  const Names r12 = {"4x25m Hindernisstaffel", "4x25m kombinierte Staffel", "4x25m Gurtretterstaffel",
                     "4x25m Rückenlage ohne Arme"};
  const Names r13 = {"4x50m Hindernisstaffel", "4x25m Puppenstaffel", "4x50m Gurtretterstaffel",
                     "4x50m Rettungsstaffel"};
  Classes c;
  const Names& ak12 = relays ? r12 : s12;
  if (ak10) {
    Pair(c, "AK 10w", "AK 10m", 1980, 1990, 1, ak12, 1);
    Pair(c, "AK 12w", "AK 12m", 1978, 1979, 1, ak12, 1);
  } else {
    Pair(c, "AK 12w", "AK 12m", 1978, 1981, 1, ak12, 1);
  }
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
  Pair(c, "AK 25w", "AK 25m", 1961, 1965, 1, a25, 6);
  Pair(c, "AK 30w", "AK 30m", 1956, 1960, 1, a25, 6);
  Pair(c, "AK 35w", "AK 35m", 1951, 1955, 1, a35, 6);
  Pair(c, "AK 40w", "AK 40m", 1946, 1950, 1, a40, 6);
  Pair(c, "AK 45w", "AK 45m", 1941, 1945, 1, a40, 6);
  Pair(c, "AK 50w", "AK 50m", 1936, 1940, 1, a50, 6);
  Pair(c, "AK 55w", "AK 55m", 1931, 1935, 1, a50, 6);
  Pair(c, "AK 60w", "AK 60m", 1926, 1930, 1, a50, 6);
  Pair(c, "AK 65w", "AK 65m", 1921, 1925, 1, a50, 6);
  Pair(c, "AK 70w", "AK 70m", 1916, 1920, 1, a50, 6);
  Pair(c, "AK 75w", "AK 75m", 1911, 1915, 1, a50, 6);
  Pair(c, "AK 80w", "AK 80m", 1906, 1910, 1, a50, 6);
  Pair(c, "AK 85w", "AK 85m", 1901, 1905, 1, a50, 6);
  Pair(c, "AK 90w", "AK 90m", 1896, 1900, 1, a50, 6);
  return c;
}

inline Classes Masters07Relays() {
  const Names a100 = {"4x50m Hindernisstaffel", "4x25m Puppenstaffel", "4x50m Gurtretterstaffel",
                      "4x50m Rettungsstaffel"};
  const Names a200 = {"4x50m Freistilstaffel", "4x25m Rettungsstaffel", "4x25m Rückenlage ohne Arme"};
  Classes c;
  Pair(c, "AK 100w", "AK 100m", 1961, 1965, 1, a100, 6);
  Pair(c, "AK 120w", "AK 120m", 1956, 1960, 1, a100, 6);
  Pair(c, "AK 140w", "AK 140m", 1949, 1955, 1, a100, 6);
  Pair(c, "AK 170w", "AK 170m", 1941, 1948, 1, a100, 6);
  Pair(c, "AK 200w", "AK 200m", 1931, 1940, 1, a200, 6);
  Pair(c, "AK 240w", "AK 240m", 1921, 1930, 1, a200, 6);
  Pair(c, "AK 280+w", "AK 280+m", 1890, 1920, 1, a200, 6);
  return c;
}

// ---- expectations per code ------------------------------------------------

struct CodeCase {
  int code;
  Names builders;
  std::optional<uint16_t> kind;  // kind of event afterwards; nothing: left as it was
  Classes classes;
};

inline std::vector<CodeCase> CodeCases() {
  const Classes y99s = Youth99(false, false), y99r = Youth99(true, false);
  const Classes y99s10 = Youth99(false, true), y99r10 = Youth99(true, true);
  const Classes m99s = Masters99Singles(), m99r = Masters99Relays();
  const Classes a95s = Main95(false, false), a95r = Main95(true, false);
  const Classes a95s2 = Main95(false, true), a95r2 = Main95(true, true);
  const Classes s95s = Seniors95Singles(), s95r = Seniors95Relays();
  const Classes y07s = Youth07(false, false), y07r = Youth07(true, false);
  const Classes y07s10 = Youth07(false, true), y07r10 = Youth07(true, true);
  const Classes m07s = Masters07Singles(), m07r = Masters07Relays();
  return {
      {0, {"BuildRules1999YouthSingles"}, 0, y99s},
      {1, {"BuildRules1999YouthRelays"}, 1, y99r},
      {2, {"BuildRules1999MastersSingles"}, 0, m99s},
      {3, {"BuildRules1999MastersRelays"}, 1, m99r},
      {4, {"BuildRules1999YouthSinglesAK10"}, 0, y99s10},
      {5, {"BuildRules1999YouthRelaysAK10"}, 1, y99r10},
      {6, {"BuildRules1995Singles"}, 0, a95s},
      {7, {"BuildRules1995Relays"}, 1, a95r},
      {8, {"BuildRules1995SeniorsSingles"}, 0, s95s},
      {9, {"BuildRules1995SeniorsRelays"}, 1, s95r},
      {10, {"BuildRules1995SinglesSplit"}, 0, a95s2},
      {11, {"BuildRules1995RelaysSplit"}, 1, a95r2},
      // 1992: the relay presets set the team kind (a choice of this program), the
      // singles presets leave the kind alone.
      {12, {"BuildRules1992Singles"}, std::nullopt, Rules92(Kind92::Singles)},
      {13, {"BuildRules1992Relays"}, 1, Rules92(Kind92::Relays)},
      {14, {"BuildRules1992PupilsSingles"}, std::nullopt, Rules92(Kind92::PupilsSingles)},
      {15, {"BuildRules1992PupilsRelays"}, 1, Rules92(Kind92::PupilsRelays)},
      {16, {"BuildRules1992SinglesSplit"}, std::nullopt, Rules92(Kind92::SinglesSplit)},
      {17, {"BuildRules1992Relays"}, 1, Rules92(Kind92::Relays)},
      {20, {"BuildRules2007YouthSingles"}, 0, y07s},
      {21, {"BuildRules2007YouthRelays"}, 1, y07r},
      {22, {"BuildRules2007MastersSingles"}, 0, m07s},
      {23, {"BuildRules2007MastersRelays"}, 1, m07r},
      {24, {"BuildRules2007YouthSinglesAK10"}, 0, y07s10},
      {25, {"BuildRules2007YouthRelaysAK10"}, 1, y07r10},
      {1001, {"BuildRules1999YouthSingles", "BuildRules1999MastersSingles"}, 0, y99s + m99s},
      {1002, {"BuildRules1999YouthRelays", "BuildRules1999MastersRelays"}, 1, y99r + m99r},
      {1003, {"BuildRules1999YouthSinglesAK10", "BuildRules1999MastersSingles"}, 0, y99s10 + m99s},
      {1004, {"BuildRules1999YouthRelaysAK10", "BuildRules1999MastersRelays"}, 1, y99r10 + m99r},
      {1011, {"BuildRules1995Singles", "BuildRules1995SeniorsSingles"}, 0, a95s + s95s},
      {1012, {"BuildRules1995Relays", "BuildRules1995SeniorsRelays"}, 1, a95r + s95r},
      {1013, {"BuildRules1995SinglesSplit", "BuildRules1995SeniorsSingles"}, 0, a95s2 + s95s},
      {1014, {"BuildRules1995RelaysSplit", "BuildRules1995SeniorsRelays"}, 1, a95r2 + s95r},
      {1021, {"BuildRules2007YouthSingles", "BuildRules2007MastersSingles"}, 0, y07s + m07s},
      {1022, {"BuildRules2007YouthRelays", "BuildRules2007MastersRelays"}, 1, y07r + m07r},
      {1023, {"BuildRules2007YouthSinglesAK10", "BuildRules2007MastersSingles"}, 0, y07s10 + m07s},
      {1024, {"BuildRules2007YouthRelaysAK10", "BuildRules2007MastersRelays"}, 1, y07r10 + m07r},
  };
}

// What one discipline slot holds in a class of the rule book of `year`.
struct Slot {
  uint16_t kind;
  std::array<int32_t, 5> v;
  uint16_t ruleCode;
};

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

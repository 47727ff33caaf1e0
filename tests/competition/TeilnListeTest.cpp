// Owning and non-owning use are left to the sanitizers: a non-owning ranking
// list that freed its participants, or an owning list that kept them, fails
// every evaluation under AddressSanitizer and LeakSanitizer.
#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "CodePage.h"
#include "VkTeilnListe.h"

namespace {

using Names_ = std::vector<std::string>;

std::unique_ptr<TTeilnehmerListe> List(uint8_t mode, int16_t discipline = 1) {
  auto l = std::make_unique<TTeilnehmerListe>();
  l->SetSortMode(mode);
  l->SetDiscipline(discipline);
  return l;
}

Names_ Names(const TTeilnehmerListe& l) {
  Names_ out;
  for (int i = 0; i < l.GetCount(); ++i) out.push_back(l.At(i)->Name(false));
  return out;
}

}  // namespace

// CP850: u-umlaut 0x81, a-umlaut 0x84, A-umlaut 0x8E, sharp s 0xE1. First
// names and bytes behind a name's length never count; team names count
// beyond the individual layout's 20 characters.
TEST(TeilnListe, NameRuleUnsignedBytesPrefixFirst) {
  for (uint8_t mode : {1, 7, 9}) {
    auto l = List(mode);
    for (const char* n : {"ß", "b", "Ärger", "Ab", "z", "über", "A", "Z", "a", "B", "ärger", ""}) {
      auto* t = new TTeilnehmer;
      t->SetName(false, Oem(n));
      l->Insert(t);
    }
    const Names_ want = {"", "A", "Ab", "B", "Z", "a", "b", "z", Oem("über"), Oem("ärger"), Oem("Ärger"), Oem("ß")};
    EXPECT_EQ(Names(*l), want) << "mode " << int(mode);
  }
  auto l = List(1);
  TTeilnehmer a, b, c;
  a.SetName(true, "Meier"), a.SetVorname("Zoe"), b.SetName(true, "Meier"), b.SetVorname("Anna");
  c.SetName(true, "Meierhofer"), c.SetName(true, "Meier");
  EXPECT_EQ(std::tuple(l->Compare(&a, &b), l->Compare(&b, &a), l->Compare(&a, &c)), std::tuple(0, 0, 0));
  a.SetName(false, "Rettungsschwimmer Nord B"), b.SetName(false, "Rettungsschwimmer Nord A");
  EXPECT_EQ(std::pair(l->Compare(&a, &b), l->Compare(&b, &a)), std::pair(1, -1));
}

// Each row: the modes and discipline, how a participant's two numbers are
// set, the participants, and the order they end in.
TEST(TeilnListe, SortModes) {
  using T = TTeilnehmer;
  using Set = void (*)(T&, int32_t, int32_t);
  using Rows = std::vector<std::tuple<const char*, int32_t, int32_t>>;
  const Set total = [](T& t, int32_t a, int32_t) { t.SetTotal(a); };
  // Heat and lane of discipline 2; discipline 1 in reverse order must not be read.
  const Set heatLane = [](T& t, int32_t h, int32_t l) {
    t.SetHeat(2, int16_t(h)), t.SetLane(2, int16_t(l)), t.SetHeat(1, int16_t(100 - h));
  };
  const Set cprTime = [](T& t, int32_t time, int32_t s) { t.SetCprTime(int16_t(time)), t.SetCprStation(int16_t(s)); };
  const Set points = [](T& t, int32_t p, int32_t) { t.SetPoints(6, p), t.SetPoints(1, -p), t.SetTotal(p); };
  const Set cpr = [](T& t, int32_t p, int32_t c) { t.SetPoints(3, p), t.SetCprValue(c); };
  const Rows six = {{"C", 100, 0}, {"A", 900, 0}, {"D", 0, 0}, {"B", 100, 0}};
  const Rows withCpr = {{"A", 800, 0}, {"B", 500, 100}, {"C", 300, -300},
                        {"D", 0, 50},  {"E", 700, 1},   {"F", 900, -100}};
  const std::tuple<std::vector<uint8_t>, int16_t, Set, Rows, Names_> cases[] = {
      {{0, 4, 5}, 1, total,
       {{"C", 300, 0}, {"B", 500, 0}, {"D", 100, 0}, {"A", 500, 0}, {"E", -4, 0}, {"F", INT_MAX, 0}, {"G", INT_MIN, 0}},
       {"F", "A", "B", "C", "D", "E", "G"}},
      // Heat 3 lane 11 and heat 4 lane 1 share the key 41: the name decides.
      {{2}, 2, heatLane,
       {{"H4L1", 4, 1}, {"H3L10", 3, 10}, {"Znone", 0, 0}, {"H1L2", 1, 2}, {"B-H3L11", 3, 11}, {"H1L1", 1, 1},
        {"Max", SHRT_MAX, SHRT_MAX}, {"Big", 3277, 0}},  // keys past 16 bits
       {"Znone", "H1L1", "H1L2", "H3L10", "B-H3L11", "H4L1", "Big", "Max"}},
      {{3}, 6, points, six, {"A", "B", "C", "D"}},
      {{3}, 1, points, six, {"D", "B", "C", "A"}},
      {{3}, 0, points, six, {"A", "B", "C", "D"}},  // a discipline outside 1..6 ties everyone on the name
      {{6}, 1, cprTime, {{"A", 930, 2}, {"B", 930, 1}, {"C", 925, 5}, {"D", 0, 0}, {"E", 930, 1}},
       {"D", "C", "B", "E", "A"}},
      // Without a passed CPR the points count 0, so A, C, D and F tie by name.
      {{8}, 3, cpr, withCpr, {"E", "B", "A", "C", "D", "F"}},
      {{3}, 3, cpr, withCpr, {"F", "A", "E", "B", "C", "D"}},
  };
  for (const auto& [modes, d, set, in, want] : cases) {
    for (uint8_t mode : modes) {
      auto l = List(mode, d);
      for (auto [name, a, b] : in) {
        T* t = new T;
        t->SetName(false, name);
        set(*t, a, b);
        l->Insert(t);
      }
      EXPECT_EQ(Names(*l), want) << "mode " << int(mode) << " discipline " << d;
      const int last = l->GetCount() - 1;
      EXPECT_EQ(std::pair(l->Compare(l->At(0), l->At(last)), l->Compare(l->At(last), l->At(0))), std::pair(-1, 1));
    }
  }
}

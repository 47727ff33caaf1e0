#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "AkTestSupport.h"
#include "CodePage.h"
#include "VkAkOps.h"

using namespace aktest;

namespace {

// Participants "A", "B", ... whose totals are their CPR values (no times, so
// the disciplines add nothing); `direct` lists the directly qualified.
std::unique_ptr<TAltersklasse> WithTotals(const std::vector<int32_t>& totals, uint16_t disciplines = 2,
                                          uint16_t flags = 0, const std::vector<int>& direct = {}) {
  auto ak = MakeClass(disciplines, flags);
  for (size_t i = 0; i < totals.size(); ++i) {
    TTeilnehmer* t = Tn(std::string(1, static_cast<char>('A' + i)), totals[i]);
    const bool isDirect = std::count(direct.begin(), direct.end(), static_cast<int>(i)) > 0;
    t->SetFlag(TTeilnehmer::kDirektQualifiziert, isDirect);
    ak->Insert(t);
  }
  return ak;
}

// Names in the current order; with `bit`, only those carrying that flag, sorted.
std::string Names(const TAltersklasse& ak, uint16_t bit = 0) {
  std::string out;
  for (int i = 0; i < ak.GetCount(); ++i)
    if (bit == 0 || ak.At(i)->Flag(bit)) out += ak.At(i)->Name(true);
  if (bit != 0) std::sort(out.begin(), out.end());
  return out;
}

// Heats and lanes of discipline d in the current order: "3:342516 2:34".
std::string Heats(const TAltersklasse& ak, int d) {
  std::string out;
  int last = -1;
  for (int i = 0; i < ak.GetCount(); ++i) {
    const int h = ak.At(i)->Heat(d);
    if (h != last) out += (out.empty() ? "" : " ") + std::to_string(h) + ":";
    last = h;
    out += std::to_string(ak.At(i)->Lane(d));
  }
  return out;
}

}  // namespace

TEST(AkOps, Qualify) {
  const std::string surplus =
      Oem("Überhang (durch TN mit gleicher Punktzahl oder mit der Eig. qualifiziert) in der Altersklasse Jugend.");
  struct Case {
    std::vector<int32_t> totals;
    std::vector<int> direct;
    int n, mode;
    std::string marked, left;
    bool msg;
  };
  const std::vector<int32_t> tied = {1000, 900, 800, 700, 600, 500, 500, 400, 300, 200};
  const std::vector<int32_t> falling = {1000, 900, 800, 700, 600, 500, 400, 300, 200, 100};
  for (const Case& c : std::vector<Case>{
           {tied, {}, 6, 1, "ABCDEFG", "ABCDEFGHIJ", true},  // tie at the cut
           {falling, {2, 3, 4, 5, 6, 7, 8, 9}, 6, 1, "CDEFGHIJ", "ABCDEFGHIJ", true},
           {{0, 500, 400}, {0}, 2, 0, "B", "B", false},  // directly qualified, total 0
           {{300, 0, 200}, {}, 20, 1, "AC", "ABC", false},
           {{300, 200, 100}, {}, -1, 0, "", "", false}}) {
    MessageCapture m;
    auto ak = WithTotals(c.totals, 0, 0, c.direct);
    ak->Qualify(c.n, c.mode);
    std::string left = Names(*ak);
    std::sort(left.begin(), left.end());
    EXPECT_EQ(std::tuple(left, Names(*ak, TTeilnehmer::kStartberechtigt), m.list, ak->Flags()),
              std::tuple(c.left, c.marked, std::vector<std::string>(c.msg ? 1 : 0, surplus), uint16_t{0}))
        << c.n;
  }
  auto ak = WithTotals({300, 200, 100});  // mode 2 deletes by the marks already set
  Find(*ak, "C")->SetFlag(TTeilnehmer::kStartberechtigt, true);
  ak->Qualify(1, 2);
  EXPECT_EQ(Names(*ak), "C");
}

TEST(AkOps, HeatsAndLanes) {
  std::vector<int32_t> totals;
  for (int i = 0; i < 14; ++i) totals.push_back(1400 - 100 * i);
  struct Case { int16_t heat, position, lanes, options; std::string heats; int16_t next; };
  for (const Case& c : std::vector<Case>{
           {1, 1, 6, 0, "3:342516 2:342516 1:34", 4},
           {1, 1, 6, 8, "1:342516 2:342516 3:34", 4},
           {5, 3, 6, 0, "7:2516 6:342516 5:3425", 8},
           {1, 0, 6, 8, "1:342516 2:342516 3:34", 4},  // position 0 taken as 1
           // no lanes, heat 0
           {0, 1, 0, 8, "1:1 2:1 3:1 4:1 5:1 6:1 7:1 8:1 9:1 10:1 11:1 12:1 13:1 14:1", 15},
           {32760, 1, 1, 8, "32760:1 32761:1 32762:1 32763:1 32764:1 32765:1 32766:1 32767:1111111", 32767}}) {
    auto ak = WithTotals(totals, 2, TAltersklasse::kAlphabetical);
    for (int i = 0; i < ak->GetCount(); ++i) ak->At(i)->SetHeat(2, 9);
    TLaufParameter p{1, c.heat, c.position, c.lanes, 0, 0, 0, c.options};
    ak->AssignHeats(p);
    EXPECT_EQ(std::tuple(ak->Flags(), Heats(*ak, 1), Heats(*ak, 2), p.nextHeat, p.nextPosition),
              std::tuple(TAltersklasse::kAlphabetical, c.heats, "0:00000000000000", c.next, int16_t{1}))
        << c.heat << "/" << c.position << "/" << c.options;
  }
  std::string table;  // the centre-out order for 1..10 lanes (lane 10 shows as ':'), then 12 lanes
  for (int n = 1; n <= 10; ++n) {
    for (int k = 1; k <= n; ++k) table += static_cast<char>('0' + CentreOutLane(n, k));
    table += ' ';
  }
  EXPECT_EQ(table + std::to_string(CentreOutLane(12, 11)),
            "1 12 213 2314 32415 342516 4352617 45362718 546372819 564738291: 11");
}

TEST(AkOps, HeatsByNameOrTotal) {
  // Totals rise with the name; C does not swim discipline 1 but counts for the heats.
  struct Case { uint16_t flags; int16_t options, d; std::string heats, shown; };
  for (const Case& c : std::vector<Case>{{0, TLaufParameter::kAlphabetical, 1, "1:1 0:0 1:32", "DCBA"},
                                         {TAltersklasse::kAlphabetical, 0, 1, "1:13 0:0 1:2", "ABCD"},
                                         {0, 16, 2, "1:2314", "DCBA"},  // discipline 2 numbered on
                                         {0, 2, 2, "0:0000", "DCBA"},   // lanes swapped: later heats cleared
                                         {0, 0, 2, "7:7777", "DCBA"},
                                         {0, 16, 3, "7:7777", "DCBA"}}) {  // beyond the two disciplines
    auto ak = WithTotals({100, 200, 300, 400}, 2, c.flags);
    for (int i = 0; i < 4; ++i) {
      ak->At(i)->SetHeat(2, 7);
      ak->At(i)->SetLane(2, 7);
    }
    Find(*ak, "C")->SetDeduction(1, -5);
    TLaufParameter p{c.d, 1, 1, 4, 0, 0, 0, c.options};
    ak->AssignHeats(p);
    EXPECT_EQ(std::tuple(Heats(*ak, c.d == 1 ? 1 : 2), Names(*ak), p.nextHeat), std::tuple(c.heats, c.shown, 2))
        << c.options << "/" << c.d;
  }
}

TEST(AkOps, CprTimetable) {
  const std::string midnight = Oem("HLW dauert bis über Mitternacht hinaus!");
  using Slot = std::tuple<int, int, int>;  // time, station, heat
  struct Case { THLWParameter q; std::vector<Slot> slots; Slot after; int messages; };
  for (const Case& c : std::vector<Case>{
           {{4, 800, 1, 15, 2, 1}, {{800, 1, 1}, {800, 3, 3}, {815, 1, 5}}, {815, 3, 7}, 0},
           {{2, 2350, 1, 15, 1, 1}, {{2350, 1, 1}, {2350, 2, 2}, {5, 1, 3}}, {5, 2, 4}, 1},
           {{1, 800, 1, 130, 1, 1}, {{800, 1, 1}, {1010, 1, 2}, {1220, 1, 3}}, {1430, 1, 4}, 0},
           {{5, 2430, 9, 15, 1, 1}, {{30, 1, 1}, {30, 2, 2}, {30, 3, 3}}, {30, 4, 4}, 0},  // 24:30, station 9 of 5
           {{0, 800, 1, 10, 1, 1}, {{800, 1, 1}, {810, 1, 2}, {820, 1, 3}}, {830, 1, 4}, 0},
           // 25 hours a pass: 22:00, 23:00, 00:00 (midnight passed twice), 01:00; heat numbers stop at the
           // largest.
           {{1, 2200, 1, 1500, 1, 32766}, {{2200, 1, 32766}, {2300, 1, 32767}, {0, 1, 32767}}, {100, 1, 32767}, 4}}) {
    MessageCapture m;
    auto ak = WithTotals({300, 200, 100}, 0, TAltersklasse::kCprScored);
    THLWParameter q = c.q;
    ak->AssignCprHeats(q);
    std::vector<Slot> slots;
    for (int i = 0; i < 3; ++i) {
      const TTeilnehmer& t = *ak->At(i);
      slots.emplace_back(t.CprTime(), t.CprStation(), t.CprHeat());
    }
    EXPECT_EQ(std::tuple(slots, Slot(q.clock, q.nextStation, q.nextHeat), m.list),
              std::tuple(c.slots, c.after, std::vector<std::string>(c.messages, midnight)))
        << c.q.clock;
  }
  auto ak = WithTotals({300});  // no CPR: nothing changes
  THLWParameter q{4, 800, 1, 15, 2, 1};
  ak->AssignCprHeats(q);
  EXPECT_EQ(std::pair(ak->At(0)->CprHeat(), q.nextHeat), (std::pair<int16_t, int16_t>(0, 1)));
}

TEST(AkOps, StrikeAndReset) {
  // A: a time; B: nothing; C: only a deduction of 5; D: all "n.a." already.
  struct Case { int mode; std::string left, na; };
  for (const Case& c : std::vector<Case>{{0, "ABCD", "BCD"}, {1, "A", ""}, {2, "ABC", ""}, {3, "ABCD", "D"}}) {
    auto ak = WithTotals({0, 0, 0, 0}, 1);
    Find(*ak, "A")->SetTime(1, 1000);
    Find(*ak, "C")->SetDeduction(1, 5);
    Find(*ak, "D")->SetAllNA();
    ak->Evaluate();
    ak->Strike(c.mode);
    std::string left = Names(*ak);
    std::string na;
    std::sort(left.begin(), left.end());
    for (char n : left) {
      const TTeilnehmer* t = Find(*ak, std::string(1, n));
      if (t->Deduction(1) == -3 && t->CprValue() == -300) na += n;
    }
    EXPECT_EQ(left + "/" + na, c.left + "/" + c.na) << c.mode;
  }
  auto ak = WithTotals({500, 400}, 1);
  Find(*ak, "B")->SetHeat(1, 3);
  TYrSet items;
  items.SetElement(25, true);
  items.SetElement(13, true);
  ak->ResetResults(items);
  // Evaluated: both at 0 share place 1.
  EXPECT_EQ(std::tuple(Find(*ak, "A")->Total(), Find(*ak, "B")->Heat(1), Find(*ak, "B")->Place()),
            std::tuple(0, int16_t{0}, uint16_t{1}));
}

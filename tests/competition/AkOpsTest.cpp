#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "AkTestSupport.h"
#include "CodePage.h"
#include "VkAkOps.h"

using namespace aktest;
using Texts = std::vector<std::string>;

namespace {

// Participants "A", "B", ... whose totals are their CPR values (no times, so
// the disciplines add nothing); `direct` lists the directly qualified.
std::unique_ptr<TAltersklasse> WithTotals(const std::vector<int32_t>& totals, uint16_t disciplines = 2,
                                          uint16_t flags = 0, const std::vector<int>& direct = {}) {
  auto ak = MakeClass(disciplines, flags);
  for (size_t i = 0; i < totals.size(); ++i) {
    TTeilnehmer* t = Tn(std::string(1, char('A' + i)), totals[i]);
    t->SetFlag(TTeilnehmer::kDirektQualifiziert, std::count(direct.begin(), direct.end(), int(i)) > 0);
    ak->Insert(t);
  }
  return ak;
}

// Names in the current order; with `bit`, only those carrying that flag; sorted when `sorted`.
std::string Names(const TAltersklasse& ak, uint16_t bit = 0, bool sorted = true) {
  std::string out;
  for (int i = 0; i < ak.GetCount(); ++i)
    if (bit == 0 || ak.At(i)->Flag(bit)) out += ak.At(i)->Name(true);
  if (sorted) std::sort(out.begin(), out.end());
  return out;
}

// Heats and lanes of discipline d in the current order: "3:342516 2:34".
std::string Heats(const TAltersklasse& ak, int d) {
  std::string out;
  for (int i = 0, last = -1; i < ak.GetCount(); last = ak.At(i++)->Heat(d)) {
    if (ak.At(i)->Heat(d) != last) out += (out.empty() ? "" : " ") + std::to_string(ak.At(i)->Heat(d)) + ":";
    out += std::to_string(ak.At(i)->Lane(d));
  }
  return out;
}

}  // namespace

// Totals, directly qualified, n, mode; marked, left, surplus message.
TEST(AkOps, Qualify) {
  const std::vector<int32_t> tied = {1000, 900, 800, 700, 600, 500, 500, 400, 300, 200};
  const std::vector<int32_t> falling = {1000, 900, 800, 700, 600, 500, 400, 300, 200, 100};
  const std::tuple<std::vector<int32_t>, std::vector<int>, int, int, std::string, std::string, bool> cases[] = {
      {tied, {}, 6, 1, "ABCDEFG", "ABCDEFGHIJ", true},  // tie at the cut
      {falling, {2, 3, 4, 5, 6, 7, 8, 9}, 6, 1, "CDEFGHIJ", "ABCDEFGHIJ", true},
      {{0, 500, 400}, {0}, 2, 0, "B", "B", false},  // directly qualified, total 0
      {{300, 0, 200}, {}, 20, 1, "AC", "ABC", false},
      {{300, 200, 100}, {}, -1, 0, "", "", false}};
  for (const auto& [totals, direct, n, mode, marked, left, surplus] : cases) {
    MessageCapture m;
    auto ak = WithTotals(totals, 0, 0, direct);
    ak->Qualify(n, mode);
    const Texts message(surplus, Oem("Überhang (durch TN mit gleicher Punktzahl oder mit der Eig. qualifiziert) "
                                     "in der Altersklasse Jugend."));
    EXPECT_EQ(std::tuple(Names(*ak), Names(*ak, TTeilnehmer::kStartberechtigt), m.list, ak->Flags()),
              std::tuple(left, marked, message, uint16_t{0}))
        << n;
  }
  auto ak = WithTotals({300, 200, 100});  // mode 2 deletes by the marks already set
  Find(*ak, "C")->SetFlag(TTeilnehmer::kStartberechtigt, true);
  ak->Qualify(1, 2);
  EXPECT_EQ(Names(*ak), "C");
}

// Heat, position, lanes and options in; heats and lanes of 14 participants and the next heat out.
TEST(AkOps, HeatsAndLanes) {
  std::vector<int32_t> totals;
  for (int i = 0; i < 14; ++i) totals.push_back(1400 - 100 * i);
  const std::tuple<int16_t, int16_t, int16_t, int16_t, std::string, int16_t> cases[] = {
      {1, 1, 6, 0, "3:342516 2:342516 1:34", 4},
      {1, 1, 6, 8, "1:342516 2:342516 3:34", 4},
      {5, 3, 6, 0, "7:2516 6:342516 5:3425", 8},
      {1, 0, 6, 8, "1:342516 2:342516 3:34", 4},  // position 0 taken as 1
      {0, 1, 0, 8, "1:1 2:1 3:1 4:1 5:1 6:1 7:1 8:1 9:1 10:1 11:1 12:1 13:1 14:1", 15},  // no lanes, heat 0
      {32760, 1, 1, 8, "32760:1 32761:1 32762:1 32763:1 32764:1 32765:1 32766:1 32767:1111111", 32767}};
  for (const auto& [heat, position, lanes, options, heats, next] : cases) {
    auto ak = WithTotals(totals, 2, TAltersklasse::kAlphabetical);
    for (int i = 0; i < ak->GetCount(); ++i) ak->At(i)->SetHeat(2, 9);
    TLaufParameter p{1, heat, position, lanes, 0, 0, 0, options};
    ak->AssignHeats(p);
    EXPECT_EQ(std::tuple(ak->Flags(), Heats(*ak, 1), Heats(*ak, 2), p.nextHeat, p.nextPosition),
              std::tuple(TAltersklasse::kAlphabetical, heats, "0:00000000000000", next, int16_t{1}))
        << heat << "/" << position << "/" << options;
  }
  std::string table;  // the centre-out order for 1..10 lanes (lane 10 shows as ':'), then 12 lanes
  for (int n = 1; n <= 10; ++n) {
    for (int k = 1; k <= n; ++k) table += char('0' + CentreOutLane(n, k));
    table += ' ';
  }
  EXPECT_EQ(table + std::to_string(CentreOutLane(12, 11)),
            "1 12 213 2314 32415 342516 4352617 45362718 546372819 564738291: 11");
}

// Totals rise with the name; C does not swim discipline 1 but counts for the heats.
TEST(AkOps, HeatsByNameOrTotal) {
  const std::tuple<uint16_t, int16_t, int16_t, std::string, std::string> cases[] = {
      {0, TLaufParameter::kAlphabetical, 1, "1:1 0:0 1:32", "DCBA"},
      {TAltersklasse::kAlphabetical, 0, 1, "1:13 0:0 1:2", "ABCD"},
      {0, 16, 2, "1:2314", "DCBA"},   // discipline 2 numbered on
      {0, 2, 2, "0:0000", "DCBA"},    // lanes swapped: later heats cleared
      {0, 0, 2, "7:7777", "DCBA"},
      {0, 16, 3, "7:7777", "DCBA"}};  // beyond the two disciplines
  for (const auto& [flags, options, d, heats, shown] : cases) {
    auto ak = WithTotals({100, 200, 300, 400}, 2, flags);
    for (int i = 0; i < 4; ++i) ak->At(i)->SetHeat(2, 7), ak->At(i)->SetLane(2, 7);
    Find(*ak, "C")->SetDeduction(1, -5);
    TLaufParameter p{d, 1, 1, 4, 0, 0, 0, options};
    ak->AssignHeats(p);
    EXPECT_EQ(std::tuple(Heats(*ak, d == 1 ? 1 : 2), Names(*ak, 0, false), p.nextHeat), std::tuple(heats, shown, 2))
        << options << "/" << d;
  }
}

// Parameters in; time, station and heat of three participants and the parameters out; midnight messages.
TEST(AkOps, CprTimetable) {
  using Slot = std::tuple<int, int, int>;
  const std::tuple<THLWParameter, std::vector<Slot>, Slot, size_t> cases[] = {
      {{4, 800, 1, 15, 2, 1}, {{800, 1, 1}, {800, 3, 3}, {815, 1, 5}}, {815, 3, 7}, 0},
      {{2, 2350, 1, 15, 1, 1}, {{2350, 1, 1}, {2350, 2, 2}, {5, 1, 3}}, {5, 2, 4}, 1},
      {{1, 800, 1, 130, 1, 1}, {{800, 1, 1}, {1010, 1, 2}, {1220, 1, 3}}, {1430, 1, 4}, 0},
      {{5, 2430, 9, 15, 1, 1}, {{30, 1, 1}, {30, 2, 2}, {30, 3, 3}}, {30, 4, 4}, 0},  // 24:30, station 9 of 5
      {{0, 800, 1, 10, 1, 1}, {{800, 1, 1}, {810, 1, 2}, {820, 1, 3}}, {830, 1, 4}, 0},
      // 25 hours a pass: 22:00, 23:00, 00:00 (midnight passed twice), 01:00; heat numbers stop at the largest.
      {{1, 2200, 1, 1500, 1, 32766}, {{2200, 1, 32766}, {2300, 1, 32767}, {0, 1, 32767}}, {100, 1, 32767}, 4}};
  for (auto [q, slots, after, messages] : cases) {
    MessageCapture m;
    auto ak = WithTotals({300, 200, 100}, 0, TAltersklasse::kCprScored);
    const int clock = q.clock;
    ak->AssignCprHeats(q);
    std::vector<Slot> got;
    for (int i = 0; i < 3; ++i) got.emplace_back(ak->At(i)->CprTime(), ak->At(i)->CprStation(), ak->At(i)->CprHeat());
    EXPECT_EQ(std::tuple(got, Slot(q.clock, q.nextStation, q.nextHeat), m.list),
              std::tuple(slots, after, Texts(messages, Oem("HLW dauert bis über Mitternacht hinaus!"))))
        << clock;
  }
  auto ak = WithTotals({300});  // no CPR: nothing changes
  THLWParameter q{4, 800, 1, 15, 2, 1};
  ak->AssignCprHeats(q);
  EXPECT_EQ(std::pair(ak->At(0)->CprHeat(), q.nextHeat), (std::pair<int16_t, int16_t>(0, 1)));
}

// A: a time; B: nothing; C: only a deduction of 5; D: all "n.a." already.
// Mode; those left and those "n.a." afterwards.
TEST(AkOps, StrikeAndReset) {
  for (auto [mode, left, na] : {std::tuple{0, "ABCD", "BCD"}, {1, "A", ""}, {2, "ABC", ""}, {3, "ABCD", "D"}}) {
    auto ak = WithTotals({0, 0, 0, 0}, 1);
    Find(*ak, "A")->SetTime(1, 1000), Find(*ak, "C")->SetDeduction(1, 5), Find(*ak, "D")->SetAllNA();
    ak->Evaluate();
    ak->Strike(mode);
    std::string gotNa;
    for (char n : Names(*ak)) {
      const TTeilnehmer* t = Find(*ak, std::string(1, n));
      if (t->Deduction(1) == -3 && t->CprValue() == -300) gotNa += n;
    }
    EXPECT_EQ(Names(*ak) + "/" + gotNa, std::string(left) + "/" + na) << mode;
  }
  auto ak = WithTotals({500, 400}, 1);
  Find(*ak, "B")->SetHeat(1, 3);
  TYrSet items;
  items.SetElement(25, true), items.SetElement(13, true);
  ak->ResetResults(items);  // then evaluated: both at 0 share place 1
  EXPECT_EQ(std::tuple(Find(*ak, "A")->Total(), Find(*ak, "B")->Heat(1), Find(*ak, "B")->Place()),
            std::tuple(0, int16_t{0}, uint16_t{1}));
}

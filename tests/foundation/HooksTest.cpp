#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <utility>

#include "YrHooks.h"

namespace {

constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
constexpr int32_t kMax = std::numeric_limits<int32_t>::max();

}  // namespace

TEST(Progress, UpdateClampsMaxFirstThenMin) {
  struct Case { int32_t min, max, pos, want; };
  for (const Case& c : {Case{0, 10, 15, 10}, Case{5, 10, 2, 5}, Case{10, 5, 7, 10}, Case{0, 10, 4, 4}}) {
    TYrProgress p;
    p.Update("x", c.min, c.max, 1, c.pos);
    EXPECT_EQ(p.Position(), c.want) << c.min << ".." << c.max << " @" << c.pos;
  }
}

// StepIt stops at Max, and a step that would pass the 32-bit range saturates
// (the sanitizers catch an overflow).
TEST(Progress, StepItStopsAtMaxAndNeverOverflows) {
  struct Case { int32_t min, max, step, pos, want; };
  for (const Case& c : {Case{0, 10, 3, 9, 10}, Case{kMin, kMax, kMax, kMax - 1, kMax},
                        Case{kMin, kMax, kMin, kMin + 1, kMin}, Case{0, 100, 7, 50, 57}}) {
    TYrProgress p;
    p.Update("x", c.min, c.max, c.step, c.pos);
    p.StepIt();
    EXPECT_EQ(p.Position(), c.want) << c.step << " @" << c.pos;
  }
}

TEST(Progress, EveryChangeReachesTheHookWithTheCaptionCutTo255) {
  int calls = 0;
  std::string seen;
  ProgressProc = [&](TYrProgress& p) {
    ++calls;
    seen = p.Caption();
  };
  TYrProgress p;  // Init updates once
  p.SetCaption(std::string(300, 'k'));
  p.StepIt();
  ProgressProc = NoProgress;
  p.StepIt();
  EXPECT_EQ(std::pair(calls, seen), std::pair(3, std::string(255, 'k')));
}

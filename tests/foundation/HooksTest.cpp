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

// Update clamps to Max first, then to Min; StepIt stops at Max, and a step
// that would pass the 32-bit range saturates (the sanitizers catch an overflow).
TEST(Progress, UpdateClampsAndStepItStopsAtMaxAndNeverOverflows) {
  struct Case { int32_t min, max, step, pos, updated, stepped; };
  for (const Case& c : {Case{0, 10, 1, 15, 10, 10}, Case{5, 10, 1, 2, 5, 6}, Case{10, 5, 1, 7, 10, 10},
                        Case{0, 10, 3, 9, 9, 10}, Case{kMin, kMax, kMax, kMax - 1, kMax - 1, kMax},
                        Case{kMin, kMax, kMin, kMin + 1, kMin + 1, kMin}, Case{0, 100, 7, 50, 50, 57}}) {
    TYrProgress p;
    p.Update("x", c.min, c.max, c.step, c.pos);
    const int32_t updated = p.Position();
    p.StepIt();
    EXPECT_EQ(std::pair(updated, p.Position()), std::pair(c.updated, c.stepped))
        << c.min << ".." << c.max << " @" << c.pos;
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

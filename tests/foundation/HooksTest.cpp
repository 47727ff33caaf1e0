#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "YrHooks.h"

TEST(Progress, UpdateClampsMaxFirstThenMin) {
  struct Case { int32_t min, max, pos, want; };
  const Case cases[] = {{0, 10, 15, 10}, {5, 10, 2, 5}, {10, 5, 7, 10}, {0, 10, 4, 4}};
  for (const Case& c : cases) {
    TYrProgress p;
    p.Update("x", c.min, c.max, 1, c.pos);
    EXPECT_EQ(p.Position(), c.want) << c.min << ".." << c.max << " @" << c.pos;
  }
}

TEST(Progress, StepItStopsAtMax) {
  TYrProgress p;
  p.Update("x", 0, 10, 3, 9);
  p.StepIt();
  EXPECT_EQ(p.Position(), 10);
}

TEST(Progress, ProgressProcCalledOncePerUpdate) {
  int calls = 0;
  std::string seen;
  ProgressProc = [&](TYrProgress& p) { ++calls; seen = p.Caption(); };
  TYrProgress p;  // Init updates once
  p.SetCaption("Kopieren");
  p.StepIt();
  ProgressProc = NoProgress;
  EXPECT_EQ(calls, 3);
  EXPECT_EQ(seen, "Kopieren");
}

TEST(Progress, DefaultHooksDoNothing) {
  TYrProgress p;
  p.Update("a", 1, 2, 3, 2);
  p.SetCaption("b");
  EXPECT_EQ(p.Caption(), "b");
  EXPECT_EQ(p.Min(), 1);
  EXPECT_EQ(p.Max(), 2);
  EXPECT_EQ(p.Step(), 3);
  ErrorMsgProc("nobody listens");  // must simply return
}

TEST(Progress, GlobalObjectStartsEmptyAndCaptionIsCutTo255) {
  TYrProgress& g = Progress();
  EXPECT_EQ(&g, &Progress());
  TYrProgress fresh;
  EXPECT_EQ(fresh.Caption(), "");
  EXPECT_EQ(fresh.Min(), 0);
  EXPECT_EQ(fresh.Max(), 0);
  EXPECT_EQ(fresh.Step(), 0);
  EXPECT_EQ(fresh.Position(), 0);
  fresh.SetCaption(std::string(300, 'k'));
  EXPECT_EQ(fresh.Caption(), std::string(255, 'k'));
}

TEST(Progress, ErrorMsgProcReachesTheInstalledRoutine) {
  std::vector<std::string> seen;
  ErrorMsgProc = [&](const std::string& m) { seen.push_back(m); };
  ErrorMsgProc("Zeile 1\rZeile 2");
  ErrorMsgProc = NoErrorMsg;
  ErrorMsgProc("lost");
  EXPECT_EQ(seen, std::vector<std::string>{"Zeile 1\rZeile 2"});
}

#include "YrClock.h"

TEST(Clock, TestClockIsInstalledAndRestored) {
  TYrClock old = SetClock([] { return MakeDateTime(2027, 3, 1, 0, 0, 5); });
  TYrDateTime now = ClockNow();
  SetClock(old);
  EXPECT_EQ(now.Year, 2027);
  EXPECT_EQ(now.Month, 3);
  EXPECT_EQ(now.DayOfWeek, 1);  // 1 March 2027 is a Monday
  EXPECT_EQ(MakeDateTime(2026, 12, 5).DayOfWeek, 6);  // a Saturday
  EXPECT_GE(ClockNow().Year, 2024);
}

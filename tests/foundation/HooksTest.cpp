#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "YrHooks.h"

TEST(Progress, UpdateClampsMaxFirstThenMinAndStepItStopsAtMax) {
  struct Case { int32_t min, max, pos, want; };
  for (const Case& c : {Case{0, 10, 15, 10}, Case{5, 10, 2, 5}, Case{10, 5, 7, 10}, Case{0, 10, 4, 4}}) {
    TYrProgress p;
    p.Update("x", c.min, c.max, 1, c.pos);
    EXPECT_EQ(p.Position(), c.want) << c.min << ".." << c.max << " @" << c.pos;
  }
  TYrProgress p;
  p.Update("x", 0, 10, 3, 9);
  p.StepIt();
  EXPECT_EQ(p.Position(), 10);
}

TEST(Progress, HooksAndCaption) {
  int calls = 0;
  std::string seen;
  ProgressProc = [&](TYrProgress& p) { ++calls; seen = p.Caption(); };
  TYrProgress p;  // Init updates once
  p.SetCaption(std::string(300, 'k'));
  p.StepIt();
  ProgressProc = NoProgress;
  p.StepIt();
  EXPECT_EQ(calls, 3);
  EXPECT_EQ(seen, std::string(255, 'k'));
  EXPECT_EQ(&Progress(), &Progress());

  std::vector<std::string> messages;
  ErrorMsgProc = [&](const std::string& m) { messages.push_back(m); };
  ErrorMsgProc("Zeile 1\rZeile 2");
  ErrorMsgProc = NoErrorMsg;
  ErrorMsgProc("nobody listens");  // the default simply returns
  EXPECT_EQ(messages, std::vector<std::string>{"Zeile 1\rZeile 2"});
}

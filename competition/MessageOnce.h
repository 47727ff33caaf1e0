// Collects the messages reported through ErrorMsgProc while it lives and
// hands each distinct text on once, in the order first met, when it ends.
//
// An evaluation computes the points of a discipline several times (before and
// after ranking, and again for the bests); a broken user formula would
// otherwise pop up the same message for every computation. Scopes nest: an
// inner one hands its texts to the outer one, which drops repeats again.
// Single-threaded, like the hook itself.
#pragma once

#include <string>
#include <vector>

#include "YrHooks.h"

class TMessageOnce {
 public:
  TMessageOnce() : saved_(ErrorMsgProc) {
    ErrorMsgProc = [this](const std::string& msg) {
      for (const std::string& m : messages_)
        if (m == msg) return;
      messages_.push_back(msg);
    };
  }
  ~TMessageOnce() {
    ErrorMsgProc = saved_;
    if (!saved_) return;
    for (const std::string& m : messages_) saved_(m);
  }

  TMessageOnce(const TMessageOnce&) = delete;
  TMessageOnce& operator=(const TMessageOnce&) = delete;

 private:
  TErrorMsgProc saved_;
  std::vector<std::string> messages_;
};

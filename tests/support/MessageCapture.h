// Collects what the lower layers report through ErrorMsgProc while it is in
// scope, and puts the previous hook back when it goes.
#pragma once

#include <string>
#include <vector>

#include "YrHooks.h"

class MessageCapture {
 public:
  MessageCapture() : saved_(ErrorMsgProc) {
    ErrorMsgProc = [this](const std::string& m) { list.push_back(m); };
  }
  ~MessageCapture() { ErrorMsgProc = saved_; }
  MessageCapture(const MessageCapture&) = delete;
  MessageCapture& operator=(const MessageCapture&) = delete;

  std::vector<std::string> list;

 private:
  TErrorMsgProc saved_;
};

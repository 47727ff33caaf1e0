// One application object for a whole test program: a VkApplication, created
// before the first test and deleted after the last, so window tests run
// under the program's own conditions (German locale, Qt's German texts, the
// message hook, the exception handler). Include this header in every test
// file that creates widgets; runs headless unless QT_QPA_PLATFORM says
// otherwise.
#pragma once

#include <memory>

#include <gtest/gtest.h>

#include "VkApplication.h"
#include "YrHooks.h"

class QtTestEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    app_ = std::make_unique<VkApplication>(argc_, argv_);
  }
  void TearDown() override {
    app_.reset();
    ErrorMsgProc = NoErrorMsg;
  }

 private:
  int argc_ = 1;
  char arg0_[8] = "test_ui";
  char* argv_[2] = {arg0_, nullptr};
  std::unique_ptr<VkApplication> app_;
};

inline ::testing::Environment* const kQtTestEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtTestEnvironment);

// The two process-wide report hooks and the progress object.
//
// The foundation and the competition core never talk to the user directly:
// they hand one message text (DOS code page, lines separated by CR) to
// `ErrorMsgProc` and the state of a progress object to `ProgressProc`. Both
// start as do-nothing defaults; the user interface installs its message box.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "YrObject.h"

class TYrProgress;

using TErrorMsgProc = std::function<void(const std::string& msg)>;
using TProgressProc = std::function<void(TYrProgress& progress)>;

void NoErrorMsg(const std::string& msg);
void NoProgress(TYrProgress& progress);

// The hooks themselves. Assign to replace; assign NoErrorMsg/NoProgress to
// restore the defaults.
extern TErrorMsgProc ErrorMsgProc;
extern TProgressProc ProgressProc;

class TYrProgress : public TYrObject {
 public:
  TYrProgress();

  // Stores all five values, clamps Position (Max first, then Min, so Min wins
  // when Min > Max) and calls ProgressProc once.
  void Update(const std::string& caption, int32_t min, int32_t max, int32_t step, int32_t position);
  void SetCaption(const std::string& caption);
  void StepIt();

  const std::string& Caption() const { return caption_; }
  int32_t Step() const { return step_; }
  int32_t Position() const { return position_; }

 private:
  std::string caption_;
  int32_t min_ = 0;
  int32_t max_ = 0;
  int32_t step_ = 0;
  int32_t position_ = 0;
};

// The global progress object whose caption the long operations set.
TYrProgress& Progress();

// Sets the global progress caption (DOS code page) for as long as it lives
// and empties it however the operation leaves.
class TProgressCaption {
 public:
  explicit TProgressCaption(const std::string& caption) { Progress().SetCaption(caption); }
  ~TProgressCaption() { Progress().SetCaption(""); }
  TProgressCaption(const TProgressCaption&) = delete;
  TProgressCaption& operator=(const TProgressCaption&) = delete;
};

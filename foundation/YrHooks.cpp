#include "YrHooks.h"

void NoErrorMsg(const std::string&) {}
void NoProgress(TYrProgress&) {}

TErrorMsgProc ErrorMsgProc = NoErrorMsg;
TProgressProc ProgressProc = NoProgress;

TYrProgress::TYrProgress() { Update("", 0, 0, 0, 0); }

void TYrProgress::Update(const std::string& caption, int32_t min, int32_t max, int32_t step,
                         int32_t position) {
  caption_ = caption.size() > 255 ? caption.substr(0, 255) : caption;
  min_ = min;
  max_ = max;
  step_ = step;
  position_ = position;
  if (position_ > max_) position_ = max_;
  if (min_ > position_) position_ = min_;
  if (ProgressProc) ProgressProc(*this);
}

void TYrProgress::SetCaption(const std::string& caption) { Update(caption, min_, max_, step_, position_); }

void TYrProgress::StepIt() {
  // Saturate instead of overflowing on a runaway step count.
  int64_t p = static_cast<int64_t>(position_) + step_;
  if (p > INT32_MAX) p = INT32_MAX;
  if (p < INT32_MIN) p = INT32_MIN;
  Update(caption_, min_, max_, step_, static_cast<int32_t>(p));
}

TYrProgress& Progress() {
  static TYrProgress progress;
  return progress;
}

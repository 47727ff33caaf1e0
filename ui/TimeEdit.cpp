#include "TimeEdit.h"

#include <QFocusEvent>
#include <QValidator>

#include "OemText.h"
#include "VkBasis.h"

namespace {

constexpr int32_t kTenMinutes = 60000;
constexpr int32_t kHundredMinutes = 600000;

bool IsAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }

int Decimals(bool withHundredths) { return withHundredths ? 2 : 1; }

// A time text taken apart into the digits of its positions.
struct TimeParts {
  QString minutes;
  QString seconds;
  QString fraction;
  bool colon = false;  // the minutes are complete (a colon typed or placed)
};

// The parts of a text as the field lays it out, or nothing when no time can
// be made of it. Commas are placed by the field, so typed ones are dropped.
// Without a colon, one or two digits are minutes still being typed (so that a
// colon may follow two of them); from three digits on the first is the
// minutes, as in the masked field "0:00,00", and one digit more than that
// form holds makes the minutes two digits.
std::optional<TimeParts> SplitTime(const QString& raw, int decimals) {
  QString before, after;
  bool colon = false;
  for (QChar c : raw) {
    if (c == u':') {
      if (colon) return std::nullopt;
      colon = true;
    } else if (c == u',' || c == u'.') {
      continue;
    } else if (!IsAsciiDigit(c)) {
      return std::nullopt;
    } else {
      (colon ? after : before).append(c);
    }
  }
  const int oneDigitForm = 2 + decimals;  // digits after the colon
  TimeParts p;
  if (!colon) {
    if (before.size() <= 2) {
      p.minutes = before;
      return p;
    }
    if (before.size() > 2 + oneDigitForm) return std::nullopt;
    const int minuteDigits = before.size() == 2 + oneDigitForm ? 2 : 1;
    p.minutes = before.left(minuteDigits);
    after = before.mid(minuteDigits);
  } else {
    if (before.size() > 2) return std::nullopt;
    if (before.size() == 1 && after.size() == oneDigitForm + 1) {
      before += after[0];
      after.remove(0, 1);
    }
    if (after.size() > oneDigitForm) return std::nullopt;
    p.minutes = before;
  }
  p.colon = true;
  p.seconds = after.left(2);
  p.fraction = after.mid(2);
  return p;
}

QString JoinTime(const TimeParts& p) {
  QString s = p.minutes;
  if (p.colon) s += u':' + p.seconds;
  if (!p.fraction.isEmpty()) s += u',' + p.fraction;
  return s;
}

TimeParts Completed(TimeParts p, int decimals) {
  if (p.minutes.isEmpty()) p.minutes = QStringLiteral("0");
  p.colon = true;
  p.seconds = p.seconds.leftJustified(2, u'0');
  p.fraction = p.fraction.leftJustified(decimals, u'0');
  return p;
}

// Lays out the separators while the user types and refuses what cannot be
// laid out; the cursor stays behind the digit it followed.
class TimeValidator : public QValidator {
 public:
  explicit TimeValidator(TTimeEdit* edit) : QValidator(edit), edit_(edit) {}

  State validate(QString& input, int& pos) const override {
    std::optional<TimeParts> p = SplitTime(input, Decimals(edit_->WithHundredths()));
    if (!p) return Invalid;
    int digitsBefore = 0;
    for (int i = 0; i < pos && i < input.size(); ++i)
      if (IsAsciiDigit(input[i])) ++digitsBefore;
    const bool afterSeparator = pos > 0 && pos <= input.size() && !IsAsciiDigit(input[pos - 1]);
    input = JoinTime(*p);
    int newPos = 0;
    for (int seen = 0; newPos < input.size() && seen < digitsBefore; ++newPos)
      if (IsAsciiDigit(input[newPos])) ++seen;
    if (afterSeparator)
      while (newPos < input.size() && !IsAsciiDigit(input[newPos])) ++newPos;
    pos = newPos;
    // Every laid-out text is a time once its blanks count 0; IsValid()
    // checks the seconds.
    return Acceptable;
  }

 private:
  const TTimeEdit* edit_;
};

}  // namespace

// --- TTimeEdit

TTimeEdit::TTimeEdit(QWidget* parent) : TYrValEdit(parent) {
  setValidator(new TimeValidator(this));
  setMaxLength(8);
  SetWithHundredths(false);
}

void TTimeEdit::SetWithHundredths(bool on) {
  const bool unchanged = !IsChanged();
  withHundredths_ = on;
  setPlaceholderText(on ? QStringLiteral("0:00,00") : QStringLiteral("0:00,0"));
  if (unchanged) SetTime(time_);
}

void TTimeEdit::SetTime(int32_t t) {
  time_ = t;
  shown_ = TimeText(t, withHundredths_);
  setText(shown_);
}

int32_t TTimeEdit::Time() const {
  if (!IsChanged()) return time_;
  return ParseTime(text(), withHundredths_).value_or(0);
}

QString TTimeEdit::CompleteText() const {
  const int decimals = Decimals(withHundredths_);
  std::optional<TimeParts> p = SplitTime(text(), decimals);
  return p ? JoinTime(Completed(*p, decimals)) : text();
}

QString TTimeEdit::TimeText(int32_t t, bool withHundredths) {
  if (t < 0) return QString();
  QString s = FromOem(TimeToText(t, withHundredths));
  // The core's text has room for seven characters and drops the hundredths
  // digit of two-digit minutes; the field has room for it.
  if (withHundredths && t >= kTenMinutes && t < kHundredMinutes) s += QChar(u'0' + t % 10);
  return s;
}

std::optional<int32_t> TTimeEdit::ParseTime(const QString& text, bool withHundredths) {
  const int decimals = Decimals(withHundredths);
  std::optional<TimeParts> split = SplitTime(text, decimals);
  if (!split) return std::nullopt;
  const TimeParts p = Completed(*split, decimals);
  const int32_t seconds = p.seconds.toInt();
  if (seconds > 59) return std::nullopt;
  int32_t fraction = p.fraction.toInt();
  if (decimals == 1) fraction *= 10;
  return p.minutes.toInt() * 6000 + seconds * 100 + fraction;
}

bool TTimeEdit::IsValidChar(QChar c) const { return IsAsciiDigit(c) || c == u':' || c == u',' || c == u'.'; }

bool TTimeEdit::IsValid() const { return !IsChanged() || ParseTime(text(), withHundredths_).has_value(); }

void TTimeEdit::ShowRangeError() const {
  ShowInputWarning(QStringLiteral("Ungültige Zeitangabe. Bitte die Zeit in der Form %1 eingeben.")
                       .arg(withHundredths_ ? QStringLiteral("m:ss,hh") : QStringLiteral("m:ss,t")));
}

void TTimeEdit::focusOutEvent(QFocusEvent* event) {
  // The user sees what will be stored before the check runs.
  if (IsChanged()) setText(CompleteText());
  TYrValEdit::focusOutEvent(event);
}

// --- TClockEdit

TClockEdit::TClockEdit(QWidget* parent) : TYrValEdit(parent) {
  setInputMask(QStringLiteral("99:99;_"));
  SetClock(0);
}

void TClockEdit::SetClock(int32_t hhmm) {
  clock_ = hhmm;
  setText(FromOem(ClockToText(hhmm)));
  shown_ = displayText();
}

int32_t TClockEdit::Clock() const {
  if (!IsChanged()) return clock_;
  QString s = displayText();
  s.replace(u'_', u'0');
  return TextToClock(ToOem(s, 5));
}

bool TClockEdit::IsValidChar(QChar c) const { return IsAsciiDigit(c); }

bool TClockEdit::IsValid() const {
  if (!IsChanged()) return true;
  const int32_t c = Clock();
  return c / 100 <= 23 && c % 100 <= 59;
}

void TClockEdit::ShowRangeError() const {
  ShowInputWarning(QStringLiteral("Ungültige Uhrzeit. Bitte die Uhrzeit in der Form hh:mm eingeben."));
}

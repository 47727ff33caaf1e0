#include "VkWTimeEdit.h"

#include <optional>
#include <string>

#include <QValidator>

#include "VkBasis.h"

namespace {

// A time text taken apart as the user typed it.
struct TimeParts {
  QString minutes;
  QString seconds;
  QString fraction;
  bool colon = false;  // the minutes end with a colon (typed or placed)
};

bool IsAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// Digits after the comma that fit the text: with two-digit minutes the
// core's seven characters hold only the tenths.
int FractionDigits(const TimeParts& p, bool hundredths) { return p.minutes.size() == 2 || !hundredths ? 1 : 2; }

// The parts of a text the field can hold, or nothing. Commas are placed by
// the field, so typed ones are dropped. Without a colon one or two digits
// are the minutes still being typed; from three digits on the first digit
// is the minutes, as in the masked field "0:00,00".
std::optional<TimeParts> SplitTime(const QString& raw, bool hundredths) {
  QString before, after;
  int colon = -1;
  for (int i = 0; i < raw.size(); ++i) {
    const QChar c = raw[i];
    if (c == u':') {
      if (colon >= 0) return std::nullopt;
      colon = i;
    } else if (c == u',' || c == u'.') {
      continue;
    } else if (!IsAsciiDigit(c)) {
      return std::nullopt;
    } else {
      (colon < 0 ? before : after).append(c);
    }
  }
  TimeParts p;
  QString rest;
  if (colon >= 0) {
    if (before.size() > 2) return std::nullopt;
    p.minutes = before;
    p.colon = true;
    rest = after;
  } else if (before.size() <= 2) {
    p.minutes = before;
    return p;
  } else {
    p.minutes = before.left(1);
    p.colon = true;
    rest = before.mid(1);
  }
  p.seconds = rest.left(2);
  p.fraction = rest.mid(2);
  if (!p.seconds.isEmpty() && p.seconds[0] > u'5') return std::nullopt;
  if (p.fraction.size() > FractionDigits(p, hundredths)) return std::nullopt;
  return p;
}

QString JoinTime(const TimeParts& p) {
  QString s = p.minutes;
  if (p.colon) s += u':' + p.seconds;
  if (!p.fraction.isEmpty()) s += u',' + p.fraction;
  return s;
}

// Lays out the separators while the user types and refuses what cannot
// become a time; the cursor stays behind the digit it followed.
class TimeValidator : public QValidator {
 public:
  explicit TimeValidator(TTimeEdit* edit) : QValidator(edit), edit_(edit) {}

  State validate(QString& input, int& pos) const override {
    std::optional<TimeParts> p = SplitTime(input, edit_->Hundredths());
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
    const bool complete = p->colon && p->seconds.size() == 2 &&
                          p->fraction.size() == FractionDigits(*p, edit_->Hundredths());
    return complete ? Acceptable : Intermediate;
  }

 private:
  const TTimeEdit* edit_;
};

}  // namespace

// --- TTimeEdit

TTimeEdit::TTimeEdit(QWidget* parent) : QLineEdit(parent) {
  setValidator(new TimeValidator(this));
  setMaxLength(8);
  connect(this, &QLineEdit::textEdited, this, [this] { changed_ = true; });
  SetTime(0);
}

void TTimeEdit::SetHundredths(bool on) {
  hundredths_ = on;
  setPlaceholderText(on ? QStringLiteral("0:00,00") : QStringLiteral("0:00,0"));
}

void TTimeEdit::SetTime(int32_t hundredths) {
  stored_ = hundredths;
  setText(QString::fromStdString(TimeToText(hundredths, hundredths_)));
  changed_ = false;
}

int32_t TTimeEdit::Time() const {
  if (!changed_) return stored_;
  return TextToTime(CompleteText().toStdString());
}

QString TTimeEdit::CompleteText() const {
  std::optional<TimeParts> p = SplitTime(text(), hundredths_);
  if (!p) return text();
  TimeParts full = *p;
  if (full.minutes.isEmpty()) full.minutes = QStringLiteral("0");
  full.colon = true;
  full.seconds = full.seconds.leftJustified(2, u'0');
  full.fraction = full.fraction.leftJustified(FractionDigits(full, hundredths_), u'0');
  return JoinTime(full);
}

void TTimeEdit::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  // The user sees what will be stored.
  if (changed_) setText(CompleteText());
}

// --- TClockEdit

TClockEdit::TClockEdit(QWidget* parent) : QLineEdit(parent) {
  setInputMask(QStringLiteral("99:99;_"));
  connect(this, &QLineEdit::textEdited, this, [this] { changed_ = true; });
  SetClock(0);
}

void TClockEdit::SetClock(int32_t hhmm) {
  stored_ = hhmm;
  setText(QString::fromStdString(ClockToText(hhmm)));
  changed_ = false;
}

int32_t TClockEdit::Clock() const {
  if (!changed_) return stored_;
  QString s = displayText();
  s.replace(u'_', u'0');
  return TextToClock(s.toStdString());
}

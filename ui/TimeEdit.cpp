#include "TimeEdit.h"

#include <algorithm>

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QValidator>

#include "Desktop.h"
#include "OemText.h"
#include "VkBasis.h"

namespace {

constexpr int32_t kTenMinutes = 60000;
constexpr int32_t kHundredMinutes = 600000;

bool IsAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }

int DecimalsOf(bool withHundredths) { return withHundredths ? 2 : 1; }

// The time of a whole text, the field's own or a pasted one: minutes (one or
// two digits), ":", seconds, "," (or "."), the fraction; positions left out
// count 0 ("1:2" is 1:20,00, "1:5,3" 1:05,30). Digits alone are read from
// the right, as the field reads a fresh time ("10532" is 1:05,32); digits
// before a comma alone end with the seconds ("132,5" is 1:32,50).
std::optional<int32_t> ReadTime(const QString& text, int decimals) {
  QString minutes, seconds, fraction;
  QString* part = &minutes;
  bool colon = false, comma = false;
  for (QChar c : text) {
    if (c == u':' && !colon && !comma) {
      colon = true;
      part = &seconds;
    } else if ((c == u',' || c == u'.') && !comma) {
      comma = true;
      part = &fraction;
    } else if (IsAsciiDigit(c)) {
      part->append(c);
    } else {
      return std::nullopt;
    }
  }
  if (!colon) {
    QString digits = minutes;
    if (!comma) {
      if (digits.size() > 4 + decimals) return std::nullopt;
      digits = digits.rightJustified(3 + decimals, u'0');
      fraction = digits.right(decimals);
      digits.chop(decimals);
    }
    seconds = digits.right(2);
    minutes = digits.left(std::max<qsizetype>(digits.size() - 2, 0));
  } else if (!comma && seconds.size() > 2) {
    fraction = seconds.mid(2);
    seconds.truncate(2);
  }
  if (minutes.size() > 2 || seconds.size() > 2 || fraction.size() > decimals) return std::nullopt;
  const int32_t s = seconds.toInt();  // "" reads 0
  if (s > 59) return std::nullopt;
  const int32_t f = fraction.leftJustified(2, u'0').toInt();
  return minutes.toInt() * 6000 + s * 100 + f;
}

QString Layout(const QString& minutes, const QString& seconds, const QString& fraction) {
  return minutes + u':' + seconds + u',' + fraction;
}

// The field's text for the digits of a fresh time, read from the right.
QString RightAligned(const QString& digits, int decimals) {
  const QString all = digits.rightJustified(3 + decimals, u'0');
  const qsizetype minutes = all.size() - 2 - decimals;
  return Layout(all.left(minutes), all.mid(minutes, 2), all.right(decimals));
}

bool IsSeparator(QChar c) { return c == u':' || c == u','; }

// Keys that only change or lock what the next key types (a dead key waits
// for its letter): pressed alone they type nothing, and the fresh time being
// typed goes on across them (":" needs Shift on every keyboard).
bool OnlyModifies(int key) {
  switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_ScrollLock:
    case Qt::Key_Mode_switch:
    case Qt::Key_Multi_key:
      return true;
    default:
      return key >= Qt::Key_Dead_Grave && key <= Qt::Key_Dead_Longsolidusoverlay;
  }
}

// The first digit position (a blank one of a masked field too) from i on;
// the text's length when none.
int NextDigit(const QString& text, int i) {
  while (i < text.size() && IsSeparator(text[i])) ++i;
  return i;
}

// The last digit position before i; -1 when none.
int PreviousDigit(const QString& text, int i) {
  for (--i; i >= 0 && IsSeparator(text[i]); --i) {
  }
  return i;
}

bool ShowsZero(const QString& text) {
  for (QChar c : text)
    if (IsAsciiDigit(c) && c != u'0') return false;
  return true;
}

// The character under the pointer (not the gap nearest to it, as QLineEdit
// reckons): a click on the right half of a digit means that digit.
int CharacterAt(QLineEdit& edit, const QPoint& pos) {
  const int gap = edit.cursorPositionAt(pos);
  edit.setCursorPosition(gap);
  const int gapX = edit.inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
  return pos.x() < gapX ? gap - 1 : gap;
}

// After QLineEdit placed the cursor for a click: on the digit clicked (the
// digit after a separator clicked), or the whole text selected for a click
// behind it.
void PlaceCursorAtClick(QLineEdit& edit, QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || (event->modifiers() & Qt::ShiftModifier)) return;
  const int c = std::max(0, CharacterAt(edit, event->position().toPoint()));
  if (c >= edit.displayText().size())
    edit.selectAll();
  else
    edit.setCursorPosition(NextDigit(edit.displayText(), c));
}

// Keeps edits the field does not make itself (the context menu's paste and
// delete, a drop) from breaking the layout: only whole times pass.
class TimeLayoutValidator : public QValidator {
 public:
  explicit TimeLayoutValidator(TTimeEdit* edit) : QValidator(edit), edit_(edit) {}

  State validate(QString& input, int&) const override {
    static const QRegularExpression hundredths(QStringLiteral("^\\d{1,2}:\\d\\d,\\d\\d$"));
    static const QRegularExpression tenths(QStringLiteral("^\\d{1,2}:\\d\\d,\\d$"));
    const bool laidOut = (edit_->WithHundredths() ? hundredths : tenths).match(input).hasMatch();
    return laidOut || input.isEmpty() ? Acceptable : Invalid;
  }

 private:
  const TTimeEdit* edit_;
};

}  // namespace

// --- TTimeEdit

TTimeEdit::TTimeEdit(QWidget* parent) : TYrValEdit(parent) {
  setValidator(new TimeLayoutValidator(this));
  setMaxLength(8);
  setAcceptDrops(false);
  SetWithHundredths(false);
}

void TTimeEdit::SetWithHundredths(bool on) {
  const bool unchanged = !IsChanged();
  withHundredths_ = on;
  if (unchanged) SetTime(time_);
}

void TTimeEdit::SetTime(int32_t t) {
  time_ = t;
  shown_ = TimeText(t, withHundredths_);
  entering_ = false;
  setText(shown_);
}

int32_t TTimeEdit::Time() const {
  if (!IsChanged()) return time_;
  return ParseTime(text(), withHundredths_).value_or(0);
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
  return ReadTime(text, DecimalsOf(withHundredths));
}

bool TTimeEdit::IsValidChar(QChar c) const { return IsAsciiDigit(c) || c == u':' || c == u',' || c == u'.'; }

bool TTimeEdit::IsValid() const { return !IsChanged() || ParseTime(text(), withHundredths_).has_value(); }

void TTimeEdit::ShowRangeError() const {
  ShowInputWarning(QStringLiteral("Ungültige Zeitangabe. Bitte die Zeit in der Form %1 eingeben.")
                       .arg(withHundredths_ ? QStringLiteral("m:ss,hh") : QStringLiteral("m:ss,t")));
}

void TTimeEdit::Show(const QString& text, int cursor) {
  setText(text);
  setCursorPosition(cursor);
}

void TTimeEdit::StartEntryIfFresh() {
  if (entering_ && text() == entryText_ && !hasSelectedText()) return;
  const bool whole = hasSelectedText() && selectedText() == text();
  entering_ = whole || ShowsZero(text());
  entry_.clear();
  // Typing over a part of the time overwrites from its first position on.
  if (!entering_ && hasSelectedText()) setCursorPosition(NextDigit(text(), selectionStart()));
}

void TTimeEdit::TypeDigit(QChar digit) {
  StartEntryIfFresh();
  if (entering_) {
    QString digits = entry_ + digit;
    while (digits.startsWith(u'0')) digits.remove(0, 1);
    // One digit more than the one-digit form holds makes two of minutes.
    if (digits.size() > 4 + Decimals()) return TheDesktop().Beep();
    entry_ = digits;
    entryText_ = RightAligned(digits, Decimals());
    return Show(entryText_, int(entryText_.size()));
  }
  QString t = text();
  const int i = NextDigit(t, cursorPosition());
  if (i >= t.size()) return TheDesktop().Beep();
  t[i] = digit;
  Show(t, NextDigit(t, i + 1));
}

void TTimeEdit::TypeSeparator(QChar separator) {
  StartEntryIfFresh();
  const QString zeros(Decimals(), u'0');
  if (entering_) {
    // The digits typed so far are the minutes (":") or end with the seconds (",").
    const qsizetype minuteDigits = separator == u':' ? entry_.size() : entry_.size() - 2;
    if (minuteDigits > 2) return TheDesktop().Beep();
    entering_ = false;
    QString minutes = entry_.left(std::max<qsizetype>(minuteDigits, 0));
    if (minutes.isEmpty()) minutes = QStringLiteral("0");
    if (separator == u':') return Show(Layout(minutes, QStringLiteral("00"), zeros), int(minutes.size()) + 1);
    const QString seconds = entry_.right(std::min<qsizetype>(entry_.size(), 2)).rightJustified(2, u'0');
    return Show(Layout(minutes, seconds, zeros), int(minutes.size()) + 4);
  }
  QString t = text();
  const int colon = int(t.indexOf(u':'));
  const int comma = int(t.indexOf(u','));
  const int at = separator == u':' ? colon : comma;
  const int cursor = cursorPosition();
  if (at < 0 || cursor > at) return;
  // The group the separator ends: what the user typed of it is all of it.
  const int groupStart = separator == u':' ? 0 : colon + 1;
  const int typed = cursor - groupStart;
  if (typed > 0 && cursor < at) {
    const QString digits = t.mid(groupStart, typed);
    if (separator == u':') {
      t = digits + t.mid(colon);
    } else {
      t.replace(groupStart, at - groupStart, digits.rightJustified(2, u'0'));
    }
  }
  Show(t, int(t.indexOf(separator)) + 1);
}

void TTimeEdit::Clear(bool backward) {
  QString t = text();
  if (hasSelectedText()) {
    const int start = selectionStart();
    for (int i = start; i < selectionEnd(); ++i)
      if (IsAsciiDigit(t[i])) t[i] = u'0';
    return Show(t, NextDigit(t, start));
  }
  const int i = backward ? PreviousDigit(t, cursorPosition()) : NextDigit(t, cursorPosition());
  if (i < 0 || i >= t.size()) return;
  t[i] = u'0';
  Show(t, backward ? i : NextDigit(t, i + 1));
}

void TTimeEdit::Paste() {
  const std::optional<int32_t> t = ParseTime(QGuiApplication::clipboard()->text().trimmed(), withHundredths_);
  if (!t) return TheDesktop().Beep();
  const QString shown = TimeText(*t, withHundredths_);
  Show(shown, int(shown.size()));
}

void TTimeEdit::Step(bool forward) {
  const QString t = text();
  if (hasSelectedText()) return setCursorPosition(NextDigit(t, forward ? selectionEnd() : selectionStart()));
  const int cursor = cursorPosition();
  const int i = forward ? NextDigit(t, NextDigit(t, cursor) + 1) : PreviousDigit(t, cursor);
  if (i >= 0) setCursorPosition(i);
}

void TTimeEdit::TypeChar(QChar c) {
  if (IsAsciiDigit(c)) return TypeDigit(c);
  if (c == u':') return TypeSeparator(c);
  if (c == u',' || c == u'.') return TypeSeparator(u',');
  TheDesktop().Beep();
}

void TTimeEdit::keyPressEvent(QKeyEvent* event) {
  if (OnlyModifies(event->key())) return event->ignore();
  if (event->matches(QKeySequence::Paste)) return Paste();
  if (event->matches(QKeySequence::Cut)) {
    copy();
    return Clear(false);
  }
  const QString typed = TypedText(*event);
  if (!typed.isEmpty()) {
    for (QChar c : typed) TypeChar(c);
    return;
  }
  entering_ = false;
  const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == 0;
  if (plain) {
    switch (event->key()) {
      case Qt::Key_Backspace: return Clear(true);
      case Qt::Key_Delete: return Clear(false);
      case Qt::Key_Left: return Step(false);
      case Qt::Key_Right: return Step(true);
      default: break;
    }
  }
  // Moving, selecting, copying and keys for the dialog; whatever would edit
  // the text another way the layout refuses.
  QLineEdit::keyPressEvent(event);
}

void TTimeEdit::inputMethodEvent(QInputMethodEvent* event) {
  // Composed characters count as typed ones; nothing is shown before.
  for (QChar c : event->commitString()) TypeChar(c);
  event->accept();
}

void TTimeEdit::mousePressEvent(QMouseEvent* event) {
  entering_ = false;
  pressPos_ = event->position().toPoint();
  TYrValEdit::mousePressEvent(event);
  PlaceCursorAtClick(*this, event);
}

void TTimeEdit::mouseMoveEvent(QMouseEvent* event) {
  // A hand that shakes while clicking selects nothing (typing would start
  // a fresh time).
  if ((event->position().toPoint() - pressPos_).manhattanLength() < QApplication::startDragDistance()) return;
  TYrValEdit::mouseMoveEvent(event);
}

void TTimeEdit::focusOutEvent(QFocusEvent* event) {
  entering_ = false;
  // The plain form of the time the field shows, before the check runs.
  if (IsChanged())
    if (std::optional<int32_t> t = ParseTime(text(), withHundredths_)) {
      const QString plain = TimeText(*t, withHundredths_);
      if (plain != text()) setText(plain);
    }
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

void TClockEdit::mousePressEvent(QMouseEvent* event) {
  TYrValEdit::mousePressEvent(event);
  PlaceCursorAtClick(*this, event);
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

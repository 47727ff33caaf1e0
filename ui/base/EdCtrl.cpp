#include "EdCtrl.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLocale>
#include <QScopedValueRollback>

#include "Desktop.h"
#include "VkPunkte.h"

namespace {

// Set while an edit takes the focus back after its warning: the control the
// focus is taken from was never really entered and is not checked.
bool g_returningFocus = false;

// One user action gives at most one warning. A click on OK leaves the edit
// on the mouse press and clicks on the release, so the check queued when the
// edit was left and the dialog's check of OK race: the queued one may run
// first, or inside the event loop of the box OK's check brought up, and the
// release may come while the box of the queued check is up. So a warning
// voids every check queued before it, and none is shown over another one.
bool g_warningUp = false;
unsigned g_warningsShown = 0;

void ReturnFocus(QWidget* edit) {
  g_returningFocus = true;
  edit->setFocus(Qt::OtherFocusReason);
  g_returningFocus = false;
}

// The edit's warning, then the focus back in it.
void Warn(TYrValEdit* edit) {
  ++g_warningsShown;
  {
    const QScopedValueRollback up(g_warningUp, true);
    edit->ShowRangeError();
  }
  ReturnFocus(edit);
}

// The text as the strict conversion sees it: at most 255 characters,
// normalised, and nothing but ASCII.
std::optional<std::string> NumberBytes(const QString& text) {
  QString s = NormalizeNumberText(text.left(255));
  std::string bytes;
  for (QChar c : s) {
    if (c.unicode() > 0x7E) return std::nullopt;
    bytes.push_back(static_cast<char>(c.unicode()));
  }
  size_t start = bytes.find_first_not_of(" \t");
  return start == std::string::npos ? std::string() : bytes.substr(start);
}

// Optional sign, then digits only.
std::optional<int32_t> ReadInt(const QString& text) {
  std::optional<std::string> s = NumberBytes(text);
  if (!s || s->empty()) return std::nullopt;
  bool negative = (*s)[0] == '-';
  size_t begin = ((*s)[0] == '-' || (*s)[0] == '+') ? 1 : 0;
  if (begin == s->size() || s->find_first_not_of("0123456789", begin) != std::string::npos) return std::nullopt;
  int64_t v = 0;
  for (size_t i = begin; i < s->size(); ++i) {
    v = v * 10 + ((*s)[i] - '0');
    if (v > int64_t{std::numeric_limits<int32_t>::max()} + 1) return std::nullopt;
  }
  if (negative) v = -v;
  if (v > std::numeric_limits<int32_t>::max()) return std::nullopt;
  return static_cast<int32_t>(v);
}

// Optional sign, digits with at most one ".", an optional exponent.
std::optional<double> ReadFloat(const QString& text) {
  std::optional<std::string> s = NumberBytes(text);
  if (!s || s->empty()) return std::nullopt;
  size_t i = ((*s)[0] == '-' || (*s)[0] == '+') ? 1 : 0;
  const size_t body = i;
  size_t digits = 0;
  bool point = false;
  for (; i < s->size(); ++i) {
    char c = (*s)[i];
    if (c >= '0' && c <= '9')
      ++digits;
    else if (c == '.' && !point)
      point = true;
    else
      break;
  }
  if (digits == 0) return std::nullopt;
  if (i < s->size() && ((*s)[i] == 'e' || (*s)[i] == 'E')) {
    size_t j = i + 1;
    if (j < s->size() && ((*s)[j] == '+' || (*s)[j] == '-')) ++j;
    if (j == s->size() || s->find_first_not_of("0123456789", j) != std::string::npos) return std::nullopt;
    i = s->size();
  }
  if (i != s->size()) return std::nullopt;
  // from_chars takes neither a "+" nor a sign at all before the exponent form
  // we checked, so it reads the body and the sign is applied here.
  double v = 0;
  auto [end, ec] = std::from_chars(s->data() + body, s->data() + s->size(), v);
  if (ec != std::errc() || end != s->data() + s->size() || !std::isfinite(v)) return std::nullopt;
  return (*s)[0] == '-' ? -v : v;
}

// What SetValue writes: rounded to `precision` significant digits, then
// fixed-point with `digits` decimals; a number with more integer digits than
// `precision` in exponent form.
QString FixedText(double v, int precision, int digits) {
  if (!std::isfinite(v)) v = 0;
  precision = std::clamp(precision, 1, 18);
  digits = std::clamp(digits, 0, 18);
  char buf[96];
  auto sci = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, precision - 1);
  std::string text(buf, sci.ptr);
  double rounded = v;
  std::from_chars(buf, sci.ptr, rounded);
  int exponent = std::stoi(text.substr(text.find('e') + 1));
  if (exponent + 1 <= precision) {
    auto fixed = std::to_chars(buf, buf + sizeof buf, rounded, std::chars_format::fixed, digits);
    text.assign(buf, fixed.ptr);
  } else {
    text[text.find('e')] = 'E';
  }
  QString result = QString::fromLatin1(text);
  result.replace(u'.', QLocale().decimalPoint());
  return result;
}

// What an edit put into `before` to make `after`: the part between the
// beginning and the end they share.
QString NewPart(const QString& before, const QString& after) {
  qsizetype head = 0, tail = 0;
  while (head < before.size() && head < after.size() && before[head] == after[head]) ++head;
  while (tail < before.size() - head && tail < after.size() - head &&
         before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
    ++tail;
  return after.mid(head, after.size() - head - tail);
}

bool IsSignOrDigit(QChar c) { return c == u'\b' || c == u'+' || c == u'-' || (c >= u'0' && c <= u'9'); }

}  // namespace

QString NormalizeNumberText(const QString& text) {
  const QLocale locale;
  const QString decimal = locale.decimalPoint();
  const QString group = locale.groupSeparator();
  QString result;
  result.reserve(text.size());
  for (QChar c : text) {
    if (decimal == c)
      result.append(u'.');
    else if (group == c)
      result.append(u',');
    else
      result.append(c);
  }
  return result;
}

bool IsCancelButton(const QWidget* widget) {
  auto* button = qobject_cast<const QAbstractButton*>(widget);
  if (!button) return false;
  if (button->objectName() == u"CancelBtn") return true;
  auto* box = qobject_cast<const QDialogButtonBox*>(button->parentWidget());
  return box && box->buttonRole(const_cast<QAbstractButton*>(button)) == QDialogButtonBox::RejectRole;
}

void ShowInputWarning(const QString& msg) {
  TheDesktop().MessageBox(MsgKind::Warning, QStringLiteral("Eingabeprüfung"), msg, mbOk);
}

bool ValidateEdits(QWidget* form) {
  auto* active = qobject_cast<TYrValEdit*>(form->focusWidget());
  if (active && form->isAncestorOf(active) && !active->IsValid()) {
    if (!g_warningUp) Warn(active);
    return false;
  }
  for (TYrValEdit* edit : form->findChildren<TYrValEdit*>()) {
    if (!edit->isEnabled() || !edit->isVisibleTo(form) || edit->focusPolicy() == Qt::NoFocus) continue;
    if (edit->IsValid()) continue;
    // The warning that is up puts the focus back where it belongs.
    if (!g_warningUp) Warn(edit);
    return false;
  }
  return true;
}

void ValidatedDialog::done(int result) {
  if (result != QDialog::Rejected && result != mrCancel && (!ValidateEdits(this) || !AcceptsClose())) return;
  QDialog::done(result);
}

// --- TYrValEdit

TYrValEdit::TYrValEdit(QWidget* parent) : QLineEdit(parent) {}

bool TYrValEdit::IsValidChar(QChar) const { return true; }

bool TYrValEdit::IsValid() const { return true; }

void TYrValEdit::ShowRangeError() const {}

QString TYrValEdit::TypedText(const QKeyEvent& event) const {
  // As QLineEdit decides what it inserts: Ctrl and Ctrl+Shift are shortcuts,
  // other modifiers (Meta, Alt, AltGr sent as Ctrl+Alt) still type.
  const QString text = event.text();
  const Qt::KeyboardModifiers mods = event.modifiers();
  const bool shortcut = mods == Qt::ControlModifier || mods == (Qt::ControlModifier | Qt::ShiftModifier);
  if (text.isEmpty() || (shortcut && text[0].category() != QChar::Other_Format)) return QString();
  QString typed;
  for (QChar c : text)
    if (c.category() != QChar::Other_Control) typed += TypedChar(c);
  return typed;
}

void TYrValEdit::keyPressEvent(QKeyEvent* event) {
  const QString typed = TypedText(*event);
  const auto allValid = [this](const QString& chars) {
    return std::all_of(chars.begin(), chars.end(), [this](QChar c) { return IsValidChar(c); });
  };
  if (checkKeyFirst_) {
    if (allValid(typed)) return PassKey(event, typed);
    TheDesktop().Beep();
    return event->accept();
  }
  const QString before = text();
  const int cursor = cursorPosition(), start = selectionStart();
  const auto selected = int(selectedText().size());
  const bool modified = isModified();
  PassKey(event, typed);
  if (typed.isEmpty()) return;
  if (allValid(NewPart(before, text()))) return;
  setText(before);
  setModified(modified);
  if (selected == 0)
    setCursorPosition(cursor);
  else if (cursor == start)
    setSelection(start + selected, -selected);
  else
    setSelection(start, selected);
  TheDesktop().Beep();
}

void TYrValEdit::PassKey(QKeyEvent* event, const QString& typed) {
  if (typed.isEmpty() || typed == event->text()) return QLineEdit::keyPressEvent(event);
  QKeyEvent mapped(event->type(), event->key(), event->modifiers(), typed, event->isAutoRepeat(),
                   ushort(event->count()));
  QLineEdit::keyPressEvent(&mapped);
  event->setAccepted(mapped.isAccepted());
}

void TYrValEdit::inputMethodEvent(QInputMethodEvent* event) {
  QString commit;
  for (QChar c : event->commitString()) commit += TypedChar(c);
  const bool refused = std::any_of(commit.begin(), commit.end(), [this](QChar c) { return !IsValidChar(c); });
  if (refused) TheDesktop().Beep();
  if (!refused && commit == event->commitString()) return QLineEdit::inputMethodEvent(event);
  QInputMethodEvent checked(event->preeditString(), event->attributes());
  if (!refused) checked.setCommitString(commit, event->replacementStart(), event->replacementLength());
  QLineEdit::inputMethodEvent(&checked);
  event->accept();
}

void TYrValEdit::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  if (!validateOnExit_ || g_returningFocus || isWindow()) return;
  // Another window (the warning box among them) or a pop-up menu takes the
  // focus only for a while: checking then would warn about a value the user
  // has not finished.
  if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason) return;
  if (IsCancelButton(QApplication::focusWidget())) return;
  // After the focus change has run its course: a modal box in the middle of
  // it would leave a clicked button half pressed.
  QMetaObject::invokeMethod(
      this, [this, shown = g_warningsShown] { CheckAfterExit(shown); }, Qt::QueuedConnection);
}

void TYrValEdit::CheckAfterExit(unsigned warningsShownBefore) {
  if (g_warningUp || g_warningsShown != warningsShownBefore) return;
  if (!validateOnExit_ || hasFocus() || !isVisible() || !isEnabled()) return;
  QWidget* now = QApplication::focusWidget();
  if (IsCancelButton(now) || (now && now->window() != window())) return;
  if (!IsValid()) Warn(this);
}

// --- TYrNumEdit

TYrNumEdit::TYrNumEdit(QWidget* parent) : TYrRangeEdit(parent) { setText(QStringLiteral("0")); }

int32_t TYrNumEdit::Value() const { return ReadInt(text()).value_or(minValue_); }

void TYrNumEdit::SetValue(int32_t v) { setText(QString::number(v)); }

void TYrNumEdit::SetStoredValue(int32_t v, int32_t min, int32_t max) {
  SetRange(std::min(min, v), std::max(max, v));
  const QString shown = QString::number(v);
  if (shown.size() > maxLength()) setMaxLength(int(shown.size()));
  SetValue(v);
}

bool TYrNumEdit::IsValidChar(QChar c) const { return IsSignOrDigit(c); }

bool TYrNumEdit::IsValid() const {
  std::optional<int32_t> v = ReadInt(text());
  return v && *v >= minValue_ && *v <= maxValue_;
}

void TYrNumEdit::ShowRangeError() const {
  ShowInputWarning(QStringLiteral("Der eingegebene Wert liegt nicht zwischen %1 und %2.")
                       .arg(QString::number(minValue_), QString::number(maxValue_)));
}

// --- TYrFloatEdit

TYrFloatEdit::TYrFloatEdit(QWidget* parent) : TYrRangeEdit(parent) { setText(QStringLiteral("0")); }

double TYrFloatEdit::Value() const { return ReadFloat(text()).value_or(minValue_); }

void TYrFloatEdit::SetValue(double v) { setText(FixedText(v, precision_, digits_)); }

void TYrFloatEdit::SetStoredHundredths(int32_t h, double min, double max) {
  const double v = h / 100.0;
  SetRange(std::min(min, v), std::max(max, v));
  const QString shown = FixedText(v, precision_, digits_);
  if (shown.size() > maxLength()) setMaxLength(int(shown.size()));
  SetValue(v);
}

int32_t TYrFloatEdit::Hundredths() const {
  long double h = RoundHalfEven(static_cast<long double>(Value()) * 100);
  if (h > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  if (h < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(h);
}

bool TYrFloatEdit::IsValidChar(QChar c) const { return IsSignOrDigit(c) || QLocale().decimalPoint() == c; }

QChar TYrFloatEdit::TypedChar(QChar c) const {
  const QString point = QLocale().decimalPoint();
  return c == u'.' && point.size() == 1 ? point[0] : c;
}

bool TYrFloatEdit::IsValid() const {
  std::optional<double> v = ReadFloat(text());
  return v && *v >= minValue_ && *v <= maxValue_;
}

void TYrFloatEdit::ShowRangeError() const {
  const QLocale locale;
  const int digits = std::clamp(digits_, 0, 18);
  ShowInputWarning(QStringLiteral("Der eingegebene Wert liegt nicht zwischen %1 und %2.")
                       .arg(locale.toString(minValue_, 'f', digits), locale.toString(maxValue_, 'f', digits)));
}

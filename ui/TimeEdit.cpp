#include "TimeEdit.h"

#include <QRegularExpression>

#include "OemText.h"
#include "VkBasis.h"

namespace {

constexpr int32_t kTenMinutes = 60000;
constexpr int32_t kHundredMinutes = 600000;

}  // namespace

TTimeEdit::TTimeEdit(QWidget* parent) : TYrValEdit(parent) {
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

QString TTimeEdit::TimeText(int32_t t, bool withHundredths) {
  if (t < 0) return QString();
  QString s = FromOem(TimeToText(t, withHundredths));
  // The core's text has room for seven characters and drops the hundredths
  // digit of two-digit minutes; the field has room for it.
  if (withHundredths && t >= kTenMinutes && t < kHundredMinutes) s += QChar(u'0' + t % 10);
  return s;
}

std::optional<int32_t> TTimeEdit::ParseTime(const QString& text, bool withHundredths) {
  const int decimals = withHundredths ? 2 : 1;
  int32_t minutes = 0, seconds = 0, fraction = 0;
  int fractionDigits = 0;
  static const QRegularExpression digitsOnly(QStringLiteral("^\\d{1,6}$"));
  static const QRegularExpression formed(QStringLiteral("^(\\d{1,2}):(\\d\\d),(\\d{1,2})$"));
  if (digitsOnly.match(text).hasMatch()) {
    // Filled from the right, as the digits of a masked field: fraction,
    // seconds, then one or two digits of minutes.
    if (text.size() > decimals + 4) return std::nullopt;
    const QString padded = text.rightJustified(decimals + 4, u'0');
    fraction = padded.right(decimals).toInt();
    fractionDigits = decimals;
    seconds = padded.mid(padded.size() - decimals - 2, 2).toInt();
    minutes = padded.left(padded.size() - decimals - 2).toInt();
  } else if (QRegularExpressionMatch m = formed.match(text); m.hasMatch()) {
    minutes = m.captured(1).toInt();
    seconds = m.captured(2).toInt();
    fractionDigits = int(m.capturedLength(3));
    if (fractionDigits > decimals) return std::nullopt;
    fraction = m.captured(3).toInt();
  } else {
    return std::nullopt;
  }
  if (seconds > 59) return std::nullopt;
  if (fractionDigits == 1) fraction *= 10;
  return minutes * 6000 + seconds * 100 + fraction;
}

bool TTimeEdit::IsValidChar(QChar c) const { return (c >= u'0' && c <= u'9') || c == u':' || c == u','; }

bool TTimeEdit::IsValid() const {
  return !IsChanged() || text().isEmpty() || ParseTime(text(), withHundredths_).has_value();
}

void TTimeEdit::ShowRangeError() const {
  ShowInputWarning(QStringLiteral("Ungültige Zeitangabe. Bitte die Zeit in der Form %1 eingeben.")
                       .arg(withHundredths_ ? QStringLiteral("m:ss,hh") : QStringLiteral("m:ss,t")));
}

void TTimeEdit::focusOutEvent(QFocusEvent* event) {
  Normalize();
  TYrValEdit::focusOutEvent(event);
}

void TTimeEdit::Normalize() {
  if (!IsChanged()) return;
  static const QRegularExpression digitsOnly(QStringLiteral("^\\d+$"));
  if (!digitsOnly.match(text()).hasMatch()) return;
  if (std::optional<int32_t> t = ParseTime(text(), withHundredths_)) setText(TimeText(*t, withHundredths_));
}

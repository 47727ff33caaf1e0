// The entry field for a swimming time (minutes, seconds, tenths and, when the
// competition keeps them, hundredths), used wherever a dialog shows a stored
// time for editing.
//
// Two promises make it safe to put in front of stored results:
//   - A time the user did not change comes back exactly as it was set, even
//     one the field cannot show in full (100 minutes and more, a negative
//     value from a damaged file): Time() returns the stored value whenever
//     the text is still the one SetTime showed.
//   - Ten minutes and more can be shown and entered: the minutes take one or
//     two digits. The field shows "m:ss,hh" (or "m:ss,t") below ten minutes,
//     as the core writes times, and "mm:ss,hh" (or "mm:ss,t") from there on,
//     so what the user sees is what is stored.
//
// The user types the digits with or without the separators: "1:05,43" and
// "10543" are the same time with hundredths, "12:34,5" and "12345" the same
// time without; a text of digits alone is put into the form when the field
// is left. An empty field is no time (0). Anything else is refused when the
// field is left or its dialog closed with OK (ValidatedDialog), with the
// warning of the validated edits.
#pragma once

#include <cstdint>
#include <optional>

#include <QString>

#include "EdCtrl.h"

class TTimeEdit : public TYrValEdit {
  Q_OBJECT

 public:
  // Hundredths are off until the dialog says otherwise.
  explicit TTimeEdit(QWidget* parent = nullptr);

  // The precision the competition keeps (its header option): with hundredths
  // the field takes two decimals, else one. Keeps the time shown.
  void SetWithHundredths(bool on);
  bool WithHundredths() const { return withHundredths_; }

  // Shows a time (hundredths of a second) and remembers it as unchanged.
  void SetTime(int32_t t);
  // The time set, while the text is unchanged; otherwise the time typed
  // (0 for an empty field or a text that is no time).
  int32_t Time() const;
  // True when the text differs from the one SetTime showed.
  bool IsChanged() const { return text() != shown_; }

  // The text the field shows for a time; empty for a negative value.
  static QString TimeText(int32_t t, bool withHundredths);
  // The time of a text in one of the forms above; nothing when it is none.
  static std::optional<int32_t> ParseTime(const QString& text, bool withHundredths);

  // Digits, ":" and ",".
  bool IsValidChar(QChar c) const override;
  // Empty or a time.
  bool IsValid() const override;
  // "Ungültige Zeitangabe. Bitte die Zeit in der Form m:ss,hh eingeben."
  // (with the form of the field's precision).
  void ShowRangeError() const override;

 protected:
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void Normalize();

  bool withHundredths_ = false;
  int32_t time_ = 0;
  QString shown_;
};

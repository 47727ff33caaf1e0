// Entry fields for a swimming time and for a clock time, used wherever a
// dialog shows a stored time for editing.
//
// TTimeEdit holds a time in hundredths of a second. It is typed like the
// masked field "0:00,00" (or "0:00,0" when the competition keeps no
// hundredths): digits only, the separators appear by themselves ("10543"
// shows "1:05,43"), and a position not yet typed counts 0 ("1:2" is 1:20,00;
// leaving the field shows the completed text). Ten minutes and more take two
// digits of minutes: typed with a colon after them ("12:3456"), or simply by
// typing one digit more than the one-digit form holds ("123456" is 12:34,56).
// Two-digit minutes keep the hundredths digit in a competition with
// hundredths, so what the user sees is what is stored.
//
// What the dialog stored is what it gets back unless the user changed the
// text: Time() returns the value SetTime was given while the text is still
// the one SetTime showed, also for a time the field cannot show in full (a
// hundred minutes and more, a negative value from a damaged file).
//
// TClockEdit holds a clock time HH*100+MM in the masked form "00:00"; a blank
// position reads 0, and an untouched value comes back as it was given.
//
// Both are validated edits: a text that is no time (seconds or minutes of 60
// and more, hours of 24 and more) is refused with a warning when the field is
// left or its dialog closed with OK (ValidatedDialog).
#pragma once

#include <cstdint>
#include <optional>

#include <QString>

#include "EdCtrl.h"

class TTimeEdit : public TYrValEdit {
  Q_OBJECT

 public:
  // Time 0, hundredths off until the dialog says otherwise.
  explicit TTimeEdit(QWidget* parent = nullptr);

  // The precision the competition keeps (its header option): with hundredths
  // the field takes two decimals, else one. An unchanged time is shown again
  // in the new precision.
  void SetWithHundredths(bool on);
  bool WithHundredths() const { return withHundredths_; }

  // Shows a time (hundredths of a second) and remembers it as unchanged.
  void SetTime(int32_t t);
  // The time set while the text is unchanged; otherwise the time typed (0 for
  // a text that is no time: IsValid() tells).
  int32_t Time() const;
  // True when the text differs from the one SetTime showed.
  bool IsChanged() const { return text() != shown_; }

  // The text with every position not yet typed as 0, in the field's form
  // ("1:2" gives "1:20,00" with hundredths, "" gives "0:00,00"); the text
  // itself when it cannot be laid out as a time.
  QString CompleteText() const;

  // The text the field shows for a time: "m:ss,hh" / "m:ss,t" below ten
  // minutes (as the core writes times), "mm:ss,hh" / "mm:ss,t" from there
  // on; the core's cut text from a hundred minutes on; empty for a negative
  // value.
  static QString TimeText(int32_t t, bool withHundredths);
  // The time of a text typed into the field (laid out and completed as the
  // field does); nothing when it is none.
  static std::optional<int32_t> ParseTime(const QString& text, bool withHundredths);

  // Digits and the separators ":" and "," (also ".").
  bool IsValidChar(QChar c) const override;
  // Unchanged, or a time.
  bool IsValid() const override;
  // "Ungültige Zeitangabe. Bitte die Zeit in der Form m:ss,hh eingeben."
  // (m:ss,t without hundredths).
  void ShowRangeError() const override;

 protected:
  void focusOutEvent(QFocusEvent* event) override;

 private:
  bool withHundredths_ = false;
  int32_t time_ = 0;
  QString shown_;
};

class TClockEdit : public TYrValEdit {
  Q_OBJECT

 public:
  // Mask "00:00" with "_" for blanks; 00:00.
  explicit TClockEdit(QWidget* parent = nullptr);

  // Shows HH:MM and remembers it as unchanged.
  void SetClock(int32_t hhmm);
  // The clock set while the text is unchanged; otherwise the text with
  // blanks as "0" read as HH*100+MM.
  int32_t Clock() const;
  bool IsChanged() const { return displayText() != shown_; }

  // Digits.
  bool IsValidChar(QChar c) const override;
  // Unchanged, or hours 0..23 and minutes 0..59.
  bool IsValid() const override;
  // "Ungültige Uhrzeit. Bitte die Uhrzeit in der Form hh:mm eingeben."
  void ShowRangeError() const override;

 private:
  int32_t clock_ = 0;
  QString shown_;
};

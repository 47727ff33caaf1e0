// Entry fields for a swimming time and for a clock time, used wherever a
// dialog shows a stored time for editing.
//
// TTimeEdit holds a time in hundredths of a second and behaves as the masked
// field "0:00,00" ("0:00,0" when the competition keeps no hundredths): it
// always shows a whole time, and a typed digit fills the digit position at
// the cursor (overwrite) and moves on past a separator. Ten minutes and more
// show two digits of minutes ("12:34,56").
//   - A click on a character puts the cursor on that digit (on a separator:
//     on the digit after it); a click behind the text selects the whole time,
//     as entering the field with Tab does.
//   - Typing into the whole time selected, or into a field that shows zero,
//     starts a fresh time: its digits fill the field from the right, so
//     "10532" is 1:05,32 and "123456" 12:34,56 ("1053" 1:05,3 without
//     hundredths). Typing into a part of the time selected overwrites from
//     the part's first digit on, as typing at the cursor does.
//   - Shift, Ctrl, AltGr, the lock keys and the like pressed alone change
//     nothing, so the Shift before a ":" does not end a fresh time.
//   - A typed ":" or "," moves the cursor to the group after it; the digits
//     typed before it in its group become that group ("1:5," is 1:05,..;
//     "9:" over "12:34,56" is 9:34,56), as a user writing the time means.
//   - Backspace and Delete set a position to 0 instead of shifting the rest;
//     a pasted text is taken when it reads as a time.
// What the field shows is what Time() gives; leaving it writes the time in
// its plain form ("02:34,56" becomes "2:34,56").
//
// What the dialog stored is what it gets back unless the user changed the
// text: Time() returns the value SetTime was given while the text is still
// the one SetTime showed, also for a time the field cannot show in full (a
// hundred minutes and more, a negative value from a damaged file).
//
// TClockEdit holds a clock time HH*100+MM in the masked form "00:00"; a blank
// position reads 0, and an untouched value comes back as it was given. Clicks
// place the cursor as in the time field.
//
// Both are validated edits: a text that is no time (seconds or minutes of 60
// and more, hours of 24 and more) is refused with a warning when the field is
// left or its dialog closed with OK (ValidatedDialog).
#pragma once

#include <cstdint>
#include <optional>

#include <QPoint>
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

  // The text the field shows for a time: "m:ss,hh" / "m:ss,t" below ten
  // minutes (as the core writes times), "mm:ss,hh" / "mm:ss,t" from there
  // on; the core's cut text from a hundred minutes on; empty for a negative
  // value.
  static QString TimeText(int32_t t, bool withHundredths);
  // The time of a text ("1:05,32", "10532", "1:2" for 1:20,00, as one
  // pasted); nothing when it is none.
  static std::optional<int32_t> ParseTime(const QString& text, bool withHundredths);

  // Digits and the separators ":" and "," (also ".").
  bool IsValidChar(QChar c) const override;
  // Unchanged, or a time.
  bool IsValid() const override;
  // "Ungültige Zeitangabe. Bitte die Zeit in der Form m:ss,hh eingeben."
  // (m:ss,t without hundredths).
  void ShowRangeError() const override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  int Decimals() const { return withHundredths_ ? 2 : 1; }
  // A character typed or composed: a digit, a separator, or a beep.
  void TypeChar(QChar c);
  void TypeDigit(QChar digit);
  void TypeSeparator(QChar separator);
  void Clear(bool backward);
  void Paste();
  void Step(bool forward);
  // Starts a fresh time when the user types into the whole time selected or
  // into a zero time; a part selected puts the cursor on its first digit.
  void StartEntryIfFresh();
  void Show(const QString& text, int cursor);

  bool withHundredths_ = false;
  int32_t time_ = 0;
  QString shown_;
  // The digits of a fresh time while the user types them, right-aligned in
  // the field; valid while the field still shows entryText_.
  QString entry_;
  QString entryText_;
  bool entering_ = false;
  QPoint pressPos_;
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

 protected:
  void mousePressEvent(QMouseEvent* event) override;

 private:
  int32_t clock_ = 0;
  QString shown_;
};

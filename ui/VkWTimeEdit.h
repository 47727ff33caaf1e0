// Entry fields for swim times and clock times.
//
// TTimeEdit holds a time in hundredths of a second in the form of the core's
// time texts (TimeToText): "m:ss,th" with hundredths, "m:ss,t" without, and
// "mm:ss,t" from ten minutes on, where the seven characters leave no room for
// the hundredths digit. The user types digits only, as in a masked field; the
// separators appear by themselves ("10543" shows "1:05,43"). Two-digit
// minutes are entered with a colon after them ("12:345" shows "12:34,5").
// Digits a half-typed time lacks count 0 ("1:2" is 1:20,00); leaving the
// field shows the completed text.
//
// What the dialog stored is what it gets back unless the user changed the
// text: a time the text cannot show exactly (hundredths beyond ten minutes,
// hundredths in a competition without them, a hundred minutes or more)
// survives OK untouched.
//
// TClockEdit holds a clock time HH*100+MM in the masked form "00:00"; a blank
// position reads 0. Like the time edit it gives back the value it was given
// unless the user changed the text.
#pragma once

#include <cstdint>

#include <QLineEdit>
#include <QString>

class TTimeEdit : public QLineEdit {
  Q_OBJECT

 public:
  explicit TTimeEdit(QWidget* parent = nullptr);

  // Whether one-digit-minute times carry a hundredths digit (the
  // competition's precision option). Set before SetTime.
  void SetHundredths(bool on);
  bool Hundredths() const { return hundredths_; }

  // Shows the time as the core writes it and forgets earlier typing.
  void SetTime(int32_t hundredths);
  // The time given to SetTime while the user has not changed the text;
  // otherwise the completed text read by TextToTime.
  int32_t Time() const;
  // True once the user changed the text after SetTime.
  bool Changed() const { return changed_; }

  // The text with every missing digit as 0, in the core's form ("1:2" gives
  // "1:20,00" with hundredths); "0:00,00" for an empty field.
  QString CompleteText() const;

 protected:
  void focusOutEvent(QFocusEvent* event) override;

 private:
  int32_t stored_ = 0;
  bool hundredths_ = false;
  bool changed_ = false;
};

class TClockEdit : public QLineEdit {
  Q_OBJECT

 public:
  // Mask "00:00" with "_" for blanks; value 0.
  explicit TClockEdit(QWidget* parent = nullptr);

  // Shows HH:MM (ClockToText) and forgets earlier typing.
  void SetClock(int32_t hhmm);
  // The clock given to SetClock while the user has not changed the text;
  // otherwise TextToClock of the text with blanks as "0".
  int32_t Clock() const;
  bool Changed() const { return changed_; }

 private:
  int32_t stored_ = 0;
  bool changed_ = false;
};

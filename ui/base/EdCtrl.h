// Single-line edits for numbers: they take only the characters of a number
// from the keyboard, check the value against a range when the user leaves
// them, and show a fixed warning when it is out of range.
//
// TYrNumEdit holds a whole number (deductions, heats, lanes), TYrFloatEdit a
// decimal number (points, formula parameters) written the German way
// ("1,5"; Value() gives 1.5; a typed "." is taken as the comma, as the
// keypad of many keyboards types it). Every character that would reach the
// text from the keyboard is checked, whatever modifiers are held (Meta+key,
// AltGr as Ctrl+Alt) and also when an input method commits it (a character
// composed with a dead key); shortcuts (Ctrl+C, Ctrl+V, Ctrl+A, Ctrl+Z ...)
// work as in any edit. Pasted or programmatically set text is not filtered:
// a text that is no number reads as MinValue() and fails the check.
//
// Leaving the control: the check runs once the focus has settled, and not
// when the focus goes to another window (the warning box itself), a pop-up
// menu or a Cancel button, so Cancel always closes. A dialog checks all its
// edits once more when it is closed with anything but Cancel: derive it from
// ValidatedDialog, or call ValidateEdits(this) in the OK handler. A click on
// OK does both (the press leaves the edit, the release closes), in either
// order: the first check that finds the value wrong warns, a warning voids
// the checks queued before it and none is shown over another, so the user
// gets one box and the focus back in the edit.
//
// Cancel buttons are recognised by the object name "CancelBtn" or by the
// Reject role in a QDialogButtonBox.
//
// Warnings go through the desktop seam (Desktop.h): a message box of kind
// Warning, caption "Eingabeprüfung", one OK button; refused keys beep there.
#pragma once

#include <cstdint>

#include <QDialog>
#include <QLineEdit>

class TYrValEdit : public QLineEdit {
  Q_OBJECT

 public:
  // Empty text; the value is checked when the user leaves the control.
  explicit TYrValEdit(QWidget* parent = nullptr);

  bool ValidateOnExit() const { return validateOnExit_; }
  void SetValidateOnExit(bool on) { validateOnExit_ = on; }

  // True (the default): a typed character the control does not take is
  // refused with a beep before anything sees it. False: the key goes through
  // the edit's normal handling first, where a handler of textEdited may
  // change what it typed; afterwards, when what it put into the text holds a
  // character the control does not take, text, cursor and selection go back
  // to what they were, with a beep. Composed characters (an input method) are
  // always checked first.
  bool CheckKeyFirst() const { return checkKeyFirst_; }
  void SetCheckKeyFirst(bool on) { checkKeyFirst_ = on; }

  // A character the keyboard may put into the text (the base takes all).
  virtual bool IsValidChar(QChar c) const;
  // The character a typed one stands for (the base: itself).
  virtual QChar TypedChar(QChar c) const { return c; }
  // The text is a number within the range (the base: always).
  virtual bool IsValid() const;
  // Shows the control's warning (the base: nothing).
  virtual void ShowRangeError() const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  // The text a key press puts into the field (empty for a shortcut or a key
  // that types nothing), each character as TypedChar gives it.
  QString TypedText(const QKeyEvent& event) const;

 private:
  // The key to the edit's normal handling, as the characters `typed`.
  void PassKey(QKeyEvent* event, const QString& typed);
  // The check when the focus has left, unless a warning came since it was
  // queued (warningsShownBefore counts the warnings up to then).
  void CheckAfterExit(unsigned warningsShownBefore);

  bool validateOnExit_ = true;
  bool checkKeyFirst_ = true;
};

// The range of a number edit, in the type of its value: 0..0 until the
// dialog sets one.
template <class T>
class TYrRangeEdit : public TYrValEdit {
 public:
  using TYrValEdit::TYrValEdit;

  T MinValue() const { return minValue_; }
  T MaxValue() const { return maxValue_; }
  void SetMinValue(T v) { minValue_ = v; }
  void SetMaxValue(T v) { maxValue_ = v; }
  void SetRange(T min, T max) {
    minValue_ = min;
    maxValue_ = max;
  }

 protected:
  T minValue_ = 0;
  T maxValue_ = 0;
};

class TYrNumEdit : public TYrRangeEdit<int32_t> {
  Q_OBJECT

 public:
  // Text "0"; range 0..0 until the dialog sets one.
  explicit TYrNumEdit(QWidget* parent = nullptr);

  // The text as a whole number; MinValue() when it is none.
  int32_t Value() const;
  void SetValue(int32_t v);
  // Shows a stored value with the range min..max (and the length limit)
  // widened just enough to hold it, so a value from a file that the dialog's
  // range does not allow never blocks an untouched OK.
  void SetStoredValue(int32_t v, int32_t min, int32_t max);

  // Backspace, "+", "-", "0".."9".
  bool IsValidChar(QChar c) const override;
  bool IsValid() const override;
  // "Der eingegebene Wert liegt nicht zwischen <min> und <max>."
  void ShowRangeError() const override;
};

class TYrFloatEdit : public TYrRangeEdit<double> {
  Q_OBJECT

 public:
  // Text "0"; range 0..0, 15 significant digits, 2 decimals until the dialog
  // sets others.
  explicit TYrFloatEdit(QWidget* parent = nullptr);

  // Significant digits and decimals of the text SetValue writes; Digits are
  // also the decimals of the bounds in the warning.
  int Precision() const { return precision_; }
  int Digits() const { return digits_; }
  void SetPrecision(int p) { precision_ = p; }
  void SetDigits(int d) { digits_ = d; }

  // The text as a number; MinValue() when it is none.
  double Value() const;
  // Fixed-point text with Digits() decimals and the locale's decimal comma.
  void SetValue(double v);

  // For values kept in hundredths (points, times): Value() × 100, rounded
  // half to even (12.34 gives 1234, 0.125 gives 12); SetHundredths shows h / 100.
  int32_t Hundredths() const;
  void SetHundredths(int32_t h) { SetValue(h / 100.0); }
  // SetHundredths with the range min..max (and the length limit) widened
  // just enough to hold h / 100, as TYrNumEdit::SetStoredValue.
  void SetStoredHundredths(int32_t h, double min, double max);

  // Backspace, "+", "-", "0".."9" and the locale's decimal separator.
  bool IsValidChar(QChar c) const override;
  // "." stands for the locale's decimal separator.
  QChar TypedChar(QChar c) const override;
  bool IsValid() const override;
  // "Der eingegebene Wert liegt nicht zwischen 0,00 und 100,00." (bounds in
  // the locale's number format with thousands separators and Digits() decimals).
  void ShowRangeError() const override;

 private:
  int precision_ = 15;
  int digits_ = 2;
};

// A dialog whose every close but Cancel first checks its validated edits:
// done() with an invalid edit shows that edit's warning, puts the focus into
// it and keeps the dialog open. accept() and Enter on the default button go
// through done(), so nothing invalid leaves the dialog. A dialog with checks
// of its own gives them in AcceptsClose, never in done(): each refusal is
// said once.
class ValidatedDialog : public QDialog {
  Q_OBJECT

 public:
  using QDialog::QDialog;
  void done(int result) final;

 protected:
  // Runs after every edit passed, for any close but Cancel. False keeps the
  // dialog open; the dialog has told the user why.
  virtual bool AcceptsClose() { return true; }
};

// The text with every locale decimal separator made "." and every locale
// thousands separator ",", character by character ("1,5" -> "1.5", "1.000"
// -> "1,000" in a German locale).
QString NormalizeNumberText(const QString& text);

// True when every validated edit of the form holds a valid value. Otherwise
// shows the warning of the first invalid one (the focused edit first, then
// the others in creation order that can take the focus), moves the focus
// there and returns false.
bool ValidateEdits(QWidget* form);

// The warning box of the edits: kind Warning, caption "Eingabeprüfung", OK.
void ShowInputWarning(const QString& msg);

// A button that closes its dialog as Cancel.
bool IsCancelButton(const QWidget* widget);

// The new-competition dialog: the competition year, individual or team
// championship, the range of age classes and the split of age class 12.
//
// The caller presets the year (the current one), runs the dialog through the
// desktop and, on OK, reads Kind() and Year() and hands both to the
// document's New, which turns them into a rule set (NewCompetitionChoice.h).
#pragma once

#include <cstdint>

#include <QDialog>

class QCheckBox;
class QSpinBox;
class RadioGroup;

class TFileNewDlg : public QDialog {
  Q_OBJECT

 public:
  // The years a new competition can be made for.
  static constexpr int kFirstYear = 1995;
  static constexpr int kLastYear = 2007;

  explicit TFileNewDlg(QWidget* owner = nullptr);

  // A year outside kFirstYear..kLastYear is held at the nearer end.
  void SetYear(int year);
  uint16_t Year() const;
  // RadioGroup1 + 2 x RadioGroup2 + 8 with the split of age class 12: 0..13.
  uint16_t Kind() const;

  // The age-class range changed: the split of age class 12 exists only with
  // youth classes, and is cleared whenever it is switched off.
  void RadioGroup2Click();

 private:
  QSpinBox* year_;
  RadioGroup* kind_;
  RadioGroup* range_;
  QCheckBox* split_;
};

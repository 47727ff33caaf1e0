// The reset dialog ("Zurücksetzen"): which entries of every participant to
// clear. Its 25 boxes are the reset items of the competition (1..6 times,
// 7..12 deductions, 13..18 heats, 19..24 lanes, 25 the CPR value); three
// presets fix them, the fourth option ("&Individuell") lets the user choose
// and keeps that choice while the presets are tried.
//
// Use: create it, TheDesktop().RunModal; unless Cancel, GetResetSet into
// TWettkampf::ResetResults (or ApplyTo).
#pragma once

#include <array>

#include <QDialog>

class QCheckBox;
class QGroupBox;
class RadioGroup;
class TWettkampf;
class TYrSet;

class TZuruecksetzenDlg : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kItems = 25;

  explicit TZuruecksetzenDlg(QWidget* parent = nullptr);

  // Item i (1..25) is in the set exactly when its box is checked; the set is
  // emptied first.
  void GetResetSet(TYrSet& items) const;
  // TWettkampf::ResetResults with that set.
  void ApplyTo(TWettkampf& competition) const;

  // The option of RadioGroup1 (0..3).
  int Option() const;

 private:
  void ApplyOption(int option);

  std::array<QCheckBox*, kItems> itemBoxes_{};
  // The user's own choice, restored by "&Individuell".
  std::array<bool, kItems> remembered_{};
  RadioGroup* presetGroup_;
  QGroupBox* itemGroup_;
};

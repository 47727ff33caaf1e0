// The record-data dialog: the previous years' records of one age class (time
// and deduction of each discipline, the best total) for editing, and this
// competition's best performances beside them for comparison.
//
// The competition (not owned) only decides the time precision; set it before
// SetRekorde. GetRekorde writes the previous years' values and nothing else;
// a time, deduction or total the user did not change is written back exactly
// as it was read, also one the fields could not show in full.
#pragma once

#include "EdCtrl.h"

class QGroupBox;
class QLabel;
class TAltersklasse;
class TTimeEdit;
class TWettkampf;

class TRekordDatenDlg : public ValidatedDialog {
  Q_OBJECT

 public:
  explicit TRekordDatenDlg(QWidget* parent = nullptr);

  void SetWettkampf(const TWettkampf* competition) { competition_ = competition; }
  void SetRekorde(const TAltersklasse& ageClass);
  void GetRekorde(TAltersklasse& ageClass) const;

 private:
  const TWettkampf* competition_ = nullptr;
  QGroupBox* bestsGroup_;
  // The previous years' records, edited; this competition's bests, shown.
  TTimeEdit* recordTimes_[6];
  TYrNumEdit* recordDeductions_[6];  // SpinEdit1..5, SpinEdit7
  QLabel* bestTimeLabels_[6];
  QLabel* bestDeductionLabels_[6];
  TYrFloatEdit* recordTotal_;
  QLabel* bestTotalLabel_;
  QString recordTotalShown_;
};

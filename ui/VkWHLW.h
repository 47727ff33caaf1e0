// The dialog of the CPR timetable ("HLW Laufeinteilung"): measures per
// participant, minutes per pass, the first station, the start time and
// whether each organisation's participants form one block.
//
// Use: create it, SetWettkampf (a team competition starts with 4 measures),
// TheDesktop().RunModal; unless Cancel, ApplyTo (TWettkampf::AssignCprHeats
// with GetParameter's values).
#pragma once

#include "EdCtrl.h"

class QCheckBox;
class QSpinBox;
class TClockEdit;
class TWettkampf;

struct TCprParameter {
  int startClock = 800;  // HH*100+MM
  int startStation = 1;
  int duration = 15;  // minutes per pass
  int measures = 1;   // consecutive stations per participant
  bool byOrganisation = false;
};

class THLWLaufbesetzungDlg : public ValidatedDialog {
  Q_OBJECT

 public:
  explicit THLWLaufbesetzungDlg(QWidget* parent = nullptr);

  // Measures per team: 4 in a team competition, else the dialog's 1.
  void SetWettkampf(const TWettkampf& competition);
  // HLWZeitEdit, SpinEdit1, AMNumEdit1, SpinEdit2 and CheckBox1.
  TCprParameter GetParameter() const;
  void ApplyTo(TWettkampf& competition) const;

 private:
  QSpinBox* measures_;
  TYrNumEdit* duration_;
  QSpinBox* station_;
  TClockEdit* clock_;
  QCheckBox* block_;
};

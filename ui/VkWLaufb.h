// The dialog of the automatic heat assignment: the heat and lane to start
// with and the options of the assignment.
//
// Use: create it, TheDesktop().RunModal; unless Cancel, ApplyTo
// (TWettkampf::AssignHeats with GetParameter's values).
#pragma once

#include <QDialog>

#include "DialogParts.h"

class QSpinBox;
class TWettkampf;

struct THeatParameter {
  int startHeat = 1;
  int startLane = 1;  // the position in the first heat (1 = the centre lane)
  int options = 0;    // TLaufParameter::kMix ... kNumberOnward
};

class TLaufbesetzungDlg : public QDialog {
  Q_OBJECT

 public:
  explicit TLaufbesetzungDlg(QWidget* parent = nullptr);

  // SpinEdit1, SpinEdit2, and the bits of the checked boxes
  // CheckBox1..CheckBox5 (TLaufParameter::kOptions).
  THeatParameter GetParameter() const;
  void ApplyTo(TWettkampf& competition) const;

 private:
  OptionBoxes optionBoxes_;
  QSpinBox* heat_;
  QSpinBox* lane_;
};

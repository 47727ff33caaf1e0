// The qualification dialog: how many participants each age class admits and
// whether the cut marks, deletes or does both.
//
// Use: create it, SetWettkampf (presets three heats' worth of lanes),
// TheDesktop().RunModal; unless Cancel, ApplyTo (TWettkampf::Qualify with
// GetParameter's values).
#pragma once

#include <QDialog>

class RadioGroup;
class QSpinBox;
class TWettkampf;

struct TQualifyParameter {
  int count = 0;  // admitted participants per age class
  int mode = 0;   // 0 both actions, 1 set the start right only, 2 delete only
};

class TQualifikationDlg : public QDialog {
  Q_OBJECT

 public:
  explicit TQualifikationDlg(QWidget* parent = nullptr);

  // SpinEdit1 := 3 x the competition's lanes per heat.
  void SetWettkampf(const TWettkampf& competition);
  // SpinEdit1 and the item of RadioGroup1.
  TQualifyParameter GetParameter() const;
  void ApplyTo(TWettkampf& competition) const;

 private:
  QSpinBox* count_;
  RadioGroup* mode_;
};

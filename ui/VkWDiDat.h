// The discipline dialog: name, formula kind, the five parameters and the
// user formula of one discipline record. The age-class data dialog opens it
// from its discipline list and sets the caption.
//
// The dialog works on its own copy of the record: SetDisziplin copies it in,
// GetDisziplin writes the fields the dialog edits over the record it is
// given (rule code, description and the stored bytes behind the texts stay).
// OK refuses a user formula (kind 0) that the interpreter cannot read: it
// shows the message the evaluation would report (the error, "Position: n",
// the formula) and puts the cursor at that position.
#pragma once

#include "EdCtrl.h"
#include "VkDisz.h"

class QLabel;
class QLineEdit;
class RadioGroup;

class TDisziplinDatenDlg : public ValidatedDialog {
  Q_OBJECT

 public:
  explicit TDisziplinDatenDlg(QWidget* parent = nullptr);

  void SetDisziplin(const TDisziplin& discipline);
  void GetDisziplin(TDisziplin& discipline) const;

 protected:
  // Refuses a user formula (kind 0) the interpreter cannot read.
  bool AcceptsClose() override;

 private:
  // The kind handler: kinds 1..4 show their fixed formula text, greyed.
  void RadioGroup1Click(int kind);

  QLineEdit* nameEdit_;
  RadioGroup* kindGroup_;
  TYrFloatEdit* parameterEdits_[5];
  QLabel* formulaLabel_;
  QLineEdit* formulaEdit_;
};

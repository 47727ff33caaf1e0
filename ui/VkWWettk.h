// The competition-data dialog: title, kind of event, organiser, host, date,
// venue, lanes, pool length, CPR stations and the hundredths option of the
// competition's header record.
//
// The caller fills it from the competition, runs it through the desktop and,
// unless it was cancelled, writes it back into the live competition:
//     TWettkampfDatenDlg dlg(owner);
//     dlg.SetWettkampfDaten(competition);
//     if (TheDesktop().RunModal(dlg) != mrCancel) dlg.GetWettkampfDaten(competition);
// The dialog keeps no reference to the competition.
#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class RadioGroup;
class TWettkampf;

class TWettkampfDatenDlg : public QDialog {
  Q_OBJECT

 public:
  explicit TWettkampfDatenDlg(QWidget* owner = nullptr);

  void SetWettkampfDaten(const TWettkampf& competition);
  // Rewrites the header fields the dialog shows, through the competition's
  // SetHeader, so the age classes learn the hundredths choice at once. A
  // change between individual and team events leaves the participants'
  // bytes alone: they are read in the new layout, within its fields.
  void GetWettkampfDaten(TWettkampf& competition) const;

 private:
  QLineEdit* headerEdits_[5];  // Edit1 .. Edit5: title, organiser, host, date, venue
  RadioGroup* kind_;
  RadioGroup* lanes_;
  RadioGroup* pool_;
  RadioGroup* stations_;
  QCheckBox* withoutHundredths_;
};

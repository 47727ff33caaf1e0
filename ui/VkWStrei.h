// The strike dialog ("Teilnehmer streichen"): what happens to participants
// without any entry.
//
// Use: create it, TheDesktop().RunModal; unless Cancel, ApplyTo
// (TWettkampf::Strike with GetMode).
#pragma once

#include <QDialog>

class RadioGroup;
class TWettkampf;

class TStreichenDlg : public QDialog {
  Q_OBJECT

 public:
  explicit TStreichenDlg(QWidget* parent = nullptr);

  // The item of RadioGroup1: 0 set "n.a.", 1 delete, 2 delete those already "n.a.".
  int GetMode() const;
  void ApplyTo(TWettkampf& competition) const;

 private:
  RadioGroup* mode_;
};

// The options of merging another result file into the competition
// ("Wettkampf hinzufügen"): which age classes and participants to take, an
// organisation to give the merged participants and the number of first
// placed participants to mark as directly qualified.
//
// Use: create it, TheDesktop().RunModal; unless Cancel, load the other file
// and hand it to ApplyTo (or pass GetParameter's values to TWettkampf::Merge).
#pragma once

#include <cstdint>
#include <string>

#include <QDialog>

#include "DialogParts.h"

class QCheckBox;
class QComboBox;
class QSpinBox;
class TWettkampf;

// The arguments of TWettkampf::Merge besides the source.
struct TMergeParameter {
  uint16_t options = 0;  // TWettkampf::kMergeClasses ... kMergeIncomplete
  std::string abk;       // DOS code page, at most 5 characters; empty keeps the participants' own
  int count = 0;         // first placed participants marked directly qualified; 0 leaves the flag
};

class THinzufuegenDlg : public QDialog {
  Q_OBJECT

 public:
  explicit THinzufuegenDlg(QWidget* parent = nullptr);

  // The bits of the checked boxes CheckBox1..CheckBox5
  // (TWettkampf::kMergeOptions); 0 when none is checked.
  uint16_t GetOptionen() const;
  // ComboBox1 in the DOS code page, cut to 5 characters (empty while
  // CheckBox8 is cleared).
  std::string GetGliederung() const;
  // SpinEdit1 (0 while CheckBox9 is cleared).
  int GetAnzahl() const;
  TMergeParameter GetParameter() const { return {GetOptionen(), GetGliederung(), GetAnzahl()}; }

  // Merges `source` into `competition` with the dialog's values; `source`
  // is left without age classes for the caller to dispose.
  void ApplyTo(TWettkampf& competition, TWettkampf& source) const;

 private:
  OptionBoxes optionBoxes_;
  QCheckBox* gliederungBox_;
  QComboBox* gliederung_;
  QCheckBox* anzahlBox_;
  QSpinBox* anzahl_;
};

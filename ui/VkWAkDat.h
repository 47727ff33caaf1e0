// The age-class data dialog: name, birth years, flags, number of disciplines
// and of disciplines counted, and from it the discipline dialog and the
// record-data dialog of the class.
//
// Set / show modally / Get: SetAltersklasse shows a class of a competition
// (neither owned; both must outlive the dialog), GetAltersklasse writes the
// dialog's state into a class; the caller then evaluates it and re-sorts the
// competition's classes.
//
// The discipline and record sub-dialogs change the dialog's own working copy
// of the class's disciplines and records, never the class itself: what they
// changed reaches a class through GetAltersklasse, that is only when this
// dialog is confirmed too; Cancel here undoes them. So a class is never left
// changed but not evaluated.
//
// OK is refused, with the competition's duplicate message, when the name and
// sex equal those of another class of the competition (a new class: of any
// class) and the edit made them so; two such classes would mix their
// participants. Classes that were alike before keep being accepted as long
// as name and sex stay and the birth years differ.
#pragma once

#include <memory>

#include <QString>

#include "DialogParts.h"
#include "EdCtrl.h"

class QCheckBox;
class QComboBox;
class QHBoxLayout;
class QListWidget;
class QListWidgetItem;
class QSpinBox;
class QVBoxLayout;
class TAltersklasse;
class TWettkampf;

class TAltersklassenDatenDlg : public ValidatedDialog {
  Q_OBJECT

 public:
  // Caption "Altersklassendaten" until the caller sets another.
  explicit TAltersklassenDatenDlg(QWidget* parent = nullptr);
  ~TAltersklassenDatenDlg() override;

  // Fields of the class to the controls.
  void SetAltersklasse(TWettkampf* competition, const TAltersklasse* ageClass);
  // For a class to be made from the one shown: its name gets " - neu", and
  // the duplicate test compares with every class.
  void SetAsNew();
  // The controls, the disciplines and the previous years' records to the
  // class.
  void GetAltersklasse(TAltersklasse& ageClass) const;
  // Refills the discipline list.
  void FillDisziplinen();

 protected:
  // Refuses, with the competition's duplicate message, a name and sex that
  // equal another class's (see above).
  bool AcceptsClose() override;

 private:
  // The constructor's parts, left to right, then the buttons.
  QVBoxLayout* NewClassColumn();
  QVBoxLayout* NewDisciplineColumn();
  QHBoxLayout* NewButtonRow();
  void DisziplinenAnzahlChanged(int count);
  void ListBox1DblClick(QListWidgetItem* item);
  void RekordeBtnClick();

  TWettkampf* competition_ = nullptr;
  const TAltersklasse* ageClass_ = nullptr;
  bool asNew_ = false;
  QString nameSet_;
  bool femaleSet_ = false;
  // Disciplines and records as the sub-dialogs left them.
  std::unique_ptr<TAltersklasse> work_;

  QComboBox* nameBox_;
  QSpinBox* firstYear_;
  QSpinBox* lastYear_;
  OptionBoxes flagBoxes_;
  QComboBox* countBox_;
  QComboBox* countedBox_;
  QListWidget* disciplineList_;
};

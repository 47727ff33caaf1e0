// The age-class list: creates, changes and deletes the age classes of a
// competition and shifts all birth years.
//
// The document opens it on a deep copy of its competition (SetWettkampf; not
// owned) and, on OK, puts the copy (GetWettkampf) in place of its own; on
// Cancel it disposes the copy. Every button acts on the copy at once. The
// age-class data dialog (VkWAkDat.h) edits one class; the copy's classes are
// evaluated and kept in order after each change.
#pragma once

#include <functional>
#include <vector>

#include <QDialog>

#include "DialogParts.h"

class QListWidget;
class TAltersklasse;
class TWettkampf;

// Asks before an age class of the competition is deleted: the last class is
// refused with an error box; otherwise the user confirms with Yes (a class
// with participants is named as not empty). True on Yes.
bool ConfirmAgeClassDeletion(const TWettkampf& competition, const TAltersklasse& ageClass);

// Runs the age-class data dialog (titled `title` unless it is empty) for a
// new class modelled on `model` and, on OK, inserts the evaluated class into
// the competition. Without a model (a competition that has no class, as a
// damaged file leaves it) the class starts fresh: no name, no disciplines,
// born in the current year. The class inserted, or nullptr when the user cancelled or
// the competition refused it as a duplicate (then it was reported and
// disposed).
TAltersklasse* AddAgeClassLike(QWidget* owner, TWettkampf& competition, const TAltersklasse* model,
                               const QString& title);

// What the age-class list and the records dialog share: the list
// "ListBox1" of a competition's age classes (single selection) in a titled
// group, beside it the dialog's command buttons and OK / Cancel; a double
// click on the list runs a command too. The competition is not owned.
class TAgeClassListDlg : public QDialog {
  Q_OBJECT

 public:
  // The competition given to SetWettkampf, edited.
  TWettkampf* GetWettkampf() const { return competition_; }
  // The selected line, -1 for none; the document's age-class tab index.
  int ItemIndex() const;
  void SetItemIndex(int index);

 protected:
  TAgeClassListDlg(QWidget* parent, const QString& listTitle, const std::vector<CommandButton>& buttons,
                   std::function<void()> doubleClick);
  // Refills the list with the names of the competition's classes, none
  // selected.
  void ListClasses();
  // The class of the selected line; nullptr for none.
  TAltersklasse* Selected() const;

  TWettkampf* competition_ = nullptr;
  QListWidget* classList_;
};

class TAltersklassenDlg : public TAgeClassListDlg {
  Q_OBJECT

 public:
  explicit TAltersklassenDlg(QWidget* parent = nullptr);

  // Remembers the competition and lists its classes, the first selected.
  void SetWettkampf(TWettkampf* competition);
  // Refills the list and selects this class (none for nullptr or a class
  // not in the competition).
  void ShowAltersklassen(const TAltersklasse* ageClass);

 private:
  void NeuBtnClick();
  void AendernBtnClick();
  void LoeschenBtnClick();
  void JahrgaengeBtnClick();
};

// The participant dialog: one person or team with names, organisation, age
// class, properties, the results of six disciplines (time, deduction or
// status code, heat, lane) and the CPR result (points or status code, clock
// time, station).
//
// Use: create it, SetWettkampf, SetTeilnehmer, TheDesktop().RunModal, and
// unless the result is Cancel GetTeilnehmer into the live participant; the
// caller evaluates the age class and marks the document modified. The
// dialog keeps a pointer to the competition (not owned), which must outlive
// it, and changes nothing but the participant given to GetTeilnehmer.
//
// OK is refused without a name (the team's name in a team competition): a
// nameless entry would show in heat lists, certificates and exports.
#pragma once

#include <array>

#include "DialogParts.h"
#include "EdCtrl.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class TClockEdit;
class TTeilnehmer;
class TTimeEdit;
class TWettkampf;

// The organisation box of the participant and the merge dialog: editable,
// at most five characters, offering kOrganisationAbbreviations (VkGlied.h).
QComboBox* NewOrganisationBox(const char* objectName, QWidget* parent);

class TTeilnehmerDlg : public ValidatedDialog {
  Q_OBJECT

 public:
  // Result rows, the seventh always hidden.
  static constexpr int kRows = 7;

  explicit TTeilnehmerDlg(QWidget* parent = nullptr);

  // The competition whose kind of event, precision and age classes the
  // dialog follows. Call before SetTeilnehmer.
  void SetWettkampf(const TWettkampf& competition) { competition_ = &competition; }

  void SetTeilnehmer(const TTeilnehmer& participant);
  // Writes every field the dialog shows into the participant, in the layout
  // of the competition's kind; times, clock and CPR points the user did not
  // change keep their stored value. The flags become exactly the five boxes'
  // bits. A stored number outside an edit's range widens that range, so it
  // never blocks OK.
  void GetTeilnehmer(TTeilnehmer& participant) const;

  // Shows result rows 1..n and hides the others (the constructor shows 6).
  void SetDisziplinAnzahl(int n);

 protected:
  // Anything but Cancel with an empty name: "Bitte einen Namen eingeben.",
  // the cursor in the name field, the dialog stays open.
  bool AcceptsClose() override;

 private:
  // The constructor's parts, one per group box, in the order of the tab key.
  QGroupBox* NewPersonGroup();
  QGroupBox* NewPropertiesGroup();
  QGroupBox* NewResultsGroup();
  void AddCprRows(QGroupBox* results, QGridLayout* grid, int cprRow);
  QHBoxLayout* NewButtonRow();
  void Absent();
  void Excluded();

  const TWettkampf* competition_ = nullptr;
  bool individual_ = true;

  QLineEdit* nameEdit_;
  QLineEdit* vornameEdit_;
  QLineEdit* mannschaftEdit_;
  QLineEdit* zusatzEdit_;
  QLabel* nameLabel_;
  QLabel* vornameLabel_;
  QLabel* mannschaftLabel_;
  QLabel* zusatzLabel_;
  QComboBox* gliederungBox_;
  QComboBox* altersklasseBox_;
  OptionBoxes flagBoxes_;

  std::array<QLabel*, kRows> wettkLabels_{};
  std::array<TTimeEdit*, kRows> zeitEdits_{};
  std::array<TYrNumEdit*, kRows> abzugEdits_{};
  std::array<TYrNumEdit*, kRows> laufEdits_{};
  std::array<TYrNumEdit*, kRows> bahnEdits_{};

  TYrFloatEdit* hlwPunkteEdit_;
  int32_t cprValue_ = 0;  // as stored, and the text it was shown as
  QString cprShown_;
  TClockEdit* hlwZeitEdit_;
  TYrNumEdit* hlwBahnEdit_;
};

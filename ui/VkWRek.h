// The records of every age class of a competition: edit them in the
// record-data dialog, clear them, or take them over from another result file.
//
// The document brings the bests up to date, opens the dialog on a deep copy
// of its competition (SetWettkampf; not owned) and puts the copy
// (GetWettkampf) in its place on OK; on Cancel it disposes the copy. Every
// button acts on the copy at once.
#pragma once

#include <memory>

#include <QString>

#include "VkWAk.h"

class TAltersklasse;
class TWettkampf;

// Reads a result file for the take-over: a new competition, or nullptr after
// the reason was reported through ErrorMsgProc. The one place that loads a
// file in this dialog.
std::unique_ptr<TWettkampf> LoadRecordSource(const QString& fileName);

class TRekordeDlg : public TAgeClassListDlg {
  Q_OBJECT

 public:
  // The list has the focus at the start.
  explicit TRekordeDlg(QWidget* parent = nullptr);

  // Remembers the competition and lists its age classes (none selected; the
  // document presets its tab index).
  void SetWettkampf(TWettkampf* competition);

 private:
  void AendernBtnClick();
  void LoeschenBtnClick();
  void UebernehmenBtnClick();
};

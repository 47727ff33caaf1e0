// The records of every age class of a competition: edit them in the
// record-data dialog, clear them, or take them over from another result file.
//
// The document brings the bests up to date, opens the dialog on a deep copy
// of its competition (SetWettkampf; not owned) and puts the copy
// (GetWettkampf) in its place on OK; on Cancel it disposes the copy. Every
// button acts on the copy at once.
#pragma once

#include <memory>

#include <QDialog>
#include <QString>

class QListWidget;
class TAltersklasse;
class TWettkampf;

// Reads a result file for the take-over: a new competition, or nullptr after
// the reason was reported through ErrorMsgProc. The one place that loads a
// file in this dialog.
std::unique_ptr<TWettkampf> LoadRecordSource(const QString& fileName);

class TRekordeDlg : public QDialog {
  Q_OBJECT

 public:
  explicit TRekordeDlg(QWidget* parent = nullptr);

  // Remembers the competition and lists its age classes (none selected).
  void SetWettkampf(TWettkampf* competition);
  TWettkampf* GetWettkampf() const { return competition_; }

  // The selected age class, -1 for none; the document presets its tab index.
  int ItemIndex() const;
  void SetItemIndex(int index);

 private:
  TAltersklasse* Selected() const;
  void AendernBtnClick();
  void LoeschenBtnClick();
  void UebernehmenBtnClick();

  TWettkampf* competition_ = nullptr;
  QListWidget* classList_;
};

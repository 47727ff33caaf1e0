// The organisation statistics of a competition in four rankings (medal
// table, total points, alphabetical, trophy ranking), one tab each, and the
// renaming of an organisation.
//
// The document rebuilds the statistics, opens the dialog on a deep copy of
// its competition (SetWettkampf; not owned) and puts the copy (GetWettkampf)
// in its place on OK; on Cancel it disposes the copy. Tabs only re-sort and
// renumber the organisations of the copy; a rename changes its name there.
#pragma once

#include <cstdint>

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;
class QTabBar;
class TWettkampf;

class TGliederungenDlg : public QDialog {
  Q_OBJECT

 public:
  explicit TGliederungenDlg(QWidget* parent = nullptr);

  // Remembers the competition and shows the medal table (sort mode 1).
  void SetWettkampf(TWettkampf* competition);
  TWettkampf* GetWettkampf() const { return competition_; }
  // Sorts the organisations by the mode (TGliederungsListe::kByAbk ..
  // kByTrophy), numbers their places and lists them.
  void ShowGliederungen(uint8_t mode);

  // The sort mode of a tab: 1, 3, 0, 4.
  static uint8_t SortModeOfTab(int tab);

 private:
  void AendernBtnClick();

  TWettkampf* competition_ = nullptr;
  QTabBar* rankingTabs_;
  QLabel* headLabel_;
  QListWidget* organisationList_;
  QPushButton* renameBtn_;
};

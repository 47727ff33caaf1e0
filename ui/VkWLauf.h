// The heat viewer ("Laufanzeige nach Wettkampf"): the participants of one
// heat of one discipline over the whole competition, with the heat-list
// header, stepping from heat to heat and from discipline to discipline.
//
// The viewer lists the heat through the competition's selection list (the
// one reports use) and marks every age class. The selection holds pointers
// into the age classes, so the viewer empties it again when it closes and
// when it is destroyed: afterwards no command can dispose a participant the
// selection still points at. The competition (not owned) must outlive the
// dialog; nothing else of it changes.
//
// Use: create it, SetWettkampf, TheDesktop().RunModal. It has no result.
#pragma once

#include <cstdint>

#include <QDialog>

class QLabel;
class QListWidget;
class QTabBar;
class TWettkampf;

class TLaufanzeigeDlg : public QDialog {
  Q_OBJECT

 public:
  explicit TLaufanzeigeDlg(QWidget* parent = nullptr);
  ~TLaufanzeigeDlg() override;

  // Discipline 1, heat 0 (brought into the discipline's range), ShowLauf.
  void SetWettkampf(TWettkampf& competition);
  // Clamps the discipline to 1..5 and the heat to the lowest, then to the
  // highest heat of the discipline (so a discipline without participants
  // shows heat 0), and lists that heat.
  void ShowLauf();

  int Disziplin() const { return discipline_; }
  int32_t Lauf() const { return heat_; }

  // Closing empties the competition's selection.
  void done(int result) override;

 private:
  void Step(int by);
  void ReleaseSelection();

  TWettkampf* competition_ = nullptr;
  bool holdsSelection_ = false;
  int discipline_ = 1;
  int32_t heat_ = 0;

  QTabBar* disciplineTabs_;
  QLabel* headerLabel_;
  QLabel* heatLabel_;
  QListWidget* heatLines_;
};

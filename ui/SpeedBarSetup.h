// The window that arranges the speed bar ("Speedbar anpassen"): the
// sections, the buttons of the chosen section that are not on the bar (drag
// one onto the bar to add it; drag one from the bar into this window to take
// it off), the chosen button's hint, and the buttons' width and height.
// It stays open beside the main window while the user arranges; "Schließen",
// Escape and the window's close button end the arranging. Owned by the bar,
// which deletes it when it closes.
#pragma once

#include <QDialog>

class QLabel;
class QListWidget;
class QSpinBox;
class TSpeedBar;

class TSpeedbarSetupDlg : public QDialog {
  Q_OBJECT

 public:
  explicit TSpeedbarSetupDlg(TSpeedBar* bar);

  // Lists the chosen section's buttons that are not on the bar again.
  void ShowButtons();

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void ShowDescription();

  TSpeedBar* bar_;
  QListWidget* sectionList_;
  QListWidget* buttonsList_;
  QLabel* description_;
  QSpinBox* widthEdit_;
  QSpinBox* heightEdit_;
};

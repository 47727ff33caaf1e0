// "Tips und Tricks": one usage tip at a time from a fixed list, starting at a
// random one each time the window opens; the buttons step through the list
// and wrap around at both ends. The first entry is empty.
#pragma once

#include <QDialog>
#include <QStringList>

class QLabel;

class TTipsDlg : public QDialog {
  Q_OBJECT

 public:
  explicit TTipsDlg(QWidget* owner = nullptr);

  // The tip shown (0 until the window opens).
  int TipIndex() const { return index_; }

  void NextBtnClick();
  void PrevBtnClick();

 protected:
  // FormShow: a random tip, the empty first one included.
  void showEvent(QShowEvent* event) override;

 private:
  void ShowTip();

  QStringList tips_;
  QLabel* tipLabel_;
  int index_ = 0;
};

// Creates the tips window, shows it modally through the desktop, frees it.
void ShowTips(QWidget* owner);

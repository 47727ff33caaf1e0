// The find dialog of the main window ("Suchen"): a text, whole field only,
// case, and the direction (down at first). It stays open beside the window
// while the user searches: each "Weitersuchen" (the default button, so Enter
// in the text) emits Find, and the window searches from its current
// participant on. Created once by the window and kept; "Abbrechen" and
// Escape only hide it.
#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;
class RadioGroup;

class TFindDialog : public QDialog {
  Q_OBJECT

 public:
  explicit TFindDialog(QWidget* parent = nullptr);

  // Shows the dialog (or brings it to the front) ready for typing: the focus
  // in the text, the text selected so that typing replaces it.
  void Open();

  QString FindText() const;
  void SetFindText(const QString& text);
  bool Down() const;
  bool WholeWord() const;
  bool MatchCase() const;

 signals:
  void Find();

 private:
  QLineEdit* findEdit_;
  QCheckBox* wholeWord_;
  QCheckBox* matchCase_;
  RadioGroup* direction_;
  QPushButton* findBtn_;
};

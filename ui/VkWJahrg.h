// The question by how many years every age class of a competition moves:
// the age-class list runs it and shifts the birth years on OK.
#pragma once

#include <QDialog>

class QSpinBox;

class TJahrgaengeDlg : public QDialog {
  Q_OBJECT

 public:
  // "Wettkampfjahr ändern", 0 years.
  explicit TJahrgaengeDlg(QWidget* parent = nullptr);

  // -100..100.
  int Years() const;

 private:
  QSpinBox* years_;
};

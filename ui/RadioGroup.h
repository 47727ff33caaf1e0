// A framed group of radio buttons with one chosen item, as the dialogs use
// them for every "one of n" choice ("Art der Veranstaltung:", "Beckenlänge:").
//
// The items are laid out in columns, filled top to bottom and then left to
// right. ItemIndex is the chosen item, -1 for none; setting an index outside
// the items chooses the nearest end (the last item for a too large one), so
// a value read from a file never leaves the group without a usable choice
// unless it says -1. Clicked() follows every change of the chosen item, by
// the user or by the program, as the dialogs' "...Click" handlers expect.
#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QRadioButton;

class RadioGroup : public QGroupBox {
  Q_OBJECT

 public:
  RadioGroup(const QString& caption, const QStringList& items, int columns, QWidget* parent);

  int ItemIndex() const;
  void SetItemIndex(int index);
  int Count() const;
  QRadioButton* Button(int index) const;

 signals:
  void Clicked();

 private:
  QButtonGroup* buttons_;
};

// A framed group of radio buttons with one chosen item, as the dialogs use
// them for every "one of n" choice ("Art der Veranstaltung:", "Optionen").
//
// The items are laid out in columns, filled top to bottom and then left to
// right. Each button is named "<group name>_<index>" (index from 0), so tests
// and callers find it by name as well as through Button(). ItemIndex is the
// chosen item, -1 for none; setting an index outside the items chooses none,
// so that a value from a file the group does not offer is not replaced by
// another one: the caller keeps what it held when ItemIndex() is -1.
// Clicked(index) follows every change of the chosen item, by the user or by
// the program, as the dialogs' "...Click" handlers expect. Tab and Shift+Tab
// into the group land on the chosen item; the arrow keys move the choice.
#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QRadioButton;

class RadioGroup : public QGroupBox {
  Q_OBJECT

 public:
  RadioGroup(const QString& objectName, const QString& caption, const QStringList& items, int columns = 1,
             QWidget* parent = nullptr);

  int ItemIndex() const;
  void SetItemIndex(int index);
  int Count() const;
  QRadioButton* Button(int index) const;

 signals:
  void Clicked(int index);

 private:
  QButtonGroup* buttons_;
};

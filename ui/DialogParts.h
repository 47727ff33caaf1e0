// Pieces the dialogs of the program build alike: buttons with their object
// names, the OK / Cancel row, a group of radio buttons with an item index,
// the fixed-width font of list texts, and a one-line question for a text.
//
// Object names are what tests and the document find controls by; every
// helper takes one.
#pragma once

#include <QGroupBox>
#include <QString>
#include <QStringList>

class QBoxLayout;
class QButtonGroup;
class QDialog;
class QPushButton;

// A push button with its object name and caption.
QPushButton* NewButton(QWidget* parent, const char* objectName, const QString& text);

// "OK" (object name "OKBtn", the default button, accepts) and "Abbrechen"
// ("CancelBtn", rejects), appended to the layout.
void AddOkCancel(QDialog* dialog, QBoxLayout* layout);

// Fixed-width font for texts whose columns are aligned with blanks.
QFont FixedFont();

// A titled group of radio buttons, one per item; ItemIndex is the checked
// one (-1: none). The buttons are named "<group name>_<index>".
class TRadioGroup : public QGroupBox {
  Q_OBJECT

 public:
  TRadioGroup(const char* objectName, const QString& title, const QStringList& items, QWidget* parent = nullptr);

  int ItemIndex() const;
  void SetItemIndex(int index);
  int Count() const;

 signals:
  // The user or SetItemIndex checked another item.
  void Clicked(int index);

 private:
  QButtonGroup* group_;
};

// The input box: caption, a prompt, a one-line edit preset with `value`
// (object names "InputBox", "Edit1", "OKBtn", "CancelBtn"), run through the
// desktop seam. True and the text in `value` on OK; `value` unchanged on
// Cancel. maxLength 0 is no limit.
bool InputQuery(const QString& caption, const QString& prompt, QString& value, int maxLength = 0);

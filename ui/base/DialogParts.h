// Pieces the dialogs of the program build alike: buttons with their object
// names, the OK / Cancel pair, the check boxes of an options word, the
// fixed-width font of list texts, and a one-line question for a text. (The
// group of radio buttons is RadioGroup.h.)
//
// Object names are what tests and the document find controls by; every
// helper takes one.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <utility>
#include <vector>

#include <QFont>
#include <QString>

#include "OptionBits.h"

class QBoxLayout;
class QCheckBox;
class QDialog;
class QHBoxLayout;
class QListWidget;
class QPushButton;
class QWidget;

// A push button with its object name and caption.
QPushButton* NewButton(QWidget* parent, const char* objectName, const QString& text);

// "OK" (object name "OKBtn", the default button, accepts) and "Abbrechen"
// ("CancelBtn", rejects), appended to the layout (a row or a column of
// buttons). Returns the OK button.
QPushButton* AddOkCancel(QDialog* dialog, QBoxLayout* layout);
// A new row with OK and Cancel at its right end, for the bottom of a dialog.
QHBoxLayout* OkCancelRow(QDialog* dialog);

// The check boxes of an options word, one per bit of a table, in its order.
// The boxes belong to their parent; this object only finds them.
class OptionBoxes {
 public:
  // Appends a box per bit to the layout, with the object names "CheckBox1",
  // "CheckBox2", ... (a dialog that names a box otherwise renames it).
  void Add(std::span<const TOptionBit> bits, QWidget* parent, QBoxLayout* layout);

  // The bits of the checked boxes; no other bit.
  uint16_t Word() const;
  // Each box checked exactly when its bit is set in `word`.
  void SetWord(uint16_t word);
  // The box of that bit; nullptr when the table has none.
  QCheckBox* Box(uint16_t bit) const;

 private:
  std::vector<std::pair<uint16_t, QCheckBox*>> boxes_;
};

// The layout of the list dialogs: the list in a titled group, beside it a
// column of command buttons and, at the column's foot, OK and Cancel. Each
// button and a double click on the list run as one command (CommandScope,
// VkWMisc.h), so the messages one of them causes are shown together.
struct CommandButton {
  const char* objectName;
  QString text;
  std::function<void()> click;
};
void LayOutListWithCommands(QDialog* dialog, QListWidget* list, const QString& title,
                            const std::vector<CommandButton>& buttons, std::function<void()> doubleClick);

// Fixed-width font for texts whose columns are aligned with blanks.
QFont FixedFont();

// The input box: caption, a prompt, a one-line edit preset with `value`
// (object names "InputBox", "Edit1", "OKBtn", "CancelBtn"), run through the
// desktop seam. True and the text in `value` on OK; `value` unchanged on
// Cancel. maxLength 0 is no limit.
bool InputQuery(const QString& caption, const QString& prompt, QString& value, int maxLength = 0);

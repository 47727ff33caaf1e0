#include "DialogParts.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "Desktop.h"
#include "VkWMisc.h"

QPushButton* NewButton(QWidget* parent, const char* objectName, const QString& text) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(QString::fromLatin1(objectName));
  return button;
}

QPushButton* AddOkCancel(QDialog* dialog, QBoxLayout* layout) {
  QPushButton* ok = NewButton(dialog, "OKBtn", QStringLiteral("OK"));
  ok->setDefault(true);
  QPushButton* cancel = NewButton(dialog, "CancelBtn", QStringLiteral("Abbrechen"));
  QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
  QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
  layout->addWidget(ok);
  layout->addWidget(cancel);
  return ok;
}

void OptionBoxes::Add(std::span<const TOptionBit> bits, QWidget* parent, QBoxLayout* layout) {
  for (const TOptionBit& option : bits) {
    auto* box = new QCheckBox(QString::fromUtf8(option.caption), parent);
    box->setObjectName(QStringLiteral("CheckBox%1").arg(boxes_.size() + 1));
    layout->addWidget(box);
    boxes_.emplace_back(option.bit, box);
  }
}

uint16_t OptionBoxes::Word() const {
  uint16_t word = 0;
  for (const auto& [bit, box] : boxes_)
    if (box->isChecked()) word |= bit;
  return word;
}

void OptionBoxes::SetWord(uint16_t word) {
  for (const auto& [bit, box] : boxes_) box->setChecked((word & bit) != 0);
}

QCheckBox* OptionBoxes::Box(uint16_t bit) const {
  for (const auto& [b, box] : boxes_)
    if (b == bit) return box;
  return nullptr;
}

QHBoxLayout* OkCancelRow(QDialog* dialog) {
  auto* row = new QHBoxLayout;
  row->addStretch();
  AddOkCancel(dialog, row);
  return row;
}

void LayOutListWithCommands(QDialog* dialog, QListWidget* list, const QString& title,
                            const std::vector<CommandButton>& buttons, std::function<void()> doubleClick) {
  auto asCommand = [](std::function<void()> f) {
    return [f = std::move(f)] {
      CommandScope command;
      f();
    };
  };
  QObject::connect(list, &QListWidget::itemDoubleClicked, dialog, asCommand(std::move(doubleClick)));
  auto* group = new QGroupBox(title, dialog);
  (new QVBoxLayout(group))->addWidget(list);
  auto* side = new QVBoxLayout;
  for (const CommandButton& b : buttons) {
    QPushButton* button = NewButton(dialog, b.objectName, b.text);
    QObject::connect(button, &QPushButton::clicked, dialog, asCommand(b.click));
    side->addWidget(button);
  }
  side->addStretch();
  AddOkCancel(dialog, side);
  auto* layout = new QHBoxLayout(dialog);
  layout->addWidget(group, 1);
  layout->addLayout(side);
}

QFont FixedFont() { return QFontDatabase::systemFont(QFontDatabase::FixedFont); }

bool InputQuery(const QString& caption, const QString& prompt, QString& value, int maxLength) {
  QDialog dlg(QApplication::activeWindow());
  dlg.setObjectName(QStringLiteral("InputBox"));
  dlg.setWindowTitle(caption);
  auto* layout = new QVBoxLayout(&dlg);
  layout->addWidget(new QLabel(prompt, &dlg));
  auto* edit = new QLineEdit(value, &dlg);
  edit->setObjectName(QStringLiteral("Edit1"));
  if (maxLength > 0) edit->setMaxLength(maxLength);
  edit->setMinimumWidth(260);
  layout->addWidget(edit);
  layout->addLayout(OkCancelRow(&dlg));
  if (TheDesktop().RunModal(dlg) != mrOk) return false;
  value = edit->text();
  return true;
}

// Pieces the small dialogs share: the row of OK and Cancel, and a group of
// radio buttons whose checked index is the dialog's option.
#pragma once

#include <QButtonGroup>
#include <QDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QVBoxLayout>

// "OK" (object name "OKBtn", the default button) accepts, "Abbrechen"
// ("CancelBtn") rejects; right-aligned in one row.

inline QHBoxLayout* OkCancelRow(QDialog& dialog) {
  auto* ok = new QPushButton(QStringLiteral("OK"), &dialog);
  ok->setObjectName(QStringLiteral("OKBtn"));
  ok->setDefault(true);
  auto* cancel = new QPushButton(QStringLiteral("Abbrechen"), &dialog);
  cancel->setObjectName(QStringLiteral("CancelBtn"));
  QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
  QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
  auto* row = new QHBoxLayout;
  row->addStretch();
  row->addWidget(ok);
  row->addWidget(cancel);
  return row;
}

// A group box named `name` with one radio button per item ("RadioButton1",
// ...), item `checked` checked. The button group's checkedId() is the item
// index; it belongs to the box.
inline QButtonGroup* RadioGroup(QWidget* parent, const QString& name, const QString& title, const QStringList& items,
                                int checked) {
  auto* box = new QGroupBox(title, parent);
  box->setObjectName(name);
  auto* layout = new QVBoxLayout(box);
  auto* group = new QButtonGroup(box);
  for (int i = 0; i < items.size(); ++i) {
    auto* button = new QRadioButton(items[i], box);
    button->setObjectName(QStringLiteral("RadioButton%1").arg(i + 1));
    button->setChecked(i == checked);
    group->addButton(button, i);
    layout->addWidget(button);
  }
  return group;
}

// The group box of a RadioGroup, for the layout.
inline QWidget* RadioGroupBox(QButtonGroup* group) { return static_cast<QWidget*>(group->parent()); }

#include "DialogParts.h"

#include <QApplication>
#include <QButtonGroup>
#include <QDialog>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "Desktop.h"

QPushButton* NewButton(QWidget* parent, const char* objectName, const QString& text) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(QString::fromLatin1(objectName));
  button->setAutoDefault(false);
  return button;
}

void AddOkCancel(QDialog* dialog, QBoxLayout* layout) {
  QPushButton* ok = NewButton(dialog, "OKBtn", QStringLiteral("OK"));
  ok->setDefault(true);
  QPushButton* cancel = NewButton(dialog, "CancelBtn", QStringLiteral("Abbrechen"));
  QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
  QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
  layout->addWidget(ok);
  layout->addWidget(cancel);
}

QFont FixedFont() { return QFontDatabase::systemFont(QFontDatabase::FixedFont); }

TRadioGroup::TRadioGroup(const char* objectName, const QString& title, const QStringList& items, QWidget* parent)
    : QGroupBox(title, parent), group_(new QButtonGroup(this)) {
  setObjectName(QString::fromLatin1(objectName));
  auto* layout = new QVBoxLayout(this);
  for (int i = 0; i < items.size(); ++i) {
    auto* button = new QRadioButton(items[i], this);
    button->setObjectName(objectName + QStringLiteral("_%1").arg(i));
    group_->addButton(button, i);
    layout->addWidget(button);
  }
  connect(group_, &QButtonGroup::idClicked, this, &TRadioGroup::Clicked);
}

int TRadioGroup::ItemIndex() const { return group_->checkedId(); }

void TRadioGroup::SetItemIndex(int index) {
  if (QAbstractButton* button = group_->button(index)) {
    button->setChecked(true);
    emit Clicked(index);
  }
}

int TRadioGroup::Count() const { return int(group_->buttons().size()); }

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
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  AddOkCancel(&dlg, buttons);
  layout->addLayout(buttons);
  if (TheDesktop().RunModal(dlg) != mrOk) return false;
  value = edit->text();
  return true;
}

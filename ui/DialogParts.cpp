#include "DialogParts.h"

#include <QApplication>
#include <QDialog>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "Desktop.h"

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

QHBoxLayout* OkCancelRow(QDialog* dialog) {
  auto* row = new QHBoxLayout;
  row->addStretch();
  AddOkCancel(dialog, row);
  return row;
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

#include "VkWJahrg.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

#include "DialogParts.h"

TJahrgaengeDlg::TJahrgaengeDlg(QWidget* parent) : QDialog(parent), years_(new QSpinBox) {
  setObjectName(QStringLiteral("TJahrgaengeDlg"));
  setWindowTitle(QStringLiteral("Wettkampfjahr ändern"));
  auto* layout = new QVBoxLayout(this);
  auto* group = new QGroupBox(QStringLiteral("Wettkampfaltersklassen"), this);
  auto* row = new QHBoxLayout(group);
  auto* label = new QLabel(QStringLiteral("Jahrgänge verschieben um "), group);
  years_->setObjectName(QStringLiteral("SpinEdit1"));
  years_->setRange(-100, 100);
  years_->setValue(0);
  years_->setMinimumWidth(70);
  label->setBuddy(years_);
  row->addWidget(label);
  row->addWidget(years_);
  row->addWidget(new QLabel(QStringLiteral("Jahre."), group));
  row->addStretch();
  layout->addWidget(group);
  layout->addLayout(OkCancelRow(this));
}

int TJahrgaengeDlg::Years() const { return years_->value(); }

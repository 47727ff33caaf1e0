#include "VkWJahrg.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

#include "DialogParts.h"

TJahrgaengeDlg::TJahrgaengeDlg(QWidget* parent) : QDialog(parent), spinEdit1_(new QSpinBox) {
  setObjectName(QStringLiteral("TJahrgaengeDlg"));
  setWindowTitle(QStringLiteral("Wettkampfjahr ändern"));
  auto* layout = new QVBoxLayout(this);
  auto* group = new QGroupBox(QStringLiteral("Wettkampfaltersklassen"), this);
  auto* row = new QHBoxLayout(group);
  auto* label = new QLabel(QStringLiteral("Jahrgänge verschieben um "), group);
  spinEdit1_->setObjectName(QStringLiteral("SpinEdit1"));
  spinEdit1_->setRange(-100, 100);
  spinEdit1_->setValue(0);
  spinEdit1_->setMinimumWidth(70);
  label->setBuddy(spinEdit1_);
  row->addWidget(label);
  row->addWidget(spinEdit1_);
  row->addWidget(new QLabel(QStringLiteral("Jahre."), group));
  row->addStretch();
  layout->addWidget(group);
  layout->addLayout(OkCancelRow(this));
}

int TJahrgaengeDlg::Years() const { return spinEdit1_->value(); }

void TJahrgaengeDlg::SetYears(int years) { spinEdit1_->setValue(years); }

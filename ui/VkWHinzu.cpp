#include "VkWHinzu.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "DialogParts.h"
#include "Hints.h"
#include "OemText.h"
#include "VkTeiln.h"
#include "VkWTeiln.h"
#include "VkWettk.h"

THinzufuegenDlg::THinzufuegenDlg(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("THinzufuegenDlg"));
  setWindowTitle(QStringLiteral("Wettkampf hinzufügen"));
  SetHint(this, QStringLiteral("Einstellungen für das Hinzufügen eines Wettkampfs"));

  auto* main = new QVBoxLayout(this);
  optionBoxes_.Add(TWettkampf::kMergeOptions, this, main);
  optionBoxes_.SetWord(TWettkampf::kMergeClasses | TWettkampf::kMergeParticipants);

  auto* change = new QGroupBox(QStringLiteral("Teilnehmer ändern"), this);
  auto* cg = new QGridLayout(change);
  gliederungBox_ = new QCheckBox(QStringLiteral("Gliederung ändern in:"), change);
  gliederungBox_->setObjectName(QStringLiteral("CheckBox8"));
  gliederungBox_->setChecked(true);
  gliederung_ = NewOrganisationBox("ComboBox1", change);
  gliederung_->setEditText(QString());
  anzahlBox_ = new QCheckBox(QStringLiteral("die Eigenschaft 'Qualifiziert' für die"), change);
  anzahlBox_->setObjectName(QStringLiteral("CheckBox9"));
  anzahlBox_->setChecked(true);
  anzahl_ = new QSpinBox(change);
  anzahl_->setObjectName(QStringLiteral("SpinEdit1"));
  anzahl_->setRange(0, 1000);
  cg->addWidget(gliederungBox_, 0, 0);
  cg->addWidget(gliederung_, 0, 1, 1, 2);
  cg->addWidget(anzahlBox_, 1, 0);
  auto* first = new QHBoxLayout;
  first->addWidget(new QLabel(QStringLiteral("ersten"), change));
  first->addWidget(anzahl_);
  first->addWidget(new QLabel(QStringLiteral("Teilnehmer setzen"), change));
  first->addStretch();
  cg->addLayout(first, 1, 1, 1, 2);
  main->addWidget(change);

  connect(gliederungBox_, &QCheckBox::toggled, this, [this](bool on) {
    gliederung_->setEnabled(on);
    if (!on) gliederung_->setEditText(QString());
  });
  connect(anzahlBox_, &QCheckBox::toggled, this, [this](bool on) {
    anzahl_->setEnabled(on);
    if (!on) anzahl_->setValue(0);
  });

  main->addLayout(OkCancelRow(this));
}

uint16_t THinzufuegenDlg::GetOptionen() const { return optionBoxes_.Word(); }

std::string THinzufuegenDlg::GetGliederung() const {
  return ToOem(gliederung_->currentText(), TTeilnehmer::kGliederungCap);
}

int THinzufuegenDlg::GetAnzahl() const { return anzahl_->value(); }

void THinzufuegenDlg::ApplyTo(TWettkampf& competition, TWettkampf& source) const {
  const TMergeParameter p = GetParameter();
  competition.Merge(&source, p.options, p.abk, p.count);
}

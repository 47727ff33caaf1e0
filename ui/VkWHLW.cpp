#include "VkWHLW.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

#include "DialogParts.h"
#include "Hints.h"
#include "TimeEdit.h"
#include "VkWettk.h"

THLWLaufbesetzungDlg::THLWLaufbesetzungDlg(QWidget* parent) : ValidatedDialog(parent) {
  setObjectName(QStringLiteral("THLWLaufbesetzungDlg"));
  setWindowTitle(QStringLiteral("HLW Laufeinteilung"));
  SetHint(this, QStringLiteral("Einstellungen für die automatische Laufeinteilung der HLW"));

  auto* settings = new QGroupBox(QStringLiteral("Einstellungen"), this);
  auto* form = new QFormLayout(settings);
  measures_ = new QSpinBox(settings);
  measures_->setObjectName(QStringLiteral("SpinEdit2"));
  measures_->setRange(1, 9);
  measures_->setValue(1);
  duration_ = new TYrNumEdit(settings);
  duration_->setObjectName(QStringLiteral("AMNumEdit1"));
  duration_->SetRange(0, 30);
  duration_->SetValue(15);
  station_ = new QSpinBox(settings);
  station_->setObjectName(QStringLiteral("SpinEdit1"));
  station_->setRange(1, 99);
  station_->setValue(1);
  clock_ = new TClockEdit(settings);
  clock_->setObjectName(QStringLiteral("HLWZeitEdit"));
  clock_->SetClock(800);
  block_ = new QCheckBox(QStringLiteral("Teilnehmer einer Gliederung im &Block"), settings);
  block_->setObjectName(QStringLiteral("CheckBox1"));
  auto row = [&](const QString& caption, QWidget* field) {
    auto* label = new QLabel(caption, settings);
    label->setBuddy(field);
    form->addRow(label, field);
  };
  row(QStringLiteral("Anzahl Maßnahmen pro &Mannschaft:"), measures_);
  row(QStringLiteral("&Dauer (in Min.) pro Durchgang:"), duration_);
  row(QStringLiteral("beginne mit HLW-&Station:"), station_);
  row(QStringLiteral("Anfangs&zeit (1. Durchgang):"), clock_);
  form->addRow(block_);

  auto* main = new QVBoxLayout(this);
  main->addWidget(settings);
  main->addLayout(OkCancelRow(this));
}

void THLWLaufbesetzungDlg::SetWettkampf(const TWettkampf& competition) {
  if (!competition.IsIndividual()) measures_->setValue(4);
}

TCprParameter THLWLaufbesetzungDlg::GetParameter() const {
  return {clock_->Clock(), station_->value(), duration_->Value(), measures_->value(), block_->isChecked()};
}

void THLWLaufbesetzungDlg::ApplyTo(TWettkampf& competition) const {
  const TCprParameter p = GetParameter();
  competition.AssignCprHeats(p.startClock, p.startStation, p.duration, p.measures, p.byOrganisation);
}

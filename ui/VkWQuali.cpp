#include "VkWQuali.h"

#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

#include "DialogParts.h"
#include "Hints.h"
#include "RadioGroup.h"
#include "VkWettk.h"

TQualifikationDlg::TQualifikationDlg(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TQualifikationDlg"));
  setWindowTitle(QStringLiteral("Qualifikation"));
  SetHint(this, QStringLiteral("Anzahl der zugelassenen Teilnehmer pro Altersklasse festlegen"));
  count_ = new QSpinBox(this);
  count_->setObjectName(QStringLiteral("SpinEdit1"));
  count_->setRange(1, 100);
  mode_ = new RadioGroup(
      QStringLiteral("RadioGroup1"), QStringLiteral("Optionen:"),
      {QStringLiteral("&beide folgenden Aktionen"), QStringLiteral("Eigenschaft 'startberechtigt' setzen"),
       QStringLiteral("nicht startberechtigte Teilnehmer löschen")},
      1, this);
  mode_->SetItemIndex(0);
  auto* main = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("Teilnehmer pro Altersklasse:"), count_);
  main->addLayout(form);
  main->addWidget(mode_);
  main->addLayout(OkCancelRow(this));
}

void TQualifikationDlg::SetWettkampf(const TWettkampf& competition) {
  count_->setValue(3 * competition.LanesPerHeat());
}

TQualifyParameter TQualifikationDlg::GetParameter() const { return {count_->value(), mode_->ItemIndex()}; }

void TQualifikationDlg::ApplyTo(TWettkampf& competition) const {
  const TQualifyParameter p = GetParameter();
  competition.Qualify(p.count, p.mode);
}

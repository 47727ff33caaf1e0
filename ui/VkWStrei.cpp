#include "VkWStrei.h"

#include "OemText.h"
#include "VkBasis.h"
#include "VkWButtons.h"
#include "VkWettk.h"

TStreichenDlg::TStreichenDlg(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TStreichenDlg"));
  setWindowTitle(QStringLiteral("Teilnehmer streichen"));
  setToolTip(QStringLiteral("Streichen von Teilnehmern ohne Leistungsangaben (d.h. nicht anwesend)"));
  const QString na = u'"' + FromOem(CodeToText(-3)) + u'"';
  mode_ = RadioGroup(this, QStringLiteral("RadioGroup1"), QStringLiteral("nicht anwesende Teilnehmer ..."),
                     {na + QStringLiteral(" für alle Disziplinen setzen"), QStringLiteral("löschen"),
                      QStringLiteral("nur löschen, wenn ") + na + QStringLiteral(" gesetzt")},
                     0);
  auto* main = new QVBoxLayout(this);
  main->addWidget(RadioGroupBox(mode_));
  main->addLayout(OkCancelRow(*this));
}

int TStreichenDlg::GetMode() const { return mode_->checkedId(); }

void TStreichenDlg::ApplyTo(TWettkampf& competition) const { competition.Strike(GetMode()); }

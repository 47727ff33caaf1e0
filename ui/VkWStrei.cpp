#include "VkWStrei.h"

#include <QVBoxLayout>

#include "DialogParts.h"
#include "Hints.h"
#include "OemText.h"
#include "RadioGroup.h"
#include "VkBasis.h"
#include "VkWettk.h"

TStreichenDlg::TStreichenDlg(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TStreichenDlg"));
  setWindowTitle(QStringLiteral("Teilnehmer streichen"));
  SetHint(this, QStringLiteral("Streichen von Teilnehmern ohne Leistungsangaben (d.h. nicht anwesend)"));
  const QString na = u'"' + FromOem(CodeToText(Status::kNotStarted)) + u'"';
  mode_ = new RadioGroup(QStringLiteral("RadioGroup1"), QStringLiteral("nicht anwesende Teilnehmer ..."),
                         {na + QStringLiteral(" für alle Disziplinen setzen"), QStringLiteral("löschen"),
                          QStringLiteral("nur löschen, wenn ") + na + QStringLiteral(" gesetzt")},
                         1, this);
  mode_->SetItemIndex(0);
  auto* main = new QVBoxLayout(this);
  main->addWidget(mode_);
  main->addLayout(OkCancelRow(this));
}

int TStreichenDlg::GetMode() const { return mode_->ItemIndex(); }

void TStreichenDlg::ApplyTo(TWettkampf& competition) const { competition.Strike(GetMode()); }

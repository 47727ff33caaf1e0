#include "VkWRDat.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "DialogParts.h"
#include "OemText.h"
#include "TimeEdit.h"
#include "VkAltersk.h"
#include "VkBasis.h"
#include "VkWettk.h"

namespace {

constexpr int32_t kMinDeduction = Status::kNotStarted;
constexpr int32_t kMaxDeduction = 9999;
constexpr double kMinTotal = -300;
constexpr double kMaxTotal = 9999;

}  // namespace

TRekordDatenDlg::TRekordDatenDlg(QWidget* parent)
    : ValidatedDialog(parent), group_(new QGroupBox(QStringLiteral("Bestleistungen der Altersklasse"))) {
  setObjectName(QStringLiteral("TRekordDatenDlg"));
  setWindowTitle(QStringLiteral("Vorjahresrekorde eingeben oder ändern"));
  setStatusTip(windowTitle());
  group_->setObjectName(QStringLiteral("GroupBox1"));
  auto* grid = new QGridLayout(group_);
  auto heading = [&](const QString& text, int row, int column, int span) {
    auto* label = new QLabel(text, group_);
    grid->addWidget(label, row, column, 1, span, Qt::AlignCenter);
  };
  heading(QStringLiteral("Vorjahre:"), 0, 1, 2);
  heading(QStringLiteral("aktuelles Jahr:"), 0, 3, 2);
  for (int column : {1, 3}) {
    heading(QStringLiteral("Zeit"), 1, column, 1);
    heading(QStringLiteral("Abzug"), 1, column + 1, 1);
  }
  for (int d = 1; d <= 6; ++d) {
    const int row = d + 1;
    auto* time = new TTimeEdit(group_);
    time->setObjectName(QStringLiteral("MaskEdit%1").arg(d));
    auto* deduction = new TYrNumEdit(group_);
    deduction->setObjectName(QStringLiteral("SpinEdit%1").arg(d == 6 ? 7 : d));
    deduction->SetRange(kMinDeduction, kMaxDeduction);
    deduction->setMaxLength(4);
    auto* label = new QLabel(QStringLiteral("Wettkampf &%1:").arg(d), group_);
    label->setBuddy(time);
    timeLabels_[d - 1] = new QLabel(group_);
    timeLabels_[d - 1]->setObjectName(QStringLiteral("ZeitLbl%1").arg(d));
    deductionLabels_[d - 1] = new QLabel(group_);
    deductionLabels_[d - 1]->setObjectName(QStringLiteral("AbzLbl%1").arg(d));
    grid->addWidget(label, row, 0);
    grid->addWidget(time, row, 1);
    grid->addWidget(deduction, row, 2);
    grid->addWidget(timeLabels_[d - 1], row, 3, Qt::AlignRight);
    grid->addWidget(deductionLabels_[d - 1], row, 4, Qt::AlignRight);
    maskEdits_[d - 1] = time;
    deductionEdits_[d - 1] = deduction;
  }
  spinEdit6_ = new TYrFloatEdit(group_);
  spinEdit6_->setObjectName(QStringLiteral("SpinEdit6"));
  spinEdit6_->SetRange(kMinTotal, kMaxTotal);
  spinEdit6_->SetDigits(2);
  spinEdit6_->SetPrecision(8);
  auto* totalLabel = new QLabel(QStringLiteral("&Gesamtpunkte"), group_);
  totalLabel->setBuddy(spinEdit6_);
  gesPktLbl_ = new QLabel(group_);
  gesPktLbl_->setObjectName(QStringLiteral("GesPktLbl"));
  grid->addWidget(totalLabel, 8, 0);
  grid->addWidget(spinEdit6_, 8, 1, 1, 2);
  grid->addWidget(gesPktLbl_, 8, 3, Qt::AlignRight);
  grid->setColumnMinimumWidth(3, 70);
  grid->setColumnMinimumWidth(4, 50);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(group_);
  layout->addLayout(OkCancelRow(this));
}

void TRekordDatenDlg::SetRekorde(const TAltersklasse& ageClass) {
  const bool hundredths = competition_ && competition_->WithHundredths();
  group_->setTitle(QStringLiteral("Bestleistungen der Ak ") + FromOem(ageClass.Name()));
  for (int d = 1; d <= 6; ++d) {
    const TRekord r = ageClass.Rekord(d);
    maskEdits_[d - 1]->SetWithHundredths(hundredths);
    maskEdits_[d - 1]->SetTime(r.RecordTime());
    // A value from a file outside the range stays acceptable as it is.
    deductionEdits_[d - 1]->SetStoredValue(static_cast<int16_t>(r.RecordDeduction()), kMinDeduction, kMaxDeduction);
    timeLabels_[d - 1]->setText(TTimeEdit::TimeText(r.BestTime(), hundredths));
    deductionLabels_[d - 1]->setText(QString::number(r.BestDeduction()));
  }
  const TOverallRecord o = ageClass.Overall();
  spinEdit6_->SetStoredHundredths(o.RecordTotal(), kMinTotal, kMaxTotal);
  totalShown_ = spinEdit6_->text();
  gesPktLbl_->setText(QString::number(o.BestTotal() / 100));
}

void TRekordDatenDlg::GetRekorde(TAltersklasse& ageClass) const {
  for (int d = 1; d <= 6; ++d) {
    TRekord r = ageClass.Rekord(d);
    r.SetRecordTime(maskEdits_[d - 1]->Time());
    r.SetRecordDeduction(static_cast<uint16_t>(static_cast<int16_t>(deductionEdits_[d - 1]->Value())));
    ageClass.SetRekord(d, r);
  }
  if (spinEdit6_->text() != totalShown_) {
    TOverallRecord o = ageClass.Overall();
    o.SetRecordTotal(spinEdit6_->Hundredths());
    ageClass.SetOverall(o);
  }
}

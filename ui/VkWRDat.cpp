#include "VkWRDat.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "DialogParts.h"
#include "Hints.h"
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
    : ValidatedDialog(parent), bestsGroup_(new QGroupBox(QStringLiteral("Bestleistungen der Altersklasse"))) {
  setObjectName(QStringLiteral("TRekordDatenDlg"));
  setWindowTitle(QStringLiteral("Vorjahresrekorde eingeben oder ändern"));
  SetHint(this, windowTitle(), false);
  bestsGroup_->setObjectName(QStringLiteral("GroupBox1"));
  auto* grid = new QGridLayout(bestsGroup_);
  auto heading = [&](const QString& text, int row, int column, int span) {
    auto* label = new QLabel(text, bestsGroup_);
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
    auto* time = new TTimeEdit(bestsGroup_);
    time->setObjectName(QStringLiteral("MaskEdit%1").arg(d));
    auto* deduction = new TYrNumEdit(bestsGroup_);
    deduction->setObjectName(QStringLiteral("SpinEdit%1").arg(d == 6 ? 7 : d));
    deduction->SetRange(kMinDeduction, kMaxDeduction);
    deduction->setMaxLength(4);
    auto* label = new QLabel(QStringLiteral("Wettkampf &%1:").arg(d), bestsGroup_);
    label->setBuddy(time);
    bestTimeLabels_[d - 1] = new QLabel(bestsGroup_);
    bestTimeLabels_[d - 1]->setObjectName(QStringLiteral("ZeitLbl%1").arg(d));
    bestDeductionLabels_[d - 1] = new QLabel(bestsGroup_);
    bestDeductionLabels_[d - 1]->setObjectName(QStringLiteral("AbzLbl%1").arg(d));
    grid->addWidget(label, row, 0);
    grid->addWidget(time, row, 1);
    grid->addWidget(deduction, row, 2);
    grid->addWidget(bestTimeLabels_[d - 1], row, 3, Qt::AlignRight);
    grid->addWidget(bestDeductionLabels_[d - 1], row, 4, Qt::AlignRight);
    recordTimes_[d - 1] = time;
    recordDeductions_[d - 1] = deduction;
  }
  recordTotal_ = new TYrFloatEdit(bestsGroup_);
  recordTotal_->setObjectName(QStringLiteral("SpinEdit6"));
  recordTotal_->SetRange(kMinTotal, kMaxTotal);
  recordTotal_->SetDigits(2);
  recordTotal_->SetPrecision(8);
  auto* totalLabel = new QLabel(QStringLiteral("&Gesamtpunkte"), bestsGroup_);
  totalLabel->setBuddy(recordTotal_);
  bestTotalLabel_ = new QLabel(bestsGroup_);
  bestTotalLabel_->setObjectName(QStringLiteral("GesPktLbl"));
  grid->addWidget(totalLabel, 8, 0);
  grid->addWidget(recordTotal_, 8, 1, 1, 2);
  grid->addWidget(bestTotalLabel_, 8, 3, Qt::AlignRight);
  grid->setColumnMinimumWidth(3, 70);
  grid->setColumnMinimumWidth(4, 50);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(bestsGroup_);
  layout->addLayout(OkCancelRow(this));
}

void TRekordDatenDlg::SetRekorde(const TAltersklasse& ageClass) {
  const bool hundredths = competition_ && competition_->WithHundredths();
  bestsGroup_->setTitle(QStringLiteral("Bestleistungen der Ak ") + FromOem(ageClass.Name()));
  for (int d = 1; d <= 6; ++d) {
    const TRekord r = ageClass.Rekord(d);
    recordTimes_[d - 1]->SetWithHundredths(hundredths);
    recordTimes_[d - 1]->SetTime(r.RecordTime());
    // A value from a file outside the range stays acceptable as it is.
    recordDeductions_[d - 1]->SetStoredValue(static_cast<int16_t>(r.RecordDeduction()), kMinDeduction, kMaxDeduction);
    bestTimeLabels_[d - 1]->setText(TTimeEdit::TimeText(r.BestTime(), hundredths));
    bestDeductionLabels_[d - 1]->setText(QString::number(r.BestDeduction()));
  }
  const TOverallRecord o = ageClass.Overall();
  recordTotal_->SetStoredHundredths(o.RecordTotal(), kMinTotal, kMaxTotal);
  recordTotalShown_ = recordTotal_->text();
  bestTotalLabel_->setText(QString::number(o.BestTotal() / 100));
}

void TRekordDatenDlg::GetRekorde(TAltersklasse& ageClass) const {
  for (int d = 1; d <= 6; ++d) {
    TRekord r = ageClass.Rekord(d);
    r.SetRecordTime(recordTimes_[d - 1]->Time());
    r.SetRecordDeduction(static_cast<uint16_t>(static_cast<int16_t>(recordDeductions_[d - 1]->Value())));
    ageClass.SetRekord(d, r);
  }
  if (recordTotal_->text() != recordTotalShown_) {
    TOverallRecord o = ageClass.Overall();
    o.SetRecordTotal(recordTotal_->Hundredths());
    ageClass.SetOverall(o);
  }
}

#include "VkWLaufb.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

#include "DialogParts.h"
#include "Hints.h"
#include "VkAkOps.h"
#include "VkWettk.h"

TLaufbesetzungDlg::TLaufbesetzungDlg(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TLaufbesetzungDlg"));
  setWindowTitle(QStringLiteral("Automatische Laufbesetzung"));
  SetHint(this, QStringLiteral("Einstellungen für die automatische Laufbesetzung"));

  auto* options = new QGroupBox(QStringLiteral("Optionen"), this);
  auto* ol = new QVBoxLayout(options);
  optionBoxes_.Add(TLaufParameter::kOptions, options, ol);
  // Mixing and swapping are not offered.
  for (int16_t bit : {TLaufParameter::kMix, TLaufParameter::kSwapLanes}) optionBoxes_.Box(bit)->setEnabled(false);

  auto* start = new QGroupBox(QStringLiteral("beginnen mit"), this);
  auto* sl = new QFormLayout(start);
  heat_ = new QSpinBox(start);
  heat_->setObjectName(QStringLiteral("SpinEdit1"));
  lane_ = new QSpinBox(start);
  lane_->setObjectName(QStringLiteral("SpinEdit2"));
  for (QSpinBox* s : {heat_, lane_}) {
    s->setRange(0, 1000);
    s->setValue(1);
  }
  auto* heatLabel = new QLabel(QStringLiteral("&Lauf"), start);
  heatLabel->setBuddy(heat_);
  auto* laneLabel = new QLabel(QStringLiteral("&Bahn"), start);
  laneLabel->setBuddy(lane_);
  sl->addRow(heatLabel, heat_);
  sl->addRow(laneLabel, lane_);

  auto* top = new QHBoxLayout;
  top->addWidget(options);
  top->addWidget(start);
  auto* main = new QVBoxLayout(this);
  main->addLayout(top);
  main->addLayout(OkCancelRow(this));
}

THeatParameter TLaufbesetzungDlg::GetParameter() const {
  return {heat_->value(), lane_->value(), optionBoxes_.Word()};
}

void TLaufbesetzungDlg::ApplyTo(TWettkampf& competition) const {
  const THeatParameter p = GetParameter();
  competition.AssignHeats(p.startHeat, p.startLane, p.options);
}

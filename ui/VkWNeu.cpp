#include "VkWNeu.h"

#include <algorithm>

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "DialogParts.h"
#include "RadioGroup.h"

namespace {

constexpr int kSeniorsOnly = 1;  // "nur Senioren"

}  // namespace

TFileNewDlg::TFileNewDlg(QWidget* owner) : QDialog(owner) {
  setObjectName(QStringLiteral("TFileNewDlg"));
  setWindowTitle(QStringLiteral("Neue Meisterschaft anlegen"));
  auto* layout = new QVBoxLayout(this);

  auto* yearGroup = new QGroupBox(QStringLiteral("Wettkampfjahr"), this);
  year_ = new QSpinBox(yearGroup);
  year_->setObjectName(QStringLiteral("SpinEdit1"));
  year_->setRange(kFirstYear, kLastYear);
  year_->setGroupSeparatorShown(false);
  auto* yearLayout = new QHBoxLayout(yearGroup);
  yearLayout->addWidget(year_);
  yearLayout->addStretch();
  layout->addWidget(yearGroup);

  kind_ = new RadioGroup(QStringLiteral("RadioGroup1"), QStringLiteral("Art"),
                         {QStringLiteral("Einzelmeisterschaft"), QStringLiteral("Mannschaftsmeisterschaft")}, 1, this);
  kind_->SetItemIndex(0);
  layout->addWidget(kind_);

  range_ = new RadioGroup(
      QStringLiteral("RadioGroup2"), QStringLiteral("Altersklassenbereich"),
      {QStringLiteral("nur Jugend"), QStringLiteral("nur Senioren"), QStringLiteral("Jugend und Senioren")}, 2, this);
  range_->SetItemIndex(2);
  layout->addWidget(range_);

  auto* optionGroup = new QGroupBox(QStringLiteral("Optionen"), this);
  split_ = new QCheckBox(QStringLiteral("(wendalländische) Unterteilung der Altersklasse 12"), optionGroup);
  split_->setObjectName(QStringLiteral("CheckBox1"));
  split_->setChecked(true);
  (new QVBoxLayout(optionGroup))->addWidget(split_);
  layout->addWidget(optionGroup);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  QPushButton* ok = AddOkCancel(this, buttons);
  layout->addLayout(buttons);
  // Connected after the presets: the dialog opens with the split checked.
  connect(range_, &RadioGroup::Clicked, this, &TFileNewDlg::RadioGroup2Click);
  ok->setFocus();
}

void TFileNewDlg::SetYear(int year) { year_->setValue(year); }

uint16_t TFileNewDlg::Year() const { return static_cast<uint16_t>(year_->value()); }

uint16_t TFileNewDlg::Kind() const {
  const int kind =
      std::max(kind_->ItemIndex(), 0) + 2 * std::max(range_->ItemIndex(), 0) + (split_->isChecked() ? 8 : 0);
  return static_cast<uint16_t>(kind);
}

void TFileNewDlg::RadioGroup2Click() {
  const bool youth = range_->ItemIndex() != kSeniorsOnly;
  split_->setEnabled(youth);
  if (!youth) split_->setChecked(false);
}

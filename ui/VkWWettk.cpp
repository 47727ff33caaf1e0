#include "VkWWettk.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "DialogParts.h"
#include "Hints.h"
#include "OemText.h"
#include "RadioGroup.h"
#include "VkWettk.h"

namespace {

constexpr int kTextLength = static_cast<int>(TWettkampfDaten::kTextCapacity);

QLineEdit* TextEdit(const char* name, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(QString::fromLatin1(name));
  edit->setMaxLength(kTextLength);
  // Room for a usual title without scrolling.
  edit->setMinimumWidth(edit->fontMetrics().averageCharWidth() * 60);
  return edit;
}

}  // namespace

TWettkampfDatenDlg::TWettkampfDatenDlg(QWidget* owner) : QDialog(owner) {
  setObjectName(QStringLiteral("TWettkampfDatenDlg"));
  setWindowTitle(QStringLiteral("Wettkampfdaten"));
  const QString hint = QStringLiteral("Allgemeine Wettkampfeinstellungen festlegen");
  SetHint(this, hint);
  auto* layout = new QVBoxLayout(this);

  auto* titleGroup = new QGroupBox(QStringLiteral("&Veranstaltung:"), this);
  headerEdits_[0] = TextEdit("Edit1", titleGroup);
  (new QVBoxLayout(titleGroup))->addWidget(headerEdits_[0]);
  layout->addWidget(titleGroup);

  kind_ = new RadioGroup(QStringLiteral("RadioGroup1"), QStringLiteral("Art der Veranstaltung:"),
                         {QStringLiteral("&Einzelwettbewerbe"), QStringLiteral("&Mannschaftswettbewerbe")}, 2, this);
  layout->addWidget(kind_);

  auto* infoGroup = new QGroupBox(QStringLiteral("Veranstaltungsinformationen:"), this);
  auto* form = new QFormLayout(infoGroup);
  const char* const names[] = {"Edit2", "Edit3", "Edit4", "Edit5"};
  const char* const labels[] = {"Veran&stalter:", "Aus&richter:", "&Datum:", "Veranstaltungsstätte:"};
  for (int i = 1; i < 5; ++i) {
    headerEdits_[i] = TextEdit(names[i - 1], infoGroup);
    auto* label = new QLabel(QString::fromUtf8(labels[i - 1]), infoGroup);
    label->setBuddy(headerEdits_[i]);
    form->addRow(label, headerEdits_[i]);
  }
  layout->addWidget(infoGroup);

  QStringList lanes, stations;
  for (int n = 3; n <= 10; ++n) {
    lanes << QStringLiteral("&") + QString::number(n);
    stations << QString::number(n);
  }
  lanes_ = new RadioGroup(QStringLiteral("RadioGroup2"), QStringLiteral("Anzahl der Startplätze:"), lanes, 8, this);
  layout->addWidget(lanes_);
  pool_ = new RadioGroup(QStringLiteral("RadioGroup3"), QStringLiteral("Beckenlänge:"),
                         {QStringLiteral("&25 Meter Bahnen"), QStringLiteral("5&0 Meter Bahnen")}, 2, this);
  layout->addWidget(pool_);
  stations_ =
      new RadioGroup(QStringLiteral("RadioGroup4"), QStringLiteral("Anzahl der HLW-Stationen:"), stations, 8, this);
  layout->addWidget(stations_);

  auto* optionGroup = new QGroupBox(QStringLiteral("Optionen:"), this);
  withoutHundredths_ = new QCheckBox(QStringLiteral("Zeiten ohne Hundertstel eingeben"), optionGroup);
  withoutHundredths_->setObjectName(QStringLiteral("HundertstelCB"));
  (new QVBoxLayout(optionGroup))->addWidget(withoutHundredths_);
  layout->addWidget(optionGroup);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  AddOkCancel(this, buttons);
  layout->addLayout(buttons);
  headerEdits_[0]->setFocus();
}

void TWettkampfDatenDlg::SetWettkampfDaten(const TWettkampf& competition) {
  const TWettkampfDaten& h = competition.Header();
  const std::string texts[5] = {h.Title(), h.Organiser(), h.Host(), h.Date(), h.Venue()};
  for (int i = 0; i < 5; ++i) headerEdits_[i]->setText(FromOem(texts[i]));
  kind_->SetItemIndex(h.Kind());
  lanes_->SetItemIndex(h.LanesIndex());
  pool_->SetItemIndex(h.Pool());
  stations_->SetItemIndex(h.CprStationsIndex());
  withoutHundredths_->setChecked((h.Options() & TWettkampfDaten::kOptHundredths) == 0);
}

void TWettkampfDatenDlg::GetWettkampfDaten(TWettkampf& competition) const {
  TWettkampfDaten h = competition.Header();
  const size_t cap = TWettkampfDaten::kTextCapacity;
  h.SetTitle(ToOem(headerEdits_[0]->text(), cap));
  h.SetOrganiser(ToOem(headerEdits_[1]->text(), cap));
  h.SetHost(ToOem(headerEdits_[2]->text(), cap));
  h.SetDate(ToOem(headerEdits_[3]->text(), cap));
  h.SetVenue(ToOem(headerEdits_[4]->text(), cap));
  // A group without a choice keeps what the header held.
  auto take = [](const RadioGroup* group, uint16_t held) {
    return group->ItemIndex() < 0 ? held : static_cast<uint16_t>(group->ItemIndex());
  };
  h.SetKind(take(kind_, h.Kind()));
  h.SetLanesIndex(take(lanes_, h.LanesIndex()));
  h.SetPool(take(pool_, h.Pool()));
  h.SetCprStationsIndex(take(stations_, h.CprStationsIndex()));
  h.SetOptions(withoutHundredths_->isChecked() ? 0 : TWettkampfDaten::kOptHundredths);
  competition.SetHeader(h);
}

#include "VkWReset.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "DialogParts.h"
#include "Hints.h"
#include "RadioGroup.h"
#include "VkWettk.h"
#include "YrCollection.h"

TZuruecksetzenDlg::TZuruecksetzenDlg(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TZuruecksetzenDlg"));
  setWindowTitle(QStringLiteral("Zurücksetzen"));
  SetHint(this, QStringLiteral("Eingaben aller Teilnehmer zurücksetzen"));

  itemGroup_ = new QGroupBox(QStringLiteral("Folgende Werte zurücksetzen"), this);
  itemGroup_->setObjectName(QStringLiteral("GroupBox1"));
  auto* grid = new QGridLayout(itemGroup_);
  const char* kinds[4][2] = {{"ZeitCB", "Zeit "}, {"AbzugCB", "Abzug "}, {"LaufCB", "Lauf "}, {"BahnCB", "Bahn "}};
  for (int kind = 0; kind < 4; ++kind)
    for (int d = 1; d <= 6; ++d) {
      auto* box = new QCheckBox(QString::fromLatin1(kinds[kind][1]) + QString::number(d), itemGroup_);
      box->setObjectName(QString::fromLatin1(kinds[kind][0]) + QString::number(d));
      grid->addWidget(box, d - 1, kind);
      itemBoxes_[kind * 6 + d - 1] = box;
    }
  auto* cpr = new QCheckBox(QStringLiteral("Herz-Lungen-Wiederbelebung"), itemGroup_);
  cpr->setObjectName(QStringLiteral("HLWCB"));
  grid->addWidget(cpr, 6, 0, 1, 4);
  itemBoxes_[kItems - 1] = cpr;
  for (int i = 0; i < kItems; ++i)
    connect(itemBoxes_[i], &QCheckBox::clicked, this, [this, i](bool checked) { remembered_[i] = checked; });

  presetGroup_ =
      new RadioGroup(QStringLiteral("RadioGroup1"), QStringLiteral("Optionen"),
                     {QStringLiteral("&Zeiten, Strafpunkte und HLW"), QStringLiteral("&Laufbesetzung (Lauf und Bahn)"),
                      QStringLiteral("&Alles einschließlich  HLW"), QStringLiteral("&Individuell")},
                     1, this);
  presetGroup_->SetItemIndex(0);
  connect(presetGroup_, &RadioGroup::Clicked, this, &TZuruecksetzenDlg::ApplyOption);

  auto* top = new QHBoxLayout;
  top->addWidget(itemGroup_);
  top->addWidget(presetGroup_, 0, Qt::AlignTop);
  auto* main = new QVBoxLayout(this);
  main->addLayout(top);
  main->addLayout(OkCancelRow(this));

  ApplyOption(0);
}

int TZuruecksetzenDlg::Option() const { return presetGroup_->ItemIndex(); }

void TZuruecksetzenDlg::ApplyOption(int option) {
  const bool individual = option == 3;
  for (int i = 0; i < kItems; ++i) {
    const int item = i + 1;
    bool checked = remembered_[i];
    if (option == 0) checked = item <= 12 || item == 25;
    if (option == 1) checked = item >= 13 && item <= 24;
    if (option == 2) checked = true;
    itemBoxes_[i]->setChecked(checked);
    itemBoxes_[i]->setEnabled(individual);
  }
  // The caption tells at a glance whether the boxes can be changed.
  QPalette palette = itemGroup_->palette();
  palette.setColor(QPalette::WindowText, individual ? QColor(0, 0, 0) : QColor(128, 128, 128));
  itemGroup_->setPalette(palette);
}

void TZuruecksetzenDlg::GetResetSet(TYrSet& items) const {
  for (int v = 0; v < 256; ++v) items.SetElement(uint8_t(v), false);
  for (int i = 0; i < kItems; ++i)
    if (itemBoxes_[i]->isChecked()) items.SetElement(uint8_t(i + 1), true);
}

void TZuruecksetzenDlg::ApplyTo(TWettkampf& competition) const {
  TYrSet items;
  GetResetSet(items);
  competition.ResetResults(items);
}

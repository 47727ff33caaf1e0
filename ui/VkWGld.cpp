#include "VkWGld.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QVBoxLayout>

#include "DialogParts.h"
#include "Hints.h"
#include "OemText.h"
#include "VkGlied.h"
#include "VkWMisc.h"
#include "VkWettk.h"

namespace {

constexpr uint8_t kTabModes[] = {TGliederungsListe::kByMedals, TGliederungsListe::kByTotal, TGliederungsListe::kByAbk,
                                 TGliederungsListe::kByTrophy};

}  // namespace

uint8_t TGliederungenDlg::SortModeOfTab(int tab) {
  return tab >= 0 && tab < int(std::size(kTabModes)) ? kTabModes[tab] : TGliederungsListe::kByMedals;
}

TGliederungenDlg::TGliederungenDlg(QWidget* parent)
    : QDialog(parent), rankingTabs_(new QTabBar), headLabel_(new QLabel), organisationList_(new QListWidget) {
  setObjectName(QStringLiteral("TGliederungenDlg"));
  setWindowTitle(QStringLiteral("Teilnehmende Gliederungen"));
  SetHint(this, QStringLiteral("Namen teilnehmender Gliederungen eingeben"), false);
  rankingTabs_->setObjectName(QStringLiteral("TabControl1"));
  for (const char16_t* tab : {u"Medaillenspiegel", u"Gesamtpunkte", u"alphabetisch", u"Quendal-Pokalwertung"})
    rankingTabs_->addTab(QString::fromUtf16(tab));
  rankingTabs_->setExpanding(false);
  headLabel_->setObjectName(QStringLiteral("Label1"));
  headLabel_->setFont(FixedFont());
  headLabel_->setTextFormat(Qt::PlainText);
  organisationList_->setObjectName(QStringLiteral("ListBox1"));
  organisationList_->setFont(FixedFont());
  connect(organisationList_, &QListWidget::itemDoubleClicked, this, [this] {
    CommandScope command;
    AendernBtnClick();
  });

  auto* page = new QVBoxLayout;
  page->setSpacing(2);
  page->addWidget(rankingTabs_);
  page->addWidget(headLabel_);
  page->addWidget(organisationList_, 1);

  auto* buttons = new QHBoxLayout;
  renameBtn_ = NewButton(this, "AendernBtn", QStringLiteral("Ändern..."));
  SetHint(renameBtn_, QStringLiteral("Name der ausgewählten Gliederung ändern"));
  connect(renameBtn_, &QPushButton::clicked, this, [this] {
    CommandScope command;
    AendernBtnClick();
  });
  buttons->addWidget(renameBtn_);
  buttons->addStretch();
  // Enter renames; OK is clicked.
  AddOkCancel(this, buttons)->setDefault(false);
  renameBtn_->setDefault(true);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(page, 1);
  layout->addLayout(buttons);
  resize(760, 420);

  connect(rankingTabs_, &QTabBar::currentChanged, this, [this](int tab) { ShowGliederungen(SortModeOfTab(tab)); });
}

void TGliederungenDlg::SetWettkampf(TWettkampf* competition) {
  competition_ = competition;
  QSignalBlocker block(rankingTabs_);
  rankingTabs_->setCurrentIndex(0);
  ShowGliederungen(TGliederungsListe::kByMedals);
}

void TGliederungenDlg::ShowGliederungen(uint8_t mode) {
  organisationList_->clear();
  headLabel_->clear();
  renameBtn_->setEnabled(false);
  if (!competition_) return;
  TGliederungsListe& list = competition_->Gliederungen();
  list.SetSortMode(mode);
  list.Sort();
  list.AssignPlaces();
  headLabel_->setText(FromOem(list.ReportLine(mode, 0)));
  for (int i = 1; i <= list.GetCount(); ++i) organisationList_->addItem(FromOem(list.ReportLine(mode, i)));
  organisationList_->setCurrentRow(organisationList_->count() > 0 ? 0 : -1);
  renameBtn_->setEnabled(organisationList_->count() > 0);
}

void TGliederungenDlg::AendernBtnClick() {
  if (!competition_) return;
  TGliederungsListe& list = competition_->Gliederungen();
  const int row = organisationList_->currentRow();
  if (list.GetCount() == 0 || row < 0 || row >= list.GetCount()) return;
  TGliederung* organisation = list.At(row);
  QString name = FromOem(organisation->Name());
  if (!InputQuery(QStringLiteral("Gliederung eingeben"), QStringLiteral("Gliederung:"), name)) return;
  organisation->SetName(ToOem(name, TGliederung::kNameCap));
  organisationList_->item(row)->setText(FromOem(list.ReportLineOwnMode(row + 1)));
}

#include "VkWGld.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QVBoxLayout>

#include "DialogParts.h"
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
    : QDialog(parent), tabControl1_(new QTabBar), label1_(new QLabel), listBox1_(new QListWidget) {
  setObjectName(QStringLiteral("TGliederungenDlg"));
  setWindowTitle(QStringLiteral("Teilnehmende Gliederungen"));
  setStatusTip(QStringLiteral("Namen teilnehmender Gliederungen eingeben"));
  tabControl1_->setObjectName(QStringLiteral("TabControl1"));
  for (const char16_t* tab : {u"Medaillenspiegel", u"Gesamtpunkte", u"alphabetisch", u"Quendal-Pokalwertung"})
    tabControl1_->addTab(QString::fromUtf16(tab));
  tabControl1_->setExpanding(false);
  label1_->setObjectName(QStringLiteral("Label1"));
  label1_->setFont(FixedFont());
  label1_->setTextFormat(Qt::PlainText);
  listBox1_->setObjectName(QStringLiteral("ListBox1"));
  listBox1_->setFont(FixedFont());
  connect(listBox1_, &QListWidget::itemDoubleClicked, this, [this] {
    CommandScope command;
    AendernBtnClick();
  });

  auto* page = new QVBoxLayout;
  page->setSpacing(2);
  page->addWidget(tabControl1_);
  page->addWidget(label1_);
  page->addWidget(listBox1_, 1);

  auto* buttons = new QHBoxLayout;
  aendernBtn_ = NewButton(this, "AendernBtn", QStringLiteral("Ändern..."));
  aendernBtn_->setToolTip(QStringLiteral("Name der ausgewählten Gliederung ändern"));
  connect(aendernBtn_, &QPushButton::clicked, this, [this] {
    CommandScope command;
    AendernBtnClick();
  });
  buttons->addWidget(aendernBtn_);
  buttons->addStretch();
  // Enter renames; OK is clicked.
  AddOkCancel(this, buttons)->setDefault(false);
  aendernBtn_->setDefault(true);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(page, 1);
  layout->addLayout(buttons);
  resize(760, 420);

  connect(tabControl1_, &QTabBar::currentChanged, this, [this](int tab) { ShowGliederungen(SortModeOfTab(tab)); });
}

void TGliederungenDlg::SetWettkampf(TWettkampf* competition) {
  competition_ = competition;
  QSignalBlocker block(tabControl1_);
  tabControl1_->setCurrentIndex(0);
  ShowGliederungen(TGliederungsListe::kByMedals);
}

void TGliederungenDlg::ShowGliederungen(uint8_t mode) {
  listBox1_->clear();
  label1_->clear();
  aendernBtn_->setEnabled(false);
  if (!competition_) return;
  TGliederungsListe& list = competition_->Gliederungen();
  list.SetSortMode(mode);
  list.Sort();
  list.AssignPlaces();
  label1_->setText(FromOem(list.ReportLine(mode, 0)));
  for (int i = 1; i <= list.GetCount(); ++i) listBox1_->addItem(FromOem(list.ReportLine(mode, i)));
  listBox1_->setCurrentRow(listBox1_->count() > 0 ? 0 : -1);
  aendernBtn_->setEnabled(listBox1_->count() > 0);
}

void TGliederungenDlg::AendernBtnClick() {
  if (!competition_) return;
  TGliederungsListe& list = competition_->Gliederungen();
  const int row = listBox1_->currentRow();
  if (list.GetCount() == 0 || row < 0 || row >= list.GetCount()) return;
  TGliederung* organisation = list.At(row);
  QString name = FromOem(organisation->Name());
  if (!InputQuery(QStringLiteral("Gliederung eingeben"), QStringLiteral("Gliederung:"), name)) return;
  organisation->SetName(ToOem(name, TGliederung::kNameCap));
  listBox1_->item(row)->setText(FromOem(list.ReportLineOwnMode(row + 1)));
}

#include "VkWAk.h"

#include <algorithm>

#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "Desktop.h"
#include "DialogParts.h"
#include "OemText.h"
#include "VkAltersk.h"
#include "VkWAkDat.h"
#include "VkWJahrg.h"
#include "VkWMisc.h"
#include "VkWettk.h"

TAltersklassenDlg::TAltersklassenDlg(QWidget* parent) : QDialog(parent), listBox1_(new QListWidget) {
  setObjectName(QStringLiteral("TAltersklassenDlg"));
  setWindowTitle(QStringLiteral("Altersklassen eingeben"));
  setStatusTip(QStringLiteral("Altersklassen des Wettkampfs festlegen"));
  listBox1_->setObjectName(QStringLiteral("ListBox1"));
  listBox1_->setSelectionMode(QAbstractItemView::SingleSelection);
  connect(listBox1_, &QListWidget::itemDoubleClicked, this, [this] { AendernBtnClick(); });

  auto* group = new QGroupBox(QStringLiteral("&Altersklassen:"), this);
  auto* groupLayout = new QVBoxLayout(group);
  groupLayout->addWidget(listBox1_);

  auto* side = new QVBoxLayout;
  struct Button {
    const char* name;
    const char16_t* text;
    void (TAltersklassenDlg::*click)();
  };
  static constexpr Button kButtons[] = {{"NeuBtn", u"&Neu", &TAltersklassenDlg::NeuBtnClick},
                                        {"AendernBtn", u"Än&dern", &TAltersklassenDlg::AendernBtnClick},
                                        {"LoeschenBtn", u"&Löschen", &TAltersklassenDlg::LoeschenBtnClick},
                                        {"JahrgaengeBtn", u"&Jahrgänge", &TAltersklassenDlg::JahrgaengeBtnClick}};
  for (const Button& b : kButtons) {
    QPushButton* button = NewButton(this, b.name, QString::fromUtf16(b.text));
    connect(button, &QPushButton::clicked, this, [this, click = b.click] {
      CommandScope command;
      (this->*click)();
    });
    side->addWidget(button);
  }
  side->addStretch();
  AddOkCancel(this, side);

  auto* layout = new QHBoxLayout(this);
  layout->addWidget(group, 1);
  layout->addLayout(side);
  resize(420, 340);
}

void TAltersklassenDlg::SetWettkampf(TWettkampf* competition) {
  competition_ = competition;
  ShowAltersklassen(competition && competition->GetCount() > 0 ? competition->At(0) : nullptr);
}

void TAltersklassenDlg::ShowAltersklassen(const TAltersklasse* ageClass) {
  QStringList names;
  FillAgeClassNames(competition_, names);
  listBox1_->clear();
  listBox1_->addItems(names);
  int index = -1;
  for (int i = 0; competition_ && i < competition_->GetCount(); ++i)
    if (competition_->At(i) == ageClass) index = i;
  SetItemIndex(index);
}

int TAltersklassenDlg::ItemIndex() const { return listBox1_->currentRow(); }

void TAltersklassenDlg::SetItemIndex(int index) {
  listBox1_->setCurrentRow(index >= 0 && index < listBox1_->count() ? index : -1);
}

TAltersklasse* TAltersklassenDlg::Selected() const {
  const int i = ItemIndex();
  return competition_ && i >= 0 && i < competition_->GetCount() ? competition_->At(i) : nullptr;
}

void TAltersklassenDlg::NeuBtnClick() {
  TAltersklasse* model = Selected();
  if (!model) return;
  TAltersklassenDatenDlg dlg(this);
  dlg.setWindowTitle(QStringLiteral("Altersklassendaten eingeben"));
  dlg.SetAltersklasse(competition_, model);
  dlg.SetAsNew();
  if (TheDesktop().RunModal(dlg) == mrCancel) return;
  BusyScope busy;
  auto* ageClass = new TAltersklasse(model->GetRecord());
  dlg.GetAltersklasse(*ageClass);
  ageClass->Evaluate();
  const int before = competition_->GetCount();
  competition_->Insert(ageClass);
  // A refused class was reported and disposed by the competition.
  ShowAltersklassen(competition_->GetCount() > before ? ageClass : model);
}

void TAltersklassenDlg::AendernBtnClick() {
  TAltersklasse* ageClass = Selected();
  if (!ageClass) return;
  TAltersklassenDatenDlg dlg(this);
  dlg.setWindowTitle(QStringLiteral("Altersklassendaten ändern"));
  dlg.SetAltersklasse(competition_, ageClass);
  if (TheDesktop().RunModal(dlg) == mrCancel) return;
  BusyScope busy;
  dlg.GetAltersklasse(*ageClass);
  ageClass->Evaluate();
  competition_->Sort();
  ShowAltersklassen(ageClass);
}

void TAltersklassenDlg::LoeschenBtnClick() {
  const int i = ItemIndex();
  TAltersklasse* ageClass = Selected();
  if (!ageClass) return;
  if (competition_->GetCount() == 1) {
    TheDesktop().ShowError(
        QStringLiteral("Ein Wettkampf muß mindestens aus einer Altersklasse bestehen. Sie können die letzte "
                       "Altersklasse nicht löschen."));
    return;
  }
  const QString question = ageClass->GetCount() == 0
                               ? QStringLiteral("Möchten Sie die Altersklasse '%1' löschen?")
                               : QStringLiteral("Die Altersklasse '%1' ist nicht leer. Altersklasse mit allen "
                                                "enthaltenen Teilnehmern löschen?");
  if (TheDesktop().MessageBox(MsgKind::Warning, QString(), question.arg(FromOem(ageClass->Name())), mbYesNo) !=
      mrYes)
    return;
  // The selection may point at the participants that go with the class.
  competition_->Selection().DeleteAll();
  competition_->AtFree(i);
  ShowAltersklassen(competition_->At(std::min(i, competition_->GetCount() - 1)));
}

void TAltersklassenDlg::JahrgaengeBtnClick() {
  if (!competition_) return;
  TJahrgaengeDlg dlg(this);
  if (TheDesktop().RunModal(dlg) == mrCancel) return;
  TAltersklasse* selected = Selected();
  competition_->ShiftYears(dlg.Years(), 0);
  ShowAltersklassen(selected);
}

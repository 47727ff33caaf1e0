#include "VkWAk.h"

#include <algorithm>

#include <QListWidget>

#include "Desktop.h"
#include "DialogParts.h"
#include "OemText.h"
#include "VkAltersk.h"
#include "VkWAkDat.h"
#include "VkWJahrg.h"
#include "VkWMisc.h"
#include "VkWettk.h"

bool ConfirmAgeClassDeletion(const TWettkampf& competition, const TAltersklasse& ageClass) {
  if (competition.GetCount() <= 1) {
    TheDesktop().ShowError(
        QStringLiteral("Ein Wettkampf muß mindestens aus einer Altersklasse bestehen. Sie können die letzte "
                       "Altersklasse nicht löschen."));
    return false;
  }
  const QString question = ageClass.GetCount() == 0
                               ? QStringLiteral("Möchten Sie die Altersklasse '%1' löschen?")
                               : QStringLiteral("Die Altersklasse '%1' ist nicht leer. Altersklasse mit allen "
                                                "enthaltenen Teilnehmern löschen?");
  return TheDesktop().MessageBox(MsgKind::Warning, QString(), question.arg(FromOem(ageClass.Name())), mbYesNo) ==
         mrYes;
}

TAltersklassenDlg::TAltersklassenDlg(QWidget* parent) : QDialog(parent), listBox1_(new QListWidget) {
  setObjectName(QStringLiteral("TAltersklassenDlg"));
  setWindowTitle(QStringLiteral("Altersklassen eingeben"));
  setStatusTip(QStringLiteral("Altersklassen des Wettkampfs festlegen"));
  listBox1_->setObjectName(QStringLiteral("ListBox1"));
  listBox1_->setSelectionMode(QAbstractItemView::SingleSelection);
  LayOutListWithCommands(this, listBox1_, QStringLiteral("&Altersklassen:"),
                         {{"NeuBtn", QStringLiteral("&Neu"), [this] { NeuBtnClick(); }},
                          {"AendernBtn", QStringLiteral("Än&dern"), [this] { AendernBtnClick(); }},
                          {"LoeschenBtn", QStringLiteral("&Löschen"), [this] { LoeschenBtnClick(); }},
                          {"JahrgaengeBtn", QStringLiteral("&Jahrgänge"), [this] { JahrgaengeBtnClick(); }}},
                         [this] { AendernBtnClick(); });
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

TAltersklasse* AddAgeClassLike(QWidget* owner, TWettkampf& competition, const TAltersklasse& model,
                               const QString& title) {
  TAltersklassenDatenDlg dlg(owner);
  if (!title.isEmpty()) dlg.setWindowTitle(title);
  dlg.SetAltersklasse(&competition, &model);
  dlg.SetAsNew();
  if (TheDesktop().RunModal(dlg) != mrOk) return nullptr;
  BusyScope busy;
  auto ageClass = std::make_unique<TAltersklasse>(model.GetRecord());
  dlg.GetAltersklasse(*ageClass);
  ageClass->Evaluate();
  // A class equal to one present is reported and disposed by the competition.
  return competition.Add(std::move(ageClass));
}

void TAltersklassenDlg::NeuBtnClick() {
  TAltersklasse* model = Selected();
  if (!model) return;
  TAltersklasse* added =
      AddAgeClassLike(this, *competition_, *model, QStringLiteral("Altersklassendaten eingeben"));
  ShowAltersklassen(added ? added : model);
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
  if (!ConfirmAgeClassDeletion(*competition_, *ageClass)) return;
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

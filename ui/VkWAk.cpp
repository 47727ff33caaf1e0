#include "VkWAk.h"

#include <algorithm>
#include <utility>

#include <QListWidget>

#include "Desktop.h"
#include "DialogParts.h"
#include "Hints.h"
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

TAgeClassListDlg::TAgeClassListDlg(QWidget* parent, const QString& listTitle,
                                   const std::vector<CommandButton>& buttons, std::function<void()> doubleClick)
    : QDialog(parent), classList_(new QListWidget) {
  classList_->setObjectName(QStringLiteral("ListBox1"));
  classList_->setSelectionMode(QAbstractItemView::SingleSelection);
  LayOutListWithCommands(this, classList_, listTitle, buttons, std::move(doubleClick));
  resize(420, 340);
}

void TAgeClassListDlg::ListClasses() {
  QStringList names;
  FillAgeClassNames(competition_, names);
  classList_->clear();
  classList_->addItems(names);
}

int TAgeClassListDlg::ItemIndex() const { return classList_->currentRow(); }

void TAgeClassListDlg::SetItemIndex(int index) {
  classList_->setCurrentRow(index >= 0 && index < classList_->count() ? index : -1);
}

TAltersklasse* TAgeClassListDlg::Selected() const {
  const int i = ItemIndex();
  return competition_ && i >= 0 && i < competition_->GetCount() ? competition_->At(i) : nullptr;
}

TAltersklassenDlg::TAltersklassenDlg(QWidget* parent)
    : TAgeClassListDlg(parent, QStringLiteral("&Altersklassen:"),
                       {{"NeuBtn", QStringLiteral("&Neu"), [this] { NeuBtnClick(); }},
                        {"AendernBtn", QStringLiteral("Än&dern"), [this] { AendernBtnClick(); }},
                        {"LoeschenBtn", QStringLiteral("&Löschen"), [this] { LoeschenBtnClick(); }},
                        {"JahrgaengeBtn", QStringLiteral("&Jahrgänge"), [this] { JahrgaengeBtnClick(); }}},
                       [this] { AendernBtnClick(); }) {
  setObjectName(QStringLiteral("TAltersklassenDlg"));
  setWindowTitle(QStringLiteral("Altersklassen eingeben"));
  SetHint(this, QStringLiteral("Altersklassen des Wettkampfs festlegen"), false);
}

void TAltersklassenDlg::SetWettkampf(TWettkampf* competition) {
  competition_ = competition;
  ShowAltersklassen(competition && competition->GetCount() > 0 ? competition->At(0) : nullptr);
}

void TAltersklassenDlg::ShowAltersklassen(const TAltersklasse* ageClass) {
  ListClasses();
  int index = -1;
  for (int i = 0; competition_ && i < competition_->GetCount(); ++i)
    if (competition_->At(i) == ageClass) index = i;
  SetItemIndex(index);
}

TAltersklasse* AddAgeClassLike(QWidget* owner, TWettkampf& competition, const TAltersklasse* model,
                               const QString& title) {
  TAltersklasse fresh;
  const uint16_t year = static_cast<uint16_t>(TheDesktop().CurrentYear());
  fresh.SetFirstYear(year);
  fresh.SetLastYear(year);
  TAltersklassenDatenDlg dlg(owner);
  if (!title.isEmpty()) dlg.setWindowTitle(title);
  dlg.SetAltersklasse(&competition, model ? model : &fresh);
  if (model) dlg.SetAsNew();
  if (TheDesktop().RunModal(dlg) != mrOk) return nullptr;
  BusyScope busy;
  auto ageClass = std::make_unique<TAltersklasse>((model ? model : &fresh)->GetRecord());
  dlg.GetAltersklasse(*ageClass);
  ageClass->Evaluate();
  // A class equal to one present is reported and disposed by the competition.
  return competition.Add(std::move(ageClass));
}

void TAltersklassenDlg::NeuBtnClick() {
  if (!competition_) return;
  TAltersklasse* model = Selected();
  TAltersklasse* added = AddAgeClassLike(this, *competition_, model, QStringLiteral("Altersklassendaten eingeben"));
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

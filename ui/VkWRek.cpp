#include "VkWRek.h"

#include <QListWidget>

#include "Desktop.h"
#include "DialogParts.h"
#include "OemText.h"
#include "VkAltersk.h"
#include "VkLoadSave.h"
#include "VkWMisc.h"
#include "VkWRDat.h"
#include "VkWettk.h"

std::unique_ptr<TWettkampf> LoadRecordSource(const QString& fileName) {
  return LoadCompetition(NativePath(fileName), FormatCode::ResultFile);
}

TRekordeDlg::TRekordeDlg(QWidget* parent) : QDialog(parent), classList_(new QListWidget) {
  setObjectName(QStringLiteral("TRekordeDlg"));
  setWindowTitle(QStringLiteral("Rekordverwaltung"));
  setStatusTip(QStringLiteral("Rekorde verwalten"));
  classList_->setObjectName(QStringLiteral("ListBox1"));
  classList_->setSelectionMode(QAbstractItemView::SingleSelection);
  LayOutListWithCommands(this, classList_, QStringLiteral("&Rekorde der Altersklassen:"),
                         {{"AendernBtn", QStringLiteral("Än&dern..."), [this] { AendernBtnClick(); }},
                          {"LoeschenBtn", QStringLiteral("&Löschen"), [this] { LoeschenBtnClick(); }},
                          {"UebernehmenBtn", QStringLiteral("Übernehmen..."), [this] { UebernehmenBtnClick(); }}},
                         [this] { AendernBtnClick(); });
  resize(420, 340);
  classList_->setFocus();
}

void TRekordeDlg::SetWettkampf(TWettkampf* competition) {
  competition_ = competition;
  QStringList names;
  FillAgeClassNames(competition, names);
  classList_->clear();
  classList_->addItems(names);
}

int TRekordeDlg::ItemIndex() const { return classList_->currentRow(); }

void TRekordeDlg::SetItemIndex(int index) {
  classList_->setCurrentRow(index >= 0 && index < classList_->count() ? index : -1);
}

TAltersklasse* TRekordeDlg::Selected() const {
  const int i = ItemIndex();
  return competition_ && i >= 0 && i < competition_->GetCount() ? competition_->At(i) : nullptr;
}

void TRekordeDlg::AendernBtnClick() {
  TAltersklasse* ageClass = Selected();
  if (!ageClass) return;
  TRekordDatenDlg dlg(this);
  dlg.SetWettkampf(competition_);
  dlg.SetRekorde(*ageClass);
  if (TheDesktop().RunModal(dlg) == mrCancel) return;
  dlg.GetRekorde(*ageClass);
}

void TRekordeDlg::LoeschenBtnClick() {
  TAltersklasse* ageClass = Selected();
  if (!ageClass) return;
  const QString question = QStringLiteral("Wollen Sie die gespeicherten Rekorddaten der Altersklasse ") +
                           FromOem(ageClass->Name()) + QStringLiteral(" wirklich löschen?");
  if (TheDesktop().MessageBox(MsgKind::Warning, QString(), question, mbYesNo) != mrYes) return;
  ageClass->ClearRecords();
  // Clearing takes this competition's bests too; they are computed again.
  ageClass->UpdateBests();
}

void TRekordeDlg::UebernehmenBtnClick() {
  if (!Selected()) return;
  FileRequest request;
  request.title = QStringLiteral("Öffnen");
  request.filter = QStringLiteral("Ergebnisdateien (*.ERG)|*.ERG|Alle Dateien (*.*)|*.*");
  request.defaultExt = QStringLiteral("ERG");
  FileChoice choice = TheDesktop().OpenFileName(request);
  if (!choice.ok) return;
  BusyScope busy;
  std::unique_ptr<TWettkampf> source = LoadRecordSource(choice.fileName);
  if (source) competition_->TakeRecords(*source);
}

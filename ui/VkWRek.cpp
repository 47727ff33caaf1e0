#include "VkWRek.h"

#include <QListWidget>

#include "Desktop.h"
#include "DialogParts.h"
#include "Hints.h"
#include "OemText.h"
#include "VkAltersk.h"
#include "VkLoadSave.h"
#include "VkWMisc.h"
#include "VkWRDat.h"
#include "VkWettk.h"

std::unique_ptr<TWettkampf> LoadRecordSource(const QString& fileName) {
  return LoadCompetition(NativePath(fileName), FormatCode::ResultFile);
}

TRekordeDlg::TRekordeDlg(QWidget* parent)
    : TAgeClassListDlg(parent, QStringLiteral("&Rekorde der Altersklassen:"),
                       {{"AendernBtn", QStringLiteral("Än&dern..."), [this] { AendernBtnClick(); }},
                        {"LoeschenBtn", QStringLiteral("&Löschen"), [this] { LoeschenBtnClick(); }},
                        {"UebernehmenBtn", QStringLiteral("Übernehmen..."), [this] { UebernehmenBtnClick(); }}},
                       [this] { AendernBtnClick(); }) {
  setObjectName(QStringLiteral("TRekordeDlg"));
  setWindowTitle(QStringLiteral("Rekordverwaltung"));
  SetHint(this, QStringLiteral("Rekorde verwalten"), false);
  classList_->setFocus();
}

void TRekordeDlg::SetWettkampf(TWettkampf* competition) {
  competition_ = competition;
  ListClasses();
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

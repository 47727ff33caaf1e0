#include "VkFile.h"

#include <algorithm>
#include <utility>

#include "Desktop.h"
#include "NewCompetitionChoice.h"
#include "OemText.h"
#include "OptHTML.h"
#include "OptPDF.h"
#include "Opttxt.h"
#include "VkAltersk.h"
#include "VkExportOptions.h"
#include "VkLoadSave.h"
#include "VkWAk.h"
#include "VkWAkDat.h"
#include "VkWGld.h"
#include "VkWHLW.h"
#include "VkWHinzu.h"
#include "VkWLauf.h"
#include "VkWLaufb.h"
#include "VkWMisc.h"
#include "VkWQuali.h"
#include "VkWRek.h"
#include "VkWReset.h"
#include "VkWStrei.h"
#include "VkWTeiln.h"
#include "VkWWettk.h"
#include "VkWettk.h"

TTeilnehmer ParticipantBuffer;

namespace {

// New-competition kind of a document without a file: individual
// championship, youth classes, age class 12 split.
constexpr uint16_t kStartKind = 8;

// By identity: a class or participant just edited may not be at its sorted
// place yet, so no search by key.
template <class Collection>
int PositionOf(const Collection& collection, const TYrObject* item) {
  for (int i = 0; i < collection.GetCount(); ++i)
    if (collection.At(i) == item) return i;
  return -1;
}

// The dialog shown; on OK the busy state and the dialog's operation applied.
template <class Dialog>
bool RunAndApply(Dialog& dialog, TWettkampf& competition) {
  if (TheDesktop().RunModal(dialog) != mrOk) return false;
  BusyScope busy;
  dialog.ApplyTo(competition);
  return true;
}

}  // namespace

template <class Dialog, class Prepare, class Select>
bool TVkFile::EditOnCopy(Dialog& dialog, Prepare prepare, Select select) {
  std::unique_ptr<TWettkampf> copy;
  {
    BusyScope busy;
    prepare(*competition_);
    copy = std::make_unique<TWettkampf>(*competition_);
    dialog.SetWettkampf(copy.get());
    select(dialog);
  }
  if (TheDesktop().RunModal(dialog) != mrOk) return false;
  SetModified(true);
  ReplaceCompetition(std::move(copy));
  return true;
}

// Emits Changed() once at the end of the outermost operation that changed
// anything, also when the operation calls others.
class TVkFile::Operation {
 public:
  explicit Operation(TVkFile& file) : file_(file) {
    if (file_.depth_++ == 0) file_.changed_ = false;
  }
  ~Operation() {
    if (--file_.depth_ == 0 && file_.changed_) emit file_.Changed();
  }
  Operation(const Operation&) = delete;
  Operation& operator=(const Operation&) = delete;

 private:
  TVkFile& file_;
};

QString TVkFile::Unnamed() { return QStringLiteral("<unbenannt>"); }

QString TVkFile::SaveDialogTitle() { return QStringLiteral("Wettkampf speichern unter"); }

QString TVkFile::SaveDialogFilter() {
  return QStringLiteral(
      "Ergebnisdateien (*.ERG)|*.ERG|dBase (*.DBF)|*.DBF|Excel (*.XLS)|*.XLS|HTML Datei (*.HTM)|*.HTM|"
      "PDF Datei (*.PDF)|*.PDF|Textdateien (*.CSV)|*.CSV|Alle Dateien|*.*");
}

TVkFile::TVkFile(QWidget* owner, const QString& fileName) : owner_(owner), fileName_(fileName) { Load(); }

TVkFile::~TVkFile() = default;

TAltersklasse* TVkFile::AgeClass(int index) const {
  return index >= 0 && index < competition_->GetCount() ? competition_->At(index) : nullptr;
}

void TVkFile::SetModified(bool modified) {
  // Set again, it still tells that the competition changed.
  if (modified || modified_) changed_ = true;
  modified_ = modified;
}

void TVkFile::SetFileName(const QString& fileName) {
  if (fileName == fileName_) return;
  fileName_ = fileName;
  changed_ = true;
}

void TVkFile::ReplaceCompetition(std::unique_ptr<TWettkampf> competition) {
  competition_ = std::move(competition);
  changed_ = true;
}

bool TVkFile::Applied(bool ok) {
  if (ok) SetModified(true);
  return ok;
}

// --- files

void TVkFile::Load() {
  Operation op(*this);
  {
    BusyScope busy;
    std::unique_ptr<TWettkampf> loaded;
    if (HasFileName()) {
      loaded = LoadCompetition(NativePath(fileName_), FormatCode::ResultFile);
      if (!loaded) SetFileName(Unnamed());
    }
    if (loaded)
      ReplaceCompetition(std::move(loaded));
    else
      New(kStartKind, static_cast<uint16_t>(TheDesktop().CurrentYear()));
  }
  SetModified(false);
}

void TVkFile::New(uint16_t kind, uint16_t year) {
  Operation op(*this);
  SetFileName(Unnamed());
  SetModified(false);
  ReplaceCompetition(NewCompetitionFor(kind, year));
}

bool TVkFile::Write(const QString& fileName, FormatCode code) {
  BusyScope busy;
  return SaveCompetition(NativePath(fileName), *competition_, code);
}

bool TVkFile::SaveAs(const QString& fileName, int filterIndex) {
  Operation op(*this);
  switch (filterIndex) {
    case kSaveResultFile:
      // A file that was not written leaves the document as it was, so its
      // edits are still asked about before the window closes.
      if (!Write(fileName, FormatCode::ResultFile)) return false;
      SetFileName(fileName);
      SetModified(false);
      return true;
    case kSaveDbf:
      return Write(fileName, FormatCode::Dbf);
    case kSaveXls:
      ExportXlsVersion = 0;
      return Write(fileName, FormatCode::Xls);
    case kSaveHtml: {
      TOptHTMLDlg dlg(owner_);
      if (TheDesktop().RunModal(dlg) != mrOk) return false;
      dlg.GetHtmlOptions(ExportHtmlOptions);
      return Write(fileName, FormatCode::Html);
    }
    case kSavePdf: {
      PrefillPdfInfo(PdfExportInfo, *competition_);
      TOptPDFDlg dlg(owner_);
      dlg.SetPDFInfo(PdfExportInfo);
      if (TheDesktop().RunModal(dlg) != mrOk) return false;
      dlg.GetPDFInfo(PdfExportInfo);
      if (!Write(fileName, FormatCode::Pdf)) return false;
      dlg.OpenPDF(fileName);
      return true;
    }
    case kSaveText: {
      TOptTXTDlg dlg(owner_);
      if (TheDesktop().RunModal(dlg) != mrOk) return false;
      dlg.GetTextOptions(ExportTextOptions);
      return Write(fileName, FormatCode::Text);
    }
    case kSaveAllFiles:
      return Write(fileName, FormatCode::ResultFile);
    default:
      return false;
  }
}

bool TVkFile::Save() {
  if (!HasFileName()) return SaveWithDialog();
  return SaveAs(fileName_, kSaveResultFile);
}

bool TVkFile::SaveWithDialog() {
  FileRequest request;
  request.title = SaveDialogTitle();
  request.filter = SaveDialogFilter();
  request.filterIndex = kSaveResultFile;
  request.defaultExt = QStringLiteral("ERG");
  if (HasFileName()) request.fileName = fileName_;
  const FileChoice choice = TheDesktop().SaveFileName(request);
  if (!choice.ok) return false;
  return SaveAs(choice.fileName, choice.filterIndex);
}

bool TVkFile::ModifiedQueryOk() {
  if (!modified_) return true;
  const QString question = QStringLiteral("Die Datei ´%1´ wurde geändert. Speichern?").arg(fileName_);
  const int answer = TheDesktop().MessageBox(MsgKind::Warning, QString(), question, mbYesNoCancel);
  if (answer == mrNo) return true;
  if (answer != mrYes) return false;
  Save();
  return !modified_;
}

bool TVkFile::Import(const QString& fileName, ImportKind kind) {
  return kind == ImportKind::Merge ? AddFromFile(fileName) : ImportText(fileName);
}

bool TVkFile::AddFromFile(const QString& fileName) {
  Operation op(*this);
  THinzufuegenDlg dlg(owner_);
  if (TheDesktop().RunModal(dlg) == mrCancel) return false;
  BusyScope busy;
  const std::unique_ptr<TWettkampf> other = LoadCompetition(NativePath(fileName), FormatCode::ResultFile);
  if (other) dlg.ApplyTo(*competition_, *other);
  competition_->Sort();
  SetModified(true);
  return other != nullptr;
}

bool TVkFile::ImportText(const QString& fileName) {
  Operation op(*this);
  const int before = competition_->ParticipantCount();
  const bool read = LoadCompetition(NativePath(fileName), *competition_, FormatCode::Text);
  // Another kind of file (a result file chosen under the text filter) adds
  // nobody: that is said, and the document is as it was.
  if (competition_->ParticipantCount() == before) {
    TheDesktop().Inform(QStringLiteral("Es wurden keine Teilnehmer importiert."));
    return false;
  }
  SetModified(true);
  return read;
}

// --- participants

void TVkFile::CopyParticipant(const TTeilnehmer* participant) {
  if (participant) ParticipantBuffer = *participant;
}

bool TVkFile::PasteParticipant(TAltersklasse* ageClass) {
  if (!ageClass || ageClass->GetCount() >= kMaxCollectionSize) return false;
  Operation op(*this);
  ageClass->Add(std::make_unique<TTeilnehmer>(ParticipantBuffer));
  SetModified(true);
  return true;
}

bool TVkFile::DeleteParticipant(TTeilnehmer* participant, TAltersklasse* ageClass, bool ask) {
  if (!participant || !ageClass) return false;
  const int index = PositionOf(*ageClass, participant);
  if (index < 0) return false;
  if (ask) {
    const std::string name = competition_->IsIndividual()
                                 ? participant->Name(true) + ", " + participant->Vorname()
                                 : participant->Name(false);
    const QString question = QStringLiteral("Möchten Sie den Teilnehmer ´%1´ löschen?").arg(FromOem(name));
    if (TheDesktop().MessageBox(MsgKind::Warning, QString(), question, mbYesNo) != mrYes) return false;
  }
  Operation op(*this);
  ageClass->AtFree(index);
  ageClass->Evaluate();
  SetModified(true);
  return true;
}

int TVkFile::EditParticipant(TTeilnehmer* participant) {
  if (!participant) return mrCancel;
  Operation op(*this);
  TTeilnehmerDlg dlg(owner_);
  dlg.SetWettkampf(*competition_);
  dlg.SetTeilnehmer(*participant);
  const int result = TheDesktop().RunModal(dlg);
  if (result != mrCancel) {
    dlg.GetTeilnehmer(*participant);
    SetModified(true);
  }
  return result;
}

bool TVkFile::ChangeParticipant(TTeilnehmer* participant, TAltersklasse* ageClass) {
  if (!participant || !ageClass) return false;
  Operation op(*this);
  if (EditParticipant(participant) != mrOk) return false;
  ageClass->Evaluate();
  return true;
}

TTeilnehmer* TVkFile::NewParticipant(TAltersklasse* ageClass) {
  if (!ageClass || ageClass->GetCount() >= kMaxCollectionSize) return nullptr;
  Operation op(*this);
  auto participant = std::make_unique<TTeilnehmer>();
  participant->SetAltersklasse(ageClass->Name());
  if (ageClass->IsFemale()) participant->SetFlag(TTeilnehmer::kWeiblich, true);
  if (EditParticipant(participant.get()) != mrOk) return nullptr;
  return ageClass->Add(std::move(participant));
}

// --- age classes

bool TVkFile::EditAgeClass(TAltersklasse* ageClass) {
  if (!ageClass) return false;
  Operation op(*this);
  TAltersklassenDatenDlg dlg(owner_);
  dlg.SetAltersklasse(competition_.get(), ageClass);
  if (TheDesktop().RunModal(dlg) != mrOk) return false;
  BusyScope busy;
  dlg.GetAltersklasse(*ageClass);
  ageClass->Evaluate();
  competition_->Sort();
  SetModified(true);
  return true;
}

TAltersklasse* TVkFile::NewAgeClass(const TAltersklasse* model) {
  if (competition_->GetCount() >= kMaxCollectionSize) return nullptr;
  Operation op(*this);
  TAltersklasse* ageClass = AddAgeClassLike(owner_, *competition_, model, QString());
  if (!ageClass) return nullptr;
  BusyScope busy;
  competition_->Sort();
  SetModified(true);
  return ageClass;
}

bool TVkFile::DeleteAgeClass(TAltersklasse* ageClass) {
  if (!ageClass) return false;
  const int index = PositionOf(*competition_, ageClass);
  if (index < 0 || !ConfirmAgeClassDeletion(*competition_, *ageClass)) return false;
  Operation op(*this);
  BusyScope busy;
  competition_->AtFree(index);
  SetModified(true);
  return true;
}

// --- dialogs on the whole competition

bool TVkFile::EditCompetitionData() {
  Operation op(*this);
  TWettkampfDatenDlg dlg(owner_);
  dlg.SetWettkampfDaten(*competition_);
  if (TheDesktop().RunModal(dlg) != mrOk) return false;
  dlg.GetWettkampfDaten(*competition_);
  SetModified(true);
  return true;
}

bool TVkFile::EditAgeClasses(int& tabIndex) {
  Operation op(*this);
  TAltersklassenDlg dlg(owner_);
  const auto select = [tabIndex](TAltersklassenDlg& d) { d.SetItemIndex(tabIndex); };
  if (!EditOnCopy(dlg, [](TWettkampf&) {}, select)) return false;
  tabIndex = std::max(dlg.ItemIndex(), 0);
  return true;
}

bool TVkFile::EditOrganisations() {
  Operation op(*this);
  TGliederungenDlg dlg(owner_);
  const auto build = [](TWettkampf& w) { w.BuildGliederungen(TGliederungsListe::kByMedals); };
  return EditOnCopy(dlg, build, [](TGliederungenDlg&) {});
}

bool TVkFile::EditRecords(int tabIndex) {
  Operation op(*this);
  TRekordeDlg dlg(owner_);
  const auto select = [tabIndex](TRekordeDlg& d) { d.SetItemIndex(tabIndex); };
  return EditOnCopy(dlg, [](TWettkampf& w) { w.UpdateRecords(); }, select);
}

bool TVkFile::Qualify() {
  Operation op(*this);
  TQualifikationDlg dlg(owner_);
  dlg.SetWettkampf(*competition_);
  return Applied(RunAndApply(dlg, *competition_));
}

bool TVkFile::AssignHeats() {
  Operation op(*this);
  TLaufbesetzungDlg dlg(owner_);
  return Applied(RunAndApply(dlg, *competition_));
}

bool TVkFile::ResetResults() {
  Operation op(*this);
  TZuruecksetzenDlg dlg(owner_);
  return Applied(RunAndApply(dlg, *competition_));
}

bool TVkFile::StrikeParticipants() {
  Operation op(*this);
  TStreichenDlg dlg(owner_);
  return Applied(RunAndApply(dlg, *competition_));
}

bool TVkFile::AssignCprHeats() {
  Operation op(*this);
  THLWLaufbesetzungDlg dlg(owner_);
  dlg.SetWettkampf(*competition_);
  return Applied(RunAndApply(dlg, *competition_));
}

void TVkFile::ShowHeats() {
  TLaufanzeigeDlg dlg(owner_);
  dlg.SetWettkampf(*competition_);
  TheDesktop().RunModal(dlg);
}

void TVkFile::EditStaff() {
  TheDesktop().ShowError(QStringLiteral("Die Funktion steht leider noch nicht zur Verfügung."));
}

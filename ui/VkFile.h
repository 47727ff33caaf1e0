// The open document: the one competition the main window shows, the file it
// came from, whether it was changed since, and every operation of the user
// interface that changes the competition as a whole (new, load, save and
// export, merge and import, the participant commands and the dialogs that
// change the competition).
//
// Ownership: the document owns its competition. Windows never keep a copy
// nor a pointer across commands: they ask Competition(), AgeClass(i) and the
// age class's participants anew after every operation, because the
// age-class, organisation and records dialogs replace the competition object
// as a whole on OK. The main window owns the document and destroys it when
// it opens another file (a new document per file; New reuses the object).
//
// How a window learns about changes: every operation emits Changed() once,
// at its end, when it replaced or changed the competition or changed the
// file name or the modified flag; the window then refreshes header, tabs,
// grid and status line as a whole. The operations also return whether the
// user confirmed (see each one). Modified() turns true after every operation
// that changed the competition (a dialog confirmed, paste, delete, merge,
// import) and false only after Load, New and a result file written under a
// new name (filter 1) or the same one (Save). A failed write changes
// neither the name nor the flag.
//
// Dialogs are created with the owner given to the constructor as parent, run
// through TheDesktop() and freed when the operation ends. Messages of the
// lower layers (load and save failures) reach the user through ErrorMsgProc.
// Single-threaded: the GUI thread only.
//
// Every operation on an age class or a participant accepts nullptr and then
// does nothing (a competition without age classes has no current class).
// Whatever may dispose participants empties the competition's selection
// first, so that no list points at a participant that is gone.
#pragma once

#include <cstdint>
#include <memory>

#include <QObject>
#include <QString>

#include "VkLoadSave.h"
#include "VkTeiln.h"

class QWidget;
class TAltersklasse;
class TWettkampf;

// The participant that the main window's Copy fills and PasteParticipant
// inserts copies of. Empty until the first copy; one participant at a time.
extern TTeilnehmer ParticipantBuffer;

class TVkFile : public QObject {
  Q_OBJECT

 public:
  // Filter indexes of the save dialog (SaveAs).
  enum SaveType : int {
    kSaveResultFile = 1,  // result file; the document takes the name
    kSaveDbf = 2,
    kSaveXls = 3,
    kSaveHtml = 4,
    kSavePdf = 5,
    kSaveText = 6,
    kSaveAllFiles = 7,  // a result file under another name; the document keeps its own
  };
  // Kinds of Import: the import dialog's first filter (result files) merges,
  // the others read participants from text lines.
  enum class ImportKind { Merge, Text };

  // "<unbenannt>": the file name of a document that has none.
  static QString Unnamed();
  // The main window's file dialogs: titles and filters.
  static QString SaveDialogTitle();
  static QString SaveDialogFilter();

  // Stores owner and name and runs Load: the competition of that file, or,
  // for Unnamed() and a file that cannot be read (reported), a new
  // individual youth championship of the current year with the name
  // Unnamed(). The owner (may be nullptr) is the parent of every dialog and
  // must outlive the document.
  TVkFile(QWidget* owner, const QString& fileName);
  ~TVkFile() override;
  TVkFile(const TVkFile&) = delete;
  TVkFile& operator=(const TVkFile&) = delete;

  // --- state
  // Exactly as given or chosen (never case-changed); Unnamed() when none.
  const QString& FileName() const { return fileName_; }
  bool HasFileName() const { return fileName_ != Unnamed(); }
  bool Modified() const { return modified_; }
  // Never nullptr.
  TWettkampf* Competition() const { return competition_.get(); }
  // The age class at a 0-based index; nullptr outside the classes.
  TAltersklasse* AgeClass(int index) const;

  // --- files
  // (Re)reads FileName() as described at the constructor. Modified: false.
  void Load();
  // A new competition from the choices of the new-competition dialog (kind
  // 0..15, year); see NewCompetitionChoice.h. Name Unnamed(), not modified.
  void New(uint16_t kind, uint16_t year);
  // Saves or exports by the save dialog's filter index (SaveType); the
  // export indexes first run their option dialog (Cancel writes nothing) and
  // a PDF written is opened on the desktop. True when the file was written.
  // Only kSaveResultFile written changes the document: name := fileName,
  // not modified. Another index does nothing and gives false.
  bool SaveAs(const QString& fileName, int filterIndex);
  // File > Save: an unnamed document asks for a name (SaveWithDialog), a
  // named one writes its result file. True when written (then not modified).
  bool Save();
  // File > Save As: the save dialog with filter 1 preselected, then SaveAs
  // with the name and filter chosen. False when cancelled or not written.
  bool SaveWithDialog();
  // Before the document is closed or replaced: true when the caller may go
  // on (not modified; or the user answered No to "Die Datei ´%s´ wurde
  // geändert. Speichern?"; or Yes and Save wrote the file). False on Cancel
  // and when the save was cancelled or failed, so no edit is lost.
  bool ModifiedQueryOk();

  // Merge: AddFromFile; Text: ImportText. True when something was read.
  bool Import(const QString& fileName, ImportKind kind);
  // Merges another result file after the merge-option dialog. False when
  // the dialog was cancelled (nothing changes); otherwise modified, also
  // when the file could not be read (reported). True when it was read.
  bool AddFromFile(const QString& fileName);
  // Appends the participants of a semicolon-separated text file to the
  // competition. Modified when it added any; when none, "Es wurden keine
  // Teilnehmer importiert." and false. Otherwise true when the file was read
  // to its end.
  bool ImportText(const QString& fileName);

  // --- participants
  // The main window's Copy: the buffer := a copy of the participant (kept
  // as it was for nullptr).
  static void CopyParticipant(const TTeilnehmer* participant);
  // Inserts a copy of ParticipantBuffer into the class (ranked by the
  // class's insertion). Modified. False (nothing changes) for nullptr or a
  // class that cannot take another participant.
  bool PasteParticipant(TAltersklasse* ageClass);
  // Removes and disposes the participant and evaluates the class. With ask,
  // the user confirms first ("Möchten Sie den Teilnehmer ´%s´ löschen?");
  // anything but Yes changes nothing. True when deleted (then modified).
  bool DeleteParticipant(TTeilnehmer* participant, TAltersklasse* ageClass, bool ask);
  // The participant dialog on the live participant; unless cancelled the
  // dialog's fields are written into it and the document is modified. No
  // evaluation. Returns the modal result (mrOk, or mrCancel also for nullptr).
  int EditParticipant(TTeilnehmer* participant);
  // EditParticipant, then on OK the class is evaluated. True on OK.
  bool ChangeParticipant(TTeilnehmer* participant, TAltersklasse* ageClass);
  // A new participant of the class (its name and sex preset) through the
  // participant dialog; on OK inserted into the class. The participant, or
  // nullptr when cancelled or the class is nullptr or full.
  TTeilnehmer* NewParticipant(TAltersklasse* ageClass);

  // --- age classes (live, on the competition)
  // The age-class data dialog on the class; on OK the class takes the
  // fields, is evaluated and the classes re-sorted. True on OK (modified).
  bool EditAgeClass(TAltersklasse* ageClass);
  // A new class made from `model` (its name + " - neu", no participants;
  // fresh without a model) through the age-class data dialog; on OK
  // inserted. The new class, or nullptr when cancelled or refused as a
  // duplicate (reported).
  TAltersklasse* NewAgeClass(const TAltersklasse* model);
  // Deletes the class with its participants after the user confirmed. The
  // last class is never deleted (an error box says so). True when deleted.
  bool DeleteAgeClass(TAltersklasse* ageClass);

  // --- dialogs on the whole competition; each true on OK (then modified)
  bool EditCompetitionData();
  // On a copy of the competition that replaces it on OK. tabIndex: the
  // class selected at the start; on OK the class selected at the end (0
  // when none is).
  bool EditAgeClasses(int& tabIndex);
  // Statistics rebuilt (medal table) before, on a copy as above.
  bool EditOrganisations();
  // Bests brought up to date before, on a copy as above; tabIndex is only
  // read.
  bool EditRecords(int tabIndex);
  bool Qualify();
  bool AssignHeats();
  bool ResetResults();
  bool StrikeParticipants();
  bool AssignCprHeats();
  // The heat viewer; changes nothing.
  void ShowHeats();
  // Not available: an error box says so.
  void EditStaff();

 signals:
  // The competition (object or contents), the file name or the modified
  // flag changed; once per operation, at its end.
  void Changed();

 private:
  class Operation;
  void SetModified(bool modified);
  void SetFileName(const QString& fileName);
  void ReplaceCompetition(std::unique_ptr<TWettkampf> competition);
  // Marks the document modified when ok; gives ok back.
  bool Applied(bool ok);
  bool Write(const QString& fileName, FormatCode code);
  // A dialog that edits a deep copy of the competition (the age-class list,
  // the organisations, the records): busy, `prepare` on the live
  // competition, the copy to the dialog, `select` on the dialog; on OK the
  // copy replaces the competition (modified), on Cancel it is gone. True on
  // OK.
  template <class Dialog, class Prepare, class Select>
  bool EditOnCopy(Dialog& dialog, Prepare prepare, Select select);

  QWidget* owner_;
  QString fileName_;
  bool modified_ = false;
  std::unique_ptr<TWettkampf> competition_;
  // Operations in progress, and whether the running one changed anything.
  int depth_ = 0;
  bool changed_ = false;
};

// Everything a window asks of the desktop, behind one replaceable object.
//
// Windows never call QDialog::exec, QMessageBox, QFileDialog, the print and
// page-setup dialogs, QDesktopServices, QDrag::exec, QApplication::beep, the
// clock or a random generator themselves: they ask TheDesktop(). The program
// runs with the real desktop; a test installs a scripted one (tests/support/
// ScriptedDesktop.h) that answers in order and records what was asked, so
// every window can be driven headless (QT_QPA_PLATFORM=offscreen).
//
// How a dialog is written for this:
//   - Give the dialog and every control a test needs an object name (the
//     component names of the dialog: "OKBtn", "CancelBtn", "Edit1", ...).
//   - Derive from ValidatedDialog (EdCtrl.h) when it holds validated edits.
//   - The caller creates it, fills it (Set...), then
//         if (TheDesktop().RunModal(dlg) != mrOk) return;   // or == mrCancel
//     and reads it back (Get...). The dialog closes itself with accept()
//     (mrOk), reject() (mrCancel) or done(code) for any other modal result.
//   - Questions: TheDesktop().MessageBox(MsgKind::Warning, "", text, mbYesNo)
//     returns mrYes or mrNo; file names, page setup, the print dialog and the
//     rest likewise.
//
// Single-threaded: called on the GUI thread only. The object installed with
// SetDesktop is not owned and must outlive its installation.
#pragma once

#include <random>
#include <string>

#include <QPageRanges>
#include <QString>
#include <QStringList>

#include "YrClock.h"

class QDialog;
class QDrag;
class QPrinter;

// Modal results, with the numbers the dialogs' callers test (OK 1, Cancel 2).
enum ModalResult : int { mrNone = 0, mrOk = 1, mrCancel = 2, mrYes = 6, mrNo = 7 };

// Buttons of a message box; combine with |.
enum MsgButton : unsigned { mbOk = 1, mbCancel = 2, mbYes = 4, mbNo = 8 };
using MsgButtons = unsigned;
inline constexpr MsgButtons mbOkCancel = mbOk | mbCancel;
inline constexpr MsgButtons mbYesNo = mbYes | mbNo;
inline constexpr MsgButtons mbYesNoCancel = mbYes | mbNo | mbCancel;

// The kind of a message box: its icon and its default caption.
enum class MsgKind { Information, Warning, Error, Confirmation };

// "Information", "Warnung", "Fehler", "Bestätigung".
QString DefaultCaption(MsgKind kind);

// A file-name question.
struct FileRequest {
  QString title;        // "Wettkampf öffnen"
  // Filter pairs separated by "|": "Ergebnisdateien (*.ERG)|*.ERG|Alle Dateien (*.*)|*.*".
  QString filter;
  int filterIndex = 1;  // 1-based, preselected
  QString defaultExt;   // without the point: "ERG"
  QString fileName;     // preset name, may be empty
};

struct FileChoice {
  bool ok = false;      // false: cancelled
  QString fileName;
  int filterIndex = 1;  // 1-based, the filter chosen
};

// Page margins in hundredths of a millimetre.
struct PageMargins {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

// The standard print dialog: the caller fills the page limits, the dialog's
// answer comes back in the same record.
struct PrintRequest {
  enum Range { AllPages, PageRange, Selection };
  int minPage = 1;
  int maxPage = 1;
  bool selectionEnabled = false;
  // Answer (and preset):
  Range range = AllPages;
  int fromPage = 1;
  int toPage = 1;
  // PageRange: the pages chosen where they are more than fromPage to toPage
  // ("1,3"); empty otherwise.
  QPageRanges pages;
  int copies = 1;
  bool collate = true;
  // "Umgekehrt": the pages chosen from the last to the first.
  bool lastPageFirst = false;
};

class Desktop {
 public:
  virtual ~Desktop() = default;

  // Shows the dialog modally. Returns mrOk after accept(), mrCancel after
  // reject() (Escape, the close button), or the code the dialog gave done().
  virtual int RunModal(QDialog& dialog) = 0;

  // A message box with German buttons (OK, &Ja, &Nein, Abbrechen); an empty
  // caption takes the kind's default caption. Returns the button's modal
  // result; closing the box counts as Cancel when it has one, else No, else OK.
  int MessageBox(MsgKind kind, const QString& caption, const QString& text, MsgButtons buttons);
  // Shorthands.
  void Inform(const QString& text) { MessageBox(MsgKind::Information, QString(), text, mbOk); }
  void ShowError(const QString& text) { MessageBox(MsgKind::Error, QString(), text, mbOk); }

  // A long text in a scrollable box with one OK button.
  virtual void ShowLongText(const QString& caption, const QString& text) = 0;

  virtual FileChoice OpenFileName(const FileRequest& request) = 0;
  // Asks before overwriting an existing file.
  virtual FileChoice SaveFileName(const FileRequest& request) = 0;

  // The page setup of a printout's margins on paper of that size (all in
  // hundredths of a millimetre); true and the new margins on OK, which
  // refuses margins that leave no room on the paper. Shows the program's
  // page set-up form (PageSetup.h) through RunModal, the same on every
  // desktop.
  virtual bool PageSetup(PageMargins& margins, int paperWidth, int paperHeight);
  // The standard print dialog for the printer, opened with the request's
  // preset; true on OK, with the range, copies, collation and page order in
  // the request. The printer keeps the chosen device and paper; the caller
  // prints the range in its order and makes the copies itself
  // (PrintDocument).
  virtual bool PrintDialog(QPrinter& printer, PrintRequest& request) = 0;
  // The printer set-up: printer, paper and orientation of later printouts,
  // kept in the printer; true on OK. It prints nothing. The program shows
  // its printer set-up form (PrnSetup.h) for it.
  virtual bool PrinterSetup(QPrinter& printer) = 0;
  // Whether a print job on the printer can go out now. The program asks
  // right before it prints (after the print dialog once more), since a
  // spooler may have stopped or a queue gone since the printer was chosen.
  // The program's desktop answers PrinterReachableNow.
  virtual bool PrinterReachable(const QPrinter& printer) = 0;

  // Opens a file with the program the desktop associates with it.
  // False when nothing could be started.
  virtual bool ShellOpen(const QString& path) = 0;

  virtual void Beep() = 0;

  // Carries a drag the mouse started, with its data and the actions it
  // allows, until the user lets go, and returns the action the widget under
  // the mouse took: Qt::IgnoreAction when it refused the drop or nothing of
  // the program was there. Takes the drag, which must have a source.
  virtual Qt::DropAction Drag(QDrag* drag, Qt::DropActions actions) = 0;

  // The current local date and time, and the year of it.
  virtual TYrDateTime Now() = 0;
  int CurrentYear() { return Now().Year; }

  // A random number from 0 to range - 1 (0 when range < 1).
  virtual int Random(int range) = 0;

 protected:
  // caption is never empty here.
  virtual int ShowMessageBox(MsgKind kind, const QString& caption, const QString& text, MsgButtons buttons) = 0;
};

// The desktop the windows talk to.
Desktop& TheDesktop();

// Installs a desktop (not owned) and returns the one installed before;
// nullptr puts the program's own back.
Desktop* SetDesktop(Desktop* desktop);

// The program's own desktop, on Qt's dialogs.
class RealDesktop : public Desktop {
 public:
  RealDesktop();
  int RunModal(QDialog& dialog) override;
  void ShowLongText(const QString& caption, const QString& text) override;
  FileChoice OpenFileName(const FileRequest& request) override;
  FileChoice SaveFileName(const FileRequest& request) override;
  bool PrintDialog(QPrinter& printer, PrintRequest& request) override;
  bool PrinterSetup(QPrinter& printer) override;
  bool PrinterReachable(const QPrinter& printer) override;
  bool ShellOpen(const QString& path) override;
  void Beep() override;
  Qt::DropAction Drag(QDrag* drag, Qt::DropActions actions) override;
  TYrDateTime Now() override;
  int Random(int range) override;

 protected:
  int ShowMessageBox(MsgKind kind, const QString& caption, const QString& text, MsgButtons buttons) override;

 private:
  std::mt19937 random_;
};

// True when a print job on `printer` can go out: output to a file, or a
// printer that the printer system lists at this moment. False without a
// spooler, without a queue, or when the printer's queue is gone.
bool PrinterReachableNow(const QPrinter& printer);

// The Qt name filters for a filter text of pairs ("Text|*.ERG|..."): each
// pattern in both cases, so that "*.ERG" also finds "x.erg"; "*.*" is every
// file.
QStringList QtNameFilters(const QString& filter);

// A file name the desktop gave, as the file layers open it: the system's
// own encoding, case and all kept.
std::string NativePath(const QString& fileName);

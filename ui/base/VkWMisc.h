// Small routines every window shares: the busy state, the routine that shows
// the lower layers' messages, the program's version information and the
// age-class name lists.
//
// InstallWindowRoutines() runs once at start, before any window exists, so
// that what the foundation and the competition core report reaches the user
// from the first moment on. Everything here runs on the GUI thread.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include <QString>
#include <QStringList>

class TWettkampf;

// The name under which participants would be put on the clipboard; usable as
// a QMimeData format. Nothing is stored under it today: participants are
// copied through the document's participant buffer.
inline constexpr char kParticipantClipboardFormat[] = "Tarnwell: Teilnehmer";

// Texts of the activity indicator.
inline constexpr char16_t kBusyText[] = u"Warten";
inline constexpr char16_t kReadyText[] = u"Bereit";

// Points ErrorMsgProc at ReportError.
void InstallWindowRoutines();

// --- busy state

// True: the hourglass cursor and "Warten" in every QLabel named
// "ActivityIndicator"; false: the normal cursor and "Bereit". The label is
// repainted at once, so the text shows before a long operation starts. Not
// counted: one false ends the busy state however often it was switched on.
void SetBusy(bool busy);

// Busy for its lifetime, also when an exception leaves the operation. A
// scope opened while the program is busy already leaves the state alone.
class BusyScope {
 public:
  BusyScope();
  ~BusyScope();
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  bool switched_;
};

// --- messages of the lower layers

// The routine ErrorMsgProc points to. Shows the text (DOS code page, lines
// separated by CR) in an information box with one OK button, with the arrow
// cursor over it even while the program is busy; the cursor before is back
// afterwards. Inside a CommandScope repeated texts are dropped and the texts
// after the tenth different one are held back until the scope ends.
void ReportError(const std::string& msg);

// One command of the user (a menu item, a button, a dropped file). A file or
// an operation can make the lower layers report the same text hundreds of
// times, or a hundred thousand different ones; during a command each
// distinct text is shown once, the first kShownAtOnce at once, the next
// kListedAtEnd together in one scrollable box ("Weitere Meldungen") when the
// command ends, closed by "… und N weitere Meldungen." for the rest.
// Windows open one around each command they run. Scopes nest: an inner scope
// is part of the outer one, except in a modal dialog that the outer command
// opened (ModalRun): what the user does there is a command of its own,
// counted apart, and the outer command goes on counting when it ends.
// Outside any scope every message shows at once.
class CommandScope {
 public:
  static constexpr int kShownAtOnce = 10;
  static constexpr int kListedAtEnd = 100;

  CommandScope();
  ~CommandScope();
  CommandScope(const CommandScope&) = delete;
  CommandScope& operator=(const CommandScope&) = delete;

 private:
  // This scope set the command of a modal dialog's opener aside.
  bool resumes_ = false;
};

// A modal dialog running: the desktops open one around each modal run, so
// that the commands the user gives in the dialog are commands of their own
// (two clicks on the same button report the same text twice).
class ModalRun {
 public:
  ModalRun();
  ~ModalRun();
  ModalRun(const ModalRun&) = delete;
  ModalRun& operator=(const ModalRun&) = delete;
};

// --- version information

struct VersionInfo {
  QString fileVersion;
  QString legalCopyright;
  QString productName;
};

// The version block of the program. A value that is missing stays unset.
struct VersionBlock {
  std::optional<QString> fileVersion;
  std::optional<QString> legalCopyright;
  std::optional<QString> productName;
};

// Where GetVersionInfo reads the block; std::nullopt means a program without
// version information. An empty source restores the program's own block
// (generated from the project version at build time). Returns the previous.
using VersionSource = std::function<std::optional<VersionBlock>()>;
VersionSource SetVersionSource(VersionSource source);

// Fills the three values from the version block; each value the block lacks
// keeps what the caller put in. Without a block, fileVersion becomes
// "keine Versionsangabe vorhanden" and the other two stay as they were.
void GetVersionInfo(VersionInfo& info);

// --- age-class names

// Appends the name of every age class of the competition, in its order,
// converted for the screen; nothing for nullptr. Callers clear the list first.
void FillAgeClassNames(const TWettkampf* competition, QStringList& names);

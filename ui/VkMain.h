// The program's one main window ("MainForm"): menus, speed bar, pop-up
// menus, the two header labels, one tab per age class over the participant
// grid, and the status line. Every request of the user enters here; each
// command either calls one operation of the open document (TVkFile) or acts
// on the grid. The window holds no competition data: after every change the
// document reports (TVkFile::Changed) it refreshes header, tabs, grid and
// status line as a whole, and it asks the document for the current age class
// and participant anew each time.
//
// Commands: one QAction per command, named after its menu item
// ("FileOpenItem", "EditCutItem", ...), shared by the menu, the pop-up menus
// and the speed bar, so each shortcut is bound once; commands without a
// visible menu item (the heat viewer, staff, next and previous age class)
// are actions of the window. Each command runs inside a CommandScope.
// Enabled states are recomputed in one place (UpdateActions) whenever the
// document or the current cell changes.
//
// Ownership: the window owns the document (one per opened file) and the find
// dialog. Start() creates the first document; until then no command does
// anything. GUI thread only.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include <QKeySequence>
#include <QList>
#include <QMainWindow>
#include <QString>

class HintTracker;
class QAction;
class QLabel;
class QMenu;
class QTabBar;
class TAltersklasse;
class TDrawGrid;
class TFindDialog;
class TSpeedBar;
class TTeilnehmer;
class TVkFile;

// Set when the main window is created, from the program's version block:
// the product name ("Vk Brantovex"), the application title (the product
// name directly followed by the file version, "Vk Brantovex2007.0.0.1"; the
// name a desktop shows for the minimised window) and the copyright line.
extern QString ProductNameText;
extern QString AppTitleText;
extern QString CopyrightText;

// The rules documents found beside the program; empty when missing.
struct RulesFiles {
  QString help1999;   // the program's name with ".HLP", else "REGELW99.HLP"
  QString rules2007;  // "REGELW07.PDF", else the program's name with ".PDF"
};
RulesFiles FindRulesFiles(const QString& programPath);

class TMainForm : public QMainWindow {
  Q_OBJECT

 public:
  // programPath: where the rules documents are looked for (beside it); empty
  // means the running program.
  explicit TMainForm(QWidget* parent = nullptr, const QString& programPath = QString());
  ~TMainForm() override;

  // Opens the first argument when it names an existing file, else starts a
  // new competition.
  void Start(const QStringList& arguments);

  // --- files (each asks about unsaved changes where it replaces the document)
  void OpenFile(const QString& name);
  void NewFile(uint16_t kind, uint16_t year);
  void PrintFile();
  void ImportFile();

  // --- state
  TVkFile* Document() const { return document_.get(); }
  // The document's age class of the current tab; nullptr when there is none.
  TAltersklasse* CurrentAgeClass() const;
  // The participant of the grid's current row; nullptr on the empty row.
  TTeilnehmer* CurrentParticipant() const;
  TDrawGrid* Grid() const { return grid_; }
  TFindDialog* FindDialog();
  // The command of that object name; nullptr when none.
  QAction* Action(const char* name) const;
  QMenu* PopupMenu() const { return gridPopup_; }
  TSpeedBar* SpeedBar() const { return speedBar_; }

  // --- refresh
  void RefreshAll();
  void ShowHeader();
  void ShowAgeClassTabs();
  void ShowGrid();
  void ShowStatus();
  void UpdateActions();
  // Moves the grid to the participant's row of the current class.
  void SelectTn(const TTeilnehmer* participant, bool wholeRow);
  void StepAgeClass(bool forward);

  // --- the handlers of the commands that act on the grid
  void EditCopyItemClick();
  void EditNewItemClick();
  void EditEditItemClick();
  void FindDialogFind();

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  // needsDocument: skipped while there is no document.
  QAction* AddCommand(const char* name, const QString& caption, const QString& hint, QList<QKeySequence> keys,
                      std::function<void()> run, bool needsDocument = true);
  void RunCommand(const std::function<void()>& run, bool needsDocument);
  // One command per menu item, by menu.
  void CreateCommands();
  void CreateFileCommands();
  void CreateEditCommands();
  void CreateCompetitionCommands();
  void CreateHelpCommands();
  void CreatePopupCommands();
  void CreateMenus();
  void CreateSpeedBar();
  void CreateCentre();
  void CreateStatusPanel();
  void SetCaption();
  void SetDocument(std::unique_ptr<TVkFile> document);
  // The status line's text for a hint (of a control or a menu item).
  void ShowHint(const QString& hint);
  void Help1999();
  void Help2007();

  std::unique_ptr<TVkFile> document_;
  int currentTab_ = 0;
  RulesFiles rules_;

  QLabel* titleLabel_ = nullptr;
  QLabel* organiserLabel_ = nullptr;
  QTabBar* ageTabSet_ = nullptr;
  TDrawGrid* grid_ = nullptr;
  QLabel* statusLine_ = nullptr;
  QLabel* infoIndicator_ = nullptr;
  QLabel* modifiedIndicator_ = nullptr;
  QLabel* activityIndicator_ = nullptr;
  TSpeedBar* speedBar_ = nullptr;
  QMenu* gridPopup_ = nullptr;
  QMenu* windowPopup_ = nullptr;
  QAction* help99Separator_ = nullptr;
  TFindDialog* findDialog_ = nullptr;
  HintTracker* hintTracker_ = nullptr;
  // Captions the grid pop-up shows for commands it shares with the menus.
  std::vector<std::pair<QAction*, QString>> popupCaptions_;
  std::vector<std::pair<QAction*, QString>> menuCaptions_;
};

#include "VkMain.h"

#include <algorithm>
#include <utility>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabBar>
#include <QVBoxLayout>

#include "About.h"
#include "Desktop.h"
#include "FindDlg.h"
#include "Hints.h"
#include "OemText.h"
#include "ParticipantGrid.h"
#include "RadioGroup.h"
#include "SpeedBar.h"
#include "Tips.h"
#include "VkAltersk.h"
#include "VkFile.h"
#include "VkWMisc.h"
#include "VkWNeu.h"
#include "VkWPrn.h"
#include "VkWettk.h"
#include "YrPrnDev.h"

namespace {

// The window's hint: the program's short name, the year, the holder.
constexpr char16_t kCopyright[] = u"Kiv 2007 © Tarnwell. Alle Rechte vorbehalten.";

constexpr char16_t kOpenTitle[] = u"Wettkampf öffnen";
constexpr char16_t kOpenFilter[] = u"Ergebnisdateien (*.ERG)|*.ERG|Alle Dateien (*.*)|*.*";
constexpr char16_t kImportTitle[] = u"Datei importieren";
constexpr char16_t kImportFilter[] =
    u"Ergebnisdateien (*.ERG)|*.ERG|Textdateien (*.TXT;*.CSV)|*.TXT;*.CSV|Alle Dateien (*.*)|*.*";

QString Text(const char16_t* text) { return QString::fromUtf16(text); }

QKeySequence Key(QKeyCombination key) { return QKeySequence(key); }
QKeySequence Alt(Qt::Key key) { return Key(Qt::ALT | key); }
QKeySequence Ctrl(Qt::Key key) { return Key(Qt::CTRL | key); }

QString FirstFile(std::initializer_list<QString> candidates) {
  for (const QString& c : candidates)
    if (QFileInfo(c).isFile()) return c;
  return QString();
}

}  // namespace

QString ProductNameText;
QString AppTitleText;
QString CopyrightText;

RulesFiles FindRulesFiles(const QString& programPath) {
  const QFileInfo program(programPath);
  const QString dir = program.absolutePath() + u'/';
  // The program's own name with its extension (none on Linux) replaced.
  const QString own = dir + program.completeBaseName();
  return {FirstFile({own + QStringLiteral(".HLP"), dir + QStringLiteral("REGELW99.HLP")}),
          FirstFile({dir + QStringLiteral("REGELW07.PDF"), own + QStringLiteral(".PDF")})};
}

TMainForm::TMainForm(QWidget* parent, const QString& programPath) : QMainWindow(parent) {
  setObjectName(QStringLiteral("MainForm"));
  VersionInfo version;
  GetVersionInfo(version);
  ProductNameText = version.productName;
  AppTitleText = version.productName + version.fileVersion;
  CopyrightText = Text(kCopyright);
  // The application's title is what the desktop shows for the minimised
  // window (the X11 icon name); the caption stays "Vk Brantovex - file".
  setWindowIconText(AppTitleText);
  // The window's hint, shown over its labels, its status panel and
  // wherever no control has a hint of its own.
  SetHint(this, CopyrightText, false);
  setMinimumSize(200, 150);

  CreateCommands();
  CreateMenus();
  CreateSpeedBar();
  CreateCentre();
  CreateStatusPanel();

  rules_ = FindRulesFiles(programPath.isEmpty() ? QCoreApplication::applicationFilePath() : programPath);
  for (auto [name, path] : {std::pair{"HelpRegelwerk99Item", rules_.help1999},
                            std::pair{"HelpRegelwerk07Item", rules_.rules2007}}) {
    Action(name)->setVisible(!path.isEmpty());
    Action(name)->setEnabled(!path.isEmpty());
  }
  help99Separator_->setVisible(!rules_.help1999.isEmpty() || !rules_.rules2007.isEmpty());

  setAcceptDrops(true);
  SetCaption();
  resize(1000, 680);
  grid_->setFocus();
  UpdateActions();
}

TMainForm::~TMainForm() {
  // The child widgets go after this object's members: they must neither
  // call back into the window nor read the document once it is gone.
  for (QObject* child : std::initializer_list<QObject*>{grid_, ageTabSet_, gridPopup_, windowPopup_})
    child->disconnect(this);
  SetDocument(nullptr);
}

// --- building the window

QAction* TMainForm::AddCommand(const char* name, const QString& caption, const QString& hint,
                               QList<QKeySequence> keys, std::function<void()> run, bool needsDocument) {
  auto* action = new QAction(caption, this);
  action->setObjectName(QString::fromLatin1(name));
  action->setStatusTip(hint);
  action->setShortcuts(keys);
  action->setShortcutContext(Qt::WindowShortcut);
  // Every command belongs to the window, so its shortcut works whether or not
  // a menu shows it.
  addAction(action);
  connect(action, &QAction::triggered, this,
          [this, run = std::move(run), needsDocument] { RunCommand(run, needsDocument); });
  return action;
}

void TMainForm::RunCommand(const std::function<void()>& run, bool needsDocument) {
  if (needsDocument && !document_) return;
  CommandScope scope;
  run();
}

void TMainForm::CreateCommands() {
  CreateFileCommands();
  CreateEditCommands();
  CreateCompetitionCommands();
  CreateHelpCommands();
  CreatePopupCommands();
}

void TMainForm::CreateFileCommands() {
  AddCommand("FileNewItem", Text(u"&Neu..."), Text(u"Neuen Wettkampf anlegen"), {}, [this] {
    TFileNewDlg dlg(this);
    dlg.SetYear(TheDesktop().CurrentYear());
    if (TheDesktop().RunModal(dlg) != mrCancel) NewFile(dlg.Kind(), dlg.Year());
  });
  AddCommand("FileOpenItem", Text(u"Ö&ffnen..."), Text(u"Existierende Wettkampfdatei öffnen"), {Key(Qt::Key_F3)},
             [this] {
               FileRequest request;
               request.title = Text(kOpenTitle);
               request.filter = Text(kOpenFilter);
               request.defaultExt = QStringLiteral("ERG");
               const FileChoice choice = TheDesktop().OpenFileName(request);
               if (choice.ok) OpenFile(choice.fileName);
             });
  AddCommand("FileSaveItem", Text(u"&Speichern"), Text(u"Wettkampfdatei speichern"), {Key(Qt::Key_F2)},
             [this] { document_->Save(); });
  AddCommand("FileSaveAsItem", Text(u"&Speichern unter..."), Text(u"Wettkampf in einer anderen Datei speichern"), {},
             [this] { document_->SaveWithDialog(); });
  AddCommand("FilePrintItem", Text(u"&Drucken..."), Text(u"Drucken"), {Key(Qt::Key_F4)}, [this] { PrintFile(); });
  AddCommand(
      "FilePrintSetupItem", Text(u"Drucker &einrichten..."), Text(u"Drucker einrichten"), {},
      [] { TheDesktop().PrinterSetup(CurrentPrinter()); }, false);
  AddCommand(
      "FileExitItem", Text(u"&Beenden"), Text(u"Programm beenden"), {Alt(Qt::Key_X)}, [this] { close(); }, false);
}

void TMainForm::CreateEditCommands() {
  AddCommand("EditCutItem", Text(u"&Ausschneiden"), Text(u"In die Zwischenablage verschieben"),
             {Ctrl(Qt::Key_Delete)}, [this] {
               TTeilnehmer* p = CurrentParticipant();
               if (!p) return;
               EditCopyItemClick();
               document_->DeleteParticipant(p, CurrentAgeClass(), false);
             });
  AddCommand("EditCopyItem", Text(u"&Kopieren"), Text(u"In die Zwischenablage kopieren"), {Ctrl(Qt::Key_Insert)},
             [this] { EditCopyItemClick(); });
  AddCommand("EditPasteItem", Text(u"&Einfügen"), Text(u"Aus der der Zwischenablage einfügen"),
             {Key(Qt::SHIFT | Qt::Key_Insert)}, [this] { document_->PasteParticipant(CurrentAgeClass()); });
  AddCommand("EditDelItem", Text(u"&Löschen"), Text(u"Löschen des markierten Objekts"), {Key(Qt::Key_Delete)},
             [this] { document_->DeleteParticipant(CurrentParticipant(), CurrentAgeClass(), true); });
  AddCommand("EditFindItem", Text(u"&Suchen..."), Text(u"Teilnehmer bzw. Mannschaft suchen"), {Ctrl(Qt::Key_S)},
             [this] { FindDialog()->Open(); });
  AddCommand("EditNewItem", Text(u"Teil&nehmer einfügen..."),
             Text(u"Neuen Teilnehmer bzw. neue Mannschaft in die Altersklasse einfügen"), {Key(Qt::Key_Insert)},
             [this] { EditNewItemClick(); });
  AddCommand("EditEditItem", Text(u"&Teilnehmerdaten bearbeiten...    "),
             Text(u"Daten des aktuellen Teilnehmers bzw. der akt. Mannschaft bearbeiten"),
             {Key(Qt::Key_Return), Key(Qt::Key_Enter)}, [this] { EditEditItemClick(); });
  AddCommand("EditLaufItem", Text(u"Lau&f anzeigen..."), QString(), {Key(Qt::CTRL | Qt::ALT | Qt::Key_L)},
             [this] { document_->ShowHeats(); });
}

void TMainForm::CreateCompetitionCommands() {
  AddCommand("WettkampfDatenItem", Text(u"&Wettkampfdaten...     "), Text(u"Wettkampfdaten eingeben"),
             {Alt(Qt::Key_W)}, [this] { document_->EditCompetitionData(); });
  AddCommand("WettkampfAltersklassenItem", Text(u"&Altersklassen..."), Text(u"Altersklassen festlegen"),
             {Alt(Qt::Key_A)}, [this] { document_->EditAgeClasses(currentTab_); });
  AddCommand("WettkampfGliederungenItem", Text(u"&Gliederungen..."), Text(u"Gliederungen eingeben"),
             {Alt(Qt::Key_G)}, [this] { document_->EditOrganisations(); });
  AddCommand("WettkampfRekordeItem", Text(u"&Rekorde..."), Text(u"Rekordverwaltung aufrufen"), {Alt(Qt::Key_R)},
             [this] { document_->EditRecords(currentTab_); });
  AddCommand("WettkampfPersonalItem", Text(u"Personal..."), QString(), {Alt(Qt::Key_P)},
             [this] { document_->EditStaff(); });
  AddCommand("WettkampfQualifikationItem", Text(u"&Qualifikation..."),
             Text(u"Automatische Qualifikation durchführen"), {Alt(Qt::Key_Q)}, [this] { document_->Qualify(); });
  AddCommand("WettkampfLaufbesetzungItem", Text(u"&Laufbesetzung..."),
             Text(u"Automatische Laufbesetzung durchführen"), {Alt(Qt::Key_L)}, [this] { document_->AssignHeats(); });
  AddCommand("WettkampfZuruecksetzenItem", Text(u"&Zurücksetzen..."), Text(u"Eingaben auf Ursprungswert setzen"),
             {Alt(Qt::Key_Z)}, [this] { document_->ResetResults(); });
  AddCommand("WettkampfStreichenItem", Text(u"&Streichen..."), Text(u"Löschen bestimmter Teilnehmer"),
             {Alt(Qt::Key_S)}, [this] { document_->StrikeParticipants(); });
  AddCommand("WettkampfHLWItem", Text(u"HLW Laufeinteilung..."),
             Text(u"Automatische Laufeinteilung für die HLW durchführen"), {},
             [this] { document_->AssignCprHeats(); });
}

void TMainForm::CreateHelpCommands() {
  AddCommand(
      "HelpRegelwerk99Item", Text(u"&Regelwerk 1999...     "), Text(u"Informationen zum Regelwerk 1999 der KRVB"),
      {Ctrl(Qt::Key_9)}, [this] { Help1999(); }, false);
  AddCommand(
      "HelpRegelwerk07Item", Text(u"&Regelwerk 2007...     "), Text(u"Informationen zum Regelwerk 1999 der KRVB"),
      {Ctrl(Qt::Key_R)}, [this] { Help2007(); }, false);
  AddCommand(
      "HelpTipsItem", Text(u"&Tips und Tricks..."), Text(u"Tips und Tricks zum Programm anzeigen"), {Alt(Qt::Key_T)},
      [this] { ShowTips(this); }, false);
  AddCommand(
      "HelpAboutItem", Text(u"Inf&o..."), Text(u"Info über das Programm"), {}, [this] { ShowAboutBox(this); }, false);
}

// The pop-up menus' own commands and the keys of the grid.
void TMainForm::CreatePopupCommands() {
  AddCommand("AltersklasseEinfuegenItem", Text(u"Altersklasse einfügen..."),
             Text(u"Neue Alterklasse in den Wettkampf aufnehmen"), {Alt(Qt::Key_Insert)},
             [this] { document_->NewAgeClass(CurrentAgeClass()); });
  AddCommand("AltersklasseBearbeitenItem", Text(u"Altersklassendaten bearbeiten..."),
             Text(u"Einstellungen der gewählten Altersklasse ändern"), {Alt(Qt::Key_Return), Alt(Qt::Key_Enter)},
             [this] { document_->EditAgeClass(CurrentAgeClass()); });
  AddCommand("AltersklasseLoeschenItem", Text(u"Altersklasse löschen..."), Text(u"Gewählte Altersklasse löschen"),
             {Alt(Qt::Key_Delete)}, [this] { document_->DeleteAgeClass(CurrentAgeClass()); });
  // The grid's and the window's pop-up each have their own item and key.
  AddCommand("ImportItem", Text(u"Importieren..."), Text(u"Datei importieren"), {Ctrl(Qt::Key_I)},
             [this] { ImportFile(); });
  AddCommand("Import1Item", Text(u"Importieren..."), Text(u"Datei importieren"), {Ctrl(Qt::Key_F3)},
             [this] { ImportFile(); });
  // The next and the previous age class.
  AddCommand("NextAgeClassKey", QString(), QString(), {Alt(Qt::Key_N)}, [this] { StepAgeClass(true); });
  AddCommand("PrevAgeClassKey", QString(), QString(), {Alt(Qt::Key_V)}, [this] { StepAgeClass(false); });
}

void TMainForm::CreateMenus() {
  auto add = [this](QMenu* menu, std::initializer_list<const char*> names) {
    for (const char* name : names) {
      if (name)
        menu->addAction(Action(name));
      else
        menu->addSeparator();
    }
  };
  auto newMenu = [this](const QString& title, const QString& hint, const char* name) {
    QMenu* menu = menuBar()->addMenu(title);
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setStatusTip(hint);
    return menu;
  };
  // "Wett&kampf": Alt+W is the shortcut of the competition data, so the menu
  // takes the next free letter of its name.
  add(newMenu(Text(u"&Datei"), Text(u"Dateibefehle"), "FileMenu"),
      {"FileNewItem", "FileOpenItem", "FileSaveItem", "FileSaveAsItem", nullptr, "FilePrintItem",
       "FilePrintSetupItem", nullptr, "FileExitItem"});
  add(newMenu(Text(u"&Bearbeiten"), Text(u"Befehle zum Bearbeiten"), "EditMenu"),
      {"EditCutItem", "EditCopyItem", "EditPasteItem", "EditDelItem", nullptr, "EditFindItem", nullptr, "EditNewItem",
       "EditEditItem"});
  add(newMenu(Text(u"Wett&kampf"), Text(u"Wettkampfbezogene Befehle"), "WettkampfMenu"),
      {"WettkampfDatenItem", "WettkampfAltersklassenItem", "WettkampfGliederungenItem", "WettkampfRekordeItem",
       nullptr, "WettkampfQualifikationItem", "WettkampfLaufbesetzungItem", nullptr, "WettkampfZuruecksetzenItem",
       "WettkampfStreichenItem", "WettkampfHLWItem"});
  QMenu* help = newMenu(Text(u"&Hilfe"), Text(u"Hilfe zum Programm"), "HelpMenu");
  add(help, {"HelpRegelwerk99Item", "HelpRegelwerk07Item"});
  help99Separator_ = help->addSeparator();
  add(help, {"HelpTipsItem", "HelpAboutItem"});

  gridPopup_ = new QMenu(this);
  gridPopup_->setObjectName(QStringLiteral("PopupMenu"));
  add(gridPopup_, {"EditNewItem", "EditEditItem", "EditDelItem", nullptr, "AltersklasseEinfuegenItem",
                   "AltersklasseBearbeitenItem", "AltersklasseLoeschenItem", nullptr, "WettkampfDatenItem",
                   "WettkampfAltersklassenItem", "WettkampfGliederungenItem", "WettkampfRekordeItem", nullptr,
                   "ImportItem"});
  windowPopup_ = new QMenu(this);
  windowPopup_->setObjectName(QStringLiteral("PopupMenu1"));
  add(windowPopup_, {"WettkampfDatenItem", "WettkampfAltersklassenItem", "WettkampfGliederungenItem",
                    "WettkampfRekordeItem", nullptr, "Import1Item"});

  // The pop-ups name some shared commands their own way; the action shows
  // the pop-up's caption while a pop-up is open.
  for (auto [name, caption] : {std::pair{"EditNewItem", u"Teilnehmer &einfügen..."},
                               std::pair{"EditEditItem", u"Teilnehmerdaten &bearbeiten..."},
                               std::pair{"EditDelItem", u"Teilnehmer &löschen..."},
                               std::pair{"WettkampfDatenItem", u"&Wettkampfdaten..."}})
    popupCaptions_.emplace_back(Action(name), Text(caption));
  for (QMenu* popup : {gridPopup_, windowPopup_}) {
    connect(popup, &QMenu::aboutToShow, this, [this] {
      menuCaptions_.clear();
      for (auto& [action, caption] : popupCaptions_) {
        menuCaptions_.emplace_back(action, action->text());
        action->setText(caption);
      }
    });
    connect(popup, &QMenu::aboutToHide, this, [this] {
      for (auto& [action, caption] : menuCaptions_) action->setText(caption);
      menuCaptions_.clear();
    });
  }
}

void TMainForm::CreateSpeedBar() {
  speedBar_ = new TSpeedBar(this);
  addToolBar(speedBar_);
  for (const char* section : {"Datei", "Bearbeiten", "Wettkampf", "Optionen", "Fenster", "Hilfe"})
    speedBar_->AddSection(QString::fromLatin1(section));
  // In the order of the bar; hints are "tool tip|status line".
  const struct {
    int section;
    const char* button;
    const char* command;
    const char16_t* caption;
    const char16_t* hint;
    bool shown;  // on the bar at start
  } kButtons[] = {
      {0, "FileNewBtn", "FileNewItem", u"Neu", u"Neue Datei anlegen|", true},
      {0, "FileOpenBtn", "FileOpenItem", u"Öffnen", u"Datei öffnen|", true},
      {0, "FileSaveBtn", "FileSaveItem", u"Speichern", u"Datei speichern|", true},
      {0, "FilePrintSetupBtn", "FilePrintSetupItem", u"Druckereinrichtung", u"Drucker einrichten|", true},
      {0, "FilePrintBtn", "FilePrintItem", u"Drucken", u"Datei drucken|", true},
      {0, "FileExitBtn", "FileExitItem", u"Beenden", u"Beenden|", true},
      {1, "EditCutBtn", "EditCutItem", u"Ausschneiden", u"Ausschneiden|", true},
      {1, "EditCopyBtn", "EditCopyItem", u"Kopieren", u"Kopieren|", true},
      {1, "EditPasteBtn", "EditPasteItem", u"Einfügen", u"Einfügen|", true},
      {1, "EditDeleteBtn", "EditDelItem", u"Löschen", u"Löschen des markierten Objekts", false},
      {1, "EditFindBtn", "EditFindItem", u"Suchen", u"Suchen|", true},
      {2, "WettkampfDatenBtn", "WettkampfDatenItem", u"Wettkampfdaten", u"Wettkampfdaten|", true},
      {3, "EinstellungenBtn", "WettkampfDatenItem", u"Einstellungen", u"Wettkampfdaten eingeben", false},
      {5, "HelpRegelwerk99Btn", "HelpRegelwerk99Item", u"Regelwerk 1999", u"Informationen zum Regelwerk 1999 der KRVB",
       false},
      {5, "HelpAboutBtn", "HelpAboutItem", u"Über", u"Über|", true},
  };
  for (const auto& b : kButtons)
    speedBar_->AddButton(b.section, b.button, Text(b.caption), Text(b.hint), Action(b.command), b.shown);
}

void TMainForm::CreateCentre() {
  auto* centre = new QWidget;
  centre->setObjectName(QStringLiteral("Centre"));
  auto* layout = new QVBoxLayout(centre);
  layout->setContentsMargins(0, 4, 0, 0);
  layout->setSpacing(2);

  titleLabel_ = new QLabel;
  titleLabel_->setObjectName(QStringLiteral("Label1"));
  QFont titleFont = titleLabel_->font();
  titleFont.setBold(true);
  titleFont.setPointSizeF(titleFont.pointSizeF() * 1.2);
  titleLabel_->setFont(titleFont);
  organiserLabel_ = new QLabel;
  organiserLabel_->setObjectName(QStringLiteral("Label2"));
  for (QLabel* l : {titleLabel_, organiserLabel_}) {
    l->setAlignment(Qt::AlignCenter);
    l->setTextFormat(Qt::PlainText);
    l->installEventFilter(this);
    layout->addWidget(l);
  }

  ageTabSet_ = new QTabBar;
  ageTabSet_->setObjectName(QStringLiteral("AgeTabSet"));
  ageTabSet_->setExpanding(false);
  ageTabSet_->setUsesScrollButtons(true);
  ageTabSet_->setDrawBase(false);
  ageTabSet_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(ageTabSet_, &QTabBar::currentChanged, this, [this](int index) {
    if (index >= 0) currentTab_ = index;
    ShowGrid();
    ShowStatus();
  });
  connect(ageTabSet_, &QTabBar::tabBarDoubleClicked, this, [this](int) {
    if (QApplication::mouseButtons() & Qt::RightButton) return;
    RunCommand([this] { document_->EditAgeClass(CurrentAgeClass()); }, true);
  });
  connect(ageTabSet_, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& pos) { gridPopup_->exec(ageTabSet_->mapToGlobal(pos)); });
  layout->addWidget(ageTabSet_);

  grid_ = new TDrawGrid;
  grid_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(grid_, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& pos) { gridPopup_->exec(grid_->viewport()->mapToGlobal(pos)); });
  connect(grid_, &TDrawGrid::CurrentCellChanged, this, &TMainForm::ShowStatus);
  connect(grid_, &TDrawGrid::EditRequested, this, [this] { RunCommand([this] { EditEditItemClick(); }, true); });
  layout->addWidget(grid_, 1);
  setCentralWidget(centre);
}

void TMainForm::CreateStatusPanel() {
  QStatusBar* panel = statusBar();
  panel->setObjectName(QStringLiteral("StatusPanel"));
  auto newPanel = [panel](const char* name, const QString& text, int minWidth, int stretch) {
    auto* label = new QLabel(text);
    label->setObjectName(QString::fromLatin1(name));
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setMinimumWidth(minWidth);
    label->setTextFormat(Qt::PlainText);
    panel->addPermanentWidget(label, stretch);
    return label;
  };
  statusLine_ = newPanel("StatusLine", QString(), 0, 1);
  infoIndicator_ = newPanel("InfoIndicator", QString(), 90, 0);
  infoIndicator_->setAlignment(Qt::AlignCenter);
  modifiedIndicator_ = newPanel("ModifiedIndicator", QString(), 80, 0);
  modifiedIndicator_->setAlignment(Qt::AlignCenter);
  activityIndicator_ = newPanel("ActivityIndicator", Text(kReadyText), 70, 0);
  activityIndicator_->setAlignment(Qt::AlignCenter);
  // The application's hint, for the control under the mouse in any window.
  hintTracker_ = new HintTracker(this);
  connect(hintTracker_, &HintTracker::HintChanged, this, &TMainForm::ShowHint);
}

void TMainForm::ShowHint(const QString& hint) {
  // One line: a hint of several lines (the status codes of a deduction) is
  // read along it.
  statusLine_->setText(QString(hint).replace(u'\n', u' '));
}

// --- state

QAction* TMainForm::Action(const char* name) const {
  return findChild<QAction*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
}

TAltersklasse* TMainForm::CurrentAgeClass() const {
  return document_ ? document_->AgeClass(currentTab_) : nullptr;
}

TTeilnehmer* TMainForm::CurrentParticipant() const {
  TAltersklasse* ak = CurrentAgeClass();
  const int row = grid_->Row();
  return ak && row >= 1 && row <= ak->GetCount() ? ak->At(row - 1) : nullptr;
}

TFindDialog* TMainForm::FindDialog() {
  if (!findDialog_) {
    findDialog_ = new TFindDialog(this);
    connect(findDialog_, &TFindDialog::Find, this, [this] { RunCommand([this] { FindDialogFind(); }, true); });
  }
  return findDialog_;
}

// --- files

void TMainForm::SetDocument(std::unique_ptr<TVkFile> document) {
  // The grid lets go of the old document before it goes.
  grid_->ShowAgeClass(nullptr, 0);
  document_ = std::move(document);
  if (document_) connect(document_.get(), &TVkFile::Changed, this, &TMainForm::RefreshAll);
}

void TMainForm::Start(const QStringList& arguments) {
  QString name = TVkFile::Unnamed();
  if (!arguments.isEmpty() && QFileInfo(arguments.first()).isFile()) name = arguments.first();
  RunCommand([&] { OpenFile(name); }, false);
}

void TMainForm::OpenFile(const QString& name) {
  if (document_ && !document_->ModifiedQueryOk()) return;
  SetDocument(nullptr);
  SetDocument(std::make_unique<TVkFile>(this, name));
  currentTab_ = 0;
  RefreshAll();
}

void TMainForm::NewFile(uint16_t kind, uint16_t year) {
  if (!document_ || !document_->ModifiedQueryOk()) return;
  currentTab_ = 0;
  document_->New(kind, year);
  RefreshAll();
}

void TMainForm::PrintFile() {
  if (!document_) return;
  TDruckenDlg dlg(this);
  dlg.TeilnehmerRadioGroup()->SetItemIndex(2);
  dlg.TeilnehmerWasEdit()->setCurrentIndex(2);
  const GridRect marked = grid_->Selection();
  dlg.Setup(*document_->Competition(), currentTab_, grid_->Row() - 1, marked.top - 1, marked.bottom - 1);
  TheDesktop().RunModal(dlg);
}

void TMainForm::ImportFile() {
  if (!document_) return;
  FileRequest request;
  request.title = Text(kImportTitle);
  request.filter = Text(kImportFilter);
  request.defaultExt = QStringLiteral("ERG");
  const FileChoice choice = TheDesktop().OpenFileName(request);
  if (!choice.ok) return;
  currentTab_ = 0;
  document_->Import(choice.fileName,
                    choice.filterIndex == 1 ? TVkFile::ImportKind::Merge : TVkFile::ImportKind::Text);
  RefreshAll();
}

void TMainForm::Help1999() {
  if (rules_.help1999.isEmpty() || !TheDesktop().ShellOpen(rules_.help1999))
    TheDesktop().Inform(QStringLiteral("Regelwerk 1999 nicht verfügbar."));
}

void TMainForm::Help2007() {
  if (rules_.rules2007.isEmpty() || !TheDesktop().ShellOpen(rules_.rules2007))
    TheDesktop().Inform(QStringLiteral("Regelwerk 2007 nicht verfügbar."));
}

// --- refresh

void TMainForm::SetCaption() {
  setWindowTitle(ProductNameText + QStringLiteral(" - ") + (document_ ? document_->FileName() : TVkFile::Unnamed()));
}

void TMainForm::RefreshAll() {
  ShowHeader();
  ShowAgeClassTabs();
  ShowGrid();
  ShowStatus();
}

void TMainForm::ShowHeader() {
  SetCaption();
  if (!document_) return;
  const TWettkampf& w = *document_->Competition();
  titleLabel_->setText(FromOem(w.Header().Title()) + QStringLiteral(" - ") +
                   (w.IsIndividual() ? QStringLiteral("Einzelwettbewerbe") : QStringLiteral("Mannschaftswettbewerbe")));
  organiserLabel_->setText(FromOem(w.Header().Organiser()));
}

void TMainForm::ShowAgeClassTabs() {
  QStringList names;
  if (document_) FillAgeClassNames(document_->Competition(), names);
  const QSignalBlocker blocker(ageTabSet_);
  ageTabSet_->setUpdatesEnabled(false);
  while (ageTabSet_->count() > 0) ageTabSet_->removeTab(0);
  // An "&" in a name is text, not a key.
  for (QString name : names) ageTabSet_->addTab(name.replace(u'&', QStringLiteral("&&")));
  currentTab_ = std::max(0, std::min(currentTab_, ageTabSet_->count() - 1));
  ageTabSet_->setCurrentIndex(currentTab_);
  ageTabSet_->setUpdatesEnabled(true);
}

void TMainForm::ShowGrid() { grid_->ShowAgeClass(document_.get(), currentTab_); }

void TMainForm::ShowStatus() {
  if (document_) {
    modifiedIndicator_->setText(document_->Modified() ? QStringLiteral("Geändert") : QString());
    const TAltersklasse* ak = CurrentAgeClass();
    const int n = ak ? ak->GetCount() : 0;
    const int total = document_->Competition()->ParticipantCount();
    const int row = grid_->Row();
    infoIndicator_->setText(n > 0 && row >= 1 && row - 1 < n ? QStringLiteral("%1/%2/%3").arg(row).arg(n).arg(total)
                                                             : QStringLiteral("%1/%2").arg(n).arg(total));
    // The grid names the class it shows, the tabs ask for another; the
    // status line shows either while the mouse is over it. Without a class
    // neither has a hint of its own, and the window's shows there.
    const QString hint = ak ? QStringLiteral("Anzeige der Altersklasse %1 (%2 - %3)")
                                  .arg(FromOem(ak->Name()))
                                  .arg(ak->FirstYear())
                                  .arg(ak->LastYear())
                            : QString();
    SetHint(grid_, hint, false);
    SetHint(ageTabSet_, hint.isEmpty() ? QString() : QStringLiteral("Altersklasse auswählen|") + hint, false);
  }
  UpdateActions();
}

void TMainForm::UpdateActions() {
  const bool hasClass = CurrentAgeClass() != nullptr;
  const bool hasParticipant = CurrentParticipant() != nullptr;
  for (const char* name : {"EditCutItem", "EditCopyItem", "EditDelItem", "EditEditItem"})
    Action(name)->setEnabled(hasParticipant);
  // Without an age class nothing can be pasted, inserted or edited in one;
  // a class can always be added.
  for (const char* name : {"EditPasteItem", "EditNewItem", "AltersklasseBearbeitenItem", "AltersklasseLoeschenItem"})
    Action(name)->setEnabled(hasClass);
}

void TMainForm::SelectTn(const TTeilnehmer* participant, bool wholeRow) {
  const TAltersklasse* ak = CurrentAgeClass();
  if (!ak || !participant || ak->GetCount() == 0) return;
  int index = 0;
  for (int i = 0; i < ak->GetCount(); ++i)
    if (ak->At(i) == participant) index = i;
  if (wholeRow)
    grid_->SelectRow(index + 1);
  else
    grid_->SetCurrent(index + 1, grid_->Col());
  ShowStatus();
}

void TMainForm::StepAgeClass(bool forward) {
  const int count = ageTabSet_->count();
  if (count == 0) return;
  int index = currentTab_ + (forward ? 1 : -1);
  if (index >= count) index = 0;
  if (index < 0) index = count - 1;
  currentTab_ = index;
  {
    const QSignalBlocker blocker(ageTabSet_);
    ageTabSet_->setCurrentIndex(index);
  }
  ShowGrid();
  ShowStatus();
}

// --- commands on the grid

void TMainForm::EditCopyItemClick() {
  QGuiApplication::clipboard()->setText(grid_->SelectionText());
  TVkFile::CopyParticipant(CurrentParticipant());
}

void TMainForm::EditNewItemClick() {
  if (!document_) return;
  if (TTeilnehmer* p = document_->NewParticipant(CurrentAgeClass())) SelectTn(p, false);
}

void TMainForm::EditEditItemClick() {
  TAltersklasse* ak = CurrentAgeClass();
  if (!ak) return;
  if (ak->GetCount() == 0 || grid_->Row() > ak->GetCount()) {
    EditNewItemClick();
    return;
  }
  TTeilnehmer* p = CurrentParticipant();
  if (p && document_->ChangeParticipant(p, ak)) SelectTn(p, false);
}

void TMainForm::FindDialogFind() {
  TFindDialog* dlg = FindDialog();
  uint8_t options = 0;
  if (!dlg->Down()) options |= 1;
  if (dlg->WholeWord()) options |= TTeilnehmer::kMatchWhole;
  if (dlg->MatchCase()) options |= TTeilnehmer::kMatchKeepCase;
  int row = grid_->Row() - 1;
  int classIndex = ageTabSet_->currentIndex();
  const TTeilnehmer* found =
      document_->Competition()->FindParticipant(ToOem(dlg->FindText(), 255), options, row, classIndex);
  if (!found) {
    TheDesktop().Inform(QStringLiteral("Suchtext '%1' nicht gefunden.").arg(dlg->FindText()));
    return;
  }
  currentTab_ = classIndex;
  RefreshAll();
  SelectTn(found, true);
}

// --- events

bool TMainForm::event(QEvent* event) {
  // The hints of the menus' items. A menu bar or menu that lets go of its
  // item says so with an empty hint; once no menu is open any more, the
  // line goes back to the hint under the mouse.
  if (event->type() == QEvent::StatusTip) {
    const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
    if (tip.isEmpty() && !QApplication::activePopupWidget())
      hintTracker_->Refresh();
    else
      ShowHint(tip);
    return true;
  }
  return QMainWindow::event(event);
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
  if ((watched == titleLabel_ || watched == organiserLabel_) && event->type() == QEvent::MouseButtonDblClick) {
    RunCommand([this] { document_->EditCompetitionData(); }, true);
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

void TMainForm::closeEvent(QCloseEvent* event) {
  CommandScope scope;
  if (document_ && !document_->ModifiedQueryOk()) {
    event->ignore();
    return;
  }
  event->accept();
}

void TMainForm::contextMenuEvent(QContextMenuEvent* event) { windowPopup_->exec(event->globalPos()); }

void TMainForm::dragEnterEvent(QDragEnterEvent* event) {
  if (!event->mimeData()->hasUrls()) return;
  for (const QUrl& url : event->mimeData()->urls())
    if (url.isLocalFile()) {
      event->acceptProposedAction();
      return;
    }
}

void TMainForm::dropEvent(QDropEvent* event) {
  // Of several files only the last one is opened.
  QString last;
  for (const QUrl& url : event->mimeData()->urls())
    if (url.isLocalFile()) last = url.toLocalFile();
  if (last.isEmpty()) return;
  event->acceptProposedAction();
  if (isMinimized()) showNormal();
  raise();
  activateWindow();
  RunCommand([&] { OpenFile(last); }, false);
}

// The main window over real result files, driven as a user would: the grid's
// columns and captions, copy, the status line, find, delete, every command
// once, every shortcut, a dropped file, the close query and one edit that is
// saved and read back. The screenshots land in the build folder for review.
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include <QAction>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QStatusTipEvent>
#include <QTabBar>

#include "DialogTestData.h"
#include "FindDlg.h"
#include "OemText.h"
#include "ParticipantGrid.h"
#include "QtTestApp.h"
#include "ScriptedDesktop.h"
#include "VkFile.h"
#include "VkLoadSave.h"
#include "VkMain.h"

namespace {

namespace fs = std::filesystem;
using Texts = std::vector<std::string>;

std::string S(const QString& s) { return s.toStdString(); }

// One class "Jugend" of three disciplines and two entries.
std::unique_ptr<TWettkampf> ThreeDisciplines(bool individual, bool cpr) {
  auto w = std::make_unique<TWettkampf>();
  TWettkampfDaten h = w->Header();
  h.SetKind(individual ? TWettkampfDaten::kIndividual : TWettkampfDaten::kTeams);
  w->SetHeader(h);
  TAltersklasse::Disciplines discs;
  for (TDisziplin& d : discs) d.SetKind(kKindLinear), d.SetV(1, 100000);
  auto* ak = new TAltersklasse;
  ak->Define("Jugend", 1990, 1991, cpr ? TAltersklasse::kCprScored : 0, 3, discs);
  w->Insert(ak);
  for (const char* name : {"A", "B"}) {
    auto* t = new TTeilnehmer;
    t->SetName(individual, name);
    ak->Insert(t);
  }
  return w;
}

// The dialog tests' competition with a title and hundredths.
std::unique_ptr<TWettkampf> Swimmers() {
  auto w = MakeCompetition();
  TWettkampfDaten h = w->Header();
  h.SetTitle(Oem("Landesmeisterschaft Süd 2007"));
  h.SetOrganiser(Oem("DLRG Landesverband Köln"));
  h.SetOptions(TWettkampfDaten::kOptHundredths);
  w->SetHeader(h);
  return w;
}

class MainWindowTest : public ::testing::Test {
 protected:
  MainWindowTest() : dir_(fs::temp_directory_path() / ("vkmain-" + std::to_string(::getpid()))) {
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  ~MainWindowTest() override {
    fs::remove_all(dir_);
    ParticipantBuffer = TTeilnehmer();
  }

  QString Path(const std::string& name) const { return QString::fromStdString((dir_ / name).string()); }

  QString Write(const std::string& name, std::unique_ptr<TWettkampf> w) {
    EXPECT_TRUE(SaveCompetition(S(Path(name)), *w, 1));
    return Path(name);
  }

  // A shown, active window on the file; the rules documents are looked for
  // beside a program in the test's folder.
  std::unique_ptr<TMainForm> Open(const QString& file) {
    auto w = std::make_unique<TMainForm>(nullptr, Path("brantovex"));
    w->show();
    EXPECT_TRUE(QTest::qWaitForWindowActive(w.get()));
    w->Start({file});
    return w;
  }

  // The tab of the male youth with its four swimmers, the current cell on row r.
  static void Boys(TMainForm& w, int row = 1) {
    for (int i = 0; TAltersklasse* ak = w.Document()->AgeClass(i); ++i)
      if (ak->Name() == Oem("Jugend (männlich)")) w.findChild<QTabBar*>("AgeTabSet")->setCurrentIndex(i);
    w.Grid()->SetCurrent(row, 1);
  }

  static std::string Label(const TMainForm& w, const char* name) { return S(w.findChild<QLabel*>(name)->text()); }

  ScriptedDesktop desk;
  fs::path dir_;
};

TEST_F(MainWindowTest, ColumnsAndRowsOfThreeDisciplines) {
  std::vector<std::tuple<int, int, std::string>> got;
  for (auto [individual, cpr] : {std::pair{true, false}, {true, true}, {false, false}, {false, true}}) {
    auto w = Open(Write("three.ERG", ThreeDisciplines(individual, cpr)));
    const TParticipantGridModel& m = w->Grid()->Model();
    std::string captions;
    for (int c = 0; c < m.columnCount(); ++c) captions += S(m.headerData(c, Qt::Horizontal).toString()) + "|";
    got.emplace_back(m.columnCount(), m.rowCount(), captions);
  }
  const std::string discs = "Zeit1|Abz1|Pkt1|Lauf1|Bahn1|Zeit2|Abz2|Pkt2|Lauf2|Bahn2|Zeit3|Abz3|Pkt3|Lauf3|Bahn3|";
  EXPECT_EQ(got, (std::vector<std::tuple<int, int, std::string>>{
                     {21, 4, "Pl.|GesPkt|Glied.|Jg|Name|Vorname|" + discs},
                     {22, 4, "Pl.|GesPkt|Glied.|Jg|Name|Vorname|" + discs + "HLW|"},
                     {19, 4, "Pl.|GesPkt|Glied.|Mannschaft|" + discs},
                     {20, 4, "Pl.|GesPkt|Glied.|Mannschaft|" + discs + "HLW|"}}));
}

TEST_F(MainWindowTest, CopiesARangeAsTabSeparatedRowsAndTheParticipant) {
  auto w = Open(Write("copy.ERG", Swimmers()));
  Boys(*w);
  TDrawGrid* g = w->Grid();
  // A drag from row 1, column 4 (Name) to row 2, column 6 (Zeit1).
  QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->visualRect(g->Model().index(1, 4)).center());
  QTest::mouseClick(g->viewport(), Qt::LeftButton, Qt::ShiftModifier, g->visualRect(g->Model().index(2, 6)).center());
  w->Action("EditCopyItem")->trigger();
  EXPECT_EQ(std::tuple(S(QGuiApplication::clipboard()->text()), ParticipantBuffer.Name(true)),
            std::tuple("Müller\t\t0:30,00\t\r\nGroß\t\t0:31,00\t\r\n", Oem("Groß")));
}

TEST_F(MainWindowTest, StatusLineOnAParticipantAndOnTheEmptyRow) {
  auto w = Open(Write("status.ERG", Swimmers()));
  Boys(*w, 2);
  QStatusTipEvent tip(w->Grid()->statusTip());
  QApplication::sendEvent(w->Grid(), &tip);
  const std::string onParticipant = Label(*w, "InfoIndicator");
  const std::string gridHint = Label(*w, "StatusLine");
  w->Grid()->SetCurrent(5, 3);
  w->Action("FileOpenItem")->showStatusText(w->menuBar());
  // Edit is off on the empty row, yet Enter there opens a new participant.
  desk.AnswerDialog("TTeilnehmerDlg", mrCancel);
  QTest::keyClick(w->Grid(), Qt::Key_Return);
  const auto onEmptyRow = std::tuple(Label(*w, "InfoIndicator"), w->Action("EditEditItem")->isEnabled());
  // A double click on the place of row 1 edits that participant.
  QHeaderView* places = w->Grid()->verticalHeader();
  desk.AnswerDialog("TTeilnehmerDlg", mrCancel);
  QTest::mouseDClick(places->viewport(), Qt::LeftButton, {},
                     QPoint(5, places->sectionViewportPosition(1) + places->sectionSize(1) / 2));
  EXPECT_EQ(std::tuple(onParticipant, onEmptyRow, gridHint, Label(*w, "StatusLine"), Label(*w, "ModifiedIndicator"),
                       Label(*w, "ActivityIndicator"), w->Action("EditPasteItem")->isEnabled(), desk.Dialogs(),
                       Label(*w, "InfoIndicator")),
            std::tuple("2/4/4", std::tuple("4/4", false), "Anzeige der Altersklasse Jugend (männlich) (1990 - 1991)",
                       "Existierende Wettkampfdatei öffnen", "", "Bereit", true,
                       Texts{"TTeilnehmerDlg", "TTeilnehmerDlg"}, "1/4/4"));
}

TEST_F(MainWindowTest, NextAndPreviousAgeClassWrapAround) {
  auto w = Open(Write("tabs.ERG", Swimmers()));
  std::vector<std::pair<int, bool>> tabs;
  for (Qt::Key key : {Qt::Key_V, Qt::Key_N, Qt::Key_N}) {
    QTest::keyClick(w->Grid(), key, Qt::AltModifier);
    tabs.emplace_back(w->CurrentTab(), w->Grid()->Model().AgeClass() == w->Document()->AgeClass(w->CurrentTab()));
  }
  EXPECT_EQ(tabs, (std::vector<std::pair<int, bool>>{{2, true}, {0, true}, {1, true}}));
}

TEST_F(MainWindowTest, FindsInAnotherClassOrSaysNotFound) {
  auto w = Open(Write("find.ERG", Swimmers()));
  TFindDialog* find = w->FindDialog();
  auto search = [&](const QString& text) {
    find->SetFindText(text);
    find->findChild<QPushButton*>("FindBtn")->click();
    const GridRect r = w->Grid()->Selection();
    return std::tuple(S(FromOem(w->CurrentAgeClass()->Name())), r.left, r.top, r.right, r.bottom);
  };
  const auto hit = search(QStringLiteral("ztürk"));
  const auto miss = search(QStringLiteral("Xyz"));
  EXPECT_EQ(std::tuple(hit, miss, desk.Messages()),
            std::tuple(std::tuple("Jugend (männlich)", 1, 3, 10, 3), std::tuple("Jugend (männlich)", 1, 3, 10, 3),
                       Texts{"Suchtext 'Xyz' nicht gefunden."}));
}

TEST_F(MainWindowTest, DeleteAsksFirst) {
  auto w = Open(Write("delete.ERG", Swimmers()));
  Boys(*w);
  desk.AnswerMessage(mrNo);
  w->Action("EditDelItem")->trigger();
  const auto afterNo = std::tuple(w->CurrentAgeClass()->GetCount(), Label(*w, "ModifiedIndicator"));
  desk.AnswerMessage(mrYes);
  w->Action("EditDelItem")->trigger();
  EXPECT_EQ(std::tuple(afterNo, w->CurrentAgeClass()->GetCount(), Label(*w, "ModifiedIndicator"),
                       Label(*w, "InfoIndicator"), desk.Messages()),
            std::tuple(std::tuple(4, ""), 3, "Geändert", "1/3/3",
                       Texts{"Möchten Sie den Teilnehmer ´Müller, ´ löschen?",
                             "Möchten Sie den Teilnehmer ´Müller, ´ löschen?"}));
}

// Every command once, on a loaded competition with the rules documents
// beside the program: what it asks through the desktop (answered with
// Cancel or No).
TEST_F(MainWindowTest, EveryCommandAsksItsDialog) {
  std::ofstream(S(Path("REGELW99.HLP"))) << "x";
  std::ofstream(S(Path("REGELW07.PDF"))) << "x";
  const QString file = Write("all.ERG", Swimmers());
  auto w = Open(file);
  const std::string dir = S(Path(""));
  const std::string deleteQuestion = "Möchten Sie den Teilnehmer ´Müller, ´ löschen?";
  const std::string classQuestion =
      "Die Altersklasse 'Jugend (männlich)' ist nicht leer. Altersklasse mit allen enthaltenen Teilnehmern löschen?";
  const std::string closeQuestion = "Die Datei ´" + S(file) + "´ wurde geändert. Speichern?";
  // action -> what the desktop is asked
  const std::vector<std::pair<std::string, std::string>> table = {
      {"FileNewItem", "dialog TFileNewDlg"}, {"FileOpenItem", "open Wettkampf öffnen"}, {"FileSaveItem", ""},
      {"FileSaveAsItem", "save Wettkampf speichern unter"}, {"FilePrintItem", "dialog TDruckenDlg"},
      {"FilePrintSetupItem", "printer setup "}, {"EditCopyItem", ""}, {"EditPasteItem", ""}, {"EditCutItem", ""},
      {"EditDelItem", "message " + deleteQuestion}, {"EditFindItem", ""}, {"EditNewItem", "dialog TTeilnehmerDlg"},
      {"EditEditItem", "dialog TTeilnehmerDlg"}, {"EditLaufItem", "dialog TLaufanzeigeDlg"},
      {"WettkampfDatenItem", "dialog TWettkampfDatenDlg"}, {"WettkampfAltersklassenItem", "dialog TAltersklassenDlg"},
      {"WettkampfGliederungenItem", "dialog TGliederungenDlg"}, {"WettkampfRekordeItem", "dialog TRekordeDlg"},
      {"WettkampfPersonalItem", "message Die Funktion steht leider noch nicht zur Verfügung."},
      {"WettkampfQualifikationItem", "dialog TQualifikationDlg"},
      {"WettkampfLaufbesetzungItem", "dialog TLaufbesetzungDlg"},
      {"WettkampfZuruecksetzenItem", "dialog TZuruecksetzenDlg"}, {"WettkampfStreichenItem", "dialog TStreichenDlg"},
      {"WettkampfHLWItem", "dialog THLWLaufbesetzungDlg"},
      {"HelpRegelwerk99Item", "shell open " + dir + "REGELW99.HLP"},
      {"HelpRegelwerk07Item", "shell open " + dir + "REGELW07.PDF"}, {"HelpTipsItem", "dialog TTipsDlg"},
      {"HelpAboutItem", "dialog TAboutBox"}, {"AltersklasseEinfuegenItem", "dialog TAltersklassenDatenDlg"},
      {"AltersklasseBearbeitenItem", "dialog TAltersklassenDatenDlg"},
      {"AltersklasseLoeschenItem", "message " + classQuestion}, {"ImportItem", "open Datei importieren"},
      {"NextAgeClassKey", ""}, {"PrevAgeClassKey", ""}, {"FileExitItem", "message " + closeQuestion},
  };
  std::vector<std::pair<std::string, std::string>> got;
  std::vector<std::string> everyAction;
  for (QAction* a : w->findChildren<QAction*>(QString(), Qt::FindDirectChildrenOnly))
    if (!a->objectName().isEmpty()) everyAction.push_back(S(a->objectName()));
  for (const auto& [name, expected] : table) {
    Boys(*w);
    const std::string kind = expected.substr(0, expected.find(' '));
    if (kind == "dialog") desk.AnswerDialog(expected.substr(7), mrCancel);
    // Questions take an answer, a notice with only OK none.
    if (kind == "message" && name != "WettkampfPersonalItem")
      desk.AnswerMessage(name == "FileExitItem" ? mrCancel : mrNo);
    if (kind == "open" || kind == "save") desk.CancelFile();
    if (kind == "printer") desk.AnswerPrinterSetup(false);
    const size_t before = desk.asked.size();
    w->Action(name.c_str())->trigger();
    std::string asked;
    for (size_t i = before; i < desk.asked.size(); ++i) {
      const ScriptedDesktop::Asked& a = desk.asked[i];
      asked += a.what + " " + (a.what == "dialog" ? a.name : a.what == "open" || a.what == "save" ? a.caption : a.text);
    }
    got.emplace_back(name, asked);
  }
  std::vector<std::string> tabled;
  for (const auto& row : table) tabled.push_back(row.first);
  std::sort(tabled.begin(), tabled.end());
  std::sort(everyAction.begin(), everyAction.end());
  EXPECT_EQ(std::tuple(got, everyAction, w->FindDialog()->isVisible(), w->isVisible(), desk.Used()),
            std::tuple(table, tabled, true, true, true));
}

TEST_F(MainWindowTest, WithoutAgeClassesNoCommandReachesForOne) {
  auto w = Open(Write("empty.ERG", std::make_unique<TWettkampf>()));
  std::vector<std::string> disabled;
  for (QAction* a : w->findChildren<QAction*>(QString(), Qt::FindDirectChildrenOnly)) {
    if (!a->isEnabled()) {
      disabled.push_back(S(a->objectName()));
      continue;
    }
    if (a->objectName() == u"FileExitItem") continue;
    // Whatever is asked is cancelled.
    desk.AnswerDialog("", mrCancel);
    desk.CancelFile();
    desk.AnswerPrinterSetup(false);
    desk.AnswerMessage(mrNo);
    a->trigger();
  }
  std::sort(disabled.begin(), disabled.end());
  EXPECT_EQ(std::tuple(disabled, w->Grid()->Model().rowCount(), Label(*w, "InfoIndicator")),
            std::tuple(Texts{"AltersklasseBearbeitenItem", "AltersklasseEinfuegenItem", "AltersklasseLoeschenItem",
                             "EditCopyItem", "EditCutItem", "EditDelItem", "EditEditItem", "EditNewItem",
                             "EditPasteItem", "HelpRegelwerk07Item", "HelpRegelwerk99Item"},
                       0, "0/0"));
}

TEST_F(MainWindowTest, EveryShortcutTriggersItsCommand) {
  std::ofstream(S(Path("brantovex.HLP"))) << "x";
  std::ofstream(S(Path("brantovex.PDF"))) << "x";
  auto w = Open(Write("keys.ERG", Swimmers()));
  Boys(*w);
  std::map<std::string, int> triggered;
  for (QAction* a : w->findChildren<QAction*>(QString(), Qt::FindDirectChildrenOnly)) {
    QObject::disconnect(a, &QAction::triggered, w.get(), nullptr);
    QObject::connect(a, &QAction::triggered, [&triggered, a] { ++triggered[S(a->objectName())]; });
  }
  const Qt::KeyboardModifiers none, alt = Qt::AltModifier, ctrl = Qt::ControlModifier;
  const std::vector<std::tuple<Qt::Key, Qt::KeyboardModifiers, std::string>> keys = {
      {Qt::Key_F3, none, "FileOpenItem"}, {Qt::Key_F2, none, "FileSaveItem"}, {Qt::Key_F4, none, "FilePrintItem"},
      {Qt::Key_X, alt, "FileExitItem"}, {Qt::Key_Delete, ctrl, "EditCutItem"}, {Qt::Key_Insert, ctrl, "EditCopyItem"},
      {Qt::Key_Insert, Qt::ShiftModifier, "EditPasteItem"}, {Qt::Key_Delete, none, "EditDelItem"},
      {Qt::Key_S, ctrl, "EditFindItem"}, {Qt::Key_Insert, none, "EditNewItem"}, {Qt::Key_Return, none, "EditEditItem"},
      {Qt::Key_L, ctrl | alt, "EditLaufItem"}, {Qt::Key_W, alt, "WettkampfDatenItem"},
      {Qt::Key_A, alt, "WettkampfAltersklassenItem"}, {Qt::Key_G, alt, "WettkampfGliederungenItem"},
      {Qt::Key_R, alt, "WettkampfRekordeItem"}, {Qt::Key_P, alt, "WettkampfPersonalItem"},
      {Qt::Key_Q, alt, "WettkampfQualifikationItem"}, {Qt::Key_L, alt, "WettkampfLaufbesetzungItem"},
      {Qt::Key_Z, alt, "WettkampfZuruecksetzenItem"}, {Qt::Key_S, alt, "WettkampfStreichenItem"},
      {Qt::Key_9, ctrl, "HelpRegelwerk99Item"}, {Qt::Key_R, ctrl, "HelpRegelwerk07Item"},
      {Qt::Key_T, alt, "HelpTipsItem"}, {Qt::Key_Insert, alt, "AltersklasseEinfuegenItem"},
      {Qt::Key_Return, alt, "AltersklasseBearbeitenItem"}, {Qt::Key_Delete, alt, "AltersklasseLoeschenItem"},
      {Qt::Key_I, ctrl, "ImportItem"}, {Qt::Key_F3, ctrl, "ImportItem"}, {Qt::Key_N, alt, "NextAgeClassKey"},
      {Qt::Key_V, alt, "PrevAgeClassKey"},
  };
  std::vector<std::pair<std::string, std::map<std::string, int>>> got, expected;
  for (const auto& [key, modifiers, name] : keys) {
    triggered.clear();
    QTest::keyClick(w->Grid(), key, modifiers);
    got.emplace_back(name, triggered);
    expected.push_back({name, {{name, 1}}});
  }
  EXPECT_EQ(got, expected);
}

TEST_F(MainWindowTest, StartsNewWithoutAFileAndOpensADroppedOne) {
  auto w = Open(Path("missing.ERG"));
  const auto atStart = std::tuple(S(w->windowTitle()), Label(*w, "Label1"),
                                  w->Action("HelpRegelwerk99Item")->isVisible(),
                                  w->Action("HelpRegelwerk07Item")->isVisible());
  const QString dropped = Write("Dropped Süd.ERG", Swimmers());
  QMimeData mime;
  mime.setUrls({QUrl::fromLocalFile(Path("other.ERG")), QUrl::fromLocalFile(dropped)});
  QDragEnterEvent enter(QPoint(200, 200), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(w.get(), &enter);
  QDropEvent drop(QPointF(200, 200), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(w.get(), &drop);

  EXPECT_EQ(std::tuple(atStart, S(w->windowTitle()), Label(*w, "Label1"), w->findChild<QTabBar*>("AgeTabSet")->count()),
            std::tuple(std::tuple("Vk Brantovex - <unbenannt>", "neue Meisterschaft 2007 - Einzelwettbewerbe", false,
                                  false),
                       "Vk Brantovex - " + S(dropped), "Landesmeisterschaft Süd 2007 - Einzelwettbewerbe", 3));
}

TEST_F(MainWindowTest, CloseQueryOnAModifiedDocument) {
  const QString file = Write("close.ERG", Swimmers());
  auto w = Open(file);
  Boys(*w);
  w->Action("EditPasteItem")->trigger();
  desk.AnswerMessage(mrCancel);
  const bool closedOnCancel = w->close();
  desk.AnswerMessage(mrNo);
  const bool closedOnNo = w->close();
  const ScriptedDesktop::Asked& q = desk.asked.at(0);
  EXPECT_EQ(std::tuple(closedOnCancel, closedOnNo, q.text, q.kind, q.buttons),
            std::tuple(false, true, "Die Datei ´" + S(file) + "´ wurde geändert. Speichern?", MsgKind::Warning,
                       mbYesNoCancel));
}

// The user opens a file, changes a time with Enter in the participant
// dialog, saves with F2; the file read again shows the new time and points.
TEST_F(MainWindowTest, ChangedTimeIsSavedAndReadBack) {
  const QString file = Write("e2e.ERG", Swimmers());
  auto row = [](TMainForm& w) {
    std::string texts;
    for (int c = 0; c < w.Grid()->ColCount(); ++c) texts += S(w.Grid()->Model().CellText(1, c)) + "|";
    return texts;
  };
  auto w = Open(file);
  Boys(*w, 4);
  desk.AnswerDialog("TTeilnehmerDlg", mrOk, [](QDialog& d) {
    QLineEdit* time = d.findChild<QLineEdit*>("ZeitEdit1");
    time->selectAll();
    QTest::keyClicks(time, "02950");
  });
  QTest::keyClick(w->Grid(), Qt::Key_Return);
  QTest::keyClick(w->Grid(), Qt::Key_F2);
  const std::string edited = row(*w);
  const std::string modified = Label(*w, "ModifiedIndicator");
  auto again = Open(file);
  Boys(*again);
  // The fastest now, first in the class.
  EXPECT_EQ(std::tuple(edited, modified, row(*again), desk.Used()),
            std::tuple("1.|1017,91|Aach||Weiß||0:29,50|0|1017,91|0|0|", "", edited, true));
}

// Review pictures of the window and its menus in the build folder.
TEST_F(MainWindowTest, Screenshots) {
  auto w = Open(Write("Landesmeisterschaft.ERG", Swimmers()));
  Boys(*w, 2);
  // The layout settles in the event loop, as it does before the first paint.
  QCoreApplication::processEvents();
  EXPECT_TRUE(w->grab().save("mainwindow.png"));
  w->FindDialog()->SetFindText(QStringLiteral("Müller"));
  EXPECT_TRUE(w->FindDialog()->grab().save("mainwindow-find.png"));
  int n = 0;
  for (QMenu* menu : {w->menuBar()->actions()[0]->menu(), w->menuBar()->actions()[1]->menu(),
                      w->menuBar()->actions()[2]->menu(), w->menuBar()->actions()[3]->menu(), w->PopupMenu()}) {
    menu->popup(w->mapToGlobal(QPoint(40, 60)));
    EXPECT_TRUE(QTest::qWaitForWindowExposed(menu));
    EXPECT_TRUE(menu->grab().save(QStringLiteral("mainwindow-menu%1.png").arg(n++)));
    menu->hide();
  }
}

}  // namespace

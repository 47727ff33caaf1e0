// The main window over real result files, driven as a user would: the grid's
// columns and captions, copy, the status line, find, delete and the close
// query, every command once by its shortcut, a dropped file and one edit that
// is saved and read back. The screenshots land in the build folder for review.
#include <map>
#include <utility>

#include <QAction>
#include <QClipboard>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusTipEvent>

#include "FindDlg.h"
#include "OemText.h"
#include "ParticipantGrid.h"
#include "UiTestSupport.h"
#include "VkMain.h"

namespace {

using Texts = std::vector<std::string>;

std::string S(const QString& s) { return s.toStdString(); }

class MainWindowTest : public FolderTest {
 protected:
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
};

TEST_F(MainWindowTest, ColumnsAndRowsOfThreeDisciplines) {
  std::vector<std::tuple<int, int, std::string>> got;
  for (auto [individual, cpr] : {std::pair{true, false}, {true, true}, {false, false}, {false, true}}) {
    auto w = Open(Write("three.ERG", Jugend(3, 2, individual ? TWettkampfDaten::kIndividual : TWettkampfDaten::kTeams,
                                            cpr ? TAltersklasse::kCprScored : 0)));
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
  auto w = Open(Write("copy.ERG"));
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
  auto w = Open(Write("status.ERG"));
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

TEST_F(MainWindowTest, FindsInAnotherClassOrSaysNotFound) {
  auto w = Open(Write("find.ERG"));
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

// Delete asks first; the window of the document so modified asks before it
// closes.
TEST_F(MainWindowTest, DeleteAsksFirstAndAModifiedWindowAsksBeforeItCloses) {
  const QString file = Write("delete.ERG");
  auto w = Open(file);
  Boys(*w);
  desk.AnswerMessage(mrNo);
  w->Action("EditDelItem")->trigger();
  const auto afterNo = std::tuple(w->CurrentAgeClass()->GetCount(), Label(*w, "ModifiedIndicator"));
  desk.AnswerMessage(mrYes);
  w->Action("EditDelItem")->trigger();
  const auto afterYes =
      std::tuple(w->CurrentAgeClass()->GetCount(), Label(*w, "ModifiedIndicator"), Label(*w, "InfoIndicator"));
  desk.AnswerMessage(mrCancel);
  const bool closedOnCancel = w->close();
  desk.AnswerMessage(mrNo);
  const bool closedOnNo = w->close();
  const std::string del = "Möchten Sie den Teilnehmer ´Müller, ´ löschen?";
  const std::string close = "Die Datei ´" + S(file) + "´ wurde geändert. Speichern?";
  EXPECT_EQ(std::tuple(afterNo, afterYes, closedOnCancel, closedOnNo, desk.Messages(), desk.asked[2].kind,
                       desk.asked[2].buttons),
            std::tuple(std::tuple(4, ""), std::tuple(3, "Geändert", "1/3/3"), false, true,
                       Texts{del, del, close, close}, MsgKind::Warning, mbYesNoCancel));
}

// Every command once by its shortcut (by its action where it has none), on a
// loaded competition with the rules documents beside the program: it runs
// exactly once, so a shortcut given twice or clashing with a mnemonic is
// bound once, and asks through the desktop what it should (answered with
// Cancel or No).
TEST_F(MainWindowTest, EveryCommandByItsShortcutAsksItsDialog) {
  std::ofstream(S(Path("REGELW99.HLP"))) << "x";
  std::ofstream(S(Path("REGELW07.PDF"))) << "x";
  const QString file = Write("all.ERG");
  auto w = Open(file);
  std::map<std::string, int> triggered;
  Texts everyAction;
  for (QAction* a : w->findChildren<QAction*>(QString(), Qt::FindDirectChildrenOnly)) {
    QObject::connect(a, &QAction::triggered, [&triggered, a] { ++triggered[S(a->objectName())]; });
    if (!a->objectName().isEmpty()) everyAction.push_back(S(a->objectName()));
  }
  const std::string dir = S(Path(""));
  const Qt::KeyboardModifiers no, alt = Qt::AltModifier, ctrl = Qt::ControlModifier, shift = Qt::ShiftModifier;
  const Qt::Key action = Qt::Key_unknown;
  using Row = std::tuple<std::string, Qt::Key, Qt::KeyboardModifiers, std::string>;  // command, key, what is asked
  const std::vector<Row> table = {
      {"FileNewItem", action, no, "dialog TFileNewDlg"}, {"FileOpenItem", Qt::Key_F3, no, "open Wettkampf öffnen"},
      {"FileSaveItem", Qt::Key_F2, no, ""}, {"FileSaveAsItem", action, no, "save Wettkampf speichern unter"},
      {"FilePrintItem", Qt::Key_F4, no, "dialog TDruckenDlg"}, {"FilePrintSetupItem", action, no, "printer setup "},
      {"EditCopyItem", Qt::Key_Insert, ctrl, ""}, {"EditPasteItem", Qt::Key_Insert, shift, ""},
      {"EditCutItem", Qt::Key_Delete, ctrl, ""},
      {"EditDelItem", Qt::Key_Delete, no, "message Möchten Sie den Teilnehmer ´Müller, ´ löschen?"},
      {"EditNewItem", Qt::Key_Insert, no, "dialog TTeilnehmerDlg"},
      {"EditEditItem", Qt::Key_Return, no, "dialog TTeilnehmerDlg"},
      {"EditLaufItem", Qt::Key_L, ctrl | alt, "dialog TLaufanzeigeDlg"},
      {"WettkampfDatenItem", Qt::Key_W, alt, "dialog TWettkampfDatenDlg"},
      {"WettkampfAltersklassenItem", Qt::Key_A, alt, "dialog TAltersklassenDlg"},
      {"WettkampfGliederungenItem", Qt::Key_G, alt, "dialog TGliederungenDlg"},
      {"WettkampfRekordeItem", Qt::Key_R, alt, "dialog TRekordeDlg"},
      {"WettkampfPersonalItem", Qt::Key_P, alt, "message Die Funktion steht leider noch nicht zur Verfügung."},
      {"WettkampfQualifikationItem", Qt::Key_Q, alt, "dialog TQualifikationDlg"},
      {"WettkampfLaufbesetzungItem", Qt::Key_L, alt, "dialog TLaufbesetzungDlg"},
      {"WettkampfZuruecksetzenItem", Qt::Key_Z, alt, "dialog TZuruecksetzenDlg"},
      {"WettkampfStreichenItem", Qt::Key_S, alt, "dialog TStreichenDlg"},
      {"WettkampfHLWItem", action, no, "dialog THLWLaufbesetzungDlg"},
      {"HelpRegelwerk99Item", Qt::Key_9, ctrl, "shell open " + dir + "REGELW99.HLP"},
      {"HelpRegelwerk07Item", Qt::Key_R, ctrl, "shell open " + dir + "REGELW07.PDF"},
      {"HelpTipsItem", Qt::Key_T, alt, "dialog TTipsDlg"}, {"HelpAboutItem", action, no, "dialog TAboutBox"},
      {"AltersklasseEinfuegenItem", Qt::Key_Insert, alt, "dialog TAltersklassenDatenDlg"},
      {"AltersklasseBearbeitenItem", Qt::Key_Return, alt, "dialog TAltersklassenDatenDlg"},
      {"AltersklasseLoeschenItem", Qt::Key_Delete, alt,
       "message Die Altersklasse 'Jugend (männlich)' ist nicht leer. Altersklasse mit allen enthaltenen Teilnehmern "
       "löschen?"},
      {"ImportItem", Qt::Key_I, ctrl, "open Datei importieren"},
      {"ImportItem", Qt::Key_F3, ctrl, "open Datei importieren"},
      {"NextAgeClassKey", Qt::Key_N, alt, ""}, {"PrevAgeClassKey", Qt::Key_V, alt, ""},
      {"FileExitItem", Qt::Key_X, alt, "message Die Datei ´" + S(file) + "´ wurde geändert. Speichern?"},
      {"EditFindItem", Qt::Key_S, ctrl, ""},  // last: the find window stays open
  };
  Texts tabled;
  for (const Row& row : table) {
    const auto& [name, key, modifiers, expected] = row;
    Boys(*w);
    const std::string kind = expected.substr(0, expected.find(' '));
    if (kind == "dialog") desk.AnswerDialog(expected.substr(7), mrCancel);
    // Questions take an answer, a notice with only OK none.
    if (kind == "message" && name != "WettkampfPersonalItem")
      desk.AnswerMessage(name == "FileExitItem" ? mrCancel : mrNo);
    if (kind == "open" || kind == "save") desk.CancelFile();
    if (kind == "printer") desk.AnswerPrinterSetup(false);
    const size_t before = desk.asked.size();
    triggered.clear();
    key == action ? w->Action(name.c_str())->trigger() : QTest::keyClick(w->Grid(), key, modifiers);
    std::string asked;
    for (size_t i = before; i < desk.asked.size(); ++i) {
      const ScriptedDesktop::Asked& a = desk.asked[i];
      asked += a.what + " " + (a.what == "dialog" ? a.name : a.what == "open" || a.what == "save" ? a.caption : a.text);
    }
    EXPECT_EQ(std::tuple(asked, triggered), std::tuple(expected, std::map<std::string, int>{{name, 1}})) << name;
    if (tabled.empty() || tabled.back() != name) tabled.push_back(name);
  }
  std::sort(tabled.begin(), tabled.end());
  std::sort(everyAction.begin(), everyAction.end());
  EXPECT_EQ(std::tuple(everyAction, w->FindDialog()->isVisible(), w->isVisible(), desk.Used()),
            std::tuple(tabled, true, true, true));
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

TEST_F(MainWindowTest, StartsNewWithoutAFileAndOpensADroppedOne) {
  auto w = Open(Path("missing.ERG"));
  const auto atStart = std::tuple(S(w->windowTitle()), Label(*w, "Label1"),
                                  w->Action("HelpRegelwerk99Item")->isVisible(),
                                  w->Action("HelpRegelwerk07Item")->isVisible());
  const QString dropped = Write("Dropped Süd.ERG");
  QMimeData mime;
  mime.setUrls({QUrl::fromLocalFile(Path("other.ERG")), QUrl::fromLocalFile(dropped)});
  QDragEnterEvent enter(QPoint(200, 200), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(w.get(), &enter);
  QDropEvent drop(QPointF(200, 200), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(w.get(), &drop);

  EXPECT_EQ(std::tuple(atStart, S(w->windowTitle()), Label(*w, "Label1"), w->findChild<QTabBar*>("AgeTabSet")->count()),
            std::tuple(std::tuple("Vk Brantovex - <unbenannt>", "neue Meisterschaft 2007 - Einzelwettbewerbe", false,
                                  false),
                       "Vk Brantovex - " + S(dropped), "Landesmeisterschaft Süd - Einzelwettbewerbe", 4));
}

// The user opens a file, changes a time with Enter in the participant
// dialog, saves with F2; the file read again shows the new time and points.
TEST_F(MainWindowTest, ChangedTimeIsSavedAndReadBack) {
  const QString file = Write("e2e.ERG");
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
  auto w = Open(Write("Landesmeisterschaft.ERG"));
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

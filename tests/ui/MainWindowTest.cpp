// The main window over real result files, driven as a user would: the grid's
// columns and captions, copy, the status line, find, delete and the close
// query, every command once by its shortcut, a dropped file and one edit that
// is saved and read back. (tools/screenshots takes pictures of the window.)
#include <map>
#include <set>

#include <QAction>
#include <QClipboard>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QTimer>

#include "FindDlg.h"
#include "Hints.h"
#include "ParticipantGrid.h"
#include "UiTestSupport.h"
#include "VkMain.h"

namespace {

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

  // The tab of the male youth (1 Müller, 2 Groß, 3 Öztürk, 4 Weiß), the current cell on row r.
  static void Boys(TMainForm& w, int row = 1) {
    w.findChild<QTabBar*>("AgeTabSet")->setCurrentIndex(2);
    w.Grid()->SetCurrent(row, 1);
  }

  static std::string Label(const TMainForm& w, const char* name) { return S(w.findChild<QLabel*>(name)->text()); }
};

// Columns and captions; every cell's text fits its column, status codes too.
TEST_F(MainWindowTest, ColumnsAndRowsOfThreeDisciplines) {
  std::string seen;
  for (auto [kind, cpr] : {std::pair{TWettkampfDaten::kIndividual, 0}, {TWettkampfDaten::kIndividual, 1},
                           {TWettkampfDaten::kTeams, 0}, {TWettkampfDaten::kTeams, 1}}) {
    auto c = Jugend(3, 2, kind, cpr ? TAltersklasse::kCprScored : 0);
    TTeilnehmer& t = *c->At(0)->At(0);
    int d = 0;
    for (int deduction : {-5, -100, -4}) t.SetDeduction(++d, deduction);
    t.SetCprValue(-400);
    auto w = Open(Write("three.ERG", std::move(c)));
    const TParticipantGridModel& m = w->Grid()->Model();
    std::string captions;
    for (int c = 0; c < m.columnCount(); ++c) {
      captions += S(m.headerData(c, Qt::Horizontal).toString()) + "|";
      for (int r = 1; c > 0 && r < m.rowCount(); ++r)
        if (w->Grid()->fontMetrics().horizontalAdvance(m.CellText(r, c)) + 2 > w->Grid()->columnWidth(c))
          captions += "clipped " + S(m.CellText(r, c)) + "|";
    }
    seen += Line(m.columnCount(), m.rowCount(), captions);
  }
  ExpectSeen(seen, "main-window.txt");
}

// A range dragged with the mouse is copied as tab-separated rows, and the
// participant into the program's buffer; delete asks first, and the window
// of the document so modified asks before it closes.
TEST_F(MainWindowTest, CopyDeleteAndTheCloseQuery) {
  const QString file = Write("copy.ERG");
  auto w = Open(file);
  Boys(*w);
  TDrawGrid* g = w->Grid();
  // From row 1, column 4 (Name) to row 2, column 6 (Zeit1).
  QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->visualRect(g->Model().index(1, 4)).center());
  QTest::mouseClick(g->viewport(), Qt::LeftButton, Qt::ShiftModifier, g->visualRect(g->Model().index(2, 6)).center());
  w->Action("EditCopyItem")->trigger();
  EXPECT_EQ(S(QGuiApplication::clipboard()->text()), "Müller\t\t0:30,00\t\r\nGroß\t\t0:31,00\t\r\n");
  std::string seen = Line("buffer", FromOem(ParticipantBuffer.Name(true)));
  g->SetCurrent(1, 1);
  for (int answer : {mrNo, mrYes}) {
    desk.AnswerMessage(answer);
    w->Action("EditDelItem")->trigger();
    seen += Line(answer == mrYes ? "deleted" : "kept", w->CurrentAgeClass()->GetCount(),
                 Label(*w, "ModifiedIndicator"), Label(*w, "InfoIndicator"));
  }
  for (int answer : {mrCancel, mrNo}) {
    desk.AnswerMessage(answer);
    seen += Line("closed", w->close());
  }
  ExpectSeen(seen + Transcript(), "main-window.txt");
}

TEST_F(MainWindowTest, StatusLineOnAParticipantTheEmptyRowAndAnotherClass) {
  const QString file = Write("status.ERG");
  auto w = Open(file);
  Boys(*w, 2);
  w->Grid()->SetCurrent(2, 4);
  TypeKeys(w->Grid(), "WÖg");  // letters leave the row alone (Weiß and Öztürk are rows 4 and 3)
  // The grid's hint names the class, the tabs' asks for another (neither
  // shows a tool tip).
  auto* tabs = w->findChild<QTabBar*>("AgeTabSet");
  std::string seen = Line("row", w->Grid()->Row(), Label(*w, "InfoIndicator"), Hint(w->Grid()), Hint(tabs),
                          w->Grid()->toolTip().isEmpty() && tabs->toolTip().isEmpty());
  // The mouse onto the grid: the class it shows.
  MoveMouse(w->Grid()->viewport(), QPoint(30, 30));
  seen += Line("over the grid", Label(*w, "StatusLine"));
  w->Grid()->SetCurrent(5, 3);
  // The grid's pop-up opened there: its items' hints while it is open; once
  // it has closed, the class of the grid under the mouse again.
  QTimer::singleShot(0, [&] {
    auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(popup, nullptr);
    MoveMouse(popup, popup->actionGeometry(w->Action("EditNewItem")).center());
    seen += Line("menu", Label(*w, "StatusLine"));
    QTest::keyClick(popup, Qt::Key_Escape);
  });
  QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(30, 30), w->Grid()->viewport()->mapToGlobal(QPoint(30, 30)));
  QApplication::sendEvent(w->Grid()->viewport(), &rightClick);
  QCoreApplication::processEvents();
  seen += Line("menu closed", Label(*w, "StatusLine"));
  // The same with the menu "Datei" of the menu bar, the mouse back on the
  // grid while it is open, and left with Escape twice (the menu, then the
  // menu bar).
  QMenuBar* bar = w->menuBar();
  QMenu* fileMenu = bar->actions().first()->menu();
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(fileMenu->menuAction()).center());
  EXPECT_TRUE(QTest::qWaitFor([&] { return fileMenu->isVisible(); }));
  MoveMouse(fileMenu, fileMenu->actionGeometry(w->Action("FileOpenItem")).center());
  seen += Line("Datei", Label(*w, "StatusLine"));
  MoveMouse(w->Grid()->viewport(), QPoint(30, 30));
  for (QWidget* left : {static_cast<QWidget*>(fileMenu), static_cast<QWidget*>(bar)}) {
    QTest::keyClick(left, Qt::Key_Escape);
    QCoreApplication::processEvents();
    seen += Line(left == bar ? "menu bar left" : "Datei closed", fileMenu->isVisible(), Label(*w, "StatusLine"));
  }
  // A menu's hint left in the line goes when a dialog closes.
  w->Action("FileOpenItem")->showStatusText(w->menuBar());
  // Edit is off on the empty row, yet Enter there opens a new participant.
  desk.AnswerDialog("TTeilnehmerDlg", mrCancel);
  QTest::keyClick(w->Grid(), Qt::Key_Return);
  seen += Line("empty row", Label(*w, "InfoIndicator"), w->Action("EditEditItem")->isEnabled());
  // A double click on the place of row 1 edits that participant.
  QHeaderView* places = w->Grid()->verticalHeader();
  desk.AnswerDialog("TTeilnehmerDlg", mrCancel);
  QTest::mouseDClick(places->viewport(), Qt::LeftButton, {},
                     QPoint(5, places->sectionViewportPosition(1) + places->sectionSize(1) / 2));
  seen += Line("place 1", Label(*w, "StatusLine"), Label(*w, "ModifiedIndicator"), Label(*w, "ActivityIndicator"),
               w->Action("EditPasteItem")->isEnabled(), Label(*w, "InfoIndicator"));
  // After another file (the same again, opened on the first tab) and after
  // a tab change the line names the class the grid shows, while the mouse
  // rests on it.
  desk.AnswerFile(file);
  QTest::keyClick(w->Grid(), Qt::Key_F3);
  seen += Line("opened", Label(*w, "StatusLine"));
  QTest::keyClick(w->Grid(), Qt::Key_N, Qt::AltModifier);
  seen += Line("Alt+N", Label(*w, "StatusLine"));
  ExpectSeen(seen, "main-window.txt");
}

// Ctrl+S, a text typed (the dialog opens ready for it), a direction chosen,
// Enter: from the current row the search goes up or down (on through the
// other classes at either end) and marks the whole row found; a text found
// nowhere is said.
TEST_F(MainWindowTest, FindsUpOrDownFromTheCurrentRow) {
  auto w = Open(Write("find.ERG"));
  // Müller and Öztürk are from Köln. Direction 0 up, 1 down, -1 as preset (down).
  const struct { int row; const char* text; int direction; } cases[] = {
      {2, "Köln", -1}, {2, "Köln", 0}, {4, "Köln", 0}, {4, "Köln", 1}, {1, "Köln", 0}, {4, "xyz", 1}};
  std::string seen;  // class, row, last column marked
  for (const auto& c : cases) {
    Boys(*w, c.row);
    QTest::keyClick(w->Grid(), Qt::Key_S, Qt::ControlModifier);
    TFindDialog* find = w->FindDialog();
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == find; }));
    TypeKeys(QApplication::focusWidget(), c.text);  // over the text of the search before
    if (c.direction >= 0)
      QTest::mouseClick(Child(*find, QStringLiteral("DirectionGroup_%1").arg(c.direction)), Qt::LeftButton);
    QTest::keyClick(find, Qt::Key_Return);
    QTest::keyClick(find, Qt::Key_Escape);
    w->activateWindow();  // as the window manager does
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == w.get(); }));
    seen += Line(FromOem(w->CurrentAgeClass()->Name()), w->Grid()->Selection().top, w->Grid()->Selection().right);
  }
  ExpectSeen(seen + Transcript(), "main-window.txt");
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
  std::set<std::string> everyAction, tabled;
  for (QAction* a : w->findChildren<QAction*>(QString(), Qt::FindDirectChildrenOnly)) {
    QObject::connect(a, &QAction::triggered, [&triggered, a] { ++triggered[S(a->objectName())]; });
    if (!a->objectName().isEmpty()) everyAction.insert(S(a->objectName()));
  }
  for (const QStringList& row : DataRows("main-window-commands.txt")) {
    const std::string name = S(row[0]), expected = S(row[2]);
    const std::string kind = expected.substr(0, expected.find(' '));
    Boys(*w);
    if (kind == "dialog") desk.AnswerDialog(expected.substr(7), mrCancel);
    if (kind == "message" && expected.find(" OK: ") == std::string::npos)
      desk.AnswerMessage(name == "FileExitItem" ? mrCancel : mrNo);
    if (kind == "open" || kind == "save") desk.CancelFile();
    if (kind == "printer") desk.AnswerPrinterSetup(false);
    const size_t before = desk.asked.size();
    triggered.clear();
    const QKeyCombination key = QKeySequence(row[1])[0];
    row[1] == "-" ? w->Action(name.c_str())->trigger() : QTest::keyClick(w->Grid(), key.key(), key.keyboardModifiers());
    std::string asked;
    for (size_t i = before; i < desk.asked.size(); ++i) {
      const ScriptedDesktop::Asked& a = desk.asked[i];
      const bool file = a.what == "open" || a.what == "save";
      const std::string detail = a.what == "dialog" ? a.name : file ? a.caption : a.text;
      asked += a.what + (a.what == "message" ? " " + a.name + ":" : "") + (detail.empty() ? "" : " " + detail);
    }
    EXPECT_EQ(std::tuple(asked.empty() ? "-" : InDir(QString::fromStdString(asked)), triggered),
              std::tuple(expected, std::map<std::string, int>{{name, 1}}));
    tabled.insert(name);
  }
  EXPECT_EQ(std::tuple(everyAction, w->FindDialog()->isVisible(), w->isVisible(), desk.Used()),
            std::tuple(tabled, true, true, true));
}

// The menus as the user opens them: every item in its order with the key it
// shows, its hint and whether it is there at all; the two pop-ups opened by
// a right click on the grid and on the window's title line.
TEST_F(MainWindowTest, MenusAndPopUpsListTheirItemsInOrderWithTheirKeys) {
  auto w = Open(Write("menus.ERG"));
  Boys(*w);
  const auto items = [](const QMenu& menu) {
    std::string lines;
    for (const QAction* a : menu.actions())
      lines += a->isSeparator() ? Line("  ---", a->isVisible())
                                : Line("  " + S(a->text()), a->shortcut().toString(), a->statusTip(), a->isVisible());
    return lines;
  };
  std::string seen;
  for (const QAction* m : w->menuBar()->actions()) seen += Line(m->text(), m->statusTip()) + items(*m->menu());
  for (QWidget* at : {static_cast<QWidget*>(w->Grid()->viewport()), static_cast<QWidget*>(w->findChild<QLabel*>("Label1"))}) {
    QTimer::singleShot(0, [&] {
      auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      ASSERT_NE(popup, nullptr);
      seen += Line(popup->objectName()) + items(*popup);
      popup->close();
    });
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(10, 10), at->mapToGlobal(QPoint(10, 10)));
    QApplication::sendEvent(at, &rightClick);
  }
  ExpectSeen(seen, "main-window.txt");
}

// The status line follows the mouse through every window: over the grid
// (its cells, captions and places) and the tabs the class shown, over the
// labels and the status panel the window's hint, over a speed button the
// part of its hint behind "|" (nothing for "Öffnen"), over a control of a
// dialog its own hint or else the dialog's. Another class shown while the
// mouse rests on the grid is named at once; when a dialog closes, the line
// shows the hint of what is under the mouse now. Before a file is open the
// grid has no hint of its own.
TEST_F(MainWindowTest, TheStatusLineShowsTheHintOfTheControlUnderTheMouse) {
  std::string seen;
  {
    TMainForm bare(nullptr, Path("brantovex"));
    bare.show();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&bare));
    MoveMouse(bare.Grid()->viewport());
    seen += Line("no file", S(bare.findChild<QLabel*>("StatusLine")->text()));
  }
  auto w = Open(Write("hints.ERG"));
  const auto over = [&](const QWidget& window, const char* name, QPoint at = QPoint(4, 4)) {
    auto* control = window.findChild<QWidget*>(name);
    if (auto* list = qobject_cast<QAbstractScrollArea*>(control)) control = list->viewport();
    ASSERT_NE(control, nullptr) << name;
    MoveMouse(control, at);
    seen += Line(name, Label(*w, "StatusLine"));
  };
  // The mouse onto the dialog's control that lies over the middle of the
  // grid; the dialog closes while it rests there.
  const auto restOverTheGrid = [&](QDialog& d) {
    const QPoint middle = w->Grid()->viewport()->mapToGlobal(w->Grid()->viewport()->rect().center());
    ASSERT_TRUE(d.geometry().contains(middle));
    QWidget* control = d.childAt(d.mapFromGlobal(middle));
    if (!control) control = &d;
    MoveMouse(control, control->mapFromGlobal(middle));
    seen += Line("resting", Label(*w, "StatusLine"));
  };
  const auto afterTheDialog = [&] {
    QCoreApplication::processEvents();
    seen += Line("closed", Label(*w, "StatusLine"));
  };
  over(*w, "Label1");
  over(*w, "FileOpenBtn");
  over(*w, "EditCutBtn");
  over(*w, "DrawGrid");
  QTest::keyClick(w->Grid(), Qt::Key_N, Qt::AltModifier);
  seen += Line("Alt+N", Label(*w, "StatusLine"));
  for (QWidget* part : {static_cast<QWidget*>(w->Grid()->horizontalHeader()),
                        static_cast<QWidget*>(w->Grid()->verticalHeader())}) {
    MoveMouse(part, QPoint(6, 6));
    seen += Line(part == w->Grid()->verticalHeader() ? "places" : "captions", Label(*w, "StatusLine"));
  }
  over(*w, "AgeTabSet");
  QTest::keyClick(w->Grid(), Qt::Key_N, Qt::AltModifier);
  seen += Line("Alt+N", Label(*w, "StatusLine"));
  over(*w, "AgeTabSet", QPoint(12, 6));
  over(*w, "Label2");
  over(*w, "StatusPanel");
  over(*w, "DrawGrid", QPoint(40, 40));
  desk.AnswerDialog("TAltersklassenDlg", mrCancel, [&](QDialog& d) {
    over(d, "ListBox1");
    over(d, "NeuBtn");
    desk.AnswerDialog("TAltersklassenDatenDlg", mrCancel, [&](QDialog& d) {
      over(d, "ComboBox1");
      over(d, "RekordeBtn");
      over(d, "SpinEdit1");
    });
    QTest::mouseClick(Child(d, "AendernBtn"), Qt::LeftButton);
    over(d, "AendernBtn");
    restOverTheGrid(d);
  });
  QTest::keyClick(w->Grid(), Qt::Key_A, Qt::AltModifier);
  afterTheDialog();
  Boys(*w);
  desk.AnswerDialog("TTeilnehmerDlg", mrCancel, [&](QDialog& d) {
    over(d, "AbzugEdit2");
    over(d, "NameEdit");
    over(d, "AbwesendBtn");
    restOverTheGrid(d);
  });
  QTest::keyClick(w->Grid(), Qt::Key_Return);
  afterTheDialog();
  over(*w, "DrawGrid");
  EXPECT_TRUE(desk.Used());
  ExpectSeen(seen, "main-window.txt");
}

// A file without any age class: no command reaches for one, but a first
// class can be made (Alt+Ins opens a fresh one; here cancelled), in the
// age-class list by "Neu"; then a participant goes into it and F2 stores both.
TEST_F(MainWindowTest, WithoutAgeClassesAFirstClassCanBeMadeAndStored) {
  const QString file = Write("empty.ERG", std::make_unique<TWettkampf>());
  auto w = Open(file);
  std::string seen = "disabled";
  for (QAction* a : w->findChildren<QAction*>(QString(), Qt::FindDirectChildrenOnly))
    if (!a->isEnabled()) seen += " " + S(a->objectName());
  seen += "\n" + Line("empty", w->Grid()->Model().rowCount(), Label(*w, "InfoIndicator"));
  desk.AnswerDialog("TAltersklassenDatenDlg", mrCancel, [&](QDialog& d) {
    seen += Line("fresh", Text(d, "ComboBox1"), Child<QSpinBox>(d, "SpinEdit1")->value(),
                 d.findChild<QComboBox*>("DisziplinenAnzahlComboBox")->currentIndex());
  });
  QTest::keyClick(w->Grid(), Qt::Key_Insert, Qt::AltModifier);
  desk.AnswerDialog("TAltersklassenDlg", mrOk, [&](QDialog& d) {
    desk.AnswerDialog("TAltersklassenDatenDlg", mrOk, [](QDialog& d) { Type(d, "ComboBox1", "Damen"); });
    Click(d, "NeuBtn");
  });
  QTest::keyClick(w->Grid(), Qt::Key_A, Qt::AltModifier);
  desk.AnswerDialog("TTeilnehmerDlg", mrOk, [](QDialog& d) { Type(d, "NameEdit", "Koch"); });
  QTest::keyClick(w->Grid(), Qt::Key_Insert);
  QTest::keyClick(w->Grid(), Qt::Key_F2);
  const std::unique_ptr<TWettkampf> stored = LoadCompetition(S(file), FormatCode::ResultFile);
  for (int i = 0; i < stored->GetCount(); ++i) {
    seen += Line("stored", stored->At(i)->Name());
    for (int j = 0; j < stored->At(i)->GetCount(); ++j) seen += Line("stored", stored->At(i)->At(j)->Name(true));
  }
  EXPECT_TRUE(desk.Used());
  ExpectSeen(seen + Line(Label(*w, "InfoIndicator")), "main-window.txt");
}

TEST_F(MainWindowTest, StartsNewWithoutAFileAndOpensADroppedOne) {
  auto w = Open(Path("missing.ERG"));
  // The caption names the file; the title a desktop shows for the minimised
  // window is the product name with the version.
  std::string seen = Line(w->windowTitle(), w->windowIconText(), Label(*w, "Label1"),
                          w->Action("HelpRegelwerk99Item")->isVisible(),
                          w->Action("HelpRegelwerk07Item")->isVisible());
  const QString dropped = Write("Dropped Süd.ERG");
  QMimeData mime;
  mime.setUrls({QUrl::fromLocalFile(Path("other.ERG")), QUrl::fromLocalFile(dropped)});
  QDragEnterEvent enter(QPoint(200, 200), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(w.get(), &enter);
  QDropEvent drop(QPointF(200, 200), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(w.get(), &drop);
  seen += Line(InDir(w->windowTitle()), w->windowIconText(), Label(*w, "Label1"),
               w->findChild<QTabBar*>("AgeTabSet")->count());
  ExpectSeen(seen, "main-window.txt");
}

// The user changes a time with Enter in the participant dialog and saves
// with F2: the class is evaluated again (the swimmer is now first) and the
// file holds the new time and points.
TEST_F(MainWindowTest, ChangedTimeIsEvaluatedSavedAndReadBack) {
  const QString file = Write("e2e.ERG");
  auto w = Open(file);
  Boys(*w, 4);
  desk.AnswerDialog("TTeilnehmerDlg", mrOk, [](QDialog& d) { Type(d, "ZeitEdit1", "02950"); });
  QTest::keyClick(w->Grid(), Qt::Key_Return);
  QTest::keyClick(w->Grid(), Qt::Key_F2);
  std::string row;
  for (int c = 0; c < w->Grid()->ColCount(); ++c) row += S(w->Grid()->Model().CellText(1, c)) + "|";
  const std::unique_ptr<TWettkampf> back = LoadCompetition(S(file), FormatCode::ResultFile);
  const TTeilnehmer& stored = *back->At(2)->At(0);
  EXPECT_TRUE(desk.Used());
  ExpectSeen(Line(row, Label(*w, "ModifiedIndicator"), FromOem(stored.Name(true)), stored.Time(1), stored.Total()),
             "main-window.txt");
}

}  // namespace

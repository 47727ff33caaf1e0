// The speed bar as the user arranges it with the mouse: "Anpassen..." from
// its context menu, buttons dragged from the arranging window onto the bar,
// along it, back into the window and off it, the buttons' size typed into
// the window, Escape; then the added buttons run their commands. What the
// bar holds after each step is compared in tests/data/ui/speed-bar.txt.
#include <QContextMenuEvent>
#include <QMenu>
#include <QSpinBox>
#include <QToolButton>

#include "Hints.h"
#include "ParticipantGrid.h"
#include "SpeedBar.h"
#include "SpeedBarSetup.h"
#include "UiTestSupport.h"
#include "VkMain.h"

namespace {

class SpeedBarTest : public FolderTest {
 protected:
  void SetUp() override {
    // No rules documents lie beside this program.
    w_ = std::make_unique<TMainForm>(nullptr, Path("brantovex"));
    w_->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w_.get()));
    w_->Start({Write("bar.ERG")});
    bar_ = w_->SpeedBar();
  }

  // The bar's buttons from its start: caption, and "(aus)" for a disabled one.
  std::string Bar() const {
    std::string line;
    for (const QString& name : bar_->Shown()) {
      const QToolButton* b = bar_->Button(name);
      line += (line.empty() ? "" : " ") + S(b->text()) + (b->isEnabled() ? "" : "(aus)");
    }
    return line;
  }

  // The arranging window's list of the section at `row`, chosen with a click.
  std::string List(int row) {
    QListWidget* sections = Child<QListWidget>(*Setup(), "SectionList");
    QTest::mouseClick(sections->viewport(), Qt::LeftButton, {}, sections->visualItemRect(sections->item(row)).center());
    std::string line = S(sections->currentItem()->text()) + ":";
    QListWidget* buttons = Child<QListWidget>(*Setup(), "ButtonsList");
    for (int i = 0; i < buttons->count(); ++i) line += " " + S(buttons->item(i)->text());
    return line;
  }

  TSpeedbarSetupDlg* Setup() const { return bar_->SetupWindow(); }

  // Where on the bar a button lies: its left or right edge, half way down.
  QPoint At(const char* name, bool right = false) const {
    const QRect r = bar_->Button(name)->geometry();
    return QPoint(right ? r.right() - 2 : r.left() + 2, r.center().y());
  }

  // The left button pressed on `source` at `from` and moved, a little, then
  // beyond the drag distance; the desktop lets go over `target` at `at` (the drag loop takes
  // the release).
  void Drag(QWidget* source, QPoint from, QWidget* target, QPoint at = {}) {
    desk.AnswerDrop(target, at);
    QTest::mousePress(source, Qt::LeftButton, {}, from);
    for (int step : {1, QApplication::startDragDistance() + 3}) QTest::mouseMove(source, from + QPoint(step, 1));
    if (source->isVisible()) QTest::mouseRelease(source, Qt::LeftButton, {}, from);
    Settle();
  }

  // The window lays itself out again, as between two moves of the user.
  static void Settle() {
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
  }

  // The button of the arranging window's list, in the section at `row`,
  // dragged to `at` on the target (the bar when none is given).
  void DragFromList(int row, const char* caption, QPoint at, QWidget* target = nullptr) {
    List(row);
    QListWidget* buttons = Child<QListWidget>(*Setup(), "ButtonsList");
    const QList<QListWidgetItem*> found = buttons->findItems(QString::fromUtf8(caption), Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << caption;
    Drag(buttons->viewport(), buttons->visualItemRect(found[0]).center(), target ? target : bar_, at);
  }

  // Clicks into the end of a size field and types over its number.
  void TypeSize(const char* name, const QString& keys) {
    QLineEdit* edit = Child<QSpinBox>(*Setup(), name)->findChild<QLineEdit*>();
    QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(edit->width() - 4, edit->height() / 2));
    TypeKeys(edit, "{Ctrl+A}" + keys + "{Return}");
    Settle();
  }

  std::unique_ptr<TMainForm> w_;
  TSpeedBar* bar_ = nullptr;
};

TEST_F(SpeedBarTest, ArrangedWithTheMouseThenItsButtonsRunTheirCommands) {
  std::string seen = Line("start", Bar());
  // Every button of every section: on the bar or not, its tool tip and status
  // line's text (the parts of its hint), flat.
  for (int s = 0; s < bar_->Sections().size(); ++s) {
    seen += Line(S(bar_->Sections()[s]));
    for (const QString& name : bar_->ButtonsOf(s)) {
      const QToolButton* b = bar_->Button(name);
      seen += Line(S(name), bar_->IsShown(name), S(b->toolTip()), S(LongHint(Hint(b))), b->autoRaise());
    }
  }

  // A right click on the bar, "Anpassen..." in its menu.
  QTimer::singleShot(0, [] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(menu->actions().value(0)).center());
  });
  QToolButton* save = bar_->Button("FileSaveBtn");
  QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(5, 5), save->mapToGlobal(QPoint(5, 5)));
  QApplication::sendEvent(save, &rightClick);
  ASSERT_NE(Setup(), nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(Setup()));
  seen += Line("arranging", S(Setup()->windowTitle()), Bar());
  for (int row = 0; row < 6; ++row) seen += Line(List(row));

  // A click on a button of the bar runs nothing while it is arranged.
  QTest::mouseClick(bar_->Button("FileOpenBtn"), Qt::LeftButton);
  DragFromList(1, "Löschen", At("EditCopyBtn"));
  seen += Line("Löschen before Kopieren", Bar(), List(1));
  Drag(bar_->Button("HelpAboutBtn"), QPoint(5, 5), bar_, At("FileNewBtn"));
  seen += Line("Über along the bar to the start", Bar());
  Drag(bar_->Button("FileNewBtn"), QPoint(5, 5), bar_, At("FilePrintBtn", true));
  seen += Line("Neu behind Drucken", Bar());
  Drag(bar_->Button("FileExitBtn"), QPoint(5, 5), Setup(), QPoint(20, 20));
  seen += Line("Beenden into the window", Bar(), List(0));
  Drag(bar_->Button("EditFindBtn"), QPoint(5, 5), nullptr);
  seen += Line("Suchen off the bar", Bar(), List(1));
  Drag(bar_->Button("WettkampfDatenBtn"), QPoint(5, 5), w_->Grid(), QPoint(50, 50));
  seen += Line("Wettkampfdaten onto the grid", Bar(), List(2));
  DragFromList(3, "Einstellungen", At("HelpAboutBtn"));
  DragFromList(5, "Regelwerk 1999", At("EditPasteBtn", true));
  seen += Line("Einstellungen and Regelwerk 1999", Bar(), List(5));
  // A button of the list dropped on its own list stays there.
  DragFromList(0, "Beenden", QPoint(5, 5), Child<QListWidget>(*Setup(), "ButtonsList"));
  seen += Line("Beenden dropped on its list", Bar(), List(0));

  TypeSize("WidthEdit", "56");
  TypeSize("HeightEdit", "40");
  // Each button 56 by 40, its caption whole or cut with "...".
  bool sized = true;
  for (const QString& name : bar_->Shown()) {
    const QToolButton* b = bar_->Button(name);
    const QString caption = bar_->Caption(name);
    sized &= b->size() == QSize(56, 40) &&
             (b->text() == caption || (b->text().endsWith(u'…') && caption.startsWith(b->text().chopped(1))));
  }
  const QToolButton* print = bar_->Button("FilePrintSetupBtn");
  seen += Line("56 x 40", sized, S(bar_->Button("FileNewBtn")->text()), print->text() != bar_->Caption(print->objectName()));
  TypeSize("WidthEdit", "0");
  seen += Line("width automatisch", Bar(), S(Child<QSpinBox>(*Setup(), "WidthEdit")->text()), print->width() > 56);

  QTest::keyClick(Setup(), Qt::Key_Escape);
  seen += Line("Escape", Setup() == nullptr, Bar());

  // The mouse over a button: the part of its hint behind "|" in the status line.
  std::string status;
  for (const char* name : {"EditDeleteBtn", "FileOpenBtn"}) {
    MoveMouse(bar_->Button(name), QPoint(3, 3));
    status += "[" + S(w_->findChild<QLabel*>("StatusLine")->text()) + "]";
  }
  seen += Line("status line", status);

  // Without a participant chosen, delete is off; on Müller it asks first.
  w_->findChild<QTabBar*>("AgeTabSet")->setCurrentIndex(2);
  w_->Grid()->SetCurrent(1, 1);
  desk.AnswerMessage(mrYes);
  QTest::mouseClick(bar_->Button("EditDeleteBtn"), Qt::LeftButton);
  seen += Line("Löschen", w_->CurrentAgeClass()->GetCount(), FromOem(w_->CurrentAgeClass()->At(0)->Name(true)));
  desk.AnswerDialog("TWettkampfDatenDlg", mrCancel);
  QTest::mouseClick(bar_->Button("EinstellungenBtn"), Qt::LeftButton);
  QTest::mouseClick(bar_->Button("HelpRegelwerk99Btn"), Qt::LeftButton);
  EXPECT_TRUE(desk.Used());
  ExpectSeen(seen + Transcript(), "speed-bar.txt");
}

}  // namespace

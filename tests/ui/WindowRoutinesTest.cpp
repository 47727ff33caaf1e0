// The shared window routines: messages, the code-page edge,
// the exception handler, the program's own desktop, the version information
// in the about box and the caption, and the tips window.
#include <unistd.h>

#include <cerrno>
#include <stdexcept>
#include <utility>
#include <vector>

#include <QLocale>
#include <QMessageBox>
#include <QToolButton>

#include "About.h"
#include "Tips.h"
#include "UiTestSupport.h"
#include "VkMain.h"
#include "VkWMisc.h"
#include "YrPrev.h"

namespace {

void AddAgeClass(TWettkampf& c, const std::string& utf8Name) {
  auto* ak = new TAltersklasse;
  ak->SetName(Oem(utf8Name));
  c.Insert(ak);
}

}  // namespace

// The core's messages reach the user through the hook; during one command
// each shows once: ten at once, a hundred in one box at the end, the rest
// only counted there.
TEST(WindowRoutines, CoreMessagesReachTheUserOnceEachPerCommandAndTheRestInOneBox) {
  ScriptedDesktop desk;
  std::string seen;
  {
    CommandScope command;
    CommandScope nested;
    TWettkampf c;
    for (int round = 0; round < 3; ++round)
      for (int i = 1; i <= 115; ++i) AddAgeClass(c, "Jüngste " + std::to_string(i));
    seen = Line("during the command", desk.asked.size());
  }
  // Outside a command every message shows.
  ErrorMsgProc(Oem("Zeile 1\rZeile 2"));
  ErrorMsgProc(Oem("Zeile 1\rZeile 2"));
  ExpectSeen(seen + desk.Transcript(), "window-routines.txt");
}

// A modal dialog that a command opened: each command the user gives in it
// shows its messages anew, and the opener's command, which goes on when the
// dialog closes, still drops what it showed before.
TEST(WindowRoutines, CommandsGivenInAModalDialogCountTheirMessagesApart) {
  ScriptedDesktop desk;
  {
    CommandScope menu;
    ErrorMsgProc("A");
    ErrorMsgProc("A");
    {
      ModalRun dialog;
      for (int click = 0; click < 2; ++click) {
        CommandScope button;
        CommandScope nested;
        ErrorMsgProc("B");
        ErrorMsgProc("B");
        ErrorMsgProc("A");
      }
    }
    ErrorMsgProc("A");
    ErrorMsgProc("B");
  }
  std::string said;
  for (const ScriptedDesktop::Asked& a : desk.asked) said += a.text;
  EXPECT_EQ(said, "ABABAB");
}

TEST(WindowRoutines, TheCodePageEdge) {
  EXPECT_EQ(std::tuple(FromOem("M\x81ller\r\xC9\xCD"), ToOem("Müller", 255), ToOem("Müller", 3),
                       ToOem(QString::fromUtf8("a\U0001F600b"), 9)),
            std::tuple(QString("Müller\r╔═"), std::string("M\x81ller"), std::string("M\x81l"), std::string("a?b")));
}

TEST(WindowRoutines, AnExceptionInAnEventIsShownAndTheProgramGoesOn) {
  struct Thrower : QObject {
    int handled = 0;
    bool event(QEvent* e) override {
      if (e->type() == QEvent::User) throw std::runtime_error("Index außerhalb");
      if (e->type() == QEvent::MaxUser) ++handled;
      return QObject::event(e);
    }
  };
  ScriptedDesktop desk;
  Thrower t;
  QEvent boom(QEvent::User);
  bool delivered = QCoreApplication::sendEvent(&t, &boom);
  QCoreApplication::postEvent(&t, new QEvent(QEvent::MaxUser));
  QCoreApplication::processEvents();
  EXPECT_EQ(Line(delivered, t.handled) + desk.Transcript(),
            "nein | 1\nmessage | Error OK | Fehler | Interner Programmfehler aufgetreten: \nIndex außerhalb\n");
}

// The program's own boxes speak German and stand over the main window, also
// while a file that fails to load at start has it not active yet.
TEST(WindowRoutines, TheProgramsBoxesSpeakGermanOverTheMainWindow) {
  const testdata::TempDir dir;
  const std::string path = dir / "kaputt.ERG";
  std::ofstream(path) << "kein Ergebnis";
  TMainForm w;
  w.show();
  std::string seen;
  QTimer answer;
  QObject::connect(&answer, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    QStringList buttons;
    for (QAbstractButton* b : box->buttons()) buttons.push_back(b->text());
    buttons.sort();
    seen += Line(box->text(), box->windowTitle(), buttons.join(" "), box->parentWidget() == &w);
    for (QAbstractButton* b : box->buttons())
      if (b->text() == "&Nein" || buttons.size() == 1) b->click();
  });
  answer.start(10);
  w.Start({QString::fromStdString(path)});
  const int no = TheDesktop().MessageBox(MsgKind::Warning, "", "Die Datei ´x.erg´ wurde geändert. Speichern?",
                                         mbYesNoCancel);
  // File filters, numbers and Qt's own dialogs in German.
  seen += Line(no == mrNo, QtNameFilters("Ergebnisdateien (*.ERG)|*.ERG|Textdateien (*.TXT;*.CSV)|*.TXT;*.CSV|Alle "
                                         "Dateien|*.*").join(" / "),
               QLocale().toString(9999.0, 'f', 2), QCoreApplication::translate("QPlatformTheme", "Cancel"));
  ExpectSeen(seen, "window-routines.txt");
}

// Where the window manager does not maximise it, the preview opens with
// every button of its speed bar in sight, on a 1280 x 800 screen too.
TEST(WindowRoutines, ThePreviewOpensWithEveryButtonInSight) {
  TPreviewForm form;
  form.Setup(nullptr, 1, 2100, 2970);
  form.setWindowState(Qt::WindowNoState);
  form.show();
  QCoreApplication::processEvents();
  auto* overflow = form.findChild<QToolButton*>("qt_toolbar_ext_button");
  EXPECT_TRUE(overflow && !overflow->isVisible() && form.width() <= 1280 && form.height() <= 800) << form.width();
}

// The application object is made before any test: a write into a pipe
// whose reader has gone fails instead of ending the program.
TEST(WindowRoutines, AWriteIntoAPipeWithoutReaderFails) {
  int fds[2];
  ASSERT_EQ(::pipe(fds), 0);
  ::close(fds[0]);
  const ssize_t written = ::write(fds[1], "x", 1);
  const int error = errno;
  ::close(fds[1]);
  EXPECT_EQ(std::pair(written, error), std::pair(ssize_t{-1}, EPIPE));
}

// Prev from the random first tip, twice (the first tip, then the last),
// Next twice.
TEST(Tips, OpenAtARandomTipAndWrapAtBothEnds) {
  ScriptedDesktop desk;
  desk.AnswerRandom(1);
  std::string seen;
  desk.AnswerDialog("TTipsDlg", mrOk, [&](QDialog& d) {
    for (const char* button : {"", "PrevBtn", "PrevBtn", "NextBtn", "NextBtn"}) {
      if (*button) Click(d, button);
      seen += Line(*button ? button : "opened", static_cast<TTipsDlg&>(d).TipIndex(), Text(d, "TipLabel"));
    }
  });
  ShowTips(nullptr);
  EXPECT_TRUE(desk.Used());
  ExpectSeen(seen, "window-routines.txt");
}

// The program's own version block, one with a gap, and none at all: the
// about box and the main window's caption.
TEST(AboutBox, ShowsTheVersionBlockOrItsFallbacks) {
  ScriptedDesktop desk;
  std::string seen;
  const VersionSource own = SetVersionSource({});
  for (const VersionSource& source : std::vector<VersionSource>{
           {}, [] { return std::optional<VersionBlock>(VersionBlock{QStringLiteral("3.1"), std::nullopt, QString()}); },
           [] { return std::optional<VersionBlock>(); }}) {
    SetVersionSource(source);
    TAboutBox box;
    seen += Line(box.windowTitle(), Text(box, "ProgramNameLabel"), Text(box, "VersionLabel"), Text(box, "Copyright"),
                 TMainForm().windowTitle());
  }
  SetVersionSource(own);
  desk.AnswerDialog("TAboutBox", mrOk);
  ShowAboutBox();
  ExpectSeen(seen + desk.Transcript(), "window-routines.txt");
}

// The program's own icon, built in: the application's, so every window and
// the about box show it, in each of its sizes.
TEST(AboutBox, TheProgramsIconOnEveryWindowAndInTheAboutBox) {
  // Pixels only, premultiplied as a pixmap holds them: a pixmap keeps
  // neither the file's colour space nor its unmultiplied alpha.
  const auto pixels = [](const QImage& image) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    std::vector<QRgb> all;
    for (int y = 0; y < argb.height(); ++y)
      for (int x = 0; x < argb.width(); ++x) all.push_back(argb.pixel(x, y));
    return std::pair(argb.size(), all);
  };
  const auto drawn = pixels(QImage(QStringLiteral(":/icons/brantovex-32.png")));
  ASSERT_EQ(drawn.first, QSize(32, 32));
  const auto shown = [&pixels](const QIcon& icon, int size) { return pixels(icon.pixmap(size, size).toImage()); };
  EXPECT_EQ(shown(QApplication::windowIcon(), 32), drawn);
  for (int size : {16, 48, 64, 128, 256})
    EXPECT_EQ(shown(QApplication::windowIcon(), size).first, QSize(size, size)) << size;
  TAboutBox box;
  const QLabel* label = box.findChild<QLabel*>("ProgramIcon");
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(pixels(label->pixmap().toImage()), drawn);
  EXPECT_EQ(shown(box.windowIcon(), 32), drawn);
  EXPECT_EQ(shown(TMainForm().windowIcon(), 32), drawn);
}

// The shared window routines: messages, the code-page edge,
// the exception handler, the program's own desktop, the version information
// in the about box and the caption, and the tips window.
#include <unistd.h>

#include <cerrno>
#include <stdexcept>

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

std::string Duplicate(const std::string& name) {
  return "Die Altersklasse " + name + " konnte nicht eingefügt werden (sie existiert bereits).";
}

}  // namespace

// The core's messages reach the user through the hook; during one command
// each shows once: ten at once, a hundred in one box at the end, the rest
// only counted there.
TEST(WindowRoutines, CoreMessagesReachTheUserOnceEachPerCommandAndTheRestInOneBox) {
  ScriptedDesktop desk;
  size_t duringCommand = 0;
  {
    CommandScope command;
    CommandScope nested;
    TWettkampf c;
    for (int round = 0; round < 3; ++round)
      for (int i = 1; i <= 115; ++i) AddAgeClass(c, "Jüngste " + std::to_string(i));
    duringCommand = desk.Messages().size();
  }
  Texts shown;
  std::string listed;
  for (int i = 1; i <= 110; ++i)
    i <= 10 ? shown.push_back(Duplicate("Jüngste " + std::to_string(i)))
            : void(listed += Duplicate("Jüngste " + std::to_string(i)) + "\n\n");
  shown.push_back(listed + "… und 5 weitere Meldungen.");
  // Outside a command every message shows.
  ErrorMsgProc(Oem("Zeile 1\rZeile 2"));
  ErrorMsgProc(Oem("Zeile 1\rZeile 2"));
  shown.insert(shown.end(), 2, "Zeile 1\nZeile 2");
  const ScriptedDesktop::Asked &first = desk.asked[0], &rest = desk.asked[10];
  EXPECT_EQ(std::tuple(duringCommand, desk.Messages(), first.caption, first.name, rest.what,
                       rest.caption),
            std::tuple(size_t{10}, shown, "Information", "Information OK", "long text", "Weitere Meldungen"));
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
  EXPECT_EQ(std::tuple(delivered, t.handled, desk.Messages(), desk.asked.at(0).name),
            std::tuple(false, 1, Texts{"Interner Programmfehler aufgetreten: \nIndex außerhalb"},
                       "Error OK"));
}

// The program's own boxes speak German and stand over the main window, also
// while a file that fails to load at start has it not active yet.
TEST(WindowRoutines, TheProgramsBoxesSpeakGermanOverTheMainWindow) {
  const testdata::TempDir dir;
  const std::string path = dir / "kaputt.ERG";
  std::ofstream(path) << "kein Ergebnis";
  TMainForm w;
  w.show();
  using Box = std::tuple<std::string, std::string, Texts, bool>;
  std::vector<Box> boxes;
  QTimer answer;
  QObject::connect(&answer, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    Texts buttons;
    for (QAbstractButton* b : box->buttons()) buttons.push_back(b->text().toStdString());
    std::sort(buttons.begin(), buttons.end());
    boxes.emplace_back(box->text().toStdString(), box->windowTitle().toStdString(), buttons, box->parentWidget() == &w);
    for (QAbstractButton* b : box->buttons())
      if (b->text() == "&Nein" || buttons.size() == 1) b->click();
  });
  answer.start(10);
  w.Start({QString::fromStdString(path)});
  const int no = TheDesktop().MessageBox(MsgKind::Warning, "", "Die Datei ´x.erg´ wurde geändert. Speichern?",
                                         mbYesNoCancel);
  const Texts ok = {"OK"};
  EXPECT_EQ(std::tuple(boxes, no),
            std::tuple(std::vector<Box>{{"Unbekanntes Ergebnisdateiformat.", "Information", ok, true},
                                        {"Fehler beim Laden der Datei.", "Information", ok, true},
                                        {"Die Datei ´x.erg´ wurde geändert. Speichern?", "Warnung",
                                         {"&Ja", "&Nein", "Abbrechen"}, true}},
                       int(mrNo)));

  EXPECT_EQ(QtNameFilters("Ergebnisdateien (*.ERG)|*.ERG|Textdateien (*.TXT;*.CSV)|*.TXT;*.CSV|Alle Dateien|*.*"),
            QStringList({"Ergebnisdateien (*.ERG *.erg)", "Textdateien (*.TXT *.txt *.CSV *.csv)",
                         "Alle Dateien (*)"}));
  // Numbers and Qt's own dialogs in German.
  EXPECT_EQ(std::tuple(QLocale().toString(9999.0, 'f', 2), QCoreApplication::translate("QPlatformTheme", "Cancel")),
            std::tuple(QString("9.999,00"), QString("Abbrechen")));
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
  std::vector<std::pair<int, std::string>> shown;
  desk.AnswerDialog("TTipsDlg", mrOk, [&](QDialog& d) {
    for (const char* button : {"", "PrevBtn", "PrevBtn", "NextBtn", "NextBtn"}) {
      if (*button) Click(d, button);
      shown.emplace_back(static_cast<TTipsDlg&>(d).TipIndex(), Text(d, "TipLabel"));
    }
  });
  ShowTips(nullptr);
  const std::string last = "Im Menü Bearbeiten können Sie den zuvor markierten Bereich in die Zwischenablage kopieren "
                           "und z.B. in Textverarbeitungen oder Tabellenkalkulationen einfügen und weiter bearbeiten.";
  EXPECT_EQ(std::tuple(shown[0].first, shown[1], shown[2], shown[3], shown[4] == shown[0], desk.Used()),
            std::tuple(1, std::pair(0, std::string()), std::pair(9, last), std::pair(0, std::string()), true, true));
}

// The program's own version block, one with a gap, and none at all: the
// about box and the main window's caption.
TEST(AboutBox, ShowsTheVersionBlockOrItsFallbacks) {
  ScriptedDesktop desk;
  using Shown = std::tuple<std::string, std::string, std::string, std::string, std::string>;
  std::vector<Shown> shown;
  const VersionSource own = SetVersionSource({});
  for (const VersionSource& source : std::vector<VersionSource>{
           {}, [] { return std::optional<VersionBlock>(VersionBlock{QStringLiteral("3.1"), std::nullopt, QString()}); },
           [] { return std::optional<VersionBlock>(); }}) {
    SetVersionSource(source);
    TAboutBox box;
    shown.emplace_back(box.windowTitle().toStdString(), Text(box, "ProgramNameLabel"), Text(box, "VersionLabel"),
                       Text(box, "Copyright"), TMainForm().windowTitle().toStdString());
  }
  SetVersionSource(own);
  desk.AnswerDialog("TAboutBox", mrOk);
  ShowAboutBox();
  EXPECT_EQ(std::tuple(shown, desk.Dialogs()),
            std::tuple(std::vector<Shown>{{"Über Vk Brantovex", "Vk Brantovex", "Version 2007.0.0.1",
                                           "Copyright © 2007 Tarnwell. Alle Rechte vorbehalten.",
                                           "Vk Brantovex - <unbenannt>"},
                                          {"Über ", "", "Version 3.1", "Copyright © 2007 Tarnwell", " - <unbenannt>"},
                                          {"Über ", "", "Version keine Versionsangabe vorhanden",
                                           "Copyright © 2007 Tarnwell", " - <unbenannt>"}},
                       Texts{"TAboutBox"}));
}

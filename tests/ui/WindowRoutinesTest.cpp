#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <optional>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include <QAbstractButton>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QTimer>

#include "CodePage.h"
#include "Desktop.h"
#include "OemText.h"
#include "QtTestApp.h"
#include "ScriptedDesktop.h"
#include "VkAltersk.h"
#include "VkMain.h"
#include "VkWMisc.h"
#include "VkWettk.h"

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

TEST(WindowRoutines, CoreMessagesReachTheUserThroughTheHook) {
  ScriptedDesktop desk;
  TWettkampf c;
  AddAgeClass(c, "Jüngste");
  AddAgeClass(c, "Jüngste");
  ErrorMsgProc(Oem("Zeile 1\rZeile 2"));
  ASSERT_EQ(desk.Messages(), (std::vector<std::string>{Duplicate("Jüngste"), "Zeile 1\nZeile 2"}));
  EXPECT_EQ(std::tuple(desk.asked[0].caption, desk.asked[0].kind, desk.asked[0].buttons),
            std::tuple("Information", MsgKind::Information, mbOk));
}

TEST(WindowRoutines, OneCommandShowsEachMessageOnceAndTheRestInOneBox) {
  ScriptedDesktop desk;
  std::vector<std::string> shown, held;
  size_t duringCommand = 0;
  {
    CommandScope command;
    CommandScope nested;
    TWettkampf c;
    for (int round = 0; round < 3; ++round)
      for (int i = 1; i <= 12; ++i) AddAgeClass(c, "AK " + std::to_string(i));
    duringCommand = desk.Messages().size();
  }
  for (int i = 1; i <= 12; ++i) (i <= 10 ? shown : held).push_back(Duplicate("AK " + std::to_string(i)));
  shown.push_back(held[0] + "\n\n" + held[1]);
  // Outside a command every message shows.
  ReportError("x");
  ReportError("x");
  shown.insert(shown.end(), {"x", "x"});
  EXPECT_EQ(std::tuple(duringCommand, desk.Messages(), desk.asked[10].what, desk.asked[10].caption),
            std::tuple(size_t{10}, shown, "long text", "Weitere Meldungen"));
}

TEST(WindowRoutines, BusyStateAndTheArrowOverAMessage) {
  ScriptedDesktop desk;
  TMainForm w;
  auto* label = w.findChild<QLabel*>("ActivityIndicator");
  auto cursor = [] {
    QCursor* c = QApplication::overrideCursor();
    return c ? c->shape() : Qt::BlankCursor;  // Blank: no override at all
  };
  SetBusy(true);
  std::vector<std::string> texts{label->text().toStdString()};
  Qt::CursorShape busy = cursor();
  ReportError("Fehler");
  Qt::CursorShape afterBox = cursor();
  SetBusy(false);
  texts.push_back(label->text().toStdString());
  EXPECT_EQ(std::tuple(texts, busy, desk.asked.at(0).cursor, afterBox, cursor()),
            std::tuple(std::vector<std::string>{"Warten", "Bereit"}, Qt::WaitCursor, Qt::ArrowCursor, Qt::WaitCursor,
                       Qt::BlankCursor));
}

TEST(WindowRoutines, VersionInformation) {
  VersionInfo program, none{"", "bleibt", "bleibt auch"}, partial{"alt", "", ""};
  GetVersionInfo(program);
  VersionSource saved = SetVersionSource([] { return std::optional<VersionBlock>(); });
  GetVersionInfo(none);
  SetVersionSource([] { return std::optional<VersionBlock>(VersionBlock{{}, {}, QString("Name")}); });
  GetVersionInfo(partial);
  SetVersionSource(saved);
  auto strings = [](const VersionInfo& v) {
    return std::tuple(v.fileVersion.toStdString(), v.legalCopyright.toStdString(), v.productName.toStdString());
  };
  EXPECT_EQ(strings(program), std::tuple("2007.0.0.1", "© 2007 Tarnwell. Alle Rechte vorbehalten.", "Vk Brantovex"));
  EXPECT_EQ(strings(none), std::tuple("keine Versionsangabe vorhanden", "bleibt", "bleibt auch"));
  EXPECT_EQ(strings(partial), std::tuple("alt", "", "Name"));
}

TEST(WindowRoutines, AgeClassNamesAndTheCodePageEdge) {
  QStringList names{"vorher"};
  FillAgeClassNames(nullptr, names);
  TWettkampf c;
  AddAgeClass(c, "Ältere");
  AddAgeClass(c, "Jüngste");
  FillAgeClassNames(&c, names);
  EXPECT_EQ(names, QStringList({"vorher", "Jüngste", "Ältere"}));

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
  EXPECT_EQ(std::tuple(delivered, t.handled, desk.Messages(), desk.asked.at(0).kind),
            std::tuple(false, 1, std::vector<std::string>{"Interner Programmfehler aufgetreten: \nIndex außerhalb"},
                       MsgKind::Error));
}

TEST(WindowRoutines, TheProgramsDesktopSpeaksGerman) {
  RealDesktop real;
  std::vector<std::string> buttons;
  std::string caption;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    caption = box->windowTitle().toStdString();
    for (QAbstractButton* b : box->buttons()) buttons.push_back(b->text().toStdString());
    for (QAbstractButton* b : box->buttons())
      if (b->text() == "&Nein") b->click();
  });
  int answer = real.MessageBox(MsgKind::Warning, "", "Die Datei ´x.erg´ wurde geändert. Speichern?", mbYesNoCancel);
  std::sort(buttons.begin(), buttons.end());
  EXPECT_EQ(std::tuple(answer, caption, buttons),
            std::tuple(int(mrNo), "Warnung", std::vector<std::string>{"&Ja", "&Nein", "Abbrechen"}));

  EXPECT_EQ(QtNameFilters("Ergebnisdateien (*.ERG)|*.ERG|Textdateien (*.TXT;*.CSV)|*.TXT;*.CSV|Alle Dateien|*.*"),
            QStringList({"Ergebnisdateien (*.ERG *.erg)", "Textdateien (*.TXT *.txt *.CSV *.csv)",
                         "Alle Dateien (*)"}));
  // Numbers and Qt's own dialogs in German.
  EXPECT_EQ(std::tuple(QLocale().toString(9999.0, 'f', 2), QCoreApplication::translate("QPlatformTheme", "Cancel")),
            std::tuple(QString("9.999,00"), QString("Abbrechen")));
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

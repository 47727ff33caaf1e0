#include "VkApplication.h"

#include <csignal>
#include <exception>

#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>

#include "Desktop.h"
#include "GroupKeys.h"
#include "VkWMisc.h"

void InstallGermanLocale() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

QIcon ProgramIcon() {
  // The resource lives in a static library: its registration is called in
  // by name, or the linker leaves it out.
  Q_INIT_RESOURCE(icons);
  QIcon icon;
  for (int size : {16, 32, 48, 64, 128, 256})
    icon.addFile(QStringLiteral(":/icons/brantovex-%1.png").arg(size), QSize(size, size));
  return icon;
}

VkApplication::VkApplication(int& argc, char** argv) : QApplication(argc, argv) {
  // A file written into a pipe whose reader has gone is a failed write that
  // the writer reports, not the end of the program with every unsaved
  // change.
  std::signal(SIGPIPE, SIG_IGN);
  InstallGermanLocale();
  // Without the package of Qt's translations the dialogs of Qt stay English;
  // everything of the program's own is German anyway.
  if (qtTexts_.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    installTranslator(&qtTexts_);
  setApplicationName(QStringLiteral("Vk Brantovex"));
  // Every window, the about box and the desktop's task list show it.
  setWindowIcon(ProgramIcon());
  InstallWindowRoutines();
  // The key of a group reaches its first control that takes the focus.
  new GroupKeys(this);
}

bool VkApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& e) {
    ExceptionHandler(QString::fromUtf8(e.what()));
  } catch (...) {
    ExceptionHandler(QStringLiteral("Unbekannte Ausnahme"));
  }
  return false;
}

void VkApplication::ExceptionHandler(const QString& message) {
  TheDesktop().ShowError(QStringLiteral("Interner Programmfehler aufgetreten: \n") + message);
}

// The program's application object.
//
// Its construction does what the program needs before the first window:
// SIGPIPE ignored (a write into a pipe whose reader went away fails like any
// other write instead of ending the program), the German locale for Qt
// (numbers "9.999,00", Qt's own dialogs), Qt's German texts, the title
// "Vk Brantovex", the program's icon and the window routines (the lower
// layers' messages reach the user from here on). It is also the last stop
// for an exception an event handler lets through: the user sees it in an
// error box and the program goes on. Tests create one as well, so they run under the
// same conditions as the program.
#pragma once

#include <QApplication>
#include <QIcon>
#include <QString>
#include <QTranslator>

class VkApplication : public QApplication {
  Q_OBJECT

 public:
  VkApplication(int& argc, char** argv);

  bool notify(QObject* receiver, QEvent* event) override;

  // "Interner Programmfehler aufgetreten: ", a line break and the message,
  // as an error box with one OK button.
  static void ExceptionHandler(const QString& message);

 private:
  QTranslator qtTexts_;
};

// The program's own icon (a life ring on the water) in its sizes.
QIcon ProgramIcon();

// The German locale as Qt's default (number texts, the decimal comma the
// edits accept).
void InstallGermanLocale();

#include <QApplication>

#include "MainWindow.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Vk Brantovex"));
  MainWindow window;
  window.show();
  return app.exec();
}

#include "MainWindow.h"

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
  setObjectName("MainForm");
  setWindowTitle(CaptionFor(QStringLiteral("<unbenannt>")));
  resize(800, 600);
}

QString MainWindow::CaptionFor(const QString& documentName) {
  return QStringLiteral("Vk Brantovex - ") + documentName;
}

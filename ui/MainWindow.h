// The program's main window. It holds no competition data of its own.
#pragma once

#include <QMainWindow>

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(QWidget* parent = nullptr);

  // Caption for a document name: "Vk Brantovex - <name>".
  static QString CaptionFor(const QString& documentName);
};

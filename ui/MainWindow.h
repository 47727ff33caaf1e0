// The program's main window. It holds no competition data of its own.
#pragma once

#include <QMainWindow>
#include <QString>

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(QWidget* parent = nullptr);

  // Caption for a document name: "<product name> - <name>".
  QString CaptionFor(const QString& documentName) const;

 private:
  QString productNameText_;
};

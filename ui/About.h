// The about box: the program's icon, product name, version and copyright
// line from the version block (VkWMisc.h). Without a version block it still
// shows something sensible: "Version keine Versionsangabe vorhanden" and the
// program's own copyright line.
#pragma once

#include <QDialog>
#include <QString>

class QLabel;

class TAboutBox : public QDialog {
  Q_OBJECT

 public:
  // The copyright line when the version block has none.
  static const QString& FallbackCopyright();

  // FormCreate: reads the version block once.
  explicit TAboutBox(QWidget* owner = nullptr);

 protected:
  // FormShow.
  void showEvent(QShowEvent* event) override;

 private:
  QString fileVersion_;
  QString copyright_;
  QString productName_;
  QLabel* stackMinLabel_;
};

// Creates an about box, shows it modally through the desktop, frees it.
void ShowAboutBox(QWidget* owner = nullptr);

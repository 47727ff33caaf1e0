#include "MainWindow.h"

#include <QLabel>
#include <QStatusBar>

#include "VkWMisc.h"

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
  setObjectName("MainForm");
  VersionInfo version;
  GetVersionInfo(version);
  productNameText_ = version.productName;
  auto* activity = new QLabel(QString::fromUtf16(kReadyText), this);
  activity->setObjectName(QStringLiteral("ActivityIndicator"));
  statusBar()->addPermanentWidget(activity);
  setWindowTitle(CaptionFor(QStringLiteral("<unbenannt>")));
  resize(800, 600);
}

QString MainWindow::CaptionFor(const QString& documentName) const {
  return productNameText_ + QStringLiteral(" - ") + documentName;
}

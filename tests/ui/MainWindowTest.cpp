#include <QApplication>

#include <gtest/gtest.h>

#include "MainWindow.h"

TEST(MainWindow, StartsWithUntitledCaption) {
  int argc = 1;
  char arg0[] = "test_ui";
  char* argv[] = {arg0, nullptr};
  QApplication app(argc, argv);
  MainWindow w;
  EXPECT_EQ(w.windowTitle().toStdString(), "Vk Brantovex - <unbenannt>");
  EXPECT_EQ(w.objectName().toStdString(), "MainForm");
}

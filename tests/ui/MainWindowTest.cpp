#include <optional>
#include <string>
#include <tuple>

#include <QLabel>

#include "MainWindow.h"
#include "QtTestApp.h"
#include "VkWMisc.h"

TEST(MainWindow, CaptionFromTheVersionBlock) {
  MainWindow w;
  VersionSource saved = SetVersionSource([] { return std::optional<VersionBlock>(); });
  MainWindow withoutVersion;
  SetVersionSource(saved);
  EXPECT_EQ(std::tuple(w.objectName().toStdString(), w.windowTitle().toStdString(),
                       w.findChild<QLabel*>("ActivityIndicator")->text().toStdString(),
                       withoutVersion.windowTitle().toStdString()),
            std::tuple("MainForm", "Vk Brantovex - <unbenannt>", "Bereit", " - <unbenannt>"));
}

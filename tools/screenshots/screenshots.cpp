// Takes pictures of the main window for a review by eye: the window on a
// result file, its find dialog, each of its menus and the window that
// arranges the speed bar, as PNG files.
//
//   screenshots FILE FOLDER [TAB]
//
// TAB is the age-class tab shown (0 first). Runs headless unless
// QT_QPA_PLATFORM says otherwise. FILE must load: a box about a broken file
// would wait for an answer nobody gives.
#include <cstdio>
#include <cstdlib>

#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <QtTest/QTest>

#include "FindDlg.h"
#include "ParticipantGrid.h"
#include "SpeedBar.h"
#include "SpeedBarSetup.h"
#include "VkApplication.h"
#include "VkLoadSave.h"
#include "VkMain.h"
#include "VkWettk.h"

int main(int argc, char** argv) {
  if (argc < 3 || argc > 4) {
    std::fprintf(stderr, "usage: screenshots FILE FOLDER [TAB]\n");
    return 2;
  }
  if (!LoadCompetition(argv[1], FormatCode::ResultFile)) {
    std::fprintf(stderr, "screenshots: %s is no result file\n", argv[1]);
    return 1;
  }
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  VkApplication app(argc, argv);
  const QDir folder(QString::fromLocal8Bit(argv[2]));
  TMainForm w;
  w.show();
  if (!QTest::qWaitForWindowActive(&w)) std::fprintf(stderr, "screenshots: the window never became active\n");
  w.Start({QString::fromLocal8Bit(argv[1])});
  if (argc == 4) w.findChild<QTabBar*>("AgeTabSet")->setCurrentIndex(std::atoi(argv[3]));
  w.Grid()->SetCurrent(2, 1);
  // The layout settles in the event loop, as it does before the first paint.
  QCoreApplication::processEvents();
  bool saved = w.grab().save(folder.filePath("mainwindow.png"));
  w.FindDialog()->SetFindText(QStringLiteral("Müller"));
  saved &= w.FindDialog()->grab().save(folder.filePath("mainwindow-find.png"));
  QList<QMenu*> menus;
  for (QAction* a : w.menuBar()->actions())
    if (a->menu()) menus << a->menu();
  menus << w.PopupMenu();
  for (int n = 0; n < menus.size(); ++n) {
    menus[n]->popup(w.mapToGlobal(QPoint(40, 60)));
    saved &= QTest::qWaitForWindowExposed(menus[n]);
    saved &= menus[n]->grab().save(folder.filePath(QStringLiteral("mainwindow-menu%1.png").arg(n)));
    menus[n]->hide();
  }
  w.SpeedBar()->Customize();
  saved &= QTest::qWaitForWindowExposed(w.SpeedBar()->SetupWindow());
  saved &= w.SpeedBar()->SetupWindow()->grab().save(folder.filePath("mainwindow-speedbar.png"));
  if (!saved) std::fprintf(stderr, "screenshots: cannot write into %s\n", argv[2]);
  return saved ? 0 : 1;
}

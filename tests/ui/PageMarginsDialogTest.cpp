#include <string>
#include <tuple>
#include <vector>

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

#include "PrnRand.h"
#include "QtTestApp.h"
#include "ScriptedDesktop.h"

namespace {

const char* const kFields[] = {"LeftSE", "TopSE", "RightSE", "BottomSE"};

std::tuple<int, int, int, int> Tuple(const PageMargins& m) { return {m.left, m.top, m.right, m.bottom}; }

}  // namespace

TEST(PageMarginsDialog, WholeMillimetresAndUntouchedMarginsKeptToTheHundredth) {
  ScriptedDesktop desk;
  TRaenderDlg dlg;
  // The print job's margins of 15,7 mm, 10 mm, 0 and 25,5 mm.
  dlg.SetMargins({1570, 1000, 0, 2550});
  std::vector<std::string> seen;
  desk.AnswerDialog("TRaenderDlg", mrOk, [&](QDialog& d) {
    seen.push_back(d.windowTitle().toStdString());
    seen.push_back(d.findChild<QGroupBox*>("GroupBox1")->title().toStdString());
    for (const char* name : kFields) {
      auto* edit = d.findChild<QSpinBox*>(name);
      for (QLabel* label : d.findChildren<QLabel*>())
        if (label->buddy() == edit) seen.push_back(label->text().toStdString());
      seen.push_back(std::to_string(edit->value()));
    }
    seen.push_back(d.focusWidget()->objectName().toStdString());
    d.findChild<QSpinBox*>("TopSE")->setValue(12);
    d.findChild<QSpinBox*>("BottomSE")->setValue(-5);  // no negative margin
  });
  ASSERT_EQ(TheDesktop().RunModal(dlg), mrOk);
  EXPECT_EQ(seen, (std::vector<std::string>{"Seitenränder einstellen", "Seitenränder in mm", "&links", "15", "&oben",
                                            "10", "&rechts", "0", "&unten", "25", "OKBtn"}));
  EXPECT_EQ(Tuple(dlg.Margins()), std::tuple(1570, 1200, 0, 0));
}

TEST(PageMarginsDialog, IsTheProgramsPageSetup) {
  RealDesktop real;
  PageMargins margins{1500, 1000, 1000, 1000};
  std::string title;
  // The form runs modally: answer it from the event loop.
  QTimer::singleShot(0, [&] {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->objectName() == "TRaenderDlg" && w->isVisible()) {
        title = w->windowTitle().toStdString();
        w->findChild<QSpinBox*>("LeftSE")->setValue(20);
        w->findChild<QPushButton*>("OKBtn")->click();
      }
  });
  const bool ok = real.PageSetup(margins);
  EXPECT_EQ(std::tuple(ok, title, Tuple(margins)),
            std::tuple(true, "Seitenränder einstellen", std::tuple(2000, 1000, 1000, 1000)));
}

// The tips window's wrap-around and the about box with and without the
// program's version information.
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include <QLabel>
#include <QPushButton>

#include "About.h"
#include "QtTestApp.h"
#include "ScriptedDesktop.h"
#include "Tips.h"
#include "VkWMisc.h"

TEST(Tips, OpenAtARandomTipAndWrapAtBothEnds) {
  ScriptedDesktop desk;
  desk.AnswerRandom(1);
  std::vector<int> shown;
  std::string firstText, lastText;
  desk.AnswerDialog("TTipsDlg", mrOk, [&](QDialog& d) {
    auto& tips = static_cast<TTipsDlg&>(d);
    auto click = [&](const char* name) {
      d.findChild<QPushButton*>(name)->click();
      shown.push_back(tips.TipIndex());
    };
    shown.push_back(tips.TipIndex());
    click("PrevBtn");
    firstText = d.findChild<QLabel*>("TipLabel")->text().toStdString();
    click("PrevBtn");
    lastText = d.findChild<QLabel*>("TipLabel")->text().toStdString();
    click("NextBtn");
    click("NextBtn");
  });
  ShowTips(nullptr);
  EXPECT_EQ(std::tuple(shown, firstText, lastText, desk.Used()),
            std::tuple(std::vector<int>{1, 0, 9, 0, 1}, "",
                       "Im Menü Bearbeiten können Sie den zuvor markierten Bereich in die Zwischenablage kopieren und "
                       "z.B. in Textverarbeitungen oder Tabellenkalkulationen einfügen und weiter bearbeiten.",
                       true));
}

TEST(AboutBox, ShowsTheVersionBlockOrItsFallbacks) {
  ScriptedDesktop desk;
  auto texts = [](const TAboutBox& box) {
    return std::tuple(box.windowTitle().toStdString(), box.findChild<QLabel*>("ProgramNameLabel")->text().toStdString(),
                      box.findChild<QLabel*>("VersionLabel")->text().toStdString(),
                      box.findChild<QLabel*>("Copyright")->text().toStdString());
  };
  VersionSource saved = SetVersionSource([] {
    return std::optional<VersionBlock>(VersionBlock{QStringLiteral("3.1"), std::nullopt, QStringLiteral("Kiv")});
  });
  TAboutBox withBlock;
  SetVersionSource([] { return std::optional<VersionBlock>(); });
  TAboutBox without;
  SetVersionSource(saved);
  desk.AnswerDialog("TAboutBox", mrOk);
  ShowAboutBox();
  EXPECT_EQ(std::tuple(texts(withBlock), texts(without), desk.Dialogs()),
            std::tuple(std::tuple("Über Kiv", "Kiv", "Version 3.1", "Copyright © 2007 Tarnwell"),
                       std::tuple("Über ", "", "Version keine Versionsangabe vorhanden", "Copyright © 2007 Tarnwell"),
                       std::vector<std::string>{"TAboutBox"}));
}

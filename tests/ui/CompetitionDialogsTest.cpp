// The competition-data and new-competition dialogs, driven as a user would,
// and the rule sets the new-competition choices make.

#include <QRadioButton>

#include "FindDlg.h"
#include "NewCompetitionChoice.h"
#include "OptHTML.h"
#include "Opttxt.h"
#include "PrnSetup.h"
#include "RadioGroup.h"
#include "UiTestSupport.h"
#include "VkWDiDat.h"
#include "VkWNeu.h"
#include "VkWPrn.h"
#include "VkWQuali.h"
#include "VkWReset.h"
#include "VkWStrei.h"
#include "VkWWettk.h"

namespace {

template <class T>
std::unique_ptr<QDialog> Make() {
  return std::make_unique<T>();
}

void Choose(QDialog& d, const char* group, int item) { Click(d, QStringLiteral("%1_%2").arg(group).arg(item)); }

// A team competition with one team whose 30-character name runs over the
// individual layout's first-name and birth-date fields.
std::unique_ptr<TWettkampf> TeamCompetition() {
  auto w = std::make_unique<TWettkampf>();
  TWettkampfDaten h = w->Header();
  h.SetTitle(Oem("Bezirksmeisterschaft Süd"));
  h.SetKind(TWettkampfDaten::kTeams);
  h.SetOrganiser(Oem("DLRG Ört"));
  h.SetHost(Oem("Schwimmverein Möwe"));
  h.SetDate(Oem("16. Juni 2007"));
  h.SetVenue(Oem("Hallenbad Grüntal"));
  h.SetLanesIndex(7);
  h.SetPool(1);
  h.SetCprStationsIndex(0);
  h.SetOptions(TWettkampfDaten::kOptHundredths);
  h.SetLastCprDuration(12);
  w->SetHeader(h);
  auto* ak = new TAltersklasse;
  ak->SetName("AK offen");
  auto* team = new TTeilnehmer;
  team->SetName(false, "Rettungsschwimmer Ostufer 1234");
  team->SetZusatz("zweite Mannschaft");
  ak->Insert(team);
  w->Insert(ak);
  return w;
}

}  // namespace

// Opened and closed with OK untouched, the dialog gives the header back
// byte for byte; what is typed and chosen then reaches the competition.
TEST(CompetitionDataDialog, FilledFromTheHeaderReadBackUnchangedAndEdited) {
  ScriptedDesktop desk;
  auto w = TeamCompetition();
  const TWettkampfDaten::Bytes before = w->Header().GetBytes();
  const TTeilnehmer::Bytes teamBytes = w->At(0)->At(0)->Record();
  TWettkampfDatenDlg untouched;
  untouched.SetWettkampfDaten(*w);
  ASSERT_EQ(desk.Run(untouched), mrOk);
  untouched.GetWettkampfDaten(*w);
  EXPECT_EQ(std::tuple(w->Header().GetBytes() == before, Text(untouched, "Edit3"),
                       Child<RadioGroup>(untouched, "RadioGroup2")->ItemIndex(),
                       Child<QCheckBox>(untouched, "HundertstelCB")->isChecked(), desk.Transcript()),
            std::tuple(true, "Schwimmverein Möwe", 7, false, "dialog | TWettkampfDatenDlg | Wettkampfdaten\n"));
  TWettkampfDatenDlg dlg;
  dlg.SetWettkampfDaten(*w);
  ASSERT_EQ(desk.Run(dlg, [](QDialog& d) {
    Type(d, "Edit1", QString(90, u'ä'));
    Choose(d, "RadioGroup1", 0);
    Choose(d, "RadioGroup4", 7);
    Click(d, "HundertstelCB");
  }), mrOk);
  dlg.GetWettkampfDaten(*w);
  const TWettkampfDaten& h = w->Header();
  // Switched to individual events: the team's bytes stay (what they read as
  // in the individual layout is the participant's business).
  EXPECT_EQ(std::tuple(h.Title(), h.Kind(), h.CprStationsIndex(), h.Options(), h.LastCprDuration(),
                       w->At(0)->DisplayOption(), w->At(0)->At(0)->Record() == teamBytes),
            std::tuple(std::string(80, '\x84'), uint16_t{0}, uint16_t{7}, uint16_t{0}, uint16_t{12}, uint8_t{0}, true));
}

TEST(NewCompetitionDialog, ChoicesGiveTheKindCodeAndTheYearIsHeldInRange) {
  ScriptedDesktop desk;
  for (const QStringList& c : DataRows("new-competition.txt")) {
    TFileNewDlg dlg;
    EXPECT_EQ(desk.Run(dlg, [&](QDialog& d) {
      Choose(d, "RadioGroup1", c[0].toInt());
      auto* split = d.findChild<QCheckBox*>("CheckBox1");
      if (split->isChecked() != (c[1] == "ja")) split->click();
      if (c[2] == "ja") Choose(d, "RadioGroup2", 1);
      Choose(d, "RadioGroup2", c[3].toInt());
    }), mrOk);
    EXPECT_EQ(Line(dlg.Kind(), dlg.findChild<QCheckBox*>("CheckBox1")->isEnabled()), S(c[4] + " | " + c[5] + "\n"))
        << S(c.join(" | "));
  }
  // Preset: the youth championship; the year is held within 1995..2007.
  TFileNewDlg dlg;
  const uint16_t preset = dlg.Kind();
  dlg.SetYear(2026);
  const uint16_t late = dlg.Year();
  dlg.SetYear(1990);
  EXPECT_EQ(std::tuple(preset, late, dlg.Year()), std::tuple(uint16_t{12}, uint16_t{2007}, uint16_t{1995}));
}

TEST(NewCompetitionChoice, KindAndYearGiveTheRuleSetAndTheHeaderTexts) {
  for (const QStringList& c : DataRows("rule-set-codes.txt"))
    EXPECT_EQ(RuleSetCodeFor(c[0].toUShort(), c[1].toUShort()), c[2].toInt()) << S(c.join(" | "));
  const auto w = NewCompetitionFor(1, 2000);
  const TWettkampfDaten& h = w->Header();
  EXPECT_EQ(std::tuple(w->IsIndividual(), w->GetCount() > 0, h.Title(), h.Organiser(), h.Host(), h.Date(), h.Venue()),
            std::tuple(false, true, "neue Meisterschaft 2000", "-", "-", "-", "-"));
}

// Tab once round each dialog, then Shift+Tab once round (Shift pressed and
// released around it, as a keyboard sends it): of every group of choices
// only the chosen button is a stop, or the first while none is chosen. The
// arrow keys move the choice and the stop with it ("Anzahl der
// Startplätze:" from 7 to 8). The key of a group, pressed from the dialog's
// first control, reaches the group's first control that takes the focus: an
// edit, or the first enabled button of a choice without one ("Berechnungs&art"
// of a dialog not yet filled).
TEST(DialogGroups, TabLandsOnTheChosenButtonAndAGroupsKeyOnItsFirstControl) {
  // Each dialog with a choice made beforehand (none: as it comes) and the
  // keys of its groups.
  const struct {
    std::function<std::unique_ptr<QDialog>()> make;
    const char* group;
    int chosen;
    std::vector<Qt::Key> groupKeys;
  } dialogs[] = {{Make<TWettkampfDatenDlg>, "RadioGroup2", 4, {Qt::Key_V}},
                 {Make<TFileNewDlg>, nullptr, 0, {}},
                 {Make<TZuruecksetzenDlg>, nullptr, 0, {}},
                 {Make<TStreichenDlg>, "RadioGroup1", 2, {}},
                 {Make<TQualifikationDlg>, nullptr, 0, {}},
                 {Make<TFindDialog>, nullptr, 0, {}},
                 {Make<TOptTXTDlg>, nullptr, 0, {}},
                 {Make<TOptHTMLDlg>, nullptr, 0, {}},
                 {Make<TDruckenDlg>, "RadioGroup1", 3, {}},
                 {Make<TDisziplinDatenDlg>, nullptr, 0, {Qt::Key_B, Qt::Key_A}},
                 {Make<TPrinterSetupDlg>, nullptr, 0, {}}};
  const auto focus = [] { return QApplication::focusWidget(); };
  const auto name = [](const QWidget* control) { return control ? S(control->objectName()) : std::string("-"); };
  // The buttons of choices that a round of the key reaches, from the
  // control that has the focus first; a round backwards is given in the
  // order forwards, as it should be the same.
  const auto round = [&](bool back) {
    std::vector<std::string> stops;
    QWidget* start = focus();
    for (int i = 0; i < 300; ++i) {
      if (qobject_cast<QRadioButton*>(focus())) stops.push_back(name(focus()));
      if (back) {
        QTest::keyPress(focus(), Qt::Key_Shift);
        QTest::keyClick(focus(), Qt::Key_Backtab, Qt::ShiftModifier);
        QTest::keyRelease(focus(), Qt::Key_Shift, Qt::ShiftModifier);
      } else {
        QTest::keyClick(focus(), Qt::Key_Tab);
      }
      if (focus() == start) break;
    }
    if (back && stops.size() > 1 && qobject_cast<QRadioButton*>(start)) std::reverse(stops.begin() + 1, stops.end());
    else if (back) std::reverse(stops.begin(), stops.end());
    std::string text;
    for (const std::string& stop : stops) text += (text.empty() ? "" : " ") + stop;
    return text;
  };
  std::string seen;
  for (const auto& entry : dialogs) {
    ScriptedDesktop desk;
    std::unique_ptr<QDialog> dlg = entry.make();
    if (entry.group) Child<RadioGroup>(*dlg, entry.group)->SetItemIndex(entry.chosen);
    desk.Run(*dlg, [&](QDialog& d) {
      seen += Line(name(&d), round(false), round(true));
      QWidget* first = focus();
      for (Qt::Key key : entry.groupKeys) {
        first->setFocus();
        QTest::keyClick(first, key, Qt::AltModifier);
        seen += Line("", QKeySequence(Qt::ALT | key).toString(), name(focus()));
      }
    }, mrCancel);
  }
  // The arrow moves the choice; Tab and Shift+Tab come back to the new one.
  ScriptedDesktop desk;
  TWettkampfDatenDlg dlg;
  Child<RadioGroup>(dlg, "RadioGroup2")->SetItemIndex(4);
  desk.Run(dlg, [&](QDialog& d) {
    Child(d, "RadioGroup2_4")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(focus(), Qt::Key_Right);
    seen += Line("Right", name(focus()), Child<RadioGroup>(d, "RadioGroup2")->ItemIndex());
    QTest::keyClick(focus(), Qt::Key_Tab);
    QTest::keyPress(focus(), Qt::Key_Shift);
    QTest::keyClick(focus(), Qt::Key_Backtab, Qt::ShiftModifier);
    QTest::keyRelease(focus(), Qt::Key_Shift, Qt::ShiftModifier);
    seen += Line("Tab, Shift+Tab", name(focus()));
  }, mrCancel);
  ExpectSeen(seen, "competition-dialogs.txt");
}

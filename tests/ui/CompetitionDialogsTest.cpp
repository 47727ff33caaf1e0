// The competition-data and new-competition dialogs, driven as a user would,
// and the rule sets the new-competition choices make.

#include "NewCompetitionChoice.h"
#include "RadioGroup.h"
#include "UiTestSupport.h"
#include "VkWNeu.h"
#include "VkWWettk.h"

namespace {

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

// The participant dialog entered, limited and left untouched, its status
// buttons, and the merge options.

#include <map>

#include "UiTestSupport.h"
#include "VkWHinzu.h"
#include "VkWTeiln.h"

namespace {

using Ints = std::vector<int>;

// A competition with one class "Jugend" of six disciplines.
std::unique_ptr<TWettkampf> Competition(bool individual, bool hundredths) {
  return Jugend(6, 0, individual ? TWettkampfDaten::kIndividual : TWettkampfDaten::kTeams, 0,
                hundredths ? TWettkampfDaten::kOptHundredths : 0);
}

// A person with a name, which OK asks for.
TTeilnehmer Named() {
  TTeilnehmer t;
  t.SetName(true, "Koch");
  return t;
}

// Runs the dialog on `t` with the script's act, then reads it back into `t`
// unless it was cancelled.
int Edit(const TWettkampf& w, TTeilnehmer& t, std::function<void(QDialog&)> act, ScriptedDesktop* outer = nullptr) {
  std::optional<ScriptedDesktop> own;
  ScriptedDesktop& desk = outer ? *outer : own.emplace();
  TTeilnehmerDlg dlg;
  dlg.SetWettkampf(w);
  dlg.SetTeilnehmer(t);
  desk.AnswerDialog("TTeilnehmerDlg", mrOk, std::move(act));
  int r = TheDesktop().RunModal(dlg);
  if (r != mrCancel) dlg.GetTeilnehmer(t);
  return r;
}

// Clicks character i of the edit (behind the text from its length on), as
// a user points at it.
void ClickCharacter(QLineEdit& e, int i) {
  auto gapX = [&e](int p) {
    e.setCursorPosition(p);
    return e.inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
  };
  const int n = int(e.text().size());
  QTest::mouseClick(&e, Qt::LeftButton, {}, QPoint(i >= n ? gapX(n) + 8 : (gapX(i) + gapX(i + 1)) / 2, e.height() / 2));
}

Ints Deductions(const TTeilnehmer& t) {
  Ints v;
  for (int d = 1; d <= 6; ++d) v.push_back(t.Deduction(d));
  return v;
}

}  // namespace

TEST(ParticipantDialog, EnteredParticipantWithAStatusCodeInEachDisciplineIsReadBack) {
  auto w = Competition(true, true);
  TTeilnehmer t;
  t.SetAltersklasse("Jugend");
  ASSERT_EQ(Edit(*w, t,
                 [](QDialog& d) {
                   EXPECT_EQ(Child<QComboBox>(d, "ComboBox1")->itemText(0), "Jugend");
                   Type(d, "NameEdit", "Müller");
                   Type(d, "VornameEdit", "Jürgen");
                   Type(d, "ZusatzEdit", "1995");
                   Type(d, "ComboBox2", "WÜ");
                   Type(d, "ZeitEdit1", "10543");
                   Type(d, "ZeitEdit2", "12:345");
                   for (int k = 1; k <= 6; ++k) {
                     Type(d, QStringLiteral("AbzugEdit%1").arg(k), QStringLiteral("-%1").arg(k));
                     Type(d, QStringLiteral("LaufEdit%1").arg(k), QString::number(k));
                     Type(d, QStringLiteral("BahnEdit%1").arg(k), QString::number(7 - k));
                   }
                   Type(d, "HLWPunkteEdit", "12,34");
                   Type(d, "HLWZeitEdit", "0935");
                   Type(d, "HLWBahnEdit", "4");
                   Click(d, "CheckBox2");
                   Click(d, "CheckBox3");
                   Click(d, "OKBtn");
                 }),
            mrOk);
  Ints heats, lanes;
  for (int d = 1; d <= 6; ++d) heats.push_back(t.Heat(d)), lanes.push_back(t.Lane(d));
  EXPECT_EQ(std::tuple(t.Name(true), t.Vorname(), t.Geburtsdatum(), t.Gliederung(), t.Altersklasse(), t.Time(1),
                       t.Time(2), t.Time(3), Deductions(t), heats, lanes, t.CprValue(), t.CprTime(), t.CprStation(),
                       t.Flags()),
            std::tuple(Oem("Müller"), Oem("Jürgen"), "1995", Oem("WÜ"), "Jugend", 6543, 75450, 0,
                       Ints{-1, -2, -3, -4, -5, -6}, Ints{1, 2, 3, 4, 5, 6}, Ints{6, 5, 4, 3, 2, 1}, 1234, 935, 4,
                       TTeilnehmer::kAusserKonkurrenz | TTeilnehmer::kDirektQualifiziert | TTeilnehmer::kMeldet));
}

// Zeit 1 as an official fills it in: a click, then keys. OK stores exactly
// the time the field shows; a field that shows no time refuses OK.
TEST(ParticipantDialog, ATimeIsTypedIntoItsPositionsAndStoredAsShown) {
  const std::map<QChar, Qt::Key> special = {{'^', Qt::Key_Home}, {'<', Qt::Key_Backspace}, {'>', Qt::Key_Delete}};
  for (const QStringList& c : DataRows("time-typing.txt")) {
    ScriptedDesktop desk;
    TTeilnehmer t = Named();
    t.SetTime(1, c[1].toInt());
    std::string shown;
    const int r = Edit(*Competition(true, c[0] == "m:ss,hh"), t, [&](QDialog& d) {
      auto* e = Child<QLineEdit>(d, "ZeitEdit1");
      if (c[2] == "tab") {
        ClickCharacter(*Child<QLineEdit>(d, "AbzugEdit1"), 99);
        QTest::keyClick(Child(d, "AbzugEdit1"), Qt::Key_Tab, Qt::ShiftModifier);
      } else {
        ClickCharacter(*e, c[2] == "end" ? 99 : c[2].toInt());
      }
      for (QChar k : c[3]) special.count(k) ? QTest::keyClick(e, special.at(k)) : QTest::keyClicks(e, QString(k));
      shown = e->text().toStdString();
    }, &desk);
    const bool refused = c[5] == "refused";
    const std::string warning = "Ungültige Zeitangabe. Bitte die Zeit in der Form " + S(c[0]) + " eingeben.";
    EXPECT_EQ(std::tuple(shown, t.Time(1), r, desk.Messages()),
              std::tuple(S(c[4]), (refused ? c[1] : c[5]).toInt(), refused ? mrCancel : mrOk,
                         refused ? Texts{warning} : Texts{}))
        << S(c.join(" | "));
  }
}

// OK with a blank name (a team's name) says so and puts the cursor there;
// the name typed then is stored.
TEST(ParticipantDialog, OkWantsAName) {
  using Got = std::tuple<bool, std::string, std::string, Texts>;
  std::vector<Got> got;
  for (bool individual : {true, false}) {
    ScriptedDesktop desk;
    TTeilnehmer t;
    bool open = false;
    std::string focus;
    const int r = Edit(*Competition(individual, true), t, [&](QDialog& d) {
      Type(d, individual ? "NameEdit" : "MannschaftEdit", " ");
      QTest::mouseClick(Child(d, "OKBtn"), Qt::LeftButton);
      open = d.isVisible();
      focus = QApplication::focusWidget()->objectName().toStdString();
      QTest::keyClicks(QApplication::focusWidget(), "Koch");
      QTest::mouseClick(Child(d, "OKBtn"), Qt::LeftButton);
    }, &desk);
    got.emplace_back(open && r == mrOk, focus, t.Name(individual), desk.Messages());
  }
  const Texts said = {"Bitte einen Namen eingeben."};
  EXPECT_EQ(got, (std::vector<Got>{{true, "NameEdit", " Koch", said}, {true, "MannschaftEdit", " Koch", said}}));
}

TEST(ParticipantDialog, HeatLaneAndDeductionLimits) {
  for (const QStringList& c : DataRows("participant-limits.txt")) {
    ScriptedDesktop desk;
    TTeilnehmer t = Named();
    std::string shown;
    // Closed with OK by the desktop.
    const int r = Edit(*Competition(true, false), t, [&](QDialog& d) {
      Type(d, c[0], c[1]);
      shown = Text(d, c[0]);
    }, &desk);
    const Texts warnings = Listed(c[3]);
    EXPECT_EQ(std::tuple(shown, desk.Messages(), r), std::tuple(S(c[2]), warnings, warnings.empty() ? mrOk : mrCancel))
        << S(c.join(" | "));
  }
}

// What the user leaves alone survives OK byte for byte: times the field
// cannot show in full (hundredths in a competition without them, a hundred
// minutes, a negative value from a damaged file), stored
// values beyond the edits' ranges (a heat of 1000, a lane and a station of
// three digits, the status code -100, CPR points beyond 9999,99 and beyond
// the edit's eight digits, a clock of 25:30), and a team's name.
TEST(ParticipantDialog, AnUntouchedOkKeepsEveryStoredValue) {
  TTeilnehmer t = Named();
  t.SetTime(3, 75456);
  t.SetTime(4, 6000000);
  t.SetTime(5, -3);
  t.SetHeat(1, 1000);
  t.SetHeat(2, 32767);
  t.SetLane(1, 120);
  t.SetDeduction(1, -100);
  t.SetDeduction(2, 12000);
  t.SetCprStation(150);
  t.SetCprTime(2530);
  t.SetCprValue(1234567);
  TTeilnehmer big(t), team;
  big.SetCprValue(2147483647);
  team.SetName(false, Oem("Rettungsschwimmer Ortsgruppe Ü"));
  team.SetZusatz("Staffel 2");
  const struct {
    bool individual, hundredths;
    const TTeilnehmer& p;
  } cases[] = {{true, true, t}, {true, false, big}, {false, false, team}};
  Texts shown;
  for (const auto& c : cases) {
    TTeilnehmer copy(c.p);
    ASSERT_EQ(Edit(*Competition(c.individual, c.hundredths), copy,
                   [&](QDialog& d) {
                     std::string s = Child(d, "NameEdit")->isVisible() ? "Name " : "Mannschaft ";
                     for (const char* name : {"ZeitEdit3", "LaufEdit1", "LaufEdit2", "BahnEdit1", "AbzugEdit1",
                                              "HLWPunkteEdit", "MannschaftEdit", "ZusatzLabel"})
                       s += Text(d, name) + "|";
                     shown.push_back(s);
                   }),
              mrOk);
    EXPECT_TRUE(copy.Record() == c.p.Record()) << shown.back();
  }
  EXPECT_EQ(shown, (Texts{
                       "Name 12:34,56|1000|32767|120|-100|12345,67||&Geburtsdatum:|",
                       "Name 12:34,5|1000|32767|120|-100|21474836,00||&Geburtsdatum:|",
                       "Mannschaft 0:00,0|0|0|0|0|0,00|Rettungsschwimmer Ortsgruppe Ü|&Zusatz:|"}));
  // The other rows keep their own lengths: a fourth digit of a heat is not taken.
  TTeilnehmer typed(t);
  ASSERT_EQ(Edit(*Competition(true, false), typed, [](QDialog& d) { Type(d, "LaufEdit3", "1000"); }), mrOk);
  EXPECT_EQ(typed.Heat(3), 100);
}

TEST(ParticipantDialog, AbsentAndExcludedButtons) {
  auto w = Competition(true, false);
  TTeilnehmer t = Named();
  t.SetDeduction(3, 2);
  ASSERT_EQ(Edit(*w, t, [](QDialog& d) { Click(d, "AbwesendBtn"); }), mrOk);
  const auto absent = std::tuple(Deductions(t), t.CprValue());
  ScriptedDesktop desk;  // records the question asked inside
  desk.AnswerMessage(mrYes);
  ASSERT_EQ(Edit(*w, t, [](QDialog& d) { Click(d, "AusgeschlossenBtn"); }, &desk), mrOk);
  EXPECT_EQ(std::tuple(absent, Deductions(t), t.CprValue(), desk.Messages(), desk.asked[1].name),
            std::tuple(std::tuple(Ints{-3, -3, 2, -3, -3, -3}, -300), Ints(6, -4), -400,
                       Texts{"Teilnehmer ausschließen (sonstige Strafpunkte werden überschrieben)?"},
                       "Confirmation Ja Nein"));
}

TEST(MergeOptions, BoxesGiveTheirBitsAndTheOrganisationAndCountFollowTheirBoxes) {
  ScriptedDesktop desk;
  THinzufuegenDlg dlg;
  std::vector<int> bits;
  std::tuple<bool, std::string, bool, int> cleared;
  desk.AnswerDialog("THinzufuegenDlg", mrOk, [&](QDialog& d) {
    bits.push_back(dlg.GetOptionen());
    for (int i = 3; i <= 5; ++i) Click(d, QStringLiteral("CheckBox%1").arg(i));
    bits.push_back(dlg.GetOptionen());
    Click(d, "CheckBox1");
    bits.push_back(dlg.GetOptionen());
    Type(d, "ComboBox1", "WÜX12");
    Child<QSpinBox>(d, "SpinEdit1")->setValue(5);
    Click(d, "CheckBox8");
    Click(d, "CheckBox9");
    cleared = {Child(d, "ComboBox1")->isEnabled(), dlg.GetGliederung(), Child(d, "SpinEdit1")->isEnabled(),
               dlg.GetAnzahl()};
    Click(d, "CheckBox8");
    Click(d, "CheckBox9");
    Type(d, "ComboBox1", "WÜ");
    Child<QSpinBox>(d, "SpinEdit1")->setValue(1);
  });
  ASSERT_EQ(TheDesktop().RunModal(dlg), mrOk);
  EXPECT_EQ(std::tuple(bits, cleared, dlg.GetGliederung(), dlg.GetAnzahl()),
            std::tuple(Ints{3, 31, 30}, std::tuple(false, "", false, 0), Oem("WÜ"), 1));
}

// The participant dialog entered, limited and left untouched, its status
// buttons, and the merge options.

#include "UiTestSupport.h"
#include "VkWHinzu.h"
#include "VkWTeiln.h"

namespace {

// The dialog asked for, and the start of the warning it gives.
const std::string kAsked = "dialog | TTeilnehmerDlg | Teilnehmerdaten eingeben\n";
const std::string kWarned = "message | Warning OK | Eingabeprüfung | ";

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
  const int r = desk.Run(dlg, std::move(act));
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

// The participant's names, birth date, organisation and class; for each
// discipline its time, deduction, heat and lane; CPR value, clock, station
// and the flags.
std::string Fields(const TTeilnehmer& t) {
  std::string lines = Line(FromOem(t.Name(true)), FromOem(t.Vorname()), t.Geburtsdatum(), FromOem(t.Gliederung()),
                           t.Altersklasse());
  for (int d = 1; d <= 6; ++d) lines += Line(d, t.Time(d), t.Deduction(d), t.Heat(d), t.Lane(d));
  return lines + Line("HLW", t.CprValue(), t.CprTime(), t.CprStation(), t.Flags());
}

}  // namespace

TEST(ParticipantDialog, EnteredParticipantWithAStatusCodeInEachDisciplineIsReadBack) {
  auto w = Competition(true, true);
  TTeilnehmer t;
  t.SetAltersklasse("Jugend");
  ASSERT_EQ(Edit(*w, t, [](QDialog& d) {
    EXPECT_EQ(Child<QComboBox>(d, "ComboBox1")->itemText(0), "Jugend");
    for (const QStringList& field : DataRows("participant-entered.txt")) Type(d, field[0], field[1]);
    Click(d, "CheckBox2");
    Click(d, "CheckBox3");
    Click(d, "OKBtn");
  }), mrOk);
  ExpectSeen(Fields(t), "participant-dialog.txt");
}

// Zeit 1 as an official fills it in: a click, then keys. OK stores exactly
// the time the field shows; a field that shows no time refuses OK.
TEST(ParticipantDialog, ATimeIsTypedIntoItsPositionsAndStoredAsShown) {
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
      TypeKeys(e, c[3]);
      shown = e->text().toStdString();
    }, &desk);
    const bool refused = c[5] == "refused";
    const std::string warning = "Ungültige Zeitangabe. Bitte die Zeit in der Form " + S(c[0]) + " eingeben.";
    EXPECT_EQ(std::tuple(shown, t.Time(1), r, desk.Transcript()),
              std::tuple(S(c[4]), (refused ? c[1] : c[5]).toInt(), refused ? mrCancel : mrOk,
                         kAsked + (refused ? kWarned + warning + "\n" : "")))
        << S(c.join(" | "));
  }
}

// OK with a blank name (a team's name) says so and puts the cursor there;
// the name typed then is stored.
TEST(ParticipantDialog, OkWantsAName) {
  std::string seen;
  for (bool individual : {true, false}) {
    ScriptedDesktop desk;
    TTeilnehmer t;
    const int r = Edit(*Competition(individual, true), t, [&](QDialog& d) {
      Type(d, individual ? "NameEdit" : "MannschaftEdit", " ");
      QTest::mouseClick(Child(d, "OKBtn"), Qt::LeftButton);
      QWidget* focus = QApplication::focusWidget();
      seen += Line(d.isVisible(), focus ? focus->objectName() : "no focus");
      TypeKeys(focus ? focus : &d, "Koch");
      QTest::mouseClick(Child(d, "OKBtn"), Qt::LeftButton);
    }, &desk);
    seen += Line(r == mrOk, t.Name(individual)) + desk.Transcript();
  }
  ExpectSeen(seen, "participant-dialog.txt");
}

// The keys of the CPR row: Alt+P (its label "&Punkte") and Alt+H (the
// group's "&HLW:") both put the cursor into the points, from the name field
// and from elsewhere; nothing is typed where the cursor was. Alt+E (the
// group "&Eigenschaften:", whose first box "weiblich" is off) reaches
// "außer Konkurrenz" the first time, before any box had the focus, and again
// after another box had it; a digit typed next goes nowhere near the name.
TEST(ParticipantDialog, AltKeysOfTheCprRowGoToItsPoints) {
  std::string seen;
  TTeilnehmer t = Named();
  Edit(*Competition(true, true), t, [&](QDialog& d) {
    auto* name = Child<QLineEdit>(d, "NameEdit");
    seen += Line(Text(d, "HLWPunkteLabel"));
    const struct {
      const char* from;
      Qt::Key key;
      const char* typed;
    } steps[] = {{"NameEdit", Qt::Key_E, "1"}, {"NameEdit", Qt::Key_P, ""},  {"LaufEdit3", Qt::Key_H, ""},
                 {"NameEdit", Qt::Key_H, ""},  {"ZeitEdit1", Qt::Key_P, ""}, {"CheckBox4", Qt::Key_E, ""},
                 {"NameEdit", Qt::Key_E, "2"}};
    for (const auto& step : steps) {
      QWidget* field = Child(d, step.from);
      QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(field->width() - 4, field->height() / 2));
      QTest::keyClick(QApplication::focusWidget(), step.key, Qt::AltModifier);
      const QWidget* focus = QApplication::focusWidget();
      if (*step.typed) TypeKeys(QApplication::focusWidget(), step.typed);
      seen += Line(step.from, QKeySequence(Qt::ALT | step.key).toString(), focus ? focus->objectName() : "no focus",
                   name->text(), Text(d, step.from));
    }
  });
  ExpectSeen(seen, "participant-dialog.txt");
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
    const std::string said = c[3] == "-" ? "" : kWarned + S(c[3]) + "\n";
    EXPECT_EQ(std::tuple(shown, desk.Transcript(), r),
              std::tuple(S(c[2]), kAsked + said, said.empty() ? mrOk : mrCancel))
        << S(c.join(" | "));
  }
}

// Each way to OK after a deduction out of range gives one warning.
TEST(ParticipantDialog, ADeductionOutOfRangeWarnsOncePerClick) {
  ScriptedDesktop desk;
  const auto w = Competition(true, true);
  TTeilnehmerDlg dlg;
  dlg.SetWettkampf(*w);
  dlg.SetTeilnehmer(Named());
  std::string seen;
  desk.Run(dlg, [&](QDialog& d) { seen = LeaveForOk(desk, d, "AbzugEdit1", "-7"); }, mrCancel);
  ExpectSeen(seen + desk.Transcript(), "participant-dialog.txt");
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
  std::string seen;
  for (const auto& c : cases) {
    TTeilnehmer copy(c.p);
    const int r = Edit(*Competition(c.individual, c.hundredths), copy, [&](QDialog& d) {
      seen += Child(d, "NameEdit")->isVisible() ? "Name" : "Mannschaft";
      for (const char* name : {"ZeitEdit3", "LaufEdit1", "LaufEdit2", "BahnEdit1", "AbzugEdit1", "HLWPunkteEdit",
                               "MannschaftEdit", "ZusatzLabel"})
        seen += " | " + Text(d, name);
      seen += "\n";
    });
    seen += Line(r == mrOk, copy.Record() == c.p.Record());
  }
  // The other rows keep their own lengths: a fourth digit of a heat is not taken.
  TTeilnehmer typed(t);
  Edit(*Competition(true, false), typed, [](QDialog& d) { Type(d, "LaufEdit3", "1000"); });
  ExpectSeen(seen + Line(typed.Heat(3)), "participant-dialog.txt");
}

TEST(ParticipantDialog, AbsentAndExcludedButtons) {
  auto w = Competition(true, false);
  TTeilnehmer t = Named();
  t.SetDeduction(3, 2);
  ScriptedDesktop desk;
  Edit(*w, t, [](QDialog& d) { Click(d, "AbwesendBtn"); }, &desk);
  std::string seen = Fields(t);
  desk.AnswerMessage(mrYes);
  Edit(*w, t, [](QDialog& d) { Click(d, "AusgeschlossenBtn"); }, &desk);
  ExpectSeen(seen + Fields(t) + desk.Transcript(), "participant-dialog.txt");
}

TEST(MergeOptions, BoxesGiveTheirBitsAndTheOrganisationAndCountFollowTheirBoxes) {
  ScriptedDesktop desk;
  THinzufuegenDlg dlg;
  std::string seen;
  auto look = [&](QDialog& d) {
    seen += Line(dlg.GetOptionen(), Child(d, "ComboBox1")->isEnabled(), FromOem(dlg.GetGliederung()),
                 Child(d, "SpinEdit1")->isEnabled(), dlg.GetAnzahl());
  };
  EXPECT_EQ(desk.Run(dlg, [&](QDialog& d) {
    look(d);
    for (int i = 3; i <= 5; ++i) Click(d, QStringLiteral("CheckBox%1").arg(i));
    look(d);
    Click(d, "CheckBox1");
    Type(d, "ComboBox1", "WÜX12");
    Child<QSpinBox>(d, "SpinEdit1")->setValue(5);
    look(d);
    Click(d, "CheckBox8");
    Click(d, "CheckBox9");
    look(d);
    Click(d, "CheckBox8");
    Click(d, "CheckBox9");
    Type(d, "ComboBox1", "WÜ");
    Child<QSpinBox>(d, "SpinEdit1")->setValue(1);
    look(d);
  }), mrOk);
  ExpectSeen(seen, "participant-dialog.txt");
}

#include <functional>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include <QCheckBox>
#include <QKeyEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include "CodePage.h"
#include "QtTestApp.h"
#include "ScriptedDesktop.h"
#include "VkDisz.h"
#include "VkWHinzu.h"
#include "VkWTeiln.h"
#include "VkWettk.h"

namespace {

using Ints = std::vector<int>;

// A competition with one class "Jugend" of six linear disciplines.
std::unique_ptr<TWettkampf> Competition(bool individual, bool hundredths) {
  auto w = std::make_unique<TWettkampf>();
  TWettkampfDaten h = w->Header();
  h.SetKind(individual ? TWettkampfDaten::kIndividual : TWettkampfDaten::kTeams);
  h.SetOptions(hundredths ? TWettkampfDaten::kOptHundredths : 0);
  w->SetHeader(h);
  TAltersklasse::Disciplines discs;
  for (TDisziplin& d : discs) d.SetKind(kKindLinear), d.SetV(1, 100000);
  auto* ak = new TAltersklasse;
  ak->Define("Jugend", 1990, 1991, 0, 6, discs);
  w->Insert(ak);
  return w;
}

template <class T = QLineEdit>
T* Child(QDialog& d, const QString& name) {
  T* w = d.findChild<T*>(name);
  EXPECT_NE(w, nullptr) << name.toStdString();
  return w;
}

// Replaces the text of an edit or an editable box as a user would: select
// all, type.
void Type(QDialog& d, const QString& name, const QString& keys) {
  auto* box = d.findChild<QComboBox*>(name);
  QLineEdit* e = box ? box->lineEdit() : Child(d, name);
  ASSERT_NE(e, nullptr);
  e->selectAll();
  // QTest knows only ASCII keys; an umlaut arrives as a key with its text.
  for (QChar c : keys) {
    QKeyEvent press(QEvent::KeyPress, c.unicode() < 128 ? QTest::asciiToKey(char(c.unicode())) : 0,
                    Qt::NoModifier, QString(c));
    QApplication::sendEvent(e, &press);
  }
}

void Click(QDialog& d, const QString& name) { Child<QAbstractButton>(d, name)->click(); }

// Runs the dialog on `t` with the script's act, then reads it back into `t`
// unless it was cancelled.
int Edit(const TWettkampf& w, TTeilnehmer& t, std::function<void(QDialog&)> act) {
  ScriptedDesktop desk;
  TTeilnehmerDlg dlg;
  dlg.SetWettkampf(w);
  dlg.SetTeilnehmer(t);
  desk.AnswerDialog("TTeilnehmerDlg", mrOk, std::move(act));
  int r = TheDesktop().RunModal(dlg);
  if (r != mrCancel) dlg.GetTeilnehmer(t);
  return r;
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
                       t.Time(2), t.Time(3), Deductions(t), heats, lanes),
            std::tuple(Oem("Müller"), Oem("Jürgen"), "1995", Oem("WÜ"), "Jugend", 6543, 75450, 0,
                       Ints{-1, -2, -3, -4, -5, -6}, Ints{1, 2, 3, 4, 5, 6}, Ints{6, 5, 4, 3, 2, 1}));
  EXPECT_EQ(std::tuple(t.CprValue(), t.CprTime(), t.CprStation(), t.Flags()),
            std::tuple(1234, 935, 4, TTeilnehmer::kAusserKonkurrenz | TTeilnehmer::kDirektQualifiziert |
                                         TTeilnehmer::kMeldet));

  // Untouched, every stored value survives OK, also a time the text cannot
  // show in full: hundredths in a competition without them.
  t.SetTime(3, 75456);
  t.SetTime(4, 6543);
  for (bool hundredths : {true, false}) {
    auto other = Competition(true, hundredths);
    TTeilnehmer copy(t);
    std::string shown;
    ASSERT_EQ(Edit(*other, copy, [&](QDialog& d) { shown = Child(d, "ZeitEdit3")->text().toStdString(); }), mrOk);
    EXPECT_EQ(std::tuple(shown, copy.Record() == t.Record()), std::tuple(hundredths ? "12:34,56" : "12:34,5", true));
  }
}

TEST(ParticipantDialog, TeamLayoutShowsTeamNameAndAddition) {
  auto w = Competition(false, false);
  TTeilnehmer t;
  t.SetName(false, Oem("Rettungsschwimmer Ortsgruppe Ü"));
  t.SetZusatz("Staffel 2");
  std::tuple<bool, bool, bool, std::string> shown;
  ASSERT_EQ(Edit(*w, t,
                 [&](QDialog& d) {
                   shown = {Child(d, "NameEdit")->isVisible(), Child(d, "VornameEdit")->isVisible(),
                            Child(d, "MannschaftEdit")->isVisible(),
                            Child<QLabel>(d, "ZusatzLabel")->text().toStdString()};
                   Type(d, "ZusatzEdit", "Staffel 3");
                 }),
            mrOk);
  EXPECT_EQ(shown, std::tuple(false, false, true, "&Zusatz:"));
  EXPECT_EQ(std::tuple(t.Name(false), t.Zusatz()), std::tuple(Oem("Rettungsschwimmer Ortsgruppe Ü"), "Staffel 3"));
}

TEST(ParticipantDialog, HeatLaneAndDeductionLimits) {
  struct Case {
    const char* edit;
    const char* keys;
    std::string text;
    std::vector<std::string> warnings;
  };
  const std::string between = "Der eingegebene Wert liegt nicht zwischen ";
  const Case cases[] = {
      {"LaufEdit1", "1234", "123", {}},
      {"BahnEdit1", "123", "12", {}},
      {"HLWBahnEdit", "100", "10", {}},
      {"AbzugEdit1", "99999", "9999", {}},
      {"AbzugEdit1", "-7", "-7", {between + "-6 und 9999."}},
      {"LaufEdit2", "-1", "-1", {between + "0 und 999."}},
  };
  auto w = Competition(true, false);
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.edit) + " " + c.keys);
    ScriptedDesktop desk;
    TTeilnehmerDlg dlg;
    dlg.SetWettkampf(*w);
    dlg.SetTeilnehmer(TTeilnehmer());
    std::string text;
    desk.AnswerDialog("TTeilnehmerDlg", mrOk, [&](QDialog& d) {
      Type(d, c.edit, c.keys);
      text = Child(d, c.edit)->text().toStdString();
    });  // closed with OK by the desktop
    int r = TheDesktop().RunModal(dlg);
    EXPECT_EQ(std::tuple(text, desk.Messages(), r),
              std::tuple(c.text, c.warnings, c.warnings.empty() ? mrOk : mrCancel));
  }
}

TEST(ParticipantDialog, StoredValuesBeyondTheRangesNeverBlockAnUntouchedOk) {
  // A heat of 1000 (the heat dialog starts at up to 1000), a lane and a
  // station of three digits, the status code -100, CPR points beyond 9999,99
  // and beyond the edit's eight digits, a clock of 25:30.
  auto w = Competition(true, true);
  TTeilnehmer t;
  t.SetHeat(1, 1000);
  t.SetHeat(2, 32767);
  t.SetLane(1, 120);
  t.SetDeduction(1, -100);
  t.SetDeduction(2, 12000);
  t.SetCprStation(150);
  t.SetCprTime(2530);
  std::vector<std::string> shown;
  for (int32_t cpr : {1234567, 2147483647}) {
    t.SetCprValue(cpr);
    TTeilnehmer copy(t);
    ASSERT_EQ(Edit(*w, copy,
                   [&](QDialog& d) {
                     for (const char* name : {"LaufEdit1", "LaufEdit2", "BahnEdit1", "AbzugEdit1", "HLWPunkteEdit"})
                       shown.push_back(Child(d, name)->text().toStdString());
                   }),
              mrOk);
    EXPECT_TRUE(copy.Record() == t.Record());
  }
  // The other rows keep their own lengths: a fourth digit of a heat is not taken.
  TTeilnehmer typed(t);
  ASSERT_EQ(Edit(*w, typed, [](QDialog& d) { Type(d, "LaufEdit3", "1000"); }), mrOk);
  EXPECT_EQ(std::tuple(shown, typed.Heat(3)),
            std::tuple(std::vector<std::string>{"1000", "32767", "120", "-100", "12345,67", "1000", "32767", "120",
                                                "-100", "21474836,00"},
                       100));
}

TEST(ParticipantDialog, AbsentAndExcludedButtons) {
  auto w = Competition(true, false);
  TTeilnehmer t;
  t.SetDeduction(3, 2);
  ASSERT_EQ(Edit(*w, t, [](QDialog& d) { Click(d, "AbwesendBtn"); }), mrOk);
  EXPECT_EQ(std::tuple(Deductions(t), t.CprValue()), std::tuple(Ints{-3, -3, 2, -3, -3, -3}, -300));

  ScriptedDesktop outer;  // records the question asked inside
  outer.AnswerDialog("TTeilnehmerDlg", mrOk, [](QDialog& d) { Click(d, "AusgeschlossenBtn"); });
  outer.AnswerMessage(mrYes);
  TTeilnehmerDlg dlg;
  dlg.SetWettkampf(*w);
  dlg.SetTeilnehmer(t);
  ASSERT_EQ(TheDesktop().RunModal(dlg), mrOk);
  dlg.GetTeilnehmer(t);
  EXPECT_EQ(std::tuple(Deductions(t), t.CprValue(), outer.Messages(), outer.asked[1].buttons),
            std::tuple(Ints(6, -4), -400,
                       std::vector<std::string>{"Teilnehmer ausschließen (sonstige Strafpunkte werden überschrieben)?"},
                       mbYesNo));
}

TEST(MergeOptions, BoxesGiveTheirBitsAndTheMergeTakesOrganisationAndCount) {
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
    Click(d, "CheckBox1");
    Type(d, "ComboBox1", "WÜX12");
    Child<QSpinBox>(d, "SpinEdit1")->setValue(5);
    Click(d, "CheckBox8");
    Click(d, "CheckBox9");
    cleared = {Child<QComboBox>(d, "ComboBox1")->isEnabled(), dlg.GetGliederung(),
               Child<QSpinBox>(d, "SpinEdit1")->isEnabled(), dlg.GetAnzahl()};
    Click(d, "CheckBox8");
    Click(d, "CheckBox9");
    Type(d, "ComboBox1", "WÜ");
    Child<QSpinBox>(d, "SpinEdit1")->setValue(1);
  });
  ASSERT_EQ(TheDesktop().RunModal(dlg), mrOk);
  EXPECT_EQ(bits, (std::vector<int>{3, 31, 30}));
  EXPECT_EQ(cleared, std::tuple(false, "", false, 0));

  // The faster of two swimmers is placed first and alone marked.
  auto target = Competition(true, false);
  auto source = Competition(true, false);
  for (auto [name, time] : {std::pair{"Schnell", 3000}, {"Langsam", 4000}}) {
    auto* p = new TTeilnehmer;
    p->SetName(true, name);
    p->SetAltersklasse("Jugend");
    p->SetGliederung("BY");
    p->SetTime(1, time);
    source->At(0)->Insert(p);
  }
  dlg.ApplyTo(*target, *source);
  const TAltersklasse& ak = *target->At(0);
  ASSERT_EQ(std::tuple(source->GetCount(), ak.GetCount()), std::tuple(0, 2));
  std::vector<std::tuple<std::string, std::string, bool>> got;
  for (int i = 0; i < 2; ++i)
    got.emplace_back(ak.At(i)->Name(true), ak.At(i)->Gliederung(), ak.At(i)->Flag(TTeilnehmer::kDirektQualifiziert));
  EXPECT_EQ(got, (decltype(got){{"Schnell", Oem("WÜ"), true}, {"Langsam", Oem("WÜ"), false}}));
}

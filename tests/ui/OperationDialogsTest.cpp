#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QTabBar>

#include "QtTestApp.h"
#include "ScriptedDesktop.h"
#include "VkDisz.h"
#include "VkWHLW.h"
#include "VkWLauf.h"
#include "VkWLaufb.h"
#include "VkWQuali.h"
#include "VkWReset.h"
#include "VkWStrei.h"
#include "VkWettk.h"

namespace {

using Ints = std::vector<int>;

// A competition with lanes and stations index `index` (3 + index of each)
// and one class "Jugend" of two linear disciplines, with participants
// "T1".."Tn" whose times rise with the number (T1 best).
std::unique_ptr<TWettkampf> Competition(int participants, uint16_t index = 3, uint16_t classFlags = 0,
                                        uint16_t kind = TWettkampfDaten::kIndividual) {
  auto w = std::make_unique<TWettkampf>();
  TWettkampfDaten h = w->Header();
  h.SetLanesIndex(index);
  h.SetCprStationsIndex(index);
  h.SetKind(kind);
  w->SetHeader(h);
  TAltersklasse::Disciplines discs;
  for (TDisziplin& d : discs) d.SetKind(kKindLinear), d.SetV(1, 100000);
  auto* ak = new TAltersklasse;
  ak->Define("Jugend", 1990, 1991, classFlags, 2, discs);
  for (int i = 1; i <= participants; ++i) {
    auto* t = new TTeilnehmer;
    t->SetName(true, "T" + std::to_string(i));
    t->SetAltersklasse("Jugend");
    t->SetTime(1, 3000 + 100 * i);
    ak->Insert(t);
  }
  w->Insert(ak);
  return w;
}

const TTeilnehmer& Tn(const TWettkampf& w, int number) {
  const TAltersklasse& ak = *w.At(0);
  for (int i = 0; i < ak.GetCount(); ++i)
    if (ak.At(i)->Name(true) == "T" + std::to_string(number)) return *ak.At(i);
  ADD_FAILURE() << "no T" << number;
  return *ak.At(0);
}

template <class T = QAbstractButton>
T* Child(QDialog& d, const QString& name) {
  T* w = d.findChild<T*>(name);
  EXPECT_NE(w, nullptr) << name.toStdString();
  return w;
}

void Click(QDialog& d, const QString& name) { Child(d, name)->click(); }

void Type(QDialog& d, const QString& name, const char* keys) {
  auto* e = Child<QLineEdit>(d, name);
  e->selectAll();
  QTest::keyClicks(e, keys);
}

Ints Elements(const TYrSet& set) {
  Ints v;
  for (int i = 0; i < 256; ++i)
    if (set.Contains(uint8_t(i))) v.push_back(i);
  return v;
}

Ints Range(int from, int to, Ints more = {}) {
  Ints v;
  for (int i = from; i <= to; ++i) v.push_back(i);
  v.insert(v.end(), more.begin(), more.end());
  return v;
}

}  // namespace

TEST(ResetDialog, PresetsAndTheUsersOwnChoice) {
  ScriptedDesktop desk;
  TZuruecksetzenDlg dlg;
  std::vector<std::tuple<Ints, bool, QColor>> seen;
  auto look = [&](QDialog& d) {
    TYrSet items;
    dlg.GetResetSet(items);
    seen.emplace_back(Elements(items), Child(d, "ZeitCB1")->isEnabled(),
                      Child<QGroupBox>(d, "GroupBox1")->palette().color(QPalette::WindowText));
  };
  desk.AnswerDialog("TZuruecksetzenDlg", mrOk, [&](QDialog& d) {
    look(d);
    Click(d, "RadioGroup1_3");
    Click(d, "LaufCB3");
    look(d);
    Click(d, "RadioGroup1_1");
    look(d);
    Click(d, "RadioGroup1_2");
    Click(d, "RadioGroup1_3");
    look(d);
  });
  ASSERT_EQ(TheDesktop().RunModal(dlg), mrOk);
  const QColor grey(128, 128, 128), black(0, 0, 0);
  EXPECT_EQ(seen, (std::vector<std::tuple<Ints, bool, QColor>>{{Range(1, 12, {25}), false, grey},
                                                               {{15}, true, black},
                                                               {Range(13, 24), false, grey},
                                                               {{15}, true, black}}));

  auto w = Competition(1);
  TTeilnehmer& t = *w->At(0)->At(0);
  t.SetHeat(1, 2);
  t.SetHeat(3, 7);
  dlg.ApplyTo(*w);
  EXPECT_EQ(std::tuple(t.Heat(1), t.Heat(3), t.Time(1)), std::tuple(2, 0, 3100));
}

TEST(QualificationDialog, ThreeHeatsOfLanesPerClassAndTheChosenMode) {
  auto w = Competition(3);  // 6 lanes
  ScriptedDesktop desk;
  TQualifikationDlg dlg;
  dlg.SetWettkampf(*w);
  int preset = 0;
  desk.AnswerDialog("TQualifikationDlg", mrOk, [&](QDialog& d) {
    preset = Child<QSpinBox>(d, "SpinEdit1")->value();
    Child<QSpinBox>(d, "SpinEdit1")->setValue(2);
    Click(d, "RadioGroup1_1");
  });
  ASSERT_EQ(TheDesktop().RunModal(dlg), mrOk);
  const TQualifyParameter p = dlg.GetParameter();
  EXPECT_EQ(std::tuple(preset, p.count, p.mode), std::tuple(18, 2, 1));
  dlg.ApplyTo(*w);
  Ints entitled;
  for (int i = 1; i <= 3; ++i) entitled.push_back(Tn(*w, i).Flag(TTeilnehmer::kStartberechtigt));
  EXPECT_EQ(std::tuple(w->At(0)->GetCount(), entitled), std::tuple(3, Ints{1, 1, 0}));
}

TEST(HeatDialog, StartHeatLaneAndOptionBitsReachTheAssignment) {
  auto w = Competition(3);  // 6 lanes
  ScriptedDesktop desk;
  TLaufbesetzungDlg dlg;
  std::vector<bool> enabled;
  desk.AnswerDialog("TLaufbesetzungDlg", mrOk, [&](QDialog& d) {
    for (int i = 1; i <= 5; ++i) enabled.push_back(Child(d, QStringLiteral("CheckBox%1").arg(i))->isEnabled());
    Child<QSpinBox>(d, "SpinEdit1")->setValue(4);
    Child<QSpinBox>(d, "SpinEdit2")->setValue(2);
    Click(d, "CheckBox4");
    Click(d, "CheckBox5");
  });
  ASSERT_EQ(TheDesktop().RunModal(dlg), mrOk);
  const THeatParameter p = dlg.GetParameter();
  EXPECT_EQ(std::tuple(enabled, p.startHeat, p.startLane, p.options),
            std::tuple(std::vector<bool>{false, false, true, true, true}, 4, 2, 8 | 16));
  dlg.ApplyTo(*w);
  // Position 2 of 6 lanes is lane 4; discipline 2 continues with heat 5.
  Ints got;
  for (int i = 1; i <= 3; ++i) got.insert(got.end(), {Tn(*w, i).Heat(1), Tn(*w, i).Lane(1), Tn(*w, i).Heat(2)});
  EXPECT_EQ(got, (Ints{4, 4, 5, 4, 2, 5, 4, 5, 5}));
}

TEST(CprDialog, TeamsStartWithFourMeasuresAndTheValuesReachTheTimetable) {
  std::vector<int> measures;
  for (uint16_t kind : {TWettkampfDaten::kIndividual, TWettkampfDaten::kTeams}) {
    THLWLaufbesetzungDlg dlg;
    dlg.SetWettkampf(*Competition(0, 3, 0, kind));
    measures.push_back(dlg.GetParameter().measures);
  }
  EXPECT_EQ(measures, (std::vector<int>{1, 4}));

  auto w = Competition(2, 2, TAltersklasse::kCprScored, TWettkampfDaten::kTeams);  // 5 stations
  ScriptedDesktop desk;
  THLWLaufbesetzungDlg dlg;
  dlg.SetWettkampf(*w);
  TCprParameter untouched{};
  desk.AnswerDialog("THLWLaufbesetzungDlg", mrOk, [&](QDialog& d) {
    untouched = dlg.GetParameter();
    Type(d, "HLWZeitEdit", "0930");
    Type(d, "AMNumEdit1", "20");
    Child<QSpinBox>(d, "SpinEdit1")->setValue(2);
  });
  ASSERT_EQ(TheDesktop().RunModal(dlg), mrOk);
  auto tuple = [](const TCprParameter& p) {
    return std::tuple(p.startClock, p.startStation, p.duration, p.measures, p.byOrganisation);
  };
  EXPECT_EQ(tuple(untouched), std::tuple(800, 1, 15, 4, false));
  EXPECT_EQ(tuple(dlg.GetParameter()), std::tuple(930, 2, 20, 4, false));
  dlg.ApplyTo(*w);
  // Four stations each: the second team starts on station 1 after the wrap, one pass later.
  auto slot = [&](int i) { return Ints{Tn(*w, i).CprTime(), Tn(*w, i).CprStation(), Tn(*w, i).CprHeat()}; };
  EXPECT_EQ(std::tuple(slot(1), slot(2), w->Header().LastCprDuration(), w->Header().LastCprStarts()),
            std::tuple(Ints{930, 2, 1}, Ints{950, 1, 5}, 20, 4));
}

TEST(StrikeDialog, ItemsAndTheChosenMode) {
  auto w = Competition(1);
  w->At(0)->Insert(new TTeilnehmer);  // nothing entered
  ScriptedDesktop desk;
  TStreichenDlg dlg;
  std::vector<std::string> items;
  int preset = -1;
  desk.AnswerDialog("TStreichenDlg", mrOk, [&](QDialog& d) {
    for (int i = 1; i <= 3; ++i)
      items.push_back(Child(d, QStringLiteral("RadioGroup1_%1").arg(i - 1))->text().toStdString());
    preset = dlg.GetMode();
    Click(d, "RadioGroup1_1");
  });
  ASSERT_EQ(TheDesktop().RunModal(dlg), mrOk);
  EXPECT_EQ(std::tuple(items, preset, dlg.GetMode()),
            std::tuple(std::vector<std::string>{"\"n.a.\" für alle Disziplinen setzen", "löschen",
                                                "nur löschen, wenn \"n.a.\" gesetzt"},
                       0, 1));
  dlg.ApplyTo(*w);
  EXPECT_EQ(std::tuple(w->At(0)->GetCount(), w->At(0)->At(0)->Name(true)), std::tuple(1, "T1"));
}

TEST(HeatViewer, StepsThroughTheHeatsWithinTheirRangeAndEmptiesTheSelection) {
  auto w = Competition(8);  // 6 lanes: the best six in heat 2, T7 and T8 in heat 1
  w->AssignHeats(1, 1, 0);
  auto empty = Competition(0);
  using State = std::tuple<std::string, int, int, std::string>;
  std::vector<State> seen;
  std::string header;
  for (TWettkampf* c : {empty.get(), w.get()}) {
    ScriptedDesktop desk;
    TLaufanzeigeDlg dlg;
    dlg.SetWettkampf(*c);
    desk.AnswerDialog("TLaufanzeigeDlg", mrOk, [&](QDialog& d) {
      auto look = [&] {
        auto* list = Child<QListWidget>(d, "ListBox1");
        seen.emplace_back(Child<QLabel>(d, "LaufLabel")->text().toStdString(), list->count(),
                          c->Selection().GetCount(), list->count() ? list->item(0)->text().toStdString() : "");
      };
      header = Child<QLabel>(d, "HeaderLabel")->text().toStdString();
      look();
      Click(d, "NextBtn");
      look();
      if (c == empty.get()) return;
      Click(d, "NextBtn");
      look();
      Child<QTabBar>(d, "TabControl1")->setCurrentIndex(1);
      look();
      Click(d, "PrevBtn");
      look();
    });
    TheDesktop().RunModal(dlg);
    EXPECT_EQ(c->Selection().GetCount(), 0);
  }
  auto line = [](const char* name, int lane) {
    return std::string(4, ' ') + std::to_string(lane) + " " + name + std::string(48, ' ') + "Jugend" +
           std::string(24, ' ');
  };
  EXPECT_EQ(header, "Bahn* Teilnehmer" + std::string(33, ' ') + "Glied. Altersklasse");
  EXPECT_EQ(seen, (std::vector<State>{{"Lauf ungesetzt (0)", 0, 0, ""},
                                      {"Lauf ungesetzt (0)", 0, 0, ""},
                                      {"Lauf 1", 2, 2, line("T7", 3)},
                                      {"Lauf 2", 6, 6, line("T1", 3)},
                                      {"Lauf 2", 6, 6, line("T1", 3)},
                                      {"Lauf ungesetzt (0)", 8, 8, line("T1", 0)},
                                      {"Lauf ungesetzt (0)", 8, 8, line("T1", 0)}}));
}

// The operation dialogs: what each shows and what the user's choices make
// of the operation it runs (reset, qualification, heats, CPR timetable,
// strike); the heat viewer; the records dialog with its record-data dialog
// and the take-over from a file. What the operations compute is the core's
// to test: here a dialog's ApplyTo must do what the core's operation does
// with the values the user chose.
#include "UiTestSupport.h"
#include "VkWHLW.h"
#include "VkWLauf.h"
#include "VkWLaufb.h"
#include "VkWQuali.h"
#include "VkWRDat.h"
#include "VkWRek.h"
#include "VkWReset.h"
#include "VkWStrei.h"

namespace {

using Ints = std::vector<int>;
using RecordDialogs = FolderTest;

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

// True when the dialog's ApplyTo leaves `make()` as `core` leaves it.
template <class Dialog>
bool AppliedAs(const Dialog& dlg, const std::function<std::unique_ptr<TWettkampf>()>& make,
               const std::function<void(TWettkampf&)>& core) {
  const auto applied = make(), expected = make();
  dlg.ApplyTo(*applied);
  core(*expected);
  return Stored(*applied) == Stored(*expected);
}

}  // namespace

TEST(ResetDialog, PresetsAndTheUsersOwnChoice) {
  ScriptedDesktop desk;
  TZuruecksetzenDlg dlg;
  std::vector<std::tuple<Ints, bool>> seen;  // the items and whether the user may choose them
  auto look = [&](QDialog& d) {
    TYrSet items;
    dlg.GetResetSet(items);
    seen.emplace_back(Elements(items), Child(d, "ZeitCB1")->isEnabled());
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
  EXPECT_EQ(seen, (std::vector<std::tuple<Ints, bool>>{
                      {Range(1, 12, {25}), false}, {{15}, true}, {Range(13, 24), false}, {{15}, true}}));
  TYrSet heat3;
  heat3.SetElement(15, true);
  EXPECT_TRUE(AppliedAs(dlg, [] { return Jugend(3, 8); }, [&](TWettkampf& w) { w.ResetResults(heat3); }));
}

TEST(QualificationDialog, ThreeHeatsOfLanesPerClassAndTheChosenMode) {
  ScriptedDesktop desk;
  TQualifikationDlg dlg;
  dlg.SetWettkampf(*Jugend(2, 3));  // 6 lanes
  int preset = 0;
  desk.AnswerDialog("TQualifikationDlg", mrOk, [&](QDialog& d) {
    preset = Child<QSpinBox>(d, "SpinEdit1")->value();
    Child<QSpinBox>(d, "SpinEdit1")->setValue(2);
    Click(d, "RadioGroup1_1");
  });
  ASSERT_EQ(TheDesktop().RunModal(dlg), mrOk);
  EXPECT_EQ(preset, 18);
  EXPECT_TRUE(AppliedAs(dlg, [] { return Jugend(2, 3); }, [](TWettkampf& w) { w.Qualify(2, 1); }));
}

TEST(HeatDialog, StartHeatLaneAndOptionBitsReachTheAssignment) {
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
  EXPECT_EQ(enabled, (std::vector<bool>{false, false, true, true, true}));
  // Eight participants in two heats of six lanes, two disciplines.
  EXPECT_TRUE(AppliedAs(dlg, [] { return Jugend(2, 8); }, [](TWettkampf& w) { w.AssignHeats(4, 2, 8 | 16); }));
}

TEST(CprDialog, TeamsStartWithFourMeasuresAndTheValuesReachTheTimetable) {
  std::vector<int> measures;
  for (uint16_t kind : {TWettkampfDaten::kIndividual, TWettkampfDaten::kTeams}) {
    THLWLaufbesetzungDlg dlg;
    dlg.SetWettkampf(*Jugend(2, 0, kind));
    measures.push_back(dlg.GetParameter().measures);
  }
  ScriptedDesktop desk;
  THLWLaufbesetzungDlg dlg;
  TCprParameter untouched{};
  desk.AnswerDialog("THLWLaufbesetzungDlg", mrOk, [&](QDialog& d) {
    untouched = dlg.GetParameter();
    Type(d, "HLWZeitEdit", "0930");
    Type(d, "AMNumEdit1", "20");
    Child<QSpinBox>(d, "SpinEdit1")->setValue(2);
    Child<QSpinBox>(d, "SpinEdit2")->setValue(3);
    Click(d, "CheckBox1");
  });
  ASSERT_EQ(TheDesktop().RunModal(dlg), mrOk);
  EXPECT_EQ(std::tuple(measures, untouched.startClock, untouched.startStation, untouched.duration, untouched.measures,
                       untouched.byOrganisation),
            std::tuple(Ints{1, 4}, 800, 1, 15, 1, false));
  auto teams = [] {  // 5 stations; the better team of the later organisation
    auto w = Jugend(2, 2, TWettkampfDaten::kTeams, TAltersklasse::kCprScored, 0, 2);
    w->At(0)->At(0)->SetGliederung("Z");
    return w;
  };
  EXPECT_TRUE(AppliedAs(dlg, teams, [](TWettkampf& w) { w.AssignCprHeats(930, 2, 20, 3, true); }));
}

TEST(StrikeDialog, TheChosenModeReachesTheStrike) {
  ScriptedDesktop desk;
  TStreichenDlg dlg;
  int preset = -1;
  desk.AnswerDialog("TStreichenDlg", mrOk, [&](QDialog& d) {
    preset = dlg.GetMode();
    Click(d, "RadioGroup1_1");
  });
  ASSERT_EQ(TheDesktop().RunModal(dlg), mrOk);
  EXPECT_EQ(std::tuple(preset, Text(dlg, "RadioGroup1_1")), std::tuple(0, "löschen"));
  auto oneAbsent = [] {
    auto w = Jugend(2, 1);
    w->At(0)->Insert(new TTeilnehmer);  // nothing entered
    return w;
  };
  EXPECT_TRUE(AppliedAs(dlg, oneAbsent, [](TWettkampf& w) { w.Strike(1); }));
}

TEST(HeatViewer, StepsThroughTheHeatsWithinTheirRangeAndEmptiesTheSelection) {
  auto w = Jugend(2, 8);  // 6 lanes: the best six in heat 2, T7 and T8 in heat 1
  w->AssignHeats(1, 1, 0);
  auto empty = Jugend(2, 0);
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
        seen.emplace_back(Text(d, "LaufLabel"), list->count(),
                          c->Selection().GetCount(), list->count() ? list->item(0)->text().toStdString() : "");
      };
      header = Text(d, "HeaderLabel");
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

TEST_F(RecordDialogs, RecordEnteredTakenOverFromAFileAndDeleted) {
  auto c = MakeCompetition();
  c->UpdateRecords();
  TRekordeDlg dlg;
  dlg.SetWettkampf(c.get());
  dlg.SetItemIndex(1);
  TAltersklasse& boys = *c->At(1);
  Texts shown;
  desk.AnswerDialog("TRekordDatenDlg", mrNone, [&](QDialog& d) {
    shown = {Child<QGroupBox>(d, "GroupBox1")->title().toStdString(), Text(d, "ZeitLbl1"), Text(d, "AbzLbl1"),
             Text(d, "GesPktLbl"), Text(d, "MaskEdit1"), Text(d, "SpinEdit6")};
    SetText(d, "MaskEdit1", "12345");
    SetText(d, "SpinEdit1", "-3");
    SetText(d, "SpinEdit6", "4567,89");
    Click(d, "OKBtn");
  });
  Click(dlg, "AendernBtn");
  auto record = [&] {
    return std::tuple(boys.Rekord(1).RecordTime(), int16_t(boys.Rekord(1).RecordDeduction()),
                      boys.Overall().RecordTotal(), boys.Rekord(1).BestTime());
  };
  const auto entered = record();
  // 12:34,5 stays 12:34,5 through an untouched OK, and so does what the field cannot show.
  desk.AnswerDialog("TRekordDatenDlg", mrOk);
  Click(dlg, "AendernBtn");
  const auto untouched = record();
  TRekord r = boys.Rekord(1);
  r.SetRecordTime(75456);
  boys.SetRekord(1, r);
  desk.AnswerDialog("TRekordDatenDlg", mrOk);
  Click(dlg, "AendernBtn");
  const int32_t beyondTenths = boys.Rekord(1).RecordTime();

  auto other = MakeCompetition();
  r = other->At(1)->Rekord(1);
  r.SetRecordTime(2900);
  other->At(1)->SetRekord(1, r);
  std::ofstream(Path("bad.erg").toStdString()) << "kein Ergebnis";
  desk.AnswerFile(Path("bad.erg"));
  Click(dlg, "UebernehmenBtn");
  const auto afterBad = record();
  desk.AnswerFile(Write("records.erg", std::move(other)));
  Click(dlg, "UebernehmenBtn");
  const auto takenOver = record();
  desk.AnswerMessage(mrNo);
  Click(dlg, "LoeschenBtn");
  desk.AnswerMessage(mrYes);
  Click(dlg, "LoeschenBtn");

  const std::string question =
      "Wollen Sie die gespeicherten Rekorddaten der Altersklasse Jugend (männlich) wirklich löschen?";
  using R = std::tuple<int32_t, int16_t, int32_t, int32_t>;
  EXPECT_EQ(std::tuple(shown, entered, untouched, beyondTenths, afterBad, takenOver, record(), desk.Messages()),
            std::tuple(Texts{"Bestleistungen der Ak Jugend (männlich)", "0:30,0", "0", "1000",
                                                "0:00,0", "0,00"},
                       R{75450, -3, 456789, 3000}, R{75450, -3, 456789, 3000}, 75456, R{75456, -3, 456789, 3000},
                       R{2900, 0, 100000, 3000}, R{0, 0, 0, 3000},
                       Texts{"Unbekanntes Ergebnisdateiformat.", "Fehler beim Laden der Datei.",
                                                question, question}));
}

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

std::string Elements(const TYrSet& set) {
  std::string v;
  for (int i = 0; i < 256; ++i)
    if (set.Contains(uint8_t(i))) v += " " + std::to_string(i);
  return v;
}

// Runs the dialog as the user's act leaves it and closes it with OK: true
// when its ApplyTo then leaves `make()` as `core` leaves it.
template <class Dialog>
bool AppliedAs(Dialog& dlg, const std::function<void(QDialog&)>& act,
               const std::function<std::unique_ptr<TWettkampf>()>& make, const std::function<void(TWettkampf&)>& core) {
  ScriptedDesktop desk;
  EXPECT_EQ(desk.Run(dlg, act), mrOk);
  const auto applied = make(), expected = make();
  dlg.ApplyTo(*applied);
  core(*expected);
  return Stored(*applied) == Stored(*expected);
}

}  // namespace

TEST(ResetDialog, PresetsAndTheUsersOwnChoice) {
  TZuruecksetzenDlg dlg;
  std::string seen;  // the items and whether the user may choose them
  auto look = [&](QDialog& d) {
    TYrSet items;
    dlg.GetResetSet(items);
    seen += Line("items" + Elements(items), Child(d, "ZeitCB1")->isEnabled());
  };
  TYrSet heat3;
  heat3.SetElement(15, true);
  EXPECT_TRUE(AppliedAs(dlg, [&](QDialog& d) {
    look(d);
    // "": the user looks.
    for (const char* button : {"RadioGroup1_3", "LaufCB3", "", "RadioGroup1_1", "", "RadioGroup1_2", "RadioGroup1_3",
                               ""})
      *button ? Click(d, button) : look(d);
  }, [] { return Jugend(3, 8); }, [&](TWettkampf& w) { w.ResetResults(heat3); }));
  ExpectSeen(seen, "operation-dialogs.txt");
}

TEST(QualificationDialog, ThreeHeatsOfLanesPerClassAndTheChosenMode) {
  TQualifikationDlg dlg;
  dlg.SetWettkampf(*Jugend(2, 3));  // 6 lanes
  int preset = 0;
  EXPECT_TRUE(AppliedAs(dlg, [&](QDialog& d) {
    preset = Child<QSpinBox>(d, "SpinEdit1")->value();
    Child<QSpinBox>(d, "SpinEdit1")->setValue(2);
    Click(d, "RadioGroup1_1");
  }, [] { return Jugend(2, 3); }, [](TWettkampf& w) { w.Qualify(2, 1); }));
  EXPECT_EQ(preset, 18);
}

// Eight participants in two heats of six lanes, two disciplines.
TEST(HeatDialog, StartHeatLaneAndOptionBitsReachTheAssignment) {
  TLaufbesetzungDlg dlg;
  std::vector<bool> enabled;
  EXPECT_TRUE(AppliedAs(dlg, [&](QDialog& d) {
    for (int i = 1; i <= 5; ++i) enabled.push_back(Child(d, QStringLiteral("CheckBox%1").arg(i))->isEnabled());
    Child<QSpinBox>(d, "SpinEdit1")->setValue(4);
    Child<QSpinBox>(d, "SpinEdit2")->setValue(2);
    Click(d, "CheckBox4");
    Click(d, "CheckBox5");
  }, [] { return Jugend(2, 8); }, [](TWettkampf& w) { w.AssignHeats(4, 2, 8 | 16); }));
  EXPECT_EQ(enabled, (std::vector<bool>{false, false, true, true, true}));
}

// Five stations; the better team of the later organisation.
TEST(CprDialog, TeamsStartWithFourMeasuresAndTheValuesReachTheTimetable) {
  std::vector<int> measures;
  for (uint16_t kind : {TWettkampfDaten::kIndividual, TWettkampfDaten::kTeams}) {
    THLWLaufbesetzungDlg dlg;
    dlg.SetWettkampf(*Jugend(2, 0, kind));
    measures.push_back(dlg.GetParameter().measures);
  }
  THLWLaufbesetzungDlg dlg;
  TCprParameter untouched{};
  auto teams = [] {
    auto w = Jugend(2, 2, TWettkampfDaten::kTeams, TAltersklasse::kCprScored, 0, 2);
    w->At(0)->At(0)->SetGliederung("Z");
    return w;
  };
  EXPECT_TRUE(AppliedAs(dlg, [&](QDialog& d) {
    untouched = dlg.GetParameter();
    Type(d, "HLWZeitEdit", "0930");
    Type(d, "AMNumEdit1", "20");
    Child<QSpinBox>(d, "SpinEdit1")->setValue(2);
    Child<QSpinBox>(d, "SpinEdit2")->setValue(3);
    Click(d, "CheckBox1");
  }, teams, [](TWettkampf& w) { w.AssignCprHeats(930, 2, 20, 3, true); }));
  EXPECT_EQ(std::tuple(measures, untouched.startClock, untouched.startStation, untouched.duration, untouched.measures,
                       untouched.byOrganisation),
            std::tuple(Ints{1, 4}, 800, 1, 15, 1, false));
}

TEST(StrikeDialog, TheChosenModeReachesTheStrike) {
  TStreichenDlg dlg;
  int preset = -1;
  auto oneAbsent = [] {
    auto w = Jugend(2, 1);
    w->At(0)->Insert(new TTeilnehmer);  // nothing entered
    return w;
  };
  EXPECT_TRUE(AppliedAs(dlg, [&](QDialog& d) {
    preset = dlg.GetMode();
    Click(d, "RadioGroup1_1");
  }, oneAbsent, [](TWettkampf& w) { w.Strike(1); }));
  EXPECT_EQ(std::tuple(preset, Text(dlg, "RadioGroup1_1")), std::tuple(0, "löschen"));
}

// Prev and Next stay within the heats, a tab shows the unassigned; each
// heat shown is the selection, which is empty again when the dialog closes.
TEST(HeatViewer, StepsThroughTheHeatsWithinTheirRangeAndEmptiesTheSelection) {
  auto w = Jugend(2, 8);  // 6 lanes: the best six in heat 2, T7 and T8 in heat 1
  w->AssignHeats(1, 1, 0);
  auto empty = Jugend(2, 0);
  std::string seen;  // heat, first line, lines, selected
  for (TWettkampf* c : {empty.get(), w.get()}) {
    ScriptedDesktop desk;
    TLaufanzeigeDlg dlg;
    dlg.SetWettkampf(*c);
    desk.Run(dlg, [&](QDialog& d) {
      auto* list = Child<QListWidget>(d, "ListBox1");
      seen += Text(d, "HeaderLabel") + "\n";
      for (const QString step : {"", "NextBtn", "NextBtn", "tab", "PrevBtn"}) {
        if (step == "tab")
          Child<QTabBar>(d, "TabControl1")->setCurrentIndex(1);
        else if (!step.isEmpty())
          Click(d, step);
        const std::string first = list->count() ? S(list->item(0)->text()) : "";
        seen += Line(Text(d, "LaufLabel"), first, list->count(), c->Selection().GetCount());
      }
    });
    seen += Line("closed", c->Selection().GetCount());
  }
  ExpectSeen(seen, "operation-dialogs.txt");
}

// Entered in the record-data dialog, kept through an untouched OK (also a
// time the field cannot show), taken over from a file (a file that is none
// is said), deleted after a question.
TEST_F(RecordDialogs, RecordEnteredTakenOverFromAFileAndDeleted) {
  auto c = MakeCompetition();
  c->UpdateRecords();
  TRekordeDlg dlg;
  dlg.SetWettkampf(c.get());
  dlg.SetItemIndex(1);
  TAltersklasse& boys = *c->At(1);
  std::string seen;
  desk.AnswerDialog("TRekordDatenDlg", mrNone, [&](QDialog& d) {
    seen = Line(Child<QGroupBox>(d, "GroupBox1")->title(), Text(d, "ZeitLbl1"), Text(d, "AbzLbl1"),
                Text(d, "GesPktLbl"), Text(d, "MaskEdit1"), Text(d, "SpinEdit6"));
    Type(d, "MaskEdit1", "12345");
    Type(d, "SpinEdit1", "-3");
    Type(d, "SpinEdit6", "4567,89");
    Click(d, "OKBtn");
  });
  auto record = [&] {
    seen += Line(boys.Rekord(1).RecordTime(), int16_t(boys.Rekord(1).RecordDeduction()), boys.Overall().RecordTotal(),
                 boys.Rekord(1).BestTime());
  };
  Click(dlg, "AendernBtn");
  record();
  desk.AnswerDialog("TRekordDatenDlg", mrOk);
  Click(dlg, "AendernBtn");
  record();
  TRekord r = boys.Rekord(1);
  r.SetRecordTime(75456);  // 12:34,56 where the field shows tenths
  boys.SetRekord(1, r);
  desk.AnswerDialog("TRekordDatenDlg", mrOk);
  Click(dlg, "AendernBtn");
  record();
  auto other = MakeCompetition();
  r = other->At(1)->Rekord(1);
  r.SetRecordTime(2900);
  other->At(1)->SetRekord(1, r);
  std::ofstream(S(Path("bad.erg"))) << "kein Ergebnis";
  for (const QString& file : {Path("bad.erg"), Write("records.erg", std::move(other))}) {
    desk.AnswerFile(file);
    Click(dlg, "UebernehmenBtn");
    record();
  }
  for (int answer : {mrNo, mrYes}) {
    desk.AnswerMessage(answer);
    Click(dlg, "LoeschenBtn");
  }
  record();
  ExpectSeen(seen + Transcript(), "operation-dialogs.txt");
}

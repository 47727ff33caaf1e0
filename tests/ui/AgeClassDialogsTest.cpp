#include "UiTestSupport.h"
#include "VkWAk.h"
#include "VkWAkDat.h"
#include "VkWDiDat.h"

namespace {

// The classes' names in their order, each followed by "|".
std::string Names(const TWettkampf& c) {
  std::string names;
  for (int i = 0; i < c.GetCount(); ++i) names += OemToUtf8(c.At(i)->Name()) + "|";
  return names;
}

void ClickRadio(QDialog& d, int kind) { Click(d, QStringLiteral("RadioGroup1_%1").arg(kind)); }

}  // namespace

TEST(AgeClassDialogs, ClassCreatedRefusedAsDuplicateEditedShiftedAndDeleted) {
  ScriptedDesktop desk;
  auto c = MakeCompetition();
  TAltersklassenDlg dlg;
  dlg.SetWettkampf(c.get());
  dlg.SetItemIndex(2);
  std::string seen;
  desk.AnswerDialog("TAltersklassenDatenDlg", mrNone, [&](QDialog& d) {
    seen = Line("suggested", Text(d, "ComboBox1"));
    Type(d, "ComboBox1", "Schülerinnen");
    Click(d, "CheckBox1");
    Click(d, "OKBtn");
  });
  Click(dlg, "NeuBtn");
  const TAltersklasse* made = c->At(2);
  seen += Line(Names(*c), dlg.ItemIndex(), made->IsFemale(), made->GetCount(), made->Discipline(1).V(1));

  // Name and sex of another class: refused, the dialog stays open.
  desk.AnswerDialog("TAltersklassenDatenDlg", mrCancel, [&](QDialog& d) {
    Type(d, "ComboBox1", "Jugend (weiblich)");
    Click(d, "OKBtn");
    seen += Line("open", d.isVisible());
  });
  Click(dlg, "AendernBtn");
  // Younger birth years move the class to the top of the list.
  desk.AnswerDialog("TAltersklassenDatenDlg", mrNone, [&](QDialog& d) {
    Child<QSpinBox>(d, "SpinEdit1")->setValue(1994);
    Child<QSpinBox>(d, "SpinEdit2")->setValue(1995);
    Click(d, "OKBtn");
  });
  Click(dlg, "AendernBtn");
  desk.AnswerDialog("TJahrgaengeDlg", mrOk, [](QDialog& d) { Child<QSpinBox>(d, "SpinEdit1")->setValue(-2); });
  Click(dlg, "JahrgaengeBtn");
  seen += Line(Names(*c), dlg.ItemIndex(), c->At(0)->FirstYear(), c->At(3)->LastYear());

  // The class with swimmers: No keeps everything, Yes frees them; the last line stays selected.
  dlg.SetItemIndex(2);
  desk.AnswerMessage(mrNo);
  Click(dlg, "LoeschenBtn");
  seen += Line(Names(*c), c->ParticipantCount());
  desk.AnswerMessage(mrYes);
  Click(dlg, "LoeschenBtn");
  dlg.SetItemIndex(2);
  desk.AnswerMessage(mrYes);
  Click(dlg, "LoeschenBtn");
  EXPECT_TRUE(desk.Used());
  seen += Line(Names(*c), c->ParticipantCount(), dlg.ItemIndex());
  ExpectSeen(seen + desk.Transcript(), "age-class-dialogs.txt");
}

TEST(AgeClassDialogs, SubDialogChangesReachTheClassOnlyWithOk) {
  ScriptedDesktop desk;
  auto c = MakeCompetition();
  TAltersklasse* boys = c->At(1);
  std::string seen;
  for (int round = 0; round < 2; ++round) {
    TAltersklassenDatenDlg dlg;
    dlg.SetAltersklasse(c.get(), boys);
    const auto act = [&](QDialog& d) {
      desk.AnswerDialog("TDisziplinDatenDlg", mrOk, [](QDialog& d) { Type(d, "AMFloatEdit1", "60,00"); });
      desk.AnswerDialog("TRekordDatenDlg", mrOk, [](QDialog& d) { Type(d, "MaskEdit1", "0:29,5"); });
      auto* list = Child<QListWidget>(d, "ListBox1");
      emit list->itemDoubleClicked(list->item(0));
      Click(d, "RekordeBtn");
    };
    if (desk.Run(dlg, act, round == 0 ? mrCancel : mrOk) == mrOk) dlg.GetAltersklasse(*boys);
    seen += Line(boys->Discipline(1).V(1), boys->Rekord(1).RecordTime());
  }

  // The counted disciplines never exceed the number of disciplines.
  TAltersklassenDatenDlg dlg;
  dlg.SetAltersklasse(c.get(), boys);
  auto* counted = Child<QComboBox>(dlg, "DisziplinenAnzahlGesamtwertungComboBox");
  for (auto [n, k] : {std::pair(6, 5), std::pair(3, -1), std::pair(3, 2), std::pair(6, -1)}) {
    Child<QComboBox>(dlg, "DisziplinenAnzahlComboBox")->setCurrentIndex(n);
    if (k >= 0) counted->setCurrentIndex(k);
    seen += Line("counted", n, k, counted->count(), counted->currentIndex());
  }
  ExpectSeen(seen + desk.Transcript(), "age-class-dialogs.txt");
}

TEST(AgeClassDialogs, DisciplineKindsParametersAndAFormulaError) {
  TDisziplinDatenDlg dlg;
  TDisziplin base;
  base.SetName(Oem("50 m Rückenschwimmen"));
  base.SetKind(kKindQuadraticLinear);
  base.SetV(1, 1400);
  base.SetFormula(FormulaKindName(kKindQuadraticLinear));
  dlg.SetDisziplin(base);
  std::string seen = Line("shown", Text(dlg, "AMFloatEdit1"));
  // Kind 0 keeps the formula of the kind before it.
  for (int kind : {1, 0, 2, 3, 4}) {
    dlg.SetDisziplin(base);
    ClickRadio(dlg, kind);
    Type(dlg, "AMFloatEdit1", "12,34");
    Type(dlg, "AMFloatEdit2", "0,5");
    TDisziplin d = base;
    dlg.GetDisziplin(d);
    seen += Line(d.Kind(), d.V(1), d.V(2), FromOem(d.Formula()), Child(dlg, "Edit2")->isEnabled());
  }

  ScriptedDesktop desk;
  // OK says once what is wrong: first a parameter out of range, then the formula.
  const int result = desk.Run(dlg, [&](QDialog& d) {
    Type(d, "AMFloatEdit5", "12345");
    Click(d, "OKBtn");
    Type(d, "AMFloatEdit5", "1");
    ClickRadio(d, 0);
    Type(d, "Edit2", "T*");
    Click(d, "OKBtn");
    seen += Line("open", d.isVisible(), Child<QLineEdit>(d, "Edit2")->cursorPosition());
    Type(d, "Edit2", "V1-T*10");
    Click(d, "OKBtn");
  }, mrNone);
  EXPECT_EQ(result, mrOk);
  TDisziplin d;
  dlg.GetDisziplin(d);
  ExpectSeen(seen + Line(d.Kind(), d.Formula()) + desk.Transcript(), "age-class-dialogs.txt");
}

// Each way to OK after a parameter out of range gives one warning.
TEST(AgeClassDialogs, AParameterOutOfRangeWarnsOncePerClick) {
  ScriptedDesktop desk;
  TDisziplinDatenDlg dlg;
  std::string seen;
  desk.Run(dlg, [&](QDialog& d) { seen = LeaveForOk(desk, d, "AMFloatEdit3", "10000"); }, mrCancel);
  ExpectSeen(seen + desk.Transcript(), "age-class-dialogs.txt");
}

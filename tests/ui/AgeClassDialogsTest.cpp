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
  std::string caption, suggested;
  desk.AnswerDialog("TAltersklassenDatenDlg", mrNone, [&](QDialog& d) {
    caption = S(d.windowTitle());
    suggested = Text(d, "ComboBox1");
    Type(d, "ComboBox1", "Schülerinnen");
    Click(d, "CheckBox1");
    Click(d, "OKBtn");
  });
  Click(dlg, "NeuBtn");
  const TAltersklasse* made = c->At(2);
  EXPECT_EQ(std::tuple(caption, suggested, Names(*c), dlg.ItemIndex(), made->IsFemale(), made->GetCount(),
                       made->Discipline(1).V(1)),
            std::tuple("Altersklassendaten eingeben", "Schüler - neu",
                       "Jugend (weiblich)|Jugend (männlich)|Schülerinnen|Schüler|", 2, true, 0, 3000));

  // Name and sex of another class: refused, the dialog stays open.
  bool open = false;
  desk.AnswerDialog("TAltersklassenDatenDlg", mrCancel, [&](QDialog& d) {
    Type(d, "ComboBox1", "Jugend (weiblich)");
    Click(d, "OKBtn");
    open = d.isVisible();
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
  EXPECT_EQ(std::tuple(open, Names(*c), dlg.ItemIndex(), c->At(0)->FirstYear(), c->At(3)->LastYear()),
            std::tuple(true, "Schülerinnen|Jugend (weiblich)|Jugend (männlich)|Schüler|", 0, 1992, 1985));

  // The class with swimmers: No keeps everything, Yes frees them; the last line stays selected.
  dlg.SetItemIndex(2);
  desk.AnswerMessage(mrNo);
  Click(dlg, "LoeschenBtn");
  const auto afterNo = std::tuple(Names(*c), c->ParticipantCount());
  desk.AnswerMessage(mrYes);
  Click(dlg, "LoeschenBtn");
  dlg.SetItemIndex(2);
  desk.AnswerMessage(mrYes);
  Click(dlg, "LoeschenBtn");
  const std::string question = "Die Altersklasse 'Jugend (männlich)' ist nicht leer. Altersklasse mit allen "
                               "enthaltenen Teilnehmern löschen?";
  EXPECT_EQ(std::tuple(afterNo, Names(*c), c->ParticipantCount(), dlg.ItemIndex(), desk.Messages(), desk.Used()),
            std::tuple(std::tuple("Schülerinnen|Jugend (weiblich)|Jugend (männlich)|Schüler|", 4),
                       "Schülerinnen|Jugend (weiblich)|", 0, 1,
                       Texts{"Die Altersklasse Jugend (weiblich) konnte nicht eingefügt werden (sie existiert "
                             "bereits).",
                             question, question, "Möchten Sie die Altersklasse 'Schüler' löschen?"},
                       true));
}

TEST(AgeClassDialogs, SubDialogChangesReachTheClassOnlyWithOk) {
  ScriptedDesktop desk;
  auto c = MakeCompetition();
  TAltersklasse* boys = c->At(1);
  Texts captions;
  for (int round = 0; round < 2; ++round) {
    TAltersklassenDatenDlg dlg;
    dlg.SetAltersklasse(c.get(), boys);
    desk.AnswerDialog("TAltersklassenDatenDlg", round == 0 ? mrCancel : mrOk, [](QDialog& d) {
      auto* list = Child<QListWidget>(d, "ListBox1");
      emit list->itemDoubleClicked(list->item(0));
      Click(d, "RekordeBtn");
    });
    desk.AnswerDialog("TDisziplinDatenDlg", mrOk, [&](QDialog& d) {
      captions.push_back(S(d.windowTitle()));
      Type(d, "AMFloatEdit1", "60,00");
    });
    desk.AnswerDialog("TRekordDatenDlg", mrOk, [](QDialog& d) { Type(d, "MaskEdit1", "0:29,5"); });
    if (TheDesktop().RunModal(dlg) == mrOk) dlg.GetAltersklasse(*boys);
    captions.push_back(std::to_string(boys->Discipline(1).V(1)) + " " + std::to_string(boys->Rekord(1).RecordTime()));
  }
  EXPECT_EQ(captions, (Texts{"Disziplin einstellen (Einzel, männlich)", "3000 0",
                             "Disziplin einstellen (Einzel, männlich)", "6000 2950"}));

  // The counted disciplines never exceed the number of disciplines.
  TAltersklassenDatenDlg dlg;
  dlg.SetAltersklasse(c.get(), boys);
  auto* counted = Child<QComboBox>(dlg, "DisziplinenAnzahlGesamtwertungComboBox");
  std::vector<std::tuple<int, int>> got;
  for (auto [n, k] : {std::pair(6, 5), std::pair(3, -1), std::pair(3, 2), std::pair(6, -1)}) {
    Child<QComboBox>(dlg, "DisziplinenAnzahlComboBox")->setCurrentIndex(n);
    if (k >= 0) counted->setCurrentIndex(k);
    got.emplace_back(counted->count(), counted->currentIndex());
  }
  EXPECT_EQ(got, (std::vector<std::tuple<int, int>>{{7, 5}, {4, 3}, {4, 2}, {7, 2}}));
}

TEST(AgeClassDialogs, DisciplineKindsParametersAndAFormulaError) {
  TDisziplinDatenDlg dlg;
  TDisziplin base;
  base.SetName(Oem("50 m Rückenschwimmen"));
  base.SetKind(kKindQuadraticLinear);
  base.SetV(1, 1400);
  base.SetFormula(FormulaKindName(kKindQuadraticLinear));
  std::vector<std::tuple<int, int32_t, int32_t, std::string, bool>> got, want;
  for (int kind : {1, 0, 2, 3, 4}) {
    dlg.SetDisziplin(base);
    if (kind == 1) got.emplace_back(-1, 0, 0, Text(dlg, "AMFloatEdit1"), false);
    ClickRadio(dlg, kind);
    Type(dlg, "AMFloatEdit1", "12,34");
    Type(dlg, "AMFloatEdit2", "0,5");
    TDisziplin d = base;
    dlg.GetDisziplin(d);
    got.emplace_back(d.Kind(), d.V(1), d.V(2), OemToUtf8(d.Formula()), Child(dlg, "Edit2")->isEnabled());
    // Kind 0 keeps the text of the kind before it.
    want.emplace_back(kind, 1234, 50, OemToUtf8(FormulaKindName(kind == 0 ? 1 : kind)), kind == 0);
  }
  want.insert(want.begin(), {-1, 0, 0, "14,00", false});
  EXPECT_EQ(got, want);

  ScriptedDesktop desk;
  bool open = false;
  int cursor = -1;
  // OK says once what is wrong: first a parameter out of range, then the formula.
  desk.AnswerDialog("TDisziplinDatenDlg", mrNone, [&](QDialog& d) {
    Type(d, "AMFloatEdit5", "12345");
    Click(d, "OKBtn");
    Type(d, "AMFloatEdit5", "1");
    ClickRadio(d, 0);
    Type(d, "Edit2", "T*");
    Click(d, "OKBtn");
    open = d.isVisible();
    cursor = Child<QLineEdit>(d, "Edit2")->cursorPosition();
    Type(d, "Edit2", "V1-T*10");
    Click(d, "OKBtn");
  });
  const int result = TheDesktop().RunModal(dlg);
  TDisziplin d;
  dlg.GetDisziplin(d);
  EXPECT_EQ(std::tuple(result, open, cursor, desk.Messages(), d.Kind(), d.Formula()),
            std::tuple(int(mrOk), true, 2,
                       Texts{"Der eingegebene Wert liegt nicht zwischen 0,00 und 9.999,00.",
                             "Ausdruck erwartet.\nPosition: 3\nT*"},
                       0, "V1-T*10"));
}

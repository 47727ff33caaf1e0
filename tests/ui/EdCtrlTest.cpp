// The validated edits: typed and pasted texts with their values and
// warnings, the checks on leaving and on OK. (The time and clock fields are
// typed into in the participant dialog's tests.)

#include <QClipboard>
#include <QMessageBox>
#include <QVBoxLayout>

#include "DialogParts.h"
#include "EdCtrl.h"
#include "UiTestSupport.h"

namespace {

// A dialog as the windows build theirs: the edits, OK and Cancel.
std::unique_ptr<ValidatedDialog> MakeDialog(std::initializer_list<QWidget*> edits) {
  auto dlg = std::make_unique<ValidatedDialog>();
  dlg->setObjectName("TestDlg");
  auto* layout = new QVBoxLayout(dlg.get());
  for (QWidget* edit : edits) layout->addWidget(edit);
  AddOkCancel(dlg.get(), layout);
  return dlg;
}

const std::string kBetween = "Der eingegebene Wert liegt nicht zwischen ";

QString Cell(const QString& cell) { return cell == "-" ? QString() : cell; }

}  // namespace

TEST(ValidatedEdits, TypedAndPastedTextsGiveValuesAndWarnings) {
  for (const QStringList& c : DataRows("validated-edits.txt")) {
    SCOPED_TRACE(S(c.join(" | ")));
    ScriptedDesktop desk;
    auto* num = c[0] == "num" ? new TYrNumEdit : nullptr;
    auto* dec = num ? nullptr : new TYrFloatEdit;
    num ? num->SetRange(c[1].toInt(), c[2].toInt()) : dec->SetRange(c[1].toDouble(), c[2].toDouble());
    TYrValEdit* edit = num ? static_cast<TYrValEdit*>(num) : dec;
    auto dlg = MakeDialog({edit, new QLineEdit});
    bool focusBack = false;
    const int result = desk.Run(*dlg, [&](QDialog&) {
      edit->setFocus();
      edit->clear();
      TypeKeys(edit, Cell(c[3]));
      if (c[4] != "-") {
        QApplication::clipboard()->setText(c[4]);
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
      }
      QTest::keyClick(edit, Qt::Key_Tab);
      QCoreApplication::processEvents();
      focusBack = edit->hasFocus();
    }, mrCancel);
    EXPECT_EQ(result, mrCancel);
    const Texts warnings = Listed(c[8]);
    std::string said = "dialog | TestDlg\n";
    for (const std::string& w : warnings) said += "message | Warning OK | Eingabeprüfung | " + w + "\n";
    const double value = num ? num->Value() : dec->Value();
    EXPECT_EQ(std::tuple(S(edit->text()), value, desk.beeps, focusBack, desk.Transcript()),
              std::tuple(S(Cell(c[5])), c[6].toDouble(), c[7].toInt(), !warnings.empty(), said));
  }
}

TEST(ValidatedEdits, OkChecksOnceMoreAndCancelNever) {
  ScriptedDesktop desk;
  auto* edit = new TYrNumEdit;
  edit->setObjectName("NumEdit");
  edit->SetRange(1, 8);
  auto dlg = MakeDialog({edit, new QLineEdit});
  auto click = [&](const char* button) {
    edit->setFocus();
    QTest::mouseClick(dlg->findChild<QPushButton*>(button), Qt::LeftButton);
  };
  bool openAfterOk = false;
  // Cancel leaves an invalid value without a word; OK warns once, keeps the
  // dialog open and the focus in the edit; a valid value then closes it.
  desk.AnswerDialog("TestDlg", mrOk, [&](QDialog&) {
    Type(*dlg, "NumEdit", "9");
    click("CancelBtn");
  });
  desk.AnswerDialog("TestDlg", mrCancel, [&](QDialog& d) {
    click("OKBtn");
    QCoreApplication::processEvents();
    openAfterOk = d.isVisible() && edit->hasFocus();
  });
  desk.AnswerDialog("TestDlg", mrNone, [&](QDialog&) {
    Type(*dlg, "NumEdit", "8");
    click("OKBtn");
  });
  std::vector<int> results;
  for (int i = 0; i < 3; ++i) results.push_back(TheDesktop().RunModal(*dlg));
  EXPECT_EQ(std::tuple(results, openAfterOk, desk.Transcript()),
            std::tuple(std::vector<int>{mrCancel, mrCancel, mrOk}, true,
                       "dialog | TestDlg\ndialog | TestDlg\nmessage | Warning OK | Eingabeprüfung | " + kBetween +
                           "1 und 8.\ndialog | TestDlg\n"));
}

// OK warns about the first invalid edit, which is not checked on leaving;
// the check queued when the mouse left the second one is void after that.
TEST(ValidatedEdits, AWarningVoidsTheChecksQueuedBeforeIt) {
  ScriptedDesktop desk;
  auto *first = new TYrNumEdit, *second = new TYrNumEdit;
  first->SetValidateOnExit(false);
  first->setObjectName("First");
  auto dlg = MakeDialog({first, second});
  desk.Run(*dlg, [&](QDialog& d) {
    for (QWidget* e : {first, second}) {
      QTest::mouseClick(e, Qt::LeftButton);
      TypeKeys(e, "9");
    }
    QTest::mouseClick(Child(d, "OKBtn"), Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), first);
  }, mrCancel);
  EXPECT_EQ(desk.Transcript(), "dialog | TestDlg\nmessage | Warning OK | Eingabeprüfung | " + kBetween + "0 und 0.\n");
}

TEST(ValidatedEdits, TheRealWarningBoxDoesNotTriggerItself) {
  auto* edit = new TYrNumEdit;
  edit->SetRange(1, 8);
  auto dlg = MakeDialog({edit, new QLineEdit});
  dlg->show();
  dlg->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(dlg.get()));
  edit->setFocus();
  QTest::keyClicks(edit, "9");
  // The user answers every box that comes up.
  Texts boxes;
  QTimer answer;
  QObject::connect(&answer, &QTimer::timeout, [&] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      boxes.push_back(box->text().toStdString());
      box->buttons().first()->click();
    }
  });
  answer.start(10);
  QTest::keyClick(edit, Qt::Key_Return);  // OK is the default button
  QTest::qWait(300);
  EXPECT_EQ(std::tuple(boxes, dlg->isVisible()), std::tuple(Texts{kBetween + "1 und 8."}, true));
}

// A handler of textEdited that reads "o" as a zero sees the "o" only when the
// key goes through the edit before the check; a key still refused then is
// undone with a beep, the selection as it was.
TEST(ValidatedEdits, KeysCheckedBeforeOrAfterTheEditTakesThem) {
  std::string seen;
  for (bool first : {true, false}) {
    ScriptedDesktop desk;
    TYrNumEdit edit;
    edit.SetCheckKeyFirst(first);
    std::string edited;
    QObject::connect(&edit, &QLineEdit::textEdited, [&](const QString& t) {
      edited += S(t) + " ";
      if (t.contains('o')) edit.setText(QString(t).replace('o', '0'));
    });
    edit.setText("12");
    TypeKeys(&edit, "{End}o{Shift+Home}x");
    seen += Line(first, edit.text(), edit.selectedText(), edit.cursorPosition(), desk.beeps, edited);
  }
  EXPECT_EQ(seen, "ja | 12 | 12 | 0 | 2 |\nnein | 120 | 120 | 0 | 1 | 12o x\n");
}

TEST(ValidatedEdits, HundredthsRoundHalfToEven) {
  TYrFloatEdit edit;
  std::vector<std::tuple<std::string, int32_t>> got, want = {
      {"12,34", 1234}, {"0,125", 12}, {"0,375", 38}, {"-0,125", -12}, {"0,625", 62}, {"2,5", 250}};
  for (const auto& [text, h] : want) {
    edit.setText(QString::fromStdString(text));
    got.emplace_back(text, edit.Hundredths());
  }
  EXPECT_EQ(got, want);
  edit.SetHundredths(1234);
  const QString shown = edit.text();
  edit.SetPrecision(4);
  edit.SetValue(1234.5678);
  EXPECT_EQ(std::tuple(shown, edit.text()), std::tuple("12,34", "1235,00"));
}

#include "VkWDiDat.h"

#include <string>

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "Desktop.h"
#include "DialogParts.h"
#include "OemText.h"
#include "RadioGroup.h"
#include "VkPunkte.h"
#include "VkWMisc.h"
#include "YrHooks.h"

TDisziplinDatenDlg::TDisziplinDatenDlg(QWidget* parent)
    : ValidatedDialog(parent),
      nameEdit_(new QLineEdit),
      kindGroup_(
          new RadioGroup(QStringLiteral("RadioGroup1"), QStringLiteral("Berechnungs&art"),
                         {QStringLiteral("benutzerdefiniert (per Formel)"),
                          QStringLiteral("neue Berechnung (Meisterschaften 1999-xxxx)"),
                          QStringLiteral("lineare Berechnung (Meisterschaften 1988-1998)"),
                          QStringLiteral("nach Platzierung (1.Platz erhält V1 Punkte, 2. Platz je nach V2, ...)"),
                          QStringLiteral("Internationaler Trelvacup")})),
      formulaLabel_(new QLabel(QStringLiteral("&Formel"))),
      formulaEdit_(new QLineEdit) {
  setObjectName(QStringLiteral("TDisziplinDatenDlg"));
  auto* layout = new QVBoxLayout(this);

  auto* nameGroup = new QGroupBox(QStringLiteral("&Bezeichnung"), this);
  auto* nameRow = new QHBoxLayout(nameGroup);
  nameEdit_->setObjectName(QStringLiteral("Edit1"));
  nameEdit_->setMaxLength(int(TDisziplin::kNameCapacity));
  nameRow->addWidget(nameEdit_);
  layout->addWidget(nameGroup);

  layout->addWidget(kindGroup_);
  connect(kindGroup_, &RadioGroup::Clicked, this, &TDisziplinDatenDlg::RadioGroup1Click);

  auto* params = new QGroupBox(QStringLiteral("Berechnungsparameter (Variablen und Formel)"), this);
  auto* grid = new QGridLayout(params);
  for (int i = 0; i < 5; ++i) {
    auto* edit = new TYrFloatEdit(params);
    edit->setObjectName(QStringLiteral("AMFloatEdit%1").arg(i + 1));
    edit->SetRange(0, 9999);
    edit->SetDigits(2);
    edit->SetPrecision(8);
    edit->SetValue(0);
    auto* label = new QLabel(QStringLiteral("Variable &%1").arg(i + 1), params);
    label->setBuddy(edit);
    // Two columns of parameters side by side.
    grid->addWidget(label, i % 3, (i / 3) * 2);
    grid->addWidget(edit, i % 3, (i / 3) * 2 + 1);
    parameterEdits_[i] = edit;
  }
  formulaEdit_->setObjectName(QStringLiteral("Edit2"));
  formulaEdit_->setMaxLength(int(TDisziplin::kFormulaCapacity));
  formulaLabel_->setBuddy(formulaEdit_);
  grid->addWidget(formulaLabel_, 3, 0);
  grid->addWidget(formulaEdit_, 3, 1, 1, 3);
  layout->addWidget(params);

  layout->addLayout(OkCancelRow(this));
  setMinimumWidth(520);
}

void TDisziplinDatenDlg::SetDisziplin(const TDisziplin& discipline) {
  nameEdit_->setText(FromOem(discipline.Name()));
  formulaEdit_->setText(FromOem(discipline.Formula()));
  for (int i = 0; i < 5; ++i) parameterEdits_[i]->SetHundredths(discipline.V(i + 1));
  // A kind the dialog does not offer (a damaged file) chooses no item; the
  // handler runs for the kind itself either way.
  kindGroup_->SetItemIndex(discipline.Kind());
  RadioGroup1Click(discipline.Kind());
}

void TDisziplinDatenDlg::GetDisziplin(TDisziplin& discipline) const {
  discipline.SetName(ToOem(nameEdit_->text(), TDisziplin::kNameCapacity));
  // A kind the dialog does not offer (a damaged file) stays as it was.
  if (kindGroup_->ItemIndex() >= 0) discipline.SetKind(static_cast<uint16_t>(kindGroup_->ItemIndex()));
  for (int i = 0; i < 5; ++i) discipline.SetV(i + 1, parameterEdits_[i]->Hundredths());
  discipline.SetFormula(ToOem(formulaEdit_->text(), TDisziplin::kFormulaCapacity));
}

void TDisziplinDatenDlg::RadioGroup1Click(int kind) {
  const bool userFormula = kind == kKindUserFormula;
  if (!userFormula) formulaEdit_->setText(FromOem(FormulaKindName(static_cast<uint16_t>(kind))));
  formulaEdit_->setEnabled(userFormula);
  formulaLabel_->setEnabled(userFormula);
}

bool TDisziplinDatenDlg::AcceptsClose() {
  if (kindGroup_->ItemIndex() != kKindUserFormula) return true;
  TDisziplin d;
  GetDisziplin(d);
  TPunkteFormel formula;
  formula.SetFormula(d.Formula());
  uint16_t position = 0;
  formula.SetErrorProc([&position](TYrFormel& f, uint8_t) { position = f.ErrorPosition(); });
  formula.Parse();
  if (position == 0) return true;
  // The message exactly as the evaluation reports it for this formula.
  std::string message;
  {
    TErrorMsgProc saved = ErrorMsgProc;
    ErrorMsgProc = [&message](const std::string& m) { message = m; };
    CalcPoints(1, 0, 1, d);
    ErrorMsgProc = saved;
  }
  ReportError(message);
  formulaEdit_->setFocus(Qt::OtherFocusReason);
  formulaEdit_->setCursorPosition(position - 1);
  return false;
}

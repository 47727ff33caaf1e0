#include "PageSetup.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "DialogParts.h"

TPageSetupDlg::TPageSetupDlg(QWidget* parent) : ValidatedDialog(parent) {
  setObjectName(QStringLiteral("PageSetupDialog1"));
  setWindowTitle(QStringLiteral("Seite einrichten"));
  auto* group = new QGroupBox(QStringLiteral("Ränder (mm)"), this);
  group->setObjectName(QStringLiteral("MarginsGroup"));
  auto* grid = new QGridLayout(group);
  struct Field {
    const char* name;
    const char* caption;
    int row, column;
  };
  // Left and right in the first row, top and bottom below, in the order the
  // margins travel (left, top, right, bottom).
  static constexpr Field kFields[4] = {{"LeftEdit", "&Links:", 0, 0},
                                       {"TopEdit", "&Oben:", 1, 0},
                                       {"RightEdit", "&Rechts:", 0, 1},
                                       {"BottomEdit", "&Unten:", 1, 1}};
  for (int i = 0; i < 4; ++i) {
    const Field& f = kFields[i];
    auto* edit = new TYrFloatEdit(group);
    edit->setObjectName(QString::fromLatin1(f.name));
    edit->SetRange(0, kMaxMillimetres);
    edit->SetDigits(2);
    edit->SetHundredths(0);
    auto* label = new QLabel(QString::fromLatin1(f.caption), group);
    label->setBuddy(edit);
    grid->addWidget(label, f.row, f.column * 2);
    grid->addWidget(edit, f.row, f.column * 2 + 1);
    marginEdits_[i] = edit;
  }
  // Tab goes row by row, as the fields stand: left, right, top, bottom.
  setTabOrder(marginEdits_[0], marginEdits_[2]);
  setTabOrder(marginEdits_[2], marginEdits_[1]);
  setTabOrder(marginEdits_[1], marginEdits_[3]);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(group);
  layout->addLayout(OkCancelRow(this));
}

const QString TPageSetupDlg::kOffPaperText =
    QStringLiteral("Die Ränder überschneiden sich oder liegen außerhalb des Papierbereichs. "
                   "Bitte geben Sie neue Randwerte ein.");

void TPageSetupDlg::SetPaper(int widthHundredths, int heightHundredths) {
  paperWidth_ = widthHundredths;
  paperHeight_ = heightHundredths;
}

bool TPageSetupDlg::AcceptsClose() {
  const PageMargins m = Margins();
  // Left and right against the width, top and bottom against the height;
  // the focus goes to the first field of the pair that does not fit.
  TYrFloatEdit* offending = nullptr;
  if (paperWidth_ > 0 && m.left + m.right >= paperWidth_)
    offending = marginEdits_[0];
  else if (paperHeight_ > 0 && m.top + m.bottom >= paperHeight_)
    offending = marginEdits_[1];
  if (!offending) return true;
  ShowInputWarning(kOffPaperText);
  offending->setFocus(Qt::OtherFocusReason);
  offending->selectAll();
  return false;
}

void TPageSetupDlg::SetMargins(const PageMargins& margins) {
  const std::array<int, 4> m = {margins.left, margins.top, margins.right, margins.bottom};
  for (int i = 0; i < 4; ++i) marginEdits_[i]->SetHundredths(m[i]);
}

PageMargins TPageSetupDlg::Margins() const {
  return {marginEdits_[0]->Hundredths(), marginEdits_[1]->Hundredths(), marginEdits_[2]->Hundredths(),
          marginEdits_[3]->Hundredths()};
}

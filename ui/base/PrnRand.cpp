#include "PrnRand.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "DialogParts.h"

namespace {

// No margin is negative (print would leave the paper), and none is larger
// than any paper.
constexpr int kMaxMargin = 999;

}  // namespace

TRaenderDlg::TRaenderDlg(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TRaenderDlg"));
  setWindowTitle(QStringLiteral("Seitenränder einstellen"));
  auto* group = new QGroupBox(QStringLiteral("Seitenränder in mm"), this);
  group->setObjectName(QStringLiteral("GroupBox1"));
  auto* grid = new QGridLayout(group);
  struct Field {
    const char* name;
    const char* caption;
    int row, column;
  };
  // Placed as on the page: top above, left and right beside, bottom below.
  static constexpr Field kFields[4] = {
      {"LeftSE", "&links", 1, 0}, {"TopSE", "&oben", 0, 1}, {"RightSE", "&rechts", 1, 2}, {"BottomSE", "&unten", 2, 1}};
  for (int i = 0; i < 4; ++i) {
    const Field& f = kFields[i];
    auto* edit = new QSpinBox(group);
    edit->setObjectName(QString::fromLatin1(f.name));
    edit->setRange(0, kMaxMargin);
    auto* label = new QLabel(QString::fromLatin1(f.caption), group);
    label->setBuddy(edit);
    auto* cell = new QVBoxLayout;
    cell->addWidget(label);
    cell->addWidget(edit);
    grid->addLayout(cell, f.row, f.column);
    marginEdits_[i] = edit;
  }
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(group);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  QPushButton* ok = AddOkCancel(this, buttons);
  layout->addLayout(buttons);
  ok->setFocus();
}

void TRaenderDlg::SetMargins(const PageMargins& margins) {
  set_ = {margins.left, margins.top, margins.right, margins.bottom};
  for (int i = 0; i < 4; ++i) {
    marginEdits_[i]->setValue(set_[i] / 100);
    shown_[i] = marginEdits_[i]->value();
  }
}

PageMargins TRaenderDlg::Margins() const {
  std::array<int, 4> m{};
  for (int i = 0; i < 4; ++i) m[i] = marginEdits_[i]->value() == shown_[i] ? set_[i] : marginEdits_[i]->value() * 100;
  return {m[0], m[1], m[2], m[3]};
}

#include "FindDlg.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "DialogParts.h"
#include "RadioGroup.h"

TFindDialog::TFindDialog(QWidget* parent)
    : QDialog(parent),
      findEdit_(new QLineEdit),
      wholeWord_(new QCheckBox(QStringLiteral("Nur ganzes &Wort suchen"))),
      matchCase_(new QCheckBox(QStringLiteral("&Groß-/Kleinschreibung beachten"))),
      direction_(new RadioGroup(QStringLiteral("DirectionGroup"), QStringLiteral("Richtung"),
                                {QStringLiteral("Nach &oben"), QStringLiteral("Nach &unten")}, 2)) {
  setObjectName(QStringLiteral("FindDialog"));
  setWindowTitle(QStringLiteral("Suchen"));
  setModal(false);
  findEdit_->setObjectName(QStringLiteral("FindEdit"));
  wholeWord_->setObjectName(QStringLiteral("WholeWordCB"));
  matchCase_->setObjectName(QStringLiteral("MatchCaseCB"));
  direction_->SetItemIndex(1);
  auto* label = new QLabel(QStringLiteral("Suchen &nach:"));
  label->setBuddy(findEdit_);

  findBtn_ = NewButton(this, "FindBtn", QStringLiteral("&Weitersuchen"));
  findBtn_->setDefault(true);
  findBtn_->setEnabled(false);
  QPushButton* cancel = NewButton(this, "CancelBtn", QStringLiteral("Abbrechen"));
  connect(findEdit_, &QLineEdit::textChanged, this, [this](const QString& t) { findBtn_->setEnabled(!t.isEmpty()); });
  connect(findBtn_, &QPushButton::clicked, this, &TFindDialog::Find);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* layout = new QGridLayout(this);
  layout->addWidget(label, 0, 0);
  layout->addWidget(findEdit_, 0, 1, 1, 2);
  layout->addWidget(findBtn_, 0, 3);
  layout->addWidget(wholeWord_, 1, 0, 1, 2);
  layout->addWidget(cancel, 1, 3);
  layout->addWidget(matchCase_, 2, 0, 1, 2);
  layout->addWidget(direction_, 1, 2, 2, 1);
  layout->setColumnStretch(1, 1);
}

void TFindDialog::Open() {
  show();
  raise();
  activateWindow();
  findEdit_->setFocus(Qt::ShortcutFocusReason);
  findEdit_->selectAll();
}

QString TFindDialog::FindText() const { return findEdit_->text(); }

void TFindDialog::SetFindText(const QString& text) { findEdit_->setText(text); }

bool TFindDialog::Down() const { return direction_->ItemIndex() != 0; }

bool TFindDialog::WholeWord() const { return wholeWord_->isChecked(); }

bool TFindDialog::MatchCase() const { return matchCase_->isChecked(); }

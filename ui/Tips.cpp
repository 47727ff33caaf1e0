#include "Tips.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "Desktop.h"
#include "DialogParts.h"

namespace {

const char* const kTips[] = {
    "",
    "Sie können mit Hilfe der rechten Maustaste ein Menü aufrufen, über dessen Einträge Sie schnell wichtige "
    "Funktionen erreichen können. Die Einträge dieses Menüs sind abhängig von der Position der Maus.",
    "Das Programm enthält die Regelwerke 1999 und 2007 der KRVB (Rettungssport - Regeln und "
    "Durchführungsbestimmungen).",
    "Die Tastenkombination ALT+N (bzw. ALT+V) wählt die nächste (bzw. die vorherige) Altersklasse aus und zeigt "
    "sie an.",
    "Dieses Programm kann Meisterschaften ab dem Wettkampfjahr 1995 auswerten und archivieren.",
    "Ein unterstrichener Buchstabe weist Sie auf eine Tastenkombination hin, mit der die entsprechende Funktion "
    "ausgelöst werden kann. Drücken Sie dazu \"ALT+Buchstabe\" gleichzeitg.",
    "Ein Doppelklick mit der linken Maustaste auf einen Teilnehmer im Wettkampffenster ermöglicht im folgenden "
    "Dialog die Dateneingabe zu diesem Teilnehmer.",
    "Ein Doppelklick mit der linken Maustaste auf die Wettkampfinformationen im Wettkampffenster ermöglicht im "
    "folgenden Dialog die Dateneingabe zu diesem Wettkampf.",
    "In der grauen Zeile am unteren Rand von Kiv werden in Abhängigkeit von der aktuellen Position des "
    "Mauscursors Hinweise zur Anzeige an dieser Stelle angezeigt.",
    "Im Menü Bearbeiten können Sie den zuvor markierten Bereich in die Zwischenablage kopieren und z.B. in "
    "Textverarbeitungen oder Tabellenkalkulationen einfügen und weiter bearbeiten.",
};

}  // namespace

TTipsDlg::TTipsDlg(QWidget* owner) : QDialog(owner) {
  setObjectName(QStringLiteral("TTipsDlg"));
  setWindowTitle(QStringLiteral("Tips und Tricks"));
  for (const char* tip : kTips) tips_ << QString::fromUtf8(tip);

  auto* layout = new QHBoxLayout(this);
  auto* panel = new QFrame(this);
  panel->setFrameShape(QFrame::StyledPanel);
  panel->setBackgroundRole(QPalette::Base);
  panel->setAutoFillBackground(true);
  auto* panelLayout = new QVBoxLayout(panel);
  auto* heading = new QLabel(QStringLiteral("Wußten Sie schon?"), panel);
  heading->setObjectName(QStringLiteral("Label1"));
  QFont bold = heading->font();
  bold.setBold(true);
  bold.setPointSizeF(bold.pointSizeF() * 1.3);
  heading->setFont(bold);
  panelLayout->addWidget(heading);
  tipLabel_ = new QLabel(panel);
  tipLabel_->setObjectName(QStringLiteral("TipLabel"));
  tipLabel_->setTextFormat(Qt::PlainText);
  tipLabel_->setWordWrap(true);
  tipLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  // Fixed size: the window does not jump from tip to tip.
  tipLabel_->setFixedSize(300, 110);
  panelLayout->addWidget(tipLabel_);
  panelLayout->addStretch();
  auto* startTips = new QCheckBox(QStringLiteral("&Tips bei jedem Start anzeigen"), panel);
  startTips->setObjectName(QStringLiteral("StartTipsCheckBox"));
  startTips->hide();
  layout->addWidget(panel);

  auto* buttons = new QVBoxLayout;
  auto* ok = NewButton(this, "OKBtn", QStringLiteral("OK"));
  auto* next = NewButton(this, "NextBtn", QStringLiteral("&Nächster Tip"));
  auto* prev = NewButton(this, "PrevBtn", QStringLiteral("&Vorheriger Tip"));
  auto* help = NewButton(this, "HelpBtn", QStringLiteral("&Hilfe"));
  help->hide();
  ok->setDefault(true);
  buttons->addWidget(ok);
  buttons->addWidget(next);
  buttons->addWidget(prev);
  buttons->addWidget(help);
  buttons->addStretch();
  layout->addLayout(buttons);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(next, &QPushButton::clicked, this, &TTipsDlg::NextBtnClick);
  connect(prev, &QPushButton::clicked, this, &TTipsDlg::PrevBtnClick);
  ok->setFocus();
}

void TTipsDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // Not again when the window comes back from being minimised.
  if (event->spontaneous()) return;
  index_ = TheDesktop().Random(static_cast<int>(tips_.size()));
  ShowTip();
}

void TTipsDlg::NextBtnClick() {
  index_ = index_ + 1 < tips_.size() ? index_ + 1 : 0;
  ShowTip();
}

void TTipsDlg::PrevBtnClick() {
  index_ = index_ > 0 ? index_ - 1 : static_cast<int>(tips_.size()) - 1;
  ShowTip();
}

void TTipsDlg::ShowTip() { tipLabel_->setText(tips_.value(index_)); }

void ShowTips(QWidget* owner) {
  TTipsDlg dlg(owner);
  TheDesktop().RunModal(dlg);
}

#include "VkWLauf.h"

#include <algorithm>

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QVBoxLayout>

#include "DialogParts.h"
#include "Hints.h"
#include "OemText.h"
#include "VkWettk.h"

TLaufanzeigeDlg::TLaufanzeigeDlg(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TLaufanzeigeDlg"));
  setWindowTitle(QStringLiteral("Laufanzeige nach Wettkampf"));
  SetHint(this, QStringLiteral("Laufanzeige nach Wettkampf"));

  disciplineTabs_ = new QTabBar(this);
  disciplineTabs_->setObjectName(QStringLiteral("TabControl1"));
  for (int d = 1; d <= 5; ++d) disciplineTabs_->addTab(QStringLiteral("Wettkampf %1").arg(d));
  const QFont fixed = FixedFont();
  headerLabel_ = new QLabel(this);
  headerLabel_->setObjectName(QStringLiteral("HeaderLabel"));
  headerLabel_->setFont(fixed);
  heatLabel_ = new QLabel(this);
  heatLabel_->setObjectName(QStringLiteral("LaufLabel"));
  QFont bold = heatLabel_->font();
  bold.setBold(true);
  heatLabel_->setFont(bold);
  heatLines_ = new QListWidget(this);
  heatLines_->setObjectName(QStringLiteral("ListBox1"));
  heatLines_->setFont(fixed);
  heatLines_->setMinimumSize(QFontMetrics(fixed).horizontalAdvance(QString(86, u'0')), 220);

  QPushButton* previous = NewButton(this, "PrevBtn", QStringLiteral("<<"));
  QPushButton* next = NewButton(this, "NextBtn", QStringLiteral(">>"));
  // Editing from here was never wired up; the button stays as the default
  // so that Enter does not close the viewer.
  QPushButton* edit = NewButton(this, "AendernBtn", QStringLiteral("Ändern..."));
  SetHint(edit, QStringLiteral("Teilnehmerdaten ändern"));

  connect(disciplineTabs_, &QTabBar::currentChanged, this, [this](int index) {
    discipline_ = index + 1;
    ShowLauf();
  });
  connect(previous, &QPushButton::clicked, this, [this] { Step(-1); });
  connect(next, &QPushButton::clicked, this, [this] { Step(1); });

  auto* heatRow = new QHBoxLayout;
  heatRow->addWidget(previous);
  heatRow->addWidget(heatLabel_, 1, Qt::AlignCenter);
  heatRow->addWidget(next);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(edit);
  buttons->addStretch();
  QPushButton* ok = AddOkCancel(this, buttons);
  auto* main = new QVBoxLayout(this);
  main->addWidget(disciplineTabs_);
  main->addLayout(heatRow);
  main->addWidget(headerLabel_);
  main->addWidget(heatLines_, 1);
  main->addLayout(buttons);
  ok->setDefault(false);
  edit->setDefault(true);
}

TLaufanzeigeDlg::~TLaufanzeigeDlg() { ReleaseSelection(); }

void TLaufanzeigeDlg::SetWettkampf(TWettkampf& competition) {
  competition_ = &competition;
  discipline_ = 1;
  heat_ = 0;
  ShowLauf();
}

void TLaufanzeigeDlg::ShowLauf() {
  if (!competition_) return;
  discipline_ = std::clamp(discipline_, 1, 5);
  const int16_t lowest = competition_->HeatRange(false, discipline_);
  const int16_t highest = competition_->HeatRange(true, discipline_);
  // Lowest first: without participants (lowest 32767, highest 0) the heat
  // ends at 0, "ungesetzt".
  heat_ = std::max<int32_t>(heat_, lowest);
  heat_ = std::min<int32_t>(heat_, highest);

  TTeilnehmerListe& selection = competition_->Selection();
  selection.DeleteAll();
  holdsSelection_ = true;
  competition_->SetAllMarks(true);
  competition_->SelectHeat(discipline_, static_cast<int16_t>(heat_));

  if (disciplineTabs_->currentIndex() != discipline_ - 1) {
    QSignalBlocker quiet(disciplineTabs_);
    disciplineTabs_->setCurrentIndex(discipline_ - 1);
  }
  headerLabel_->setText(FromOem(competition_->HeatListLine(discipline_, nullptr, false, false)));
  heatLabel_->setText(heat_ == 0 ? QStringLiteral("Lauf ungesetzt (0)") : QStringLiteral("Lauf %1").arg(heat_));
  heatLines_->clear();
  // Rows a little higher than the font, so that the dots of a capital
  // umlaut are not cut off by the row above.
  const QFontMetrics metrics(heatLines_->font());
  for (int i = 0; i < selection.GetCount(); ++i) {
    auto* item = new QListWidgetItem(FromOem(competition_->HeatListLine(discipline_, selection.At(i), false, false)));
    item->setSizeHint(QSize(metrics.horizontalAdvance(item->text()) + 8, metrics.lineSpacing() + 4));
    heatLines_->addItem(item);
  }
  if (heatLines_->count() > 0) heatLines_->setCurrentRow(0);
}

void TLaufanzeigeDlg::Step(int by) {
  heat_ += by;
  ShowLauf();
}

void TLaufanzeigeDlg::done(int result) {
  ReleaseSelection();
  QDialog::done(result);
}

void TLaufanzeigeDlg::ReleaseSelection() {
  if (!competition_ || !holdsSelection_) return;
  competition_->Selection().DeleteAll();
  holdsSelection_ = false;
}

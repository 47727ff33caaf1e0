#include "SpeedBarSetup.h"

#include <QDropEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>

#include "SpeedBar.h"

namespace {

constexpr int kNameRole = Qt::UserRole;

// The buttons not on the bar; dragging one hands it to the bar.
class TButtonList : public QListWidget {
 public:
  explicit TButtonList(TSpeedBar* bar) : bar_(bar) {}

 protected:
  void startDrag(Qt::DropActions) override {
    if (const QListWidgetItem* item = currentItem()) bar_->DragButton(item->data(kNameRole).toString(), this);
  }

 private:
  TSpeedBar* bar_;
};

QLabel* Caption(const char* name, const QString& text, QWidget* buddy) {
  auto* label = new QLabel(text);
  label->setObjectName(QString::fromLatin1(name));
  label->setBuddy(buddy);
  return label;
}

}  // namespace

TSpeedbarSetupDlg::TSpeedbarSetupDlg(TSpeedBar* bar) : QDialog(bar), bar_(bar) {
  setObjectName(QStringLiteral("TSpeedbarSetupDlg"));
  setWindowTitle(QStringLiteral("Speedbar anpassen"));
  setAcceptDrops(true);

  sectionList_ = new QListWidget;
  sectionList_->setObjectName(QStringLiteral("SectionList"));
  sectionList_->addItems(bar_->Sections());
  buttonsList_ = new TButtonList(bar_);
  buttonsList_->setObjectName(QStringLiteral("ButtonsList"));
  buttonsList_->setDragEnabled(true);
  buttonsList_->setSelectionMode(QAbstractItemView::SingleSelection);
  for (QListWidget* list : {sectionList_, buttonsList_}) list->setMinimumSize(170, 170);

  auto* hint = new QLabel(QStringLiteral(
      "Ziehen Sie eine Schaltfläche aus der Liste auf die Speedbar, um sie hinzuzufügen. Solange dieses Fenster "
      "offen ist, lassen sich die Schaltflächen auf der Speedbar mit der Maus verschieben; eine Schaltfläche, die "
      "von der Speedbar weggezogen wird, kommt in die Liste zurück."));
  hint->setObjectName(QStringLiteral("HintLabel"));
  hint->setWordWrap(true);
  description_ = new QLabel;
  description_->setObjectName(QStringLiteral("DescriptionLabel"));
  description_->setTextFormat(Qt::PlainText);
  description_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  description_->setMinimumHeight(description_->fontMetrics().height() + 6);

  widthEdit_ = new QSpinBox;
  widthEdit_->setObjectName(QStringLiteral("WidthEdit"));
  widthEdit_->setRange(0, 300);
  widthEdit_->setSingleStep(4);
  widthEdit_->setSpecialValueText(QStringLiteral("automatisch"));
  widthEdit_->setValue(bar_->ButtonSize().width());
  heightEdit_ = new QSpinBox;
  heightEdit_->setObjectName(QStringLiteral("HeightEdit"));
  heightEdit_->setRange(16, 100);
  heightEdit_->setValue(bar_->ButtonSize().height());
  for (QSpinBox* edit : {widthEdit_, heightEdit_}) {
    edit->setSuffix(QStringLiteral(" Pixel"));
    connect(edit, &QSpinBox::valueChanged, this,
            [this] { bar_->SetButtonSize(QSize(widthEdit_->value(), heightEdit_->value())); });
  }
  auto* close = new QPushButton(QStringLiteral("Schließen"));
  close->setObjectName(QStringLiteral("CloseBtn"));
  close->setAutoDefault(false);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);

  auto* grid = new QGridLayout(this);
  grid->addWidget(Caption("SectionLabel", QStringLiteral("&Kategorien:"), sectionList_), 0, 0);
  grid->addWidget(Caption("ButtonsLabel", QStringLiteral("&Schaltflächen:"), buttonsList_), 0, 1);
  grid->addWidget(sectionList_, 1, 0);
  grid->addWidget(buttonsList_, 1, 1);
  grid->addWidget(hint, 2, 0, 1, 2);
  grid->addWidget(description_, 3, 0, 1, 2);
  auto* sizes = new QHBoxLayout;
  sizes->addWidget(Caption("WidthLabel", QStringLiteral("&Breite:"), widthEdit_));
  sizes->addWidget(widthEdit_);
  sizes->addSpacing(12);
  sizes->addWidget(Caption("HeightLabel", QStringLiteral("&Höhe:"), heightEdit_));
  sizes->addWidget(heightEdit_);
  sizes->addStretch(1);
  sizes->addWidget(close);
  grid->addLayout(sizes, 4, 0, 1, 2);

  connect(sectionList_, &QListWidget::currentRowChanged, this, &TSpeedbarSetupDlg::ShowButtons);
  connect(buttonsList_, &QListWidget::currentRowChanged, this, &TSpeedbarSetupDlg::ShowDescription);
  connect(bar_, &TSpeedBar::Changed, this, &TSpeedbarSetupDlg::ShowButtons);
  sectionList_->setCurrentRow(0);
}

void TSpeedbarSetupDlg::ShowButtons() {
  const QString current = buttonsList_->currentItem() ? buttonsList_->currentItem()->data(kNameRole).toString()
                                                      : QString();
  buttonsList_->clear();
  for (const QString& name : bar_->ButtonsOf(sectionList_->currentRow())) {
    if (bar_->IsShown(name)) continue;
    auto* item = new QListWidgetItem(bar_->Caption(name), buttonsList_);
    item->setData(kNameRole, name);
    item->setToolTip(bar_->Button(name)->toolTip());
    if (name == current) buttonsList_->setCurrentItem(item);
  }
  ShowDescription();
}

void TSpeedbarSetupDlg::ShowDescription() {
  const QListWidgetItem* item = buttonsList_->currentItem();
  description_->setText(item ? item->toolTip() : QString());
}

void TSpeedbarSetupDlg::dragEnterEvent(QDragEnterEvent* event) { dragMoveEvent(event); }

// Only a button of the bar can be dropped here: it goes back into the list.
void TSpeedbarSetupDlg::dragMoveEvent(QDragMoveEvent* event) {
  const std::optional<QString> name = bar_->DraggedButton(event->mimeData());
  if (name && bar_->IsShown(*name)) {
    event->setDropAction(Qt::MoveAction);
    event->accept();
  } else {
    event->ignore();
  }
}

void TSpeedbarSetupDlg::dropEvent(QDropEvent* event) {
  const std::optional<QString> name = bar_->DraggedButton(event->mimeData());
  if (!name || !bar_->IsShown(*name)) return event->ignore();
  event->setDropAction(Qt::MoveAction);
  event->accept();
  bar_->HideButton(*name);
}

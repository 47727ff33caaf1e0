#include "SpeedBar.h"

#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDrag>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QToolButton>
#include <QWidgetAction>

#include "Desktop.h"
#include "Hints.h"
#include "SpeedBarSetup.h"

const char* const TSpeedBar::kButtonMime = "application/x-brantovex-speedbutton";

namespace {

// A button of the bar. While the bar is arranged, a press and a move drag it
// instead of running its command.
class TSpeedButton : public QToolButton {
 public:
  explicit TSpeedButton(TSpeedBar* bar) : bar_(bar) {}

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    if (!bar_->Arranging()) return QToolButton::mousePressEvent(event);
    if (event->button() == Qt::LeftButton) pressedAt_ = event->position().toPoint();
  }
  void mouseMoveEvent(QMouseEvent* event) override {
    if (!bar_->Arranging()) return QToolButton::mouseMoveEvent(event);
    if (pressedAt_ && (event->buttons() & Qt::LeftButton) &&
        (event->position().toPoint() - *pressedAt_).manhattanLength() >= QApplication::startDragDistance()) {
      pressedAt_.reset();
      bar_->DragButton(objectName(), this);
    }
  }
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (!bar_->Arranging()) return QToolButton::mouseReleaseEvent(event);
    pressedAt_.reset();
  }

 private:
  TSpeedBar* bar_;
  std::optional<QPoint> pressedAt_;
};

}  // namespace

TSpeedBar::TSpeedBar(QWidget* parent) : QToolBar(parent) {
  setObjectName(QStringLiteral("JvSpeedbar"));
  setWindowTitle(QStringLiteral("Speedbar"));
  setToolButtonStyle(Qt::ToolButtonTextOnly);
  customizeAction_ = new QAction(QStringLiteral("&Anpassen..."), this);
  customizeAction_->setObjectName(QStringLiteral("CustomizeItem"));
  customizeAction_->setStatusTip(QStringLiteral("Schaltflächen der Speedbar hinzufügen, verschieben, entfernen"));
  connect(customizeAction_, &QAction::triggered, this, &TSpeedBar::Customize);
}

TSpeedBar::~TSpeedBar() {
  // The commands may outlive the buttons that follow them.
  for (const Item& item : items_)
    if (item.command) item.command->disconnect(this);
}

int TSpeedBar::AddSection(const QString& caption) {
  sections_.push_back(caption);
  return static_cast<int>(sections_.size()) - 1;
}

QToolButton* TSpeedBar::AddButton(int section, const char* name, const QString& caption, const QString& hint,
                                  QAction* command, bool shown) {
  auto* button = new TSpeedButton(this);
  button->setObjectName(QString::fromLatin1(name));
  button->setAutoRaise(true);
  button->setFocusPolicy(Qt::NoFocus);
  button->setToolButtonStyle(Qt::ToolButtonTextOnly);
  button->setText(caption);
  // "short|long": the tool tip and the status line's text.
  SetHint(button, hint);
  connect(button, &QToolButton::clicked, command, &QAction::trigger);
  auto* place = new QWidgetAction(this);
  place->setDefaultWidget(button);

  items_.push_back({button->objectName(), section, caption, command, button, place});
  const QString key = items_.back().name;
  connect(command, &QAction::changed, this, [this, key] { UpdateEnabled(*Find(key)); });
  if (size_.height() <= 0) size_ = QSize(0, button->sizeHint().height());
  ApplySize(items_.back());
  UpdateEnabled(items_.back());
  if (shown) {
    shown_.push_back(key);
    Rebuild();
  }
  return button;
}

QStringList TSpeedBar::Sections() const { return QStringList(sections_.begin(), sections_.end()); }

QStringList TSpeedBar::ButtonsOf(int section) const {
  QStringList names;
  for (const Item& item : items_)
    if (item.section == section) names << item.name;
  return names;
}

QStringList TSpeedBar::Shown() const { return QStringList(shown_.begin(), shown_.end()); }

bool TSpeedBar::IsShown(const QString& name) const {
  return std::find(shown_.begin(), shown_.end(), name) != shown_.end();
}

const TSpeedBar::Item* TSpeedBar::Find(const QString& name) const {
  const auto it = std::find_if(items_.begin(), items_.end(), [&](const Item& item) { return item.name == name; });
  return it == items_.end() ? nullptr : &*it;
}

QToolButton* TSpeedBar::Button(const QString& name) const {
  const Item* item = Find(name);
  return item ? item->button : nullptr;
}

QString TSpeedBar::Caption(const QString& name) const {
  const Item* item = Find(name);
  return item ? item->caption : QString();
}

void TSpeedBar::ShowButton(const QString& name, int index) {
  if (!Find(name)) return;
  const auto it = std::find(shown_.begin(), shown_.end(), name);
  if (it != shown_.end()) {
    // Index counts the button where it stands now.
    if (it - shown_.begin() < index) --index;
    shown_.erase(it);
  }
  index = std::clamp(index, 0, static_cast<int>(shown_.size()));
  shown_.insert(shown_.begin() + index, name);
  Rebuild();
}

void TSpeedBar::HideButton(const QString& name) {
  const auto it = std::find(shown_.begin(), shown_.end(), name);
  if (it == shown_.end()) return;
  shown_.erase(it);
  Rebuild();
}

void TSpeedBar::Rebuild() {
  // Taking a place off the bar keeps its button (hidden, without parent)
  // for the next time it is put on.
  for (QAction* action : actions()) removeAction(action);
  for (QAction* separator : separators_) delete separator;
  separators_.clear();
  int section = -1;
  for (const QString& name : shown_) {
    const Item& item = *Find(name);
    if (section >= 0 && item.section != section) separators_.push_back(addSeparator());
    section = item.section;
    addAction(item.place);
  }
  emit Changed();
}

void TSpeedBar::SetButtonSize(QSize size) {
  size_ = QSize(std::max(0, size.width()), std::max(1, size.height()));
  for (const Item& item : items_) ApplySize(item);
  emit Changed();
}

void TSpeedBar::ApplySize(const Item& item) {
  QToolButton* button = item.button;
  button->setText(item.caption);
  button->setMinimumWidth(0);
  button->setMaximumWidth(QWIDGETSIZE_MAX);
  if (size_.width() > 0) {
    // A caption wider than the button ends in "...".
    const int padding = button->sizeHint().width() - button->fontMetrics().horizontalAdvance(item.caption);
    button->setText(button->fontMetrics().elidedText(item.caption, Qt::ElideRight, size_.width() - padding));
    button->setFixedWidth(size_.width());
  }
  button->setFixedHeight(size_.height());
}

void TSpeedBar::UpdateEnabled(const Item& item) {
  // Its place passes the state on to the button.
  item.place->setEnabled(Arranging() || (item.command && item.command->isEnabled()));
}

// --- arranging

bool TSpeedBar::Arranging() const { return !setup_.isNull(); }

TSpeedbarSetupDlg* TSpeedBar::SetupWindow() const { return setup_; }

void TSpeedBar::SetArranging(bool arranging) {
  setAcceptDrops(arranging);
  for (const Item& item : items_) UpdateEnabled(item);
}

void TSpeedBar::Customize() {
  if (!setup_) {
    setup_ = new TSpeedbarSetupDlg(this);
    connect(setup_, &QDialog::finished, this, [this] {
      TSpeedbarSetupDlg* closed = setup_;
      setup_ = nullptr;
      SetArranging(false);
      closed->deleteLater();
    });
    SetArranging(true);
  }
  setup_->show();
  setup_->raise();
  setup_->activateWindow();
}

void TSpeedBar::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  menu.addAction(customizeAction_);
  menu.exec(event->globalPos());
}

std::optional<QString> TSpeedBar::DraggedButton(const QMimeData* data) const {
  if (!Arranging() || !data || !data->hasFormat(QString::fromLatin1(kButtonMime))) return std::nullopt;
  const QString name = QString::fromUtf8(data->data(QString::fromLatin1(kButtonMime)));
  if (!Find(name)) return std::nullopt;
  return name;
}

void TSpeedBar::DragButton(const QString& name, QWidget* source) {
  const Item* item = Find(name);
  if (!item || !Arranging()) return;
  auto* data = new QMimeData;
  data->setData(QString::fromLatin1(kButtonMime), name.toUtf8());
  data->setText(name);
  auto* drag = new QDrag(source);
  drag->setMimeData(data);
  const QPixmap picture = item->button->grab();
  drag->setPixmap(picture);
  drag->setHotSpot(QPoint(picture.width() / 2, picture.height() / 2));
  const bool fromBar = IsShown(name);
  if (TheDesktop().Drag(drag, Qt::MoveAction) == Qt::IgnoreAction && fromBar) HideButton(name);
}

int TSpeedBar::DropIndex(QPoint pos) const {
  int index = 0;
  for (const QString& name : shown_) {
    const QWidget* button = Find(name)->button;
    // Buttons in the overflow menu lie behind everything seen.
    if (!button->isVisible()) break;
    const QPoint centre = button->geometry().center();
    if (orientation() == Qt::Horizontal ? pos.x() < centre.x() : pos.y() < centre.y()) break;
    ++index;
  }
  return index;
}

void TSpeedBar::dragEnterEvent(QDragEnterEvent* event) { dragMoveEvent(event); }

void TSpeedBar::dragMoveEvent(QDragMoveEvent* event) {
  if (DraggedButton(event->mimeData())) {
    event->setDropAction(Qt::MoveAction);
    event->accept();
  } else {
    event->ignore();
  }
}

void TSpeedBar::dropEvent(QDropEvent* event) {
  const std::optional<QString> name = DraggedButton(event->mimeData());
  if (!name) return event->ignore();
  event->setDropAction(Qt::MoveAction);
  event->accept();
  ShowButton(*name, DropIndex(event->position().toPoint()));
}

#include "GroupKeys.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QGroupBox>

GroupKeys::GroupKeys(QObject* parent) : QObject(parent) { qApp->installEventFilter(this); }

bool GroupKeys::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::Shortcut) return false;
  auto* group = qobject_cast<QGroupBox*>(watched);
  // A group with a check box of its own toggles it, as Qt does.
  if (!group || group->isCheckable()) return false;
  for (QWidget* w = group->nextInFocusChain(); w && w != group; w = w->nextInFocusChain()) {
    if (group->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && w->isEnabled() &&
        w->isVisibleTo(group)) {
      w->setFocus(Qt::ShortcutFocusReason);
      break;
    }
  }
  return true;
}

ChoiceTabStop::ChoiceTabStop(const QList<QAbstractButton*>& buttons, QObject* parent) : QObject(parent) {
  for (QAbstractButton* b : buttons) {
    buttons_.append(b);
    b->installEventFilter(this);
    connect(b, &QAbstractButton::toggled, this, &ChoiceTabStop::Update);
  }
  Update();
}

QAbstractButton* ChoiceTabStop::Stop() const {
  QAbstractButton* first = nullptr;
  for (QAbstractButton* b : buttons_) {
    if (!b || !b->isEnabled() || b->isHidden()) continue;
    if (b->isChecked()) return b;
    if (!first) first = b;
  }
  return first;
}

bool ChoiceTabStop::eventFilter(QObject*, QEvent* event) {
  switch (event->type()) {
    case QEvent::EnabledChange:
    case QEvent::ShowToParent:
    case QEvent::HideToParent:
      Update();
      break;
    default:
      break;
  }
  return false;
}

void ChoiceTabStop::Update() {
  const QAbstractButton* stop = Stop();
  for (QAbstractButton* b : buttons_)
    if (b) b->setFocusPolicy(b == stop ? Qt::StrongFocus : Qt::ClickFocus);
}

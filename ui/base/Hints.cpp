#include "Hints.h"

#include <QApplication>
#include <QEvent>
#include <QMenu>
#include <QVariant>
#include <QWidget>

namespace {

constexpr char kHintProperty[] = "vkHint";

}  // namespace

void SetHint(QWidget* control, const QString& hint, bool showToolTip) {
  control->setProperty(kHintProperty, hint.isEmpty() ? QVariant() : QVariant(hint));
  if (showToolTip) control->setToolTip(ShortHint(hint));
}

QString Hint(const QWidget* control) { return control->property(kHintProperty).toString(); }

QString ShortHint(const QString& hint) { return hint.section(u'|', 0, 0); }

QString LongHint(const QString& hint) {
  const qsizetype bar = hint.indexOf(u'|');
  return bar < 0 ? hint : hint.mid(bar + 1);
}

QString ApplicationHint(const QWidget* control) {
  for (const QWidget* w = control; w; w = w->parentWidget()) {
    const QString hint = Hint(w);
    if (!hint.isEmpty()) return LongHint(hint);
    if (w->isWindow()) break;
  }
  return QString();
}

HintTracker::HintTracker(QObject* parent) : QObject(parent) { qApp->installEventFilter(this); }

HintTracker::~HintTracker() { qApp->removeEventFilter(this); }

bool HintTracker::eventFilter(QObject* watched, QEvent* event) {
  // Every move of the mouse passes the application's filters with the
  // control under the mouse as receiver, whether or not that control tracks
  // the mouse.
  if (event->type() != QEvent::MouseMove || !watched->isWidgetType()) return false;
  auto* control = static_cast<QWidget*>(watched);
  if (control->window()->windowType() == Qt::Popup) {
    // A menu shows its own items' hints; the control under the mouse after
    // it has gone counts as a new one.
    control_ = nullptr;
    return false;
  }
  if (control == control_) return false;
  control_ = control;
  emit HintChanged(ApplicationHint(control));
  return false;
}

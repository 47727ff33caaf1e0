#include "Hints.h"

#include <QApplication>
#include <QCursor>
#include <QDynamicPropertyChangeEvent>
#include <QEvent>
#include <QVariant>
#include <QWidget>

namespace {

constexpr char kHintProperty[] = "vkHint";

bool InPopup(const QWidget* control) { return control->window()->windowType() == Qt::Popup; }

// The control where the desktop's cursor stands; nullptr over nothing of the
// program.
QWidget* UnderMouse() { return QApplication::widgetAt(QCursor::pos()); }

}  // namespace

void SetHint(QWidget* control, const QString& hint, bool showToolTip) {
  // The same hint again changes nothing, so the line is not told anew.
  if (Hint(control) != hint) control->setProperty(kHintProperty, hint.isEmpty() ? QVariant() : QVariant(hint));
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

void HintTracker::Refresh() {
  refreshQueued_ = false;
  if (QApplication::activePopupWidget()) return;
  QWidget* under = UnderMouse();
  if (under && InPopup(under)) return;
  control_ = under;
  emit HintChanged(under ? ApplicationHint(under) : QString());
}

void HintTracker::RefreshSoon() {
  if (refreshQueued_) return;
  refreshQueued_ = true;
  QMetaObject::invokeMethod(this, &HintTracker::Refresh, Qt::QueuedConnection);
}

bool HintTracker::eventFilter(QObject* watched, QEvent* event) {
  if (!watched->isWidgetType()) return false;
  auto* widget = static_cast<QWidget*>(watched);
  switch (event->type()) {
    case QEvent::MouseMove:
      // Every move of the mouse passes the application's filters with the
      // control under the mouse as receiver, whether or not that control
      // tracks the mouse.
      if (InPopup(widget)) {
        // A menu shows its own items' hints; the control under the mouse
        // after it has gone counts as a new one.
        control_ = nullptr;
      } else if (widget != control_) {
        control_ = widget;
        emit HintChanged(ApplicationHint(widget));
      }
      break;
    case QEvent::DynamicPropertyChange:
      // A new hint of the control under the mouse or of one it lies in.
      if (static_cast<QDynamicPropertyChangeEvent*>(event)->propertyName() == kHintProperty) {
        const QWidget* under = UnderMouse();
        if (under && (under == widget || widget->isAncestorOf(under))) Refresh();
      }
      break;
    case QEvent::Hide:
    case QEvent::Leave:
      if (widget->isWindow() && widget->windowType() != Qt::ToolTip) RefreshSoon();
      break;
    default:
      break;
  }
  return false;
}

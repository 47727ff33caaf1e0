// The hints of the program's controls and the one hint the status line
// shows.
//
// A control's hint is one text, "short|long", or a text without "|" that
// serves as both parts. The short part is the control's tool tip (where it
// shows one); the long part is what the main window's status line shows
// while the mouse is over the control. A control without a hint of its own
// shares that of the nearest enclosing control or window that has one: the
// cells and captions of the grid the grid's, the labels of the main window
// the main window's, every control of a dialog the dialog's. A hint whose
// long part is empty ("Neu|") empties the line.
//
// Hints are kept apart from Qt's status tips, which end at the window they
// belong to; menu items keep theirs (QAction::statusTip) and their menus
// show them.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QWidget;

// Gives the control its hint; with showToolTip, its tool tip is the short
// part. An empty hint takes it away.
void SetHint(QWidget* control, const QString& hint, bool showToolTip = true);
// The control's own hint; empty when it has none.
QString Hint(const QWidget* control);

// The parts of a hint: before the "|" and behind it; a hint without "|" is
// both.
QString ShortHint(const QString& hint);
QString LongHint(const QString& hint);

// What the status line shows for the control under the mouse: the long part
// of its own hint or of the nearest enclosing control or window with one;
// empty when none up to its window has one.
QString ApplicationHint(const QWidget* control);

// Keeps the status line on the hint of the control under the mouse, in
// every window of the program. It reports the application's hint
//  - each time the mouse comes onto another control (moves within one
//    control report nothing),
//  - when the hint of that control, or of one it lies in, changes (another
//    class shown in the grid while the mouse rests on it),
//  - when a window of the program closes or the mouse leaves one (a dialog,
//    a message box or a menu gone: what is under the mouse now), empty when
//    the mouse is over none of the program's windows.
// While a menu is open its items' hints show, and nothing is reported.
// The control under the mouse is where the desktop's cursor stands.
// Filters the application's events while it lives (Qt drops a filter that
// is gone); GUI thread only.
class HintTracker : public QObject {
  Q_OBJECT

 public:
  explicit HintTracker(QObject* parent = nullptr);

  // Reports the hint of the control under the mouse now (unless a menu is
  // open).
  void Refresh();

 signals:
  void HintChanged(const QString& longHint);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Refresh once the events that follow a window's going (the activation of
  // the one below, a menu's own last hint) have run.
  void RefreshSoon();

  // The control the mouse was last over; null at first and after a menu.
  QPointer<QWidget> control_;
  bool refreshQueued_ = false;
};

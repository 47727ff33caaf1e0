// How the keyboard reaches the controls inside the dialogs' groups.
//
// The key of a group (the "&E" of "&Eigenschaften:") puts the focus on the
// group's first control in tab order that is enabled and visible, the first
// time as every time; a group of choices is one stop of the Tab key, its
// chosen button, and the arrow keys move within it.
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class QAbstractButton;

// Sends the key of every group of the program to the group's first control
// that can take the focus: one of these, installed on the application, serves
// every dialog. (A disabled first control, "weiblich" of the participant's
// properties, would otherwise swallow the key.) GUI thread only.
class GroupKeys : public QObject {
  Q_OBJECT

 public:
  // Filters the application's events while it lives (Qt drops a filter
  // that is gone, also after the application).
  explicit GroupKeys(QObject* parent = nullptr);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

// Makes the buttons of one choice a single stop of the Tab key: the chosen
// one, or while none is chosen (or the chosen one is off) the first that is
// enabled and shown. The others still take the focus by the mouse and the
// arrow keys. Follows every change of the choice and of the buttons' state;
// lives as long as its parent.
class ChoiceTabStop : public QObject {
  Q_OBJECT

 public:
  ChoiceTabStop(const QList<QAbstractButton*>& buttons, QObject* parent);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Where Tab stops in the choice now; nullptr when nowhere.
  QAbstractButton* Stop() const;
  void Update();

  QList<QPointer<QAbstractButton>> buttons_;
};

// The main window's speed bar ("JvSpeedbar"): flat buttons, each belonging
// to a section, that run the window's commands. The user arranges the bar
// for the run (nothing is stored): "Anpassen..." in its context menu opens
// the window that lists the sections and the buttons not on the bar; while
// it is open, a button dragged from the list onto the bar is added where it
// is let go, one dragged along the bar moves there, and one dragged off the
// bar goes back into the list. The window also sets the buttons' size.
//
// Each button runs its command's QAction and follows the action's enabled
// state, whatever the action's visibility; it keeps its own caption and
// hint (the tool tip before a "|", the status line's text behind it; a hint
// without "|" is both). While the bar is being arranged its buttons run
// nothing: a mouse press and move drags them, and they stay usable for that.
//
// Ownership: the bar owns its buttons, on the bar or not, and the arranging
// window. GUI thread only.
#pragma once

#include <optional>
#include <vector>

#include <QPointer>
#include <QSize>
#include <QStringList>
#include <QToolBar>

class QAction;
class QMimeData;
class QToolButton;
class QWidgetAction;
class TSpeedbarSetupDlg;

class TSpeedBar : public QToolBar {
  Q_OBJECT

 public:
  // The MIME type of a dragged button; its text is the button's name.
  static const char* const kButtonMime;

  explicit TSpeedBar(QWidget* parent = nullptr);
  ~TSpeedBar() override;

  // Appends a section; returns its index.
  int AddSection(const QString& caption);
  // Appends a button of `section` named `name` (its object name), running
  // `command`; `shown` puts it on the bar, behind the buttons there.
  QToolButton* AddButton(int section, const char* name, const QString& caption, const QString& hint,
                         QAction* command, bool shown);

  QStringList Sections() const;
  // The names of the section's buttons in the order they were added.
  QStringList ButtonsOf(int section) const;
  // The names of the buttons on the bar, from its start.
  QStringList Shown() const;
  bool IsShown(const QString& name) const;
  QToolButton* Button(const QString& name) const;
  // The caption as given.
  QString Caption(const QString& name) const;

  // Puts the button on the bar before the one at `index` (of Shown() as it
  // is now; past the end: last); a button already there moves.
  void ShowButton(const QString& name, int index);
  // Takes the button off the bar.
  void HideButton(const QString& name);

  // The buttons' width and height; a width of 0 fits each caption.
  QSize ButtonSize() const { return size_; }
  void SetButtonSize(QSize size);

  // Opens the arranging window (or brings it to the front).
  void Customize();
  // The arranging window while it is open; nullptr otherwise.
  TSpeedbarSetupDlg* SetupWindow() const;
  bool Arranging() const;

  // The name of the button `data` carries, while the bar is being arranged
  // and when it is a button of this bar.
  std::optional<QString> DraggedButton(const QMimeData* data) const;

  // Starts dragging the button with the mouse, from `source` (a button of
  // the bar or the arranging window's list). A button of the bar let go
  // where nothing takes it goes off the bar.
  void DragButton(const QString& name, QWidget* source);

 signals:
  // After every change of the buttons on the bar or of their size.
  void Changed();

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  struct Item {
    QString name;
    int section = 0;
    QString caption;
    QPointer<QAction> command;
    QToolButton* button = nullptr;
    QWidgetAction* place = nullptr;  // the button's place on the bar
  };

  const Item* Find(const QString& name) const;
  // Where a button let go at `pos` goes: the index in Shown().
  int DropIndex(QPoint pos) const;
  // Lays the bar out anew from shown_: buttons in order, a separator where
  // the section changes.
  void Rebuild();
  void ApplySize(const Item& item);
  void UpdateEnabled(const Item& item);
  // After the arranging window opened or closed.
  void SetArranging(bool arranging);

  std::vector<QString> sections_;
  std::vector<Item> items_;
  std::vector<QString> shown_;
  std::vector<QAction*> separators_;
  QSize size_;
  QPointer<TSpeedbarSetupDlg> setup_;
  QAction* customizeAction_ = nullptr;
};

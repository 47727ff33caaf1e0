// A desktop for window tests: it answers from a script, in order, and records
// every question, so a window can be driven headless and its questions
// compared as a whole. Constructing one installs it; it puts the previous
// desktop back when it goes.
//
//   ScriptedDesktop desk;
//   desk.AnswerDialog("TWettkampfDatenDlg", mrOk, [](QDialog& d) {
//     ... type and click as a user would ...
//   });
//   desk.AnswerMessage(mrYes);                                     // the next question
//   desk.AnswerFile("/tmp/x.ERG", 1);                              // the next file dialog
//   desk.AnswerDrop(bar, QPoint(5, 10));                           // where the next drag ends
//   ... run the command ...
//   EXPECT_EQ(desk.Transcript(), "dialog | TWettkampfDatenDlg | Wettkampfdaten\n...");
//
// Dialogs: RunModal shows the dialog (not modally, so the test goes on),
// waits until it is the active window, and runs the step's act on it: fill
// controls, click buttons (QTest::mouseClick, QTest::keyClicks, click()).
// When act has not closed the dialog, the desktop closes it with
// done(result), as if the user pressed the button of that result (without
// running that button's own click handler: click it in act for that). A
// ValidatedDialog that refuses to close (a warning was recorded) is then
// cancelled, as a user would give up, and RunModal returns mrCancel.
//
// Drags: the mouse is let go where the script says, over a widget of the
// program (at a point of it) or over nothing of the program. The window of
// that widget gets the drag's enter, move and drop events as the platform
// sends them, and routes them to the widget under the point that accepts
// drops, as in a real drag.
//
// Questions: boxes with only an OK button answer OK by themselves and take no
// answer from the script; every other box, file dialog, print dialog and
// printer set-up takes the next scripted answer of its kind. A question
// without one fails the test and is cancelled. The page setup shows the
// program's own form, a dialog like any other (AnswerDialog). A real box
// runs an event loop of its own while it is up; what happens there (queued
// calls, the mouse let go over a button) the script gives with WhileNextBox.
//
// Printers: the desktop reaches a printer as the program's desktop does (a
// file, or a queue the printer system lists) until NoPrinter() makes it a
// desktop without any printer.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <QApplication>
#include <QDialog>
#include <QDrag>
#include <QDropEvent>
#include <QMimeData>
#include <QWindow>
#include <QPointer>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include "Desktop.h"
#include "VkWMisc.h"

class ScriptedDesktop : public Desktop {
 public:
  // One question as it was asked.
  struct Asked {
    // "dialog", "message", "long text", "open", "save", "print", "printer
    // setup", "shell open"
    std::string what;
    std::string name;     // dialog: its object name; box: its kind and buttons; file dialog: its filter
    std::string caption;  // window title, box caption, file dialog title
    std::string text;     // box text; file dialog: the preset name; shell open: the path
    int filterIndex = 0;
  };

  ScriptedDesktop() : previous_(SetDesktop(this)) {}
  ~ScriptedDesktop() override { SetDesktop(previous_); }
  ScriptedDesktop(const ScriptedDesktop&) = delete;
  ScriptedDesktop& operator=(const ScriptedDesktop&) = delete;

  // --- the script
  // The next dialog must carry this object name (empty: any).
  void AnswerDialog(std::string objectName, int result, std::function<void(QDialog&)> act = {}) {
    dialogs_.push_back({std::move(objectName), result, std::move(act)});
  }
  void AnswerMessage(int result) { messages_.push_back(result); }
  void AnswerFile(const QString& fileName, int filterIndex = 1) { files_.push_back({true, fileName, filterIndex}); }
  void CancelFile() { files_.push_back({}); }
  void AnswerPrint(std::function<bool(PrintRequest&)> answer) { prints_.push_back(std::move(answer)); }
  void AnswerPrinterSetup(bool ok) { printerSetups_.push_back(ok); }
  // The next drag ends over `target` at `pos`; nullptr: over nothing of the program.
  void AnswerDrop(QWidget* target, QPoint pos = {}) { drops_.push_back({target, pos}); }
  // Random draws in order; without one, 0.
  void AnswerRandom(int value) { randoms_.push_back(value); }
  // From now on no printer can be reached: no spooler, no queue.
  void NoPrinter() { noPrinter_ = true; }
  // Runs while the next box is up, before it is answered; a box it brings
  // up is recorded as one over the other.
  void WhileNextBox(std::function<void()> act) { whileBoxes_.push_back(std::move(act)); }

  // Runs the dialog with the user's act, as a window would through the desktop.
  int Run(QDialog& dialog, std::function<void(QDialog&)> act = {}, int result = mrOk) {
    AnswerDialog(dialog.objectName().toStdString(), result, std::move(act));
    return RunModal(dialog);
  }

  // --- what was asked
  std::vector<Asked> asked;
  int beeps = 0;

  // Every question a line: what was asked, then its name, caption and text
  // where they are not empty, joined by " | ".
  std::string Transcript() const {
    std::string lines;
    for (const Asked& a : asked) {
      lines += a.what;
      for (const std::string* field : {&a.name, &a.caption, &a.text})
        if (!field->empty()) lines += " | " + *field;
      lines += "\n";
    }
    return lines;
  }
  // True when every scripted answer was used.
  bool Used() const {
    return dialogs_.empty() && messages_.empty() && files_.empty() && prints_.empty() && printerSetups_.empty() &&
           randoms_.empty() && drops_.empty() && whileBoxes_.empty();
  }

  // --- Desktop
  int RunModal(QDialog& dialog) override {
    const std::string name = dialog.objectName().toStdString();
    Record("dialog", name, dialog.windowTitle().toStdString());
    if (dialogs_.empty()) {
      ADD_FAILURE() << "unexpected dialog " << name;
      return mrCancel;
    }
    const DialogStep step = std::move(dialogs_.front());
    dialogs_.pop_front();
    if (!step.objectName.empty() && step.objectName != name) {
      ADD_FAILURE() << "dialog " << name << " where the script expects " << step.objectName;
      return mrCancel;
    }
    // The user's commands in the dialog are their own, as in a modal run.
    const ModalRun modal;
    // A dialog run from another one gives the activation back afterwards,
    // as the window manager does.
    QPointer<QWidget> before = QApplication::activeWindow();
    std::optional<int> finished;
    QMetaObject::Connection c = QObject::connect(&dialog, &QDialog::finished, [&finished](int r) { finished = r; });
    dialog.show();
    dialog.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog)) << name;
    if (step.act) step.act(dialog);
    // Checks that wait for the focus to settle run now.
    QCoreApplication::processEvents();
    if (!finished) dialog.done(step.result);
    if (!finished) dialog.reject();
    QObject::disconnect(c);
    if (before && before != &dialog && before->isVisible()) {
      before->activateWindow();
      EXPECT_TRUE(QTest::qWaitForWindowActive(before));
    }
    const int r = finished.value_or(mrCancel);
    return r == QDialog::Rejected ? mrCancel : r;
  }

  void ShowLongText(const QString& caption, const QString& text) override {
    Record("long text", "", caption.toStdString(), text.toStdString());
  }

  FileChoice OpenFileName(const FileRequest& request) override { return File("open", request); }
  FileChoice SaveFileName(const FileRequest& request) override { return File("save", request); }

  bool PrintDialog(QPrinter&, PrintRequest& request) override {
    Record("print");
    return Next(prints_, "print dialog", [&](auto& f) { return f && f(request); });
  }
  bool PrinterSetup(QPrinter&) override {
    Record("printer setup");
    return Next(printerSetups_, "printer setup", [](bool ok) { return ok; });
  }
  bool PrinterReachable(const QPrinter& printer) override { return !noPrinter_ && PrinterReachableNow(printer); }

  bool ShellOpen(const QString& path) override {
    Record("shell open", "", "", path.toStdString());
    return true;
  }

  void Beep() override { ++beeps; }

  // "drag", with the drag's text.
  Qt::DropAction Drag(QDrag* drag, Qt::DropActions actions) override {
    Record("drag", "", "", drag->mimeData()->text().toStdString());
    const Drop drop = Next(drops_, "drag", [](const Drop& d) { return d; });
    Qt::DropAction taken = Qt::IgnoreAction;
    if (drop.target) {
      QWidget* top = drop.target->window();
      QWindow* window = top->windowHandle();
      const QPointF at = drop.target->mapTo(top, drop.pos);
      QMimeData* data = drag->mimeData();
      QDragEnterEvent enter(at.toPoint(), actions, data, Qt::LeftButton, Qt::NoModifier);
      QApplication::sendEvent(window, &enter);
      QDragMoveEvent move(at.toPoint(), actions, data, Qt::LeftButton, Qt::NoModifier);
      QApplication::sendEvent(window, &move);
      if (move.isAccepted()) {
        QDropEvent dropped(at, actions, data, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(window, &dropped);
        if (dropped.isAccepted()) taken = dropped.dropAction();
      } else {
        QDragLeaveEvent leave;
        QApplication::sendEvent(window, &leave);
      }
    }
    drag->deleteLater();
    return taken;
  }
  TYrDateTime Now() override { return MakeDateTime(2007, 6, 16, 10, 30); }

  int Random(int range) override {
    const int v = randoms_.empty() ? 0 : randoms_.front();
    if (!randoms_.empty()) randoms_.pop_front();
    EXPECT_TRUE(v >= 0 && v < range) << "scripted random " << v << " outside 0.." << range - 1;
    return v;
  }

 protected:
  int ShowMessageBox(MsgKind kind, const QString& caption, const QString& text, MsgButtons buttons) override {
    static const char* const kKinds[] = {"Information", "Warning", "Error", "Confirmation"};
    std::string name = kKinds[static_cast<int>(kind)];
    for (auto [button, label] : {std::pair{mbYes, " Ja"}, {mbNo, " Nein"}, {mbOk, " OK"}, {mbCancel, " Abbrechen"}})
      if (buttons & button) name += label;
    Record("message", name, caption.toStdString(), text.toStdString());
    if (!whileBoxes_.empty()) {
      const std::function<void()> act = std::move(whileBoxes_.front());
      whileBoxes_.pop_front();
      act();
    }
    if (buttons == mbOk) return mrOk;
    const int escape = buttons & mbCancel ? mrCancel : mrNo;
    return Next(messages_, "question: " + text.toStdString(), [](int r) { return r; }, escape);
  }

 private:
  struct Drop {
    QPointer<QWidget> target;
    QPoint pos;
  };

  struct DialogStep {
    std::string objectName;
    int result = mrNone;
    std::function<void(QDialog&)> act;
  };

  void Record(std::string what, std::string name = {}, std::string caption = {}, std::string text = {}, int index = 0) {
    asked.push_back({std::move(what), std::move(name), std::move(caption), std::move(text), index});
  }

  FileChoice File(const char* what, const FileRequest& request) {
    Record(what, request.filter.toStdString(), request.title.toStdString(), request.fileName.toStdString(),
                     request.filterIndex);
    return Next(files_, "file dialog", [](const FileChoice& f) { return f; });
  }

  // The next scripted answer, used; without one the test fails and `none` is the answer.
  template <typename T, typename F, typename R = std::invoke_result_t<F, T&>>
  static R Next(std::deque<T>& queue, const std::string& what, F use, R none = R()) {
    if (queue.empty()) {
      ADD_FAILURE() << "unexpected " << what;
      return none;
    }
    T answer = std::move(queue.front());
    queue.pop_front();
    return use(answer);
  }

  Desktop* previous_;
  std::deque<DialogStep> dialogs_;
  std::deque<int> messages_;
  std::deque<FileChoice> files_;
  std::deque<std::function<bool(PrintRequest&)>> prints_;
  std::deque<bool> printerSetups_;
  std::deque<int> randoms_;
  std::deque<Drop> drops_;
  bool noPrinter_ = false;
  std::deque<std::function<void()>> whileBoxes_;
};

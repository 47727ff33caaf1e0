// What the window tests share (include it first and alone for the usual
// headers and the application object): small competitions with umlauts,
// case tables and reviewed outputs under tests/data/ui (what a test saw is
// compared there as a whole), a folder of real files under the scripted
// desktop, and finding, clicking and typing into controls by object name as
// a user would. A control that is missing fails the test.
#pragma once

#include <algorithm>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTimer>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include "CodePage.h"
#include "OemText.h"
#include "QtTestApp.h"
#include "ScriptedDesktop.h"
#include "TestData.h"
#include "VkAltersk.h"
#include "VkFile.h"
#include "VkLoadSave.h"
#include "VkWettk.h"
#include "YrStream.h"

inline TAltersklasse* AddClass(TWettkampf& c, const std::string& name, bool female, uint16_t first, uint16_t last) {
  TAltersklasse::Disciplines discs;
  discs[0].SetName(Oem("50 m Rückenschwimmen"));
  discs[0].SetKind(kKindQuadraticLinear);
  discs[0].SetV(1, 3000);
  discs[0].SetFormula(FormulaKindName(kKindQuadraticLinear));
  auto* ak = new TAltersklasse;
  ak->Define(Oem(name), first, last, female ? TAltersklasse::kFemale : 0, 1, discs);
  c.Insert(ak);
  return ak;
}

inline void AddSwimmer(TAltersklasse& ak, const std::string& name, const std::string& org, int32_t time) {
  auto* t = new TTeilnehmer;
  t->SetName(true, Oem(name));
  t->SetGliederung(Oem(org));
  t->SetTime(1, time);
  ak.Insert(t);
}

// Classes in order: "Jugend (weiblich)", "Jugend (männlich)" with four
// swimmers of three organisations, "Schüler"; one discipline of kind 1 each.
inline std::unique_ptr<TWettkampf> MakeCompetition() {
  auto c = std::make_unique<TWettkampf>();
  AddClass(*c, "Jugend (weiblich)", true, 1990, 1991);
  TAltersklasse* boys = AddClass(*c, "Jugend (männlich)", false, 1990, 1991);
  AddClass(*c, "Schüler", false, 1986, 1987);
  AddSwimmer(*boys, "Müller", "Köln", 3000);
  AddSwimmer(*boys, "Groß", "Bonn", 3100);
  AddSwimmer(*boys, "Öztürk", "Köln", 3200);
  AddSwimmer(*boys, "Weiß", "Aach", 3300);
  return c;
}

// MakeCompetition titled "Landesmeisterschaft Süd", with an organiser,
// hundredths and a fourth, empty class "AK 12m" (1995-1996): a file as the
// user opens one.
inline std::unique_ptr<TWettkampf> Championship() {
  auto c = MakeCompetition();
  AddClass(*c, "AK 12m", false, 1995, 1996);
  TWettkampfDaten h = c->Header();
  h.SetTitle(Oem("Landesmeisterschaft Süd"));
  h.SetOrganiser(Oem("DLRG Landesverband Köln"));
  h.SetOptions(TWettkampfDaten::kOptHundredths);
  c->SetHeader(h);
  return c;
}

// One class "Jugend" (1990-1991) of `disciplines` linear disciplines with the
// participants "T1".."Tn", whose times rise with the number (T1 best); lanes
// and CPR stations index `lanesIndex` (6 lanes and stations for 3).
inline std::unique_ptr<TWettkampf> Jugend(int disciplines, int participants = 0,
                                          uint16_t kind = TWettkampfDaten::kIndividual, uint16_t classFlags = 0,
                                          uint16_t options = 0, uint16_t lanesIndex = 3) {
  auto w = std::make_unique<TWettkampf>();
  TWettkampfDaten h = w->Header();
  h.SetKind(kind);
  h.SetOptions(options);
  h.SetLanesIndex(lanesIndex);
  h.SetCprStationsIndex(lanesIndex);
  w->SetHeader(h);
  TAltersklasse::Disciplines discs;
  for (TDisziplin& d : discs) {
    d.SetKind(kKindLinear);
    d.SetV(1, 100000);
  }
  auto* ak = new TAltersklasse;
  ak->Define("Jugend", 1990, 1991, classFlags, disciplines, discs);
  for (int i = 1; i <= participants; ++i) {
    auto* t = new TTeilnehmer;
    t->SetName(true, "T" + std::to_string(i));
    t->SetAltersklasse("Jugend");
    t->SetTime(1, 3000 + 100 * i);
    ak->Insert(t);
  }
  w->Insert(ak);
  return w;
}

// The competition as its result file holds it: two competitions whose
// bytes are equal hold the same results.
inline std::string Stored(const TWettkampf& w) {
  TYrMemoryStream s;
  w.Store(s);
  return std::string(s.Data().begin(), s.Data().end());
}

using Texts = std::vector<std::string>;

inline std::string S(const QString& s) { return s.toStdString(); }

// --- tables and reviewed outputs under tests/data/ui

// The rows of tests/data/ui/<name>, each cut at " | "; blank lines and
// comments (#) left out.
inline std::vector<QStringList> DataRows(const std::string& name) {
  std::vector<QStringList> rows;
  const QString text = QString::fromStdString(testdata::ReadFile(std::string(VK_TEST_DATA) + "/ui/" + name));
  for (const QString& line : text.split('\n'))
    if (!line.isEmpty() && !line.startsWith('#')) rows.push_back(line.split(" | "));
  EXPECT_FALSE(rows.empty()) << name;
  return rows;
}

// The texts of a table cell, separated by " / "; "-" for none.
inline Texts Listed(const QString& cell) {
  Texts texts;
  for (const QString& text : cell.split(" / "))
    if (text != "-") texts.push_back(S(text));
  return texts;
}

// A field as the files under tests/data/ui write it: a Boolean "ja" or "nein".
inline std::string Str(const std::string& s) { return s; }
inline std::string Str(const char* s) { return s; }
inline std::string Str(const QString& s) { return s.toStdString(); }
inline std::string Str(bool b) { return b ? "ja" : "nein"; }
template <class T>
  requires std::is_arithmetic_v<T>
std::string Str(T v) {
  return QString::number(v).toStdString();
}

// One line of what a test saw: its fields joined by " | ".
template <class... T>
std::string Line(const T&... fields) {
  std::string line;
  for (const std::string& field : {Str(fields)...}) line += (line.empty() ? "" : " | ") + field;
  while (line.ends_with(' ')) line.pop_back();  // an empty last field
  return line + "\n";
}

// Compares what the test saw (its Lines, the desktop's transcript) as a
// whole with its section of tests/data/ui/<file>: the lines after
// "== <the test's name>" up to the next line starting "== ". On a mismatch
// what the test saw is also written beside the test binary as
// <the test's name>.actual, for a reviewer to compare.
inline void ExpectSeen(const std::string& seen, const std::string& file) {
  const std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
  const std::string all = testdata::ReadFile(std::string(VK_TEST_DATA) + "/ui/" + file);
  const size_t head = all.find("== " + name + "\n");
  const size_t begin = head == std::string::npos ? all.size() : head + name.size() + 4;
  const std::string want = all.substr(begin, all.find("\n== ", begin) + 1 - begin);
  if (seen != want) testdata::WriteFile(testdata::ActualPath(name), seen);
  EXPECT_EQ(seen, want) << "tests/data/ui/" << file << ", " << name << "; the test saw " << testdata::ActualPath(name);
}

// --- controls

template <class T = QWidget>
T* Child(const QWidget& w, const QString& name) {
  T* c = w.findChild<T*>(name);
  EXPECT_NE(c, nullptr) << "no control " << name.toStdString();
  return c;
}

inline void Click(const QWidget& w, const QString& name) {
  if (auto* b = Child<QAbstractButton>(w, name)) b->click();
}

// The text of a label, an edit, a box or a button.
inline std::string Text(const QWidget& w, const QString& name) {
  if (auto* l = w.findChild<QLabel*>(name)) return l->text().toStdString();
  if (auto* e = w.findChild<QLineEdit*>(name)) return e->text().toStdString();
  if (auto* box = w.findChild<QComboBox*>(name)) return box->currentText().toStdString();
  if (auto* b = Child<QAbstractButton>(w, name)) return b->text().toStdString();
  return {};
}

// Keys typed into a control as a German keyboard sends them under X11: a
// character that needs Shift (AltGr) comes between that key's press and
// release and carries its modifier. In braces: a key combination ("{Home}",
// "{Shift+Right}", "{Meta+A}", "{Num+.}" on the keypad), a modifier or lock
// key pressed alone ("{Ctrl}", "{CapsLock}"), or "{IM ²}", a text an input
// method commits (a dead key and its letter composed).
inline void TypeKeys(QWidget* target, const QString& keys) {
  static const QString shifted = QStringLiteral("°!\"§$%&/()=?`*'>;:_ÄÖÜ"), altGr = QStringLiteral("²³{[]}\\@€~|µ");
  static const std::map<QString, Qt::Key> alone = {{"Shift", Qt::Key_Shift}, {"Ctrl", Qt::Key_Control},
      {"AltGr", Qt::Key_AltGr}, {"Meta", Qt::Key_Meta}, {"CapsLock", Qt::Key_CapsLock}};
  for (qsizetype i = 0, end; i < keys.size(); ++i) {
    if (keys[i] == u'{' && (end = keys.indexOf(u'}', i + 2)) > 0) {
      const QString token = keys.mid(i + 1, end - i - 1);
      i = end;
      if (token.startsWith("IM ")) {
        QInputMethodEvent composed;
        composed.setCommitString(token.mid(3));
        QApplication::sendEvent(target, &composed);
      } else if (alone.count(token)) {
        for (bool press : {true, false}) QTest::simulateEvent(target, press, alone.at(token), {}, {}, false);
      } else {
        QTest::keyClick(target, QKeySequence(token)[0].key(), QKeySequence(token)[0].keyboardModifiers());
      }
      continue;
    }
    const QChar c = keys[i];
    const bool shift = shifted.contains(c) || c.isUpper(), level3 = altGr.contains(c);
    if (level3) QTest::simulateEvent(target, true, Qt::Key_AltGr, {}, {}, false);
    QTest::sendKeyEvent(QTest::Click, target, Qt::Key(c.toUpper().unicode()), QString(c),
                        shift ? Qt::ShiftModifier : level3 ? Qt::GroupSwitchModifier : Qt::NoModifier);
    if (level3) QTest::simulateEvent(target, false, Qt::Key_AltGr, Qt::GroupSwitchModifier, {}, false);
  }
}

// The mouse moved onto a point of the control, as the window system tells
// its window: Qt finds the control under the point itself. (QTest's move
// for a widget only sets the cursor, and the offscreen platform then tells
// whichever window lies there.)
inline void MoveMouse(QWidget* control, QPoint at = QPoint(4, 4)) {
  QWidget* window = control->window();
  // The cursor first, as the window system has it where its move ends.
  QCursor::setPos(control->mapToGlobal(at));
  QTest::mouseMove(window->windowHandle(), window->mapFromGlobal(control->mapToGlobal(at)));
}

// Replaces the text of an edit or an editable box as a user would: select
// all, type.
inline void Type(const QWidget& w, const QString& name, const QString& keys) {
  auto* box = w.findChild<QComboBox*>(name);
  QLineEdit* e = box ? box->lineEdit() : Child<QLineEdit>(w, name);
  if (e == nullptr) return;
  e->selectAll();
  TypeKeys(e, keys);
}

// Types `keys`, a value out of range, into the validated field `name` of the
// running dialog and leaves the field for OK as a user does under X11, where
// the press of the mouse takes the focus and the release clicks; a line for
// each way: its steps, the boxes they brought up, whether the dialog is open
// and the control with the focus. Steps: "press" and "release" of the mouse
// on OK, "tab" out of the field, "check" (the queued calls run, among them the
// check of the field left); a step after "^" runs while the next box is up.
inline std::string LeaveForOk(ScriptedDesktop& desk, QDialog& d, const QString& name, const QString& keys) {
  QWidget *ok = Child(d, "OKBtn"), *field = Child(d, name);
  const std::map<QString, std::function<void()>> steps = {
      {"press", [ok] { QTest::mousePress(ok, Qt::LeftButton); }},
      {"release", [ok] { QTest::mouseRelease(ok, Qt::LeftButton); }},
      {"tab", [field] { QTest::keyClick(field, Qt::Key_Tab); }},
      {"check", [] { QCoreApplication::processEvents(); }}};
  QTest::mouseClick(field, Qt::LeftButton);
  Type(d, name, keys);
  std::string seen;
  for (const char* way : {"press check release", "press ^release check", "press ^check release",
                          "tab check press ^check release"}) {
    const size_t before = desk.asked.size();
    for (const QString& step : QString(way).split(' '))
      step.startsWith('^') ? desk.WhileNextBox(steps.at(step.mid(1))) : steps.at(step)();
    QCoreApplication::processEvents();
    const QWidget* focus = QApplication::focusWidget();
    seen += Line(way, desk.asked.size() - before, d.isVisible(), focus ? focus->objectName() : "-");
  }
  return seen;
}

// --- real files

// A folder of the test's own for real files, under the scripted desktop.
class FolderTest : public ::testing::Test {
 protected:
  // The buffer is the program's own; other tests expect it empty.
  ~FolderTest() override { ParticipantBuffer = TTeilnehmer(); }

  QString Path(const std::string& name) const { return QString::fromStdString(dir_ / name); }
  // A text with the folder written $DIR; the desktop's transcript so.
  std::string InDir(const QString& text) const { return S(QString(text).replace(Path("").chopped(1), "$DIR")); }
  std::string Transcript() const { return InDir(QString::fromStdString(desk.Transcript())); }
  QString Write(const std::string& name, std::unique_ptr<TWettkampf> w = Championship()) {
    EXPECT_TRUE(SaveCompetition(Path(name).toStdString(), *w, FormatCode::ResultFile));
    return Path(name);
  }

  ScriptedDesktop desk;
  testdata::TempDir dir_;
};

#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include <QVBoxLayout>
#include <QtTest/QTest>

#include "EdCtrl.h"
#include "QtTestApp.h"
#include "ScriptedDesktop.h"
#include "TimeEdit.h"

namespace {

// Replaces the text as a user would: select all, type (no keys: delete).
template <class Edit>
void Retype(Edit& edit, const char* keys) {
  edit.selectAll();
  if (*keys)
    QTest::keyClicks(&edit, keys);
  else
    QTest::keyClick(&edit, Qt::Key_Delete);
}

}  // namespace

TEST(TimeEdit, TypedDigitsTakeTheFormOfAMaskedFieldAndTenMinutesFitToo) {
  struct Case {
    bool hundredths;
    const char* keys;
    std::string text, complete;
    int32_t time;
    bool valid;
    int beeps;
  };
  const Case cases[] = {
      {true, "10543", "1:05,43", "1:05,43", 6543, true, 0},
      {false, "1054", "1:05,4", "1:05,4", 6540, true, 0},
      {false, "12345", "12:34,5", "12:34,5", 75450, true, 0},  // one digit more: two of minutes
      {true, "123456", "12:34,56", "12:34,56", 75456, true, 0},
      {true, "1234567", "12:34,56", "12:34,56", 75456, true, 0},  // the seventh digit has no place
      {true, "12:345", "12:34,5", "12:34,50", 75450, true, 0},
      {true, "1:2", "1:2", "1:20,00", 8000, true, 0},
      {true, "1x2", "12", "12:00,00", 72000, true, 1},  // a letter beeps
      {true, "", "", "0:00,00", 0, true, 0},
      {true, "175", "1:75", "1:75,00", 0, false, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    ScriptedDesktop desk;
    TTimeEdit edit;
    edit.SetWithHundredths(c.hundredths);
    edit.SetTime(1);
    Retype(edit, c.keys);
    EXPECT_EQ(std::tuple(edit.text().toStdString(), edit.CompleteText().toStdString(), edit.Time(), edit.IsValid(),
                         edit.IsChanged(), desk.beeps),
              std::tuple(c.text, c.complete, c.time, c.valid, true, c.beeps));
  }
}

TEST(TimeEdit, TextsAndParsing) {
  std::vector<std::tuple<int32_t, bool, std::string>> shown,
      wantShown = {{6543, true, "1:05,43"},   {6543, false, "1:05,4"}, {75456, true, "12:34,56"},
                   {75456, false, "12:34,5"}, {0, true, "0:00,00"},    {-1, true, ""},
                   {600000, true, "100:00,"}};
  for (const auto& [t, h, text] : wantShown) shown.emplace_back(t, h, TTimeEdit::TimeText(t, h).toStdString());
  EXPECT_EQ(shown, wantShown);

  std::vector<std::tuple<std::string, bool, std::optional<int32_t>>> parsed,
      wantParsed = {{"10543", true, 6543},     {"12345", false, 75450},  {"12:34,5", true, 75450},
                    {"12:34,56", true, 75456}, {"9:59,99", true, 59999}, {"", true, 0},
                    {"1:75,00", true, {}},     {"123:00,0", false, {}},  {"1234567", true, {}},
                    {"1:05,4x", false, {}}};
  for (const auto& [text, h, t] : wantParsed)
    parsed.emplace_back(text, h, TTimeEdit::ParseTime(QString::fromStdString(text), h));
  EXPECT_EQ(parsed, wantParsed);
}

TEST(TimeEdit, WhatTheUserLeftAloneComesBackAsItWasSet) {
  TTimeEdit edit;
  std::vector<int32_t> times;
  // Hundredths the field does not show, a hundred minutes, a damaged value.
  for (int32_t t : {75456, 6000000, -3}) {
    edit.SetTime(t);
    times.push_back(edit.Time());
  }
  edit.SetTime(75456);
  edit.SetWithHundredths(true);  // shown again, still unchanged
  const std::string withHundredths = edit.text().toStdString();
  edit.SetWithHundredths(false);
  edit.setText("12:34,5");  // typed over with what was shown
  times.push_back(edit.Time());
  Retype(edit, "12346");
  times.push_back(edit.Time());
  EXPECT_EQ(std::tuple(times, withHundredths),
            std::tuple(std::vector<int32_t>{75456, 6000000, -3, 75456, 75460}, std::string("12:34,56")));
}

TEST(TimeEdit, LeavingCompletesTheTextAndOkRefusesAFieldThatHoldsNoTime) {
  ScriptedDesktop desk;
  ValidatedDialog dlg;
  dlg.setObjectName("Dlg");
  auto* layout = new QVBoxLayout(&dlg);
  auto* time = new TTimeEdit(&dlg);
  auto* clock = new TClockEdit(&dlg);
  layout->addWidget(time);
  layout->addWidget(clock);
  time->SetWithHundredths(true);
  std::vector<std::string> texts;
  desk.AnswerDialog("Dlg", mrOk, [&](QDialog&) {
    time->setFocus();
    Retype(*time, "1:2");
    clock->setFocus();
    QCoreApplication::processEvents();  // the check after leaving
    texts.push_back(time->text().toStdString());
    Retype(*time, "175");
  });
  const int refused = TheDesktop().RunModal(dlg);
  time->SetTime(0);
  clock->setText("25:00");
  desk.AnswerDialog("Dlg", mrOk);
  const int clockRefused = TheDesktop().RunModal(dlg);
  EXPECT_EQ(std::tuple(texts, refused, clockRefused, desk.Messages()),
            std::tuple(std::vector<std::string>{"1:20,00"}, mrCancel, mrCancel,
                       std::vector<std::string>{"Ungültige Zeitangabe. Bitte die Zeit in der Form m:ss,hh eingeben.",
                                                "Ungültige Uhrzeit. Bitte die Uhrzeit in der Form hh:mm eingeben."}));
}

TEST(ClockEdit, MaskedHoursAndMinutesBlanksReadZeroAndUntouchedValuesStay) {
  struct Case {
    int32_t set;
    const char* keys;  // nullptr: untouched
    std::string shown;
    int32_t clock;
    bool valid;
  };
  const Case cases[] = {
      {800, nullptr, "08:00", 800, true}, {2530, nullptr, "25:30", 2530, true}, {800, "0935", "09:35", 935, true},
      {800, "2", "2_:__", 2000, true},    {800, "2360", "23:60", 2360, false},  {0, "x1", "1_:__", 1000, true},
  };
  std::vector<std::tuple<std::string, int32_t, bool>> got, want;
  for (const Case& c : cases) {
    ScriptedDesktop desk;
    TClockEdit edit;
    edit.SetClock(c.set);
    if (c.keys) {
      edit.setFocus();
      edit.home(false);
      edit.end(true);
      QTest::keyClicks(&edit, c.keys);
    }
    got.emplace_back(edit.displayText().toStdString(), edit.Clock(), edit.IsValid());
    want.emplace_back(c.shown, c.clock, c.valid);
  }
  EXPECT_EQ(got, want);
}

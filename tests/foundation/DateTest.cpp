#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "CodePage.h"
#include "YrClock.h"
#include "YrDate.h"

namespace {

// Pins the clock for one test and restores the previous clock afterwards.
class PinnedClock {
 public:
  explicit PinnedClock(TYrDateTime at) : old_(SetClock([at] { return at; })) {}
  explicit PinnedClock(TYrClock clock) : old_(SetClock(std::move(clock))) {}
  ~PinnedClock() { SetClock(old_); }
  PinnedClock(const PinnedClock&) = delete;
  PinnedClock& operator=(const PinnedClock&) = delete;

 private:
  TYrClock old_;
};

}  // namespace

TEST(Date, NamesInDosCodePage) {
  const char* weekdays[] = {"Sonntag", "Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag"};
  for (int i = 0; i < 7; ++i) EXPECT_EQ(WeekdayNames()[i], weekdays[i]);
  const char* months[] = {"",     "Januar", "Februar",   "M\x84rz",  "April",    "Mai",     "Juni",
                          "Juli", "August", "September", "Oktober", "November", "Dezember"};
  for (int i = 0; i <= 12; ++i) EXPECT_EQ(MonthNames()[i], months[i]) << i;
}

TEST(Date, LongDate) {
  struct Case { TYrDateTime at; std::string want; };
  const Case cases[] = {
      {MakeDateTime(2027, 3, 1), "Montag, den 1. M\x84rz 2027"},
      {MakeDateTime(2026, 12, 5, 20, 27, 34), "Samstag, den 5. Dezember 2026"},
      {MakeDateTime(2024, 2, 29), "Donnerstag, den 29. Februar 2024"},
      {MakeDateTime(2023, 10, 1), "Sonntag, den 1. Oktober 2023"},
  };
  for (const Case& c : cases) {
    PinnedClock clock(c.at);
    EXPECT_EQ(LongDate(), c.want);
  }
}

TEST(Date, DateTimeStamp) {
  {
    PinnedClock clock(MakeDateTime(2026, 12, 5, 20, 27, 34));
    EXPECT_EQ(DateTimeStamp(), "05.12.2026 - 20:27:34");
  }
  {
    PinnedClock clock(MakeDateTime(2027, 1, 1, 0, 0, 7, 999));
    EXPECT_EQ(DateTimeStamp(), "01.01.2027 - 00:00:07");
  }
}

// A clock that ticks past midnight between two readings: the stamp must not
// mix the old date with the new time (or the other way round).
TEST(Date, DateTimeStampReadsTheClockOnce) {
  int readings = 0;
  PinnedClock clock([&readings] {
    return readings++ == 0 ? MakeDateTime(2026, 12, 31, 23, 59, 59, 999) : MakeDateTime(2027, 1, 1, 0, 0, 0);
  });
  EXPECT_EQ(DateTimeStamp(), "31.12.2026 - 23:59:59");
  EXPECT_EQ(readings, 1);
}

TEST(Date, GetDateGetTimeCurrentYear) {
  PinnedClock clock(MakeDateTime(2027, 3, 1, 9, 5, 3, 250));
  uint16_t y = 0, m = 0, d = 0, dow = 9;
  GetDate(y, m, d, dow);
  EXPECT_EQ(y, 2027);
  EXPECT_EQ(m, 3);
  EXPECT_EQ(d, 1);
  EXPECT_EQ(dow, 1);
  uint16_t h = 0, mi = 0, s = 0, ms = 0;
  GetTime(h, mi, s, ms);
  EXPECT_EQ(h, 9);
  EXPECT_EQ(mi, 5);
  EXPECT_EQ(s, 3);
  EXPECT_EQ(ms, 250);
  EXPECT_EQ(CurrentYear(), 2027);
}

TEST(Date, TwoDigits) {
  EXPECT_EQ(TwoDigits(0), "00");
  EXPECT_EQ(TwoDigits(7), "07");
  EXPECT_EQ(TwoDigits(10), "10");
  EXPECT_EQ(TwoDigits(123), "123");
}

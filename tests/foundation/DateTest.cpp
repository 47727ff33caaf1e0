#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "YrClock.h"
#include "YrDate.h"

namespace {

// Pins the clock while it lives.
struct PinnedClock {
  explicit PinnedClock(TYrClock clock) : old(SetClock(std::move(clock))) {}
  explicit PinnedClock(TYrDateTime at) : PinnedClock(TYrClock([at] { return at; })) {}
  ~PinnedClock() { SetClock(old); }
  TYrClock old;
};

}  // namespace

TEST(Date, NamesInDosCodePage) {
  EXPECT_EQ(std::vector<std::string>(WeekdayNames().begin(), WeekdayNames().end()),
            (std::vector<std::string>{"Sonntag", "Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag",
                                      "Samstag"}));
  EXPECT_EQ(std::vector<std::string>(MonthNames().begin(), MonthNames().end()),
            (std::vector<std::string>{"", "Januar", "Februar", "M\x84rz", "April", "Mai", "Juni", "Juli", "August",
                                      "September", "Oktober", "November", "Dezember"}));
}

TEST(Date, ReadingsAndTextsOfThePinnedClock) {
  struct Case { TYrDateTime at; const char* longDate; const char* stamp; };
  const Case cases[] = {
      {MakeDateTime(2027, 3, 1, 9, 5, 3, 250), "Montag, den 1. M\x84rz 2027", "01.03.2027 - 09:05:03"},
      {MakeDateTime(2026, 12, 5, 20, 27, 34), "Samstag, den 5. Dezember 2026", "05.12.2026 - 20:27:34"},
      {MakeDateTime(2024, 2, 29), "Donnerstag, den 29. Februar 2024", "29.02.2024 - 00:00:00"},
      {MakeDateTime(2023, 10, 1, 0, 0, 7, 999), "Sonntag, den 1. Oktober 2023", "01.10.2023 - 00:00:07"},
  };
  for (const Case& c : cases) {
    PinnedClock clock(c.at);
    EXPECT_EQ(LongDate(), c.longDate);
    EXPECT_EQ(DateTimeStamp(), c.stamp);
    EXPECT_EQ(CurrentYear(), c.at.Year);
  }
  EXPECT_GE(ClockNow().Year, 2024);  // the system clock is back
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

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "CodePage.h"
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
  std::string months;  // every month's and weekday's name
  for (int m = 1; m <= 12; ++m) {
    PinnedClock clock(MakeDateTime(2027, m, m + (m == 6 ? 6 : m == 8 ? 1 : 0)));
    months += LongDate() + "; ";
  }
  EXPECT_EQ(months, Oem("Freitag, den 1. Januar 2027; Dienstag, den 2. Februar 2027; Mittwoch, den 3. März 2027; "
                        "Sonntag, den 4. April 2027; Mittwoch, den 5. Mai 2027; Samstag, den 12. Juni 2027; "
                        "Mittwoch, den 7. Juli 2027; Montag, den 9. August 2027; Donnerstag, den 9. September 2027; "
                        "Sonntag, den 10. Oktober 2027; Donnerstag, den 11. November 2027; "
                        "Sonntag, den 12. Dezember 2027; "));
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

// The program's clock: one sample of the local date and time.
//
// Everything that reads the clock (date texts, report stamps, the current
// year, PDF creation dates) goes through `ClockNow`, so tests can pin the
// date and time with `SetClock`.
#pragma once

#include <cstdint>
#include <functional>

struct TYrDateTime {
  uint16_t Year = 0;
  uint16_t Month = 0;      // 1..12
  uint16_t Day = 0;        // 1..31
  uint16_t DayOfWeek = 0;  // 0 = Sunday .. 6 = Saturday
  uint16_t Hour = 0;
  uint16_t Minute = 0;
  uint16_t Second = 0;
  uint16_t Millisecond = 0;
};

using TYrClock = std::function<TYrDateTime()>;

// One reading of the current clock (the local time unless a test clock is set).
TYrDateTime ClockNow();

// Installs a clock and returns the previous one; an empty clock restores the
// system clock.
TYrClock SetClock(TYrClock clock);

// The system's local time.
TYrDateTime SystemClock();

// A fixed instant, with the weekday computed from the date (for tests).
TYrDateTime MakeDateTime(int year, int month, int day, int hour = 0, int minute = 0, int second = 0,
                         int millisecond = 0);

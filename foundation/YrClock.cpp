#include "YrClock.h"

#include <chrono>
#include <ctime>
#include <utility>

TYrDateTime SystemClock() {
  using namespace std::chrono;
  const auto now = system_clock::now();
  const std::time_t t = system_clock::to_time_t(now);
  std::tm tm{};
  localtime_r(&t, &tm);
  TYrDateTime dt;
  dt.Year = static_cast<uint16_t>(tm.tm_year + 1900);
  dt.Month = static_cast<uint16_t>(tm.tm_mon + 1);
  dt.Day = static_cast<uint16_t>(tm.tm_mday);
  dt.DayOfWeek = static_cast<uint16_t>(tm.tm_wday);
  dt.Hour = static_cast<uint16_t>(tm.tm_hour);
  dt.Minute = static_cast<uint16_t>(tm.tm_min);
  dt.Second = static_cast<uint16_t>(tm.tm_sec > 59 ? 59 : tm.tm_sec);
  dt.Millisecond = static_cast<uint16_t>(duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000);
  return dt;
}

namespace {
TYrClock& Clock() {
  static TYrClock clock = SystemClock;
  return clock;
}
}  // namespace

TYrDateTime ClockNow() { return Clock()(); }

TYrClock SetClock(TYrClock clock) {
  TYrClock old = std::move(Clock());
  Clock() = clock ? std::move(clock) : TYrClock(SystemClock);
  return old;
}

TYrDateTime MakeDateTime(int year, int month, int day, int hour, int minute, int second, int millisecond) {
  // Weekday by Sakamoto's method (0 = Sunday), proleptic Gregorian.
  static const int t[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
  int y = month < 3 ? year - 1 : year;
  int dow = (y + y / 4 - y / 100 + y / 400 + t[(month - 1) % 12] + day) % 7;
  TYrDateTime dt;
  dt.Year = static_cast<uint16_t>(year);
  dt.Month = static_cast<uint16_t>(month);
  dt.Day = static_cast<uint16_t>(day);
  dt.DayOfWeek = static_cast<uint16_t>(dow);
  dt.Hour = static_cast<uint16_t>(hour);
  dt.Minute = static_cast<uint16_t>(minute);
  dt.Second = static_cast<uint16_t>(second);
  dt.Millisecond = static_cast<uint16_t>(millisecond);
  return dt;
}

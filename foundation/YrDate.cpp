#include "YrDate.h"

#include "CodePage.h"
#include "YrClock.h"
#include "YrText.h"

const std::array<std::string, 7>& WeekdayNames() {
  static const std::array<std::string, 7> names = {
      Oem("Sonntag"),  Oem("Montag"),  Oem("Dienstag"), Oem("Mittwoch"),
      Oem("Donnerstag"), Oem("Freitag"), Oem("Samstag"),
  };
  return names;
}

const std::array<std::string, 13>& MonthNames() {
  static const std::array<std::string, 13> names = {
      "",         Oem("Januar"),    Oem("Februar"), Oem("März"),     Oem("April"),
      Oem("Mai"), Oem("Juni"),      Oem("Juli"),    Oem("August"),   Oem("September"),
      Oem("Oktober"), Oem("November"), Oem("Dezember"),
  };
  return names;
}

void GetDate(uint16_t& year, uint16_t& month, uint16_t& day, uint16_t& dayOfWeek) {
  const TYrDateTime now = ClockNow();
  year = now.Year;
  month = now.Month;
  day = now.Day;
  dayOfWeek = now.DayOfWeek;
}

void GetTime(uint16_t& hour, uint16_t& minute, uint16_t& second, uint16_t& millisecond) {
  const TYrDateTime now = ClockNow();
  hour = now.Hour;
  minute = now.Minute;
  second = now.Second;
  millisecond = now.Millisecond;
}

std::string TwoDigits(int n) {
  return n >= 0 && n < 10 ? "0" + IntToStr(n) : IntToStr(n);
}

std::string DateTimeStamp() {
  // One reading for both halves: separate readings of date and time can
  // straddle midnight and stamp yesterday's date with today's time.
  const TYrDateTime now = ClockNow();
  return TwoDigits(now.Day) + "." + TwoDigits(now.Month) + "." + IntToStr(now.Year) + " - " +
         TwoDigits(now.Hour) + ":" + TwoDigits(now.Minute) + ":" + TwoDigits(now.Second);
}

std::string LongDate() {
  const TYrDateTime now = ClockNow();
  // A clock is trusted for its ranges, but a bad one must not read outside
  // the name tables.
  const std::string& weekday = WeekdayNames()[now.DayOfWeek % 7];
  const std::string& month = now.Month >= 1 && now.Month <= 12 ? MonthNames()[now.Month] : MonthNames()[0];
  return weekday + ", den " + IntToStr(now.Day) + ". " + month + " " + IntToStr(now.Year);
}

uint16_t CurrentYear() { return ClockNow().Year; }

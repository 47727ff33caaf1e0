// The German date texts and the readings of the program's clock.
//
// All readings come from ClockNow() (YrClock.h), so tests pin them with
// SetClock. Texts are in the DOS code page like every stored text: the long
// date goes into a competition's header record, the stamp into report
// footers.
#pragma once

#include <array>
#include <cstdint>
#include <string>

// Day names, index 0 = Sunday .. 6 = Saturday (DOS code page).
const std::array<std::string, 7>& WeekdayNames();
// Month names, index 1 = January .. 12 = December; index 0 is empty (DOS code
// page: "März" holds the DOS a-umlaut).
const std::array<std::string, 13>& MonthNames();

// Today's date; dayOfWeek 0 = Sunday .. 6 = Saturday.
void GetDate(uint16_t& year, uint16_t& month, uint16_t& day, uint16_t& dayOfWeek);
// The current time of day.
void GetTime(uint16_t& hour, uint16_t& minute, uint16_t& second, uint16_t& millisecond);

// Decimal text with a "0" in front of a single digit: 7 -> "07", 123 -> "123".
std::string TwoDigits(int n);

// "DD.MM.YYYY - HH:MM:SS" from one reading of the clock.
std::string DateTimeStamp();

// "Samstag, den 5. Dezember 2026": weekday, day without leading zero, month
// name, four-digit year.
std::string LongDate();

uint16_t CurrentYear();

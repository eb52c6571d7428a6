// Date-time serials: days since 30 December 1899, the time of day as the fraction.
#pragma once

#include <string>
#include <string_view>

namespace qbx {

using TDateTime = double;

struct DateParts
{
    int Year = 1899, Month = 12, Day = 30;
};
struct TimeParts
{
    int Hour = 0, Minute = 0, Second = 0, Millisecond = 0;
};

// Raises EConvertError for a date that does not exist (month 13, 30 February, year 0 or past 9999).
TDateTime EncodeDate(int year, int month, int day);
bool TryEncodeDate(int year, int month, int day, TDateTime& serial);
TDateTime EncodeTime(int hour, int minute, int second, int millisecond);
bool TryEncodeTime(int hour, int minute, int second, int millisecond, TDateTime& serial);

// A negative serial's date part is its integer part and its time the absolute value of the fraction.
DateParts DecodeDate(TDateTime serial);
TimeParts DecodeTime(TDateTime serial);

// Whether a serial lies within 1 January 0001 and the end of 31 December 9999, the dates that exist.
bool IsValidDateTime(TDateTime serial);

// 1 = Sunday ... 7 = Saturday.
int DayOfWeek(TDateTime serial);
bool IsLeapYear(int year);
int DaysInMonth(int year, int month);

// Now, today and the current time of day from the system clock in local time.
TDateTime Now();

// The short date, and the long time when the serial has one, in the system format settings. A serial
// outside the dates that exist is written as its number.
std::string DateTimeToText(TDateTime serial);
std::string DateToText(TDateTime serial);
std::string TimeToText(TDateTime serial);

// Reads a date ("d.m.yyyy" in the system date separator, or "yyyy-mm-dd"), a time ("h:n[:s]") or both
// separated by blanks. Two-digit years are taken as 19xx from 50 up, 20xx below.
bool TryTextToDateTime(std::string_view text, TDateTime& serial);

} // namespace qbx

// Encoding and decoding of date-time serials, and their plain text forms.
#include "base/DateTime.h"

#include "base/Exceptions.h"
#include "base/FloatText.h"
#include "base/FormatSettings.h"
#include "base/Unicode.h"

#include <cmath>
#include <cstdio>
#include <ctime>
#include <vector>

namespace qbx {
namespace {

// Days from 1 January 1970 of a proleptic Gregorian date (the civil-calendar algorithm of H. Hinnant).
long long DaysFromCivil(long long y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

DateParts CivilFromDays(long long z)
{
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long y = static_cast<long long>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    return { static_cast<int>(y + (m <= 2)), static_cast<int>(m), static_cast<int>(d) };
}

const long long kSerialEpoch = DaysFromCivil(1899, 12, 30);
constexpr double kMillisecondsPerDay = 86400000.0;

std::string TwoDigits(int n)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d", n);
    return buffer;
}

// Reads blanks-free fields of one to four digits separated by any of `separators`.
bool ReadFields(std::string_view text, std::string_view separators, std::vector<int>& numbers)
{
    int value = 0, digits = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || separators.find(text[i]) != std::string_view::npos) {
            if (digits == 0)
                return false;
            numbers.push_back(value);
            value = digits = 0;
        } else if (text[i] >= '0' && text[i] <= '9' && digits < 4) {
            value = value * 10 + (text[i] - '0');
            ++digits;
        } else {
            return false;
        }
    }
    return true;
}

bool ReadDate(std::string_view text, TDateTime& serial)
{
    std::vector<int> n;
    bool iso = text.find('-') != std::string_view::npos;
    std::string separators = iso ? "-" : std::string(1, SystemFormatSettings().DateSeparator) + "/";
    if (!ReadFields(text, separators, n) || n.size() != 3)
        return false;
    int year = iso ? n[0] : n[2], month = n[1], day = iso ? n[2] : n[0];
    std::size_t yearDigits = iso ? text.find('-') : text.size() - text.find_last_of(separators) - 1;
    if (yearDigits <= 2)
        year += year >= 50 ? 1900 : 2000;
    return TryEncodeDate(year, month, day, serial);
}

bool ReadTime(std::string_view text, TDateTime& serial)
{
    std::vector<int> n;
    if (!ReadFields(text, std::string(1, SystemFormatSettings().TimeSeparator), n) || n.size() < 2 || n.size() > 3)
        return false;
    return TryEncodeTime(n[0], n[1], n.size() == 3 ? n[2] : 0, 0, serial);
}

} // namespace

bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month)
{
    static constexpr int kDays[12] = { 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31 };
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool TryEncodeDate(int year, int month, int day, TDateTime& serial)
{
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month))
        return false;
    serial = static_cast<TDateTime>(
        DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) - kSerialEpoch);
    return true;
}

TDateTime EncodeDate(int year, int month, int day)
{
    TDateTime serial = 0;
    if (!TryEncodeDate(year, month, day, serial))
        throw EConvertError("Invalid date: year " + std::to_string(year) + ", month " + std::to_string(month) + ", day "
            + std::to_string(day));
    return serial;
}

bool TryEncodeTime(int hour, int minute, int second, int millisecond, TDateTime& serial)
{
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 || millisecond < 0
        || millisecond > 999)
        return false;
    serial = (((hour * 60.0 + minute) * 60.0 + second) * 1000.0 + millisecond) / kMillisecondsPerDay;
    return true;
}

TDateTime EncodeTime(int hour, int minute, int second, int millisecond)
{
    TDateTime serial = 0;
    if (!TryEncodeTime(hour, minute, second, millisecond, serial))
        throw EConvertError("Invalid time: " + std::to_string(hour) + ":" + std::to_string(minute) + ":"
            + std::to_string(second) + "." + std::to_string(millisecond));
    return serial;
}

DateParts DecodeDate(TDateTime serial)
{
    return CivilFromDays(static_cast<long long>(std::trunc(serial)) + kSerialEpoch);
}

TimeParts DecodeTime(TDateTime serial)
{
    double fraction = std::fabs(serial - std::trunc(serial));
    long long ms = std::llround(fraction * kMillisecondsPerDay);
    if (ms >= static_cast<long long>(kMillisecondsPerDay))
        ms = static_cast<long long>(kMillisecondsPerDay) - 1;
    return { static_cast<int>(ms / 3600000), static_cast<int>(ms / 60000 % 60), static_cast<int>(ms / 1000 % 60),
        static_cast<int>(ms % 1000) };
}

int DayOfWeek(TDateTime serial)
{
    // Serial 0 (30 December 1899) was a Saturday.
    long long days = static_cast<long long>(std::trunc(serial));
    return static_cast<int>(((days + 6) % 7 + 7) % 7) + 1;
}

TDateTime Now()
{
    std::time_t now = std::time(nullptr);
    std::tm local {};
    localtime_r(&now, &local);
    return EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday)
        + EncodeTime(local.tm_hour, local.tm_min, local.tm_sec, 0);
}

std::string DateToText(TDateTime serial)
{
    DateParts d = DecodeDate(serial);
    char sep = SystemFormatSettings().DateSeparator;
    char year[16];
    std::snprintf(year, sizeof year, "%04d", d.Year);
    return TwoDigits(d.Day) + sep + TwoDigits(d.Month) + sep + year;
}

std::string TimeToText(TDateTime serial)
{
    TimeParts t = DecodeTime(serial);
    char sep = SystemFormatSettings().TimeSeparator;
    return TwoDigits(t.Hour) + sep + TwoDigits(t.Minute) + sep + TwoDigits(t.Second);
}

bool IsValidDateTime(TDateTime serial)
{
    constexpr TDateTime kFirstDay = -693593, kDayAfterLast = 2958466; // 1.1.0001 and 1.1.10000
    return std::isfinite(serial) && serial > kFirstDay - 1 && serial < kDayAfterLast;
}

std::string DateTimeToText(TDateTime serial)
{
    if (!IsValidDateTime(serial))
        return FloatToText(serial);
    bool hasTime = serial != std::trunc(serial);
    if (std::trunc(serial) == 0 && hasTime)
        return TimeToText(serial);
    return hasTime ? DateToText(serial) + " " + TimeToText(serial) : DateToText(serial);
}

bool TryTextToDateTime(std::string_view text, TDateTime& serial)
{
    std::string_view t = TrimBlanks(text);
    std::size_t blank = t.find(' ');
    std::string_view first = t.substr(0, blank);
    std::string_view rest = blank == std::string_view::npos ? std::string_view() : TrimBlanks(t.substr(blank));
    TDateTime date = 0, time = 0;
    if (first.find(SystemFormatSettings().TimeSeparator) != std::string_view::npos)
        return rest.empty() && ReadTime(first, serial);
    if (!ReadDate(first, date))
        return false;
    if (!rest.empty() && !ReadTime(rest, time))
        return false;
    serial = date < 0 ? date - time : date + time;
    return true;
}

} // namespace qbx

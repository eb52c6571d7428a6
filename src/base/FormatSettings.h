// The locale settings qbx formats numbers and dates with: one process-wide set, point as decimal separator.
#pragma once

#include <array>
#include <string>

namespace qbx {

// What the system takes as its regional settings. Report files never depend on these: files always
// use a point and serial dates; the settings only shape text shown to people and read from them.
struct FormatSettings
{
    char DecimalSeparator = '.';
    char ThousandSeparator = ',';
    char DateSeparator = '.';
    char TimeSeparator = ':';
    std::string ShortDateFormat = "dd.mm.yyyy";
    std::string LongDateFormat = "d mmmm yyyy";
    std::string ShortTimeFormat = "hh:nn";
    std::string LongTimeFormat = "hh:nn:ss";
    std::string TimeAMString = "AM";
    std::string TimePMString = "PM";
    std::string CurrencyString = "$";
    std::array<std::string, 12> ShortMonthNames { "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct",
        "Nov", "Dec" };
    std::array<std::string, 12> LongMonthNames { "January", "February", "March", "April", "May", "June", "July",
        "August", "September", "October", "November", "December" };
    std::array<std::string, 7> ShortDayNames { "Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat" };
    std::array<std::string, 7> LongDayNames { "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday",
        "Saturday" };
};

// The process's settings; tests and the host may change them, everything else only reads them.
FormatSettings& SystemFormatSettings();

} // namespace qbx

// The date-time picture formatter.
#include "base/DateFormat.h"

#include "base/Exceptions.h"
#include "base/FloatText.h"
#include "base/FormatSettings.h"
#include "base/Unicode.h"

#include <cctype>
#include <cmath>
#include <cstdio>

namespace qbx {
namespace {

std::string Padded(int value, int width)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%0*d", width, value);
    return buffer;
}

bool HasAmPm(std::string_view picture)
{
    std::string upper = AsciiUpper(picture);
    return upper.find("AM/PM") != std::string::npos || upper.find("A/P") != std::string::npos
        || upper.find("AMPM") != std::string::npos;
}

class Formatter
{
public:
    Formatter(TDateTime serial)
        : date_(DecodeDate(serial))
        , time_(DecodeTime(serial))
        , serial_(serial)
    {
    }

    std::string Run(std::string_view picture, int depth)
    {
        bool twelveHour = HasAmPm(picture);
        std::string out;
        bool lastWasHour = false;
        for (std::size_t i = 0; i < picture.size();) {
            char c = picture[i];
            char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            std::size_t run = 1;
            while (i + run < picture.size() && std::tolower(static_cast<unsigned char>(picture[i + run])) == lower)
                ++run;
            if (c == '"' || c == '\'') {
                std::size_t end = picture.find(c, i + 1);
                out += picture.substr(i + 1, end == std::string_view::npos ? std::string_view::npos : end - i - 1);
                i = end == std::string_view::npos ? picture.size() : end + 1;
                continue;
            }
            if (std::string_view rest = picture.substr(i); AmPm(rest, out)) {
                i += rest.size();
                continue;
            }
            const FormatSettings& fs = SystemFormatSettings();
            bool wasHour = false;
            switch (lower) {
            case 'd':
                Day(run, out, depth);
                break;
            case 'm':
                if (lastWasHour && run <= 2)
                    out += run == 2 ? Padded(time_.Minute, 2) : std::to_string(time_.Minute);
                else if (run >= 4)
                    out += fs.LongMonthNames[static_cast<std::size_t>(date_.Month - 1)];
                else if (run == 3)
                    out += fs.ShortMonthNames[static_cast<std::size_t>(date_.Month - 1)];
                else
                    out += run == 2 ? Padded(date_.Month, 2) : std::to_string(date_.Month);
                break;
            case 'y':
                out += run <= 2 ? Padded(date_.Year % 100, 2) : Padded(date_.Year, 4);
                break;
            case 'h': {
                int hour = twelveHour ? (time_.Hour % 12 == 0 ? 12 : time_.Hour % 12) : time_.Hour;
                out += run >= 2 ? Padded(hour, 2) : std::to_string(hour);
                wasHour = true;
                break;
            }
            case 'n':
                out += run >= 2 ? Padded(time_.Minute, 2) : std::to_string(time_.Minute);
                break;
            case 's':
                out += run >= 2 ? Padded(time_.Second, 2) : std::to_string(time_.Second);
                break;
            case 'z':
                out += run >= 3 ? Padded(time_.Millisecond, 3) : std::to_string(time_.Millisecond);
                break;
            case 't':
                if (depth < 2)
                    out += Run(run >= 2 ? fs.LongTimeFormat : fs.ShortTimeFormat, depth + 1);
                break;
            case 'c':
                if (depth < 2) {
                    out += Run(fs.ShortDateFormat, depth + 1);
                    if (serial_ != std::trunc(serial_))
                        out += " " + Run(fs.LongTimeFormat, depth + 1);
                }
                break;
            case '/':
                out += std::string(run, fs.DateSeparator);
                break;
            case ':':
                out += std::string(run, fs.TimeSeparator);
                break;
            default:
                out += std::string(picture.substr(i, run));
                break;
            }
            if (std::isalpha(static_cast<unsigned char>(lower)))
                lastWasHour = wasHour; // separators between an hour and "m" keep it a minute
            i += run;
        }
        return out;
    }

private:
    void Day(std::size_t run, std::string& out, int depth)
    {
        const FormatSettings& fs = SystemFormatSettings();
        std::size_t weekday = static_cast<std::size_t>(DayOfWeek(serial_) - 1);
        if (run == 1)
            out += std::to_string(date_.Day);
        else if (run == 2)
            out += Padded(date_.Day, 2);
        else if (run == 3)
            out += fs.ShortDayNames[weekday];
        else if (run == 4)
            out += fs.LongDayNames[weekday];
        else if (depth < 2)
            out += Run(run == 5 ? fs.ShortDateFormat : fs.LongDateFormat, depth + 1);
    }

    // Writes an am/pm marker found at the start of `rest` and shortens `rest` to its length.
    bool AmPm(std::string_view& rest, std::string& out) const
    {
        const FormatSettings& fs = SystemFormatSettings();
        bool pm = time_.Hour >= 12;
        std::string upper = AsciiUpper(rest.substr(0, 5));
        if (upper.rfind("AM/PM", 0) == 0) {
            std::string marker = pm ? "pm" : "am";
            if (rest[0] == 'A')
                marker = AsciiUpper(marker);
            out += marker;
            rest = rest.substr(0, 5);
            return true;
        }
        if (upper.rfind("A/P", 0) == 0) {
            out += rest[0] == 'A' ? (pm ? "P" : "A") : (pm ? "p" : "a");
            rest = rest.substr(0, 3);
            return true;
        }
        if (upper.rfind("AMPM", 0) == 0) {
            out += pm ? fs.TimePMString : fs.TimeAMString;
            rest = rest.substr(0, 4);
            return true;
        }
        return false;
    }

    DateParts date_;
    TimeParts time_;
    TDateTime serial_;
};

} // namespace

std::string FormatDateTime(std::string_view picture, TDateTime serial)
{
    if (!IsValidDateTime(serial))
        throw EConvertError("Invalid date-time value " + FloatToText(serial));
    return Formatter(serial).Run(picture.empty() ? std::string_view("c") : picture, 0);
}

} // namespace qbx

// Date-time pictures: "dd.mm.yyyy hh:nn", names of days and months, 12-hour clocks, quoted literals.
#pragma once

#include "base/DateTime.h"

#include <string>
#include <string_view>

namespace qbx {

// Tokens (letters without regard to case): d dd (day), ddd dddd (day name), ddddd (short date), dddddd (long
// date), m mm (month, or minutes right after an hour), mmm mmmm (month name), yy yyyy (year), h hh (hour),
// n nn (minutes), s ss (seconds), z zzz (milliseconds), t tt (short and long time), c (short date and,
// when there is one, long time), am/pm a/p ampm (a 12-hour clock), "/" and ":" (the system separators).
// Text in single or double quotes and every other character is copied. An empty picture means "c".
// A serial outside the dates that exist raises EConvertError.
std::string FormatDateTime(std::string_view picture, TDateTime serial);

} // namespace qbx

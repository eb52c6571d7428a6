// The general text form of floating-point numbers used in files, scripts and value conversion.
#pragma once

#include <string>
#include <string_view>

namespace qbx {

// General form with up to `digits` significant digits (15 by default), a point as separator, no
// trailing zeros; scientific ("1E-7", "1.5E20") when the exponent reaches `digits` or the value is
// below 0.00001. NaN and infinities are written "NAN", "INF" and "-INF".
std::string FloatToText(long double value, int digits = 15);

// Reads a number written with a point or a comma as decimal separator, an optional sign and exponent,
// blanks around it allowed. Returns false for anything else (empty text, two separators, trailing junk).
bool TryTextToFloat(std::string_view text, long double& value);

// As TryTextToFloat; raises EConvertError "'TEXT' is not a valid floating point value" on failure.
long double TextToFloat(std::string_view text);

// Reads a whole decimal number (or hexadecimal after "$" or "0x"); false when the text is no integer.
bool TryTextToInt64(std::string_view text, long long& value);

} // namespace qbx

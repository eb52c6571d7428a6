// Rounding and integer division as every drawing and layout step uses them.
#pragma once

#include <cstdint>

namespace qbx {

// Rounds to the nearest integer; exact halves go to the even neighbour (0.5 -> 0, 1.5 -> 2, -1.5 -> -2).
std::int64_t RoundHalfEven(long double value);

// Rounds a value to whole pixels for device coordinates; same rule as RoundHalfEven, narrowed to int.
int RoundToInt(long double value);

// Integer division that truncates toward zero (-7 / 2 = -3); a zero divisor raises EConvertError.
std::int64_t TruncDiv(std::int64_t dividend, std::int64_t divisor);

// Remainder that belongs to TruncDiv: the result has the dividend's sign.
std::int64_t TruncMod(std::int64_t dividend, std::int64_t divisor);

// The integer part of a float, toward zero, as the system's Trunc does.
std::int64_t Trunc(long double value);

// Whether two measurements differ by more than `tolerance`, so that rounding noise is not taken for a
// change: stored properties compare to a millionth, difference texts to a ten-thousandth.
inline bool Differ(long double a, long double b, long double tolerance)
{
    long double d = a - b;
    return (d < 0 ? -d : d) > tolerance;
}

} // namespace qbx

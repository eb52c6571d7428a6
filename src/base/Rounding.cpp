// Round-half-to-even and truncating division.
#include "base/Rounding.h"

#include "base/Exceptions.h"

#include <cmath>
#include <limits>

namespace qbx {

std::int64_t RoundHalfEven(long double value)
{
    if (!std::isfinite(value) || std::fabs(value) > static_cast<long double>(std::numeric_limits<std::int64_t>::max()))
        throw EConvertError("Cannot round " + std::to_string(static_cast<double>(value)) + " to an integer");
    // The floating-point unit's default rounding (to nearest, ties to even) is this rounding, in one
    // instruction; nothing in the program changes the rounding mode.
    return std::llrint(value);
}

int RoundToInt(long double value)
{
    std::int64_t rounded = RoundHalfEven(value);
    if (rounded > std::numeric_limits<int>::max() || rounded < std::numeric_limits<int>::min())
        throw EConvertError("Cannot round " + std::to_string(static_cast<double>(value)) + " to a device coordinate");
    return static_cast<int>(rounded);
}

std::int64_t TruncDiv(std::int64_t dividend, std::int64_t divisor)
{
    if (divisor == 0)
        throw EConvertError("Division by zero");
    if (dividend == std::numeric_limits<std::int64_t>::min() && divisor == -1)
        throw EConvertError("Integer overflow in division");
    return dividend / divisor; // C++ division already truncates toward zero
}

std::int64_t TruncMod(std::int64_t dividend, std::int64_t divisor)
{
    if (divisor == 0)
        throw EConvertError("Division by zero");
    if (divisor == -1)
        return 0;
    return dividend % divisor;
}

std::int64_t Trunc(long double value)
{
    if (!std::isfinite(value) || std::fabs(value) >= 9.2233720368547758e18L)
        throw EConvertError("Cannot truncate " + std::to_string(static_cast<double>(value)) + " to an integer");
    return static_cast<std::int64_t>(value);
}

} // namespace qbx

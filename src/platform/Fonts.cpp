// Conversions between point sizes and device font heights.
#include "platform/Fonts.h"

#include "base/Rounding.h"

#include <cstdlib>

namespace qbx {

int FontHeightForSize(long double points, long double dpi)
{
    return -RoundToInt(points * dpi / 72.0L);
}

long double FontSizeForHeight(int height, int dpi)
{
    return std::abs(height) * 72.0L / dpi;
}

} // namespace qbx

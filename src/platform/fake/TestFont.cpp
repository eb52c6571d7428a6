// Metrics of the deterministic test font.
#include "platform/fake/TestFont.h"

#include "base/Rounding.h"

#include <cstdlib>

namespace qbx::fake {
namespace {

int EmSize(const TFontDesc& font)
{
    return font.Height == 0 ? 13 : std::abs(font.Height);
}

bool IsWide(char16_t c)
{
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) || (c >= 0xAC00 && c <= 0xD7A3)
        || (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFF00 && c <= 0xFF60);
}

} // namespace

TFontMetrics TestFontMetrics(const TFontDesc& font)
{
    int em = EmSize(font);
    int ascent = RoundToInt(0.8L * em);
    return { em, ascent, em - ascent, 0, RoundToInt(em / 2.0L) };
}

std::vector<int> TestFontAdvances(const TFontDesc& font, std::u16string_view text)
{
    int em = EmSize(font);
    int normal = RoundToInt(em / 2.0L);
    std::vector<int> advances;
    advances.reserve(text.size());
    for (char16_t c : text)
        advances.push_back(c >= 0xDC00 && c <= 0xDFFF ? 0 : IsWide(c) ? em : normal);
    return advances;
}

} // namespace qbx::fake

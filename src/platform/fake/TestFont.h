// The deterministic test font: metrics that tests can work out by hand.
#pragma once

#include "platform/Fonts.h"

#include <string_view>
#include <vector>

namespace qbx::fake {

// For a font height h (either sign) the em size is e = |h| (13 when h is 0). Then:
//   every character advances round(e / 2), except wide East Asian characters (U+1100-115F,
//   U+2E80-A4CF, U+AC00-D7A3, U+F900-FAFF, U+FF00-FF60), which advance e, and the second unit of a
//   surrogate pair, which advances 0; style, charset and name change nothing;
//   cell height e, ascent round(0.8 e), descent e - ascent, no internal leading, average width round(e / 2).
// Rounding is half to even, as everywhere in qbx.
TFontMetrics TestFontMetrics(const TFontDesc& font);
std::vector<int> TestFontAdvances(const TFontDesc& font, std::u16string_view text);

} // namespace qbx::fake

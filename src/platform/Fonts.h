// Fonts as the canvas selects them, their metrics, and the lookup of installed families.
#pragma once

#include "base/Colors.h"

#include <string>

namespace qbx {

enum TFontStyle : int { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = int; // a set of TFontStyle bits, stored as their sum

inline constexpr int DEFAULT_CHARSET = 1;

// A font as a canvas is asked to use it. `Height` is in device pixels: negative is the character
// height (the em size), positive the cell height; `Escapement` rotates text counter-clockwise in
// tenths of a degree.
struct TFontDesc
{
    std::string Name = "Arial";
    int Height = -13; // 10 points at 96 dpi
    TFontStyles Style = 0;
    int Charset = DEFAULT_CHARSET;
    TColor Color = clBlack;
    int Escapement = 0;
    bool operator==(const TFontDesc&) const = default;
};

// The character height of a point size at a resolution: -round(size x dpi / 72). The resolution may be
// scaled (a zoomed preview, a print scale), hence fractional.
int FontHeightForSize(long double points, long double dpi);
// The point size a font height stands for at a resolution.
long double FontSizeForHeight(int height, int dpi);

// Metrics of the font selected into a canvas, in device pixels.
struct TFontMetrics
{
    int Height = 0; // cell height = Ascent + Descent
    int Ascent = 0;
    int Descent = 0;
    int InternalLeading = 0; // Height minus the character height
    int AverageCharWidth = 0;
};

// The installed family a requested family name resolves to (through the project's font configuration).
class FontCatalog
{
public:
    virtual ~FontCatalog() = default;
    virtual std::string ResolvedFamily(const std::string& requested) = 0;
};

} // namespace qbx

// System colour mapping and the table of colour names.
#include "base/Colors.h"

#include "base/Unicode.h"

#include <array>

namespace qbx {
namespace {

// RGB values of the system colours 0..24 in the standard light scheme.
constexpr std::array<TColor, 25> kSystemColors = {
    RGBColor(200, 200, 200),
    RGBColor(0, 0, 0),
    RGBColor(153, 180, 209),
    RGBColor(191, 205, 219),
    RGBColor(240, 240, 240),
    RGBColor(255, 255, 255),
    RGBColor(100, 100, 100),
    RGBColor(0, 0, 0),
    RGBColor(0, 0, 0),
    RGBColor(0, 0, 0),
    RGBColor(180, 180, 180),
    RGBColor(244, 247, 252),
    RGBColor(171, 171, 171),
    RGBColor(0, 120, 215),
    RGBColor(255, 255, 255),
    RGBColor(240, 240, 240),
    RGBColor(160, 160, 160),
    RGBColor(109, 109, 109),
    RGBColor(0, 0, 0),
    RGBColor(0, 0, 0),
    RGBColor(255, 255, 255),
    RGBColor(105, 105, 105),
    RGBColor(227, 227, 227),
    RGBColor(0, 0, 0),
    RGBColor(255, 255, 225),
};

struct NamedColor
{
    const char* Name;
    TColor Color;
};

constexpr NamedColor kNamedColors[] = {
    { "clBlack", clBlack },
    { "clMaroon", clMaroon },
    { "clGreen", clGreen },
    { "clOlive", clOlive },
    { "clNavy", clNavy },
    { "clPurple", clPurple },
    { "clTeal", clTeal },
    { "clGray", clGray },
    { "clSilver", clSilver },
    { "clRed", clRed },
    { "clLime", clLime },
    { "clYellow", clYellow },
    { "clBlue", clBlue },
    { "clFuchsia", clFuchsia },
    { "clAqua", clAqua },
    { "clWhite", clWhite },
    { "clMoneyGreen", clMoneyGreen },
    { "clSkyBlue", clSkyBlue },
    { "clCream", clCream },
    { "clMedGray", clMedGray },
    { "clNone", clNone },
    { "clDefault", clDefault },
    { "clScrollBar", clScrollBar },
    { "clBackground", clBackground },
    { "clActiveCaption", clActiveCaption },
    { "clInactiveCaption", clInactiveCaption },
    { "clMenu", clMenu },
    { "clWindow", clWindow },
    { "clWindowFrame", clWindowFrame },
    { "clMenuText", clMenuText },
    { "clWindowText", clWindowText },
    { "clCaptionText", clCaptionText },
    { "clActiveBorder", clActiveBorder },
    { "clInactiveBorder", clInactiveBorder },
    { "clAppWorkSpace", clAppWorkSpace },
    { "clHighlight", clHighlight },
    { "clHighlightText", clHighlightText },
    { "clBtnFace", clBtnFace },
    { "clBtnShadow", clBtnShadow },
    { "clGrayText", clGrayText },
    { "clBtnText", clBtnText },
    { "clInactiveCaptionText", clInactiveCaptionText },
    { "clBtnHighlight", clBtnHighlight },
    { "cl3DDkShadow", cl3DDkShadow },
    { "cl3DLight", cl3DLight },
    { "clInfoText", clInfoText },
    { "clInfoBk", clInfoBk },
};

} // namespace

TColor ColorToRGB(TColor color)
{
    if (color < 0) {
        unsigned index = static_cast<unsigned>(color) & 0xFF;
        return index < kSystemColors.size() ? kSystemColors[index] : clBlack;
    }
    if (color == clNone)
        return clNone;
    return color & 0xFFFFFF;
}

bool IdentToColor(std::string_view name, TColor& color)
{
    for (const NamedColor& entry : kNamedColors) {
        if (SameText(name, entry.Name)) {
            color = entry.Color;
            return true;
        }
    }
    return false;
}

std::string ColorToIdent(TColor color)
{
    for (const NamedColor& entry : kNamedColors)
        if (entry.Color == color)
            return entry.Name;
    return std::to_string(color);
}

} // namespace qbx

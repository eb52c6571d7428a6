// Drawing laid-out text on a device: font heights, rotation, alignment, justification and spreading.
#include "base/Rounding.h"
#include "platform/Fonts.h"
#include "views/TqbxDrawText.h"

#include <cmath>
#include <numbers>

namespace qbx {
namespace {

enum { haLeft, haRight, haCenter, haBlock };
enum { vaTop, vaBottom, vaCenter };

// Adds `step` `amount` times over values[first, first + count) by halving: one unit goes to the last value
// of the first half, more split between the halves.
void Spreading(std::vector<int>& values, std::size_t first, std::size_t count, int step, int amount)
{
    if (amount <= 0 || count == 0)
        return;
    std::size_t half = std::max<std::size_t>(1, count / 2);
    if (amount == 1) {
        values[first + half - 1] += step;
        return;
    }
    Spreading(values, first, half, step, amount / 2);
    Spreading(values, first + half, count - half, step, amount - amount / 2);
}

// Spreads any amount: whole multiples of the count to every value, the rest by halving.
void Distribute(std::vector<int>& values, std::size_t first, std::size_t count, int extra)
{
    if (count == 0 || extra == 0)
        return;
    int step = extra < 0 ? -1 : 1, magnitude = std::abs(extra);
    int each = magnitude / static_cast<int>(count);
    for (std::size_t i = 0; i < count; ++i)
        values[first + i] += step * each;
    Spreading(values, first, count, step, magnitude % static_cast<int>(count));
}

} // namespace

int TqbxDrawText::TargetHeight(Canvas& canvas, long double points) const
{
    return FontHeightForSize(points, canvas.IsPrinter() ? canvas.DpiY() * PrintScale : ScaleY * ScreenPPI);
}

void TqbxDrawText::DrawText(Canvas& canvas, int hAlign, int vAlign)
{
    int n = Lines.Count();
    if (n == 0)
        return;
    TFontDesc font = measureFont_;
    font.Height = TargetHeight(canvas, FontSize);
    TqbxHTMLTag& firstTag = Tags.Lines[0][0];
    if (!firstTag.Unchanged) {
        font.Style = firstTag.FontStyle;
        font.Color = firstTag.FontColor;
        font.Height = TargetHeight(canvas, firstTag.PointSize);
        firstTag.Unchanged = true;
    }
    font.Escapement = Rotation * 10;
    canvas.Font = font;
    // Line advances use the nominal pixel heights of the target and the measuring font, as LineHeight does.
    int advance = RoundToInt(LineSpacing * ScaleY) + std::abs(font.Height);
    long double h = std::abs(measureFont_.Height);
    int ideal = canvas.IsPrinter()
        ? RoundToInt((LineSpacing * ScaleY * (600.0L / canvas.DpiY() / PrintScale) * n + h * n)
            / (600.0L / canvas.DpiY() / PrintScale))
        : RoundToInt((LineSpacing * kUnit * n + h * n) / kUnit * ScaleY);
    std::vector<int> advances(static_cast<std::size_t>(n), advance);
    if (Wysiwyg && n > 1)
        Distribute(advances, 0, static_cast<std::size_t>(n - 1), ideal - n * advance);

    // The start point, the line length and the height left for vertical alignment, by rotation.
    const long double rho = Rotation * std::numbers::pi_v<long double> / 180;
    long double c = std::fabs(std::cos(rho)), s = std::fabs(std::sin(rho));
    int L = ScaledRect.Left, T = ScaledRect.Top, R = ScaledRect.Right, B = ScaledRect.Bottom, Hb = ideal;
    int len = 0, x = L, y = T, available = B - T;
    int oblique = Rotation % 90 != 0 ? RoundToInt((R - L - s * Hb) / c) : 0; // cos(90) is not quite 0
    if (Rotation == 0) {
        len = R - L;
    } else if (Rotation < 90) {
        len = oblique;
        y = T + RoundToInt(s * len);
        available = Hb + B - y - RoundToInt(c * Hb);
    } else if (Rotation == 90) {
        y = B, len = B - T, available = R - L;
    } else if (Rotation < 180) {
        len = oblique;
        x = L + RoundToInt(c * len), y = B;
        available = Hb + B - T - RoundToInt(c * Hb + s * len);
    } else if (Rotation == 180) {
        x = R, y = B, len = R - L;
    } else if (Rotation < 270) {
        len = oblique;
        x = R, y = B - RoundToInt(s * len);
        available = Hb + y - T - RoundToInt(c * Hb);
    } else if (Rotation == 270) {
        x = R, len = B - T, available = R - L;
    } else {
        len = oblique;
        x = L + RoundToInt(s * Hb);
        available = Hb + B - T - RoundToInt(s * len + c * Hb);
    }
    long double cosA = std::cos(rho), sinA = std::sin(rho);
    if (Rotation % 90 != 0) // oblique: vertical alignment along the page axis only
        cosA = Rotation > 90 && Rotation < 270 ? -1 : 1, sinA = 0;
    int freeSpace = available - Hb;
    if (vAlign == vaBottom || vAlign == vaCenter) {
        long double part = vAlign == vaBottom ? freeSpace : freeSpace / 2.0L;
        y += RoundToInt(part * cosA);
        x += RoundToInt(part * sinA);
    }
    cosA = std::cos(rho);
    sinA = std::sin(rho);
    canvas.BkMode = bkTransparent;
    for (int i = 0; i < n; ++i) {
        int flags = Lines.Objects(i);
        int indent = (flags & 1) && (hAlign == haLeft || hAlign == haBlock) ? RoundToInt(ParagraphGap * ScaleX) : 0;
        int align = hAlign == haBlock && (flags & 2) ? (RTLReading ? haRight : haLeft) : hAlign;
        DrawTextLine(canvas, i, align, len - indent, y, x + indent);
        y += RoundToInt(advances[static_cast<std::size_t>(i)] * cosA);
        x += RoundToInt(advances[static_cast<std::size_t>(i)] * sinA);
    }
}

void TqbxDrawText::DrawTextLine(Canvas& canvas, int line, int hAlign, int width, int y, int x)
{
    const std::u16string& text = Lines.Strings(line);
    const TqbxHTMLTags& tags = Tags.Lines[static_cast<std::size_t>(line)];
    int spacing600 = RoundToInt(CharSpacing * kUnit);
    int w600 = MeasureLine(text, tags, spacing600, measured_) - spacing600;
    TFontDesc font = canvas.Font;
    int spacing = RoundToInt(CharSpacing * ScaleX);
    int wt = MeasureLine(canvas, font, text, tags, spacing, charWidths_) - spacing;
    canvas.Font = font;
    int m = !Wysiwyg         ? wt
        : canvas.IsPrinter() ? RoundToInt(w600 * PrintScale / (600.0L / canvas.DpiX()))
                             : RoundToInt(w600 / kUnit * ScaleX);
    int extra = m - wt;
    const long double rho = Rotation * std::numbers::pi_v<long double> / 180;
    long double cosR = std::cos(rho), sinR = std::sin(rho);
    int a = width - m;
    if (hAlign == haRight) {
        x += RoundToInt((a + 1) * cosR) - 1;
        y -= RoundToInt((a + 1) * sinR);
        if (Rotation == 0 && (font.Style & (fsBold | fsItalic)))
            x -= 1;
    } else if (hAlign == haCenter) {
        x += RoundToInt(a / 2.0L * cosR);
        y -= RoundToInt(a / 2.0L * sinR);
    }
    std::vector<std::size_t> spaces;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] == u' ' || text[i] == u'\u00A0')
            spaces.push_back(i);
    if (hAlign == haBlock && !spaces.empty()) {
        extra = std::abs(width) - wt;
        int step = extra < 0 ? -1 : 1, magnitude = std::abs(extra);
        int each = magnitude / static_cast<int>(spaces.size()), rest = magnitude % static_cast<int>(spaces.size());
        for (std::size_t k = 0; k < spaces.size(); ++k)
            charWidths_[spaces[k]] += step * (each + (static_cast<int>(k) < rest ? 1 : 0));
    } else {
        Distribute(charWidths_, 0, text.size(), extra);
    }
    // Runs of characters that look alike, each drawn with its own font.
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = start + 1;
        while (end < text.size() && (end >= tags.size() || tags[end].Unchanged))
            ++end;
        const TqbxHTMLTag& tag = start < tags.size() ? tags[start] : TqbxHTMLTag {};
        if (start > 0 && start < tags.size()) {
            canvas.Font.Height = TargetHeight(canvas, tag.PointSize);
            canvas.Font.Style = tag.FontStyle;
            canvas.Font.Color = tag.FontColor;
        }
        int d = RoundToInt(tag.Lowered * tag.PointSize * ScaleY);
        TTextOutOptions options;
        if (Clipped)
            options.Clip = ScaledRect;
        options.RightToLeft = RTLReading;
        if (Wysiwyg)
            options.Advances = std::span<const int>(charWidths_.data() + start, end - start);
        std::u16string run = text.substr(start, end - start);
        canvas.TextOut(x + RoundToInt(d * sinR), y + RoundToInt(d * cosR), run, options);
        long long sum = 0;
        for (std::size_t i = start; i < end; ++i)
            sum += charWidths_[i];
        x += Rotation == 0 ? static_cast<int>(sum) : RoundToInt(sum * cosR);
        y -= Rotation == 0 ? 0 : RoundToInt(sum * sinR);
        start = end;
    }
}

} // namespace qbx

// Painting a barcode: the elements of the module string and the human-readable text, laid out in
// module units along the symbol and across it, rotated by Angle and stretched into the rectangle.
#include "barcode/TqbxBarcode.h"
#include "base/Rounding.h"
#include "base/Units.h"
#include "platform/Canvas.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace qbx {
namespace {

// Module units (x along the symbol, a across it from the bars' top) to device pixels.
class SymbolPlacement
{
public:
    SymbolPlacement(const TRect& rect, double angle, double scale, double width, double depth)
        : rect_(rect)
        , scale_(scale)
        , cos_(std::cos(angle * std::numbers::pi / 180))
        , sin_(std::sin(angle * std::numbers::pi / 180))
    {
        // Right angles exactly: no rounding noise in the quarter turns the views use.
        if (std::fmod(angle, 90) == 0) {
            cos_ = std::round(cos_);
            sin_ = std::round(sin_);
        }
        // The rotated picture starts at 0 in both directions.
        double xs[4] = { 0, width, 0, width }, as[4] = { 0, 0, depth, depth };
        shiftX_ = shiftY_ = 1e300;
        for (int i = 0; i < 4; ++i) {
            shiftX_ = std::min(shiftX_, RotatedX(xs[i], as[i]));
            shiftY_ = std::min(shiftY_, RotatedY(xs[i], as[i]));
        }
    }

    TPoint Device(double x, double a) const
    {
        return { RoundToInt(rect_.Left + (RotatedX(x, a) - shiftX_) * scale_),
            RoundToInt(rect_.Top + (RotatedY(x, a) - shiftY_) * scale_) };
    }

    // Fills the unit rectangle [x0, x1) x [a0, a1) with the canvas brush.
    void Fill(Canvas& canvas, double x0, double x1, double a0, double a1) const
    {
        TPoint p[4] = { Device(x0, a0), Device(x1, a0), Device(x1, a1), Device(x0, a1) };
        if (IsQuarterTurn()) {
            canvas.FillRect({ std::min({ p[0].X, p[2].X }), std::min({ p[0].Y, p[2].Y }), std::max({ p[0].X, p[2].X }),
                std::max({ p[0].Y, p[2].Y }) });
            return;
        }
        TPen saved = canvas.Pen;
        canvas.Pen = { canvas.Brush.Color, 1, psSolid };
        canvas.Polygon(p);
        canvas.Pen = saved;
    }

private:
    double RotatedX(double x, double a) const { return cos_ * x + sin_ * a; }
    double RotatedY(double x, double a) const { return -sin_ * x + cos_ * a; }
    bool IsQuarterTurn() const { return (cos_ == 0 || sin_ == 0); }

    TRect rect_;
    double scale_, cos_, sin_, shiftX_ = 0, shiftY_ = 0;
};

bool GuardsReachText(TqbxBarcodeType type)
{
    return type == bcCodeEAN8 || type == bcCodeEAN13 || type == bcCodeUPC_A || type == bcCodeUPC_E0
        || type == bcCodeUPC_E1;
}

struct TextPiece
{
    std::string Text;
    double X, BoxFrom, BoxTo; // the box is [BoxFrom, BoxTo)
};

std::vector<TextPiece> TextPieces(TqbxBarcodeType type, const std::string& text, int width, double centredWidth)
{
    auto part = [&](std::size_t from, std::size_t count) { return from < text.size() ? text.substr(from, count) : ""; };
    switch (type) {
    case bcCodeEAN8:
        return { { part(0, 4), 3, 3, 31 }, { part(4, 4), 35, 35, width - 3.0 } };
    case bcCodeEAN13: {
        std::vector<TextPiece> pieces;
        if (!text.empty() && text[0] != '0')
            pieces.push_back({ part(0, 1), -8, -8, -1 });
        pieces.push_back({ part(1, 6), 3, 3, 45 });
        pieces.push_back({ part(7, 6), 49, 49, width - 3.0 });
        return pieces;
    }
    case bcCodeUPC_A:
        return { { part(0, 1), -8, -8, -1 }, { part(1, 5), 10, 10, 45 }, { part(6, 5), 49, 49, 84 },
            { part(11, 1), width + 1.0, width + 1.0, width + 9.0 } };
    case bcCodeUPC_E0:
    case bcCodeUPC_E1:
        return { { part(0, 6), 3, 3, 45 }, { part(6, 1), width + 1.0, width + 1.0, width + 9.0 } };
    default:
        return { { text, static_cast<double>(static_cast<int>(width - centredWidth) / 2), 0,
            static_cast<double>(width) } };
    }
}

} // namespace

void TqbxBarcode::DrawBarcode(Canvas& canvas, const TRect& rect, bool showText)
{
    std::string modules = Encode();
    int width = 0;
    for (char c : modules)
        width += ElementWidth(c);
    bool vertical = Angle != 0 && Angle != 180;
    double scale = static_cast<double>(vertical ? rect.Height() : rect.Width()) / std::max(1, width);
    if (width == 0 || scale <= 0)
        return;
    // Bounded so that a long symbol squeezed into a small rectangle keeps its bar height an integer.
    double depth = std::min(1e7, std::round((vertical ? rect.Width() : rect.Height()) / scale));
    Height = static_cast<int>(depth) - (showText ? (GuardsReachText(Typ) ? 7 : 16) : 0);
    SymbolPlacement place(rect, Angle, scale, width, depth);
    BrushScope keep(canvas, canvas.Brush);
    double x = 0;
    for (char c : modules) {
        int w = ElementWidth(c);
        bool bar = c >= '5';
        TColor color = bar ? ColorBar : Color;
        if (color != clNone && w > 0) {
            canvas.Brush = { color, bsSolid };
            double height = c >= 'A' ? Height * 2 / 5 : Height;
            place.Fill(canvas, x, x + w, 0, height);
        }
        x += w;
    }
    if (!showText)
        return;
    TFontDesc saved = canvas.Font;
    TBkMode savedMode = canvas.BkMode;
    canvas.Font
        = { "Arial", FontHeightForSize(9, qbxScreenDpi * scale), 0, DEFAULT_CHARSET, ColorBar, RoundToInt(Angle * 10) };
    canvas.BkMode = bkTransparent;
    std::u16string all(Text.begin(), Text.end());
    double centred = canvas.TextExtent(all).Width / scale;
    for (const TextPiece& piece : TextPieces(Typ, Text, width, centred)) {
        if (Color != clNone) {
            canvas.Brush = { Color, bsSolid };
            place.Fill(canvas, piece.BoxFrom, piece.BoxTo, depth - 16, depth);
        }
        TPoint at = place.Device(piece.X, depth - 14);
        canvas.TextOut(at.X, at.Y, std::u16string(piece.Text.begin(), piece.Text.end()));
    }
    canvas.Font = saved;
    canvas.BkMode = savedMode;
}

} // namespace qbx

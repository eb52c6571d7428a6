// The drawing surface every report object draws on: screen bitmap, printer page, vector picture or measuring canvas.
#pragma once

#include "platform/Fonts.h"
#include "platform/Geometry.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace qbx {

class Metafile;
class RasterImage;

enum TPenStyle : int { psSolid, psDash, psDot, psDashDot, psDashDotDot }; // ordinals as the frame styles
enum TBrushStyle : int { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };
enum TBkMode : int { bkTransparent, bkOpaque };

struct TPen
{
    TColor Color = clBlack;
    int Width = 1;
    TPenStyle Style = psSolid;
    bool operator==(const TPen&) const = default;
};

struct TBrush
{
    TColor Color = clWhite;
    TBrushStyle Style = bsSolid;
    bool operator==(const TBrush&) const = default;
};

// How one run of text is put out: optionally clipped to a rectangle, right to left, and with explicit
// whole-pixel advances (one per UTF-16 unit of the text) instead of the font's own.
struct TTextOutOptions
{
    std::optional<TRect> Clip;
    bool RightToLeft = false;
    std::span<const int> Advances;
};

// Flags of word-wrapped output into a rectangle.
enum TTextFlag : int {
    tfLeft = 0,
    tfCenter = 1,
    tfRight = 2,
    tfVCenter = 4,
    tfBottom = 8,
    tfWordBreak = 16,
    tfSingleLine = 32,
    tfNoClip = 256,
};

// Drawing state (pen, brush, font, background mode) is set on the public members and read by each
// call, as on a device context. Pixel rules: fills exclude the right and bottom edges, a line's end
// point is not painted, text advances are whole pixels, and edges are not antialiased.
// A canvas is owned by whoever created it; drawing calls never take ownership of their arguments.
class Canvas
{
public:
    virtual ~Canvas() = default;

    TPen Pen;
    TBrush Brush;
    TFontDesc Font;
    TBkMode BkMode = bkTransparent; // opaque fills the gaps of dashed pens with the brush colour

    // Shapes are filled with the brush and outlined with the pen; a clNone colour paints nothing.
    virtual void FillRect(const TRect& rect) = 0; // brush only
    virtual void Rectangle(const TRect& rect) = 0;
    virtual void RoundRect(const TRect& rect, int cornerWidth, int cornerHeight) = 0;
    virtual void Ellipse(const TRect& rect) = 0;
    virtual void Polygon(std::span<const TPoint> points) = 0;
    virtual void Polyline(std::span<const TPoint> points) = 0; // pen only

    void MoveTo(int x, int y) { penPos_ = { x, y }; }
    void LineTo(int x, int y);
    TPoint PenPos() const { return penPos_; }

    // Text of the current font. Advances are whole pixels, one per UTF-16 unit (the second unit of a
    // surrogate pair advances 0); the total extent is the sum, the last cumulative extent.
    virtual TFontMetrics FontMetrics() = 0;
    virtual std::vector<int> CharAdvances(std::u16string_view text) = 0;
    std::vector<int> CumulativeExtents(std::u16string_view text);
    TSize TextExtent(std::u16string_view text);
    // (x, y) is the top-left corner of the text cell, rotated with the font's escapement around it.
    virtual void TextOut(int x, int y, std::u16string_view text, const TTextOutOptions& options = {}) = 0;
    virtual void DrawTextWrapped(const TRect& rect, std::u16string_view text, int flags) = 0;

    virtual int DpiX() const = 0;
    virtual int DpiY() const = 0;
    virtual bool IsPrinter() const = 0;

    // Clip regions nest: every SaveClip is matched by one RestoreClip.
    virtual void SaveClip() = 0;
    virtual void IntersectClip(const TRect& rect) = 0;
    virtual void RestoreClip() = 0;
    // Whether any part of the rectangle can show: inside the device and the clip region. A canvas
    // that records (a metafile) answers true.
    virtual bool RectVisible(const TRect&) const { return true; }

    // Pictures drawn stretched into the rectangle (printers smooth the stretch, screens do not).
    virtual void DrawImage(const TRect& dest, const RasterImage& image) = 0;
    void DrawMetafile(const TRect& dest, const Metafile& picture);

    // Exclusive use by one drawing routine at a time; calls nest.
    void Lock() { ++lockCount_; }
    void Unlock()
    {
        if (lockCount_ > 0)
            --lockCount_;
    }
    bool IsLocked() const { return lockCount_ > 0; }

protected:
    virtual void DrawLine(TPoint from, TPoint to) = 0; // pen only; `to` is not painted

private:
    TPoint penPos_;
    int lockCount_ = 0;
};

// Selects a brush for the lifetime of the scope and restores the previous one (the hatch-for-one-call rule).
class BrushScope
{
public:
    BrushScope(Canvas& canvas, const TBrush& brush)
        : canvas_(canvas)
        , saved_(canvas.Brush)
    {
        canvas.Brush = brush;
    }
    ~BrushScope() { canvas_.Brush = saved_; }
    BrushScope(const BrushScope&) = delete;
    BrushScope& operator=(const BrushScope&) = delete;

private:
    Canvas& canvas_;
    TBrush saved_;
};

// The dash pattern of a one-pixel pen: lengths of drawn and skipped runs, starting with a drawn one.
std::span<const int> PenDashPattern(TPenStyle style);

} // namespace qbx

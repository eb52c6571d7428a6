// The view drawing sequence: device rectangle, fill and hatch, drop shadow and the frame lines.
#include "base/Exceptions.h"
#include "base/Rounding.h"
#include "base/Unicode.h"
#include "platform/Fonts.h"
#include "views/TqbxView.h"

namespace qbx {

void TqbxView::Draw(Canvas& canvas, long double scaleX, long double scaleY, long double offsetX, long double offsetY)
{
    BeginDraw(canvas, scaleX, scaleY, offsetX, offsetY);
    DrawBackground();
    DrawFrame();
}

void TqbxView::BeginDraw(
    Canvas& canvas, long double scaleX, long double scaleY, long double offsetX, long double offsetY)
{
    canvas_ = &canvas;
    SetDeviceRect(scaleX, scaleY, offsetX, offsetY);
}

void TqbxView::SetDeviceRect(long double scaleX, long double scaleY, long double offsetX, long double offsetY)
{
    scaleX_ = scaleX;
    scaleY_ = scaleY;
    offsetX_ = offsetX;
    offsetY_ = offsetY;
    FX = RoundToInt(offsetX + scaleX * AbsLeft());
    FY = RoundToInt(offsetY + scaleY * AbsTop());
    FX1 = RoundToInt(offsetX + scaleX * (AbsLeft() + Width()));
    FY1 = RoundToInt(offsetY + scaleY * (AbsTop() + Height()));
    if (Frame.DropShadow) {
        // The shadow lies inside the object's bounds.
        FX1 -= RoundToInt(scaleX * Frame.ShadowWidth);
        FY1 -= RoundToInt(scaleY * Frame.ShadowWidth);
    }
    FDX = FX1 - FX;
    FDY = FY1 - FY;
    FFrameWidth = RoundToInt(scaleX * Frame.Width());
}

void TqbxView::DrawBackground()
{
    Canvas& c = *canvas_;
    if (Color != clNone) {
        BrushScope fill(c, { Color, bsSolid });
        c.FillRect({ FX, FY, FX1, FY1 });
    }
    if (BrushStyle >= bsHorizontal && BrushStyle <= bsDiagCross) {
        BrushScope hatch(c, { Frame.Color(), BrushStyle }); // hatches take the frame's colour
        c.FillRect({ FX, FY, FX1 + 1, FY1 + 1 }); // the hatch reaches the far edges, where the frame lies
    }
}

void TqbxView::DrawThickLine(int x1, int y1, int x2, int y2, int w)
{
    if (w <= 0)
        w = 1;
    int from = -(w / 2), to = w % 2 == 0 ? w / 2 - 1 : w / 2;
    bool shiftY = std::abs(x2 - x1) > std::abs(y2 - y1);
    for (int d = from; d <= to; ++d) {
        canvas_->MoveTo(x1 + (shiftY ? 0 : d), y1 + (shiftY ? d : 0));
        canvas_->LineTo(x2 + (shiftY ? 0 : d), y2 + (shiftY ? d : 0));
    }
}

void TqbxView::DrawFrameLine(
    int x1, int y1, int x2, int y2, const TqbxFrameLine& line, Side side, bool firstFramed, bool secondFramed)
{
    Canvas& c = *canvas_;
    int w = RoundToInt(line.Width * scaleX_);
    if (line.Style == fsSolid) {
        c.MoveTo(x1, y1);
        c.LineTo(x2, y2);
        return;
    }
    if (line.Style != fsDouble) {
        DrawThickLine(x1, y1, x2, y2, w);
        return;
    }
    // Two lines at distance w on either side; at a framed corner the outer one is longer, the inner shorter.
    int a = firstFramed ? w : 0, b = secondFramed ? w : 0;
    int s = side == Side::Left || side == Side::Top ? -1 : 1;
    bool vertical = side == Side::Left || side == Side::Right;
    auto segment = [&](int dx1, int dy1, int dx2, int dy2) {
        c.MoveTo(x1 + dx1, y1 + dy1);
        c.LineTo(x2 + dx2, y2 + dy2);
    };
    if (vertical)
        segment(-w, s * a, -w, -s * b);
    else
        segment(s * a, -w, -s * b, -w);
    if (Color != clNone) {
        c.Pen.Color = Color; // clears the middle between the two lines
        segment(0, 0, 0, 0);
        c.Pen.Color = line.Color;
    }
    if (vertical)
        segment(w, -s * a, w, s * b);
    else
        segment(-s * a, w, s * b, w);
}

void TqbxView::UseGapBrush()
{
    canvas_->Brush = { Color == clNone ? clWhite : Color, Color == clNone ? bsClear : bsSolid };
    canvas_->BkMode = Color == clNone ? bkTransparent : bkOpaque;
}

void TqbxView::DrawFrame()
{
    Canvas& c = *canvas_;
    if (Frame.DropShadow) {
        c.Pen = { Frame.ShadowColor, 1, psSolid };
        int d = RoundToInt(Frame.ShadowWidth * scaleX_);
        DrawThickLine(FX1 + d / 2, FY + d, FX1 + d / 2, FY1, d);
        int e = RoundToInt(Frame.ShadowWidth * scaleY_);
        DrawThickLine(FX + e, FY1 + e / 2, FX1 + e, FY1 + e / 2, e);
    }
    if (Frame.Typ == 0 || Frame.Color() == clNone || Frame.Width() == 0)
        return;
    // The brush and background fill the gaps of dashed lines.
    BrushScope gaps(
        c, { Color == clNone ? clWhite : Color, Frame.Style() != fsSolid && Color == clNone ? bsClear : bsSolid });
    TBkMode savedMode = c.BkMode;
    c.BkMode = Frame.Style() != fsSolid && Color != clNone ? bkOpaque : bkTransparent;
    auto pen = [&](const TqbxFrameLine& line) {
        bool solid = line.Style == fsSolid || line.Style == fsDouble;
        c.Pen = { line.Color, solid ? RoundToInt(line.Width * scaleX_) : 1,
            solid ? psSolid : static_cast<TPenStyle>(line.Style) };
    };
    bool left = Frame.Typ & ftLeft, right = Frame.Typ & ftRight, top = Frame.Typ & ftTop, bottom = Frame.Typ & ftBottom;
    if (left) {
        pen(Frame.LeftLine);
        int k = c.Pen.Width == 2 ? 1 : 0;
        DrawFrameLine(FX, FY - k, FX, FY1, Frame.LeftLine, Side::Left, top, bottom);
    }
    if (right) {
        pen(Frame.RightLine);
        DrawFrameLine(FX1, FY, FX1, FY1, Frame.RightLine, Side::Right, top, bottom);
    }
    if (top) {
        pen(Frame.TopLine);
        DrawFrameLine(FX, FY, FX1, FY, Frame.TopLine, Side::Top, left, right);
    }
    if (bottom) {
        pen(Frame.BottomLine);
        int k = c.Pen.Width == 1 ? 1 : 0;
        DrawFrameLine(FX, FY1, FX1 + k, FY1, Frame.BottomLine, Side::Bottom, left, right);
    }
    c.BkMode = savedMode;
}

void TqbxSubreport::Draw(
    Canvas& canvas, long double scaleX, long double scaleY, long double offsetX, long double offsetY)
{
    TqbxView::Draw(canvas, scaleX, scaleY, offsetX, offsetY);
    TFontDesc font = Font().ToDesc();
    font.Height = FontHeightForSize(Font().Size(), scaleY * 96);
    canvas.Font = font;
    canvas.TextOut(FX + 2, FY + 2, Utf8ToUtf16(Name()));
}

} // namespace qbx

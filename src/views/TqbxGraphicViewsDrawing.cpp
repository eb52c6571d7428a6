// Drawing lines with their arrow heads, the seven shapes, and pictures.
#include "base/Exceptions.h"
#include "base/Rounding.h"
#include "base/Unicode.h"
#include "platform/Files.h"
#include "report/TqbxReport.h"
#include "views/TqbxGraphicViews.h"

#include <algorithm>
#include <cmath>

namespace qbx {

// ---- lines ----

namespace {

struct ArrowHead
{
    TPoint Tip, Left, Right;
};

// The head of an arrow with its tip at `tip` pointing away from `other`, L long and w wide on each side.
ArrowHead MakeArrow(TPoint tip, TPoint other, long double length, long double width)
{
    int L = RoundToInt(length), w = RoundToInt(width);
    if (std::abs(tip.X - other.X) < 9) {
        int down = tip.Y + L;
        bool between = (down >= std::min(tip.Y, other.Y) && down <= std::max(tip.Y, other.Y));
        TPoint base { tip.X, between ? down : tip.Y - L };
        return { tip, { base.X - w, base.Y }, { base.X + w, base.Y } };
    }
    long double dx = other.X - tip.X, dy = other.Y - tip.Y, distance = std::hypot(dx, dy);
    long double bx = tip.X + dx / distance * length, by = tip.Y + dy / distance * length;
    if (tip.Y == other.Y)
        return { tip, { RoundToInt(bx), RoundToInt(by - width) }, { RoundToInt(bx), RoundToInt(by + width) } };
    long double theta = std::atan(dy / dx);
    long double px = std::sin(theta) * width, py = -std::cos(theta) * width;
    return { tip, { RoundToInt(bx + px), RoundToInt(by + py) }, { RoundToInt(bx - px), RoundToInt(by - py) } };
}

} // namespace

void TqbxCustomLineView::Draw(
    Canvas& canvas, long double scaleX, long double scaleY, long double offsetX, long double offsetY)
{
    // A straight line is made exactly vertical or horizontal, and stays so; its frame line draws it.
    if (Width() <= Height()) {
        SetWidth(0);
        Frame.Typ = ftLeft;
    } else {
        SetHeight(0);
        Frame.Typ = ftTop;
    }
    BeginDraw(canvas, scaleX, scaleY, offsetX, offsetY);
    DrawFrame();
}

void TqbxLineView::Draw(
    Canvas& canvas, long double scaleX, long double scaleY, long double offsetX, long double offsetY)
{
    if (!Diagonal) {
        TqbxCustomLineView::Draw(canvas, scaleX, scaleY, offsetX, offsetY);
    } else {
        BeginDraw(canvas, scaleX, scaleY, offsetX, offsetY);
        if (Frame.Color() != clNone && Frame.Width() != 0) {
            UseGapBrush();
            TqbxFrameStyle style = Frame.Style() == fsDouble ? fsSolid : Frame.Style();
            canvas.Pen = { Frame.Color(), 1, static_cast<TPenStyle>(style) };
            DrawThickLine(FX, FY, FX1, FY1, FFrameWidth);
        }
    }
    for (bool atStart : { true, false }) {
        if (!(atStart ? ArrowStart : ArrowEnd) || Frame.Color() == clNone)
            continue;
        TPoint start { FX, FY }, end { FX1, FY1 };
        ArrowHead head
            = MakeArrow(atStart ? start : end, atStart ? end : start, ArrowLength * scaleX, ArrowWidth * scaleX);
        if (ArrowSolid) {
            canvas.Pen = { Frame.Color(), 1, psSolid };
            canvas.Brush = { Frame.Color(), bsSolid };
            TPoint triangle[3] = { head.Tip, head.Left, head.Right };
            canvas.Polygon(triangle);
        } else {
            canvas.Pen = { Frame.Color(), FFrameWidth, psSolid };
            TPoint strokes[3] = { head.Left, head.Tip, head.Right };
            canvas.Polyline(strokes);
        }
    }
}

// ---- shapes ----

void TqbxShapeView::DrawFigure()
{
    Canvas& c = *canvas_;
    TRect r { FX, FY, FX1 + 1, FY1 + 1 };
    switch (Shape) {
    case skRectangle:
        c.Rectangle(r);
        break;
    case skRoundRectangle: {
        int corner = Curve == 0 ? std::min(FDX, FDY) / 4 : RoundToInt(Curve * scaleX_ * 10);
        c.RoundRect(r, corner, corner);
        break;
    }
    case skEllipse:
        c.Ellipse(r);
        break;
    case skTriangle: {
        TPoint p[3] = { { FX1, FY1 }, { FX, FY1 }, { FX + FDX / 2, FY } };
        c.Polygon(p);
        break;
    }
    case skDiamond: {
        TPoint p[4] = { { FX + FDX / 2, FY }, { FX1, FY + FDY / 2 }, { FX + FDX / 2, FY1 }, { FX, FY + FDY / 2 } };
        c.Polygon(p);
        break;
    }
    case skDiagonal1:
    case skDiagonal2: {
        TPen pen = c.Pen;
        c.Pen.Width = 1;
        if (Shape == skDiagonal1)
            DrawThickLine(FX, FY1, FX1, FY, FFrameWidth);
        else
            DrawThickLine(FX, FY, FX1, FY1, FFrameWidth);
        c.Pen = pen;
        break;
    }
    }
}

void TqbxShapeView::Draw(
    Canvas& canvas, long double scaleX, long double scaleY, long double offsetX, long double offsetY)
{
    bool twice = Frame.Style() == fsDouble;
    TqbxFrameStyle style = Frame.Style();
    long double left = Left(), top = Top(), width = Width(), height = Height(), f = Frame.Width();
    if (twice)
        Frame.SetStyle(fsSolid);
    for (int pass = 0; pass < (twice ? 2 : 1); ++pass) {
        if (pass == 1) {
            // The inner copy of a double outline, inset by multiples of the frame width.
            struct Inset
            {
                long double l, t, w, h;
            };
            Inset in = Shape == skTriangle                       ? Inset { 4 * f, 4 * f, 8 * f, 6 * f }
                : Shape == skDiamond                             ? Inset { 3 * f, 3 * f, 6 * f, 6 * f }
                : (Shape == skDiagonal1 || Shape == skDiagonal2) ? Inset { 2 * f, 0, 0, 0 }
                                                                 : Inset { 2 * f, 2 * f, 4 * f, 4 * f };
            SetBounds(left + in.l, top + in.t, width - in.w, height - in.h);
        }
        BeginDraw(canvas, scaleX, scaleY, offsetX, offsetY);
        canvas.Pen = { Frame.Color(), FFrameWidth, static_cast<TPenStyle>(Frame.Style()) };
        canvas.BkMode = bkOpaque;
        if (BrushStyle == bsSolid || BrushStyle == bsClear) {
            canvas.Brush
                = { Color == clNone ? clWhite : Color, Color == clNone || BrushStyle == bsClear ? bsClear : bsSolid };
            DrawFigure();
        } else {
            if (Color != clNone) {
                canvas.Brush = { Color, bsSolid };
                DrawFigure();
            }
            canvas.Brush = { Frame.Color(), BrushStyle };
            DrawFigure();
        }
    }
    if (twice) {
        Frame.SetStyle(style);
        SetBounds(left, top, width, height);
    }
}

// ---- pictures ----

const RasterImage* TqbxPictureView::Image()
{
    if (picture_.empty())
        return nullptr;
    if (!image_ || decodedFrom_ != picture_) {
        image_ = std::make_shared<RasterImage>(DecodePicture(picture_));
        decodedFrom_ = picture_;
    }
    return image_.get();
}

void TqbxPictureView::Draw(
    Canvas& canvas, long double scaleX, long double scaleY, long double offsetX, long double offsetY)
{
    BeginDraw(canvas, scaleX, scaleY, offsetX, offsetY);
    DrawBackground();
    const RasterImage* image = Image();
    if (image && !image->IsEmpty()) {
        TRect r { FX, FY, FX1, FY1 };
        bool clip = false;
        if (Stretched) {
            if (KeepAspectRatio) {
                long double kx = static_cast<long double>(FDX) / image->Width();
                long double ky = static_cast<long double>(FDY) / image->Height();
                if (ky > kx)
                    r.Bottom = r.Top + RoundToInt(image->Height() * kx);
                else
                    r.Right = r.Left + RoundToInt(image->Width() * ky);
                if (Center) {
                    int dx = (FX1 - r.Right) / 2, dy = (FY1 - r.Bottom) / 2;
                    r = { r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy };
                }
            }
        } else {
            int w = RoundToInt(scaleX * image->Width()), h = RoundToInt(scaleY * image->Height());
            int dx = Center ? (FDX - w) / 2 : 0, dy = Center ? (FDY - h) / 2 : 0;
            r = { FX + dx, FY + dy, FX + dx + w, FY + dy + h };
            clip = true;
        }
        if (clip) {
            canvas.SaveClip();
            canvas.IntersectClip({ FX, FY, FX1, FY1 });
        }
        canvas.DrawImage(r, *image);
        if (clip)
            canvas.RestoreClip();
    }
    DrawFrame();
}

bool TqbxPictureView::LoadFromData(std::string_view data)
{
    auto word = [&](std::size_t at) {
        return static_cast<unsigned>(
            static_cast<unsigned char>(data[at]) | static_cast<unsigned char>(data[at + 1]) << 8);
    };
    // An 8-byte header of the words 1 and 256 and the length of what follows is skipped.
    if (data.size() >= 8 && word(0) == 1 && word(2) == 256 && (word(4) | word(6) << 16) == data.size() - 8)
        data.remove_prefix(8);
    PictureFormat format = DetectPictureFormat(data);
    if (format == PictureFormat::Unknown || (format == PictureFormat::Bitmap && data.size() < 14)) {
        SetPicture({});
        return false;
    }
    SetPicture(std::string(data));
    return true;
}

void TqbxPictureView::GetData()
{
    TqbxView::GetData();
    TqbxReport* report = Report();
    if (!FileLink.empty()) {
        std::string name = report ? ExpandExpressions(FileLink, *report) : FileLink;
        if (FileExists(name))
            LoadFromData(ReadWholeFile(name));
        else
            SetPicture({});
    } else if (IsDataField() && DataSet()->IsBlobField(DataField)) {
        LoadFromData(DataSet()->GetValue(DataField).ToText());
    }
}

void TqbxPictureView::LoadFromFile(const std::string& fileName)
{
    std::string extension = AsciiLower(fileName.substr(std::min(fileName.size(), fileName.find_last_of('.'))));
    if (extension != ".bmp" && extension != ".jpg" && extension != ".jpeg")
        throw EConvertError("Cannot load picture " + fileName + ": only .bmp, .jpg and .jpeg files are read");
    std::string bytes = ReadWholeFile(fileName);
    try {
        DecodePicture(bytes);
    } catch (const EConvertError& e) {
        throw EConvertError("Cannot load picture " + fileName + ": " + e.what());
    }
    SetPicture(bytes);
}

} // namespace qbx

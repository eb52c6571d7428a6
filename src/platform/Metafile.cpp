// Recording and stretched playback of vector pictures.
#include "platform/Metafile.h"

#include "base/Exceptions.h"
#include "base/Rounding.h"
#include "base/Unicode.h"
#include "platform/Pictures.h"

#include <cstdio>

namespace qbx {
namespace {

std::string Hex(TColor c)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%06X", static_cast<unsigned>(c));
    return buffer;
}

std::string RectText(const TRect& r)
{
    return std::to_string(r.Left) + "," + std::to_string(r.Top) + "," + std::to_string(r.Right) + ","
        + std::to_string(r.Bottom);
}

std::string PenText(const TPen& p)
{
    return " pen=" + Hex(p.Color) + "/" + std::to_string(p.Width) + "/" + std::to_string(p.Style);
}
std::string BrushText(const TBrush& b)
{
    return " brush=" + Hex(b.Color) + "/" + std::to_string(b.Style);
}

std::string PointsText(const std::vector<TPoint>& points)
{
    std::string out;
    for (const TPoint& p : points)
        out += " " + std::to_string(p.X) + "," + std::to_string(p.Y);
    return out;
}

// Maps frame coordinates onto the destination rectangle.
struct Mapping
{
    long double ScaleX = 1, ScaleY = 1;
    int OffsetX = 0, OffsetY = 0;
    int X(int x) const { return OffsetX + RoundToInt(x * ScaleX); }
    int Y(int y) const { return OffsetY + RoundToInt(y * ScaleY); }
    TPoint Point(TPoint p) const { return { X(p.X), Y(p.Y) }; }
    TRect Rect(const TRect& r) const { return { X(r.Left), Y(r.Top), X(r.Right), Y(r.Bottom) }; }
    int Length(int n, long double scale) const { return n == 0 ? 0 : std::max(1, RoundToInt(n * scale)); }
};

void ApplyState(Canvas& target, const CanvasCommand& c, const Mapping& m)
{
    target.Pen = c.Pen;
    target.Pen.Width = m.Length(c.Pen.Width, m.ScaleX);
    target.Brush = c.Brush;
    target.Font = c.Font;
    target.Font.Height
        = c.Font.Height == 0 ? 0 : (c.Font.Height < 0 ? -1 : 1) * m.Length(std::abs(c.Font.Height), m.ScaleY);
    target.BkMode = c.BkMode;
}

std::vector<TPoint> MapPoints(const std::vector<TPoint>& points, const Mapping& m)
{
    std::vector<TPoint> out;
    out.reserve(points.size());
    for (const TPoint& p : points)
        out.push_back(m.Point(p));
    return out;
}

// Scales advances so that their running sum follows the mapping without drifting by rounding.
std::vector<int> MapAdvances(const std::vector<int>& advances, long double scale)
{
    std::vector<int> out;
    out.reserve(advances.size());
    long long sum = 0;
    int placed = 0;
    for (int a : advances) {
        sum += a;
        int next = RoundToInt(sum * scale);
        out.push_back(next - placed);
        placed = next;
    }
    return out;
}

void PlayOne(Canvas& target, const CanvasCommand& c, const Mapping& m)
{
    ApplyState(target, c, m);
    switch (c.Type) {
    case CanvasCommand::FillRect:
        target.FillRect(m.Rect(c.Rect));
        break;
    case CanvasCommand::Rectangle:
        target.Rectangle(m.Rect(c.Rect));
        break;
    case CanvasCommand::RoundRect:
        target.RoundRect(m.Rect(c.Rect), m.Length(c.CornerWidth, m.ScaleX), m.Length(c.CornerHeight, m.ScaleY));
        break;
    case CanvasCommand::Ellipse:
        target.Ellipse(m.Rect(c.Rect));
        break;
    case CanvasCommand::Polygon:
        target.Polygon(MapPoints(c.Points, m));
        break;
    case CanvasCommand::Polyline:
        target.Polyline(MapPoints(c.Points, m));
        break;
    case CanvasCommand::Line: {
        TPoint from = m.Point(c.Points[0]), to = m.Point(c.Points[1]);
        target.MoveTo(from.X, from.Y);
        target.LineTo(to.X, to.Y);
        break;
    }
    case CanvasCommand::TextOut: {
        std::vector<int> advances = MapAdvances(c.Advances, m.ScaleX);
        TTextOutOptions options { c.Clip ? std::optional<TRect>(m.Rect(*c.Clip)) : std::nullopt, c.RightToLeft,
            advances };
        TPoint at = m.Point(c.Points[0]);
        target.TextOut(at.X, at.Y, c.Text, options);
        break;
    }
    case CanvasCommand::TextWrapped:
        target.DrawTextWrapped(m.Rect(c.Rect), c.Text, c.Flags);
        break;
    case CanvasCommand::Image:
        target.DrawImage(m.Rect(c.Rect), *c.Picture);
        break;
    case CanvasCommand::SaveClip:
        target.SaveClip();
        break;
    case CanvasCommand::IntersectClip:
        target.IntersectClip(m.Rect(c.Rect));
        break;
    case CanvasCommand::RestoreClip:
        target.RestoreClip();
        break;
    }
}

} // namespace

std::string DescribeCommand(const CanvasCommand& c)
{
    switch (c.Type) {
    case CanvasCommand::FillRect:
        return "FillRect " + RectText(c.Rect) + BrushText(c.Brush);
    case CanvasCommand::Rectangle:
        return "Rectangle " + RectText(c.Rect) + PenText(c.Pen) + BrushText(c.Brush);
    case CanvasCommand::RoundRect:
        return "RoundRect " + RectText(c.Rect) + " " + std::to_string(c.CornerWidth) + ","
            + std::to_string(c.CornerHeight) + PenText(c.Pen) + BrushText(c.Brush);
    case CanvasCommand::Ellipse:
        return "Ellipse " + RectText(c.Rect) + PenText(c.Pen) + BrushText(c.Brush);
    case CanvasCommand::Polygon:
        return "Polygon" + PointsText(c.Points) + PenText(c.Pen) + BrushText(c.Brush);
    case CanvasCommand::Polyline:
        return "Polyline" + PointsText(c.Points) + PenText(c.Pen);
    case CanvasCommand::Line:
        return "Line" + PointsText(c.Points) + PenText(c.Pen);
    case CanvasCommand::TextOut:
        return "TextOut" + PointsText(c.Points) + " \"" + Utf16ToUtf8(c.Text) + "\" font=" + c.Font.Name + "/"
            + std::to_string(c.Font.Height) + "/" + std::to_string(c.Font.Style) + "/" + Hex(c.Font.Color)
            + (c.Font.Escapement ? "/esc" + std::to_string(c.Font.Escapement) : "");
    case CanvasCommand::TextWrapped:
        return "TextWrapped " + RectText(c.Rect) + " \"" + Utf16ToUtf8(c.Text) + "\"";
    case CanvasCommand::Image:
        return "Image " + RectText(c.Rect) + " " + std::to_string(c.Picture->Width()) + "x"
            + std::to_string(c.Picture->Height());
    case CanvasCommand::SaveClip:
        return "SaveClip";
    case CanvasCommand::IntersectClip:
        return "IntersectClip " + RectText(c.Rect);
    case CanvasCommand::RestoreClip:
        return "RestoreClip";
    }
    return "?";
}

void Metafile::PlayOn(Canvas& target, const TRect& dest) const
{
    if (Size.Width <= 0 || Size.Height <= 0 || dest.IsEmpty())
        return;
    Mapping m { static_cast<long double>(dest.Width()) / Size.Width,
        static_cast<long double>(dest.Height()) / Size.Height, dest.Left, dest.Top };
    TPen pen = target.Pen;
    TBrush brush = target.Brush;
    TFontDesc font = target.Font;
    TBkMode mode = target.BkMode;
    target.SaveClip();
    target.IntersectClip(dest);
    for (const CanvasCommand& c : Commands)
        PlayOne(target, c, m);
    target.RestoreClip();
    target.Pen = pen;
    target.Brush = brush;
    target.Font = font;
    target.BkMode = mode;
}

MetafileCanvas::MetafileCanvas(TSize size, Canvas& measuring)
    : measuring_(&measuring)
    , dpi_(measuring.DpiX())
    , printer_(measuring.IsPrinter())
{
    picture_.Size = size;
    picture_.Dpi = dpi_;
}

MetafileCanvas::MetafileCanvas(TSize size, int dpi, bool printer)
    : dpi_(dpi)
    , printer_(printer)
{
    picture_.Size = size;
    picture_.Dpi = dpi;
}

Metafile MetafileCanvas::TakePicture()
{
    Metafile out = std::move(picture_);
    picture_ = Metafile { out.Size, out.Dpi, {} };
    return out;
}

CanvasCommand& MetafileCanvas::Record(CanvasCommand::Kind kind)
{
    CanvasCommand& c = picture_.Commands.emplace_back();
    c.Type = kind;
    c.Pen = Pen;
    c.Brush = Brush;
    c.Font = Font;
    c.BkMode = BkMode;
    return c;
}

void MetafileCanvas::FillRect(const TRect& rect)
{
    Record(CanvasCommand::FillRect).Rect = rect;
}
void MetafileCanvas::Rectangle(const TRect& rect)
{
    Record(CanvasCommand::Rectangle).Rect = rect;
}
void MetafileCanvas::Ellipse(const TRect& rect)
{
    Record(CanvasCommand::Ellipse).Rect = rect;
}

void MetafileCanvas::RoundRect(const TRect& rect, int cornerWidth, int cornerHeight)
{
    CanvasCommand& c = Record(CanvasCommand::RoundRect);
    c.Rect = rect;
    c.CornerWidth = cornerWidth;
    c.CornerHeight = cornerHeight;
}

void MetafileCanvas::Polygon(std::span<const TPoint> points)
{
    Record(CanvasCommand::Polygon).Points.assign(points.begin(), points.end());
}

void MetafileCanvas::Polyline(std::span<const TPoint> points)
{
    Record(CanvasCommand::Polyline).Points.assign(points.begin(), points.end());
}

void MetafileCanvas::DrawLine(TPoint from, TPoint to)
{
    Record(CanvasCommand::Line).Points = { from, to };
}

TFontMetrics MetafileCanvas::FontMetrics()
{
    measuring_->Font = Font;
    return measuring_->FontMetrics();
}

std::vector<int> MetafileCanvas::CharAdvances(std::u16string_view text)
{
    measuring_->Font = Font;
    return measuring_->CharAdvances(text);
}

void MetafileCanvas::TextOut(int x, int y, std::u16string_view text, const TTextOutOptions& options)
{
    // Advances are fixed at recording time so that playback on any device keeps the recorded layout.
    std::vector<int> advances(options.Advances.begin(), options.Advances.end());
    if (advances.size() != text.size())
        advances = CharAdvances(text);
    CanvasCommand& c = Record(CanvasCommand::TextOut);
    c.Points = { { x, y } };
    c.Text = std::u16string(text);
    c.Advances = std::move(advances);
    c.Clip = options.Clip;
    c.RightToLeft = options.RightToLeft;
}

void MetafileCanvas::DrawTextWrapped(const TRect& rect, std::u16string_view text, int flags)
{
    CanvasCommand& c = Record(CanvasCommand::TextWrapped);
    c.Rect = rect;
    c.Text = std::u16string(text);
    c.Flags = flags;
}

int MetafileCanvas::DpiX() const
{
    return dpi_;
}
int MetafileCanvas::DpiY() const
{
    return dpi_;
}
bool MetafileCanvas::IsPrinter() const
{
    return printer_;
}
void MetafileCanvas::SaveClip()
{
    Record(CanvasCommand::SaveClip);
}
void MetafileCanvas::IntersectClip(const TRect& rect)
{
    Record(CanvasCommand::IntersectClip).Rect = rect;
}
void MetafileCanvas::RestoreClip()
{
    Record(CanvasCommand::RestoreClip);
}

void MetafileCanvas::DrawImage(const TRect& dest, const RasterImage& image)
{
    CanvasCommand& c = Record(CanvasCommand::Image);
    c.Rect = dest;
    c.Picture = std::make_shared<const RasterImage>(image);
}

} // namespace qbx

// QPainter-backed canvas obeying the pixel rules of the drawing surface.
#include "platform/qt/QtCanvas.h"

#include "base/Exceptions.h"
#include "platform/Pictures.h"
#include "platform/qt/QtConvert_p.h"
#include "platform/qt/QtGlyphs.h"

#include <cmath>
#include <cstdlib>

#include <QFontMetrics>
#include <QGlyphRun>
#include <QPaintDevice>
#include <QPainterPath>
#include <QPolygon>

namespace qbx {
namespace {

Qt::BrushStyle ToQtBrushStyle(TBrushStyle style)
{
    switch (style) {
    case bsSolid:
        return Qt::SolidPattern;
    case bsClear:
        return Qt::NoBrush;
    case bsHorizontal:
        return Qt::HorPattern;
    case bsVertical:
        return Qt::VerPattern;
    case bsFDiagonal:
        return Qt::FDiagPattern;
    case bsBDiagonal:
        return Qt::BDiagPattern;
    case bsCross:
        return Qt::CrossPattern;
    case bsDiagCross:
        return Qt::DiagCrossPattern;
    }
    return Qt::NoBrush;
}

// The pixels of a line from `from` to `to`, end point excluded (Bresenham).
std::vector<TPoint> LinePixels(TPoint from, TPoint to)
{
    std::vector<TPoint> pixels;
    int dx = std::abs(to.X - from.X), dy = -std::abs(to.Y - from.Y);
    int sx = from.X < to.X ? 1 : -1, sy = from.Y < to.Y ? 1 : -1;
    int error = dx + dy;
    TPoint p = from;
    while (p != to) {
        pixels.push_back(p);
        int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            p.X += sx;
        }
        if (twice <= dx) {
            error += dx;
            p.Y += sy;
        }
    }
    return pixels;
}

} // namespace

QFont ToQFont(const TFontDesc& font)
{
    QFont q(QString::fromStdString(font.Name));
    q.setPixelSize(std::max(1, std::abs(font.Height)));
    q.setBold((font.Style & fsBold) != 0);
    q.setItalic((font.Style & fsItalic) != 0);
    q.setUnderline((font.Style & fsUnderline) != 0);
    q.setStrikeOut((font.Style & fsStrikeOut) != 0);
    q.setKerning(false);
    q.setHintingPreference(QFont::PreferFullHinting);
    if (font.Height > 0) {
        // A positive height is the cell height: scale the em size so that ascent + descent fits it.
        QFontMetrics metrics(q);
        int cell = metrics.ascent() + metrics.descent();
        if (cell > 0)
            q.setPixelSize(std::max(1, static_cast<int>(std::lround(font.Height * double(font.Height) / cell))));
    }
    return q;
}

QtCanvas::QtCanvas(int width, int height, int dpi)
    : image_(QImage(std::max(1, width), std::max(1, height), QImage::Format_ARGB32))
    , dpi_(dpi)
{
    image_->fill(Qt::white);
    image_->setDotsPerMeterX(static_cast<int>(std::lround(dpi / 0.0254)));
    image_->setDotsPerMeterY(static_cast<int>(std::lround(dpi / 0.0254)));
    Begin(*image_);
}

QtCanvas::QtCanvas(QPaintDevice& device, int dpi, bool printer)
    : dpi_(dpi)
    , printer_(printer)
{
    Begin(device);
}

QtCanvas::~QtCanvas()
{
    if (painter_.isActive())
        painter_.end();
}

void QtCanvas::Begin(QPaintDevice& device)
{
    if (!painter_.begin(&device))
        throw EFileError("Cannot start drawing on the output device");
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, printer_);
}

void QtCanvas::SetTextAntialiasing(bool on)
{
    painter_.setRenderHint(QPainter::TextAntialiasing, on);
}

void QtCanvas::FillRect(const TRect& rect)
{
    if (Brush.Style == bsClear || Brush.Color == clNone || rect.IsEmpty())
        return;
    painter_.fillRect(ToQRect(rect), QBrush(ToQColor(Brush.Color), ToQtBrushStyle(Brush.Style)));
}

void QtCanvas::FillShape(const std::function<void()>& draw)
{
    if (Brush.Style == bsClear || Brush.Color == clNone)
        return;
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(QBrush(ToQColor(Brush.Color), ToQtBrushStyle(Brush.Style)));
    painter_.setBackgroundMode(Qt::TransparentMode);
    draw();
}

void QtCanvas::StrokeShape(const std::function<void()>& draw)
{
    if (Pen.Color == clNone || Pen.Width < 0)
        return;
    QPen pen(ToQColor(Pen.Color), std::max(1, Pen.Width), Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    pen.setCosmetic(Pen.Width <= 1);
    if (Pen.Style != psSolid && Pen.Width <= 1) {
        std::span<const int> pattern = PenDashPattern(Pen.Style);
        pen.setDashPattern(QList<qreal>(pattern.begin(), pattern.end()));
    }
    painter_.setPen(pen);
    painter_.setBrush(Qt::NoBrush);
    painter_.setBackgroundMode(BkMode == bkOpaque ? Qt::OpaqueMode : Qt::TransparentMode);
    painter_.setBackground(QBrush(ToQColor(Brush.Color)));
    draw();
    painter_.setBackgroundMode(Qt::TransparentMode);
}

void QtCanvas::PlotPixels(const std::vector<TPoint>& pixels)
{
    // Styled one-pixel pens follow the dash pattern pixel by pixel; gaps take the brush colour when opaque.
    std::span<const int> pattern = PenDashPattern(Pen.Style);
    QColor on = ToQColor(Pen.Color), off = ToQColor(Brush.Color);
    bool paintGaps = Pen.Style != psSolid && BkMode == bkOpaque && Brush.Color != clNone;
    std::size_t segment = 0;
    int left = pattern[0];
    for (const TPoint& p : pixels) {
        bool drawn = segment % 2 == 0;
        if (drawn || paintGaps)
            painter_.fillRect(p.X, p.Y, 1, 1, drawn ? on : off);
        if (Pen.Style != psSolid && --left == 0) {
            segment = (segment + 1) % pattern.size();
            left = pattern[segment];
        }
    }
}

void QtCanvas::DrawLine(TPoint from, TPoint to)
{
    if (Pen.Color == clNone || from == to)
        return;
    bool straight = from.X == to.X || from.Y == to.Y;
    if (straight && (Pen.Style == psSolid || Pen.Width > 1)) {
        // A straight run is one fill from the start up to, not including, the end point; a wide pen
        // spreads across the line, centred on it (dash styles apply to one-pixel pens only).
        int width = std::max(1, Pen.Width);
        int across = -(width / 2);
        int x0 = from.X == to.X ? from.X + across : std::min(from.X, to.X + 1);
        int y0 = from.Y == to.Y ? from.Y + across : std::min(from.Y, to.Y + 1);
        int w = from.X == to.X ? width : std::abs(to.X - from.X);
        int h = from.Y == to.Y ? width : std::abs(to.Y - from.Y);
        if (from.X < to.X)
            x0 = from.X;
        if (from.Y < to.Y)
            y0 = from.Y;
        painter_.fillRect(x0, y0, w, h, ToQColor(Pen.Color));
        return;
    }
    if (Pen.Width <= 1) {
        PlotPixels(LinePixels(from, to));
        return;
    }
    StrokeShape([&] { painter_.drawLine(QPointF(from.X + 0.5, from.Y + 0.5), QPointF(to.X + 0.5, to.Y + 0.5)); });
}

void QtCanvas::Rectangle(const TRect& rect)
{
    if (rect.IsEmpty())
        return;
    bool outline = Pen.Color != clNone;
    TRect inner = outline ? TRect { rect.Left + 1, rect.Top + 1, rect.Right - 1, rect.Bottom - 1 } : rect;
    FillRect(inner);
    if (!outline)
        return;
    TPoint corners[5] = { { rect.Left, rect.Top }, { rect.Right - 1, rect.Top }, { rect.Right - 1, rect.Bottom - 1 },
        { rect.Left, rect.Bottom - 1 }, { rect.Left, rect.Top } };
    if (rect.Width() == 1 || rect.Height() == 1) {
        TBrush saved = Brush;
        Brush = { Pen.Color, bsSolid };
        FillRect(rect);
        Brush = saved;
        return;
    }
    Polyline(corners);
}

void QtCanvas::RoundRect(const TRect& rect, int cornerWidth, int cornerHeight)
{
    QRectF r(rect.Left, rect.Top, rect.Width() - 1, rect.Height() - 1);
    FillShape([&] { painter_.drawRoundedRect(r.adjusted(0, 0, 1, 1), cornerWidth / 2.0, cornerHeight / 2.0); });
    StrokeShape([&] { painter_.drawRoundedRect(r, cornerWidth / 2.0, cornerHeight / 2.0); });
}

void QtCanvas::Ellipse(const TRect& rect)
{
    QRectF r(rect.Left, rect.Top, rect.Width() - 1, rect.Height() - 1);
    FillShape([&] { painter_.drawEllipse(r.adjusted(0, 0, 1, 1)); });
    StrokeShape([&] { painter_.drawEllipse(r); });
}

void QtCanvas::Polygon(std::span<const TPoint> points)
{
    QPolygon polygon;
    for (const TPoint& p : points)
        polygon << QPoint(p.X, p.Y);
    FillShape([&] { painter_.drawPolygon(polygon); });
    if (points.size() < 2)
        return;
    for (std::size_t i = 0; i < points.size(); ++i)
        DrawLine(points[i], points[(i + 1) % points.size()]);
}

void QtCanvas::Polyline(std::span<const TPoint> points)
{
    for (std::size_t i = 1; i < points.size(); ++i)
        DrawLine(points[i - 1], points[i]);
    if (!points.empty())
        MoveTo(points.back().X, points.back().Y);
}

TFontMetrics QtCanvas::FontMetrics()
{
    return QtGlyphs::Of(Font).Metrics();
}

namespace {

// The code point at `i` and the UTF-16 units it takes (2 for a surrogate pair).
char32_t CodePointAt(std::u16string_view text, std::size_t i, std::size_t& units)
{
    char16_t c = text[i];
    units = 1;
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
        units = 2;
        return 0x10000 + ((static_cast<char32_t>(c) - 0xD800) << 10) + (text[i + 1] - 0xDC00);
    }
    return c;
}

// Calls `f(index, units, codePoint, x)` for each character at its whole-pixel position: from `pos`
// rightwards, or leftwards from it for right-to-left text; a surrogate pair advances as one.
template <typename F>
void ForEachCharacter(std::u16string_view text, const std::vector<int>& advances, int pos, bool rightToLeft, F f)
{
    std::size_t units = 1;
    for (std::size_t i = 0; i < text.size(); i += units) {
        char32_t c = CodePointAt(text, i, units);
        int advance = advances[i] + (units == 2 ? advances[i + 1] : 0);
        if (rightToLeft)
            pos -= advance;
        f(i, units, c, pos);
        if (!rightToLeft)
            pos += advance;
    }
}

} // namespace

std::vector<int> QtCanvas::CharAdvances(std::u16string_view text)
{
    QtGlyphs& glyphs = QtGlyphs::Of(Font);
    std::vector<int> advances(text.size(), 0);
    std::size_t units = 1;
    for (std::size_t i = 0; i < text.size(); i += units)
        advances[i] = glyphs.Advance(CodePointAt(text, i, units));
    return advances;
}

void QtCanvas::TextOut(int x, int y, std::u16string_view text, const TTextOutOptions& options)
{
    if (text.empty())
        return;
    std::vector<int> advances(options.Advances.begin(), options.Advances.end());
    if (advances.size() != text.size())
        advances = CharAdvances(text);
    QtGlyphs& glyphs = QtGlyphs::Of(Font);
    const TFontMetrics& metrics = glyphs.Metrics();
    int total = 0;
    for (int a : advances)
        total += a;
    // Plain text is placed at its origin directly, and a clip that the text's cell lies within is left
    // out: saving, clipping and restoring the painter cost a graphics state on vector devices.
    const std::optional<TRect>& clip = options.Clip;
    bool inside = clip && Font.Escapement == 0 && x >= clip->Left && y >= clip->Top && x + total <= clip->Right
        && y + metrics.Height <= clip->Bottom;
    bool clipped = clip && !inside;
    bool transformed = clipped || Font.Escapement != 0;
    QPoint origin(x, y);
    if (transformed) {
        painter_.save();
        if (clipped)
            painter_.setClipRect(ToQRect(*clip), clip_ ? Qt::IntersectClip : Qt::ReplaceClip);
        painter_.translate(x, y);
        if (Font.Escapement != 0)
            painter_.rotate(-Font.Escapement / 10.0);
        origin = QPoint(0, 0);
    }
    if (BkMode == bkOpaque && Brush.Color != clNone)
        painter_.fillRect(origin.x(), origin.y(), total, metrics.Height, ToQColor(Brush.Color));
    QColor color = ToQColor(Font.Color);
    if (painter_.pen().color() != color || painter_.pen().style() != Qt::SolidLine)
        painter_.setPen(color);
    int start = options.RightToLeft ? total : 0;
    origin += QPoint(0, metrics.Ascent);
    if (textAsCharacters_)
        DrawCharacters(glyphs, text, advances, origin, start, options.RightToLeft);
    else
        DrawGlyphs(glyphs, text, advances, origin, start, options.RightToLeft);
    if (transformed)
        painter_.restore();
}

// Each character sits at its own whole-pixel position, so measured and drawn text agree exactly. The
// glyphs go out as one run per font (the font or a fallback); the PDF device keeps them as text.
void QtCanvas::DrawGlyphs(QtGlyphs& glyphs, std::u16string_view text, const std::vector<int>& advances, QPoint baseline,
    int pos, bool rightToLeft)
{
    int runFont = -1;
    QList<quint32> indexes;
    QList<QPointF> positions;
    auto flush = [&] {
        if (indexes.isEmpty())
            return;
        QGlyphRun run;
        run.setRawFont(glyphs.Font(runFont));
        run.setGlyphIndexes(indexes);
        run.setPositions(positions);
        run.setUnderline(glyphs.Font().underline());
        run.setStrikeOut(glyphs.Font().strikeOut());
        painter_.drawGlyphRun(baseline, run);
        indexes.clear();
        positions.clear();
    };
    ForEachCharacter(text, advances, pos, rightToLeft, [&](std::size_t, std::size_t, char32_t c, int x) {
        QtGlyph glyph = c < 0x20 ? QtGlyph {} : glyphs.Glyph(c);
        if (glyph.Index == 0)
            return;
        if (glyph.Font != runFont)
            flush();
        runFont = glyph.Font;
        indexes.append(glyph.Index);
        positions.append(QPointF(x, 0));
    });
    flush();
}

// One text item per character, for devices that keep text only from characters (SVG).
void QtCanvas::DrawCharacters(QtGlyphs& glyphs, std::u16string_view text, const std::vector<int>& advances,
    QPoint baseline, int pos, bool rightToLeft)
{
    painter_.setFont(glyphs.Font());
    ForEachCharacter(text, advances, pos, rightToLeft, [&](std::size_t i, std::size_t units, char32_t, int x) {
        painter_.drawText(baseline + QPoint(x, 0), ToQString(text.substr(i, units)));
    });
}

void QtCanvas::DrawTextWrapped(const TRect& rect, std::u16string_view text, int flags)
{
    int qtFlags = (flags & tfCenter) ? Qt::AlignHCenter : (flags & tfRight) ? Qt::AlignRight : Qt::AlignLeft;
    qtFlags |= (flags & tfVCenter) ? Qt::AlignVCenter : (flags & tfBottom) ? Qt::AlignBottom : Qt::AlignTop;
    if (flags & tfWordBreak)
        qtFlags |= Qt::TextWordWrap;
    if (flags & tfSingleLine)
        qtFlags |= Qt::TextSingleLine;
    if (flags & tfNoClip)
        qtFlags |= Qt::TextDontClip;
    painter_.setFont(QtGlyphs::Of(Font).Font());
    painter_.setPen(ToQColor(Font.Color));
    painter_.drawText(ToQRect(rect), qtFlags, ToQString(text));
}

void QtCanvas::SaveClip()
{
    savedClips_.push_back(clip_);
}

bool QtCanvas::RectVisible(const TRect& rect) const
{
    QRect r = ToQRect(rect);
    QPaintDevice* device = painter_.device();
    if (device && !r.intersects(QRect(0, 0, device->width(), device->height())))
        return false;
    return !clip_ || clip_->intersects(r);
}

void QtCanvas::IntersectClip(const TRect& rect)
{
    QRegion region(ToQRect(rect));
    clip_ = clip_ ? clip_->intersected(region) : region;
    painter_.setClipRegion(*clip_);
}

void QtCanvas::RestoreClip()
{
    if (savedClips_.empty())
        return;
    clip_ = savedClips_.back();
    savedClips_.pop_back();
    if (clip_)
        painter_.setClipRegion(*clip_);
    else
        painter_.setClipping(false);
}

void QtCanvas::DrawImage(const TRect& dest, const RasterImage& image)
{
    if (image.IsEmpty() || dest.IsEmpty())
        return;
    QImage source(reinterpret_cast<const uchar*>(image.Data()), image.Width(), image.Height(), image.Width() * 4,
        QImage::Format_ARGB32);
    painter_.drawImage(ToQRect(dest), source);
}

RasterImage QtCanvas::Snapshot() const
{
    if (!image_)
        throw ENotAvailable("This canvas draws on a device and has no pixels to read back");
    QImage copy = image_->convertToFormat(QImage::Format_ARGB32);
    RasterImage out(copy.width(), copy.height());
    for (int y = 0; y < copy.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(copy.constScanLine(y));
        for (int x = 0; x < copy.width(); ++x)
            out.SetPixel(x, y, row[x]);
    }
    return out;
}

} // namespace qbx

// Recorded vector pictures: a canvas that records its calls, and playback stretched into another canvas.
#pragma once

#include "platform/Canvas.h"

#include <memory>
#include <string>
#include <vector>

namespace qbx {

// One recorded drawing call with the drawing state it was made in.
struct CanvasCommand
{
    enum Kind {
        FillRect,
        Rectangle,
        RoundRect,
        Ellipse,
        Polygon,
        Polyline,
        Line,
        TextOut,
        TextWrapped,
        Image,
        SaveClip,
        IntersectClip,
        RestoreClip
    };
    Kind Type = FillRect;
    TPen Pen;
    TBrush Brush;
    TFontDesc Font;
    TBkMode BkMode = bkTransparent;
    TRect Rect; // shapes, wrapped text, images, clips
    std::vector<TPoint> Points; // polygons, lines (two points), text position (one point)
    int CornerWidth = 0, CornerHeight = 0;
    std::u16string Text;
    std::vector<int> Advances;
    std::optional<TRect> Clip;
    bool RightToLeft = false;
    int Flags = 0;
    std::shared_ptr<const RasterImage> Picture;
};

// One line of text per command, for logs and tests: "FillRect 0,0,10,10 brush=FFFFFF/0".
std::string DescribeCommand(const CanvasCommand& command);

// A vector picture: commands in the coordinates of a frame of `Size` pixels at `Dpi`.
class Metafile
{
public:
    TSize Size;
    int Dpi = 96;
    std::vector<CanvasCommand> Commands;

    // Replays every command mapped from the frame onto `dest`; pen widths, font heights and advances scale too.
    void PlayOn(Canvas& target, const TRect& dest) const;
};

// A canvas that records into a Metafile. Text is measured on a canvas given by the owner (it must
// outlive this one), so that a picture recorded now lays out text as the device it imitates would.
class MetafileCanvas : public Canvas
{
public:
    MetafileCanvas(TSize size, Canvas& measuring);

    const Metafile& Picture() const { return picture_; }
    Metafile TakePicture();

    void FillRect(const TRect& rect) override;
    void Rectangle(const TRect& rect) override;
    void RoundRect(const TRect& rect, int cornerWidth, int cornerHeight) override;
    void Ellipse(const TRect& rect) override;
    void Polygon(std::span<const TPoint> points) override;
    void Polyline(std::span<const TPoint> points) override;
    TFontMetrics FontMetrics() override;
    std::vector<int> CharAdvances(std::u16string_view text) override;
    void TextOut(int x, int y, std::u16string_view text, const TTextOutOptions& options = {}) override;
    void DrawTextWrapped(const TRect& rect, std::u16string_view text, int flags) override;
    int DpiX() const override;
    int DpiY() const override;
    bool IsPrinter() const override;
    void SaveClip() override;
    void IntersectClip(const TRect& rect) override;
    void RestoreClip() override;
    void DrawImage(const TRect& dest, const RasterImage& image) override;

protected:
    // For canvases that measure text themselves (the deterministic test canvas).
    MetafileCanvas(TSize size, int dpi, bool printer);
    void DrawLine(TPoint from, TPoint to) override;
    CanvasCommand& Record(CanvasCommand::Kind kind);

private:
    Canvas* measuring_ = nullptr;
    int dpi_ = 96;
    bool printer_ = false;
    Metafile picture_;
};

} // namespace qbx

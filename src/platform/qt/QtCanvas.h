// The canvas on Qt: QPainter on an image of its own, or on a printer or PDF device.
#pragma once

#include "platform/Platform.h"

#include <functional>
#include <optional>
#include <vector>

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRegion>

class QPaintDevice;

namespace qbx {

class QtGlyphs;

class QtCanvas : public BitmapCanvas
{
public:
    // Draws on an image of its own, white at first.
    QtCanvas(int width, int height, int dpi = 96);
    // Draws on a device the caller owns and keeps alive while this canvas exists (QPrinter, QPdfWriter).
    QtCanvas(QPaintDevice& device, int dpi, bool printer);
    bool RectVisible(const TRect& rect) const override;
    ~QtCanvas() override;

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
    int DpiX() const override { return dpi_; }
    int DpiY() const override { return dpi_; }
    bool IsPrinter() const override { return printer_; }
    void SaveClip() override;
    void IntersectClip(const TRect& rect) override;
    void RestoreClip() override;
    void DrawImage(const TRect& dest, const RasterImage& image) override;
    // The pixels of the canvas's own image; raises ENotAvailable for a device canvas.
    RasterImage Snapshot() const override;

    // The image drawn on (nullptr for a device canvas); for writing PNG files.
    const QImage* Image() const { return image_ ? &*image_ : nullptr; }
    void SetTextAntialiasing(bool on);
    // Text as one item per character instead of glyph runs, for devices that keep only the former as text.
    void SetTextAsCharacters(bool on) { textAsCharacters_ = on; }

protected:
    void DrawLine(TPoint from, TPoint to) override;

private:
    void Begin(QPaintDevice& device);
    void FillShape(const std::function<void()>& draw);
    void StrokeShape(const std::function<void()>& draw);
    void PlotPixels(const std::vector<TPoint>& pixels);
    void DrawGlyphs(QtGlyphs& glyphs, std::u16string_view text, const std::vector<int>& advances, QPoint baseline,
        int pos, bool rightToLeft);
    void DrawCharacters(QtGlyphs& glyphs, std::u16string_view text, const std::vector<int>& advances, QPoint baseline,
        int pos, bool rightToLeft);

    std::optional<QImage> image_;
    QPainter painter_;
    int dpi_ = 96;
    bool printer_ = false;
    bool textAsCharacters_ = false;
    std::optional<QRegion> clip_;
    std::vector<std::optional<QRegion>> savedClips_;
};

} // namespace qbx

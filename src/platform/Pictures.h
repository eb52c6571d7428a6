// Pictures a canvas can draw: 32-bit raster images (decoded bitmaps and JPEGs) and recorded vector pictures.
#pragma once

#include "base/Colors.h"
#include "platform/Geometry.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace qbx {

class Canvas;

// An uncompressed 32-bit image: one 0xAARRGGBB word a pixel, rows top to bottom.
class RasterImage
{
public:
    RasterImage() = default;
    RasterImage(int width, int height, std::uint32_t fill = 0xFFFFFFFF);

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool IsEmpty() const { return width_ == 0 || height_ == 0; }
    std::uint32_t Pixel(int x, int y) const { return pixels_[Index(x, y)]; }
    void SetPixel(int x, int y, std::uint32_t argb) { pixels_[Index(x, y)] = argb; }
    const std::uint32_t* Data() const { return pixels_.data(); }
    std::uint32_t* Data() { return pixels_.data(); }
    bool operator==(const RasterImage&) const = default;

    // The colour of a pixel in the report colour format (red in the low byte).
    TColor PixelColor(int x, int y) const;

private:
    std::size_t Index(int x, int y) const { return static_cast<std::size_t>(y) * width_ + x; }
    int width_ = 0, height_ = 0;
    std::vector<std::uint32_t> pixels_;
};

// Which encoding a picture's bytes are in, told by their content.
enum class PictureFormat { Unknown, Bitmap, Jpeg };
PictureFormat DetectPictureFormat(std::string_view bytes);

// JPEG through libjpeg. Decoding raises EConvertError naming what is wrong with the data.
RasterImage DecodeJpeg(std::string_view bytes);
std::string EncodeJpeg(const RasterImage& image, int quality = 90);

// Windows bitmap files (BITMAPFILEHEADER + BITMAPINFOHEADER): reads 1, 4, 8, 24 and 32 bits per pixel,
// uncompressed, bottom-up or top-down; writes 24-bit bottom-up.
RasterImage DecodeBitmap(std::string_view bytes);
std::string EncodeBitmap(const RasterImage& image);

// Decodes by content; raises EConvertError for bytes that are neither a bitmap nor a JPEG.
RasterImage DecodePicture(std::string_view bytes);

} // namespace qbx

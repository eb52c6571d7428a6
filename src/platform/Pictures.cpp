// Raster images and recognising picture data by content.
#include "platform/Pictures.h"

#include "base/Exceptions.h"

namespace qbx {

RasterImage::RasterImage(int width, int height, std::uint32_t fill)
    : width_(width)
    , height_(height)
{
    if (width < 0 || height < 0 || static_cast<long long>(width) * height > (1LL << 28))
        throw EConvertError("Image size " + std::to_string(width) + " x " + std::to_string(height) + " is not allowed");
    pixels_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill);
}

TColor RasterImage::PixelColor(int x, int y) const
{
    std::uint32_t p = Pixel(x, y);
    return RGBColor((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

PictureFormat DetectPictureFormat(std::string_view bytes)
{
    if (bytes.size() >= 3 && static_cast<unsigned char>(bytes[0]) == 0xFF
        && static_cast<unsigned char>(bytes[1]) == 0xD8 && static_cast<unsigned char>(bytes[2]) == 0xFF)
        return PictureFormat::Jpeg;
    if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M')
        return PictureFormat::Bitmap;
    return PictureFormat::Unknown;
}

RasterImage DecodePicture(std::string_view bytes)
{
    switch (DetectPictureFormat(bytes)) {
    case PictureFormat::Jpeg:
        return DecodeJpeg(bytes);
    case PictureFormat::Bitmap:
        return DecodeBitmap(bytes);
    case PictureFormat::Unknown:
        break;
    }
    throw EConvertError("Picture data is neither a bitmap nor a JPEG image");
}

} // namespace qbx

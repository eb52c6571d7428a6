// Windows bitmap (BMP) files read and written without any library.
#include "base/Exceptions.h"
#include "platform/Pictures.h"

#include <cstring>

namespace qbx {
namespace {

std::uint32_t U32(std::string_view b, std::size_t at)
{
    return static_cast<unsigned char>(b[at]) | static_cast<unsigned char>(b[at + 1]) << 8
        | static_cast<unsigned char>(b[at + 2]) << 16
        | static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24;
}

std::uint16_t U16(std::string_view b, std::size_t at)
{
    return static_cast<std::uint16_t>(static_cast<unsigned char>(b[at]) | static_cast<unsigned char>(b[at + 1]) << 8);
}

void Put32(std::string& out, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out += static_cast<char>((v >> (8 * i)) & 0xFF);
}

void Put16(std::string& out, std::uint16_t v)
{
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>(v >> 8);
}

[[noreturn]] void Bad(const std::string& what)
{
    throw EConvertError("Invalid bitmap: " + what);
}

struct BitmapHeader
{
    std::size_t PixelOffset = 0, InfoSize = 0;
    int Width = 0, Height = 0, Bits = 0, PaletteCount = 0;
    bool TopDown = false;
};

BitmapHeader ReadHeader(std::string_view b)
{
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M')
        Bad("the data is too short or lacks the BM signature");
    BitmapHeader h;
    h.PixelOffset = U32(b, 10);
    h.InfoSize = U32(b, 14);
    if (h.InfoSize < 40 || 14 + h.InfoSize > b.size())
        Bad("unsupported header size " + std::to_string(h.InfoSize));
    h.Width = static_cast<std::int32_t>(U32(b, 18));
    std::int32_t height = static_cast<std::int32_t>(U32(b, 22));
    h.TopDown = height < 0;
    h.Height = height < 0 ? -height : height;
    h.Bits = U16(b, 28);
    std::uint32_t compression = U32(b, 30);
    if (compression != 0 && !(compression == 3 && h.Bits == 32))
        Bad("compressed bitmaps are not supported");
    if (h.Bits != 1 && h.Bits != 4 && h.Bits != 8 && h.Bits != 24 && h.Bits != 32)
        Bad(std::to_string(h.Bits) + " bits per pixel are not supported");
    if (h.Width <= 0 || h.Height <= 0 || h.Width > 32768 || h.Height > 32768)
        Bad("size " + std::to_string(h.Width) + " x " + std::to_string(h.Height));
    std::uint32_t used = U32(b, 46);
    h.PaletteCount = h.Bits <= 8 ? (used ? static_cast<int>(used) : 1 << h.Bits) : 0;
    if (h.PaletteCount > 256 || 14 + h.InfoSize + 4 * static_cast<std::size_t>(h.PaletteCount) > b.size())
        Bad("the palette does not fit in the data");
    return h;
}

} // namespace

RasterImage DecodeBitmap(std::string_view b)
{
    BitmapHeader h = ReadHeader(b);
    std::size_t stride = ((static_cast<std::size_t>(h.Width) * h.Bits + 31) / 32) * 4;
    if (h.PixelOffset > b.size() || stride * h.Height > b.size() - h.PixelOffset)
        Bad("the pixel data is cut short");
    std::size_t palette = 14 + h.InfoSize;
    RasterImage image(h.Width, h.Height);
    for (int row = 0; row < h.Height; ++row) {
        std::size_t start = h.PixelOffset + stride * static_cast<std::size_t>(row);
        int y = h.TopDown ? row : h.Height - 1 - row;
        for (int x = 0; x < h.Width; ++x) {
            std::uint32_t argb = 0;
            if (h.Bits >= 24) {
                std::size_t p = start + static_cast<std::size_t>(x) * (h.Bits / 8);
                argb = 0xFF000000u | static_cast<unsigned char>(b[p + 2]) << 16
                    | static_cast<unsigned char>(b[p + 1]) << 8 | static_cast<unsigned char>(b[p]);
            } else {
                std::size_t bit = static_cast<std::size_t>(x) * h.Bits;
                int byte = static_cast<unsigned char>(b[start + bit / 8]);
                int index = (byte >> (8 - h.Bits - static_cast<int>(bit % 8))) & ((1 << h.Bits) - 1);
                if (index >= h.PaletteCount)
                    Bad("a pixel names palette entry " + std::to_string(index));
                std::size_t p = palette + 4 * static_cast<std::size_t>(index);
                argb = 0xFF000000u | static_cast<unsigned char>(b[p + 2]) << 16
                    | static_cast<unsigned char>(b[p + 1]) << 8 | static_cast<unsigned char>(b[p]);
            }
            image.SetPixel(x, y, argb);
        }
    }
    return image;
}

std::string EncodeBitmap(const RasterImage& image)
{
    std::size_t stride = ((static_cast<std::size_t>(image.Width()) * 24 + 31) / 32) * 4;
    std::size_t pixelBytes = stride * image.Height();
    std::string out;
    out.reserve(54 + pixelBytes);
    out += "BM";
    Put32(out, static_cast<std::uint32_t>(54 + pixelBytes));
    Put32(out, 0);
    Put32(out, 54);
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(image.Width()));
    Put32(out, static_cast<std::uint32_t>(image.Height()));
    Put16(out, 1);
    Put16(out, 24);
    Put32(out, 0);
    Put32(out, static_cast<std::uint32_t>(pixelBytes));
    Put32(out, 3780); // 96 dpi in pixels per metre
    Put32(out, 3780);
    Put32(out, 0);
    Put32(out, 0);
    for (int y = image.Height() - 1; y >= 0; --y) {
        std::size_t rowStart = out.size();
        for (int x = 0; x < image.Width(); ++x) {
            std::uint32_t p = image.Pixel(x, y);
            out += static_cast<char>(p & 0xFF);
            out += static_cast<char>((p >> 8) & 0xFF);
            out += static_cast<char>((p >> 16) & 0xFF);
        }
        out.append(stride - (out.size() - rowStart), '\0');
    }
    return out;
}

} // namespace qbx

// Bitmap and JPEG pictures: decoding, encoding, recognition by content and bad data.
#include "platform/Pictures.h"

#include "base/Exceptions.h"

#include <gtest/gtest.h>

namespace qbx {
namespace {

RasterImage Quadrants()
{
    RasterImage image(16, 8);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 16; ++x)
            image.SetPixel(x, y, x < 8 ? (y < 4 ? 0xFFFF0000 : 0xFF00FF00) : (y < 4 ? 0xFF0000FF : 0xFFFFFFFF));
    return image;
}

TEST(Pictures, BitmapRoundTripIsExact)
{
    RasterImage image = Quadrants();
    std::string bytes = EncodeBitmap(image);
    EXPECT_EQ(DetectPictureFormat(bytes), PictureFormat::Bitmap);
    EXPECT_EQ(DecodePicture(bytes), image);
    EXPECT_EQ(image.PixelColor(0, 0), clRed);
}

TEST(Pictures, PalettedBitmapsAreRead)
{
    // A 2 x 1 bitmap, 8 bits per pixel, palette {blue, red}, pixels 1, 0.
    std::string b = "BM";
    auto put32 = [&](std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            b += static_cast<char>(v >> (8 * i));
    };
    auto put16 = [&](std::uint16_t v) {
        b += static_cast<char>(v);
        b += static_cast<char>(v >> 8);
    };
    put32(14 + 40 + 8 + 4);
    put32(0);
    put32(14 + 40 + 8);
    put32(40);
    put32(2);
    put32(1);
    put16(1);
    put16(8);
    put32(0);
    put32(4);
    put32(0);
    put32(0);
    put32(2);
    put32(0);
    b += std::string("\xFF\x00\x00\x00\x00\x00\xFF\x00", 8);
    b += std::string("\x01\x00\x00\x00", 4);
    RasterImage image = DecodeBitmap(b);
    EXPECT_EQ(image.PixelColor(0, 0), clRed);
    EXPECT_EQ(image.PixelColor(1, 0), clBlue);
}

TEST(Pictures, JpegRoundTripKeepsColours)
{
    RasterImage image = Quadrants();
    std::string bytes = EncodeJpeg(image, 95);
    EXPECT_EQ(DetectPictureFormat(bytes), PictureFormat::Jpeg);
    RasterImage back = DecodePicture(bytes);
    ASSERT_EQ(back.Width(), 16);
    ASSERT_EQ(back.Height(), 8);
    TColor c = back.PixelColor(2, 1);
    EXPECT_GT(RedOf(c), 200);
    EXPECT_LT(GreenOf(c), 60);
}

TEST(Pictures, BadDataFailsCleanly)
{
    std::string jpeg = EncodeJpeg(Quadrants());
    for (std::string bad :
        { std::string("BM"), std::string("BM") + std::string(60, '\0'), jpeg.substr(0, 40), std::string("GIF89a") }) {
        EXPECT_THROW(DecodePicture(bad), EConvertError);
    }
    std::string huge = EncodeBitmap(Quadrants());
    huge[18] = '\xFF'; // width far beyond the pixel data
    huge[19] = '\x7F';
    EXPECT_THROW(DecodeBitmap(huge), EConvertError);
}

} // namespace
} // namespace qbx

// The gzip-wrapped image resources: decompression, bad data, and the preview buttons the program carries.
#include "formats/ImageResource.h"

#include "ButtonArt.h"
#include "base/Exceptions.h"
#include "formats/TqbxResources.h"

#include <filesystem>

#include <QImage>

#include <gtest/gtest.h>

namespace qbx {
namespace {

TEST(ImageResource, WrappedDataInflatesBack)
{
    std::string data = "a bitmap's bytes, more or less " + std::string(300, 'x');
    std::string wrapped = CompressImageResource(data);
    EXPECT_EQ(wrapped.substr(0, 3), "\x1F\x8B\x08");
    EXPECT_EQ(DecompressImageResource(wrapped), data);

    // A file name (flag 8) after the header is skipped.
    std::string named = wrapped.substr(0, 10) + "buttons.bmp" + '\0' + wrapped.substr(10);
    named[3] = 8;
    EXPECT_EQ(DecompressImageResource(named), data);
}

TEST(ImageResource, DamagedDataFailsCleanly)
{
    std::string wrapped = CompressImageResource(std::string(1000, 'q'));
    std::string badChecksum = wrapped;
    badChecksum[5] ^= 0x40; // the kept Adler-32 no longer matches
    std::string named = wrapped;
    named[3] = 8; // a file name that never ends
    for (const std::string& bad : { std::string("BM...."), wrapped.substr(0, 12), badChecksum, named })
        EXPECT_THROW(DecompressImageResource(bad), EConvertError);
    EXPECT_THROW(FindProgramResource("ObjectButtons"), EFileError);
}

TEST(ImageResource, PreviewButtonsAreTheDrawnCells)
{
    RasterImage sheet = art::DrawPreviewButtons();
    std::vector<ButtonImage> expected = CutIntoCells(sheet);
    const std::vector<ButtonImage>& buttons = TqbxResources::Instance().PreviewButtons();
    ASSERT_EQ(buttons.size(), static_cast<std::size_t>(art::kButtonCount))
        << "resources/images/PreviewButtons.gz is stale: rebuild it with qbx-make-button-images";
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(buttons[i].Image, expected[i].Image);
        EXPECT_EQ(buttons[i].Transparent, RGBColor(255, 0, 255));
        EXPECT_EQ(buttons[i].Image.Width(), 16);
    }
    // The sheet as a PNG, four times enlarged, for a person to look at.
    std::filesystem::create_directories(QBX_TEST_OUTPUT);
    QImage image(reinterpret_cast<const uchar*>(sheet.Data()), sheet.Width(), sheet.Height(), QImage::Format_ARGB32);
    EXPECT_TRUE(image.scaled(sheet.Width() * 4, sheet.Height() * 4).save(QBX_TEST_OUTPUT "/preview-buttons.png"));
}

TEST(ImageResource, CellsAreCutRowByRow)
{
    RasterImage sheet(32, 32, 0xFF000000);
    sheet.SetPixel(16, 15, 0xFFFF0000); // bottom-left pixel of the second cell
    sheet.SetPixel(0, 16, 0xFF00FF00); // top-left pixel of the third cell
    std::vector<ButtonImage> cells = CutIntoCells(sheet);
    ASSERT_EQ(cells.size(), 4u);
    EXPECT_EQ(cells[1].Transparent, clRed);
    EXPECT_EQ(cells[2].Image.PixelColor(0, 0), clLime);
    EXPECT_EQ(cells[0].Transparent, clBlack);
}

} // namespace
} // namespace qbx

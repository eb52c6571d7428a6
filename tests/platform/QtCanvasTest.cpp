// The Qt canvas obeys the pixel rules, checked on the pixels of its image.
#include "platform/qt/QtCanvas.h"

#include "platform/Pictures.h"

#include <gtest/gtest.h>

namespace qbx {
namespace {

constexpr TColor kWhite = clWhite;

TEST(QtCanvas, FillsExcludeTheRightAndBottomEdges)
{
    QtCanvas canvas(10, 10);
    canvas.Brush = { clRed, bsSolid };
    canvas.FillRect({ 2, 2, 6, 5 });
    RasterImage p = canvas.Snapshot();
    EXPECT_EQ(p.PixelColor(2, 2), clRed);
    EXPECT_EQ(p.PixelColor(5, 4), clRed); // last column and row inside
    EXPECT_EQ(p.PixelColor(6, 4), kWhite);
    EXPECT_EQ(p.PixelColor(5, 5), kWhite);
    EXPECT_EQ(p.PixelColor(1, 2), kWhite);
}

TEST(QtCanvas, LinesDoNotPaintTheirEndPoint)
{
    QtCanvas canvas(12, 12);
    canvas.Pen = { clBlack, 1, psSolid };
    canvas.MoveTo(1, 1);
    canvas.LineTo(8, 1);
    canvas.MoveTo(0, 3);
    canvas.LineTo(6, 9);
    canvas.MoveTo(10, 8);
    canvas.LineTo(10, 2); // upwards
    RasterImage p = canvas.Snapshot();
    EXPECT_EQ(p.PixelColor(1, 1), clBlack);
    EXPECT_EQ(p.PixelColor(7, 1), clBlack);
    EXPECT_EQ(p.PixelColor(8, 1), kWhite);
    EXPECT_EQ(p.PixelColor(5, 8), clBlack);
    EXPECT_EQ(p.PixelColor(6, 9), kWhite);
    EXPECT_EQ(p.PixelColor(10, 8), clBlack);
    EXPECT_EQ(p.PixelColor(10, 3), clBlack);
    EXPECT_EQ(p.PixelColor(10, 2), kWhite);
    EXPECT_EQ(canvas.PenPos(), (TPoint { 10, 2 }));
}

TEST(QtCanvas, RectangleOutlineLiesInsideAndFillsTheRest)
{
    QtCanvas canvas(12, 12);
    canvas.Pen = { clBlack, 1, psSolid };
    canvas.Brush = { clRed, bsSolid };
    canvas.Rectangle({ 0, 0, 10, 10 });
    RasterImage p = canvas.Snapshot();
    EXPECT_EQ(p.PixelColor(0, 0), clBlack);
    EXPECT_EQ(p.PixelColor(9, 9), clBlack);
    EXPECT_EQ(p.PixelColor(9, 5), clBlack);
    EXPECT_EQ(p.PixelColor(5, 5), clRed);
    EXPECT_EQ(p.PixelColor(10, 10), kWhite);
    EXPECT_EQ(p.PixelColor(10, 5), kWhite);
}

// Colour runs along row y from x = 0: the lengths of alternating painted and unpainted stretches.
std::vector<int> Runs(const RasterImage& p, int y, TColor painted, int width)
{
    std::vector<int> runs;
    bool current = true;
    int length = 0;
    for (int x = 0; x < width; ++x) {
        bool on = p.PixelColor(x, y) == painted;
        if (on != current) {
            runs.push_back(length);
            length = 0;
            current = on;
        }
        ++length;
    }
    runs.push_back(length);
    return runs;
}

TEST(QtCanvas, DashedOnePixelPensFollowTheirPattern)
{
    QtCanvas canvas(60, 4);
    canvas.Pen = { clBlue, 1, psDash };
    canvas.MoveTo(0, 1);
    canvas.LineTo(60, 1);
    canvas.Pen = { clBlue, 1, psDot };
    canvas.BkMode = bkOpaque;
    canvas.Brush = { clRed, bsSolid };
    canvas.MoveTo(0, 2);
    canvas.LineTo(12, 2);
    RasterImage p = canvas.Snapshot();
    EXPECT_EQ(Runs(p, 1, clBlue, 60), (std::vector<int> { 18, 6, 18, 6, 12 }));
    // Opaque background fills the gaps of the dotted line with the brush colour.
    EXPECT_EQ(p.PixelColor(2, 2), clBlue);
    EXPECT_EQ(p.PixelColor(3, 2), clRed);
    EXPECT_EQ(p.PixelColor(6, 2), clBlue);
}

TEST(QtCanvas, ThreePixelPensDrawSolidAndThreeRowsWide)
{
    QtCanvas canvas(40, 9);
    canvas.Pen = { clBlack, 3, psDash };
    canvas.MoveTo(2, 4);
    canvas.LineTo(32, 4);
    RasterImage p = canvas.Snapshot();
    for (int y : { 3, 4, 5 }) {
        SCOPED_TRACE(y);
        EXPECT_EQ(Runs(p, y, clBlack, 40), (std::vector<int> { 0, 2, 30, 8 }));
    }
    EXPECT_EQ(p.PixelColor(10, 2), kWhite);
    EXPECT_EQ(p.PixelColor(10, 6), kWhite);
}

TEST(QtCanvas, HatchBrushesPaintOnlyTheirLines)
{
    QtCanvas canvas(16, 16);
    canvas.Brush = { clRed, bsHorizontal };
    canvas.FillRect({ 0, 0, 16, 16 });
    RasterImage p = canvas.Snapshot();
    int hatchRows = 0;
    for (int y = 0; y < 16; ++y) {
        bool line = p.PixelColor(0, y) == clRed;
        hatchRows += line;
        std::vector<int> expected = line ? std::vector<int> { 16 } : std::vector<int> { 0, 16 };
        EXPECT_EQ(Runs(p, y, clRed, 16), expected) << y;
        EXPECT_EQ(line, p.PixelColor(0, (y + 8) % 16) == clRed) << "the pattern repeats every 8 rows";
    }
    EXPECT_EQ(hatchRows, 2);
}

TEST(QtCanvas, ClipNestsAndRestores)
{
    QtCanvas canvas(10, 10);
    canvas.Brush = { clGreen, bsSolid };
    canvas.SaveClip();
    canvas.IntersectClip({ 0, 0, 6, 6 });
    canvas.SaveClip();
    canvas.IntersectClip({ 4, 4, 10, 10 });
    canvas.FillRect({ 0, 0, 10, 10 });
    canvas.RestoreClip();
    canvas.Brush = { clRed, bsSolid };
    canvas.FillRect({ 0, 0, 2, 2 });
    canvas.RestoreClip();
    canvas.Brush = { clBlue, bsSolid };
    canvas.FillRect({ 9, 0, 10, 1 });
    RasterImage p = canvas.Snapshot();
    EXPECT_EQ(p.PixelColor(4, 4), clGreen);
    EXPECT_EQ(p.PixelColor(5, 5), clGreen);
    EXPECT_EQ(p.PixelColor(6, 6), kWhite);
    EXPECT_EQ(p.PixelColor(3, 3), kWhite);
    EXPECT_EQ(p.PixelColor(1, 1), clRed);
    EXPECT_EQ(p.PixelColor(9, 0), clBlue);
}

TEST(QtCanvas, ImagesDrawStretched)
{
    RasterImage image(2, 1);
    image.SetPixel(0, 0, 0xFFFF0000);
    image.SetPixel(1, 0, 0xFF0000FF);
    QtCanvas canvas(10, 10);
    canvas.DrawImage({ 2, 2, 6, 4 }, image);
    RasterImage p = canvas.Snapshot();
    EXPECT_EQ(p.PixelColor(2, 2), clRed);
    EXPECT_EQ(p.PixelColor(3, 3), clRed);
    EXPECT_EQ(p.PixelColor(5, 3), clBlue);
    EXPECT_EQ(p.PixelColor(6, 3), kWhite);
    EXPECT_EQ(p.PixelColor(2, 4), kWhite);
}

TEST(QtCanvas, TextIsPlacedAtItsAdvances)
{
    QtCanvas canvas(200, 40);
    canvas.Font.Height = -20;
    std::vector<int> advances = { 30, 30 };
    canvas.TextOut(10, 5, u"II", { std::nullopt, false, advances });
    RasterImage p = canvas.Snapshot();
    auto inkInColumns = [&](int from, int to) {
        for (int x = from; x < to; ++x)
            for (int y = 0; y < 40; ++y)
                if (p.PixelColor(x, y) != kWhite)
                    return true;
        return false;
    };
    EXPECT_TRUE(inkInColumns(10, 20));
    EXPECT_FALSE(inkInColumns(20, 40));
    EXPECT_TRUE(inkInColumns(40, 50));
    EXPECT_FALSE(inkInColumns(0, 10));
}

} // namespace
} // namespace qbx

// The view drawing sequence on the Qt canvas, checked pixel by pixel.
#include "platform/Pictures.h"
#include "platform/qt/QtCanvas.h"
#include "report/TqbxReport.h"
#include "views/TqbxView.h"

#include <filesystem>

#include <gtest/gtest.h>

namespace qbx {
namespace {

constexpr TColor kWhite = clWhite;

RasterImage Draw(TqbxView& view, long double scale = 1, int size = 60)
{
    QtCanvas canvas(size, size);
    view.Draw(canvas, scale, scale, 0, 0);
    return canvas.Snapshot();
}

void Framed(TqbxView& v, TqbxFrameTypes sides, TqbxFrameStyle style = fsSolid, long double width = 1)
{
    v.SetBounds(10, 10, 20, 10);
    v.Frame.Typ = sides;
    v.Frame.SetStyle(style);
    v.Frame.SetWidth(width);
}

TEST(ViewDrawing, SolidFrameCoversItsEdges)
{
    TqbxView v;
    Framed(v, ftLeft | ftRight | ftTop | ftBottom);
    RasterImage p = Draw(v);
    EXPECT_EQ(p.PixelColor(10, 10), clBlack);
    EXPECT_EQ(p.PixelColor(10, 19), clBlack);
    EXPECT_EQ(p.PixelColor(30, 15), clBlack) << "the right line is at FX1";
    EXPECT_EQ(p.PixelColor(29, 10), clBlack);
    EXPECT_EQ(p.PixelColor(30, 20), clBlack) << "the one-pixel bottom line reaches FX1";
    EXPECT_EQ(p.PixelColor(31, 20), kWhite);
    EXPECT_EQ(p.PixelColor(20, 15), kWhite);

    RasterImage scaled = Draw(v, 2, 80); // FX 20, FY 20, FX1 60, FY1 40, two-pixel pens
    EXPECT_EQ(scaled.PixelColor(40, 19), clBlack);
    EXPECT_EQ(scaled.PixelColor(40, 20), clBlack);
    EXPECT_EQ(scaled.PixelColor(40, 21), kWhite);
    EXPECT_EQ(scaled.PixelColor(19, 30), clBlack);
}

TEST(ViewDrawing, TwoPixelLeftLineStartsAboveTheTop)
{
    TqbxView v;
    Framed(v, ftLeft, fsSolid, 2);
    RasterImage p = Draw(v);
    EXPECT_EQ(p.PixelColor(10, 9), clBlack);
    EXPECT_EQ(p.PixelColor(9, 9), clBlack);
    EXPECT_EQ(p.PixelColor(10, 8), kWhite);
    EXPECT_EQ(p.PixelColor(11, 15), kWhite);
}

TEST(ViewDrawing, DashedThreePixelsAreThreeDashedLines)
{
    TqbxView v;
    Framed(v, ftTop, fsDash, 3);
    v.SetBounds(2, 10, 50, 10);
    RasterImage p = Draw(v);
    for (int y : { 9, 10, 11 }) {
        SCOPED_TRACE(y);
        for (int x = 2; x < 20; ++x)
            EXPECT_EQ(p.PixelColor(x, y), clBlack) << x;
        for (int x = 20; x < 26; ++x)
            EXPECT_EQ(p.PixelColor(x, y), kWhite) << x;
        EXPECT_EQ(p.PixelColor(26, y), clBlack);
    }
    EXPECT_EQ(p.PixelColor(5, 12), kWhite);
}

TEST(ViewDrawing, DoubleFrameClosesOuterAndInnerRectangles)
{
    TqbxView v;
    Framed(v, ftLeft | ftRight | ftTop | ftBottom, fsDouble, 1);
    RasterImage p = Draw(v); // FX 10 FY 10 FX1 30 FY1 20
    EXPECT_EQ(p.PixelColor(9, 9), clBlack) << "outer corner";
    EXPECT_EQ(p.PixelColor(31, 21), clBlack);
    EXPECT_EQ(p.PixelColor(11, 11), clBlack) << "inner corner";
    EXPECT_EQ(p.PixelColor(10, 15), kWhite) << "without a fill the gap stays unpainted";
    EXPECT_EQ(p.PixelColor(20, 10), kWhite);
    EXPECT_EQ(p.PixelColor(20, 9), clBlack);
    EXPECT_EQ(p.PixelColor(20, 11), clBlack);
}

TEST(ViewDrawing, FramesScaleWithTheDrawing)
{
    TqbxView twin;
    Framed(twin, ftLeft | ftRight | ftTop | ftBottom, fsDouble, 1);
    RasterImage p = Draw(twin, 2, 90); // FX 20 FY 20 FX1 60 FY1 40, lines two pixels wide, two apart
    EXPECT_EQ(p.PixelColor(17, 18), clBlack) << "outer left line, lengthened at the top";
    EXPECT_EQ(p.PixelColor(18, 41), clBlack);
    EXPECT_EQ(p.PixelColor(22, 30), clBlack) << "inner left line";
    EXPECT_EQ(p.PixelColor(20, 30), kWhite) << "the gap";
    EXPECT_EQ(p.PixelColor(22, 20), kWhite) << "the inner line is shortened at the top";

    TqbxView dotted;
    Framed(dotted, ftTop, fsDot, 1);
    dotted.SetBounds(0, 10, 40, 10);
    RasterImage q = Draw(dotted, 2, 90); // two one-pixel dotted lines at rows 19 and 20
    for (int y : { 19, 20 }) {
        SCOPED_TRACE(y);
        EXPECT_EQ(q.PixelColor(0, y), clBlack);
        EXPECT_EQ(q.PixelColor(2, y), clBlack);
        EXPECT_EQ(q.PixelColor(3, y), kWhite);
        EXPECT_EQ(q.PixelColor(6, y), clBlack);
    }
    EXPECT_EQ(q.PixelColor(0, 21), kWhite);
}

TEST(ViewDrawing, DropShadowLiesInsideTheBounds)
{
    for (TqbxFrameTypes sides : { 0, ftLeft | ftRight | ftTop | ftBottom }) {
        SCOPED_TRACE(sides);
        TqbxView v;
        Framed(v, sides);
        v.SetBounds(10, 10, 30, 30);
        v.Frame.DropShadow = true;
        v.Frame.ShadowColor = clGray;
        RasterImage p = Draw(v); // FX1 = FY1 = 36 after the 4-pixel shadow
        EXPECT_EQ(p.PixelColor(37, 25), clGray);
        EXPECT_EQ(p.PixelColor(39, 25), clGray);
        EXPECT_EQ(p.PixelColor(40, 25), kWhite);
        EXPECT_EQ(p.PixelColor(37, 12), kWhite) << "the shadow starts ShadowWidth below the top";
        EXPECT_EQ(p.PixelColor(25, 38), clGray);
        EXPECT_EQ(p.PixelColor(36, 20), sides ? clBlack : clGray) << "the frame line is drawn over the shadow";
    }
}

TEST(ViewDrawing, HatchTakesTheFrameColourOverTheFill)
{
    TqbxView v;
    v.SetBounds(0, 0, 16, 16);
    v.Color = clYellow;
    v.BrushStyle = bsCross;
    v.Frame.SetColor(clRed);
    RasterImage p = Draw(v, 1, 20);
    int red = 0, yellow = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            (p.PixelColor(x, y) == clRed ? red : p.PixelColor(x, y) == clYellow ? yellow : red) += 1;
    EXPECT_GT(red, 0);
    EXPECT_GT(yellow, red) << "the cross hatch is drawn over the yellow fill";
    EXPECT_EQ(p.PixelColor(17, 17), kWhite);
    // The hatch covers FX..FX1 and FY..FY1 inclusive, one pixel beyond the fill on each far edge.
    int lastColumn = 0, lastRow = 0, beyond = 0;
    for (int i = 0; i <= 16; ++i) {
        lastColumn += p.PixelColor(16, i) == clRed;
        lastRow += p.PixelColor(i, 16) == clRed;
        beyond += (p.PixelColor(17, i) != kWhite) + (p.PixelColor(i, 17) != kWhite);
    }
    EXPECT_GT(lastColumn, 0);
    EXPECT_GT(lastRow, 0);
    EXPECT_EQ(beyond, 0);
}

TEST(ViewDrawing, NoFrameForZeroWidthOrNoColour)
{
    TqbxView thin;
    Framed(thin, 15, fsSolid, 0);
    RasterImage a = Draw(thin);
    TqbxView none;
    Framed(none, 15);
    none.Frame.SetColor(clNone);
    RasterImage b = Draw(none);
    for (const RasterImage* p : { &a, &b })
        for (int x = 0; x < 60; ++x)
            EXPECT_EQ(p->PixelColor(x, 10), kWhite) << x;
}

TEST(ViewDrawing, WritesAPageOfFramesForPeopleToLookAt)
{
    QtCanvas canvas(400, 140);
    int x = 10;
    for (TqbxFrameStyle style : { fsSolid, fsDash, fsDot, fsDashDot, fsDashDotDot, fsDouble }) {
        TqbxView v;
        v.SetBounds(x, 10, 50, 40);
        v.Frame.Typ = 15;
        v.Frame.SetStyle(style);
        v.Frame.SetWidth(style == fsDouble ? 1 : 2);
        v.Color = style == fsDash ? clSkyBlue : clNone;
        v.Draw(canvas, 1, 1, 0, 0);
        TqbxView shadowed;
        shadowed.SetBounds(x, 70, 50, 50);
        shadowed.Frame.Typ = 15;
        shadowed.Frame.DropShadow = true;
        shadowed.Color = clCream;
        shadowed.BrushStyle = static_cast<TBrushStyle>(bsHorizontal + (x / 60) % 6);
        shadowed.Frame.SetColor(clNavy);
        shadowed.Draw(canvas, 1, 1, 0, 0);
        x += 64;
    }
    std::filesystem::create_directories(QBX_TEST_OUTPUT);
    EXPECT_TRUE(canvas.Image()->save(QBX_TEST_OUTPUT "/frames.png"));
}

} // namespace
} // namespace qbx

// Lines, shapes and pictures drawn on the Qt canvas.
#include "views/TqbxGraphicViews.h"

#include "base/Exceptions.h"
#include "platform/Files.h"
#include "platform/Pictures.h"
#include "platform/qt/QtCanvas.h"
#include "report/TqbxReport.h"

#include <filesystem>

#include <gtest/gtest.h>

namespace qbx {
namespace {

constexpr TColor kWhite = clWhite;

TEST(LineView, StraightLinesAreMadeStraightAndKeepTheirStyle)
{
    TqbxLineView line;
    line.SetBounds(10, 20, 100, 30);
    QtCanvas canvas(140, 80);
    line.Draw(canvas, 1, 1, 0, 0);
    EXPECT_EQ(line.Height(), 0);
    EXPECT_EQ(line.Frame.Typ, ftTop);
    RasterImage p = canvas.Snapshot();
    EXPECT_EQ(p.PixelColor(50, 20), clBlack);
    EXPECT_EQ(p.PixelColor(50, 35), kWhite);

    TqbxLineView twin;
    twin.SetBounds(10, 20, 100, 0);
    twin.Frame.SetStyle(fsDouble);
    QtCanvas c2(140, 80);
    twin.Draw(c2, 1, 1, 0, 0);
    RasterImage q = c2.Snapshot();
    EXPECT_EQ(q.PixelColor(50, 19), clBlack);
    EXPECT_EQ(q.PixelColor(50, 20), kWhite);
    EXPECT_EQ(q.PixelColor(50, 21), clBlack) << "a double line is two parallel lines";
}

TEST(LineView, ArrowsPointAlongTheLine)
{
    TqbxLineView line;
    line.SetBounds(50, 10, 0, 60); // vertical, FX 50, FY 10 .. FY1 70
    line.ArrowEnd = true;
    line.ArrowSolid = true;
    line.Frame.SetColor(clRed);
    QtCanvas canvas(100, 100);
    line.Draw(canvas, 1, 1, 0, 0);
    RasterImage p = canvas.Snapshot();
    EXPECT_EQ(p.PixelColor(50, 68), clRed) << "near the tip at the bottom";
    EXPECT_EQ(p.PixelColor(47, 52), clRed) << "the head widens upwards, towards the line";
    EXPECT_EQ(p.PixelColor(47, 72), kWhite);
    EXPECT_EQ(p.PixelColor(58, 60), kWhite);
}

TEST(ShapeView, FiguresAndHatches)
{
    struct Row
    {
        TqbxShapeKind kind;
        TPoint painted, empty;
    } rows[] = {
        { skRectangle, { 10, 30 }, { 30, 30 } },
        { skRoundRectangle, { 10, 60 }, { 10, 10 } }, // Curve 0 on 40 x 100: 10-pixel corners
        { skEllipse, { 10, 60 }, { 11, 12 } },
        { skTriangle, { 30, 10 }, { 11, 12 } },
        { skDiamond, { 30, 10 }, { 12, 12 } },
        { skDiagonal1, { 10, 109 }, { 11, 12 } },
        { skDiagonal2, { 11, 12 }, { 10, 109 } },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.kind);
        TqbxShapeView shape;
        shape.SetBounds(10, 10, 40, 100);
        shape.Shape = row.kind;
        QtCanvas canvas(70, 130);
        shape.Draw(canvas, 1, 1, 0, 0);
        RasterImage p = canvas.Snapshot();
        EXPECT_EQ(p.PixelColor(row.painted.X, row.painted.Y), clBlack);
        EXPECT_EQ(p.PixelColor(row.empty.X, row.empty.Y), kWhite);
    }

    TqbxShapeView hatched;
    hatched.SetBounds(0, 0, 32, 32);
    hatched.BrushStyle = bsHorizontal;
    hatched.Frame.SetColor(clBlue);
    QtCanvas canvas(40, 40);
    hatched.Draw(canvas, 1, 1, 0, 0);
    RasterImage p = canvas.Snapshot();
    int blueRows = 0;
    for (int y = 2; y < 30; ++y)
        blueRows += p.PixelColor(16, y) == clBlue;
    EXPECT_GT(blueRows, 1);
    EXPECT_LT(blueRows, 10) << "only the hatch lines, no fill";
}

TEST(PictureView, KeepsItsAspectRatioAndCentres)
{
    RasterImage red(200, 100, 0xFFFF0000);
    TqbxPictureView picture;
    picture.SetBounds(0, 0, 100, 100);
    picture.SetPicture(EncodeBitmap(red));
    QtCanvas canvas(120, 120);
    picture.Draw(canvas, 1, 1, 0, 0);
    RasterImage p = canvas.Snapshot();
    EXPECT_EQ(p.PixelColor(50, 10), clRed);
    EXPECT_EQ(p.PixelColor(50, 49), clRed);
    EXPECT_EQ(p.PixelColor(50, 60), kWhite) << "100 x 50 at the top";

    picture.Center = true;
    QtCanvas centred(120, 120);
    picture.Draw(centred, 1, 1, 0, 0);
    RasterImage q = centred.Snapshot();
    EXPECT_EQ(q.PixelColor(50, 10), kWhite);
    EXPECT_EQ(q.PixelColor(50, 30), clRed);
    EXPECT_EQ(q.PixelColor(50, 74), clRed);
    EXPECT_EQ(q.PixelColor(50, 80), kWhite);
}

TEST(PictureView, StretchedWithoutAspectRatioFillsTheObject)
{
    TqbxPictureView picture;
    picture.SetBounds(0, 0, 100, 100);
    picture.KeepAspectRatio = false;
    picture.SetPicture(EncodeJpeg(RasterImage(200, 100, 0xFF0000FF)));
    QtCanvas canvas(120, 120);
    picture.Draw(canvas, 1, 1, 0, 0);
    RasterImage p = canvas.Snapshot();
    EXPECT_GT(BlueOf(p.PixelColor(50, 95)), 200);
    EXPECT_EQ(p.PixelColor(105, 50), kWhite);

    picture.Stretched = false; // kept at its own size, clipped to the object
    QtCanvas unstretched(240, 240);
    picture.SetBounds(10, 10, 100, 100);
    picture.Draw(unstretched, 1, 1, 0, 0);
    RasterImage q = unstretched.Snapshot();
    EXPECT_GT(BlueOf(q.PixelColor(100, 50)), 200);
    EXPECT_EQ(q.PixelColor(150, 50), kWhite) << "clipped at the object's right edge";
}

TEST(PictureView, RecognisesContentBehindALengthHeader)
{
    std::string jpeg = EncodeJpeg(RasterImage(4, 4, 0xFF00FF00));
    std::string header = { 1, 0, 0, 1 };
    std::uint32_t length = static_cast<std::uint32_t>(jpeg.size());
    for (int i = 0; i < 4; ++i)
        header += static_cast<char>((length >> (8 * i)) & 0xFF);
    TqbxPictureView picture;
    EXPECT_TRUE(picture.LoadFromData(header + jpeg));
    EXPECT_EQ(DetectPictureFormat(picture.Picture()), PictureFormat::Jpeg);
    EXPECT_FALSE(picture.LoadFromData("GIF89a......"));
    EXPECT_TRUE(picture.Picture().empty());
    EXPECT_THROW(picture.LoadFromFile("/nonexistent/logo.bmp"), EFileError);
    EXPECT_THROW(picture.LoadFromFile("logo.gif"), EConvertError);
}

TEST(PictureView, FileLinkLoadsOrClearsThePicture)
{
    std::filesystem::create_directories(QBX_TEST_OUTPUT);
    std::string file = QBX_TEST_OUTPUT "/linked.bmp";
    WriteFileAtomically(file, EncodeBitmap(RasterImage(3, 2, 0xFF0000FF)));
    TqbxReport report;
    report.OnGetValue = [](const std::string& name, Variant& value) {
        if (name == "Folder")
            value = Variant(QBX_TEST_OUTPUT);
    };
    auto* picture = new TqbxPictureView(&report);
    picture->FileLink = "[Folder]/linked.bmp";
    picture->GetData();
    EXPECT_EQ(DecodePicture(picture->Picture()).Width(), 3);
    picture->FileLink = "[Folder]/missing.bmp";
    picture->GetData();
    EXPECT_TRUE(picture->Picture().empty()) << "a missing file clears the picture instead of failing";
}

TEST(GraphicViews, WritesAPageOfShapesForPeopleToLookAt)
{
    QtCanvas canvas(520, 160);
    int x = 10;
    for (TqbxShapeKind kind :
        { skRectangle, skRoundRectangle, skEllipse, skTriangle, skDiamond, skDiagonal1, skDiagonal2 }) {
        TqbxShapeView shape;
        shape.SetBounds(x, 10, 50, 50);
        shape.Shape = kind;
        shape.Color = clSkyBlue;
        shape.BrushStyle = kind % 2 ? bsDiagCross : bsSolid;
        shape.Frame.SetColor(clNavy);
        shape.Frame.SetWidth(2);
        shape.Draw(canvas, 1, 1, 0, 0);
        x += 70;
    }
    TqbxLineView arrow;
    arrow.SetBounds(10, 100, 200, 40);
    arrow.Diagonal = true;
    arrow.ArrowStart = arrow.ArrowEnd = true;
    arrow.ArrowSolid = true;
    arrow.Draw(canvas, 1, 1, 0, 0);
    RasterImage gradient(64, 32);
    for (int y = 0; y < 32; ++y)
        for (int i = 0; i < 64; ++i)
            gradient.SetPixel(i, y, 0xFF000000u | (static_cast<unsigned>(i * 4) << 16) | static_cast<unsigned>(y * 8));
    TqbxPictureView picture;
    picture.SetBounds(250, 90, 120, 60);
    picture.SetPicture(EncodeJpeg(gradient));
    picture.Frame.Typ = 15;
    picture.Draw(canvas, 1, 1, 0, 0);
    std::filesystem::create_directories(QBX_TEST_OUTPUT);
    EXPECT_TRUE(canvas.Image()->save(QBX_TEST_OUTPUT "/shapes.png"));
}

} // namespace
} // namespace qbx

// Prepared pages drawn on the Qt canvas: a position on the page lands on the pixel the resolution says.
#include "base/Rounding.h"
#include "engine/TqbxPreviewPages.h"
#include "platform/Pictures.h"
#include "platform/qt/QtCanvas.h"
#include "report/ClassRegistry.h"
#include "report/TqbxBands.h"
#include "report/TqbxPages.h"
#include "report/TqbxReport.h"
#include "views/TqbxMemoView.h"

#include <gtest/gtest.h>

namespace qbx {
namespace {

TEST(PagePixels, APagePositionLandsOnItsPixelAtEveryResolution)
{
    RegisterStandardClasses();
    TqbxReport report;
    auto* page = new TqbxReportPage(&report);
    page->SetDefaults(); // A4, 10 mm margins: the printable area starts at 37.7953 page pixels
    auto* band = new TqbxMasterData(page);
    band->SetBounds(0, 0, 700, 200);
    auto* box = new TqbxMemoView(band); // a filled memo without text: only its background paints
    box->SetBounds(100, 50, 60, 40);
    box->Color = clBlack;
    TqbxPreviewPages& store = report.PreviewPages();
    store.AddSourcePage(*page);
    store.AddPage(*page);
    store.AddObject(*band);
    struct Row
    {
        int dpi;
    };
    for (Row row : { Row { 96 }, Row { 150 }, Row { 300 } }) {
        SCOPED_TRACE(row.dpi);
        long double scale = row.dpi / 96.0L;
        QtCanvas canvas(RoundToInt(210 * 3.77953L * scale), RoundToInt(297 * 3.77953L * scale));
        store.DrawPage(0, canvas, scale, scale, 0, 0);
        RasterImage image = canvas.Snapshot();
        int left = RoundToInt((37.7953L + 100) * scale), top = RoundToInt((37.7953L + 50) * scale);
        int right = RoundToInt((37.7953L + 160) * scale), bottom = RoundToInt((37.7953L + 90) * scale);
        EXPECT_EQ(image.PixelColor(left, top), clBlack) << "the fill starts on its corner pixel";
        EXPECT_EQ(image.PixelColor(left - 1, top), clWhite);
        EXPECT_EQ(image.PixelColor(left, top - 1), clWhite);
        EXPECT_EQ(image.PixelColor(right - 1, bottom - 1), clBlack);
        EXPECT_EQ(image.PixelColor(right, bottom - 1), clWhite) << "fills exclude the right edge";
        EXPECT_EQ(image.PixelColor(0, 0), clWhite) << "the sheet is white where nothing is painted";
    }
}

} // namespace
} // namespace qbx

// Family names used by templates resolve to the installed metric-compatible fonts.
#include "platform/qt/QtCanvas.h"
#include "platform/qt/QtPlatform.h"

#include <gtest/gtest.h>

namespace qbx {
namespace {

TEST(QtFonts, TemplateFamiliesResolveToInstalledFonts)
{
    struct Row
    {
        const char* requested;
        const char* installed;
    } rows[] = { { "Arial", "Liberation Sans" }, { "Times New Roman", "Liberation Serif" },
        { "Courier New", "Liberation Mono" }, { "Tahoma", "DejaVu Sans" }, { "MS Sans Serif", "DejaVu Sans" } };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.requested);
        EXPECT_EQ(CurrentPlatform().Fonts().ResolvedFamily(row.requested), row.installed);
    }
}

TEST(QtFonts, ArialMeasuresWithLiberationSansMetrics)
{
    std::unique_ptr<Canvas> canvas = CurrentPlatform().CreateMeasuringCanvas(600);
    canvas->Font.Height = -2048; // one pixel per font unit of a 2048-unit em
    canvas->Font.Name = "Arial";
    std::vector<int> arial = canvas->CharAdvances(u"Wi ");
    // Arial's published advance widths: W 1933, i 455, space 569 units.
    EXPECT_NEAR(arial[0], 1933, 1);
    EXPECT_NEAR(arial[1], 455, 1);
    EXPECT_NEAR(arial[2], 569, 1);
    canvas->Font.Name = "Liberation Sans";
    EXPECT_EQ(canvas->CharAdvances(u"Wi "), arial);
}

TEST(QtFonts, CumulativeExtentsRiseToTheTotal)
{
    std::unique_ptr<Canvas> canvas = CurrentPlatform().CreateMeasuringCanvas(600);
    canvas->Font.Height = FontHeightForSize(10, 600);
    EXPECT_EQ(canvas->Font.Height, -83);
    std::u16string text = u"Report \u0416 text";
    std::vector<int> cumulative = canvas->CumulativeExtents(text);
    ASSERT_EQ(cumulative.size(), text.size());
    for (std::size_t i = 1; i < cumulative.size(); ++i)
        EXPECT_GT(cumulative[i], cumulative[i - 1]) << i;
    EXPECT_EQ(canvas->TextExtent(text).Width, cumulative.back());
    TFontMetrics m = canvas->FontMetrics();
    EXPECT_EQ(m.Height, m.Ascent + m.Descent);
    EXPECT_GE(m.Height, 83);
}

} // namespace
} // namespace qbx

// Report pages: paper geometry, orientation, columns and alignment of their bands.
#include "report/TqbxPages.h"

#include "base/Exceptions.h"
#include "formats/TqbxXMLSerializer.h"
#include "report/TqbxBands.h"
#include "report/TqbxReport.h"

#include <gtest/gtest.h>

namespace qbx {
namespace {

TEST(TqbxReportPage, NewPageIsA4Portrait)
{
    TqbxReportPage page;
    EXPECT_EQ(page.PaperSize(), 9);
    EXPECT_EQ(page.PaperWidth(), 210);
    EXPECT_EQ(page.PaperHeight(), 297);
    EXPECT_EQ(page.Width(), 794); // 793.70 rounded
    EXPECT_EQ(page.Height(), 1123); // 1122.52 rounded
    EXPECT_EQ(page.LeftMargin, 0);
    EXPECT_EQ(page.BaseName(), "ReportPage");
}

TEST(TqbxReportPage, OrientationSwapsPaperAndRotatesMargins)
{
    TqbxReportPage page;
    page.LeftMargin = 10;
    page.RightMargin = 20;
    page.TopMargin = 30;
    page.BottomMargin = 40;
    page.SetOrientation(poLandscape);
    EXPECT_EQ(page.PaperWidth(), 297);
    EXPECT_EQ(page.Width(), 1123);
    EXPECT_EQ(page.LeftMargin, 30);
    EXPECT_EQ(page.RightMargin, 40);
    EXPECT_EQ(page.TopMargin, 20);
    EXPECT_EQ(page.BottomMargin, 10);
    page.SetOrientation(poLandscape); // no change
    EXPECT_EQ(page.LeftMargin, 30);
    page.SetOrientation(poPortrait);
    EXPECT_EQ(page.LeftMargin, 10);
    EXPECT_EQ(page.RightMargin, 20);
    EXPECT_EQ(page.TopMargin, 30);
    EXPECT_EQ(page.BottomMargin, 40);
    EXPECT_EQ(page.PaperWidth(), 210);
}

TEST(TqbxReportPage, PaperSetters)
{
    TqbxReportPage page;
    page.SetPaperWidth(100.123456789L);
    EXPECT_NEAR(static_cast<double>(page.PaperWidth()), 100.12345679, 1e-12);
    EXPECT_EQ(page.PaperSize(), 256);
    EXPECT_EQ(page.Width(), 378); // 100.12345679 x 3.77953 = 378.42
    page.SetPaperSize(11); // A5
    EXPECT_EQ(page.PaperWidth(), 148);
    EXPECT_EQ(page.PaperHeight(), 210);
    page.SetPaperSize(48); // not in the table: the dimensions stay
    EXPECT_EQ(page.PaperSize(), 48);
    EXPECT_EQ(page.PaperWidth(), 148);
    page.SetOrientation(poLandscape);
    page.SetPaperSize(9);
    EXPECT_EQ(page.PaperWidth(), 297) << "a landscape page takes the table's sizes swapped";
    page.SetDefaults();
    EXPECT_EQ(page.LeftMargin, 10);
    EXPECT_EQ(page.Orientation(), poPortrait);
    EXPECT_EQ(page.PaperWidth(), 210);
}

TEST(TqbxReportPage, ColumnsDivideThePrintableWidth)
{
    TqbxReportPage page;
    page.LeftMargin = page.RightMargin = 10;
    page.SetColumns(3);
    EXPECT_NEAR(static_cast<double>(page.ColumnWidth), 63.3333333333333, 1e-12);
    EXPECT_EQ(page.ColumnPositions.Text(), u"0\r\n63.3333333333333\r\n126.666666666667\r\n");
    page.SetColumns(0);
    EXPECT_EQ(page.ColumnPositions.Count(), 0);
}

TEST(TqbxReportPage, AlignChildrenStretchesBandsOverThePrintableArea)
{
    TqbxReport report;
    auto* page = new TqbxReportPage(&report);
    page->LeftMargin = page->RightMargin = page->TopMargin = page->BottomMargin = 10;
    auto* title = new TqbxReportTitle(page);
    title->SetBounds(5, 0, 1, 20);
    auto* vertical = new TqbxMasterData(page);
    vertical->Vertical = true;
    vertical->SetBounds(0, 30, 40, 1);
    page->AlignChildren();
    long double width = (210 - 20) * 3.77953L, height = (297 - 20) * 3.77953L;
    EXPECT_NEAR(static_cast<double>(title->Width()), static_cast<double>(width - 5), 1e-9);
    EXPECT_EQ(title->Height(), 20);
    EXPECT_NEAR(static_cast<double>(vertical->Height()), static_cast<double>(height - 30), 1e-9);
    EXPECT_EQ(vertical->Width(), 40);
    EXPECT_EQ(page->Width(), 794) << "the page returns to its whole paper size";
    EXPECT_EQ(page->FindBand(TqbxDataBand::StaticClassInfo()), vertical);
    EXPECT_EQ(page->FindBand(TqbxOverlay::StaticClassInfo()), nullptr);
}

TEST(TqbxReportPage, DefaultPaperIsWrittenWithoutDefaults)
{
    TqbxReport report;
    auto* page = new TqbxReportPage(&report);
    page->SetName("Page1");
    TqbxXMLSerializer serializer(&report);
    EXPECT_EQ(serializer.ObjToXML(*page, "", nullptr),
        " PaperWidth=\"210\" PaperHeight=\"297\" PaperSize=\"9\" LeftMargin=\"0\" RightMargin=\"0\" TopMargin=\"0\""
        " BottomMargin=\"0\" ColumnWidth=\"0\" ColumnPositions.Text=\"\" HGuides.Text=\"\" VGuides.Text=\"\"");
}

} // namespace
} // namespace qbx

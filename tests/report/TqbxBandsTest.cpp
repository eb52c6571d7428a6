// Bands: the classification the engine relies on, the child chain, columns and drill-down differences.
#include "report/TqbxBands.h"

#include "base/Exceptions.h"
#include "report/TqbxPages.h"
#include "report/TqbxReport.h"
#include "views/TqbxView.h"

#include <memory>

#include <gtest/gtest.h>

namespace qbx {
namespace {

TEST(TqbxBand, BandNumberFollowsTheClassificationTable)
{
    struct Row
    {
        const char* className;
        int number;
    } rows[] = {
        { "TqbxReportTitle", 0 },
        { "TqbxReportSummary", 1 },
        { "TqbxPageHeader", 2 },
        { "TqbxPageFooter", 3 },
        { "TqbxHeader", 4 },
        { "TqbxFooter", 5 },
        { "TqbxMasterData", 6 },
        { "TqbxDetailData", 7 },
        { "TqbxSubdetailData", 8 },
        { "TqbxDataBand4", 9 },
        { "TqbxDataBand5", 10 },
        { "TqbxDataBand6", 11 },
        { "TqbxGroupHeader", 12 },
        { "TqbxGroupFooter", 13 },
        { "TqbxChild", 14 },
        { "TqbxColumnHeader", 15 },
        { "TqbxColumnFooter", 16 },
        { "TqbxOverlay", 17 },
        { "TqbxNullBand", 0 },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.className);
        const ClassInfo* info = nullptr;
        for (const ClassInfo* kind : BandKinds())
            if (kind->ClassName() == row.className)
                info = kind;
        if (!info)
            info = &TqbxNullBand::StaticClassInfo();
        std::unique_ptr<TqbxComponent> band(info->Create(nullptr));
        EXPECT_EQ(static_cast<TqbxBand*>(band.get())->BandNumber(), row.number);
    }
    EXPECT_FALSE(TqbxDataBand::StaticClassInfo().IsCreatable());
}

TEST(TqbxBand, ChildChainsMustNotCircle)
{
    TqbxReport report;
    auto* page = new TqbxReportPage(&report);
    auto* a = new TqbxMasterData(page);
    auto* b = new TqbxChild(page);
    auto* c = new TqbxChild(page);
    try {
        a->SetChild(a);
        ADD_FAILURE();
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "Circular child reference is not allowed");
    }
    a->SetChild(b);
    b->SetChild(c);
    EXPECT_THROW(c->SetChild(a), EConvertError);
    EXPECT_EQ(c->Child(), nullptr);
    delete b;
    EXPECT_EQ(a->Child(), nullptr) << "destroying the child clears the reference";
}

TEST(TqbxBand, DataBandColumnsMoveTheBand)
{
    TqbxMasterData band;
    band.Columns = 3;
    band.ColumnWidth = 100;
    band.ColumnGap = 10;
    band.ColumnPositions = { 5, 6, 7 };
    band.SetCurColumn(3);
    EXPECT_EQ(band.Left(), 220);
    EXPECT_EQ(band.ColumnPositions[0], 5);
    band.SetCurColumn(4);
    EXPECT_EQ(band.CurColumn(), 1);
    EXPECT_EQ(band.Left(), 0);
    EXPECT_EQ(band.ColumnPositions, (std::vector<long double> { 0, 0, 0 }));
}

TEST(TqbxBand, GroupHeaderDiffCarriesTheDrillDownNumber)
{
    TqbxGroupHeader a, b;
    EXPECT_EQ(a.Diff(b), " t=\"0\"");
    a.DrillDown = true;
    a.DrillDownNumber = 3;
    EXPECT_EQ(a.Diff(b), " t=\"0\" Tag=\"3\"");
    EXPECT_EQ(a.GetDescription(), "obBand");
}

TEST(TqbxSubreport, IsCreatedFramedInSilverTahoma)
{
    TqbxSubreport subreport;
    EXPECT_EQ(subreport.Frame.Typ, 15);
    EXPECT_EQ(subreport.Font().Name(), "Tahoma");
    EXPECT_EQ(subreport.Font().Size(), 8);
    EXPECT_EQ(subreport.Color, 12632256);
    EXPECT_EQ(subreport.StyleFlags() & sfCopyToPreview, 0) << "prepared pages do not copy it";
    EXPECT_NE(subreport.StyleFlags() & sfFullAttributes, 0);
    EXPECT_EQ(subreport.BaseName(), "Subreport");
    TqbxReportPage page;
    subreport.SetPage(&page);
    EXPECT_EQ(page.Subreport, &subreport);
    subreport.SetPage(nullptr);
    EXPECT_FALSE(page.IsSubreport());
}

} // namespace
} // namespace qbx

// The band engine on templates built from a compact description: the band structure and its errors,
// page breaks with repeated headers and footers, records, columns, splitting, keeping and two passes.
#include "engine/TqbxEngine.h"

#include "engine/TqbxPreviewPages.h"
#include "platform/fake/FakePlatform.h"
#include "platform/fake/RecordingCanvas.h"
#include "report/ClassRegistry.h"
#include "report/TqbxBands.h"
#include "report/TqbxPages.h"
#include "report/TqbxReport.h"
#include "views/TqbxMemoView.h"
#include "views/TqbxView.h"

#include <algorithm>
#include <functional>
#include <sstream>

#include <gtest/gtest.h>

namespace qbx {
namespace {

// One band of a test template: its class, name and height, and anything else it needs.
struct BandSpec
{
    const char* Class;
    const char* Name;
    long double Height = 20;
    std::function<void(TqbxBand&)> Setup = nullptr;
};

std::function<void(TqbxBand&)> Rows(int count)
{
    return [count](TqbxBand& b) { static_cast<TqbxDataBand&>(b).SetRowCount(count); };
}

class EngineTest : public testing::Test
{
protected:
    EngineTest()
    {
        RegisterStandardClasses();
        report.EngineOptions.NewSilentMode = simSilent;
    }

    // Every prepared report of these tests also goes through a .qp3 and comes back the same.
    void TearDown() override
    {
        TqbxPreviewPages& mine = report.PreviewPages();
        if (mine.PageCount() == 0)
            return;
        std::ostringstream out;
        mine.SaveToStream(out);
        TqbxReport other;
        other.PreviewPages().LoadFromStream(std::make_unique<std::istringstream>(out.str()), false);
        ASSERT_EQ(other.PreviewPages().PageCount(), mine.PageCount());
        for (int p = 0; p < mine.PageCount(); ++p) {
            SCOPED_TRACE(p);
            std::size_t objects = mine.GetPage(p)->AllObjects().size();
            EXPECT_EQ(other.PreviewPages().GetPage(p)->AllObjects().size(), objects);
        }
        std::ostringstream again;
        other.PreviewPages().SaveToStream(again);
        EXPECT_EQ(again.str(), out.str()) << "saved again byte for byte";
    }

    // An A4 page with 10 mm margins (printable height 1046.93) holding the bands top to bottom.
    TqbxReportPage& Build(const std::vector<BandSpec>& bands)
    {
        auto* page = new TqbxReportPage(&report);
        page->SetName("Page" + std::to_string(report.PagesCount()));
        page->SetDefaults();
        long double top = 0;
        for (const BandSpec& spec : bands) {
            auto* band = static_cast<TqbxBand*>(ClassRegistry::Instance().Create(spec.Class, page));
            band->SetName(spec.Name);
            band->SetBounds(0, top, 700, spec.Height);
            top += spec.Height + 10;
            if (spec.Setup)
                spec.Setup(*band);
        }
        return *page;
    }
    TqbxBand& Band(const char* name) { return *static_cast<TqbxBand*>(report.FindObject(name)); }

    // The bands of a prepared page as "Name@top".
    std::vector<std::string> Layout(int index)
    {
        TqbxPreviewPages& store = report.PreviewPages();
        TqbxXMLItem& page = *store.PagesItem().Items(index);
        store.Document().LoadItem(page);
        std::vector<std::string> bands;
        for (int i = 0; i < page.Count(); ++i) {
            TqbxComponent* source = store.SourceObject(page.Items(i)->Name);
            bands.push_back((source ? source->Name() : page.Items(i)->Name) + "@" + page.Items(i)->Prop("t"));
        }
        return bands;
    }
    int Pages() { return report.PreviewPages().PageCount(); }
    std::size_t Count(int page, const std::string& band)
    {
        std::size_t n = 0;
        for (const std::string& b : Layout(page))
            n += b.rfind(band + "@", 0) == 0;
        return n;
    }

    fake::FakePlatform platform;
    TqbxReport report;
};

TEST_F(EngineTest, StructureErrorsStopTheRunWithoutPages)
{
    struct Row
    {
        const char* name;
        std::vector<BandSpec> bands;
        const char* error;
    };
    const Row rows[] = {
        { "a header not above a data band",
            { { "TqbxMasterData", "MasterData1", 20, Rows(1) }, { "TqbxHeader", "Header1" } },
            "Unconnected header/footer Header1" },
        { "a detail above every master",
            { { "TqbxDetailData", "DetailData1", 20, Rows(1) }, { "TqbxMasterData", "MasterData1", 20, Rows(1) } },
            "Incorrect band position: DetailData1" },
        { "a group footer without header",
            { { "TqbxMasterData", "MasterData1", 20, Rows(1) }, { "TqbxGroupFooter", "GroupFooter1" } },
            "No group header for GroupFooter1" },
        { "a group without data band", { { "TqbxGroupHeader", "GroupHeader1" } },
            "No data band for the group GroupHeader1" },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        report.Clear();
        Build(row.bands);
        EXPECT_FALSE(report.PrepareReport(true));
        EXPECT_EQ(report.Errors.Items(), (std::vector<std::string> { row.error }));
        EXPECT_EQ(Pages(), 0);
    }
}

TEST_F(EngineTest, NestedGroupsPairFootersWithTheirHeaders)
{
    Build({ { "TqbxGroupHeader", "GH1" }, { "TqbxGroupHeader", "GH2" }, { "TqbxMasterData", "MD", 20, Rows(2) },
        { "TqbxGroupFooter", "GF2" }, { "TqbxGroupFooter", "GF1" } });
    static_cast<TqbxGroupHeader&>(Band("GH1")).Condition = "Page#";
    static_cast<TqbxGroupHeader&>(Band("GH2")).Condition = "Page#";
    ASSERT_TRUE(report.PrepareReport(true)) << report.Errors.Text();
    EXPECT_EQ(Layout(0), (std::vector<std::string> { "GH1@0", "GH2@20", "MD@40", "MD@60", "GF2@80", "GF1@100" }));
}

TEST_F(EngineTest, ListsBreakPagesWithRepeatedHeadersAndFooters)
{
    Build({ { "TqbxReportTitle", "Title", 30 }, { "TqbxPageHeader", "PH" }, { "TqbxMasterData", "MD", 20, Rows(100) },
        { "TqbxReportSummary", "Summary" }, { "TqbxPageFooter", "PF" } });
    ASSERT_TRUE(report.PrepareReport(true)) << report.Errors.Text();
    // The title, then the page header; rows while 20 fit above the footer: CurY <= 1046.93 - 40.
    ASSERT_EQ(Pages(), 3);
    std::vector<std::string> first = Layout(0);
    EXPECT_EQ(first.front(), "Title@0");
    EXPECT_EQ(first[1], "PH@30");
    EXPECT_EQ(Count(0, "MD"), 48u); // at 50 .. 990
    EXPECT_EQ(first.back(), "PF@1026.92981");
    std::vector<std::string> second = Layout(1);
    EXPECT_EQ(second.front(), "PH@0") << "the title prints once";
    EXPECT_EQ(Count(1, "MD"), 50u);
    std::vector<std::string> last = Layout(2);
    EXPECT_EQ(Count(2, "MD"), 2u);
    EXPECT_EQ(last[3], "Summary@60") << "the summary follows the last record";
    EXPECT_EQ(last.back(), "PF@1026.92981");
}

TEST_F(EngineTest, PageFooterRulesAndStartNewPage)
{
    Build({ { "TqbxMasterData", "MD", 20,
                [](TqbxBand& b) {
                    static_cast<TqbxDataBand&>(b).SetRowCount(3);
                    b.StartNewPage = true;
                } },
        { "TqbxPageFooter", "PF", 20,
            [](TqbxBand& b) { static_cast<TqbxPageFooter&>(b).PrintOnFirstPage = false; } } });
    ASSERT_TRUE(report.PrepareReport(true)) << report.Errors.Text();
    ASSERT_EQ(Pages(), 3) << "the first record on the current page, every other on a new one";
    EXPECT_EQ(Layout(0), (std::vector<std::string> { "MD@0" })) << "no footer on the first page";
    EXPECT_EQ(Layout(1), (std::vector<std::string> { "MD@0", "PF@1026.92981" }));
    EXPECT_EQ(Layout(2), (std::vector<std::string> { "MD@0", "PF@1026.92981" }));
}

TEST_F(EngineTest, PageHeadersTitlesAndManualBuilds)
{
    TqbxReportPage& page = Build({ { "TqbxReportTitle", "Title" },
        { "TqbxPageHeader", "PH", 20, [](TqbxBand& b) { static_cast<TqbxPageHeader&>(b).PrintOnFirstPage = false; } },
        { "TqbxMasterData", "MD", 500, Rows(3) } });
    page.TitleBeforeHeader = false;
    ASSERT_TRUE(report.PrepareReport(true)) << report.Errors.Text();
    ASSERT_EQ(Pages(), 2);
    EXPECT_EQ(Layout(0), (std::vector<std::string> { "Title@0", "MD@20", "MD@520" })) << "no page header on page 1";
    EXPECT_EQ(Layout(1), (std::vector<std::string> { "PH@0", "MD@20" }));

    int built = 0;
    report.OnManualBuild = [&](TqbxComponent& p) {
        ++built;
        auto& engine = report.Engine();
        engine.ShowBand(static_cast<TqbxBand*>(p.FindObject("MD")));
        engine.NewPage();
        engine.ShowBand(static_cast<TqbxBand*>(p.FindObject("MD")));
    };
    ASSERT_TRUE(report.PrepareReport(true)) << report.Errors.Text();
    EXPECT_EQ(built, 1);
    EXPECT_EQ(Layout(0), (std::vector<std::string> { "Title@0", "MD@20" })) << "the host's bands instead of the loop";
    EXPECT_EQ(Layout(1), (std::vector<std::string> { "PH@0", "MD@20" }));
}

TEST_F(EngineTest, ATallBandMovesOnceAndOverflowsThePage)
{
    Build({ { "TqbxMasterData", "Small", 20, Rows(1) }, { "TqbxDetailData", "Tall", 1500, Rows(1) } });
    ASSERT_TRUE(report.PrepareReport(true)) << report.Errors.Text();
    ASSERT_EQ(Pages(), 2);
    EXPECT_EQ(Layout(0), (std::vector<std::string> { "Small@0" }));
    EXPECT_EQ(Layout(1), (std::vector<std::string> { "Tall@0" })) << "printed regardless, past the bottom";
}

TEST_F(EngineTest, AHeaderTallerThanThePageBreaksNoMoreThanOnce)
{
    // Found by fuzzing: the reprinted header did not fit its new page either and broke it again, without end.
    Build({ { "TqbxPageHeader", "PH", 1200 }, { "TqbxMasterData", "MD", 20, Rows(3) } });
    ASSERT_TRUE(report.PrepareReport(true)) << report.Errors.Text();
    ASSERT_EQ(Pages(), 4);
    EXPECT_EQ(Layout(0), (std::vector<std::string> { "PH@0" }));
    EXPECT_EQ(Layout(1), (std::vector<std::string> { "PH@0", "MD@1200" })) << "printed below the bottom, once";
}

TEST_F(EngineTest, ColumnsFillLeftToRightThenBreakThePage)
{
    TqbxReportPage& page = Build({ { "TqbxColumnHeader", "CH" }, { "TqbxMasterData", "MD", 500, Rows(5) } });
    page.SetColumns(2);
    ASSERT_TRUE(report.PrepareReport(true)) << report.Errors.Text();
    ASSERT_EQ(Pages(), 2);
    EXPECT_EQ(Layout(0), (std::vector<std::string> { "CH@0", "MD@20", "MD@520", "CH@0", "MD@20", "MD@520" }));
    TqbxXMLItem& first = *report.PreviewPages().PagesItem().Items(0);
    EXPECT_EQ(first.Items(3)->Prop("l"), "359.05535") << "the second column starts 95 mm to the right";
    EXPECT_EQ(Layout(1), (std::vector<std::string> { "CH@0", "MD@20" }));
}

TEST_F(EngineTest, EndlessHeightGrowsThePageToWhatIsUsed)
{
    TqbxReportPage& page = Build({ { "TqbxMasterData", "MD", 20, Rows(100) }, { "TqbxPageFooter", "PF" } });
    page.EndlessHeight = true;
    ASSERT_TRUE(report.PrepareReport(true)) << report.Errors.Text();
    ASSERT_EQ(Pages(), 1);
    // margins + footer + 100 rows of 20 pixels.
    EXPECT_EQ(report.PreviewPages().GetPageSize(0).Y, 2096);
}

TEST_F(EngineTest, ASplitMemoGoesOutInPiecesAndWhatIsBelowFollows)
{
    Build({ { "TqbxMasterData", "MD", 60, [](TqbxBand& b) {
                 static_cast<TqbxDataBand&>(b).SetRowCount(1);
                 b.AllowSplit = true;
                 b.Stretched = true;
                 auto* memo = new TqbxMemoView(&b);
                 memo->SetName("Long");
                 memo->SetBounds(0, 0, 300, 20);
                 memo->StretchMode = smActualHeight;
                 std::u16string text;
                 for (int i = 0; i < 170; ++i) // 15.28 units a line with the test font: about 2.5 pages
                     text += u"line\r\n";
                 memo->Memo.SetText(text);
                 auto* below = new TqbxMemoView(&b);
                 below->SetName("Below");
                 below->SetBounds(0, 30, 300, 20);
                 below->Memo.SetText(u"after");
             } } });
    ASSERT_TRUE(report.PrepareReport(true)) << report.Errors.Text();
    ASSERT_EQ(Pages(), 3);
    for (int p = 0; p < 3; ++p)
        EXPECT_EQ(Count(p, "MD"), 1u) << p;
    TqbxReportPage* last = report.PreviewPages().GetPage(2);
    ASSERT_EQ(last->Objects().size(), 1u);
    std::vector<std::string> names;
    for (TqbxComponent* c : last->Objects()[0]->Objects())
        names.push_back(c->Name());
    EXPECT_EQ(names, (std::vector<std::string> { "Long", "Below" })) << "the object below follows the last piece";
}

TEST_F(EngineTest, TwoPassesKnowTheTotalOnTheFirstPage)
{
    report.EngineOptions.DoublePass = true;
    Build({ { "TqbxPageHeader", "PH", 20,
                [](TqbxBand& b) {
                    auto* memo = new TqbxMemoView(&b);
                    memo->SetName("Of");
                    memo->SetBounds(0, 0, 200, 18);
                    memo->Memo.SetText(u"Page [Page#] of [TotalPages#] ([Page]/[TotalPages])");
                } },
        { "TqbxMasterData", "MD", 20, Rows(120) } });
    ASSERT_TRUE(report.PrepareReport(true)) << report.Errors.Text();
    ASSERT_EQ(Pages(), 3);
    for (int p = 0; p < 3; ++p) {
        SCOPED_TRACE(p);
        fake::RecordingCanvas canvas;
        report.PreviewPages().DrawPage(p, canvas, 1, 1, 0, 0);
        std::string expected = "\"Page " + std::to_string(p + 1) + " of 3 (" + std::to_string(p + 1) + "/3)\"";
        std::vector<std::string> log = canvas.Log();
        EXPECT_TRUE(std::any_of(log.begin(), log.end(), [&](const std::string& line) {
            return line.find(expected) != std::string::npos;
        })) << expected;
    }
}

void GiveGroups(TqbxUserDataSet& orders)
{
    orders.OnGetValue = [&orders](const std::string&, Variant& value) {
        static const char* groups[] = { "A", "A", "B", "C", "C", "C" };
        value = Variant(groups[std::clamp(orders.RecNo, 0, 5)]);
    };
}

// A data set on the report's data page whose records carry the field "Group" (A A B C C C).
TqbxUserDataSet& Orders(TqbxReport& report)
{
    report.EnsureDataPage();
    auto* orders = new TqbxUserDataSet(report.FindObject("Data"));
    orders->SetName("Orders");
    orders->RangeEnd = reCount;
    orders->RangeEndCount = 6;
    orders->Fields = { "Group" };
    GiveGroups(*orders);
    report.DataSets.Add();
    report.DataSets.Item(report.DataSets.Count() - 1)->SetDataSetName("Orders");
    return *orders;
}

TEST_F(EngineTest, GroupsBreakOnTheirConditionAndHideSingleRecordFooters)
{
    TqbxUserDataSet& orders = Orders(report);
    Build({ { "TqbxGroupHeader", "GH", 20,
                [](TqbxBand& b) { static_cast<TqbxGroupHeader&>(b).Condition = "Orders.\"Group\""; } },
        { "TqbxMasterData", "MD", 20, [&](TqbxBand& b) { static_cast<TqbxDataBand&>(b).SetDataSet(&orders); } },
        { "TqbxGroupFooter", "GF", 20,
            [](TqbxBand& b) { static_cast<TqbxGroupFooter&>(b).HideIfSingleDataRecord = true; } } });
    ASSERT_TRUE(report.PrepareReport(true)) << report.Errors.Text();
    EXPECT_EQ(Layout(0),
        (std::vector<std::string> {
            "GH@0", "MD@20", "MD@40", "GF@60", "GH@80", "MD@100", "GH@120", "MD@140", "MD@160", "MD@180", "GF@200" }));
}

TEST_F(EngineTest, DrillDownGroupsShowOnlyTheExpandedGroups)
{
    TqbxUserDataSet& orders = Orders(report);
    Build({ { "TqbxGroupHeader", "GH", 20,
                [](TqbxBand& b) {
                    static_cast<TqbxGroupHeader&>(b).Condition = "Orders.\"Group\"";
                    static_cast<TqbxGroupHeader&>(b).DrillDown = true;
                } },
        { "TqbxMasterData", "MD", 20, [&](TqbxBand& b) { static_cast<TqbxDataBand&>(b).SetDataSet(&orders); } },
        { "TqbxGroupFooter", "GF" } });
    ASSERT_TRUE(report.PrepareReport(true)) << report.Errors.Text();
    EXPECT_EQ(Layout(0), (std::vector<std::string> { "GH@0", "GH@20", "GH@40" })) << "every group collapsed";
    report.DrillDownList = { "GH.2" };
    // The run gave the report back its template: the data set is a new object without the host's callback.
    GiveGroups(static_cast<TqbxUserDataSet&>(*report.FindObject("Orders")));
    ASSERT_TRUE(report.PrepareReport(true)) << report.Errors.Text();
    EXPECT_EQ(Layout(0), (std::vector<std::string> { "GH@0", "GH@20", "MD@40", "GF@60", "GH@80" }))
        << "the second group expanded";
}

TEST_F(EngineTest, MultiColumnBandsFillRowsAndHeadersReprintOnNewPages)
{
    Build({ { "TqbxMasterData", "MD", 20, [](TqbxBand& b) {
                 auto& data = static_cast<TqbxDataBand&>(b);
                 data.SetRowCount(7);
                 data.Columns = 3;
                 data.ColumnWidth = 200;
                 data.ColumnGap = 10;
             } } });
    ASSERT_TRUE(report.PrepareReport(true)) << report.Errors.Text();
    EXPECT_EQ(Layout(0), (std::vector<std::string> { "MD@0", "MD@0", "MD@0", "MD@20", "MD@20", "MD@20", "MD@40" }));
    TqbxXMLItem& page = *report.PreviewPages().PagesItem().Items(0);
    EXPECT_EQ(page.Items(1)->Prop("l") + " " + page.Items(2)->Prop("l") + " " + page.Items(6)->Prop("l"), "210 420 ");

    report.Clear();
    Build({ { "TqbxHeader", "H", 20, [](TqbxBand& b) { static_cast<TqbxHeader&>(b).ReprintOnNewPage = true; } },
        { "TqbxMasterData", "Rows", 20, Rows(60) } });
    ASSERT_TRUE(report.PrepareReport(true)) << report.Errors.Text();
    ASSERT_EQ(Pages(), 2);
    EXPECT_EQ(Count(0, "Rows"), 51u);
    EXPECT_EQ(Layout(1).front(), "H@0") << "the header is shown again on the new page";
    EXPECT_EQ(Count(1, "Rows"), 9u);
}

TEST_F(EngineTest, RowCountLimitsADataSet)
{
    TqbxUserDataSet& orders = Orders(report);
    Build({ { "TqbxMasterData", "MD", 20, [&](TqbxBand& b) {
                 static_cast<TqbxDataBand&>(b).SetDataSet(&orders);
                 static_cast<TqbxDataBand&>(b).SetRowCount(3);
             } } });
    ASSERT_TRUE(report.PrepareReport(true)) << report.Errors.Text();
    EXPECT_EQ(Count(0, "MD"), 3u) << "three of the six records";
}

TEST_F(EngineTest, KeepTogetherMovesAMasterWithItsDetails)
{
    Build({ { "TqbxMasterData", "MD", 20,
                [](TqbxBand& b) {
                    static_cast<TqbxDataBand&>(b).SetRowCount(2);
                    static_cast<TqbxDataBand&>(b).KeepTogether = true;
                    b.OutlineText = "Line";
                } },
        { "TqbxDetailData", "DD", 20, Rows(30) } });
    ASSERT_TRUE(report.PrepareReport(true)) << report.Errors.Text();
    ASSERT_EQ(Pages(), 2);
    EXPECT_EQ(Layout(0).size(), 31u) << "the first master and its 30 details";
    std::vector<std::string> second = Layout(1);
    ASSERT_EQ(second.size(), 31u) << "the second master moved with all its details";
    EXPECT_EQ(second[0], "MD@0");
    EXPECT_EQ(second[1], "DD@20");
    TqbxXMLItem& outline = report.PreviewPages().OutlineItem();
    ASSERT_EQ(outline.Count(), 2);
    EXPECT_EQ(outline.Items(1)->Prop("page") + "@" + outline.Items(1)->Prop("top"), "1@0")
        << "the kept master's outline item moved with it";
}

TEST_F(EngineTest, AReportDataSetRunsThePagesOncePerRecord)
{
    TqbxUserDataSet& orders = Orders(report);
    report.SetDataSet(&orders);
    Build({ { "TqbxReportTitle", "Title" }, { "TqbxMasterData", "MD", 20, Rows(1) } });
    ASSERT_TRUE(report.PrepareReport(true)) << report.Errors.Text();
    EXPECT_EQ(Pages(), 6);
    EXPECT_EQ(Layout(5), (std::vector<std::string> { "Title@0", "MD@20" }));
}

TEST_F(EngineTest, OverlaysAndPagesPrintedOnThePreviousPage)
{
    Build({ { "TqbxMasterData", "MD", 20, Rows(2) },
        { "TqbxOverlay", "Over", 50, [](TqbxBand& b) { static_cast<TqbxOverlay&>(b).PrintOnTop = true; } } });
    TqbxReportPage& second = Build({ { "TqbxReportTitle", "Title2" }, { "TqbxMasterData", "MD2", 20, Rows(1) } });
    second.PrintOnPreviousPage = true;
    ASSERT_TRUE(report.PrepareReport(true)) << report.Errors.Text();
    ASSERT_EQ(Pages(), 1);
    EXPECT_EQ(Layout(0), (std::vector<std::string> { "MD@0", "MD@20", "Over@0", "Title2@40", "MD2@60" }))
        << "the overlay is drawn over the page at its end; the next report page continues below the last band";
}

TEST_F(EngineTest, SubreportsRunSideBySideAndOutputContinuesBelowTheLonger)
{
    TqbxReportPage& main = Build({ { "TqbxMasterData", "MD", 40, Rows(1) }, { "TqbxReportSummary", "After" } });
    TqbxReportPage& longer = Build({ { "TqbxMasterData", "S1", 20, Rows(60) } });
    TqbxReportPage& shorter = Build({ { "TqbxMasterData", "S2", 20, Rows(30) } });
    auto* sub1 = new TqbxSubreport(main.FindObject("MD"));
    sub1->SetBounds(0, 0, 200, 40);
    sub1->SetPage(&longer);
    auto* sub2 = new TqbxSubreport(main.FindObject("MD"));
    sub2->SetBounds(300, 0, 200, 40);
    sub2->SetPage(&shorter);
    ASSERT_TRUE(report.PrepareReport(true)) << report.Errors.Text();
    ASSERT_EQ(Pages(), 2);
    EXPECT_EQ(Count(0, "S1"), 52u) << "at 0 .. 1020";
    EXPECT_EQ(Count(0, "S2"), 30u) << "beside the first, from the band's top";
    EXPECT_EQ(Count(1, "S1"), 8u);
    EXPECT_EQ(Layout(1).back(), "After@160") << "below the longer one";
    TqbxXMLItem& first = *report.PreviewPages().PagesItem().Items(0);
    EXPECT_EQ(first.Items(53)->Prop("l"), "300");
}

TEST_F(EngineTest, SubreportsPrintedOnTheirParentJoinTheBand)
{
    TqbxReportPage& main = Build({ { "TqbxMasterData", "MD", 20, [](TqbxBand& b) {
                                        static_cast<TqbxDataBand&>(b).SetRowCount(1);
                                        b.Stretched = true;
                                    } } });
    TqbxReportPage& inner = Build({ { "TqbxMasterData", "Inner", 20, [](TqbxBand& b) {
                                         static_cast<TqbxDataBand&>(b).SetRowCount(3);
                                         auto* memo = new TqbxMemoView(&b);
                                         memo->SetName("Cell");
                                         memo->SetBounds(5, 0, 100, 18);
                                         memo->Memo.SetText(u"[Line]");
                                     } } });
    auto* sub = new TqbxSubreport(main.FindObject("MD"));
    sub->SetBounds(50, 10, 200, 20);
    sub->SetPage(&inner);
    sub->PrintOnParent = true;
    ASSERT_TRUE(report.PrepareReport(true)) << report.Errors.Text();
    ASSERT_EQ(Pages(), 1);
    EXPECT_EQ(Layout(0), (std::vector<std::string> { "MD@0" })) << "the inner bands do not print on their own";
    TqbxReportPage* page = report.PreviewPages().GetPage(0);
    std::vector<std::string> cells;
    for (TqbxComponent* c : page->Objects()[0]->Objects())
        cells.push_back(static_cast<TqbxMemoView*>(c)->Memo.JoinedUtf8() + "@"
            + std::to_string(static_cast<int>(c->Left())) + "," + std::to_string(static_cast<int>(c->Top())));
    EXPECT_EQ(cells, (std::vector<std::string> { "1@55,10", "2@55,30", "3@55,50" }));
    EXPECT_EQ(page->Objects()[0]->Height(), 68) << "the stretched band holds them";
}

// A horizontal band "Row" (label at 0, a cell memo at 300) crossed by a vertical data band "V" at 300.
void CrossLayout(EngineTest& test, TqbxReportPage& page, int rows, int columns)
{
    (void)test;
    auto* row = static_cast<TqbxDataBand*>(page.FindObject("Row"));
    row->SetRowCount(rows);
    auto* label = new TqbxMemoView(row);
    label->SetName("Label");
    label->SetBounds(0, 0, 50, 18);
    label->Memo.SetText(u"row [Line]");
    auto* cell = new TqbxMemoView(row);
    cell->SetName("Cell");
    cell->SetBounds(300, 0, 80, 18);
    cell->Memo.SetText(u"c[Line]");
    auto* v = new TqbxMasterData(&page);
    v->SetName("V");
    v->Vertical = true;
    v->SetBounds(300, 0, 80, 100);
    v->SetRowCount(columns);
}

std::vector<std::string> Cells(TqbxReportPage& page, std::size_t band)
{
    std::vector<std::string> cells;
    for (TqbxComponent* c : page.Objects()[band]->Objects())
        cells.push_back(
            static_cast<TqbxMemoView*>(c)->Memo.JoinedUtf8() + "@" + std::to_string(static_cast<int>(c->Left())));
    return cells;
}

TEST_F(EngineTest, VerticalBandsGiveEachRowItsCells)
{
    TqbxReportPage& page = Build({ { "TqbxMasterData", "Row" } });
    CrossLayout(*this, page, 2, 3);
    ASSERT_TRUE(report.PrepareReport(true)) << report.Errors.Text();
    ASSERT_EQ(Pages(), 1);
    TqbxReportPage* built = report.PreviewPages().GetPage(0);
    ASSERT_EQ(built->Objects().size(), 2u);
    EXPECT_EQ(Cells(*built, 0), (std::vector<std::string> { "row 1@0", "c1@0", "c2@80", "c3@160" }));
    EXPECT_EQ(Cells(*built, 1), (std::vector<std::string> { "row 2@0", "c1@0", "c2@80", "c3@160" }));
}

TEST_F(EngineTest, RowsWiderThanThePageContinueOnTheNextPageAtTheSameHeight)
{
    TqbxReportPage& page = Build({ { "TqbxMasterData", "Row" } });
    CrossLayout(*this, page, 1, 12); // 12 cells of 80 on 718 pixels: 8, then 4
    ASSERT_TRUE(report.PrepareReport(true)) << report.Errors.Text();
    ASSERT_EQ(Pages(), 2);
    TqbxReportPage* first = report.PreviewPages().GetPage(0);
    EXPECT_EQ(Cells(*first, 0).size(), 9u) << "the label and eight cells";
    TqbxReportPage* second = report.PreviewPages().GetPage(1);
    EXPECT_EQ(Cells(*second, 0), (std::vector<std::string> { "c9@0", "c10@80", "c11@160", "c12@240" }));
    EXPECT_EQ(Layout(1), (std::vector<std::string> { "Row@0" }));
}

TEST_F(EngineTest, PreparedPagesSurviveAQp3RoundTrip)
{
    Build({ { "TqbxPageHeader", "PH" }, { "TqbxMasterData", "MD", 20, Rows(70) }, { "TqbxPageFooter", "PF" } });
    ASSERT_TRUE(report.PrepareReport(true)) << report.Errors.Text();
    std::ostringstream out;
    report.PreviewPages().SaveToStream(out);
    TqbxReport other;
    other.PreviewPages().LoadFromStream(std::make_unique<std::istringstream>(out.str()), false);
    ASSERT_EQ(other.PreviewPages().PageCount(), Pages());
    for (int p = 0; p < Pages(); ++p) {
        SCOPED_TRACE(p);
        TqbxReportPage* mine = report.PreviewPages().GetPage(p);
        std::size_t objects = mine->AllObjects().size();
        EXPECT_EQ(other.PreviewPages().GetPage(p)->AllObjects().size(), objects);
    }
    std::ostringstream again;
    other.PreviewPages().SaveToStream(again);
    EXPECT_EQ(again.str(), out.str());
}

TEST_F(EngineTest, TheTemplateIsUnchangedByARun)
{
    Build({ { "TqbxMasterData", "MD", 20, Rows(3) } });
    report.EnsureDataPage();
    std::ostringstream before;
    report.SaveToStream(before);
    ASSERT_TRUE(report.PrepareReport(true));
    std::ostringstream after;
    report.SaveToStream(after);
    EXPECT_EQ(after.str(), before.str());
}

} // namespace
} // namespace qbx

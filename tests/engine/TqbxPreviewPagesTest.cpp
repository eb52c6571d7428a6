// The prepared pages store, filled as the band engine fills it: short names, differences, rebuilt pages,
// the page cache and the file cache, passes, logical page numbers, anchors, outline and kept objects.
#include "engine/TqbxPreviewPages.h"

#include "platform/fake/FakePlatform.h"
#include "platform/fake/RecordingCanvas.h"
#include "report/ClassRegistry.h"
#include "report/TqbxBands.h"
#include "report/TqbxPages.h"
#include "report/TqbxReport.h"
#include "views/TqbxGraphicViews.h"
#include "views/TqbxMemoView.h"

#include <gtest/gtest.h>

namespace qbx {
namespace {

// A template of one page with a master data band holding one memo, and a store to fill with it.
class StoreTest : public testing::Test
{
protected:
    StoreTest()
    {
        RegisterStandardClasses();
        page = new TqbxReportPage(&report);
        page->SetName("Page1");
        band = new TqbxMasterData(page);
        band->SetName("MasterData1");
        band->SetBounds(0, 20, 700, 20);
        memo = new TqbxMemoView(band);
        memo->SetName("Memo1");
        memo->SetBounds(10, 0, 200, 18);
        memo->Memo.SetText(u"same text");
    }

    // Adds `records` bands, one under the other, as the engine prints them.
    void Print(int records, long double firstTop = 0)
    {
        for (int i = 0; i < records; ++i) {
            band->SetTop(firstTop + i * 20);
            store.AddObject(*band);
        }
    }
    std::string PageXml(int index)
    {
        TqbxXMLItem& item = *store.PagesItem().Items(index);
        store.Document().LoadItem(item);
        std::ostringstream out;
        TqbxXMLWriter writer(out, false);
        writer.WriteItem(item);
        writer.Flush();
        return out.str();
    }

    fake::FakePlatform platform;
    TqbxReport report;
    TqbxPreviewPages& store = report.PreviewPages();
    TqbxReportPage* page = nullptr;
    TqbxBand* band = nullptr;
    TqbxMemoView* memo = nullptr;
};

TEST_F(StoreTest, RepeatedRecordsStoreOnlyTheirPosition)
{
    store.AddSourcePage(*page);
    store.AddPage(*page);
    Print(100);
    TqbxXMLItem& stored = *store.PagesItem().Items(0);
    EXPECT_EQ(stored.Name, "page0");
    ASSERT_EQ(stored.Count(), 100);
    for (int i = 0; i < 100; ++i) {
        SCOPED_TRACE(i);
        const TqbxXMLItem& b = *stored.Items(i);
        EXPECT_EQ(b.Name, "b1");
        EXPECT_EQ(b.Text, " t=\"" + std::to_string(i * 20) + "\"") << "a band always carries t";
        ASSERT_EQ(b.Count(), 1);
        EXPECT_EQ(b.Items(0)->Name, "m1");
        EXPECT_EQ(b.Items(0)->Text, " u=\"same text\"") << "the memo differs from its copy only by its text";
    }
}

TEST_F(StoreTest, ShortNamesFollowPrefixesAndContinueOnTheNextSourcePage)
{
    auto* second = new TqbxMemoView(band);
    second->SetName("Memo2");
    auto* picture = new TqbxPictureView(band);
    picture->SetName("Picture1");
    store.AddSourcePage(*page);
    auto* page2 = new TqbxReportPage(&report);
    page2->SetName("Page2");
    auto* band2 = new TqbxMasterData(page2);
    band2->SetName("MasterData2");
    auto* memo3 = new TqbxMemoView(band2);
    memo3->SetName("Memo3");
    store.AddSourcePage(*page2);

    std::vector<std::pair<std::string, std::string>> names;
    for (const auto& [shortName, entry] : store.Dictionary().Entries())
        names.emplace_back(shortName, entry.LongName);
    EXPECT_EQ(names,
        (std::vector<std::pair<std::string, std::string>> { { "b1", "Page0.MasterData1" },
            { "b2", "Page1.MasterData2" }, { "m1", "Page0.Memo1" }, { "m2", "Page0.Memo2" }, { "m3", "Page1.Memo3" },
            { "p1", "Page0.Picture1" } }));
    EXPECT_EQ(memo->AliasName(), "m1");
    EXPECT_EQ(memo->SourceComponent()->SourceComponent(), memo);

    TqbxDictionary dictionary;
    for (int n : { 1, 2, 3, 5 })
        dictionary.Add("m" + std::to_string(n), "", nullptr);
    EXPECT_EQ(dictionary.NextName("m"), "m4") << "probing finds 2, counting on finds the gap at 4";
    EXPECT_EQ(dictionary.NextName("s"), "s1");
}

TEST_F(StoreTest, ARebuiltPageDrawsWhatWasAdded)
{
    memo->Frame.Typ = 15;
    store.AddSourcePage(*page);
    store.AddPage(*page);
    fake::RecordingCanvas direct;
    for (int i = 0; i < 3; ++i) {
        band->SetTop(i * 20);
        memo->Memo.SetText(u"record " + std::u16string(1, static_cast<char16_t>(u'1' + i)));
        store.AddObject(*band);
        memo->Draw(direct, 1, 1, page->LeftMargin * 3.77953L, page->TopMargin * 3.77953L);
    }
    fake::RecordingCanvas rebuilt;
    store.DrawPage(0, rebuilt, 1, 1, 0, 0);
    std::vector<std::string> drawn = rebuilt.Log();
    // The rebuilt page clips to the paper first; then the memos draw exactly as the template memo did.
    ASSERT_GT(drawn.size(), 2u);
    std::vector<std::string> inner(drawn.begin() + 2, drawn.end() - 1);
    EXPECT_EQ(inner, direct.Log());
    TqbxReportPage* built = store.GetPage(0);
    ASSERT_NE(built, nullptr);
    EXPECT_EQ(built->Objects().size(), 3u);
    EXPECT_EQ(built->Objects()[2]->Objects()[0]->Name(), "Memo1");
}

TEST_F(StoreTest, ThePageCacheKeepsItsBoundAndTheFileCacheGivesTheSamePages)
{
    report.PreviewOptions.PagesInCache = 3;
    store.AddSourcePage(*page);
    for (int p = 0; p < 12; ++p) {
        store.AddPage(*page);
        memo->Memo.SetText(u"page " + std::u16string(1, static_cast<char16_t>(u'a' + p)));
        Print(5);
    }
    std::vector<std::string> inMemory;
    for (int p = 0; p < 12; ++p)
        inMemory.push_back(PageXml(p));
    for (int p = 0; p < 12; ++p) {
        store.GetPage(p);
        EXPECT_LE(store.CachedPages(), 3);
    }

    TqbxReport cached;
    cached.EngineOptions.UseFileCache = true;
    cached.EngineOptions.MaxMemSize = 0; // every page but the last leaves memory when the next starts
    cached.PreviewOptions.PagesInCache = 2;
    auto* cachedPage = new TqbxReportPage(&cached);
    auto* cachedBand = new TqbxMasterData(cachedPage);
    auto* cachedMemo = new TqbxMemoView(cachedBand);
    TqbxPreviewPages& second = cached.PreviewPages();
    second.AddSourcePage(*cachedPage);
    for (int p = 0; p < 12; ++p) {
        second.AddPage(*cachedPage);
        cachedMemo->Memo.SetText(u"page " + std::u16string(1, static_cast<char16_t>(u'a' + p)));
        for (int i = 0; i < 5; ++i) {
            cachedBand->SetTop(i * 20);
            second.AddObject(*cachedBand);
        }
    }
    int unloaded = 0;
    for (int p = 0; p < 12; ++p)
        unloaded += !second.PagesItem().Items(p)->Loaded;
    EXPECT_GE(unloaded, 8) << "pages beyond the second moved to the temporary file";
    EXPECT_FALSE(second.Document().TempFileName().empty());
    for (int p = 0; p < 12; ++p) {
        SCOPED_TRACE(p);
        TqbxReportPage* rebuilt = second.GetPage(p);
        ASSERT_NE(rebuilt, nullptr);
        ASSERT_EQ(rebuilt->Objects().size(), 5u);
        auto* m = static_cast<TqbxMemoView*>(rebuilt->Objects()[4]->Objects()[0]);
        EXPECT_EQ(m->Memo.Text(), u"page " + std::u16string(1, static_cast<char16_t>(u'a' + p)) + u"\r\n");
        EXPECT_LE(second.CachedPages(), 2);
    }
}

TEST_F(StoreTest, FirstPassKeepsGeometryAndIsClearedWithItsPages)
{
    report.EngineOptions.DoublePass = true;
    report.FinalPass = false;
    store.AddSourcePage(*page);
    store.BeginPass();
    store.AddPage(*page);
    memo->SetLeft(33);
    Print(2);
    EXPECT_EQ(store.PagesItem().Items(0)->Items(0)->Items(0)->Text, " l=\"33\"") << "only the base difference";
    store.AddAnchor("first", 40);
    store.ClearFirstPass();
    EXPECT_EQ(store.PageCount(), 0);
    EXPECT_EQ(store.AnchorsItem().Count(), 1) << "anchors of the first pass remain";
    EXPECT_EQ(store.GetAnchorPage("FIRST"), 1);
    EXPECT_EQ(store.GetAnchorPage("unknown"), 1);

    report.FinalPass = true;
    store.AddPage(*page);
    Print(1);
    EXPECT_NE(store.PagesItem().Items(0)->Items(0)->Items(0)->Text.find("u=\"same text\""), std::string::npos);
}

TEST_F(StoreTest, LogicalPageNumbersRestartAndCloseTheirGroups)
{
    store.AddSourcePage(*page);
    for (int p = 0; p < 3; ++p)
        store.AddPage(*page);
    EXPECT_EQ(store.GetLogicalPageNumber(), 3);
    EXPECT_EQ(store.GetLogicalTotalPages(), 0) << "a group still open has no total";
    store.ResetLogicalPageNumber(); // a page with ResetPageNumbers starts
    store.AddPage(*page);
    store.AddPage(*page);
    EXPECT_EQ(store.GetLogicalPageNumber(), 2);
    TqbxXMLItem& numbers = store.LogicalPagesItem();
    ASSERT_EQ(numbers.Count(), 5);
    std::vector<std::string> written;
    for (int i = 0; i < numbers.Count(); ++i)
        written.push_back(numbers.Items(i)->Text);
    EXPECT_EQ(written,
        (std::vector<std::string> { "n=\"1\" t=\"3\"", "n=\"2\" t=\"3\"", "n=\"3\" t=\"3\"", "n=\"1\"", "n=\"2\"" }));
    store.CurPage = 1;
    EXPECT_EQ(store.GetLogicalTotalPages(), 3);
}

TEST_F(StoreTest, KeptObjectsMoveWithTheirAnchorsAndOutline)
{
    store.AddSourcePage(*page);
    store.AddPage(*page);
    Print(1, 500);
    int position = store.GetCurPosition();
    band->SetTop(700);
    store.AddObject(*band);
    band->SetTop(730);
    store.AddObject(*band);
    store.AddAnchor("before", 100);
    store.AddAnchor("kept", 700);
    store.AddAnchor("after", 730);
    store.Outline().AddItem("Group", 100);
    store.Outline().LevelRoot();
    TqbxXMLItem* group = store.Outline().GetCurPosition();
    store.Outline().AddItem("Kept group", 700);
    store.Outline().AddItem("Kept detail", 730);
    store.Outline().LevelRoot();

    store.CutObjects(position);
    EXPECT_EQ(store.GetCurPosition(), 1);
    store.ShiftAnchors(0, 120);
    store.Outline().ShiftItems(store.OutlineItem().Items(0), 120);
    store.AddPage(*page);
    store.PasteObjects(0, 120);
    TqbxXMLItem& next = *store.PagesItem().Items(1);
    ASSERT_EQ(next.Count(), 2);
    EXPECT_EQ(next.Items(0)->Prop("t"), "120");
    EXPECT_EQ(next.Items(1)->Prop("t"), "150");
    EXPECT_EQ(store.Document().Root().Find("cutted"), -1);

    auto anchor = [&](int i) {
        return store.AnchorsItem().Items(i)->Prop("page") + "@" + store.AnchorsItem().Items(i)->Prop("top");
    };
    EXPECT_EQ(anchor(0), "0@100");
    EXPECT_EQ(anchor(1), "1@120");
    EXPECT_EQ(anchor(2), "1@150");
    EXPECT_EQ(store.GetAnchorPage("kept"), 2);
    TqbxXMLItem& kept = *store.OutlineItem().Items(1);
    EXPECT_EQ(group->Prop("page"), "0");
    EXPECT_EQ(kept.Prop("page") + "@" + kept.Prop("top"), "1@120");
    EXPECT_EQ(kept.Items(0)->Prop("page") + "@" + kept.Items(0)->Prop("top"), "1@150") << "descendants move too";
    EXPECT_NEAR(static_cast<double>(store.GetLastY()), 170, 1e-9) << "the pasted bands on the new page";
}

TEST_F(StoreTest, PageEditsAndSizes)
{
    store.AddSourcePage(*page);
    store.AddPage(*page);
    Print(2);
    store.AddPage(*page);
    Print(1);
    EXPECT_EQ(store.GetPageSize(0).X, page->Width());
    EXPECT_EQ(store.GetPageSize(7).X, 0);
    store.AddEmptyPage(1);
    ASSERT_EQ(store.PageCount(), 3);
    EXPECT_EQ(store.GetPage(1)->Objects().size(), 0u);
    TqbxReportPage* first = store.GetPage(0);
    first->Objects()[0]->SetTop(333);
    store.ModifyPage(0, *first);
    EXPECT_EQ(store.PagesItem().Items(0)->Name, "TqbxReportPage");
    EXPECT_EQ(store.GetPage(0)->Objects()[0]->Top(), 333);
    store.DeletePage(0);
    store.DeletePage(0);
    store.DeletePage(0);
    EXPECT_EQ(store.PageCount(), 1) << "the last page stays";
    store.ModifyPageSize(*page, 1000, 500);
    EXPECT_EQ(store.SourcePages()[0]->PaperSize(), 256);
    EXPECT_NEAR(static_cast<double>(store.SourcePages()[0]->PaperWidth()), 500 / 3.77953, 1e-6);
}

TEST_F(StoreTest, TheMouseFollowsLinksAnchorsAndDrillDowns)
{
    auto* header = new TqbxGroupHeader(page);
    header->SetName("GroupHeader1");
    header->SetBounds(0, 0, 700, 20);
    header->DrillDown = true;
    store.AddSourcePage(*page);
    store.AddPage(*page);
    store.AddAnchor("Totals", 40);
    header->SetTop(100);
    header->DrillDownNumber = 7; // the engine numbers the groups; the stored Tag carries it
    store.AddObject(*header);
    struct Row
    {
        const char* url;
        int showPage, showTop;
        const char* openURL;
    };
    const Row rows[] = { { "#totals", 1, 40, "" }, { "@2", 2, 0, "" },
        { "https://example.invalid/", 0, 0, "https://example.invalid/" } };
    int overs = 0;
    report.OnMouseOverObject = [&](TqbxComponent&) { ++overs; };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.url);
        memo->URL = row.url;
        band->SetTop(0);
        store.ClearFirstPass(); // keeps nothing of the page: add it again with this URL
        store.AddPage(*page);
        store.AddObject(*band);
        store.AddObject(*header);
        TqbxObjectOverResult over = store.ObjectOver(0, 50, 5, false, 1, 0, 0);
        EXPECT_EQ(over.Cursor, crHandPoint);
        TqbxObjectOverResult click = store.ObjectOver(0, 50, 5, true, 1, 0, 0);
        EXPECT_EQ(click.ShowPage, row.showPage);
        EXPECT_EQ(click.ShowTop, row.showTop);
        EXPECT_EQ(click.OpenURL, row.openURL);
    }
    EXPECT_EQ(overs, 3);
    TqbxObjectOverResult drill = store.ObjectOver(0, 50, 105, true, 1, 0, 0);
    EXPECT_TRUE(drill.Rebuild);
    EXPECT_EQ(report.DrillDownList, (std::vector<std::string> { "GroupHeader1.7" }));
    store.ObjectOver(0, 50, 105, true, 1, 0, 0);
    EXPECT_TRUE(report.DrillDownList.empty()) << "a second click collapses the group again";
    EXPECT_EQ(store.ObjectOver(0, 5, 500, true, 1, 0, 0).Cursor, 0) << "nothing there";
}

TEST_F(StoreTest, PicturesGoToTheCacheOnceAndComeBackByIndex)
{
    auto* picture = new TqbxPictureView(band);
    picture->SetBounds(300, 0, 20, 20);
    std::string bmp = "BM" + std::string(60, '\0');
    picture->SetPicture(bmp);
    store.AddSourcePage(*page);
    store.AddPage(*page);
    Print(2);
    EXPECT_EQ(store.PictureCache().Count(), 1) << "an unchanged picture is stored once";
    EXPECT_EQ(picture->ImageIndex, 1);
    TqbxReportPage* built = store.GetPage(0);
    auto* rebuilt = static_cast<TqbxPictureView*>(built->Objects()[1]->Objects()[1]);
    EXPECT_EQ(rebuilt->Picture(), bmp);
}

} // namespace
} // namespace qbx

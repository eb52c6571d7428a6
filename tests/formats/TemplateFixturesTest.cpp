// The templates under tests/data/templates load without errors and save back to the same bytes.
#include "platform/Files.h"
#include "platform/Pictures.h"
#include "platform/fake/FakePlatform.h"
#include "report/ClassRegistry.h"
#include "report/TqbxBands.h"
#include "report/TqbxPages.h"
#include "report/TqbxReport.h"
#include "views/TqbxGraphicViews.h"
#include "views/TqbxMemoView.h"
#include "views/TqbxView.h"

#include <filesystem>
#include <sstream>

#include <gtest/gtest.h>

namespace qbx {
namespace {

TEST(TemplateFixtures, LoadAndSaveBackUnchanged)
{
    fake::FakePlatform platform;
    RegisterStandardClasses();
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(QBX_TEST_DATA "/templates")) {
        SCOPED_TRACE(entry.path().filename().string());
        ++files;
        std::string text = ReadWholeFile(entry.path().string());
        TqbxReport report;
        std::istringstream in(text);
        report.LoadFromStream(in);
        EXPECT_TRUE(report.Errors.Empty()) << report.Errors.Text();
        std::ostringstream out;
        report.SaveToStream(out);
        EXPECT_TRUE(out.str() == text) << out.str();
    }
    EXPECT_GE(files, 2);
}

TEST(TemplateFixtures, CollectionsAndReferencesArrive)
{
    fake::FakePlatform platform;
    RegisterStandardClasses();
    TqbxReport report;
    ASSERT_TRUE(report.LoadFromFile(QBX_TEST_DATA "/templates/collections.qb3"));
    ASSERT_EQ(report.DataSets.Count(), 1);
    EXPECT_EQ(report.DataSets.Item(0)->DataSetName(), "Orders");
    EXPECT_EQ(report.Variables.Get("TITLE").AsString(), "Sales & Costs");
    ASSERT_NE(report.Styles.Find("heading"), nullptr);
    EXPECT_EQ(report.Styles.Find("heading")->Font().Style(), fsBold);
    EXPECT_EQ(report.ReportOptions.Description.Count(), 2);
    EXPECT_FALSE(report.EngineOptions.ConvertNulls);

    TqbxReport bands;
    ASSERT_TRUE(bands.LoadFromFile(QBX_TEST_DATA "/templates/bands.qb3"));
    auto* title = dynamic_cast<TqbxBand*>(bands.FindObject("ReportTitle1"));
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->Child(), bands.FindObject("Child1")) << "a reference to an object read later";
    auto* subreport = dynamic_cast<TqbxSubreport*>(bands.FindObject("Subreport1"));
    ASSERT_NE(subreport, nullptr);
    auto* page2 = dynamic_cast<TqbxReportPage*>(bands.FindObject("Page2"));
    EXPECT_EQ(subreport->Page(), page2);
    EXPECT_TRUE(page2->IsSubreport()) << "the page links back to its subreport";
    delete subreport;
    EXPECT_FALSE(page2->IsSubreport());
    auto* header = bands.FindObject("PageHeader1");
    EXPECT_EQ(header->Font().Name(), "Tahoma");
    EXPECT_FALSE(header->ParentFont());
}

TEST(TemplateFixtures, ViewsKeepTheirTextPicturesAndNestedObjects)
{
    fake::FakePlatform platform;
    RegisterStandardClasses();
    TqbxReport report;
    ASSERT_TRUE(report.LoadFromFile(QBX_TEST_DATA "/templates/views.qb3"));
    auto* memo = dynamic_cast<TqbxMemoView*>(report.FindObject("Memo1"));
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ(memo->Memo.Count(), 2);
    EXPECT_EQ(memo->Memo.Strings(1), u"[Amount #n%2.2f] & more");
    EXPECT_EQ(memo->FlowTo(), report.FindObject("Memo2"));
    EXPECT_EQ(memo->Highlight.Condition, "Value > 100");
    EXPECT_EQ(memo->Frame.TopLine.Color, clBlack);
    EXPECT_EQ(memo->Frame.LeftLine.Color, clRed);
    EXPECT_EQ(memo->ExpressionDelimiters, "<%,%>");
    auto* picture = dynamic_cast<TqbxPictureView*>(report.FindObject("Picture1"));
    ASSERT_NE(picture, nullptr);
    RasterImage image = DecodePicture(picture->Picture());
    EXPECT_EQ(image.PixelColor(0, 0), clRed);
    EXPECT_EQ(image.PixelColor(1, 0), clBlue);
    // A JPEG picture saved in a template comes back byte for byte.
    std::string jpeg = EncodeJpeg(RasterImage(8, 8, 0xFF336699));
    picture->SetPicture(jpeg);
    std::ostringstream out;
    report.SaveToStream(out);
    TqbxReport again;
    std::istringstream in(out.str());
    again.LoadFromStream(in);
    EXPECT_EQ(dynamic_cast<TqbxPictureView*>(again.FindObject("Picture1"))->Picture(), jpeg);
    memo->SetRotation(-90);
    EXPECT_EQ(memo->Rotation(), 270);
}

} // namespace
} // namespace qbx

// Prepared report files: written and read back whole, saved again byte for byte, and refused cleanly
// when cut short or damaged.
#include "base/Exceptions.h"
#include "engine/TqbxPreviewPages.h"
#include "platform/Files.h"
#include "platform/fake/FakePlatform.h"
#include "report/ClassRegistry.h"
#include "report/TqbxBands.h"
#include "report/TqbxPages.h"
#include "report/TqbxReport.h"
#include "views/TqbxGraphicViews.h"
#include "views/TqbxMemoView.h"

#include <filesystem>
#include <sstream>

#include <gtest/gtest.h>

namespace qbx {
namespace {

// Three prepared pages of a band with a memo and a picture, with an outline, anchors and numbering.
class FilesTest : public testing::Test
{
protected:
    FilesTest()
    {
        RegisterStandardClasses();
        auto* page = new TqbxReportPage(&report);
        page->SetName("Page1");
        auto* band = new TqbxMasterData(page);
        band->SetName("MasterData1");
        band->SetHeight(20);
        auto* memo = new TqbxMemoView(band);
        memo->SetName("Memo1");
        memo->SetBounds(0, 0, 100, 18);
        auto* picture = new TqbxPictureView(band);
        picture->SetName("Picture1");
        picture->SetBounds(120, 0, 10, 10);
        picture->SetPicture("BM" + std::string(998, 'x'));
        report.PreviewOptions.OutlineVisible = true;
        report.PreviewOptions.OutlineWidth = 200;
        report.ReportOptions.Name = "Sales & costs";
        TqbxPreviewPages& store = report.PreviewPages();
        store.AddSourcePage(*page);
        for (int p = 0; p < 3; ++p) {
            store.AddPage(*page);
            store.Outline().LevelRoot();
            store.Outline().AddItem("Chapter " + std::to_string(p + 1), 0);
            for (int i = 0; i < 4; ++i) {
                band->SetTop(i * 20);
                memo->Memo.SetText(u"line <" + std::u16string(1, static_cast<char16_t>(u'0' + i)) + u">");
                store.AddObject(*band);
                store.Outline().AddItem("Row", i * 20);
                store.Outline().LevelUp();
            }
            store.AddAnchor("p" + std::to_string(p), 10);
        }
        store.ResetLogicalPageNumber();
    }

    std::string Saved(TqbxPreviewPages& store)
    {
        std::ostringstream out;
        store.SaveToStream(out);
        return out.str();
    }

    fake::FakePlatform platform;
    TqbxReport report;
};

TEST_F(FilesTest, WrittenAndReadBackGivesTheSamePreparedReport)
{
    std::string text = Saved(report.PreviewPages());
    EXPECT_EQ(text.rfind("<?xml version=\"1.0\" encoding=\"utf-8\"?>", 0), 0u);
    EXPECT_NE(text.find("<page0 ld=\"0\">"), std::string::npos) << "the third page is deferred";
    EXPECT_NE(text.find("<TqbxReport DotMatrixReport=\"0\" PreviewOptions.OutlineVisible=\"1\""
                        " PreviewOptions.OutlineWidth=\"200\" ReportOptions.Name=\"Sales &#38; costs\"/>"),
        std::string::npos);
    EXPECT_NE(text.find("<m1 name=\"Page0.Memo1\"/>"), std::string::npos);
    std::size_t stream = text.find("<item stream=\"");
    ASSERT_NE(stream, std::string::npos);
    EXPECT_EQ(text.find('"', stream + 14) - (stream + 14), 2000u) << "1000 bytes, two hex digits each";
    EXPECT_EQ(text.find("\r\n", text.find("?>") + 4), std::string::npos) << "one line after the header";

    TqbxReport other;
    other.PreviewOptions.OutlineVisible = false;
    TqbxPreviewPages& loaded = other.PreviewPages();
    loaded.LoadFromStream(std::make_unique<std::istringstream>(text), true);
    EXPECT_TRUE(other.Errors.Empty()) << other.Errors.Text();
    ASSERT_EQ(loaded.PageCount(), 3);
    EXPECT_TRUE(other.PreviewOptions.OutlineVisible);
    EXPECT_EQ(other.PreviewOptions.OutlineWidth, 200);
    EXPECT_EQ(other.ReportOptions.Name, "Sales & costs");
    EXPECT_EQ(loaded.GetAnchorPage("p2"), 3);
    EXPECT_EQ(loaded.OutlineItem().Count(), 3);
    EXPECT_EQ(loaded.OutlineItem().Items(2)->Prop("page"), "2");
    EXPECT_EQ(loaded.LogicalPagesItem().Items(0)->Prop("t"), "3");
    for (int p = 0; p < 3; ++p) {
        SCOPED_TRACE(p);
        EXPECT_EQ(loaded.GetPageSize(p).X, report.PreviewPages().GetPageSize(p).X);
        TqbxReportPage* page = loaded.GetPage(p);
        ASSERT_EQ(page->Objects().size(), 4u);
        auto* memo = static_cast<TqbxMemoView*>(page->Objects()[3]->Objects()[0]);
        EXPECT_EQ(memo->Memo.Text(), u"line <3>\r\n");
        auto* picture = static_cast<TqbxPictureView*>(page->Objects()[3]->Objects()[1]);
        EXPECT_EQ(picture->Picture().size(), 1000u);
    }
    EXPECT_EQ(Saved(loaded), text) << "saving again writes the same bytes";
}

TEST_F(FilesTest, FilesCutShortOrDamagedAreRefusedAndLeaveNothing)
{
    std::string text = Saved(report.PreviewPages());
    std::filesystem::path file = std::filesystem::temp_directory_path() / "qbx-cut.qp3";
    for (int part = 0; part < 16; ++part) {
        SCOPED_TRACE(part);
        WriteFileAtomically(file.string(), text.substr(0, text.size() * static_cast<std::size_t>(part) / 16));
        TqbxReport other;
        TqbxPreviewPages& loaded = other.PreviewPages();
        try {
            loaded.LoadFromFile(file.string(), true);
            ADD_FAILURE() << "a cut file loaded";
        } catch (const EFileError& e) {
            EXPECT_NE(std::string(e.what()).find(file.string()), std::string::npos) << e.what();
        }
        EXPECT_EQ(loaded.PageCount(), 0);
        EXPECT_TRUE(loaded.SourcePages().empty());
        EXPECT_EQ(loaded.Dictionary().Count(), 0);
    }
    std::string bad = text;
    bad.replace(bad.find("name=\"Page0.Memo1\""), 18, "name=\"PageX.Memo1\"");
    WriteFileAtomically(file.string(), bad);
    TqbxReport other;
    EXPECT_THROW(other.PreviewPages().LoadFromFile(file.string(), true), EFileError);
    EXPECT_EQ(other.PreviewPages().PageCount(), 0);
    std::filesystem::remove(file);

    TqbxReport untouched;
    untouched.PreviewPages().LoadFromStream(std::make_unique<std::istringstream>(text), false);
    EXPECT_FALSE(untouched.PreviewPages().LoadFromFile("/nonexistent/x.qp3", false));
    EXPECT_EQ(untouched.PreviewPages().PageCount(), 3) << "a missing file changes nothing";
}

} // namespace
} // namespace qbx

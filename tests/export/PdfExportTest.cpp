// PDF export read back by independent tools: poppler's pdfinfo, pdftotext and pdftoppm, and qpdf.
#include "RunProgram.h"
#include "cli/RunInputs.h"
#include "engine/TqbxPreviewPages.h"
#include "export/PageExportFilter.h"
#include "report/ClassRegistry.h"
#include "report/TqbxPages.h"
#include "report/TqbxReport.h"
#include "views/TqbxView.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include <QImage>

#include <gtest/gtest.h>

namespace qbx {
namespace {

using test::ProgramOutput;

std::string Folder()
{
    std::string folder = std::string(QBX_TEST_OUTPUT) + "/export";
    std::filesystem::create_directories(folder);
    return folder;
}

std::string ReadFile(const std::string& name)
{
    std::ifstream in(name, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// The links template over the three people: three pages (two A4, one A5 landscape), an outline entry
// per person, an external link, a link to page 3 and an anchor "Totals" on page 2.
class PdfExportTest : public testing::Test
{
protected:
    void SetUp() override
    {
        RegisterStandardClasses();
        report_.LoadFromFile(QBX_TEST_DATA "/templates-run/links.qb3", true);
        cli::AttachCsvData(report_, { { "People", QBX_TEST_DATA "/templates-run/people.csv" } });
        ASSERT_TRUE(report_.PrepareReport(true));
        TqbxPreviewPages& pages = report_.PreviewPages();
        pages.CurPage = 1;
        pages.AddAnchor("Totals", 100);
        pages.CurPage = -1;
    }

    // Exports through the filter of the output's extension; returns whether the export succeeded.
    bool Export(const std::string& output, const std::string& pages = {}, bool pdfA = false, int dpi = 96)
    {
        ExportSettings settings { output, pages, dpi, pdfA, QBX_TEST_DATA "/templates-run/links.qb3", 0 };
        auto filter = CreateExportFilter(report_.PreviewPages(), settings);
        return filter && report_.PreviewPages().Export(*filter);
    }

    TqbxReport report_;
};

TEST_F(PdfExportTest, PagesTextsOutlineAndLinksReadBackByIndependentTools)
{
    std::string pdf = Folder() + "/links.pdf";
    ASSERT_TRUE(Export(pdf));
    EXPECT_NE(ProgramOutput("qpdf --check " + pdf).find("No syntax or stream encoding errors"), std::string::npos);

    std::string info = ProgramOutput("pdfinfo -f 1 -l 3 " + pdf);
    EXPECT_NE(info.find("Pages:           3"), std::string::npos) << info;
    EXPECT_NE(info.find("Page    1 size:  595 x 842 pts (A4)"), std::string::npos) << info;
    EXPECT_NE(info.find("Page    3 size:  595 x 420 pts (A5)"), std::string::npos) << "landscape A5: " << info;

    std::string text = ProgramOutput("pdftotext -layout " + pdf + " -");
    std::size_t at = 0;
    for (const char* expected : { "Привет, κόσμε", "Our site", "Last page", "Smith, Anna lives in Berlin",
             "Bob lives in Paris", "Émile lives in Lyon", "A landscape A5 page" }) {
        std::size_t found = text.find(expected, at);
        EXPECT_NE(found, std::string::npos) << expected << " in reading order in:\n" << text;
        at = found == std::string::npos ? at : found;
    }

    // Bookmarks: one per person, on the page the person's band printed on.
    std::string outline = ProgramOutput("qpdf --json --json-key=outlines " + pdf);
    std::size_t smith = outline.find("\"title\": \"Smith, Anna\"");
    std::size_t emile = outline.find("\"title\": \"Émile\"");
    ASSERT_NE(smith, std::string::npos) << outline;
    ASSERT_NE(emile, std::string::npos) << outline;
    EXPECT_NE(outline.rfind("\"destpageposfrom1\": 1", smith), std::string::npos);
    EXPECT_NE(outline.find("\"destpageposfrom1\": 2", outline.find("Bob")), std::string::npos) << outline;

    std::string objects = ProgramOutput("qpdf --qdf --object-streams=disable " + pdf + " -");
    EXPECT_NE(objects.find("/URI (https://example.org/list)"), std::string::npos) << "the external link";
    std::size_t links = 0;
    for (std::size_t p = objects.find("/Subtype /Link"); p != std::string::npos;
         p = objects.find("/Subtype /Link", p + 1))
        ++links;
    EXPECT_EQ(links, 2u) << "the site and the page link; anchors only become links when a view names them";
}

TEST_F(PdfExportTest, AnchorLinksGoToTheAnchorsPage)
{
    // A view whose URL names the anchor becomes an internal link to page 2.
    TqbxReportPage* page = report_.PreviewPages().GetPage(0);
    ASSERT_NE(page, nullptr);
    for (TqbxComponent* c : page->AllObjects())
        if (auto* view = dynamic_cast<TqbxView*>(c); view && view->URL == "@3")
            view->URL = "#totals";
    report_.PreviewPages().ModifyPage(0, *page);
    std::string pdf = Folder() + "/anchor.pdf";
    ASSERT_TRUE(Export(pdf));
    std::string objects = ProgramOutput("qpdf --qdf --object-streams=disable " + pdf + " -");
    std::size_t dest = objects.find("/Dest [");
    ASSERT_NE(dest, std::string::npos);
    // The second page's object is the destination: 100 pixels below the 10 mm margin of an A4 page.
    EXPECT_NE(objects.find("/XYZ", dest), std::string::npos);
    double top = 842 - (10 * 3.77953 + 100) * 0.75;
    std::string expected = std::to_string(top).substr(0, 5);
    EXPECT_NE(objects.find(expected, dest), std::string::npos) << expected;
}

TEST_F(PdfExportTest, SameInputGivesTheSameBytesAndDatesComeFromSourceDateEpoch)
{
    std::string first = Folder() + "/same-1.pdf", second = Folder() + "/same-2.pdf";
    ::setenv("SOURCE_DATE_EPOCH", "1700000000", 1);
    ASSERT_TRUE(Export(first));
    ASSERT_TRUE(Export(second));
    ::unsetenv("SOURCE_DATE_EPOCH");
    EXPECT_EQ(ReadFile(first), ReadFile(second));
    EXPECT_NE(
        ProgramOutput("pdfinfo " + first).find("CreationDate:    Tue Nov 14 22:13:20 2023 UTC"), std::string::npos)
        << ProgramOutput("pdfinfo " + first);
}

TEST_F(PdfExportTest, PdfAHasItsMetadataOutputIntentAndIdentifier)
{
    std::string pdf = Folder() + "/pdfa.pdf";
    ASSERT_TRUE(Export(pdf, "", true));
    EXPECT_NE(ProgramOutput("qpdf --check " + pdf).find("No syntax or stream encoding errors"), std::string::npos);
    std::string meta = ProgramOutput("pdfinfo -meta " + pdf);
    EXPECT_NE(meta.find("<pdfaid:part>2</pdfaid:part>"), std::string::npos) << meta;
    EXPECT_NE(meta.find("<pdfaid:conformance>B</pdfaid:conformance>"), std::string::npos) << meta;
    std::string objects = ProgramOutput("qpdf --qdf --object-streams=disable " + pdf + " -");
    EXPECT_NE(objects.find("/S /GTS_PDFA1"), std::string::npos) << "an output intent";
    EXPECT_NE(objects.find("/DestOutputProfile"), std::string::npos) << "with its colour profile";
    EXPECT_NE(objects.find("/ID ["), std::string::npos);
    EXPECT_NE(objects.find("/FontFile2"), std::string::npos) << "fonts embedded";
}

// PDF and screen draw the same: poppler's rendering of a page at 96 dpi against our PNG of it.
TEST_F(PdfExportTest, PopplerRenderingMatchesThePngOfThePage)
{
    std::string pdf = Folder() + "/compare.pdf", png = Folder() + "/compare.png";
    ASSERT_TRUE(Export(pdf, "1"));
    ASSERT_TRUE(Export(png, "1"));
    ASSERT_EQ(ProgramOutput("pdftoppm -r 96 -png -singlefile " + pdf + " " + Folder() + "/compare-poppler"), "");
    QImage ours(QString::fromStdString(png)), theirs(QString::fromStdString(Folder() + "/compare-poppler.png"));
    ASSERT_EQ(ours.size(), theirs.size());
    // An inked pixel of one image matches when the other has ink within a pixel of it: glyphs are
    // rasterised by two different engines, one hinted, so edges may move by a pixel.
    auto inkNear = [](const QImage& image, int x, int y) {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (image.valid(x + dx, y + dy) && qGray(image.pixel(x + dx, y + dy)) < 192)
                    return true;
        return false;
    };
    int ink = 0, differing = 0;
    for (int y = 0; y < ours.height(); ++y) {
        for (int x = 0; x < ours.width(); ++x) {
            bool a = qGray(ours.pixel(x, y)) < 96, b = qGray(theirs.pixel(x, y)) < 96;
            ink += a || b;
            differing += (a && !inkNear(theirs, x, y)) || (b && !inkNear(ours, x, y));
        }
    }
    ASSERT_GT(ink, 500) << "the page has text";
    EXPECT_LT(differing, ink / 40) << differing << " of " << ink << " inked pixels differ";
}

TEST_F(PdfExportTest, AFailedWriteLeavesNoFileAndSaysWhy)
{
    std::string pdf = Folder() + "/no-such-folder/out.pdf";
    EXPECT_FALSE(Export(pdf));
    EXPECT_FALSE(std::filesystem::exists(pdf));
}

} // namespace
} // namespace qbx

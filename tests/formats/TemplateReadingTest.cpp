// Reading templates from hostile or careless hands: which element becomes which object, values outside
// their range, bad references, and copies made through the template stream.
#include "formats/TqbxXMLSerializer.h"
#include "platform/fake/FakePlatform.h"
#include "report/ClassRegistry.h"
#include "report/TqbxBands.h"
#include "report/TqbxPages.h"
#include "report/TqbxReport.h"
#include "views/TqbxMemoView.h"

#include <sstream>

#include <gtest/gtest.h>

namespace qbx {
namespace {

class TemplateReadingTest : public testing::Test
{
protected:
    void SetUp() override { RegisterStandardClasses(); }

    void Load(const std::string& children)
    {
        std::istringstream in("<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<TqbxReport>"
                              "<TqbxDataPage Name=\"Data\"/>"
            + children + "</TqbxReport>");
        report.LoadFromStream(in);
    }
    bool HasError(const std::string& part) const
    {
        for (const std::string& e : report.Errors.Items())
            if (e.find(part) != std::string::npos)
                return true;
        return false;
    }

    fake::FakePlatform platform;
    TqbxReport report;
};

TEST_F(TemplateReadingTest, EveryElementIsAnObjectOfItsOwn)
{
    Load("<TqbxReportPage Name=\"Page1\" LeftMargin=\"5\"/>"
         "<TqbxReportPage Name=\"PAGE1\" LeftMargin=\"9\"/>" // a duplicate name
         "<TqbxDataPage Name=\"Page1\" Left=\"44\"/>" // the name of an object of another class
         "<TqbxFrame Name=\"F\"/><TqbxHighlight Name=\"H\"/><TqbxStyleItem Name=\"S\"/>" // not creatable
         "<TqbxDataPage Name=\"Last\"/>");
    ASSERT_EQ(report.PagesCount(), 5) << report.Errors.Text();
    auto* first = static_cast<TqbxReportPage*>(report.FindObject("Page1"));
    EXPECT_EQ(first->LeftMargin, 5) << "the first object keeps its values";
    EXPECT_EQ(report.Pages(2)->Name(), "");
    EXPECT_EQ(static_cast<TqbxReportPage*>(report.Pages(2))->LeftMargin, 9);
    EXPECT_EQ(report.Pages(3)->Name(), "");
    EXPECT_EQ(report.Pages(3)->ClassName(), "TqbxDataPage");
    EXPECT_EQ(first->Left(), 0) << "another class's attributes never reach it";
    EXPECT_NE(report.FindObject("Last"), nullptr) << "an element that cannot be created ends nothing";
    EXPECT_TRUE(HasError("prDupl"));
    for (const char* cls : { "TqbxFrame", "TqbxHighlight", "TqbxStyleItem" })
        EXPECT_TRUE(HasError(std::string("Cannot create an object of the class ") + cls)) << cls;
}

TEST_F(TemplateReadingTest, ValuesOutsideTheirRangeAreConversionErrors)
{
    struct Row
    {
        const char* name;
        const char* attributes;
    };
    const Row rows[] = {
        { "integer wider than 32 bits", " PaperSize=\"99999999999\"" },
        { "integer that would wrap to 0", " Columns=\"4294967296\"" },
        { "absurd column count", " Columns=\"50000000\"" },
        { "negative column count", " Columns=\"-1\"" },
        { "enumerator past the last", " Orientation=\"2\"" },
        { "negative enumerator", " Orientation=\"-1\"" },
        { "infinite float", " LeftMargin=\"inf\"" },
        { "not a number", " LeftMargin=\"nan\"" },
        { "float beyond a double", " LeftMargin=\"1e4000\"" },
        { "infinite coordinate", " l=\"-INF\"" },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Load(std::string("<TqbxReportPage Name=\"P\"") + row.attributes + "/>");
        EXPECT_EQ(report.Errors.Count(), 1) << report.Errors.Text();
        TqbxReportPage fresh(nullptr);
        TqbxXMLSerializer serializer(&report);
        EXPECT_EQ(serializer.ObjToXML(*report.FindObject("P"), "", nullptr), serializer.ObjToXML(fresh, "", nullptr))
            << "the page keeps its defaults";
    }
    Load("<TqbxReportPage Name=\"P\" Columns=\"1000\"><TqbxMasterData Name=\"B\" RowCount=\"4294967296\""
         " Restrictions=\"32\"><TqbxMemoView Name=\"M\" HAlign=\"haBlock\" StretchMode=\"10\"/></TqbxMasterData>"
         "</TqbxReportPage>");
    EXPECT_EQ(static_cast<TqbxReportPage*>(report.FindObject("P"))->Columns(), 1000) << "a large real count stays";
    EXPECT_EQ(static_cast<TqbxDataBand*>(report.FindObject("B"))->RowCount(), 0);
    EXPECT_EQ(static_cast<TqbxMemoView*>(report.FindObject("M"))->StretchMode, smDontStretch);
    EXPECT_EQ(report.FindObject("B")->Restrictions(), 0) << "a set bit past the last flag";
    EXPECT_EQ(report.Errors.Count(), 3) << report.Errors.Text();
}

TEST_F(TemplateReadingTest, ACircularChildDropsOnlyItself)
{
    Load("<TqbxReportPage Name=\"P\">"
         "<TqbxMasterData Name=\"A\" Child=\"C1\"/><TqbxChild Name=\"C1\" Child=\"C2\"/><TqbxChild Name=\"C2\""
         " Child=\"C1\"/><TqbxChild Name=\"C3\"/><TqbxMasterData Name=\"B\" Child=\"C3\"/></TqbxReportPage>");
    auto band = [&](const char* name) { return static_cast<TqbxBand*>(report.FindObject(name)); };
    EXPECT_EQ(band("A")->Child(), band("C1"));
    EXPECT_EQ(band("C1")->Child(), band("C2"));
    EXPECT_EQ(band("C2")->Child(), nullptr);
    EXPECT_EQ(band("B")->Child(), band("C3")) << "references after the bad one still resolve";
    EXPECT_TRUE(HasError("Circular child reference"));
}

TEST_F(TemplateReadingTest, AssignCopiesPropertiesTheTemplateLeavesOut)
{
    Load("<TqbxReportPage Name=\"P\"><TqbxMasterData Name=\"B\"/></TqbxReportPage>");
    TqbxComponent* band = report.FindObject("B");
    auto* source = new TqbxMemoView(band);
    auto* target = new TqbxMemoView(band);
    target->LineSpacing = 7;
    target->GapX = 8;
    target->GapY = 9;
    target->CharSpacing = 3;
    target->ParagraphGap = 4;
    target->ExpressionDelimiters = "<,>";
    target->Frame.SetWidth(5);
    target->Assign(*source);
    EXPECT_EQ(target->LineSpacing, 2);
    EXPECT_EQ(target->GapX, 2);
    EXPECT_EQ(target->GapY, 1);
    EXPECT_EQ(target->CharSpacing, 0);
    EXPECT_EQ(target->ParagraphGap, 0);
    EXPECT_EQ(target->ExpressionDelimiters, "[,]");
    EXPECT_EQ(target->Frame.Width(), 1);
    TqbxXMLSerializer serializer(&report);
    EXPECT_EQ(serializer.ObjToXML(*target, "", nullptr).find("GapX"), std::string::npos)
        << "templates still leave the defaults out";
}

TEST_F(TemplateReadingTest, AssignAllWithinOneReportCopiesTheChildren)
{
    Load("<TqbxReportPage Name=\"P\"><TqbxMasterData Name=\"B\" Height=\"30\">"
         "<TqbxMemoView Name=\"M1\" Left=\"5\"/><TqbxMemoView Name=\"M2\" Left=\"6\"/></TqbxMasterData>"
         "<TqbxMasterData Name=\"Copy\"/></TqbxReportPage>");
    TqbxComponent* source = report.FindObject("B");
    TqbxComponent* copy = report.FindObject("Copy");
    copy->AssignAll(*source);
    ASSERT_EQ(copy->Objects().size(), 2u);
    EXPECT_EQ(copy->Objects()[0]->Left(), 5);
    EXPECT_EQ(copy->Objects()[1]->Left(), 6);
    EXPECT_EQ(copy->Objects()[0]->Name(), "") << "the sources keep their names";
    EXPECT_EQ(copy->Height(), 30);
    EXPECT_EQ(source->Objects().size(), 2u);
    EXPECT_EQ(report.FindObject("M1")->Parent(), source);
    EXPECT_TRUE(report.Errors.Empty()) << report.Errors.Text();
}

TEST_F(TemplateReadingTest, UserDataSetsSurviveASaveAndALoad)
{
    Load("");
    auto* data = new TqbxUserDataSet(report.FindObject("Data"));
    data->SetName("Numbers");
    std::stringstream saved;
    report.SaveToStream(saved);
    TqbxReport again;
    again.LoadFromStream(saved);
    EXPECT_TRUE(again.Errors.Empty()) << again.Errors.Text();
    ASSERT_NE(again.FindObject("Numbers"), nullptr);
    EXPECT_EQ(again.FindObject("Numbers")->ClassName(), "TqbxUserDataSet");
}

TEST_F(TemplateReadingTest, AnEmptyOrHeaderlessFileIsOnlyAnInvalidFormat)
{
    for (const char* text : { "", "   ", "no xml here", "<TqbxReport" }) {
        SCOPED_TRACE(text);
        std::istringstream in(text);
        TqbxReport r;
        r.LoadFromStream(in);
        EXPECT_EQ(r.Errors.Items(), (std::vector<std::string> { "Invalid file format" }));
    }
    // A file cut between two elements keeps what it holds and says it was cut.
    std::istringstream in("<?xml version=\"1.0\"?><TqbxReport><TqbxReportPage Name=\"Page1\">");
    TqbxReport cut;
    cut.LoadFromStream(in);
    EXPECT_EQ(
        cut.Errors.Items(), (std::vector<std::string> { "Invalid file format: the file ends inside an element" }));
    EXPECT_NE(cut.FindObject("Page1"), nullptr);
}

} // namespace
} // namespace qbx

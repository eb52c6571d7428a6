// Templates: what the serializer writes, what it reads back, and how the report root loads and saves them.
#include "formats/TqbxXMLSerializer.h"

#include "base/Exceptions.h"
#include "platform/Files.h"
#include "platform/fake/FakePlatform.h"
#include "report/ClassRegistry.h"
#include "report/TqbxPages.h"
#include "report/TqbxReport.h"

#include <filesystem>
#include <sstream>

#include <gtest/gtest.h>

namespace qbx {
namespace {

class TemplateTest : public testing::Test
{
protected:
    void SetUp() override { RegisterStandardClasses(); }

    std::string Save(TqbxReport& r)
    {
        std::ostringstream out;
        r.SaveToStream(out);
        return out.str();
    }
    void Load(TqbxReport& r, const std::string& text)
    {
        std::istringstream in(text);
        r.LoadFromStream(in);
    }
    static std::string Template(const std::string& rootAttributes, const std::string& children = "")
    {
        return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<TqbxReport" + rootAttributes + ">" + children
            + "</TqbxReport>";
    }

    fake::FakePlatform platform;
    fake::ScriptedUi& ui = platform.TestUi;
    TqbxReport report;
};

TEST_F(TemplateTest, EmptyReportWritesItsDefaultsAndCollections)
{
    report.ReportOptions.CreateDate = report.ReportOptions.LastChange = 39880.5;
    std::string text = Save(report);
    EXPECT_EQ(text,
        "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"
        "<TqbxReport Version=\"4.3\" DotMatrixReport=\"False\""
        " IniFile=\"\\Software\\Lantorra\" PreviewOptions.Buttons=\"4095\" PreviewOptions.Zoom=\"1\""
        " PrintOptions.Printer=\"Default\" PrintOptions.PrintOnSheet=\"0\" ReportOptions.CreateDate=\"39880.5\""
        " ReportOptions.Description.Text=\"\" ReportOptions.LastChange=\"39880.5\" ScriptLanguage=\"VeradaZurezi\""
        " ScriptText.Text=\"begin&#13;&#10;&#13;&#10;end.\""
        " PropData=\"0844617461736574730100095661726961626C65730100055374796C650100\"/>\r\n");
}

TEST_F(TemplateTest, LoadSaveIsAFixedPoint)
{
    std::string text
        = Template(" DotMatrixReport=\"True\" ParentReport=\"\" ReportOptions.Author=\"A &#38; B\""
                   " ReportOptions.Description.Text=\"one&#13;&#10;two\" EngineOptions.DoublePass=\"True\"",
            "<TqbxDataPage Name=\"Data\" Height=\"1000\" Left=\"12,5\" Top=\"0\" Width=\"1000\"/>");
    Load(report, text);
    EXPECT_TRUE(report.Errors.Empty()) << report.Errors.Text();
    EXPECT_TRUE(report.DotMatrixReport());
    EXPECT_EQ(report.ReportOptions.Author, "A & B");
    EXPECT_EQ(report.ReportOptions.Description.Count(), 2);
    ASSERT_EQ(report.PagesCount(), 1);
    EXPECT_EQ(report.Pages(0)->Left(), 12.5L) << "a comma reads as the decimal separator";
    std::string saved = Save(report);
    EXPECT_NE(saved.find("<TqbxDataPage Name=\"Data\" Height=\"1000\" Left=\"12.5\" Top=\"0\" Width=\"1000\"/>"),
        std::string::npos)
        << saved;
    TqbxReport again;
    Load(again, saved);
    EXPECT_EQ(Save(again), saved);
}

TEST_F(TemplateTest, UnknownClassesAndBadValuesAreCollectedAndSkipped)
{
    Load(report,
        Template(" DotMatrixReport=\"Maybe\" PrintOptions.Copies=\"two\"",
            "<TqbxNoSuchView Name=\"X\"><TqbxDataPage Name=\"Inner\"/></TqbxNoSuchView>"
            "<TqbxDataPage Name=\"Data\" Left=\"1\"/>"));
    EXPECT_EQ(report.Errors.Items(),
        (std::vector<std::string> { "'two' is not a valid integer value", "Cannot find class TqbxNoSuchView",
            "Invalid value 'Maybe' for property DotMatrixReport" }));
    EXPECT_EQ(report.FindObject("Inner"), nullptr) << "the unknown element's subtree is skipped";
    EXPECT_NE(report.FindObject("Data"), nullptr);
    ASSERT_EQ(ui.Messages.size(), 1u) << "the errors are shown once, together";
}

TEST_F(TemplateTest, MissingDataSetsStopPreparation)
{
    Load(report,
        Template(" PropData=\"08446174617365747301010C1500000020446174615365744E616D653D224F7264657273220000\""));
    ASSERT_EQ(report.DataSets.Count(), 1);
    EXPECT_EQ(report.DataSets.Item(0)->DataSet(), nullptr);
    EXPECT_FALSE(report.PrepareReport(true));
    EXPECT_EQ(report.Errors.Items(), (std::vector<std::string> { "Dataset \"Orders\" does not exist" }));
}

TEST_F(TemplateTest, DuplicateNamesAreRecordedAndLeaveTheObjectUnnamed)
{
    Load(report, Template("", "<TqbxDataPage Name=\"Data\"/><TqbxDataPage Name=\"Other\"/>"));
    TqbxXMLSerializer serializer(&report);
    serializer.XMLToObj(" Name=\"DATA\"", *report.FindObject("Other"));
    EXPECT_EQ(serializer.Errors.Items(), (std::vector<std::string> { "prDupl" }));
    EXPECT_EQ(report.Pages(1)->Name(), "Other");
}

TEST_F(TemplateTest, MalformedXmlKeepsWhatWasRead)
{
    Load(report,
        "<?xml version=\"1.0\"?><TqbxReport DotMatrixReport=\"True\"><TqbxDataPage Name=\"Data\"><x></TqbxReport>");
    EXPECT_EQ(report.Errors.Items(), (std::vector<std::string> { "Invalid file format" }));
    EXPECT_TRUE(report.DotMatrixReport());
    EXPECT_NE(report.FindObject("Data"), nullptr);
}

TEST_F(TemplateTest, HostOptionsSurviveALoad)
{
    report.SetIniFile("host.ini");
    report.SetShowProgress(false);
    report.PreviewOptions.Modal = true;
    Load(report,
        Template(" IniFile=\"template.ini\" ShowProgress=\"True\" PreviewOptions.Modal=\"False\""
                 " EngineOptions.DoublePass=\"True\" EngineOptions.MaxMemSize=\"99\""
                 " PreviewOptions.OutlineVisible=\"True\""));
    EXPECT_EQ(report.IniFile(), "host.ini");
    EXPECT_FALSE(report.ShowProgress());
    EXPECT_TRUE(report.PreviewOptions.Modal);
    EXPECT_EQ(report.EngineOptions.MaxMemSize, 10);
    EXPECT_TRUE(report.EngineOptions.DoublePass) << "taken from the template";
    EXPECT_TRUE(report.PreviewOptions.OutlineVisible) << "taken from the template";
}

TEST_F(TemplateTest, AReportWithoutDataPageGetsOneFirst)
{
    Load(report, Template(""));
    ASSERT_EQ(report.PagesCount(), 1);
    EXPECT_EQ(report.Pages(0)->Name(), "Data");

    TqbxReport named;
    auto* root = new TqbxReport;
    root->SetName("Data");
    root->SetParent(&named); // any object called Data takes the name
    named.EnsureDataPage();
    ASSERT_EQ(named.PagesCount(), 2);
    EXPECT_EQ(named.Pages(0)->Name(), "DataPage1");
}

TEST_F(TemplateTest, PasswordIsStoredShiftedAndMustBeTyped)
{
    report.ReportOptions.Password = "abc";
    std::string text = Save(report);
    EXPECT_NE(text.find("ReportOptions.Password=\"WXY\""), std::string::npos);
    EXPECT_EQ(report.ReportOptions.Password, "abc") << "restored after saving";

    TqbxReport reader;
    reader.EngineOptions.NewSilentMode = simSilent;
    ui.QueryAnswers = { "ABC" };
    Load(reader, text);
    EXPECT_EQ(reader.PagesCount(), 0) << "a wrong password clears the report";
    EXPECT_TRUE(ui.Messages.empty()) << "silently";
    ui.QueryAnswers = { "\x18" };
    Load(reader, text);
    EXPECT_EQ(reader.PagesCount(), 0) << "so does a cancelled one";
    ui.QueryAnswers = { "abc" };
    Load(reader, text);
    EXPECT_EQ(reader.PagesCount(), 1);
    EXPECT_EQ(reader.ReportOptions.Password, "abc");
    std::size_t asked = ui.Queries.size();
    reader.Reloading = true;
    Load(reader, text);
    EXPECT_EQ(ui.Queries.size(), asked) << "the reload after a run never asks";
}

TEST_F(TemplateTest, InheritedTemplatesWriteOnlyDifferences)
{
    std::filesystem::path folder = std::filesystem::temp_directory_path() / "qbx-inherit";
    std::filesystem::create_directories(folder);
    std::string parent = (folder / "base.qb3").string();
    WriteFileAtomically(parent,
        Template(" ReportOptions.Author=\"Base\"",
            "<TqbxDataPage Name=\"Data\" Left=\"5\"/><TqbxDataPage Name=\"Extra\" Left=\"7\"/>"));
    std::string child = (folder / "child.qb3").string();
    WriteFileAtomically(child,
        Template(" ParentReport=\"base.qb3\"", "<inherited Name=\"Extra\" Left=\"70\"/><TqbxDataPage Name=\"Own\"/>"));
    ASSERT_TRUE(report.LoadFromFile(child));
    EXPECT_TRUE(report.Errors.Empty()) << report.Errors.Text();
    EXPECT_EQ(report.ParentReport(), "base.qb3");
    ASSERT_NE(report.AncestorReport, nullptr);
    EXPECT_EQ(report.ReportOptions.Author, "Base");
    EXPECT_EQ(report.FindObject("Extra")->Left(), 70) << "the inherited element updated the parent's object";
    EXPECT_TRUE(report.FindObject("Data")->IsAncestor());
    EXPECT_FALSE(report.FindObject("Own")->IsAncestor());

    std::string saved = Save(report);
    EXPECT_NE(saved.find("<inherited Name=\"Data\"/>"), std::string::npos) << saved;
    EXPECT_NE(saved.find("<inherited Name=\"Extra\" Left=\"70\"/>"), std::string::npos) << saved;
    EXPECT_NE(saved.find("<TqbxDataPage Name=\"Own\""), std::string::npos) << saved;
    EXPECT_EQ(saved.find("Author"), std::string::npos) << "unchanged root attributes are not written";
    EXPECT_EQ(saved.find("PropData"), std::string::npos) << "nor PropData whose checksum matches the parent's";
    std::filesystem::remove_all(folder);
}

TEST_F(TemplateTest, InheritanceCyclesStopWithTheFilesNamed)
{
    std::filesystem::path folder = std::filesystem::temp_directory_path() / "qbx-inherit-cycle";
    std::filesystem::create_directories(folder);
    auto write = [&](const char* name, const char* parent) {
        WriteFileAtomically((folder / name).string(),
            Template(std::string(" ParentReport=\"") + parent + "\"", "<TqbxDataPage Name=\"Data\"/>"));
    };
    write("self.qb3", "self.qb3");
    write("a.qb3", "b.qb3");
    write("b.qb3", "a.qb3");
    ASSERT_TRUE(report.LoadFromFile((folder / "self.qb3").string()));
    std::string self = (folder / "self.qb3").string();
    EXPECT_EQ(report.Errors.Text(), "Circular template inheritance: " + self + " -> " + self + "\r\n");
    TqbxReport other;
    ASSERT_TRUE(other.LoadFromFile((folder / "a.qb3").string()));
    std::string a = (folder / "a.qb3").string(), b = (folder / "b.qb3").string();
    EXPECT_EQ(other.Errors.Text(), "Circular template inheritance: " + a + " -> " + b + " -> " + a + "\r\n");
    EXPECT_NE(other.FindObject("Data"), nullptr);
    std::filesystem::remove_all(folder);
}

TEST_F(TemplateTest, AParentTemplatesErrorsAreShownOnce)
{
    std::filesystem::path folder = std::filesystem::temp_directory_path() / "qbx-inherit-errors";
    std::filesystem::create_directories(folder);
    WriteFileAtomically((folder / "base.qb3").string(), Template(" DotMatrixReport=\"Maybe\""));
    WriteFileAtomically((folder / "child.qb3").string(), Template(" ParentReport=\"base.qb3\""));
    ASSERT_TRUE(report.LoadFromFile((folder / "child.qb3").string()));
    EXPECT_EQ(
        report.Errors.Items(), (std::vector<std::string> { "Invalid value 'Maybe' for property DotMatrixReport" }));
    EXPECT_EQ(ui.Messages.size(), 1u);
    std::filesystem::remove_all(folder);
}

TEST_F(TemplateTest, SingleObjectTextForms)
{
    Load(report, Template("", "<TqbxDataPage Name=\"Data\"/>"));
    TqbxXMLSerializer serializer(&report);
    TqbxComponent* page = serializer.ReadComponentFromText(&report, "  TqbxDataPage Name=\"P2\" Left=\"3\" ", false);
    EXPECT_EQ(page->Parent(), &report);
    EXPECT_EQ(page->Left(), 3);
    std::ostringstream out;
    serializer.WriteComponentToStream(*page, out);
    EXPECT_EQ(out.str(), "<TqbxDataPage Height=\"1000\" Left=\"3\" Top=\"0\" Width=\"1000\"/>");
    EXPECT_THROW(serializer.ReadComponentFromText(&report, "TqbxMissing Name=\"Q\"", false), EConvertError);

    serializer.XMLToObj(" l=\"1,5\" t=\"2\" w=\"30\" h=\"40\"", *page);
    EXPECT_EQ(page->Width(), 30);
    EXPECT_EQ(page->Left(), 1.5L);
    EXPECT_EQ(page->FullDiff(nullptr), " Height=\"40\" Left=\"1.5\" Top=\"2\" Width=\"30\"");
}

} // namespace
} // namespace qbx

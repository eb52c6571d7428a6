// The report root: defaults, Clear, error delivery, progress and the lifecycle steps not built yet.
#include "report/TqbxReport.h"

#include "base/Exceptions.h"
#include "platform/Files.h"
#include "platform/Settings.h"
#include "platform/Ui.h"
#include "platform/fake/FakePlatform.h"

#include <gtest/gtest.h>

namespace qbx {
namespace {

class TqbxReportTest : public testing::Test
{
protected:
    fake::FakePlatform platform;
    fake::ScriptedUi& ui = platform.TestUi;
    TqbxReport report;
};

TEST_F(TqbxReportTest, DefaultsOfTheRoot)
{
    EXPECT_EQ(report.Version(), "4.3");
    EXPECT_EQ(report.ScriptLanguage(), "VeradaZurezi");
    EXPECT_EQ(report.ScriptText().Text(), u"begin\r\n\r\nend.\r\n");
    EXPECT_TRUE(report.ShowProgress());
    EXPECT_TRUE(report.StoreInDFM());
    EXPECT_EQ(report.IniFile(), "\\Software\\Lantorra");
    EXPECT_EQ(report.SystemVariables().size(), 9u);
    EXPECT_EQ(report.SystemVariables()[3], "Page#");
    EXPECT_EQ(report.PrintOptions.Printer, "Default");
    EXPECT_EQ(report.PreviewOptions.Buttons, 4095);
    EXPECT_EQ(report.GetDescription(), "obReport");
}

TEST_F(TqbxReportTest, ClearResetsExactlyItsOptions)
{
    report.EngineOptions.ConvertNulls = false;
    report.EngineOptions.DoublePass = true;
    report.EngineOptions.MaxMemSize = 99;
    report.PreviewOptions.OutlineWidth = 300;
    report.PreviewOptions.OutlineVisible = true;
    report.PreviewOptions.Modal = false;
    report.PreviewOptions.Zoom = 2;
    report.PrintOptions.Copies = 5;
    report.PrintOptions.Printer = "Office";
    report.ReportOptions.Author = "Ann";
    report.ReportOptions.Password = "abc";
    report.SetIniFile("custom.ini");
    report.SetShowProgress(false);
    report.SetScriptLanguage("JScript");
    report.SetDataSetName("Orders");
    report.SetDotMatrixReport(true);
    report.SetOnStartReport("Start");
    report.Clear();

    EXPECT_TRUE(report.EngineOptions.ConvertNulls);
    EXPECT_FALSE(report.EngineOptions.DoublePass);
    EXPECT_EQ(report.EngineOptions.MaxMemSize, 99) << "other engine options are kept";
    EXPECT_EQ(report.PreviewOptions.OutlineWidth, 120);
    EXPECT_FALSE(report.PreviewOptions.OutlineVisible);
    EXPECT_FALSE(report.PreviewOptions.Modal) << "Modal is kept";
    EXPECT_EQ(report.PreviewOptions.Zoom, 2);
    EXPECT_EQ(report.PrintOptions.Copies, 1) << "print options all return to their defaults";
    EXPECT_EQ(report.PrintOptions.Printer, "Default");
    EXPECT_EQ(report.ReportOptions.Author, "");
    EXPECT_EQ(report.ReportOptions.Password, "");
    EXPECT_EQ(report.IniFile(), "custom.ini") << "IniFile is not a template setting";
    EXPECT_FALSE(report.ShowProgress());
    EXPECT_EQ(report.ScriptLanguage(), "VeradaZurezi");
    EXPECT_EQ(report.DataSetName(), "");
    EXPECT_FALSE(report.DotMatrixReport());
    EXPECT_EQ(report.OnStartReport(), "");
}

TEST_F(TqbxReportTest, ErrorsStaySortedWithoutDuplicates)
{
    report.Errors.Add("b: second");
    report.Errors.Add("a: first");
    report.Errors.Add("b: second");
    EXPECT_EQ(report.Errors.Items(), (std::vector<std::string> { "a: first", "b: second" }));
    EXPECT_EQ(report.Errors.Text(), "a: first\r\nb: second\r\n");
}

TEST_F(TqbxReportTest, ErrorsAreDeliveredAsTheSilentModeSays)
{
    report.Errors.Add("Dataset \"X\" does not exist");
    const std::string text = "The following error(s) have occured:\r\nDataset \"X\" does not exist\r\n";

    report.ShowErrors();
    ASSERT_EQ(ui.Messages.size(), 1u);
    EXPECT_EQ(ui.Messages[0].Text, text);
    EXPECT_EQ(ui.Messages[0].Caption, "Error");
    EXPECT_EQ(ui.Messages[0].Type, mtError);

    report.EngineOptions.NewSilentMode = simSilent;
    report.ShowErrors();
    EXPECT_EQ(ui.Messages.size(), 1u);

    report.EngineOptions.NewSilentMode = simReThrow;
    try {
        report.ShowErrors();
        ADD_FAILURE() << "no exception";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), text);
    }
    EXPECT_EQ(ui.Messages.size(), 1u);
}

TEST_F(TqbxReportTest, ProgressForwardsTheLocalizedTexts)
{
    std::vector<int> values;
    report.OnProgress = [&](TqbxReport&, TqbxProgressType, int v) { values.push_back(v); };

    report.ProgressStart(ptRunning); // a run shows no progress window unless old-style
    report.Progress(ptRunning, 1);
    EXPECT_EQ(ui.ProgressWindowsOpened, 0);
    report.ProgressStop(ptRunning);

    report.SetOldStyleProgress(true);
    report.ProgressStart(ptRunning);
    report.FinalPass = false;
    report.Progress(ptRunning, 1);
    report.FinalPass = true;
    report.Progress(ptRunning, 2);
    report.ProgressStop(ptRunning);
    report.ProgressStart(ptPrinting);
    report.Progress(ptPrinting, 3);
    report.Progress(ptExporting, 4);
    EXPECT_EQ(ui.ProgressWindowsOpen, 1);
    report.ProgressStop(ptPrinting);

    EXPECT_EQ(ui.ProgressMessages,
        (std::vector<std::string> { "First pass: page 1", "Preparing page 2", "Printing page 3", "Exporting page 4" }));
    EXPECT_EQ(values, (std::vector<int> { 1, 1, 2, 3, 4 }));
    EXPECT_EQ(ui.ProgressWindowsOpen, 0);
    EXPECT_GE(ui.ProcessMessagesCalls, 8);

    report.ProgressStart(ptPrinting);
    ui.CancelProgress = true;
    report.Progress(ptPrinting, 1);
    EXPECT_TRUE(report.Terminated) << "the cancel button stops the run";
}

TEST_F(TqbxReportTest, LoadingAMissingFileLeavesAnEmptyReport)
{
    EXPECT_FALSE(report.LoadFromFile("/nonexistent/1.qb3"));
    EXPECT_TRUE(report.Objects().empty());
    EXPECT_TRUE(ui.Messages.empty()) << "a missing template is no error";
    EXPECT_THROW(report.LoadFromFile("/nonexistent/1.qb3", true), EFileError);

    EXPECT_TRUE(report.PrepareReport(true)) << report.Errors.Text();
    EXPECT_TRUE(ui.Messages.empty()) << "an empty report prepares, without pages";
    report.SetScriptTextValue("begin\r\n  ShowMessage('x');\r\nend.");
    EXPECT_FALSE(report.PrepareReport(true));
    ASSERT_EQ(ui.Messages.size(), 1u);
    EXPECT_NE(ui.Messages[0].Text.find("The report script is not available yet"), std::string::npos);
}

struct FakePreview : TqbxCustomPreview
{
    int Inits = 0, Starts = 0;
    std::vector<int> Values;
    void Init(TqbxReport&) override { ++Inits; }
    void ProgressStart(TqbxProgressType) override { ++Starts; }
    void Progress(TqbxProgressType, int value) override { Values.push_back(value); }
    void ProgressStop(TqbxProgressType) override { }
    void ShowMessage(const std::string&) override { }
};

TEST_F(TqbxReportTest, ShowReportArmsTheTimerAndPreparesWhenItFires)
{
    FakePreview preview;
    report.SetPreview(&preview);
    report.EngineOptions.NewSilentMode = simSilent;
    report.ShowReport(true);
    EXPECT_EQ(preview.Inits, 1);
    EXPECT_TRUE(report.PrepareTimer().Enabled());
    EXPECT_EQ(report.PrepareTimer().Interval(), 50);
    ui.FireTimers();
    EXPECT_FALSE(report.PrepareTimer().Enabled());
    EXPECT_EQ(preview.Starts, 1) << "the tick prepared the report";
    EXPECT_TRUE(report.Errors.Empty()) << report.Errors.Text();

    report.Progress(ptRunning, 3);
    EXPECT_EQ(preview.Values, (std::vector<int> { 2 })) << "the preview counts pages from 0";

    report.SetPreview(nullptr);
    report.ShowReport(true);
    EXPECT_FALSE(report.PrepareTimer().Enabled()) << "with nothing to show the pages in, nothing is prepared";
}

TEST_F(TqbxReportTest, DestroyedDataSetIsForgotten)
{
    TqbxReport root;
    auto* page = new TqbxComponent(&root); // a plain component stands in for the data page
    auto* dataSet = new TqbxUserDataSet(page);
    root.DataSets.Add();
    root.DataSets.Item(0)->SetDataSet(dataSet);
    root.SetDataSet(dataSet);
    EXPECT_EQ(root.PagesCount(), 1);
    EXPECT_EQ(root.Pages(0), page);
    EXPECT_EQ(root.Pages(1), nullptr);
    delete dataSet;
    EXPECT_EQ(root.DataSet(), nullptr);
    EXPECT_EQ(root.DataSets.Count(), 0) << "its item leaves the report's DataSets";
}

TEST_F(TqbxReportTest, SettingsStoreIsNamedByIniFile)
{
    report.SetIniFile("\\Software\\Lantorra");
    EXPECT_EQ(report.OpenSettingsStore()->FileName(), SettingsFileFor("\\Software\\Lantorra"));
}

} // namespace
} // namespace qbx

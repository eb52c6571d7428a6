// The option objects: SilentMode as a view, Assign's field lists, and the password check.
#include "report/TqbxOptions.h"

#include "platform/fake/FakePlatform.h"

#include <gtest/gtest.h>

namespace qbx {
namespace {

TEST(TqbxOptions, SilentModeIsAViewOfNewSilentMode)
{
    TqbxEngineOptions o;
    EXPECT_FALSE(o.SilentMode());
    o.NewSilentMode = simSilent;
    EXPECT_TRUE(o.SilentMode());
    o.NewSilentMode = simReThrow;
    EXPECT_FALSE(o.SilentMode());
    o.SetSilentMode(false);
    EXPECT_EQ(o.NewSilentMode, simMessageBoxes);
    o.SetPropValue("SilentMode", Variant(true));
    EXPECT_EQ(o.NewSilentMode, simSilent);
}

TEST(TqbxOptions, AssignCopiesTheListedFields)
{
    TqbxPreviewOptions preview, previewCopy;
    preview.Zoom = 1.5L;
    preview.Modal = false;
    preview.ZoomMode = zmPageWidth;
    previewCopy.Assign(preview);
    EXPECT_EQ(previewCopy.Zoom, 1.5L);
    EXPECT_FALSE(previewCopy.Modal);
    EXPECT_EQ(previewCopy.ZoomMode, zmPageWidth);

    TqbxReportOptions report, reportCopy;
    report.Description.SetText(u"line 1\r\nline 2");
    report.Password = "secret";
    report.PrevPassword = "secret";
    reportCopy.Assign(report);
    EXPECT_EQ(reportCopy.Description, report.Description);
    EXPECT_EQ(reportCopy.Password, "secret");
    EXPECT_EQ(reportCopy.PrevPassword, "") << "PrevPassword is not published";

    TqbxEngineOptions engine, engineCopy;
    engine.TempDir = "/var/tmp";
    engine.NewSilentMode = simReThrow;
    engineCopy.Assign(engine);
    EXPECT_EQ(engineCopy.TempDir, "/var/tmp");
    EXPECT_EQ(engineCopy.NewSilentMode, simReThrow);
}

TEST(TqbxOptions, ClearOfReportOptionsStampsTheDates)
{
    TqbxReportOptions o;
    o.CreateDate = 1;
    o.Name = "Sales";
    o.Clear();
    EXPECT_GT(o.CreateDate, 40000);
    EXPECT_EQ(o.CreateDate, o.LastChange);
    EXPECT_EQ(o.Name, "");
}

TEST(TqbxOptions, PasswordMustBeTypedExactly)
{
    fake::FakePlatform platform;
    TqbxReportOptions o;
    EXPECT_TRUE(o.CheckPassword()) << "an empty password passes without asking";
    EXPECT_TRUE(platform.TestUi.Queries.empty());

    o.Password = "abc";
    platform.TestUi.QueryAnswers = { "ABC", "\x18", "abc" };
    EXPECT_FALSE(o.CheckPassword()) << "case matters";
    EXPECT_FALSE(o.CheckPassword()) << "cancelled";
    EXPECT_TRUE(o.CheckPassword());
    EXPECT_EQ(o.PrevPassword, "abc");
    EXPECT_TRUE(o.CheckPassword()) << "the password last accepted passes without asking";
    EXPECT_EQ(platform.TestUi.Queries,
        (std::vector<std::string> { "Enter the password:", "Enter the password:", "Enter the password:" }));
}

} // namespace
} // namespace qbx

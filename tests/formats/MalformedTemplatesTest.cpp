// Every malformed template of tests/data/malformed fails cleanly: errors collected (except for the
// "silent-" files, whose damage ends a PropData block without a word), nothing crashes, and the
// report that is left can still be saved.
#include "platform/fake/FakePlatform.h"
#include "report/ClassRegistry.h"
#include "report/TqbxReport.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

namespace qbx {
namespace {

TEST(MalformedTemplates, FailCleanly)
{
    fake::FakePlatform platform;
    RegisterStandardClasses();
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(QBX_TEST_DATA "/malformed")) {
        SCOPED_TRACE(entry.path().filename().string());
        ++files;
        TqbxReport report;
        report.EngineOptions.NewSilentMode = simSilent;
        std::ifstream in(entry.path(), std::ios::binary);
        report.LoadFromStream(in);
        bool silent = entry.path().filename().string().rfind("silent-", 0) == 0;
        EXPECT_EQ(report.Errors.Empty(), silent) << report.Errors.Text();
        std::ostringstream out;
        EXPECT_NO_THROW(report.SaveToStream(out));
        EXPECT_NE(out.str().find("<TqbxDataPage"), std::string::npos) << "a data page is ensured";
    }
    EXPECT_GE(files, 10);
}

TEST(MalformedTemplates, DeepNestingIsRefused)
{
    fake::FakePlatform platform;
    RegisterStandardClasses();
    std::string text = "<?xml version=\"1.0\"?><TqbxReport>";
    for (int i = 0; i < 100000; ++i)
        text += "<TqbxDataPage>";
    TqbxReport report;
    report.EngineOptions.NewSilentMode = simSilent;
    std::istringstream in(text);
    report.LoadFromStream(in);
    ASSERT_EQ(report.Errors.Count(), 1);
    EXPECT_EQ(report.Errors.Items()[0], "Invalid file format: elements are nested deeper than 500 levels");
}

} // namespace
} // namespace qbx

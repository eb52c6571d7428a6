// The report root: defaults, system variables and the collected errors.
#include "report/TqbxReport.h"

#include <gtest/gtest.h>

namespace qbx {
namespace {

TEST(TqbxReport, DefaultsOfTheRoot)
{
    TqbxReport report;
    EXPECT_EQ(report.Version(), "4.3");
    EXPECT_EQ(report.ScriptLanguage(), "VeradaZurezi");
    EXPECT_EQ(report.ScriptText().Text(), u"begin\r\n\r\nend.\r\n");
    EXPECT_TRUE(report.ShowProgress());
    EXPECT_TRUE(report.StoreInDFM());
    EXPECT_FALSE(report.ParentFont() && report.Parent());
    EXPECT_EQ(report.SystemVariables().size(), 9u);
    EXPECT_EQ(report.SystemVariables()[3], "Page#");
    EXPECT_EQ(report.StyleFlags(), 2);
}

TEST(TqbxReport, ErrorsStaySortedWithoutDuplicates)
{
    TqbxReport report;
    report.Errors.Add("b: second");
    report.Errors.Add("a: first");
    report.Errors.Add("b: second");
    EXPECT_EQ(report.Errors.Items(), (std::vector<std::string> { "a: first", "b: second" }));
    EXPECT_EQ(report.Errors.Text(), "a: first\r\nb: second\r\n");
}

} // namespace
} // namespace qbx

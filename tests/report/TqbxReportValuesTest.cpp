// Resolving bare names through the report: data fields, system variables, the host, report and global
// variables, and the errors Calc records.
#include "base/Exceptions.h"
#include "report/TqbxReport.h"

#include <map>

#include <gtest/gtest.h>

namespace qbx {
namespace {

// A data set whose fields are all Null, one of each field type.
class NullFields : public TqbxUserDataSet
{
public:
    using TqbxUserDataSet::TqbxUserDataSet;
    TqbxFieldType GetFieldType(const std::string& field) override
    {
        return field == "Name" ? fftString : field == "Paid" ? fftBoolean : fftNumeric;
    }
    Variant GetValue(const std::string&) override { return Variant::Null(); }
};

// Removes a process-wide variable again when the test ends.
struct GlobalVariable
{
    GlobalVariable(const std::string& name, const Variant& value)
        : Name(name)
    {
        qbxGlobalVariables().Set(name, value);
    }
    ~GlobalVariable() { qbxGlobalVariables().Delete(qbxGlobalVariables().IndexOf(Name)); }
    std::string Name;
};

Variant Resolve(TqbxReport& report, const std::string& name)
{
    Variant value;
    EXPECT_TRUE(report.DoGetValue(name, value)) << name;
    return value;
}

TEST(ReportValues, DataFieldsOfListedDataSetsWithConvertNulls)
{
    TqbxReport report;
    auto* orders = new TqbxUserDataSet(&report);
    orders->SetUserName("Orders");
    orders->Fields = { "Qty" };
    orders->OnGetValue = [](const std::string& field, Variant& value) { value = Variant(field == "Qty" ? 7 : 0); };
    auto* nulls = new NullFields(&report);
    nulls->SetUserName("Nulls");
    auto* unlisted = new TqbxUserDataSet(&report);
    unlisted->SetUserName("Unlisted");
    for (const char* name : { "Orders", "Nulls" }) {
        report.DataSets.Add();
        report.DataSets.Item(report.DataSets.Count() - 1)->SetDataSetName(name);
    }

    EXPECT_EQ(Resolve(report, "Orders.\"Qty\"").AsInteger(), 7);
    EXPECT_EQ(Resolve(report, "Nulls.\"Name\"").VarType(), varString);
    EXPECT_EQ(Resolve(report, "Nulls.\"Name\"").AsString(), "");
    EXPECT_EQ(Resolve(report, "Nulls.\"Count\"").AsInteger(), 0);
    EXPECT_FALSE(Resolve(report, "Nulls.\"Paid\"").AsBoolean());
    EXPECT_TRUE(Resolve(report, "Nulls.\"Paid\"").IsBoolean());
    report.EngineOptions.ConvertNulls = false;
    EXPECT_TRUE(Resolve(report, "Nulls.\"Name\"").IsNull());

    Variant value;
    EXPECT_FALSE(report.DoGetValue("Unlisted.\"Qty\"", value)) << "only the report's DataSets are searched";
}

TEST(ReportValues, SystemVariablesReadTheRunCounters)
{
    TqbxReport report;
    report.RunCounters.CurPage = 4;
    report.RunCounters.LogicalPage = 2;
    report.RunCounters.TotalPages = 9;
    report.RunCounters.CurLine = 3;
    report.RunCounters.StartDate = 46000;
    EXPECT_EQ(Resolve(report, "page#").AsInteger(), 5);
    EXPECT_EQ(Resolve(report, "Page").AsInteger(), 2);
    EXPECT_EQ(Resolve(report, "TotalPages#").AsInteger(), 9);
    EXPECT_EQ(Resolve(report, "Line").AsInteger(), 3);
    EXPECT_TRUE(Resolve(report, "Date").IsDate());
    EXPECT_EQ(Resolve(report, "Date").AsFloat(), 46000);
    EXPECT_TRUE(Resolve(report, "CopyName#").IsNull());
    GlobalVariable copy("CopyName0", Variant("Original"));
    EXPECT_EQ(Resolve(report, "CopyName#").AsString(), "Original");
}

TEST(ReportValues, HostThenReportVariablesThenGlobals)
{
    TqbxReport report;
    std::map<std::string, Variant> host { { "Shared", Variant("from the host") } };
    report.OnGetValue = [&](const std::string& name, Variant& value) {
        if (host.count(name))
            value = host[name];
    };
    report.Variables.Set("Shared", Variant(1));
    report.Variables.Set("Count", Variant(17));
    report.Variables.Set("Alias", Variant("Count")); // one line of text: an expression
    report.Variables.Set("Address", Variant("Main Street 1\r\nSpringfield")); // several lines: the text itself
    GlobalVariable global("GlobalOnly", Variant("never evaluated"));

    EXPECT_EQ(Resolve(report, "Shared").AsString(), "from the host");
    EXPECT_EQ(Resolve(report, "Alias").AsInteger(), 17);
    EXPECT_EQ(Resolve(report, "Address").AsString(), "Main Street 1\r\nSpringfield");
    EXPECT_EQ(Resolve(report, "GlobalOnly").AsString(), "never evaluated");
    report.SetValue(Variant(12.5));
    EXPECT_EQ(Resolve(report, "Value").AsFloat(), 12.5);
    Variant value;
    EXPECT_FALSE(report.DoGetValue("Nobody", value));
}

TEST(ReportValues, CalcRecordsItsErrorsAndStopsSelfReference)
{
    TqbxReport report;
    report.CurrentObjectName = "Memo1";
    try {
        report.Calc("Missing");
        ADD_FAILURE();
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "Memo1: Unknown variable or datafield: 'Missing'");
    }
    EXPECT_EQ(report.Errors.Count(), 1);
    EXPECT_EQ(report.Errors.Items()[0], "Memo1: Unknown variable or datafield: 'Missing'");
    EXPECT_THROW(report.Calc("Count * 2"), ENotAvailable) << "expressions wait for the script engine";

    // A variable that names itself, directly or through another, would recurse without end.
    report.Variables.Set("A", Variant("B"));
    report.Variables.Set("B", Variant("a"));
    EXPECT_THROW(report.Calc("A"), EConvertError);
    report.Variables.Set("B", Variant(2));
    EXPECT_EQ(report.Calc("A").AsInteger(), 2) << "a failed resolution leaves nothing behind";
}

} // namespace
} // namespace qbx

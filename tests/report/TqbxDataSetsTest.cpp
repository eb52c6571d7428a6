// Data sets: user names, resolution through the global list, counted iteration and fields.
#include "report/TqbxDataSets.h"

#include "base/Exceptions.h"
#include "report/TqbxBands.h"
#include "report/TqbxPages.h"
#include "report/TqbxReport.h"

#include <gtest/gtest.h>

namespace qbx {
namespace {

TEST(TqbxDataSet, UserNameFollowsTheNameUntilSetApart)
{
    TqbxReport report;
    auto* ds = new TqbxUserDataSet(&report);
    ds->SetName("Orders");
    EXPECT_EQ(ds->UserName(), "Orders");
    ds->SetName("Orders2");
    EXPECT_EQ(ds->UserName(), "Orders2");
    ds->SetUserName("Customer orders");
    ds->SetName("Orders3");
    EXPECT_EQ(ds->UserName(), "Customer orders");
    try {
        ds->SetUserName("   ");
        ADD_FAILURE();
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "prInvProp");
    }
    EXPECT_EQ(ds->UserName(), "Customer orders");
    EXPECT_EQ(ds->Width(), 28);
    EXPECT_EQ(ds->StyleFlags() & sfCopyToPreview, 0);
}

TEST(TqbxDataSet, NamesResolveInCreationOrderWithinTheReport)
{
    TqbxReport report, other;
    auto* page = new TqbxReportPage(&report);
    auto* band = new TqbxMasterData(page);
    auto* first = new TqbxUserDataSet(&report);
    first->SetUserName("Total");
    auto* second = new TqbxUserDataSet(&report);
    second->SetUserName("TOTAL");
    auto* foreign = new TqbxUserDataSet(&other);
    foreign->SetUserName("Foreign");

    band->SetDataSetName("total");
    EXPECT_EQ(band->DataSet(), first) << "the first created wins";
    band->SetDataSetName("Nobody");
    EXPECT_EQ(band->DataSet(), first) << "an unknown name keeps the previous data set";
    band->SetDataSetName("Foreign");
    EXPECT_EQ(band->DataSet(), first) << "another report's data sets are invisible";
    EXPECT_EQ(band->DataSetName(), "Total");
    band->SetDataSetName("");
    EXPECT_EQ(band->DataSet(), nullptr);

    page->SetDataSet(second);
    EXPECT_EQ(page->DataSetName(), "TOTAL");
    report.DataSets.Add();
    report.DataSets.Item(0)->SetDataSetName("TOTAL");
    EXPECT_EQ(report.GetDataset("total"), first);
    EXPECT_EQ(report.GetDataset("missing"), nullptr);
    EXPECT_EQ(report.DataSets.Find(first), report.DataSets.Item(0));
}

TEST(TqbxDataSet, CountedIterationVisitsEachRecordOnce)
{
    for (int count : { 0, 1, 3 }) {
        SCOPED_TRACE(count);
        TqbxMasterData band;
        band.SetRowCount(count);
        TqbxUserDataSet& counter = band.Counter();
        std::vector<int> visited;
        for (counter.First(); !counter.Eof(); counter.Next())
            visited.push_back(counter.RecNo);
        std::vector<int> expected;
        for (int i = 0; i < count; ++i)
            expected.push_back(i);
        EXPECT_EQ(visited, expected);
        EXPECT_EQ(counter.RecordCount(), count);
        if (count > 0) {
            EXPECT_EQ(counter.RecNo, count - 1) << "after the last Next the record number stays";
        }
    }
}

TEST(TqbxDataSet, HostCallbacksSupplyFieldsAndValues)
{
    TqbxUserDataSet ds;
    ds.Fields = { "Name", "Amount" };
    ds.OnGetValue = [](const std::string& field, Variant& value) {
        if (field == "Amount")
            value = Variant(12.5);
    };
    EXPECT_TRUE(ds.HasField("AMOUNT"));
    EXPECT_FALSE(ds.HasField("Price"));
    EXPECT_EQ(ds.FieldsCount(), 2);
    EXPECT_EQ(ds.GetValue("Amount").AsFloat(), 12.5L);
    EXPECT_TRUE(ds.GetValue("Name").IsNull());
    EXPECT_EQ(ds.GetDisplayText("Amount"), u"12.5");
    int nexts = 0;
    bool forcedEnd = false;
    ds.OnNext = [&](TqbxDataSet&) { ++nexts; };
    ds.OnCheckEOF = [&](TqbxDataSet&, bool& eof) { eof = forcedEnd; };
    ds.First();
    ds.Next();
    EXPECT_EQ(nexts, 1);
    EXPECT_FALSE(ds.Eof());
    forcedEnd = true;
    EXPECT_TRUE(ds.Eof());
}

} // namespace
} // namespace qbx

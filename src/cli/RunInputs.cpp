// Loading a template for a run, with CSV files bound to its data-set names and variables set.
#include "cli/RunInputs.h"

#include "base/Exceptions.h"
#include "base/Unicode.h"
#include "cli/CommandLine.h"
#include "platform/Files.h"
#include "report/TqbxBands.h"
#include "report/TqbxCSVDataSet.h"
#include "report/TqbxPages.h"
#include "report/TqbxReport.h"
#include "views/TqbxView.h"

namespace qbx::cli {
namespace {

template <class T> void BindIfNamed(TqbxComponent* c, const std::string& name, TqbxDataSet* data)
{
    if (auto* t = dynamic_cast<T*>(c); t && !t->DataSet() && SameText(t->DataSetName(), name))
        t->SetDataSet(data);
}

} // namespace

void AttachCsvData(TqbxReport& report, const std::vector<std::pair<std::string, std::string>>& data)
{
    report.EnsureDataPage();
    TqbxComponent* dataPage = nullptr;
    for (TqbxComponent* c : report.Objects())
        if (!dataPage && dynamic_cast<TqbxDataPage*>(c))
            dataPage = c;
    for (const auto& [name, file] : data) {
        if (!FileExists(file))
            throw EFileError("Cannot read the data file " + file + " for data set " + name);
        auto* csv = new TqbxCSVDataSet(dataPage);
        csv->CreateUniqueName();
        csv->SetUserName(name);
        csv->FileName = ResolveLinks(file); // an absolute name still holds when the report is read back
        report.DataSets.Add();
        report.DataSets.Item(report.DataSets.Count() - 1)->SetDataSet(csv);
        for (int i = 0; i < report.DataSets.Count() - 1; ++i)
            if (TqbxDataSetItem* item = report.DataSets.Item(i); !item->DataSet() && SameText(item->StoredName(), name))
                item->SetDataSet(csv);
        BindIfNamed<TqbxReport>(&report, name, csv);
        for (TqbxComponent* c : report.AllObjects()) {
            BindIfNamed<TqbxReportPage>(c, name, csv);
            BindIfNamed<TqbxDataBand>(c, name, csv);
            BindIfNamed<TqbxView>(c, name, csv);
        }
    }
}

bool LoadForRun(TqbxReport& report, const Options& options)
{
    report.LoadFromFile(options.Input, true);
    if (!report.Errors.Empty())
        return false;
    AttachCsvData(report, options.Data);
    for (const auto& [name, value] : options.Variables)
        report.Variables.Set(name, Variant(value));
    return true;
}

} // namespace qbx::cli

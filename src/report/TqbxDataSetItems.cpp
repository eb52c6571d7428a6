// Data-set items of a report.
#include "report/TqbxDataSetItems.h"

#include "base/Unicode.h"
#include "report/ClassBuilder.h"
#include "report/TqbxComponent.h"

namespace qbx {

const ClassInfo& TqbxDataSetItem::StaticClassInfo()
{
    static const ClassInfo info = [] {
        using I = TqbxDataSetItem;
        ClassInfo c("TqbxDataSetItem", nullptr, nullptr);
        ClassBuilder<I>(c)
            .Reference("DataSet", "TqbxDataSet", &I::DataSet, &I::SetDataSet)
            .String("DataSetName", &I::DataSetName, &I::SetDataSetName);
        return c;
    }();
    return info;
}

const ClassInfo& TqbxReportDataSets::StaticClassInfo()
{
    static const ClassInfo info("TqbxReportDataSets", nullptr, nullptr);
    return info;
}

void TqbxDataSetItem::SetDataSetName(const std::string& name)
{
    const auto* owner = dynamic_cast<const TqbxReportDataSets*>(Collection());
    binding_.SetName(name, owner ? owner->Report : nullptr);
}

void TqbxReportDataSets::Initialize()
{
    for (int i = 0; i < Count(); ++i) {
        if (TqbxDataSet* ds = Item(i)->DataSet()) {
            ds->ReportRef = Report;
            ds->Initialize();
        }
    }
}

void TqbxReportDataSets::Finalize()
{
    for (int i = 0; i < Count(); ++i)
        if (TqbxDataSet* ds = Item(i)->DataSet())
            ds->Finalize();
}

TqbxDataSetItem* TqbxReportDataSets::Find(const TqbxDataSet* dataSet) const
{
    for (int i = 0; i < Count(); ++i)
        if (Item(i)->DataSet() == dataSet)
            return Item(i);
    return nullptr;
}

TqbxDataSetItem* TqbxReportDataSets::Find(const std::string& userName) const
{
    for (int i = 0; i < Count(); ++i)
        if (Item(i)->DataSet() && SameText(Item(i)->DataSet()->UserName(), userName))
            return Item(i);
    return nullptr;
}

void TqbxReportDataSets::Forget(const TqbxComponent* dataSet)
{
    for (int i = Count() - 1; i >= 0; --i)
        if (Item(i)->DataSet() == dataSet)
            Delete(i);
}

} // namespace qbx

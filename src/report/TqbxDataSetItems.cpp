// Data-set items of a report.
#include "report/TqbxDataSetItems.h"

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

void TqbxReportDataSets::Forget(const TqbxComponent* dataSet)
{
    for (int i = Count() - 1; i >= 0; --i)
        if (Item(i)->DataSet() == dataSet)
            Delete(i);
}

} // namespace qbx

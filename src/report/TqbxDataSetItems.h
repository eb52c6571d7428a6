// The report's list of the data sets it uses (its DataSets), streamed as Datasets in PropData.
#pragma once

#include "report/TqbxCollection.h"

#include <string>

namespace qbx {

class TqbxComponent;

class TqbxDataSetItem : public TqbxCollectionItem
{
public:
    static const ClassInfo& StaticClassInfo();
    const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }
    TqbxComponent* DataSet() const { return dataSet_; } // not owned
    void SetDataSet(TqbxComponent* dataSet) { dataSet_ = dataSet; }
    const std::string& DataSetName() const { return dataSetName_; }
    void SetDataSetName(const std::string& name) { dataSetName_ = name; }

private:
    TqbxComponent* dataSet_ = nullptr;
    std::string dataSetName_;
};

class TqbxReportDataSets : public TqbxCollection
{
public:
    static const ClassInfo& StaticClassInfo();
    const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }
    TqbxDataSetItem* Item(int index) const { return static_cast<TqbxDataSetItem*>(Items(index)); }
    // Removes the items of a data set that is being destroyed.
    void Forget(const TqbxComponent* dataSet);

protected:
    std::unique_ptr<TqbxCollectionItem> CreateItem() override { return std::make_unique<TqbxDataSetItem>(); }
};

} // namespace qbx

// The report's list of the data sets it uses (its DataSets), streamed as Datasets in PropData.
#pragma once

#include "report/TqbxCollection.h"
#include "report/TqbxDataSets.h"

#include <string>

namespace qbx {

class TqbxComponent;
class TqbxReport;

class TqbxDataSetItem : public TqbxCollectionItem
{
public:
    static const ClassInfo& StaticClassInfo();
    const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }
    TqbxDataSet* DataSet() const { return binding_.DataSet; } // not owned
    void SetDataSet(TqbxDataSet* dataSet) { binding_.Set(dataSet); }
    // Reading gives the attached data set's user name; writing looks the data set up by that name.
    std::string DataSetName() const { return binding_.GetName(); }
    void SetDataSetName(const std::string& name);
    // The name the item was given, whether or not a data set bears it.
    const std::string& StoredName() const { return binding_.Name; }

private:
    friend class TqbxReportDataSets;
    DataSetBinding binding_;
};

class TqbxReportDataSets : public TqbxCollection
{
public:
    static const ClassInfo& StaticClassInfo();
    const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }
    TqbxDataSetItem* Item(int index) const { return static_cast<TqbxDataSetItem*>(Items(index)); }
    // Removes the items of a data set that is being destroyed.
    void Forget(const TqbxComponent* dataSet);
    // Sets the report of every attached data set, then initialises it; Finalize undoes a run.
    void Initialize();
    void Finalize();
    TqbxDataSetItem* Find(const TqbxDataSet* dataSet) const;
    TqbxDataSetItem* Find(const std::string& userName) const;

    TqbxReport* Report = nullptr; // the report whose DataSets these are (not owned)

protected:
    std::unique_ptr<TqbxCollectionItem> CreateItem() override { return std::make_unique<TqbxDataSetItem>(); }
};

} // namespace qbx

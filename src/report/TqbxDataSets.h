// Data sets: record sources with named fields, found by their user names through one global list.
#pragma once

#include "report/TqbxReportComponent.h"

#include <functional>
#include <string>
#include <vector>

namespace qbx {

class TqbxReport;

// Non-visual components that live on a data page; their position is streamed in PropData.
class TqbxDialogComponent : public TqbxReportComponent
{
public:
    explicit TqbxDialogComponent(TqbxComponent* parent = nullptr);
    static const ClassInfo& StaticClassInfo();
    const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }
    bool IsDialogComponent() const override { return true; }
    void Draw(Canvas&, long double, long double, long double, long double) override { } // design-time only
    void WriteExtraData(PropDataWriter& out, TqbxXMLSerializer& serializer) const override;
    bool ReadExtraData(const std::string& name, const BinValue& value, TqbxXMLSerializer& serializer) override;
};

enum TqbxRangeBegin { rbFirst, rbCurrent };
enum TqbxRangeEnd { reLast, reCurrent, reCount };
enum TqbxFieldType { fftNumeric, fftString, fftBoolean };

// Lifetime: every data set is in the global list from construction to destruction.
class TqbxDataSet : public TqbxDialogComponent
{
public:
    explicit TqbxDataSet(TqbxComponent* parent = nullptr);
    ~TqbxDataSet() override;
    static const ClassInfo& StaticClassInfo();
    const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }

    // The user name follows the component name until it is set to something else.
    void SetName(const std::string& name) override;
    const std::string& UserName() const { return userName_; }
    // Raises "prInvProp" for a name that is empty after trimming blanks.
    virtual void SetUserName(const std::string& name);

    virtual std::u16string GetDisplayText(const std::string& field);
    virtual int GetDisplayWidth(const std::string& field);
    virtual TqbxFieldType GetFieldType(const std::string& field);
    virtual Variant GetValue(const std::string& field);
    virtual void Initialize() { }
    virtual void Finalize() { }
    virtual void Open();
    virtual void Close();
    virtual void First();
    virtual void Next();
    virtual void Prior();
    virtual bool Eof();
    virtual int FieldsCount() { return 0; }
    virtual bool IsBlobField(const std::string&) { return false; }
    virtual int RecordCount();
    virtual void GetFieldList(std::vector<std::string>& list) { list.clear(); }
    bool HasField(const std::string& field); // without regard to case

    bool CloseDataSource = false;
    bool Enabled = true;
    bool OpenDataSource = true;
    TqbxRangeBegin RangeBegin = rbFirst;
    TqbxRangeEnd RangeEnd = reLast;
    int RangeEndCount = 0;
    TqbxReport* ReportRef = nullptr; // set when the report initialises its data sets (not owned)
    int RecNo = 0;

    std::function<void(TqbxDataSet&, bool& eof)> OnCheckEOF;
    std::function<void(TqbxDataSet&)> OnFirst, OnNext, OnPrior, OnOpen, OnClose;

protected:
    bool endReached_ = false;

private:
    std::string userName_;
};

// Records and values supplied by the host.
class TqbxUserDataSet : public TqbxDataSet
{
public:
    using TqbxDataSet::TqbxDataSet;
    static const ClassInfo& StaticClassInfo();
    const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }
    std::u16string GetDisplayText(const std::string& field) override;
    Variant GetValue(const std::string& field) override;
    int FieldsCount() override { return static_cast<int>(Fields.size()); }
    void GetFieldList(std::vector<std::string>& list) override { list = Fields; }

    std::vector<std::string> Fields;
    std::function<void(const std::string& field, Variant& value)> OnGetValue;
};

// The base of data sets bound to an external database; no binding is part of qbx.
class TqbxCustomDBDataSet : public TqbxDataSet
{
public:
    using TqbxDataSet::TqbxDataSet;
    static const ClassInfo& StaticClassInfo();
    const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }
    int FieldsCount() override;

    std::vector<std::string> FieldAliases;
    std::vector<std::string> FieldCache; // sorted, no duplicates
};

class TqbxCustomDatabase : public TqbxDialogComponent
{
public:
    using TqbxDialogComponent::TqbxDialogComponent;
    static const ClassInfo& StaticClassInfo();
    const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }
};

// The data set a user name stands for: the first in creation order with that name (without regard
// to case), skipping those of another report when `report` is given; `current` when none matches.
TqbxDataSet* FindDataSet(TqbxDataSet* current, const std::string& name, const TqbxReport* report);

// A reference to a data set together with the name it was set by; the name follows the data set.
struct DataSetBinding
{
    TqbxDataSet* DataSet = nullptr; // not owned
    std::string Name;
    void Set(TqbxDataSet* dataSet);
    void SetName(const std::string& name, const TqbxReport* report);
    std::string GetName() const;
    void Forget(const TqbxComponent* removed);
};

} // namespace qbx

// Data sets, their global list and the resolution of user names.
#include "report/TqbxDataSets.h"

#include "base/Exceptions.h"
#include "base/Rounding.h"
#include "base/Unicode.h"
#include "formats/PropData.h"
#include "formats/TqbxResources.h"
#include "report/ClassBuilder.h"
#include "report/TqbxReport.h"

#include <algorithm>
#include <mutex>

namespace qbx {
namespace {

struct GlobalDataSetList
{
    std::mutex Lock;
    std::vector<TqbxDataSet*> Items; // creation order
};

GlobalDataSetList& GlobalList()
{
    static GlobalDataSetList list;
    return list;
}

} // namespace

TqbxDialogComponent::TqbxDialogComponent(TqbxComponent* parent)
    : TqbxReportComponent(parent)
{
    SetBounds(Left(), Top(), 28, 28);
    SetStyleFlags(StyleFlags() & ~sfCopyToPreview);
}

const ClassInfo& TqbxDialogComponent::StaticClassInfo()
{
    static const ClassInfo info("TqbxDialogComponent", &TqbxReportComponent::StaticClassInfo(), nullptr);
    return info;
}

void TqbxDialogComponent::WriteExtraData(PropDataWriter& out, TqbxXMLSerializer&) const
{
    out.Name("pLeft");
    out.Integer(RoundToInt(Left()));
    out.Name("pTop");
    out.Integer(RoundToInt(Top()));
}

bool TqbxDialogComponent::ReadExtraData(const std::string& name, const BinValue& value, TqbxXMLSerializer&)
{
    if (name == "pLeft")
        SetLeft(value.Scalar.AsInteger());
    else if (name == "pTop")
        SetTop(value.Scalar.AsInteger());
    else
        return false;
    return true;
}

TqbxDataSet::TqbxDataSet(TqbxComponent* parent)
    : TqbxDialogComponent(parent)
{
    GlobalDataSetList& list = GlobalList();
    std::lock_guard guard(list.Lock);
    list.Items.push_back(this);
}

TqbxDataSet::~TqbxDataSet()
{
    GlobalDataSetList& list = GlobalList();
    std::lock_guard guard(list.Lock);
    std::erase(list.Items, this);
}

const ClassInfo& TqbxDataSet::StaticClassInfo()
{
    static const ClassInfo info = [] {
        using D = TqbxDataSet;
        ClassInfo c("TqbxDataSet", &TqbxDialogComponent::StaticClassInfo(), nullptr);
        ClassBuilder<D>(c)
            .Field("Enabled", TPropKind::Boolean, "Boolean", &D::Enabled)
            .Default(Variant(true))
            .Field("RangeBegin", TPropKind::Enum, "TqbxRangeBegin", &D::RangeBegin)
            .Names({ "rbFirst", "rbCurrent" })
            .Default(Variant(0))
            .Field("RangeEnd", TPropKind::Enum, "TqbxRangeEnd", &D::RangeEnd)
            .Names({ "reLast", "reCurrent", "reCount" })
            .Default(Variant(0))
            .Field("RangeEndCount", TPropKind::Integer, "Integer", &D::RangeEndCount)
            .Default(Variant(0))
            .String("UserName", &D::UserName, &D::SetUserName);
        return c;
    }();
    return info;
}

void TqbxDataSet::SetName(const std::string& name)
{
    if (!name.empty() && (userName_.empty() || userName_ == Name()))
        SetUserName(name);
    TqbxDialogComponent::SetName(name);
}

void TqbxDataSet::SetUserName(const std::string& name)
{
    if (TrimBlanks(name).empty())
        throw EConvertError(TqbxResources::Instance().Get("prInvProp"));
    userName_ = name;
}

std::u16string TqbxDataSet::GetDisplayText(const std::string&)
{
    return {};
}
int TqbxDataSet::GetDisplayWidth(const std::string&)
{
    return 10;
}
TqbxFieldType TqbxDataSet::GetFieldType(const std::string&)
{
    return fftNumeric;
}
Variant TqbxDataSet::GetValue(const std::string&)
{
    return Variant::Null();
}

void TqbxDataSet::Open()
{
    if (OnOpen)
        OnOpen(*this);
}

void TqbxDataSet::Close()
{
    if (OnClose)
        OnClose(*this);
}

void TqbxDataSet::First()
{
    RecNo = 0;
    endReached_ = false;
    if (OnFirst)
        OnFirst(*this);
}

void TqbxDataSet::Next()
{
    endReached_ = false;
    ++RecNo;
    if (RangeEnd == reCount && RecNo >= RangeEndCount) {
        RecNo = RangeEndCount - 1;
        endReached_ = true;
    } else if (OnNext) {
        OnNext(*this);
    }
}

void TqbxDataSet::Prior()
{
    --RecNo;
    if (OnPrior)
        OnPrior(*this);
}

bool TqbxDataSet::Eof()
{
    bool eof = RangeEnd == reCount && (RecNo >= RangeEndCount || endReached_);
    if (OnCheckEOF)
        OnCheckEOF(*this, eof);
    return eof;
}

int TqbxDataSet::RecordCount()
{
    return RangeBegin == rbFirst && RangeEnd == reCount ? RangeEndCount : 0;
}

bool TqbxDataSet::HasField(const std::string& field)
{
    std::vector<std::string> fields;
    GetFieldList(fields);
    return std::any_of(fields.begin(), fields.end(), [&](const std::string& f) { return SameText(f, field); });
}

const ClassInfo& TqbxUserDataSet::StaticClassInfo()
{
    static const ClassInfo info("TqbxUserDataSet", &TqbxDataSet::StaticClassInfo(),
        [](TqbxComponent* parent) -> TqbxComponent* { return new TqbxUserDataSet(parent); });
    return info;
}

std::u16string TqbxUserDataSet::GetDisplayText(const std::string& field)
{
    if (!OnGetValue)
        return {};
    Variant value = Variant::Null();
    OnGetValue(field, value);
    return Utf8ToUtf16(value.ToText());
}

Variant TqbxUserDataSet::GetValue(const std::string& field)
{
    Variant value = Variant::Null();
    if (OnGetValue)
        OnGetValue(field, value);
    return value;
}

const ClassInfo& TqbxCustomDBDataSet::StaticClassInfo()
{
    static const ClassInfo info = [] {
        using D = TqbxCustomDBDataSet;
        ClassInfo c("TqbxCustomDBDataSet", &TqbxDataSet::StaticClassInfo(), nullptr);
        ClassBuilder<D>(c)
            .Field("CloseDataSource", TPropKind::Boolean, "Boolean", &D::CloseDataSource)
            .Default(Variant(false))
            .Field("OpenDataSource", TPropKind::Boolean, "Boolean", &D::OpenDataSource)
            .Default(Variant(true));
        return c;
    }();
    return info;
}

int TqbxCustomDBDataSet::FieldsCount()
{
    std::vector<std::string> fields;
    GetFieldList(fields);
    return static_cast<int>(fields.size());
}

const ClassInfo& TqbxCustomDatabase::StaticClassInfo()
{
    static const ClassInfo info("TqbxCustomDatabase", &TqbxDialogComponent::StaticClassInfo(), nullptr);
    return info;
}

TqbxDataSet* FindDataSet(TqbxDataSet* current, const std::string& name, const TqbxReport* report)
{
    if (name.empty())
        return nullptr;
    if (!report)
        return current;
    GlobalDataSetList& list = GlobalList();
    std::lock_guard guard(list.Lock);
    for (TqbxDataSet* ds : list.Items) {
        const TqbxReport* owner = ds->Report();
        if (owner && owner != report)
            continue; // another report's data sets are invisible here
        if (SameText(ds->UserName(), name))
            return ds;
    }
    return current;
}

void DataSetBinding::Set(TqbxDataSet* dataSet)
{
    DataSet = dataSet;
    Name = dataSet ? dataSet->UserName() : std::string();
}

void DataSetBinding::SetName(const std::string& name, const TqbxReport* report)
{
    Name = name;
    DataSet = FindDataSet(DataSet, name, report);
}

std::string DataSetBinding::GetName() const
{
    return DataSet ? DataSet->UserName() : Name;
}

void DataSetBinding::Forget(const TqbxComponent* removed)
{
    if (DataSet == removed)
        DataSet = nullptr;
}

} // namespace qbx

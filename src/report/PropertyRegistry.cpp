// Property and class descriptions.
#include "report/PropertyRegistry.h"

#include "base/Exceptions.h"
#include "base/Rounding.h"
#include "base/Unicode.h"

namespace qbx {

bool PropInfo::IsDefault(const Variant& value) const
{
    if (!Default)
        return false;
    switch (Kind) {
    case TPropKind::Float:
        return !Differ(value.AsFloat(), Default->AsFloat(), kStoredTolerance);
    case TPropKind::String:
    case TPropKind::Event:
    case TPropKind::Lines:
        return value.ToText() == Default->ToText();
    case TPropKind::Boolean:
        return value.AsBoolean() == Default->AsBoolean();
    case TPropKind::Integer:
    case TPropKind::Enum:
    case TPropKind::Set:
        return value.AsInt64() == Default->AsInt64();
    case TPropKind::Reference:
    case TPropKind::Object:
    case TPropKind::Variant:
    case TPropKind::Picture:
        return false;
    }
    return false;
}

void PropInfo::CheckRange(std::int64_t value) const
{
    if (value < Minimum || value > Maximum)
        throw EConvertError("Value " + std::to_string(value) + " out of range for property " + Name + " ("
            + std::to_string(Minimum) + ".." + std::to_string(Maximum) + ")");
}

int PropInfo::EnumOrdinal(std::string_view name) const
{
    for (std::size_t i = 0; i < EnumNames.size(); ++i)
        if (SameText(EnumNames[i], name))
            return static_cast<int>(i);
    return -1;
}

ClassInfo::ClassInfo(std::string className, const ClassInfo* parent, Factory factory)
    : className_(std::move(className))
    , parent_(parent)
    , factory_(std::move(factory))
{
    if (parent_)
        all_ = parent_->all_;
}

bool ClassInfo::InheritsFrom(const ClassInfo& other) const
{
    for (const ClassInfo* c = this; c; c = c->parent_)
        if (c == &other)
            return true;
    return false;
}

TqbxComponent* ClassInfo::Create(TqbxComponent* parent) const
{
    if (!factory_)
        throw EConvertError("Cannot create an object of the abstract class " + className_);
    return factory_(parent);
}

const PropInfo* ClassInfo::FindProperty(std::string_view name) const
{
    // Names nearly always come spelled as declared: look those up by hash, the rest without case.
    if (exact_.size() != all_.size()) {
        exact_.clear();
        for (const PropInfo* p : all_)
            exact_.emplace(p->Name, p);
    }
    if (auto found = exact_.find(name); found != exact_.end())
        return found->second;
    for (const PropInfo* p : all_)
        if (SameText(p->Name, name))
            return p;
    return nullptr;
}

void ClassInfo::Add(PropInfo info)
{
    exact_.clear();
    own_.push_back(std::make_unique<PropInfo>(std::move(info)));
    const PropInfo* added = own_.back().get();
    for (const PropInfo*& p : all_) {
        if (SameText(p->Name, added->Name)) {
            p = added;
            return;
        }
    }
    all_.push_back(added);
}

} // namespace qbx

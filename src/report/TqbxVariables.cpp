// Variables and styles.
#include "report/TqbxVariables.h"

#include "base/Exceptions.h"
#include "base/Unicode.h"
#include "report/ClassBuilder.h"

namespace qbx {

const ClassInfo& TqbxVariable::StaticClassInfo()
{
    static const ClassInfo info = [] {
        ClassInfo c("TqbxVariable", nullptr, nullptr);
        ClassBuilder<TqbxVariable>(c)
            .String("Name", &TqbxVariable::Name, &TqbxVariable::SetName)
            .Property("Value", TPropKind::Variant, "Variant", &TqbxVariable::Value, &TqbxVariable::SetValue);
        return c;
    }();
    return info;
}

const ClassInfo& TqbxVariables::StaticClassInfo()
{
    static const ClassInfo info("TqbxVariables", nullptr, nullptr);
    return info;
}

std::unique_ptr<TqbxCollectionItem> TqbxVariables::CreateItem()
{
    return std::make_unique<TqbxVariable>();
}

int TqbxVariables::IndexOf(const std::string& name) const
{
    for (int i = 0; i < Count(); ++i)
        if (SameText(Item(i)->Name(), name))
            return i;
    return -1;
}

Variant TqbxVariables::Get(const std::string& name) const
{
    int i = IndexOf(name);
    return i < 0 ? Variant::Null() : Item(i)->Value();
}

void TqbxVariables::Set(const std::string& name, const Variant& value)
{
    int i = IndexOf(name);
    TqbxVariable* item = i < 0 ? static_cast<TqbxVariable*>(Add()) : Item(i);
    if (i < 0)
        item->SetName(name);
    item->SetValue(value);
}

const ClassInfo& TqbxArray::StaticClassInfo()
{
    static const ClassInfo info("TqbxArray", &TqbxVariables::StaticClassInfo(), nullptr);
    return info;
}

TqbxVariables& qbxGlobalVariables()
{
    static TqbxVariables variables;
    return variables;
}

TqbxStyleItem::TqbxStyleItem() = default;

const ClassInfo& TqbxStyleItem::StaticClassInfo()
{
    static const ClassInfo info = [] {
        ClassInfo c("TqbxStyleItem", nullptr, nullptr);
        ClassBuilder<TqbxStyleItem>(c)
            .String("Name", &TqbxStyleItem::Name, &TqbxStyleItem::SetName)
            .Integer("Color", &TqbxStyleItem::Color, &TqbxStyleItem::SetColor)
            .Default(Variant(clNone))
            .Object("Font", "TFont", static_cast<TqbxFont& (TqbxStyleItem::*)()>(&TqbxStyleItem::Font))
            .Object("Frame", "TqbxFrame", static_cast<TqbxFrame& (TqbxStyleItem::*)()>(&TqbxStyleItem::Frame));
        return c;
    }();
    return info;
}

void TqbxStyleItem::SetName(const std::string& name)
{
    if (const auto* styles = dynamic_cast<const TqbxStyles*>(Collection())) {
        const TqbxStyleItem* other = styles->Find(name);
        if (other && other != this)
            throw EConvertError("Duplicate name");
    }
    name_ = name;
}

const ClassInfo& TqbxStyles::StaticClassInfo()
{
    static const ClassInfo info("TqbxStyles", nullptr, nullptr);
    return info;
}

std::unique_ptr<TqbxCollectionItem> TqbxStyles::CreateItem()
{
    return std::make_unique<TqbxStyleItem>();
}

TqbxStyleItem* TqbxStyles::Find(const std::string& name) const
{
    for (int i = 0; i < Count(); ++i)
        if (SameText(Item(i)->Name(), name))
            return Item(i);
    return nullptr;
}

} // namespace qbx

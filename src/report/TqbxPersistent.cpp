// Property access by name and the registry-driven Assign.
#include "report/TqbxPersistent.h"

#include "base/Exceptions.h"

namespace qbx {

void TqbxPersistent::Assign(const TqbxPersistent& source)
{
    if (&source == this)
        return;
    const ClassInfo& mine = GetClassInfo();
    for (const PropInfo* theirs : source.GetClassInfo().Properties()) {
        const PropInfo* p = mine.FindProperty(theirs->Name);
        if (!p || p->Kind != theirs->Kind)
            continue;
        if (p->Kind == TPropKind::Object) {
            TqbxPersistent* from = theirs->Nested(const_cast<TqbxPersistent&>(source));
            TqbxPersistent* to = p->Nested(*this);
            if (from && to)
                to->Assign(*from);
        } else if (p->Set && theirs->Get) {
            p->Set(*this, theirs->Get(source));
        }
    }
}

const PropInfo& TqbxPersistent::RequireProperty(std::string_view name) const
{
    const PropInfo* p = GetClassInfo().FindProperty(name);
    if (!p)
        throw EConvertError(ClassName() + " has no property " + std::string(name));
    return *p;
}

Variant TqbxPersistent::GetPropValue(std::string_view name) const
{
    const PropInfo& p = RequireProperty(name);
    if (!p.Get)
        throw EConvertError("Property " + p.Name + " of " + ClassName() + " cannot be read as a value");
    return p.Get(*this);
}

void TqbxPersistent::SetPropValue(std::string_view name, const Variant& value)
{
    const PropInfo& p = RequireProperty(name);
    if (!p.Set)
        throw EConvertError("Property " + p.Name + " of " + ClassName() + " is read-only");
    p.Set(*this, value);
}

} // namespace qbx

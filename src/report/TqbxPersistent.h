// The base of every object with published properties: components, fonts, frames, option objects.
#pragma once

#include "base/ObjectHandles.h"
#include "report/PropertyRegistry.h"

#include <string>
#include <string_view>

namespace qbx {

class PropDataWriter;
class TqbxXMLSerializer;
struct BinValue;

class TqbxPersistent : public HandleTarget
{
public:
    ~TqbxPersistent() override = default;

    virtual const ClassInfo& GetClassInfo() const = 0;
    const std::string& ClassName() const { return GetClassInfo().ClassName(); }

    // Copies every published property the two classes share (nested objects by their own Assign).
    virtual void Assign(const TqbxPersistent& source);

    // Reads or writes a published property by name (without regard to case); an unknown or read-only
    // property raises EConvertError "CLASS has no property NAME" or "... is read-only".
    Variant GetPropValue(std::string_view name) const;
    void SetPropValue(std::string_view name, const Variant& value);

    // Data streamed besides the published properties (the PropData block of templates).
    virtual void WriteExtraData(PropDataWriter&, TqbxXMLSerializer&) const { }
    // One entry read back; false for a name the object does not know, which ends the block.
    virtual bool ReadExtraData(const std::string&, const BinValue&, TqbxXMLSerializer&) { return false; }

protected:
    const PropInfo& RequireProperty(std::string_view name) const;
};

} // namespace qbx

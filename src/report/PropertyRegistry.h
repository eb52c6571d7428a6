// The property registry: per class, its published properties in declaration order, read and written by
// name. The template serializer, the script binding and Diff all read it; it stands in for run-time type
// information.
#pragma once

#include "base/Variant.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qbx {

// Stored float properties compare to a millionth, so a value read back from a template is not taken for a
// change.
inline constexpr long double kStoredTolerance = 1e-6L;

class TqbxComponent;
class TqbxPersistent;

enum class TPropKind {
    Integer,
    Float,
    String,
    Boolean,
    Enum, // value: the ordinal; EnumNames gives the enumerator names
    Set, // value: the bit mask
    Reference, // value: an object reference (Variant::FromObject)
    Object, // a nested object owned by the holder, reached through Nested
    Lines, // a string list; value: the lines joined by CR LF
    Variant, // any value
    Event, // the name of a script procedure
    Picture, // binary picture data, streamed by the serializer
};

// One published property. Getters and setters convert through Variant so that every reader of the
// registry works the same way on every property.
struct PropInfo
{
    std::string Name;
    TPropKind Kind = TPropKind::Integer;
    std::string TypeName;
    std::optional<Variant> Default; // the declared default: a value equal to it is not written
    std::vector<std::string> EnumNames; // for Enum, in ordinal order
    std::function<Variant(const TqbxPersistent&)> Get;
    std::function<void(TqbxPersistent&, const Variant&)> Set; // empty for read-only properties
    std::function<bool(const TqbxPersistent&)> Stored; // the class's stored test; empty = always stored
    std::function<TqbxPersistent*(TqbxPersistent&)> Nested; // for Object: the owned nested object

    bool IsStored(const TqbxPersistent& object) const { return !Stored || Stored(object); }
    bool IsDefault(const Variant& value) const;
    // The ordinal of an enumerator name (without regard to case), or -1.
    int EnumOrdinal(std::string_view name) const;
};

// The description of one class: name, parent description, factory and published properties.
class ClassInfo
{
public:
    using Factory = std::function<TqbxComponent*(TqbxComponent* parent)>;

    ClassInfo(std::string className, const ClassInfo* parent, Factory factory);

    const std::string& ClassName() const { return className_; }
    const ClassInfo* Parent() const { return parent_; }
    bool InheritsFrom(const ClassInfo& other) const;
    // Creates an object of the class with `parent` as owner argument (it becomes the parent's child and
    // is owned by it; with no parent the caller owns it). Raises EConvertError for abstract classes.
    TqbxComponent* Create(TqbxComponent* parent) const;
    bool IsCreatable() const { return static_cast<bool>(factory_); }

    // The base classes' properties first, in their order, then those this class adds; a property the
    // class publishes again keeps the position it had in the base and takes the new description.
    const std::vector<const PropInfo*>& Properties() const { return all_; }
    const PropInfo* FindProperty(std::string_view name) const; // without regard to case

    void Add(PropInfo info);

private:
    std::string className_;
    const ClassInfo* parent_;
    Factory factory_;
    std::vector<std::unique_ptr<PropInfo>> own_;
    std::vector<const PropInfo*> all_;
};

} // namespace qbx

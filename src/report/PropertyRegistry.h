// The property registry: per class, its published properties in declaration order, read and written by
// name. The template serializer, the script binding and Diff all read it; it stands in for run-time type
// information.
#pragma once

#include "base/Variant.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
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
    // A stored test that only leaves out a value the reader would arrive at anyway (a default, or the
    // value the owner passes down): it is skipped when default values are saved, so copies are complete.
    std::function<bool(const TqbxPersistent&)> Redundant;
    // For Integer, Enum and Set: the values a setter accepts; anything else is a conversion error.
    std::int64_t Minimum = INT64_MIN;
    std::int64_t Maximum = INT64_MAX;
    std::function<TqbxPersistent*(TqbxPersistent&)> Nested; // for Object: the owned nested object

    // Whether the property is written; `saveDefaults` writes also what its redundancy test leaves out.
    bool IsStored(const TqbxPersistent& object, bool saveDefaults = false) const
    {
        return (!Stored || Stored(object)) && (saveDefaults || !Redundant || !Redundant(object));
    }
    // Raises EConvertError naming the property when `value` lies outside Minimum..Maximum.
    void CheckRange(std::int64_t value) const;
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
    mutable std::unordered_map<std::string_view, const PropInfo*> exact_; // by declared name, made on first use
};

} // namespace qbx

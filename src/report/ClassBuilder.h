// Typed construction of a class description from member-function pointers, one call per property.
#pragma once

#include "report/PropertyRegistry.h"
#include "report/TqbxPersistent.h"

#include <cstdint>
#include <limits>
#include <memory>
#include <string>
#include <type_traits>

namespace qbx {

namespace detail {

template <class V> Variant ToVariant(const V& value)
{
    if constexpr (std::is_same_v<V, bool>)
        return Variant(value);
    else if constexpr (std::is_enum_v<V>)
        return Variant(static_cast<int>(value));
    else if constexpr (std::is_integral_v<V>)
        return Variant(static_cast<std::int64_t>(value));
    else if constexpr (std::is_floating_point_v<V>)
        return Variant(static_cast<double>(value));
    else if constexpr (std::is_pointer_v<V>)
        return Variant::FromObject(value);
    else if constexpr (std::is_same_v<V, Variant>)
        return value;
    else
        return Variant(std::string(value));
}

template <class V> V FromVariant(const Variant& value)
{
    if constexpr (std::is_same_v<V, bool>)
        return value.AsBoolean();
    else if constexpr (std::is_enum_v<V>)
        return static_cast<V>(value.AsInteger());
    else if constexpr (std::is_integral_v<V>)
        return static_cast<V>(value.AsInt64());
    else if constexpr (std::is_floating_point_v<V>)
        return static_cast<V>(value.AsFloat());
    else if constexpr (std::is_pointer_v<V>)
        return dynamic_cast<V>(value.AsObject());
    else if constexpr (std::is_same_v<V, Variant>)
        return value;
    else
        return value.ToText();
}

} // namespace detail

// Adds properties of class T to a ClassInfo. Each call describes one property; Default and Stored
// apply to the property added last.
template <class T> class ClassBuilder
{
public:
    explicit ClassBuilder(ClassInfo& info)
        : info_(info)
    {
    }
    ~ClassBuilder() { Flush(); }

    template <class Getter, class Setter>
    ClassBuilder& Property(const char* name, TPropKind kind, const char* typeName, Getter get, Setter set)
    {
        using V = std::decay_t<std::invoke_result_t<Getter, const T&>>;
        Flush();
        pending_ = std::make_unique<PropInfo>();
        pending_->Name = name;
        pending_->Kind = kind;
        pending_->TypeName = typeName;
        SetTypeRange<V>();
        pending_->Get = [get](const TqbxPersistent& o) {
            return detail::ToVariant<V>(std::invoke(get, static_cast<const T&>(o)));
        };
        if constexpr (!std::is_same_v<Setter, std::nullptr_t>) {
            pending_->Set = [set](TqbxPersistent& o, const Variant& v) {
                std::invoke(set, static_cast<T&>(o), detail::FromVariant<V>(v));
            };
        }
        return *this;
    }

    template <class Getter, class Setter> ClassBuilder& Integer(const char* name, Getter get, Setter set)
    {
        return Property(name, TPropKind::Integer, "Integer", get, set);
    }
    template <class Getter, class Setter> ClassBuilder& Float(const char* name, Getter get, Setter set)
    {
        return Property(name, TPropKind::Float, "Extended", get, set);
    }
    template <class Getter, class Setter> ClassBuilder& String(const char* name, Getter get, Setter set)
    {
        return Property(name, TPropKind::String, "String", get, set);
    }
    template <class Getter, class Setter> ClassBuilder& Boolean(const char* name, Getter get, Setter set)
    {
        return Property(name, TPropKind::Boolean, "Boolean", get, set);
    }
    template <class Getter, class Setter> ClassBuilder& Event(const char* name, Getter get, Setter set)
    {
        return Property(name, TPropKind::Event, "TNotifyEvent", get, set);
    }
    template <class Getter, class Setter> ClassBuilder& Lines(const char* name, Getter get, Setter set)
    {
        return Property(name, TPropKind::Lines, "TStrings", get, set);
    }
    template <class Getter, class Setter>
    ClassBuilder& Set(const char* name, const char* typeName, Getter get, Setter set)
    {
        return Property(name, TPropKind::Set, typeName, get, set);
    }
    template <class Getter, class Setter>
    ClassBuilder& Enum(const char* name, const char* typeName, std::vector<std::string> names, Getter get, Setter set)
    {
        Property(name, TPropKind::Enum, typeName, get, set);
        return Names(std::move(names));
    }
    template <class Getter, class Setter>
    ClassBuilder& Reference(const char* name, const char* typeName, Getter get, Setter set)
    {
        return Property(name, TPropKind::Reference, typeName, get, set);
    }
    // A nested object owned by T; assigning the property copies into it.
    template <class Accessor> ClassBuilder& Object(const char* name, const char* typeName, Accessor nested)
    {
        Flush();
        pending_ = std::make_unique<PropInfo>();
        pending_->Name = name;
        pending_->Kind = TPropKind::Object;
        pending_->TypeName = typeName;
        pending_->Nested
            = [nested](TqbxPersistent& o) -> TqbxPersistent* { return &std::invoke(nested, static_cast<T&>(o)); };
        auto reach = pending_->Nested;
        pending_->Get
            = [reach](const TqbxPersistent& o) { return Variant::FromObject(reach(const_cast<TqbxPersistent&>(o))); };
        pending_->Set = [reach](TqbxPersistent& o, const Variant& v) {
            if (auto* source = dynamic_cast<TqbxPersistent*>(v.AsObject()))
                reach(o)->Assign(*source);
        };
        return *this;
    }

    // A property that is a public data member of T (or of a base of T), read and written directly.
    template <class M, class C>
    ClassBuilder& Field(const char* name, TPropKind kind, const char* typeName, M C::*member)
    {
        static_assert(std::is_base_of_v<C, T>);
        return Property(
            name, kind, typeName, [member](const T& o) -> const M& { return o.*member; },
            [member](T& o, M value) { o.*member = std::move(value); });
    }
    ClassBuilder& Names(std::vector<std::string> enumerators)
    {
        pending_->EnumNames = std::move(enumerators);
        return Range(0, static_cast<std::int64_t>(pending_->EnumNames.size()) - 1);
    }
    // The values an Integer, Enum or Set property accepts; a set of n flags takes 0 .. 2^n - 1.
    ClassBuilder& Range(std::int64_t minimum, std::int64_t maximum)
    {
        pending_->Minimum = minimum;
        pending_->Maximum = maximum;
        return *this;
    }
    ClassBuilder& Flags(int count) { return Range(0, (std::int64_t { 1 } << count) - 1); }

    ClassBuilder& Default(Variant value)
    {
        pending_->Default = std::move(value);
        return *this;
    }
    template <class Test> ClassBuilder& Stored(Test test)
    {
        pending_->Stored = [test](const TqbxPersistent& o) { return std::invoke(test, static_cast<const T&>(o)); };
        return *this;
    }
    // Leaves the property out of templates while `needed` is false, because the reader arrives at the
    // same value without it; copies that save default values write it all the same.
    template <class Test> ClassBuilder& StoredWhen(Test needed)
    {
        pending_->Redundant
            = [needed](const TqbxPersistent& o) { return !std::invoke(needed, static_cast<const T&>(o)); };
        return *this;
    }

private:
    // An integer property accepts what its C++ type holds; enumerations are narrowed by Names.
    template <class V> void SetTypeRange()
    {
        if constexpr (std::is_enum_v<V>) {
            pending_->Minimum = std::numeric_limits<std::int32_t>::min();
            pending_->Maximum = std::numeric_limits<std::int32_t>::max();
        } else if constexpr (std::is_integral_v<V> && !std::is_same_v<V, bool>) {
            pending_->Minimum = static_cast<std::int64_t>(std::numeric_limits<V>::min());
            pending_->Maximum = std::numeric_limits<V>::max() > std::numeric_limits<std::int64_t>::max()
                ? std::numeric_limits<std::int64_t>::max()
                : static_cast<std::int64_t>(std::numeric_limits<V>::max());
        }
    }

    void Flush()
    {
        if (pending_)
            info_.Add(std::move(*pending_));
        pending_.reset();
    }

    ClassInfo& info_;
    // On the heap rather than in a std::optional: GCC 12 takes the optional's std::function members
    // for uninitialized when they are moved out in Flush.
    std::unique_ptr<PropInfo> pending_;
};

} // namespace qbx

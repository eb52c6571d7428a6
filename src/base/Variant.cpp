// Construction, copying and conversion of Variant values.
#include "base/Variant.h"

#include "base/Exceptions.h"
#include "base/FloatText.h"
#include "base/ObjectHandles.h"
#include "base/Rounding.h"
#include "base/Unicode.h"

#include <cmath>
#include <limits>

namespace qbx {

Currency Currency::FromValue(long double value)
{
    constexpr long double kLimit = 922337203685477.5807L;
    if (!std::isfinite(value) || std::fabs(value) > kLimit)
        throw EConvertError("Value " + FloatToText(value) + " is outside the Currency range");
    return { RoundHalfEven(value * 10000.0L) };
}

Variant::Variant(int value)
    : type_(varInteger)
{
    value_.i64 = value;
}

Variant::Variant(std::int64_t value)
    : type_(varInt64)
{
    value_.i64 = value;
}

Variant::Variant(double value)
    : type_(varDouble)
{
    value_.f64 = value;
}

Variant::Variant(bool value)
    : type_(varBoolean)
{
    value_.b = value;
}

Variant::Variant(const char* utf8)
    : type_(varString)
    , text_(utf8 ? utf8 : "")
{
}

Variant::Variant(std::string utf8)
    : type_(varString)
    , text_(std::move(utf8))
{
}

Variant::Variant(std::u16string utf16)
    : type_(varOleStr)
    , wide_(std::move(utf16))
{
}

Variant::Variant(const Variant& other)
{
    CopyFrom(other);
}

Variant::Variant(Variant&& other) noexcept
    : type_(other.type_)
    , value_(other.value_)
    , text_(std::move(other.text_))
    , wide_(std::move(other.wide_))
    , array_(std::move(other.array_))
{
    other.type_ = varEmpty;
}

Variant& Variant::operator=(const Variant& other)
{
    if (this != &other) {
        Variant copy(other);
        *this = std::move(copy);
    }
    return *this;
}

Variant& Variant::operator=(Variant&& other) noexcept
{
    if (this != &other) {
        type_ = other.type_;
        value_ = other.value_;
        text_ = std::move(other.text_);
        wide_ = std::move(other.wide_);
        array_ = std::move(other.array_);
        other.type_ = varEmpty;
    }
    return *this;
}

Variant::~Variant() = default;

void Variant::CopyFrom(const Variant& other)
{
    type_ = other.type_;
    value_ = other.value_;
    text_ = other.text_;
    wide_ = other.wide_;
    array_ = other.array_ ? std::make_unique<VariantArray>(*other.array_) : nullptr;
}

Variant Variant::Null()
{
    Variant v;
    v.type_ = varNull;
    return v;
}

Variant Variant::FromSmallint(std::int16_t value)
{
    Variant v(static_cast<int>(value));
    v.type_ = varSmallint;
    return v;
}

Variant Variant::FromByte(std::uint8_t value)
{
    Variant v(static_cast<int>(value));
    v.type_ = varByte;
    return v;
}

Variant Variant::FromWord(std::uint16_t value)
{
    Variant v(static_cast<int>(value));
    v.type_ = varWord;
    return v;
}

Variant Variant::FromSingle(float value)
{
    Variant v;
    v.type_ = varSingle;
    v.value_.f32 = value;
    return v;
}

Variant Variant::FromCurrency(Currency value)
{
    Variant v(value.Scaled);
    v.type_ = varCurrency;
    return v;
}

Variant Variant::FromDate(TDateTime serial)
{
    Variant v(serial);
    v.type_ = varDate;
    return v;
}

Variant Variant::FromHandle(std::int32_t handle)
{
    Variant v(static_cast<int>(handle));
    v.type_ = varDispatch;
    return v;
}

Variant Variant::FromObject(const HandleTarget* object)
{
    return FromHandle(object ? object->Handle() : 0);
}

Variant Variant::CreateArray(const std::vector<ArrayBound>& bounds)
{
    if (bounds.empty() || bounds.size() > 3)
        throw EConvertError("An array has one to three dimensions, not " + std::to_string(bounds.size()));
    Variant v;
    v.type_ = static_cast<TVarType>(varArray | varVariant);
    v.array_ = std::make_unique<VariantArray>(bounds);
    return v;
}

bool Variant::IsInteger() const
{
    switch (type_) {
    case varSmallint:
    case varInteger:
    case varByte:
    case varWord:
    case varInt64:
        return true;
    default:
        return false;
    }
}

bool Variant::IsFloat() const
{
    return type_ == varSingle || type_ == varDouble || type_ == varCurrency;
}

std::string Variant::KindName(TVarType type)
{
    switch (type) {
    case varEmpty:
        return "Unassigned";
    case varNull:
        return "Null";
    case varSmallint:
        return "Smallint";
    case varInteger:
        return "Integer";
    case varSingle:
        return "Single";
    case varDouble:
        return "Double";
    case varCurrency:
        return "Currency";
    case varDate:
        return "Date";
    case varOleStr:
        return "WideString";
    case varDispatch:
        return "Object";
    case varBoolean:
        return "Boolean";
    case varVariant:
        return "Variant";
    case varByte:
        return "Byte";
    case varWord:
        return "Word";
    case varInt64:
        return "Int64";
    case varString:
        return "String";
    case varArray:
        return "Array";
    }
    return type == (varArray | varVariant) ? "Array" : "kind " + std::to_string(type);
}

void Variant::FailConversion(const char* target) const
{
    std::string what = KindName(type_);
    if (IsText())
        what += " \"" + AsString() + "\"";
    throw EConvertError("Cannot convert " + what + " to " + target);
}

} // namespace qbx

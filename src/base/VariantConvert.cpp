// Variant conversions to text, numbers, Booleans, dates and objects.
#include "base/Exceptions.h"
#include "base/FloatText.h"
#include "base/ObjectHandles.h"
#include "base/Rounding.h"
#include "base/Unicode.h"
#include "base/Variant.h"

#include <cmath>
#include <limits>

namespace qbx {
namespace {

std::string CurrencyToText(Currency value)
{
    std::int64_t whole = value.Scaled / 10000;
    std::int64_t fraction = value.Scaled % 10000;
    std::string out = (value.Scaled < 0 && whole == 0 ? "-" : "") + std::to_string(whole);
    if (fraction != 0) {
        std::string digits = std::to_string(fraction < 0 ? -fraction : fraction);
        digits.insert(0, 4 - digits.size(), '0');
        while (digits.back() == '0')
            digits.pop_back();
        out += "." + digits;
    }
    return out;
}

// Reads text as a number the way users write one: a whole number (decimal or $hex) or a float.
bool TextToNumber(const std::string& text, long double& value)
{
    long long whole = 0;
    if (TryTextToInt64(text, whole)) {
        value = static_cast<long double>(whole);
        return true;
    }
    return TryTextToFloat(text, value);
}

bool RoundsIntoInt64(long double value)
{
    return std::isfinite(value) && std::fabs(value) < 9.2233720368547758e18L;
}

} // namespace

std::string Variant::AsString() const
{
    switch (type_) {
    case varEmpty:
        return "";
    case varSmallint:
    case varInteger:
    case varByte:
    case varWord:
    case varInt64:
    case varDispatch:
        return std::to_string(value_.i64);
    case varSingle:
        return FloatToText(value_.f32, 7);
    case varDouble:
        return FloatToText(value_.f64);
    case varCurrency:
        return CurrencyToText({ value_.i64 });
    case varDate:
        return DateTimeToText(value_.f64);
    case varBoolean:
        return value_.b ? "True" : "False";
    case varString:
        return text_;
    case varOleStr:
        return Utf16ToUtf8(wide_);
    default:
        FailConversion("String");
    }
}

std::u16string Variant::AsWideString() const
{
    return type_ == varOleStr ? wide_ : Utf8ToUtf16(AsString());
}

std::string Variant::ToText() const
{
    return type_ == varNull ? std::string() : AsString();
}

std::int64_t Variant::AsInt64() const
{
    switch (type_) {
    case varEmpty:
        return 0;
    case varSmallint:
    case varInteger:
    case varByte:
    case varWord:
    case varInt64:
    case varDispatch:
        return value_.i64;
    case varBoolean:
        return value_.b ? 1 : 0;
    case varSingle:
    case varDouble:
    case varCurrency:
    case varDate: {
        long double f = AsFloat();
        if (!RoundsIntoInt64(f))
            FailConversion("Int64");
        return RoundHalfEven(f);
    }
    case varString:
    case varOleStr: {
        std::string text = AsString();
        long long whole = 0;
        long double f = 0;
        if (TryTextToInt64(text, whole))
            return whole;
        if (TryTextToFloat(text, f) && RoundsIntoInt64(f))
            return RoundHalfEven(f);
        FailConversion("Int64");
    }
    default:
        FailConversion("Int64");
    }
}

std::int32_t Variant::AsInteger() const
{
    std::int64_t value = 0;
    try {
        value = AsInt64();
    } catch (const EConvertError&) {
        FailConversion("Integer");
    }
    if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max())
        throw EConvertError("Value " + std::to_string(value) + " is outside the Integer range");
    return static_cast<std::int32_t>(value);
}

long double Variant::AsFloat() const
{
    switch (type_) {
    case varEmpty:
        return 0;
    case varSmallint:
    case varInteger:
    case varByte:
    case varWord:
    case varInt64:
        return static_cast<long double>(value_.i64);
    case varBoolean:
        return value_.b ? 1 : 0;
    case varSingle:
        return value_.f32;
    case varDouble:
    case varDate:
        return value_.f64;
    case varCurrency:
        return Currency { value_.i64 }.Value();
    case varString:
    case varOleStr: {
        long double f = 0;
        if (TextToNumber(AsString(), f))
            return f;
        FailConversion("Double");
    }
    default:
        FailConversion("Double");
    }
}

bool Variant::AsBoolean() const
{
    switch (type_) {
    case varEmpty:
        return false;
    case varBoolean:
        return value_.b;
    case varSmallint:
    case varInteger:
    case varByte:
    case varWord:
    case varInt64:
        return value_.i64 != 0;
    case varSingle:
    case varDouble:
    case varCurrency:
    case varDate:
        return AsFloat() != 0;
    case varString:
    case varOleStr: {
        std::string text(TrimBlanks(AsString()));
        long double f = 0;
        if (SameText(text, "True"))
            return true;
        if (SameText(text, "False"))
            return false;
        if (TextToNumber(text, f))
            return f != 0;
        FailConversion("Boolean");
    }
    default:
        FailConversion("Boolean");
    }
}

TDateTime Variant::AsDateTime() const
{
    switch (type_) {
    case varEmpty:
        return 0;
    case varSmallint:
    case varInteger:
    case varByte:
    case varWord:
    case varInt64:
    case varSingle:
    case varDouble:
    case varCurrency:
    case varDate:
        return static_cast<TDateTime>(AsFloat());
    case varString:
    case varOleStr: {
        TDateTime serial = 0;
        long double f = 0;
        if (TryTextToDateTime(AsString(), serial))
            return serial;
        if (TryTextToFloat(AsString(), f))
            return static_cast<TDateTime>(f);
        FailConversion("Date");
    }
    default:
        FailConversion("Date");
    }
}

Currency Variant::AsCurrency() const
{
    if (type_ == varCurrency)
        return { value_.i64 };
    try {
        return Currency::FromValue(AsFloat());
    } catch (const EConvertError&) {
        FailConversion("Currency");
    }
}

std::int32_t Variant::AsHandle() const
{
    if (type_ == varEmpty || type_ == varNull)
        return 0;
    if (type_ != varDispatch && !IsInteger())
        FailConversion("Object");
    return static_cast<std::int32_t>(value_.i64);
}

HandleTarget* Variant::AsObject() const
{
    return ObjectFromHandle(AsHandle());
}

} // namespace qbx

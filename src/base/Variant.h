// The tagged value type of qbx: what scripts, fields, variables and expressions compute with.
#pragma once

#include "base/DateTime.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace qbx {

class HandleTarget;
class VariantArray;

// Kind codes, numbered as scripts see them through VarType.
enum TVarType : std::uint16_t {
    varEmpty = 0, // unassigned
    varNull = 1,
    varSmallint = 2, // 16-bit signed
    varInteger = 3, // 32-bit signed
    varSingle = 4,
    varDouble = 5,
    varCurrency = 6, // fixed point, four decimals
    varDate = 7, // date-time serial
    varOleStr = 8, // wide (UTF-16) text
    varDispatch = 9, // object reference, carried as a 32-bit handle
    varBoolean = 11,
    varVariant = 12, // element kind of arrays
    varByte = 17, // 8-bit unsigned
    varWord = 18, // 16-bit unsigned
    varInt64 = 20,
    varString = 256, // 8-bit (UTF-8) text
    varArray = 0x2000, // combined with varVariant for arrays
};

// A currency amount: the value times 10000, exactly.
struct Currency
{
    std::int64_t Scaled = 0;
    static Currency FromValue(long double value);
    long double Value() const { return static_cast<long double>(Scaled) / 10000.0L; }
};

// One array dimension's inclusive bounds.
struct ArrayBound
{
    int Low = 0;
    int High = -1;
    int Count() const { return High - Low + 1; }
};

// A value of one of the kinds above. Copying copies the value, including an array's elements.
class Variant
{
public:
    Variant() = default; // unassigned
    Variant(int value);
    Variant(std::int64_t value);
    Variant(double value);
    Variant(bool value);
    Variant(const char* utf8);
    Variant(std::string utf8);
    Variant(std::u16string utf16);
    Variant(const Variant& other);
    Variant(Variant&& other) noexcept;
    Variant& operator=(const Variant& other);
    Variant& operator=(Variant&& other) noexcept;
    ~Variant();

    static Variant Null();
    static Variant FromSmallint(std::int16_t value);
    static Variant FromByte(std::uint8_t value);
    static Variant FromWord(std::uint16_t value);
    static Variant FromSingle(float value);
    static Variant FromCurrency(Currency value);
    static Variant FromDate(TDateTime serial);
    static Variant FromHandle(std::int32_t handle);
    static Variant FromObject(const HandleTarget* object); // nullptr gives the handle 0
    // An array of one to three dimensions, every element unassigned; raises EConvertError otherwise.
    static Variant CreateArray(const std::vector<ArrayBound>& bounds);

    TVarType VarType() const { return type_; }
    bool IsEmpty() const { return type_ == varEmpty; }
    bool IsNull() const { return type_ == varNull; }
    bool IsInteger() const; // any integer kind
    bool IsFloat() const; // single, double, currency
    bool IsNumeric() const { return IsInteger() || IsFloat(); }
    bool IsText() const { return type_ == varString || type_ == varOleStr; }
    bool IsBoolean() const { return type_ == varBoolean; }
    bool IsDate() const { return type_ == varDate; }
    bool IsObject() const { return type_ == varDispatch; }
    bool IsArray() const { return type_ == (varArray | varVariant); }

    // Conversions. Each raises EConvertError naming the value and the target kind when it cannot convert.
    // Unassigned converts to 0, False or empty text; Null converts only to text through ToText.
    std::string AsString() const; // UTF-8 text; Null raises
    std::u16string AsWideString() const;
    std::string ToText() const; // as AsString, but Null gives empty text
    std::int32_t AsInteger() const; // floats round half to even; out of range raises
    std::int64_t AsInt64() const;
    long double AsFloat() const;
    bool AsBoolean() const; // numbers: non-zero; text: True/False without case, or a number
    TDateTime AsDateTime() const;
    Currency AsCurrency() const;
    std::int32_t AsHandle() const; // an object reference's handle (0 for none)
    HandleTarget* AsObject() const; // the live object, or nullptr

    // Arrays: the bounds, and elements addressed by one index per dimension.
    int DimCount() const;
    ArrayBound Bound(int dimension) const; // 1-based dimension
    const Variant& Element(const std::vector<int>& indices) const;
    Variant& Element(const std::vector<int>& indices);

    // The kind's name as messages show it: "Integer", "String", "Null", ...
    static std::string KindName(TVarType type);

private:
    [[noreturn]] void FailConversion(const char* target) const;
    void CopyFrom(const Variant& other);

    TVarType type_ = varEmpty;
    union {
        std::int64_t i64;
        double f64;
        float f32;
        bool b;
    } value_ { 0 };
    std::string text_; // varString (UTF-8)
    std::u16string wide_; // varOleStr
    std::unique_ptr<VariantArray> array_;
};

// The elements of an array value, stored row-major.
class VariantArray
{
public:
    explicit VariantArray(std::vector<ArrayBound> bounds);
    const std::vector<ArrayBound>& Bounds() const { return bounds_; }
    Variant& At(const std::vector<int>& indices);

private:
    std::vector<ArrayBound> bounds_;
    std::vector<Variant> items_;
};

} // namespace qbx

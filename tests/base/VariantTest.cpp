// Variant kinds, copying and the conversion table, including the conversions that must fail.
#include "base/Variant.h"

#include "base/Exceptions.h"
#include "base/ObjectHandles.h"

#include <gtest/gtest.h>

namespace qbx {
namespace {

struct TextRow
{
    const char* name;
    Variant value;
    const char* text;
};

TEST(Variant, KindsConvertToText)
{
    const TextRow rows[] = {
        { "unassigned", Variant(), "" },
        { "smallint", Variant::FromSmallint(-32768), "-32768" },
        { "integer", Variant(42), "42" },
        { "int64", Variant(std::int64_t { 123456789012345 }), "123456789012345" },
        { "byte", Variant::FromByte(255), "255" },
        { "word", Variant::FromWord(65535), "65535" },
        { "single", Variant::FromSingle(0.1f), "0.1" },
        { "double", Variant(1.0 / 3), "0.333333333333333" },
        { "currency", Variant::FromCurrency(Currency::FromValue(12.5L)), "12.5" },
        { "negative currency", Variant::FromCurrency(Currency::FromValue(-0.0001L)), "-0.0001" },
        { "date", Variant::FromDate(2), "01.01.1900" },
        { "date and time", Variant::FromDate(2.75), "01.01.1900 18:00:00" },
        { "true", Variant(true), "True" },
        { "text", Variant("abc"), "abc" },
        { "wide text", Variant(std::u16string(u"\u0416x")), "\xD0\x96x" },
    };
    for (const TextRow& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.value.AsString(), row.text);
    }
}

struct NumberRow
{
    const char* name;
    Variant value;
    std::int64_t integer;
    long double real;
    bool boolean;
};

TEST(Variant, KindsConvertToNumbersAndBooleans)
{
    const NumberRow rows[] = {
        { "unassigned", Variant(), 0, 0, false },
        { "integer", Variant(-7), -7, -7, true },
        { "half rounds to even", Variant(2.5), 2, 2.5L, true },
        { "negative half", Variant(-1.5), -2, -1.5L, true },
        { "currency", Variant::FromCurrency(Currency::FromValue(3.5L)), 4, 3.5L, true },
        { "boolean", Variant(true), 1, 1, true },
        { "false", Variant(false), 0, 0, false },
        { "decimal text", Variant(" 12 "), 12, 12, true },
        { "hex text", Variant("$FF"), 255, 255, true },
        { "comma text", Variant("12,5"), 12, 12.5L, true },
        { "zero text", Variant("0"), 0, 0, false },
        { "date", Variant::FromDate(36526.5), 36526, 36526.5L, true },
    };
    for (const NumberRow& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.value.AsInt64(), row.integer);
        EXPECT_DOUBLE_EQ(static_cast<double>(row.value.AsFloat()), static_cast<double>(row.real));
        EXPECT_EQ(row.value.AsBoolean(), row.boolean);
    }
    EXPECT_TRUE(Variant("tRuE").AsBoolean());
    EXPECT_FALSE(Variant("False").AsBoolean());
}

TEST(Variant, TextConvertsToDateTime)
{
    EXPECT_DOUBLE_EQ(Variant("01.01.1900").AsDateTime(), 2);
    EXPECT_DOUBLE_EQ(Variant("1900-01-01 12:00").AsDateTime(), 2.5);
    EXPECT_DOUBLE_EQ(Variant("06:00").AsDateTime(), 0.25);
    EXPECT_DOUBLE_EQ(Variant("2.5").AsDateTime(), 2.5);
}

struct FailureRow
{
    const char* name;
    Variant value;
    int target; // 0 integer, 1 float, 2 boolean, 3 date, 4 string
    const char* message;
};

TEST(Variant, FailedConversionsNameTheValueAndTheTarget)
{
    const FailureRow rows[] = {
        { "text to integer", Variant("abc"), 0, "Cannot convert String \"abc\" to Integer" },
        { "text to float", Variant("1.2.3"), 1, "Cannot convert String \"1.2.3\" to Double" },
        { "text to boolean", Variant("maybe"), 2, "Cannot convert String \"maybe\" to Boolean" },
        { "text to date", Variant("31.02.2020"), 3, "Cannot convert String \"31.02.2020\" to Date" },
        { "null to integer", Variant::Null(), 0, "Cannot convert Null to Integer" },
        { "null to string", Variant::Null(), 4, "Cannot convert Null to String" },
        { "array to string", Variant::CreateArray({ { 0, 1 } }), 4, "Cannot convert Array to String" },
        { "too big for integer", Variant(std::int64_t { 1 } << 40), 0,
            "Value 1099511627776 is outside the Integer range" },
        { "infinite double", Variant(1e308 * 10), 0, "Cannot convert Double to Integer" },
    };
    for (const FailureRow& row : rows) {
        SCOPED_TRACE(row.name);
        try {
            switch (row.target) {
            case 0:
                row.value.AsInteger();
                break;
            case 1:
                row.value.AsFloat();
                break;
            case 2:
                row.value.AsBoolean();
                break;
            case 3:
                row.value.AsDateTime();
                break;
            default:
                row.value.AsString();
                break;
            }
            ADD_FAILURE() << "no error raised";
        } catch (const EConvertError& e) {
            EXPECT_STREQ(e.what(), row.message);
        }
    }
    EXPECT_EQ(Variant::Null().ToText(), "");
}

TEST(Variant, ArraysHaveBoundsAndCopyTheirElements)
{
    Variant a = Variant::CreateArray({ { 1, 2 }, { -1, 1 } });
    EXPECT_TRUE(a.IsArray());
    EXPECT_EQ(a.DimCount(), 2);
    EXPECT_EQ(a.Bound(2).Low, -1);
    a.Element({ 2, -1 }) = Variant("x");
    Variant copy = a;
    copy.Element({ 2, -1 }) = Variant(5);
    EXPECT_EQ(a.Element({ 2, -1 }).AsString(), "x");
    EXPECT_EQ(copy.Element({ 2, -1 }).AsInteger(), 5);
    EXPECT_TRUE(a.Element({ 1, 0 }).IsEmpty());
    EXPECT_THROW(a.Element({ 3, 0 }), EListError);
    EXPECT_THROW(a.Element({ 1 }), EListError);
    EXPECT_THROW(Variant::CreateArray({ { 0, 0 }, { 0, 0 }, { 0, 0 }, { 0, 0 } }), EConvertError);
}

TEST(Variant, ObjectReferencesTravelAsHandles)
{
    Variant ref;
    {
        HandleTarget object;
        ref = Variant::FromObject(&object);
        EXPECT_TRUE(ref.IsObject());
        EXPECT_EQ(ref.AsObject(), &object);
        EXPECT_EQ(ref.AsInteger(), object.Handle());
    }
    EXPECT_EQ(ref.AsObject(), nullptr);
    EXPECT_EQ(Variant::FromObject(nullptr).AsHandle(), 0);
}

TEST(Variant, MovingLeavesTheSourceUnassigned)
{
    Variant a("text");
    Variant b = std::move(a);
    EXPECT_EQ(b.AsString(), "text");
    EXPECT_TRUE(a.IsEmpty()); // NOLINT(bugprone-use-after-move): the moved-from state is defined
    EXPECT_EQ(Variant::KindName(Variant::FromSmallint(1).VarType()), "Smallint");
}

} // namespace
} // namespace qbx

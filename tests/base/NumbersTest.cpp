// Rounding, truncating division and the text form of floats.
#include "base/Exceptions.h"
#include "base/FloatText.h"
#include "base/Rounding.h"

#include <gtest/gtest.h>

namespace qbx {
namespace {

TEST(Rounding, HalvesGoToTheEvenNeighbour)
{
    struct Row
    {
        long double value;
        std::int64_t rounded;
    } rows[] = { { 0.5L, 0 }, { 1.5L, 2 }, { 2.5L, 2 }, { -0.5L, 0 }, { -1.5L, -2 }, { 2.5000001L, 3 }, { -2.6L, -3 },
        { 3.49999L, 3 } };
    for (const Row& row : rows) {
        SCOPED_TRACE(static_cast<double>(row.value));
        EXPECT_EQ(RoundHalfEven(row.value), row.rounded);
    }
    EXPECT_THROW(RoundHalfEven(1e30L), EConvertError);
}

TEST(Rounding, DivisionTruncatesTowardZero)
{
    EXPECT_EQ(TruncDiv(7, 2), 3);
    EXPECT_EQ(TruncDiv(-7, 2), -3);
    EXPECT_EQ(TruncDiv(7, -2), -3);
    EXPECT_EQ(TruncMod(-7, 2), -1);
    EXPECT_EQ(Trunc(-2.9L), -2);
    EXPECT_THROW(TruncDiv(1, 0), EConvertError);
    EXPECT_THROW(TruncDiv(INT64_MIN, -1), EConvertError);
}

TEST(FloatText, GeneralFormWithFifteenDigits)
{
    struct Row
    {
        long double value;
        const char* text;
    } rows[] = {
        { 1.0L / 3, "0.333333333333333" },
        { 1e-7L, "1E-7" },
        { 123456789012345.0L, "123456789012345" },
        { 1234567890123456.0L, "1.23456789012346E15" },
        { 63.3333333333333L, "63.3333333333333" },
        { 0.00001L, "0.00001" },
        { 0.000001L, "1E-6" },
        { -2.5L, "-2.5" },
        { 100.0L, "100" },
        { 0, "0" },
        { 1.5e20L, "1.5E20" },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(FloatToText(row.value), row.text);
    }
}

TEST(FloatText, TextReadsBackToTheSameText)
{
    for (long double value : { 1.0L / 3, 1e-7L, 123456789012345.0L, 63.3333333333333L, 37.7953L, -0.1L }) {
        std::string text = FloatToText(value);
        SCOPED_TRACE(text);
        EXPECT_EQ(FloatToText(TextToFloat(text)), text);
    }
}

TEST(FloatText, ReaderAcceptsPointOrComma)
{
    EXPECT_EQ(TextToFloat("12,5"), 12.5L);
    EXPECT_EQ(TextToFloat(" -3.25 "), -3.25L);
    EXPECT_EQ(TextToFloat("+1E3"), 1000.0L);
    for (const char* bad : { "", " ", "1,2,3", "1.2,3", "12a", "--1", "+" }) {
        SCOPED_TRACE(bad);
        long double v = 0;
        EXPECT_FALSE(TryTextToFloat(bad, v));
    }
    try {
        TextToFloat("x1");
        ADD_FAILURE();
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'x1' is not a valid floating point value");
    }
}

TEST(FloatText, IntegerReader)
{
    long long v = 0;
    EXPECT_TRUE(TryTextToInt64("$1F", v));
    EXPECT_EQ(v, 31);
    EXPECT_TRUE(TryTextToInt64("-9223372036854775808", v));
    EXPECT_EQ(v, INT64_MIN);
    EXPECT_FALSE(TryTextToInt64("9223372036854775808", v));
    EXPECT_FALSE(TryTextToInt64("1.5", v));
}

} // namespace
} // namespace qbx

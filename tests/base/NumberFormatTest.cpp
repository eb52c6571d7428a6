// Float pictures and printf-style formats.
#include "base/NumberFormat.h"

#include "base/Exceptions.h"
#include "base/FormatSettings.h"

#include <gtest/gtest.h>

namespace qbx {
namespace {

TEST(NumberFormat, FloatPictures)
{
    struct Row
    {
        const char* picture;
        long double value;
        const char* text;
    } rows[] = {
        { "#,##0.00", 1234.5L, "1,234.50" },
        { "#,##0.00", -1234567.891L, "-1,234,567.89" },
        { "0.###", 2.5L, "2.5" },
        { "0", 2.5L, "3" }, // halves away from zero, as people round prices
        { "000", 7, "007" },
        { "#.##", 0.5L, ".5" },
        { "0.00 'EUR'", 3, "3.00 EUR" },
        { "0.0;(0.0);zero", -2.25L, "(2.3)" },
        { "0.0;(0.0);zero", 0, "zero" },
        { "0.00", -0.001L, "0.00" }, // no minus sign on a value that rounds to zero
        { "", 0.25L, "0.25" },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.picture);
        EXPECT_EQ(FormatFloat(row.picture, row.value), row.text);
    }
}

TEST(NumberFormat, PrintfStyle)
{
    struct Row
    {
        const char* format;
        std::vector<Variant> args;
        const char* text;
    } rows[] = {
        { "%2.2f", { Variant(3.5) }, "3.50" },
        { "%d items", { Variant(42) }, "42 items" },
        { "%5d|%-5d|", { Variant(7), Variant(7) }, "    7|7    |" },
        { "%.3d", { Variant(7) }, "007" },
        { "%e", { Variant(1234.5) }, "1.23450000000000E+003" },
        { "%.3e", { Variant(-0.0001234) }, "-1.23E-004" },
        { "%g", { Variant(0.1) }, "0.1" },
        { "%n", { Variant(1234567.5) }, "1,234,567.50" },
        { "%m", { Variant(12.5) }, "$12.50" },
        { "%s and %s", { Variant("this"), Variant(2) }, "this and 2" },
        { "%x", { Variant(255) }, "FF" },
        { "100%%", {}, "100%" },
        { "%1:s %0:s", { Variant("a"), Variant("b") }, "b a" },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.format);
        EXPECT_EQ(Format(row.format, row.args), row.text);
    }
    EXPECT_THROW(Format("%d", { Variant(1.5) }), EConvertError);
    EXPECT_THROW(Format("%f", { Variant("abc") }), EConvertError);
    EXPECT_THROW(Format("%d %d", { Variant(1) }), EConvertError);
    EXPECT_THROW(Format("%q", { Variant(1) }), EConvertError);
}

TEST(NumberFormat, SystemSeparatorsAreUsed)
{
    FormatSettings saved = SystemFormatSettings();
    SystemFormatSettings().DecimalSeparator = ',';
    SystemFormatSettings().ThousandSeparator = ' ';
    EXPECT_EQ(Format("%2.2f", { Variant(3.5) }), "3,50");
    EXPECT_EQ(FormatFloat("#,##0.0", 1234.5L), "1 234,5");
    SystemFormatSettings() = saved;
}

} // namespace
} // namespace qbx

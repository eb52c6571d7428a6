// The expression scanner and display formats.
#include "views/ValueFormat.h"

#include "views/ExpressionScanner.h"

#include <gtest/gtest.h>

namespace qbx {
namespace {

TEST(ExpressionScanner, NestingQuotesAndMultiByteText)
{
    struct Row
    {
        const char* text;
        const char* open;
        const char* close;
        std::size_t start;
        const char* expression;
        std::size_t end;
    } rows[] = {
        { "ID=[Field]", "[", "]", 3, "Field", 9 },
        { "[a[b]c] tail", "[", "]", 0, "a[b]c", 6 },
        { "[IIF(x, ']', \"[\")]!", "[", "]", 0, "IIF(x, ']', \"[\")", 17 },
        { "<%Page%> [x]", "<%", "%>", 0, "Page", 7 },
        { "[\xD0\x96]", "[", "]", 0, "\xD0\x96", 3 },
        { "[unclosed", "[", "]", 0, "unclose", 8 },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        ScannedExpression e = ScanExpression(row.text, row.open, row.close, row.start);
        EXPECT_TRUE(e.Found);
        EXPECT_EQ(e.Expression, row.expression);
        EXPECT_EQ(e.End, row.end);
    }
    EXPECT_FALSE(ScanExpression("no bracket", "[", "]", 0).Found);
    EXPECT_FALSE(ScanExpression("ends with [", "[", "]", 10).Found) << "start = end: no expression there";
    EXPECT_FALSE(ScanExpression("a<%", "<%", "%>", 1).Found);
}

TEST(ValueFormat, EachKind)
{
    auto format = [](TqbxFormatKind kind, const char* str, const char* separator = "") {
        TqbxFormat f;
        f.Kind = kind;
        f.FormatStr = str;
        f.DecimalSeparator = separator;
        return f;
    };
    struct Row
    {
        const char* name;
        Variant value;
        TqbxFormat fmt;
        const char* text;
    } rows[] = {
        { "Boolean true", Variant(true), format(fkBoolean, "Yes,No"), "Yes" },
        { "Boolean false", Variant(false), format(fkBoolean, "Yes,No"), "No" },
        { "Boolean without comma, true", Variant(true), format(fkBoolean, "Yes"), "" },
        { "Boolean without comma, false", Variant(false), format(fkBoolean, "Yes"), "Yes" },
        { "printf with comma separator", Variant(3.5), format(fkNumeric, "%2.2f", ","), "3,50" },
        { "picture", Variant(1234.5), format(fkNumeric, "#,##0.00"), "1,234.50" },
        { "integer printf", Variant(41.6), format(fkNumeric, "%d pcs"), "42 pcs" },
        { "date picture", Variant::FromDate(EncodeDate(2009, 3, 8)), format(fkDateTime, "dd.mm.yyyy"), "08.03.2009" },
        { "date past 31.12.9999", Variant::FromDate(2958466.5), format(fkDateTime, "dd.mm.yyyy"), "2958466.5" },
        { "number far past any date", Variant(1e300), format(fkDateTime, "yyyy"), "1E300" },
        { "last day there is", Variant::FromDate(2958465), format(fkDateTime, "dd.mm.yyyy"), "31.12.9999" },
        { "text", Variant(12.5), format(fkText, ""), "12.5" },
        { "null", Variant::Null(), format(fkNumeric, "%2.2f"), "" },
        { "failure gives the plain text", Variant("abc"), format(fkNumeric, "%2.2f"), "abc" },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(FormatValue(row.value, row.fmt), row.text);
    }
}

} // namespace
} // namespace qbx

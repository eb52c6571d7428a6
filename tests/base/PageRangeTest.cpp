// Page-range texts.
#include "base/PageRange.h"

#include <gtest/gtest.h>

namespace qbx {
namespace {

TEST(PageRange, ReadsNumbersAndRanges)
{
    std::vector<PageSpan> spans;
    ASSERT_TRUE(ParsePageRange(" 1, 3 ,5-12", spans));
    EXPECT_EQ(spans, (std::vector<PageSpan> { { 1, 1 }, { 3, 3 }, { 5, 12 } }));
    ASSERT_TRUE(ParsePageRange("5-", spans));
    EXPECT_TRUE(PageInRange(spans, 40, 40));
    EXPECT_FALSE(PageInRange(spans, 4, 40));
    ASSERT_TRUE(ParsePageRange("", spans));
    EXPECT_TRUE(PageInRange(spans, 1, 1));
    for (const char* bad : { "a", "0", "7-3", "1,,2", "-5", "1-2-3", "," }) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(ParsePageRange(bad, spans));
    }
}

} // namespace
} // namespace qbx

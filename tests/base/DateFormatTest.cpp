// Date-time pictures.
#include "base/DateFormat.h"

#include <gtest/gtest.h>

namespace qbx {
namespace {

TEST(DateFormat, Pictures)
{
    TDateTime t = EncodeDate(2009, 3, 8) + EncodeTime(15, 58, 20, 125); // a Sunday afternoon
    struct Row
    {
        const char* picture;
        const char* text;
    } rows[] = {
        { "dd.mm.yyyy", "08.03.2009" },
        { "d.m.yy", "8.3.09" },
        { "dddd, d mmmm yyyy", "Sunday, 8 March 2009" },
        { "ddd mmm", "Sun Mar" },
        { "hh:nn:ss.zzz", "15:58:20.125" },
        { "h:mm", "15:58" }, // m right after an hour means minutes
        { "hh:mm am/pm", "03:58 pm" },
        { "h AM/PM", "3 PM" },
        { "h a/p", "3 p" },
        { "hh ampm", "03 PM" },
        { "'Day' d \"of\" m", "Day 8 of 3" },
        { "yyyy/mm/dd", "2009.03.08" }, // "/" is the system date separator
        { "ddddd", "08.03.2009" },
        { "dddddd", "8 March 2009" },
        { "t", "15:58" },
        { "tt", "15:58:20" },
        { "c", "08.03.2009 15:58:20" },
        { "", "08.03.2009 15:58:20" },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.picture);
        EXPECT_EQ(FormatDateTime(row.picture, t), row.text);
    }
    EXPECT_EQ(FormatDateTime("c", EncodeDate(2000, 1, 1)), "01.01.2000");
    EXPECT_EQ(FormatDateTime("hh am/pm", EncodeTime(0, 30, 0, 0)), "12 am");
}

} // namespace
} // namespace qbx

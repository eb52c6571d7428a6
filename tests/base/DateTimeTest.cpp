// Date-time serials and their text forms.
#include "base/DateTime.h"

#include "base/Exceptions.h"

#include <gtest/gtest.h>

namespace qbx {
namespace {

TEST(DateTime, SerialsCountDaysFromTheEpoch)
{
    struct Row
    {
        int y, m, d;
        double serial;
    } rows[] = { { 1899, 12, 30, 0 }, { 1900, 1, 1, 2 }, { 1900, 3, 1, 61 }, { 2000, 1, 1, 36526 },
        { 1899, 12, 29, -1 }, { 2009, 3, 9, 39881 } };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.serial);
        EXPECT_EQ(EncodeDate(row.y, row.m, row.d), row.serial);
        DateParts back = DecodeDate(row.serial);
        EXPECT_EQ(back.Year, row.y);
        EXPECT_EQ(back.Month, row.m);
        EXPECT_EQ(back.Day, row.d);
    }
}

TEST(DateTime, TimeIsTheFraction)
{
    EXPECT_DOUBLE_EQ(EncodeTime(18, 0, 0, 0), 0.75);
    TimeParts t = DecodeTime(39880.6655121528);
    EXPECT_EQ(t.Hour, 15);
    EXPECT_EQ(t.Minute, 58);
    EXPECT_EQ(t.Second, 20);
    // A negative serial keeps its time as the absolute fraction: -1.25 is 29 December 1899, 06:00.
    EXPECT_EQ(DecodeDate(-1.25).Day, 29);
    EXPECT_EQ(DecodeTime(-1.25).Hour, 6);
    EXPECT_EQ(DayOfWeek(0), 7);
    EXPECT_EQ(DayOfWeek(2), 2);
}

TEST(DateTime, InvalidDatesAreRefused)
{
    EXPECT_THROW(EncodeDate(2021, 2, 29), EConvertError);
    EXPECT_THROW(EncodeDate(2020, 13, 1), EConvertError);
    EXPECT_THROW(EncodeTime(24, 0, 0, 0), EConvertError);
    EXPECT_EQ(EncodeDate(2020, 2, 29), 43890);
}

TEST(DateTime, TextForms)
{
    EXPECT_EQ(DateTimeToText(36526), "01.01.2000");
    EXPECT_EQ(DateTimeToText(36526.5), "01.01.2000 12:00:00");
    EXPECT_EQ(DateTimeToText(0.25), "06:00:00");
    TDateTime serial = 0;
    ASSERT_TRUE(TryTextToDateTime("1.1.00", serial));
    EXPECT_EQ(serial, 36526);
    ASSERT_TRUE(TryTextToDateTime("2000-01-01 06:00:00", serial));
    EXPECT_DOUBLE_EQ(serial, 36526.25);
    for (const char* bad : { "", "1.1", "32.01.2000", "1.1.2000 25:00", "a.b.c", "10:61" }) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(TryTextToDateTime(bad, serial));
    }
}

} // namespace
} // namespace qbx

#include "vb/Conversions.h"
#include "vb/DateTime.h"
#include "vb/Regional.h"
#include "vb/TestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace vb;
using vbtest::errorOf;

namespace {
Variant at(int y, int m, int d, int h = 0, int n = 0, int s = 0)
{
    return Variant(Date::fromDateTime(QDateTime(QDate(y, m, d), QTime(h, n, s))));
}
QDateTime dt(const Date& d) { return d.toDateTime(); }
} // namespace

TEST(DateTime, FixedClock)
{
    ClockScope clock(QDateTime(QDate(2024, 3, 15), QTime(10, 30, 15)));
    EXPECT_EQ(dt(Now()), QDateTime(QDate(2024, 3, 15), QTime(10, 30, 15)));
    EXPECT_EQ(dt(Today()), QDateTime(QDate(2024, 3, 15), QTime(0, 0)));
    EXPECT_EQ(Time().date(), QDate(1899, 12, 30));
    EXPECT_EQ(Time().time(), QTime(10, 30, 15));
    EXPECT_DOUBLE_EQ(Timer(), 10 * 3600 + 30 * 60 + 15);
    EXPECT_TRUE(Clock::isFixed());
}

TEST(DateTime, SystemClockWhenReleased)
{
    Clock::release();
    EXPECT_FALSE(Clock::isFixed());
    EXPECT_LE(std::abs(QDate::currentDate().daysTo(Now().date())), 1);
}

TEST(DateTime, DateSerialRollsOver)
{
    EXPECT_EQ(DateSerial(2024, 3, 15).date(), QDate(2024, 3, 15));
    EXPECT_EQ(DateSerial(2024, 14, 1).date(), QDate(2025, 2, 1));
    EXPECT_EQ(DateSerial(2024, 0, 1).date(), QDate(2023, 12, 1));
    EXPECT_EQ(DateSerial(2024, -1, 1).date(), QDate(2023, 11, 1));
    EXPECT_EQ(DateSerial(2024, 3, 0).date(), QDate(2024, 2, 29));     // last day of the month before
    EXPECT_EQ(DateSerial(2023, 3, 0).date(), QDate(2023, 2, 28));
    EXPECT_EQ(DateSerial(2024, 1, 32).date(), QDate(2024, 2, 1));
    EXPECT_EQ(DateSerial(2024, 1, -1).date(), QDate(2023, 12, 30));
    EXPECT_EQ(DateSerial(2024, 2, 31).date(), QDate(2024, 3, 2));
    EXPECT_EQ(DateSerial(24, 1, 1).date(), QDate(2024, 1, 1));
    EXPECT_EQ(DateSerial(99, 1, 1).date(), QDate(1999, 1, 1));
    EXPECT_EQ(errorOf([] { DateSerial(10000, 1, 1); }), 5);
    EXPECT_EQ(TimeSerial(10, 30, 0).time(), QTime(10, 30));
    EXPECT_EQ(TimeSerial(10, 90, 0).time(), QTime(11, 30));
    EXPECT_EQ(TimeSerial(25, 0, 0).date(), QDate(1899, 12, 31));
}

TEST(DateTime, Parts)
{
    Variant d = at(2024, 3, 15, 14, 7, 9);
    EXPECT_EQ(Day(d), 15);
    EXPECT_EQ(Month(d), 3);
    EXPECT_EQ(Year(d), 2024);
    EXPECT_EQ(Hour(d), 14);
    EXPECT_EQ(Minute(d), 7);
    EXPECT_EQ(Second(d), 9);
    EXPECT_EQ(Weekday(d), 6);                 // Friday with Sunday first
    EXPECT_EQ(Weekday(d, vbMonday), 5);
    EXPECT_EQ(Weekday(d, vbUseSystemDayOfWeek), 5);   // the Argentine week starts on Monday
    {
        RegionalScope us(RegionalSettings::unitedStates());
        EXPECT_EQ(Weekday(d, vbUseSystemDayOfWeek), 6);
    }
    EXPECT_EQ(Weekday(at(2024, 3, 17)), 1);           // a Sunday
    EXPECT_EQ(errorOf([&] { Weekday(d, 8); }), 5);
    EXPECT_EQ(Day(Variant("31/12/2023")), 31);
    EXPECT_EQ(errorOf([] { Day(Variant::null()); }), 94);
    EXPECT_EQ(errorOf([] { Day(Variant("x")); }), 13);
    EXPECT_EQ(DateValue(d).date(), QDate(2024, 3, 15));
    EXPECT_EQ(DateValue(d).time(), QTime(0, 0));
    EXPECT_EQ(TimeValue(d).time(), QTime(14, 7, 9));
    EXPECT_EQ(DateValue(Variant("15/03/2024 10:00")).serial, 45366);
    EXPECT_EQ(MonthName(3), "marzo");
    EXPECT_EQ(WeekdayName(1), "domingo");
    EXPECT_EQ(DatePart("q", d), 1);
    EXPECT_EQ(DatePart("y", d), 75);
}

TEST(DateTime, DateAdd)
{
    EXPECT_EQ(dt(DateAdd("d", 20, at(2024, 2, 15))).date(), QDate(2024, 3, 6));
    EXPECT_EQ(dt(DateAdd("d", -1, at(2024, 3, 1))).date(), QDate(2024, 2, 29));
    EXPECT_EQ(dt(DateAdd("m", 1, at(2024, 1, 31))).date(), QDate(2024, 2, 29));   // clamps to the month's end
    EXPECT_EQ(dt(DateAdd("m", -13, at(2024, 3, 31))).date(), QDate(2023, 2, 28));
    EXPECT_EQ(dt(DateAdd("yyyy", 1, at(2024, 2, 29))).date(), QDate(2025, 2, 28));
    EXPECT_EQ(dt(DateAdd("h", 5, at(2024, 3, 15, 22))), QDateTime(QDate(2024, 3, 16), QTime(3, 0)));
    EXPECT_EQ(dt(DateAdd("n", -30, at(2024, 3, 15, 0, 10))), QDateTime(QDate(2024, 3, 14), QTime(23, 40)));
    EXPECT_EQ(dt(DateAdd("s", 3600, at(2024, 3, 15))), QDateTime(QDate(2024, 3, 15), QTime(1, 0)));
    EXPECT_EQ(dt(DateAdd("M", 2, at(2024, 3, 15, 8, 30))), QDateTime(QDate(2024, 5, 15), QTime(8, 30)));
    EXPECT_EQ(errorOf([] { DateAdd("x", 1, at(2024, 1, 1)); }), 5);
    EXPECT_EQ(errorOf([] { DateAdd("yyyy", 8000, at(2024, 1, 1)); }), 5);
}

TEST(DateTime, DateAddOfHugeCountsIsAnError)
{
    // Counts far beyond the calendar end as error 5, never as a wrapped-around date.
    for (const char* interval : {"yyyy", "q", "m", "d", "ww", "h", "n", "s"}) {
        SCOPED_TRACE(interval);
        EXPECT_EQ(errorOf([&] { DateAdd(interval, 1e300, at(2024, 1, 1)); }), 5);
        EXPECT_EQ(errorOf([&] { DateAdd(interval, -1e19, at(2024, 1, 1)); }), 5);
        EXPECT_EQ(errorOf([&] { DateAdd(interval, std::nan(""), at(2024, 1, 1)); }), 5);
        EXPECT_EQ(errorOf([&] { DateAdd(interval, HUGE_VAL, at(2024, 1, 1)); }), 5);
    }
    // The longest count that still fits: seconds across most of the calendar.
    EXPECT_EQ(dt(DateAdd("s", 200000000000.0, at(2024, 1, 1))).date().year(), 8361);
}

TEST(DateTime, DateDiffCountsBoundaries)
{
    EXPECT_EQ(DateDiff("d", at(2024, 3, 1), at(2024, 3, 15)), 14);
    EXPECT_EQ(DateDiff("d", at(2024, 3, 15), at(2024, 3, 1)), -14);
    EXPECT_EQ(DateDiff("d", at(2024, 3, 1, 23, 59), at(2024, 3, 2, 0, 1)), 1);
    EXPECT_EQ(DateDiff("m", at(2024, 1, 31), at(2024, 2, 1)), 1);
    EXPECT_EQ(DateDiff("yyyy", at(2023, 12, 31), at(2024, 1, 1)), 1);
    EXPECT_EQ(DateDiff("h", at(2024, 3, 1, 10, 59), at(2024, 3, 1, 11, 0)), 1);
    EXPECT_EQ(DateDiff("n", at(2024, 3, 1, 10, 0, 59), at(2024, 3, 1, 10, 1, 0)), 1);
    EXPECT_EQ(DateDiff("s", at(2024, 3, 1, 10, 0, 0), at(2024, 3, 1, 10, 1, 30)), 90);
    EXPECT_EQ(DateDiff("h", at(2024, 3, 1), at(2024, 3, 3)), 48);
    EXPECT_EQ(DateDiff("d", Variant("01/03/2024"), Variant("15/03/2024")), 14);
    // Fri 15/03 to Sun 17/03: one Sunday crossed, no Monday crossed, no whole week.
    EXPECT_EQ(DateDiff("ww", at(2024, 3, 15), at(2024, 3, 17)), 1);
    EXPECT_EQ(DateDiff("ww", at(2024, 3, 15), at(2024, 3, 17), vbMonday), 0);
    EXPECT_EQ(DateDiff("w", at(2024, 3, 15), at(2024, 3, 17)), 0);
    EXPECT_EQ(DateDiff("w", at(2024, 3, 1), at(2024, 3, 15)), 2);
    EXPECT_EQ(DateDiff("q", at(2024, 3, 31), at(2024, 4, 1)), 1);
    EXPECT_EQ(errorOf([] { DateDiff("z", at(2024, 1, 1), at(2024, 1, 2)); }), 5);
}

// Every form a date text may take on its way into a Date, and the near misses that must stay errors.
#include "vb/Conversions.h"
#include "vb/DateTime.h"
#include "vb/Regional.h"

#include "vb/TestSupport.h"
#include <gtest/gtest.h>

#include <optional>

using namespace vb;

namespace {

std::optional<QDateTime> read(const QString& text)
{
    Date d;
    if (!detail::parseDate(text, d))
        return std::nullopt;
    return d.toDateTime();
}

std::optional<QDateTime> at(int y, int m, int d, int h = 0, int n = 0, int s = 0)
{
    return QDateTime(QDate(y, m, d), QTime(h, n, s));
}

RegionalSettings yearFirst()
{
    RegionalSettings s = RegionalSettings::argentina();
    s.dateOrder = RegionalSettings::DateOrder::YMD;
    return s;
}

} // namespace

TEST(DateText, LengthLimitAndForeignCharacters)
{
    EXPECT_EQ(read("15/03/2024" + QString(85, u' ') + "10:30"), at(2024, 3, 15, 10, 30));   // 100 characters
    EXPECT_EQ(read("15/03/2024" + QString(86, u' ') + "10:30"), std::nullopt);               // 101
    EXPECT_EQ(read("  15/03/2024  "), at(2024, 3, 15));
    EXPECT_EQ(read("15/03/2024!"), std::nullopt);
    EXPECT_EQ(read("15_03_2024"), std::nullopt);
    EXPECT_EQ(read("   "), std::nullopt);
}

TEST(DateText, ThreeNumbersInEachOrder)
{
    EXPECT_EQ(read("2024/03/15"), at(2024, 3, 15));            // a long first number is the year
    EXPECT_EQ(read("2024.3.15"), at(2024, 3, 15));
    EXPECT_EQ(read("2024/15/03"), std::nullopt);               // ... with nothing to fall back on
    EXPECT_EQ(read("99/03/15"), at(1999, 3, 15));              // above 31 is a year too
    EXPECT_EQ(read("01/02/03"), at(2003, 2, 1));
    EXPECT_EQ(read("31/04/15"), at(1931, 4, 15));              // neither d/m/y nor m/d/y exists: y/m/d
    EXPECT_EQ(read("31/04/2015"), std::nullopt);               // a four-digit last number is always the year
    EXPECT_EQ(read("15,03,2024"), std::nullopt);
    EXPECT_EQ(read("10:30 15/03:2024"), std::nullopt);         // a colon inside the date part
    EXPECT_EQ(read("01/01/0100"), at(100, 1, 1));
    EXPECT_EQ(read("31/12/9999"), at(9999, 12, 31));
    EXPECT_EQ(read("01/01/0099"), std::nullopt);
    EXPECT_EQ(read("01/01/10000"), std::nullopt);
    EXPECT_EQ(read("1/2/3/4"), std::nullopt);
    EXPECT_EQ(read("15 03 2024"), at(2024, 3, 15));
}

TEST(DateText, OrderFollowsTheRegionalSettings)
{
    {
        RegionalScope us(RegionalSettings::unitedStates());
        EXPECT_EQ(read("13/05/2024"), at(2024, 5, 13));         // no month 13: day first after all
        EXPECT_EQ(read("05/06/24"), at(2024, 5, 6));
    }
    {
        RegionalScope ymd(yearFirst());
        EXPECT_EQ(read("24/03/15"), at(2024, 3, 15));
        EXPECT_EQ(read("05/31/24"), at(2024, 5, 31));          // then m/d/y
        EXPECT_EQ(read("24/04/31"), at(1931, 4, 24));          // then d/m/y
        EXPECT_EQ(read("15/03/2024"), at(2024, 3, 15));        // a four-digit last number is the year here too
        EXPECT_EQ(read("31/04/2024"), std::nullopt);
    }
}

TEST(DateText, TwoNumbers)
{
    ClockScope clock(QDateTime(QDate(2024, 6, 1), QTime(9, 0)));
    EXPECT_EQ(read("2023/03"), at(2023, 3, 1));
    EXPECT_EQ(read("3-45"), at(1945, 3, 1));
    EXPECT_EQ(read("13/2024"), std::nullopt);
    EXPECT_EQ(read("05/13"), at(2024, 5, 13));                 // swapped when day/month does not exist
    EXPECT_EQ(read("02/30"), std::nullopt);
    EXPECT_EQ(read("15 03"), std::nullopt);                    // only "/" or "-" join two numbers
    EXPECT_EQ(read("15.03"), std::nullopt);
    EXPECT_EQ(read("15,03"), std::nullopt);
    RegionalScope us(RegionalSettings::unitedStates());
    EXPECT_EQ(read("03/15"), at(2024, 3, 15));
    EXPECT_EQ(read("03/04"), at(2024, 3, 4));
}

TEST(DateText, MonthNames)
{
    ClockScope clock(QDateTime(QDate(2024, 6, 1), QTime(9, 0)));
    EXPECT_EQ(read("15.mar.2024"), at(2024, 3, 15));
    EXPECT_EQ(read("2024 marzo 15"), at(2024, 3, 15));
    EXPECT_EQ(read("15 marzo 24"), at(2024, 3, 15));
    EXPECT_EQ(read("15 marzo 45"), at(1945, 3, 15));
    EXPECT_EQ(read("marzo 2024"), at(2024, 3, 1));
    EXPECT_EQ(read("marzo 99"), at(1999, 3, 1));
    EXPECT_EQ(read("15 marzo"), at(2024, 3, 15));
    EXPECT_EQ(read("marz 15 2024"), at(2024, 3, 15));          // a beginning of the regional name
    EXPECT_EQ(read("1 setiembre 2024"), at(2024, 9, 1));
    EXPECT_EQ(read("1 set 2024"), at(2024, 9, 1));
    EXPECT_EQ(read("1 sept 2024"), at(2024, 9, 1));
    EXPECT_EQ(read("1 august 2024"), at(2024, 8, 1));
    EXPECT_EQ(read("1 DIC 2024"), at(2024, 12, 1));
    EXPECT_EQ(read("1 ago 2024"), at(2024, 8, 1));
    EXPECT_EQ(read("mar, 5 mar 2024"), at(2024, 3, 5));        // the second "mar" is Tuesday
    EXPECT_EQ(read("Tuesday 5 March 2024"), at(2024, 3, 5));
    EXPECT_EQ(read("15 ma 2024"), std::nullopt);               // too short for a month
    EXPECT_EQ(read("15 marzo abril 2024"), std::nullopt);
    EXPECT_EQ(read("15 foo 2024"), std::nullopt);
    EXPECT_EQ(read("marzo"), std::nullopt);
    EXPECT_EQ(read("1 2 marzo 2024"), std::nullopt);
    EXPECT_EQ(read("31 abril 2024"), std::nullopt);
    EXPECT_EQ(read("15 marzo 099"), std::nullopt);
    EXPECT_EQ(read("2024-03-15t10:30"), std::nullopt);         // only a capital T joins date and time
}

TEST(DateText, Times)
{
    EXPECT_EQ(read("15/03/2024 10:30:45 PM"), at(2024, 3, 15, 22, 30, 45));
    EXPECT_EQ(read("10:30 15/03/2024"), at(2024, 3, 15, 10, 30));
    EXPECT_EQ(read("15/03/2024 3 PM"), at(2024, 3, 15, 15));
    EXPECT_EQ(read("15/03/2024 3PM"), at(2024, 3, 15, 15));
    EXPECT_EQ(read("15/03/2024 12 AM"), at(2024, 3, 15, 0));
    EXPECT_EQ(read("15/03/2024 12 pm"), at(2024, 3, 15, 12));
    EXPECT_EQ(read("15/03/2024 10:30 a"), at(2024, 3, 15, 10, 30));
    EXPECT_EQ(read("15/03/2024 10:30 p"), at(2024, 3, 15, 22, 30));
    EXPECT_EQ(read("15/03/2024 10:30 a.m."), at(2024, 3, 15, 10, 30));
    EXPECT_EQ(read("15/03/2024 10:30:45.5"), at(2024, 3, 15, 10, 30, 45));
    EXPECT_EQ(read("15/03/2024 13 PM"), std::nullopt);
    EXPECT_EQ(read("15/03/2024 0 AM"), std::nullopt);
    EXPECT_EQ(read("15/03/2024 003 PM"), std::nullopt);
    EXPECT_EQ(read("15/03/2024 13:00 PM"), std::nullopt);
    EXPECT_EQ(read("15/03/2024 0:30 AM"), std::nullopt);
    EXPECT_EQ(read("123:00"), std::nullopt);
    EXPECT_EQ(read("10:123"), std::nullopt);
    EXPECT_EQ(read("10:30:123"), std::nullopt);
    EXPECT_EQ(read("24:00"), std::nullopt);
    EXPECT_EQ(read("23:60"), std::nullopt);
    EXPECT_EQ(read("10:30:60"), std::nullopt);
    EXPECT_EQ(read("10:30 /"), std::nullopt);                  // a time with stray separators
    EXPECT_EQ(read("10:30 11:45"), std::nullopt);              // two times are no date
    EXPECT_EQ(read("15/03/2024 10:30 11:45"), std::nullopt);
}

TEST(DateText, SerialsOfTimesAndEarlyDays)
{
    Date d;
    ASSERT_TRUE(detail::parseDate("3 PM", d));
    EXPECT_DOUBLE_EQ(d.serial, 15 / 24.0);
    ASSERT_TRUE(detail::parseDate("23:59:59", d));
    EXPECT_DOUBLE_EQ(d.serial, 86399 / 86400.0);
    // Before day 0 the time is subtracted, so the fraction still reads as the time of day.
    ASSERT_TRUE(detail::parseDate("29/12/1899 06:00", d));
    EXPECT_DOUBLE_EQ(d.serial, -1.25);
    ASSERT_TRUE(detail::parseDate("30/12/1899", d));
    EXPECT_DOUBLE_EQ(d.serial, 0);
}

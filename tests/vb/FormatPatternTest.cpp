// Format's custom patterns token by token: every date and time token, and the parts of a number
// section (placeholders, literals, point, commas, percent, exponent).
#include "vb/Conversions.h"
#include "vb/Regional.h"

#include "vb/TestSupport.h"
#include <gtest/gtest.h>

using namespace vb;

namespace {

Variant afternoon() { return Variant(Date::fromDateTime(QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9)))); }   // a Tuesday
Variant midnight() { return Variant(Date::fromDateTime(QDateTime(QDate(2024, 11, 20), QTime(0, 30, 5)))); }

} // namespace

TEST(FormatDateTokens, DayMonthYear)
{
    const Variant d = afternoon();
    EXPECT_EQ(Format(d, "d dd ddd dddd"), "5 05 mar martes");
    EXPECT_EQ(Format(d, "ddddd"), "05/03/2024");
    EXPECT_EQ(Format(d, "dddddd"), "martes, 5 de marzo de 2024");
    EXPECT_EQ(Format(d, "ddddddd"), "martes, 5 de marzo de 2024");
    EXPECT_EQ(Format(d, "m mm mmm mmmm mmmmm"), "3 03 mar marzo marzo");
    EXPECT_EQ(Format(d, "y yy yyy yyyy yyyyy"), "65 24 24 2024 2024");
    EXPECT_EQ(Format(d, "q"), "1");
    EXPECT_EQ(Format(midnight(), "q"), "4");
    EXPECT_EQ(Format(Variant(Date::fromDate(QDate(100, 1, 1))), "yyyy"), "0100");
}

TEST(FormatDateTokens, WeekdayAndWeek)
{
    EXPECT_EQ(Format(afternoon(), "w"), "3");
    EXPECT_EQ(Format(afternoon(), "ww"), "10");
    EXPECT_EQ(Format(midnight(), "w"), "4");
}

TEST(FormatDateTokens, TimeAndMinutesAfterHours)
{
    const Variant d = afternoon();
    EXPECT_EQ(Format(d, "h:m"), "14:7");
    EXPECT_EQ(Format(d, "hh\"h\"mm"), "14h07");            // a literal between keeps m as minutes
    EXPECT_EQ(Format(d, "h mmm"), "14 mar");                // three m are always the month
    EXPECT_EQ(Format(d, "hh dd mm"), "14 05 03");           // another token in between: month
    EXPECT_EQ(Format(d, "n nn s ss"), "7 07 9 09");
    EXPECT_EQ(Format(d, "ttttt"), "14:07:09");
    EXPECT_EQ(Format(d, "tt"), "tt");
    EXPECT_EQ(Format(d, "c"), "05/03/2024 14:07:09");
}

TEST(FormatDateTokens, TwelveHourMarkers)
{
    const Variant pm = afternoon();
    const Variant am = midnight();
    EXPECT_EQ(Format(am, "h:nn AM/PM"), "12:30 AM");
    EXPECT_EQ(Format(pm, "h:nn Am/pM"), "2:07 pM");        // the marker keeps the pattern's case
    EXPECT_EQ(Format(am, "h:nn Am/pM"), "12:30 Am");
    EXPECT_EQ(Format(pm, "h A/P"), "2 P");
    EXPECT_EQ(Format(am, "h a/p"), "12 a");
    EXPECT_EQ(Format(pm, "hh AMPM"), "02 p.m.");
    EXPECT_EQ(Format(am, "hh ampm"), "12 a.m.");
    EXPECT_EQ(Format(pm, "hh:nn"), "14:07");
}

TEST(FormatDateTokens, LiteralsAndSeparators)
{
    const Variant d = afternoon();
    EXPECT_EQ(Format(d, "dd \"de"), "05 de");               // an open quote runs to the end
    EXPECT_EQ(Format(d, "dd\\d"), "05d");
    EXPECT_EQ(Format(d, "dd\\"), "05\\");
    EXPECT_EQ(Format(d, "dd.mm"), "05.03");
    RegionalSettings other = RegionalSettings::argentina();
    other.dateSeparator = u'-';
    other.timeSeparator = u'.';
    RegionalScope scope(other);
    EXPECT_EQ(Format(d, "dd/mm hh:nn"), "05-03 14.07");
}

TEST(FormatDateTokens, RegionalPatternsInsideTokens)
{
    RegionalScope us(RegionalSettings::unitedStates());
    EXPECT_EQ(Format(afternoon(), "ddddd"), "3/5/2024");
    EXPECT_EQ(Format(afternoon(), "dddddd"), "Tuesday, March 5, 2024");
    EXPECT_EQ(Format(afternoon(), "ttttt"), "2:07:09 PM");
    EXPECT_EQ(Format(midnight(), "hh ampm"), "12 AM");
}

TEST(FormatNumberSection, LiteralsOnly)
{
    EXPECT_EQ(Format(Variant(-5), "\"x\""), "x");
    EXPECT_EQ(Format(Variant(5), "0\"abc"), "5abc");
    EXPECT_EQ(Format(Variant(5), "0e5"), "5e5");            // e without a sign is a literal
}

TEST(FormatNumberSection, IntegerLiteralsAndCommas)
{
    EXPECT_EQ(Format(Variant(1234), "00-00"), "12-34");
    EXPECT_EQ(Format(Variant(5), "00-00"), "00-05");
    EXPECT_EQ(Format(Variant(123456), "00-00"), "1234-56");
    EXPECT_EQ(Format(Variant(1234567890), "0,,"), "1235");
    EXPECT_EQ(Format(Variant(1234567890), "#,##0,,"), "1.235");
    EXPECT_EQ(Format(Variant(1234567), "0,.00"), "1234,57");
    EXPECT_EQ(Format(Variant(0.5), "0%"), "50%");
    // A quoted or escaped percent sign is text: it does not scale the value.
    EXPECT_EQ(Format(Variant(5), "0\"%\""), "5%");
    EXPECT_EQ(Format(Variant(5), "0\\%"), "5%");
}

TEST(FormatNumberSection, FractionParts)
{
    EXPECT_EQ(Format(Variant(5), "0."), "5,");
    EXPECT_EQ(Format(Variant(5), "0.\"x\""), "5,x");
    EXPECT_EQ(Format(Variant(1.234), "0.0,0"), "1,23");     // commas after the point are dropped
    EXPECT_EQ(Format(Variant(1.234), "0.0-0"), "1,2-3");
    EXPECT_EQ(Format(Variant(1.23), "0.0.0"), "1,2.3");     // a second point is a literal
}

TEST(FormatNumberSection, Exponents)
{
    EXPECT_EQ(Format(Variant(12345), "0E+0"), "1E+4");
    EXPECT_EQ(Format(Variant(12345.678), "0.00E-00"), "1,23E04");
    EXPECT_EQ(Format(Variant(12345.678), "0.00e+00"), "1,23E+04");
    EXPECT_EQ(Format(Variant(12345), "0.0E+#"), "1,2E+4");
    EXPECT_EQ(Format(Variant(12345), "0.0E+00\" u\""), "1,2E+04 u");
    EXPECT_EQ(Format(Variant(0), "0.00E+00"), "0,00E+00");
}

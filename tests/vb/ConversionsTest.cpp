#include "vb/Conversions.h"
#include "vb/DateTime.h"
#include "vb/Error.h"
#include "vb/Regional.h"

#include "vb/TestSupport.h"
#include <gtest/gtest.h>

#include <functional>

using namespace vb;
using vbtest::errorOf;

namespace {
QDateTime dt(const Date& d) { return d.toDateTime(); }
} // namespace

TEST(CDate, DayFirstUnderArgentineSettings)
{
    EXPECT_EQ(CDate(Variant("15/03/2024")).date(), QDate(2024, 3, 15));
    EXPECT_EQ(CDate(Variant("05/04/2024")).date(), QDate(2024, 4, 5));
    EXPECT_EQ(CDate(Variant("5/4/24")).date(), QDate(2024, 4, 5));
    EXPECT_EQ(CDate(Variant("5-4-1999")).date(), QDate(1999, 4, 5));
    EXPECT_EQ(CDate(Variant("01/01/29")).date(), QDate(2029, 1, 1));   // two-digit years: 00-29 -> 20xx
    EXPECT_EQ(CDate(Variant("01/01/30")).date(), QDate(1930, 1, 1));
    EXPECT_EQ(CDate(Variant("29/02/2024")).date(), QDate(2024, 2, 29));
    // A month above 12 with a possible day swaps, as the original does.
    EXPECT_EQ(CDate(Variant("12/25/2024")).date(), QDate(2024, 12, 25));
}

TEST(CDate, ImpossibleDatesAreRejected)
{
    EXPECT_EQ(errorOf([] { CDate(Variant("31/02/2024")); }), 13);
    EXPECT_EQ(errorOf([] { CDate(Variant("29/02/2023")); }), 13);
    EXPECT_EQ(errorOf([] { CDate(Variant("32/01/2024")); }), 13);
    EXPECT_EQ(errorOf([] { CDate(Variant("31/04/2024")); }), 13);
    EXPECT_EQ(errorOf([] { CDate(Variant("15/13/2024")); }), 13);
    EXPECT_EQ(errorOf([] { CDate(Variant("abc")); }), 13);
    EXPECT_EQ(errorOf([] { CDate(Variant("")); }), 13);
    EXPECT_EQ(errorOf([] { CDate(Variant("12,5")); }), 13);
    EXPECT_EQ(errorOf([] { CDate(Variant("25:00")); }), 13);
    EXPECT_EQ(errorOf([] { CDate(Variant("10:61")); }), 13);
    EXPECT_FALSE(IsDate(Variant("00/01/2024")));
    EXPECT_FALSE(IsDate(Variant("2024")));
    EXPECT_FALSE(IsDate(Variant("1.5")));
}

TEST(CDate, IsoAndTimes)
{
    EXPECT_EQ(CDate(Variant("2024-03-15")).date(), QDate(2024, 3, 15));
    EXPECT_EQ(dt(CDate(Variant("2024-03-15 10:30:45"))), QDateTime(QDate(2024, 3, 15), QTime(10, 30, 45)));
    EXPECT_EQ(dt(CDate(Variant("2024-03-15T10:30:45"))), QDateTime(QDate(2024, 3, 15), QTime(10, 30, 45)));
    EXPECT_EQ(dt(CDate(Variant("2024-03-15 10:30:45.123"))), QDateTime(QDate(2024, 3, 15), QTime(10, 30, 45)));
    EXPECT_EQ(dt(CDate(Variant("15/03/2024 08:05"))), QDateTime(QDate(2024, 3, 15), QTime(8, 5)));
    EXPECT_EQ(dt(CDate(Variant("15/03/2024 8:05 p.m."))), QDateTime(QDate(2024, 3, 15), QTime(20, 5)));
    EXPECT_EQ(dt(CDate(Variant("15/03/2024 12:00 AM"))), QDateTime(QDate(2024, 3, 15), QTime(0, 0)));
    Date t = CDate(Variant("18:30"));
    EXPECT_DOUBLE_EQ(t.serial, (18 * 60 + 30) / 1440.0);
    EXPECT_EQ(CDate(Variant("15 de marzo de 2024")).date(), QDate(2024, 3, 15));
    EXPECT_EQ(CDate(Variant("15-mar-2024")).date(), QDate(2024, 3, 15));
    EXPECT_EQ(CDate(Variant("15 Jan 2024")).date(), QDate(2024, 1, 15));
    EXPECT_EQ(CDate(Variant("viernes, 15 de marzo de 2024")).date(), QDate(2024, 3, 15));
}

TEST(CDate, UnitedStatesOrderWhenSettingsChange)
{
    RegionalScope us(RegionalSettings::unitedStates());
    EXPECT_EQ(CDate(Variant("03/15/2024")).date(), QDate(2024, 3, 15));
    EXPECT_EQ(CDate(Variant("04/05/2024")).date(), QDate(2024, 4, 5));
    EXPECT_EQ(CStr(Variant(CDate(Variant("04/05/2024")))), "4/5/2024");
}

TEST(CDate, TwoNumbersUseTheCurrentYear)
{
    ClockScope clock(QDateTime(QDate(2024, 6, 1), QTime(9, 0)));
    EXPECT_EQ(CDate(Variant("15/03")).date(), QDate(2024, 3, 15));
    EXPECT_EQ(CDate(Variant("03/2023")).date(), QDate(2023, 3, 1));
}

TEST(CDate, NumbersAreSerials)
{
    EXPECT_EQ(CDate(Variant(45366)).date(), QDate(2024, 3, 15));
    EXPECT_EQ(CDate(Variant(45366.5)).time(), QTime(12, 0));
    EXPECT_EQ(CDate(Variant()).date(), QDate(1899, 12, 30));
}

TEST(Val, LeadingNumberWithPointOnly)
{
    EXPECT_DOUBLE_EQ(Val("123abc"), 123);
    EXPECT_DOUBLE_EQ(Val("  1 2 3"), 123);
    EXPECT_DOUBLE_EQ(Val("12.5"), 12.5);
    EXPECT_DOUBLE_EQ(Val("12,5"), 12);              // the comma is never a decimal point for Val
    EXPECT_DOUBLE_EQ(Val("-3.5e2x"), -350);
    EXPECT_DOUBLE_EQ(Val("1.2.3"), 1.2);
    EXPECT_DOUBLE_EQ(Val("abc"), 0);
    EXPECT_DOUBLE_EQ(Val(""), 0);
    EXPECT_DOUBLE_EQ(Val("&HFF"), 255);
    EXPECT_DOUBLE_EQ(Val("&HFFFF"), -1);            // 16-bit hex is an Integer
    EXPECT_DOUBLE_EQ(Val("&H10000"), 65536);
    EXPECT_DOUBLE_EQ(Val("&O17"), 15);
    EXPECT_DOUBLE_EQ(Val("\t42\n"), 42);
    EXPECT_DOUBLE_EQ(Val(".5"), 0.5);
    EXPECT_DOUBLE_EQ(Val("1e"), 1);
}

TEST(Str, LeadingBlankAndPoint)
{
    EXPECT_EQ(Str(Variant(42)), " 42");
    EXPECT_EQ(Str(Variant(-42)), "-42");
    EXPECT_EQ(Str(Variant(12.5)), " 12.5");
    EXPECT_EQ(Str(Variant(0.5)), " .5");
    EXPECT_EQ(Str(Variant(-0.5)), "-.5");
    EXPECT_EQ(Str(Variant(0)), " 0");
    EXPECT_EQ(Str(Variant(Currency::fromRaw(12500))), " 1.25");
    EXPECT_EQ(Hex(Variant(255)), "FF");
    EXPECT_EQ(Hex(Variant(-1)), "FFFFFFFF");
    EXPECT_EQ(Hex(Variant(std::int16_t(-1))), "FFFF");
    EXPECT_EQ(Oct(Variant(8)), "10");
}

TEST(Format, NumberPatterns)
{
    EXPECT_EQ(Format(Variant(1234.5), "0.00"), "1234,50");
    EXPECT_EQ(Format(Variant(1234567.891), "#,##0.00"), "1.234.567,89");
    EXPECT_EQ(Format(Variant(0.5), "#,##0.00"), "0,50");
    EXPECT_EQ(Format(Variant(-1234.5), "#,##0.00"), "-1.234,50");
    EXPECT_EQ(Format(Variant(12.345), "########0.00"), "12,35");
    EXPECT_EQ(Format(Variant(123456789012.0), "########0.00"), "123456789012,00");
    EXPECT_EQ(Format(Variant(42), "00000000"), "00000042");
    EXPECT_EQ(Format(Variant(123456789), "0000"), "123456789");
    EXPECT_EQ(Format(Variant(7), "0000"), "0007");
    EXPECT_EQ(Format(Variant("42"), "00000000"), "00000042");     // numeric text is formatted as a number
    EXPECT_EQ(Format(Variant("abc"), "0000"), "abc");
    EXPECT_EQ(Format(Variant(2.5), "0"), "3");                    // Format rounds half away from zero
    EXPECT_EQ(Format(Variant(1.005), "0.00"), "1,01");            // on the decimal digits, not the binary value
    EXPECT_EQ(Format(Variant(0.125), "0.00"), "0,13");
    EXPECT_EQ(Format(Variant(-2.5), "0"), "-3");
    EXPECT_EQ(Format(Variant(5), "#.##"), "5,");
    EXPECT_EQ(Format(Variant(0.25), "#.##"), ",25");
    EXPECT_EQ(Format(Variant(0.256), "0.0%"), "25,6%");
    EXPECT_EQ(Format(Variant(1234567), "#,##0,"), "1.235");
    EXPECT_EQ(Format(Variant(-5), "0.00;(0.00)"), "(5,00)");
    EXPECT_EQ(Format(Variant(0), "0.00;(0.00);\"cero\""), "cero");
    EXPECT_EQ(Format(Variant::null(), "0.00;(0.00);cero;\"nada\""), "nada");
    EXPECT_EQ(Format(Variant::null(), "0.00"), "");
    EXPECT_EQ(Format(Variant(12345.678), "0.00E+00"), "1,23E+04");
    EXPECT_EQ(Format(Variant(0.00012), "0.0E-00"), "1,2E-04");
    EXPECT_EQ(Format(Variant(Currency::fromRaw(12345678)), "#,##0.00"), "1.234,57");
    EXPECT_EQ(Format(Variant(Decimal(10005, 4)), "0.000"), "1,001");
    EXPECT_EQ(Format(Variant(5), "\\$0"), "$5");
    EXPECT_EQ(Format(Variant(5), "\"Nro. \"0"), "Nro. 5");
    EXPECT_EQ(Format(Variant(1234.5), ""), "1234,5");
}

TEST(Format, NamedNumberFormats)
{
    EXPECT_EQ(Format(Variant(1234.5), "Standard"), "1.234,50");
    EXPECT_EQ(Format(Variant(1234.5), "standard"), "1.234,50");
    EXPECT_EQ(Format(Variant(1234.5), "Fixed"), "1234,50");
    EXPECT_EQ(Format(Variant(1234.5), "General Number"), "1234,5");
    EXPECT_EQ(Format(Variant(0.125), "Percent"), "12,50%");
    EXPECT_EQ(Format(Variant(1234.5), "Currency"), "$ 1.234,50");
    EXPECT_EQ(Format(Variant(1), "Yes/No"), "Yes");
    EXPECT_EQ(Format(Variant(0), "True/False"), "False");
    EXPECT_EQ(Format(Variant("1234,5"), "Standard"), "1.234,50");
}

TEST(Format, UnitedStatesSeparators)
{
    RegionalScope us(RegionalSettings::unitedStates());
    EXPECT_EQ(Format(Variant(1234567.891), "#,##0.00"), "1,234,567.89");
    EXPECT_EQ(Format(Variant(1234.5), "Standard"), "1,234.50");
}

TEST(Format, DatePatterns)
{
    Date d = Date::fromDateTime(QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9)));
    EXPECT_EQ(Format(Variant(d), "dd/mm/yyyy"), "05/03/2024");
    EXPECT_EQ(Format(Variant(d), "d/m/yy"), "5/3/24");
    EXPECT_EQ(Format(Variant(d), "dd/mm/yy hh:mm"), "05/03/24 14:07");
    EXPECT_EQ(Format(Variant(d), "mm-dd-yyyy"), "03-05-2024");
    EXPECT_EQ(Format(Variant(d), "hh:mm:ss"), "14:07:09");
    EXPECT_EQ(Format(Variant(d), "yyyymmdd"), "20240305");
    EXPECT_EQ(Format(Variant(d), "yyyy-mm-dd hh:nn:ss"), "2024-03-05 14:07:09");
    EXPECT_EQ(Format(Variant(d), "DD/MM/YYYY"), "05/03/2024");
    EXPECT_EQ(Format(Variant(d), "dddd d \"de\" mmmm"), "martes 5 de marzo");
    EXPECT_EQ(Format(Variant(d), "ddd mmm"), "mar mar");
    EXPECT_EQ(Format(Variant(d), "h:mm AM/PM"), "2:07 PM");
    EXPECT_EQ(Format(Variant(d), "hh:mm am/pm"), "02:07 pm");
    EXPECT_EQ(Format(Variant(d), "Short Date"), "05/03/2024");
    EXPECT_EQ(Format(Variant(d), "Long Date"), "martes, 5 de marzo de 2024");
    EXPECT_EQ(Format(Variant(d), "Short Time"), "14:07");
    EXPECT_EQ(Format(Variant(d), "Long Time"), "14:07:09");
    EXPECT_EQ(Format(Variant(d), "General Date"), "05/03/2024 14:07:09");
    EXPECT_EQ(Format(Variant(d), "q"), "1");
    EXPECT_EQ(Format(Variant(d)), "05/03/2024 14:07:09");
    EXPECT_EQ(Format(Variant("2024-03-05"), "dd/mm/yyyy"), "05/03/2024");      // date text
    EXPECT_EQ(Format(Variant(45366), "dd/mm/yyyy"), "15/03/2024");             // a number is a serial
    EXPECT_EQ(Format(Variant("nada"), "dd/mm/yyyy"), "nada");
}

TEST(Format, TextPatterns)
{
    EXPECT_EQ(Format(Variant("abc"), ">"), "ABC");
    EXPECT_EQ(Format(Variant("ÑANDÚ"), "<"), "ñandú");
    EXPECT_EQ(Format(Variant("12"), "@@@@"), "  12");
    EXPECT_EQ(Format(Variant("12"), "!@@@@"), "12  ");
    EXPECT_EQ(Format(Variant("12345"), "@@-@@"), "123-45");
}

TEST(Numbers, RoundIntFix)
{
    EXPECT_DOUBLE_EQ(Round(2.5), 2);
    EXPECT_DOUBLE_EQ(Round(3.5), 4);
    EXPECT_DOUBLE_EQ(Round(2.675, 2), 2.68);      // 2.675 as written, half to even: 2.68
    EXPECT_DOUBLE_EQ(Round(2.665, 2), 2.66);
    EXPECT_DOUBLE_EQ(Round(-1.5), -2);
    EXPECT_DOUBLE_EQ(Int(-2.5), -3);
    EXPECT_DOUBLE_EQ(Fix(-2.5), -2);
    EXPECT_EQ(Int(Variant(-2.5)).toDouble(), -3);
    EXPECT_TRUE(Int(Variant::null()).isNull());
    EXPECT_EQ(Abs(Variant(-3)).toLong(), 3);
    EXPECT_EQ(Sgn(-0.1), -1);
    EXPECT_EQ(errorOf([] { Round(1.0, -1); }), 5);
}

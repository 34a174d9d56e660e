#include "vb/Conversions.h"
#include "vb/Error.h"
#include "vb/Regional.h"
#include "vb/Variant.h"

#include "vb/TestSupport.h"
#include <gtest/gtest.h>

#include <functional>

using namespace vb;
using vbtest::errorOf;


TEST(Variant, KindsAndTypeNames)
{
    EXPECT_EQ(Variant().type(), VarType::Empty);
    EXPECT_EQ(Variant::null().type(), VarType::Null);
    EXPECT_EQ(Variant(true).type(), VarType::Boolean);
    EXPECT_EQ(Variant(std::uint8_t(3)).type(), VarType::Byte);
    EXPECT_EQ(Variant(std::int16_t(3)).type(), VarType::Integer);
    EXPECT_EQ(Variant(3).type(), VarType::Long);
    EXPECT_EQ(Variant(std::int64_t(5000000000LL)).type(), VarType::Double);
    EXPECT_EQ(Variant(qint64(7)).type(), VarType::Long);
    EXPECT_EQ(Variant(1.5f).type(), VarType::Single);
    EXPECT_EQ(Variant(1.5).type(), VarType::Double);
    EXPECT_EQ(Variant(Currency::fromRaw(15000)).type(), VarType::Currency);
    EXPECT_EQ(Variant(Decimal(15, 1)).type(), VarType::Decimal);
    EXPECT_EQ(Variant(Date{45000}).type(), VarType::Date);
    EXPECT_EQ(Variant("x").type(), VarType::String);
    EXPECT_EQ(Variant(ObjectPtr()).type(), VarType::Object);
    EXPECT_TRUE(Variant(ObjectPtr()).isNothing());
    EXPECT_TRUE(Variant::missing().isMissing());
    EXPECT_EQ(Variant::missing().type(), VarType::Error);
    EXPECT_FALSE(Variant::errorValue(5).isMissing());
    EXPECT_EQ(Variant::errorValue(2042).errorCode(), 2042);

    EXPECT_EQ(Variant().typeName(), "Empty");
    EXPECT_EQ(Variant::null().typeName(), "Null");
    EXPECT_EQ(Variant(std::int16_t(1)).typeName(), "Integer");
    EXPECT_EQ(Variant(1).typeName(), "Long");
    EXPECT_EQ(Variant("a").typeName(), "String");
    EXPECT_EQ(Variant(ObjectPtr()).typeName(), "Nothing");
}

TEST(Variant, IntegerConversionsUseBankersRounding)
{
    EXPECT_EQ(CInt(Variant(0.5)), 0);
    EXPECT_EQ(CInt(Variant(1.5)), 2);
    EXPECT_EQ(CInt(Variant(2.5)), 2);
    EXPECT_EQ(CInt(Variant(3.5)), 4);
    EXPECT_EQ(CInt(Variant(-2.5)), -2);
    EXPECT_EQ(CInt(Variant(-3.5)), -4);
    EXPECT_EQ(CInt(Variant(2.51)), 3);
    EXPECT_EQ(CLng(Variant(1234567.5)), 1234568);
    EXPECT_EQ(CLng(Variant(1234566.5)), 1234566);
    EXPECT_EQ(CLng(Variant("2,5")), 2);            // regional decimal comma
    EXPECT_EQ(CLng(Variant("3,5")), 4);
    EXPECT_EQ(CLng(Variant(Currency::fromRaw(25000))), 2);   // 2.5 as Currency
    EXPECT_EQ(CLng(Variant(Decimal(35, 1))), 4);
    EXPECT_EQ(CLng(Variant(true)), -1);
    EXPECT_EQ(CLng(Variant()), 0);
    EXPECT_EQ(CByte(Variant(254.5)), 254);
}

TEST(Variant, OverflowRaisesSix)
{
    EXPECT_EQ(errorOf([] { CInt(Variant(32767.5)); }), 6);   // rounds to 32768
    EXPECT_EQ(CInt(Variant(32767.49)), 32767);
    EXPECT_EQ(CInt(Variant(-32768.5)), -32768);             // rounds to even -32768
    EXPECT_EQ(errorOf([] { CInt(Variant(-32769)); }), 6);
    EXPECT_EQ(errorOf([] { CLng(Variant(2147483647.5)); }), 6);
    EXPECT_EQ(CLng(Variant(2147483647.0)), 2147483647);
    EXPECT_EQ(errorOf([] { CLng(Variant("3000000000")); }), 6);
    EXPECT_EQ(errorOf([] { CByte(Variant(-1)); }), 6);
    EXPECT_EQ(errorOf([] { CByte(Variant(256)); }), 6);
    EXPECT_EQ(errorOf([] { CCur(Variant(1e20)); }), 6);
    EXPECT_EQ(errorOf([] { CSng(Variant(1e300)); }), 6);
}

TEST(Variant, TypeMismatchAndNull)
{
    EXPECT_EQ(errorOf([] { CLng(Variant("abc")); }), 13);
    EXPECT_EQ(errorOf([] { CDbl(Variant("")); }), 13);
    EXPECT_EQ(errorOf([] { CDbl(Variant("12abc")); }), 13);
    EXPECT_EQ(errorOf([] { CLng(Variant::null()); }), 94);
    EXPECT_EQ(errorOf([] { CStr(Variant::null()); }), 94);
    EXPECT_EQ(errorOf([] { Variant(ObjectPtr()).toString(); }), 91);
    EXPECT_EQ(errorOf([] { Variant(5).toObject(); }), 13);
    EXPECT_EQ(CStr(Variant()), "");
}

TEST(Variant, TextToNumberUnderArgentineSettings)
{
    EXPECT_DOUBLE_EQ(CDbl(Variant("1.234,56")), 1234.56);
    EXPECT_DOUBLE_EQ(CDbl(Variant("1,5")), 1.5);
    EXPECT_DOUBLE_EQ(CDbl(Variant("1.5")), 15.0);          // "." groups thousands here, as the original reads it
    EXPECT_DOUBLE_EQ(CDbl(Variant("  -12,25  ")), -12.25);
    EXPECT_DOUBLE_EQ(CDbl(Variant("12,25-")), -12.25);
    EXPECT_DOUBLE_EQ(CDbl(Variant("(5)")), -5.0);
    EXPECT_DOUBLE_EQ(CDbl(Variant("$ 1.000,50")), 1000.5);
    EXPECT_DOUBLE_EQ(CDbl(Variant("1,5E3")), 1500.0);
    EXPECT_DOUBLE_EQ(CDbl(Variant("&HFF")), 255.0);
    EXPECT_DOUBLE_EQ(CDbl(Variant(",5")), 0.5);
    EXPECT_EQ(errorOf([] { CDbl(Variant("1,2,3")); }), 13);

    RegionalScope us(RegionalSettings::unitedStates());
    EXPECT_DOUBLE_EQ(CDbl(Variant("1,234.56")), 1234.56);
    EXPECT_DOUBLE_EQ(CDbl(Variant("1.5")), 1.5);
}

TEST(Variant, NumberToTextUsesRegionalDecimal)
{
    EXPECT_EQ(CStr(Variant(1234.5)), "1234,5");
    EXPECT_EQ(CStr(Variant(0.5)), "0,5");
    EXPECT_EQ(CStr(Variant(-0.25)), "-0,25");
    EXPECT_EQ(CStr(Variant(1.0 / 3.0)), "0,333333333333333");
    EXPECT_EQ(CStr(Variant(0.1 + 0.2)), "0,3");
    EXPECT_EQ(CStr(Variant(1e15)), "1E+15");
    EXPECT_EQ(CStr(Variant(123456789012345.0)), "123456789012345");
    EXPECT_EQ(CStr(Variant(1234567890123456.0)), "1,23456789012346E+15");
    EXPECT_EQ(CStr(Variant(0.0001)), "0,0001");
    EXPECT_EQ(CStr(Variant(0.00001)), "1E-05");
    EXPECT_EQ(CStr(Variant(1.1f)), "1,1");
    EXPECT_EQ(CStr(Variant(true)), "True");
    EXPECT_EQ(CStr(Variant(false)), "False");
    EXPECT_EQ(CStr(Variant(Currency::fromRaw(12345000))), "1234,5");
    EXPECT_EQ(CStr(Variant(Currency::fromRaw(10000))), "1");
    EXPECT_EQ(CStr(Variant(Decimal(123450, 3))), "123,45");
    RegionalScope us(RegionalSettings::unitedStates());
    EXPECT_EQ(CStr(Variant(1234.5)), "1234.5");
}

TEST(Variant, BooleanConversion)
{
    EXPECT_TRUE(CBool(Variant("True")));
    EXPECT_TRUE(CBool(Variant("true")));
    EXPECT_FALSE(CBool(Variant("FALSE")));
    EXPECT_TRUE(CBool(Variant("Verdadero")));
    EXPECT_TRUE(CBool(Variant("-1")));
    EXPECT_TRUE(CBool(Variant("0,5")));
    EXPECT_FALSE(CBool(Variant("0")));
    EXPECT_TRUE(CBool(Variant(2)));
    EXPECT_FALSE(CBool(Variant()));
    EXPECT_EQ(errorOf([] { CBool(Variant("yes")); }), 13);
    EXPECT_EQ(errorOf([] { CBool(Variant("")); }), 13);
    EXPECT_EQ(errorOf([] { CBool(Variant::null()); }), 94);
}

TEST(Variant, CurrencyRoundsToFourDecimalsHalfEven)
{
    EXPECT_EQ(Currency::fromDouble(0.03125).raw, 312);     // 312.5 -> even
    EXPECT_EQ(Currency::fromDouble(0.09375).raw, 938);     // 937.5 -> even
    EXPECT_EQ(Currency::fromDouble(-2.5).raw, -25000);
    EXPECT_EQ(CCur(Variant("1.234,5678")).raw, 12345678);
    EXPECT_EQ(CCur(Variant("0,00005")).raw, 0);
    EXPECT_EQ(CCur(Variant("0,00015")).raw, 2);
    EXPECT_EQ(CCur(Variant(3)).raw, 30000);
    EXPECT_EQ(CCur(Variant("922337203685477,5807")).raw, std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(errorOf([] { CCur(Variant("922337203685478")); }), 6);
    // Exact sums where a Double would drift.
    Variant total = Variant(Currency());
    for (int i = 0; i < 10; ++i)
        total = total + Variant(CCur(Variant("0,1")));
    EXPECT_EQ(total.type(), VarType::Currency);
    EXPECT_EQ(total.toCurrency().raw, 10000);
}

TEST(Variant, DecimalArithmetic)
{
    Decimal a, b;
    ASSERT_TRUE(Decimal::parse("0.1", a));
    ASSERT_TRUE(Decimal::parse("0.2", b));
    EXPECT_EQ((a + b).toString(), "0.3");
    EXPECT_EQ((a - b).toString(), "-0.1");
    EXPECT_EQ((a * b).toString(), "0.02");
    EXPECT_EQ((Decimal(1, 0) / Decimal(4, 0)).toString(), "0.25");
    EXPECT_EQ((Decimal(1, 0) / Decimal(3, 0)).toString(), "0.3333333333333333333333333333");
    EXPECT_EQ((Decimal(2, 0) / Decimal(3, 0)).toString(), "0.6666666666666666666666666667");
    EXPECT_EQ(errorOf([] { Decimal(1, 0) / Decimal(0, 0); }), 11);
    Decimal big;
    ASSERT_TRUE(Decimal::parse("79228162514264337593543950335", big));
    EXPECT_EQ(big.toString(), "79228162514264337593543950335");
    EXPECT_EQ(errorOf([&] { big + Decimal(1, 0); }), 6);
    EXPECT_EQ(errorOf([&] { big * Decimal(2, 0); }), 6);
    Decimal c;
    ASSERT_TRUE(Decimal::parse("1234567890.123456789", c));
    EXPECT_EQ((c * c).toString(), "1524157875323883675.0190519988");   // rounded to fit 96 bits
    ASSERT_TRUE(Decimal::parse("12345678901234567890.123456789", c));
    EXPECT_EQ(errorOf([&] { c * c; }), 6);
    EXPECT_EQ(Decimal(25, 1).rounded(0).toString(), "2");
    EXPECT_EQ(Decimal(35, 1).rounded(0).toString(), "4");
    EXPECT_EQ(Decimal(-25, 1).rounded(0).toString(), "-2");
    EXPECT_EQ(Decimal(12345, 4).toString(u','), "1,2345");
    EXPECT_EQ(Decimal(1, 0).compare(Decimal(10, 1)), 0);
    EXPECT_EQ(Decimal(-1, 0).compare(Decimal(1, 1)), -1);
    EXPECT_EQ(Decimal::fromDouble(0.1).toString(), "0.1");
    EXPECT_EQ(CDec(Variant("1.234,5")).toString(), "1234.5");
    EXPECT_EQ(Decimal::fromDouble(1e20).toString(), "100000000000000000000");
    EXPECT_EQ(errorOf([] { Decimal::fromDouble(1e30); }), 6);
}

TEST(Variant, ComparisonRules)
{
    EXPECT_EQ(Variant(1).compare(Variant(1.0)), 0);
    EXPECT_EQ(Variant(std::int16_t(2)).compare(Variant(10)), -1);
    EXPECT_EQ(Variant("b").compare(Variant("a")), 1);
    EXPECT_EQ(Variant("a").compare(Variant("B")), 1);                               // binary: "B" < "a"
    EXPECT_EQ(Variant("a").compare(Variant("B"), CompareMethod::Text), -1);
    EXPECT_TRUE(Variant("ÑANDÚ").equals(Variant("ñandú"), CompareMethod::Text));
    EXPECT_FALSE(Variant("ÑANDÚ").equals(Variant("ñandú")));
    EXPECT_EQ(Variant().compare(Variant(0)), 0);
    EXPECT_EQ(Variant().compare(Variant("")), 0);
    EXPECT_EQ(Variant().compare(Variant("a")), -1);
    EXPECT_EQ(Variant(10).compare(Variant("9")), 1);                                // text read as a number
    EXPECT_EQ(Variant("10").compare(Variant(9)), 1);
    EXPECT_EQ(Variant("1,5").compare(Variant(1.5)), 0);
    EXPECT_EQ(Variant(5).compare(Variant("abc")), -1);                              // a number sorts before text
    EXPECT_EQ(Variant("abc").compare(Variant(5)), 1);
    EXPECT_EQ(Variant(true).compare(Variant(-1)), 0);
    EXPECT_EQ(Variant(Currency::fromRaw(10001)).compare(Variant(1)), 1);
    EXPECT_EQ(Variant(Date{45000}).compare(Variant(45000)), 0);
    EXPECT_EQ(Variant(Date{45000}).compare(Variant("14/03/2023")), 1);
    EXPECT_EQ(Variant(Date{45000}).compare(Variant("15/03/2023")), 0);
    EXPECT_EQ(errorOf([] { Variant::null().compare(Variant(1)); }), 94);
    EXPECT_TRUE(Variant(3) == Variant(3.0));
    auto obj = std::make_shared<Variant>();
    (void)obj;
}

TEST(Variant, Arithmetic)
{
    Variant r = Variant(std::int16_t(30000)) + Variant(std::int16_t(30000));
    EXPECT_EQ(r.type(), VarType::Long);            // Integer overflow widens in Variants
    EXPECT_EQ(r.toLong(), 60000);
    r = Variant(2147483647) + Variant(1);
    EXPECT_EQ(r.type(), VarType::Double);
    EXPECT_EQ(r.toDouble(), 2147483648.0);
    r = Variant(true) + Variant(true);
    EXPECT_EQ(r.type(), VarType::Integer);
    EXPECT_EQ(r.toLong(), -2);
    r = Variant("1") + Variant("2");
    EXPECT_EQ(r.toString(), "12");                  // two texts join
    r = Variant("1") + Variant(2);
    EXPECT_EQ(r.type(), VarType::Double);
    EXPECT_EQ(r.toDouble(), 3.0);
    EXPECT_EQ(errorOf([] { Variant("x") + Variant(2); }), 13);
    EXPECT_TRUE((Variant::null() + Variant(1)).isNull());
    EXPECT_EQ((Variant() + Variant(5)).toLong(), 5);
    EXPECT_EQ((Variant() + Variant("a")).toString(), "a");
    EXPECT_EQ(Variant::concat(Variant::null(), Variant(5)).toString(), "5");
    EXPECT_TRUE(Variant::concat(Variant::null(), Variant::null()).isNull());
    EXPECT_EQ(Variant::concat(Variant(1.5), Variant("x")).toString(), "1,5x");
    r = Variant(7) / Variant(2);
    EXPECT_EQ(r.type(), VarType::Double);
    EXPECT_EQ(r.toDouble(), 3.5);
    EXPECT_EQ(errorOf([] { Variant(1) / Variant(0); }), 11);
    EXPECT_EQ(errorOf([] { Variant(0) / Variant(0); }), 6);
    EXPECT_EQ(Variant::intDivide(Variant(7), Variant(2)).toLong(), 3);
    EXPECT_EQ(Variant::intDivide(Variant(7.5), Variant(2)).toLong(), 4);   // operands rounded first
    EXPECT_EQ(Variant::modulo(Variant(-7), Variant(3)).toLong(), -1);
    EXPECT_EQ(errorOf([] { Variant::modulo(Variant(1), Variant(0)); }), 11);
    EXPECT_EQ(Variant::power(Variant(2), Variant(10)).toDouble(), 1024.0);
    r = Variant(Date{45000}) + Variant(1);
    EXPECT_EQ(r.type(), VarType::Date);
    EXPECT_EQ(r.toDate().serial, 45001);
    r = Variant(Date{45005}) - Variant(Date{45000});
    EXPECT_EQ(r.type(), VarType::Double);
    EXPECT_EQ(r.toDouble(), 5.0);
    r = Variant(Currency::fromRaw(15000)) * Variant(3);
    EXPECT_EQ(r.type(), VarType::Currency);
    EXPECT_EQ(r.toCurrency().raw, 45000);
    r = Variant(Currency::fromRaw(15000)) * Variant(1.5);
    EXPECT_EQ(r.type(), VarType::Double);
    EXPECT_EQ((-Variant(std::int16_t(-32768))).type(), VarType::Long);
}

TEST(Variant, IsNumericAndIsDate)
{
    EXPECT_TRUE(IsNumeric(Variant("12,5")));
    EXPECT_TRUE(IsNumeric(Variant(" 1.234 ")));
    EXPECT_TRUE(IsNumeric(Variant()));
    EXPECT_TRUE(IsNumeric(Variant(true)));
    EXPECT_FALSE(IsNumeric(Variant("")));
    EXPECT_FALSE(IsNumeric(Variant("12a")));
    EXPECT_FALSE(IsNumeric(Variant::null()));
    EXPECT_FALSE(IsNumeric(Variant(Date{1})));
    EXPECT_TRUE(IsDate(Variant("15/03/2024")));
    EXPECT_FALSE(IsDate(Variant("31/02/2024")));
    EXPECT_FALSE(IsDate(Variant(45000)));
    EXPECT_TRUE(IsDate(Variant(Date{45000})));
}

TEST(Variant, DateSerials)
{
    EXPECT_EQ(Date::fromDate(QDate(1899, 12, 30)).serial, 0);
    EXPECT_EQ(Date::fromDate(QDate(1900, 1, 1)).serial, 2);
    EXPECT_EQ(Date::fromDate(QDate(2024, 3, 15)).serial, 45366);
    Date noon = Date::fromDateTime(QDateTime(QDate(2024, 3, 15), QTime(12, 0)));
    EXPECT_DOUBLE_EQ(noon.serial, 45366.5);
    Date before = Date::fromDateTime(QDateTime(QDate(1899, 12, 29), QTime(6, 0)));
    EXPECT_DOUBLE_EQ(before.serial, -1.25);
    EXPECT_EQ(before.date(), QDate(1899, 12, 29));
    EXPECT_EQ(before.time(), QTime(6, 0));
    Date almost{45366.99999999};
    EXPECT_EQ(almost.date(), QDate(2024, 3, 16));
    EXPECT_EQ(almost.time(), QTime(0, 0));
    EXPECT_EQ(CStr(Variant(Date{45366})), "15/03/2024");
    EXPECT_EQ(CStr(Variant(noon)), "15/03/2024 12:00:00");
    EXPECT_EQ(CStr(Variant(Date{0.75})), "18:00:00");
    EXPECT_EQ(errorOf([] { CDate(Variant(1e10)); }), 6);
}

TEST(Variant, DayZeroShowsAsATimeOnly)
{
    // 30/12/1899 is the original's "no date": the text of such a value is its time, even at midnight,
    // which is what an Empty date (CDate of "") and a bare time read from a database show.
    EXPECT_EQ(CStr(Variant(Date{0})), "00:00:00");
    EXPECT_EQ(CStr(Variant(CDate(Variant()))), "00:00:00");
    EXPECT_EQ(CStr(Variant(Date{-0.5})), "12:00:00");          // noon of day 0 written from below
    EXPECT_EQ(Format(Variant(Date{0}), "c"), "00:00:00");
    EXPECT_EQ(CStr(Variant(Date{1})), "31/12/1899");            // the next day is a date again
    EXPECT_EQ(CStr(Variant(Date{-1})), "29/12/1899");
    EXPECT_EQ(Format(Variant(Date{0}), "dd/mm/yyyy"), "30/12/1899"); // an explicit pattern still shows it
}

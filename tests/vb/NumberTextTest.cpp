// Number texts as the coercions read them (regional separators, signs, currency, radix) and as
// Decimal reads them (plain digits with a chosen separator, exponent, the 28-digit limits).
#include "vb/Conversions.h"
#include "vb/Regional.h"

#include "vb/TestSupport.h"
#include <gtest/gtest.h>

#include <optional>

using namespace vb;

namespace {

std::optional<double> number(const QString& text)
{
    double d = 0;
    if (!detail::parseNumber(text, d))
        return std::nullopt;
    return d;
}

std::optional<QString> exact(const QString& text)
{
    Decimal d;
    if (!detail::parseNumber(text, d))
        return std::nullopt;
    return d.toString(u'.');
}

std::optional<QString> decimal(const QString& text, QChar sep = u'.')
{
    Decimal d;
    if (!Decimal::parse(text, d, sep))
        return std::nullopt;
    return d.toString(u'.');
}

} // namespace

TEST(NumberText, SignsParenthesesAndCurrency)
{
    EXPECT_EQ(number("(5)"), -5);
    EXPECT_EQ(number("-$5"), -5);
    EXPECT_EQ(number("$-5"), -5);
    EXPECT_EQ(number("$ 5"), 5);
    EXPECT_EQ(number("( $ 5 )"), -5);
    EXPECT_EQ(number("(-5)"), -5);
    EXPECT_EQ(number("5-"), -5);
    EXPECT_EQ(number("5+"), 5);
    EXPECT_EQ(number("5$"), 5);
    EXPECT_EQ(number("5 $ -"), -5);
    EXPECT_EQ(number("(5$)"), -5);
    EXPECT_EQ(number("-5-"), std::nullopt);
    EXPECT_EQ(number("-(5)"), std::nullopt);
    EXPECT_EQ(number("(5"), std::nullopt);
    EXPECT_EQ(number("5)"), std::nullopt);
    EXPECT_EQ(number("--5"), std::nullopt);
    EXPECT_EQ(number("$$5"), std::nullopt);
    EXPECT_EQ(number("5$$"), std::nullopt);
    EXPECT_EQ(number(" \t5\t "), 5);
    EXPECT_EQ(number("5 5"), std::nullopt);
    EXPECT_EQ(number(""), std::nullopt);
    EXPECT_EQ(number("-"), std::nullopt);
    RegionalSettings euro = RegionalSettings::argentina();
    euro.currencySymbol = QStringLiteral("EUR");
    RegionalScope scope(euro);
    EXPECT_EQ(number("EUR 5"), 5);
    EXPECT_EQ(number("5 EUR-"), -5);
    EXPECT_EQ(number("$5"), std::nullopt);
}

TEST(NumberText, SeparatorsFollowTheRegionalSettings)
{
    EXPECT_EQ(number("1.234,5"), 1234.5);
    EXPECT_EQ(number("1.2.3"), 123);                           // group separators may stand anywhere
    EXPECT_EQ(number(",5"), 0.5);
    EXPECT_EQ(number(".5"), std::nullopt);                     // but not before the first digit
    EXPECT_EQ(number("1,2,3"), std::nullopt);
    EXPECT_EQ(number("1,2.3"), std::nullopt);
    EXPECT_EQ(number("000123"), 123);
    EXPECT_EQ(number("0,000"), 0);
    EXPECT_EQ(exact("0,0050"), "0.005");
    EXPECT_EQ(exact("-1.234,50"), "-1234.5");
    RegionalScope us(RegionalSettings::unitedStates());
    EXPECT_EQ(number("1,234.5"), 1234.5);
    EXPECT_EQ(number("1.234,5"), std::nullopt);
}

TEST(NumberText, Exponents)
{
    EXPECT_EQ(number("1,5E3"), 1500);
    EXPECT_EQ(number("15e-1"), 1.5);
    EXPECT_EQ(number("2D2"), 200);
    EXPECT_EQ(number("2d+2"), 200);
    EXPECT_EQ(number("1E"), std::nullopt);
    EXPECT_EQ(number("1E+"), std::nullopt);
    EXPECT_EQ(number("1E2,5"), std::nullopt);
    EXPECT_EQ(number("1E400"), std::nullopt);                  // beyond a Double
    EXPECT_EQ(number("1E999999999999"), std::nullopt);         // the exponent does not wrap round
    EXPECT_EQ(number("0E400"), 0);
    EXPECT_EQ(number("1E-400"), 0);
    EXPECT_EQ(number("(1E2)"), -100);
    EXPECT_EQ(exact("1,25E1"), "12.5");
    EXPECT_EQ(exact("1E400"), std::nullopt);
}

TEST(NumberText, HexadecimalAndOctal)
{
    EXPECT_EQ(number("&H1A"), 26);
    EXPECT_EQ(number("&h1a"), 26);
    EXPECT_EQ(number("&O17"), 15);
    EXPECT_EQ(number("&o17 "), 15);
    EXPECT_EQ(number(" $&HFF"), 255);
    EXPECT_EQ(number("&O8"), std::nullopt);
    EXPECT_EQ(number("&H"), std::nullopt);
    EXPECT_EQ(number("&H1AG"), std::nullopt);
    EXPECT_EQ(number("(&H1A)"), std::nullopt);
    EXPECT_EQ(number("(&H1A"), std::nullopt);
    EXPECT_EQ(number("&H" + QString(22, u'0')), 0);
    EXPECT_EQ(number("&H" + QString(23, u'0')), std::nullopt);   // too many digits
    EXPECT_EQ(exact("&H10"), "16");
    // The sign in front of a radix number is read and then not applied; kept as it has always been.
    EXPECT_EQ(number("-&H1A"), 26);
}

TEST(DecimalText, DigitsSignAndSeparator)
{
    EXPECT_EQ(decimal("+1.5"), "1.5");
    EXPECT_EQ(decimal("-1.5"), "-1.5");
    EXPECT_EQ(decimal("  -0 "), "0");
    EXPECT_EQ(decimal("5."), "5");
    EXPECT_EQ(decimal(".5"), "0.5");
    EXPECT_EQ(decimal("1,5", u','), "1.5");
    EXPECT_EQ(decimal("1.5", u','), std::nullopt);
    EXPECT_EQ(decimal("1.2.3"), std::nullopt);
    EXPECT_EQ(decimal("."), std::nullopt);
    EXPECT_EQ(decimal(""), std::nullopt);
    EXPECT_EQ(decimal("-"), std::nullopt);
    EXPECT_EQ(decimal("1.5x"), std::nullopt);
    EXPECT_EQ(decimal("1 5"), std::nullopt);
    EXPECT_EQ(decimal(QString::fromUtf8("\u0661")), std::nullopt);   // only ASCII digits
    EXPECT_EQ(decimal("$5"), std::nullopt);
}

TEST(DecimalText, Exponents)
{
    EXPECT_EQ(decimal("1.5E2"), "150");
    EXPECT_EQ(decimal("1.5e-2"), "0.015");
    EXPECT_EQ(decimal("15D+1"), "150");
    EXPECT_EQ(decimal("15d-1"), "1.5");
    EXPECT_EQ(decimal("1E"), std::nullopt);
    EXPECT_EQ(decimal("1E-"), std::nullopt);
    EXPECT_EQ(decimal("1E2.5"), std::nullopt);
    EXPECT_EQ(decimal("0E99999"), "0");
    EXPECT_EQ(decimal("1E99999"), std::nullopt);
    EXPECT_EQ(decimal("1E-99999"), "0");
    EXPECT_EQ(decimal("1E-88"), "0");
    EXPECT_EQ(decimal("1E-89"), "0");
    EXPECT_EQ(decimal("1E-28"), "0.0000000000000000000000000001");
    EXPECT_EQ(decimal("5E-29"), "0");                          // half to even at the last place
    EXPECT_EQ(decimal("6E-29"), "0.0000000000000000000000000001");
}

TEST(DecimalText, RangeAndPrecision)
{
    EXPECT_EQ(decimal("79228162514264337593543950335"), "79228162514264337593543950335");
    EXPECT_EQ(decimal("79228162514264337593543950336"), std::nullopt);
    EXPECT_EQ(decimal("-79228162514264337593543950335"), "-79228162514264337593543950335");
    EXPECT_EQ(decimal("0." + QString(27, u'0') + "1"), "0.0000000000000000000000000001");
    EXPECT_EQ(decimal("0." + QString(50, u'0') + "1"), "0");
    // Leading zeros are not digits of precision.
    EXPECT_EQ(decimal(QString(60, u'0') + "12.5"), "12.5");
    // Past forty digits the integer digits still count; the exponent can bring them back in range.
    EXPECT_EQ(decimal("1" + QString(44, u'0') + "E-30"), "100000000000000");
    EXPECT_EQ(decimal("1" + QString(41, u'0')), std::nullopt);
    // A digit beyond those kept still decides a tie when rounding to 28 places.
    const QString tie = "1." + QString(28, u'0') + "5" + QString(20, u'0');
    EXPECT_EQ(decimal(tie), "1");
    EXPECT_EQ(decimal(tie + "1"), "1.0000000000000000000000000001");
    EXPECT_EQ(decimal("1." + QString(27, u'0') + "15"), "1.0000000000000000000000000002");
}

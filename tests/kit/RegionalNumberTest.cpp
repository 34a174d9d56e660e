#include "kit/Utilidades.h"

#include "vb/Error.h"
#include "vb/Regional.h"

#include <gtest/gtest.h>
#include <ostream>

using kit::Utilidades;

namespace {

struct NumberCase {
    const char* text;
    std::int64_t raw;                                // value * 10000
};

// Named by its text in test listings (instead of the bytes of the case).
void PrintTo(const NumberCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class TextoANumeroArgentina : public ::testing::TestWithParam<NumberCase> {};

TEST_P(TextoANumeroArgentina, readsTheRegionalForm)
{
    EXPECT_EQ(Utilidades().TextoANumero(QString::fromUtf8(GetParam().text)).raw, GetParam().raw) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Cases, TextoANumeroArgentina, ::testing::Values(
    NumberCase{"", 0}, NumberCase{"   ", 0}, NumberCase{"abc", 0}, NumberCase{"-", 0},
    NumberCase{"1433", 14330000}, NumberCase{"  42  ", 420000},
    NumberCase{"12,5", 125000}, NumberCase{"1.234,56", 12345600}, NumberCase{"-3,25", -32500},
    NumberCase{"+7", 70000}, NumberCase{"$ 10,5", 105000},
    NumberCase{"00001234", 12340000},              // a document number from characters 5-12 of an id
    NumberCase{"7abc", 70000}, NumberCase{"12,5x9", 125000},
    NumberCase{"0,00005", 0}, NumberCase{"0,00015", 2}, NumberCase{"0,000150001", 2}, NumberCase{"0,00025", 2},
    NumberCase{"0,000251", 3},
    NumberCase{"&HFF", 2550000}, NumberCase{"&o17", 150000}, NumberCase{"&H", 0},
    NumberCase{"922337203685477,5807", INT64_MAX}));

TEST(TextoANumero, followsTheRegionalSettingsInForce)
{
    vb::RegionalScope us(vb::RegionalSettings::unitedStates());
    EXPECT_EQ(Utilidades().TextoANumero("1,234.5").raw, 12345000);
    EXPECT_EQ(Utilidades().TextoANumero("12,5").raw, 1250000);
}

TEST(TextoANumero, beyondTheCurrencyRangeIsOverflow)
{
    try {
        Utilidades().TextoANumero("922337203685478");
        FAIL() << "no error";
    } catch (const vb::Error& e) {
        EXPECT_EQ(e.number(), 6);
    }
    EXPECT_THROW(Utilidades().TextoANumero("99999999999999999999999999"), vb::Error);
}

TEST(TextoAEntero, roundsHalfToEvenAndChecksTheRange)
{
    const Utilidades util;
    EXPECT_EQ(util.TextoAEntero("3"), 3);
    EXPECT_EQ(util.TextoAEntero("2,5"), 2);
    EXPECT_EQ(util.TextoAEntero("3,5"), 4);
    EXPECT_EQ(util.TextoAEntero("-1,6"), -2);
    EXPECT_EQ(util.TextoAEntero("x"), 0);
    EXPECT_THROW(util.TextoAEntero("3000000000"), vb::Error);
}

} // namespace

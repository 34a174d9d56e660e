#include "kit/Utilidades.h"

#include "vb/Error.h"
#include "vb/Regional.h"

#include <gtest/gtest.h>

using kit::Utilidades;

namespace {

const Utilidades util;

int errorNumberOf(const std::function<void()>& step)
{
    try {
        step();
    } catch (const vb::Error& e) {
        return e.number();
    }
    return 0;
}

TEST(FechaFormula, writesTheFormulaDateOfARegionalDate)
{
    EXPECT_EQ(util.FechaFormula(QString("05/03/2024")), "Date(2024,03,05)");
    EXPECT_EQ(util.FechaFormula(QString("31/12/1999")), "Date(1999,12,31)");
    EXPECT_EQ(util.FechaFormula(vb::Date::fromDate(QDate(2023, 11, 2))), "Date(2023,11,02)");
}

TEST(FechaFormula, readsTheTextWithTheSettingsInForce)
{
    vb::RegionalScope us(vb::RegionalSettings::unitedStates());
    EXPECT_EQ(util.FechaFormula(QString("05/03/2024")), "Date(2024,05,03)");
}

TEST(FechaSQL, writesAnOdbcTimestampEscape)
{
    EXPECT_EQ(util.FechaSQL(QString("05/03/2024")), "{ts '2024-03-05 00:00:00'}");
    EXPECT_EQ(util.FechaSQL(QString("05/03/2024 14:07:09")), "{ts '2024-03-05 14:07:09'}");
    vb::RegionalScope us(vb::RegionalSettings::unitedStates());
    EXPECT_EQ(util.FechaSQL(QString("05/03/2024")), "{ts '2024-05-03 00:00:00'}");
}

TEST(FechasInvalidas, textThatIsNoDateIsATypeMismatch)
{
    EXPECT_EQ(errorNumberOf([] { util.FechaFormula(QString("31/02/2024")); }), 13);
    EXPECT_EQ(errorNumberOf([] { util.FechaSQL(QString("")); }), 13);
    EXPECT_EQ(errorNumberOf([] { util.FechaSQL(QString("x'); DROP TABLE t; --")); }), 13);
    EXPECT_EQ(errorNumberOf([] { util.FechaFormula(vb::Variant::null()); }), 13);
}

} // namespace

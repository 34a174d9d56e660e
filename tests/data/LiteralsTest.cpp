#include "data/DB_Dll.h"
#include "data/ObjectNames.h"

#include "QStringPrinting.h"

#include <gtest/gtest.h>

namespace {

using data::DB_Dll;

TEST(TypeCodes, EachGroupHoldsItsCodesOnly)
{
    DB_Dll db;
    struct Case { int code; bool date, text, numeric, currency, boolean; const char* quote; };
    const Case cases[] = {
        {7, true, false, false, false, false, "'"},   {133, true, false, false, false, false, "'"},
        {135, true, false, false, false, false, "'"}, {64, true, false, false, false, false, "'"},
        {200, false, true, false, false, false, "'"}, {129, false, true, false, false, false, "'"},
        {8, false, true, false, false, false, "'"},   {203, false, true, false, false, false, "'"},
        {3, false, false, true, false, false, ""},    {131, false, false, true, false, false, ""},
        {21, false, false, true, false, false, ""},   {17, false, false, true, false, false, ""},
        {6, false, false, false, true, false, ""},    {11, false, false, false, false, true, ""},
        {72, false, false, false, false, false, ""},  {128, false, false, false, false, false, ""},
    };
    for (const Case& c : cases) {
        const vb::Variant code(c.code);
        EXPECT_EQ(db.adodate(code), c.date) << c.code;
        EXPECT_EQ(db.ADOText(code), c.text) << c.code;
        EXPECT_EQ(db.ADONumeric(code), c.numeric) << c.code;
        EXPECT_EQ(db.ADOCurrency(code), c.currency) << c.code;
        EXPECT_EQ(db.ADOBoolean(code), c.boolean) << c.code;
        EXPECT_EQ(db.ADOComilla(code), c.quote) << c.code;
    }
    EXPECT_FALSE(db.ADOText(vb::Variant::null()));
}

TEST(SqlValue, FormsOfNumbersTextsAndNulls)
{
    DB_Dll db;
    struct Case { vb::Variant value; const char* kind; const char* expected; };
    const Case cases[] = {
        {1234.5, "@", "1234.5"},
        {-7, "@", "-7"},
        {vb::Variant::null(), "@", "0"},
        {QString("1.234,56"), "@", "1234.56"},
        {QString("ABC"), "'", "'ABC'"},
        {QString(" a "), "'", "' a '"},
        {vb::Variant::null(), "'", "NULL"},
        {QString(), "'", "''"},
        {QString("D'Angelo"), "'", "'D''Angelo'"},
        {15, "", "15"},
        {vb::Variant::null(), "", "NULL"},
        {2.5, "x", "2,5"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(db.SQLValue(c.value, c.kind).toString(), c.expected) << c.expected;
        EXPECT_EQ(db.SQLValue2(c.value, c.kind).toString(), c.expected) << c.expected;
    }
}

TEST(SqlValue, NumbersNeverKeepAComma)
{
    DB_Dll db;
    for (double v : {0.1, 1e6 + 0.25, -3.75, 99999.9999})
        EXPECT_FALSE(db.SQLValue(v, "@").toString().contains(',')) << v;
}

TEST(ObjectNames, TakeNamesApart)
{
    DB_Dll db;
    QString name = "CLIENTES.CODIGO";
    EXPECT_EQ(db.stSTF(name, 0), "CLIENTES");
    EXPECT_EQ(db.stSTF(name, 1), "CODIGO");
    EXPECT_EQ(name, "CLIENTES.CODIGO");
    name = "dbo.CLIENTES.CODIGO";
    EXPECT_EQ(db.stSTF(name, 0), "CLIENTES.CODIGO");
    EXPECT_EQ(name, "CLIENTES.CODIGO");
    name = "CLIENTES";
    EXPECT_EQ(db.stSTF(name, 1), "CLIENTES");

    EXPECT_EQ(db.AddBrackets("Mi Tabla"), "[Mi Tabla]");
    EXPECT_EQ(db.AddBrackets("[Mi Tabla]"), "[Mi Tabla]");
    EXPECT_EQ(db.AddBrackets("TA$%-X"), "TA$%-X");
    EXPECT_EQ(db.StripConnect("Clientes -> c:\\datos.mdb"), "Clientes");
    EXPECT_EQ(db.StripConnect("Clientes"), "Clientes");
    EXPECT_EQ(db.StripBrackets("[Mi Tabla]"), "Mi Tabla");
    EXPECT_EQ(db.StripBrackets("Mi Tabla"), "Mi Tabla");
    name = "dbo.CLIENTES";
    EXPECT_EQ(db.StripOwner(name), "CLIENTES");
    EXPECT_EQ(name, "CLIENTES");
    EXPECT_EQ(db.StripFileName("D:\\datos\\base.mdb"), "D:\\datos");
    EXPECT_EQ(db.StripFileName("/srv/datos/base.db"), "/srv/datos");
    EXPECT_EQ(db.StripFileName("base.mdb"), "");
    EXPECT_EQ(db.StripFileName(""), "");
}

TEST(ObjectNames, DegenerateNamesRaiseInvalidArgument)
{
    DB_Dll db;
    for (const char* bad : {"-> c:\\x.mdb", "["}) {
        try {
            if (QString(bad).startsWith('['))
                db.StripBrackets(bad);
            else
                db.StripConnect(bad);
            ADD_FAILURE() << bad;
        } catch (const vb::Error& e) {
            EXPECT_EQ(e.number(), 5);
        }
    }
}

// Only a name reaches a statement: brackets and blanks come off and go back where a blank needs
// them; anything that could end the name or the statement gives no name at all.
TEST(ObjectNames, QuotableNamesAreNamesOnly)
{
    using data::ObjectNames;
    EXPECT_EQ(ObjectNames::QuotableName("TA_USUARIOS"), "TA_USUARIOS");
    EXPECT_EQ(ObjectNames::QuotableName("  ta_usuarios "), "ta_usuarios");
    EXPECT_EQ(ObjectNames::QuotableName("dbo.V_TA_Rubros"), "dbo.V_TA_Rubros");
    EXPECT_EQ(ObjectNames::QuotableName("[V_TA_Rubros]"), "V_TA_Rubros");
    EXPECT_EQ(ObjectNames::QuotableName("dbo.[Mi Tabla]"), "dbo.[Mi Tabla]");
    EXPECT_EQ(ObjectNames::QuotableName("Mi Tabla"), "[Mi Tabla]");
    EXPECT_EQ(ObjectNames::QuotableName("TA$#_Año1"), "TA$#_Año1");
    for (const char* bad : {"", " ", "[]", "[ ]", "dbo.", ".T", "T;DELETE FROM TA_USUARIOS", "T WHERE 1 = 1 --", "T'x",
                            "[T]]; DROP TABLE X --]", "T)", "T->c:\\x.mdb", "\"T\"", "T\nX"})
        EXPECT_EQ(ObjectNames::QuotableName(bad), "") << bad;
}

} // namespace

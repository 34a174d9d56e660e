#include "data/RestrictedViews.h"

#include "QStringPrinting.h"

#include <gtest/gtest.h>

namespace {

using data::RestrictedViews;

struct Case {
    const char* sql;
    const char* expected;
};

void check(const Case* cases, size_t count, const RestrictedViews::Context& context)
{
    for (size_t i = 0; i < count; ++i)
        EXPECT_EQ(RestrictedViews::rewrite(cases[i].sql, context), QString(cases[i].expected)) << cases[i].sql;
}

TEST(RestrictedViews, AdministratorsOnlyLoseTheMarkers)
{
    const Case cases[] = {
        {"SELECT * FROM @Admin_MA_CUENTAS WHERE x = 1", "SELECT * FROM MA_CUENTAS WHERE x = 1"},
        {"SELECT * FROM MA_CUENTAS WHERE x = 1", "SELECT * FROM MA_CUENTAS WHERE x = 1"},
        {"select * from @ADMIN_v_ta_cajas c", "select * from v_ta_cajas c"},
    };
    check(cases, std::size(cases), {true, true, "rp_quindal"});
}

TEST(RestrictedViews, NonAdministratorsReadTheRestrictedViews)
{
    const Case cases[] = {
        {"SELECT * FROM MA_CUENTAS WHERE x = 1", "SELECT * FROM SS_MA_CUENTAS WHERE x = 1"},
        {"SELECT * FROM ma_cuentas", "SELECT * FROM ma_cuentas"},                 // nothing after the name
        {"SELECT * FROM X,MA_CUENTAS WHERE 1=1", "SELECT * FROM X,MA_CUENTAS WHERE 1=1"},  // comma then blank
        {"SELECT MA_CUENTAS.Codigo FROM MA_CUENTAS\r\n", "SELECT SS_MA_CUENTAS.Codigo FROM MA_CUENTAS\r\n"},
        {"SELECT a.x FROM T a,MA_CUENTAS.y", "SELECT a.x FROM T a,SS_MA_CUENTAS.y"},
        {"{MA_CUENTAS.Codigo} = 'x'", "{SS_MA_CUENTAS.Codigo} = 'x'"},
        {"SELECT COUNT(V_TA_CAJAS.Id) FROM V_TA_CAJAS ", "SELECT COUNT(SS_V_TA_CAJAS.Id) FROM SS_V_TA_CAJAS "},
        {"SELECT * FROM AC_CUENTASDIARIO_CCOSTO WHERE 1=1", "SELECT * FROM SS_AC_CUENTAS_DIARIO_CCOSTO WHERE 1=1"},
        {"SELECT * FROM AC_CUENTASDIARIO WHERE 1=1", "SELECT * FROM SS_AC_CUENTASDIARIO WHERE 1=1"},
        {"SELECT * FROM (V_TA_FAMILIAS)", "SELECT * FROM (V_TA_FAMILIAS)"},
        {"SELECT * FROM (V_TA_FAMILIAS ) x", "SELECT * FROM (SS_V_TA_FAMILIAS ) x"},
        {"SELECT * FROM V_TA_DEPOSITO d", "SELECT * FROM SS_V_TA_DEPOSITO d"},
        {"SELECT * FROM @ADMIN_V_TA_CAJAS c", "SELECT * FROM V_TA_CAJAS c"},
        {"SELECT * FROM @Admin_MA_CUENTAS a JOIN MA_CUENTAS b ON 1=1",
         "SELECT * FROM MA_CUENTAS a JOIN MA_CUENTAS b ON 1=1"},
        {"SELECT * FROM @Admin_V_TA_CAJAS a JOIN MA_CUENTAS b ON 1=1",
         "SELECT * FROM V_TA_CAJAS a JOIN MA_CUENTAS b ON 1=1"},
        {"SELECT * FROM MV_ASIENTOS a JOIN MA_CUENTAS b ON 1=1",
         "SELECT * FROM SS_MV_ASIENTOS a JOIN SS_MA_CUENTAS b ON 1=1"},
    };
    check(cases, std::size(cases), {false, true, "rp_quindal"});
}

TEST(RestrictedViews, WithoutConfidentialityAJournalStatementKeepsEveryBaseName)
{
    const Case cases[] = {
        {"SELECT * FROM MV_ASIENTOS a JOIN MA_CUENTAS b ON 1=1", "SELECT * FROM MV_ASIENTOS a JOIN MA_CUENTAS b ON 1=1"},
        {"SELECT * FROM @admin_MV_ASIENTOS a", "SELECT * FROM MV_ASIENTOS a"},
        {"SELECT * FROM T a JOIN MA_CUENTAS b ON 1=1", "SELECT * FROM T a JOIN SS_MA_CUENTAS b ON 1=1"},
    };
    check(cases, std::size(cases), {false, false, "rp_quindal"});
}

TEST(RestrictedViews, SiblingProgramsKeepTheirBaseViews)
{
    RestrictedViews::depositoExemptPrograms() = {"FichaStock"};
    RestrictedViews::familiasExemptPrograms() = {"Transacciones"};
    const Case stockCard[] = {
        {"SELECT * FROM V_TA_DEPOSITO d", "SELECT * FROM V_TA_DEPOSITO d"},
        {"SELECT * FROM V_TA_FAMILIAS f", "SELECT * FROM SS_V_TA_FAMILIAS f"},
    };
    check(stockCard, std::size(stockCard), {false, true, "fichastock"});
    const Case transactions[] = {
        {"SELECT * FROM V_TA_DEPOSITO d", "SELECT * FROM SS_V_TA_DEPOSITO d"},
        {"SELECT * FROM V_TA_FAMILIAS f", "SELECT * FROM V_TA_FAMILIAS f"},
    };
    check(transactions, std::size(transactions), {false, true, "TRANSACCIONES"});
    RestrictedViews::depositoExemptPrograms().clear();
    RestrictedViews::familiasExemptPrograms().clear();
}

} // namespace

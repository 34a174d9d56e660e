// The F5 conditions: where they go in the caller's statement, how they are joined, how the
// typed text becomes a pattern, and that a typed text is never read as part of the statement.
#include "data/QStringPrinting.h"
#include "lookup/FilteredStatement.h"
#include "lookup/LookupFilter.h"

#include <gtest/gtest.h>

namespace {

using lookup::FilteredStatement;
using lookup::LookupFilter;

QString filtered(const QString& base, const QString& field, const QStringList& typed, bool anywhere)
{
    FilteredStatement statement(base);
    for (const QString& text : typed)
        statement.addCondition(LookupFilter::condition(base, field, text, anywhere));
    return statement.text();
}

TEST(FilteredStatement, ConditionsGoBeforeTheOrderOrGroupPartAndAddUp)
{
    const QString shown = QStringLiteral("SELECT Codigo,Descripcion FROM V_TA_X ORDER BY Codigo ");
    EXPECT_EQ(FilteredStatement(shown).text(), shown);
    EXPECT_EQ(filtered(shown, QStringLiteral("Descripcion"), {QStringLiteral("mesa roja")}, true),
              QStringLiteral("SELECT Codigo,Descripcion FROM V_TA_X  where Descripcion like '%mesa%roja%' ORDER BY Codigo "));
    EXPECT_EQ(filtered(shown, QStringLiteral("Descripcion"), {QStringLiteral("me*a"), QStringLiteral("x")}, false),
              QStringLiteral("SELECT Codigo,Descripcion FROM V_TA_X  where Descripcion like 'me%a%'  and Descripcion like 'x%' "
                             "ORDER BY Codigo "));

    // With both clauses the GROUP BY part and what follows it become the tail.
    const LookupFilter::Parts grouped =
        LookupFilter::split(QStringLiteral("select a, count(*) from t where x = 1 group by a order by a"));
    EXPECT_EQ(grouped.base, QStringLiteral("select a, count(*) from t where x = 1 "));
    EXPECT_EQ(grouped.tail, QStringLiteral("group by a order by a"));
    EXPECT_EQ(filtered(QStringLiteral("select a from t where x = 1 group by a"), QStringLiteral("a"), {QStringLiteral("b")}, false),
              QStringLiteral("select a from t where x = 1  and a like 'b%' group by a"));

    // "order" that is not "order by" leaves the statement whole.
    const LookupFilter::Parts whole = LookupFilter::split(QStringLiteral("select Orden from t"));
    EXPECT_EQ(whole.base, QStringLiteral("select Orden from t"));
    EXPECT_EQ(whole.tail, QString());

    // A date order goes last, and later conditions still go before it.
    FilteredStatement sorted(QStringLiteral("select TC, Fecha from C_MV_CPTE "));
    sorted.setOrder(QStringLiteral(" order by Fecha"));
    sorted.addCondition(QStringLiteral("TC like 'R%' "));
    EXPECT_EQ(sorted.text(), QStringLiteral("select TC, Fecha from C_MV_CPTE  where TC like 'R%'  order by Fecha"));
}

TEST(FilteredStatement, ClauseWordsOfATypedTextStayInsideItsLiteral)
{
    const QString base = QStringLiteral("select Razon_Social from VT_PROVEEDORES order by Razon_Social");
    EXPECT_EQ(filtered(base, QStringLiteral("Razon_Social"), {QStringLiteral("O where order by"), QStringLiteral("' OR 1=1 --")},
                       false),
              QStringLiteral("select Razon_Social from VT_PROVEEDORES  where Razon_Social like 'O where order by%'  and "
                             "Razon_Social like ''' OR 1=1 --%' order by Razon_Social"));

    FilteredStatement sorted(QStringLiteral("select TC, Fecha from C_MV_CPTE "));
    sorted.addCondition(LookupFilter::condition(sorted.base(), QStringLiteral("TC"), QStringLiteral("group by"), false));
    sorted.setOrder(QStringLiteral(" order by Fecha"));
    sorted.addCondition(LookupFilter::condition(sorted.base(), QStringLiteral("TC"), QStringLiteral("'--"), false));
    EXPECT_EQ(sorted.text(), QStringLiteral("select TC, Fecha from C_MV_CPTE  where TC like 'group by%'  and TC like '''--%'  "
                                            "order by Fecha"));
}

TEST(LookupFilter, ArticleViewsQualifyTheField)
{
    EXPECT_EQ(LookupFilter::fieldPrefix(QStringLiteral("select x from STK_MA_ARTICULOS")), QStringLiteral("stk_ma_articulos."));
    EXPECT_EQ(LookupFilter::fieldPrefix(QStringLiteral("select x from V_MA_ARTICULOS")), QStringLiteral("v_ma_articulos."));
    EXPECT_EQ(LookupFilter::fieldPrefix(QStringLiteral("select x from VT_MA_ARTICULOS")), QString());
    EXPECT_EQ(filtered(QStringLiteral("select Descripcion from STK_MA_ARTICULOS where Stock > 0"), QStringLiteral("Descripcion"),
                       {QStringLiteral("tuerca")}, false),
              QStringLiteral("select Descripcion from STK_MA_ARTICULOS where Stock > 0 and stk_ma_articulos.Descripcion like 'tuerca%' "));
    // The view named in a typed text qualifies nothing.
    EXPECT_EQ(LookupFilter::condition(QStringLiteral("select x from MA_CUENTAS"), QStringLiteral("x"),
                                      QStringLiteral("v_ma_articulos"), false),
              QStringLiteral("x like 'v[_]ma[_]articulos%' "));
}

TEST(LookupFilter, TypedTextIsLiteralExceptTheWildcardOfEachMode)
{
    EXPECT_EQ(LookupFilter::pattern(QStringLiteral("O'Neil 50%"), true), QStringLiteral("%O''Neil%50[%]%"));
    EXPECT_EQ(LookupFilter::pattern(QStringLiteral("a_b*c [d]"), false), QStringLiteral("a[_]b%c [[]d]%"));
    EXPECT_EQ(LookupFilter::pattern(QStringLiteral("a*b"), true), QStringLiteral("%a*b%"));
}

} // namespace

// The F5 condition: where it goes in the statement shown, how it is joined, and how the typed
// text becomes a pattern.
#include "data/QStringPrinting.h"
#include "lookup/LookupFilter.h"

#include <gtest/gtest.h>

namespace {

using lookup::LookupFilter;

TEST(LookupFilter, TheConditionGoesBeforeTheOrderOrGroupPart)
{
    const QString shown = QStringLiteral("SELECT Codigo,Descripcion FROM V_TA_X ORDER BY Codigo ");
    EXPECT_EQ(LookupFilter::apply(shown, QStringLiteral("Descripcion"), QStringLiteral("mesa roja"), true),
              QStringLiteral("SELECT Codigo,Descripcion FROM V_TA_X  where Descripcion like '%mesa%roja%' ORDER BY Codigo "));
    EXPECT_EQ(LookupFilter::apply(shown, QStringLiteral("Descripcion"), QStringLiteral("me*a"), false),
              QStringLiteral("SELECT Codigo,Descripcion FROM V_TA_X  where Descripcion like 'me%a%' ORDER BY Codigo "));

    // With both clauses the GROUP BY part and what follows it become the tail.
    const LookupFilter::Parts grouped =
        LookupFilter::split(QStringLiteral("select a, count(*) from t where x = 1 group by a order by a"));
    EXPECT_EQ(grouped.base, QStringLiteral("select a, count(*) from t where x = 1 "));
    EXPECT_EQ(grouped.tail, QStringLiteral("group by a order by a"));
    EXPECT_EQ(LookupFilter::apply(QStringLiteral("select a from t where x = 1 group by a"), QStringLiteral("a"),
                                  QStringLiteral("b"), false),
              QStringLiteral("select a from t where x = 1  and a like 'b%' group by a"));

    // "order" that is not "order by" leaves the statement whole.
    const LookupFilter::Parts whole = LookupFilter::split(QStringLiteral("select Orden from t"));
    EXPECT_EQ(whole.base, QStringLiteral("select Orden from t"));
    EXPECT_EQ(whole.tail, QString());
}

TEST(LookupFilter, ArticleViewsQualifyTheField)
{
    EXPECT_EQ(LookupFilter::fieldPrefix(QStringLiteral("select x from STK_MA_ARTICULOS")), QStringLiteral("stk_ma_articulos."));
    EXPECT_EQ(LookupFilter::fieldPrefix(QStringLiteral("select x from V_MA_ARTICULOS")), QStringLiteral("v_ma_articulos."));
    EXPECT_EQ(LookupFilter::fieldPrefix(QStringLiteral("select x from VT_MA_ARTICULOS")), QString());
    EXPECT_EQ(LookupFilter::apply(QStringLiteral("select Descripcion from STK_MA_ARTICULOS where Stock > 0"),
                                  QStringLiteral("Descripcion"), QStringLiteral("tuerca"), false),
              QStringLiteral("select Descripcion from STK_MA_ARTICULOS where Stock > 0 and stk_ma_articulos.Descripcion like 'tuerca%' "));
}

TEST(LookupFilter, TypedTextIsLiteralExceptTheWildcardOfEachMode)
{
    EXPECT_EQ(LookupFilter::pattern(QStringLiteral("O'Neil 50%"), true), QStringLiteral("%O''Neil%50[%]%"));
    EXPECT_EQ(LookupFilter::pattern(QStringLiteral("a_b*c [d]"), false), QStringLiteral("a[_]b%c [[]d]%"));
    EXPECT_EQ(LookupFilter::pattern(QStringLiteral("a*b"), true), QStringLiteral("%a*b%"));
}

} // namespace

// The texts the box builds: search statements, stored codes, the database name of a
// connection string and the addition question.
#include "CodeBoxFixture.h"

#include "codebox/CodeText.h"
#include "codebox/SearchStatement.h"
#include "vb/Error.h"

using codebox::CodeText;
using codebox::SearchRequest;
using codebox::SearchStatement;

TEST(SearchStatementText, BlanksMatchAnyRunAndTheFilterFollowsTheParentheses)
{
    const SearchRequest clients{QStringLiteral("tor ace"), QString(), QStringLiteral("VT_CLIENTES"), QStringLiteral("Razon_Social"),
                                QStringLiteral("Codigo"), QStringLiteral("and Dada_De_Baja = 0")};
    EXPECT_EQ(SearchStatement::build(clients),
              QStringLiteral("select top 100 Razon_Social,Codigo from VT_CLIENTES where (Razon_Social like '%tor%ace%' or "
                             "Codigo like '%tor%ace%' )  and Dada_De_Baja = 0 order by Razon_Social"));
}

TEST(SearchStatementText, ModelsAreGroupedByNameAndAPriceListSearchesPricedArticles)
{
    const SearchRequest models{QStringLiteral("corsa"), QString(), QStringLiteral("ma_modelos"), QStringLiteral("NOMBRE"),
                               QStringLiteral("NOMBRE"), QString()};
    EXPECT_EQ(SearchStatement::build(models),
              QStringLiteral("select top 100 NOMBRE from MA_MODELOS where NOMBRE like '%corsa%'  GROUP BY NOMBRE "));
    // A price list turns any binding into the article search, the list code in its stored width.
    const SearchRequest priced{QStringLiteral("cable"), QStringLiteral("1"), QStringLiteral("V_TA_Rubros"), QStringLiteral("DESCRIPCION"),
                               QStringLiteral("IDRubro"), QStringLiteral("and SUSPENDIDO = 0")};
    EXPECT_EQ(SearchStatement::build(priced),
              QStringLiteral("select top 100 DESCRIPCION, v_ma_articulos.IDarticulo from v_ma_articulos inner join v_ma_precios "
                             "on v_ma_articulos.idarticulo = v_ma_precios.idarticulo and idlista = '   1'   where "
                             "(v_ma_articulos.idarticulo like '%cable%' or Descripcion like '%cable%')  and SUSPENDIDO = 0 "
                             "order by DESCRIPCION "));
}

TEST(SearchStatementText, TypedApostrophesAndWildcardsStayText)
{
    EXPECT_EQ(SearchStatement::pattern(QStringLiteral("d'or 50%")), QStringLiteral("d''or%50[%]"));
    EXPECT_EQ(SearchStatement::pattern(QStringLiteral("a_b [x]")), QStringLiteral("a[_]b%[[]x]"));
    const SearchRequest priced{QStringLiteral("x"), QStringLiteral("L'1"), QStringLiteral("V_MA_ARTICULOS"), QStringLiteral("DESCRIPCION"),
                               QStringLiteral("IDARTICULO"), QString()};
    EXPECT_TRUE(SearchStatement::build(priced).contains(QStringLiteral("idlista = 'L''1'")));
}

TEST(CodeTextRules, CodesInTheirStoredWidth)
{
    EXPECT_EQ(CodeText::FmtLeerCodigo(QStringLiteral("7"), 4), QStringLiteral("   7"));
    EXPECT_EQ(CodeText::FmtLeerCodigo(QStringLiteral(" 12 "), 4), QStringLiteral("  12"));
    EXPECT_EQ(CodeText::FmtLeerCodigo(QStringLiteral("007")), QStringLiteral("007"));
    EXPECT_EQ(CodeText::FmtLeerCodigo(QStringLiteral("X1"), 6), QStringLiteral("X1"));
    EXPECT_EQ(CodeText::FmtLeerCodigo(QStringLiteral("AB "), 4), QStringLiteral("AB"));
    EXPECT_EQ(CodeText::FmtLeerCodigo(QStringLiteral("123456"), 4), QStringLiteral("1234"));   // only its leftmost characters
    EXPECT_EQ(CodeText::FmtLeerCodigo(QStringLiteral("5"), 0), QStringLiteral("5"));             // no width: its own length
    EXPECT_EQ(CodeText::FieldVal(vb::Variant::null()), QString());
    EXPECT_EQ(CodeText::FieldVal(vb::Variant(42)), QStringLiteral("42"));
}

TEST(CodeTextRules, DatabaseNameOfAConnectionString)
{
    EXPECT_EQ(CodeText::databaseName(QStringLiteral("Provider=SQLOLEDB;Database =Gestion;Connect Timeout=5")), QStringLiteral("Gestion"));
    EXPECT_EQ(CodeText::databaseName(QStringLiteral("Server=x;DATABASE= Gestion;")), QStringLiteral(" Gestion"));
    EXPECT_EQ(CodeText::databaseName(QStringLiteral("Server=x;Database=Gestion")), QString());   // no ";" after the item
    try {
        CodeText::databaseName(QStringLiteral("Server=x;Catalog=Gestion;"));
        FAIL() << "a string without a database item raises";
    } catch (const vb::Error& e) {
        EXPECT_EQ(e.number(), 5);
    }
}

TEST(CodeTextRules, TheAdditionQuestionShowsTheTableWithoutItsPrefix)
{
    EXPECT_EQ(CodeText::additionQuestion(QStringLiteral("V_TA_Rubros")), QStringLiteral("Rubros\r\nDesea dar de alta un registro nuevo?"));
    EXPECT_EQ(CodeText::additionQuestion(QStringLiteral("v_ma_mantenimientos")),
              QStringLiteral("mantenimientos\r\nDesea dar de alta un registro nuevo?"));
    EXPECT_EQ(CodeText::additionQuestion(QStringLiteral("TA_PAISES")), QStringLiteral("PAISES\r\nDesea dar de alta un registro nuevo?"));
}

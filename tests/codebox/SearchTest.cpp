// Each keystroke's search on the demo database: the statement sent, the rows listed, the
// cap of 100 lines, typed apostrophes and wildcards, and a failing search.
#include "CodeBoxFixture.h"

#include "ado/SchemaCache.h"
#include "ado/TsqlDialectTranslator.h"
#include "ado/SqliteSupport.h"
#include "ado/TestHooks.h"
#include "codebox/SearchTextBox.h"

#include <QListWidget>
#include <sqlite3.h>

class Search : public CodeBoxFixture {
protected:
    // SQLite's plan of a statement as the embedded engine translates it, read on a handle of
    // its own over the same file.
    QStringList queryPlan(const QString& statement) const
    {
        sqlite3* raw = nullptr;
        const QByteArray file = demo.databasePath().toUtf8();
        if (sqlite3_open_v2(file.constData(), &raw, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
            sqlite3_close(raw);
            return {QStringLiteral("cannot open ") + demo.databasePath()};
        }
        ado::prepareSqliteConnection(raw);
        ado::SchemaCache schema;
        schema.refresh(raw);
        QStringList plan;
        for (const ado::TranslatedStatement& step : ado::TsqlDialectTranslator(&schema).translate(statement)) {
            if (step.kind != ado::TranslatedStatement::Query)
                continue;
            const QByteArray explain = ("EXPLAIN QUERY PLAN " + step.sql).toUtf8();
            sqlite3_stmt* stmt = nullptr;
            if (sqlite3_prepare_v2(raw, explain.constData(), -1, &stmt, nullptr) != SQLITE_OK)
                plan << QStringLiteral("error: ") + QString::fromUtf8(sqlite3_errmsg(raw));
            while (stmt && sqlite3_step(stmt) == SQLITE_ROW)
                plan << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 3)));
            sqlite3_finalize(stmt);
        }
        sqlite3_close(raw);
        return plan;
    }

    void SetUp() override { ASSERT_TRUE(bind(QStringLiteral("V_TA_Rubros"))); statements.clear(); }
    static QString line(const QString& description, const QString& code) { return description + QString(50, u' ') + code; }
};

TEST_F(Search, EachKeystrokeRunsOneStatementAndListsDescriptionAndCode)
{
    type(QStringLiteral("elec"));
    ASSERT_EQ(statements.size(), 4);
    EXPECT_EQ(statements.last(), QStringLiteral("select top 100 DESCRIPCION,IDRubro from V_TA_Rubros where (DESCRIPCION like '%elec%' "
                                                 "or IDRubro like '%elec%' )   order by DESCRIPCION"));
    EXPECT_EQ(lines(), QStringList({line(QStringLiteral("Electricidad"), QStringLiteral("   2"))}));
    EXPECT_FALSE(box->LstBusqueda()->isHidden());
    EXPECT_EQ(box->TextoIngresado, QStringLiteral("elec"));
    EXPECT_EQ(box->CodigoNoConfirmado, QStringLiteral("elec"));
    EXPECT_TRUE(box->Buscar.isEmpty());   // emptied when the search ends
    // A code matches as well as a description, in description order.
    box->TxtBusqueda()->clear();
    type(QStringLiteral("   "));
    EXPECT_EQ(lines().size(), 3);
    EXPECT_TRUE(lines().first().startsWith(QStringLiteral("Electricidad")));
}

TEST_F(Search, BlanksMatchAnyRunOfCharacters)
{
    run(QStringLiteral("INSERT INTO V_TA_Rubros (IDRubro, Descripcion) VALUES ('  10', 'TORNILLO DE ACERO')"));
    type(QStringLiteral("tor ace"));
    EXPECT_EQ(lines(), QStringList({line(QStringLiteral("TORNILLO DE ACERO"), QStringLiteral("  10"))}));
    EXPECT_TRUE(statements.last().contains(QStringLiteral("like '%tor%ace%'")));
}

TEST_F(Search, AnApostropheOrAWildcardIsSearchedAsTyped)
{
    run(QStringLiteral("INSERT INTO V_TA_Rubros (IDRubro, Descripcion) VALUES ('  11', 'Llaves d''Or')"));
    run(QStringLiteral("INSERT INTO V_TA_Rubros (IDRubro, Descripcion) VALUES ('  12', 'Descuento 50% contado')"));
    run(QStringLiteral("INSERT INTO V_TA_Rubros (IDRubro, Descripcion) VALUES ('  13', 'Descuento 500 contado')"));
    type(QStringLiteral("d'or"));
    EXPECT_TRUE(statements.last().contains(QStringLiteral("like '%d''or%'")));
    EXPECT_EQ(lines(), QStringList({line(QStringLiteral("Llaves d'Or"), QStringLiteral("  11"))}));
    EXPECT_TRUE(boxes().isEmpty());
    box->TxtBusqueda()->clear();
    type(QStringLiteral("50%"));
    EXPECT_EQ(lines(), QStringList({line(QStringLiteral("Descuento 50% contado"), QStringLiteral("  12"))}));
    box->TxtBusqueda()->clear();
    type(QStringLiteral("to_"));
    EXPECT_TRUE(lines().isEmpty());   // "_" is no wildcard either
}

TEST_F(Search, AtMostOneHundredLinesInDescriptionOrder)
{
    run(QStringLiteral("BEGIN TRAN"));
    for (int i = 120; i >= 1; --i)
        run(QStringLiteral("INSERT INTO V_TA_Rubros (IDRubro, Descripcion) VALUES ('%1', 'Rubro %2')")
                .arg(i + 100, 4).arg(i, 3, 10, QLatin1Char('0')));
    run(QStringLiteral("COMMIT"));
    type(QStringLiteral("rubro"));
    const QStringList found = lines();
    ASSERT_EQ(found.size(), 100);
    EXPECT_EQ(found.first(), line(QStringLiteral("Rubro 001"), QStringLiteral(" 101")));
    EXPECT_EQ(found.last(), line(QStringLiteral("Rubro 100"), QStringLiteral(" 200")));
}

TEST_F(Search, NoMatchLeavesTheListEmptyAndShown)
{
    type(QStringLiteral("zzz"));
    EXPECT_TRUE(lines().isEmpty());
    EXPECT_FALSE(box->LstBusqueda()->isHidden());
    EXPECT_FALSE(box->lastSearchFailed());
}

TEST_F(Search, AnEmptyTextOrAnUnboundBoxSearchesNothing)
{
    type(QStringLiteral("e"));
    ASSERT_FALSE(lines().isEmpty());
    statements.clear();
    press(Qt::Key_Backspace);
    EXPECT_TRUE(lines().isEmpty());
    EXPECT_TRUE(statements.isEmpty());
    codebox::BusquedaCodigo unbound;
    unbound.setStatementObserver([this](const QString& sql) { statements << sql; });
    unbound.TxtBusqueda()->setText(QStringLiteral("abc"));
    EXPECT_TRUE(statements.isEmpty());
    EXPECT_TRUE(unbound.Buscar.isEmpty());
    EXPECT_EQ(unbound.TextoIngresado, QStringLiteral("abc"));
}

TEST_F(Search, ATableWithoutAColumnRuleSearchesNothing)
{
    EXPECT_TRUE(bind(QStringLiteral("VT_MA_ARTICULOS")));   // the original kept the last binding's columns
    statements.clear();
    type(QStringLiteral("elec"));
    EXPECT_TRUE(statements.isEmpty());
    EXPECT_TRUE(lines().isEmpty());
}

TEST_F(Search, ModelsAreListedOnceByName)
{
    run(QStringLiteral("INSERT INTO MA_MODELOS (NOMBRE, Marca) VALUES ('Corsa', 'Chevrolet')"));
    run(QStringLiteral("INSERT INTO MA_MODELOS (NOMBRE, Marca) VALUES ('Corsa', 'Opel')"));
    ASSERT_TRUE(bind(QStringLiteral("MA_MODELOS")));
    type(QStringLiteral("cor"));
    EXPECT_EQ(lines(), QStringList({line(QStringLiteral("Corsa"), QStringLiteral("Corsa"))}));
}

TEST_F(Search, APriceListListsOnlyArticlesPricedInIt)
{
    run(QStringLiteral("INSERT INTO MA_ARTICULOS (IdArticulo, Descripcion, SUSPENDIDO) VALUES ('ZZ-1', 'Prensa hidraulica', 0)"));
    run(QStringLiteral("INSERT INTO MA_ARTICULOS (IdArticulo, Descripcion, SUSPENDIDO) VALUES ('ZZ-2', 'Prensa manual', 0)"));
    run(QStringLiteral("INSERT INTO V_MA_PRECIOS (IdArticulo, IdLista, Precio, Moneda) VALUES ('ZZ-2', '   3', 10, '1')"));
    box->idLista = QStringLiteral("3");
    ASSERT_TRUE(bind(QStringLiteral("V_MA_ARTICULOS")));
    type(QStringLiteral("prensa"));
    EXPECT_EQ(lines(), QStringList({line(QStringLiteral("Prensa manual"), QStringLiteral("ZZ-2"))}));
}

// Articles priced in the list, not suspended, case and "Ñ" ordered as the server orders them,
// whatever the order they were written in or their codes: the first hundred of them.
TEST_F(Search, APriceListListsTheFirstHundredPricedArticlesInDescriptionOrder)
{
    QStringList expected;
    auto article = [&](const QString& code, const QString& description, const QString& list, bool suspended = false) {
        run(QStringLiteral("INSERT INTO MA_ARTICULOS (IdArticulo, Descripcion, SUSPENDIDO) VALUES ('%1', '%2', %3)")
                .arg(code, description).arg(suspended ? 1 : 0));
        if (!list.isEmpty())
            run(QStringLiteral("INSERT INTO V_MA_PRECIOS (IdArticulo, IdLista, Precio, Moneda) VALUES ('%1', '%2', 10, '1')").arg(code, list));
        return list == QLatin1String("   3") && !suspended;
    };
    run(QStringLiteral("BEGIN TRAN"));
    QStringList numbered(121);
    for (int i = 120; i >= 1; --i) {
        const QString description = (i % 2 ? QStringLiteral("morsa %1") : QStringLiteral("MORSA %1")).arg(i, 3, 10, QLatin1Char('0'));
        const QString code = QStringLiteral("MO-%1").arg(121 - i, 3, 10, QLatin1Char('0'));
        const QString list = i % 10 == 0 ? QString() : i == 15 ? QStringLiteral("   4") : QStringLiteral("   3");
        if (article(code, description, list, i == 25))
            numbered[i] = line(description, code);
    }
    for (const auto& [code, description] : {std::pair{"MO-903", "Morsa 050 O"}, {"MO-901", "Morsa 050 N"}, {"MO-902", "Morsa 050 Ñ"}})
        article(QString::fromLatin1(code), QString::fromUtf8(description), QStringLiteral("   3"));
    run(QStringLiteral("COMMIT"));
    for (int i = 1; i <= 120; ++i) {
        if (!numbered[i].isEmpty())
            expected << numbered[i];
        if (i == 49)
            expected << line(QStringLiteral("Morsa 050 N"), QStringLiteral("MO-901")) << line(QStringLiteral("Morsa 050 Ñ"), QStringLiteral("MO-902"))
                     << line(QStringLiteral("Morsa 050 O"), QStringLiteral("MO-903"));
    }
    expected = expected.mid(0, 100);
    box->idLista = QStringLiteral("3");
    ASSERT_TRUE(bind(QStringLiteral("V_MA_ARTICULOS")));
    type(QStringLiteral("mors"));
    EXPECT_EQ(lines(), expected);
    EXPECT_EQ(expected.last(), line(QStringLiteral("morsa 109"), QStringLiteral("MO-012")));
}

// The article search reads the articles in description order through their index and stops at
// the hundredth match: sorting every match instead is what made each keystroke too slow on a
// large article table.
TEST_F(Search, TheArticleSearchWalksTheDescriptionIndexWithoutSorting)
{
    for (const QString& list : {QString(), QStringLiteral("1")}) {
        box->idLista = list;
        ASSERT_TRUE(bind(QStringLiteral("V_MA_ARTICULOS")));
        statements.clear();
        type(QStringLiteral("a"));
        ASSERT_EQ(statements.size(), 1);
        const QStringList plan = queryPlan(statements.last());
        EXPECT_EQ(plan.filter(QStringLiteral("SCAN MA_ARTICULOS USING INDEX IX_MA_ARTICULOS_Descripcion")).size(), 1)
            << qPrintable(plan.join(u'\n'));
        EXPECT_TRUE(plan.filter(QStringLiteral("TEMP B-TREE")).isEmpty()) << qPrintable(plan.join(u'\n'));
        box->TxtBusqueda()->clear();
    }
}

TEST_F(Search, AFailedSearchIsReportedAndNeverTakenForNoMatch)
{
    type(QStringLiteral("elec"));
    ASSERT_FALSE(lines().isEmpty());
    ado::TestHooks::failNextOperations(1);
    dialogs.pushMsgBoxAnswer(ui::vbAbort);
    type(QStringLiteral("x"));
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_TRUE(boxes().first().title.endsWith(QStringLiteral(" - Busqueda Aviso al operador!!! ")));
    EXPECT_TRUE(box->lastSearchFailed());
    EXPECT_TRUE(box->LstBusqueda()->isHidden());
    // Five characters, no line and the add image shown: after a real "no match" Enter would
    // ask to add the row; after a failure it only hands over the text.
    press(Qt::Key_Return);
    EXPECT_EQ(boxes().size(), 1);
    EXPECT_EQ(codes, QStringList({QStringLiteral("elecx")}));
}

TEST_F(Search, RetryRunsTheFailedSearchAgain)
{
    ado::TestHooks::failNextOperations(1);
    dialogs.pushMsgBoxAnswer(ui::vbRetry);
    type(QStringLiteral("l"));
    EXPECT_EQ(boxes().size(), 1);
    EXPECT_FALSE(box->lastSearchFailed());
    EXPECT_EQ(lines().size(), 2);   // Electricidad, Lubricantes
}

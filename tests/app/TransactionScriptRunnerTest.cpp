#include "AppTestBase.h"

#include "ado/Connection.h"
#include "ado/Errors.h"
#include "ado/TestHooks.h"
#include "app/TransactionScriptRunner.h"
#include "app/StatementBuilder.h"
#include "data/SessionValues.h"

namespace {

using Kind = ui::ScriptedDialogService::Kind;

// ---------------------------------------------------------------- statements

using StatementBuilder = AppTestBase;     // the column list starts empty: the base resets it

TEST_F(StatementBuilder, InsertTextsWithQuotedTextsNumbersAndNull)
{
    QStringList script{QString()};
    QString user = "O'Neil";
    QString where;
    app::AgregarCampo("A", "x", "'", true);
    app::AgregarCampo("B", "2", "@", false);
    app::AgregarCampo("C", "nUlL", "'", false);
    app::AgregarCampo("D", user, "'", false);
    app::AgregarCampo("E", "", "'", false);
    app::ArmarSentencia(app::gCampos(), script, "T", false, where, false);
    EXPECT_EQ(script, (QStringList{"", "INSERT INTO T (A,B,C,D,E) VALUES ('x',2,Null,'O''Neil','')"}));
    EXPECT_EQ(user, "O'Neil");   // the caller's variable keeps its apostrophe
    EXPECT_EQ(where, "");
}

TEST_F(StatementBuilder, UpdateTextsAndTheWhereRule)
{
    QStringList script;
    const auto update = [&](QString& where) {
        app::AgregarCampo("A", "x", "'", true);
        app::AgregarCampo("B", "2", "@", false);
        app::ArmarSentencia(app::gCampos(), script, "T", true, where, false);
        return script.last();
    };
    QString bare = "Id = 1";
    EXPECT_EQ(update(bare), "UPDATE T SET A = 'x',B = 2  WHERE Id = 1");
    EXPECT_EQ(bare, " WHERE Id = 1");
    QString inner = "Id IN (SELECT Id FROM U where Z = 1)";   // "where" anywhere counts
    EXPECT_EQ(update(inner), "UPDATE T SET A = 'x',B = 2 Id IN (SELECT Id FROM U where Z = 1)");
    EXPECT_EQ(inner, "Id IN (SELECT Id FROM U where Z = 1)");
    QString empty;
    EXPECT_EQ(update(empty), "UPDATE T SET A = 'x',B = 2  WHERE ");
    EXPECT_EQ(script.size(), 3);
}

TEST_F(StatementBuilder, TheListProtocolOfClearingAndKeeping)
{
    QStringList script;
    QString where = "WHERE K = 1";
    app::AgregarCampo("A", "1", "@", true);
    app::ArmarSentencia(app::gCampos(), script, "T", false, where, true);
    app::ArmarSentencia(app::gCampos(), script, "T", true, where, false);   // the kept pair again
    EXPECT_EQ(script, (QStringList{"INSERT INTO T (A) VALUES (1)", "UPDATE T SET A = 1 WHERE K = 1"}));
    // Flushed without keeping: one blank pair is left, so a pair added without starting anew
    // lands after it.
    ASSERT_EQ(app::gCampos().size(), 1);
    app::AgregarCampo("B", "2", "@", false);
    QString values;
    app::ArmarValores(values, app::gCampos(), true);
    EXPECT_EQ(values, "(,B) VALUES (,2)");
    EXPECT_TRUE(app::gCampos().isEmpty());
    // An emptied list takes no further pair until a statement starts anew.
    try {
        app::AgregarCampo("C", "3", "@", false);
        FAIL() << "no error";
    } catch (const vb::Error& e) {
        EXPECT_EQ(e.number(), 9);
    }
    QString head = "INSERT INTO X ";
    app::AgregarCampo("C", "3", "@", true);
    app::ArmarValores(head, app::gCampos(), false);
    EXPECT_EQ(head, "INSERT INTO X (C) VALUES (3)");
    EXPECT_EQ(app::gCampos().size(), 1);
}

TEST_F(StatementBuilder, OnSqlServerTextsAreNotAdapted)
{
    db->configure([&](data::DbSettings& s) { s.gConnString = "PROVIDER=SQLOLEDB;Server=srv;Database =DEMO"; });
    for (const char* text : {"len", "Select TOP 1 * from T", "SELECT TOP 5 Codigo FROM T"})
        EXPECT_EQ(app::AdaptarSQLMotor(text), text);
}

TEST_F(StatementBuilder, OnOracleLenAndTopAreAdapted)
{
    db->configure([&](data::DbSettings& s) { s.gConnString = "Provider=OraOLEDB.Oracle.1;Data Source=DEMO;User Id=u;Password=p;"; });
    EXPECT_EQ(app::AdaptarSQLMotor("len"), "LENGTH");
    EXPECT_EQ(app::AdaptarSQLMotor(" Len "), "LENGTH");
    EXPECT_EQ(app::AdaptarSQLMotor("LEN(Codigo)"), "LEN(Codigo)");
    EXPECT_EQ(app::AdaptarSQLMotor("Codigo"), "Codigo");
    EXPECT_EQ(app::AdaptarSQLMotor("Select TOP 1 * from T"), "Select  *  from T WHERE ROWNUM <=  1 ");
    // An existing condition is kept whole and joined with AND, before the ordering.
    EXPECT_EQ(app::AdaptarSQLMotor("SELECT TOP 5 * FROM T WHERE A = 1 OR B = 2 ORDER BY C"),
              "SELECT  *  FROM T WHERE (A = 1 OR B = 2) AND ROWNUM <=  5  ORDER BY C");
    EXPECT_EQ(app::AdaptarSQLMotor("SELECT TOP 5 * FROM T ORDER BY C"), "SELECT  *  FROM T  WHERE ROWNUM <=  5 ORDER BY C");
    // A condition inside a sub-query is not the query's own.
    EXPECT_EQ(app::AdaptarSQLMotor("select top 2 * from (select * from U where Z = 'a where') q"),
              "select  *  from (select * from U where Z = 'a where') q WHERE ROWNUM <=  2 ");
    // "top" that is no TOP of a SELECT is left alone.
    for (const char* text : {"SELECT Codigo FROM Laptop WHERE stop = 1", "UPDATE T SET top = 1"})
        EXPECT_EQ(app::AdaptarSQLMotor(text), text);
    try {
        app::AdaptarSQLMotor("SELECT TOP 5 Codigo FROM T");
        FAIL() << "no error";
    } catch (const vb::Error& e) {
        EXPECT_EQ(e.number(), 5);
    }
}

// ---------------------------------------------------------------- batches

class TransactionScriptRunner : public AppTestBase {
protected:
    void SetUp() override
    {
        openDemo();
        data::gUsuarioActual = "COMPRAS";
    }

    void run(const QStringList& script, bool toleraDuplicado = false, bool toleraReferencia = false, bool mostrar = true)
    {
        app::GActualizarDatoScript(script, fallo, numError, toleraDuplicado, toleraReferencia, ejecutado, mensaje, mostrar);
    }
    int menuRows(const QString& clave)
    {
        return scalar(QStringLiteral("SELECT COUNT(*) FROM TA_MENU WHERE Clave = '%1'").arg(clave)).toLong();
    }
    int errorRows() { return scalar("SELECT COUNT(*) FROM AUX_ERR").toLong(); }
    QString lastError(const QString& column)
    {
        return scalar(QStringLiteral("SELECT TOP 1 %1 FROM AUX_ERR ORDER BY Id DESC").arg(column)).toString();
    }
    static QString insertMenu(const QString& clave)
    {
        return QStringLiteral("INSERT INTO TA_MENU (Clave, Nombre) VALUES ('%1', 'prueba')").arg(clave);
    }

    bool fallo = true;
    std::int32_t numError = 77;
    QString ejecutado = "before";
    QString mensaje = "before";
};

TEST_F(TransactionScriptRunner, AScriptOfBlankElementsRunsNothing)
{
    run({"", "   ", ""});
    EXPECT_FALSE(fallo);
    EXPECT_EQ(numError, 77);
    EXPECT_EQ(ejecutado, "before");
    EXPECT_TRUE(handed.isEmpty());
}

TEST_F(TransactionScriptRunner, StatementsRunAsOneBatchAndCommit)
{
    run({"", insertMenu("X1"), "  ", insertMenu("X2")});
    const QString batch = "BEGIN TRANSACTION \r\r\r" + insertMenu("X1") + "\r" + insertMenu("X2") + "\r";
    EXPECT_EQ(handed, (QStringList{batch, "COMMIT TRANSACTION"}));
    EXPECT_EQ(ejecutado, batch);
    EXPECT_FALSE(fallo);
    EXPECT_EQ(numError, 0);
    EXPECT_EQ(mensaje, "before");
    EXPECT_EQ(menuRows("X1") + menuRows("X2"), 2);
    EXPECT_EQ(errorRows(), 0);
    EXPECT_TRUE(boxes().isEmpty());
}

TEST_F(TransactionScriptRunner, ABatchThatFailsHalfWayRollsBackAndLeavesItsErrorRow)
{
    dialogs.pushMsgBoxAnswer(ui::vbOK);
    run({"", insertMenu("X1"), insertMenu("C01")});   // C01 exists already
    EXPECT_TRUE(fallo);
    EXPECT_EQ(numError, 2627);
    EXPECT_EQ(handed, (QStringList{ejecutado, "ROLLBACK TRANSACTION", "select  top 1 * from AUX_ERR  with(nolock) "}));
    EXPECT_EQ(menuRows("X1"), 0);
    ASSERT_TRUE(mensaje.startsWith("2627 : "));
    EXPECT_TRUE(mensaje.endsWith("\r\n"));
    EXPECT_EQ(mensaje.count("\r\n"), 1);

    ASSERT_EQ(errorRows(), 1);
    EXPECT_EQ(lastError("Proceso"), "rp_quindal");
    EXPECT_EQ(lastError("Error"), "2627");
    EXPECT_EQ(lastError("Descripcion"), mensaje);
    EXPECT_EQ(lastError("sql"), ejecutado);
    EXPECT_EQ(lastError("Usuario"), "COMPRAS");

    ASSERT_EQ(boxes().size(), 1);
    EXPECT_EQ(boxes()[0].text, mensaje);
    EXPECT_EQ(boxes()[0].title, "Aviso al Operador!");
    EXPECT_EQ(boxes()[0].icon, ui::vbCritical);
    EXPECT_EQ(boxes()[0].buttons, QList<int>{ui::vbOK});
}

// Nothing reaches the database and nothing lands in the connection's error collection: the
// batch still fails, and says why.
TEST_F(TransactionScriptRunner, ABatchThatNeverRanIsAFailedBatch)
{
    db->gCnn()->Close();
    dialogs.pushMsgBoxAnswer(ui::vbOK);
    run({insertMenu("X1")});
    EXPECT_TRUE(fallo);
    EXPECT_NE(numError, 0);
    EXPECT_TRUE(mensaje.startsWith(QString::number(numError) + " : ")) << mensaje.toStdString();
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_EQ(boxes()[0].text, mensaje);
    EXPECT_EQ(menuRows("X1"), 0);
}

TEST_F(TransactionScriptRunner, ATolerateDuplicateBatchFailsSilently)
{
    run({insertMenu("X1"), insertMenu("C01")}, true, false);
    EXPECT_TRUE(fallo);
    EXPECT_EQ(numError, 2627);
    EXPECT_FALSE(mensaje.startsWith("2627"));
    EXPECT_FALSE(mensaje.isEmpty());            // the server's own description
    EXPECT_TRUE(boxes().isEmpty());
    ASSERT_EQ(errorRows(), 1);
    EXPECT_EQ(lastError("Descripcion"), "");
    EXPECT_EQ(menuRows("X1"), 0);               // still rolled back
    EXPECT_EQ(handed.value(1), "ROLLBACK TRANSACTION");
}

TEST_F(TransactionScriptRunner, EachToleranceCoversOnlyItsOwnError)
{
    dialogs.pushMsgBoxAnswer(ui::vbOK);
    run({insertMenu("C01")}, false, true);      // a duplicate is no reference error
    EXPECT_EQ(boxes().size(), 1);
    EXPECT_TRUE(mensaje.startsWith("2627 : "));
    EXPECT_TRUE(lastError("Descripcion").startsWith("2627 : "));
}

TEST_F(TransactionScriptRunner, WithoutTheMessageFlagTheFailureIsOnlyLogged)
{
    run({insertMenu("C01")}, false, false, false);
    EXPECT_TRUE(fallo);
    EXPECT_TRUE(boxes().isEmpty());
    EXPECT_TRUE(lastError("Descripcion").startsWith("2627 : "));
}

TEST_F(TransactionScriptRunner, ASecondBatchAfterAFailedOneCommits)
{
    run({insertMenu("C01")}, false, false, false);
    run({insertMenu("X3")});
    EXPECT_FALSE(fallo);
    EXPECT_EQ(numError, 0);
    EXPECT_EQ(menuRows("X3"), 1);
}

// A commit that does not happen would leave the transaction open, and every later batch of the
// run would go into it and never be stored.
TEST_F(TransactionScriptRunner, ACommitThatFailsIsAFailedBatch)
{
    db->setStatementObserver([this](const QString& sql) {
        handed << sql;
        if (sql == "COMMIT TRANSACTION")
            ado::TestHooks::failNextOperations(1);
    });
    dialogs.pushMsgBoxAnswer(ui::vbOK);
    run({insertMenu("X1")});
    EXPECT_TRUE(fallo);
    EXPECT_NE(numError, 0);
    EXPECT_EQ(handed.mid(1, 2), (QStringList{"COMMIT TRANSACTION", "ROLLBACK TRANSACTION"}));
    EXPECT_EQ(menuRows("X1"), 0);
    ASSERT_EQ(errorRows(), 1);
    EXPECT_EQ(lastError("sql"), ejecutado);
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_EQ(boxes()[0].title, "Aviso al Operador!");
    EXPECT_EQ(boxes()[0].text, mensaje);

    db->setStatementObserver([this](const QString& sql) { handed << sql; });
    run({insertMenu("X2")});
    EXPECT_FALSE(fallo);
    EXPECT_EQ(menuRows("X2"), 1);
}

// SQL Server ends only the failing statement and goes on with the batch: every error of the
// batch is reported, all but the last, and the first one's number is the batch's.
TEST_F(TransactionScriptRunner, SeveralErrorsOfOneBatchAreReportedButTheLast)
{
    dialogs.pushMsgBoxAnswer(ui::vbOK);
    run({insertMenu("C01"), insertMenu("X1"), insertMenu("C0105"), insertMenu("C0106")});
    EXPECT_EQ(numError, 2627);
    // Each duplicate is followed by the server's 3621 ("Se terminó la instrucción."):
    // six errors, the last one left out.
    QStringList numbers;
    for (const QString& line : mensaje.split("\r\n", Qt::SkipEmptyParts))
        numbers << line.section(" : ", 0, 0);
    EXPECT_EQ(numbers, QStringList({"2627", "3621", "2627", "3621", "2627"})) << mensaje.toStdString();
    EXPECT_EQ(menuRows("X1"), 0);
    EXPECT_EQ(errorRows(), 1);
}

} // namespace


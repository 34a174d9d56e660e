#include "DataTestBase.h"

#include "ado/TestHooks.h"

namespace {

class Statements : public DataTestBase {
protected:
    Statements() { m_current = &writableDemo(); }
    bool run(QString sql) { return db->EjecutaConsultaSQL(sql); }
    qint64 count(const QString& where)
    {
        return scalar("SELECT COUNT(*) FROM TA_USUARIOS WHERE " + where).toLong();
    }
};

TEST_F(Statements, RunsAStatementAndWritesBackTheTextWithoutMarkers)
{
    openDemo();
    QString sql = "UPDATE @admin_TA_USUARIOS SET Email = 'x@y' WHERE Nombre LIKE 'C%'";
    qint64 affected = 0;
    ado::RecordsetPtr none;
    db->EjecutaConsultaSQL(sql, affected, none);
    EXPECT_EQ(sql, "UPDATE TA_USUARIOS SET Email = 'x@y' WHERE Nombre LIKE 'C%'");
    EXPECT_EQ(affected, 1);
    EXPECT_EQ(handed, QStringList{sql});
    EXPECT_FALSE(none);
    EXPECT_EQ(count("Email = 'x@y'"), 1);
}

TEST_F(Statements, ARecordsetVariableReceivesTheRows)
{
    openDemo();
    QString sql = "SELECT Nombre FROM TA_USUARIOS ORDER BY Nombre";
    qint64 affected = 0;
    ado::RecordsetPtr rs = ado::Recordset::create();
    db->EjecutaConsultaSQL(sql, affected, rs);
    ASSERT_TRUE(rs);
    ASSERT_FALSE(rs->Eof());
    EXPECT_EQ(rs->Value("nombre").toString(), "ADMIN");
}

// Nothing is raised or shown, but a caller that saves can tell a failed statement by the result.
TEST_F(Statements, FailuresAreSwallowedButLoggedAndAnswered)
{
    openDemo();
    EXPECT_TRUE(run("INSERT INTO TA_USUARIOS (Nombre) VALUES ('ok1')"));
    EXPECT_FALSE(run("INSERT INTO NO_SUCH_TABLE VALUES (1)"));
    EXPECT_FALSE(run("INSERT INTO TA_USUARIOS (Nombre) VALUES ('ok2') INSERT INTO TA_USUARIOS (Id, Nombre) VALUES (1, 'dup')"));
    EXPECT_TRUE(boxes().isEmpty());
    // As on the server, the batch goes on past its failing statement: 'ok2' stays, 'dup' does not.
    EXPECT_EQ(count("Nombre IN ('ok1', 'ok2', 'dup')"), 2);
    const QStringList lines = logText().split("\r\n", Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2);
    for (const QString& line : lines)
        EXPECT_TRUE(line.contains(" Rutina: - EjecutaConsultaSQL Mensaje Ha ocurrido el Siguiente Error (")) << line.toStdString();
    EXPECT_TRUE(lines[0].contains("NO_SUCH_TABLE"));
}

TEST_F(Statements, TheRecordsetStatementRunnerReportsOnlyUnexpectedErrors)
{
    openDemo();
    QString bad = "SELEC nada";
    QString missing = "SELECT * FROM NO_SUCH_TABLE";
    QString ok = "INSERT INTO TA_USUARIOS (Nombre) VALUES ('rsql')";
    qint64 affected = 0;
    ado::RecordsetPtr none;
    db->EjecutaConsultaRSQL(bad, affected, none);
    db->EjecutaConsultaRSQL(missing, affected, none);
    EXPECT_TRUE(boxes().isEmpty());
    db->EjecutaConsultaRSQL(ok, affected, none);
    EXPECT_EQ(affected, 1);
    EXPECT_EQ(count("Nombre = 'rsql'"), 1);

    // A closed recordset's error is of another kind: its description is shown.
    db->gCnn()->Close();
    QString again = "INSERT INTO TA_USUARIOS (Nombre) VALUES ('reopened')";
    db->EjecutaConsultaRSQL(again, affected, none);
    EXPECT_EQ(count("Nombre = 'reopened'"), 1);   // the connection check opened it again
}

TEST_F(Statements, AShortOutageIsBridgedSilentlyAndTheStatementRunsOnce)
{
    openDemo();
    ado::TestHooks::failNextOperations(1);
    run("INSERT INTO TA_USUARIOS (Nombre) VALUES ('once')");
    EXPECT_TRUE(boxes().isEmpty());
    EXPECT_EQ(count("Nombre = 'once'"), 1);
    EXPECT_TRUE(db->gOpenFlag());
}

TEST_F(Statements, AServerThatStaysAwayBringsTheQuestionAndNoEndsTheProgram)
{
    openDemo();
    ado::TestHooks::failNextOperations(1000);
    dialogs.pushMsgBoxAnswer(ui::vbYes);
    dialogs.pushMsgBoxAnswer(ui::vbNo);
    EXPECT_THROW(run("INSERT INTO TA_USUARIOS (Nombre) VALUES ('never')"), vb::EndRequested);
    ado::TestHooks::failNextOperations(0);
    ASSERT_EQ(boxes().size(), 2);
    EXPECT_EQ(boxes()[0].title, "AVISO AL OPERADOR");
    EXPECT_EQ(boxes()[0].style, 20);
    EXPECT_EQ(boxes()[0].text, "\r\n\r\n\r\nSe perdio la conexion con la base de datos DEMO\r\n Servidor "
                                   + writableDemo().folder()
                                   + "\r\n\r\nElija SI para reintentar conectarse\r\nElija NO para cerrar la aplicacion\r\n\r\n\r\n");
}

TEST_F(Statements, FourReconnectionAttemptsAreMadeBeforeTheQuestion)
{
    openDemo();
    ado::TestHooks::failNextOperations(1 + 3);   // the statement and three quiet reconnects
    run("INSERT INTO TA_USUARIOS (Nombre) VALUES ('quiet')");
    EXPECT_TRUE(boxes().isEmpty());
    EXPECT_EQ(count("Nombre = 'quiet'"), 1);
}

TEST_F(Statements, YesToTheQuestionReconnectsOnceTheServerAnswers)
{
    openDemo();
    ado::TestHooks::failNextOperations(1 + 4 + 1);   // the statement, four quiet reconnects, one asked
    dialogs.pushMsgBoxAnswer(ui::vbYes);
    dialogs.pushMsgBoxAnswer(ui::vbYes);
    run("INSERT INTO TA_USUARIOS (Nombre) VALUES ('back')");
    EXPECT_EQ(boxes().size(), 2);
    EXPECT_EQ(count("Nombre = 'back'"), 1);
}

TEST_F(Statements, ADeterministicErrorNeverTriggersAReconnect)
{
    openDemo();
    int opens = 0;
    run("SELECT * FROM NO_SUCH_TABLE");
    for (const QString& s : handed)
        opens += s.contains("NO_SUCH_TABLE");
    EXPECT_EQ(opens, 1);
    EXPECT_TRUE(boxes().isEmpty());
}

TEST_F(Statements, OpensRecordsetsAndReopensThemWithANewStatement)
{
    openDemo();
    ado::RecordsetPtr rs;
    QString sql = "SELECT * FROM @Admin_TA_USUARIOS with(nolock) WHERE Nombre = 'ADMIN'";
    db->AbrirRecordset(sql, rs);
    ASSERT_TRUE(rs);
    EXPECT_EQ(sql, "SELECT * FROM TA_USUARIOS with(nolock) WHERE Nombre = 'ADMIN'");
    EXPECT_EQ(rs->Value("Nombre").toString(), "ADMIN");

    QString second = "SELECT Nombre FROM TA_USUARIOS WHERE Nombre = 'DEPOSITO'";
    db->AbrirRecordset(second, rs);
    EXPECT_EQ(rs->Value("Nombre").toString(), "DEPOSITO");
    EXPECT_EQ(handed, (QStringList{sql, second}));
}

TEST_F(Statements, ARecordsetWithAPendingEditIsCancelledBeforeReopening)
{
    openDemo();
    ado::RecordsetPtr rs = ado::Recordset::create();
    rs->Open("SELECT * FROM TA_USUARIOS WHERE Nombre = 'COMPRAS'", db->gCnn(), 1, 3);
    rs->AddNew();
    rs->Field("Nombre")->setValue(QString("PENDIENTE"));
    QString sql = "SELECT Nombre FROM TA_USUARIOS WHERE Nombre = 'ADMIN'";
    db->AbrirRecordset(sql, rs);
    EXPECT_TRUE(boxes().isEmpty());
    EXPECT_EQ(rs->Value("Nombre").toString(), "ADMIN");
    EXPECT_EQ(count("Nombre = 'PENDIENTE'"), 0);
}

TEST_F(Statements, RecordsetErrorsGoToTheDialogWhoseAnswerDecides)
{
    openDemo();
    ado::RecordsetPtr rs;
    QString sql = "SELECT * FROM NO_SUCH_TABLE";
    dialogs.pushMsgBoxAnswer(ui::vbRetry);
    dialogs.pushMsgBoxAnswer(ui::vbAbort);
    db->AbrirRecordset(sql, rs);
    ASSERT_EQ(boxes().size(), 2);
    EXPECT_EQ(handed.size(), 2);   // retried once, then abandoned
    EXPECT_TRUE(boxes()[0].text.contains("NO_SUCH_TABLE"));
    EXPECT_EQ(rs->State(), 0);

    dialogs.pushMsgBoxAnswer(ui::vbIgnore);
    db->AbrirRecordset(sql, rs);
    EXPECT_EQ(boxes().size(), 3);
}

TEST_F(Statements, CierraRecordsetClosesOpenOnesAndLeavesClosedOnesAlone)
{
    openDemo();
    ado::RecordsetPtr rs = ado::Recordset::create();
    db->CierraRecordset(rs);
    rs->Open("SELECT * FROM TA_USUARIOS", db->gCnn(), 1, 3);
    rs->AddNew();
    db->CierraRecordset(rs);
    EXPECT_EQ(rs->State(), 0);
    EXPECT_TRUE(boxes().isEmpty());
    db->QConsulta("TA", "", "1", "", "");
    db->QGridConsulta("", "", "", "", "");
}

TEST_F(Statements, AnOracleScriptRunsPieceByPieceInsideItsTransaction)
{
    m_current = &writableDemo();
    db->configure([&](data::DbSettings& s) { s.gExtended = "Application Name=ORACLE;"; });
    openDemo();
    QString script = "SET NOCOUNT ON\r\nBEGIN TRANSACTION\r\n"
                     "INSERT INTO TA_USUARIOS (Nombre) VALUES ('ora1')\r\n"
                     "IF NOT EXISTS (SELECT 1) \r\n"
                     "INSERT INTO TA_USUARIOS (Nombre) VALUES ('ora2')\r\nGO\r\n"
                     "COMMIT TRANSACTION\r\n";
    qint64 affected = 0;
    ado::RecordsetPtr none;
    db->EjecutaConsultaSQL(script, affected, none);
    EXPECT_EQ(script, "");
    EXPECT_EQ(affected, 2);
    EXPECT_EQ(count("Nombre IN ('ora1', 'ora2')"), 2);
    ASSERT_EQ(handed.size(), 2);
    EXPECT_TRUE(handed[0].startsWith("INSERT INTO TA_USUARIOS (Nombre) VALUES ('ora1')"));
    EXPECT_TRUE(boxes().isEmpty());

    QString noKeyword = "SELECT 1";
    db->EjecutaConsultaSQL(noKeyword, affected, none);
    EXPECT_EQ(handed.size(), 2);
}

TEST_F(Statements, AFailingOracleScriptLeavesTheRestForTheCaller)
{
    db->configure([&](data::DbSettings& s) { s.gExtended = "Application Name=ORACLE;"; });
    openDemo();
    QString script = "INSERT INTO TA_USUARIOS (Nombre) VALUES ('ora3') INSERT INTO NO_SUCH (x) VALUES (1) "
                     "INSERT INTO TA_USUARIOS (Nombre) VALUES ('ora4')";
    qint64 affected = 0;
    ado::RecordsetPtr none;
    db->EjecutaConsultaSQL(script, affected, none);
    EXPECT_EQ(affected, 1);
    EXPECT_TRUE(script.startsWith("INSERT INTO NO_SUCH"));
    EXPECT_EQ(count("Nombre IN ('ora3', 'ora4')"), 1);
}

} // namespace

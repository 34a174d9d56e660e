#include "CorpusStatements.h"
#include "EmbeddedDatabase.h"

#include <ado/Command.h>
#include <ado/SqlQuoting.h>
#include <ado/SqlToken.h>
#include <ado/SqliteErrorMap.h>
#include <ado/TestHooks.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>
#include <sqlite3.h>

namespace {

class EngineBehaviourTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        db.run(QStringLiteral(
            "CREATE TABLE rpq_procedures (name TEXT PRIMARY KEY COLLATE SRV, body TEXT NOT NULL)\n"
            "CREATE TABLE TA_CONFIGURACION (Campo varchar(50) NOT NULL PRIMARY KEY, Valor varchar(100) NULL, ValorAux varchar(100) NULL)\n"
            "CREATE TABLE TA_LIBRE (Nombre varchar(10) NULL, Cantidad int NULL)\n"
            "INSERT INTO TA_CONFIGURACION VALUES ('Mensaje_Respuesta', '', 'Gracias')\n"
            "INSERT INTO TA_CONFIGURACION VALUES ('DeshabilitaBusquedaCodigo', 'N', NULL)\n"
            "INSERT INTO TA_LIBRE VALUES ('a', 1)\nINSERT INTO TA_LIBRE VALUES ('a', 1)\nINSERT INTO TA_LIBRE VALUES ('b', 2)"));
        db.run(QStringLiteral("INSERT INTO rpq_procedures VALUES ('sp1_getCfg', 'SELECT Valor, ValorAux FROM TA_CONFIGURACION WHERE Campo = @Campo')"));
    }

    EmbeddedDatabase db;
};

TEST_F(EngineBehaviourTest, ConfigurationProcedureThroughACommandWithACharParameter)
{
    auto command = ado::Command::create();
    command->setActiveConnection(db.connection());
    command->setCommandType(ado::adCmdStoredProc);
    command->setCommandText(QStringLiteral("sp1_getCfg"));
    auto parameter = command->CreateParameter(QStringLiteral("@Campo"), ado::adChar, ado::adParamInput, 50);
    command->Parameters()->Append(parameter);
    parameter->setValue(QStringLiteral("mensaje_respuesta"));
    auto rs = command->Execute();
    ASSERT_FALSE(rs->Eof());
    EXPECT_EQ(rs->Value(QStringLiteral("ValorAux")).toString(), QStringLiteral("Gracias"));
    parameter->setValue(QStringLiteral("Nada"));
    EXPECT_TRUE(command->Execute()->Eof());
}

TEST_F(EngineBehaviourTest, ProceduresCallProceduresAndMissingOnesFailAsTheServerSays)
{
    db.run(QStringLiteral("INSERT INTO rpq_procedures VALUES ('sp_Externo', 'EXEC sp1_getCfg @Campo = @Clave')"));
    EXPECT_EQ(db.rows(QStringLiteral("EXEC sp_Externo 'DeshabilitaBusquedaCodigo'")), QStringList({"N|NULL"}));
    EXPECT_EQ(errorNumberOf([&] { db.run(QStringLiteral("EXEC sp_NoExiste")); }), ado::adErrCommandText);
    EXPECT_EQ(db.connection()->Errors()->Item(0).NativeError(), 2812);
    // A body with variables of its own, control flow and an error that ends only its statement.
    db.run(QStringLiteral("INSERT INTO rpq_procedures VALUES ('sp_Contar', 'DECLARE @n int = 0 WHILE @n < @Hasta SET @n = @n + 1 "
                          "INSERT INTO TA_CONFIGURACION (Campo) VALUES (''DeshabilitaBusquedaCodigo'') SELECT @n, @@ERROR')"));
    EXPECT_EQ(errorNumberOf([&] { db.run(QStringLiteral("EXEC sp_Contar 4")); }), ado::adErrIntegrity);
    EXPECT_EQ(db.connection()->Errors()->Item(0).NativeError(), 2627);
    db.run(QStringLiteral("INSERT INTO rpq_procedures VALUES ('sp_Doble', 'SELECT @Valor * 2')"));
    EXPECT_EQ(db.single(QStringLiteral("DECLARE @h int = 21 EXEC sp_Doble @h")), QStringLiteral("42"));
    db.run(QStringLiteral("INSERT INTO rpq_procedures VALUES ('sp_Eterno', 'EXEC sp_Eterno')"));
    EXPECT_NE(errorNumberOf([&] { db.run(QStringLiteral("EXEC sp_Eterno")); }), 0);
    EXPECT_EQ(db.connection()->Errors()->Item(0).NativeError(), 217);
}

TEST_F(EngineBehaviourTest, RowsWithoutAKeyAreFoundByAllTheirValues)
{
    auto rs = ado::Recordset::create();
    rs->Open(QStringLiteral("SELECT Nombre, Cantidad FROM TA_LIBRE WHERE Nombre = 'b'"), db.connection(), ado::adOpenKeyset, ado::adLockOptimistic);
    rs->Field(QStringLiteral("Cantidad"))->setValue(20);
    rs->Update();
    EXPECT_EQ(db.rows(QStringLiteral("SELECT Nombre, Cantidad FROM TA_LIBRE ORDER BY Nombre, Cantidad")), QStringList({"a|1", "a|1", "b|20"}));

    db.run(QStringLiteral("UPDATE TA_LIBRE SET Cantidad = 99 WHERE Nombre = 'b'"));   // someone else changed it
    rs->Field(QStringLiteral("Cantidad"))->setValue(21);
    EXPECT_EQ(errorNumberOf([&] { rs->Update(); }), -2147217864);
    rs->CancelUpdate();
    EXPECT_EQ(errorNumberOf([&] { rs->Delete(); }), -2147217864);
    EXPECT_EQ(db.single(QStringLiteral("SELECT Cantidad FROM TA_LIBRE WHERE Nombre = 'b'")), QStringLiteral("99"));
}

TEST_F(EngineBehaviourTest, CancelledAdditionsLeaveNothingBehind)
{
    auto rs = ado::Recordset::create();
    rs->Open(QStringLiteral("TA_LIBRE"), db.connection(), ado::adOpenStatic, ado::adLockOptimistic, ado::adCmdTable);
    EXPECT_EQ(rs->RecordCount(), 3);
    rs->AddNew();
    rs->Field(QStringLiteral("Nombre"))->setValue(QStringLiteral("nuevo"));
    EXPECT_TRUE(rs->Field(QStringLiteral("Cantidad"))->OriginalValue().isEmpty());
    rs->MoveFirst();   // moving away drops the new row
    EXPECT_EQ(rs->EditMode(), ado::adEditNone);
    EXPECT_EQ(rs->RecordCount(), 3);
    EXPECT_EQ(rs->AbsolutePosition(), 1);
    rs->Update();      // nothing pending: nothing happens
    EXPECT_EQ(db.single(QStringLiteral("SELECT COUNT(*) FROM TA_LIBRE")), QStringLiteral("3"));
}

TEST_F(EngineBehaviourTest, LongQueriesStopAtTheCommandTimeout)
{
    db.connection()->setCommandTimeout(1);
    const int number = errorNumberOf([&] {
        db.run(QStringLiteral("WITH n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n) SELECT COUNT(*) FROM n"));
    });
    EXPECT_NE(number, 0);
    EXPECT_EQ(db.connection()->Errors()->Item(0).SQLState(), QStringLiteral("HYT00"));
    EXPECT_FALSE(ado::isConnectionLost(*db.connection()->Errors()));

    // A finished statement's time-out does not reach a row write made after it (one that
    // scans enough rows for the engine to look at the clock).
    db.connection()->setCommandTimeout(30);
    db.run(QStringLiteral("WITH n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 5000) "
                          "INSERT INTO TA_LIBRE (Nombre, Cantidad) SELECT 'x', i FROM n"));
    db.connection()->setCommandTimeout(1);
    db.run(QStringLiteral("SELECT 1"));
    auto rs = ado::Recordset::create();
    rs->Open(QStringLiteral("SELECT Nombre FROM TA_LIBRE WHERE Nombre = 'b'"), db.connection(), ado::adOpenStatic, ado::adLockOptimistic);
    QThread::msleep(1100);
    rs->Field(QStringLiteral("Nombre"))->setValue(QStringLiteral("c"));
    EXPECT_EQ(errorNumberOf([&] { rs->Update(); }), 0);
}

TEST_F(EngineBehaviourTest, ALoopThatNeverEndsStopsAtTheCommandTimeout)
{
    db.connection()->setCommandTimeout(1);
    EXPECT_NE(errorNumberOf([&] { db.run(QStringLiteral("DECLARE @i int = 0 WHILE 1 = 1 SET @i = 1")); }), 0);
    EXPECT_EQ(db.connection()->Errors()->Item(0).SQLState(), QStringLiteral("HYT00"));
    EXPECT_EQ(db.single(QStringLiteral("SELECT 1")), QStringLiteral("1"));
}

// SQLite reads a statement's text only up to a NUL: one outside a literal made the engine
// prepare the same empty rest for ever. It is the server's syntax error, and nothing runs.
TEST_F(EngineBehaviourTest, ANulInAStatementIsASyntaxErrorNotAnEndlessLoop)
{
    const QChar nul(0);
    const QString batches[] = {QString(2, nul) + QStringLiteral("SELECT 1"),
                               QStringLiteral("UPDATE TA_LIBRE SET Cantidad = 3 ") + nul + QStringLiteral(" SELECT 2"),
                               QStringLiteral("UPDATE TA_LIBRE SET Cantidad = 3") + nul};
    for (const QString& batch : batches) {
        EXPECT_NE(errorNumberOf([&] { db.run(batch); }), 0);
        EXPECT_EQ(db.connection()->Errors()->Item(0).NativeError(), 102);
    }
    EXPECT_EQ(db.single(QStringLiteral("SELECT COUNT(*) FROM TA_LIBRE WHERE Cantidad = 3")), QStringLiteral("0"));
}

// Every cut of every corpus statement runs or fails as a vb::Error, and the connection goes on.
TEST_F(EngineBehaviourTest, EveryCutOfTheCorpusRunsOrFails)
{
    db.connection()->setCommandTimeout(2);
    int run = 0;
    for (const QString& sql : corpusStatements()) {
        for (const QString& text : {sql, sql.left(sql.size() / 2), sql.left(sql.size() - 3)}) {
            try {
                db.run(text);
            } catch (const vb::Error&) {
            }
            ++run;
        }
    }
    EXPECT_GT(run, 1000);
    EXPECT_EQ(db.single(QStringLiteral("SELECT COUNT(*) FROM TA_LIBRE")), QStringLiteral("3"));
}

TEST_F(EngineBehaviourTest, ACommandsTimeoutHoldsForItsOwnRun)
{
    auto command = ado::Command::create();
    command->setActiveConnection(db.connection());
    command->setCommandText(QStringLiteral("WITH n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n) SELECT COUNT(*) FROM n"));
    command->setCommandTimeout(1);
    EXPECT_NE(errorNumberOf([&] { command->Execute(); }), 0);
    EXPECT_EQ(db.connection()->CommandTimeout(), 30);
}

TEST_F(EngineBehaviourTest, TextsEndingInBlanksFitTheirColumn)
{
    db.run(QStringLiteral("INSERT INTO TA_LIBRE (Nombre) VALUES ('abcdefghij     ')"));
    EXPECT_EQ(db.single(QStringLiteral("SELECT COUNT(*) FROM TA_LIBRE WHERE Nombre = 'ABCDEFGHIJ'")), QStringLiteral("1"));
}

TEST_F(EngineBehaviourTest, TemporaryTablesBelongToTheirConnection)
{
    db.run(QStringLiteral("CREATE TABLE #mia (N int) INSERT INTO #mia VALUES (1)"));
    EXPECT_EQ(db.single(QStringLiteral("SELECT COUNT(*) FROM #mia")), QStringLiteral("1"));   // a later batch sees it
    auto other = ado::Connection::create();
    other->Open(db.connectionString());
    EXPECT_EQ(errorNumberOf([&] { other->Execute(QStringLiteral("SELECT * FROM #mia")); }), ado::adErrCommandText);
    EXPECT_EQ(other->Errors()->Item(0).NativeError(), 208);
    other->Execute(QStringLiteral("CREATE TABLE #mia (Texto varchar(5))"));   // the same name, another table
    db.connection()->Close();
    db.connection()->Open();
    EXPECT_EQ(errorNumberOf([&] { db.run(QStringLiteral("SELECT * FROM #mia")); }), ado::adErrCommandText);
}

// However a statement ends, the engine keeps no transaction of its own: another connection
// can write at once, and the transaction count says what SQLite holds.
TEST_F(EngineBehaviourTest, NoTransactionIsLeftOpenBehindTheProgramsBack)
{
    auto other = ado::Connection::create();
    other->Open(db.connectionString());
    other->setCommandTimeout(1);
    EXPECT_NE(errorNumberOf([&] { db.run(QStringLiteral("INSERT INTO TA_LIBRE VALUES ('x', 'y')")); }), 0);
    EXPECT_NE(errorNumberOf([&] { db.run(QStringLiteral("SELECT FROM WHERE INSERT INTO TA_LIBRE VALUES ('x', 1)")); }), 0);
    other->Execute(QStringLiteral("INSERT INTO TA_LIBRE VALUES ('otra', 1)"));
    // A write cut short by the time-out inside the program's transaction: SQLite rolls the
    // transaction back, and the count follows it.
    db.run(QStringLiteral("BEGIN TRAN INSERT INTO TA_LIBRE VALUES ('antes', 1)"));
    db.connection()->setCommandTimeout(1);
    EXPECT_NE(errorNumberOf([&] {
        db.run(QStringLiteral("WITH n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n) INSERT INTO TA_LIBRE SELECT 'x', i FROM n"));
    }), 0);
    EXPECT_EQ(db.single(QStringLiteral("SELECT @@TRANCOUNT")), QStringLiteral("0"));
    EXPECT_EQ(errorNumberOf([&] { db.run(QStringLiteral("COMMIT")); }), -2147467259);
    EXPECT_EQ(db.connection()->Errors()->Item(0).NativeError(), 3902);
    other->Execute(QStringLiteral("INSERT INTO TA_LIBRE VALUES ('otra', 2)"));
    EXPECT_EQ(db.single(QStringLiteral("SELECT COUNT(*) FROM TA_LIBRE WHERE Nombre IN ('otra', 'antes', 'x')")), QStringLiteral("2"));
}

TEST_F(EngineBehaviourTest, ReopeningAfterTheFileCameBack)
{
    const QString saved = db.file() + QStringLiteral(".saved");
    ASSERT_TRUE(QFile::rename(db.file(), saved));
    EXPECT_NE(errorNumberOf([&] { db.run(QStringLiteral("SELECT 1")); }), 0);
    EXPECT_TRUE(ado::isConnectionLost(*db.connection()->Errors()));
    ASSERT_TRUE(QFile::rename(saved, db.file()));
    db.connection()->Close();
    db.connection()->Open();
    EXPECT_EQ(db.single(QStringLiteral("SELECT COUNT(*) FROM TA_LIBRE")), QStringLiteral("3"));
}

// Another program in the middle of a write holds the file for longer than the open waits: the
// operator was told that the database did not exist ("Cannot open database ... The login
// failed."), and went looking for a missing file.
TEST_F(EngineBehaviourTest, AnOpenThatFindsTheDatabaseLockedSaysSo)
{
    sqlite3* writer = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(db.file()).constData(), &writer), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(writer, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    auto second = ado::Connection::create();
    EXPECT_NE(errorNumberOf([&] { second->Open(db.connectionString()); }), 0);
    ASSERT_GT(second->Errors()->Count(), 0);
    EXPECT_EQ(second->Errors()->Item(0).NativeError(), 1222);
    EXPECT_EQ(second->Errors()->Item(0).Description(), QStringLiteral("Se superó el tiempo de espera de la solicitud de bloqueo."));
    EXPECT_FALSE(ado::isConnectionLost(*second->Errors()));

    // Once the writer is done, the same open succeeds.
    sqlite3_exec(writer, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(writer);
    second->Open(db.connectionString());
    EXPECT_EQ(second->Execute(QStringLiteral("SELECT COUNT(*) FROM TA_LIBRE"))->Fields()->Item(0)->Value().toLong(), 3);
}

// A database file cut short by a failed copy, or overwritten: the operator was told that the
// login failed, and went checking the user and the password.
TEST_F(EngineBehaviourTest, AnOpenThatFindsTheFileDamagedSaysSoAndNamesIt)
{
    db.connection()->Close();
    QFile file(db.file());
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.write(QByteArray(512, '\x5a'));
    file.close();
    auto second = ado::Connection::create();
    EXPECT_NE(errorNumberOf([&] { second->Open(db.connectionString()); }), 0);
    ASSERT_GT(second->Errors()->Count(), 0);
    EXPECT_EQ(second->Errors()->Item(0).Description(),
              QStringLiteral("No se puede abrir la base de datos \"Demo\": su archivo %1 está dañado o no es una base de datos.").arg(db.file()));

    // A file that is missing is still told as before.
    ASSERT_TRUE(QFile::remove(db.file()));
    EXPECT_NE(errorNumberOf([&] { second->Open(db.connectionString()); }), 0);
    EXPECT_EQ(second->Errors()->Item(0).NativeError(), 4060);
}

// A database file this user may read but not write: every write was reported as a lost
// network connection ("General network error. Check your network documentation.").
TEST(SqliteErrorMapTest, AWriteToADatabaseOpenedReadOnlyNamesTheDatabase)
{
    QTemporaryDir dir;
    const QByteArray file = QFile::encodeName(QDir(dir.path()).filePath(QStringLiteral("Compras.db")));
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(file.constData(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, "CREATE TABLE T (x)", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
    ASSERT_EQ(sqlite3_open_v2(file.constData(), &db, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
    const int rc = sqlite3_exec(db, "INSERT INTO T VALUES (1)", nullptr, nullptr, nullptr);
    ASSERT_EQ(rc, SQLITE_READONLY);
    const ado::DatabaseFailure failure = ado::SqliteErrorMap::failure(db, rc, QStringLiteral("INSERT INTO T VALUES (1)"));
    sqlite3_close(db);
    const ado::Error& error = failure.records().front();
    EXPECT_EQ(error.NativeError(), 3906);
    EXPECT_EQ(error.Description(), QStringLiteral("No se pudo actualizar la base de datos \"Compras\" porque es de solo lectura."));
    EXPECT_FALSE(ado::isConnectionLostState(error.SQLState()));
}

// SQLite reads a statement only up to its first NUL, even when handed its length: a NUL after
// "DELETE FROM TA_LIBRE" emptied the table whatever the WHERE said.
TEST_F(EngineBehaviourTest, AStatementHoldingANulFailsWholeAndTheLiteralBuildersLeaveItOut)
{
    const QString nul(QChar(0));
    const auto refused = [&](const QString& sql) {
        return errorNumberOf([&] { db.run(sql); }) == ado::adErrCommandText
            && db.connection()->Errors()->Item(0).NativeError() == 102;
    };
    EXPECT_TRUE(refused(QStringLiteral("DELETE FROM TA_LIBRE") + nul + QStringLiteral(" WHERE Nombre = 'z'")));
    EXPECT_TRUE(refused(QStringLiteral("UPDATE TA_LIBRE SET Cantidad = 0 WHERE Nombre = 'a") + nul + QStringLiteral("'")));
    EXPECT_EQ(db.single(QStringLiteral("SELECT SUM(Cantidad) FROM TA_LIBRE")), QStringLiteral("4"));

    // Text from a box or a row that holds one still makes a statement that runs.
    const QString typed = QStringLiteral("a") + nul + QStringLiteral("'");
    db.run(QStringLiteral("INSERT INTO TA_LIBRE VALUES (%1, 5)").arg(ado::quoteSqlText(typed)));
    EXPECT_EQ(db.single(QStringLiteral("SELECT SUM(Cantidad) FROM TA_LIBRE WHERE Nombre = '%1'")
                            .arg(ado::escapeSqlText(typed))), QStringLiteral("5"));
    EXPECT_EQ(db.single(QStringLiteral("SELECT COUNT(*) FROM TA_LIBRE WHERE Nombre LIKE '%1%'")
                            .arg(ado::escapeLikeText(typed))), QStringLiteral("1"));
}

TEST_F(EngineBehaviourTest, DefaultDatabaseMovesToAnotherFileOfTheFolder)
{
    QFile other(QDir(db.folder()).filePath(QStringLiteral("Stats.db")));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.close();
    db.connection()->setDefaultDatabase(QStringLiteral("Stats"));
    EXPECT_EQ(db.connection()->DefaultDatabase(), QStringLiteral("Stats"));
    EXPECT_EQ(errorNumberOf([&] { db.run(QStringLiteral("SELECT * FROM TA_LIBRE")); }), ado::adErrCommandText);
}

TEST_F(EngineBehaviourTest, ObjectRulesOfTheConnection)
{
    auto cn = db.connection();
    EXPECT_EQ(errorNumberOf([&] { cn->Open(); }), ado::adErrObjectOpen);
    EXPECT_EQ(errorNumberOf([&] { cn->setConnectionString(QStringLiteral("x")); }), ado::adErrObjectOpen);
    EXPECT_EQ(errorNumberOf([&] { cn->OpenSchema(12); }), ado::adErrNotSupported);
    EXPECT_EQ(cn->Execute(QStringLiteral("SELECT 1"), nullptr, ado::adExecuteNoRecords), nullptr);
    EXPECT_EQ(errorNumberOf([&] { cn->Errors()->Item(0); }), ado::adErrItemNotFound);
    auto tables = cn->OpenSchema(ado::adSchemaTables, {QString(), QString(), QStringLiteral("rpq_procedures")});
    ASSERT_FALSE(tables->Eof());
    EXPECT_EQ(tables->Value(QStringLiteral("TABLE_TYPE")).toString(), QStringLiteral("SYSTEM TABLE"));
    auto views = cn->OpenSchema(ado::adSchemaTables, {QString(), QString(), QString(), QStringLiteral("VIEW")});
    EXPECT_TRUE(views->Eof());
}

TEST(SqliteErrorMapTest, MessagesBecomeTheServersErrors)
{
    auto native = [](int code, const char* message) {
        const ado::DatabaseFailure f = ado::SqliteErrorMap::failure(code, QString::fromLatin1(message), QStringLiteral("DELETE FROM T"));
        return QStringLiteral("%1 %2 %3").arg(f.records().front().NativeError()).arg(f.records().front().SQLState(), f.records().front().Description());
    };
    EXPECT_EQ(native(SQLITE_ERROR, "no such function: FOO"), QStringLiteral("195 42000 'FOO' no es un nombre de función integrada reconocido."));
    EXPECT_EQ(native(SQLITE_ERROR, "table \"T\" already exists"), QStringLiteral("2714 42S01 Ya hay un objeto con el nombre 'T' en la base de datos."));
    EXPECT_EQ(native(SQLITE_ERROR, "no such column: a.b"), QStringLiteral("4104 42000 No se pudo enlazar el identificador de varias partes \"a.b\"."));
    EXPECT_EQ(native(SQLITE_ERROR, "no such table: main.T"), QStringLiteral("208 42S02 El nombre de objeto 'T' no es válido."));
    EXPECT_EQ(native(SQLITE_ERROR, "[245] Conversion failed"), QStringLiteral("245 22018 Conversion failed"));
    EXPECT_EQ(native(SQLITE_CONSTRAINT_FOREIGNKEY, "FOREIGN KEY constraint failed"),
              QStringLiteral("547 23000 La instrucción DELETE está en conflicto con la restricción REFERENCE."));
    EXPECT_EQ(native(SQLITE_BUSY, "database is locked"), QStringLiteral("1222 HYT00 Se superó el tiempo de espera de la solicitud de bloqueo."));
    EXPECT_EQ(native(SQLITE_IOERR_READ, "disk I/O error").left(8), QStringLiteral("11 08S01"));
    EXPECT_EQ(native(SQLITE_ERROR, "something new"), QStringLiteral("0 HY000 something new"));
}

} // namespace

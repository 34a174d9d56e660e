#include "EmbeddedDatabase.h"

#include <ado/EngineSettings.h>
#include <ado/EngineTarget.h>
#include <ado/TestHooks.h>
#include <vb/App.h>
#include <vb/Error.h>

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

struct Raised {
    int number = 0;
    QString description;
    bool lost = false;
};

Raised raisedBy(const std::function<void()>& step)
{
    try {
        step();
    } catch (const vb::Error& e) {
        return {e.number(), e.description(), ado::isConnectionLost(e)};
    }
    return {};
}

class ConnectionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        db.run(QStringLiteral(
            "CREATE TABLE TA_RUBROS (Codigo varchar(4) NOT NULL PRIMARY KEY, Nombre varchar(10) NOT NULL)\n"
            "CREATE TABLE MA_ITEMS (Id int NOT NULL PRIMARY KEY, Rubro varchar(4) NULL REFERENCES TA_RUBROS (Codigo),\n"
            "  Fecha datetime NULL, Importe money NULL, Tasa numeric(10,2) NULL)\n"
            "CREATE VIEW V_ITEMS AS SELECT Id, Rubro FROM MA_ITEMS\n"
            "INSERT INTO TA_RUBROS VALUES ('R1', 'Uno')"));
    }

    void expectLastError(int native, const char* state) const
    {
        const ado::ErrorsPtr errors = db.connection()->Errors();
        ASSERT_GE(errors->Count(), 1);
        EXPECT_EQ(errors->Item(0).NativeError(), native);
        EXPECT_EQ(errors->Item(0).SQLState(), QLatin1String(state));
    }

    EmbeddedDatabase db;
};

TEST_F(ConnectionTest, ServerErrorsCarryTheServersNumbersAndStates)
{
    Raised r = raisedBy([&] { db.run(QStringLiteral("SELECT * FROM TA_NADA")); });
    EXPECT_EQ(r.number, ado::adErrCommandText);
    EXPECT_EQ(r.description, QStringLiteral("El nombre de objeto 'TA_NADA' no es válido."));
    expectLastError(208, "42S02");

    r = raisedBy([&] { db.run(QStringLiteral("SELECT Nada FROM TA_RUBROS")); });
    EXPECT_EQ(r.description, QStringLiteral("El nombre de columna 'Nada' no es válido."));
    expectLastError(207, "42S22");

    r = raisedBy([&] { db.run(QStringLiteral("SELEC * FROM TA_RUBROS")); });
    EXPECT_EQ(r.number, ado::adErrCommandText);
    expectLastError(102, "42000");

    r = raisedBy([&] { db.run(QStringLiteral("INSERT INTO TA_RUBROS VALUES ('r1', 'Otro')")); });
    EXPECT_EQ(r.number, ado::adErrIntegrity);   // the key compares as the server's collation does
    expectLastError(2627, "23000");

    r = raisedBy([&] { db.run(QStringLiteral("INSERT INTO MA_ITEMS (Id, Rubro) VALUES (1, 'R9')")); });
    EXPECT_EQ(r.number, ado::adErrIntegrity);
    expectLastError(547, "23000");

    r = raisedBy([&] { db.run(QStringLiteral("INSERT INTO TA_RUBROS VALUES ('R2', 'Demasiado largo')")); });
    EXPECT_EQ(r.description, QStringLiteral("Los datos de cadena o binarios se truncarían."));
    expectLastError(8152, "22001");

    r = raisedBy([&] { db.run(QStringLiteral("INSERT INTO TA_RUBROS (Codigo) VALUES ('R3')")); });
    EXPECT_EQ(r.number, ado::adErrIntegrity);
    expectLastError(515, "23000");
    EXPECT_FALSE(r.lost);

    db.run(QStringLiteral("SELECT 1"));
    EXPECT_EQ(db.connection()->Errors()->Count(), 0);
}

TEST_F(ConnectionTest, VanishedDatabaseFileIsALostConnection)
{
    ASSERT_TRUE(QFile::remove(db.file()));
    const Raised r = raisedBy([&] { db.run(QStringLiteral("SELECT * FROM TA_RUBROS")); });
    EXPECT_EQ(r.number, ado::adErrUnspecified);
    EXPECT_TRUE(r.lost);
    EXPECT_TRUE(ado::isConnectionLost(*db.connection()->Errors()));
    expectLastError(11, "08S01");

    auto again = ado::Connection::create();
    const Raised reopen = raisedBy([&] { again->Open(db.connectionString()); });
    EXPECT_TRUE(reopen.lost);
    EXPECT_EQ(again->State(), ado::adStateClosed);
}

TEST_F(ConnectionTest, TestHookFailsTheNextOperationsAsLost)
{
    ado::TestHooks::failNextOperations(2);
    EXPECT_TRUE(raisedBy([&] { db.run(QStringLiteral("SELECT 1")); }).lost);
    EXPECT_TRUE(raisedBy([&] { db.connection()->BeginTrans(); }).lost);
    EXPECT_EQ(raisedBy([&] { db.run(QStringLiteral("SELECT 1")); }).number, 0);
    EXPECT_FALSE(raisedBy([&] { db.run(QStringLiteral("SELECT * FROM TA_NADA")); }).lost);
}

TEST_F(ConnectionTest, TransactionsCommitAndRollBack)
{
    auto cn = db.connection();
    EXPECT_EQ(cn->BeginTrans(), 1);
    db.run(QStringLiteral("INSERT INTO TA_RUBROS VALUES ('R2', 'Dos')"));
    cn->RollbackTrans();
    EXPECT_EQ(db.rows(QStringLiteral("SELECT Codigo FROM TA_RUBROS")), QStringList({"R1"}));
    cn->BeginTrans();
    db.run(QStringLiteral("INSERT INTO TA_RUBROS VALUES ('R2', 'Dos')"));
    cn->CommitTrans();
    EXPECT_EQ(db.rows(QStringLiteral("SELECT Codigo FROM TA_RUBROS ORDER BY Codigo")), QStringList({"R1", "R2"}));
    EXPECT_NE(raisedBy([&] { cn->CommitTrans(); }).number, 0);
}

TEST_F(ConnectionTest, SchemaRowsetsAsAdoGivesThem)
{
    auto tables = db.connection()->OpenSchema(ado::adSchemaTables);
    QStringList seen;
    for (; !tables->Eof(); tables->MoveNext())
        seen << tables->Value(QStringLiteral("TABLE_NAME")).toString() + u':' + tables->Value(QStringLiteral("TABLE_TYPE")).toString();
    EXPECT_TRUE(seen.contains(QStringLiteral("TA_RUBROS:TABLE")));
    EXPECT_TRUE(seen.contains(QStringLiteral("V_ITEMS:VIEW")));

    auto columns = db.connection()->OpenSchema(ado::adSchemaColumns, {QStringLiteral("Demo"), QString(), QStringLiteral("ma_items"), QString()});
    QStringList described;
    for (; !columns->Eof(); columns->MoveNext()) {
        QStringList parts;
        for (const char* name : {"COLUMN_NAME", "DATA_TYPE", "CHARACTER_MAXIMUM_LENGTH", "NUMERIC_PRECISION", "NUMERIC_SCALE", "IS_NULLABLE"})
            parts << EmbeddedDatabase::renderValue(columns->Value(QString::fromLatin1(name)));
        described << parts.join(u'|');
    }
    EXPECT_EQ(described, QStringList({"Id|3|NULL|10|NULL|False", "Rubro|129|4|NULL|NULL|True", "Fecha|135|NULL|NULL|NULL|True",
                                      "Importe|6|NULL|19|NULL|True", "Tasa|131|NULL|10|2|True"}));
    auto none = db.connection()->OpenSchema(ado::adSchemaColumns, {QStringLiteral("OtraBase"), QString(), QStringLiteral("MA_ITEMS")});
    EXPECT_TRUE(none->Eof());
}

TEST_F(ConnectionTest, StateDefaultDatabaseAndStatementsWithoutRows)
{
    auto cn = db.connection();
    EXPECT_EQ(cn->State(), ado::adStateOpen);
    EXPECT_EQ(cn->DefaultDatabase(), QStringLiteral("Demo"));
    cn->setDefaultDatabase(QStringLiteral("demo"));
    EXPECT_NE(raisedBy([&] { cn->setDefaultDatabase(QStringLiteral("Otra")); }).number, 0);
    qint64 affected = -5;
    auto rs = cn->Execute(QStringLiteral("UPDATE TA_RUBROS SET Nombre = 'Uno' WHERE Codigo = 'R1'"), &affected);
    EXPECT_EQ(affected, 1);
    EXPECT_EQ(rs->State(), ado::adStateClosed);
    cn->Close();
    EXPECT_EQ(cn->State(), ado::adStateClosed);
    EXPECT_EQ(raisedBy([&] { cn->Execute(QStringLiteral("SELECT 1")); }).number, ado::adErrObjectClosed);
}

TEST(EngineTargetTest, FoldersAndJetFilesGoToTheEmbeddedEngine)
{
    QTemporaryDir program;
    QDir(program.path()).mkdir(QStringLiteral("datos"));
    const QString previous = vb::App::path();
    vb::App::setPath(program.path());
    const auto relative = ado::EngineTarget::choose(ado::ConnectionString(
        QStringLiteral("PROVIDER=SQLOLEDB;Server=datos;Database =Gestion;UId=Gestion;Pwd=Gestion;Connect Timeout=5;")));
    EXPECT_EQ(relative.kind, ado::EngineTarget::Sqlite);
    EXPECT_EQ(relative.databaseFile, QDir(program.path()).filePath(QStringLiteral("datos/Gestion.db")));
    const auto jet = ado::EngineTarget::choose(ado::ConnectionString(
        QStringLiteral("PROVIDER=Microsoft.Jet.OLEDB.3.51;Data Source =/tmp/x/base.mdb;User Id=a;Password=b;")));
    EXPECT_EQ(jet.kind, ado::EngineTarget::Sqlite);
    EXPECT_EQ(jet.databaseFile, QStringLiteral("/tmp/x/base.mdb"));
    vb::App::setPath(previous);
}

// The server finds its databases without regard to case: so must the data folder and its files.
TEST(EngineTargetTest, FolderAndDatabaseNamesIgnoreCase)
{
    QTemporaryDir program;
    QDir(program.path()).mkdir(QStringLiteral("datos"));
    const QString folder = QDir(program.path()).filePath(QStringLiteral("datos"));
    for (const char* name : {"DEMO.db", "Otra.db"}) {
        QFile file(QDir(folder).filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));   // an empty file is an empty database
    }
    const QString previous = vb::App::path();
    vb::App::setPath(program.path());

    const auto target = ado::EngineTarget::choose(ado::ConnectionString(
        QStringLiteral("PROVIDER=SQLOLEDB;Server=DATOS;Database =demo;UId=demo;Pwd=demo;")));
    EXPECT_EQ(target.kind, ado::EngineTarget::Sqlite);
    EXPECT_EQ(target.databaseFile, QDir(folder).filePath(QStringLiteral("DEMO.db")));

    auto cn = ado::Connection::create();
    EXPECT_EQ(raisedBy([&] { cn->Open(QStringLiteral("PROVIDER=SQLOLEDB;Server=Datos;Database =demo;")); }).number, 0);
    EXPECT_EQ(cn->State(), ado::adStateOpen);
    EXPECT_EQ(raisedBy([&] { cn->setDefaultDatabase(QStringLiteral("OTRA")); }).number, 0);
    EXPECT_EQ(cn->DefaultDatabase(), QStringLiteral("OTRA"));
    EXPECT_NE(raisedBy([&] { cn->setDefaultDatabase(QStringLiteral("Ninguna")); }).number, 0);
    cn->Close();
    vb::App::setPath(previous);
}

// A server text that is neither a data folder nor a reachable server: the message says both.
TEST(EngineTargetTest, UnreachableServerThatIsNoFolderNamesBoth)
{
    QTemporaryDir program;
    const QString previous = vb::App::path();
    vb::App::setPath(program.path());
    auto cn = ado::Connection::create();
    cn->setConnectionTimeout(1);
    const Raised r = raisedBy([&] {
        cn->Open(QStringLiteral("PROVIDER=SQLOLEDB;Server=127.0.0.1,1;Database =G;UId=G;Pwd=G;Connect Timeout=1;"));
    });
    vb::App::setPath(previous);
    ASSERT_GE(cn->Errors()->Count(), 1);
    const QString folder = QDir(program.path()).filePath(QStringLiteral("127.0.0.1,1"));
    EXPECT_TRUE(r.description.startsWith(
        QStringLiteral("No existe la carpeta de datos \"%1\" y no se pudo conectar con el servidor \"127.0.0.1,1\": ").arg(folder)))
        << r.description.toStdString();
    EXPECT_EQ(cn->Errors()->Item(0).Description(), r.description);
    EXPECT_TRUE(r.lost);

    // A server that answered, or a string that names its own driver, keeps the driver's text.
    const auto server = ado::EngineTarget::choose(ado::ConnectionString(QStringLiteral("PROVIDER=SQLOLEDB;Server=srv;Database =G;")));
    for (const char* state : {"28000", "42000"}) {
        const ado::DatabaseFailure refused(ado::adErrUnspecified,
            {ado::Error(ado::adErrUnspecified, QStringLiteral("Unable to connect"), QStringLiteral("x"), QStringLiteral("HY000"), 0),
             ado::Error(ado::adErrUnspecified, QStringLiteral("Refused."), QStringLiteral("x"), QString::fromLatin1(state), 18456)});
        EXPECT_EQ(server.explained(refused).records().front().Description(), QStringLiteral("Unable to connect")) << state;
    }
    // An unknown host: a general error first, the connection state (if any) later.
    const ado::DatabaseFailure unreachable(ado::adErrUnspecified,
        {ado::Error(ado::adErrUnspecified, QStringLiteral("Unable to connect"), QStringLiteral("x"), QStringLiteral("HY000"), 0),
         ado::Error(ado::adErrUnspecified, QStringLiteral("Unknown host machine name."), QStringLiteral("x"), QStringLiteral("01000"), 0)});
    const auto dsn = ado::EngineTarget::choose(ado::ConnectionString(QStringLiteral("DSN=Gestion;UID=a")));
    EXPECT_EQ(dsn.explained(unreachable).records().front().Description(), QStringLiteral("Unable to connect"));
    EXPECT_TRUE(server.explained(unreachable).records().front().Description().endsWith(QStringLiteral("\"srv\": Unable to connect")));
}

TEST(EngineTargetTest, ServersGetAnOdbcStringForTheirDriver)
{
    const auto named = ado::EngineTarget::choose(ado::ConnectionString(
        QStringLiteral("PROVIDER=SQLOLEDB;Server=srv01\\SQLEXPRESS;Database =Gestion;UId=Gestion;Pwd=a;b;Connect Timeout=5;")));
    EXPECT_EQ(named.kind, ado::EngineTarget::Odbc);
    EXPECT_EQ(named.odbcString,
              QStringLiteral("DRIVER={FreeTDS};SERVER=srv01\\SQLEXPRESS;DATABASE=Gestion;UID=Gestion;PWD=a;ClientCharset=UTF-8;"));
    ado::EngineSettings::setSqlServerDriver(QStringLiteral("ODBC Driver 18 for SQL Server"));
    const auto port = ado::EngineTarget::choose(ado::ConnectionString(
        QStringLiteral("PROVIDER=SQLOLEDB;Server=10.0.0.5,1500;Database =G;UId=G;Pwd={x;y};")));
    EXPECT_EQ(port.odbcString, QStringLiteral("DRIVER={ODBC Driver 18 for SQL Server};SERVER=10.0.0.5;PORT=1500;DATABASE=G;UID=G;PWD={x;y};"));
    ado::EngineSettings::setSqlServerDriver(QStringLiteral("FreeTDS"));
    ado::EngineSettings::setOracleDriver(QStringLiteral("OracleODBC-19"));
    const auto oracle = ado::EngineTarget::choose(ado::ConnectionString(
        QStringLiteral("Provider=OraOLEDB.Oracle.1;Data Source=ORCL;User Id=GEST;Password=GEST;")));
    EXPECT_EQ(oracle.odbcString, QStringLiteral("DRIVER={OracleODBC-19};DBQ=ORCL;UID=GEST;PWD=GEST;"));
    ado::EngineSettings::setOracleDriver(QStringLiteral("Oracle"));
}

TEST(EngineTargetTest, UnreachableServerFailsAsALostConnectionThroughTheDriver)
{
    auto cn = ado::Connection::create();
    cn->setConnectionTimeout(1);
    const Raised r = raisedBy([&] {
        cn->Open(QStringLiteral("PROVIDER=SQLOLEDB;Server=127.0.0.1,1;Database =G;UId=G;Pwd=G;Connect Timeout=1;"));
    });
    EXPECT_NE(r.number, 0);
    ASSERT_GE(cn->Errors()->Count(), 1);
    EXPECT_TRUE(r.lost) << cn->Errors()->Item(0).SQLState().toStdString() << " " << r.description.toStdString();
}

} // namespace

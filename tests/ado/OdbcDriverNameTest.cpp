#include "EmbeddedDatabase.h"

#include <ado/EngineSettings.h>

#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The SQL Server road end to end: the program's SQL Server connection string, our driver
// name setting, unixODBC's driver list and a driver. SQLite's driver stands in for FreeTDS
// under the registered name (it reads DATABASE as its file and ignores the rest).
class OdbcDriverNameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!QFileInfo::exists(QStringLiteral("/usr/lib/x86_64-linux-gnu/odbc/libsqlite3odbc.so")))
            GTEST_SKIP() << "SQLite ODBC driver not installed";
        ado::EngineSettings::setSqlServerDriver(QStringLiteral("Rpq Test Driver"));   // registered by main()
    }

    void TearDown() override { ado::EngineSettings::setSqlServerDriver(QStringLiteral("FreeTDS")); }

    QTemporaryDir dir;
};

TEST_F(OdbcDriverNameTest, TheServerConnectionStringReachesTheNamedDriver)
{
    const QString file = dir.filePath(QStringLiteral("Gestion.db"));
    auto cn = ado::Connection::create();
    cn->setConnectionTimeout(3);
    cn->setCursorLocation(ado::adUseClient);
    cn->Open(QStringLiteral("PROVIDER=SQLOLEDB;Server=db-host\\SQL2019;Database =%1;UId=Gestion;Pwd=Gestion;Connect Timeout=5;").arg(file));
    EXPECT_EQ(cn->State(), ado::adStateOpen);
    EXPECT_EQ(cn->Provider(), QStringLiteral("SQLOLEDB"));
    cn->Execute(QStringLiteral("CREATE TABLE TA_USUARIOS (Nombre varchar(20) PRIMARY KEY, Administrador int)"));
    qint64 affected = 0;
    cn->Execute(QStringLiteral("INSERT INTO TA_USUARIOS VALUES ('ana', 1)"), &affected);
    EXPECT_EQ(affected, 1);
    auto tables = cn->OpenSchema(ado::adSchemaTables);
    bool found = false;
    for (; !tables->Eof(); tables->MoveNext())
        found = found || tables->Value(QStringLiteral("TABLE_NAME")).toString().compare(QLatin1String("ta_usuarios"), Qt::CaseInsensitive) == 0;
    EXPECT_TRUE(found);
    EXPECT_NE(errorNumberOf([&] { cn->Execute(QStringLiteral("INSERT INTO TA_USUARIOS VALUES ('ana', 0)")); }), 0);
    ASSERT_GE(cn->Errors()->Count(), 1);
    EXPECT_FALSE(cn->Errors()->Item(0).SQLState().isEmpty());
    cn->Close();
    EXPECT_TRUE(QFileInfo::exists(file));
}

TEST_F(OdbcDriverNameTest, AnUnknownDriverNameIsAnErrorNotALostConnection)
{
    ado::EngineSettings::setSqlServerDriver(QStringLiteral("No Such Driver"));
    auto cn = ado::Connection::create();
    EXPECT_NE(errorNumberOf([&] { cn->Open(QStringLiteral("PROVIDER=SQLOLEDB;Server=h;Database =d;UId=u;Pwd=p;")); }), 0);
    QStringList states;
    for (const ado::Error& e : *cn->Errors())
        states << e.SQLState();
    EXPECT_TRUE(states.contains(QStringLiteral("01000")) || states.contains(QStringLiteral("IM002"))) << states.join(u' ').toStdString();
    EXPECT_FALSE(ado::isConnectionLost(*cn->Errors()));
}

} // namespace

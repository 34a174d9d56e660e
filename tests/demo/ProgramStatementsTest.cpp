// Every SQL text the program sends must find its tables and columns in the demo database,
// sent the way the program sends it: through the database layer.
#include "DemoFixture.h"
#include "DemoGenerator.h"

#include "ado/Connection.h"
#include "vb/Error.h"

#include "support/TestPaths.h"

#include <QFile>

#include <gtest/gtest.h>

#include <iostream>

namespace {

// The server's numbers for an object or column that does not exist.
constexpr int invalidObjectName = 208;
constexpr int invalidColumnName = 207;

struct Outcome
{
    bool failed = false;
    bool unknownName = false;
    QString message;
    int rows = 0;
};

bool returnsRows(const QString &sql)
{
    const QString first = sql.trimmed().section(QLatin1Char(' '), 0, 0).toUpper();
    return first == QLatin1String("SELECT") || first == QLatin1String("EXEC");
}

Outcome outcomeOf(const vb::Error &error, const ado::Errors &records)
{
    Outcome outcome;
    outcome.failed = true;
    outcome.message = error.description();
    for (const ado::Error &record : records) {
        const int native = record.NativeError();
        if (native == invalidObjectName || native == invalidColumnName)
            outcome.unknownName = true;
        outcome.message += QStringLiteral(" [%1] %2").arg(native).arg(record.Description());
    }
    return outcome;
}

int rowCount(const ado::RecordsetPtr &rows)
{
    int count = 0;
    for (; !rows->Eof(); rows->MoveNext())
        ++count;
    return count;
}

// Runs one statement of the server dialect inside a transaction that is then rolled back.
Outcome run(const ado::ConnectionPtr &connection, const QString &sql)
{
    Outcome outcome;
    connection->BeginTrans();
    try {
        if (returnsRows(sql)) {
            const auto rows = ado::Recordset::create();
            rows->Open(sql, connection);
            outcome.rows = rowCount(rows);
        } else {
            connection->Execute(sql);
        }
    } catch (const vb::Error &error) {
        outcome = outcomeOf(error, *connection->Errors());
    }
    connection->RollbackTrans();
    return outcome;
}

QStringList programStatements()
{
    QFile file(testpaths::source(QStringLiteral("tests/demo/program_statements.sql")));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines;
    for (const QString &line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n')))
        if (!line.trimmed().isEmpty() && !line.startsWith(QLatin1Char('#')))
            lines << line;
    return lines;
}

class ProgramStatements : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_fixture = new demo::DemoFixture(200, 3);
        s_suite = open(s_fixture->databaseName());
        s_statistics = open(demo::DemoGenerator::statisticsDatabase());
    }
    static void TearDownTestSuite()
    {
        s_suite.reset();
        s_statistics.reset();
        delete s_fixture;
        s_fixture = nullptr;
    }
    static ado::ConnectionPtr open(const QString &database)
    {
        auto connection = ado::Connection::create();
        connection->Open(demo::DemoGenerator::connectionString(s_fixture->folder(), database));
        return connection;
    }
    static QString firstValue(const QString &sql)
    {
        const auto rows = ado::Recordset::create();
        rows->Open(sql, s_suite);
        return rows->Eof() ? QString() : rows->Fields()->Item(0)->Value().toString();
    }

    static demo::DemoFixture *s_fixture;
    static ado::ConnectionPtr s_suite;
    static ado::ConnectionPtr s_statistics;
};

demo::DemoFixture *ProgramStatements::s_fixture = nullptr;
ado::ConnectionPtr ProgramStatements::s_suite;
ado::ConnectionPtr ProgramStatements::s_statistics;

} // namespace

TEST_F(ProgramStatements, EveryTextFindsItsTablesAndColumns)
{
    const QStringList statements = programStatements();
    ASSERT_GT(statements.size(), 100);
    int unknown = 0;
    for (const QString &line : statements) {
        const bool onStatistics = line.startsWith(QLatin1String("KQ:"));
        const QString sql = onStatistics ? line.mid(3) : line;
        const Outcome outcome = run(onStatistics ? s_statistics : s_suite, sql);
        if (outcome.unknownName) {
            ++unknown;
            ADD_FAILURE() << sql.toStdString() << "\n  " << outcome.message.toStdString();
        } else if (outcome.failed) {
            std::cout << "[ note ] not an unknown name: " << outcome.message.toStdString() << '\n';
        }
    }
    EXPECT_EQ(unknown, 0);
}

TEST_F(ProgramStatements, TheCheckNoticesAMissingColumnOrTable)
{
    const Outcome column = run(s_suite, QStringLiteral("SELECT Inexistente FROM TA_USUARIOS with(nolock)"));
    EXPECT_TRUE(column.unknownName) << column.message.toStdString();
    const Outcome table = run(s_suite, QStringLiteral("SELECT TOP 1 * FROM TA_NO_EXISTE"));
    EXPECT_TRUE(table.unknownName) << table.message.toStdString();
    const Outcome write = run(s_suite, QStringLiteral("UPDATE TA_USUARIOS SET Inexistente = 1"));
    EXPECT_TRUE(write.unknownName) << write.message.toStdString();
    // Other failures are told apart: a duplicate key is not an unknown name.
    const Outcome duplicate = run(s_suite, QStringLiteral(
        "INSERT INTO TA_REPORTES (NOMBRE, Archivo) VALUES ('mv_prC', 'mv_prC')"));
    EXPECT_TRUE(duplicate.failed);
    EXPECT_FALSE(duplicate.unknownName) << duplicate.message.toStdString();
}

TEST_F(ProgramStatements, WritesAreUndoneAfterEachProbe)
{
    const Outcome insert = run(s_suite, QStringLiteral(
        "INSERT INTO V_MV_FALTANTES (FechaHora,IdArticulo,Descripcion,Usuario) values('08/12/2025 10:15:00','X','Y','ADMIN')"));
    EXPECT_FALSE(insert.failed) << insert.message.toStdString();
    EXPECT_EQ(firstValue(QStringLiteral("SELECT COUNT(*) FROM V_MV_FALTANTES")), QStringLiteral("0"));
    const Outcome erase = run(s_suite, QStringLiteral("DELETE TA_USUARIOS WHERE Nombre = 'ADMIN'"));
    EXPECT_FALSE(erase.failed) << erase.message.toStdString();
    EXPECT_EQ(firstValue(QStringLiteral("SELECT COUNT(*) FROM TA_USUARIOS WHERE Nombre = 'ADMIN'")), QStringLiteral("1"));
}

TEST_F(ProgramStatements, ConfigurationProcedureAnswersAPaddedKey)
{
    // The code-entry box passes its key as char(50), so the body must match despite the padding.
    const QString key = QStringLiteral("DeshabilitaBusquedaCodigo").leftJustified(50);
    const Outcome outcome = run(s_suite, QStringLiteral("EXEC sp1_getCfg @Campo = '%1'").arg(key));
    EXPECT_FALSE(outcome.failed) << outcome.message.toStdString();
    EXPECT_EQ(outcome.rows, 1);
}

// Every SQL text the program sends must find its tables and columns in the demo database.
#include "DemoFixture.h"
#include "TableDigest.h"

#include "ado/ColumnKind.h"
#include "ado/SqlTranslator.h"

#include <QFile>
#include <QHash>

#include <gtest/gtest.h>

#include <sqlite3.h>

namespace {

struct Outcome
{
    bool ran = false;
    QString error;
    int rows = 0;
};

ado::ColumnKindLookup columnKinds(sqlite3 *db)
{
    auto kinds = std::make_shared<QHash<QString, ado::ColumnKind>>();
    sqlite3_stmt *statement = nullptr;
    sqlite3_prepare_v2(db, "SELECT p.name, p.type FROM sqlite_master m, pragma_table_info(m.name) p WHERE m.type = 'table'",
                       -1, &statement, nullptr);
    while (sqlite3_step(statement) == SQLITE_ROW) {
        const QString name = QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(statement, 0))).toUpper();
        const QString type = QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(statement, 1)));
        kinds->insert(name, ado::columnKindOfDeclaredType(type));
    }
    sqlite3_finalize(statement);
    return [kinds](const QString &column, const QStringList &) {
        return kinds->value(column.toUpper(), ado::ColumnKind::Unknown);
    };
}

// Runs one statement of the server dialect and undoes whatever it wrote.
Outcome run(sqlite3 *db, const QString &serverSql)
{
    Outcome outcome;
    sqlite3_exec(db, "SAVEPOINT probe", nullptr, nullptr, nullptr);
    for (const ado::TranslatedStatement &statement : ado::SqlTranslator(columnKinds(db)).translate(serverSql)) {
        if (statement.kind != ado::TranslatedStatement::Query)
            continue;
        sqlite3_stmt *prepared = nullptr;
        if (sqlite3_prepare_v2(db, statement.sql.toUtf8().constData(), -1, &prepared, nullptr) != SQLITE_OK) {
            outcome.error = QString::fromUtf8(sqlite3_errmsg(db)) + QStringLiteral(" in: ") + statement.sql;
            break;
        }
        int rc;
        while ((rc = sqlite3_step(prepared)) == SQLITE_ROW)
            ++outcome.rows;
        if (rc != SQLITE_DONE)
            outcome.error = QString::fromUtf8(sqlite3_errmsg(db)) + QStringLiteral(" in: ") + statement.sql;
        sqlite3_finalize(prepared);
        outcome.ran = true;
    }
    sqlite3_exec(db, "ROLLBACK TO probe; RELEASE probe", nullptr, nullptr, nullptr);
    return outcome;
}

bool namesUnknownObject(const QString &error)
{
    return error.contains(QLatin1String("no such table")) || error.contains(QLatin1String("no such column"));
}

QStringList programStatements()
{
    QFile file(QStringLiteral(RPQ_PROGRAM_STATEMENTS));
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
    static void SetUpTestSuite() { s_fixture = new DemoFixture(200, 3); }
    static void TearDownTestSuite()
    {
        delete s_fixture;
        s_fixture = nullptr;
    }
    static DemoFixture *s_fixture;
};

DemoFixture *ProgramStatements::s_fixture = nullptr;

} // namespace

TEST_F(ProgramStatements, EveryTextFindsItsTablesAndColumns)
{
    const QStringList statements = programStatements();
    ASSERT_GT(statements.size(), 100);
    TableDigest suite(s_fixture->databasePath());
    TableDigest statistics(s_fixture->statisticsPath());
    int unknown = 0;
    for (const QString &line : statements) {
        const bool onStatistics = line.startsWith(QLatin1String("KQ:"));
        const QString sql = onStatistics ? line.mid(3) : line;
        const Outcome outcome = run(onStatistics ? statistics.handle() : suite.handle(), sql);
        EXPECT_TRUE(outcome.ran) << sql.toStdString();
        if (namesUnknownObject(outcome.error)) {
            ++unknown;
            ADD_FAILURE() << outcome.error.toStdString();
        } else if (!outcome.error.isEmpty()) {
            std::cout << "[ note ] not an unknown object: " << outcome.error.toStdString() << '\n';
        }
    }
    EXPECT_EQ(unknown, 0);
}

TEST_F(ProgramStatements, TheCheckNoticesAMissingColumnOrTable)
{
    TableDigest suite(s_fixture->databasePath());
    EXPECT_TRUE(namesUnknownObject(run(suite.handle(), QStringLiteral("SELECT Inexistente FROM TA_USUARIOS with(nolock)")).error));
    EXPECT_TRUE(namesUnknownObject(run(suite.handle(), QStringLiteral("SELECT TOP 1 * FROM TA_NO_EXISTE")).error));
}

TEST_F(ProgramStatements, WritesAreUndoneAfterEachProbe)
{
    TableDigest suite(s_fixture->databasePath());
    const Outcome insert = run(suite.handle(), QStringLiteral(
        "INSERT INTO V_MV_FALTANTES (FechaHora,IdArticulo,Descripcion,Usuario) values('08/12/2025 10:15:00','X','Y','ADMIN')"));
    EXPECT_TRUE(insert.error.isEmpty()) << insert.error.toStdString();
    EXPECT_EQ(suite.column(QStringLiteral("SELECT COUNT(*) FROM V_MV_FALTANTES")), QStringList({"0"}));
}

TEST_F(ProgramStatements, ConfigurationProcedureAnswersAPaddedKey)
{
    // The code-entry box passes its key as char(50), so the body must match despite the padding.
    TableDigest suite(s_fixture->databasePath());
    const QStringList bodies = suite.column(QStringLiteral("SELECT body FROM rpq_procedures WHERE name = 'SP1_GETCFG'"));
    ASSERT_EQ(bodies.size(), 1);
    QString body = bodies.front();
    body.replace(QStringLiteral("@Campo"), QStringLiteral("'%1'").arg(QStringLiteral("DeshabilitaBusquedaCodigo").leftJustified(50)));
    const Outcome outcome = run(suite.handle(), body);
    EXPECT_TRUE(outcome.error.isEmpty()) << outcome.error.toStdString();
    EXPECT_EQ(outcome.rows, 1);
}

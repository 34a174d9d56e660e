#include "DemoGenerator.h"

#include "DemoDatabase.h"
#include "DemoRandom.h"
#include "DocumentWriter.h"
#include "MasterDataWriter.h"

#include "ado/Connection.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

#include <stdexcept>

namespace demo {

namespace {
// The first column of the first row as text, or SQLite's message when there is none.
QString firstValue(sqlite3 *db, const char *sql)
{
    sqlite3_stmt *statement = nullptr;
    QString value;
    if (sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) == SQLITE_OK && sqlite3_step(statement) == SQLITE_ROW)
        value = QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(statement, 0)));
    else
        value = QString::fromUtf8(sqlite3_errmsg(db));
    sqlite3_finalize(statement);
    return value;
}
} // namespace

DemoGenerator::DemoGenerator(Options options)
    : m_options(std::move(options))
{
    if (m_options.size < 1)
        throw std::invalid_argument("the size must be at least one document");
    if (m_options.articles < 0)
        throw std::invalid_argument("the article count cannot be negative");
    if (m_options.database.trimmed().isEmpty())
        throw std::invalid_argument("the database needs a name");
}

QString DemoGenerator::databasePath(const QString &folder, const QString &database)
{
    return QDir(folder).filePath(database + QStringLiteral(".db"));
}

void DemoGenerator::run()
{
    if (!QDir().mkpath(m_options.folder))
        throw std::runtime_error("cannot create folder " + m_options.folder.toStdString());
    try {
        writeSuiteDatabase();
        writeStatisticsDatabase();
    } catch (...) {
        // A half-written database would pass for a finished one on the next run.
        QFile::remove(databasePath(m_options.folder, m_options.database));
        QFile::remove(databasePath(m_options.folder, statisticsDatabase()));
        throw;
    }
}

QString DemoGenerator::connectionString(const QString &folder, const QString &database)
{
    // The suite's own SQL Server form; the database login is the database name. A relative
    // folder would be taken from the program folder, so the folder is made absolute.
    return QStringLiteral("PROVIDER=SQLOLEDB;Server=%1;Database =%2;UId=%2;Pwd=%2;Connect Timeout=5;")
        .arg(QDir(folder).absolutePath(), database);
}

void DemoGenerator::createDatabase(const QString &database, const QString &script)
{
    // The embedded engine opens only an existing file; an empty one is an empty database.
    const QString path = databasePath(m_options.folder, database);
    QFile::remove(path);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw std::runtime_error("cannot create " + path.toStdString());
    file.close();
    // The schema is written in the server's dialect; the database layer translates it.
    const auto connection = ado::Connection::create();
    connection->Open(connectionString(m_options.folder, database));
    // One transaction: a file sync per CREATE would cost more than all the rows together.
    connection->BeginTrans();
    connection->Execute(resourceText(script));
    connection->CommitTrans();
    connection->Close();
}

void DemoGenerator::writeSuiteDatabase()
{
    createDatabase(m_options.database, QStringLiteral(":/demo/schema.sql"));
    DemoDatabase db(databasePath(m_options.folder, m_options.database));
    DemoRandom random(m_options.seed);
    db.begin();
    const DemoMasters masters = MasterDataWriter(db, random, m_options.size, m_options.articles).write();
    DocumentWriter(db, random, masters).write(m_options.size);
    db.commit();
}

void DemoGenerator::writeStatisticsDatabase()
{
    createDatabase(statisticsDatabase(), QStringLiteral(":/demo/schema_estadisticas.sql"));
    DemoDatabase db(databasePath(m_options.folder, statisticsDatabase()));
    db.execute("INSERT INTO TA_CONFIGURACION (Grupo, Clave, Valor) VALUES ('BaseDeDatos', 'TimeOut', '60')");
}

QString DemoGenerator::problem(const QString &folder, const QString &database)
{
    // The suite database gets its rows in one transaction, documents last.
    QString found = fileProblem(databasePath(folder, database), "SELECT count(*) FROM C_MV_CPTE NOT INDEXED");
    if (found.isEmpty())
        found = fileProblem(databasePath(folder, statisticsDatabase()), "SELECT count(*) FROM TA_CONFIGURACION NOT INDEXED");
    return found;
}

// rowsQuery counts rows that a finished database has; "NOT INDEXED" keeps to the table, so a
// damaged index cannot hide them.
QString DemoGenerator::fileProblem(const QString &path, const char *rowsQuery)
{
    if (!QFileInfo(path).isFile() || QFileInfo(path).size() == 0)
        return path + QStringLiteral(" is missing");
    sqlite3 *db = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        return path + QStringLiteral(" cannot be opened");
    }
    DemoDatabase::prepareConnection(db);
    QString problem;
    const QString check = firstValue(db, "PRAGMA quick_check");
    if (check != QLatin1String("ok")) {
        problem = path + QStringLiteral(" is damaged (") + check + u')';
    } else {
        const QString rows = firstValue(db, rowsQuery);
        if (rows.toLongLong() <= 0)
            problem = path + QStringLiteral(" is incomplete (") + (rows == u'0' ? QStringLiteral("no rows") : rows) + u')';
    }
    sqlite3_close(db);
    return problem;
}

QString DemoGenerator::inUse(const QString &folder, const QString &database)
{
    for (const QString &name : {database, statisticsDatabase()}) {
        const QString path = databasePath(folder, name);
        if (fileInUse(path))
            return path;
    }
    return {};
}

// A write lock of our own, taken and given back at once, waits a moment for a writer that is
// finishing; one still held then belongs to a program at work. A file that is no database
// answers otherwise and is left to the soundness check.
bool DemoGenerator::fileInUse(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return false;
    sqlite3 *db = nullptr;
    bool busy = false;
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK) {
        sqlite3_busy_timeout(db, 2000);
        const int rc = sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
        busy = rc == SQLITE_BUSY || rc == SQLITE_LOCKED;
        if (rc == SQLITE_OK)
            sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
    }
    sqlite3_close(db);
    return busy;
}

QString DemoGenerator::resourceText(const QString &name)
{
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("missing resource " + name.toStdString());
    return QString::fromUtf8(file.readAll());
}

} // namespace demo

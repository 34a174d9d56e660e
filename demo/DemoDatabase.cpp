#include "DemoDatabase.h"

#include <QFile>

#include <sqlite3.h>

#include <stdexcept>

#include "ado/SqliteSupport.h"

namespace demo {

DemoDatabase::DemoDatabase(const QString &path)
{
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &m_db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        const std::string message = m_db ? sqlite3_errmsg(m_db) : "out of memory";
        sqlite3_close(m_db);
        throw std::runtime_error("cannot open " + path.toStdString() + ": " + message);
    }
    prepareConnection(m_db);
    // A demo file is rebuilt rather than recovered, so durability buys nothing here.
    execute("PRAGMA journal_mode = OFF");
    execute("PRAGMA synchronous = OFF");
}

DemoDatabase::~DemoDatabase()
{
    sqlite3_close(m_db);
}

void DemoDatabase::execute(const std::string &sql)
{
    char *error = nullptr;
    if (sqlite3_exec(m_db, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        const std::string message = error ? error : "unknown error";
        sqlite3_free(error);
        throw std::runtime_error(message + " in: " + sql);
    }
}

void DemoDatabase::begin()
{
    execute("BEGIN");
}

void DemoDatabase::commit()
{
    execute("COMMIT");
}

void DemoDatabase::prepareConnection(sqlite3 *db)
{
    ado::prepareSqliteConnection(db);
}

} // namespace demo

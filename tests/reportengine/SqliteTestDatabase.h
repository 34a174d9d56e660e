#pragma once
// An in-memory SQLite database that runs the engine's queries for tests. Text columns use a
// case-blind collation, as the server's do; date literals {ts '...'} become plain texts, the form
// dates are stored in; each column's declared type decides the kind of its values.

#include "reportengine/RowSource.h"
#include <QString>

struct sqlite3;

class SqliteTestDatabase {
public:
    SqliteTestDatabase();
    ~SqliteTestDatabase();
    void exec(const QString& sql);
    reportengine::QueryRunner runner();
    QStringList queries() const { return m_queries; }   // every query run, in order

private:
    sqlite3* m_db = nullptr;
    QStringList m_queries;
};

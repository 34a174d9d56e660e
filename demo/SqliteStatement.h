#pragma once

#include <cstdint>
#include <string>

struct sqlite3;
struct sqlite3_stmt;

namespace demo {

// One prepared statement on a raw handle; bind by position (from 1), step, reset for reuse.
class SqliteStatement
{
public:
    SqliteStatement(sqlite3 *db, const std::string &sql);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement &) = delete;
    SqliteStatement &operator=(const SqliteStatement &) = delete;

    SqliteStatement &bind(int index, const std::string &text);
    SqliteStatement &bind(int index, std::int64_t number);
    SqliteStatement &bind(int index, int number);
    SqliteStatement &bind(int index, double number);
    SqliteStatement &bindNull(int index);
    // Runs an insert or update to its end and makes the statement ready for the next row.
    void execute();
    // Steps a query; false when there is no further row.
    bool nextRow();
    std::string text(int column) const;
    std::int64_t integer(int column) const;

private:
    void check(int rc, const char *what) const;

    sqlite3 *m_db;
    sqlite3_stmt *m_statement = nullptr;
};

} // namespace demo

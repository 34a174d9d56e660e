#include "SqliteStatement.h"

#include <sqlite3.h>

#include <stdexcept>

namespace demo {

SqliteStatement::SqliteStatement(sqlite3 *db, const std::string &sql)
    : m_db(db)
{
    check(sqlite3_prepare_v2(db, sql.c_str(), -1, &m_statement, nullptr), sql.c_str());
}

SqliteStatement::~SqliteStatement()
{
    sqlite3_finalize(m_statement);
}

SqliteStatement &SqliteStatement::bind(int index, const std::string &text)
{
    check(sqlite3_bind_text(m_statement, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT), "bind");
    return *this;
}

SqliteStatement &SqliteStatement::bind(int index, std::int64_t number)
{
    check(sqlite3_bind_int64(m_statement, index, number), "bind");
    return *this;
}

SqliteStatement &SqliteStatement::bind(int index, int number)
{
    return bind(index, static_cast<std::int64_t>(number));
}

SqliteStatement &SqliteStatement::bind(int index, double number)
{
    check(sqlite3_bind_double(m_statement, index, number), "bind");
    return *this;
}

SqliteStatement &SqliteStatement::bindNull(int index)
{
    check(sqlite3_bind_null(m_statement, index), "bind");
    return *this;
}

void SqliteStatement::execute()
{
    const int rc = sqlite3_step(m_statement);
    sqlite3_reset(m_statement);
    sqlite3_clear_bindings(m_statement);
    if (rc != SQLITE_DONE && rc != SQLITE_ROW)
        check(rc, sqlite3_sql(m_statement));
}

bool SqliteStatement::nextRow()
{
    const int rc = sqlite3_step(m_statement);
    if (rc == SQLITE_ROW)
        return true;
    if (rc != SQLITE_DONE)
        check(rc, sqlite3_sql(m_statement));
    return false;
}

std::string SqliteStatement::text(int column) const
{
    const auto *value = reinterpret_cast<const char *>(sqlite3_column_text(m_statement, column));
    return value ? std::string(value, static_cast<std::size_t>(sqlite3_column_bytes(m_statement, column))) : std::string();
}

std::int64_t SqliteStatement::integer(int column) const
{
    return sqlite3_column_int64(m_statement, column);
}

void SqliteStatement::check(int rc, const char *what) const
{
    if (rc != SQLITE_OK)
        throw std::runtime_error(std::string(what) + ": " + sqlite3_errmsg(m_db));
}

} // namespace demo

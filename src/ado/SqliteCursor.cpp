#include "ado/SqliteCursor.h"

#include "ado/SqliteErrorMap.h"

#include <sqlite3.h>

namespace ado {

SqliteCursor::SqliteCursor(sqlite3* db, sqlite3_stmt* stmt, QString sql, SqliteRowReader::KeyInfo keyInfo)
    : m_db(db), m_stmt(stmt), m_sql(std::move(sql)), m_reader(db, stmt, std::move(keyInfo))
{
}

SqliteCursor::~SqliteCursor()
{
    freeStatement();
}

void SqliteCursor::freeStatement()
{
    sqlite3_finalize(m_stmt);
    m_stmt = nullptr;
}

void SqliteCursor::start()
{
    m_reader.describe();
    m_ahead = step();
}

// A statement is finalized at its end or on its first failure: stepping it again would start
// it over and hand out its rows twice.
bool SqliteCursor::step()
{
    if (!m_stmt)
        return false;
    m_row.resize(m_reader.columns().size());
    VariantRow row(m_row);
    try {
        if (!m_reader.readRow(row)) {
            freeStatement();
            return false;
        }
    } catch (int rc) {
        const DatabaseFailure failure = SqliteErrorMap::failure(m_db, rc, m_sql);
        freeStatement();
        throw failure;
    }
    m_reader.measureComputed(row, 0);
    const std::vector<ColumnInfo>& columns = m_reader.columns();
    for (size_t c = 0; c < columns.size(); ++c)
        ColumnTypes::pad(columns[c], m_row[c]);
    return true;
}

// Swapping hands the row over without copying a value; the caller's previous row becomes the
// buffer the next step overwrites.
bool SqliteCursor::fetch(std::vector<vb::Variant>& row)
{
    if (m_ahead)
        m_ahead = false;
    else if (!step())
        return false;
    row.swap(m_row);
    return true;
}

} // namespace ado

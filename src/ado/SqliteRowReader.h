#pragma once

#include "ado/ResultSet.h"

#include <functional>

struct sqlite3;
struct sqlite3_stmt;

namespace ado {

// Reads every row of a prepared statement into vb values by the declared column types:
// dates from their text as Date, money and decimals through their text (exact Currency and
// Decimal), bit as Boolean, char(n) padded to n. Computed columns take their type from
// their first value.
class SqliteRowReader {
public:
    using KeyInfo = std::function<int(const QString& table)>;   // columns in the table's key
    SqliteRowReader(sqlite3* db, sqlite3_stmt* stmt, KeyInfo keyInfo);
    ResultSet readAll();   // throws the step's result code as int on failure

private:
    void describe();
    void describeColumn(int i);
    vb::Variant read(int i);
    vb::Variant readComputed(int i);
    vb::Variant readByStorage(int i);
    QString text(int i) const;
    void finishComputed(ResultSet& out) const;

    sqlite3* m_db;
    sqlite3_stmt* m_stmt;
    KeyInfo m_keyInfo;
    std::vector<ColumnInfo> m_columns;
    std::vector<ValueKind> m_readings;
    std::vector<bool> m_computed;
    std::vector<bool> m_decided;
};

} // namespace ado

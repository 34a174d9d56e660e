#pragma once

#include "ado/ColumnTypes.h"

#include <functional>

struct sqlite3;
struct sqlite3_stmt;
struct sqlite3_value;

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
    void append(int i, RowStore& out);
    void appendComputed(int i, int storage, RowStore& out);
    void decideComputed(int i, int storage);
    void appendCurrency(int i, int storage, RowStore& out);
    void appendByStorage(int i, RowStore& out);
    void appendText(int i, RowStore& out);
    QString text() const;
    void finishComputed(ResultSet& out) const;

    sqlite3* m_db;
    sqlite3_stmt* m_stmt;
    sqlite3_value* m_value = nullptr;   // the column being read
    KeyInfo m_keyInfo;
    std::vector<ColumnInfo> m_columns;
    std::vector<ValueKind> m_readings;
    std::vector<bool> m_computed;
    std::vector<bool> m_decided;
};

} // namespace ado

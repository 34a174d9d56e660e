#pragma once

#include "ado/ColumnTypes.h"

#include <functional>

struct sqlite3;
struct sqlite3_stmt;
struct sqlite3_value;

namespace ado {

// Reads the rows of a prepared statement into vb values by the declared column types:
// dates from their text as Date, money and decimals through their text (exact Currency and
// Decimal), bit as Boolean, char(n) padded to n. Computed columns take their type from
// their first value, and computed texts their size from the longest value read.
class SqliteRowReader {
public:
    using KeyInfo = std::function<int(const QString& table)>;   // columns in the table's key
    SqliteRowReader(sqlite3* db, sqlite3_stmt* stmt, KeyInfo keyInfo);
    ResultSet readAll();   // throws the step's result code as int on failure

    // Row by row: describe() once, then readRow() until it returns false (throws as readAll).
    void describe();
    bool readRow(RowStore& out);
    const std::vector<ColumnInfo>& columns() const { return m_columns; }
    // Widens computed text columns to the values of the row just read (from `first` in out).
    void measureComputed(const RowStore& out, size_t first);

private:
    void describeColumn(int i);
    void append(int i, RowStore& out);
    void appendComputed(int i, int storage, RowStore& out);
    void decideComputed(int i, int storage);
    void appendCurrency(int i, int storage, RowStore& out);
    void appendByStorage(int i, RowStore& out);
    void appendText(int i, RowStore& out);
    QString text() const;

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

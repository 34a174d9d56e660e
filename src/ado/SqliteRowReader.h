#pragma once

#include "ado/ColumnTypes.h"
#include "ado/VariantRow.h"

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
    // The types the translator knows of computed columns (by position, "" unknown): a column
    // SQLite has no declared type for reads as that type instead of by its first value.
    void setTypeHints(const QStringList& hints) { m_hints = hints; }

    // Row by row: describe() once, then readRow() until it returns false (throws as readAll).
    // Rows go into a RowStore (kept) or a VariantRow (handed out); both get the same values.
    void describe();
    template <class Row> bool readRow(Row& out);
    const std::vector<ColumnInfo>& columns() const { return m_columns; }
    // Widens computed text columns to the values of the row just read (from `first` in out).
    template <class Row> void measureComputed(const Row& out, size_t first);

private:
    void describeColumn(int i);
    template <class Row> void append(int i, Row& out);
    template <class Row> void appendComputed(int i, int storage, Row& out);
    void decideComputed(int i, int storage);
    template <class Row> void appendCurrency(int storage, Row& out);
    template <class Row> void appendByStorage(Row& out);
    template <class Row> void appendText(Row& out);
    QString text() const;

    sqlite3* m_db;
    sqlite3_stmt* m_stmt;
    sqlite3_value* m_value = nullptr;   // the column being read
    KeyInfo m_keyInfo;
    // How each column is read, settled once by describe() so the row loop only switches on it.
    struct Reading {
        ValueKind kind = ValueKind::Text;
        bool computed = false;   // no declared type: settled by its first value
        bool decided = true;
    };
    QStringList m_hints;
    std::vector<ColumnInfo> m_columns;
    std::vector<Reading> m_readings;
    bool m_anyComputed = false;
};

} // namespace ado

#pragma once

#include "ado/Cursor.h"
#include "ado/SqliteRowReader.h"

namespace ado {

// One prepared SQLite statement stepped a row at a time. The first row is read when the
// cursor starts, so that the statement's work (sorting, grouping) and its failures belong
// to the open, as they do for a Recordset.
class SqliteCursor : public Cursor {
public:
    // Takes ownership of stmt; sql is the text errors quote.
    SqliteCursor(sqlite3* db, sqlite3_stmt* stmt, QString sql, SqliteRowReader::KeyInfo keyInfo);
    ~SqliteCursor() override;
    SqliteCursor(const SqliteCursor&) = delete;
    SqliteCursor& operator=(const SqliteCursor&) = delete;

    void setTypeHints(const QStringList& hints) { m_reader.setTypeHints(hints); }
    void start();
    const std::vector<ColumnInfo>& columns() const override { return m_reader.columns(); }
    bool fetch(std::vector<vb::Variant>& row) override;

protected:
    void freeStatement() override;

private:
    bool step();

    sqlite3* m_db;
    sqlite3_stmt* m_stmt;
    QString m_sql;
    SqliteRowReader m_reader;
    std::vector<vb::Variant> m_row;   // the row read last, handed over by swapping
    bool m_ahead = false;   // the first row is read and not yet handed out
};

} // namespace ado

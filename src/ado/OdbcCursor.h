#pragma once

#include "ado/Cursor.h"
#include "ado/OdbcRowReader.h"

#include <deque>
#include <memory>
#include <optional>

namespace ado {

// One executed ODBC statement fetched a row at a time. Servers without multiple active
// result sets (SQL Server through FreeTDS) refuse a second statement while this one has
// rows pending, so before the connection runs anything else the engine has the cursor read
// its remaining rows into memory (bufferRest) and free the statement.
class OdbcCursor : public Cursor {
public:
    explicit OdbcCursor(std::unique_ptr<OdbcHandle> statement);
    OdbcCursor(const OdbcCursor&) = delete;
    OdbcCursor& operator=(const OdbcCursor&) = delete;

    void start() { m_reader.describe(); }
    const std::vector<ColumnInfo>& columns() const override { return m_reader.columns(); }
    std::vector<ColumnInfo>& describedColumns() { return m_reader.columns(); }
    bool fetch(std::vector<vb::Variant>& row) override;
    bool pending() const { return m_stmt != nullptr; }
    void bufferRest();

protected:
    void freeStatement() override;

private:
    bool fetchFromServer(std::vector<vb::Variant>& row);
    void finishResults();

    std::unique_ptr<OdbcHandle> m_stmt;
    OdbcRowReader m_reader;
    std::deque<std::vector<vb::Variant>> m_buffered;
    std::optional<DatabaseFailure> m_failure;
};

} // namespace ado

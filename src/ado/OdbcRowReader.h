#pragma once

#include "ado/OdbcHandle.h"
#include "ado/ColumnTypes.h"

namespace ado {

// Reads the rows of an executed ODBC statement, typed as ADO would report them.
class OdbcRowReader {
public:
    explicit OdbcRowReader(const OdbcHandle& statement) : m_stmt(statement) {}
    ResultSet readAll();

    // Row by row: describe() once, then fetchRow() until it returns false.
    void describe();
    bool fetchRow(std::vector<vb::Variant>& row);
    std::vector<ColumnInfo>& columns() { return m_columns; }
    const std::vector<ColumnInfo>& columns() const { return m_columns; }

    static ColumnInfo columnInfo(int sqlType, const QString& typeName, qint64 size, int digits);

private:
    vb::Variant read(SQLUSMALLINT column, ValueKind reading);
    vb::Variant readText(SQLUSMALLINT column);
    QString attribute(SQLUSMALLINT column, SQLUSMALLINT field) const;

    const OdbcHandle& m_stmt;
    std::vector<ColumnInfo> m_columns;
    std::vector<ValueKind> m_readings;
};

} // namespace ado

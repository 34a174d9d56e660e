#pragma once

#include "ado/OdbcHandle.h"
#include "ado/ColumnTypes.h"

namespace ado {

// Reads every row of an executed ODBC statement, typed as ADO would report them.
class OdbcRowReader {
public:
    explicit OdbcRowReader(const OdbcHandle& statement) : m_stmt(statement) {}
    ResultSet readAll();

    static ColumnInfo columnInfo(int sqlType, const QString& typeName, qint64 size, int digits);

private:
    void describe();
    vb::Variant read(SQLUSMALLINT column, ValueKind reading);
    vb::Variant readText(SQLUSMALLINT column);
    QString attribute(SQLUSMALLINT column, SQLUSMALLINT field) const;

    const OdbcHandle& m_stmt;
    std::vector<ColumnInfo> m_columns;
    std::vector<ValueKind> m_readings;
};

} // namespace ado

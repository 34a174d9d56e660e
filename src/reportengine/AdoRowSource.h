#pragma once
// Report rows read through the database layer's forward-only reader: a pass holds only the row
// it is on, whatever the size of the report. The values are turned into formula values one row
// at a time.

#include "reportengine/RowSource.h"
#include "ado/ForwardReader.h"

namespace ado { class Connection; }

namespace reportengine {

class AdoRowSource : public RowSource {
public:
    // Raises ReportError when the query fails, with the database's message and the SQL. The
    // connection must outlive the source.
    AdoRowSource(const std::shared_ptr<ado::Connection>& connection, const QString& sql, std::size_t columnCount);
    bool next(std::vector<FormulaValue>& row) override;

    static FormulaValue value(const vb::Variant& v);
    // A runner that opens every query on this connection; the runner keeps the connection alive.
    static QueryRunner runner(std::shared_ptr<ado::Connection> connection);

private:
    [[noreturn]] void fail(const QString& message) const;
    static QString statementStart(const QString& sql);

    ado::ForwardReaderPtr m_reader;
    std::size_t m_columnCount;
    QString m_sql;
};

} // namespace reportengine

#pragma once
// Report rows read through the database layer. The recordset is read whole when it opens (the
// layer has no forward-only reader yet), so a pass holds its query's rows until it ends; the
// values are turned into formula values one row at a time.

#include "RowSource.h"
#include "ado/Recordset.h"

namespace ado { class Connection; }

namespace rpt {

class AdoRowSource : public RowSource {
public:
    // Raises ReportError when the query fails, with the database's message and the SQL.
    AdoRowSource(const std::shared_ptr<ado::Connection>& connection, const QString& sql, std::size_t columnCount);
    bool next(std::vector<FormulaValue>& row) override;

    static FormulaValue value(const vb::Variant& v);
    // A runner that opens every query on this connection; the runner keeps the connection alive.
    static QueryRunner runner(std::shared_ptr<ado::Connection> connection);

private:
    ado::RecordsetPtr m_rows;
    std::vector<ado::FieldPtr> m_fields;
    std::size_t m_columnCount;
};

} // namespace rpt

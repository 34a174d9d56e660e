#pragma once

#include "ado/Cursor.h"

namespace ado {

// Rows already read whole (batches, procedures, statements without rows) served one by one.
class ResultSetCursor : public Cursor {
public:
    explicit ResultSetCursor(ExecuteResult result) : m_rows(std::move(result.rows)) {}
    const std::vector<ColumnInfo>& columns() const override { return m_rows.columns; }
    bool fetch(std::vector<vb::Variant>& row) override;

protected:
    void freeStatement() override;

private:
    ResultSet m_rows;
    size_t m_next = 0;
};

} // namespace ado

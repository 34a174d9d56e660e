#include "ado/ResultSetCursor.h"

namespace ado {

bool ResultSetCursor::fetch(std::vector<vb::Variant>& row)
{
    if (m_next >= m_rows.rowCount())
        return false;
    row.resize(m_rows.columnCount());
    for (size_t c = 0; c < row.size(); ++c)
        row[c] = m_rows.at(m_next, c);
    ++m_next;
    return true;
}

void ResultSetCursor::freeStatement()
{
    m_rows.values = RowStore();
    m_rows.rows = 0;
    m_next = 0;
}

} // namespace ado

#include "ado/OdbcCursor.h"

#include "ado/ColumnTypes.h"

namespace ado {

OdbcCursor::OdbcCursor(std::unique_ptr<OdbcHandle> statement)
    : m_stmt(std::move(statement)), m_reader(*m_stmt)
{
}

void OdbcCursor::freeStatement()
{
    m_stmt.reset();
}

// The statements of the batch after the row set still run, as they do for a Recordset.
void OdbcCursor::finishResults()
{
    for (;;) {
        const SQLRETURN more = SQLMoreResults(m_stmt->get());
        if (more == SQL_NO_DATA)
            break;
        m_stmt->check(more);
    }
}

// A failed fetch ends the cursor: the driver's state after it is not worth trusting.
bool OdbcCursor::fetchFromServer(std::vector<vb::Variant>& row)
{
    if (!m_stmt)
        return false;
    try {
        if (m_reader.fetchRow(row)) {
            for (size_t c = 0; c < row.size(); ++c)
                ColumnTypes::pad(columns()[c], row[c]);
            return true;
        }
        finishResults();
    } catch (const DatabaseFailure&) {
        freeStatement();
        throw;
    }
    freeStatement();
    return false;
}

bool OdbcCursor::fetch(std::vector<vb::Variant>& row)
{
    if (m_buffered.empty() && m_failure) {
        const DatabaseFailure failure = *m_failure;
        m_failure.reset();
        throw failure;
    }
    if (m_buffered.empty())
        return fetchFromServer(row);
    row = std::move(m_buffered.front());
    m_buffered.pop_front();
    return true;
}

// A failure while buffering belongs to this cursor: it is raised after the rows read before it.
void OdbcCursor::bufferRest()
{
    std::vector<vb::Variant> row;
    try {
        while (fetchFromServer(row))
            m_buffered.push_back(std::move(row));
    } catch (const DatabaseFailure& failure) {
        m_failure = failure;
    }
}

} // namespace ado

#include "ado/ForwardReader.h"

#include "ado/AdoEnums.h"
#include "ado/AdoRaise.h"
#include "ado/Connection.h"

namespace ado {

ForwardReader::ForwardReader(Connection& connection, CursorPtr cursor)
    : m_connection(connection), m_cursor(std::move(cursor))
{
}

bool ForwardReader::next()
{
    m_onRow = false;
    if (m_cursor->released())
        raiseAdo(adErrObjectClosed);
    m_onRow = m_connection.fetch(*m_cursor, m_row);
    return m_onRow;
}

const vb::Variant& ForwardReader::value(int column) const
{
    if (!m_onRow)
        raiseAdo(adErrNoCurrentRecord);
    if (column < 0 || column >= int(m_row.size()))
        raiseAdo(adErrItemNotFound);
    return m_row[size_t(column)];
}

} // namespace ado

#pragma once

#include "ado/Cursor.h"

#include <vb/Variant.h>

namespace ado {

class Connection;

// The rows of one query read forward once, without holding them: Connection::openReader
// runs the query and next() fetches each row from the engine (a step on SQLite, a fetch on
// ODBC), with the values, ADO types and errors a Recordset of the same query would give.
// Lifetime and threads: the statement stays open until the reader is destroyed or its last
// row is read; the connection must outlive it (Close() releases the statement, after which
// next() raises 3704); like its connection, it is used from the connection's thread only.
class ForwardReader {
public:
    ForwardReader(Connection& connection, CursorPtr cursor);
    ForwardReader(const ForwardReader&) = delete;
    ForwardReader& operator=(const ForwardReader&) = delete;

    // A computed column's type comes from its first value that is not NULL, and a computed
    // text's DefinedSize grows to the longest value read so far.
    const std::vector<ColumnInfo>& columns() const { return m_cursor->columns(); }
    int columnCount() const { return int(columns().size()); }
    bool next();
    // The current row's value; before the first next() or after the end, raises 3021.
    const vb::Variant& value(int column) const;

private:
    Connection& m_connection;
    CursorPtr m_cursor;
    std::vector<vb::Variant> m_row;
    bool m_onRow = false;
};

using ForwardReaderPtr = std::unique_ptr<ForwardReader>;

} // namespace ado

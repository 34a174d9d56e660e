#pragma once

#include "ado/RecordsetState.h"

namespace ado {

class Connection;

// Writes a recordset's edit back to the one table its fields come from. Rows are found by
// the table's key when the recordset holds every key column, else by all original values.
class RowWriter {
public:
    RowWriter(Connection& connection, RecordsetState& state);
    void insert();
    void update();
    void remove();

private:
    QString baseTable() const;
    bool writable(size_t column) const;
    QString whereClause(std::vector<vb::Variant>& values) const;
    bool hasWholeKey() const;
    static bool sameValue(const vb::Variant& a, const vb::Variant& b);
    [[noreturn]] static void rowNotFound();

    Connection& m_connection;
    RecordsetState& m_state;
    QString m_table;
};

} // namespace ado

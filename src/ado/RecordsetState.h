#pragma once

#include "ado/AdoEnums.h"
#include "ado/ResultSet.h"

#include <memory>

namespace ado {

class Connection;

// The data behind a Recordset and its Fields: rows read whole, the cursor position and the
// edit in progress. Fields hold it shared, so a Field read after its recordset went away
// still answers.
struct RecordsetState {
    bool open = false;
    ResultSet data;
    qint64 position = 0;           // 0-based; -1 is BOF, rowCount() is EOF
    bool currentDeleted = false;   // Delete leaves the cursor on the removed row until it moves
    int editMode = adEditNone;
    std::vector<vb::Variant> editBuffer;
    int lockType = adLockReadOnly;
    std::weak_ptr<Connection> connection;

    qint64 rowCount() const { return qint64(data.rowCount()); }
    bool atRow() const
    {
        return open && position >= 0 && !currentDeleted && size_t(position) < data.rows;
    }
    void requireOpen() const;
    void requireRow() const;       // 3021 unless on a row (or on the row being added)
    vb::Variant value(size_t column) const
    {
        if (editMode == adEditNone && atRow())
            return data.at(size_t(position), column);
        return editedValue(column);
    }
    vb::Variant editedValue(size_t column) const;
    void setValue(size_t column, const vb::Variant& v);
};

using RecordsetStatePtr = std::shared_ptr<RecordsetState>;

} // namespace ado

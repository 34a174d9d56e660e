#pragma once

#include "ado/RecordsetState.h"

namespace ado {

// One column of a recordset's current row.
class Field {
public:
    Field(RecordsetStatePtr state, size_t index) : m_state(std::move(state)), m_index(index) {}

    QString Name() const { return info().name; }
    vb::Variant Value() const { return m_state->value(m_index); }
    void setValue(const vb::Variant& value) { m_state->setValue(m_index, value); }
    vb::Variant OriginalValue() const;       // as read from the database, Empty on a new row
    int Type() const { return info().type; }
    qint64 DefinedSize() const { return info().definedSize; }
    qint64 ActualSize() const;               // characters of a text, the type's size otherwise
    int Precision() const { return info().precision; }
    int NumericScale() const { return info().numericScale; }

private:
    const ColumnInfo& info() const { return m_state->data.columns[m_index]; }

    RecordsetStatePtr m_state;
    size_t m_index;
};

using FieldPtr = std::shared_ptr<Field>;

} // namespace ado

#include "ado/Field.h"

namespace ado {

vb::Variant Field::OriginalValue() const
{
    m_state->requireRow();
    if (m_state->editMode == adEditAdd)
        return {};
    return m_state->data.at(size_t(m_state->position), m_index);
}

qint64 Field::ActualSize() const
{
    const vb::Variant v = Value();
    if (v.isNull() || v.isEmpty())
        return 0;
    if (v.isString())
        return v.stringRef().size();
    return DefinedSize();
}

} // namespace ado

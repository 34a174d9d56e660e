#include "ado/Fields.h"

#include "ado/AdoRaise.h"

namespace ado {

Fields::Fields(RecordsetStatePtr state)
    : m_state(std::move(state))
{
    for (size_t i = 0; i < m_state->data.columnCount(); ++i)
        m_items.push_back(std::make_shared<Field>(m_state, i));
}

const FieldPtr& Fields::missing()
{
    raiseAdo(adErrItemNotFound);
}

const FieldPtr& Fields::Item(const QString& name) const
{
    const int index = indexOf(name);
    if (index < 0)
        raiseAdo(adErrItemNotFound);
    return m_items[size_t(index)];
}

int Fields::indexOf(const QString& name) const
{
    const auto& columns = m_state->data.columns;
    for (size_t i = 0; i < columns.size(); ++i)
        if (columns[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}

} // namespace ado

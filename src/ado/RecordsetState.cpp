#include "ado/RecordsetState.h"

#include "ado/AdoRaise.h"

namespace ado {

void RecordsetState::requireOpen() const
{
    if (!open)
        raiseAdo(adErrObjectClosed);
}

void RecordsetState::requireRow() const
{
    requireOpen();
    if (editMode != adEditAdd && !atRow())
        raiseAdo(adErrNoCurrentRecord);
}

const vb::Variant& RecordsetState::value(size_t column) const
{
    requireRow();
    if (editMode != adEditNone)
        return editBuffer[column];
    return data.at(size_t(position), column);
}

void RecordsetState::setValue(size_t column, const vb::Variant& v)
{
    requireRow();
    if (lockType == adLockReadOnly)
        raiseAdo(adErrNotSupported);
    if (editMode == adEditNone) {
        const size_t n = data.columnCount();
        editBuffer.assign(data.values.begin() + qsizetype(size_t(position) * n),
                          data.values.begin() + qsizetype(size_t(position) * n + n));
        editMode = adEditInProgress;
    }
    editBuffer[column] = v;
}

} // namespace ado

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
        raiseAdo(adErrNoCurrentRecord, AdoObject::Field);
}

vb::Variant RecordsetState::editedValue(size_t column) const
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
        raiseAdo(adErrNotSupported, AdoObject::Field);
    if (editMode == adEditNone) {
        editBuffer.clear();
        for (size_t c = 0; c < data.columnCount(); ++c)
            editBuffer.push_back(data.at(size_t(position), c));
        editMode = adEditInProgress;
    }
    editBuffer[column] = v;
}

} // namespace ado

#include "ado/Recordset.h"

#include "ado/AdoRaise.h"
#include "ado/Connection.h"
#include "ado/RowWriter.h"

namespace ado {

Recordset::Recordset()
    : m_state(std::make_shared<RecordsetState>())
{
}

void Recordset::requireClosed() const
{
    if (m_state->open)
        raiseAdo(adErrObjectOpen);
}

void Recordset::Open(const QString& source, const ConnectionPtr& activeConnection, int cursorType, int lockType, int options)
{
    requireClosed();
    if (!activeConnection || activeConnection->State() != adStateOpen)
        raiseAdo(adErrInvalidConnection);
    const bool table = options != adCmdUnspecified && (options & adCmdTable) && !(options & adCmdText);
    const QString sql = table ? QStringLiteral("SELECT * FROM ") + source : source;
    ExecuteResult result = activeConnection->runQuery(sql);
    if (cursorType != adOpenUnspecified)
        m_cursorType = cursorType;
    if (result.hasRows)
        attach(std::move(result.rows), activeConnection, source, lockType == adLockUnspecified ? LockType() : lockType);
}

void Recordset::attach(ResultSet rows, const ConnectionPtr& connection, const QString& source, int lockType)
{
    auto state = std::make_shared<RecordsetState>();
    state->data = std::move(rows);
    state->open = true;
    state->lockType = lockType;
    state->connection = connection;
    state->position = 0;
    m_state = std::move(state);
    m_fields.reset();
    m_source = source;
    m_cursorType = adOpenStatic;
}

void Recordset::Close()
{
    m_state->requireOpen();
    if (m_state->editMode != adEditNone)
        raiseAdo(adErrIllegalOperation);
    auto closed = std::make_shared<RecordsetState>();
    closed->lockType = m_state->lockType;
    m_state = std::move(closed);
    m_fields.reset();
}

bool Recordset::Eof() const
{
    m_state->requireOpen();
    return m_state->position >= m_state->rowCount();
}

bool Recordset::Bof() const
{
    m_state->requireOpen();
    return m_state->position < 0 || m_state->rowCount() == 0;
}

void Recordset::leaveRow()
{
    m_state->requireOpen();
    if (m_state->editMode == adEditAdd)
        CancelUpdate();
    else if (m_state->editMode == adEditInProgress)
        Update();
}

void Recordset::moveTo(qint64 position)
{
    m_state->position = std::clamp<qint64>(position, -1, m_state->rowCount());
    m_state->currentDeleted = false;
}

void Recordset::MoveFirst()
{
    leaveRow();
    if (m_state->rowCount() == 0)
        raiseAdo(adErrNoCurrentRecord);
    moveTo(0);
}

void Recordset::MoveLast()
{
    leaveRow();
    if (m_state->rowCount() == 0)
        raiseAdo(adErrNoCurrentRecord);
    moveTo(m_state->rowCount() - 1);
}

void Recordset::MoveNext()
{
    leaveRow();
    if (m_state->position >= m_state->rowCount())
        raiseAdo(adErrNoCurrentRecord);
    moveTo(m_state->currentDeleted ? m_state->position : m_state->position + 1);
}

void Recordset::MovePrevious()
{
    leaveRow();
    if (m_state->position < 0 || m_state->rowCount() == 0)
        raiseAdo(adErrNoCurrentRecord);
    moveTo(m_state->position - 1);
}

qint64 Recordset::RecordCount() const
{
    m_state->requireOpen();
    return m_state->rowCount();
}

qint64 Recordset::AbsolutePosition() const
{
    m_state->requireOpen();
    return m_state->atRow() ? m_state->position + 1 : -1;
}

std::vector<std::vector<vb::Variant>> Recordset::GetRows(qint64 rows)
{
    leaveRow();
    if (!m_state->atRow())
        raiseAdo(adErrNoCurrentRecord);
    const size_t columns = m_state->data.columnCount();
    const qint64 available = m_state->rowCount() - m_state->position;
    const qint64 count = rows < 0 ? available : std::min(rows, available);
    std::vector<std::vector<vb::Variant>> out(columns);
    for (size_t c = 0; c < columns; ++c) {
        out[c].reserve(size_t(count));
        for (qint64 r = 0; r < count; ++r)
            out[c].push_back(m_state->data.at(size_t(m_state->position + r), c));
    }
    moveTo(m_state->position + count);
    return out;
}

FieldsPtr Recordset::Fields() const
{
    if (!m_fields)
        m_fields = std::make_shared<ado::Fields>(m_state);
    return m_fields;
}

void Recordset::setCursorType(int type)
{
    requireClosed();
    m_cursorType = type;
}

void Recordset::setLockType(int type)
{
    requireClosed();
    m_state->lockType = type;
}

int Recordset::EditMode() const
{
    m_state->requireOpen();
    return m_state->editMode;
}

void Recordset::AddNew()
{
    leaveRow();
    if (m_state->lockType == adLockReadOnly)
        raiseAdo(adErrNotSupported);
    m_state->editBuffer.assign(m_state->data.columnCount(), vb::Variant());
    m_state->editMode = adEditAdd;
}

void Recordset::CancelUpdate()
{
    m_state->requireOpen();
    m_state->editMode = adEditNone;
    m_state->editBuffer.clear();
}

void Recordset::Update()
{
    m_state->requireOpen();
    if (m_state->editMode == adEditNone)
        return;
    ConnectionPtr connection = m_state->connection.lock();
    if (!connection)
        raiseAdo(adErrInvalidConnection);
    RowWriter writer(*connection, *m_state);
    if (m_state->editMode == adEditAdd)
        writer.insert();
    else
        writer.update();
    m_state->editMode = adEditNone;
    m_state->editBuffer.clear();
}

void Recordset::Delete()
{
    leaveRow();
    if (!m_state->atRow())
        raiseAdo(adErrNoCurrentRecord);
    if (m_state->lockType == adLockReadOnly)
        raiseAdo(adErrNotSupported);
    ConnectionPtr connection = m_state->connection.lock();
    if (!connection)
        raiseAdo(adErrInvalidConnection);
    RowWriter(*connection, *m_state).remove();
    m_state->currentDeleted = true;
}

} // namespace ado

#pragma once

#include "ado/AdoEnums.h"
#include "ado/Fields.h"

#include <vb/Variant.h>

namespace ado {

class Connection;
using ConnectionPtr = std::shared_ptr<Connection>;

// A client-side recordset: Open reads every row at once, so it outlives the statement and
// the cursor moves freely whatever cursor type was asked for. AddNew/Update/Delete write
// back to the one table the query reads. ADO's EOF and BOF are Eof() and Bof() here.
class Recordset : public vb::Object, public std::enable_shared_from_this<Recordset> {
public:
    Recordset();
    static std::shared_ptr<Recordset> create() { return std::make_shared<Recordset>(); }
    QString typeName() const override { return QStringLiteral("Recordset"); }

    void Open(const QString& source, const ConnectionPtr& activeConnection, int cursorType = adOpenForwardOnly,
              int lockType = adLockReadOnly, int options = adCmdUnspecified);
    void Close();
    int State() const { return m_state->open ? adStateOpen : adStateClosed; }
    bool Eof() const;
    bool Bof() const;
    void MoveFirst();
    void MoveNext();
    void MovePrevious();
    void MoveLast();
    qint64 RecordCount() const;
    qint64 AbsolutePosition() const;                 // 1-based, -1 off the rows
    // Rows from the current one on, as [field][row]; the cursor moves past them.
    std::vector<std::vector<vb::Variant>> GetRows(qint64 rows = adGetRowsRest);
    FieldsPtr Fields() const;
    FieldPtr Field(const QString& name) const { return Fields()->Item(name); }
    vb::Variant Value(const QString& name) const { return Field(name)->Value(); }

    void AddNew();
    void Update();
    void Delete();
    void CancelUpdate();
    int EditMode() const;

    int CursorType() const { return m_cursorType; }
    void setCursorType(int type);
    int LockType() const { return m_state->lockType; }
    void setLockType(int type);
    int CursorLocation() const { return adUseClient; }
    QString Source() const { return m_source; }
    ConnectionPtr ActiveConnection() const { return m_state->connection.lock(); }

    // Used by Connection and Command to hand over rows they already read.
    void attach(ResultSet rows, const ConnectionPtr& connection, const QString& source, int lockType);

private:
    void requireClosed() const;
    void leaveRow();
    void moveTo(qint64 position);

    RecordsetStatePtr m_state;
    mutable FieldsPtr m_fields;
    int m_cursorType = adOpenForwardOnly;
    QString m_source;
};

using RecordsetPtr = std::shared_ptr<Recordset>;

} // namespace ado

#pragma once

#include "ado/AdoEnums.h"
#include "ado/Engine.h"
#include "ado/Errors.h"
#include "ado/ForwardReader.h"
#include "ado/Recordset.h"

#include <functional>

namespace ado {

// ADO's Connection over one of our engines (chosen by the connection string, see
// EngineTarget). Every failure fills Errors and raises a vb::Error with ADO's number.
class Connection : public vb::Object, public std::enable_shared_from_this<Connection> {
public:
    Connection();
    ~Connection() override;
    static std::shared_ptr<Connection> create() { return std::make_shared<Connection>(); }
    QString typeName() const override { return QStringLiteral("Connection"); }

    QString ConnectionString() const { return m_connectionString; }
    void setConnectionString(const QString& text);
    int ConnectionTimeout() const { return m_connectionTimeout; }
    void setConnectionTimeout(int seconds) { m_connectionTimeout = seconds; }
    int CommandTimeout() const { return m_commandTimeout; }
    void setCommandTimeout(int seconds) { m_commandTimeout = seconds; }
    int CursorLocation() const { return m_cursorLocation; }
    void setCursorLocation(int location) { m_cursorLocation = location; }
    QString DefaultDatabase() const;
    void setDefaultDatabase(const QString& name);
    int IsolationLevel() const { return m_isolationLevel; }
    void setIsolationLevel(int level);
    QString Provider() const;
    ErrorsPtr Errors() const { return m_errors; }

    void Open(const QString& connectionString = {}, const QString& userId = {}, const QString& password = {},
              int options = adOptionUnspecified);
    void Close();
    int State() const { return m_engine ? adStateOpen : adStateClosed; }
    // A closed recordset for statements that return no rows, as ADO does.
    RecordsetPtr Execute(const QString& commandText, qint64* recordsAffected = nullptr, int options = adOptionUnspecified);
    int BeginTrans();
    void CommitTrans();
    void RollbackTrans();
    RecordsetPtr OpenSchema(int schema, const std::vector<QString>& restrictions = {});
    // The rows of a query read forward once, without holding them (see ForwardReader).
    ForwardReaderPtr openReader(const QString& sql);

    // For Recordset, Command and RowWriter.
    ExecuteResult runQuery(const QString& sql);
    ExecuteResult runBound(const QString& sql, const std::vector<vb::Variant>& values);
    ExecuteResult runProcedure(const QString& name, const std::vector<std::pair<QString, vb::Variant>>& parameters);
    vb::Variant lastInsertedKey();
    Engine& engine();
    // For ForwardReader.
    bool fetch(Cursor& cursor, std::vector<vb::Variant>& row);

private:
    template <class F> auto guarded(F&& operation) -> decltype(operation());
    RecordsetPtr recordsetFor(ExecuteResult result, const QString& source);
    void requireOpen() const;
    void releaseCursors();

    QString m_connectionString;
    int m_connectionTimeout = 15;
    int m_commandTimeout = 30;
    int m_cursorLocation = adUseServer;
    int m_isolationLevel = adXactReadCommitted;
    int m_transactionLevel = 0;
    ErrorsPtr m_errors;
    EnginePtr m_engine;
    std::vector<std::weak_ptr<Cursor>> m_cursors;   // of live readers, released before the engine closes
};

using ConnectionPtr = std::shared_ptr<Connection>;

} // namespace ado

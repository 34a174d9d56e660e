#include "ado/Connection.h"

#include "ado/AdoRaise.h"
#include "ado/DatabaseFailure.h"
#include "ado/EngineTarget.h"
#include "ado/OdbcEngine.h"
#include "ado/ServerMessages.h"
#include "ado/SqliteEngine.h"
#include "ado/TestHooks.h"

#include <vb/Error.h>

namespace ado {

namespace {
DatabaseFailure simulatedLoss()
{
    return DatabaseFailure(adErrUnspecified,
        {Error(adErrUnspecified, ServerMessages::networkError(),
               QStringLiteral("Microsoft OLE DB Provider for SQL Server"), QStringLiteral("08S01"), 11)});
}
} // namespace

Connection::Connection()
    : m_errors(std::make_shared<ado::Errors>())
{
}

Connection::~Connection()
{
    releaseCursors();
}

void Connection::releaseCursors()
{
    for (const std::weak_ptr<Cursor>& weak : m_cursors)
        if (const CursorPtr cursor = weak.lock())
            cursor->release();
    m_cursors.clear();
}

template <class F>
auto Connection::guarded(F&& operation) -> decltype(operation())
{
    m_errors->Clear();
    try {
        if (TestHooks::consumeFailure())
            throw simulatedLoss();
        return operation();
    } catch (const DatabaseFailure& failure) {
        m_errors->assign(failure.records());
        const Error first = failure.records().empty() ? Error() : failure.records().front();
        if (failure.connectionLost())
            rememberLostConnection(failure.number(), first.Description());
        throw vb::Error(failure.number(), first.Description(), first.Source());
    }
}

void Connection::requireOpen() const
{
    if (!m_engine)
        raiseAdo(adErrObjectClosed, AdoObject::Connection);
}

Engine& Connection::engine()
{
    requireOpen();
    return *m_engine;
}

void Connection::setConnectionString(const QString& text)
{
    if (m_engine)
        raiseAdo(adErrObjectOpen, AdoObject::Connection);
    m_connectionString = text;
}

QString Connection::Provider() const
{
    const QString provider = ado::ConnectionString(m_connectionString).value(QStringLiteral("Provider"));
    return provider.isEmpty() ? QStringLiteral("MSDASQL") : provider;
}

void Connection::Open(const QString& connectionString, const QString& userId, const QString& password, int)
{
    if (m_engine)
        raiseAdo(adErrObjectOpen, AdoObject::Connection);
    if (!connectionString.isEmpty())
        m_connectionString = connectionString;
    QString text = m_connectionString;
    if (!userId.isEmpty())
        text += QStringLiteral(";UId=") + userId;
    if (!password.isEmpty())
        text += QStringLiteral(";Pwd=") + password;
    const ado::ConnectionString parsed(text);
    const EngineTarget target = EngineTarget::choose(parsed);
    m_engine = guarded([&]() -> EnginePtr {
        if (target.kind == EngineTarget::Sqlite)
            return std::make_unique<SqliteEngine>(target.databaseFile, target.databaseName);
        try {
            return std::make_unique<OdbcEngine>(target.odbcString, m_connectionTimeout);
        } catch (const DatabaseFailure& failure) {
            throw target.explained(failure);
        }
    });
    m_transactionLevel = 0;
}

void Connection::Close()
{
    requireOpen();
    releaseCursors();
    m_engine->close();
    m_engine.reset();
    m_transactionLevel = 0;
}

QString Connection::DefaultDatabase() const
{
    return m_engine ? m_engine->defaultDatabase() : QString();
}

void Connection::setDefaultDatabase(const QString& name)
{
    requireOpen();
    if (name.trimmed().compare(m_engine->defaultDatabase(), Qt::CaseInsensitive) != 0)
        releaseCursors();
    guarded([&] { m_engine->setDefaultDatabase(name.trimmed()); });
}

void Connection::setIsolationLevel(int level)
{
    m_isolationLevel = level;
    if (m_engine)
        guarded([&] { m_engine->setIsolationLevel(level); });
}

RecordsetPtr Connection::recordsetFor(ExecuteResult result, const QString& source)
{
    auto rs = Recordset::create();
    if (result.hasRows)
        rs->attach(std::move(result.rows), shared_from_this(), source, adLockReadOnly);
    return rs;
}

RecordsetPtr Connection::Execute(const QString& commandText, qint64* recordsAffected, int options)
{
    ExecuteResult result = runQuery(commandText);
    if (recordsAffected)
        *recordsAffected = result.recordsAffected;
    if (options != adOptionUnspecified && (options & adExecuteNoRecords))
        return nullptr;
    return recordsetFor(std::move(result), commandText);
}

ExecuteResult Connection::runQuery(const QString& sql)
{
    requireOpen();
    return guarded([&] { return m_engine->execute(sql, m_commandTimeout); });
}

ExecuteResult Connection::runBound(const QString& sql, const std::vector<vb::Variant>& values)
{
    requireOpen();
    return guarded([&] { return m_engine->executeBound(sql, values); });
}

ExecuteResult Connection::runProcedure(const QString& name, const std::vector<std::pair<QString, vb::Variant>>& parameters)
{
    requireOpen();
    return guarded([&] { return m_engine->callProcedure(name, parameters, m_commandTimeout); });
}

ForwardReaderPtr Connection::openReader(const QString& sql)
{
    if (!m_engine)
        raiseAdo(adErrInvalidConnection, AdoObject::Connection);
    CursorPtr cursor = guarded([&] { return m_engine->openCursor(sql, m_commandTimeout); });
    std::erase_if(m_cursors, [](const std::weak_ptr<Cursor>& weak) { return weak.expired(); });
    m_cursors.push_back(cursor);
    return std::make_unique<ForwardReader>(*this, std::move(cursor));
}

bool Connection::fetch(Cursor& cursor, std::vector<vb::Variant>& row)
{
    requireOpen();
    return guarded([&] { return cursor.fetch(row); });
}

vb::Variant Connection::lastInsertedKey()
{
    requireOpen();
    return guarded([&] { return m_engine->lastInsertedKey(); });
}

int Connection::BeginTrans()
{
    requireOpen();
    guarded([&] { m_engine->beginTransaction(); });
    return ++m_transactionLevel;
}

void Connection::CommitTrans()
{
    requireOpen();
    guarded([&] { m_engine->commit(); });
    m_transactionLevel = std::max(0, m_transactionLevel - 1);
}

void Connection::RollbackTrans()
{
    requireOpen();
    guarded([&] { m_engine->rollback(); });
    m_transactionLevel = 0;
}

RecordsetPtr Connection::OpenSchema(int schema, const std::vector<QString>& restrictions)
{
    requireOpen();
    if (schema != adSchemaTables && schema != adSchemaColumns)
        raiseAdo(adErrNotSupported, AdoObject::Connection);
    ExecuteResult result;
    result.hasRows = true;
    result.rows = guarded([&] {
        return schema == adSchemaTables ? m_engine->tables(restrictions) : m_engine->columns(restrictions);
    });
    return recordsetFor(std::move(result), QString());
}

} // namespace ado

#include "ado/OdbcEngine.h"

#include "ado/AdoEnums.h"
#include "ado/DateText.h"
#include "ado/OdbcCursor.h"
#include "ado/OdbcRowReader.h"
#include "ado/ResultSetCursor.h"
#include "ado/SchemaRowset.h"
#include "ado/ServerMessages.h"

namespace ado {

namespace {
QByteArray utf8(const QString& text)
{
    return text.toUtf8();
}

SQLCHAR* chars(QByteArray& bytes)
{
    return reinterpret_cast<SQLCHAR*>(bytes.data());
}

QString boundText(const vb::Variant& v)
{
    switch (v.type()) {
    case vb::VarType::Boolean: return v.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    case vb::VarType::Date: return DateText::format(v.toDate().toDateTime());
    case vb::VarType::Single: case vb::VarType::Double: return QString::number(v.toDouble(), 'g', 17);
    case vb::VarType::Currency: case vb::VarType::Decimal: return v.toDecimal().toString(u'.');
    default: return v.toString();
    }
}
} // namespace

OdbcEngine::OdbcEngine(const QString& connectionString, int loginTimeoutSeconds)
{
    m_env = std::make_unique<OdbcHandle>(SQL_HANDLE_ENV, SQLHANDLE(nullptr));
    m_env->check(SQLSetEnvAttr(m_env->get(), SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0));
    m_dbc = std::make_unique<OdbcHandle>(SQL_HANDLE_DBC, m_env->get());
    if (loginTimeoutSeconds > 0)
        SQLSetConnectAttr(m_dbc->get(), SQL_ATTR_LOGIN_TIMEOUT, reinterpret_cast<SQLPOINTER>(SQLULEN(loginTimeoutSeconds)), 0);
    QByteArray text = utf8(connectionString);
    SQLCHAR out[1024];
    SQLSMALLINT outLength = 0;
    m_dbc->check(SQLDriverConnect(m_dbc->get(), nullptr, chars(text), SQLSMALLINT(text.size()), out, sizeof out,
                                  &outLength, SQL_DRIVER_NOPROMPT));
    m_connected = true;
}

OdbcEngine::~OdbcEngine()
{
    close();
}

void OdbcEngine::close()
{
    if (m_connected)
        SQLDisconnect(m_dbc->get());
    m_connected = false;
    m_transactionLevel = 0;
}

// A live cursor's pending rows are read into memory before the connection is used for
// anything else (see OdbcCursor).
void OdbcEngine::settleCursor() const
{
    if (const std::shared_ptr<OdbcCursor> cursor = m_streaming.lock(); cursor && cursor->pending())
        cursor->bufferRest();
}

std::unique_ptr<OdbcHandle> OdbcEngine::statement(int timeoutSeconds) const
{
    settleCursor();
    auto stmt = std::make_unique<OdbcHandle>(SQL_HANDLE_STMT, m_dbc->get());
    if (timeoutSeconds > 0)
        SQLSetStmtAttr(stmt->get(), SQL_ATTR_QUERY_TIMEOUT, reinterpret_cast<SQLPOINTER>(SQLULEN(timeoutSeconds)), 0);
    return stmt;
}

// The first row set of the batch is kept; affected rows add up over the statements.
ExecuteResult OdbcEngine::collect(const OdbcHandle& stmt)
{
    ExecuteResult result;
    for (;;) {
        SQLSMALLINT columns = 0;
        stmt.check(SQLNumResultCols(stmt.get(), &columns));
        if (columns > 0 && !result.hasRows) {
            result.rows = OdbcRowReader(stmt).readAll();
            result.hasRows = true;
            markKeys(result.rows.columns);
        } else if (columns == 0) {
            SQLLEN count = -1;
            if (SQL_SUCCEEDED(SQLRowCount(stmt.get(), &count)) && count >= 0)
                result.recordsAffected = std::max<qint64>(result.recordsAffected, 0) + count;
        }
        const SQLRETURN more = SQLMoreResults(stmt.get());
        if (more == SQL_NO_DATA)
            break;
        stmt.check(more);
    }
    return result;
}

ExecuteResult OdbcEngine::execute(const QString& sql, int timeoutSeconds)
{
    auto stmt = statement(timeoutSeconds);
    QByteArray text = utf8(sql);
    stmt->check(SQLExecDirect(stmt->get(), chars(text), SQLINTEGER(text.size())), true);
    return collect(*stmt);
}

// Results without rows before the first row set are passed over, as collect does.
CursorPtr OdbcEngine::openCursor(const QString& sql, int timeoutSeconds)
{
    auto stmt = statement(timeoutSeconds);
    QByteArray text = utf8(sql);
    stmt->check(SQLExecDirect(stmt->get(), chars(text), SQLINTEGER(text.size())), true);
    for (;;) {
        SQLSMALLINT columns = 0;
        stmt->check(SQLNumResultCols(stmt->get(), &columns));
        if (columns > 0)
            break;
        const SQLRETURN more = SQLMoreResults(stmt->get());
        if (more == SQL_NO_DATA)
            return std::make_shared<ResultSetCursor>(ExecuteResult());
        stmt->check(more);
    }
    auto cursor = std::make_shared<OdbcCursor>(std::move(stmt));
    cursor->start();
    markKeys(cursor->describedColumns());
    m_streaming = cursor;
    return cursor;
}

ExecuteResult OdbcEngine::executeBound(const QString& sql, const std::vector<vb::Variant>& values)
{
    auto stmt = statement(0);
    QByteArray text = utf8(sql);
    stmt->check(SQLPrepare(stmt->get(), chars(text), SQLINTEGER(text.size())));
    std::vector<std::u16string> buffers(values.size());
    std::vector<SQLLEN> indicators(values.size());
    for (size_t k = 0; k < values.size(); ++k) {
        const bool null = values[k].isNull() || values[k].isEmpty();
        buffers[k] = null ? std::u16string(1, u'\0') : boundText(values[k]).toStdU16String();
        const SQLLEN bytes = SQLLEN(buffers[k].size() * sizeof(char16_t));
        indicators[k] = null ? SQL_NULL_DATA : bytes;
        stmt->check(SQLBindParameter(stmt->get(), SQLUSMALLINT(k + 1), SQL_PARAM_INPUT, SQL_C_WCHAR, SQL_WVARCHAR,
                                     std::max<SQLULEN>(buffers[k].size(), 1), 0, buffers[k].data(), bytes, &indicators[k]));
    }
    stmt->check(SQLExecute(stmt->get()), true);
    return collect(*stmt);
}

ExecuteResult OdbcEngine::callProcedure(const QString& name, const std::vector<std::pair<QString, vb::Variant>>& parameters,
                                        int timeoutSeconds)
{
    Q_UNUSED(timeoutSeconds);
    QStringList marks;
    std::vector<vb::Variant> values;
    for (const auto& parameter : parameters) {
        marks << QStringLiteral("?");
        values.push_back(parameter.second);
    }
    return executeBound(QStringLiteral("{call %1(%2)}").arg(name, marks.join(u',')), values);
}

void OdbcEngine::beginTransaction()
{
    settleCursor();
    if (m_transactionLevel == 0)
        m_dbc->check(SQLSetConnectAttr(m_dbc->get(), SQL_ATTR_AUTOCOMMIT, reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_OFF), 0));
    ++m_transactionLevel;
}

void OdbcEngine::endTransaction(SQLSMALLINT completion)
{
    settleCursor();
    m_dbc->check(SQLEndTran(SQL_HANDLE_DBC, m_dbc->get(), completion));
    m_dbc->check(SQLSetConnectAttr(m_dbc->get(), SQL_ATTR_AUTOCOMMIT, reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_ON), 0));
}

void OdbcEngine::commit()
{
    if (m_transactionLevel == 0)
        throw DatabaseFailure(adErrUnspecified, {Error(adErrUnspecified,
            ServerMessages::commitWithoutBegin(),
            OdbcHandle::source(), QStringLiteral("25000"), 3902)});
    if (--m_transactionLevel == 0)
        endTransaction(SQL_COMMIT);
}

void OdbcEngine::rollback()
{
    if (m_transactionLevel == 0)
        throw DatabaseFailure(adErrUnspecified, {Error(adErrUnspecified,
            ServerMessages::rollbackWithoutBegin(),
            OdbcHandle::source(), QStringLiteral("25000"), 3903)});
    m_transactionLevel = 0;
    endTransaction(SQL_ROLLBACK);
}

QString OdbcEngine::text(const OdbcHandle& stmt, SQLUSMALLINT column)
{
    SQLCHAR buffer[1024] = {};
    SQLLEN indicator = 0;
    if (!SQL_SUCCEEDED(SQLGetData(stmt.get(), column, SQL_C_CHAR, buffer, sizeof buffer, &indicator)) || indicator == SQL_NULL_DATA)
        return {};
    return QString::fromUtf8(reinterpret_cast<const char*>(buffer));
}

ResultSet OdbcEngine::tables(const Restrictions& restrictions)
{
    auto stmt = statement(0);
    QByteArray types("TABLE,VIEW,SYSTEM TABLE");
    stmt->check(SQLTables(stmt->get(), nullptr, 0, nullptr, 0, nullptr, 0, chars(types), SQL_NTS));
    std::vector<SchemaRowset::Table> rows;
    while (SQL_SUCCEEDED(SQLFetch(stmt->get())))
        rows.push_back({text(*stmt, 1), text(*stmt, 2), text(*stmt, 3), text(*stmt, 4)});
    return SchemaRowset::tables(rows, restrictions);
}

ResultSet OdbcEngine::columns(const Restrictions& restrictions)
{
    auto stmt = statement(0);
    QByteArray table = utf8(restrictions.size() > 2 ? SchemaRowset::withoutTrailingBlanks(restrictions[2]) : QString());
    stmt->check(SQLColumns(stmt->get(), nullptr, 0, nullptr, 0, table.isEmpty() ? nullptr : chars(table),
                           table.isEmpty() ? 0 : SQL_NTS, nullptr, 0));
    std::vector<SchemaRowset::Column> rows;
    while (SQL_SUCCEEDED(SQLFetch(stmt->get()))) {
        SchemaRowset::Column c;
        c.catalog = text(*stmt, 1);
        c.schema = text(*stmt, 2);
        c.table = text(*stmt, 3);
        c.name = text(*stmt, 4);
        c.info = OdbcRowReader::columnInfo(text(*stmt, 5).toInt(), text(*stmt, 6), text(*stmt, 7).toLongLong(), text(*stmt, 9).toInt());
        c.nullable = text(*stmt, 11).toInt() != SQL_NO_NULLS;
        c.defaultValue = text(*stmt, 13);
        c.ordinal = text(*stmt, 17).toInt();
        rows.push_back(c);
    }
    return SchemaRowset::columns(rows, restrictions);
}

QString OdbcEngine::info(SQLUSMALLINT type) const
{
    SQLCHAR buffer[256] = {};
    SQLSMALLINT length = 0;
    if (!SQL_SUCCEEDED(SQLGetInfo(m_dbc->get(), type, buffer, sizeof buffer, &length)))
        return {};
    return QString::fromUtf8(reinterpret_cast<const char*>(buffer));
}

QString OdbcEngine::defaultDatabase() const
{
    return info(SQL_DATABASE_NAME);
}

// Drivers without catalogs (SQLite's) refuse the attribute; naming the database they are
// on is then no error.
void OdbcEngine::setDefaultDatabase(const QString& name)
{
    settleCursor();
    QByteArray bytes = utf8(name);
    const SQLRETURN rc = SQLSetConnectAttr(m_dbc->get(), SQL_ATTR_CURRENT_CATALOG, chars(bytes), SQLINTEGER(bytes.size()));
    if (SQL_SUCCEEDED(rc))
        return;
    const DatabaseFailure failure = OdbcHandle::diagnostics(SQL_HANDLE_DBC, m_dbc->get());
    const QString state = failure.records().front().SQLState();
    if (state == QLatin1String("HYC00") || state == QLatin1String("HY092") || state == QLatin1String("IM001"))
        return;
    throw failure;
}

void OdbcEngine::setIsolationLevel(int adoLevel)
{
    SQLULEN level = SQL_TXN_READ_COMMITTED;
    if (adoLevel == adXactReadUncommitted)
        level = SQL_TXN_READ_UNCOMMITTED;
    else if (adoLevel == adXactRepeatableRead)
        level = SQL_TXN_REPEATABLE_READ;
    else if (adoLevel == adXactSerializable)
        level = SQL_TXN_SERIALIZABLE;
    m_dbc->check(SQLSetConnectAttr(m_dbc->get(), SQL_ATTR_TXN_ISOLATION, reinterpret_cast<SQLPOINTER>(level), 0));
}

vb::Variant OdbcEngine::lastInsertedKey()
{
    const bool sqlite = info(SQL_DBMS_NAME).contains(QLatin1String("SQLite"), Qt::CaseInsensitive);
    const ExecuteResult r = execute(sqlite ? QStringLiteral("SELECT last_insert_rowid()") : QStringLiteral("SELECT SCOPE_IDENTITY()"), 0);
    return r.hasRows && r.rows.rowCount() == 1 ? r.rows.at(0, 0) : vb::Variant();
}

QString OdbcEngine::quoteName(const QString& name) const
{
    return u'"' + QString(name).replace(u'"', QLatin1String("\"\"")) + u'"';
}

int OdbcEngine::primaryKey(const QString& table, QStringList& columns) const
{
    auto stmt = statement(0);
    QByteArray bytes = utf8(table);
    if (!SQL_SUCCEEDED(SQLPrimaryKeys(stmt->get(), nullptr, 0, nullptr, 0, chars(bytes), SQL_NTS)))
        return 0;
    while (SQL_SUCCEEDED(SQLFetch(stmt->get())))
        columns << text(*stmt, 4);
    return int(columns.size());
}

void OdbcEngine::markKeys(std::vector<ColumnInfo>& columns) const
{
    QString table;
    for (const ColumnInfo& c : columns)
        if (!c.baseTable.isEmpty())
            table = c.baseTable;
    if (table.isEmpty())
        return;
    QStringList keys;
    const int count = primaryKey(table, keys);
    for (ColumnInfo& c : columns) {
        c.key = c.baseTable == table && keys.contains(c.baseColumn, Qt::CaseInsensitive);
        c.tableKeyColumns = c.key ? count : 0;
        c.autoIncrement = c.key && count == 1 && (c.type == adInteger || c.type == adBigInt);
    }
}

} // namespace ado

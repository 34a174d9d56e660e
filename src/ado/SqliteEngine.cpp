#include "ado/SqliteEngine.h"

#include "ado/AdoEnums.h"
#include "ado/SqliteBatchRunner.h"
#include "ado/ColumnTypes.h"
#include "ado/DateText.h"
#include "ado/EngineTarget.h"
#include "ado/ResultSetCursor.h"
#include "ado/SchemaRowset.h"
#include "ado/ServerMessages.h"
#include "ado/SqliteCursor.h"
#include "ado/ParameterLiteral.h"
#include "ado/SqliteErrorMap.h"
#include "ado/SqliteRowReader.h"
#include "ado/SqliteSupport.h"
#include "ado/TsqlDialectTranslator.h"
#include "ado/StoredProcedureText.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <sqlite3.h>

namespace ado {

namespace {
constexpr int maxProcedureDepth = 16;

struct Statement {
    sqlite3_stmt* handle = nullptr;
    ~Statement() { sqlite3_finalize(handle); }
};

int onProgress(void* deadline)
{
    const qint64 limit = *static_cast<qint64*>(deadline);
    return limit > 0 && QDateTime::currentMSecsSinceEpoch() > limit ? 1 : 0;
}
} // namespace

SqliteEngine::SqliteEngine(const QString& file, const QString& databaseName)
    : m_file(file)
    , m_name(databaseName)
{
    openFile();
}

SqliteEngine::~SqliteEngine()
{
    close();
}

void SqliteEngine::openFile()
{
    if (!QFileInfo(m_file).isFile())
        throw SqliteErrorMap::cannotOpen(m_name);
    const int rc = sqlite3_open_v2(QFile::encodeName(m_file).constData(), &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        sqlite3_close(m_db);
        m_db = nullptr;
        throw SqliteErrorMap::cannotOpen(m_name);
    }
    sqlite3_busy_timeout(m_db, 5000);
    sqlite3_progress_handler(m_db, 1000, onProgress, &m_deadline);
    const int readable = sqlite3_exec(m_db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
    if (readable != SQLITE_OK) {
        // A file another program is writing is there and sound, and a damaged one is there: each
        // says so, not that the database is missing or the login failed.
        const bool locked = readable == SQLITE_BUSY || readable == SQLITE_LOCKED;
        const bool damaged = readable == SQLITE_CORRUPT || readable == SQLITE_NOTADB;
        const DatabaseFailure failure = locked    ? SqliteErrorMap::failure(m_db, readable, QString())
                                        : damaged ? SqliteErrorMap::damaged(m_name, m_file)
                                                  : SqliteErrorMap::cannotOpen(m_name);
        close();
        throw failure;
    }
    prepareSqliteConnection(m_db, &m_options);
}

void SqliteEngine::close()
{
    if (m_db)
        sqlite3_close_v2(m_db);
    m_db = nullptr;
    m_transactionLevel = 0;
    m_transactionName.clear();
    m_savepoints.clear();
}

void SqliteEngine::checkAlive() const
{
    if (!m_db || !QFileInfo::exists(m_file))
        throw SqliteErrorMap::lostConnection(m_file);
}

// The time-out covers one call: the deadline is cleared when the call ends, however it ends,
// so that a later statement without one is never cut short.
SqliteEngine::Deadline::Deadline(qint64& deadline, int timeoutSeconds)
    : m_deadline(deadline)
{
    m_deadline = timeoutSeconds > 0 ? QDateTime::currentMSecsSinceEpoch() + qint64(timeoutSeconds) * 1000 : 0;
}

SqliteEngine::Deadline::~Deadline()
{
    m_deadline = 0;
}

ExecuteResult SqliteEngine::execute(const QString& sql, int timeoutSeconds)
{
    checkAlive();
    refreshSchema();
    const Deadline deadline(m_deadline, timeoutSeconds);
    ExecuteResult result;
    try {
        runBatch(sql, result, 0);
    } catch (...) {
        endOfCall();
        throw;
    }
    endOfCall();
    return result;
}

// SQLite reads a statement's text only up to its first NUL, even when handed its length:
// "DELETE FROM T<NUL> WHERE ..." would run as "DELETE FROM T". Such a text fails whole.
std::vector<TranslatedStatement> SqliteEngine::translate(const QString& sql)
{
    if (const qsizetype nul = sql.indexOf(QChar(0)); nul >= 0)
        throw SqliteErrorMap::server(102, QStringLiteral("42000"), ServerMessages::nulInStatement(nul + 1));
    return TsqlDialectTranslator(&m_schema).translate(sql, m_options.dateOrder);
}

void SqliteEngine::runBatch(const QString& sql, ExecuteResult& result, int depth)
{
    SqliteBatchRunner(*this, result, depth).run(translate(sql));
}

void SqliteEngine::refreshSchema()
{
    if (m_schema.refresh(m_db))
        m_keyColumns.clear();
}

// The engine never leaves a transaction of its own open: one the program did not begin
// (the statement that began it failed half-way) ends here.
void SqliteEngine::endOfCall()
{
    if (m_db && m_transactionLevel == 0 && !sqlite3_get_autocommit(m_db))
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
}

// Only a lone query is stepped as it is read; a batch or a procedure runs whole, as execute
// runs it, and its first row set is handed out from memory.
CursorPtr SqliteEngine::openCursor(const QString& sql, int timeoutSeconds)
{
    checkAlive();
    refreshSchema();
    const Deadline deadline(m_deadline, timeoutSeconds);
    const std::vector<TranslatedStatement> statements = translate(sql);
    const bool lone = statements.size() == 2 && statements.front().kind == TranslatedStatement::Query
                      && statements.front().variables.isEmpty() && statements.back().kind == TranslatedStatement::PartEnd;
    if (lone)
        if (CursorPtr cursor = streamingCursor(statements.front()))
            return cursor;
    ExecuteResult result;
    try {
        SqliteBatchRunner(*this, result, 0).run(statements);
    } catch (...) {
        endOfCall();
        throw;
    }
    endOfCall();
    return std::make_shared<ResultSetCursor>(std::move(result));
}

CursorPtr SqliteEngine::streamingCursor(const TranslatedStatement& statement)
{
    const QString& sql = statement.sql;
    const QByteArray utf8 = sql.toUtf8();
    const char* tail = nullptr;
    sqlite3_stmt* stmt = nullptr;
    const int rc = sqlite3_prepare_v2(m_db, utf8.constData(), int(utf8.size()), &stmt, &tail);
    if (rc != SQLITE_OK)
        throw SqliteErrorMap::failure(m_db, rc, sql);
    const bool lone = tail && QByteArray(tail).replace(';', ' ').trimmed().isEmpty();
    if (!stmt || !lone || sqlite3_column_count(stmt) == 0) {
        sqlite3_finalize(stmt);
        return nullptr;
    }
    try {
        bindNamed(stmt);
    } catch (...) {
        sqlite3_finalize(stmt);
        throw;
    }
    auto cursor = std::make_shared<SqliteCursor>(m_db, stmt, sql, [this](const QString& table) { return keyColumns(table); });
    cursor->setTypeHints(statement.columnTypes);
    cursor->start();
    return cursor;
}

qint64 SqliteEngine::runSql(const QString& sql, const std::vector<vb::Variant>* values, ExecuteResult& result,
                            const QStringList& columnTypes)
{
    const QByteArray utf8 = sql.toUtf8();
    const char* tail = utf8.constData();
    const char* end = tail + utf8.size();
    qint64 rows = 0;
    while (tail < end) {
        Statement stmt;
        const char* from = tail;
        const int rc = sqlite3_prepare_v2(m_db, tail, int(end - tail), &stmt.handle, &tail);
        if (rc != SQLITE_OK)
            throw SqliteErrorMap::failure(m_db, rc, sql);
        if (!stmt.handle && tail == from)   // a NUL: SQLite reads no further
            throw SqliteErrorMap::failure(SQLITE_ERROR, QStringLiteral("incomplete input"), sql);
        if (!stmt.handle)
            continue;
        if (values)
            bind(stmt.handle, *values);
        else
            bindNamed(stmt.handle);
        rows = runStep(stmt.handle, sql, result, columnTypes);
    }
    return rows;
}

qint64 SqliteEngine::runStep(sqlite3_stmt* stmt, const QString& sql, ExecuteResult& result, const QStringList& columnTypes)
{
    if (sqlite3_column_count(stmt) > 0) {
        SqliteRowReader reader(m_db, stmt, [this](const QString& table) { return keyColumns(table); });
        reader.setTypeHints(columnTypes);
        try {
            ResultSet rows = reader.readAll();
            const qint64 count = qint64(rows.rowCount());
            if (!result.hasRows) {
                result.hasRows = true;
                result.rows = std::move(rows);
            }
            return count;
        } catch (int rc) {
            throw SqliteErrorMap::failure(m_db, rc, sql);
        }
    }
    const int rc = sqlite3_step(stmt);
    if (rc != SQLITE_DONE && rc != SQLITE_ROW)
        throw SqliteErrorMap::failure(m_db, rc, sql);
    if (sqlite3_stmt_readonly(stmt))
        return 0;
    const qint64 changed = sqlite3_changes(m_db);
    result.recordsAffected = std::max<qint64>(result.recordsAffected, 0) + changed;
    return changed;
}

// Named parameters are the batch's variables (@name) and the session's values ($name).
void SqliteEngine::bindNamed(sqlite3_stmt* stmt)
{
    const int count = sqlite3_bind_parameter_count(stmt);
    for (int at = 1; at <= count; ++at) {
        const char* name = sqlite3_bind_parameter_name(stmt, at);
        if (!name)
            continue;
        const QVariant value = namedValue(QString::fromUtf8(name));
        if (!value.isValid()) {
            sqlite3_bind_null(stmt, at);
        } else if (value.typeId() == QMetaType::LongLong) {
            sqlite3_bind_int64(stmt, at, value.toLongLong());
        } else if (value.typeId() == QMetaType::Double) {
            sqlite3_bind_double(stmt, at, value.toDouble());
        } else {
            const QByteArray text = value.toString().toUtf8();
            sqlite3_bind_text(stmt, at, text.constData(), int(text.size()), SQLITE_TRANSIENT);
        }
    }
}

QVariant SqliteEngine::namedValue(const QString& name) const
{
    if (name.startsWith(u'$')) {
        if (name == QLatin1String("$rowcount"))
            return QVariant(m_rowCount);
        if (name == QLatin1String("$identity"))
            return m_identity;
        if (name == QLatin1String("$scope_identity"))
            return m_scopeIdentity;
        if (name == QLatin1String("$error"))
            return QVariant(qint64(m_lastError));
        if (name == QLatin1String("$trancount"))
            return QVariant(qint64(m_transactionLevel));
        if (name == QLatin1String("$db_name"))
            return QVariant(m_name);
    }
    const auto found = m_variables.constFind(name.toLower());
    if (found == m_variables.constEnd())
        throw SqliteErrorMap::server(137, QStringLiteral("42000"), ServerMessages::undeclaredVariable(name));
    return *found;
}

std::vector<QVariant> SqliteEngine::lastRow(const QString& sql, qint64& rows)
{
    const QByteArray utf8 = sql.toUtf8();
    Statement stmt;
    const int rc = sqlite3_prepare_v2(m_db, utf8.constData(), int(utf8.size()), &stmt.handle, nullptr);
    if (rc != SQLITE_OK)
        throw SqliteErrorMap::failure(m_db, rc, sql);
    rows = 0;
    std::vector<QVariant> out;
    if (!stmt.handle)
        return out;
    bindNamed(stmt.handle);
    int step = SQLITE_ROW;
    while ((step = sqlite3_step(stmt.handle)) == SQLITE_ROW) {
        ++rows;
        out.assign(size_t(sqlite3_column_count(stmt.handle)), QVariant());
        for (int i = 0; i < int(out.size()); ++i) {
            switch (sqlite3_column_type(stmt.handle, i)) {
            case SQLITE_INTEGER: out[size_t(i)] = QVariant(qint64(sqlite3_column_int64(stmt.handle, i))); break;
            case SQLITE_FLOAT: out[size_t(i)] = QVariant(sqlite3_column_double(stmt.handle, i)); break;
            case SQLITE_NULL: break;
            default:
                out[size_t(i)] = QVariant(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt.handle, i)),
                                                            sqlite3_column_bytes(stmt.handle, i)));
            }
        }
    }
    if (step != SQLITE_DONE)
        throw SqliteErrorMap::failure(m_db, step, sql);
    return out;
}

// An INSERT into a table with an IDENTITY column sets @@IDENTITY and SCOPE_IDENTITY(); one
// into a table without makes @@IDENTITY NULL.
void SqliteEngine::noteInsert(const QString& table)
{
    if (table.isEmpty() || sqlite3_changes(m_db) == 0)
        return;
    if (!m_schema.hasIdentity(table)) {
        m_identity = QVariant();
        return;
    }
    m_identity = QVariant(qint64(sqlite3_last_insert_rowid(m_db)));
    m_scopeIdentity = m_identity;
}

void SqliteEngine::bind(sqlite3_stmt* stmt, const std::vector<vb::Variant>& values)
{
    for (size_t k = 0; k < values.size(); ++k) {
        const int at = int(k) + 1;
        const vb::Variant& v = values[k];
        switch (v.type()) {
        case vb::VarType::Empty: case vb::VarType::Null: case vb::VarType::Error:
            sqlite3_bind_null(stmt, at); break;
        case vb::VarType::Boolean:
            sqlite3_bind_int(stmt, at, v.toBool() ? 1 : 0); break;
        case vb::VarType::Byte: case vb::VarType::Integer: case vb::VarType::Long:
            sqlite3_bind_int64(stmt, at, v.toLong()); break;
        case vb::VarType::Single: case vb::VarType::Double: case vb::VarType::Currency: case vb::VarType::Decimal:
            sqlite3_bind_double(stmt, at, v.toDouble()); break;
        case vb::VarType::Date: {
            const QByteArray text = DateText::format(v.toDate().toDateTime()).toUtf8();
            sqlite3_bind_text(stmt, at, text.constData(), int(text.size()), SQLITE_TRANSIENT);
            break;
        }
        default: {
            const QByteArray text = v.toString().toUtf8();
            sqlite3_bind_text(stmt, at, text.constData(), int(text.size()), SQLITE_TRANSIENT);
        }
        }
    }
}

ExecuteResult SqliteEngine::executeBound(const QString& sql, const std::vector<vb::Variant>& values)
{
    checkAlive();
    ExecuteResult result;
    m_rowCount = runSql(sql, &values, result);
    static const QRegularExpression insert(QStringLiteral("^\\s*INSERT\\s+INTO\\s+\"((?:[^\"]|\"\")+)\""), QRegularExpression::CaseInsensitiveOption);
    if (const auto m = insert.match(sql); m.hasMatch()) {
        refreshSchema();
        noteInsert(m.captured(1).replace(QLatin1String("\"\""), QLatin1String("\"")));
    }
    return result;
}

QString SqliteEngine::procedureBody(const QString& name)
{
    Statement stmt;
    const char* sql = "SELECT body FROM rpq_procedures WHERE name = ?";
    const int rc = sqlite3_prepare_v2(m_db, sql, -1, &stmt.handle, nullptr);
    if (rc == SQLITE_OK) {
        const QByteArray utf8 = name.toUtf8();
        sqlite3_bind_text(stmt.handle, 1, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
        if (sqlite3_step(stmt.handle) == SQLITE_ROW)
            return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt.handle, 0)));
    }
    throw SqliteErrorMap::server(2812, QStringLiteral("42000"), ServerMessages::procedureNotFound(name));
}

void SqliteEngine::runProcedure(const QString& name, const QHash<QString, QString>& literals, const QStringList& positional,
                                ExecuteResult& result, int depth)
{
    if (depth >= maxProcedureDepth)
        throw SqliteErrorMap::server(217, QStringLiteral("42000"),
                                     ServerMessages::nestingLimit(maxProcedureDepth));
    const QString body = procedureBody(name);
    QHash<QString, QString> all = literals;
    const QStringList order = StoredProcedureText::parameters(body);
    for (qsizetype k = 0; k < positional.size() && k < order.size(); ++k)
        all.insert(order[k].toLower(), positional[k]);
    runBatch(StoredProcedureText::bind(body, all), result, depth + 1);
}

ExecuteResult SqliteEngine::callProcedure(const QString& name, const std::vector<std::pair<QString, vb::Variant>>& parameters,
                                          int timeoutSeconds)
{
    checkAlive();
    refreshSchema();
    const Deadline deadline(m_deadline, timeoutSeconds);
    QHash<QString, QString> literals;
    QStringList positional;
    for (const auto& [parameterName, value] : parameters) {
        const QString bare = parameterName.startsWith(u'@') ? parameterName.mid(1) : parameterName;
        if (bare.isEmpty())
            positional << ParameterLiteral::fromVariant(value);
        else
            literals.insert(bare.toLower(), ParameterLiteral::fromVariant(value));
    }
    ExecuteResult result;
    QString bareName = name.trimmed();
    if (bareName.startsWith(QLatin1String("dbo."), Qt::CaseInsensitive))
        bareName = bareName.mid(4);
    try {
        runProcedure(bareName, literals, positional, result, 0);
    } catch (...) {
        endOfCall();
        throw;
    }
    endOfCall();
    return result;
}

void SqliteEngine::plain(const char* sql)
{
    checkAlive();
    const int rc = sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        throw SqliteErrorMap::failure(m_db, rc, QString::fromLatin1(sql));
}

// SQL Server nests BEGIN TRANSACTION (only the outer COMMIT commits); SQLite does not.
void SqliteEngine::beginTransaction(const QString& name)
{
    if (m_transactionLevel == 0) {
        plain("BEGIN");
        m_transactionName = name;
    }
    ++m_transactionLevel;
}

void SqliteEngine::commit()
{
    syncTransactionState();
    if (m_transactionLevel == 0)
        throw SqliteErrorMap::server(3902, QStringLiteral("25000"),
                                     ServerMessages::commitWithoutBegin());
    if (m_transactionLevel == 1) {
        plain("COMMIT");
        m_savepoints.clear();
    }
    --m_transactionLevel;
}

// ROLLBACK TRANSACTION name: back to that savepoint when it names one, else the whole transaction.
void SqliteEngine::rollback(const QString& name)
{
    syncTransactionState();
    if (m_transactionLevel == 0)
        throw SqliteErrorMap::server(3903, QStringLiteral("25000"),
                                     ServerMessages::rollbackWithoutBegin());
    for (qsizetype i = m_savepoints.size() - 1; !name.isEmpty() && i >= 0; --i) {
        if (m_savepoints[i].compare(name, Qt::CaseInsensitive) != 0)
            continue;
        plain(QStringLiteral("ROLLBACK TO %1").arg(quoteName(m_savepoints[i])).toUtf8().constData());
        m_savepoints = m_savepoints.mid(0, i + 1);
        return;
    }
    if (!name.isEmpty() && name.compare(m_transactionName, Qt::CaseInsensitive) != 0)
        throw SqliteErrorMap::server(6401, QStringLiteral("25000"),
                                     ServerMessages::rollbackNameNotFound(name));
    m_transactionLevel = 0;
    m_savepoints.clear();
    plain("ROLLBACK");
}

void SqliteEngine::saveTransaction(const QString& name)
{
    syncTransactionState();
    if (m_transactionLevel == 0)
        throw SqliteErrorMap::server(628, QStringLiteral("25000"),
                                     ServerMessages::saveWithoutTransaction());
    plain(QStringLiteral("SAVEPOINT %1").arg(quoteName(name)).toUtf8().constData());
    m_savepoints << name;
}

// A failure SQLite answered by rolling the whole transaction back (as the server does for
// its severe errors) leaves no transaction to count.
void SqliteEngine::syncTransactionState()
{
    if (m_db && m_transactionLevel > 0 && sqlite3_get_autocommit(m_db)) {
        m_transactionLevel = 0;
        m_savepoints.clear();
    }
}

void SqliteEngine::setDefaultDatabase(const QString& name)
{
    if (name.isEmpty() || name.compare(m_name, Qt::CaseInsensitive) == 0)
        return;
    const QString file = EngineTarget::fileOfDatabase(QFileInfo(m_file).dir().path(), name);
    if (!QFileInfo(file).isFile())
        throw SqliteErrorMap::server(911, QStringLiteral("42000"),
                                     ServerMessages::databaseNotFound(name));
    close();
    m_file = file;
    m_name = name;
    m_schema.invalidate();
    m_keyColumns.clear();
    openFile();
}

vb::Variant SqliteEngine::lastInsertedKey()
{
    return vb::Variant(std::int64_t(sqlite3_last_insert_rowid(m_db)));
}

QString SqliteEngine::quoteName(const QString& name) const
{
    return u'"' + QString(name).replace(u'"', QLatin1String("\"\"")) + u'"';
}

std::vector<std::pair<QString, QString>> SqliteEngine::tableList()
{
    std::vector<std::pair<QString, QString>> out;
    Statement stmt;
    if (sqlite3_prepare_v2(m_db, "SELECT name, type FROM sqlite_master WHERE type IN ('table','view') ORDER BY name",
                           -1, &stmt.handle, nullptr) != SQLITE_OK)
        throw SqliteErrorMap::failure(m_db, SQLITE_ERROR, QString());
    while (sqlite3_step(stmt.handle) == SQLITE_ROW)
        out.emplace_back(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt.handle, 0))),
                         QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt.handle, 1))));
    return out;
}

ResultSet SqliteEngine::tables(const Restrictions& restrictions)
{
    checkAlive();
    std::vector<SchemaRowset::Table> rows;
    for (const auto& [name, type] : tableList()) {
        const bool system = name.startsWith(QLatin1String("sqlite_")) || name == QLatin1String("rpq_procedures");
        rows.push_back({m_name, QStringLiteral("dbo"), name,
                        system ? QStringLiteral("SYSTEM TABLE") : type == QLatin1String("view") ? QStringLiteral("VIEW") : QStringLiteral("TABLE")});
    }
    return SchemaRowset::tables(rows, restrictions);
}

ResultSet SqliteEngine::columns(const Restrictions& restrictions)
{
    checkAlive();
    std::vector<SchemaRowset::Column> rows;
    const QString wantedTable = restrictions.size() > 2 ? SchemaRowset::withoutTrailingBlanks(restrictions[2]) : QString();
    for (const auto& entry : tableList()) {
        const QString& table = entry.first;
        if (!wantedTable.isEmpty() && wantedTable.compare(table, Qt::CaseInsensitive) != 0)
            continue;
        Statement stmt;
        const QByteArray sql = QStringLiteral("PRAGMA table_info(%1)").arg(quoteName(table)).toUtf8();
        if (sqlite3_prepare_v2(m_db, sql.constData(), -1, &stmt.handle, nullptr) != SQLITE_OK)
            continue;
        while (sqlite3_step(stmt.handle) == SQLITE_ROW) {
            SchemaRowset::Column c;
            c.catalog = m_name;
            c.schema = QStringLiteral("dbo");
            c.table = table;
            c.name = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt.handle, 1)));
            c.ordinal = sqlite3_column_int(stmt.handle, 0) + 1;
            c.info = ColumnTypes::fromDeclaredType(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt.handle, 2))));
            c.nullable = sqlite3_column_int(stmt.handle, 3) == 0 && sqlite3_column_int(stmt.handle, 5) == 0;
            c.defaultValue = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt.handle, 4)));
            rows.push_back(c);
        }
    }
    return SchemaRowset::columns(rows, restrictions);
}

int SqliteEngine::keyColumns(const QString& table)
{
    const auto found = m_keyColumns.constFind(table.toLower());
    if (found != m_keyColumns.constEnd())
        return *found;
    int count = 0;
    Statement stmt;
    const QByteArray sql = QStringLiteral("PRAGMA table_info(%1)").arg(quoteName(table)).toUtf8();
    if (sqlite3_prepare_v2(m_db, sql.constData(), -1, &stmt.handle, nullptr) == SQLITE_OK)
        while (sqlite3_step(stmt.handle) == SQLITE_ROW)
            count += sqlite3_column_int(stmt.handle, 5) > 0 ? 1 : 0;
    m_keyColumns.insert(table.toLower(), count);
    return count;
}

} // namespace ado

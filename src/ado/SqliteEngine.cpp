#include "ado/SqliteEngine.h"

#include "ado/AdoEnums.h"
#include "ado/ColumnTypes.h"
#include "ado/DateText.h"
#include "ado/EngineTarget.h"
#include "ado/ResultSetCursor.h"
#include "ado/SchemaRowset.h"
#include "ado/SqliteCursor.h"
#include "ado/SqlLiteral.h"
#include "ado/SqliteErrorMap.h"
#include "ado/SqliteRowReader.h"
#include "ado/SqliteSupport.h"
#include "ado/SqlTranslator.h"
#include "ado/StoredProcedureText.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
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
    if (sqlite3_exec(m_db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr) != SQLITE_OK) {
        close();
        throw SqliteErrorMap::cannotOpen(m_name);
    }
    prepareSqliteConnection(m_db);
}

void SqliteEngine::close()
{
    if (m_db)
        sqlite3_close_v2(m_db);
    m_db = nullptr;
    m_transactionLevel = 0;
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
    refreshKinds();
    const Deadline deadline(m_deadline, timeoutSeconds);
    ExecuteResult result;
    runBatch(sql, result, 0);
    return result;
}

std::vector<TranslatedStatement> SqliteEngine::translate(const QString& sql)
{
    const SqlTranslator translator([this](const QString& column, const QStringList& tables) { return columnKind(column, tables); });
    return translator.translate(sql);
}

void SqliteEngine::runBatch(const QString& sql, ExecuteResult& result, int depth)
{
    for (const TranslatedStatement& statement : translate(sql))
        runStatement(statement, result, depth);
}

// Only a lone query is stepped as it is read; a batch or a procedure runs whole, as execute
// runs it, and its first row set is handed out from memory.
CursorPtr SqliteEngine::openCursor(const QString& sql, int timeoutSeconds)
{
    checkAlive();
    refreshKinds();
    const Deadline deadline(m_deadline, timeoutSeconds);
    const std::vector<TranslatedStatement> statements = translate(sql);
    if (statements.size() == 1 && statements.front().kind == TranslatedStatement::Query)
        if (CursorPtr cursor = streamingCursor(statements.front().sql))
            return cursor;
    ExecuteResult result;
    for (const TranslatedStatement& statement : statements)
        runStatement(statement, result, 0);
    return std::make_shared<ResultSetCursor>(std::move(result));
}

CursorPtr SqliteEngine::streamingCursor(const QString& sql)
{
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
    auto cursor = std::make_shared<SqliteCursor>(m_db, stmt, sql, [this](const QString& table) { return keyColumns(table); });
    cursor->start();
    return cursor;
}

void SqliteEngine::runStatement(const TranslatedStatement& statement, ExecuteResult& result, int depth)
{
    switch (statement.kind) {
    case TranslatedStatement::BeginTransaction: return beginTransaction();
    case TranslatedStatement::Commit: return commit();
    case TranslatedStatement::Rollback: return rollback();
    case TranslatedStatement::Exec: {
        QHash<QString, QString> named;
        QStringList positional;
        for (const ProcedureArgument& a : statement.arguments) {
            if (a.name.isEmpty())
                positional << a.literal;
            else
                named.insert(a.name.toLower(), a.literal);
        }
        return runProcedure(statement.procedure, named, positional, result, depth);
    }
    case TranslatedStatement::Query:
        runSql(statement.sql, nullptr, result);
        const QString first = statement.sql.section(u' ', 0, 0).toUpper();
        if (first == QLatin1String("CREATE") || first == QLatin1String("ALTER") || first == QLatin1String("DROP"))
            m_schemaVersion = -1;
    }
}

void SqliteEngine::runSql(const QString& sql, const std::vector<vb::Variant>* values, ExecuteResult& result)
{
    const QByteArray utf8 = sql.toUtf8();
    const char* tail = utf8.constData();
    const char* end = tail + utf8.size();
    while (tail < end) {
        Statement stmt;
        const int rc = sqlite3_prepare_v2(m_db, tail, int(end - tail), &stmt.handle, &tail);
        if (rc != SQLITE_OK)
            throw SqliteErrorMap::failure(m_db, rc, sql);
        if (!stmt.handle)
            continue;
        if (values)
            bind(stmt.handle, *values);
        runStep(stmt.handle, sql, result);
    }
}

void SqliteEngine::runStep(sqlite3_stmt* stmt, const QString& sql, ExecuteResult& result)
{
    if (sqlite3_column_count(stmt) > 0) {
        SqliteRowReader reader(m_db, stmt, [this](const QString& table) { return keyColumns(table); });
        try {
            ResultSet rows = reader.readAll();
            if (!result.hasRows) {
                result.hasRows = true;
                result.rows = std::move(rows);
            }
        } catch (int rc) {
            throw SqliteErrorMap::failure(m_db, rc, sql);
        }
        return;
    }
    const int rc = sqlite3_step(stmt);
    if (rc != SQLITE_DONE && rc != SQLITE_ROW)
        throw SqliteErrorMap::failure(m_db, rc, sql);
    if (!sqlite3_stmt_readonly(stmt))
        result.recordsAffected = std::max<qint64>(result.recordsAffected, 0) + sqlite3_changes(m_db);
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
    runSql(sql, &values, result);
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
    throw SqliteErrorMap::server(2812, QStringLiteral("42000"), QStringLiteral("Could not find stored procedure '%1'.").arg(name));
}

void SqliteEngine::runProcedure(const QString& name, const QHash<QString, QString>& literals, const QStringList& positional,
                                ExecuteResult& result, int depth)
{
    if (depth >= maxProcedureDepth)
        throw SqliteErrorMap::server(217, QStringLiteral("42000"),
                                     QStringLiteral("Maximum stored procedure, function, trigger, or view nesting level exceeded (limit %1).").arg(maxProcedureDepth));
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
    refreshKinds();
    const Deadline deadline(m_deadline, timeoutSeconds);
    QHash<QString, QString> literals;
    QStringList positional;
    for (const auto& [parameterName, value] : parameters) {
        const QString bare = parameterName.startsWith(u'@') ? parameterName.mid(1) : parameterName;
        if (bare.isEmpty())
            positional << SqlLiteral::fromVariant(value);
        else
            literals.insert(bare.toLower(), SqlLiteral::fromVariant(value));
    }
    ExecuteResult result;
    QString bareName = name.trimmed();
    if (bareName.startsWith(QLatin1String("dbo."), Qt::CaseInsensitive))
        bareName = bareName.mid(4);
    runProcedure(bareName, literals, positional, result, 0);
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
void SqliteEngine::beginTransaction()
{
    if (m_transactionLevel == 0)
        plain("BEGIN");
    ++m_transactionLevel;
}

void SqliteEngine::commit()
{
    if (m_transactionLevel == 0)
        throw SqliteErrorMap::server(3902, QStringLiteral("25000"),
                                     QStringLiteral("The COMMIT TRANSACTION request has no corresponding BEGIN TRANSACTION."));
    if (m_transactionLevel == 1)
        plain("COMMIT");
    --m_transactionLevel;
}

void SqliteEngine::rollback()
{
    if (m_transactionLevel == 0)
        throw SqliteErrorMap::server(3903, QStringLiteral("25000"),
                                     QStringLiteral("The ROLLBACK TRANSACTION request has no corresponding BEGIN TRANSACTION."));
    m_transactionLevel = 0;
    plain("ROLLBACK");
}

void SqliteEngine::setDefaultDatabase(const QString& name)
{
    if (name.isEmpty() || name.compare(m_name, Qt::CaseInsensitive) == 0)
        return;
    const QString file = EngineTarget::fileOfDatabase(QFileInfo(m_file).dir().path(), name);
    if (!QFileInfo(file).isFile())
        throw SqliteErrorMap::server(911, QStringLiteral("42000"),
                                     QStringLiteral("Database '%1' does not exist. Make sure that the name is entered correctly.").arg(name));
    close();
    m_file = file;
    m_name = name;
    m_schemaVersion = -1;
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

void SqliteEngine::refreshKinds()
{
    Statement stmt;
    int version = -1;
    if (sqlite3_prepare_v2(m_db, "PRAGMA schema_version", -1, &stmt.handle, nullptr) == SQLITE_OK
        && sqlite3_step(stmt.handle) == SQLITE_ROW)
        version = sqlite3_column_int(stmt.handle, 0);
    if (version == m_schemaVersion && version >= 0)
        return;
    m_schemaVersion = version;
    m_kinds.clear();
    m_anyTableKinds.clear();
    m_keyColumns.clear();
    for (const auto& entry : tableList()) {
        Statement info;
        const QByteArray sql = QStringLiteral("PRAGMA table_info(%1)").arg(quoteName(entry.first)).toUtf8();
        if (sqlite3_prepare_v2(m_db, sql.constData(), -1, &info.handle, nullptr) != SQLITE_OK)
            continue;
        auto& table = m_kinds[entry.first.toLower()];
        while (sqlite3_step(info.handle) == SQLITE_ROW) {
            const QString column = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(info.handle, 1))).toLower();
            const ColumnKind kind = columnKindOfDeclaredType(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(info.handle, 2))));
            table.insert(column, kind);
            const auto known = m_anyTableKinds.constFind(column);
            m_anyTableKinds.insert(column, known == m_anyTableKinds.constEnd() || *known == kind ? kind : ColumnKind::Unknown);
        }
    }
}

// A column of the statement's own tables first; otherwise what every table agrees on.
ColumnKind SqliteEngine::columnKind(const QString& column, const QStringList& tables)
{
    const QString name = column.toLower();
    for (const QString& table : tables) {
        const auto found = m_kinds.constFind(table.toLower());
        if (found != m_kinds.constEnd() && found->contains(name))
            return found->value(name);
    }
    return m_anyTableKinds.value(name, ColumnKind::Unknown);
}

} // namespace ado

#include "ado/SchemaCache.h"

#include "ado/SqlType.h"

#include <sqlite3.h>

namespace ado {

namespace {
QString columnText(sqlite3_stmt* stmt, int i)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, i)));
}

struct Statement {
    sqlite3_stmt* handle = nullptr;
    ~Statement() { sqlite3_finalize(handle); }
};

qint64 pragmaNumber(sqlite3* db, const char* sql)
{
    Statement stmt;
    if (sqlite3_prepare_v2(db, sql, -1, &stmt.handle, nullptr) == SQLITE_OK && sqlite3_step(stmt.handle) == SQLITE_ROW)
        return sqlite3_column_int64(stmt.handle, 0);
    return -1;
}
} // namespace

// Both the database's and the connection's temporary schema count: a #table changes the latter.
qint64 SchemaCache::version(sqlite3* db)
{
    const qint64 main = pragmaNumber(db, "PRAGMA main.schema_version");
    const qint64 temp = pragmaNumber(db, "PRAGMA temp.schema_version");
    return main < 0 || temp < 0 ? -1 : (main << 24) + temp;
}

bool SchemaCache::refresh(sqlite3* db)
{
    const qint64 now = version(db);
    if (now == m_version && now >= 0)
        return false;
    m_version = now;
    m_tables.clear();
    m_anyTable.clear();
    m_identityTables.clear();
    Statement stmt;
    const char* sql = "SELECT name, sql FROM sqlite_master WHERE type IN ('table','view') "
                      "UNION ALL SELECT name, sql FROM sqlite_temp_master WHERE type IN ('table','view')";
    if (sqlite3_prepare_v2(db, sql, -1, &stmt.handle, nullptr) != SQLITE_OK)
        return true;
    QStringList names;
    while (sqlite3_step(stmt.handle) == SQLITE_ROW) {
        names << columnText(stmt.handle, 0);
        if (columnText(stmt.handle, 1).contains(QLatin1String("AUTOINCREMENT"), Qt::CaseInsensitive))
            m_identityTables.insert(names.back().toLower());
    }
    for (const QString& name : names)
        readTable(db, name);
    return true;
}

void SchemaCache::readTable(sqlite3* db, const QString& name)
{
    Statement info;
    const QByteArray sql = QStringLiteral("PRAGMA table_info(\"%1\")").arg(QString(name).replace(u'"', QLatin1String("\"\""))).toUtf8();
    if (sqlite3_prepare_v2(db, sql.constData(), -1, &info.handle, nullptr) != SQLITE_OK)
        return;
    Table& table = m_tables[name.toLower()];
    while (sqlite3_step(info.handle) == SQLITE_ROW) {
        const QString column = columnText(info.handle, 1);
        const QString type = columnText(info.handle, 2);
        table.columns << column;
        table.types.insert(column.toLower(), type);
        const QString key = column.toLower();
        const auto known = m_anyTable.constFind(key);
        if (known == m_anyTable.constEnd()) {
            m_anyTable.insert(key, type);
            continue;
        }
        // Tables that agree on the kind but not the size still tell a text from a number.
        const SqlType before = SqlType::fromDeclared(*known);
        const SqlType now = SqlType::fromDeclared(type);
        if (!(before == now))
            m_anyTable.insert(key, before.kind == now.kind ? SqlType::of(now.kind).declaration() : QString());
    }
}

QString SchemaCache::declaredType(const QString& table, const QString& column) const
{
    const auto found = m_tables.constFind(table.toLower());
    return found == m_tables.constEnd() ? QString() : found->types.value(column.toLower());
}

QStringList SchemaCache::columns(const QString& table) const
{
    return m_tables.value(table.toLower()).columns;
}

QString SchemaCache::declaredTypeAnywhere(const QString& column) const
{
    return m_anyTable.value(column.toLower());
}

} // namespace ado

#pragma once

#include "ado/SqlSchema.h"

#include <QHash>
#include <QSet>

struct sqlite3;

namespace ado {

// The tables, views and temporary tables of one SQLite connection with their columns'
// declared types, read again whenever the schema changed.
class SchemaCache : public SqlSchema {
public:
    // Reads the schema when its version moved since the last call; true when it did.
    bool refresh(sqlite3* db);
    void invalidate() { m_version = -1; }

    QString declaredType(const QString& table, const QString& column) const override;
    QStringList columns(const QString& table) const override;
    QString declaredTypeAnywhere(const QString& column) const override;
    // Whether new rows of the table are numbered by the engine (an IDENTITY column).
    bool hasIdentity(const QString& table) const { return m_identityTables.contains(table.toLower()); }

private:
    struct Table {
        QStringList columns;                 // as declared
        QHash<QString, QString> types;       // column (lower) -> declared type
    };
    void readTable(sqlite3* db, const QString& name);
    static qint64 version(sqlite3* db);

    qint64 m_version = -1;
    QHash<QString, Table> m_tables;            // table (lower)
    QHash<QString, QString> m_anyTable;        // column (lower) -> agreed type, "" when tables differ
    QSet<QString> m_identityTables;
};

} // namespace ado

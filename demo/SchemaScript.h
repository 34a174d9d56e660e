#pragma once

#include <QString>
#include <QStringList>

// A script in SQL Server's dialect as the demo writes it: statements separated by GO lines.
// Until the database layer runs such scripts itself, toSqlite() carries the few dialect
// differences the demo's own scripts use (identity keys, bracketed names, text collation).
class SchemaScript
{
public:
    static QStringList statements(const QString &script);
    static QString toSqlite(const QString &statement);

private:
    static QString withTextCollation(const QString &createTable);
};

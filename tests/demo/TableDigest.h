#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

struct sqlite3;

// Opens a demo database read-only (with the engine's collation) and fingerprints its rows.
class TableDigest
{
public:
    explicit TableDigest(const QString &path);
    ~TableDigest();
    TableDigest(const TableDigest &) = delete;
    TableDigest &operator=(const TableDigest &) = delete;

    sqlite3 *handle() const { return m_db; }
    QStringList tables() const;
    // SHA-256 of every row of the table in storage order, each value with its type.
    QByteArray digest(const QString &table) const;
    QStringList column(const QString &sql) const;

private:
    sqlite3 *m_db = nullptr;
};

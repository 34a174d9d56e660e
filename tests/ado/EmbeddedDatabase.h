#pragma once

#include "QtPrinting.h"

#include <ado/Connection.h>
#include <vb/Error.h>

#include <QTemporaryDir>

#include <functional>

// A fresh embedded database in a temporary folder, opened with the connection string the
// program builds for SQL Server.
class EmbeddedDatabase {
public:
    explicit EmbeddedDatabase(const QString& name = QStringLiteral("Demo"));
    ado::ConnectionPtr connection() const { return m_connection; }
    QString folder() const { return m_dir.path(); }
    QString file() const;
    QString connectionString() const;
    void run(const QString& sql) const;
    // Every row of a query, each value rendered with renderValue, columns joined by "|".
    QStringList rows(const QString& sql) const;
    QString single(const QString& sql) const;
    static QString renderValue(const vb::Variant& value);

private:
    QTemporaryDir m_dir;
    QString m_name;
    ado::ConnectionPtr m_connection;
};

// The vb::Error a step raises (number 0 when it raises none), and its number alone.
vb::Error errorRaisedBy(const std::function<void()>& step);
int errorNumberOf(const std::function<void()>& step);

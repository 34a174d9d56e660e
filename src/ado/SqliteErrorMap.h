#pragma once

#include "ado/DatabaseFailure.h"

struct sqlite3;

namespace ado {

// SQLite's failures told as SQL Server tells them: native number, SQL state, text.
class SqliteErrorMap {
public:
    static DatabaseFailure failure(int resultCode, const QString& message, const QString& sql);
    static DatabaseFailure failure(sqlite3* db, int resultCode, const QString& sql);
    static DatabaseFailure lostConnection(const QString& detail);
    static DatabaseFailure cannotOpen(const QString& database);
    static DatabaseFailure readOnly(const QString& database);
    static DatabaseFailure damaged(const QString& database, const QString& file);
    static DatabaseFailure server(int native, const QString& sqlState, const QString& text);
    static QString source() { return QStringLiteral("Microsoft OLE DB Provider for SQL Server"); }

private:
    static DatabaseFailure constraint(int extendedCode, const QString& message, const QString& sql);
    static DatabaseFailure plainError(const QString& message);
    static QString verb(const QString& sql);
};

} // namespace ado

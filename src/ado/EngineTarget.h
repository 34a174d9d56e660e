#pragma once

#include "ado/ConnectionString.h"

namespace ado {

// Which engine a connection string goes to, and what that engine is given.
struct EngineTarget {
    enum Kind { Sqlite, Odbc };
    Kind kind = Odbc;
    QString databaseFile;   // Sqlite: the database file
    QString databaseName;   // Sqlite: the name the program knows the database by
    QString odbcString;     // Odbc: the driver connection string

    // A Server naming an existing folder (absolute, or relative to the program folder) and the
    // Jet providers use the embedded engine; "Driver=" or "DSN=" strings go to ODBC as written;
    // every other server goes to ODBC through the SQL Server or Oracle driver.
    static EngineTarget choose(const ConnectionString& cs);

    static QString sqlServerOdbcString(const ConnectionString& cs);
    static QString oracleOdbcString(const ConnectionString& cs);
    static QString serverFolder(const QString& server);   // "" when it names no folder
    static QString odbcValue(const QString& value);        // braced when it needs it
};

} // namespace ado

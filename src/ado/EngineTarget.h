#pragma once

#include "ado/ConnectionString.h"
#include "ado/DatabaseFailure.h"

namespace ado {

// Which engine a connection string goes to, and what that engine is given.
struct EngineTarget {
    enum Kind { Sqlite, Odbc };
    Kind kind = Odbc;
    QString databaseFile;   // Sqlite: the database file
    QString databaseName;   // Sqlite: the name the program knows the database by
    QString odbcString;     // Odbc: the driver connection string
    QString dataFolder;     // Odbc to a server the text could also have named as a folder: that folder
    QString server;         // Odbc: the server text as given

    // A Server naming an existing folder (absolute, or relative to the program folder) and the
    // Jet providers use the embedded engine; "Driver=" or "DSN=" strings go to ODBC as written;
    // every other server goes to ODBC through the SQL Server or Oracle driver. Folder and file
    // names are found without regard to case, as the server finds its databases.
    static EngineTarget choose(const ConnectionString& cs);

    // A server that could not be reached (the failure holds no refused login or database),
    // when its name could also have been a data folder: the first record names both the
    // folder looked for and the server tried, then the driver's own text. Any other failure
    // comes back unchanged.
    DatabaseFailure explained(const DatabaseFailure& failure) const;

    static QString sqlServerOdbcString(const ConnectionString& cs);
    static QString oracleOdbcString(const ConnectionString& cs);
    static QString serverFolder(const QString& server);   // "" when it names no folder
    static QString fileOfDatabase(const QString& folder, const QString& database);   // <folder>/<database>.db, found without regard to case
    static QString odbcValue(const QString& value);        // braced when it needs it
};

} // namespace ado

#pragma once
// The connection strings the data access builds, exactly in the suite's forms (note the blank
// before "=" in "Database =" and "Data Source =").

#include <QString>

namespace data {

class ConnectionStrings {
public:
    static QString sqlServer(const QString& provider, const QString& server, const QString& database,
                             const QString& login, const QString& password, const QString& extended);
    static QString oracle(const QString& database, const QString& login, const QString& password);
    static QString jet(const QString& provider, const QString& file, const QString& loginKey, const QString& login,
                       const QString& passwordKey, const QString& password, const QString& extended);
    // A "#" anywhere in the server name marks an Oracle target.
    static bool isOracleServer(const QString& server) { return server.contains(u'#'); }
    static bool hasTimeout(const QString& text);

    // The server text with the login window's port, in the suite's notation "host:port" as the
    // connections file keeps it, when the text names no port of its own (after ":" or ",") and
    // the port is one other than the default 1433, which the host alone reaches (a named
    // instance is found on its own port).
    static QString withPort(const QString& server, const QString& port);
    // The server to open: withPort, written "host,port" as SQL Server's providers take it.
    static QString serverToOpen(const QString& server, const QString& port = {});
};

} // namespace data

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

    // The server text in the suite's own notation, "host:port", as the connections file keeps
    // it: a port written the providers' way ("host,port") moves behind a ":", and the login
    // window's port joins a text that names none of its own when it is one other than the
    // default 1433, which the host alone reaches (a named instance is found on its own port).
    static QString storedServer(const QString& server, const QString& port = {});
    // The server to open: storedServer, its port written "host,port" as SQL Server's providers
    // take it. These two are the only passage between the notations.
    static QString serverToOpen(const QString& server, const QString& port = {});
};

} // namespace data

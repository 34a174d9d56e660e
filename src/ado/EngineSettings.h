#pragma once

#include <QString>

namespace ado {

// Process-wide choices of the database layer. The program folder is where a relative
// Server folder is looked up; it defaults to the executable's folder.
class EngineSettings {
public:
    static QString programFolder();
    static void setProgramFolder(const QString& folder);
    static QString sqlServerDriver();              // ODBC driver name, "FreeTDS" by default
    static void setSqlServerDriver(const QString& name);
    static QString oracleDriver();                 // "Oracle" by default
    static void setOracleDriver(const QString& name);
};

} // namespace ado

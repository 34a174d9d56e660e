#pragma once

#include <QString>

namespace ado {

// Process-wide choices of the database layer. A relative Server folder is looked up in the
// program folder, vb::App::path().
class EngineSettings {
public:
    static QString programFolder();
    static QString sqlServerDriver();              // ODBC driver name, "FreeTDS" by default
    static void setSqlServerDriver(const QString& name);
    static QString oracleDriver();                 // "Oracle" by default
    static void setOracleDriver(const QString& name);
};

} // namespace ado

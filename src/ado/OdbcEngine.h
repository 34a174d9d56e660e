#pragma once

#include "ado/Engine.h"
#include "ado/OdbcHandle.h"


#include <memory>

namespace ado {

class OdbcCursor;

// Every server that is not a folder: SQL Server through FreeTDS, Oracle, or any driver a
// "Driver=" string names. Statements go to the server as written.
class OdbcEngine : public Engine {
public:
    OdbcEngine(const QString& connectionString, int loginTimeoutSeconds);
    ~OdbcEngine() override;

    void close() override;
    ExecuteResult execute(const QString& sql, int timeoutSeconds) override;
    CursorPtr openCursor(const QString& sql, int timeoutSeconds) override;
    ExecuteResult executeBound(const QString& sql, const std::vector<vb::Variant>& values) override;
    ExecuteResult callProcedure(const QString& name, const std::vector<std::pair<QString, vb::Variant>>& parameters,
                                int timeoutSeconds) override;
    void beginTransaction() override;
    void commit() override;
    void rollback() override;
    ResultSet tables(const Restrictions& restrictions) override;
    ResultSet columns(const Restrictions& restrictions) override;
    QString defaultDatabase() const override;
    void setDefaultDatabase(const QString& name) override;
    void setIsolationLevel(int adoLevel) override;
    vb::Variant lastInsertedKey() override;
    QString quoteName(const QString& name) const override;

private:
    std::unique_ptr<OdbcHandle> statement(int timeoutSeconds) const;
    void settleCursor() const;
    ExecuteResult collect(const OdbcHandle& stmt);
    void markKeys(std::vector<ColumnInfo>& columns) const;
    int primaryKey(const QString& table, QStringList& columns) const;
    QString info(SQLUSMALLINT type) const;
    void endTransaction(SQLSMALLINT completion);
    static QString text(const OdbcHandle& stmt, SQLUSMALLINT column);

    std::unique_ptr<OdbcHandle> m_env;
    std::unique_ptr<OdbcHandle> m_dbc;
    bool m_connected = false;
    int m_transactionLevel = 0;
    std::weak_ptr<OdbcCursor> m_streaming;   // the cursor that may have rows pending
};

} // namespace ado

#pragma once

#include "ado/Engine.h"
#include "ado/SchemaCache.h"
#include "ado/SessionOptions.h"
#include "ado/TranslatedStatement.h"

#include <QHash>
#include <QVariant>

struct sqlite3;
struct sqlite3_stmt;

namespace ado {

class SqliteBatchRunner;

// The embedded engine: one SQLite file per database, spoken to in SQL Server's dialect
// (translated by TsqlDialectTranslator, run by SqliteBatchRunner) and answering with SQL Server's results
// and errors. The file must exist: an empty file is an empty database. A file that vanishes
// or turns unreadable while open is a lost connection. The session keeps what the server
// keeps per connection: options, @@IDENTITY, @@ROWCOUNT, @@ERROR, the transaction count,
// savepoints and #temporary tables.
class SqliteEngine : public Engine {
public:
    SqliteEngine(const QString& file, const QString& databaseName);
    ~SqliteEngine() override;

    void close() override;
    ExecuteResult execute(const QString& sql, int timeoutSeconds) override;
    CursorPtr openCursor(const QString& sql, int timeoutSeconds) override;
    ExecuteResult executeBound(const QString& sql, const std::vector<vb::Variant>& values) override;
    ExecuteResult callProcedure(const QString& name, const std::vector<std::pair<QString, vb::Variant>>& parameters,
                                int timeoutSeconds) override;
    void beginTransaction() override { beginTransaction(QString()); }
    void commit() override;
    void rollback() override { rollback(QString()); }
    ResultSet tables(const Restrictions& restrictions) override;
    ResultSet columns(const Restrictions& restrictions) override;
    QString defaultDatabase() const override { return m_name; }
    void setDefaultDatabase(const QString& name) override;
    void setIsolationLevel(int) override {}
    vb::Variant lastInsertedKey() override;
    QString quoteName(const QString& name) const override;

private:
    friend class SqliteBatchRunner;

    void openFile();
    void checkAlive() const;
    std::vector<TranslatedStatement> translate(const QString& sql);
    void refreshSchema();
    void runBatch(const QString& sql, ExecuteResult& result, int depth);
    void endOfCall();
    CursorPtr streamingCursor(const TranslatedStatement& statement);
    // Runs SQLite text (several statements allowed): "?" marks take `values`, named
    // parameters the batch's variables and the session's values; rows read take the
    // translator's column types where SQLite knows none. Returns the last statement's row
    // count (rows read or changed).
    qint64 runSql(const QString& sql, const std::vector<vb::Variant>* values, ExecuteResult& result,
                  const QStringList& columnTypes = {});
    qint64 runStep(sqlite3_stmt* stmt, const QString& sql, ExecuteResult& result, const QStringList& columnTypes);
    void bind(sqlite3_stmt* stmt, const std::vector<vb::Variant>& values);
    void bindNamed(sqlite3_stmt* stmt);
    QVariant namedValue(const QString& name) const;
    // The last row of a query (empty when it has none) and how many rows it gave.
    std::vector<QVariant> lastRow(const QString& sql, qint64& rows);
    void noteInsert(const QString& table);
    void runProcedure(const QString& name, const QHash<QString, QString>& literals, const QStringList& positional,
                      ExecuteResult& result, int depth);
    QString procedureBody(const QString& name);
    void beginTransaction(const QString& name);
    void rollback(const QString& name);
    void saveTransaction(const QString& name);
    void syncTransactionState();
    int keyColumns(const QString& table);
    std::vector<std::pair<QString, QString>> tableList();
    void plain(const char* sql);
    class Deadline {
    public:
        Deadline(qint64& deadline, int timeoutSeconds);
        ~Deadline();
    private:
        qint64& m_deadline;
    };

    sqlite3* m_db = nullptr;
    QString m_file;
    QString m_name;
    int m_transactionLevel = 0;
    QString m_transactionName;
    QStringList m_savepoints;
    SchemaCache m_schema;
    QHash<QString, int> m_keyColumns;
    qint64 m_deadline = 0;
    SessionOptions m_options;
    QHash<QString, QVariant> m_variables;   // the running batch's, "@name" lower-cased
    QVariant m_identity;                    // @@IDENTITY
    QVariant m_scopeIdentity;               // SCOPE_IDENTITY()
    qint64 m_rowCount = 0;                  // @@ROWCOUNT
    int m_lastError = 0;                    // @@ERROR
};

} // namespace ado

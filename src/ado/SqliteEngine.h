#pragma once

#include "ado/ColumnKind.h"
#include "ado/Engine.h"
#include "ado/TranslatedStatement.h"

#include <QHash>

struct sqlite3;
struct sqlite3_stmt;

namespace ado {

// The embedded engine: one SQLite file per database, spoken to in SQL Server's dialect
// (translated by SqlTranslator) and answering with SQL Server's errors. The file must exist:
// an empty file is an empty database. A file that vanishes or turns unreadable while open
// is a lost connection.
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
    void beginTransaction() override;
    void commit() override;
    void rollback() override;
    ResultSet tables(const Restrictions& restrictions) override;
    ResultSet columns(const Restrictions& restrictions) override;
    QString defaultDatabase() const override { return m_name; }
    void setDefaultDatabase(const QString& name) override;
    void setIsolationLevel(int) override {}
    vb::Variant lastInsertedKey() override;
    QString quoteName(const QString& name) const override;

private:
    void openFile();
    void checkAlive() const;
    std::vector<TranslatedStatement> translate(const QString& sql);
    void runBatch(const QString& sql, ExecuteResult& result, int depth);
    CursorPtr streamingCursor(const QString& sql);
    void runStatement(const TranslatedStatement& statement, ExecuteResult& result, int depth);
    void runSql(const QString& sql, const std::vector<vb::Variant>* values, ExecuteResult& result);
    void runStep(sqlite3_stmt* stmt, const QString& sql, ExecuteResult& result);
    void bind(sqlite3_stmt* stmt, const std::vector<vb::Variant>& values);
    void runProcedure(const QString& name, const QHash<QString, QString>& literals, const QStringList& positional,
                      ExecuteResult& result, int depth);
    QString procedureBody(const QString& name);
    ColumnKind columnKind(const QString& column, const QStringList& tables);
    void refreshKinds();
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
    int m_schemaVersion = -1;
    QHash<QString, QHash<QString, ColumnKind>> m_kinds;   // table (lower) -> column (lower) -> kind
    QHash<QString, ColumnKind> m_anyTableKinds;
    QHash<QString, int> m_keyColumns;
    qint64 m_deadline = 0;
};

} // namespace ado

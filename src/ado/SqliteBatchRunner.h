#pragma once

#include "ado/DatabaseFailure.h"
#include "ado/ResultSet.h"
#include "ado/TranslatedStatement.h"

#include <QHash>
#include <QVariant>

#include <functional>

namespace ado {

class SqliteEngine;

// Runs a translated batch on the embedded engine the way the server runs a batch without
// XACT_ABORT: an error ends its statement and the batch goes on (constraint violations,
// failed COMMIT or ROLLBACK, RAISERROR); errors the server does not survive end the GO part
// (a missing table or column, a part that did not compile) or the whole batch and its callers
// (conversion errors, THROW); a lost connection or a time-out ends everything. A transaction
// stays open through errors unless SQLite itself rolled it back. With SET XACT_ABORT ON any
// error rolls the transaction back and ends the batch. All errors, each constraint violation
// followed by the server's 3621 ("Se terminó la instrucción."), are raised together at the
// end. Procedures and EXEC ('...') run nested, with their own variables and SCOPE_IDENTITY().
class SqliteBatchRunner {
public:
    enum class Outcome { Completed, BatchAborted, Stopped };

    SqliteBatchRunner(SqliteEngine& engine, ExecuteResult& result, int depth, std::vector<Error>* errors = nullptr);
    ~SqliteBatchRunner();
    SqliteBatchRunner(const SqliteBatchRunner&) = delete;
    SqliteBatchRunner& operator=(const SqliteBatchRunner&) = delete;

    // Throws the collected errors at the end (the outermost runner only).
    Outcome run(const std::vector<TranslatedStatement>& program);

private:
    enum class Reach { Statement, Part, Batch, Everything };
    int step(const std::vector<TranslatedStatement>& program, int pc);
    void query(const TranslatedStatement& statement);
    void selectInto(const TranslatedStatement& statement);
    const TranslatedStatement& current(const TranslatedStatement& statement);
    QVariant evaluate(const QString& sql);
    void assign(const QStringList& variables, const QString& sql);
    void exec(const TranslatedStatement& statement);
    void execText(const TranslatedStatement& statement);
    void raise(const TranslatedStatement& statement);
    void option(const TranslatedStatement& statement);
    void nested(const std::function<void(ExecuteResult&, int)>& run);
    void passOn(Outcome outcome);
    Reach record(const DatabaseFailure& failure, Reach floor);
    static Reach reachOf(const DatabaseFailure& failure);
    void compileCheck(const std::vector<TranslatedStatement>& program, int pc);
    static int partEnd(const std::vector<TranslatedStatement>& program, int pc);

    SqliteEngine& m_engine;
    ExecuteResult& m_result;
    int m_depth;
    std::vector<Error> m_ownErrors;
    std::vector<Error>& m_errors;
    Reach m_floor = Reach::Statement;   // the least the failure being thrown reaches
    bool m_schemaChanged = false;
    bool m_changing = false;   // the step running is an INSERT, UPDATE or DELETE
    TranslatedStatement m_retranslated;
    // The caller's scope, given back when this runner ends.
    QHash<QString, QVariant> m_callerVariables;
    QVariant m_callerScopeIdentity;
};

} // namespace ado

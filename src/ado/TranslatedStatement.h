#pragma once

#include <QString>
#include <vector>

namespace ado {

struct ProcedureArgument {
    QString name;      // without "@"; empty for a positional argument
    QString literal;   // the value as SQL text, ready to stand in place of the parameter
};

// One statement of a batch, in the form the embedded engine runs it.
struct TranslatedStatement {
    enum Kind { Query, BeginTransaction, Commit, Rollback, Exec };
    Kind kind = Query;
    QString sql;                               // Query: SQLite text
    QString procedure;                         // Exec: the procedure's name
    std::vector<ProcedureArgument> arguments;  // Exec
};

} // namespace ado

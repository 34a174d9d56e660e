#pragma once

#include "ado/SqlType.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <vector>

namespace ado {

struct ProcedureArgument {
    QString name;      // without "@"; empty for a positional argument
    QString literal;   // the value as SQL text, ready to stand in place of the parameter
};

// One step of a translated batch, in the form the embedded engine runs it. A batch becomes a
// small program: control flow (IF, WHILE, BEGIN ... END, BREAK, CONTINUE, RETURN) turns into
// jumps, and each "GO" part ends with PartEnd.
struct TranslatedStatement {
    enum Kind {
        Query,             // sql; `variables` set from its rows when it is SELECT @v = ...;
                           // `columnTypes`: the types the translator knows of its columns
                           // ("" unknown), when it knows every column
        SelectInto,        // sql is the SELECT; `name` the table it creates
        BeginTransaction,  // name: the transaction's name, if any
        Commit,
        Rollback,          // name: a savepoint or the transaction's name, if any
        SaveTransaction,   // name: the savepoint
        Exec,              // procedure, arguments
        ExecText,          // sql gives the text of a batch to run (EXEC ('...'))
        Declare,           // name (with "@"), declaration: its type
        Jump,              // target
        JumpUnless,        // sql gives 1 or 0; target when not 1
        Option,            // name: a session option the engine keeps (XACT_ABORT, DATEFORMAT ...), value
        Raise,             // sql gives the message (and severity); native: the error number
        Print,             // sql is evaluated, its value dropped
        Use,               // name: the database
        Fail,              // native, text: the part cannot run (the server would not compile it)
        PartEnd            // end of a GO part: its variables end; a failure skips to here
    };
    Kind kind = Query;
    QString sql;                               // Query, SelectInto, ExecText, JumpUnless, Raise, Print: SQLite text
    QString procedure;                         // Exec: the procedure's name
    std::vector<ProcedureArgument> arguments;  // Exec
    QString name;
    QString declaration;
    QString value;
    QStringList variables;
    QStringList columnTypes;
    QString insertTable;                       // Query: the table an INSERT adds rows to
    int target = -1;
    int native = 0;
    QString text;
    // Query, SelectInto: the statement as written and the variables' types it was translated
    // with, to translate it again once an earlier statement of the batch changed the tables.
    QString source;
    QHash<QString, SqlType> variableTypes;
};

} // namespace ado

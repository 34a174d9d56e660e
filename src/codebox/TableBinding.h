#pragma once
// How the code-entry box binds to a suite table: which column holds the code, which the
// description, what the search adds to its WHERE clause, which right allows a direct
// addition and how wide a new code is. Table names are compared without regard to case.

#include <QString>

namespace codebox {

struct TableSetup {
    QString boundTable;          // the table the search and the addition use
    QString callerName;          // the caller's table name, which some rules rewrite
    QString descriptionColumn;   // empty: the table has no rule, nothing is searched
    QString codeColumn;
    QString extraFilter;         // "" or a text that begins with "and"
    bool result = true;          // the box is usable for the table
    bool stopped = false;        // articles are turned off: the binding ends after the columns
    bool dateMode = false;       // the pseudo-table "FECHA"
    bool salesmanRestriction = false;   // customers and suppliers: only the user's salesman's
};

class TableBinding {
public:
    // The column rules on the name as passed (the first that matches wins), then the filter
    // rules on the bound table. Every binding starts with no columns.
    static TableSetup resolve(const QString& name, bool articlesDisabled);

    // The right a user needs in ta_tareas to add rows to the table; "" when no user may.
    static QString rightCode(const QString& table);
    // Width of a new code: 25 for maintenance items, 4 for every other table.
    static int codeWidth(const QString& table);

    // "ID" and the part of the name after the first `prefix`, without a final "S"/"s":
    // V_TA_Rubros gives IDRubro, v_ta_rubros IDrubro.
    static QString idFromName(const QString& name, const QString& prefix);
    // The one column the search tests and lists: the description column, or, when the rule
    // names several description columns, the first of them that is not the code column.
    static QString searchColumn(const QString& descriptionColumn, const QString& codeColumn);

private:
    static void applyColumnRules(const QString& name, TableSetup& setup, bool articlesDisabled);
    static void applyFilterRules(TableSetup& setup);
};

} // namespace codebox

#pragma once
// The SQL of one lookup. A caller names a table or view, or hands a whole SELECT; the text
// gets a row limit, the columns of the table's query mask or of the table itself, the extra
// condition, and the search and order column.

#include "lookup/MascaraConsulta.h"

#include <QString>

namespace lookup {

class LookupStatement {
public:
    // The row limit from the configuration text: its leading number rounded half to even;
    // 1000 when that is below 1 (empty, 0, not a number, negative), at most 2,147,483,647.
    static qint32 rowLimit(const QString& topConsArt);

    // A condition longer than one character that does not begin with "(" is wrapped:
    // "A = 1" becomes " (A = 1) ".
    static void wrapCondition(QString& where);

    // A whole SELECT: the trimmed text starts with the word SELECT (a name such as V_SELECTOS
    // is a table name).
    static bool isSelectText(const QString& sql);

    // The SELECT path: the article view becomes the one with prices; a condition is appended,
    // with " WHERE " in front unless it already holds the word.
    static QString fromSelect(const QString& sql, QString& where);

    // The mask path, from the table's record. Without a search column from the caller the first
    // mask column becomes it; a mask of one column then cannot say which column to search and
    // the result is false (the caller shows its message).
    static bool fromMask(const MascaraConsulta& record, qint32 top, const QString& where, QString& campoBusqueda,
                         QString& sql);

    // Two conditions that must both hold, joined with " and "; either one alone when the other
    // is blank. A part with an OR outside parentheses and quotes goes in parentheses, so the
    // join keeps what each part says.
    static QString bothConditions(const QString& first, const QString& second);
    static bool hasTopLevelOr(const QString& condition);

    // The built-in column choice: a fixed column list for three tables, else the table's own
    // fields (probed with one row), in reverse order, without the key, time stamp and password
    // columns. Changes the search column as the choice goes. No ORDER BY without an order column.
    static QString builtIn(const QString& name, qint32 top, const QString& where, QString& campoBusqueda);

    // The columns of a table as the built-in choice takes them, with a trailing ",": "" when the
    // probe found none.
    static QString probedColumns(const QString& name, QString& campoBusqueda);

private:
    static void addProbedField(const QString& name, const QString& field, QString& cols, QString& campoBusqueda);
    static QString fixedColumns(const QString& name, QString& campoBusqueda);
    static QString maskColumns(const MascaraConsulta& record);
    static QString maskCondition(const MascaraConsulta& record, const QString& where, QString& table);
};

} // namespace lookup

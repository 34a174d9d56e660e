#pragma once

#include "ado/ServerMessages.h"
#include "ado/SqlType.h"

#include <QString>
#include <QStringList>
#include <stdexcept>
#include <vector>

namespace ado {

// A statement the server would reject, or a construct the embedded engine does not run:
// the server's native error number and its message.
class TranslationError : public std::runtime_error {
public:
    TranslationError(int native, const QString& text) : std::runtime_error(text.toStdString()), m_native(native), m_text(text) {}
    int native() const { return m_native; }
    const QString& text() const { return m_text; }
    // A construct the embedded engine does not run (native 0: no server number fits).
    static TranslationError unsupported(const QString& construct)
    {
        return TranslationError(0, ServerMessages::unsupported(construct));
    }
    // The server's syntax error, naming the text where reading stopped.
    static TranslationError syntaxNear(const QString& text)
    {
        return TranslationError(102, ServerMessages::syntaxNear(text));
    }

private:
    int m_native;
    QString m_text;
};

// Counts the nesting of a recursive parse; past the limit the statement fails as the server
// fails one nested too deeply (no input runs the stack out).
class Nesting {
public:
    static constexpr int limit = 100;
    explicit Nesting(int& depth) : m_depth(depth)
    {
        if (++m_depth > limit) {
            --m_depth;
            throw TranslationError(191, ServerMessages::nestedTooDeeply());
        }
    }
    ~Nesting() { --m_depth; }
    Nesting(const Nesting&) = delete;
    Nesting& operator=(const Nesting&) = delete;

private:
    int& m_depth;
};

// One SELECT of a query and where its parts are, as positions of the typed rewriter's view.
struct SelectCore {
    struct Item {
        int from = 0;     // the expression (without its alias)
        int to = 0;
        QString alias;
    };
    int select = -1;       // the SELECT word
    int itemsEnd = -1;     // the end of the column list
    int end = -1;          // the end of this SELECT (before UNION, ORDER BY or the query's end)
    int queryEnd = -1;     // the end of the whole query it belongs to (after ORDER BY)
    int orderFrom = -1;    // the query's ORDER BY list, when it has one
    int orderTo = -1;
    bool distinct = false;
    bool inCompound = false;   // one SELECT of a UNION, EXCEPT or INTERSECT
    // TOP
    int topFrom = -1;      // the TOP word ... the end of its count, PERCENT and WITH TIES
    int topTo = -1;
    int countFrom = -1;
    int countTo = -1;
    bool percent = false;
    bool withTies = false;
    std::vector<Item> items;
};

// What the structural steps need to know of a statement after the typed rewrite.
struct StatementShape {
    enum Verb { Other, Select, Insert, Update, Delete };
    struct Assignment {
        int column = -1;   // the column's name token (its qualifier already erased)
        int from = -1;     // the value expression
        int to = -1;
    };
    Verb verb = Other;
    std::vector<SelectCore> tops;   // SELECTs with TOP, inner ones first

    // UPDATE and DELETE
    QString target;          // the table written
    QString targetSource;    // its name in the FROM list, when it is there
    bool hasFrom = false;    // UPDATE ... FROM / DELETE ... FROM list
    bool deleteFromWord = false;   // DELETE FROM t (else DELETE t)
    int targetAt = -1;
    int setFrom = -1;
    int setTo = -1;
    std::vector<Assignment> assignments;
    int fromListFrom = -1;   // the FROM list (without the word)
    int fromListTo = -1;
    int whereFrom = -1;      // the WHERE condition (without the word)
    int whereTo = -1;
    int end = -1;

    // SELECT ... INTO
    QString intoTable;

    QString insertTable;
    QStringList assignedVariables;   // SELECT @a = ..., @b = ...
    std::vector<SqlType> itemTypes;  // the SELECT's columns
    QStringList itemNames;
    bool columnsKnown = false;       // no * among them: itemTypes are the result's columns
    std::vector<int> unnamedColumns; // computed columns without a name: the server names them 
};

} // namespace ado

#pragma once

#include "ado/DateText.h"
#include "ado/SqlSchema.h"
#include "ado/SqlType.h"
#include "ado/StatementShape.h"
#include "ado/TokenView.h"

#include <QHash>

namespace ado {

// What the rewriter knows besides the statement: the tables, the batch's variables and how
// the session reads numeric dates.
struct TranslationContext {
    const SqlSchema* schema = nullptr;
    QHash<QString, SqlType> variables;   // "@name" lower-cased
    DateOrder dateOrder = DateOrder::DMY;
};

// Types every expression of one statement the way the server does and rewrites it so that
// SQLite computes the server's result:
// - "+" joins two texts, adds numbers (a text beside a number converts to the number, a
//   failure being the server's conversion error), and adds days to a date ("-" subtracts);
// - a text compared with, assigned to, or listed (IN, BETWEEN, CASE, ISNULL, COALESCE)
//   beside a date or a number converts to it: literals at once, other texts when evaluated;
// - texts that are not bare columns (literals, concatenations, CASE, CONVERT, function
//   results, variables) compare under the server's collation (COLLATE SRV);
// - functions get the server's rules (LEFT, SUBSTRING, REPLACE, CONVERT with its source type,
//   AVG of integers, ISNULL in the first argument's type, division by zero ...);
// - SELECT alias = expr, SELECT @var = expr, !< and !> take SQLite's forms.
// It records in a StatementShape what the later, structural steps need. A construct the
// server rejects, or one the embedded engine does not run, throws TranslationError.
class TypedRewriter {
public:
    TypedRewriter(SqlTokens& tokens, const TranslationContext& context);
    StatementShape run();
    TokenView& view() { return m_view; }

    struct Node {
        Node() = default;
        Node(int from, int to, SqlType type = {}) : from(from), to(to), type(type) {}
        int from = 0;
        int to = 0;
        SqlType type;
        int literal = -1;       // the String token, when the node is a (bracketed) text literal
        bool number = false;    // a number literal
        bool null = false;
        bool column = false;    // compares by its column's own collation
        bool collated = false;
        bool compound = false;  // an operation: needs brackets inside another one
        bool concatenated = false;
        bool empty() const { return to <= from; }
    };
    struct Source {
        QString name;                       // alias, or the table's name
        QString table;                      // empty for a derived table
        QHash<QString, SqlType> columns;    // a derived table's columns (lower-cased)
    };
    struct Scope {
        std::vector<Source> sources;
        const Scope* parent = nullptr;
    };
    struct QueryResult {
        std::vector<SqlType> types;
        QStringList names;
        std::vector<Node> items;
        std::vector<int> unnamed;   // last tokens of computed columns without a name
        bool star = false;          // a * in the list: the columns are not all known
        void add(const Node& item, const QString& name)
        {
            items.push_back(item);
            types.push_back(item.type);
            names << name;
        }
    };

private:
    // statements (TypedRewriter.cpp)
    static bool isKeyword(const SqlToken& t);
    int commonTables(int at, int to);
    void insertStatement(int at, int to);
    void updateStatement(int at, int to);
    void deleteStatement(int at, int to);
    void assignments(int from, int to, const QString& table, const Scope& scope);
    QString writtenTable(const QString& target, int listFrom, int listTo, Scope& scope, const char* verb);
    void whereClause(int where, int to, const Scope& scope);
    QueryResult query(int from, int to, const Scope* outer, const std::vector<SqlType>* targets, bool statementLevel);
    QueryResult selectCore(int from, int to, const Scope* outer, const std::vector<SqlType>* targets, SelectCore& core,
                           Scope& scope);
    void selectItems(int from, int to, const Scope& scope, const std::vector<SqlType>* targets, QueryResult& out,
                     SelectCore& core);
    SelectCore::Item selectItem(int a, int b, const Scope& scope, const SqlType* target, QueryResult& out);
    SelectCore::Item variableItem(int a, int b, const Scope& scope, QueryResult& out);
    QString trailingAlias(const Node& value, int b, const Scope& scope);
    void tableSources(int from, int to, Scope& scope, const Scope* outer);
    int tableSource(int at, int to, Scope& scope, const Scope* outer);
    int clauseEnd(int from, int to, std::initializer_list<const char*> stops) const;
    int closingWithin(int open, int to) const;
    int nameEnd(int at, int to) const;
    bool isAlias(int at, int to) const;
    void unifyCompound(std::vector<QueryResult>& cores);
    SqlType resolveColumn(const Scope* scope, const QString& qualifier, const QString& name) const;
    const Source* findSource(const Scope& scope, const QString& name) const;
    SqlType columnOf(const QString& table, const QString& column) const;

    // expressions (TypedExpressions.cpp)
    static bool stopsOperand(const SqlToken& t);
    Node expression(int at, int to, const Scope& scope);
    Node conjunction(int at, int to, const Scope& scope);
    using Operand = Node (TypedRewriter::*)(int at, int to, const Scope& scope);
    Node chain(int at, int to, const Scope& scope, const char* word, Operand operand);
    Node negation(int at, int to, const Scope& scope);
    Node predicate(int at, int to, const Scope& scope);
    Node inList(Node& left, int at, int to, const Scope& scope);
    Node additive(int at, int to, const Scope& scope);
    Node multiplicative(int at, int to, const Scope& scope);
    Node unary(int at, int to, const Scope& scope);
    Node primary(int at, int to, const Scope& scope);
    Node columnReference(int at, int to, const Scope& scope);
    Node variable(int at);
    Node caseExpression(int at, int to, const Scope& scope);
    Node combineAdditive(Node left, int op, Node right);
    Node combineMultiplicative(Node left, int op, Node right);
    void region(int from, int to, const Scope& scope);
    void unify(const std::vector<Node*>& nodes);
    void coerce(Node& n, const SqlType& target);
    void assign(Node& n, const SqlType& target, bool truncates);
    bool narrows(const Node& n, const SqlType& target) const;
    void toDate(Node& n);
    void toNumber(Node& n, const SqlType& target);
    void toText(Node& n, const SqlType& target);
    void collate(Node& n);
    void wrap(Node& n, const QString& before, const QString& after);
    void bracket(Node& n);
    QString sourceTypeText(const Node& n) const;

    // functions (TypedFunctions.cpp)
    Node call(int at, int to, const Scope& scope);
    Node convertCall(int at, int close, const Scope& scope, bool tries);
    Node castCall(int at, int close, const Scope& scope, bool tries);
    Node dateUnitCall(int at, int close, const Scope& scope, const QString& upper);
    Node aggregateCall(int at, int close, const Scope& scope, const QString& upper);
    void windowClause(int at, int to, const Scope& scope, Node& call);
    std::vector<Node> arguments(int open, int close, const Scope& scope);
    Node textFunction(int at, int close, std::vector<Node>& args, const QString& upper);
    Node sameTypeFunction(int at, int close, std::vector<Node>& args, const QString& upper);
    void textArgument(Node& n);
    static bool isUnsupportedFunction(const QString& upper);

    TokenView m_view;
    const TranslationContext& m_context;
    int m_depth = 0;
    StatementShape m_shape;
    QHash<QString, Source> m_commonTables;   // WITH name AS (...), lower-cased
};

} // namespace ado

#pragma once

#include "ado/ColumnKind.h"
#include "ado/TokenView.h"

namespace ado {

// SQL Server joins texts with "+"; SQLite only with "||". In a chain of terms joined by
// "+" or "-", the "+" signs from the first text term on become "||" (SQL Server evaluates
// left to right, so everything after a text is text). A term is text when it is a text
// literal, a column declared as text, a function that returns text (LEFT, RIGHT, SUBSTRING,
// UPPER, LOWER, LTRIM, RTRIM, REPLICATE, REPLACE, SPACE, CONVERT/CAST to a text type,
// ISNULL/COALESCE of a text) or a bracketed text chain. Terms are bracketed where "||"
// would bind tighter than the arithmetic written around it.
class ConcatRewriter {
public:
    ConcatRewriter(SqlTokens& tokens, const ColumnKindOf& kinds);
    void run();

private:
    struct Term { int from = 0; int to = 0; ColumnKind kind = ColumnKind::Unknown; bool compound = false; };
    struct RangeResult { ColumnKind firstKind = ColumnKind::Unknown; bool singleChain = false; };

    RangeResult processRange(int from, int to);
    int processChain(int from, int to, ColumnKind& kind);
    bool parseTerm(int at, int to, Term& term);
    bool parsePrimary(int at, int to, Term& term);
    bool parseCall(int at, Term& term);
    bool parseName(int at, int to, Term& term);
    ColumnKind functionKind(int nameAt, const RangeResult& args) const;
    ColumnKind typeKind(const QString& typeName) const;
    void rewriteChain(const std::vector<Term>& terms, const std::vector<int>& operators);
    void wrap(int from, int to);

    TokenView m_view;
    const ColumnKindOf& m_kinds;
};

} // namespace ado

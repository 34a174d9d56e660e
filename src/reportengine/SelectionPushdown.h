#pragma once
// Turns a selection formula into a SQL Server WHERE clause as far as it can. The formula is split
// at its top-level ANDs; each part either translates whole or is left to be evaluated per row.
// An OR translates only when both sides do. Every text literal has its apostrophes doubled.
// The clause is bounded in length: a part that would pass the bound is evaluated per row instead,
// so formulas that name the formula before them several times cannot build a statement that
// grows that many times over with each formula. So is its nesting: a part whose SQL, as written,
// nests its parentheses deeper than MaxSqlDepth levels (a NOT, a call, a formula, a list each
// open one; "Trim" opens two) is evaluated per row, and so is one whose formula nests deeper
// than that, whatever it would write.

#include "reportengine/FormulaNode.h"
#include "reportengine/SqlResolver.h"
#include <optional>
#include <vector>

namespace reportengine {

class SelectionPushdown {
public:
    enum class Result { Complete, Partial, Failed };
    struct Translation {
        Result result = Result::Complete;
        QString where;                              // "" when nothing translated
        std::vector<const FormulaNode*> residual;   // parts the evaluator must still check (ANDed)
    };

    static constexpr qsizetype MaxWhere = 64 * 1024;   // characters of the WHERE clause
    // Levels of nesting: the embedded engine's parser takes about 30 in a whole statement, which
    // may wrap the clause in a sub-query of its own.
    static constexpr int MaxSqlDepth = 24;

    static Translation translate(const FormulaNode* root, const SqlResolver& resolver);
    static QString literal(const FormulaValue& value);        // nullopt-free: Null gives "NULL"
    static QString likePattern(const QString& pattern);      // * ? to % _, with ESCAPE when needed

private:
    explicit SelectionPushdown(const SqlResolver& resolver) : m_resolver(resolver) {}
    // predicate and value give nullopt when the node does not translate, or when its SQL would
    // take more than m_room characters or nest deeper than MaxSqlDepth.
    std::optional<QString> predicate(const FormulaNode& node);
    std::optional<QString> value(const FormulaNode& node);
    std::optional<QString> fitting(std::optional<QString> sql) const;
    std::optional<QString> unboundedPredicate(const FormulaNode& node);
    std::optional<QString> unboundedValue(const FormulaNode& node);
    std::optional<QString> comparison(const FormulaNode& node);
    std::optional<QString> membership(const FormulaNode& node);
    std::optional<QString> range(const FormulaNode& node);
    std::optional<QString> function(const FormulaNode& node);
    std::optional<FormulaValue> constant(const FormulaNode& node);
    const FormulaNode* referenced(const FormulaNode& node);

    const SqlResolver& m_resolver;
    int m_depth = 0;
    qsizetype m_room = MaxWhere;   // characters the part being translated may take
};

} // namespace reportengine

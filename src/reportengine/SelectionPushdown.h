#pragma once
// Turns a selection formula into a SQL Server WHERE clause as far as it can. The formula is split
// at its top-level ANDs; each part either translates whole or is left to be evaluated per row.
// An OR translates only when both sides do. Every text literal has its apostrophes doubled.

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

    static Translation translate(const FormulaNode* root, const SqlResolver& resolver);
    static QString literal(const FormulaValue& value);        // nullopt-free: Null gives "NULL"
    static QString likePattern(const QString& pattern);      // * ? to % _, with ESCAPE when needed

private:
    explicit SelectionPushdown(const SqlResolver& resolver) : m_resolver(resolver) {}
    std::optional<QString> predicate(const FormulaNode& node);
    std::optional<QString> comparison(const FormulaNode& node);
    std::optional<QString> membership(const FormulaNode& node);
    std::optional<QString> range(const FormulaNode& node);
    std::optional<QString> value(const FormulaNode& node);
    std::optional<QString> function(const FormulaNode& node);
    std::optional<FormulaValue> constant(const FormulaNode& node);
    const FormulaNode* referenced(const FormulaNode& node);

    const SqlResolver& m_resolver;
    int m_depth = 0;
};

} // namespace reportengine

#pragma once
// Evaluates a parsed formula against a context. Logic is three-valued as in SQL: a comparison
// with Null is Null, and a selection keeps a row only when it is True.

#include "reportengine/FormulaContext.h"
#include "reportengine/FormulaNode.h"

namespace reportengine {

class FormulaEvaluator {
public:
    // The longest text a formula may build (16 Mi characters, 32 MB), as for the JSON scripts;
    // past it TextTooLongError, or, from inside a formula, a FormulaError naming the formula.
    static constexpr qsizetype MaxText = 16 * 1024 * 1024;

    // An operand is worked out only when its value is needed: AND, OR and IN [..] stop at the
    // first operand that decides, and a formula is worked out where its value is first looked at.
    // The nodes being worked out, those of the formulas named included, are kept on a stack on the
    // heap: no formula, nor line of formulas however long, nests calls. The context may hand the
    // tree's value back from an earlier call (FormulaContext::treeValue) and is told the value
    // worked out (treeDone).
    static FormulaValue evaluate(const FormulaNode& node, const FormulaContext& context);
    static bool selects(const FormulaNode* node, const FormulaContext& context);   // nullptr selects all
    static bool like(const QString& text, const QString& pattern);                // * and ?, case ignored
};

} // namespace reportengine

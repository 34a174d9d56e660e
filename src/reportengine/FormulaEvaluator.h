#pragma once
// Evaluates a parsed formula against a context. Logic is three-valued as in SQL: a comparison
// with Null is Null, and a selection keeps a row only when it is True.

#include "reportengine/FormulaContext.h"
#include "reportengine/FormulaNode.h"

namespace reportengine {

class FormulaEvaluator {
public:
    // The longest text a formula may build (16 Mi characters, 32 MB), as for the JSON scripts;
    // past it TextTooLongError.
    static constexpr qsizetype MaxText = 16 * 1024 * 1024;

    static FormulaValue evaluate(const FormulaNode& node, const FormulaContext& context);
    static bool selects(const FormulaNode* node, const FormulaContext& context);   // nullptr selects all
    static bool like(const QString& text, const QString& pattern);                // * and ?, case ignored

private:
    static FormulaValue binary(const FormulaNode& node, const FormulaContext& context);
    static FormulaValue logical(const FormulaNode& node, const FormulaContext& context);
    static FormulaValue compare(FormulaNode::Op op, const FormulaValue& a, const FormulaValue& b);
    static FormulaValue contains(const FormulaNode& node, const FormulaContext& context);
    static FormulaValue arithmetic(const FormulaNode& node, const FormulaValue& a, const FormulaValue& b);
    static FormulaValue joined(const FormulaNode& node, const QString& a, const QString& b);
    static FormulaValue call(const FormulaNode& node, const FormulaContext& context);
};

} // namespace reportengine

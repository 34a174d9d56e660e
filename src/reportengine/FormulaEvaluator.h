#pragma once
// Evaluates a parsed formula against a context. Logic is three-valued as in SQL: a comparison
// with Null is Null, and a selection keeps a row only when it is True.

#include "reportengine/FormulaContext.h"
#include "reportengine/FormulaNode.h"

namespace reportengine {

class FormulaEvaluator {
public:
    static FormulaValue evaluate(const FormulaNode& node, const FormulaContext& context);
    static bool selects(const FormulaNode* node, const FormulaContext& context);   // nullptr selects all
    static bool like(const QString& text, const QString& pattern);                // * and ?, case ignored

private:
    static FormulaValue binary(const FormulaNode& node, const FormulaContext& context);
    static FormulaValue logical(const FormulaNode& node, const FormulaContext& context);
    static FormulaValue compare(FormulaNode::Op op, const FormulaValue& a, const FormulaValue& b);
    static FormulaValue contains(const FormulaNode& node, const FormulaContext& context);
    static FormulaValue arithmetic(FormulaNode::Op op, const FormulaValue& a, const FormulaValue& b);
    static FormulaValue call(const FormulaNode& node, const FormulaContext& context);
};

} // namespace reportengine

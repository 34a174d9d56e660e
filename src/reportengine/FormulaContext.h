#pragma once
// What a formula reads while it is evaluated: the current row, other formulas, parameters and
// the page values. A context raises FormulaError for a name it does not know.

#include "reportengine/FormulaValue.h"

namespace reportengine {

class FormulaNode;

class FormulaContext {
public:
    virtual ~FormulaContext() = default;
    virtual FormulaValue field(const FormulaNode& node) const = 0;
    virtual FormulaValue formula(const FormulaNode& node) const = 0;
    virtual FormulaValue parameter(const FormulaNode& node) const = 0;
    virtual FormulaValue special(const FormulaNode& node) const = 0;
};

} // namespace reportengine

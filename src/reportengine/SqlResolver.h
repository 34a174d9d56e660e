#pragma once
// Names as the SQL translation sees them: the column of a field, the tree of a formula, the
// value of a parameter. Anything unknown makes its part of the formula stay in the evaluator.

#include "reportengine/FormulaValue.h"
#include <QString>
#include <optional>

namespace reportengine {

class FormulaNode;

class SqlResolver {
public:
    virtual ~SqlResolver() = default;
    virtual QString column(const FormulaNode& field) const = 0;          // "" when unknown
    virtual const FormulaNode* formula(const QString& name) const = 0;   // nullptr when unknown or blank
    virtual std::optional<FormulaValue> parameter(const QString& name) const = 0;
};

} // namespace reportengine

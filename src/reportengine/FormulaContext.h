#pragma once
// What a formula reads while it is evaluated: the current row, other formulas, parameters and
// the page values. A context raises FormulaError for a name it does not know.

#include "reportengine/FormulaValue.h"
#include <optional>

namespace reportengine {

class FormulaNode;

class FormulaContext {
public:
    // What a formula reference stands for: its value when the context has it at hand, or else the
    // formula's tree, which the evaluator works out itself (so that a line of formulas never
    // nests calls) and hands back through formulaDone. Neither: a blank formula, Null.
    struct FormulaLookup {
        std::optional<FormulaValue> value;
        const FormulaNode* tree = nullptr;
    };

    virtual ~FormulaContext() = default;
    virtual FormulaValue field(const FormulaNode& node) const = 0;
    virtual FormulaLookup formula(const FormulaNode& node) const = 0;
    // The value the evaluator worked out from the tree formula(node) gave; a context may keep it.
    virtual void formulaDone(const FormulaNode&, const FormulaValue&) const {}
    virtual FormulaValue parameter(const FormulaNode& node) const = 0;
    virtual FormulaValue special(const FormulaNode& node) const = 0;
    // The value of a whole tree the evaluator is asked for, when the context kept it from an
    // earlier time; and the value the evaluator worked out for such a tree, which a context may
    // keep. A tree that raised is not handed back: it raises again where it is asked for.
    virtual std::optional<FormulaValue> treeValue(const FormulaNode&) const { return std::nullopt; }
    virtual void treeDone(const FormulaNode&, const FormulaValue&) const {}
};

} // namespace reportengine

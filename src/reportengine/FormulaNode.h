#pragma once
// One node of a parsed formula. Fields carry a slot that the report binds to the column of its
// query, and formula references one that it binds to the formula's number, so that evaluating a
// row never looks a name up.

#include "reportengine/FormulaValue.h"
#include <QString>
#include <functional>
#include <memory>
#include <vector>

namespace reportengine {

class FormulaNode {
public:
    enum class Type { Literal, Field, FormulaRef, Parameter, Special, Not, Negate, Binary, Call, List, Range };
    enum class Op { None, And, Or, Eq, Ne, Lt, Gt, Le, Ge, Like, In, Add, Sub, Mul, Div, Concat };
    using Ptr = std::unique_ptr<FormulaNode>;

    FormulaNode(Type type, int position) : m_type(type), m_position(position) {}

    Type type() const { return m_type; }
    int position() const { return m_position; }
    Op op() const { return m_op; }
    const QString& name() const { return m_name; }     // field, formula, parameter, special or function
    const QString& table() const { return m_table; }   // Field only
    const FormulaValue& literal() const { return m_literal; }
    const std::vector<Ptr>& children() const { return m_children; }
    const FormulaNode& child(std::size_t i) const { return *m_children.at(i); }
    int height() const { return m_height; }   // longest path to a leaf, counting this node
    int slot() const { return m_slot; }
    void setSlot(int slot) const { m_slot = slot; }

    static Ptr literalNode(const FormulaValue& v, int position);
    static Ptr named(Type type, const QString& name, int position, const QString& table = {});
    static Ptr unary(Type type, Ptr operand, int position);
    static Ptr binary(Op op, Ptr left, Ptr right, int position);
    static Ptr call(const QString& name, std::vector<Ptr> args, int position);
    static Ptr list(std::vector<Ptr> items, int position);
    static Ptr range(Ptr low, Ptr high, int position);   // "low TO high", only after IN

    // Every node below and including this one, depth first.
    void visit(const std::function<void(const FormulaNode&)>& f) const;
    bool isBooleanLiteral(bool value) const;

private:
    Type m_type;
    int m_position;
    Op m_op = Op::None;
    QString m_name;
    QString m_table;
    FormulaValue m_literal;
    std::vector<Ptr> m_children;
    int m_height = 1;
    mutable int m_slot = -1;
    void adopt(Ptr child);
};

} // namespace reportengine

#include "reportengine/FormulaNode.h"
#include <algorithm>

namespace reportengine {

FormulaNode::Ptr FormulaNode::literalNode(const FormulaValue& v, int position)
{
    auto n = std::make_unique<FormulaNode>(Type::Literal, position);
    n->m_literal = v;
    return n;
}

FormulaNode::Ptr FormulaNode::named(Type type, const QString& name, int position, const QString& table)
{
    auto n = std::make_unique<FormulaNode>(type, position);
    n->m_name = name;
    n->m_table = table;
    return n;
}

FormulaNode::Ptr FormulaNode::unary(Type type, Ptr operand, int position)
{
    auto n = std::make_unique<FormulaNode>(type, position);
    n->adopt(std::move(operand));
    return n;
}

FormulaNode::Ptr FormulaNode::binary(Op op, Ptr left, Ptr right, int position)
{
    auto n = std::make_unique<FormulaNode>(Type::Binary, position);
    n->m_op = op;
    n->adopt(std::move(left));
    n->adopt(std::move(right));
    return n;
}

FormulaNode::Ptr FormulaNode::call(const QString& name, std::vector<Ptr> args, int position)
{
    auto n = std::make_unique<FormulaNode>(Type::Call, position);
    n->m_name = name;
    for (auto& a : args)
        n->adopt(std::move(a));
    return n;
}

FormulaNode::Ptr FormulaNode::list(std::vector<Ptr> items, int position)
{
    auto n = std::make_unique<FormulaNode>(Type::List, position);
    for (auto& i : items)
        n->adopt(std::move(i));
    return n;
}

FormulaNode::Ptr FormulaNode::range(Ptr low, Ptr high, int position)
{
    auto n = std::make_unique<FormulaNode>(Type::Range, position);
    n->adopt(std::move(low));
    n->adopt(std::move(high));
    return n;
}

void FormulaNode::adopt(Ptr child)
{
    m_height = std::max(m_height, child->height() + 1);
    m_children.push_back(std::move(child));
}

void FormulaNode::visit(const std::function<void(const FormulaNode&)>& f) const
{
    f(*this);
    for (const auto& c : m_children)
        c->visit(f);
}

bool FormulaNode::isBooleanLiteral(bool value) const
{
    return m_type == Type::Literal && m_literal.kind() == FormulaValue::Kind::Boolean && m_literal.toBool() == value;
}

} // namespace reportengine

#include "reportengine/FormulaParser.h"
#include "reportengine/FormulaError.h"
#include "reportengine/FormulaFunctions.h"
#include "reportengine/FormulaLexer.h"
#include "kit/MessageText.h"

namespace reportengine {

using Type = FormulaToken::Type;
using Op = FormulaNode::Op;

FormulaParser::DepthGuard::DepthGuard(FormulaParser& p, int position) : m_p(p)
{
    if (++m_p.m_depth > MaxDepth) {
        --m_p.m_depth;
        throw FormulaError(QStringLiteral("La fórmula tiene demasiados niveles anidados"), position > 0 ? position : m_p.peek().position);
    }
}

FormulaNode::Ptr FormulaParser::parse(const QString& formula)
{
    FormulaParser parser(FormulaLexer::tokenize(formula));
    if (parser.peek().type == Type::End)
        return nullptr;
    auto root = parser.orExpr();
    if (parser.peek().type != Type::End)
        parser.fail(QStringLiteral("Sobra texto después del final de la fórmula"));
    return root;
}

void FormulaParser::fail(const QString& message) const
{
    throw FormulaError(message, peek().position);
}

bool FormulaParser::atKeyword(const char* word) const
{
    return peek().type == Type::Identifier && peek().text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
}

void FormulaParser::expect(Type type, const char* what)
{
    if (peek().type != type)
        fail(QStringLiteral("Se esperaba %1").arg(QLatin1String(what)));
    ++m_index;
}

FormulaNode::Ptr FormulaParser::binary(Op op, FormulaNode::Ptr left, FormulaNode::Ptr right, int pos)
{
    auto node = FormulaNode::binary(op, std::move(left), std::move(right), pos);
    if (node->height() > MaxHeight)
        throw FormulaError(QStringLiteral("La fórmula tiene demasiados niveles anidados"), pos);
    return node;
}

FormulaNode::Ptr FormulaParser::orExpr()
{
    auto left = andExpr();
    while (atKeyword("OR")) {
        const int pos = take().position;
        left = binary(Op::Or, std::move(left), andExpr(), pos);
    }
    return left;
}

FormulaNode::Ptr FormulaParser::andExpr()
{
    auto left = notExpr();
    while (atKeyword("AND")) {
        const int pos = take().position;
        left = binary(Op::And, std::move(left), notExpr(), pos);
    }
    return left;
}

FormulaNode::Ptr FormulaParser::notExpr()
{
    if (atKeyword("NOT")) {
        DepthGuard guard(*this);
        const int pos = take().position;
        return FormulaNode::unary(FormulaNode::Type::Not, notExpr(), pos);
    }
    return comparison();
}

static Op comparisonOp(const FormulaToken& t)
{
    switch (t.type) {
    case Type::Eq: return Op::Eq;
    case Type::Ne: return Op::Ne;
    case Type::Lt: return Op::Lt;
    case Type::Gt: return Op::Gt;
    case Type::Le: return Op::Le;
    case Type::Ge: return Op::Ge;
    case Type::Identifier:
        if (t.text.compare(u"LIKE", Qt::CaseInsensitive) == 0) return Op::Like;
        if (t.text.compare(u"IN", Qt::CaseInsensitive) == 0) return Op::In;
        return Op::None;
    default: return Op::None;
    }
}

FormulaNode::Ptr FormulaParser::comparison()
{
    auto left = additive();
    for (Op op = comparisonOp(peek()); op != Op::None; op = comparisonOp(peek())) {
        const int pos = take().position;
        auto right = additive();
        if (op == Op::In && atKeyword("TO")) {
            const int to = take().position;
            right = FormulaNode::range(std::move(right), additive(), to);
        }
        left = binary(op, std::move(left), std::move(right), pos);
    }
    return left;
}

FormulaNode::Ptr FormulaParser::additive()
{
    auto left = multiplicative();
    for (;;) {
        const Type t = peek().type;
        if (t != Type::Plus && t != Type::Minus && t != Type::Amp)
            return left;
        const int pos = take().position;
        const Op op = t == Type::Plus ? Op::Add : (t == Type::Minus ? Op::Sub : Op::Concat);
        left = binary(op, std::move(left), multiplicative(), pos);
    }
}

FormulaNode::Ptr FormulaParser::multiplicative()
{
    auto left = unaryExpr();
    while (peek().type == Type::Star || peek().type == Type::Slash) {
        const Op op = peek().type == Type::Star ? Op::Mul : Op::Div;
        const int pos = take().position;
        left = binary(op, std::move(left), unaryExpr(), pos);
    }
    return left;
}

FormulaNode::Ptr FormulaParser::unaryExpr()
{
    if (peek().type == Type::Minus) {
        DepthGuard guard(*this);
        const int pos = take().position;
        return FormulaNode::unary(FormulaNode::Type::Negate, unaryExpr(), pos);
    }
    return primary();
}

FormulaNode::Ptr FormulaParser::primary()
{
    const FormulaToken& t = peek();
    switch (t.type) {
    case Type::Number:
        take();
        return FormulaNode::literalNode(FormulaValue::number(t.text.toDouble()), t.position);
    case Type::Text:
        take();
        return FormulaNode::literalNode(FormulaValue::text(t.text), t.position);
    case Type::Field:
        take();
        return FormulaNode::named(FormulaNode::Type::Field, t.text, t.position, t.table);
    case Type::FormulaRef:
        take();
        return FormulaNode::named(FormulaNode::Type::FormulaRef, t.text, t.position);
    case Type::Parameter:
        take();
        return FormulaNode::named(FormulaNode::Type::Parameter, t.text, t.position);
    case Type::LParen: {
        DepthGuard guard(*this);
        take();
        auto inner = orExpr();
        expect(Type::RParen, "\")\"");
        return inner;
    }
    case Type::LBracket:
        return listExpr();
    case Type::Identifier:
        return identifierExpr();
    case Type::End:
        fail(QStringLiteral("La fórmula termina antes de tiempo"));
    default:
        fail(QStringLiteral("Acá se esperaba un valor"));
    }
}

static bool isSpecialName(const QString& name)
{
    for (const char* s : {"PageNumber", "TotalPageCount", "PrintDate", "CurrentDate"})
        if (name.compare(QLatin1String(s), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

FormulaNode::Ptr FormulaParser::identifierExpr()
{
    const FormulaToken t = take();
    if (t.text.compare(u"TRUE", Qt::CaseInsensitive) == 0)
        return FormulaNode::literalNode(FormulaValue::boolean(true), t.position);
    if (t.text.compare(u"FALSE", Qt::CaseInsensitive) == 0)
        return FormulaNode::literalNode(FormulaValue::boolean(false), t.position);
    if (peek().type == Type::LParen) {
        DepthGuard guard(*this, t.position);
        take();
        if (!FormulaFunctions::exists(t.text))
            throw FormulaError(QStringLiteral("Función desconocida \"%1\"").arg(kit::nameText(t.text)), t.position);
        return FormulaNode::call(t.text, arguments(Type::RParen), t.position);
    }
    if (isSpecialName(t.text))
        return FormulaNode::named(FormulaNode::Type::Special, t.text, t.position);
    throw FormulaError(QStringLiteral("Nombre desconocido \"%1\"").arg(kit::nameText(t.text)), t.position);
}

FormulaNode::Ptr FormulaParser::listExpr()
{
    DepthGuard guard(*this);
    const int pos = take().position;
    return FormulaNode::list(arguments(Type::RBracket), pos);
}

std::vector<FormulaNode::Ptr> FormulaParser::arguments(Type close)
{
    std::vector<FormulaNode::Ptr> args;
    if (peek().type == close) {
        take();
        return args;
    }
    for (;;) {
        args.push_back(orExpr());
        if (peek().type == close) {
            take();
            return args;
        }
        expect(Type::Comma, close == Type::RParen ? "\",\" o \")\"" : "\",\" o \"]\"");
    }
}

} // namespace reportengine

#include "reportengine/FormulaEvaluator.h"
#include "reportengine/FormulaError.h"
#include "reportengine/FormulaFunctions.h"

#include <algorithm>
#include <cmath>

namespace reportengine {

using Type = FormulaNode::Type;
using Op = FormulaNode::Op;

static FormulaError at(const FormulaNode& node, const FormulaError& e)
{
    return FormulaError(e.message(), node.position());
}

FormulaValue FormulaEvaluator::evaluate(const FormulaNode& node, const FormulaContext& context)
{
    try {
        switch (node.type()) {
        case Type::Literal: return node.literal();
        case Type::Field: return context.field(node);
        case Type::FormulaRef: return context.formula(node);
        case Type::Parameter: return context.parameter(node);
        case Type::Special: return context.special(node);
        case Type::Not: {
            const FormulaValue v = evaluate(node.child(0), context);
            return v.isNull() ? v : FormulaValue::boolean(!v.toBool());
        }
        case Type::Negate: {
            const FormulaValue v = evaluate(node.child(0), context);
            return v.isNull() ? v : FormulaValue::number(-v.toNumber());
        }
        case Type::Binary: return binary(node, context);
        case Type::Call: return call(node, context);
        case Type::List: throw FormulaError(QStringLiteral("Una lista [ ] solo puede ir después de IN"));
        case Type::Range: throw FormulaError(QStringLiteral("Un rango ... TO ... solo puede ir después de IN"));
        }
    } catch (const FormulaError& e) {
        if (e.position() > 0)
            throw;   // placed already, and kept of its own kind
        throw at(node, e);
    }
    return {};
}

bool FormulaEvaluator::selects(const FormulaNode* node, const FormulaContext& context)
{
    if (!node)
        return true;
    const FormulaValue v = evaluate(*node, context);
    return !v.isNull() && v.toBool();
}

FormulaValue FormulaEvaluator::binary(const FormulaNode& node, const FormulaContext& context)
{
    switch (node.op()) {
    case Op::And:
    case Op::Or: return logical(node, context);
    case Op::In: return contains(node, context);
    default: break;
    }
    const FormulaValue a = evaluate(node.child(0), context);
    const FormulaValue b = evaluate(node.child(1), context);
    switch (node.op()) {
    case Op::Like:
        if (a.isNull() || b.isNull())
            return {};
        return FormulaValue::boolean(like(a.toText(), b.toText()));
    case Op::Concat: return joined(node, a.toText(), b.toText());
    case Op::Add:
    case Op::Sub:
    case Op::Mul:
    case Op::Div: return arithmetic(node, a, b);
    default: return compare(node.op(), a, b);
    }
}

// Kleene logic, so that a row selected here is selected by the database and the reverse.
FormulaValue FormulaEvaluator::logical(const FormulaNode& node, const FormulaContext& context)
{
    const bool isAnd = node.op() == Op::And;
    const FormulaValue a = evaluate(node.child(0), context);
    if (!a.isNull() && a.toBool() != isAnd)
        return FormulaValue::boolean(!isAnd);
    const FormulaValue b = evaluate(node.child(1), context);
    if (!b.isNull() && b.toBool() != isAnd)
        return FormulaValue::boolean(!isAnd);
    if (a.isNull() || b.isNull())
        return {};
    return FormulaValue::boolean(isAnd);
}

FormulaValue FormulaEvaluator::compare(Op op, const FormulaValue& a, const FormulaValue& b)
{
    const auto c = FormulaValue::compare(a, b);
    if (!c)
        return {};
    switch (op) {
    case Op::Eq: return FormulaValue::boolean(*c == 0);
    case Op::Ne: return FormulaValue::boolean(*c != 0);
    case Op::Lt: return FormulaValue::boolean(*c < 0);
    case Op::Gt: return FormulaValue::boolean(*c > 0);
    case Op::Le: return FormulaValue::boolean(*c <= 0);
    case Op::Ge: return FormulaValue::boolean(*c >= 0);
    default: break;
    }
    throw FormulaError(QStringLiteral("Operador desconocido"));
}

// "x IN [a, b]" tests membership; "'a' IN 'abc'" finds a text inside a text.
FormulaValue FormulaEvaluator::contains(const FormulaNode& node, const FormulaContext& context)
{
    const FormulaValue needle = evaluate(node.child(0), context);
    const FormulaNode& haystack = node.child(1);
    if (haystack.type() == Type::Range) {
        // Both bounds belong to the range, as BETWEEN has them.
        const auto low = FormulaValue::compare(needle, evaluate(haystack.child(0), context));
        const auto high = FormulaValue::compare(needle, evaluate(haystack.child(1), context));
        if (!low || !high)
            return {};
        return FormulaValue::boolean(*low >= 0 && *high <= 0);
    }
    if (haystack.type() != Type::List) {
        const FormulaValue text = evaluate(haystack, context);
        if (needle.isNull() || text.isNull())
            return {};
        return FormulaValue::boolean(text.toText().contains(needle.toText(), Qt::CaseInsensitive));
    }
    bool unknown = needle.isNull();
    for (const auto& item : haystack.children()) {
        const auto c = FormulaValue::compare(needle, evaluate(*item, context));
        if (c && *c == 0)
            return FormulaValue::boolean(true);
        unknown = unknown || !c;
    }
    return unknown ? FormulaValue() : FormulaValue::boolean(false);
}

FormulaValue FormulaEvaluator::arithmetic(const FormulaNode& node, const FormulaValue& a, const FormulaValue& b)
{
    const Op op = node.op();
    if (a.isNull() || b.isNull())
        return {};
    if (op == Op::Add && a.isText() && b.isText())
        return joined(node, a.toText(), b.toText());
    const bool aDate = a.kind() == FormulaValue::Kind::Date || a.kind() == FormulaValue::Kind::DateTime;
    if (aDate && (op == Op::Add || op == Op::Sub) && !b.isText() && b.kind() != a.kind()) {
        const double count = b.toNumber();
        if (!(std::abs(count) <= 1e9))   // NaN too: no whole number of days
            throw FormulaError(QStringLiteral("Número fuera de rango"));
        const qint64 days = qint64(count) * (op == Op::Add ? 1 : -1);
        if (a.kind() == FormulaValue::Kind::Date)
            return FormulaValue::date(a.toDateTime().date().addDays(days));
        return FormulaValue::dateTime(a.toDateTime().addDays(days));
    }
    const double x = a.toNumber(), y = b.toNumber();
    switch (op) {
    case Op::Add: return FormulaValue::number(x + y);
    case Op::Sub: return FormulaValue::number(x - y);
    case Op::Mul: return FormulaValue::number(x * y);
    default: break;
    }
    if (y == 0)
        throw FormulaError(QStringLiteral("División por cero"));
    return FormulaValue::number(x / y);
}

// Measured before the text is built, so that no step ever holds more than the bound.
FormulaValue FormulaEvaluator::joined(const FormulaNode& node, const QString& a, const QString& b)
{
    if (a.size() + b.size() > MaxText)
        throw TextTooLongError(QStringLiteral("El texto armado pasa de %1 caracteres").arg(MaxText), std::max(node.position(), 1));
    return FormulaValue::text(a + b);
}

FormulaValue FormulaEvaluator::call(const FormulaNode& node, const FormulaContext& context)
{
    std::vector<FormulaValue> args;
    args.reserve(node.children().size());
    for (const auto& c : node.children())
        args.push_back(evaluate(*c, context));
    return FormulaFunctions::call(node.name(), args);
}

bool FormulaEvaluator::like(const QString& text, const QString& pattern)
{
    // Greedy match with one backtrack point per star: linear in practice, never exponential.
    qsizetype t = 0, p = 0, starP = -1, starT = 0;
    while (t < text.size()) {
        if (p < pattern.size() && pattern.at(p) == u'*') {
            starP = p++;
            starT = t;
        } else if (p < pattern.size()
                   && (pattern.at(p) == u'?' || pattern.at(p).toCaseFolded() == text.at(t).toCaseFolded())) {
            ++p;
            ++t;
        } else if (starP >= 0) {
            p = starP + 1;
            t = ++starT;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern.at(p) == u'*')
        ++p;
    return p == pattern.size();
}

} // namespace reportengine

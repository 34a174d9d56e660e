#include "reportengine/SelectionPushdown.h"
#include "reportengine/FormulaError.h"
#include "reportengine/FormulaFunctions.h"
#include "ado/SqlQuoting.h"

#include <algorithm>

namespace reportengine {

using Type = FormulaNode::Type;
using Op = FormulaNode::Op;

namespace {

void conjuncts(const FormulaNode& node, std::vector<const FormulaNode*>& out)
{
    if (node.type() == Type::Binary && node.op() == Op::And) {
        conjuncts(node.child(0), out);
        conjuncts(node.child(1), out);
    } else {
        out.push_back(&node);
    }
}

const char* sqlOperator(Op op)
{
    switch (op) {
    case Op::Eq: return " = ";
    case Op::Ne: return " <> ";
    case Op::Lt: return " < ";
    case Op::Gt: return " > ";
    case Op::Le: return " <= ";
    case Op::Ge: return " >= ";
    default: return nullptr;
    }
}

struct DepthCount {
    explicit DepthCount(int& d) : m_d(++d) {}
    ~DepthCount() { --m_d; }
    int& m_d;
};

constexpr QChar LikeEscape = u'!';

// How deep the parentheses of a written clause nest, those inside quoted texts and names left
// out. A function whose SQL form is two calls ("LTRIM(RTRIM(x))") counts both.
int sqlNesting(const QString& sql)
{
    int depth = 0, deepest = 0;
    QChar closing;   // the end of the quoted text or name being read, null outside one
    for (const QChar c : sql) {
        if (!closing.isNull()) {
            if (c == closing)
                closing = QChar();
        } else if (c == u'\'' || c == u'"') {
            closing = c;
        } else if (c == u'[') {
            closing = u']';
        } else if (c == u'(') {
            deepest = std::max(deepest, ++depth);
        } else if (c == u')') {
            --depth;
        }
    }
    return deepest;
}

} // namespace

SelectionPushdown::Translation SelectionPushdown::translate(const FormulaNode* root, const SqlResolver& resolver)
{
    Translation t;
    if (!root)
        return t;
    std::vector<const FormulaNode*> parts;
    conjuncts(*root, parts);
    const QString joiner = QStringLiteral(" AND ");
    QStringList pushed;
    qsizetype length = 0;   // of the pushed parts joined
    SelectionPushdown translator(resolver);
    for (const FormulaNode* part : parts) {
        const qsizetype joined = pushed.isEmpty() ? 0 : joiner.size();
        translator.m_room = MaxWhere - length - joined;
        if (auto sql = translator.predicate(*part)) {
            length += joined + sql->size();
            pushed << *sql;
        } else {
            t.residual.push_back(part);
        }
    }
    t.where = pushed.join(joiner);
    if (t.residual.empty())
        t.result = Result::Complete;
    else
        t.result = pushed.isEmpty() ? Result::Failed : Result::Partial;
    return t;
}

QString SelectionPushdown::literal(const FormulaValue& v)
{
    switch (v.kind()) {
    case FormulaValue::Kind::Null: return QStringLiteral("NULL");
    case FormulaValue::Kind::Boolean: return v.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    case FormulaValue::Kind::Number: return QString::number(v.toNumber(), 'g', 17);
    case FormulaValue::Kind::Text:
        return ado::quoteSqlText(v.toText());
    case FormulaValue::Kind::Date:
    case FormulaValue::Kind::DateTime:
        return QStringLiteral("{ts '%1'}").arg(v.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
    }
    return QStringLiteral("NULL");
}

QString SelectionPushdown::likePattern(const QString& pattern)
{
    QString out;
    QString typed;   // the run of letters since the last wildcard
    bool escaped = false;
    const auto endRun = [&] {
        out += ado::escapeLikeText(typed, LikeEscape);
        typed.clear();
    };
    for (const QChar c : pattern) {
        if (c == u'*' || c == u'?') {
            endRun();
            out += c == u'*' ? u'%' : u'_';
        } else {
            escaped = escaped || ado::isLikeWildcard(c) || c == LikeEscape;
            typed += c;
        }
    }
    endRun();
    const QString quoted = u'\'' + out + u'\'';
    return escaped ? quoted + QStringLiteral(" ESCAPE '!'") : quoted;
}

const FormulaNode* SelectionPushdown::referenced(const FormulaNode& node)
{
    if (m_depth >= MaxSqlDepth)
        return nullptr;
    return m_resolver.formula(node.name());
}

// Every translated node is measured as it is built, so a part past the bound is given up after
// building at most a few times the bound, not the whole text it would have been; so is its
// nesting, as written.
std::optional<QString> SelectionPushdown::fitting(std::optional<QString> sql) const
{
    if (sql && (sql->size() > m_room || sqlNesting(*sql) > MaxSqlDepth))
        return std::nullopt;
    return sql;
}

std::optional<QString> SelectionPushdown::predicate(const FormulaNode& node)
{
    DepthCount depth(m_depth);
    if (m_depth > MaxSqlDepth)
        return std::nullopt;
    return fitting(unboundedPredicate(node));
}

std::optional<QString> SelectionPushdown::unboundedPredicate(const FormulaNode& node)
{
    switch (node.type()) {
    case Type::Literal:
        if (node.literal().kind() == FormulaValue::Kind::Boolean)
            return node.literal().toBool() ? QStringLiteral("1 = 1") : QStringLiteral("1 = 0");
        return std::nullopt;
    case Type::Field: {
        const QString col = m_resolver.column(node);
        return col.isEmpty() ? std::nullopt : std::optional<QString>(col + QStringLiteral(" = 1"));
    }
    case Type::FormulaRef: {
        const FormulaNode* tree = referenced(node);
        return tree ? predicate(*tree) : std::nullopt;
    }
    case Type::Parameter: {
        const auto v = m_resolver.parameter(node.name());
        if (v && v->kind() == FormulaValue::Kind::Boolean)
            return v->toBool() ? QStringLiteral("1 = 1") : QStringLiteral("1 = 0");
        return std::nullopt;
    }
    case Type::Not: {
        const auto inner = predicate(node.child(0));
        return inner ? std::optional<QString>(QStringLiteral("NOT (%1)").arg(*inner)) : std::nullopt;
    }
    case Type::Binary:
        if (node.op() == Op::And || node.op() == Op::Or) {
            const auto a = predicate(node.child(0));
            const auto b = a ? predicate(node.child(1)) : std::nullopt;
            if (!b)
                return std::nullopt;
            return QStringLiteral("(%1 %2 %3)").arg(*a, node.op() == Op::And ? "AND" : "OR", *b);
        }
        return node.op() == Op::In ? membership(node) : comparison(node);
    default:
        return std::nullopt;
    }
}

std::optional<QString> SelectionPushdown::comparison(const FormulaNode& node)
{
    const auto left = value(node.child(0));
    if (!left)
        return std::nullopt;
    if (node.op() == Op::Like) {
        const auto pattern = constant(node.child(1));
        if (!pattern || !pattern->isText())
            return std::nullopt;
        return *left + QStringLiteral(" LIKE ") + likePattern(pattern->toText());
    }
    const char* op = sqlOperator(node.op());
    const auto right = op ? value(node.child(1)) : std::nullopt;
    if (!right)
        return std::nullopt;
    return *left + QLatin1String(op) + *right;
}

std::optional<QString> SelectionPushdown::membership(const FormulaNode& node)
{
    const FormulaNode& list = node.child(1);
    if (list.type() == Type::Range)
        return range(node);
    if (list.type() != Type::List || list.children().empty())
        return std::nullopt;
    const auto left = value(node.child(0));
    if (!left)
        return std::nullopt;
    QStringList items;
    qsizetype length = left->size();
    for (const auto& item : list.children()) {
        const auto v = value(*item);
        length += v ? v->size() + 2 : 0;
        if (!v || length > m_room)
            return std::nullopt;
        items << *v;
    }
    return QStringLiteral("%1 IN (%2)").arg(*left, items.join(QStringLiteral(", ")));
}

std::optional<QString> SelectionPushdown::range(const FormulaNode& node)
{
    const auto left = value(node.child(0));
    const auto low = left ? value(node.child(1).child(0)) : std::nullopt;
    const auto high = low ? value(node.child(1).child(1)) : std::nullopt;
    if (!high)
        return std::nullopt;
    return QStringLiteral("(%1 >= %2 AND %1 <= %3)").arg(*left, *low, *high);
}

// A value that does not depend on the row: literals, parameters and functions of them.
std::optional<FormulaValue> SelectionPushdown::constant(const FormulaNode& node)
{
    switch (node.type()) {
    case Type::Literal: return node.literal();
    case Type::Parameter: return m_resolver.parameter(node.name());
    case Type::Negate: {
        const auto v = constant(node.child(0));
        if (v && v->kind() == FormulaValue::Kind::Number)
            return FormulaValue::number(-v->toNumber());
        return std::nullopt;
    }
    case Type::Call: {
        std::vector<FormulaValue> args;
        for (const auto& c : node.children()) {
            auto v = constant(*c);
            if (!v)
                return std::nullopt;
            args.push_back(*v);
        }
        try {
            return FormulaFunctions::call(node.name(), args);
        } catch (const FormulaError&) {
            return std::nullopt;   // the evaluator reports it, with its position
        }
    }
    default:
        return std::nullopt;
    }
}

std::optional<QString> SelectionPushdown::value(const FormulaNode& node)
{
    DepthCount depth(m_depth);
    if (m_depth > MaxSqlDepth)
        return std::nullopt;
    return fitting(unboundedValue(node));
}

std::optional<QString> SelectionPushdown::unboundedValue(const FormulaNode& node)
{
    if (const auto c = constant(node)) {
        if (c->isNull())
            return std::nullopt;
        return literal(*c);
    }
    switch (node.type()) {
    case Type::Field: {
        const QString col = m_resolver.column(node);
        return col.isEmpty() ? std::nullopt : std::optional<QString>(col);
    }
    case Type::FormulaRef: {
        const FormulaNode* tree = referenced(node);
        const auto inner = tree ? value(*tree) : std::nullopt;
        return inner ? std::optional<QString>(u'(' + *inner + u')') : std::nullopt;
    }
    case Type::Call: return function(node);
    default: return std::nullopt;
    }
}

// Only functions whose SQL Server form gives the same result for every value. Len is left out:
// the server's LEN does not count trailing blanks.
std::optional<QString> SelectionPushdown::function(const FormulaNode& node)
{
    struct Mapping { const char* name; const char* sql; std::size_t args; };
    static const Mapping mappings[] = {
        {"UCASE", "UPPER(%1)", 1}, {"LCASE", "LOWER(%1)", 1}, {"TrimLeft", "LTRIM(%1)", 1},
        {"TrimRight", "RTRIM(%1)", 1}, {"Trim", "LTRIM(RTRIM(%1))", 1},
        {"Left", "LEFT(%1, %2)", 2}, {"Right", "RIGHT(%1, %2)", 2}, {"Mid", "SUBSTRING(%1, %2, %3)", 3},
    };
    for (const Mapping& m : mappings) {
        if (node.name().compare(QLatin1String(m.name), Qt::CaseInsensitive) != 0 || node.children().size() != m.args)
            continue;
        QStringList args;
        for (std::size_t i = 0; i < m.args; ++i) {
            const auto arg = value(node.child(i));
            if (!arg)
                return std::nullopt;
            args << *arg;
        }
        const QString sql = QLatin1String(m.sql);
        // All at once, so that a "%2" inside the first argument is never replaced.
        switch (m.args) {
        case 1: return sql.arg(args[0]);
        case 2: return sql.arg(args[0], args[1]);
        default: return sql.arg(args[0], args[1], args[2]);
        }
    }
    return std::nullopt;
}

} // namespace reportengine

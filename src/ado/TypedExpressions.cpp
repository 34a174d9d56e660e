#include "ado/TypedRewriter.h"

#include "ado/ServerMessages.h"
#include "ado/SqlQuoting.h"

#include <QHash>
#include <QRegularExpression>

namespace ado {

namespace {
bool isComparison(const SqlToken& t)
{
    return t.is("=") || t.is("<") || t.is(">") || t.is("<=") || t.is(">=") || t.is("<>") || t.is("!=") || t.is("!<")
           || t.is("!>");
}

// @@ names the server keeps per session, and the engine's parameter for each.
const QHash<QString, QString>& systemValues()
{
    static const QHash<QString, QString> values{{QStringLiteral("@@ROWCOUNT"), QStringLiteral("$rowcount")},
        {QStringLiteral("@@IDENTITY"), QStringLiteral("$identity")}, {QStringLiteral("@@ERROR"), QStringLiteral("$error")},
        {QStringLiteral("@@TRANCOUNT"), QStringLiteral("$trancount")}};
    return values;
}

QString operatorName(const QString& symbol)
{
    if (symbol == QLatin1String("*"))
        return QStringLiteral("multiply");
    if (symbol == QLatin1String("/"))
        return QStringLiteral("divide");
    if (symbol == QLatin1String("%"))
        return QStringLiteral("modulo");
    if (symbol == QLatin1String("-"))
        return QStringLiteral("subtract");
    return QStringLiteral("add");
}

TranslationError invalidOperand(const SqlType& type, const QString& symbol)
{
    const QString name = type.isDate() ? QStringLiteral("datetime") : QStringLiteral("varchar");
    return TranslationError(8117, ServerMessages::invalidOperand(name, operatorName(symbol)));
}
} // namespace

// A keyword ends an operand, except those that begin one.
bool TypedRewriter::stopsOperand(const SqlToken& t)
{
    return isKeyword(t) && !t.is("CASE") && !t.is("NULL") && !t.is("EXISTS");
}

TypedRewriter::Node TypedRewriter::expression(int at, int to, const Scope& scope)
{
    const Nesting nesting(m_depth);
    return chain(at, to, scope, "OR", &TypedRewriter::conjunction);
}

TypedRewriter::Node TypedRewriter::conjunction(int at, int to, const Scope& scope)
{
    return chain(at, to, scope, "AND", &TypedRewriter::negation);
}

// Operands joined by word (OR, AND), each read by operand; one operand alone stands as it is.
TypedRewriter::Node TypedRewriter::chain(int at, int to, const Scope& scope, const char* word, Operand operand)
{
    Node left = (this->*operand)(at, to, scope);
    while (!left.empty() && left.to < to && m_view.is(left.to, word)) {
        const Node right = (this->*operand)(left.to + 1, to, scope);
        if (right.empty())
            break;
        left = Node{left.from, right.to};
        left.compound = true;
    }
    return left;
}

TypedRewriter::Node TypedRewriter::negation(int at, int to, const Scope& scope)
{
    if (at < to && m_view.is(at, "NOT")) {
        const Node inner = negation(at + 1, to, scope);
        Node out{at, inner.empty() ? at + 1 : inner.to};
        out.compound = true;
        return out;
    }
    return predicate(at, to, scope);
}

TypedRewriter::Node TypedRewriter::predicate(int at, int to, const Scope& scope)
{
    Node left = additive(at, to, scope);
    if (left.empty() || left.to >= to)
        return left;
    int i = left.to;
    SqlToken& op = m_view[i];
    if (isComparison(op)) {
        Node right = additive(i + 1, to, scope);
        if (right.empty())
            return left;
        if (op.is("!<"))
            op.text = QStringLiteral(">=");
        else if (op.is("!>"))
            op.text = QStringLiteral("<=");
        unify({&left, &right});
        Node out{left.from, right.to};
        out.compound = true;
        return out;
    }
    const bool negated = m_view.is(i, "NOT");
    if (negated)
        ++i;
    if (m_view.is(i, "BETWEEN")) {
        Node low = additive(i + 1, to, scope);
        if (low.empty() || !m_view.is(low.to, "AND"))
            return left;
        Node high = additive(low.to + 1, to, scope);
        unify({&left, &low, &high});
        Node out{left.from, high.empty() ? low.to + 1 : high.to};
        out.compound = true;
        return out;
    }
    if (m_view.is(i, "IN"))
        return inList(left, i + 1, to, scope);
    if (m_view.is(i, "LIKE")) {
        textArgument(left);
        Node pattern = additive(i + 1, to, scope);
        Node out{left.from, pattern.empty() ? i + 1 : pattern.to};
        if (out.to < to && m_view.is(out.to, "ESCAPE")) {
            const Node escape = additive(out.to + 1, to, scope);
            out.to = escape.empty() ? out.to + 1 : escape.to;
        }
        out.compound = true;
        return out;
    }
    if (!negated && m_view.is(i, "IS")) {
        int end = i + 1;
        if (end < to && m_view.is(end, "NOT"))
            ++end;
        if (end < to && m_view.is(end, "NULL"))
            ++end;
        Node out{left.from, end};
        out.compound = true;
        return out;
    }
    return left;
}

TypedRewriter::Node TypedRewriter::inList(Node& left, int at, int to, const Scope& scope)
{
    if (!m_view.is(at, "(") || at >= to)
        return left;
    const int close = closingWithin(at, to);
    Node out{left.from, close + 1};
    out.compound = true;
    if (m_view.is(at + 1, "SELECT") || m_view.is(at + 1, "WITH")) {
        QueryResult inner = query(at + 1, close, &scope, nullptr, false);
        if (inner.items.size() == 1)
            unify({&left, &inner.items.front()});
        return out;
    }
    std::vector<Node> items;
    for (const auto [from, comma] : m_view.items(at + 1, close)) {
        items.push_back(expression(from, comma, scope));
        if (items.back().to < comma)
            region(items.back().to, comma, scope);
    }
    std::vector<Node*> all{&left};
    for (Node& item : items)
        all.push_back(&item);
    unify(all);
    return out;
}

TypedRewriter::Node TypedRewriter::additive(int at, int to, const Scope& scope)
{
    Node left = multiplicative(at, to, scope);
    while (!left.empty() && left.to < to
           && (m_view.is(left.to, "+") || m_view.is(left.to, "-") || m_view.is(left.to, "&") || m_view.is(left.to, "|")
               || m_view.is(left.to, "^"))) {
        const int op = left.to;
        const Node right = multiplicative(op + 1, to, scope);
        if (right.empty())
            break;
        left = combineAdditive(left, op, right);
    }
    if (left.concatenated && !left.collated) {
        bracket(left);
        m_view[left.to - 1].suffix += QStringLiteral(" COLLATE SRV");
        left.collated = true;
    }
    return left;
}

TypedRewriter::Node TypedRewriter::combineAdditive(Node left, int op, Node right)
{
    SqlToken& symbol = m_view[op];
    Node out{left.from, right.to};
    out.compound = true;
    if (symbol.is("&") || symbol.is("|")) {
        out.type = SqlType::of(SqlType::Integer);
        return out;
    }
    if (symbol.is("^"))
        throw TranslationError::unsupported(QStringLiteral("el operador ^"));
    const bool plus = symbol.is("+");
    const SqlType::Kind l = left.type.kind;
    const SqlType::Kind r = right.type.kind;
    if (l == SqlType::Date || r == SqlType::Date) {
        // A date plus or minus days (or another date, counted from day zero) is a date.
        if (l == SqlType::Text)
            toDate(left);
        if (r == SqlType::Text)
            toDate(right);
        symbol.text = QStringLiteral(",");
        out.compound = false;
        m_view[out.from].prefix.prepend(plus ? QStringLiteral("SRV_DATE_PLUS(") : QStringLiteral("SRV_DATE_MINUS("));
        m_view[out.to - 1].suffix.append(u')');
        out.type = SqlType::of(SqlType::Date);
        return out;
    }
    const bool textual = (l == SqlType::Text || l == SqlType::Unknown) && (r == SqlType::Text || r == SqlType::Unknown);
    if (plus && textual && (l == SqlType::Text || r == SqlType::Text)) {
        if (left.compound && !left.concatenated)
            bracket(left);
        if (right.compound)
            bracket(right);
        symbol.text = QStringLiteral("||");
        const bool known = left.type.length >= 0 && right.type.length >= 0 && l == SqlType::Text && r == SqlType::Text;
        out.type = SqlType::text(known ? left.type.length + right.type.length : -1);
        out.concatenated = true;
        return out;
    }
    if (l == SqlType::Text && r == SqlType::Text)
        throw invalidOperand(left.type, symbol.text);
    if (l == SqlType::Text && right.type.isNumber())
        toNumber(left, right.type);
    if (r == SqlType::Text && left.type.isNumber())
        toNumber(right, left.type);
    out.type = left.type.isKnown() && right.type.isKnown() ? SqlType::higher(left.type, right.type) : SqlType();
    return out;
}

TypedRewriter::Node TypedRewriter::multiplicative(int at, int to, const Scope& scope)
{
    Node left = unary(at, to, scope);
    while (!left.empty() && left.to < to && (m_view.is(left.to, "*") || m_view.is(left.to, "/") || m_view.is(left.to, "%"))) {
        const int op = left.to;
        const Node right = unary(op + 1, to, scope);
        if (right.empty())
            break;
        left = combineMultiplicative(left, op, right);
    }
    return left;
}

TypedRewriter::Node TypedRewriter::combineMultiplicative(Node left, int op, Node right)
{
    SqlToken& symbol = m_view[op];
    if (left.type.isDate() || right.type.isDate())
        throw invalidOperand(SqlType::of(SqlType::Date), symbol.text);
    if (left.type.isText() && right.type.isText())
        throw invalidOperand(left.type, symbol.text);
    if (left.type.isText() && right.type.isNumber())
        toNumber(left, right.type);
    if (right.type.isText() && left.type.isNumber())
        toNumber(right, left.type);
    Node out{left.from, right.to};
    out.compound = true;
    out.type = left.type.isKnown() && right.type.isKnown() ? SqlType::higher(left.type, right.type) : SqlType();
    const bool nonZeroLiteral = right.number && right.to == right.from + 1 && m_view[right.from].text.toDouble() != 0;
    if ((symbol.is("/") || symbol.is("%")) && !nonZeroLiteral) {
        // SQLite gives NULL for a division by zero; the server fails the statement.
        m_view[out.from].prefix.prepend(symbol.is("/") ? QStringLiteral("SRV_DIVIDE(") : QStringLiteral("SRV_MODULO("));
        m_view[out.to - 1].suffix.append(u')');
        symbol.text = QStringLiteral(",");
        out.compound = false;
    }
    return out;
}

TypedRewriter::Node TypedRewriter::unary(int at, int to, const Scope& scope)
{
    if (at < to && (m_view.is(at, "-") || m_view.is(at, "+") || m_view.is(at, "~"))) {
        const Node operand = unary(at + 1, to, scope);
        if (operand.empty())
            return Node{at, at};
        Node out{at, operand.to, operand.type};
        out.number = operand.number;
        out.compound = true;
        return out;
    }
    Node n = primary(at, to, scope);
    if (!n.empty() && n.to + 1 < to && m_view.is(n.to, "COLLATE")) {
        // The server's collation names: _CS_ and _BIN are exact, the others ignore case.
        SqlToken& name = m_view[n.to + 1];
        const QString upper = name.text.toUpper();
        const bool exact = upper.contains(QLatin1String("_CS")) || upper.contains(QLatin1String("_BIN"));
        name = SqlToken::make(SqlToken::Word, exact ? QStringLiteral("BINARY") : QStringLiteral("SRV"));
        n.to += 2;
        n.collated = true;
        n.column = false;
    }
    return n;
}

TypedRewriter::Node TypedRewriter::primary(int at, int to, const Scope& scope)
{
    if (at >= to)
        return Node{at, at};
    const SqlToken& t = m_view[at];
    Node n{at, at + 1};
    switch (t.kind) {
    case SqlToken::String:
        n.literal = at;
        n.type = t.dateLiteral ? SqlType::of(SqlType::Date) : SqlType::text(int(unquoteSqlText(t.text).size()));
        return n;
    case SqlToken::Number: {
        n.number = true;
        const QString& text = t.text;
        if (text.contains(u'e') || text.contains(u'E')) {
            n.type = SqlType::of(SqlType::Float);
        } else if (text.contains(u'.')) {
            n.type = SqlType::of(SqlType::Decimal);
            n.type.scale = int(text.size() - text.indexOf(u'.') - 1);
            n.type.precision = std::max(int(text.size()) - 1, n.type.scale);
        } else {
            n.type = SqlType::of(SqlType::Integer);
            if (text.size() > 9 && text.toLongLong() > 2147483647)
                n.type.precision = 19;
        }
        return n;
    }
    case SqlToken::Variable:
        return variable(at);
    case SqlToken::Quoted:
        return columnReference(at, to, scope);
    case SqlToken::Word:
        break;
    default:
        if (t.is("(")) {
            const int close = closingWithin(at, to);
            if (m_view.is(at + 1, "SELECT") || m_view.is(at + 1, "WITH")) {
                const QueryResult inner = query(at + 1, close, &scope, nullptr, false);
                n.to = close + 1;
                n.type = inner.types.empty() ? SqlType() : inner.types.front();
                return n;
            }
            Node inner = expression(at + 1, close, scope);
            if (inner.to < close)
                region(inner.to, close, scope);
            inner.from = at;
            inner.to = close + 1;
            inner.compound = false;
            return inner;
        }
        if (t.is("*"))
            return n;
        return Node{at, at};
    }
    const QString upper = t.text.toUpper();
    if (upper == QLatin1String("EXISTS") && m_view.is(at + 1, "(")) {
        const int close = closingWithin(at + 1, to);
        query(at + 2, close, &scope, nullptr, false);
        n.to = close + 1;
        return n;
    }
    if (m_view.is(at + 1, "(") && (!stopsOperand(t) || upper == QLatin1String("LEFT") || upper == QLatin1String("RIGHT")))
        return call(at, to, scope);
    if (upper == QLatin1String("CASE"))
        return caseExpression(at, to, scope);
    if (upper == QLatin1String("NULL")) {
        n.null = true;
        return n;
    }
    if (upper == QLatin1String("CURRENT_TIMESTAMP")) {
        m_view[at].text = QStringLiteral("GETDATE()");   // SQLite's own is UTC
        n.type = SqlType::of(SqlType::Date);
        return n;
    }
    if (stopsOperand(t))
        return Node{at, at};
    return columnReference(at, to, scope);
}

TypedRewriter::Node TypedRewriter::columnReference(int at, int to, const Scope& scope)
{
    const int end = nameEnd(at, to);
    Node n{at, end};
    const QString qualifier = end - at >= 3 ? m_view[end - 3].text : QString();
    n.type = resolveColumn(&scope, qualifier, m_view[end - 1].text);
    n.column = true;
    return n;
}

TypedRewriter::Node TypedRewriter::variable(int at)
{
    SqlToken& t = m_view[at];
    Node n{at, at + 1};
    const QString upper = t.text.toUpper();
    if (upper.startsWith(QLatin1String("@@"))) {
        const auto found = systemValues().constFind(upper);
        if (found == systemValues().constEnd())
            throw TranslationError::unsupported(upper);
        t.text = *found;
        n.type = SqlType::of(SqlType::Integer);
        return n;
    }
    const auto found = m_context.variables.constFind(t.text.toLower());
    if (found == m_context.variables.constEnd())
        throw TranslationError(137, ServerMessages::undeclaredVariable(t.text));
    n.type = *found;
    return n;
}

TypedRewriter::Node TypedRewriter::caseExpression(int at, int to, const Scope& scope)
{
    const int end = m_view.caseEnd(at);
    if (end >= to)   // a CASE without its END
        throw m_view.syntaxErrorAt(to);
    int i = at + 1;
    const bool simple = !m_view.is(i, "WHEN");
    Node input;
    if (simple) {
        input = expression(i, end, scope);
        i = input.empty() ? i : input.to;
    }
    std::vector<Node> whens;
    std::vector<Node> results;
    while (i < end && m_view.is(i, "WHEN")) {
        const Node when = expression(i + 1, end, scope);
        i = when.empty() ? i + 1 : when.to;
        if (simple)
            whens.push_back(when);
        if (!m_view.is(i, "THEN"))
            break;
        results.push_back(expression(i + 1, end, scope));
        i = results.back().empty() ? i + 1 : results.back().to;
    }
    if (m_view.is(i, "ELSE")) {
        results.push_back(expression(i + 1, end, scope));
        i = results.back().empty() ? i + 1 : results.back().to;
    }
    if (i < end)
        region(i, end, scope);
    if (simple) {
        std::vector<Node*> compared{&input};
        for (Node& when : whens)
            compared.push_back(&when);
        unify(compared);
    }
    SqlType type;
    for (const Node& result : results)
        if (!result.null)
            type = SqlType::higher(type, result.type);
    for (Node& result : results)
        coerce(result, type);
    Node n{at, end + 1, type};
    if (type.isText()) {
        m_view[end].suffix += QStringLiteral(" COLLATE SRV");
        n.collated = true;
    }
    return n;
}

// Expressions in a stretch the rewriter does not parse as a whole (ON, WHERE, GROUP BY, ORDER
// BY, OVER ...): each one found is typed, words and signs between them are passed over.
void TypedRewriter::region(int from, int to, const Scope& scope)
{
    int at = from;
    while (at < to) {
        const Node n = expression(at, to, scope);
        at = n.empty() || n.to <= at ? at + 1 : n.to;
    }
}

void TypedRewriter::unify(const std::vector<Node*>& nodes)
{
    SqlType target;
    for (const Node* n : nodes)
        if (!n->null && !n->empty())
            target = SqlType::higher(target, n->type);
    for (Node* n : nodes)
        coerce(*n, target);
}

void TypedRewriter::coerce(Node& n, const SqlType& target)
{
    if (n.null || n.empty())
        return;
    switch (target.kind) {
    case SqlType::Unknown:
    case SqlType::Text:
        collate(n);
        return;
    case SqlType::Date:
        if (!n.type.isDate())
            toDate(n);
        return;
    default:
        if (n.type.isText())
            toNumber(n, target);
        else if (n.type.isDate())
            wrap(n, QStringLiteral("SRV_CONVERT('%1', ").arg(target.declaration()), QStringLiteral(", 0, 'datetime')"));
        if (n.type.isDate())
            n.type = target;
        return;
    }
}

void TypedRewriter::assign(Node& n, const SqlType& target, bool truncates)
{
    if (n.null || n.empty() || !target.isKnown())
        return;
    if (target.isNumber() && n.type.isNumber() && narrows(n, target)) {
        toNumber(n, target);
        return;
    }
    if (!target.isText()) {
        coerce(n, target);
        return;
    }
    if (n.type.isText()) {
        const bool longer = target.length >= 0 && (n.type.length < 0 || n.type.length > target.length);
        if (truncates && (longer || (target.fixed && n.type.length != target.length)))
            toText(n, target);
        return;
    }
    const bool plain = n.type.kind == SqlType::Integer || !n.type.isKnown();
    if (!plain || truncates)
        toText(n, target);
}

// A number stored into a narrower numeric type changes: 2.5 into an int is 2, 2 into a bit
// is 1, 1.255 into a decimal(10,2) is 1.26.
bool TypedRewriter::narrows(const Node& n, const SqlType& target) const
{
    const SqlType& from = n.type;
    switch (target.kind) {
    case SqlType::Bit:
        return !(n.number && (m_view[n.from].text == QLatin1String("0") || m_view[n.from].text == QLatin1String("1")))
               && from.kind != SqlType::Bit;
    case SqlType::Integer:
        return from.kind == SqlType::Money || (from.kind == SqlType::Decimal && from.scale > 0) || from.kind == SqlType::Float;
    case SqlType::Money:
        return from.kind == SqlType::Float || (from.kind == SqlType::Decimal && from.scale > 4);
    case SqlType::Decimal:
        return from.kind == SqlType::Float || from.kind == SqlType::Money
               || (from.kind == SqlType::Decimal && from.scale > target.scale);
    default:
        return false;
    }
}

void TypedRewriter::toDate(Node& n)
{
    if (n.literal >= 0 && n.type.isText()) {
        SqlToken& literal = m_view[n.literal];
        if (const auto date = DateText::parseLiteral(unquoteSqlText(literal.text), m_context.dateOrder)) {
            literal.text = quoteSqlText(DateText::format(*date));
            n.type = SqlType::of(SqlType::Date);
            return;
        }
    }
    if (!n.type.isText() && !n.type.isNumber())
        return;
    const QString source = sourceTypeText(n);
    wrap(n, QStringLiteral("SRV_CONVERT('datetime', "), QStringLiteral(", 0, '%1')").arg(source));
    n.type = SqlType::of(SqlType::Date);
}

void TypedRewriter::toNumber(Node& n, const SqlType& target)
{
    if (!target.isKnown())
        return;
    if (n.literal >= 0) {
        SqlToken& literal = m_view[n.literal];
        const QString value = unquoteSqlText(literal.text).trimmed();
        static const QRegularExpression integer(QStringLiteral("^[+-]?\\d{1,18}$"));
        static const QRegularExpression decimal(QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?$"));
        const bool whole = target.kind == SqlType::Integer || target.kind == SqlType::Bit;
        if (integer.match(value).hasMatch() || (!whole && decimal.match(value).hasMatch())) {
            literal.kind = SqlToken::Number;
            literal.text = value.startsWith(u'+') ? value.mid(1) : value;
            n.literal = -1;
            n.number = true;
            n.type = target;
            return;
        }
    }
    const QString source = sourceTypeText(n);
    wrap(n, QStringLiteral("SRV_CONVERT('%1', ").arg(target.declaration()), QStringLiteral(", 0, '%1')").arg(source));
    n.type = target;
}

void TypedRewriter::toText(Node& n, const SqlType& target)
{
    const QString source = sourceTypeText(n);
    wrap(n, QStringLiteral("SRV_CONVERT('%1', ").arg(target.declaration()), QStringLiteral(", 0, '%1')").arg(source));
    n.type = target;
}

void TypedRewriter::collate(Node& n)
{
    if (!n.type.isText() || n.column || n.collated || n.empty())
        return;
    if (n.compound)
        bracket(n);
    m_view[n.to - 1].suffix += QStringLiteral(" COLLATE SRV");
    n.collated = true;
}

void TypedRewriter::wrap(Node& n, const QString& before, const QString& after)
{
    m_view[n.from].prefix.prepend(before);
    m_view[n.to - 1].suffix.append(after);
    n.compound = false;
    n.literal = -1;
    n.number = false;
    n.column = false;
    n.collated = false;
    n.concatenated = false;
}

void TypedRewriter::bracket(Node& n)
{
    m_view[n.from].prefix.prepend(u'(');
    m_view[n.to - 1].suffix.append(u')');
    n.compound = false;
}

QString TypedRewriter::sourceTypeText(const Node& n) const
{
    return n.type.declaration();
}

} // namespace ado

#include "reportengine/FormulaEvaluator.h"
#include "reportengine/FormulaError.h"
#include "reportengine/FormulaFunctions.h"
#include "kit/MessageText.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <vector>

namespace reportengine {

namespace {

using Type = FormulaNode::Type;
using Op = FormulaNode::Op;

FormulaValue compared(Op op, const FormulaValue& a, const FormulaValue& b)
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

// Measured before the text is built, so that no step ever holds more than the bound. The left
// text grows in place when nothing else holds it: a line of formulas that each append to the one
// before costs the length of the last text, not its square.
FormulaValue joined(const FormulaNode& node, QString a, const QString& b)
{
    if (a.size() + b.size() > FormulaEvaluator::MaxText)
        throw TextTooLongError(QStringLiteral("El texto armado pasa de %1 caracteres").arg(FormulaEvaluator::MaxText), std::max(node.position(), 1));
    a.append(b);
    return FormulaValue::text(a);
}

FormulaValue arithmetic(const FormulaNode& node, FormulaValue a, const FormulaValue& b)
{
    const Op op = node.op();
    if (a.isNull() || b.isNull())
        return {};
    if (op == Op::Add && a.isText() && b.isText())
        return joined(node, std::move(a).toText(), b.toText());
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

// Works a tree out one node at a time. Each node being worked out has a frame on the stack; a
// frame asks for its operands one by one and is done when its value is known. An operand that has
// operands of its own gets a frame above it, and so does the tree of a formula whose value the
// context does not have; any other operand's value is read at once.
class Machine {
public:
    explicit Machine(const FormulaContext& context) : m_context(context) {}
    FormulaValue run(const FormulaNode& root);

private:
    // Small and plain, so that a stack hundreds of thousands deep moves as one block. Values a
    // frame holds (a left operand, what IN looks for, a call's arguments) are on m_held, which
    // stays shallow along a line of formulas: a value is held only once it is known.
    struct Frame {
        const FormulaNode* node;
        const FormulaNode* reference = nullptr;   // the formula reference whose tree node is
        std::size_t step = 0;   // operands asked for so far
        int order = 0;          // IN .. TO: the needle against the low bound
        bool unknown = false;   // AND, OR: the left operand was Null; IN: a comparison was unknown
    };

    // Each works on the top frame with m_value, the value of the operand it asked for last: either
    // asks for the next operand (false) or leaves its own value in m_value (true).
    bool advance(Frame& f);
    bool binary(Frame& f);
    bool logical(Frame& f);
    bool contains(Frame& f);
    bool call(Frame& f);
    bool ask(Frame& f, const FormulaNode& operand);   // f is not to be used after it
    bool done(FormulaValue value);
    // Reads the node's value at once into m_value (true), or puts a frame for it on the stack.
    bool start(const FormulaNode& n);
    // The value of a node without operands, when it is one: a literal, a field, a parameter or a
    // page value, or a formula reference whose value the context has. Otherwise the tree to work
    // out for the node: its own, or the formula's for a reference.
    const FormulaNode* readAtOnce(const FormulaNode& n);
    [[noreturn]] void fail(const FormulaError& raised);

    FormulaValue takeHeld();

    const FormulaContext& m_context;
    std::vector<Frame> m_stack;
    std::vector<FormulaValue> m_held;
    FormulaValue m_value;
};

FormulaValue Machine::run(const FormulaNode& root)
{
    try {
        if (start(root))
            return std::move(m_value);
        for (;;) {
            Frame& top = m_stack.back();
            if (!advance(top))
                continue;
            if (top.reference)
                m_context.formulaDone(*top.reference, m_value);
            m_stack.pop_back();
            if (m_stack.empty())
                return std::move(m_value);
        }
    } catch (const FormulaError& e) {
        fail(e);
    }
}

bool Machine::ask(Frame& f, const FormulaNode& operand)
{
    ++f.step;
    start(operand);
    return false;
}

bool Machine::start(const FormulaNode& n)
{
    const FormulaNode* tree = readAtOnce(n);
    if (!tree)
        return true;
    m_stack.push_back({tree, tree == &n ? nullptr : &n});
    return false;
}

FormulaValue Machine::takeHeld()
{
    FormulaValue v = std::move(m_held.back());
    m_held.pop_back();
    return v;
}

const FormulaNode* Machine::readAtOnce(const FormulaNode& n)
{
    try {
        switch (n.type()) {
        case Type::Literal: m_value = n.literal(); return nullptr;
        case Type::Field: m_value = m_context.field(n); return nullptr;
        case Type::Parameter: m_value = m_context.parameter(n); return nullptr;
        case Type::Special: m_value = m_context.special(n); return nullptr;
        case Type::FormulaRef: {
            FormulaContext::FormulaLookup found = m_context.formula(n);
            if (found.tree)
                return found.tree;
            m_value = found.value ? std::move(*found.value) : FormulaValue();
            return nullptr;
        }
        default: return &n;
        }
    } catch (const FormulaError& e) {
        // Placed at the node, as if it had a frame of its own.
        if (e.position() > 0)
            throw;
        throw FormulaError(e.message(), n.position());
    }
}

bool Machine::done(FormulaValue value)
{
    m_value = std::move(value);
    return true;
}

bool Machine::advance(Frame& f)
{
    const FormulaNode& n = *f.node;
    switch (n.type()) {
    case Type::Literal:
    case Type::Field:
    case Type::Parameter:
    case Type::Special: readAtOnce(n); return true;
    case Type::FormulaRef:   // the whole text of a formula that names another
        if (f.step == 0)
            return ask(f, n);
        return true;
    case Type::Not:
        if (f.step == 0)
            return ask(f, n.child(0));
        return done(m_value.isNull() ? FormulaValue() : FormulaValue::boolean(!m_value.toBool()));
    case Type::Negate:
        if (f.step == 0)
            return ask(f, n.child(0));
        return done(m_value.isNull() ? FormulaValue() : FormulaValue::number(-m_value.toNumber()));
    case Type::Binary: return binary(f);
    case Type::Call: return call(f);
    case Type::List: throw FormulaError(QStringLiteral("Una lista [ ] solo puede ir después de IN"));
    case Type::Range: throw FormulaError(QStringLiteral("Un rango ... TO ... solo puede ir después de IN"));
    }
    return done({});
}

bool Machine::binary(Frame& f)
{
    const FormulaNode& n = *f.node;
    switch (n.op()) {
    case Op::And:
    case Op::Or: return logical(f);
    case Op::In: return contains(f);
    default: break;
    }
    if (f.step == 0)
        return ask(f, n.child(0));
    if (f.step == 1) {
        m_held.push_back(std::move(m_value));
        return ask(f, n.child(1));
    }
    FormulaValue a = takeHeld();
    const FormulaValue b = std::move(m_value);
    switch (n.op()) {
    case Op::Like:
        if (a.isNull() || b.isNull())
            return done({});
        return done(FormulaValue::boolean(FormulaEvaluator::like(a.toText(), b.toText())));
    case Op::Concat: return done(joined(n, std::move(a).toText(), b.toText()));
    case Op::Add:
    case Op::Sub:
    case Op::Mul:
    case Op::Div: return done(arithmetic(n, std::move(a), b));
    default: return done(compared(n.op(), a, b));
    }
}

// Kleene logic, so that a row selected here is selected by the database and the reverse.
bool Machine::logical(Frame& f)
{
    const FormulaNode& n = *f.node;
    const bool isAnd = n.op() == Op::And;
    if (f.step == 0)
        return ask(f, n.child(0));
    if (!m_value.isNull() && m_value.toBool() != isAnd)
        return done(FormulaValue::boolean(!isAnd));
    if (f.step == 1) {
        f.unknown = m_value.isNull();
        return ask(f, n.child(1));
    }
    if (f.unknown || m_value.isNull())
        return done({});
    return done(FormulaValue::boolean(isAnd));
}

// "x IN [a, b]" tests membership; "'a' IN 'abc'" finds a text inside a text.
bool Machine::contains(Frame& f)
{
    const FormulaNode& n = *f.node;
    const FormulaNode& haystack = n.child(1);
    if (f.step == 0)
        return ask(f, n.child(0));
    if (f.step == 1) {
        f.unknown = m_value.isNull();
        if (haystack.type() == Type::List && haystack.children().empty())
            return done(f.unknown ? FormulaValue() : FormulaValue::boolean(false));
        m_held.push_back(std::move(m_value));   // the needle, until the answer
        return ask(f, haystack.type() == Type::List || haystack.type() == Type::Range ? haystack.child(0) : haystack);
    }
    const FormulaValue& needle = m_held.back();
    if (haystack.type() == Type::Range) {
        // Both bounds belong to the range, as BETWEEN has them.
        const auto c = FormulaValue::compare(needle, m_value);
        if (f.step == 2) {
            f.unknown = !c;
            f.order = c.value_or(0);
            return ask(f, haystack.child(1));
        }
        const bool unknown = f.unknown || !c;
        const bool within = !unknown && f.order >= 0 && *c <= 0;
        m_held.pop_back();
        return done(unknown ? FormulaValue() : FormulaValue::boolean(within));
    }
    if (haystack.type() != Type::List) {
        const bool unknown = needle.isNull() || m_value.isNull();
        const bool found = !unknown && m_value.toText().contains(needle.toText(), Qt::CaseInsensitive);
        m_held.pop_back();
        return done(unknown ? FormulaValue() : FormulaValue::boolean(found));
    }
    const auto c = FormulaValue::compare(needle, m_value);
    const std::size_t next = f.step - 1;   // items asked for so far
    if (!(c && *c == 0) && next < haystack.children().size()) {
        f.unknown = f.unknown || !c;
        return ask(f, haystack.child(next));
    }
    const bool found = c && *c == 0;
    const bool unknown = f.unknown || !c;
    m_held.pop_back();
    return done(found ? FormulaValue::boolean(true) : unknown ? FormulaValue() : FormulaValue::boolean(false));
}

bool Machine::call(Frame& f)
{
    const FormulaNode& n = *f.node;
    if (f.step > 0)
        m_held.push_back(std::move(m_value));
    if (f.step < n.children().size())
        return ask(f, n.child(f.step));
    const auto first = m_held.end() - qsizetype(n.children().size());
    const std::vector<FormulaValue> args(std::make_move_iterator(first), std::make_move_iterator(m_held.end()));
    m_held.erase(first, m_held.end());
    return done(FormulaFunctions::call(n.name(), args));
}

// Placed as nested calls would place it: at the innermost node being worked out that has a
// position, unless it has one already. A text too long is named after the innermost formula that
// would have built it.
void Machine::fail(const FormulaError& raised)
{
    FormulaError fault = raised;
    bool tooLong = dynamic_cast<const TextTooLongError*>(&raised) != nullptr;
    for (auto f = m_stack.rbegin(); f != m_stack.rend(); ++f) {
        const FormulaNode& n = *f->node;
        if (fault.position() <= 0)
            fault = FormulaError(fault.message(), n.position());
        if (tooLong && f->reference) {
            fault = FormulaError(QStringLiteral("la fórmula @%1 arma un texto de más de %2 caracteres").arg(kit::nameText(f->reference->name())).arg(FormulaEvaluator::MaxText),
                                 fault.position());
            tooLong = false;
        }
    }
    m_held.clear();   // what the frames held goes before the fault travels on
    if (tooLong)
        throw TextTooLongError(fault.message(), fault.position());
    throw fault;
}

} // namespace

FormulaValue FormulaEvaluator::evaluate(const FormulaNode& node, const FormulaContext& context)
{
    if (std::optional<FormulaValue> kept = context.treeValue(node))
        return std::move(*kept);
    FormulaValue value = Machine(context).run(node);
    context.treeDone(node, value);
    return value;
}

bool FormulaEvaluator::selects(const FormulaNode* node, const FormulaContext& context)
{
    if (!node)
        return true;
    const FormulaValue v = evaluate(*node, context);
    return !v.isNull() && v.toBool();
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

#include "reportengine/FormulaLexer.h"
#include "reportengine/FormulaError.h"

namespace reportengine {

using Type = FormulaToken::Type;

std::vector<FormulaToken> FormulaLexer::tokenize(const QString& formula)
{
    FormulaLexer lexer(formula);
    std::vector<FormulaToken> tokens;
    for (;;) {
        tokens.push_back(lexer.next());
        if (tokens.back().type == Type::End)
            return tokens;
    }
}

FormulaToken FormulaLexer::make(Type type, int start, const QString& text) const
{
    FormulaToken t;
    t.type = type;
    t.text = text;
    t.position = start + 1;
    return t;
}

FormulaToken FormulaLexer::next()
{
    while (m_pos < m_src.size() && m_src.at(m_pos).isSpace())
        ++m_pos;
    if (m_pos >= m_src.size())
        return make(Type::End, int(m_pos));
    const QChar c = m_src.at(m_pos);
    if (c == u'\'' || c == u'"')
        return quoted(c);
    if (c == u'{')
        return braced();
    if (c.isDigit() || (c == u'.' && m_pos + 1 < m_src.size() && m_src.at(m_pos + 1).isDigit()))
        return numberToken();
    if (c.isLetter() || c == u'_')
        return identifier();
    return symbol();
}

FormulaToken FormulaLexer::quoted(QChar quote)
{
    const int start = int(m_pos++);
    QString text;
    while (m_pos < m_src.size()) {
        const QChar c = m_src.at(m_pos++);
        if (c != quote) {
            text += c;
            continue;
        }
        if (m_pos < m_src.size() && m_src.at(m_pos) == quote) {
            text += quote;
            ++m_pos;
            continue;
        }
        return make(Type::Text, start, text);
    }
    throw FormulaError(QStringLiteral("Falta la comilla que cierra el texto"), start + 1);
}

FormulaToken FormulaLexer::braced()
{
    const int start = int(m_pos);
    const qsizetype close = m_src.indexOf(u'}', m_pos);
    if (close < 0)
        throw FormulaError(QStringLiteral("Falta la } que cierra el campo"), start + 1);
    const QString inner = m_src.mid(m_pos + 1, close - m_pos - 1).trimmed();
    m_pos = close + 1;
    if (inner.startsWith(u'@') || inner.startsWith(u'?')) {
        const QString name = inner.mid(1).trimmed();
        if (name.isEmpty())
            throw FormulaError(QStringLiteral("Nombre vacío entre llaves"), start + 1);
        return make(inner.startsWith(u'@') ? Type::FormulaRef : Type::Parameter, start, name);
    }
    const qsizetype dot = inner.lastIndexOf(u'.');
    if (dot <= 0 || dot == inner.size() - 1)
        throw FormulaError(QStringLiteral("Un campo se escribe {Tabla.Campo}"), start + 1);
    FormulaToken t = make(Type::Field, start, inner.mid(dot + 1).trimmed());
    t.table = inner.left(dot).trimmed();
    return t;
}

FormulaToken FormulaLexer::numberToken()
{
    const int start = int(m_pos);
    while (m_pos < m_src.size() && m_src.at(m_pos).isDigit())
        ++m_pos;
    if (m_pos < m_src.size() && m_src.at(m_pos) == u'.') {
        ++m_pos;
        while (m_pos < m_src.size() && m_src.at(m_pos).isDigit())
            ++m_pos;
    }
    return make(Type::Number, start, m_src.mid(start, m_pos - start));
}

FormulaToken FormulaLexer::identifier()
{
    const int start = int(m_pos);
    while (m_pos < m_src.size() && (m_src.at(m_pos).isLetterOrNumber() || m_src.at(m_pos) == u'_'))
        ++m_pos;
    return make(Type::Identifier, start, m_src.mid(start, m_pos - start));
}

FormulaToken FormulaLexer::symbol()
{
    const int start = int(m_pos);
    const QChar c = m_src.at(m_pos++);
    const QChar n = m_pos < m_src.size() ? m_src.at(m_pos) : QChar();
    auto two = [&](Type t) { ++m_pos; return make(t, start); };
    switch (c.unicode()) {
    case '(': return make(Type::LParen, start);
    case ')': return make(Type::RParen, start);
    case '[': return make(Type::LBracket, start);
    case ']': return make(Type::RBracket, start);
    case ',': return make(Type::Comma, start);
    case '=': return make(Type::Eq, start);
    case '+': return make(Type::Plus, start);
    case '-': return make(Type::Minus, start);
    case '*': return make(Type::Star, start);
    case '/': return make(Type::Slash, start);
    case '&': return make(Type::Amp, start);
    case '<':
        if (n == u'>') return two(Type::Ne);
        if (n == u'=') return two(Type::Le);
        return make(Type::Lt, start);
    case '>':
        if (n == u'=') return two(Type::Ge);
        return make(Type::Gt, start);
    default: break;
    }
    throw FormulaError(QStringLiteral("Carácter inesperado '%1'").arg(c), start + 1);
}

} // namespace reportengine

#include "ado/ConcatRewriter.h"

#include <QSet>

namespace ado {

namespace {
const QSet<QString>& reservedWords()
{
    static const QSet<QString> words{QStringLiteral("SELECT"), QStringLiteral("FROM"), QStringLiteral("WHERE"),
        QStringLiteral("AND"), QStringLiteral("OR"), QStringLiteral("NOT"), QStringLiteral("AS"), QStringLiteral("ON"),
        QStringLiteral("JOIN"), QStringLiteral("INNER"), QStringLiteral("LEFT"), QStringLiteral("RIGHT"),
        QStringLiteral("OUTER"), QStringLiteral("CROSS"), QStringLiteral("FULL"), QStringLiteral("GROUP"),
        QStringLiteral("ORDER"), QStringLiteral("BY"), QStringLiteral("HAVING"), QStringLiteral("UNION"),
        QStringLiteral("ALL"), QStringLiteral("DISTINCT"), QStringLiteral("TOP"), QStringLiteral("INTO"),
        QStringLiteral("VALUES"), QStringLiteral("SET"), QStringLiteral("UPDATE"), QStringLiteral("INSERT"),
        QStringLiteral("DELETE"), QStringLiteral("WHEN"), QStringLiteral("THEN"), QStringLiteral("ELSE"),
        QStringLiteral("END"), QStringLiteral("LIKE"), QStringLiteral("IN"), QStringLiteral("IS"),
        QStringLiteral("BETWEEN"), QStringLiteral("EXISTS"), QStringLiteral("ASC"), QStringLiteral("DESC"),
        QStringLiteral("LIMIT"), QStringLiteral("ESCAPE"), QStringLiteral("COLLATE"), QStringLiteral("NULL")};
    return words;
}

const QSet<QString>& textFunctions()
{
    static const QSet<QString> names{QStringLiteral("LEFT"), QStringLiteral("RIGHT"), QStringLiteral("SUBSTRING"),
        QStringLiteral("SUBSTR"), QStringLiteral("UPPER"), QStringLiteral("LOWER"), QStringLiteral("LTRIM"),
        QStringLiteral("RTRIM"), QStringLiteral("TRIM"), QStringLiteral("REPLICATE"), QStringLiteral("REPLACE"),
        QStringLiteral("SPACE"), QStringLiteral("STR"), QStringLiteral("CHAR"), QStringLiteral("NCHAR")};
    return names;
}

const QSet<QString>& numberFunctions()
{
    static const QSet<QString> names{QStringLiteral("LEN"), QStringLiteral("CHARINDEX"), QStringLiteral("YEAR"),
        QStringLiteral("MONTH"), QStringLiteral("DAY"), QStringLiteral("COUNT"), QStringLiteral("SUM"),
        QStringLiteral("AVG"), QStringLiteral("ABS"), QStringLiteral("ROUND"), QStringLiteral("DATEDIFF"),
        QStringLiteral("DATEPART")};
    return names;
}
} // namespace

ConcatRewriter::ConcatRewriter(SqlTokens& tokens, const ColumnKindOf& kinds)
    : m_view(tokens)
    , m_kinds(kinds)
{
}

void ConcatRewriter::run()
{
    processRange(0, m_view.size());
}

ConcatRewriter::RangeResult ConcatRewriter::processRange(int from, int to)
{
    RangeResult result;
    bool first = true;
    int i = from;
    while (i < to) {
        ColumnKind kind = ColumnKind::Unknown;
        const int end = processChain(i, to, kind);
        if (end == i) {
            ++i;
            first = false;
            continue;
        }
        if (first)
            result.firstKind = kind;
        result.singleChain = first && end >= to;
        first = false;
        i = end;
    }
    return result;
}

// Returns the end of the chain starting at `from` (== from when no term starts there).
int ConcatRewriter::processChain(int from, int to, ColumnKind& kind)
{
    std::vector<Term> terms;
    std::vector<int> operators;
    Term term;
    if (!parseTerm(from, to, term))
        return from;
    terms.push_back(term);
    int at = term.to;
    while (at < to && (m_view.is(at, "+") || m_view.is(at, "-"))) {
        Term next;
        if (!parseTerm(at + 1, to, next))
            break;
        operators.push_back(at);
        terms.push_back(next);
        at = next.to;
    }
    kind = terms.front().kind;
    for (const Term& t : terms)
        if (t.kind == ColumnKind::Text)
            kind = ColumnKind::Text;
    if (terms.size() > 1 && kind == ColumnKind::Text)
        rewriteChain(terms, operators);
    else if (terms.size() > 1)
        kind = ColumnKind::Unknown;
    return at;
}

bool ConcatRewriter::parseTerm(int at, int to, Term& term)
{
    if (!parsePrimary(at, to, term))
        return false;
    while (term.to < to && (m_view.is(term.to, "*") || m_view.is(term.to, "/") || m_view.is(term.to, "%"))) {
        Term next;
        if (!parsePrimary(term.to + 1, to, next))
            break;
        term.to = next.to;
        term.kind = ColumnKind::Number;
        term.compound = true;
    }
    return true;
}

bool ConcatRewriter::parsePrimary(int at, int to, Term& term)
{
    if (at >= to)
        return false;
    const SqlToken& t = m_view[at];
    term = Term{at, at + 1, ColumnKind::Unknown, false};
    switch (t.kind) {
    case SqlToken::String: term.kind = ColumnKind::Text; return true;
    case SqlToken::Number: term.kind = ColumnKind::Number; return true;
    case SqlToken::Variable: return true;
    case SqlToken::Quoted: return parseName(at, to, term);
    case SqlToken::Word: break;
    default:
        if (t.is("(")) {
            const int close = m_view.closing(at);
            const RangeResult inner = processRange(at + 1, close);
            term.to = close + 1;
            term.kind = inner.singleChain ? inner.firstKind : ColumnKind::Unknown;
            return true;
        }
        if ((t.is("-") || t.is("+")) && parsePrimary(at + 1, to, term)) {
            term = Term{at, term.to, ColumnKind::Number, true};
            return true;
        }
        return false;
    }
    if (m_view.is(at + 1, "("))
        return parseCall(at, term);
    if (t.is("CASE")) {
        const int end = m_view.caseEnd(at);
        processRange(at + 1, end);
        term.to = std::min(end + 1, m_view.size());
        return true;
    }
    if (reservedWords().contains(t.text.toUpper()))
        return false;
    return parseName(at, to, term);
}

bool ConcatRewriter::parseCall(int at, Term& term)
{
    const QString name = m_view[at].text.toUpper();
    if (reservedWords().contains(name) && name != QLatin1String("LEFT") && name != QLatin1String("RIGHT"))
        return false;
    const int close = m_view.closing(at + 1);
    const RangeResult args = processRange(at + 2, close);
    term.to = std::min(close + 1, m_view.size());
    term.kind = functionKind(at, args);
    return true;
}

bool ConcatRewriter::parseName(int at, int to, Term& term)
{
    int last = at;
    while (last + 2 < to && m_view.is(last + 1, ".") && m_view[last + 2].isName())
        last += 2;
    term.to = last + 1;
    const ColumnKind kind = m_kinds ? m_kinds(m_view[last].text) : ColumnKind::Unknown;
    term.kind = kind == ColumnKind::Date ? ColumnKind::Unknown : kind;
    return true;
}

ColumnKind ConcatRewriter::functionKind(int nameAt, const RangeResult& args) const
{
    const QString name = m_view[nameAt].text.toUpper();
    if (textFunctions().contains(name))
        return ColumnKind::Text;
    if (numberFunctions().contains(name))
        return ColumnKind::Number;
    if (name == QLatin1String("ISNULL") || name == QLatin1String("COALESCE") || name == QLatin1String("IFNULL"))
        return args.firstKind;
    if (name == QLatin1String("CONVERT") && nameAt + 2 < m_view.size())
        return typeKind(m_view[nameAt + 2].text);
    if (name == QLatin1String("CAST")) {
        const int close = m_view.closing(nameAt + 1);
        for (int i = close - 1; i > nameAt + 1; --i)
            if (m_view.is(i, "AS") && i + 1 < close)
                return typeKind(m_view[i + 1].text);
    }
    return ColumnKind::Unknown;
}

ColumnKind ConcatRewriter::typeKind(const QString& typeName) const
{
    const ColumnKind kind = columnKindOfDeclaredType(typeName);
    return kind == ColumnKind::Date ? ColumnKind::Unknown : kind;
}

void ConcatRewriter::rewriteChain(const std::vector<Term>& terms, const std::vector<int>& operators)
{
    size_t firstText = 0;
    while (terms[firstText].kind != ColumnKind::Text)
        ++firstText;
    if (firstText > 1)
        wrap(terms.front().from, terms[firstText - 1].to);
    const size_t firstJoin = firstText == 0 ? 0 : firstText - 1;
    for (size_t k = firstJoin; k < operators.size(); ++k)
        if (m_view[operators[k]].is("+"))
            m_view[operators[k]].text = QStringLiteral("||");
    for (size_t k = firstText > 1 ? firstText : 0; k < terms.size(); ++k)
        if (terms[k].compound)
            wrap(terms[k].from, terms[k].to);
}

void ConcatRewriter::wrap(int from, int to)
{
    m_view[from].prefix.prepend(u'(');
    m_view[to - 1].suffix.append(u')');
}

} // namespace ado

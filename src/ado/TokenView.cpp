#include "ado/TokenView.h"

#include "ado/SqlQuoting.h"

#include <algorithm>

namespace ado {

TokenView::TokenView(SqlTokens& tokens)
    : m_tokens(tokens)
{
    for (size_t i = 0; i < tokens.size(); ++i)
        if (!tokens[i].isSpace())
            m_sig.push_back(i);
    m_match.assign(m_sig.size(), -1);
    std::vector<int> open;
    for (int i = 0; i < size(); ++i) {
        if ((*this)[i].is("(")) {
            open.push_back(i);
        } else if ((*this)[i].is(")") && !open.empty()) {
            m_match[size_t(open.back())] = i;
            open.pop_back();
        } else if ((*this)[i].is(")") && m_unmatched < 0) {
            m_unmatched = i;
        }
    }
    if (!open.empty() && (m_unmatched < 0 || open.front() < m_unmatched))
        m_unmatched = open.front();
}

int TokenView::closing(int open) const
{
    const int m = m_match[size_t(open)];
    return m < 0 ? size() : m;
}

int TokenView::caseEnd(int caseWord) const
{
    int nesting = 0;
    for (int i = caseWord; i < size(); ++i) {
        if ((*this)[i].is("CASE"))
            ++nesting;
        else if ((*this)[i].is("END") && --nesting == 0)
            return i;
    }
    return size();
}

void TokenView::erase(int i)
{
    SqlToken& t = (*this)[i];
    t.kind = SqlToken::Space;
    t.text.clear();
    t.newline = false;
}

void TokenView::erase(int from, int to)
{
    for (int i = from; i < to; ++i)
        erase(i);
}

std::vector<int> TokenView::commas(int from, int to) const
{
    std::vector<int> out;
    for (int i = from; i < to; ++i) {
        if ((*this)[i].is("("))
            i = closing(i);
        else if ((*this)[i].is(","))
            out.push_back(i);
    }
    return out;
}

std::vector<TokenView::Span> TokenView::items(int from, int to) const
{
    std::vector<Span> out;
    for (int comma : commas(from, to)) {
        out.push_back({from, comma});
        from = comma + 1;
    }
    out.push_back({from, to});
    return out;
}

QString TokenView::text(int from, int to) const
{
    if (from >= to)
        return {};
    QString out;
    for (size_t k = m_sig[size_t(from)]; k <= m_sig[size_t(to - 1)]; ++k)
        out += m_tokens[k].render();
    return out.trimmed();
}

TranslationError TokenView::syntaxErrorAt(int i) const
{
    if (size() == 0)
        return TranslationError::syntaxNear(QString());
    const SqlToken& t = (*this)[std::clamp(i, 0, size() - 1)];
    return TranslationError::syntaxNear(t.kind == SqlToken::String ? unquoteSqlText(t.text) : t.text);
}

void TokenView::requireWellFormed() const
{
    for (int i = 0; i < size(); ++i)
        if ((*this)[i].kind == SqlToken::Symbol && (*this)[i].text == QChar(0))
            throw TranslationError::syntaxNear(QString());
    if (m_unmatched >= 0)
        throw syntaxErrorAt((*this)[m_unmatched].is(")") ? m_unmatched : size() - 1);
}

} // namespace ado

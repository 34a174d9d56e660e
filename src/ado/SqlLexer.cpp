#include "ado/SqlLexer.h"

namespace ado {

namespace {
bool isWordStart(QChar c) { return c.isLetter() || c == u'_' || c == u'#'; }
bool isWordChar(QChar c) { return c.isLetterOrNumber() || c == u'_' || c == u'#' || c == u'$' || c == u'@'; }
} // namespace

SqlTokens SqlLexer::tokenize(const QString& sql)
{
    return SqlLexer(sql).run();
}

SqlTokens SqlLexer::run()
{
    while (m_pos < m_sql.size()) {
        const QChar c = m_sql[m_pos];
        const QChar next = at(m_pos + 1);
        if (c.isSpace())
            readSpace();
        else if (c == u'-' && next == u'-')
            readLineComment();
        else if (c == u'/' && next == u'*')
            readBlockComment();
        else if (c == u'\'')
            readString(false);
        else if ((c == u'N' || c == u'n') && next == u'\'') {
            ++m_pos;
            readString(true);
        } else if (c == u'[')
            readDelimited(u']');
        else if (c == u'"')
            readDelimited(u'"');
        else if (c == u'@')
            readWord(SqlToken::Variable);
        else if (isWordStart(c))
            readWord(SqlToken::Word);
        else if (c.isDigit() || (c == u'.' && next.isDigit()))
            readNumber();
        else
            readSymbol();
    }
    return std::move(m_out);
}

void SqlLexer::push(SqlToken::Kind kind, const QString& text)
{
    SqlToken t;
    t.kind = kind;
    t.text = text;
    m_out.push_back(std::move(t));
}

void SqlLexer::readSpace()
{
    const qsizetype start = m_pos;
    while (m_pos < m_sql.size() && m_sql[m_pos].isSpace())
        ++m_pos;
    push(SqlToken::Space, m_sql.mid(start, m_pos - start));
    m_out.back().newline = m_out.back().text.contains(u'\n') || m_out.back().text.contains(u'\r');
}

void SqlLexer::readLineComment()
{
    while (m_pos < m_sql.size() && m_sql[m_pos] != u'\n')
        ++m_pos;
    push(SqlToken::Space, QStringLiteral(" "));
}

void SqlLexer::readBlockComment()
{
    const qsizetype end = m_sql.indexOf(QLatin1String("*/"), m_pos + 2);
    const QString body = m_sql.mid(m_pos, end < 0 ? -1 : end - m_pos);
    m_pos = end < 0 ? m_sql.size() : end + 2;
    push(SqlToken::Space, QStringLiteral(" "));
    m_out.back().newline = body.contains(u'\n');
    if (m_out.back().newline)
        m_out.back().text = QStringLiteral("\n");
}

void SqlLexer::readString(bool national)
{
    const qsizetype start = m_pos++;
    while (m_pos < m_sql.size()) {
        if (m_sql[m_pos] == u'\'') {
            if (at(m_pos + 1) == u'\'') {
                m_pos += 2;
                continue;
            }
            ++m_pos;
            push(SqlToken::String, m_sql.mid(start, m_pos - start));
            m_out.back().national = national;
            return;
        }
        ++m_pos;
    }
    push(SqlToken::String, m_sql.mid(start) + u'\'');
    m_out.back().national = national;
}

void SqlLexer::readDelimited(QChar close)
{
    QString name;
    ++m_pos;
    while (m_pos < m_sql.size()) {
        const QChar c = m_sql[m_pos++];
        if (c == close) {
            if (at(m_pos) != close)
                break;
            ++m_pos;
        }
        name += c;
    }
    push(SqlToken::Quoted, name);
}

void SqlLexer::readWord(SqlToken::Kind kind)
{
    const qsizetype start = m_pos++;
    while (m_pos < m_sql.size() && isWordChar(m_sql[m_pos]))
        ++m_pos;
    push(kind, m_sql.mid(start, m_pos - start));
}

void SqlLexer::readNumber()
{
    const qsizetype start = m_pos;
    while (m_pos < m_sql.size() && (m_sql[m_pos].isDigit() || m_sql[m_pos] == u'.'))
        ++m_pos;
    const QChar e = at(m_pos);
    if ((e == u'e' || e == u'E')
        && (at(m_pos + 1).isDigit() || ((at(m_pos + 1) == u'-' || at(m_pos + 1) == u'+') && at(m_pos + 2).isDigit()))) {
        m_pos += 2;
        while (m_pos < m_sql.size() && m_sql[m_pos].isDigit())
            ++m_pos;
    }
    push(SqlToken::Number, m_sql.mid(start, m_pos - start));
}

void SqlLexer::readSymbol()
{
    static const char* const pairs[] = {"<=", ">=", "<>", "!=", "!<", "!>", "||"};
    const QString two = m_sql.mid(m_pos, 2);
    for (const char* p : pairs) {
        if (two == QLatin1String(p)) {
            m_pos += 2;
            push(SqlToken::Symbol, two);
            return;
        }
    }
    push(SqlToken::Symbol, QString(m_sql[m_pos++]));
}

} // namespace ado

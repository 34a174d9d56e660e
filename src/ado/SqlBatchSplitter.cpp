#include "ado/SqlBatchSplitter.h"

#include <QSet>

namespace ado {

namespace {
const QSet<QString>& alwaysNewStatement()
{
    static const QSet<QString> words{QStringLiteral("INSERT"), QStringLiteral("DELETE"), QStringLiteral("CREATE"),
        QStringLiteral("DROP"), QStringLiteral("ALTER"), QStringLiteral("EXEC"), QStringLiteral("EXECUTE"),
        QStringLiteral("BEGIN"), QStringLiteral("COMMIT"), QStringLiteral("ROLLBACK"), QStringLiteral("TRUNCATE"),
        QStringLiteral("DECLARE"), QStringLiteral("PRINT"), QStringLiteral("UPDATE"), QStringLiteral("SELECT"),
        QStringLiteral("SET")};
    return words;
}

bool precededByLineBreak(const SqlTokens& batch, size_t i)
{
    return i > 0 && batch[i - 1].isSpace() && batch[i - 1].newline;
}
} // namespace

std::vector<SqlTokens> SqlBatchSplitter::split(const SqlTokens& batch)
{
    SqlBatchSplitter s;
    for (size_t i = 0; i < batch.size(); ++i) {
        const SqlToken& t = batch[i];
        if (t.isSpace()) {
            s.m_current.push_back(t);
            continue;
        }
        if (s.m_depth == 0 && t.is(";")) {
            s.finish();
            continue;
        }
        if (s.m_depth == 0 && s.isGoLine(batch, i)) {
            s.finish();
            continue;
        }
        if (s.m_depth == 0 && !s.m_firstWord.isEmpty() && s.startsStatement(batch, i))
            s.finish();
        s.note(t);
        s.m_current.push_back(t);
    }
    s.finish();
    return std::move(s.m_statements);
}

bool SqlBatchSplitter::isGoLine(const SqlTokens& batch, size_t i) const
{
    if (!batch[i].is("GO") || !(i == 0 || precededByLineBreak(batch, i)))
        return false;
    return i + 1 == batch.size() || (batch[i + 1].isSpace() && batch[i + 1].newline);
}

bool SqlBatchSplitter::startsStatement(const SqlTokens& batch, size_t i) const
{
    const SqlToken& t = batch[i];
    if (t.kind != SqlToken::Word || !precededByLineBreak(batch, i))
        return false;
    const QString word = t.text.toUpper();
    if (!alwaysNewStatement().contains(word))
        return false;
    static const QSet<QString> joiners{QStringLiteral("UNION"), QStringLiteral("ALL"), QStringLiteral("EXCEPT"),
        QStringLiteral("INTERSECT"), QStringLiteral("AS"), QStringLiteral("THEN"), QStringLiteral("ELSE")};
    if (joiners.contains(m_previousWord))
        return false;
    // ON DELETE / ON UPDATE of a foreign key, FOR UPDATE of a trigger
    const bool definition = m_firstWord == QLatin1String("CREATE") || m_firstWord == QLatin1String("ALTER");
    if (definition && (m_previousWord == QLatin1String("ON") || m_previousWord == QLatin1String("FOR")))
        return false;
    if (word == QLatin1String("SELECT"))
        return !((m_firstWord == QLatin1String("INSERT") || m_firstWord == QLatin1String("WITH"))
                 && !m_sawSelect && !m_sawValues);
    if (word == QLatin1String("SET"))
        return !(m_firstWord == QLatin1String("UPDATE") && !m_sawSet);
    return true;
}

void SqlBatchSplitter::note(const SqlToken& t)
{
    if (t.is("("))
        ++m_depth;
    else if (t.is(")") && m_depth > 0)
        --m_depth;
    const QString upper = t.kind == SqlToken::Word ? t.text.toUpper() : QString();
    if (m_firstWord.isEmpty())
        m_firstWord = upper.isEmpty() ? QStringLiteral("?") : upper;
    if (m_depth == 0 || (m_depth == 1 && t.is("("))) {
        m_sawSet = m_sawSet || upper == QLatin1String("SET");
        m_sawSelect = m_sawSelect || upper == QLatin1String("SELECT");
        m_sawValues = m_sawValues || upper == QLatin1String("VALUES");
    }
    m_previousWord = upper;
}

void SqlBatchSplitter::finish()
{
    bool empty = true;
    for (const SqlToken& t : m_current)
        empty = empty && t.isSpace();
    if (!empty)
        m_statements.push_back(std::move(m_current));
    m_current.clear();
    m_firstWord.clear();
    m_previousWord.clear();
    m_sawSet = m_sawSelect = m_sawValues = false;
    m_depth = 0;
}

} // namespace ado

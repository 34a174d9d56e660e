#include "ado/SqlBatchSplitter.h"

#include <QSet>

namespace ado {

namespace {
const QSet<QString>& statementWords()
{
    static const QSet<QString> words{QStringLiteral("INSERT"), QStringLiteral("DELETE"), QStringLiteral("CREATE"),
        QStringLiteral("DROP"), QStringLiteral("ALTER"), QStringLiteral("EXEC"), QStringLiteral("EXECUTE"),
        QStringLiteral("BEGIN"), QStringLiteral("COMMIT"), QStringLiteral("ROLLBACK"), QStringLiteral("SAVE"),
        QStringLiteral("TRUNCATE"), QStringLiteral("DECLARE"), QStringLiteral("PRINT"), QStringLiteral("UPDATE"),
        QStringLiteral("SELECT"), QStringLiteral("SET"), QStringLiteral("IF"), QStringLiteral("ELSE"),
        QStringLiteral("WHILE"), QStringLiteral("END"), QStringLiteral("BREAK"), QStringLiteral("CONTINUE"),
        QStringLiteral("RETURN"), QStringLiteral("RAISERROR"), QStringLiteral("THROW"), QStringLiteral("GOTO"),
        QStringLiteral("USE"), QStringLiteral("MERGE"), QStringLiteral("OPEN"), QStringLiteral("FETCH"),
        QStringLiteral("CLOSE"), QStringLiteral("DEALLOCATE"), QStringLiteral("WAITFOR"), QStringLiteral("GRANT"),
        QStringLiteral("REVOKE"), QStringLiteral("DENY"), QStringLiteral("WITH")};
    return words;
}

bool isWholePartDefinition(const QString& first, const QString& second)
{
    static const QSet<QString> objects{QStringLiteral("PROC"), QStringLiteral("PROCEDURE"), QStringLiteral("FUNCTION"),
        QStringLiteral("TRIGGER")};
    return (first == QLatin1String("CREATE") || first == QLatin1String("ALTER")) && objects.contains(second);
}
} // namespace

std::vector<SqlTokens> SqlBatchSplitter::split(const SqlTokens& batch)
{
    SqlBatchSplitter s(batch);
    s.run();
    return std::move(s.m_statements);
}

bool SqlBatchSplitter::isPartEnd(const SqlTokens& statement)
{
    const SqlToken* word = nullptr;
    for (const SqlToken& t : statement) {
        if (t.isSpace())
            continue;
        if (word)
            return false;
        word = &t;
    }
    return word && word->is("GO");
}

void SqlBatchSplitter::run()
{
    for (size_t i = 0; i < m_batch.size(); ++i) {
        const SqlToken& t = m_batch[i];
        if (t.isSpace()) {
            m_current.push_back(t);
            continue;
        }
        if (isGoLine(i)) {
            finish();
            m_statements.push_back({SqlToken::make(SqlToken::Word, QStringLiteral("GO"))});
            // "GO 5" repeats the part on the server's tools; the count is not a statement.
            const SqlToken* next = significant(i + 1, 1);
            if (next && next->kind == SqlToken::Number && !m_batch[i + 1].newline)
                while (++i < m_batch.size() && m_batch[i].kind != SqlToken::Number) {}
            m_wholePart = false;
            continue;
        }
        if (m_wholePart) {
            m_current.push_back(t);
            continue;
        }
        if (m_depth == 0 && t.is(";")) {
            finish();
            continue;
        }
        if (!m_firstWord.isEmpty() && startsStatement(i))
            finish();
        note(t);
        m_current.push_back(t);
    }
    finish();
}

const SqlToken* SqlBatchSplitter::significant(size_t from, int step, size_t* at) const
{
    for (qsizetype i = qsizetype(from); i >= 0 && i < qsizetype(m_batch.size()); i += step) {
        if (!m_batch[size_t(i)].isSpace()) {
            if (at)
                *at = size_t(i);
            return &m_batch[size_t(i)];
        }
    }
    return nullptr;
}

bool SqlBatchSplitter::isGoLine(size_t i) const
{
    if (!m_batch[i].is("GO"))
        return false;
    const bool lineStart = i == 0 || (m_batch[i - 1].isSpace() && m_batch[i - 1].newline);
    if (!lineStart)
        return false;
    if (i + 1 == m_batch.size() || (m_batch[i + 1].isSpace() && m_batch[i + 1].newline))
        return true;
    size_t at = 0;
    const SqlToken* next = significant(i + 1, 1, &at);
    return next && next->kind == SqlToken::Number && (at + 1 == m_batch.size() || m_batch[at + 1].newline);
}

// WITH name AS (...) or WITH name (columns) AS (...): a common table expression. Any other
// WITH (table hints, WITH TIES, WITH ROLLUP, WITH CHECK OPTION) belongs to its statement.
bool SqlBatchSplitter::startsCommonTable(size_t i) const
{
    size_t at = 0;
    const SqlToken* name = significant(i + 1, 1, &at);
    if (!name || !name->isName())
        return false;
    const SqlToken* next = significant(at + 1, 1, &at);
    if (next && next->is("(")) {
        int depth = 0;
        for (; at < m_batch.size(); ++at) {
            if (m_batch[at].is("("))
                ++depth;
            else if (m_batch[at].is(")") && --depth == 0)
                break;
        }
        next = significant(at + 1, 1);
    }
    return next && next->is("AS");
}

bool SqlBatchSplitter::startsStatement(size_t i) const
{
    const SqlToken& t = m_batch[i];
    if (t.kind != SqlToken::Word || m_depth > 0)
        return false;
    const QString word = t.text.toUpper();
    if (!statementWords().contains(word))
        return false;
    if (m_caseDepth > 0 && (word == QLatin1String("END") || word == QLatin1String("ELSE")))
        return false;
    if (word == QLatin1String("WITH"))
        return startsCommonTable(i);
    static const QSet<QString> setOperators{QStringLiteral("UNION"), QStringLiteral("ALL"), QStringLiteral("EXCEPT"),
        QStringLiteral("INTERSECT")};
    if (setOperators.contains(m_previousWord))
        return false;
    const bool definition = m_firstWord == QLatin1String("CREATE") || m_firstWord == QLatin1String("ALTER");
    // ON DELETE / ON UPDATE of a foreign key, ON DELETE SET NULL, CREATE VIEW ... AS SELECT
    if (definition && (m_previousWord == QLatin1String("ON") || m_previousWord == QLatin1String("FOR")
                       || m_previousWord == QLatin1String("AS")))
        return false;
    if (definition && word == QLatin1String("SET")
        && (m_previousWord == QLatin1String("DELETE") || m_previousWord == QLatin1String("UPDATE")))
        return false;
    // WITH x AS (...) before its statement's verb, INSERT before its SELECT, VALUES or EXEC
    const bool commonTables = m_firstWord == QLatin1String("WITH") && m_verb.isEmpty();
    const bool insertOpen = m_verb == QLatin1String("INSERT") && !m_sawMain;
    if (word == QLatin1String("SELECT"))
        return !commonTables && !insertOpen && !(m_firstWord == QLatin1String("DECLARE") && m_previousWord == QLatin1String("FOR"));
    if (word == QLatin1String("EXEC") || word == QLatin1String("EXECUTE"))
        return !insertOpen;
    if (word == QLatin1String("INSERT") || word == QLatin1String("UPDATE") || word == QLatin1String("DELETE")
        || word == QLatin1String("MERGE"))
        return !commonTables;
    if (word == QLatin1String("SET"))
        return !(m_verb == QLatin1String("UPDATE") && !m_sawSet);
    return true;
}

void SqlBatchSplitter::note(const SqlToken& t)
{
    if (t.is("("))
        ++m_depth;
    else if (t.is(")") && m_depth > 0)
        --m_depth;
    const QString upper = t.kind == SqlToken::Word ? t.text.toUpper() : QString();
    if (upper == QLatin1String("CASE"))
        ++m_caseDepth;
    else if (upper == QLatin1String("END") && m_caseDepth > 0)
        --m_caseDepth;
    if (m_firstWord.isEmpty()) {
        m_firstWord = upper.isEmpty() ? QStringLiteral("?") : upper;
    } else if (m_secondWord.isEmpty()) {
        m_secondWord = upper.isEmpty() ? QStringLiteral("?") : upper;
        m_wholePart = isWholePartDefinition(m_firstWord, m_secondWord);
    }
    static const QSet<QString> verbs{QStringLiteral("SELECT"), QStringLiteral("INSERT"), QStringLiteral("UPDATE"),
        QStringLiteral("DELETE"), QStringLiteral("MERGE")};
    if (m_tokens == 0 && upper != QLatin1String("WITH")) {
        m_verb = upper;
    } else if (m_depth == 0 && m_verb.isEmpty() && verbs.contains(upper)) {
        m_verb = upper;   // the statement a WITH clause belongs to
    } else if (m_depth == 0) {
        static const QSet<QString> main{QStringLiteral("SELECT"), QStringLiteral("VALUES"), QStringLiteral("EXEC"),
            QStringLiteral("EXECUTE"), QStringLiteral("DEFAULT")};
        m_sawSet = m_sawSet || upper == QLatin1String("SET");
        m_sawMain = m_sawMain || main.contains(upper);
    }
    ++m_tokens;
    m_previousWord = upper.isEmpty() ? (t.isName() ? QStringLiteral("?") : t.text) : upper;
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
    m_secondWord.clear();
    m_verb.clear();
    m_previousWord.clear();
    m_sawSet = m_sawMain = false;
    m_tokens = 0;
    m_depth = 0;
    m_caseDepth = 0;
}

} // namespace ado

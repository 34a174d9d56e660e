#include "ado/SqlTranslator.h"

#include "ado/ConcatRewriter.h"
#include "ado/DateText.h"
#include "ado/SqlBatchSplitter.h"
#include "ado/SqlLexer.h"
#include "ado/TableDefinitionRewriter.h"
#include "ado/TokenView.h"

#include <QSet>

namespace ado {

namespace {
bool isComparison(const SqlToken& t)
{
    return t.is("=") || t.is("<") || t.is(">") || t.is("<=") || t.is(">=") || t.is("<>") || t.is("!=");
}

QString firstWord(const SqlTokens& tokens, int index = 0)
{
    int seen = 0;
    for (const SqlToken& t : tokens) {
        if (t.isSpace())
            continue;
        if (seen++ == index)
            return t.kind == SqlToken::Word ? t.text.toUpper() : QString();
    }
    return {};
}

void setDateLiteral(SqlToken& token)
{
    if (token.kind != SqlToken::String)
        return;
    if (const auto date = DateText::parseLiteral(unquoteSqlText(token.text)))
        token.text = quoteSqlText(DateText::format(*date));
}
} // namespace

std::vector<TranslatedStatement> SqlTranslator::translate(const QString& batch) const
{
    std::vector<TranslatedStatement> out;
    for (SqlTokens& statement : SqlBatchSplitter::split(SqlLexer::tokenize(batch))) {
        if (isSessionSetting(statement))
            continue;
        out.push_back(translateStatement(std::move(statement)));
    }
    return out;
}

bool SqlTranslator::isSessionSetting(const SqlTokens& tokens)
{
    return firstWord(tokens) == QLatin1String("SET");
}

TranslatedStatement SqlTranslator::translateStatement(SqlTokens tokens) const
{
    rewriteEscapes(tokens);
    removeOwners(tokens);
    removeHints(tokens);
    TranslatedStatement out;
    out.kind = transactionKind(tokens);
    if (out.kind != TranslatedStatement::Query)
        return out;
    const QString first = firstWord(tokens);
    if (first == QLatin1String("EXEC") || first == QLatin1String("EXECUTE"))
        return execStatement(tokens);
    if ((first == QLatin1String("CREATE") || first == QLatin1String("ALTER")) && firstWord(tokens, 1) == QLatin1String("TABLE"))
        TableDefinitionRewriter(tokens).run();
    else
        rewriteQuery(tokens);
    rewriteFunctions(tokens);
    out.sql = renderTokens(tokens).trimmed();
    return out;
}

TranslatedStatement::Kind SqlTranslator::transactionKind(const SqlTokens& tokens)
{
    const QString first = firstWord(tokens);
    const QString second = firstWord(tokens, 1);
    const bool tranWord = second.isEmpty() || second == QLatin1String("TRAN") || second == QLatin1String("TRANSACTION")
                          || second == QLatin1String("WORK");
    if (first == QLatin1String("BEGIN") && !second.isEmpty() && tranWord)
        return TranslatedStatement::BeginTransaction;
    if (first == QLatin1String("COMMIT") && tranWord)
        return TranslatedStatement::Commit;
    if (first == QLatin1String("ROLLBACK") && tranWord)
        return TranslatedStatement::Rollback;
    return TranslatedStatement::Query;
}

TranslatedStatement SqlTranslator::execStatement(SqlTokens& tokens) const
{
    TokenView v(tokens);
    TranslatedStatement out;
    out.kind = TranslatedStatement::Exec;
    int at = 1;
    if (v.size() > 2 && v[1].kind == SqlToken::Variable && v.is(2, "="))
        at = 3;
    while (at + 2 < v.size() && v[at].isName() && v.is(at + 1, "."))
        at += 2;
    if (at >= v.size())
        return out;
    out.procedure = v[at].text;
    int start = at + 1;
    std::vector<int> commas = v.commas(start, v.size());
    commas.push_back(v.size());
    for (int comma : commas) {
        ProcedureArgument arg;
        int from = start;
        if (from + 1 < comma && v[from].kind == SqlToken::Variable && v.is(from + 1, "=")) {
            arg.name = v[from].text.mid(1);
            from += 2;
        }
        int to = comma;
        if (to > from && (v.is(to - 1, "OUTPUT") || v.is(to - 1, "OUT")))
            --to;
        arg.literal = v.text(from, to);
        if (!arg.literal.isEmpty() || !arg.name.isEmpty())
            out.arguments.push_back(arg);
        start = comma + 1;
    }
    return out;
}

void SqlTranslator::rewriteQuery(SqlTokens& tokens) const
{
    addDeleteFrom(tokens);
    rewriteTop(tokens);
    if (!m_kinds)
        return;
    const QStringList tables = referencedTables(tokens);
    const ColumnKindOf kinds = [&](const QString& column) { return m_kinds(column, tables); };
    normaliseDates(tokens, kinds);
    normaliseInsertedDates(tokens, kinds);
    ConcatRewriter(tokens, kinds).run();
}

void SqlTranslator::rewriteEscapes(SqlTokens& tokens)
{
    TokenView v(tokens);
    for (int i = 0; i + 2 < v.size(); ++i) {
        if (!v.is(i, "{"))
            continue;
        if (v.is(i + 1, "fn")) {
            int close = i + 2;
            while (close < v.size() && !v.is(close, "}"))
                close = v.is(close, "(") ? v.closing(close) + 1 : close + 1;
            v.erase(i, i + 2);
            if (close < v.size())
                v.erase(close);
            continue;
        }
        const bool dateEscape = v.is(i + 1, "d") || v.is(i + 1, "ts") || v.is(i + 1, "t");
        if (!dateEscape || v[i + 2].kind != SqlToken::String || !v.is(i + 3, "}"))
            continue;
        if (!v.is(i + 1, "t"))
            setDateLiteral(v[i + 2]);
        v.erase(i, i + 2);
        v.erase(i + 3);
    }
}

void SqlTranslator::removeHints(SqlTokens& tokens)
{
    static const QSet<QString> hints{QStringLiteral("NOLOCK"), QStringLiteral("READUNCOMMITTED"),
        QStringLiteral("ROWLOCK"), QStringLiteral("UPDLOCK"), QStringLiteral("HOLDLOCK"), QStringLiteral("READPAST"),
        QStringLiteral("TABLOCK"), QStringLiteral("TABLOCKX"), QStringLiteral("PAGLOCK"), QStringLiteral("XLOCK"),
        QStringLiteral("NOWAIT"), QStringLiteral("SERIALIZABLE"), QStringLiteral("REPEATABLEREAD"),
        QStringLiteral("READCOMMITTED")};
    TokenView v(tokens);
    for (int i = 1; i < v.size(); ++i) {
        if (!v.is(i, "(") || !v[i - 1].isName())
            continue;
        const int close = v.closing(i);
        bool onlyHints = close > i + 1 && close < v.size();
        for (int k = i + 1; k < close && onlyHints; ++k)
            onlyHints = v.is(k, ",") || (v[k].kind == SqlToken::Word && hints.contains(v[k].text.toUpper()));
        if (!onlyHints)
            continue;
        const bool withWord = v.is(i - 1, "WITH");
        v.erase(withWord ? i - 1 : i, close + 1);
        i = close;
    }
}

void SqlTranslator::removeOwners(SqlTokens& tokens)
{
    TokenView v(tokens);
    for (int i = 0; i + 2 < v.size(); ++i) {
        if (!v[i].isName() || v[i].text.compare(QLatin1String("dbo"), Qt::CaseInsensitive) != 0 || !v.is(i + 1, ".")
            || !v[i + 2].isName())
            continue;
        const bool database = i >= 2 && v.is(i - 1, ".") && v[i - 2].isName();
        v.erase(database ? i - 2 : i, i + 2);
    }
}

void SqlTranslator::addDeleteFrom(SqlTokens& tokens)
{
    TokenView v(tokens);
    if (!v.is(0, "DELETE") || v.size() < 2 || v.is(1, "FROM") || !v[1].isName())
        return;
    for (int i = 2; i < v.size(); ++i)
        if (v.is(i, "FROM"))
            return;   // DELETE alias FROM ...: left as written
    v[0].suffix += QStringLiteral(" FROM");
}

void SqlTranslator::rewriteTop(SqlTokens& tokens)
{
    TokenView v(tokens);
    for (int i = 0; i < v.size(); ++i) {
        if (!v.is(i, "SELECT"))
            continue;
        int top = i + 1;
        if (v.is(top, "DISTINCT") || v.is(top, "ALL"))
            ++top;
        if (!v.is(top, "TOP"))
            continue;
        int end = top + 1;
        const bool bracketed = v.is(end, "(");
        if (bracketed)
            ++end;
        if (end >= v.size() || v[end].kind != SqlToken::Number)
            continue;
        const QString count = v[end++].text;
        if (bracketed && v.is(end, ")"))
            ++end;
        const bool percent = v.is(end, "PERCENT");
        if (percent)
            ++end;
        if (v.is(end, "WITH") && v.is(end + 1, "TIES"))
            end += 2;
        v.erase(top, end);
        if (percent)
            continue;   // TOP n PERCENT: every row (100 PERCENT is the only form written)
        int depth = 0;
        int k = end;
        for (; k < v.size(); ++k) {
            if (v.is(k, "("))
                ++depth;
            else if (v.is(k, ")") && --depth < 0)
                break;
        }
        if (k < v.size())
            v[k].prefix += QStringLiteral(" LIMIT ") + count + u' ';
        else
            v[v.size() - 1].suffix += QStringLiteral(" LIMIT ") + count;
    }
}

QStringList SqlTranslator::referencedTables(SqlTokens& tokens)
{
    TokenView v(tokens);
    QStringList out;
    for (int i = 0; i + 1 < v.size(); ++i) {
        const bool listStart = v.is(i, "FROM") || v.is(i, "JOIN") || v.is(i, "UPDATE") || v.is(i, "INTO");
        if (!listStart)
            continue;
        for (int k = i + 1; k < v.size() && v[k].isName(); ) {
            out << v[k].text;
            ++k;
            if (v.is(k, "AS"))
                ++k;
            if (k < v.size() && v[k].kind == SqlToken::Word && !v.is(k, "WHERE") && !v.is(k, "JOIN") && !v.is(k, "ON")
                && !v.is(k, "SET") && !v.is(k, "INNER") && !v.is(k, "LEFT") && !v.is(k, "RIGHT") && !v.is(k, "ORDER")
                && !v.is(k, "GROUP") && !v.is(k, "VALUES") && !v.is(k, "SELECT") && !v.is(k, "UNION") && !v.is(k, "HAVING"))
                ++k;   // alias
            if (!v.is(k, ","))
                break;
            ++k;
        }
    }
    return out;
}

void SqlTranslator::normaliseDates(SqlTokens& tokens, const ColumnKindOf& kinds)
{
    TokenView v(tokens);
    auto dateNameEndingAt = [&](int k) { return k >= 0 && v[k].isName() && kinds(v[k].text) == ColumnKind::Date; };
    auto dateNameStartingAt = [&](int k) {
        if (k >= v.size() || !v[k].isName())
            return false;
        while (k + 2 < v.size() && v.is(k + 1, ".") && v[k + 2].isName())
            k += 2;
        return kinds(v[k].text) == ColumnKind::Date;
    };
    for (int i = 0; i < v.size(); ++i) {
        if (v[i].kind != SqlToken::String)
            continue;
        const bool compared = (i >= 2 && isComparison(v[i - 1]) && dateNameEndingAt(i - 2))
                              || (i + 2 < v.size() && isComparison(v[i + 1]) && dateNameStartingAt(i + 2))
                              || (i >= 2 && v.is(i - 1, "BETWEEN") && dateNameEndingAt(i - 2))
                              || (i >= 4 && v.is(i - 1, "AND") && v[i - 2].kind == SqlToken::String
                                  && v.is(i - 3, "BETWEEN") && dateNameEndingAt(i - 4));
        if (compared)
            setDateLiteral(v[i]);
    }
}

void SqlTranslator::normaliseInsertedDates(SqlTokens& tokens, const ColumnKindOf& kinds)
{
    TokenView v(tokens);
    if (!v.is(0, "INSERT"))
        return;
    int open = 1;
    while (open < v.size() && !v.is(open, "(") && !v.is(open, "VALUES") && !v.is(open, "SELECT"))
        ++open;
    if (!v.is(open, "("))
        return;
    const int close = v.closing(open);
    std::vector<bool> isDate;
    int start = open + 1;
    std::vector<int> commas = v.commas(open + 1, close);
    commas.push_back(close);
    for (int comma : commas) {
        isDate.push_back(comma == start + 1 && v[start].isName() && kinds(v[start].text) == ColumnKind::Date);
        start = comma + 1;
    }
    if (!v.is(close + 1, "VALUES"))
        return;
    for (int group = close + 2; group < v.size() && v.is(group, "("); ) {
        const int groupClose = v.closing(group);
        std::vector<int> valueCommas = v.commas(group + 1, groupClose);
        valueCommas.push_back(groupClose);
        int from = group + 1;
        for (size_t k = 0; k < valueCommas.size() && k < isDate.size(); ++k) {
            if (isDate[k] && valueCommas[k] == from + 1)
                setDateLiteral(v[from]);
            from = valueCommas[k] + 1;
        }
        group = v.is(groupClose + 1, ",") ? groupClose + 2 : v.size();
    }
}

// On the server a text function's result keeps the database collation, so comparing it
// ignores case and trailing blanks like the column itself; SQLite would compare it binary.
bool SqlTranslator::keepsServerCollation(const QString& upperName)
{
    static const QSet<QString> names{QStringLiteral("LTRIM"), QStringLiteral("RTRIM"), QStringLiteral("LEFT"),
        QStringLiteral("RIGHT"), QStringLiteral("SUBSTRING"), QStringLiteral("UPPER"), QStringLiteral("LOWER"),
        QStringLiteral("REPLACE"), QStringLiteral("ISNULL"), QStringLiteral("COALESCE")};
    return names.contains(upperName);
}

void SqlTranslator::rewriteFunctions(SqlTokens& tokens)
{
    static const QSet<QString> unitFunctions{QStringLiteral("DATEADD"), QStringLiteral("DATEDIFF"),
        QStringLiteral("DATEPART")};
    TokenView v(tokens);
    for (int i = 0; i + 1 < v.size(); ++i) {
        if (v[i].kind != SqlToken::Word || !v.is(i + 1, "(") || (i > 0 && v.is(i - 1, ".")))
            continue;
        SqlToken& name = v[i];
        const QString upper = name.text.toUpper();
        const int close = v.closing(i + 1);
        if (keepsServerCollation(upper) && close < v.size())
            v[close].suffix += QStringLiteral(" COLLATE SRV");
        if (upper == QLatin1String("LEFT") || upper == QLatin1String("RIGHT")) {
            name.text = QStringLiteral("SRV_") + upper;
        } else if (upper == QLatin1String("ISNULL")) {
            name.text = QStringLiteral("IFNULL");
        } else if (upper == QLatin1String("CONVERT")) {
            const std::vector<int> commas = v.commas(i + 2, close);
            const int typeEnd = commas.empty() ? close : commas.front();
            const QString type = v.text(i + 2, typeEnd);
            v.erase(i + 2, typeEnd);
            v[i + 1].suffix += quoteSqlText(type.toLower());
            name.text = QStringLiteral("SRV_CONVERT");
        } else if (upper == QLatin1String("CAST")) {
            int as = close - 1;
            while (as > i + 1 && !v.is(as, "AS"))
                --as;
            if (as <= i + 1)
                continue;
            const QString type = v.text(as + 1, close);
            v.erase(as, close);
            v[i + 1].suffix += quoteSqlText(type.toLower()) + QStringLiteral(", ");
            name.text = QStringLiteral("SRV_CONVERT");
        } else if (unitFunctions.contains(upper) && i + 2 < close) {
            const QString unit = v[i + 2].kind == SqlToken::String ? unquoteSqlText(v[i + 2].text) : v[i + 2].text;
            v[i + 2] = SqlToken::make(SqlToken::String, quoteSqlText(unit.toLower()));
            name.text = QStringLiteral("SRV_") + upper;
        }
    }
}

} // namespace ado

#include "ado/TsqlDialectTranslator.h"

#include "ado/BatchCompiler.h"
#include "ado/ServerMessages.h"
#include "ado/SqlQuoting.h"
#include "ado/SqliteShaper.h"
#include "ado/TableDefinitionRewriter.h"
#include "ado/TokenView.h"

#include <QSet>

namespace ado {

namespace {
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
} // namespace

std::vector<TranslatedStatement> TsqlDialectTranslator::translate(const QString& batch, DateOrder order) const
{
    return BatchCompiler(*this, order).compile(batch);
}

TranslatedStatement TsqlDialectTranslator::translateStatement(SqlTokens tokens, const TranslationContext& context) const
{
    TranslatedStatement out = translateTokens(tokens, context);
    out.source = renderTokens(tokens).trimmed();
    out.variableTypes = context.variables;
    return out;
}

TranslatedStatement TsqlDialectTranslator::translateTokens(SqlTokens tokens, const TranslationContext& context) const
{
    TokenView(tokens).requireWellFormed();
    rewriteEscapes(tokens);
    removeOwners(tokens);
    removeHints(tokens);
    quoteTemporaryNames(tokens);
    const QString first = firstWord(tokens);
    const QString second = firstWord(tokens, 1);
    if ((first == QLatin1String("CREATE") || first == QLatin1String("ALTER")) && second == QLatin1String("TABLE"))
        return tableDefinition(tokens);
    if (first == QLatin1String("TRUNCATE") && second == QLatin1String("TABLE")) {
        TokenView v(tokens);
        v[0].text = QStringLiteral("DELETE");
        v[1].text = QStringLiteral("FROM");
    }
    if (first == QLatin1String("CREATE") && (second == QLatin1String("INDEX") || second == QLatin1String("UNIQUE")
                                             || second == QLatin1String("CLUSTERED") || second == QLatin1String("NONCLUSTERED"))) {
        TokenView v(tokens);
        for (int i = 0; i < v.size(); ++i)
            if (v.is(i, "CLUSTERED") || v.is(i, "NONCLUSTERED"))
                v.erase(i);
    }
    TypedRewriter rewriter(tokens, context);
    const StatementShape shape = rewriter.run();
    TranslatedStatement out;
    out.sql = SqliteShaper(rewriter.view(), shape).render();
    out.variables = shape.assignedVariables;
    out.insertTable = shape.insertTable;
    if (shape.columnsKnown)
        for (const SqlType& type : shape.itemTypes)
            out.columnTypes << type.declaration();
    if (!shape.intoTable.isEmpty()) {
        if (!shape.assignedVariables.isEmpty())
            throw TranslationError(102, ServerMessages::syntaxNear(QStringLiteral("INTO")));
        out.kind = TranslatedStatement::SelectInto;
        out.name = shape.intoTable;
    }
    return out;
}

TranslatedStatement TsqlDialectTranslator::tableDefinition(SqlTokens& tokens)
{
    TableDefinitionRewriter(tokens).run();
    TokenView v(tokens);
    // CREATE TABLE #name: a temporary table, seen by this connection only.
    if (v.is(0, "CREATE") && v.size() > 2 && v[2].text.startsWith(u'#'))
        v[0].suffix += QStringLiteral(" TEMP");
    TranslatedStatement out;
    out.sql = renderTokens(tokens).trimmed();
    return out;
}

void TsqlDialectTranslator::rewriteEscapes(SqlTokens& tokens)
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
        if (!v.is(i + 1, "t")) {
            SqlToken& literal = v[i + 2];
            if (const auto date = DateText::parseLiteral(unquoteSqlText(literal.text), DateOrder::YMD)) {
                literal.text = quoteSqlText(DateText::format(*date));
                literal.dateLiteral = true;
            }
        }
        v.erase(i, i + 2);
        v.erase(i + 3);
    }
}

void TsqlDialectTranslator::removeHints(SqlTokens& tokens)
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

void TsqlDialectTranslator::removeOwners(SqlTokens& tokens)
{
    TokenView v(tokens);
    for (int i = 0; i + 2 < v.size(); ++i) {
        if (!v[i].isName() || v[i].text.compare(QLatin1String("dbo"), Qt::CaseInsensitive) != 0 || !v.is(i + 1, ".")
            || !v[i + 2].isName())
            continue;
        const bool database = i >= 2 && v.is(i - 1, ".") && v[i - 2].isName();
        v.erase(database ? i - 2 : i, i + 2);
    }
    // tempdb..#name and db..name: the database part goes
    for (int i = 0; i + 3 < v.size(); ++i)
        if (v[i].isName() && v.is(i + 1, ".") && v.is(i + 2, ".") && v[i + 3].isName())
            v.erase(i, i + 3);
}

// #name is a temporary table of the session; SQLite takes the name quoted.
void TsqlDialectTranslator::quoteTemporaryNames(SqlTokens& tokens)
{
    for (SqlToken& t : tokens) {
        if (t.kind != SqlToken::Word || !t.text.startsWith(u'#'))
            continue;
        if (t.text.startsWith(QLatin1String("##")))
            throw TranslationError::unsupported(QStringLiteral("tablas temporales globales (%1)").arg(t.text));
        t.kind = SqlToken::Quoted;
    }
}

} // namespace ado

#include "ado/StoredProcedureText.h"

#include "ado/SqlLexer.h"
#include "ado/SqlType.h"

#include <QSet>

namespace ado {

namespace {
const SqlToken* neighbour(const SqlTokens& tokens, size_t at, int step)
{
    for (qsizetype i = qsizetype(at) + step; i >= 0 && i < qsizetype(tokens.size()); i += step)
        if (!tokens[size_t(i)].isSpace())
            return &tokens[size_t(i)];
    return nullptr;
}

// "EXEC other @Name = ..." inside a body names the other procedure's parameter: not a use.
bool namesCalledParameter(const SqlTokens& tokens, size_t at)
{
    const SqlToken* next = neighbour(tokens, at, 1);
    const SqlToken* previous = neighbour(tokens, at, -1);
    if (!next || !next->is("=") || !previous)
        return false;
    if (previous->is(","))
        return true;
    for (qsizetype i = qsizetype(at) - 1; i >= 0; --i) {
        const SqlToken& t = tokens[size_t(i)];
        if (t.is("EXEC") || t.is("EXECUTE"))
            return true;
        if (t.isSpace() || t.isName() || t.is("."))
            continue;
        return false;
    }
    return false;
}

// DECLARE @a int, @b varchar(10): the body's own variables, not parameters.
QSet<QString> declaredNames(const SqlTokens& tokens)
{
    QSet<QString> out;
    for (size_t i = 0; i < tokens.size(); ++i) {
        if (tokens[i].kind != SqlToken::Variable)
            continue;
        const SqlToken* previous = neighbour(tokens, i, -1);
        const SqlToken* next = neighbour(tokens, i, 1);
        const bool listed = previous && (previous->is("DECLARE") || previous->is(","));
        const bool typed = next && next->kind == SqlToken::Word && (SqlType::fromDeclared(next->text).isKnown() || next->is("AS"));
        if (listed && typed)
            out.insert(tokens[i].text.toLower());
    }
    return out;
}

bool isParameter(const SqlTokens& tokens, size_t at, const QSet<QString>& locals)
{
    const SqlToken& t = tokens[at];
    return t.kind == SqlToken::Variable && !t.text.startsWith(QLatin1String("@@")) && t.text.size() > 1
           && !namesCalledParameter(tokens, at) && !locals.contains(t.text.toLower());
}
} // namespace

QStringList StoredProcedureText::parameters(const QString& body)
{
    QStringList out;
    const SqlTokens tokens = SqlLexer::tokenize(body);
    const QSet<QString> locals = declaredNames(tokens);
    for (size_t i = 0; i < tokens.size(); ++i) {
        if (!isParameter(tokens, i, locals))
            continue;
        const QString name = tokens[i].text.mid(1);
        if (!out.contains(name, Qt::CaseInsensitive))
            out << name;
    }
    return out;
}

QString StoredProcedureText::bind(const QString& body, const QHash<QString, QString>& literals)
{
    SqlTokens tokens = SqlLexer::tokenize(body);
    const QSet<QString> locals = declaredNames(tokens);
    for (size_t i = 0; i < tokens.size(); ++i) {
        if (!isParameter(tokens, i, locals))
            continue;
        SqlToken& t = tokens[i];
        const QString name = t.text.mid(1).toLower();
        t.kind = SqlToken::Word;
        t.text = literals.value(name, QStringLiteral("NULL"));
    }
    return renderTokens(tokens);
}

} // namespace ado

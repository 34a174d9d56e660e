#include "ado/StoredProcedureText.h"

#include "ado/SqlLexer.h"

namespace ado {

namespace {
bool isParameter(const SqlToken& t)
{
    return t.kind == SqlToken::Variable && !t.text.startsWith(QLatin1String("@@")) && t.text.size() > 1;
}
} // namespace

QStringList StoredProcedureText::parameters(const QString& body)
{
    QStringList out;
    for (const SqlToken& t : SqlLexer::tokenize(body)) {
        if (!isParameter(t))
            continue;
        const QString name = t.text.mid(1);
        if (!out.contains(name, Qt::CaseInsensitive))
            out << name;
    }
    return out;
}

QString StoredProcedureText::bind(const QString& body, const QHash<QString, QString>& literals)
{
    SqlTokens tokens = SqlLexer::tokenize(body);
    for (SqlToken& t : tokens) {
        if (!isParameter(t))
            continue;
        const QString name = t.text.mid(1).toLower();
        t.kind = SqlToken::Word;
        t.text = literals.value(name, QStringLiteral("NULL"));
    }
    return renderTokens(tokens);
}

} // namespace ado

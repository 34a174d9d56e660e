#include "app/StatementBuilder.h"

#include "app/SharedObjects.h"
#include "data/DB_Dll.h"
#include "kit/Utilidades.h"
#include "vb/Error.h"
#include "vb/Strings.h"

#include <QRegularExpression>

namespace app {

namespace {

constexpr int kSubscriptOutOfRange = 9;
constexpr int kInvalidArgument = 5;

QString joined(const ListaCampos& campos, const std::function<QString(const CampoValor&)>& part)
{
    QStringList parts;
    parts.reserve(campos.size());
    for (const CampoValor& pair : campos)
        parts << part(pair);
    return parts.join(u',');
}

bool isOracle() { return gDB().settings().gConnString.contains(QLatin1String("oracle"), Qt::CaseInsensitive); }

// Where the clauses of a query's tail begin, looked for outside quotes and parentheses.
struct Clauses {
    qsizetype where = -1;      // position of the word WHERE
    qsizetype tail = -1;       // position of GROUP BY, HAVING or ORDER BY, the first of them
};

bool wordAt(const QString& text, qsizetype at, QLatin1String word)
{
    const auto isWordChar = [](QChar c) { return c.isLetterOrNumber() || c == u'_'; };
    if (at > 0 && isWordChar(text[at - 1]))
        return false;
    if (text.mid(at, word.size()).compare(word, Qt::CaseInsensitive) != 0)
        return false;
    const qsizetype end = at + word.size();
    return end >= text.size() || !isWordChar(text[end]);
}

Clauses topLevelClauses(const QString& text)
{
    Clauses found;
    int depth = 0;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\'')
            quoted = !quoted;
        if (quoted)
            continue;
        if (c == u'(')
            ++depth;
        else if (c == u')')
            --depth;
        if (depth != 0)
            continue;
        if (found.where < 0 && wordAt(text, i, QLatin1String("WHERE"))) {
            found.where = i;
        } else if (wordAt(text, i, QLatin1String("GROUP")) || wordAt(text, i, QLatin1String("HAVING"))
                   || wordAt(text, i, QLatin1String("ORDER"))) {
            found.tail = i;
            break;
        }
    }
    return found;
}

// Rest is what follows "SELECT TOP n *"; the row limit goes where Oracle wants it: into the
// query's own WHERE (its condition kept whole in parentheses) or, without one, a WHERE of its
// own before GROUP BY, HAVING or ORDER BY.
QString withRowLimit(const QString& rest, const QString& count)
{
    const Clauses clauses = topLevelClauses(rest);
    const qsizetype tailAt = clauses.tail < 0 ? rest.size() : clauses.tail;
    const QString tail = rest.mid(tailAt);
    if (clauses.where < 0)
        return rest.left(tailAt) + QStringLiteral(" WHERE ROWNUM <= ") + count + tail;
    const qsizetype conditionAt = clauses.where + 5;
    const QString condition = vb::Trim(rest.mid(conditionAt, tailAt - conditionAt));
    return rest.left(conditionAt) + QStringLiteral(" (") + condition + QStringLiteral(") AND ROWNUM <= ") + count
         + (tail.isEmpty() ? QString() : u' ' + tail);
}

QString oracleTop(const QString& sql)
{
    static const QRegularExpression selectTop(QStringLiteral("\\bselect\\s+(top)\\b"),
                                              QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = selectTop.match(sql);
    if (!match.hasMatch())
        return sql;
    const qsizetype top = match.capturedStart(1);
    const qsizetype afterTop = match.capturedEnd(1);
    const qsizetype star = sql.indexOf(u'*', afterTop);
    // The count, blanks kept, is all that may stand between TOP and the star.
    const QString count = star < 0 ? QString() : sql.mid(afterTop, star - afterTop);
    if (star < 0 || gUtil().ContarPalabras(count) != 1)
        vb::raise(kInvalidArgument, vb::Error::standardDescription(kInvalidArgument));
    return sql.left(top) + QStringLiteral(" * ") + withRowLimit(sql.mid(star + 1), count);
}

} // namespace

ListaCampos& gCampos()
{
    static ListaCampos campos;
    return campos;
}

void AgregarCampo(const QString& Campo, const QString& Valor, const QString& Tipo, bool Nuevo, ListaCampos& campos)
{
    if (Nuevo)
        campos.clear();
    else if (campos.isEmpty())
        vb::raise(kSubscriptOutOfRange, vb::Error::standardDescription(kSubscriptOutOfRange));
    CampoValor pair;
    pair.Campo = Campo;
    if (vb::textEquals(Valor, QStringLiteral("NULL")))
        pair.Valor = QStringLiteral("Null");
    else
        pair.Valor = gDB().SQLValue(vb::Variant(Valor), Tipo).toString();
    campos << pair;
}

void ArmarValores(QString& Sentencia, ListaCampos& campos, bool Limpiar)
{
    Sentencia += u'(' + joined(campos, [](const CampoValor& p) { return p.Campo; }) + u')';
    Sentencia += QStringLiteral(" VALUES (") + joined(campos, [](const CampoValor& p) { return p.Valor; }) + u')';
    if (Limpiar)
        campos.clear();
}

void ArmarSentencia(ListaCampos& campos, QStringList& Script, const QString& Tabla, bool Actualizar, QString& Where,
                    bool Mantener)
{
    QString statement;
    if (Actualizar) {
        if (!Where.contains(QLatin1String("WHERE"), Qt::CaseInsensitive))
            Where = QStringLiteral(" WHERE ") + Where;
        statement = QStringLiteral("UPDATE ") + Tabla + QStringLiteral(" SET ")
                  + joined(campos, [](const CampoValor& p) { return p.Campo + QStringLiteral(" = ") + p.Valor; })
                  + u' ' + Where;
    } else {
        statement = QStringLiteral("INSERT INTO ") + Tabla + u' ';
        ArmarValores(statement, campos, false);
    }
    Script << statement;
    if (!Mantener)
        campos = ListaCampos{CampoValor{}};
}

QString AdaptarSQLMotor(const QString& sql)
{
    if (!isOracle())
        return sql;
    if (gUtil().ContarPalabras(sql) <= 1)
        return vb::textEquals(vb::Trim(sql), QStringLiteral("LEN")) ? QStringLiteral("LENGTH") : sql;
    return oracleTop(sql);
}

} // namespace app

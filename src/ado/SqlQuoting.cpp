#include "ado/SqlQuoting.h"

namespace ado {

QString escapeSqlText(const QString& text)
{
    return QString(text).remove(QChar(0)).replace(u'\'', QLatin1String("''"));
}

QString quoteSqlText(const QString& text)
{
    return u'\'' + escapeSqlText(text) + u'\'';
}

QString unquoteSqlText(const QString& literal)
{
    if (literal.size() < 2)
        return {};
    return literal.mid(1, literal.size() - 2).replace(QLatin1String("''"), QLatin1String("'"));
}

bool isLikeWildcard(QChar c)
{
    return c == u'%' || c == u'_' || c == u'[';
}

QString escapeLikeText(const QString& text, QChar escape)
{
    const QString body = escapeSqlText(text);
    QString s;
    s.reserve(body.size() + 8);
    for (const QChar c : body) {
        if (escape.isNull() && isLikeWildcard(c))
            s += u'[' + QString(c) + u']';
        else if (!escape.isNull() && (isLikeWildcard(c) || c == escape))
            s += QString(escape) + c;
        else
            s += c;
    }
    return s;
}

} // namespace ado

#include "kit/SqlNameReplacer.h"

namespace kit {

bool SqlNameReplacer::isNameChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'_' || c == u'@' || c == u'#' || c == u'$';
}

bool SqlNameReplacer::matchesAt(const QString& sql, qsizetype at, const QString& name)
{
    if (QStringView(sql).mid(at, name.size()).compare(name, Qt::CaseInsensitive) != 0)
        return false;
    const bool startsName = at == 0 || !isNameChar(sql.at(at - 1));
    const qsizetype after = at + name.size();
    const bool endsName = after >= sql.size() || !isNameChar(sql.at(after));
    return startsName && endsName;
}

qsizetype SqlNameReplacer::literalEnd(const QString& sql, qsizetype quoteAt)
{
    const QChar quote = sql.at(quoteAt);
    qsizetype i = quoteAt + 1;
    while (i < sql.size()) {
        if (sql.at(i) == quote) {
            if (i + 1 < sql.size() && sql.at(i + 1) == quote) {   // a doubled quote stays inside
                i += 2;
                continue;
            }
            return i + 1;
        }
        ++i;
    }
    return sql.size();
}

QString SqlNameReplacer::replace(const QString& sql, const QString& name, const QString& replacement)
{
    if (name.isEmpty())
        return sql;
    QString out;
    out.reserve(sql.size());
    qsizetype i = 0;
    while (i < sql.size()) {
        const QChar c = sql.at(i);
        if (c == u'\'' || c == u'"') {
            const qsizetype end = literalEnd(sql, i);
            out += QStringView(sql).mid(i, end - i);
            i = end;
        } else if (matchesAt(sql, i, name)) {
            out += replacement;
            i += name.size();
        } else {
            out += c;
            ++i;
        }
    }
    return out;
}

} // namespace kit

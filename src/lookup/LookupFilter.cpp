#include "lookup/LookupFilter.h"

#include "ado/SqlQuoting.h"
#include "vb/Strings.h"

namespace lookup {

namespace {

qsizetype find(const QString& text, const char* part)
{
    return text.indexOf(QLatin1String(part), 0, Qt::CaseInsensitive);
}

} // namespace

LookupFilter::Parts LookupFilter::split(const QString& sql)
{
    Parts parts{sql, QString()};
    const qsizetype order = find(sql, "order by");
    if (order >= 0) {
        parts.tail = sql.mid(order);
        parts.base = sql.left(order);
    }
    const qsizetype group = find(sql, "group by");
    if (group >= 0 && !vb::Trim(sql.mid(group)).isEmpty()) {
        parts.tail = sql.mid(group);
        parts.base = sql.left(group);
    }
    return parts;
}

QString LookupFilter::fieldPrefix(const QString& base)
{
    QString prefix;
    if (find(base, "stk_ma_articulos") >= 0)
        prefix = QStringLiteral("stk_ma_articulos.");
    if (find(base, "v_ma_articulos") >= 0)
        prefix = QStringLiteral("v_ma_articulos.");
    return prefix;
}

QString LookupFilter::pattern(const QString& typed, bool anywhere)
{
    const QString literal = ado::escapeLikeText(typed);
    if (anywhere)
        return u'%' + QString(literal).replace(u' ', u'%') + u'%';
    return QString(literal).replace(u'*', u'%') + u'%';
}

QString LookupFilter::condition(const QString& base, const QString& field, const QString& typed, bool anywhere)
{
    return fieldPrefix(split(base).base) + field + QStringLiteral(" like '") + pattern(typed, anywhere) + QStringLiteral("' ");
}

} // namespace lookup

#include "data/OracleDialect.h"

#include "vb/Conversions.h"
#include "vb/Regional.h"

namespace data {

namespace {

void replaceAll(QString& text, const char* find, const char* with)
{
    text.replace(QLatin1String(find), QLatin1String(with), Qt::CaseInsensitive);
}

} // namespace

QString OracleDialect::translate(const QString& sql)
{
    QString text = sql;
    if (text.contains(QLatin1String("top "), Qt::CaseInsensitive))
        text = rowLimit(text);
    text = lengthFunction(text);
    text.replace(u'[', u'"').replace(u']', u'"');
    text = dateLiterals(text);
    replaceAll(text, "Charindex", "InStr");
    replaceAll(text, "CONVERT(NVARCHAR,", "TO_CHAR(");
    replaceAll(text, "CONVERT(INT,", "TO_NUMBER(");
    text = emptyTextTests(text);
    text = dateStyle103(text);
    replaceAll(text, "SUBSTRING(", "SUBSTR(");
    replaceAll(text, "ISNULL(", "NVL(");
    return text;
}

QString OracleDialect::tailFrom(const QString& text, const char* marker)
{
    const qsizetype at = text.indexOf(QLatin1String(marker), 0, Qt::CaseInsensitive);
    return at < 0 ? QString() : text.mid(at);
}

QString OracleDialect::rowLimit(const QString& text)
{
    const qsizetype top = text.indexOf(QLatin1String("top"), 0, Qt::CaseInsensitive);
    const QString head = text.left(top);
    const QString rest = text.mid(top + 3).trimmed();
    const qsizetype blank = rest.indexOf(u' ');
    const QString count = blank < 0 ? rest : rest.left(blank);
    QString body = blank < 0 ? QString() : rest.mid(blank + 1);

    QString grouping = tailFrom(text, " GROUP BY ");
    QString ordering = grouping.isEmpty() ? tailFrom(text, "ORDER BY ") : QString();
    for (QString* tail : {&grouping, &ordering}) {
        *tail = tail->trimmed();
        if (!tail->isEmpty())
            body.replace(*tail, QStringLiteral(" "), Qt::CaseInsensitive);
    }
    const QString limit = text.contains(QLatin1String(" WHERE "), Qt::CaseInsensitive)
                              ? QStringLiteral(" AND ROWNUM <= ") + count
                              : QStringLiteral(" WHERE ROWNUM <= ") + count;
    return head + u' ' + body + u' ' + limit + u' ' + grouping + u' ' + ordering;
}

QString OracleDialect::lengthFunction(const QString& text)
{
    QString result = text;
    for (const char* spelling : {" LEN(", " LEN (", " LEN  (", " LEN   (", " LEN    ("})
        replaceAll(result, spelling, " LENGTH(");
    return result;
}

QString OracleDialect::dateLiterals(const QString& text)
{
    QString result = text;
    qsizetype from = 0;
    for (;;) {
        const qsizetype open = result.indexOf(u'\'', from);
        const qsizetype close = open < 0 ? -1 : result.indexOf(u'\'', open + 1);
        // An unpaired apostrophe ends the scan: the text is left for the server to judge.
        if (close < 0)
            break;
        const QString content = result.mid(open + 1, close - open - 1);
        from = close + 1;
        vb::Date date;
        if (content.trimmed().isEmpty() || !vb::detail::parseDate(content, date))
            continue;
        const QChar sep = vb::Regional::current().dateSeparator;
        const QString day = date.date().toString(QStringLiteral("dd")) + sep + date.date().toString(QStringLiteral("MM"))
                          + sep + date.date().toString(QStringLiteral("yyyy"));
        const QString quoted = u'\'' + content + u'\'';
        const QString call = QStringLiteral("TO_DATE('") + day + QStringLiteral("','DD/MM/YYYY')");
        result.replace(quoted, call, Qt::CaseInsensitive);
        from = open + call.size();
    }
    while (result.contains(QLatin1String("TO_DATE(TO_DATE("), Qt::CaseInsensitive)) {
        replaceAll(result, "TO_DATE(TO_DATE(", "TO_DATE(");
        replaceAll(result, "'DD/MM/YYYY'),'DD/MM/YYYY')", "'DD/MM/YYYY')");
    }
    return result;
}

QString OracleDialect::emptyTextTests(const QString& text)
{
    const qsizetype where = text.indexOf(QLatin1String("WHERE "), 0, Qt::CaseInsensitive);
    if (where < 0)
        return text;
    QString tail = text.mid(where);
    replaceAll(tail, "= ''", " IS NULL ");
    replaceAll(tail, "=''", " IS NULL ");
    return text.left(where) + tail;
}

QString OracleDialect::dateStyle103(const QString& text)
{
    static const QString format = QStringLiteral("'DD/MM/YYYY'");
    QString result = text;
    qsizetype at = result.indexOf(QLatin1String("103"));
    while (at >= 0) {
        const qsizetype paren = result.lastIndexOf(u'(', at);
        qsizetype next = at + 3;
        if (paren >= 7 && result.mid(paren - 7, 8).compare(QLatin1String("TO_CHAR("), Qt::CaseInsensitive) == 0) {
            result.replace(at, 3, format);
            next = at + format.size();
        }
        at = result.indexOf(QLatin1String("103"), next);
    }
    return result;
}

} // namespace data

#include "ado/DateText.h"

#include "ado/ValueText.h"

#include <QRegularExpression>

#include <cmath>

namespace ado {

namespace {
std::optional<QDateTime> build(int y, int mo, int d, int h, int mi, int s)
{
    const QDate date(y, mo, d);
    const QTime time(h, mi, s);
    if (!date.isValid() || !time.isValid())
        return std::nullopt;
    return QDateTime(date, time);
}
} // namespace

std::optional<QDateTime> DateText::parseStored(const char* p, int size)
{
    bool ok = false;
    const double serial = ValueText::dateSerial(p, size, ok);
    if (!ok)
        return std::nullopt;
    const qint64 seconds = qint64(std::llround(std::abs(serial - std::trunc(serial)) * 86400.0));
    return QDateTime(QDate(1899, 12, 30).addDays(qint64(std::trunc(serial))), QTime(0, 0).addSecs(int(seconds)));
}

std::optional<QDateTime> DateText::parseStored(const QString& text)
{
    const QByteArray bytes = text.trimmed().toLatin1();
    return parseStored(bytes.constData(), int(bytes.size()));
}

std::optional<QDateTime> DateText::parseLiteral(const QString& text)
{
    if (auto stored = parseStored(text))
        return stored;
    const QString t = text.trimmed();
    static const QRegularExpression compact(QStringLiteral("^(\\d{4})(\\d{2})(\\d{2})$"));
    if (const auto m = compact.match(t); m.hasMatch())
        return build(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt(), 0, 0, 0);
    static const QRegularExpression regional(
        QStringLiteral("^(\\d{1,2})/(\\d{1,2})/(\\d{4})(?:\\s+(\\d{1,2}):(\\d{2})(?::(\\d{2}))?)?$"));
    const auto m = regional.match(t);
    if (!m.hasMatch())
        return std::nullopt;
    return build(m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt(), m.captured(4).toInt(),
                 m.captured(5).toInt(), m.captured(6).toInt());
}

QString DateText::format(const QDateTime& value)
{
    return value.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

} // namespace ado

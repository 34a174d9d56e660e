#include "ado/DateText.h"

#include "ado/ValueText.h"

#include <QRegularExpression>

#include <cmath>

namespace ado {

namespace {
// A datetime keeps time in ticks of 1/300 s: .123 stays .123, .125 becomes .127, .999 the next second.
QTime withServerTicks(int h, int mi, int s, int ms, qint64& carryDays)
{
    const qint64 ticks = std::llround(ms * 0.3);
    const qint64 total = ((qint64(h) * 3600 + mi * 60 + s) * 1000) + std::llround(ticks / 0.3);
    carryDays = total / 86400000;
    return QTime::fromMSecsSinceStartOfDay(int(total % 86400000));
}

std::optional<QDateTime> build(int y, int mo, int d, int h, int mi, int s, int ms = 0)
{
    const QDate date(y, mo, d);
    if (!date.isValid() || h < 0 || h > 23 || mi < 0 || mi > 59 || s < 0 || s > 59 || ms < 0 || ms > 999)
        return std::nullopt;
    qint64 carry = 0;
    const QTime time = withServerTicks(h, mi, s, ms, carry);
    return QDateTime(date.addDays(carry), time);
}

int fraction(const QString& digits)
{
    return digits.isEmpty() ? 0 : digits.left(3).leftJustified(3, u'0').toInt();
}

int fullYear(const QString& digits)
{
    const int y = digits.toInt();
    if (digits.size() > 2)
        return y;
    return y < 50 ? 2000 + y : 1900 + y;
}

const QString& timePattern()
{
    static const QString pattern = QStringLiteral("(?:[ T]+(\\d{1,2}):(\\d{2})(?::(\\d{2})(?:[.:](\\d{1,7}))?)?\\s*([AaPp][Mm])?)?");
    return pattern;
}

int hourOf(const QRegularExpressionMatch& m, int at)
{
    int h = m.captured(at).toInt();
    const QString half = m.captured(at + 4).toUpper();
    if (half == QLatin1String("PM") && h < 12)
        h += 12;
    else if (half == QLatin1String("AM") && h == 12)
        h = 0;
    return h;
}
} // namespace

std::optional<QDateTime> DateText::parseStored(const char* p, int size)
{
    bool ok = false;
    const double serial = ValueText::dateSerial(p, size, ok);
    if (!ok)
        return std::nullopt;
    const qint64 msecs = qint64(std::llround(std::abs(serial - std::trunc(serial)) * 86400000.0));
    return QDateTime(QDate(1899, 12, 30).addDays(qint64(std::trunc(serial))), QTime(0, 0).addMSecs(int(msecs)));
}

std::optional<QDateTime> DateText::parseStored(const QString& text)
{
    const QByteArray bytes = text.trimmed().toLatin1();
    return parseStored(bytes.constData(), int(bytes.size()));
}

std::optional<QDateTime> DateText::parseLiteral(const QString& text, DateOrder order)
{
    const QString t = text.trimmed();
    static const QRegularExpression iso(QStringLiteral("^(\\d{4})-(\\d{1,2})-(\\d{1,2})") + timePattern() + u'$');
    if (const auto m = iso.match(t); m.hasMatch())
        return build(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt(), hourOf(m, 4),
                     m.captured(5).toInt(), m.captured(6).toInt(), fraction(m.captured(7)));
    static const QRegularExpression compact(QStringLiteral("^(\\d{4})(\\d{2})(\\d{2})") + timePattern() + u'$');
    if (const auto m = compact.match(t); m.hasMatch())
        return build(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt(), hourOf(m, 4),
                     m.captured(5).toInt(), m.captured(6).toInt(), fraction(m.captured(7)));
    static const QRegularExpression numeric(QStringLiteral("^(\\d{1,4})([/.-])(\\d{1,2})\\2(\\d{1,4})") + timePattern() + u'$');
    if (const auto m = numeric.match(t); m.hasMatch()) {
        const QString a = m.captured(1), b = m.captured(3), c = m.captured(4);
        int y = 0, mo = 0, d = 0;
        if (a.size() == 4 || order == DateOrder::YMD) {
            y = fullYear(a), mo = b.toInt(), d = c.toInt();
        } else if (order == DateOrder::MDY) {
            mo = a.toInt(), d = b.toInt(), y = fullYear(c);
        } else {
            d = a.toInt(), mo = b.toInt(), y = fullYear(c);
        }
        return build(y, mo, d, hourOf(m, 5), m.captured(6).toInt(), m.captured(7).toInt(), fraction(m.captured(8)));
    }
    static const QRegularExpression timeOnly(QStringLiteral("^(\\d{1,2}):(\\d{2})(?::(\\d{2})(?:[.:](\\d{1,7}))?)?\\s*([AaPp][Mm])?$"));
    if (const auto m = timeOnly.match(t); m.hasMatch())
        return build(1900, 1, 1, hourOf(m, 1), m.captured(2).toInt(), m.captured(3).toInt(), fraction(m.captured(4)));
    return std::nullopt;
}

QString DateText::format(const QDateTime& value)
{
    if (value.time().msec() != 0)
        return value.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
    return value.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

} // namespace ado

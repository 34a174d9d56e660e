#include "ado/ServerConversions.h"

#include "ado/DateText.h"
#include "ado/ServerError.h"
#include "ado/ServerMessages.h"

#include <QRegularExpression>

#include <cmath>

namespace ado {

namespace {
[[noreturn]] void dateFailure()
{
    throw ServerError(241, ServerMessages::dateConversion());
}

// Days from the server's day zero, the number a date converts to.
double daysFromZero(const QDateTime& date)
{
    return double(DateText::dayZero().msecsTo(date)) / 86400000.0;
}

QString twelveHour(const QTime& t, bool seconds)
{
    const int h = t.hour() % 12 == 0 ? 12 : t.hour() % 12;
    QString out = QStringLiteral("%1:%2").arg(h, 2, 10, QChar(u' ')).arg(t.minute(), 2, 10, QChar(u'0'));
    if (seconds)
        out += QStringLiteral(":%1:%2").arg(t.second(), 2, 10, QChar(u'0')).arg(t.msec(), 3, 10, QChar(u'0'));
    return out + (t.hour() < 12 ? QStringLiteral("AM") : QStringLiteral("PM"));
}

QString withThousands(const QString& number)
{
    const bool negative = number.startsWith(u'-');
    QString whole = (negative ? number.mid(1) : number).section(u'.', 0, 0);
    const QString fraction = number.contains(u'.') ? u'.' + number.section(u'.', 1) : QString();
    for (qsizetype i = whole.size() - 3; i > 0; i -= 3)
        whole.insert(i, u',');
    return (negative ? QStringLiteral("-") : QString()) + whole + fraction;
}

QString threeDigitExponent(QString text)
{
    static const QRegularExpression exponent(QStringLiteral("e([+-])(\\d+)$"));
    const auto m = exponent.match(text);
    if (m.hasMatch())
        text.replace(m.capturedStart(), m.capturedLength(), QStringLiteral("e%1%2").arg(m.captured(1), m.captured(2).rightJustified(3, u'0')));
    return text;
}
} // namespace

QVariant ServerConversions::convert(const QString& rawType, const QVariant& value, int style, const QString& source,
                                    const SessionOptions& options)
{
    if (!value.isValid())
        return {};
    const SqlType target = SqlType::fromDeclared(rawType);
    const SqlType from = SqlType::fromDeclared(source);
    switch (target.kind) {
    case SqlType::Text: return toText(rawType, value, style, from, options);
    case SqlType::Date: {
        const QVariant date = toDateValue(target, value, style, options);
        if (rawType.trimmed().compare(QLatin1String("date"), Qt::CaseInsensitive) != 0)
            return date;
        return QVariant(DateText::format(DateText::parseStored(date.toString())->date()));   // date: without the time
    }
    case SqlType::Integer:
    case SqlType::Bit: return toInteger(value, from, target);
    case SqlType::Money:
    case SqlType::Decimal:
    case SqlType::Float: return toExactNumber(target, value, from);
    case SqlType::Unknown: break;
    }
    return value;
}

std::optional<QDateTime> ServerConversions::toDate(const QVariant& value, const SessionOptions& options, int style)
{
    if (value.typeId() == QMetaType::LongLong || value.typeId() == QMetaType::Double)
        return DateText::dayZero().addMSecs(qint64(std::llround(value.toDouble() * 86400000.0)));
    const QString text = value.toString().trimmed();
    DateOrder order = options.dateOrder;
    switch (style % 100) {
    case 1: case 10: order = DateOrder::MDY; break;
    case 3: case 4: case 5: order = DateOrder::DMY; break;
    case 2: case 11: order = DateOrder::YMD; break;
    default: break;
    }
    return DateText::parseLiteral(text, order);
}

QVariant ServerConversions::toDateValue(const SqlType&, const QVariant& value, int style, const SessionOptions& options)
{
    const auto date = toDate(value, options, style);
    if (!date || !date->isValid())
        dateFailure();
    return QVariant(DateText::format(*date));
}

QVariant ServerConversions::toInteger(const QVariant& value, const SqlType& source, const SqlType& target)
{
    qint64 n = 0;
    if (value.typeId() == QMetaType::LongLong) {
        n = value.toLongLong();
    } else if (value.typeId() == QMetaType::Double) {
        const double d = value.toDouble();
        n = source.kind == SqlType::Money ? std::llround(d) : qint64(std::trunc(d));
    } else if (source.isDate()) {
        const auto date = DateText::parseStored(value.toString());
        if (!date)
            dateFailure();
        n = std::llround(daysFromZero(*date));
    } else {
        const QString text = value.toString().trimmed();
        bool ok = false;
        n = text.toLongLong(&ok);
        if (!ok && target.kind == SqlType::Bit && (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0
                                                   || text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)) {
            n = text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0 ? 1 : 0;
            ok = true;
        }
        if (!ok)
            throw ServerError(245, ServerMessages::valueConversion(
                                       value.toString(), target.kind == SqlType::Bit ? QStringLiteral("bit") : QStringLiteral("int")));
    }
    if (target.kind == SqlType::Bit)
        return QVariant(qint64(n != 0 ? 1 : 0));
    const qint64 limit = target.precision >= 19 ? 0 : target.precision == 5 ? 32767 : target.precision == 3 ? 255 : 2147483647LL;
    const qint64 low = target.precision == 3 ? 0 : -limit - 1;
    if (limit > 0 && (n > limit || n < low) && target.precision < 10)
        throw ServerError(220, ServerMessages::overflowValue(target.declaration(), n));
    if (limit > 0 && (n > limit || n < low))
        throw ServerError(8115, ServerMessages::overflowConverting(target.declaration()));
    return QVariant(n);
}

QVariant ServerConversions::toExactNumber(const SqlType& target, const QVariant& value, const SqlType& source)
{
    QString text;
    if (value.typeId() == QMetaType::LongLong || value.typeId() == QMetaType::Double) {
        text = plainNumberText(value);
    } else if (source.isDate()) {
        const auto date = DateText::parseStored(value.toString());
        if (!date)
            dateFailure();
        text = QString::number(daysFromZero(*date), 'f', 10);
    } else {
        text = value.toString().trimmed();
        bool ok = false;
        text.toDouble(&ok);
        if (!ok) {
            if (target.kind == SqlType::Money)
                throw ServerError(235, ServerMessages::moneySyntax());
            throw ServerError(8114, ServerMessages::typeConversion(
                                        target.kind == SqlType::Float ? QStringLiteral("float") : QStringLiteral("numeric")));
        }
    }
    if (target.kind == SqlType::Float)
        return QVariant(text.toDouble());
    const int scale = target.kind == SqlType::Money ? 4 : target.scale;
    return QVariant(roundedText(text, scale).toDouble());
}

QVariant ServerConversions::toText(const QString& rawType, const QVariant& value, int style, const SqlType& source,
                                   const SessionOptions& options)
{
    QString text = textOf(value, style, source, options);
    const SqlType target = SqlType::fromDeclared(rawType);
    const bool sized = rawType.contains(u'(');
    const int length = !sized ? 30 : target.length;
    if (length >= 0 && text.size() > length) {
        const bool integer = source.kind == SqlType::Integer || (!source.isKnown() && value.typeId() == QMetaType::LongLong);
        const bool exact = source.kind == SqlType::Money || source.kind == SqlType::Decimal || source.kind == SqlType::Float;
        if (exact)
            throw ServerError(8115, ServerMessages::overflowToVarchar());
        text = integer ? QStringLiteral("*") : text.left(length);
    }
    if (target.fixed && length >= 0)
        text = text.leftJustified(length, u' ');
    return QVariant(text);
}

QString ServerConversions::textOf(const QVariant& value, int style, const SqlType& source, const SessionOptions& options)
{
    const bool text = value.typeId() == QMetaType::QString;
    if (source.isDate() || (!source.isKnown() && style != 0 && text && DateText::parseStored(value.toString()))) {
        const auto date = toDate(value, options);
        return date ? formatDate(*date, style, options) : value.toString();
    }
    switch (source.kind) {
    case SqlType::Money: return moneyText(value, style);
    case SqlType::Decimal: return text ? value.toString().trimmed() : roundedText(plainNumberText(value), source.scale);
    case SqlType::Float: return floatText(value.toDouble(), style);
    case SqlType::Bit: return value.toDouble() != 0 ? QStringLiteral("1") : QStringLiteral("0");
    default: break;
    }
    if (value.typeId() == QMetaType::Double)
        return QString::number(value.toDouble(), 'g', 15);
    return value.toString();
}

QString ServerConversions::plainNumberText(const QVariant& value)
{
    if (value.typeId() == QMetaType::LongLong)
        return QString::number(value.toLongLong());
    if (value.typeId() == QMetaType::Double)
        return QString::number(value.toDouble(), 'f', 10);
    return value.toString().trimmed();
}

// money as text: two decimals (style 0), with thousands separators (1), or four (2).
QString ServerConversions::moneyText(const QVariant& value, int style)
{
    const QString four = roundedText(plainNumberText(value), 4);
    if (style == 2)
        return four;
    const QString two = roundedText(four, 2);
    return style == 1 ? withThousands(two) : two;
}

// float as text: at most six significant digits (style 0), eight (1) or sixteen (2) in
// scientific notation, the exponent with three digits.
QString ServerConversions::floatText(double value, int style)
{
    if (style == 1)
        return threeDigitExponent(QString::asprintf("%.7e", value));
    if (style == 2)
        return threeDigitExponent(QString::asprintf("%.15e", value));
    return threeDigitExponent(QString::asprintf("%.6g", value));
}

QString ServerConversions::roundedText(const QString& text, int scale)
{
    static const QRegularExpression decimalText(QStringLiteral("^-?\\d+(\\.\\d*)?$"));
    QString plain = decimalText.match(text).hasMatch() ? text : QString::number(text.toDouble(), 'f', 15);
    if (!plain.contains(u'.'))
        plain += u'.';
    const bool negative = plain.startsWith(u'-');
    const QString digits = negative ? plain.mid(1) : plain;
    const qsizetype point = digits.indexOf(u'.');
    QString kept = digits.left(point) + digits.mid(point + 1, scale).leftJustified(scale, u'0');
    const bool up = point + 1 + scale < digits.size() && digits[point + 1 + scale] >= u'5';
    for (qsizetype i = kept.size() - 1; up && i >= 0; --i) {
        if (kept[i] != u'9') {
            kept[i] = QChar(kept[i].unicode() + 1);
            break;
        }
        kept[i] = u'0';
        if (i == 0)
            kept.prepend(u'1');
    }
    const qsizetype whole = kept.size() - scale;
    QString out = kept.left(whole) + (scale > 0 ? u'.' + kept.mid(whole) : QString());
    const bool zero = !out.contains(QRegularExpression(QStringLiteral("[1-9]")));
    return (negative && !zero ? QStringLiteral("-") : QString()) + out;
}

QString ServerConversions::formatDate(const QDateTime& date, int style, const SessionOptions& options)
{
    const QDate d = date.date();
    const QTime t = date.time();
    const bool century = style >= 100 || style == 0 || style == 9 || style == 13 || style == 20 || style == 21 || style == 23;
    const QString year = century ? QString::number(d.year()) : QStringLiteral("%1").arg(d.year() % 100, 2, 10, QChar(u'0'));
    const QString dd = QStringLiteral("%1").arg(d.day(), 2, 10, QChar(u'0'));
    const QString mm = QStringLiteral("%1").arg(d.month(), 2, 10, QChar(u'0'));
    const QString mon = options.shortMonthName(d.month());
    const QString hms = t.toString(QStringLiteral("HH:mm:ss"));
    switch (style % 100) {
    case 0: return QStringLiteral("%1 %2 %3 %4").arg(mon).arg(d.day(), 2, 10, QChar(u' ')).arg(d.year()).arg(twelveHour(t, false));
    case 1: return mm + u'/' + dd + u'/' + year;
    case 2: return year + u'.' + mm + u'.' + dd;
    case 3: return dd + u'/' + mm + u'/' + year;
    case 4: return dd + u'.' + mm + u'.' + year;
    case 5: return dd + u'-' + mm + u'-' + year;
    case 6: return dd + u' ' + mon + u' ' + year;
    case 7: return mon + u' ' + dd + QStringLiteral(", ") + year;
    case 8: return hms;
    case 9: return QStringLiteral("%1 %2 %3 %4").arg(mon).arg(d.day(), 2, 10, QChar(u' ')).arg(d.year()).arg(twelveHour(t, true));
    case 10: return mm + u'-' + dd + u'-' + year;
    case 11: return year + u'/' + mm + u'/' + dd;
    case 12: return year + mm + dd;
    case 13: return dd + u' ' + mon + u' ' + year + u' ' + t.toString(QStringLiteral("HH:mm:ss:zzz"));
    case 14: return t.toString(QStringLiteral("HH:mm:ss:zzz"));
    case 20: return date.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    case 21: return date.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
    case 23: return date.toString(QStringLiteral("yyyy-MM-dd"));
    case 26: return date.toString(t.msec() ? QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzz") : QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
    default: return DateText::format(date);
    }
}

} // namespace ado

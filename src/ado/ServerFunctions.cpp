#include "ado/ServerFunctions.h"

#include "ado/DateText.h"
#include "ado/LikePattern.h"
#include "ado/ServerText.h"

#include <QRegularExpression>
#include <sqlite3.h>

#include <cmath>
#include <stdexcept>

namespace ado {

namespace {
// Function errors carry the server's native number in front, "[245] ...", so that the
// engine can report them as the server would.
struct ServerError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

QString textArg(sqlite3_value* v)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_value_text(v)), sqlite3_value_bytes(v));
}

QVariant valueArg(sqlite3_value* v)
{
    switch (sqlite3_value_type(v)) {
    case SQLITE_INTEGER: return QVariant(qint64(sqlite3_value_int64(v)));
    case SQLITE_FLOAT: return QVariant(sqlite3_value_double(v));
    case SQLITE_NULL: return QVariant();
    default: return QVariant(textArg(v));
    }
}

bool anyNull(int argc, sqlite3_value** argv)
{
    for (int i = 0; i < argc; ++i)
        if (sqlite3_value_type(argv[i]) == SQLITE_NULL)
            return true;
    return false;
}

void resultText(sqlite3_context* ctx, const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    sqlite3_result_text(ctx, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
}

void resultVariant(sqlite3_context* ctx, const QVariant& value)
{
    if (!value.isValid())
        sqlite3_result_null(ctx);
    else if (value.typeId() == QMetaType::LongLong)
        sqlite3_result_int64(ctx, value.toLongLong());
    else if (value.typeId() == QMetaType::Double)
        sqlite3_result_double(ctx, value.toDouble());
    else
        resultText(ctx, value.toString());
}

std::optional<QDateTime> dateArg(sqlite3_value* v)
{
    return DateText::parseLiteral(textArg(v));
}

template <class F>
void guarded(sqlite3_context* ctx, F&& body)
{
    try {
        body();
    } catch (const std::exception& e) {
        sqlite3_result_error(ctx, e.what(), -1);
    }
}

void getDate(sqlite3_context* ctx, int, sqlite3_value**)
{
    resultText(ctx, DateText::format(QDateTime::currentDateTime()));
}

void len(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (anyNull(argc, argv))
        return sqlite3_result_null(ctx);
    sqlite3_result_int64(ctx, ServerText::withoutTrailingBlanks(textArg(argv[0])).size());
}

void isNull(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    sqlite3_result_value(ctx, sqlite3_value_type(argv[0]) == SQLITE_NULL ? argv[1] : argv[0]);
}

void charIndex(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (anyNull(argc, argv))
        return sqlite3_result_null(ctx);
    const QString needle = textArg(argv[0]);
    const QString haystack = textArg(argv[1]);
    const qsizetype start = argc > 2 ? std::max<qint64>(sqlite3_value_int64(argv[2]) - 1, 0) : 0;
    if (needle.isEmpty())
        return sqlite3_result_int64(ctx, 0);
    sqlite3_result_int64(ctx, haystack.indexOf(needle, start, Qt::CaseInsensitive) + 1);
}

void leftOrRight(sqlite3_context* ctx, sqlite3_value** argv, bool left)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL)
        return sqlite3_result_null(ctx);
    const qint64 n = sqlite3_value_int64(argv[1]);
    if (n < 0)
        return sqlite3_result_error(ctx, "[536] Invalid length parameter passed to the LEFT or RIGHT function.", -1);
    const QString text = textArg(argv[0]);
    resultText(ctx, left ? text.left(n) : text.right(n));
}

void leftText(sqlite3_context* ctx, int, sqlite3_value** argv) { leftOrRight(ctx, argv, true); }
void rightText(sqlite3_context* ctx, int, sqlite3_value** argv) { leftOrRight(ctx, argv, false); }

void replicate(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (anyNull(argc, argv) || sqlite3_value_int64(argv[1]) < 0)
        return sqlite3_result_null(ctx);
    resultText(ctx, textArg(argv[0]).repeated(std::min<qint64>(sqlite3_value_int64(argv[1]), 8000)));
}

void upper(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL)
        return sqlite3_result_null(ctx);
    resultText(ctx, textArg(argv[0]).toUpper());
}

void lower(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL)
        return sqlite3_result_null(ctx);
    resultText(ctx, textArg(argv[0]).toLower());
}

void datePart(sqlite3_context* ctx, sqlite3_value* v, int part)
{
    if (sqlite3_value_type(v) == SQLITE_NULL)
        return sqlite3_result_null(ctx);
    const auto d = dateArg(v);
    if (!d)
        return sqlite3_result_error(ctx, "[241] Conversion failed when converting date and/or time from character string.", -1);
    const QDate date = d->date();
    sqlite3_result_int(ctx, part == 0 ? date.year() : part == 1 ? date.month() : date.day());
}

void year(sqlite3_context* ctx, int, sqlite3_value** argv) { datePart(ctx, argv[0], 0); }
void month(sqlite3_context* ctx, int, sqlite3_value** argv) { datePart(ctx, argv[0], 1); }
void day(sqlite3_context* ctx, int, sqlite3_value** argv) { datePart(ctx, argv[0], 2); }

void sqlConvert(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    guarded(ctx, [&] {
        const int style = argc > 2 && sqlite3_value_type(argv[2]) != SQLITE_NULL ? sqlite3_value_int(argv[2]) : 0;
        resultVariant(ctx, ServerFunctions::convert(textArg(argv[0]), valueArg(argv[1]), style));
    });
}

void sqlDateAdd(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (anyNull(argc, argv))
        return sqlite3_result_null(ctx);
    guarded(ctx, [&] {
        const auto d = dateArg(argv[2]);
        if (!d)
            throw ServerError("[241] Conversion failed when converting date and/or time from character string.");
        resultText(ctx, DateText::format(ServerFunctions::dateAdd(textArg(argv[0]), sqlite3_value_int64(argv[1]), *d)));
    });
}

void sqlDateDiff(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (anyNull(argc, argv))
        return sqlite3_result_null(ctx);
    guarded(ctx, [&] {
        const auto a = dateArg(argv[1]);
        const auto b = dateArg(argv[2]);
        if (!a || !b)
            throw ServerError("[241] Conversion failed when converting date and/or time from character string.");
        sqlite3_result_int64(ctx, ServerFunctions::dateDiff(textArg(argv[0]), *a, *b));
    });
}

// The pattern of a statement's LIKE is the same on every row: it is compiled once and kept
// with the statement (SQLite drops it when the pattern argument changes).
void like(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (anyNull(argc, argv))
        return sqlite3_result_null(ctx);
    const QString escapeText = argc > 2 ? textArg(argv[2]) : QString();
    const QChar escape = escapeText.isEmpty() ? QChar() : escapeText[0];
    auto* pattern = static_cast<LikePattern*>(sqlite3_get_auxdata(ctx, 0));
    if (!pattern || pattern->escape() != escape) {
        sqlite3_set_auxdata(ctx, 0, new LikePattern(textArg(argv[0]), escape), [](void* p) { delete static_cast<LikePattern*>(p); });
        pattern = static_cast<LikePattern*>(sqlite3_get_auxdata(ctx, 0));   // null when SQLite could not keep it
    }
    if (!pattern) {
        sqlite3_result_int(ctx, ServerText::like(textArg(argv[1]), textArg(argv[0]), escape));
        return;
    }
    const auto* value = reinterpret_cast<const char*>(sqlite3_value_text(argv[1]));
    sqlite3_result_int(ctx, pattern->matchesUtf8(value, sqlite3_value_bytes(argv[1])));
}

void add(sqlite3* db, const char* name, int args, void (*fn)(sqlite3_context*, int, sqlite3_value**), bool deterministic = true)
{
    const int flags = SQLITE_UTF8 | (deterministic ? SQLITE_DETERMINISTIC : 0);
    sqlite3_create_function_v2(db, name, args, flags, nullptr, fn, nullptr, nullptr, nullptr);
}
} // namespace

void ServerFunctions::registerAll(sqlite3* db)
{
    add(db, "GETDATE", 0, getDate, false);
    add(db, "LEN", 1, len);
    add(db, "ISNULL", 2, isNull);
    add(db, "CHARINDEX", 2, charIndex);
    add(db, "CHARINDEX", 3, charIndex);
    for (const char* name : {"LEFT", "SRV_LEFT"})
        add(db, name, 2, leftText);
    for (const char* name : {"RIGHT", "SRV_RIGHT"})
        add(db, name, 2, rightText);
    add(db, "REPLICATE", 2, replicate);
    add(db, "UPPER", 1, upper);
    add(db, "LOWER", 1, lower);
    add(db, "YEAR", 1, year);
    add(db, "MONTH", 1, month);
    add(db, "DAY", 1, day);
    add(db, "SRV_CONVERT", 2, sqlConvert);
    add(db, "SRV_CONVERT", 3, sqlConvert);
    add(db, "SRV_DATEADD", 3, sqlDateAdd);
    add(db, "SRV_DATEDIFF", 3, sqlDateDiff);
    add(db, "like", 2, like);
    add(db, "like", 3, like);
}

QVariant ServerFunctions::convert(const QString& rawType, const QVariant& value, int style)
{
    if (!value.isValid())
        return {};
    const QString type = rawType.section(u'(', 0, 0).trimmed().toLower();
    if (type.contains(QLatin1String("char")) || type.contains(QLatin1String("text")))
        return convertToText(rawType, value, style);
    if (type.contains(QLatin1String("date")) || type.contains(QLatin1String("time")))
        return convertToDate(type, value, style);
    if (type.contains(QLatin1String("int")) || type == QLatin1String("bit"))
        return convertToInteger(value);
    const QString text = value.typeId() == QMetaType::Double ? QString::number(value.toDouble(), 'g', 15) : value.toString().trimmed();
    bool ok = false;
    const double d = text.toDouble(&ok);
    if (!ok)
        throw ServerError(QStringLiteral("[8114] Error converting data type varchar to numeric.").toStdString());
    if (!rawType.contains(u'('))
        return QVariant(d);
    return QVariant(roundedText(text, rawType.section(u',', 1, 1).remove(u')').trimmed().toInt()).toDouble());
}

// Rounds the decimal text itself, half away from zero, as the server does: 1.005 to two
// places is 1.01, which rounding the nearest double (1.00499...) would miss.
QString ServerFunctions::roundedText(const QString& text, int scale)
{
    static const QRegularExpression decimalText(QStringLiteral("^-?\\d+(\\.\\d*)?$"));
    QString plain = decimalText.match(text).hasMatch() ? text : QString::number(text.toDouble(), 'f', 15);
    if (!plain.contains(u'.'))
        plain += u'.';
    const bool negative = plain.startsWith(u'-');
    const QString digits = negative ? plain.mid(1) : plain;
    const qsizetype point = digits.indexOf(u'.');
    QString kept = digits.left(point) + digits.mid(point + 1, scale);
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
    return (negative ? QStringLiteral("-") : QString()) + kept.left(whole) + (scale > 0 ? u'.' + kept.mid(whole) : QString());
}

QVariant ServerFunctions::convertToText(const QString& rawType, const QVariant& value, int style)
{
    QString text = value.toString();
    if (style != 0 && value.typeId() == QMetaType::QString)
        if (const auto date = DateText::parseStored(text))
            text = formatDate(*date, style);
    const QString size = rawType.section(u'(', 1, 1).remove(u')').trimmed();
    const bool fixed = rawType.trimmed().startsWith(QLatin1String("char"), Qt::CaseInsensitive)
                       || rawType.trimmed().startsWith(QLatin1String("nchar"), Qt::CaseInsensitive);
    const int length = size.compare(QLatin1String("max"), Qt::CaseInsensitive) == 0 ? -1 : (size.isEmpty() ? 30 : size.toInt());
    if (length >= 0) {
        text = text.left(length);
        if (fixed)
            text = text.leftJustified(length, u' ');
    }
    return QVariant(text);
}

QVariant ServerFunctions::convertToDate(const QString& type, const QVariant& value, int style)
{
    const QString text = value.toString().trimmed();
    std::optional<QDateTime> date;
    static const QRegularExpression us(QStringLiteral("^(\\d{1,2})/(\\d{1,2})/(\\d{4})$"));
    if (style == 101) {
        if (const auto m = us.match(text); m.hasMatch())
            date = QDateTime(QDate(m.captured(3).toInt(), m.captured(1).toInt(), m.captured(2).toInt()), QTime(0, 0));
    } else {
        date = DateText::parseLiteral(text);
    }
    if (!date || !date->isValid())
        throw ServerError("[241] Conversion failed when converting date and/or time from character string.");
    if (type == QLatin1String("date"))
        date->setTime(QTime(0, 0));
    return QVariant(DateText::format(*date));
}

QVariant ServerFunctions::convertToInteger(const QVariant& value)
{
    if (value.typeId() == QMetaType::LongLong)
        return value;
    if (value.typeId() == QMetaType::Double)
        return QVariant(qint64(std::trunc(value.toDouble())));
    bool ok = false;
    const qint64 n = value.toString().trimmed().toLongLong(&ok);
    if (!ok)
        throw ServerError(QStringLiteral("[245] Conversion failed when converting the varchar value '%1' to data type int.")
                              .arg(value.toString()).toStdString());
    return QVariant(n);
}

QString ServerFunctions::formatDate(const QDateTime& date, int style)
{
    switch (style) {
    case 101: return date.toString(QStringLiteral("MM/dd/yyyy"));
    case 102: return date.toString(QStringLiteral("yyyy.MM.dd"));
    case 103: return date.toString(QStringLiteral("dd/MM/yyyy"));
    case 104: return date.toString(QStringLiteral("dd.MM.yyyy"));
    case 105: return date.toString(QStringLiteral("dd-MM-yyyy"));
    case 108: return date.toString(QStringLiteral("HH:mm:ss"));
    case 112: return date.toString(QStringLiteral("yyyyMMdd"));
    case 23: return date.toString(QStringLiteral("yyyy-MM-dd"));
    default: return DateText::format(date);
    }
}

QString ServerFunctions::canonicalUnit(const QString& unit)
{
    const QString u = unit.trimmed().toLower();
    if (u == QLatin1String("dd") || u == QLatin1String("d") || u == QLatin1String("day"))
        return QStringLiteral("day");
    if (u == QLatin1String("mm") || u == QLatin1String("m") || u == QLatin1String("month"))
        return QStringLiteral("month");
    if (u == QLatin1String("yy") || u == QLatin1String("yyyy") || u == QLatin1String("year"))
        return QStringLiteral("year");
    if (u == QLatin1String("wk") || u == QLatin1String("ww") || u == QLatin1String("week"))
        return QStringLiteral("week");
    if (u == QLatin1String("hh") || u == QLatin1String("hour"))
        return QStringLiteral("hour");
    if (u == QLatin1String("mi") || u == QLatin1String("n") || u == QLatin1String("minute"))
        return QStringLiteral("minute");
    if (u == QLatin1String("ss") || u == QLatin1String("s") || u == QLatin1String("second"))
        return QStringLiteral("second");
    throw ServerError(QStringLiteral("[155] '%1' is not a recognized datepart option.").arg(unit).toStdString());
}

QDateTime ServerFunctions::dateAdd(const QString& unit, qint64 amount, const QDateTime& date)
{
    const QString u = canonicalUnit(unit);
    if (u == QLatin1String("day"))
        return date.addDays(amount);
    if (u == QLatin1String("week"))
        return date.addDays(amount * 7);
    if (u == QLatin1String("month"))
        return date.addMonths(int(amount));
    if (u == QLatin1String("year"))
        return date.addYears(int(amount));
    const qint64 seconds = u == QLatin1String("hour") ? 3600 : u == QLatin1String("minute") ? 60 : 1;
    return date.addSecs(amount * seconds);
}

// Counts boundaries crossed, as the server does: DATEDIFF(month, '2024-01-31', '2024-02-01') is 1.
qint64 ServerFunctions::dateDiff(const QString& unit, const QDateTime& from, const QDateTime& to)
{
    const QString u = canonicalUnit(unit);
    const qint64 days = from.date().daysTo(to.date());
    if (u == QLatin1String("day"))
        return days;
    if (u == QLatin1String("week"))
        return (days + from.date().dayOfWeek() % 7 - to.date().dayOfWeek() % 7) / 7;
    if (u == QLatin1String("month"))
        return (to.date().year() - from.date().year()) * 12 + to.date().month() - from.date().month();
    if (u == QLatin1String("year"))
        return to.date().year() - from.date().year();
    const qint64 hours = days * 24 + to.time().hour() - from.time().hour();
    if (u == QLatin1String("hour"))
        return hours;
    const qint64 minutes = hours * 60 + to.time().minute() - from.time().minute();
    if (u == QLatin1String("minute"))
        return minutes;
    return minutes * 60 + to.time().second() - from.time().second();
}

} // namespace ado

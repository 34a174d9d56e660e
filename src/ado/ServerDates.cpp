#include "ado/ServerDates.h"

#include "ado/ServerError.h"
#include "ado/ServerMessages.h"

#include <QHash>

namespace ado {

QString ServerDates::canonical(const QString& unit)
{
    static const QHash<QString, QString> units{
        {QStringLiteral("year"), QStringLiteral("year")}, {QStringLiteral("yy"), QStringLiteral("year")},
        {QStringLiteral("yyyy"), QStringLiteral("year")}, {QStringLiteral("quarter"), QStringLiteral("quarter")},
        {QStringLiteral("qq"), QStringLiteral("quarter")}, {QStringLiteral("q"), QStringLiteral("quarter")},
        {QStringLiteral("month"), QStringLiteral("month")}, {QStringLiteral("mm"), QStringLiteral("month")},
        {QStringLiteral("m"), QStringLiteral("month")}, {QStringLiteral("dayofyear"), QStringLiteral("dayofyear")},
        {QStringLiteral("dy"), QStringLiteral("dayofyear")}, {QStringLiteral("y"), QStringLiteral("dayofyear")},
        {QStringLiteral("day"), QStringLiteral("day")}, {QStringLiteral("dd"), QStringLiteral("day")},
        {QStringLiteral("d"), QStringLiteral("day")}, {QStringLiteral("week"), QStringLiteral("week")},
        {QStringLiteral("wk"), QStringLiteral("week")}, {QStringLiteral("ww"), QStringLiteral("week")},
        {QStringLiteral("weekday"), QStringLiteral("weekday")}, {QStringLiteral("dw"), QStringLiteral("weekday")},
        {QStringLiteral("w"), QStringLiteral("weekday")}, {QStringLiteral("hour"), QStringLiteral("hour")},
        {QStringLiteral("hh"), QStringLiteral("hour")}, {QStringLiteral("minute"), QStringLiteral("minute")},
        {QStringLiteral("mi"), QStringLiteral("minute")}, {QStringLiteral("n"), QStringLiteral("minute")},
        {QStringLiteral("second"), QStringLiteral("second")}, {QStringLiteral("ss"), QStringLiteral("second")},
        {QStringLiteral("s"), QStringLiteral("second")}, {QStringLiteral("millisecond"), QStringLiteral("millisecond")},
        {QStringLiteral("ms"), QStringLiteral("millisecond")}, {QStringLiteral("iso_week"), QStringLiteral("iso_week")},
        {QStringLiteral("isowk"), QStringLiteral("iso_week")}, {QStringLiteral("isoww"), QStringLiteral("iso_week")}};
    const auto found = units.constFind(unit.trimmed().toLower());
    if (found == units.constEnd())
        throw ServerError(155, ServerMessages::unknownDatePart(unit));
    return *found;
}

QDateTime ServerDates::add(const QString& unit, qint64 amount, const QDateTime& date)
{
    const QString u = canonical(unit);
    if (u == QLatin1String("year"))
        return date.addYears(int(amount));
    if (u == QLatin1String("quarter"))
        return date.addMonths(int(amount * 3));
    if (u == QLatin1String("month"))
        return date.addMonths(int(amount));
    if (u == QLatin1String("week"))
        return date.addDays(amount * 7);
    if (u == QLatin1String("day") || u == QLatin1String("dayofyear") || u == QLatin1String("weekday"))
        return date.addDays(amount);
    if (u == QLatin1String("millisecond"))
        return date.addMSecs(amount);
    if (u == QLatin1String("iso_week"))
        throw ServerError(9810, ServerMessages::isoWeekUnsupported(QStringLiteral("dateadd")));
    const qint64 seconds = u == QLatin1String("hour") ? 3600 : u == QLatin1String("minute") ? 60 : 1;
    return date.addSecs(amount * seconds);
}

qint64 ServerDates::difference(const QString& unit, const QDateTime& from, const QDateTime& to)
{
    const QString u = canonical(unit);
    const QDate a = from.date();
    const QDate b = to.date();
    const qint64 days = a.daysTo(b);
    if (u == QLatin1String("year"))
        return b.year() - a.year();
    if (u == QLatin1String("quarter"))
        return (b.year() - a.year()) * 4 + (b.month() - 1) / 3 - (a.month() - 1) / 3;
    if (u == QLatin1String("month"))
        return (b.year() - a.year()) * 12 + b.month() - a.month();
    if (u == QLatin1String("week"))   // Sunday boundaries, whatever DATEFIRST says
        return (days + a.dayOfWeek() % 7 - b.dayOfWeek() % 7) / 7;
    if (u == QLatin1String("day") || u == QLatin1String("dayofyear") || u == QLatin1String("weekday"))
        return days;
    if (u == QLatin1String("iso_week"))
        throw ServerError(9810, ServerMessages::isoWeekUnsupported(QStringLiteral("datediff")));
    const qint64 hours = days * 24 + to.time().hour() - from.time().hour();
    if (u == QLatin1String("hour"))
        return hours;
    const qint64 minutes = hours * 60 + to.time().minute() - from.time().minute();
    if (u == QLatin1String("minute"))
        return minutes;
    const qint64 seconds = minutes * 60 + to.time().second() - from.time().second();
    if (u == QLatin1String("second"))
        return seconds;
    return seconds * 1000 + to.time().msec() - from.time().msec();
}

qint64 ServerDates::part(const QString& unit, const QDateTime& date, const SessionOptions& options)
{
    const QString u = canonical(unit);
    const QDate d = date.date();
    if (u == QLatin1String("year"))
        return d.year();
    if (u == QLatin1String("quarter"))
        return (d.month() - 1) / 3 + 1;
    if (u == QLatin1String("month"))
        return d.month();
    if (u == QLatin1String("dayofyear"))
        return d.dayOfYear();
    if (u == QLatin1String("day"))
        return d.day();
    if (u == QLatin1String("weekday"))
        return options.weekday(d.dayOfWeek());
    if (u == QLatin1String("week")) {
        // Week 1 holds January 1st; weeks start on the session's first day of the week.
        const int firstWeekday = options.weekday(QDate(d.year(), 1, 1).dayOfWeek());
        return (d.dayOfYear() - 1 + firstWeekday - 1) / 7 + 1;
    }
    if (u == QLatin1String("iso_week"))
        return d.weekNumber();
    if (u == QLatin1String("hour"))
        return date.time().hour();
    if (u == QLatin1String("minute"))
        return date.time().minute();
    if (u == QLatin1String("second"))
        return date.time().second();
    return date.time().msec();
}

QString ServerDates::name(const QString& unit, const QDateTime& date, const SessionOptions& options)
{
    const QString u = canonical(unit);
    if (u == QLatin1String("month"))
        return options.monthName(date.date().month());
    if (u == QLatin1String("weekday"))
        return options.dayName(date.date().dayOfWeek());
    return QString::number(part(unit, date, options));
}

} // namespace ado

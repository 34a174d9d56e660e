#include "vb/DateTime.h"
#include "vb/Conversions.h"
#include "vb/Error.h"
#include "vb/Regional.h"

#include <QDate>
#include <cmath>
#include <optional>

namespace vb {

namespace {

std::optional<QDateTime>& fixedClock()
{
    static std::optional<QDateTime> at;
    return at;
}

int windowYear(int year)
{
    if (year >= 0 && year < 30)
        return 2000 + year;
    if (year >= 30 && year < 100)
        return 1900 + year;
    return year;
}

struct Parts {
    QDate date;
    int hour, minute, second;
};

Parts partsOf(const Variant& v)
{
    Date d = v.toDate();
    QTime t = d.time();
    return Parts{d.date(), t.hour(), t.minute(), t.second()};
}

Date fromParts(const QDate& day, int secondsOfDay)
{
    double serial = double(QDate(1899, 12, 30).daysTo(day));
    double frac = secondsOfDay / 86400.0;
    return Date{serial < 0 ? serial - frac : serial + frac};
}

// A date to a signed count of seconds on a straight time line (negative serials hold a positive time).
double linearSeconds(const Date& d)
{
    QDate day = d.date();
    QTime t = d.time();
    return double(QDate(1899, 12, 30).daysTo(day)) * 86400.0 + t.hour() * 3600 + t.minute() * 60 + t.second();
}

Date fromLinearSeconds(double secs)
{
    double days = std::floor(secs / 86400.0);
    double rem = secs - days * 86400.0;
    QDate day = QDate(1899, 12, 30).addDays(qint64(days));
    if (day.year() < 100 || day.year() > 9999)
        raise(5);
    return fromParts(day, int(std::llround(rem)));
}

} // namespace

QDateTime Clock::now()
{
    if (fixedClock())
        return *fixedClock();
    return QDateTime::currentDateTime();
}

void Clock::fix(const QDateTime& at) { fixedClock() = at; }
void Clock::release() { fixedClock().reset(); }
bool Clock::isFixed() { return fixedClock().has_value(); }

Date Now()
{
    QDateTime n = Clock::now();
    return Date::fromDateTime(QDateTime(n.date(), QTime(n.time().hour(), n.time().minute(), n.time().second())));
}

Date Today() { return Date::fromDate(Clock::now().date()); }

Date Time()
{
    QTime t = Clock::now().time();
    return Date{(t.hour() * 3600 + t.minute() * 60 + t.second()) / 86400.0};
}

double Timer()
{
    QTime t = Clock::now().time();
    return t.msecsSinceStartOfDay() / 1000.0;
}

Date DateSerial(int year, int month, int day)
{
    year = windowYear(year);
    // Months beyond 12 (or below 1) move the year; days beyond the month move the month.
    int m0 = month - 1;
    int yearShift = m0 >= 0 ? m0 / 12 : -((-m0 + 11) / 12);
    year += yearShift;
    m0 -= yearShift * 12;
    if (year < 100 || year > 9999)
        raise(5);
    QDate first(year, m0 + 1, 1);
    QDate result = first.addDays(qint64(day) - 1);
    if (!result.isValid() || result.year() < 100 || result.year() > 9999)
        raise(5);
    return Date::fromDate(result);
}

Date TimeSerial(int hour, int minute, int second)
{
    double secs = double(hour) * 3600 + double(minute) * 60 + second;
    double serial = secs / 86400.0;
    if (serial < 0) {
        // Before midnight of day 0: a day before the epoch with the time counted forward.
        double days = std::floor(serial);
        double frac = serial - days;
        return Date{days - frac};
    }
    return Date{serial};
}

Date DateValue(const Variant& v)
{
    Date d = v.toDate();
    return Date::fromDate(d.date());
}

Date TimeValue(const Variant& v)
{
    QTime t = v.toDate().time();
    return Date{(t.hour() * 3600 + t.minute() * 60 + t.second()) / 86400.0};
}

int Day(const Variant& v) { return partsOf(v).date.day(); }
int Month(const Variant& v) { return partsOf(v).date.month(); }
int Year(const Variant& v) { return partsOf(v).date.year(); }
int Hour(const Variant& v) { return partsOf(v).hour; }
int Minute(const Variant& v) { return partsOf(v).minute; }
int Second(const Variant& v) { return partsOf(v).second; }

int Weekday(const Variant& v, int firstDayOfWeek)
{
    if (firstDayOfWeek < 0 || firstDayOfWeek > 7)
        raise(5);
    if (firstDayOfWeek == vbUseSystemDayOfWeek)
        firstDayOfWeek = Regional::current().firstDayOfWeek;
    int sundayBased = partsOf(v).date.dayOfWeek() % 7 + 1;   // Sunday 1 ... Saturday 7
    return (sundayBased - firstDayOfWeek + 7) % 7 + 1;
}

QString MonthName(int month, bool abbreviate)
{
    if (month < 1 || month > 12)
        raise(5);
    const RegionalSettings& rs = Regional::current();
    return abbreviate ? rs.monthAbbreviations.value(month - 1) : rs.monthNames.value(month - 1);
}

QString WeekdayName(int weekday, bool abbreviate, int firstDayOfWeek)
{
    if (weekday < 1 || weekday > 7 || firstDayOfWeek < 0 || firstDayOfWeek > 7)
        raise(5);
    if (firstDayOfWeek == vbUseSystemDayOfWeek)
        firstDayOfWeek = Regional::current().firstDayOfWeek;
    int index = (weekday - 1 + firstDayOfWeek - 1) % 7;
    const RegionalSettings& rs = Regional::current();
    return abbreviate ? rs.dayAbbreviations.value(index) : rs.dayNames.value(index);
}

Date DateAdd(const QString& interval, double number, const Variant& date)
{
    const QString iv = interval.toLower();
    Date d = date.toDate();
    QDate day = d.date();
    QTime t = d.time();
    int secs = t.hour() * 3600 + t.minute() * 60 + t.second();
    // No interval of 10^12 units stays inside 100..9999; refusing early also keeps the
    // conversion to a whole number defined.
    if (!std::isfinite(number) || std::fabs(number) > 1e12)
        raise(5);
    auto n = qint64(std::trunc(number));   // the original drops the fraction of the number
    auto addMonths = [&](qint64 months) {
        qint64 total = qint64(day.year()) * 12 + (day.month() - 1) + months;
        qint64 y = total >= 0 ? total / 12 : -((-total + 11) / 12);
        int m = int(total - y * 12) + 1;
        if (y < 100 || y > 9999)
            raise(5);
        QDate first(int(y), m, 1);
        int dd = std::min(day.day(), first.daysInMonth());   // 31/01 + 1 month = 29/02
        return fromParts(QDate(int(y), m, dd), secs);
    };
    if (iv == QLatin1String("yyyy"))
        return addMonths(n * 12);
    if (iv == QLatin1String("q"))
        return addMonths(n * 3);
    if (iv == QLatin1String("m"))
        return addMonths(n);
    if (iv == QLatin1String("d") || iv == QLatin1String("y") || iv == QLatin1String("w"))
        return fromLinearSeconds(linearSeconds(d) + double(n) * 86400.0);
    if (iv == QLatin1String("ww"))
        return fromLinearSeconds(linearSeconds(d) + double(n) * 7 * 86400.0);
    if (iv == QLatin1String("h"))
        return fromLinearSeconds(linearSeconds(d) + double(n) * 3600.0);
    if (iv == QLatin1String("n"))
        return fromLinearSeconds(linearSeconds(d) + double(n) * 60.0);
    if (iv == QLatin1String("s"))
        return fromLinearSeconds(linearSeconds(d) + double(n));
    raise(5);
}

qint64 DateDiff(const QString& interval, const Variant& date1, const Variant& date2, int firstDayOfWeek)
{
    const QString iv = interval.toLower();
    Date a = date1.toDate(), b = date2.toDate();
    QDate da = a.date(), db = b.date();
    if (firstDayOfWeek < 0 || firstDayOfWeek > 7)
        raise(5);
    if (firstDayOfWeek == vbUseSystemDayOfWeek)
        firstDayOfWeek = Regional::current().firstDayOfWeek;
    // Whole-unit intervals count the boundaries crossed, as the original does.
    if (iv == QLatin1String("yyyy"))
        return db.year() - da.year();
    if (iv == QLatin1String("q"))
        return (db.year() * 4 + (db.month() - 1) / 3) - (da.year() * 4 + (da.month() - 1) / 3);
    if (iv == QLatin1String("m"))
        return (qint64(db.year()) * 12 + db.month()) - (qint64(da.year()) * 12 + da.month());
    if (iv == QLatin1String("d") || iv == QLatin1String("y"))
        return da.daysTo(db);
    if (iv == QLatin1String("w"))
        return da.daysTo(db) / 7;
    if (iv == QLatin1String("ww")) {
        auto weekStart = [&](const QDate& x) {
            int sundayBased = x.dayOfWeek() % 7 + 1;
            int back = (sundayBased - firstDayOfWeek + 7) % 7;
            return x.addDays(-back);
        };
        return weekStart(da).daysTo(weekStart(db)) / 7;
    }
    double sa = linearSeconds(a), sb = linearSeconds(b);
    if (iv == QLatin1String("h"))
        return qint64(std::floor(sb / 3600.0)) - qint64(std::floor(sa / 3600.0));
    if (iv == QLatin1String("n"))
        return qint64(std::floor(sb / 60.0)) - qint64(std::floor(sa / 60.0));
    if (iv == QLatin1String("s"))
        return qint64(sb - sa);
    raise(5);
}

int DatePart(const QString& interval, const Variant& date, int firstDayOfWeek)
{
    const QString iv = interval.toLower();
    Parts p = partsOf(date);
    if (iv == QLatin1String("yyyy")) return p.date.year();
    if (iv == QLatin1String("q")) return (p.date.month() - 1) / 3 + 1;
    if (iv == QLatin1String("m")) return p.date.month();
    if (iv == QLatin1String("y")) return p.date.dayOfYear();
    if (iv == QLatin1String("d")) return p.date.day();
    if (iv == QLatin1String("w")) return Weekday(date, firstDayOfWeek);
    if (iv == QLatin1String("ww")) {
        if (firstDayOfWeek == vbUseSystemDayOfWeek)
            firstDayOfWeek = Regional::current().firstDayOfWeek;
        QDate jan1(p.date.year(), 1, 1);
        int offset = (jan1.dayOfWeek() % 7 + 1 - firstDayOfWeek + 7) % 7;
        return (jan1.daysTo(p.date) + offset) / 7 + 1;
    }
    if (iv == QLatin1String("h")) return p.hour;
    if (iv == QLatin1String("n")) return p.minute;
    if (iv == QLatin1String("s")) return p.second;
    raise(5);
}

} // namespace vb

#pragma once
// The original's date functions. Dates are vb::Date (days since 1899-12-30, fraction = time).
// The clock can be fixed by tests.

#include "vb/Variant.h"

#include <QDateTime>

namespace vb {

// The program's clock: the system time unless a test fixed it.
class Clock {
public:
    static QDateTime now();
    static void fix(const QDateTime& at);    // Now, Date and Time return this from here on
    static void release();                   // back to the system clock
    static bool isFixed();
};

// Fixes the clock for a scope.
class ClockScope {
public:
    explicit ClockScope(const QDateTime& at) { Clock::fix(at); }
    ~ClockScope() { Clock::release(); }
    ClockScope(const ClockScope&) = delete;
    ClockScope& operator=(const ClockScope&) = delete;
};

enum FirstDayOfWeek { vbUseSystemDayOfWeek = 0, vbSunday = 1, vbMonday, vbTuesday, vbWednesday, vbThursday, vbFriday, vbSaturday };

Date Now();
Date Today();                                // the original's Date
Date Time();                                 // the time of day on 30/12/1899
double Timer();                              // seconds since midnight
Date DateSerial(int year, int month, int day);         // months and days roll over; error 5 out of range
Date TimeSerial(int hour, int minute, int second);     // rolls over too
Date DateValue(const Variant& v);            // the date part of a date or text
Date TimeValue(const Variant& v);            // the time part
int Day(const Variant& v);
int Month(const Variant& v);
int Year(const Variant& v);
int Hour(const Variant& v);
int Minute(const Variant& v);
int Second(const Variant& v);
int Weekday(const Variant& v, int firstDayOfWeek = vbSunday);
QString MonthName(int month, bool abbreviate = false);
QString WeekdayName(int weekday, bool abbreviate = false, int firstDayOfWeek = vbSunday);
// Intervals: "yyyy", "q", "m", "y", "d", "w", "ww", "h", "n", "s" (error 5 on any other).
Date DateAdd(const QString& interval, double number, const Variant& date);
qint64 DateDiff(const QString& interval, const Variant& date1, const Variant& date2, int firstDayOfWeek = vbSunday);
int DatePart(const QString& interval, const Variant& date, int firstDayOfWeek = vbSunday);

} // namespace vb

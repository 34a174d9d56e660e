#pragma once

#include "ado/SessionOptions.h"

#include <QDateTime>

namespace ado {

// DATEADD, DATEDIFF, DATEPART and DATENAME with the server's units (year/yy/yyyy,
// quarter/qq/q, month/mm/m, dayofyear/dy/y, day/dd/d, week/wk/ww, weekday/dw/w, hour/hh,
// minute/mi/n, second/ss/s, millisecond/ms, iso_week/isowk/isoww). An unknown unit throws
// the server's error 155.
class ServerDates {
public:
    static QDateTime add(const QString& unit, qint64 amount, const QDateTime& date);
    // Counts the unit's boundaries crossed, as the server does: months from Jan 31 to Feb 1 is 1.
    static qint64 difference(const QString& unit, const QDateTime& from, const QDateTime& to);
    static qint64 part(const QString& unit, const QDateTime& date, const SessionOptions& options);
    static QString name(const QString& unit, const QDateTime& date, const SessionOptions& options);

private:
    static QString canonical(const QString& unit);
};

} // namespace ado

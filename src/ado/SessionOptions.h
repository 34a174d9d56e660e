#pragma once

#include "ado/DateText.h"

#include <QString>
#include <optional>

namespace ado {

// The session settings the embedded engine keeps, with the server's values for a login of
// Spanish language (the program writes its dates day first): dates read day/month/year, the
// week starts on Monday, month and day names in Spanish.
struct SessionOptions {
    bool xactAbort = false;
    DateOrder dateOrder = DateOrder::DMY;
    int dateFirst = 1;          // 1 Monday ... 7 Sunday
    bool englishNames = false;

    // The date order SET DATEFORMAT or SET LANGUAGE gives; nullopt for values not kept.
    static std::optional<DateOrder> dateOrderOf(const QString& option, const QString& value);
    // SET XACT_ABORT, DATEFORMAT, DATEFIRST, LANGUAGE; false when the value is not understood.
    bool apply(const QString& option, const QString& value);
    QString monthName(int month) const;        // 1..12
    QString shortMonthName(int month) const;
    QString dayName(int isoDay) const;         // 1 Monday .. 7 Sunday
    int weekday(int isoDay) const { return (isoDay - dateFirst + 7) % 7 + 1; }   // DATEPART(weekday)
};

} // namespace ado

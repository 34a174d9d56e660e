#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

namespace ado {

// Dates live in the embedded database as 'YYYY-MM-DD HH:MM:SS' text.
class DateText {
public:
    // The stored form, also with only a date, a "T" or fractions of a second.
    static std::optional<QDateTime> parseStored(const QString& text);
    static std::optional<QDateTime> parseStored(const char* utf8, int size);
    // What SQL Server accepts in a literal here: the stored form, yyyymmdd, or the regional
    // d/m/yyyy with an optional h:mm[:ss].
    static std::optional<QDateTime> parseLiteral(const QString& text);
    static QString format(const QDateTime& value);
    static QString format(const QDate& value) { return format(QDateTime(value, QTime(0, 0))); }
};

} // namespace ado

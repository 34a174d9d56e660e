#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

namespace ado {

// The order of day, month and year the server reads in a numeric date literal such as
// '05/03/2024' (SET DATEFORMAT; the session's language sets it first).
enum class DateOrder { DMY, MDY, YMD };

// Dates live in the embedded database as 'YYYY-MM-DD HH:MM:SS' text, with '.mmm' when a
// value has milliseconds.
class DateText {
public:
    // The stored form, also with only a date, a "T" or fractions of a second.
    static std::optional<QDateTime> parseStored(const QString& text);
    static std::optional<QDateTime> parseStored(const char* utf8, int size);
    // What SQL Server accepts in a literal: the stored and ISO 8601 forms (with "T" and
    // milliseconds), yyyymmdd with an optional time, the numeric d/m/yyyy (in the given
    // order, "/", "-" or "." between, two-digit years up to 49 in this century) with an
    // optional time, and a time alone (on 1900-01-01). Milliseconds round to the server's
    // 1/300 of a second.
    static std::optional<QDateTime> parseLiteral(const QString& text, DateOrder order = DateOrder::DMY);
    static QString format(const QDateTime& value);
    static QString format(const QDate& value) { return format(QDateTime(value, QTime(0, 0))); }
    // The server's day zero: numbers converted to dates count days from it.
    static QDateTime dayZero() { return QDateTime(QDate(1900, 1, 1), QTime(0, 0)); }
};

} // namespace ado

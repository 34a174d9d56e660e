#pragma once

#include "ado/SessionOptions.h"
#include "ado/SqlType.h"

#include <QDateTime>
#include <QVariant>
#include <optional>

namespace ado {

// CONVERT and CAST with the server's rules, on values as SQLite holds them (a null QVariant
// is NULL; dates are their stored text). The source type, when the translator knows it,
// decides how a value reads: a date is formatted by the style, a text stays the text it is,
// money and decimals keep their scale. Failures throw ServerError with the server's number.
class ServerConversions {
public:
    static QVariant convert(const QString& type, const QVariant& value, int style, const QString& source,
                            const SessionOptions& options);
    // A value as a date: stored or literal text (in the session's order, or the style's), or
    // a number of days from 1900-01-01.
    static std::optional<QDateTime> toDate(const QVariant& value, const SessionOptions& options, int style = 0);
    static QString formatDate(const QDateTime& date, int style, const SessionOptions& options);
    // Rounds decimal text half away from zero to `scale` places, as the server does: 1.005 to
    // two places is 1.01, which rounding the nearest double (1.00499...) would miss.
    static QString roundedText(const QString& text, int scale);

private:
    static QVariant toText(const QString& rawType, const QVariant& value, int style, const SqlType& source,
                           const SessionOptions& options);
    static QString textOf(const QVariant& value, int style, const SqlType& source, const SessionOptions& options);
    static QVariant toDateValue(const SqlType& target, const QVariant& value, int style, const SessionOptions& options);
    static QVariant toInteger(const QVariant& value, const SqlType& source, const SqlType& target);
    static QVariant toExactNumber(const SqlType& target, const QVariant& value, const SqlType& source);
    static QString moneyText(const QVariant& value, int style);
    static QString floatText(double value, int style);
    static QString plainNumberText(const QVariant& value);
};

} // namespace ado

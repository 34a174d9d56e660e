#pragma once

#include <QDateTime>
#include <QString>
#include <QVariant>

struct sqlite3;

namespace ado {

// The server's scalar functions, as SQLite user functions, and the value rules behind them.
class ServerFunctions {
public:
    static void registerAll(sqlite3* db);

    // CONVERT(type, value, style) on a value already read from SQLite (null QVariant = NULL).
    static QVariant convert(const QString& type, const QVariant& value, int style);
    static QDateTime dateAdd(const QString& unit, qint64 amount, const QDateTime& date);
    static qint64 dateDiff(const QString& unit, const QDateTime& from, const QDateTime& to);
    static QString formatDate(const QDateTime& date, int style);

private:
    static QVariant convertToText(const QString& type, const QVariant& value, int style);
    static QVariant convertToDate(const QString& type, const QVariant& value, int style);
    static QVariant convertToInteger(const QVariant& value);
    static QString canonicalUnit(const QString& unit);
    static QString roundedText(const QString& text, int scale);
};

} // namespace ado

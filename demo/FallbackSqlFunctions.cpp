#include "FallbackSqlFunctions.h"

#include <QDateTime>
#include <QString>

#include <sqlite3.h>

#include <cctype>

namespace {

int withoutTrailingBlanks(const char *text, int length)
{
    while (length > 0 && text[length - 1] == ' ')
        --length;
    return length;
}

bool isAscii(const char *text, int length)
{
    for (int i = 0; i < length; ++i)
        if (static_cast<unsigned char>(text[i]) >= 0x80)
            return false;
    return true;
}

int collate(void *, int leftLength, const void *left, int rightLength, const void *right)
{
    return FallbackSqlFunctions::compare(static_cast<const char *>(left), leftLength,
                                         static_cast<const char *>(right), rightLength);
}

QString argumentText(sqlite3_value *value)
{
    const auto *text = reinterpret_cast<const char *>(sqlite3_value_text(value));
    return text ? QString::fromUtf8(text, sqlite3_value_bytes(value)) : QString();
}

void resultText(sqlite3_context *context, const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    sqlite3_result_text(context, utf8.constData(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
}

void getDate(sqlite3_context *context, int, sqlite3_value **)
{
    resultText(context, QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
}

void len(sqlite3_context *context, int, sqlite3_value **argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL)
        return sqlite3_result_null(context);
    QString text = argumentText(argv[0]);
    while (text.endsWith(QLatin1Char(' ')))
        text.chop(1);
    sqlite3_result_int64(context, text.size());
}

void leftOrRight(sqlite3_context *context, sqlite3_value **argv, bool fromLeft)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL)
        return sqlite3_result_null(context);
    const QString text = argumentText(argv[0]);
    const auto count = qMax<qsizetype>(0, sqlite3_value_int64(argv[1]));
    resultText(context, fromLeft ? text.left(count) : text.right(count));
}

void left(sqlite3_context *context, int, sqlite3_value **argv)
{
    leftOrRight(context, argv, true);
}

void right(sqlite3_context *context, int, sqlite3_value **argv)
{
    leftOrRight(context, argv, false);
}

void isNull(sqlite3_context *context, int, sqlite3_value **argv)
{
    sqlite3_result_value(context, sqlite3_value_type(argv[0]) == SQLITE_NULL ? argv[1] : argv[0]);
}

} // namespace

int FallbackSqlFunctions::compare(const char *left, int leftLength, const char *right, int rightLength)
{
    leftLength = withoutTrailingBlanks(left, leftLength);
    rightLength = withoutTrailingBlanks(right, rightLength);
    if (isAscii(left, leftLength) && isAscii(right, rightLength)) {
        const int common = leftLength < rightLength ? leftLength : rightLength;
        for (int i = 0; i < common; ++i) {
            const int a = std::tolower(static_cast<unsigned char>(left[i]));
            const int b = std::tolower(static_cast<unsigned char>(right[i]));
            if (a != b)
                return a < b ? -1 : 1;
        }
        return leftLength == rightLength ? 0 : (leftLength < rightLength ? -1 : 1);
    }
    return QString::compare(QString::fromUtf8(left, leftLength), QString::fromUtf8(right, rightLength),
                            Qt::CaseInsensitive);
}

void FallbackSqlFunctions::registerOn(sqlite3 *db)
{
    sqlite3_create_collation(db, "SRV", SQLITE_UTF8, nullptr, collate);
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    sqlite3_create_function(db, "GETDATE", 0, SQLITE_UTF8, nullptr, getDate, nullptr, nullptr);
    sqlite3_create_function(db, "LEN", 1, flags, nullptr, len, nullptr, nullptr);
    sqlite3_create_function(db, "LEFT", 2, flags, nullptr, left, nullptr, nullptr);
    sqlite3_create_function(db, "RIGHT", 2, flags, nullptr, right, nullptr, nullptr);
    sqlite3_create_function(db, "ISNULL", 2, flags, nullptr, isNull, nullptr, nullptr);
}

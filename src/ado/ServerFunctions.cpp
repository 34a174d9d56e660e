#include "ado/ServerFunctions.h"

#include "ado/DateText.h"
#include "ado/LikePattern.h"
#include "ado/ServerConversions.h"
#include "ado/ServerDates.h"
#include "ado/ServerError.h"
#include "ado/ServerMessages.h"
#include "ado/ServerText.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QUuid>
#include <sqlite3.h>

#include <cmath>

namespace ado {

namespace {
const SessionOptions& optionsOf(sqlite3_context* ctx)
{
    static const SessionOptions defaults;
    const auto* options = static_cast<const SessionOptions*>(sqlite3_user_data(ctx));
    return options ? *options : defaults;
}

QString textArg(sqlite3_value* v)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_value_text(v)), sqlite3_value_bytes(v));
}

QVariant valueArg(sqlite3_value* v)
{
    switch (sqlite3_value_type(v)) {
    case SQLITE_INTEGER: return QVariant(qint64(sqlite3_value_int64(v)));
    case SQLITE_FLOAT: return QVariant(sqlite3_value_double(v));
    case SQLITE_NULL: return QVariant();
    default: return QVariant(textArg(v));
    }
}

bool isNull(sqlite3_value* v)
{
    return sqlite3_value_type(v) == SQLITE_NULL;
}

bool anyNull(int argc, sqlite3_value** argv)
{
    for (int i = 0; i < argc; ++i)
        if (isNull(argv[i]))
            return true;
    return false;
}

void resultText(sqlite3_context* ctx, const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    sqlite3_result_text(ctx, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
}

void resultVariant(sqlite3_context* ctx, const QVariant& value)
{
    if (!value.isValid())
        sqlite3_result_null(ctx);
    else if (value.typeId() == QMetaType::LongLong)
        sqlite3_result_int64(ctx, value.toLongLong());
    else if (value.typeId() == QMetaType::Double)
        sqlite3_result_double(ctx, value.toDouble());
    else
        resultText(ctx, value.toString());
}

QDateTime dateArg(sqlite3_context* ctx, sqlite3_value* v)
{
    const auto d = ServerConversions::toDate(valueArg(v), optionsOf(ctx));
    if (!d || !d->isValid())
        throw ServerError(241, ServerMessages::dateConversion());
    return *d;
}

void fail(sqlite3_context* ctx, const ServerError& error)
{
    sqlite3_result_error(ctx, error.what(), -1);
}

// Runs a function body; a ServerError becomes the statement's error.
template <class F>
void guarded(sqlite3_context* ctx, F&& body)
{
    try {
        body();
    } catch (const std::exception& e) {
        sqlite3_result_error(ctx, e.what(), -1);
    }
}

// Characters 128-159 of the server's default code page (1252); the rest match Unicode.
const char16_t codePage1252[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122,
    0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

int codeOf(QChar c)
{
    if (c.unicode() < 128 || (c.unicode() >= 160 && c.unicode() < 256))
        return c.unicode();
    for (int i = 0; i < 32; ++i)
        if (codePage1252[i] == c.unicode())
            return 128 + i;
    return '?';
}

// ---- dates and conversions

void getDate(sqlite3_context* ctx, int, sqlite3_value**)
{
    resultText(ctx, DateText::format(QDateTime::currentDateTime()));
}

void getUtcDate(sqlite3_context* ctx, int, sqlite3_value**)
{
    resultText(ctx, DateText::format(QDateTime::currentDateTimeUtc()));
}

void convert(sqlite3_context* ctx, int argc, sqlite3_value** argv, bool tries)
{
    const int style = argc > 2 && !isNull(argv[2]) ? sqlite3_value_int(argv[2]) : 0;
    const QString source = argc > 3 ? textArg(argv[3]) : QString();
    try {
        resultVariant(ctx, ServerConversions::convert(textArg(argv[0]), valueArg(argv[1]), style, source, optionsOf(ctx)));
    } catch (const std::exception& e) {
        if (tries)
            sqlite3_result_null(ctx);
        else
            sqlite3_result_error(ctx, e.what(), -1);
    }
}

void sqlConvert(sqlite3_context* ctx, int argc, sqlite3_value** argv) { convert(ctx, argc, argv, false); }
void sqlTryConvert(sqlite3_context* ctx, int argc, sqlite3_value** argv) { convert(ctx, argc, argv, true); }

void dateAdd(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (anyNull(argc, argv))
        return sqlite3_result_null(ctx);
    guarded(ctx, [&] {
        resultText(ctx, DateText::format(ServerDates::add(textArg(argv[0]), sqlite3_value_int64(argv[1]), dateArg(ctx, argv[2]))));
    });
}

void dateDiff(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (anyNull(argc, argv))
        return sqlite3_result_null(ctx);
    guarded(ctx, [&] {
        sqlite3_result_int64(ctx, ServerDates::difference(textArg(argv[0]), dateArg(ctx, argv[1]), dateArg(ctx, argv[2])));
    });
}

void datePart(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (anyNull(argc, argv))
        return sqlite3_result_null(ctx);
    guarded(ctx, [&] { sqlite3_result_int64(ctx, ServerDates::part(textArg(argv[0]), dateArg(ctx, argv[1]), optionsOf(ctx))); });
}

void dateName(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (anyNull(argc, argv))
        return sqlite3_result_null(ctx);
    guarded(ctx, [&] { resultText(ctx, ServerDates::name(textArg(argv[0]), dateArg(ctx, argv[1]), optionsOf(ctx))); });
}

void yearMonthDay(sqlite3_context* ctx, sqlite3_value* v, const char* unit)
{
    if (isNull(v))
        return sqlite3_result_null(ctx);
    guarded(ctx, [&] { sqlite3_result_int64(ctx, ServerDates::part(QLatin1String(unit), dateArg(ctx, v), optionsOf(ctx))); });
}

void year(sqlite3_context* ctx, int, sqlite3_value** argv) { yearMonthDay(ctx, argv[0], "year"); }
void month(sqlite3_context* ctx, int, sqlite3_value** argv) { yearMonthDay(ctx, argv[0], "month"); }
void day(sqlite3_context* ctx, int, sqlite3_value** argv) { yearMonthDay(ctx, argv[0], "day"); }

// date + number, date - number, date - date: days counted from day zero, as the server adds datetimes.
double daysOf(sqlite3_context* ctx, sqlite3_value* v)
{
    if (sqlite3_value_type(v) == SQLITE_INTEGER || sqlite3_value_type(v) == SQLITE_FLOAT)
        return sqlite3_value_double(v);
    return double(DateText::dayZero().msecsTo(dateArg(ctx, v))) / 86400000.0;
}

void dateArithmetic(sqlite3_context* ctx, sqlite3_value** argv, int sign)
{
    if (isNull(argv[0]) || isNull(argv[1]))
        return sqlite3_result_null(ctx);
    guarded(ctx, [&] {
        const double days = daysOf(ctx, argv[0]) + sign * daysOf(ctx, argv[1]);
        resultText(ctx, DateText::format(DateText::dayZero().addMSecs(qint64(std::llround(days * 86400000.0)))));
    });
}

void datePlus(sqlite3_context* ctx, int, sqlite3_value** argv) { dateArithmetic(ctx, argv, 1); }
void dateMinus(sqlite3_context* ctx, int, sqlite3_value** argv) { dateArithmetic(ctx, argv, -1); }

void isDate(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (isNull(argv[0]) || sqlite3_value_type(argv[0]) != SQLITE_TEXT)
        return sqlite3_result_int(ctx, 0);
    const auto d = ServerConversions::toDate(valueArg(argv[0]), optionsOf(ctx));
    sqlite3_result_int(ctx, d && d->isValid() ? 1 : 0);
}

// ---- arithmetic

void divide(sqlite3_context* ctx, sqlite3_value** argv, bool modulo)
{
    if (isNull(argv[0]) || isNull(argv[1]))
        return sqlite3_result_null(ctx);
    const int a = sqlite3_value_numeric_type(argv[0]);
    const int b = sqlite3_value_numeric_type(argv[1]);
    if (sqlite3_value_double(argv[1]) == 0.0)
        return fail(ctx, ServerError(8134, ServerMessages::divideByZero()));
    if (a == SQLITE_INTEGER && b == SQLITE_INTEGER) {
        const sqlite3_int64 x = sqlite3_value_int64(argv[0]);
        const sqlite3_int64 y = sqlite3_value_int64(argv[1]);
        if (y == -1)
            return sqlite3_result_int64(ctx, modulo ? 0 : -x);
        return sqlite3_result_int64(ctx, modulo ? x % y : x / y);
    }
    const double x = sqlite3_value_double(argv[0]);
    const double y = sqlite3_value_double(argv[1]);
    sqlite3_result_double(ctx, modulo ? std::fmod(x, y) : x / y);
}

void sqlDivide(sqlite3_context* ctx, int, sqlite3_value** argv) { divide(ctx, argv, false); }
void sqlModulo(sqlite3_context* ctx, int, sqlite3_value** argv) { divide(ctx, argv, true); }

// ROUND(x, n[, truncate]) half away from zero on the decimal digits; integers stay integers.
void roundNumber(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (anyNull(argc, argv))
        return sqlite3_result_null(ctx);
    const int places = argc > 1 ? sqlite3_value_int(argv[1]) : 0;
    const bool truncates = argc > 2 && sqlite3_value_int(argv[2]) != 0;
    const bool integer = sqlite3_value_numeric_type(argv[0]) == SQLITE_INTEGER;
    const double value = sqlite3_value_double(argv[0]);
    const double scale = std::pow(10.0, std::abs(places));
    if (places < 0 || integer) {
        const double shifted = places < 0 ? value / scale : value;
        const double kept = truncates ? std::trunc(shifted) : std::round(shifted);
        const double out = places < 0 ? kept * scale : kept;
        return integer ? sqlite3_result_int64(ctx, sqlite3_int64(out)) : sqlite3_result_double(ctx, out);
    }
    if (truncates)
        return sqlite3_result_double(ctx, std::trunc(value * scale) / scale);
    sqlite3_result_double(ctx, ServerConversions::roundedText(QString::number(value, 'g', 15), places).toDouble());
}

void sameKind(sqlite3_context* ctx, sqlite3_value* v, double result)
{
    if (sqlite3_value_numeric_type(v) == SQLITE_INTEGER)
        sqlite3_result_int64(ctx, sqlite3_int64(result));
    else
        sqlite3_result_double(ctx, result);
}

void ceiling(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (isNull(argv[0]))
        return sqlite3_result_null(ctx);
    sameKind(ctx, argv[0], std::ceil(sqlite3_value_double(argv[0])));
}

void floorNumber(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (isNull(argv[0]))
        return sqlite3_result_null(ctx);
    sameKind(ctx, argv[0], std::floor(sqlite3_value_double(argv[0])));
}

void sign(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (isNull(argv[0]))
        return sqlite3_result_null(ctx);
    const double v = sqlite3_value_double(argv[0]);
    sameKind(ctx, argv[0], v > 0 ? 1.0 : v < 0 ? -1.0 : 0.0);
}

void power(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (anyNull(argc, argv))
        return sqlite3_result_null(ctx);
    const double result = std::pow(sqlite3_value_double(argv[0]), sqlite3_value_double(argv[1]));
    sameKind(ctx, argv[0], sqlite3_value_numeric_type(argv[0]) == SQLITE_INTEGER ? std::trunc(result) : result);
}

template <double (*F)(double)>
void unaryMath(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (isNull(argv[0]))
        return sqlite3_result_null(ctx);
    sqlite3_result_double(ctx, F(sqlite3_value_double(argv[0])));
}

double square(double x) { return x * x; }
double decimalLog(double x) { return std::log10(x); }
double root(double x) { return std::sqrt(x); }
double exponential(double x) { return std::exp(x); }

void logarithm(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (anyNull(argc, argv))
        return sqlite3_result_null(ctx);
    const double x = sqlite3_value_double(argv[0]);
    if (x <= 0)
        return fail(ctx, ServerError(3623, ServerMessages::invalidFloatingPoint()));
    sqlite3_result_double(ctx, argc > 1 ? std::log(x) / std::log(sqlite3_value_double(argv[1])) : std::log(x));
}

void pi(sqlite3_context* ctx, int, sqlite3_value**) { sqlite3_result_double(ctx, M_PI); }
void rand(sqlite3_context* ctx, int, sqlite3_value**) { sqlite3_result_double(ctx, QRandomGenerator::global()->generateDouble()); }

// ---- texts

void len(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (anyNull(argc, argv))
        return sqlite3_result_null(ctx);
    sqlite3_result_int64(ctx, ServerText::withoutTrailingBlanks(textArg(argv[0])).size());
}

void dataLength(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    switch (sqlite3_value_type(argv[0])) {
    case SQLITE_NULL: return sqlite3_result_null(ctx);
    case SQLITE_INTEGER: return sqlite3_result_int(ctx, 4);
    case SQLITE_FLOAT: return sqlite3_result_int(ctx, 8);
    default: sqlite3_result_int64(ctx, textArg(argv[0]).size());
    }
}

void isNullFunction(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    sqlite3_result_value(ctx, isNull(argv[0]) ? argv[1] : argv[0]);
}

void charIndex(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (anyNull(argc, argv))
        return sqlite3_result_null(ctx);
    const QString needle = textArg(argv[0]);
    const QString haystack = textArg(argv[1]);
    const qsizetype start = argc > 2 ? std::max<qint64>(sqlite3_value_int64(argv[2]) - 1, 0) : 0;
    if (needle.isEmpty())
        return sqlite3_result_int64(ctx, 0);
    sqlite3_result_int64(ctx, haystack.indexOf(needle, start, Qt::CaseInsensitive) + 1);
}

void patIndex(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (anyNull(argc, argv))
        return sqlite3_result_null(ctx);
    const QString pattern = textArg(argv[0]);
    const QString text = textArg(argv[1]);
    if (!pattern.startsWith(u'%'))
        return sqlite3_result_int64(ctx, ServerText::like(text, pattern) ? 1 : 0);
    const QString rest = pattern.mid(1);
    for (qsizetype i = 0; i < text.size(); ++i)
        if (ServerText::like(text.mid(i), rest))
            return sqlite3_result_int64(ctx, i + 1);
    sqlite3_result_int64(ctx, 0);
}

void leftOrRight(sqlite3_context* ctx, sqlite3_value** argv, bool left)
{
    if (isNull(argv[0]) || isNull(argv[1]))
        return sqlite3_result_null(ctx);
    const qint64 n = sqlite3_value_int64(argv[1]);
    if (n < 0)
        return fail(ctx, ServerError(536, ServerMessages::invalidLength(left ? QStringLiteral("left") : QStringLiteral("right"))));
    const QString text = textArg(argv[0]);
    resultText(ctx, left ? text.left(n) : text.right(n));
}

void leftText(sqlite3_context* ctx, int, sqlite3_value** argv) { leftOrRight(ctx, argv, true); }
void rightText(sqlite3_context* ctx, int, sqlite3_value** argv) { leftOrRight(ctx, argv, false); }

// Positions before the first character count but give nothing: SUBSTRING('abc', 0, 2) is 'a'.
void substring(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (anyNull(argc, argv))
        return sqlite3_result_null(ctx);
    const qint64 start = sqlite3_value_int64(argv[1]);
    const qint64 length = sqlite3_value_int64(argv[2]);
    if (length < 0)
        return fail(ctx, ServerError(537, ServerMessages::invalidLength(QStringLiteral("substring"))));
    const QString text = textArg(argv[0]);
    const qint64 from = std::max<qint64>(start, 1);
    const qint64 to = start + length;   // one past the last position
    resultText(ctx, to <= from ? QString() : text.mid(from - 1, to - from));
}

// The search ignores case, as the server's collation does.
void replaceText(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (anyNull(argc, argv))
        return sqlite3_result_null(ctx);
    QString text = textArg(argv[0]);
    const QString find = textArg(argv[1]);
    if (!find.isEmpty())
        text.replace(find, textArg(argv[2]), Qt::CaseInsensitive);
    resultText(ctx, text);
}

void replicate(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (anyNull(argc, argv) || sqlite3_value_int64(argv[1]) < 0)
        return sqlite3_result_null(ctx);
    resultText(ctx, textArg(argv[0]).repeated(std::min<qint64>(sqlite3_value_int64(argv[1]), 8000)));
}

void space(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (isNull(argv[0]) || sqlite3_value_int64(argv[0]) < 0)
        return sqlite3_result_null(ctx);
    resultText(ctx, QString(int(std::min<qint64>(sqlite3_value_int64(argv[0]), 8000)), u' '));
}

void upper(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (isNull(argv[0]))
        return sqlite3_result_null(ctx);
    resultText(ctx, textArg(argv[0]).toUpper());
}

void lower(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (isNull(argv[0]))
        return sqlite3_result_null(ctx);
    resultText(ctx, textArg(argv[0]).toLower());
}

void reverse(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (isNull(argv[0]))
        return sqlite3_result_null(ctx);
    QString text = textArg(argv[0]);
    std::reverse(text.begin(), text.end());
    resultText(ctx, text);
}

void stuff(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (isNull(argv[0]) || isNull(argv[1]) || isNull(argv[2]))
        return sqlite3_result_null(ctx);
    const QString text = textArg(argv[0]);
    const qint64 start = sqlite3_value_int64(argv[1]);
    const qint64 length = sqlite3_value_int64(argv[2]);
    if (start < 1 || start > text.size() || length < 0)
        return sqlite3_result_null(ctx);
    const QString inserted = argc > 3 && !isNull(argv[3]) ? textArg(argv[3]) : QString();
    resultText(ctx, text.left(start - 1) + inserted + text.mid(start - 1 + length));
}

void concat(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    QString out;
    for (int i = 0; i < argc; ++i)
        if (!isNull(argv[i]))
            out += textArg(argv[i]);
    resultText(ctx, out);
}

// STR(number, length = 10, decimals = 0): right-aligned, rounded, with as many decimals as
// fit; "*" filling the length when the whole part does not fit.
void str(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (anyNull(argc, argv))
        return sqlite3_result_null(ctx);
    const int length = argc > 1 ? sqlite3_value_int(argv[1]) : 10;
    int decimals = argc > 2 ? std::min(sqlite3_value_int(argv[2]), 16) : 0;
    if (length <= 0 || decimals < 0)
        return sqlite3_result_null(ctx);
    const QString value = QString::number(sqlite3_value_double(argv[0]), 'f', 17);
    QString text = ServerConversions::roundedText(value, decimals);
    const qsizetype whole = ServerConversions::roundedText(value, 0).size();
    if (whole > length)
        return resultText(ctx, QString(length, u'*'));
    if (text.size() > length) {
        decimals = int(std::max<qsizetype>(length - whole - 1, 0));
        text = ServerConversions::roundedText(value, decimals);
    }
    resultText(ctx, text.rightJustified(length, u' '));
}

void asciiCode(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    const QString text = isNull(argv[0]) ? QString() : textArg(argv[0]);
    if (text.isEmpty())
        return sqlite3_result_null(ctx);
    sqlite3_result_int(ctx, codeOf(text[0]));
}

void unicodeCode(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    const QString text = isNull(argv[0]) ? QString() : textArg(argv[0]);
    if (text.isEmpty())
        return sqlite3_result_null(ctx);
    sqlite3_result_int(ctx, int(text.toUcs4().front()));
}

void charOfCode(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    const qint64 code = sqlite3_value_int64(argv[0]);
    if (isNull(argv[0]) || code < 0 || code > 255)
        return sqlite3_result_null(ctx);
    resultText(ctx, QString(QChar(code >= 128 && code < 160 ? codePage1252[code - 128] : char16_t(code))));
}

void ncharOfCode(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    const qint64 code = sqlite3_value_int64(argv[0]);
    if (isNull(argv[0]) || code < 0 || code > 0xFFFF)
        return sqlite3_result_null(ctx);
    resultText(ctx, QString(QChar(char16_t(code))));
}

void isNumeric(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    const int type = sqlite3_value_type(argv[0]);
    if (type == SQLITE_INTEGER || type == SQLITE_FLOAT)
        return sqlite3_result_int(ctx, 1);
    static const QRegularExpression number(QStringLiteral("^\\s*[+-]?\\s*\\$?\\s*[+-]?(\\d[\\d,]*\\.?\\d*|\\.\\d+|\\.)([eEdD][+-]?\\d+)?\\s*$"));
    sqlite3_result_int(ctx, type == SQLITE_TEXT && number.match(textArg(argv[0])).hasMatch() ? 1 : 0);
}

void newId(sqlite3_context* ctx, int, sqlite3_value**)
{
    resultText(ctx, QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper());
}

// OBJECT_ID('name'): a number for a table or view of the database or of the session
// (#name, also as tempdb..#name), NULL when there is none.
void objectId(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (isNull(argv[0]))
        return sqlite3_result_null(ctx);
    QString name = textArg(argv[0]).trimmed();
    if (name.startsWith(QLatin1String("tempdb.."), Qt::CaseInsensitive))
        name = name.mid(8);
    name = name.section(u'.', -1).remove(u'[').remove(u']');
    const bool temporary = name.startsWith(u'#');
    const char* sql = temporary ? "SELECT rowid FROM sqlite_temp_master WHERE type IN ('table','view') AND name = ? COLLATE NOCASE"
                                : "SELECT rowid FROM sqlite_master WHERE type IN ('table','view') AND name = ? COLLATE NOCASE";
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(sqlite3_context_db_handle(ctx), sql, -1, &stmt, nullptr) != SQLITE_OK)
        return sqlite3_result_null(ctx);
    const QByteArray utf8 = name.toUtf8();
    sqlite3_bind_text(stmt, 1, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
    if (sqlite3_step(stmt) == SQLITE_ROW)
        sqlite3_result_int64(ctx, sqlite3_column_int64(stmt, 0) + (temporary ? 1000000 : 0));
    else
        sqlite3_result_null(ctx);
    sqlite3_finalize(stmt);
}

// The pattern of a statement's LIKE is the same on every row: it is compiled once and kept
// with the statement (SQLite drops it when the pattern argument changes).
void like(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (anyNull(argc, argv))
        return sqlite3_result_null(ctx);
    const QString escapeText = argc > 2 ? textArg(argv[2]) : QString();
    const QChar escape = escapeText.isEmpty() ? QChar() : escapeText[0];
    auto* pattern = static_cast<LikePattern*>(sqlite3_get_auxdata(ctx, 0));
    if (!pattern || pattern->escape() != escape) {
        sqlite3_set_auxdata(ctx, 0, new LikePattern(textArg(argv[0]), escape), [](void* p) { delete static_cast<LikePattern*>(p); });
        pattern = static_cast<LikePattern*>(sqlite3_get_auxdata(ctx, 0));   // null when SQLite could not keep it
    }
    if (!pattern) {
        sqlite3_result_int(ctx, ServerText::like(textArg(argv[1]), textArg(argv[0]), escape));
        return;
    }
    const auto* value = reinterpret_cast<const char*>(sqlite3_value_text(argv[1]));
    sqlite3_result_int(ctx, pattern->matchesUtf8(value, sqlite3_value_bytes(argv[1])));
}

using Function = void (*)(sqlite3_context*, int, sqlite3_value**);

void add(sqlite3* db, const char* name, int args, Function fn, const SessionOptions* options = nullptr, bool deterministic = true)
{
    const int flags = SQLITE_UTF8 | (deterministic ? SQLITE_DETERMINISTIC : 0);
    sqlite3_create_function_v2(db, name, args, flags, const_cast<SessionOptions*>(options), fn, nullptr, nullptr, nullptr);
}
} // namespace

void ServerFunctions::registerAll(sqlite3* db, const SessionOptions* options)
{
    add(db, "GETDATE", 0, getDate, nullptr, false);
    add(db, "SYSDATETIME", 0, getDate, nullptr, false);
    add(db, "GETUTCDATE", 0, getUtcDate, nullptr, false);
    add(db, "SYSUTCDATETIME", 0, getUtcDate, nullptr, false);
    for (int args : {2, 3, 4}) {
        add(db, "SRV_CONVERT", args, sqlConvert, options);
        add(db, "SRV_TRY_CONVERT", args, sqlTryConvert, options);
    }
    add(db, "SRV_DATEADD", 3, dateAdd, options);
    add(db, "SRV_DATEDIFF", 3, dateDiff, options);
    add(db, "SRV_DATEPART", 2, datePart, options);
    add(db, "SRV_DATENAME", 2, dateName, options);
    add(db, "SRV_DATE_PLUS", 2, datePlus, options);
    add(db, "SRV_DATE_MINUS", 2, dateMinus, options);
    add(db, "YEAR", 1, year, options);
    add(db, "MONTH", 1, month, options);
    add(db, "DAY", 1, day, options);
    add(db, "ISDATE", 1, isDate, options);
    add(db, "SRV_DIVIDE", 2, sqlDivide);
    add(db, "SRV_MODULO", 2, sqlModulo);
    for (int args : {1, 2, 3})
        add(db, "ROUND", args, roundNumber);
    add(db, "CEILING", 1, ceiling);
    add(db, "FLOOR", 1, floorNumber);
    add(db, "SIGN", 1, sign);
    add(db, "POWER", 2, power);
    add(db, "SQUARE", 1, unaryMath<square>);
    add(db, "SQRT", 1, unaryMath<root>);
    add(db, "EXP", 1, unaryMath<exponential>);
    add(db, "LOG", 1, logarithm);
    add(db, "LOG", 2, logarithm);
    add(db, "LOG10", 1, unaryMath<decimalLog>);
    add(db, "PI", 0, pi);
    add(db, "RAND", 0, rand, nullptr, false);
    add(db, "RAND", 1, rand, nullptr, false);
    add(db, "LEN", 1, len);
    add(db, "DATALENGTH", 1, dataLength);
    add(db, "ISNULL", 2, isNullFunction);
    add(db, "CHARINDEX", 2, charIndex);
    add(db, "CHARINDEX", 3, charIndex);
    add(db, "PATINDEX", 2, patIndex);
    for (const char* name : {"LEFT", "SRV_LEFT"})
        add(db, name, 2, leftText);
    for (const char* name : {"RIGHT", "SRV_RIGHT"})
        add(db, name, 2, rightText);
    add(db, "SRV_SUBSTRING", 3, substring);
    add(db, "SRV_REPLACE", 3, replaceText);
    add(db, "REPLICATE", 2, replicate);
    add(db, "SPACE", 1, space);
    add(db, "UPPER", 1, upper);
    add(db, "LOWER", 1, lower);
    add(db, "REVERSE", 1, reverse);
    add(db, "STUFF", 4, stuff);
    add(db, "CONCAT", -1, concat);
    for (int args : {1, 2, 3})
        add(db, "STR", args, str);
    add(db, "ASCII", 1, asciiCode);
    add(db, "UNICODE", 1, unicodeCode);
    add(db, "CHAR", 1, charOfCode);
    add(db, "NCHAR", 1, ncharOfCode);
    add(db, "ISNUMERIC", 1, isNumeric);
    add(db, "NEWID", 0, newId, nullptr, false);
    add(db, "OBJECT_ID", 1, objectId, nullptr, false);
    add(db, "OBJECT_ID", 2, objectId, nullptr, false);
    add(db, "like", 2, like);
    add(db, "like", 3, like);
}

} // namespace ado

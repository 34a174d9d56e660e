#include "vb/Conversions.h"
#include "vb/DateTime.h"
#include "vb/Error.h"
#include "vb/Regional.h"

#include <QDate>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace vb {

namespace detail {

double bankersRound(double v)
{
    double f = std::floor(v);
    double diff = v - f;
    if (diff > 0.5)
        return f + 1;
    if (diff < 0.5)
        return f;
    return std::fmod(f, 2.0) == 0 ? f : f + 1;
}

qint64 serialOfDay(int year, int month, int day)
{
    return QDate(1899, 12, 30).daysTo(QDate(year, month, day));
}

namespace {

bool isAsciiDigit(QChar c) { return c.unicode() >= '0' && c.unicode() <= '9'; }
bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

// The digits of a number text and where its decimal point falls, before any conversion.
struct NumberParts {
    bool negative = false;
    QString digits;      // ASCII digits, may be empty when the value is zero
    int exponent = 0;    // value = digits * 10^exponent
    bool isRadix = false;
    quint64 radixValue = 0;
};

bool splitNumber(const QString& text, NumberParts& out)
{
    const RegionalSettings& rs = Regional::current();
    const QString& cur = rs.currencySymbol;
    int i = 0, n = int(text.size());
    auto skipBlanks = [&] { while (i < n && isBlank(text[i])) ++i; };
    auto takeCurrency = [&]() -> bool {
        if (!cur.isEmpty() && text.mid(i, cur.size()) == cur) {
            i += int(cur.size());
            return true;
        }
        return false;
    };
    skipBlanks();
    bool paren = false, sign = false, currency = false;
    // Leading decorations in any order: "(", sign, currency symbol.
    for (int k = 0; k < 3 && i < n; ++k) {
        if (!paren && !sign && text[i] == u'(') {
            paren = true;
            ++i;
        } else if (!sign && (text[i] == u'+' || text[i] == u'-')) {
            sign = true;
            out.negative = text[i] == u'-';
            ++i;
        } else if (!currency && takeCurrency()) {
            currency = true;
        } else {
            break;
        }
        skipBlanks();
    }
    if (i + 1 < n && text[i] == u'&' && (text[i + 1] == u'H' || text[i + 1] == u'h' || text[i + 1] == u'O' || text[i + 1] == u'o')) {
        int base = (text[i + 1] == u'H' || text[i + 1] == u'h') ? 16 : 8;
        i += 2;
        quint64 v = 0;
        int count = 0;
        for (; i < n; ++i) {
            int d = -1;
            QChar c = text[i];
            if (isAsciiDigit(c))
                d = c.unicode() - '0';
            else if (base == 16 && c.toUpper().unicode() >= 'A' && c.toUpper().unicode() <= 'F')
                d = c.toUpper().unicode() - 'A' + 10;
            if (d < 0 || d >= base)
                break;
            v = v * quint64(base) + quint64(d);
            if (++count > 22)
                return false;
        }
        skipBlanks();
        if (count == 0 || i != n || paren)
            return false;
        out.isRadix = true;
        out.radixValue = v;
        return true;
    }
    bool anyDigit = false, afterPoint = false;
    int exponentShift = 0;
    for (; i < n; ++i) {
        QChar c = text[i];
        if (isAsciiDigit(c)) {
            anyDigit = true;
            // Leading zeros are dropped; after the point they only move the exponent.
            if (!(out.digits.isEmpty() && c == u'0'))
                out.digits += c;
            if (afterPoint)
                --exponentShift;
        } else if (c == rs.decimalSeparator && !afterPoint) {
            afterPoint = true;
        } else if (c == rs.thousandsSeparator && !afterPoint && anyDigit) {
            // The original is lax about where group separators stand.
        } else {
            break;
        }
    }
    if (!anyDigit)
        return false;
    if (i < n && (text[i] == u'E' || text[i] == u'e' || text[i] == u'D' || text[i] == u'd')) {
        int j = i + 1;
        bool expNeg = false;
        if (j < n && (text[j] == u'+' || text[j] == u'-')) {
            expNeg = text[j] == u'-';
            ++j;
        }
        int e = 0;
        bool expDigit = false;
        for (; j < n && isAsciiDigit(text[j]); ++j) {
            expDigit = true;
            if (e < 100000)
                e = e * 10 + (text[j].unicode() - '0');
        }
        if (!expDigit)
            return false;
        exponentShift += expNeg ? -e : e;
        i = j;
    }
    out.exponent = exponentShift;
    skipBlanks();
    // Trailing decorations: sign, currency symbol, ")".
    for (int k = 0; k < 3 && i < n; ++k) {
        if (!sign && (text[i] == u'+' || text[i] == u'-')) {
            sign = true;
            out.negative = text[i] == u'-';
            ++i;
        } else if (!currency && takeCurrency()) {
            currency = true;
        } else if (paren && text[i] == u')') {
            paren = false;
            out.negative = true;
            sign = true;
            ++i;
        } else {
            break;
        }
        skipBlanks();
    }
    if (paren || i != n)
        return false;
    if (out.negative && paren)
        return false;
    return true;
}

} // namespace

bool parseNumber(const QString& text, double& value)
{
    NumberParts p;
    if (!splitNumber(text, p))
        return false;
    if (p.isRadix) {
        value = double(p.radixValue);
        return true;
    }
    if (p.digits.isEmpty()) {
        value = 0;
        return true;
    }
    QByteArray s = p.digits.toLatin1() + 'e' + QByteArray::number(p.exponent);
    double d = std::strtod(s.constData(), nullptr);
    if (!std::isfinite(d))
        return false;
    value = p.negative ? -d : d;
    return true;
}

bool parseNumber(const QString& text, Decimal& value)
{
    NumberParts p;
    if (!splitNumber(text, p))
        return false;
    if (p.isRadix) {
        value = Decimal(__int128(p.radixValue), 0);
        return true;
    }
    if (p.digits.isEmpty()) {
        value = Decimal(0, 0);
        return true;
    }
    QString s = (p.negative ? QStringLiteral("-") : QString()) + p.digits + u'E' + QString::number(p.exponent);
    return Decimal::parse(s, value, u'.');
}

QString numberText(double v, int digits, QChar decimalSep, bool leadingZero)
{
    if (std::isnan(v))
        return QStringLiteral("NaN");
    if (v == 0)
        return QStringLiteral("0");
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*G", digits, v);
    QString s = QString::fromLatin1(buf);
    // %G keeps trailing zeros out already, but the exponent has no more than it needs.
    int e = int(s.indexOf(u'E'));
    QString mantissa = e >= 0 ? s.left(e) : s;
    QString exponent = e >= 0 ? s.mid(e) : QString();
    mantissa.replace(u'.', decimalSep);
    if (!leadingZero) {
        if (mantissa.startsWith(QLatin1String("0")) && mantissa.size() > 1 && mantissa[1] == decimalSep)
            mantissa.remove(0, 1);
        else if (mantissa.startsWith(QLatin1String("-0")) && mantissa.size() > 2 && mantissa[2] == decimalSep)
            mantissa.remove(1, 1);
    }
    return mantissa + exponent;
}

// ---- dates from text ----

namespace {

struct Token {
    enum Kind { Number, Word, Sep } kind;
    QString text;
};

int monthFromWord(const QString& word)
{
    const QString w = word.toLower();
    if (w.size() < 3)
        return 0;
    static const char* english[] = {"jan", "feb", "mar", "apr", "may", "jun", "jul", "aug", "sep", "oct", "nov", "dec"};
    static const char* spanish[] = {"ene", "feb", "mar", "abr", "may", "jun", "jul", "ago", "sep", "oct", "nov", "dic"};
    const RegionalSettings& rs = Regional::current();
    for (int m = 0; m < 12; ++m) {
        if (m < rs.monthNames.size() && (rs.monthNames[m].toLower() == w || rs.monthNames[m].toLower().startsWith(w)))
            return m + 1;
    }
    for (int m = 0; m < 12; ++m) {
        if (w.startsWith(QLatin1String(english[m])) || w.startsWith(QLatin1String(spanish[m])))
            return m + 1;
        if (m < rs.monthAbbreviations.size() && rs.monthAbbreviations[m].toLower() == w)
            return m + 1;
    }
    if (w == QLatin1String("set") || w == QLatin1String("setiembre"))
        return 9;
    return 0;
}

bool isDayName(const QString& word)
{
    const QString w = word.toLower();
    const RegionalSettings& rs = Regional::current();
    for (const QString& d : rs.dayNames)
        if (d.toLower() == w)
            return true;
    for (const QString& d : rs.dayAbbreviations)
        if (d.toLower() == w)
            return true;
    static const char* english[] = {"sunday", "monday", "tuesday", "wednesday", "thursday", "friday", "saturday",
                                    "sun", "mon", "tue", "wed", "thu", "fri", "sat"};
    for (const char* e : english)
        if (w == QLatin1String(e))
            return true;
    return false;
}

int ampmOf(const QString& word)
{
    QString w = word.toLower();
    w.remove(u'.');
    if (w == QLatin1String("am") || w == QLatin1String("a"))
        return 1;
    if (w == QLatin1String("pm") || w == QLatin1String("p"))
        return 2;
    return 0;
}

int fullYear(const QString& digits, int value)
{
    if (digits.size() <= 2)
        return value < 30 ? 2000 + value : 1900 + value;
    return value;
}

bool validDay(int y, int m, int d)
{
    return y >= 100 && y <= 9999 && m >= 1 && m <= 12 && d >= 1 && d <= QDate(y, m, 1).daysInMonth();
}

} // namespace

bool parseDate(const QString& input, Date& value)
{
    const QString text = input.trimmed();
    if (text.isEmpty() || text.size() > 100)
        return false;
    const RegionalSettings& rs = Regional::current();
    // Tokens: numbers, words, separators. "T" between a date and a time (ISO) is a blank.
    QList<Token> tokens;
    for (int i = 0; i < text.size();) {
        QChar c = text[i];
        if (isAsciiDigit(c)) {
            int j = i;
            while (j < text.size() && isAsciiDigit(text[j]))
                ++j;
            tokens.append({Token::Number, text.mid(i, j - i)});
            i = j;
        } else if (c.isLetter()) {
            int j = i;
            while (j < text.size() && (text[j].isLetter() || (text[j] == u'.' && j + 1 < text.size() && text[j + 1].isLetter())))
                ++j;
            // "a.m." / "p.m." keep their closing point
            if (j < text.size() && text[j] == u'.' && ampmOf(text.mid(i, j - i + 1)))
                ++j;
            tokens.append({Token::Word, text.mid(i, j - i)});
            i = j;
        } else if (isBlank(c) || c == u'/' || c == u'-' || c == u'.' || c == u',' || c == u':' || c == rs.dateSeparator
                   || c == rs.timeSeparator) {
            tokens.append({Token::Sep, QString(c)});
            ++i;
        } else {
            return false;
        }
    }
    // The time: h:m[:s[.fff]] [am/pm], or h am/pm.
    int hour = -1, minute = 0, second = 0;
    QList<Token> rest;
    for (int k = 0; k < tokens.size(); ++k) {
        const Token& t = tokens[k];
        bool isTimeStart = t.kind == Token::Number && hour < 0 && k + 2 < tokens.size() && tokens[k + 1].kind == Token::Sep
            && tokens[k + 1].text == QString(rs.timeSeparator) && tokens[k + 2].kind == Token::Number;
        if (!isTimeStart && t.kind == Token::Number && hour < 0) {
            // "3 PM"
            int w = k + 1;
            while (w < tokens.size() && tokens[w].kind == Token::Sep && tokens[w].text == QLatin1String(" "))
                ++w;
            if (w < tokens.size() && tokens[w].kind == Token::Word && ampmOf(tokens[w].text)) {
                int h = t.text.toInt();
                if (h < 1 || h > 12 || t.text.size() > 2)
                    return false;
                int ap = ampmOf(tokens[w].text);
                hour = (h % 12) + (ap == 2 ? 12 : 0);
                k = w;
                continue;
            }
        }
        if (!isTimeStart) {
            rest.append(t);
            continue;
        }
        if (t.text.size() > 2 || tokens[k + 2].text.size() > 2)
            return false;
        hour = t.text.toInt();
        minute = tokens[k + 2].text.toInt();
        k += 2;
        if (k + 2 < tokens.size() && tokens[k + 1].kind == Token::Sep && tokens[k + 1].text == QString(rs.timeSeparator)
            && tokens[k + 2].kind == Token::Number) {
            if (tokens[k + 2].text.size() > 2)
                return false;
            second = tokens[k + 2].text.toInt();
            k += 2;
            // Fractions of a second (ODBC texts) are dropped.
            if (k + 2 < tokens.size() && tokens[k + 1].kind == Token::Sep && tokens[k + 1].text == QLatin1String(".")
                && tokens[k + 2].kind == Token::Number)
                k += 2;
        }
        int w = k + 1;
        while (w < tokens.size() && tokens[w].kind == Token::Sep && tokens[w].text == QLatin1String(" "))
            ++w;
        if (w < tokens.size() && tokens[w].kind == Token::Word && ampmOf(tokens[w].text)) {
            if (hour < 1 || hour > 12)
                return false;
            hour = (hour % 12) + (ampmOf(tokens[w].text) == 2 ? 12 : 0);
            k = w;
        }
        if (hour > 23 || minute > 59 || second > 59)
            return false;
    }
    // The date: numbers and at most one month name; day names, "de" and "T" are skipped.
    QList<QString> numbers;
    int wordMonth = 0;
    QString separators;
    for (const Token& t : rest) {
        if (t.kind == Token::Number) {
            numbers.append(t.text);
        } else if (t.kind == Token::Word) {
            int m = monthFromWord(t.text);
            if (m && !wordMonth) {
                wordMonth = m;
                numbers.append(QString());   // marks where the month stood
            } else if (isDayName(t.text) || t.text.compare(QLatin1String("de"), Qt::CaseInsensitive) == 0
                       || t.text == QLatin1String("T")) {
                continue;
            } else {
                return false;
            }
        } else if (t.text != QLatin1String(" ")) {
            separators += t.text;
        }
    }
    int year = 1899, month = 12, day = 30;
    const bool hasTime = hour >= 0;
    if (hour < 0)
        hour = 0;
    auto num = [&](int k) { return numbers[k].toInt(); };
    if (wordMonth) {
        QList<QString> others;
        for (const QString& s : numbers)
            if (!s.isEmpty())
                others.append(s);
        month = wordMonth;
        if (others.size() == 2) {
            int a = others[0].toInt(), b = others[1].toInt();
            if (others[0].size() > 2 || a > 31) {
                year = fullYear(others[0], a);
                day = b;
            } else {
                day = a;
                year = fullYear(others[1], b);
            }
        } else if (others.size() == 1) {
            int a = others[0].toInt();
            if (others[0].size() > 2 || a > 31) {
                year = fullYear(others[0], a);
                day = 1;
            } else {
                day = a;
                year = Now().date().year();
            }
        } else {
            return false;
        }
        if (!validDay(year, month, day))
            return false;
    } else if (numbers.size() == 3) {
        if (separators.contains(u',') || separators.contains(u':'))
            return false;
        const int a = num(0), b = num(1), c = num(2);
        struct Try { int y, m, d; };
        QList<Try> tries;
        if (numbers[0].size() > 2 || a > 31) {
            tries.append({fullYear(numbers[0], a), b, c});
        } else {
            const Try dmy{fullYear(numbers[2], c), b, a};
            const Try mdy{fullYear(numbers[2], c), a, b};
            const Try ymd{fullYear(numbers[0], a), b, c};
            switch (rs.dateOrder) {
            case RegionalSettings::DateOrder::DMY: tries = {dmy, mdy, ymd}; break;
            case RegionalSettings::DateOrder::MDY: tries = {mdy, dmy, ymd}; break;
            case RegionalSettings::DateOrder::YMD: tries = {ymd, mdy, dmy}; break;
            }
            if (numbers[2].size() > 2)
                tries.removeLast();   // a four-digit last number is the year
        }
        bool ok = false;
        for (const Try& t : tries) {
            if (validDay(t.y, t.m, t.d)) {
                year = t.y;
                month = t.m;
                day = t.d;
                ok = true;
                break;
            }
        }
        if (!ok)
            return false;
    } else if (numbers.size() == 2) {
        // Two numbers only with "/" or "-": day and month of this year, or month and year.
        if (separators.isEmpty() || separators.contains(u'.') || separators.contains(u','))
            return false;
        const int a = num(0), b = num(1);
        if (numbers[1].size() > 2 || b > 31) {
            year = fullYear(numbers[1], b);
            month = a;
            day = 1;
        } else if (numbers[0].size() > 2 || a > 31) {
            year = fullYear(numbers[0], a);
            month = b;
            day = 1;
        } else {
            year = Now().date().year();
            if (rs.dateOrder == RegionalSettings::DateOrder::MDY) {
                month = a;
                day = b;
            } else {
                day = a;
                month = b;
            }
            if (!validDay(year, month, day))
                std::swap(month, day);
        }
        if (!validDay(year, month, day))
            return false;
    } else if (numbers.isEmpty()) {
        if (!hasTime || !separators.isEmpty())
            return false;
    } else {
        return false;
    }
    double serial = double(serialOfDay(year, month, day));
    double frac = (hour * 3600 + minute * 60 + second) / 86400.0;
    value = Date{serial < 0 ? serial - frac : serial + frac};
    return true;
}

} // namespace detail

// ---- the original's functions ----

QString CStr(const Variant& v) { return v.toString(); }
bool CBool(const Variant& v) { return v.toBool(); }
std::uint8_t CByte(const Variant& v) { return v.toByte(); }
std::int16_t CInt(const Variant& v) { return v.toInteger(); }
std::int32_t CLng(const Variant& v) { return v.toLong(); }
float CSng(const Variant& v) { return v.toSingle(); }
double CDbl(const Variant& v) { return v.toDouble(); }
Currency CCur(const Variant& v) { return v.toCurrency(); }
Decimal CDec(const Variant& v) { return v.toDecimal(); }
Date CDate(const Variant& v) { return v.toDate(); }
Variant CVErr(int code) { return Variant::errorValue(code); }

bool IsNumeric(const Variant& v) { return v.isNumeric(); }
bool IsDate(const Variant& v) { return v.isDate(); }
bool IsNull(const Variant& v) { return v.isNull(); }
bool IsEmpty(const Variant& v) { return v.isEmpty(); }
bool IsMissing(const Variant& v) { return v.isMissing(); }
bool IsObject(const Variant& v) { return v.isObject(); }
bool IsError(const Variant& v) { return v.type() == VarType::Error; }
VarType VarTypeOf(const Variant& v) { return v.type(); }
QString TypeName(const Variant& v) { return v.typeName(); }

double Val(const QString& text)
{
    // Blanks, tabs and line feeds are skipped anywhere; the number ends at the first other character.
    QString s;
    s.reserve(text.size());
    for (QChar c : text)
        if (c != u' ' && c != u'\t' && c != u'\n' && c != u'\r')
            s += c;
    int i = 0, n = int(s.size());
    if (i + 1 < n && s[i] == u'&') {
        QChar k = s[i + 1].toUpper();
        int base = k == u'H' ? 16 : (k == u'O' ? 8 : 0);
        if (base) {
            i += 2;
            quint64 v = 0;
            int count = 0;
            for (; i < n; ++i) {
                QChar c = s[i].toUpper();
                int d = -1;
                if (c.unicode() >= '0' && c.unicode() <= '9')
                    d = c.unicode() - '0';
                else if (c.unicode() >= 'A' && c.unicode() <= 'F')
                    d = c.unicode() - 'A' + 10;
                if (d < 0 || d >= base)
                    break;
                v = v * quint64(base) + quint64(d);
                ++count;
            }
            // Hex up to 16 bits is an Integer, up to 32 bits a Long: the top bit is the sign.
            if (v <= 0xFFFF && (base == 16 ? count <= 4 : count <= 6))
                return double(std::int16_t(std::uint16_t(v)));
            if (v <= 0xFFFFFFFFull)
                return double(std::int32_t(std::uint32_t(v)));
            return double(v);
        }
    }
    QByteArray num;
    if (i < n && (s[i] == u'+' || s[i] == u'-'))
        num += char(s[i++].unicode());
    bool digits = false, point = false;
    for (; i < n; ++i) {
        QChar c = s[i];
        if (c.unicode() >= '0' && c.unicode() <= '9') {
            num += char(c.unicode());
            digits = true;
        } else if (c == u'.' && !point) {
            num += '.';
            point = true;
        } else {
            break;
        }
    }
    if (digits && i < n && (s[i] == u'E' || s[i] == u'e' || s[i] == u'D' || s[i] == u'd')) {
        QByteArray e = "e";
        int j = i + 1;
        if (j < n && (s[j] == u'+' || s[j] == u'-'))
            e += char(s[j++].unicode());
        bool expDigits = false;
        for (; j < n && s[j].unicode() >= '0' && s[j].unicode() <= '9'; ++j) {
            e += char(s[j].unicode());
            expDigits = true;
        }
        if (expDigits)
            num += e;
    }
    if (!digits)
        return 0;
    double d = std::strtod(num.constData(), nullptr);
    if (!std::isfinite(d))
        raise(6);
    return d;
}

QString Str(const Variant& v)
{
    if (v.isNull())
        return QString();   // Str(Null) is Null; callers get ""
    QString out;
    switch (v.type()) {
    case VarType::Byte: case VarType::Integer: case VarType::Long: case VarType::Boolean: case VarType::Empty:
        out = QString::number(v.toLong());
        break;
    case VarType::Single:
        out = detail::numberText(v.toSingle(), 7, u'.', false);
        break;
    case VarType::Currency: case VarType::Decimal: {
        out = v.toDecimal().toString(u'.');
        if (out.startsWith(QLatin1String("0.")))
            out.remove(0, 1);
        else if (out.startsWith(QLatin1String("-0.")))
            out.remove(1, 1);
        break;
    }
    case VarType::Date:
        return v.toString();
    default:
        out = detail::numberText(v.toDouble(), 15, u'.', false);
        break;
    }
    if (!out.startsWith(u'-'))
        out.prepend(u' ');
    return out;
}

namespace {
QString radixText(const Variant& v, int base)
{
    if (v.isNull())
        return QString();
    std::int64_t n;
    if (v.type() == VarType::Byte || v.type() == VarType::Integer || v.type() == VarType::Boolean)
        n = std::uint16_t(v.toInteger());
    else
        n = std::uint32_t(v.toLong());
    return QString::number(n, base).toUpper();
}
} // namespace

QString Hex(const Variant& v) { return radixText(v, 16); }
QString Oct(const Variant& v) { return radixText(v, 8); }

double Int(double v) { return std::floor(v); }
double Fix(double v) { return std::trunc(v); }

double Round(double v, int decimals)
{
    if (decimals < 0)
        raise(5);
    if (decimals > 15)
        return v;
    // Through Decimal so that 2.675 rounds as written, not as its binary neighbour.
    if (std::fabs(v) < 7.9e27) {
        Decimal d = Decimal::fromDouble(v).rounded(decimals);
        return d.toDouble();
    }
    return v;
}

int Sgn(double v) { return v > 0 ? 1 : (v < 0 ? -1 : 0); }

Variant Int(const Variant& v)
{
    switch (v.type()) {
    case VarType::Null: return v;
    case VarType::Empty: return Variant(std::int16_t(0));
    case VarType::Byte: case VarType::Integer: case VarType::Long: return v;
    case VarType::Boolean: return Variant(v.toInteger());
    case VarType::Single: return Variant(std::floor(v.toSingle()));
    case VarType::Currency: {
        Decimal d = v.toDecimal();
        Decimal t = d.rounded(0);
        if (t.compare(d) > 0)
            t = t - Decimal(1, 0);
        return Variant(Variant(t).toCurrency());
    }
    case VarType::Decimal: {
        Decimal d = v.toDecimal();
        Decimal t = d.rounded(0);
        if (t.compare(d) > 0)
            t = t - Decimal(1, 0);
        return Variant(t);
    }
    case VarType::Date: return Variant(Date{std::floor(v.toDate().serial)});
    default: return Variant(std::floor(v.toDouble()));
    }
}

Variant Fix(const Variant& v)
{
    switch (v.type()) {
    case VarType::Null: return v;
    case VarType::Empty: return Variant(std::int16_t(0));
    case VarType::Byte: case VarType::Integer: case VarType::Long: return v;
    case VarType::Boolean: return Variant(v.toInteger());
    case VarType::Single: return Variant(std::trunc(v.toSingle()));
    case VarType::Currency: case VarType::Decimal: {
        Decimal d = v.toDecimal();
        Decimal t = d.rounded(0);
        if (!d.isNegative() && t.compare(d) > 0)
            t = t - Decimal(1, 0);
        if (d.isNegative() && t.compare(d) < 0)
            t = t + Decimal(1, 0);
        return v.type() == VarType::Currency ? Variant(Variant(t).toCurrency()) : Variant(t);
    }
    case VarType::Date: return Variant(Date{std::trunc(v.toDate().serial)});
    default: return Variant(std::trunc(v.toDouble()));
    }
}

Variant Abs(const Variant& v)
{
    switch (v.type()) {
    case VarType::Null: return v;
    case VarType::Empty: return Variant(std::int16_t(0));
    default:
        if (v.compare(Variant(0)) < 0)
            return -v;
        if (v.type() == VarType::String)
            return Variant(v.toDouble());
        return v;
    }
}

} // namespace vb

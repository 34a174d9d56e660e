#include "vb/Conversions.h"
#include "vb/DateTime.h"
#include "vb/Error.h"
#include "vb/Regional.h"

#include <QDate>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <utility>

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

// Reads a number text in steps, each moving m_i along the text:
// decorations, digits or a radix number, exponent, decorations.
class NumberTextReader {
public:
    NumberTextReader(const QString& text, NumberParts& out) : m_text(text), m_n(int(text.size())), m_out(out) {}

    bool read()
    {
        skipBlanks();
        takeLeadingDecorations();
        if (atRadixPrefix())
            return readRadix();
        if (!readDigits() || !readExponent())
            return false;
        skipBlanks();
        takeTrailingDecorations();
        return !m_paren && m_i == m_n;
    }

private:
    const RegionalSettings& m_rs = Regional::current();
    const QString& m_text;
    int m_i = 0;
    int m_n;
    NumberParts& m_out;
    bool m_paren = false, m_sign = false, m_currency = false;

    QChar current() const { return m_text[m_i]; }

    void skipBlanks()
    {
        while (m_i < m_n && isBlank(m_text[m_i]))
            ++m_i;
    }

    bool takeCurrency()
    {
        const QString& symbol = m_rs.currencySymbol;
        if (m_currency || symbol.isEmpty() || m_text.mid(m_i, symbol.size()) != symbol)
            return false;
        m_i += int(symbol.size());
        m_currency = true;
        return true;
    }

    bool takeSign()
    {
        if (m_sign || (current() != u'+' && current() != u'-'))
            return false;
        m_sign = true;
        m_out.negative = current() == u'-';
        ++m_i;
        return true;
    }

    bool takeLeadingDecoration()
    {
        if (!m_paren && !m_sign && current() == u'(') {
            m_paren = true;
            ++m_i;
            return true;
        }
        return takeSign() || takeCurrency();
    }

    bool takeTrailingDecoration()
    {
        if (takeSign() || takeCurrency())
            return true;
        if (!m_paren || current() != u')')
            return false;
        m_paren = false;
        m_out.negative = true;
        m_sign = true;
        ++m_i;
        return true;
    }

    // "(", sign and currency symbol in any order, each at most once.
    void takeLeadingDecorations()
    {
        for (int k = 0; k < 3 && m_i < m_n && takeLeadingDecoration(); ++k)
            skipBlanks();
    }

    // Sign, currency symbol and the ")" that closes a leading "(".
    void takeTrailingDecorations()
    {
        for (int k = 0; k < 3 && m_i < m_n && takeTrailingDecoration(); ++k)
            skipBlanks();
    }

    bool atRadixPrefix() const
    {
        if (m_i + 1 >= m_n || current() != u'&')
            return false;
        const QChar kind = m_text[m_i + 1];
        return kind == u'H' || kind == u'h' || kind == u'O' || kind == u'o';
    }

    static int radixDigit(QChar c, int base)
    {
        int d = -1;
        if (isAsciiDigit(c))
            d = c.unicode() - '0';
        else if (base == 16 && c.toUpper().unicode() >= 'A' && c.toUpper().unicode() <= 'F')
            d = c.toUpper().unicode() - 'A' + 10;
        return d < base ? d : -1;
    }

    // &H / &O: the rest of the text must be digits of that base.
    bool readRadix()
    {
        const int base = (m_text[m_i + 1] == u'H' || m_text[m_i + 1] == u'h') ? 16 : 8;
        m_i += 2;
        quint64 v = 0;
        int count = 0;
        for (; m_i < m_n; ++m_i) {
            const int d = radixDigit(current(), base);
            if (d < 0)
                break;
            v = v * quint64(base) + quint64(d);
            if (++count > 22)
                return false;
        }
        skipBlanks();
        if (count == 0 || m_i != m_n || m_paren)
            return false;
        m_out.isRadix = true;
        m_out.radixValue = v;
        return true;
    }

    bool readDigits()
    {
        bool anyDigit = false, afterPoint = false;
        for (; m_i < m_n; ++m_i) {
            const QChar c = current();
            if (isAsciiDigit(c)) {
                anyDigit = true;
                // Leading zeros are dropped; after the point they only move the exponent.
                if (!(m_out.digits.isEmpty() && c == u'0'))
                    m_out.digits += c;
                if (afterPoint)
                    --m_out.exponent;
            } else if (c == m_rs.decimalSeparator && !afterPoint) {
                afterPoint = true;
            } else if (c == m_rs.thousandsSeparator && !afterPoint && anyDigit) {
                // The original is lax about where group separators stand.
            } else {
                break;
            }
        }
        return anyDigit;
    }

    // E, e, D or d, an optional sign and at least one digit; nothing at all is fine too.
    bool readExponent()
    {
        if (m_i >= m_n || !QStringLiteral("EeDd").contains(current()))
            return true;
        int j = m_i + 1;
        bool negative = false;
        if (j < m_n && (m_text[j] == u'+' || m_text[j] == u'-')) {
            negative = m_text[j] == u'-';
            ++j;
        }
        int e = 0;
        bool anyDigit = false;
        for (; j < m_n && isAsciiDigit(m_text[j]); ++j) {
            anyDigit = true;
            if (e < 100000)
                e = e * 10 + (m_text[j].unicode() - '0');
        }
        if (!anyDigit)
            return false;
        m_out.exponent += negative ? -e : e;
        m_i = j;
        return true;
    }
};

bool splitNumber(const QString& text, NumberParts& out)
{
    return NumberTextReader(text, out).read();
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

bool isDateSeparator(QChar c, const RegionalSettings& rs)
{
    return isBlank(c) || c == u'/' || c == u'-' || c == u'.' || c == u',' || c == u':' || c == rs.dateSeparator
        || c == rs.timeSeparator;
}

// A date text read in steps: tokens, then the time out of them, then the date from what is left.
class DateTextReader {
public:
    bool read(const QString& text, Date& value)
    {
        if (!tokenize(text) || !takeTime() || !collectDateParts() || !resolveDate())
            return false;
        value = result();
        return true;
    }

private:
    const RegionalSettings& m_rs = Regional::current();
    QList<Token> m_tokens;
    QList<Token> m_rest;            // the tokens that are not part of the time
    int m_hour = -1, m_minute = 0, m_second = 0;
    QList<QString> m_numbers;       // an empty entry marks where a month name stood
    int m_wordMonth = 0;
    QString m_separators;
    int m_year = 1899, m_month = 12, m_day = 30;

    // ---- tokens: numbers, words, separators ----

    bool isSeparator(QChar c) const { return isDateSeparator(c, m_rs); }

    int numberEnd(const QString& text, int i) const
    {
        while (i < text.size() && isAsciiDigit(text[i]))
            ++i;
        return i;
    }

    int wordEnd(const QString& text, int start) const
    {
        int j = start;
        while (j < text.size() && (text[j].isLetter() || (text[j] == u'.' && j + 1 < text.size() && text[j + 1].isLetter())))
            ++j;
        // "a.m." / "p.m." keep their closing point
        if (j < text.size() && text[j] == u'.' && ampmOf(text.mid(start, j - start + 1)))
            ++j;
        return j;
    }

    bool tokenize(const QString& text)
    {
        for (int i = 0; i < text.size();) {
            const QChar c = text[i];
            if (isAsciiDigit(c)) {
                const int j = numberEnd(text, i);
                m_tokens.append({Token::Number, text.mid(i, j - i)});
                i = j;
            } else if (c.isLetter()) {
                const int j = wordEnd(text, i);
                m_tokens.append({Token::Word, text.mid(i, j - i)});
                i = j;
            } else if (isSeparator(c)) {
                m_tokens.append({Token::Sep, QString(c)});
                ++i;
            } else {
                return false;
            }
        }
        return true;
    }

    // ---- the time: h:m[:s[.fff]] [am/pm], or h am/pm ----

    bool isNumber(int k) const { return m_tokens[k].kind == Token::Number; }

    // A separator `sep` at k + 1 and a number at k + 2.
    bool separatorThenNumber(int k, const QString& sep) const
    {
        return k + 2 < m_tokens.size() && m_tokens[k + 1].kind == Token::Sep && m_tokens[k + 1].text == sep
            && m_tokens[k + 2].kind == Token::Number;
    }

    // Where an am/pm word stands from k on, past blanks; -1 when there is none.
    int markerFrom(int k) const
    {
        while (k < m_tokens.size() && m_tokens[k].kind == Token::Sep && m_tokens[k].text == QLatin1String(" "))
            ++k;
        if (k < m_tokens.size() && m_tokens[k].kind == Token::Word && ampmOf(m_tokens[k].text))
            return k;
        return -1;
    }

    static int withMarker(int hour, const QString& marker) { return (hour % 12) + (ampmOf(marker) == 2 ? 12 : 0); }

    bool takeTime()
    {
        for (int k = 0; k < m_tokens.size(); ++k) {
            const bool clockShape = isNumber(k) && separatorThenNumber(k, QString(m_rs.timeSeparator));
            if (clockShape && m_hour >= 0)
                return false;       // a second time of day: no date reads that way
            if (clockShape) {
                if (!readClock(k))
                    return false;
                continue;
            }
            const int marker = isNumber(k) && m_hour < 0 ? markerFrom(k + 1) : -1;
            if (marker < 0) {
                m_rest.append(m_tokens[k]);
                continue;
            }
            if (!readHourWithMarker(k, marker))
                return false;
            k = marker;
        }
        return true;
    }

    // "3 PM"
    bool readHourWithMarker(int k, int marker)
    {
        const QString& digits = m_tokens[k].text;
        const int h = digits.toInt();
        if (h < 1 || h > 12 || digits.size() > 2)
            return false;
        m_hour = withMarker(h, m_tokens[marker].text);
        return true;
    }

    // "10:30", "10:30:45", "10:30:45.123", each with an optional am/pm; k ends on the last token used.
    bool readClock(int& k)
    {
        if (m_tokens[k].text.size() > 2 || m_tokens[k + 2].text.size() > 2)
            return false;
        m_hour = m_tokens[k].text.toInt();
        m_minute = m_tokens[k + 2].text.toInt();
        k += 2;
        if (separatorThenNumber(k, QString(m_rs.timeSeparator))) {
            if (m_tokens[k + 2].text.size() > 2)
                return false;
            m_second = m_tokens[k + 2].text.toInt();
            k += 2;
            // Fractions of a second (ODBC texts) are dropped.
            if (separatorThenNumber(k, QStringLiteral(".")))
                k += 2;
        }
        const int marker = markerFrom(k + 1);
        if (marker >= 0) {
            if (m_hour < 1 || m_hour > 12)
                return false;
            m_hour = withMarker(m_hour, m_tokens[marker].text);
            k = marker;
        }
        return m_hour <= 23 && m_minute <= 59 && m_second <= 59;
    }

    // ---- the date: numbers and at most one month name; day names, "de" and "T" are skipped ----

    static bool isSkippedWord(const QString& word)
    {
        return isDayName(word) || word.compare(QLatin1String("de"), Qt::CaseInsensitive) == 0 || word == QLatin1String("T");
    }

    bool collectDateParts()
    {
        for (const Token& t : std::as_const(m_rest)) {
            if (t.kind == Token::Number) {
                m_numbers.append(t.text);
            } else if (t.kind == Token::Word) {
                const int m = monthFromWord(t.text);
                if (m && !m_wordMonth) {
                    m_wordMonth = m;
                    m_numbers.append(QString());
                } else if (!isSkippedWord(t.text)) {
                    return false;
                }
            } else if (t.text != QLatin1String(" ")) {
                m_separators += t.text;
            }
        }
        return true;
    }

    bool resolveDate()
    {
        if (m_wordMonth)
            return resolveWithMonthName();
        if (m_numbers.size() == 3)
            return resolveThreeNumbers();
        if (m_numbers.size() == 2)
            return resolveTwoNumbers();
        if (m_numbers.isEmpty())
            return m_hour >= 0 && m_separators.isEmpty();
        return false;
    }

    // A number of more than two digits or above 31 cannot be a day: it is the year.
    static bool isYear(const QString& digits) { return digits.size() > 2 || digits.toInt() > 31; }

    bool resolveWithMonthName()
    {
        QList<QString> others;
        for (const QString& s : std::as_const(m_numbers))
            if (!s.isEmpty())
                others.append(s);
        m_month = m_wordMonth;
        if (others.size() == 2) {
            const bool yearFirst = isYear(others[0]);
            const QString& y = yearFirst ? others[0] : others[1];
            m_year = fullYear(y, y.toInt());
            m_day = (yearFirst ? others[1] : others[0]).toInt();
        } else if (others.size() == 1) {
            if (isYear(others[0])) {
                m_year = fullYear(others[0], others[0].toInt());
                m_day = 1;
            } else {
                m_day = others[0].toInt();
                m_year = Now().date().year();
            }
        } else {
            return false;
        }
        return validDay(m_year, m_month, m_day);
    }

    struct Candidate { int y, m, d; };

    // The readings of three short numbers in the order the regional settings prefer.
    QList<Candidate> candidates() const
    {
        const int a = m_numbers[0].toInt(), b = m_numbers[1].toInt(), c = m_numbers[2].toInt();
        if (isYear(m_numbers[0]))
            return {{fullYear(m_numbers[0], a), b, c}};
        const Candidate dmy{fullYear(m_numbers[2], c), b, a};
        const Candidate mdy{fullYear(m_numbers[2], c), a, b};
        const Candidate ymd{fullYear(m_numbers[0], a), b, c};
        QList<Candidate> out;
        switch (m_rs.dateOrder) {
        case RegionalSettings::DateOrder::DMY: out = {dmy, mdy, ymd}; break;
        case RegionalSettings::DateOrder::MDY: out = {mdy, dmy, ymd}; break;
        case RegionalSettings::DateOrder::YMD: out = {ymd, mdy, dmy}; break;
        }
        // A four-digit last number is the year: drop the reading that takes it for the day.
        if (m_numbers[2].size() > 2)
            out.removeAt(m_rs.dateOrder == RegionalSettings::DateOrder::YMD ? 0 : 2);
        return out;
    }

    bool resolveThreeNumbers()
    {
        if (m_separators.contains(u',') || m_separators.contains(u':'))
            return false;
        for (const Candidate& t : candidates()) {
            if (validDay(t.y, t.m, t.d)) {
                m_year = t.y;
                m_month = t.m;
                m_day = t.d;
                return true;
            }
        }
        return false;
    }

    // Two numbers only with "/" or "-": day and month of this year, or month and year.
    bool resolveTwoNumbers()
    {
        if (m_separators.isEmpty() || m_separators.contains(u'.') || m_separators.contains(u','))
            return false;
        const int a = m_numbers[0].toInt(), b = m_numbers[1].toInt();
        if (isYear(m_numbers[1]) || isYear(m_numbers[0])) {
            const bool yearLast = isYear(m_numbers[1]);
            m_year = yearLast ? fullYear(m_numbers[1], b) : fullYear(m_numbers[0], a);
            m_month = yearLast ? a : b;
            m_day = 1;
        } else {
            resolveDayAndMonth(a, b);
        }
        return validDay(m_year, m_month, m_day);
    }

    void resolveDayAndMonth(int a, int b)
    {
        m_year = Now().date().year();
        const bool monthFirst = m_rs.dateOrder == RegionalSettings::DateOrder::MDY;
        m_month = monthFirst ? a : b;
        m_day = monthFirst ? b : a;
        if (!validDay(m_year, m_month, m_day))
            std::swap(m_month, m_day);
    }

    Date result() const
    {
        const int hour = std::max(m_hour, 0);
        const double serial = double(serialOfDay(m_year, m_month, m_day));
        const double frac = (hour * 3600 + m_minute * 60 + m_second) / 86400.0;
        return Date{serial < 0 ? serial - frac : serial + frac};
    }
};

} // namespace

bool parseDate(const QString& input, Date& value)
{
    const QString text = input.trimmed();
    if (text.isEmpty() || text.size() > 100)
        return false;
    return DateTextReader().read(text, value);
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

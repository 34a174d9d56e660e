// The original's Format function: named formats, custom number, date and text patterns,
// with the regional separators in the output.
#include "vb/Conversions.h"
#include "vb/DateTime.h"
#include "vb/Error.h"
#include "vb/Regional.h"

#include <QDate>
#include <cmath>
#include <cstdio>

namespace vb {

namespace {

// ---- pattern sections ----

QStringList splitSections(const QString& pattern)
{
    QStringList out;
    QString cur;
    bool quoted = false;
    for (int i = 0; i < pattern.size(); ++i) {
        QChar c = pattern[i];
        if (c == u'"') {
            quoted = !quoted;
            cur += c;
        } else if (c == u'\\' && !quoted && i + 1 < pattern.size()) {
            cur += c;
            cur += pattern[++i];
        } else if (c == u';' && !quoted) {
            out.append(cur);
            cur.clear();
        } else {
            cur += c;
        }
    }
    out.append(cur);
    return out;
}

enum class PatternKind { Number, Date, Text, Literal };

PatternKind classify(const QString& section)
{
    bool digit = false, date = false, text = false;
    bool quoted = false;
    for (int i = 0; i < section.size(); ++i) {
        QChar c = section[i];
        if (c == u'"') {
            quoted = !quoted;
            continue;
        }
        if (quoted)
            continue;
        if (c == u'\\') {
            ++i;
            continue;
        }
        QChar l = c.toLower();
        if (c == u'0' || c == u'#')
            digit = true;
        else if (l == u'd' || l == u'm' || l == u'y' || l == u'h' || l == u'n' || l == u's' || l == u'w' || l == u'q'
                 || l == u't' || l == u'c' || l == u'a' || l == u'p')
            date = true;
        else if (c == u'@' || c == u'&' || c == u'<' || c == u'>' || c == u'!')
            text = true;
    }
    if (digit)
        return PatternKind::Number;
    if (date)
        return PatternKind::Date;
    if (text)
        return PatternKind::Text;
    return PatternKind::Literal;
}

// ---- exact decimal digits of a value ----

// A non-negative value as digits with the decimal point after `intLen` of them.
struct Digits {
    QString digits;   // no sign
    int intLen = 0;   // may be <= 0 (value below 1) or > digits.size() (trailing zeros implied)
};

Digits digitsOf(const Variant& v, double scale)
{
    Digits d;
    if (v.type() == VarType::Currency || v.type() == VarType::Decimal) {
        Decimal x = v.toDecimal();
        if (scale != 1)
            x = x * Decimal::fromDouble(scale);
        QString s = x.toString(u'.');
        if (s.startsWith(u'-'))
            s.remove(0, 1);
        int point = int(s.indexOf(u'.'));
        if (point < 0) {
            d.digits = s;
            d.intLen = int(s.size());
        } else {
            d.digits = s.left(point) + s.mid(point + 1);
            d.intLen = point;
        }
        return d;
    }
    double x = std::fabs(v.toDouble() * scale);
    if (x == 0) {
        d.digits = QStringLiteral("0");
        d.intLen = 1;
        return d;
    }
    // Fifteen significant digits, as the original formats a Double.
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14E", x);
    QString s = QString::fromLatin1(buf);
    int e = int(s.indexOf(u'E'));
    QString mant = s.left(e);
    int exp = s.mid(e + 1).toInt();
    mant.remove(u'.');
    d.digits = mant;
    d.intLen = exp + 1;
    return d;
}

// Rounds half away from zero to `decimals` places; returns integer digits (no leading zeros,
// "" for zero) and exactly `decimals` fraction digits.
void roundDigits(const Digits& in, int decimals, QString& intPart, QString& fracPart)
{
    QString all = in.digits;
    int intLen = in.intLen;
    // Normalise so that the point falls inside or at the ends of `all`.
    if (intLen < 0) {
        all.prepend(QString(-intLen, u'0'));
        intLen = 0;
    }
    if (intLen > all.size())
        all.append(QString(intLen - all.size(), u'0'));
    int keep = intLen + decimals;
    if (all.size() < keep)
        all.append(QString(keep - all.size(), u'0'));
    bool roundUp = keep < all.size() && all[keep].unicode() >= '5';
    all.truncate(keep);
    if (roundUp) {
        int i = keep - 1;
        for (; i >= 0; --i) {
            if (all[i] == u'9') {
                all[i] = u'0';
            } else {
                all[i] = QChar(all[i].unicode() + 1);
                break;
            }
        }
        if (i < 0) {
            all.prepend(u'1');
            ++intLen;
        }
    }
    intPart = all.left(intLen);
    fracPart = all.mid(intLen);
    while (intPart.startsWith(u'0'))
        intPart.remove(0, 1);
}

QString group(const QString& digits, QChar sep)
{
    QString out;
    int n = int(digits.size());
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += sep;
        out += digits[i];
    }
    return out;
}

// ---- custom number patterns ----

struct NumberSection {
    QString prefix;            // literals before the first digit placeholder
    QString intPattern;        // placeholders and literals of the integer part (commas removed)
    QString fracPattern;       // placeholders and literals after the point
    QString suffix;            // literals after the last placeholder
    bool hasPoint = false;
    bool grouping = false;
    int scaleCommas = 0;
    bool percent = false;
    bool scientific = false;
    bool expSignAlways = false;
    int expDigits = 0;
};

// Tokens of a number section: placeholder ('0' '#'), point, comma, E+/E-, literal text.
struct SectionToken {
    enum Kind { Digit, Point, Comma, Exp, Lit } kind;
    QString text;
    bool quoted = false;       // written in quotes or after a backslash: never a format character
};

// The token that starts at s[i]; i ends on its last character.
SectionToken sectionToken(const QString& s, int& i)
{
    const QChar c = s[i];
    if (c == u'"') {
        int j = int(s.indexOf(u'"', i + 1));
        if (j < 0)
            j = int(s.size());
        const QString quoted = s.mid(i + 1, j - i - 1);
        i = j;
        return {SectionToken::Lit, quoted, true};
    }
    if (c == u'\\' && i + 1 < s.size())
        return {SectionToken::Lit, QString(s[++i]), true};
    if (c == u'0' || c == u'#')
        return {SectionToken::Digit, QString(c)};
    if (c == u'.')
        return {SectionToken::Point, QString(c)};
    if (c == u',')
        return {SectionToken::Comma, QString(c)};
    if ((c == u'E' || c == u'e') && i + 1 < s.size() && (s[i + 1] == u'+' || s[i + 1] == u'-')) {
        ++i;
        return {SectionToken::Exp, s.mid(i - 1, 2)};
    }
    return {SectionToken::Lit, QString(c)};
}

QList<SectionToken> sectionTokens(const QString& s)
{
    QList<SectionToken> toks;
    for (int i = 0; i < s.size(); ++i)
        toks.append(sectionToken(s, i));
    return toks;
}

// Splits the tokens of one section into prefix, integer part, fraction, exponent and suffix.
class NumberSectionParser {
public:
    explicit NumberSectionParser(const QString& s) : m_toks(sectionTokens(s)) {}

    NumberSection parse()
    {
        locateParts();
        if (m_firstDigit < 0) {
            m_ns.prefix = textOf(0, int(m_toks.size()));
            return m_ns;
        }
        m_ns.hasPoint = m_point >= 0;
        int after = readInteger();
        if (m_point >= 0)
            after = readFraction();
        if (m_exp >= 0)
            after = readExponent();
        m_ns.suffix = textOf(after, int(m_toks.size()));
        return m_ns;
    }

private:
    const QList<SectionToken> m_toks;
    NumberSection m_ns;
    int m_firstDigit = -1, m_lastDigit = -1, m_point = -1, m_exp = -1;

    bool is(int i, SectionToken::Kind kind) const { return m_toks[i].kind == kind; }

    QString textOf(int from, int to) const
    {
        QString out;
        for (int i = from; i < to; ++i)
            out += m_toks[i].text;
        return out;
    }

    // Placeholders after an exponent are its digits, not the number's.
    void locateParts()
    {
        for (int i = 0; i < m_toks.size(); ++i) {
            if (is(i, SectionToken::Digit) && m_exp < 0) {
                if (m_firstDigit < 0)
                    m_firstDigit = i;
                m_lastDigit = i;
            }
            if (is(i, SectionToken::Point) && m_point < 0 && m_exp < 0)
                m_point = i;
            if (is(i, SectionToken::Exp) && m_exp < 0)
                m_exp = i;
            if (is(i, SectionToken::Lit) && !m_toks[i].quoted && m_toks[i].text == QLatin1String("%"))
                m_ns.percent = true;
        }
    }

    // The prefix and the integer placeholders; returns where the next part starts.
    int readInteger()
    {
        int intEnd = m_point >= 0 ? m_point : m_lastDigit + 1;
        // Commas right after the last integer placeholder divide by 1000 each;
        // commas between integer placeholders turn grouping on.
        int intLast = intEnd - 1;
        while (intLast > m_firstDigit && !is(intLast, SectionToken::Digit))
            --intLast;
        int afterInt = intLast + 1;
        while (afterInt < m_toks.size() && is(afterInt, SectionToken::Comma)) {
            ++m_ns.scaleCommas;
            ++afterInt;
        }
        if (m_point < 0)
            intEnd = afterInt;
        m_ns.prefix = textOf(0, m_firstDigit);
        for (int i = m_firstDigit; i <= intLast; ++i) {
            if (is(i, SectionToken::Comma))
                m_ns.grouping = true;
            else
                m_ns.intPattern += is(i, SectionToken::Digit) ? m_toks[i].text : QStringLiteral("\x01") + m_toks[i].text;
        }
        return intEnd;
    }

    // Placeholders and literals after the point, commas dropped; returns where the next part starts.
    int readFraction()
    {
        int end = m_exp >= 0 ? m_exp : m_lastDigit + 1;
        if (m_lastDigit < m_point)
            end = m_point + 1;
        for (int i = m_point + 1; i < end; ++i) {
            if (is(i, SectionToken::Digit))
                m_ns.fracPattern += m_toks[i].text;
            else if (!is(i, SectionToken::Comma))
                m_ns.fracPattern += QStringLiteral("\x01") + m_toks[i].text;
        }
        return end;
    }

    // Only '0' placeholders set the least number of exponent digits; returns where the suffix starts.
    int readExponent()
    {
        m_ns.scientific = true;
        m_ns.expSignAlways = m_toks[m_exp].text.endsWith(u'+');
        int i = m_exp + 1;
        for (; i < m_toks.size() && is(i, SectionToken::Digit); ++i)
            if (m_toks[i].text == QLatin1String("0"))
                ++m_ns.expDigits;
        return i;
    }
};

NumberSection parseNumberSection(const QString& s)
{
    return NumberSectionParser(s).parse();
}

// Lays digits into the integer placeholders right to left; the leftmost takes the rest.
QString layInteger(const QString& pattern, const QString& digits, bool grouping, QChar sep)
{
    // Split into placeholders (with literals attached to positions).
    struct Slot {
        QChar ph;        // '0' or '#', or 0 for a literal
        QString lit;
    };
    QList<Slot> cells;
    for (int i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == u'\x01' && i + 1 < pattern.size())
            cells.append({QChar(), QString(pattern[++i])});
        else
            cells.append({pattern[i], QString()});
    }
    int placeholders = 0, zeros = 0;
    for (const Slot& s : cells)
        if (!s.ph.isNull()) {
            ++placeholders;
            if (s.ph == u'0')
                ++zeros;
        }
    // The digits to show: padded to the number of '0' placeholders from the right.
    QString shown = digits;
    int minDigits = 0;
    {
        // '0' anywhere forces digits from that placeholder rightwards.
        int seen = 0;
        for (int i = int(cells.size()) - 1; i >= 0; --i) {
            if (cells[i].ph.isNull())
                continue;
            ++seen;
            if (cells[i].ph == u'0')
                minDigits = seen;
        }
    }
    Q_UNUSED(zeros);
    if (shown.size() < minDigits)
        shown.prepend(QString(minDigits - shown.size(), u'0'));
    if (grouping) {
        QString lits;
        bool litsBefore = true;
        for (const Slot& s : cells)
            if (s.ph.isNull() && litsBefore)
                lits += s.lit;
        return lits + group(shown, sep);
    }
    QString out;
    int di = int(shown.size());
    int remainingPh = placeholders;
    for (int i = int(cells.size()) - 1; i >= 0; --i) {
        const Slot& s = cells[i];
        if (s.ph.isNull()) {
            // A literal shows only when digits stand on its left.
            if (di > 0 || remainingPh > 0)
                out.prepend(s.lit);
            continue;
        }
        --remainingPh;
        if (remainingPh == 0) {
            out.prepend(shown.left(di));
            di = 0;
        } else if (di > 0) {
            out.prepend(shown[--di]);
        }
    }
    return out;
}

QString layFraction(const QString& pattern, const QString& digits)
{
    // '0' shows its digit always; '#' only up to the last significant digit.
    QString out;
    int significant = int(digits.size());
    while (significant > 0 && digits[significant - 1] == u'0')
        --significant;
    int di = 0;
    int lastZero = -1, ph = 0;
    for (int i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == u'\x01') {
            ++i;
            continue;
        }
        if (pattern[i] == u'0')
            lastZero = ph;
        ++ph;
    }
    int showUpTo = std::max(significant, lastZero + 1);
    for (int i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == u'\x01' && i + 1 < pattern.size()) {
            out += pattern[++i];
            continue;
        }
        if (di < showUpTo)
            out += digits[di];
        ++di;
    }
    return out;
}

int countPlaceholders(const QString& pattern)
{
    int n = 0;
    for (int i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == u'\x01') {
            ++i;
            continue;
        }
        ++n;
    }
    return n;
}

QString formatNumberSection(const Variant& v, const NumberSection& ns, bool showSign)
{
    const RegionalSettings& rs = Regional::current();
    double scale = 1;
    if (ns.percent)
        scale *= 100;
    for (int i = 0; i < ns.scaleCommas; ++i)
        scale /= 1000;
    const bool negative = v.compare(Variant(0)) < 0;
    QString body;
    if (ns.intPattern.isEmpty() && ns.fracPattern.isEmpty() && !ns.hasPoint && !ns.scientific) {
        return ns.prefix + ns.suffix;
    }
    const int decimals = countPlaceholders(ns.fracPattern);
    if (ns.scientific) {
        double x = std::fabs(v.toDouble() * scale);
        int intDigits = std::max(1, countPlaceholders(ns.intPattern));
        int exp = 0;
        if (x != 0) {
            exp = int(std::floor(std::log10(x))) - (intDigits - 1);
            double m = x / std::pow(10.0, exp);
            // Rounding can carry into another digit: recompute once.
            Digits d = digitsOf(Variant(m), 1);
            QString ip, fp;
            roundDigits(d, decimals, ip, fp);
            if (ip.size() > intDigits) {
                ++exp;
                d = digitsOf(Variant(x / std::pow(10.0, exp)), 1);
                roundDigits(d, decimals, ip, fp);
            }
            body = layInteger(ns.intPattern, ip, ns.grouping, rs.thousandsSeparator);
            if (ns.hasPoint)
                body += rs.decimalSeparator + layFraction(ns.fracPattern, fp);
        } else {
            body = layInteger(ns.intPattern, QString(), false, rs.thousandsSeparator);
            if (ns.hasPoint)
                body += rs.decimalSeparator + layFraction(ns.fracPattern, QString(decimals, u'0'));
        }
        QString e = QStringLiteral("E");
        if (exp < 0)
            e += u'-';
        else if (ns.expSignAlways)
            e += u'+';
        QString ed = QString::number(std::abs(exp));
        if (ed.size() < ns.expDigits)
            ed.prepend(QString(ns.expDigits - ed.size(), u'0'));
        body += e + ed;
    } else {
        Digits d = digitsOf(v, scale);
        QString ip, fp;
        roundDigits(d, decimals, ip, fp);
        body = layInteger(ns.intPattern, ip, ns.grouping, rs.thousandsSeparator);
        if (ns.hasPoint)
            body += rs.decimalSeparator + layFraction(ns.fracPattern, fp);
    }
    QString out = ns.prefix + body + ns.suffix;
    if (negative && showSign)
        out.prepend(u'-');
    return out;
}

QString formatNumber(const Variant& v, const QStringList& sections)
{
    const bool negative = v.compare(Variant(0)) < 0;
    const bool zero = v.compare(Variant(0)) == 0;
    if (zero && sections.size() >= 3 && !sections[2].isEmpty())
        return formatNumberSection(v, parseNumberSection(sections[2]), false);
    if (negative && sections.size() >= 2) {
        if (sections[1].isEmpty())
            return formatNumberSection(v, parseNumberSection(sections[0]), true);
        return formatNumberSection(v, parseNumberSection(sections[1]), false);
    }
    return formatNumberSection(v, parseNumberSection(sections[0]), true);
}

// ---- dates ----

QString pad2(int n) { return n < 10 ? QStringLiteral("0") + QString::number(n) : QString::number(n); }

QString formatDate(const Date& date, const QString& pattern);

// Writes a date through a pattern token by token; each take* member consumes one kind of token.
class DateFormatter {
public:
    DateFormatter(const Date& date, const QString& pattern)
        : m_date(date), m_day(date.date()), m_time(date.time()), m_pattern(pattern), m_lower(pattern.toLower())
    {
        // A 12-hour pattern is one with a marker anywhere.
        const bool twelve = m_lower.contains(QLatin1String("am/pm")) || m_lower.contains(QLatin1String("a/p"))
            || m_lower.contains(QLatin1String("ampm"));
        const int hour12 = m_time.hour() % 12 == 0 ? 12 : m_time.hour() % 12;
        m_hourShown = twelve ? hour12 : m_time.hour();
    }

    QString format()
    {
        while (m_i < m_pattern.size()) {
            if (!takeQuoted() && !takeEscaped() && !takeMarker() && !takeToken())
                m_out += m_pattern[m_i++];
        }
        return m_out;
    }

private:
    const RegionalSettings& m_rs = Regional::current();
    const Date m_date;
    const QDate m_day;
    const QTime m_time;
    const QString& m_pattern;
    const QString m_lower;
    int m_hourShown = 0;
    QString m_out;
    int m_i = 0;
    bool m_lastWasHour = false;   // "m" right after an hour is minutes

    bool isPm() const { return m_time.hour() >= 12; }
    static QString number(int value, int width) { return width == 1 ? QString::number(value) : pad2(value); }

    // Consumes the run of `ch` (any case) that starts here and says how long it was.
    int takeRun(QChar ch)
    {
        const int start = m_i;
        while (m_i < m_pattern.size() && m_pattern[m_i].toLower() == ch)
            ++m_i;
        return m_i - start;
    }

    bool takeQuoted()
    {
        if (m_pattern[m_i] != u'"')
            return false;
        int j = int(m_pattern.indexOf(u'"', m_i + 1));
        if (j < 0)
            j = int(m_pattern.size());
        m_out += m_pattern.mid(m_i + 1, j - m_i - 1);
        m_i = j + 1;
        return true;
    }

    bool takeEscaped()
    {
        if (m_pattern[m_i] != u'\\' || m_i + 1 >= m_pattern.size())
            return false;
        m_out += m_pattern[m_i + 1];
        m_i += 2;
        return true;
    }

    // AM/PM and A/P keep the pattern's own letters; AMPM writes the regional designators.
    bool takeMarker()
    {
        if (m_lower.mid(m_i, 5) == QLatin1String("am/pm")) {
            const QString t = m_pattern.mid(m_i, 5);
            m_out += isPm() ? t.mid(3, 2) : t.left(2);
            m_i += 5;
        } else if (m_lower.mid(m_i, 3) == QLatin1String("a/p")) {
            const QString t = m_pattern.mid(m_i, 3);
            m_out += isPm() ? t[2] : t[0];
            m_i += 3;
        } else if (m_lower.mid(m_i, 4) == QLatin1String("ampm")) {
            m_out += isPm() ? m_rs.pmDesignator : m_rs.amDesignator;
            m_i += 4;
        } else {
            return false;
        }
        return true;
    }

    bool takeToken()
    {
        switch (m_pattern[m_i].toLower().unicode()) {
        case 'd': takeDay(); break;
        case 'm': takeMonthOrMinutes(); break;
        case 'y': takeYear(); break;
        case 'h': takeHour(); break;
        case 'n': takeTimePart(u'n', m_time.minute()); break;
        case 's': takeTimePart(u's', m_time.second()); break;
        case 'w': takeWeek(); break;
        case 'q': takeQuarter(); break;
        case 't': return takeLongTime();
        case 'c': takeGeneral(); break;
        case '/': takeSeparator(m_rs.dateSeparator); break;
        case ':': takeSeparator(m_rs.timeSeparator); break;
        default: return false;
        }
        return true;
    }

    void takeDay()
    {
        const int n = takeRun(u'd');
        if (n <= 2) m_out += number(m_day.day(), n);
        else if (n == 3) m_out += m_rs.dayAbbreviations.value(m_day.dayOfWeek() % 7);
        else if (n == 4) m_out += m_rs.dayNames.value(m_day.dayOfWeek() % 7);
        else if (n == 5) m_out += formatDate(m_date, m_rs.shortDateFormat);
        else m_out += formatDate(m_date, m_rs.longDateFormat);
        m_lastWasHour = false;
    }

    void takeMonthOrMinutes()
    {
        const int n = takeRun(u'm');
        if (m_lastWasHour && n <= 2) m_out += number(m_time.minute(), n);
        else if (n <= 2) m_out += number(m_day.month(), n);
        else if (n == 3) m_out += m_rs.monthAbbreviations.value(m_day.month() - 1);
        else m_out += m_rs.monthNames.value(m_day.month() - 1);
        m_lastWasHour = false;
    }

    void takeYear()
    {
        const int n = takeRun(u'y');
        if (n == 1) m_out += QString::number(m_day.dayOfYear());
        else if (n <= 3) m_out += pad2(m_day.year() % 100);
        else m_out += QString::number(m_day.year()).rightJustified(4, u'0');
        m_lastWasHour = false;
    }

    void takeHour()
    {
        m_out += number(m_hourShown, takeRun(u'h'));
        m_lastWasHour = true;
    }

    void takeTimePart(QChar ch, int value)
    {
        m_out += number(value, takeRun(ch));
        m_lastWasHour = false;
    }

    void takeWeek()
    {
        const int n = takeRun(u'w');
        m_out += QString::number(n == 1 ? Weekday(Variant(m_date)) : DatePart(QStringLiteral("ww"), Variant(m_date)));
        m_lastWasHour = false;
    }

    void takeQuarter()
    {
        m_out += QString::number((m_day.month() - 1) / 3 + 1);
        ++m_i;
    }

    // Only "ttttt" is a token; a shorter run of t is literal text.
    bool takeLongTime()
    {
        if (m_lower.mid(m_i, 5) != QLatin1String("ttttt"))
            return false;
        m_out += formatDate(m_date, m_rs.longTimeFormat);
        m_i += 5;
        return true;
    }

    void takeGeneral()
    {
        m_out += Variant(m_date).toString();
        ++m_i;
    }

    void takeSeparator(QChar regional)
    {
        m_out += regional;
        ++m_i;
    }
};

QString formatDate(const Date& date, const QString& pattern)
{
    return DateFormatter(date, pattern).format();
}

// ---- text ----

QString formatText(const QString& text, const QString& pattern)
{
    int placeholders = 0;
    bool leftToRight = false;
    int caseMode = 0;
    for (QChar c : pattern) {
        if (c == u'@' || c == u'&')
            ++placeholders;
        else if (c == u'!')
            leftToRight = true;
        else if (c == u'<')
            caseMode = -1;
        else if (c == u'>')
            caseMode = 1;
    }
    QString s = caseMode < 0 ? text.toLower() : (caseMode > 0 ? text.toUpper() : text);
    if (placeholders == 0)
        return s;
    // Characters beyond the placeholders go at the start (or the end with "!").
    QString out;
    int extra = int(s.size()) - placeholders;
    int si = 0;
    if (!leftToRight && extra > 0) {
        out += s.left(extra);
        si = extra;
    }
    int missing = placeholders - int(s.size());
    int phSeen = 0;
    for (int i = 0; i < pattern.size(); ++i) {
        QChar c = pattern[i];
        if (c == u'"') {
            int j = int(pattern.indexOf(u'"', i + 1));
            if (j < 0)
                j = int(pattern.size());
            out += pattern.mid(i + 1, j - i - 1);
            i = j;
            continue;
        }
        if (c == u'\\' && i + 1 < pattern.size()) {
            out += pattern[++i];
            continue;
        }
        if (c == u'<' || c == u'>' || c == u'!')
            continue;
        if (c == u'@' || c == u'&') {
            bool empty = leftToRight ? si >= s.size() : phSeen < missing;
            ++phSeen;
            if (empty) {
                if (c == u'@')
                    out += u' ';
            } else if (si < s.size()) {
                out += s[si++];
            }
            continue;
        }
        out += c;
    }
    // With "!" the extra characters on the right are dropped.
    return out;
}

QString namedFormat(const Variant& v, const QString& name, bool& handled)
{
    handled = true;
    const RegionalSettings& rs = Regional::current();
    const QString n = name.toLower();
    auto asDate = [&]() { return v.toDate(); };
    if (n == QLatin1String("general number"))
        return detail::numberText(v.toDouble(), 15, rs.decimalSeparator, rs.leadingZero);
    if (n == QLatin1String("currency")) {
        QString digits = "#,##0." + QString(rs.currencyDigits, u'0');
        return Format(v, rs.currencySymbol + " " + digits + ";" + rs.currencySymbol + " -" + digits);
    }
    if (n == QLatin1String("fixed"))
        return Format(v, QStringLiteral("0.00"));
    if (n == QLatin1String("standard"))
        return Format(v, QStringLiteral("#,##0.00"));
    if (n == QLatin1String("percent"))
        return Format(v, QStringLiteral("0.00%"));
    if (n == QLatin1String("scientific"))
        return Format(v, QStringLiteral("0.00E+00"));
    if (n == QLatin1String("yes/no"))
        return v.toDouble() != 0 ? QStringLiteral("Yes") : QStringLiteral("No");
    if (n == QLatin1String("true/false"))
        return v.toDouble() != 0 ? QStringLiteral("True") : QStringLiteral("False");
    if (n == QLatin1String("on/off"))
        return v.toDouble() != 0 ? QStringLiteral("On") : QStringLiteral("Off");
    if (n == QLatin1String("general date"))
        return Variant(asDate()).toString();
    if (n == QLatin1String("long date"))
        return formatDate(asDate(), rs.longDateFormat);
    if (n == QLatin1String("medium date"))
        return formatDate(asDate(), QStringLiteral("dd-mmm-yy"));
    if (n == QLatin1String("short date"))
        return formatDate(asDate(), rs.shortDateFormat);
    if (n == QLatin1String("long time"))
        return formatDate(asDate(), rs.longTimeFormat);
    if (n == QLatin1String("medium time"))
        return formatDate(asDate(), QStringLiteral("hh:mm AMPM"));
    if (n == QLatin1String("short time"))
        return formatDate(asDate(), rs.shortTimeFormat);
    handled = false;
    return {};
}

bool isNumberValue(const Variant& v)
{
    switch (v.type()) {
    case VarType::Empty: case VarType::Boolean: case VarType::Byte: case VarType::Integer: case VarType::Long:
    case VarType::Single: case VarType::Double: case VarType::Currency: case VarType::Decimal:
        return true;
    default:
        return false;
    }
}

} // namespace

QString Format(const Variant& v, const QString& pattern)
{
    if (v.isNull()) {
        QStringList sections = splitSections(pattern);
        if (sections.size() >= 4)
            return formatNumberSection(Variant(0), parseNumberSection(sections[3]), false);
        return QString();
    }
    if (v.isObject() || v.type() == VarType::Error)
        raise(13);
    if (pattern.isEmpty())
        return v.toString();
    // A text that reads as a number or date is formatted as one.
    Variant value = v;
    if (v.isString()) {
        bool handled = false;
        if (classify(splitSections(pattern)[0]) == PatternKind::Number || pattern.compare(QLatin1String("Standard"), Qt::CaseInsensitive) == 0
            || pattern.compare(QLatin1String("Fixed"), Qt::CaseInsensitive) == 0
            || pattern.compare(QLatin1String("Percent"), Qt::CaseInsensitive) == 0
            || pattern.compare(QLatin1String("Currency"), Qt::CaseInsensitive) == 0
            || pattern.compare(QLatin1String("General Number"), Qt::CaseInsensitive) == 0
            || pattern.compare(QLatin1String("Scientific"), Qt::CaseInsensitive) == 0) {
            double d;
            if (!detail::parseNumber(v.stringRef(), d))
                return v.stringRef();
            value = Variant(d);
            Decimal exact;
            if (detail::parseNumber(v.stringRef(), exact) && std::fabs(d) < 1e15)
                value = Variant(exact);
        } else if (classify(splitSections(pattern)[0]) == PatternKind::Date) {
            Date dd;
            if (detail::parseDate(v.stringRef(), dd))
                value = Variant(dd);
            else {
                double d;
                if (!detail::parseNumber(v.stringRef(), d))
                    return v.stringRef();
                value = Variant(d);
            }
        } else {
            QString named = namedFormat(v, pattern, handled);
            if (handled)
                return named;
        }
    }
    bool handled = false;
    QString named = namedFormat(value, pattern, handled);
    if (handled)
        return named;
    QStringList sections = splitSections(pattern);
    PatternKind kind = classify(sections[0]);
    if (kind == PatternKind::Date) {
        if (value.isString())
            return formatText(value.stringRef(), pattern);
        return formatDate(value.toDate(), sections[0]);
    }
    if (kind == PatternKind::Text || value.isString())
        return formatText(value.toString(), sections[0]);
    if (value.type() == VarType::Date)
        value = Variant(value.toDate().serial);
    if (!isNumberValue(value) && value.type() != VarType::Date)
        return value.toString();
    return formatNumber(value, sections);
}

QString FormatNumber(const Variant& v, int decimals, bool groupDigits)
{
    if (decimals < 0)
        decimals = 2;
    QString pattern = groupDigits ? QStringLiteral("#,##0") : QStringLiteral("0");
    if (decimals > 0)
        pattern += u'.' + QString(decimals, u'0');
    return Format(v, pattern);
}

} // namespace vb

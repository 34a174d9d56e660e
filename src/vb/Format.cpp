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

NumberSection parseNumberSection(const QString& s)
{
    // Tokens: placeholder ('0' '#'), point, comma, E+/E-, literal text.
    struct Tok {
        enum K { Digit, Point, Comma, Exp, Lit } k;
        QString text;
    };
    QList<Tok> toks;
    for (int i = 0; i < s.size(); ++i) {
        QChar c = s[i];
        if (c == u'"') {
            int j = int(s.indexOf(u'"', i + 1));
            if (j < 0)
                j = int(s.size());
            toks.append({Tok::Lit, s.mid(i + 1, j - i - 1)});
            i = j;
        } else if (c == u'\\' && i + 1 < s.size()) {
            toks.append({Tok::Lit, QString(s[++i])});
        } else if (c == u'0' || c == u'#') {
            toks.append({Tok::Digit, QString(c)});
        } else if (c == u'.') {
            toks.append({Tok::Point, QString(c)});
        } else if (c == u',') {
            toks.append({Tok::Comma, QString(c)});
        } else if ((c == u'E' || c == u'e') && i + 1 < s.size() && (s[i + 1] == u'+' || s[i + 1] == u'-')) {
            toks.append({Tok::Exp, s.mid(i, 2)});
            ++i;
        } else if (c == u'%') {
            toks.append({Tok::Lit, QStringLiteral("%")});
        } else {
            toks.append({Tok::Lit, QString(c)});
        }
    }
    NumberSection ns;
    int firstDigit = -1, lastDigit = -1, point = -1, exp = -1;
    for (int i = 0; i < toks.size(); ++i) {
        if (toks[i].k == Tok::Digit && exp < 0) {
            if (firstDigit < 0)
                firstDigit = i;
            lastDigit = i;
        }
        if (toks[i].k == Tok::Point && point < 0 && exp < 0)
            point = i;
        if (toks[i].k == Tok::Exp && exp < 0)
            exp = i;
        if (toks[i].k == Tok::Lit && toks[i].text == QLatin1String("%"))
            ns.percent = true;
    }
    if (firstDigit < 0) {
        for (const Tok& t : toks)
            ns.prefix += t.text;
        return ns;
    }
    ns.hasPoint = point >= 0;
    int intEnd = point >= 0 ? point : lastDigit + 1;
    // Commas right after the last integer placeholder divide by 1000 each;
    // commas between integer placeholders turn grouping on.
    int intLast = intEnd - 1;
    while (intLast > firstDigit && toks[intLast].k != Tok::Digit)
        --intLast;
    int afterInt = intLast + 1;
    while (afterInt < toks.size() && toks[afterInt].k == Tok::Comma) {
        ++ns.scaleCommas;
        ++afterInt;
    }
    if (point < 0)
        intEnd = afterInt;
    for (int i = 0; i < firstDigit; ++i)
        ns.prefix += toks[i].text;
    for (int i = firstDigit; i <= intLast; ++i) {
        if (toks[i].k == Tok::Comma)
            ns.grouping = true;
        else
            ns.intPattern += toks[i].k == Tok::Digit ? toks[i].text : QStringLiteral("\x01") + toks[i].text;
    }
    int after = intEnd;
    if (point >= 0) {
        int end = exp >= 0 ? exp : lastDigit + 1;
        if (lastDigit < point)
            end = point + 1;
        for (int i = point + 1; i < end; ++i) {
            if (toks[i].k == Tok::Digit)
                ns.fracPattern += toks[i].text;
            else if (toks[i].k == Tok::Comma)
                continue;
            else
                ns.fracPattern += QStringLiteral("\x01") + toks[i].text;
        }
        after = end;
    }
    if (exp >= 0) {
        ns.scientific = true;
        ns.expSignAlways = toks[exp].text.endsWith(u'+');
        int i = exp + 1;
        for (; i < toks.size() && toks[i].k == Tok::Digit; ++i)
            if (toks[i].text == QLatin1String("0"))
                ++ns.expDigits;
        after = i;
    }
    for (int i = after; i < toks.size(); ++i)
        ns.suffix += toks[i].text;
    return ns;
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

QString formatDate(const Date& date, const QString& pattern)
{
    const RegionalSettings& rs = Regional::current();
    const QDate day = date.date();
    const QTime time = date.time();
    // Is it a 12-hour pattern?
    const QString lower = pattern.toLower();
    const bool twelve = lower.contains(QLatin1String("am/pm")) || lower.contains(QLatin1String("a/p"))
        || lower.contains(QLatin1String("ampm"));
    int hour12 = time.hour() % 12;
    if (hour12 == 0)
        hour12 = 12;
    const int hourShown = twelve ? hour12 : time.hour();
    QString out;
    bool lastWasHour = false;
    for (int i = 0; i < pattern.size();) {
        QChar c = pattern[i];
        QChar l = c.toLower();
        auto run = [&](QChar ch) {
            int j = i;
            while (j < pattern.size() && pattern[j].toLower() == ch)
                ++j;
            return j - i;
        };
        if (c == u'"') {
            int j = int(pattern.indexOf(u'"', i + 1));
            if (j < 0)
                j = int(pattern.size());
            out += pattern.mid(i + 1, j - i - 1);
            i = j + 1;
            continue;
        }
        if (c == u'\\' && i + 1 < pattern.size()) {
            out += pattern[i + 1];
            i += 2;
            continue;
        }
        if (lower.mid(i, 5) == QLatin1String("am/pm")) {
            QString t = pattern.mid(i, 5);
            bool pm = time.hour() >= 12;
            out += pm ? t.mid(3, 2) : t.left(2);
            i += 5;
            continue;
        }
        if (lower.mid(i, 3) == QLatin1String("a/p")) {
            QString t = pattern.mid(i, 3);
            out += time.hour() >= 12 ? t[2] : t[0];
            i += 3;
            continue;
        }
        if (lower.mid(i, 4) == QLatin1String("ampm")) {
            out += time.hour() >= 12 ? rs.pmDesignator : rs.amDesignator;
            i += 4;
            continue;
        }
        if (l == u'd') {
            int n = run(u'd');
            if (n == 1) out += QString::number(day.day());
            else if (n == 2) out += pad2(day.day());
            else if (n == 3) out += rs.dayAbbreviations.value(day.dayOfWeek() % 7);
            else if (n == 4) out += rs.dayNames.value(day.dayOfWeek() % 7);
            else if (n == 5) out += formatDate(date, rs.shortDateFormat);
            else out += formatDate(date, rs.longDateFormat);
            i += n;
            lastWasHour = false;
            continue;
        }
        if (l == u'm') {
            int n = run(u'm');
            if (lastWasHour && n <= 2) {
                out += n == 1 ? QString::number(time.minute()) : pad2(time.minute());
            } else if (n == 1) {
                out += QString::number(day.month());
            } else if (n == 2) {
                out += pad2(day.month());
            } else if (n == 3) {
                out += rs.monthAbbreviations.value(day.month() - 1);
            } else {
                out += rs.monthNames.value(day.month() - 1);
            }
            i += n;
            lastWasHour = false;
            continue;
        }
        if (l == u'y') {
            int n = run(u'y');
            if (n == 1) out += QString::number(day.dayOfYear());
            else if (n <= 3) out += pad2(day.year() % 100);
            else out += QString::number(day.year()).rightJustified(4, u'0');
            i += n;
            lastWasHour = false;
            continue;
        }
        if (l == u'h') {
            int n = run(u'h');
            out += n == 1 ? QString::number(hourShown) : pad2(hourShown);
            i += n;
            lastWasHour = true;
            continue;
        }
        if (l == u'n') {
            int n = run(u'n');
            out += n == 1 ? QString::number(time.minute()) : pad2(time.minute());
            i += n;
            lastWasHour = false;
            continue;
        }
        if (l == u's') {
            int n = run(u's');
            out += n == 1 ? QString::number(time.second()) : pad2(time.second());
            i += n;
            lastWasHour = false;
            continue;
        }
        if (l == u'w') {
            int n = run(u'w');
            out += QString::number(n == 1 ? Weekday(Variant(date)) : DatePart(QStringLiteral("ww"), Variant(date)));
            i += n;
            lastWasHour = false;
            continue;
        }
        if (l == u'q') {
            out += QString::number((day.month() - 1) / 3 + 1);
            ++i;
            continue;
        }
        if (l == u't' && lower.mid(i, 5) == QLatin1String("ttttt")) {
            out += formatDate(date, rs.longTimeFormat);
            i += 5;
            continue;
        }
        if (l == u'c') {
            out += Variant(date).toString();
            ++i;
            continue;
        }
        if (c == u'/') {
            out += rs.dateSeparator;
            ++i;
            continue;
        }
        if (c == u':') {
            out += rs.timeSeparator;
            ++i;
            continue;
        }
        out += c;
        ++i;
    }
    return out;
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

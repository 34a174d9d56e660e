#include "vb/Strings.h"
#include "vb/Error.h"
#include "vb/Files.h"

#include <QCollator>
#include <QLocale>
#include <vector>

namespace vb {

namespace {

void requireNonNegative(int n)
{
    if (n < 0)
        raise(5);
}

Qt::CaseSensitivity cs(CompareMethod m) { return m == CompareMethod::Text ? Qt::CaseInsensitive : Qt::CaseSensitive; }

QChar foldChar(QChar c) { return c.toUpper(); }

} // namespace

int Len(const QString& s) { return int(s.size()); }

QString Left(const QString& s, int length)
{
    requireNonNegative(length);
    return s.left(length);
}

QString Right(const QString& s, int length)
{
    requireNonNegative(length);
    return s.right(length);
}

QString Mid(const QString& s, int start, int length)
{
    if (start < 1 || length < -1)
        raise(5);
    if (start > s.size())
        return QString();
    return length < 0 ? s.mid(start - 1) : s.mid(start - 1, length);
}

void MidAssign(QString& target, int start, const QString& replacement, int length)
{
    if (start < 1 || start > target.size() || length < -1)
        raise(5);
    int n = int(replacement.size());
    if (length >= 0 && length < n)
        n = length;
    n = std::min<int>(n, int(target.size()) - (start - 1));
    for (int i = 0; i < n; ++i)
        target[start - 1 + i] = replacement[i];
}

int InStr(const QString& s, const QString& find, CompareMethod method) { return InStr(1, s, find, method); }

int InStr(int start, const QString& s, const QString& find, CompareMethod method)
{
    if (start < 1)
        raise(5);
    if (s.isEmpty())
        return 0;
    if (start > s.size())
        return 0;
    if (find.isEmpty())
        return start;
    qsizetype at = s.indexOf(find, start - 1, cs(method));
    return at < 0 ? 0 : int(at) + 1;
}

int InStrRev(const QString& s, const QString& find, int start, CompareMethod method)
{
    if (start == 0 || start < -1)
        raise(5);
    if (s.isEmpty())
        return 0;
    if (start == -1)
        start = int(s.size());
    if (start > s.size())
        return 0;
    if (find.isEmpty())
        return start;
    // The match must end at or before `start`.
    int from = start - int(find.size());
    if (from < 0)
        return 0;
    qsizetype at = s.lastIndexOf(find, from, cs(method));
    return at < 0 ? 0 : int(at) + 1;
}

QString Replace(const QString& s, const QString& find, const QString& replacement, int start, int count, CompareMethod method)
{
    if (start < 1 || count < -1)
        raise(5);
    if (start > s.size())
        return QString();
    // The result starts at `start`, as the original's does.
    QString src = s.mid(start - 1);
    if (find.isEmpty() || count == 0)
        return src;
    QString out;
    qsizetype pos = 0;
    int done = 0;
    while (count < 0 || done < count) {
        qsizetype at = src.indexOf(find, pos, cs(method));
        if (at < 0)
            break;
        out += QStringView(src).mid(pos, at - pos);
        out += replacement;
        pos = at + find.size();
        ++done;
    }
    out += QStringView(src).mid(pos);
    return out;
}

QString LTrim(const QString& s)
{
    int i = 0;
    while (i < s.size() && s[i] == u' ')
        ++i;
    return s.mid(i);
}

QString RTrim(const QString& s)
{
    int n = int(s.size());
    while (n > 0 && s[n - 1] == u' ')
        --n;
    return s.left(n);
}

QString Trim(const QString& s) { return LTrim(RTrim(s)); }
QString UCase(const QString& s) { return s.toUpper(); }
QString LCase(const QString& s) { return s.toLower(); }

bool textEquals(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

bool textEqualsAny(const QString& text, std::initializer_list<const char*> names)
{
    for (const char* name : names) {
        if (text.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}
QString textKey(const QString& s) { return s.toUpper(); }

int StrComp(const QString& a, const QString& b, CompareMethod method)
{
    if (method == CompareMethod::Binary) {
        int c = QString::compare(a, b, Qt::CaseSensitive);
        return c < 0 ? -1 : (c > 0 ? 1 : 0);
    }
    if (a.compare(b, Qt::CaseInsensitive) == 0)
        return 0;
    // Dictionary order of the regional language: accents after the plain letter, ñ after n.
    static thread_local QCollator collator = [] {
        QCollator c(QLocale(QLocale::Spanish, QLocale::Argentina));
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    int c = collator.compare(a, b);
    if (c == 0) {
        // The collator may see texts as equal that differ in more than case: keep an order.
        c = QString::compare(a.toUpper(), b.toUpper(), Qt::CaseSensitive);
    }
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

QStringList Split(const QString& s, const QString& delimiter, int limit, CompareMethod method)
{
    if (limit < -1)
        raise(5);
    QStringList out;
    if (s.isEmpty() || limit == 0)
        return out;
    if (delimiter.isEmpty()) {
        out.append(s);
        return out;
    }
    qsizetype pos = 0;
    while (limit < 0 || out.size() < limit - 1) {
        qsizetype at = s.indexOf(delimiter, pos, cs(method));
        if (at < 0)
            break;
        out.append(s.mid(pos, at - pos));
        pos = at + delimiter.size();
    }
    out.append(s.mid(pos));
    return out;
}

QString Join(const QStringList& parts, const QString& delimiter) { return parts.join(delimiter); }

QString Space(int count)
{
    requireNonNegative(count);
    return QString(count, u' ');
}

QString String(int count, QChar character)
{
    requireNonNegative(count);
    return QString(count, character);
}

QString String(int count, const QString& character)
{
    if (character.isEmpty())
        raise(5);
    return String(count, character[0]);
}

QString String(int count, int charCode)
{
    return String(count, Chr(charCode % 256 < 0 ? charCode % 256 + 256 : charCode % 256)[0]);
}

QString StrReverse(const QString& s)
{
    QString r = s;
    std::reverse(r.begin(), r.end());
    return r;
}

QString Chr(int code)
{
    if (code < 0 || code > 255)
        raise(5);
    return QString(Windows1252::toUnicode(std::uint8_t(code)));
}

QString ChrW(int code)
{
    if (code < -32768 || code > 65535)
        raise(5);
    return QString(QChar(char16_t(code < 0 ? code + 65536 : code)));
}

int Asc(const QString& s)
{
    if (s.isEmpty())
        raise(5);
    return Windows1252::fromUnicode(s[0]);
}

int AscW(const QString& s)
{
    if (s.isEmpty())
        raise(5);
    return std::int16_t(s[0].unicode());
}

// ---- Like ----

namespace {

struct PatternItem {
    enum Kind { Literal, AnyOne, AnyDigit, AnyRun, Set } kind;
    QChar ch;
    bool negated = false;
    std::vector<std::pair<QChar, QChar>> ranges;
};

std::vector<PatternItem> compilePattern(const QString& pattern, bool text)
{
    std::vector<PatternItem> items;
    for (int i = 0; i < pattern.size(); ++i) {
        QChar c = pattern[i];
        if (c == u'*') {
            if (items.empty() || items.back().kind != PatternItem::AnyRun)
                items.push_back({PatternItem::AnyRun, {}, false, {}});
        } else if (c == u'?') {
            items.push_back({PatternItem::AnyOne, {}, false, {}});
        } else if (c == u'#') {
            items.push_back({PatternItem::AnyDigit, {}, false, {}});
        } else if (c == u'[') {
            int j = i + 1;
            PatternItem item{PatternItem::Set, {}, false, {}};
            if (j < pattern.size() && pattern[j] == u'!') {
                item.negated = true;
                ++j;
            }
            bool closed = false;
            for (; j < pattern.size(); ++j) {
                QChar a = pattern[j];
                if (a == u']') {
                    closed = true;
                    break;
                }
                if (j + 2 < pattern.size() && pattern[j + 1] == u'-' && pattern[j + 2] != u']') {
                    QChar b = pattern[j + 2];
                    if (text) {
                        a = foldChar(a);
                        b = foldChar(b);
                    }
                    if (b < a)
                        raise(93);
                    item.ranges.push_back({a, b});
                    j += 2;
                } else {
                    if (text)
                        a = foldChar(a);
                    item.ranges.push_back({a, a});
                }
            }
            if (!closed)
                raise(93);
            if (item.ranges.empty() && !item.negated) {
                // "[]" matches the empty string: nothing to add
            } else {
                items.push_back(item);
            }
            i = j;
        } else {
            items.push_back({PatternItem::Literal, text ? foldChar(c) : c, false, {}});
        }
    }
    return items;
}

bool matchOne(const PatternItem& p, QChar c)
{
    switch (p.kind) {
    case PatternItem::Literal: return p.ch == c;
    case PatternItem::AnyOne: return true;
    case PatternItem::AnyDigit: return c.unicode() >= '0' && c.unicode() <= '9';
    case PatternItem::Set: {
        bool in = false;
        for (const auto& r : p.ranges)
            if (c >= r.first && c <= r.second) {
                in = true;
                break;
            }
        return in != p.negated;
    }
    default: return false;
    }
}

} // namespace

bool Like(const QString& text, const QString& pattern, CompareMethod method)
{
    const bool fold = method == CompareMethod::Text;
    std::vector<PatternItem> items = compilePattern(pattern, fold);
    QString s = fold ? text.toUpper() : text;
    if (fold && s.size() != text.size())
        s = text;   // a letter whose capital takes two units: compare as written
    // Greedy match with backtracking to the last "*" (linear in practice).
    const int n = int(s.size()), m = int(items.size());
    int si = 0, pi = 0, starP = -1, starS = 0;
    while (si < n) {
        if (pi < m && items[pi].kind != PatternItem::AnyRun && matchOne(items[pi], s[si])) {
            ++si;
            ++pi;
        } else if (pi < m && items[pi].kind == PatternItem::AnyRun) {
            starP = pi++;
            starS = si;
        } else if (starP >= 0) {
            pi = starP + 1;
            si = ++starS;
        } else {
            return false;
        }
    }
    while (pi < m && items[pi].kind == PatternItem::AnyRun)
        ++pi;
    return pi == m;
}

} // namespace vb

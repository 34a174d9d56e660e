#include "ado/ServerText.h"

#include <cstring>

namespace ado {

QString ServerText::withoutTrailingBlanks(const QString& text)
{
    qsizetype n = text.size();
    while (n > 0 && text[n - 1] == u' ')
        --n;
    return text.left(n);
}

// Letters sort by their base letter (á with a), Ñ between N and O as in Spanish.
int ServerText::primaryWeight(QChar c)
{
    const QChar folded = c.toCaseFolded();
    if (folded == QChar(0x00F1))
        return u'n' * 2 + 1;
    const QString decomposition = folded.decomposition();
    const QChar base = decomposition.isEmpty() || folded.decompositionTag() != QChar::Canonical ? folded : decomposition[0];
    return base.unicode() * 2;
}

int ServerText::compare(const QString& a, const QString& b)
{
    const QString x = withoutTrailingBlanks(a);
    const QString y = withoutTrailingBlanks(b);
    const qsizetype n = std::min(x.size(), y.size());
    for (qsizetype i = 0; i < n; ++i) {
        const int wx = primaryWeight(x[i]);
        const int wy = primaryWeight(y[i]);
        if (wx != wy)
            return wx < wy ? -1 : 1;
    }
    if (x.size() != y.size())
        return x.size() < y.size() ? -1 : 1;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t fx = x[i].toCaseFolded().unicode();
        const char16_t fy = y[i].toCaseFolded().unicode();
        if (fx != fy)
            return fx < fy ? -1 : 1;
    }
    return 0;
}

int ServerText::compareUtf8(const char* a, int aSize, const char* b, int bSize)
{
    while (aSize > 0 && a[aSize - 1] == ' ')
        --aSize;
    while (bSize > 0 && b[bSize - 1] == ' ')
        --bSize;
    const int n = std::min(aSize, bSize);
    for (int i = 0; i < n; ++i) {
        unsigned char ca = static_cast<unsigned char>(a[i]);
        unsigned char cb = static_cast<unsigned char>(b[i]);
        if (ca >= 0x80 || cb >= 0x80)
            return compare(QString::fromUtf8(a, aSize), QString::fromUtf8(b, bSize));
        if (ca >= 'A' && ca <= 'Z')
            ca += 32;
        if (cb >= 'A' && cb <= 'Z')
            cb += 32;
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    if (aSize == bSize)
        return 0;
    const char* rest = aSize > bSize ? a + n : b + n;
    const int restSize = std::abs(aSize - bSize);
    for (int i = 0; i < restSize; ++i)
        if (static_cast<unsigned char>(rest[i]) >= 0x80)
            return compare(QString::fromUtf8(a, aSize), QString::fromUtf8(b, bSize));
    return aSize < bSize ? -1 : 1;
}

bool ServerText::matchSet(const QString& pattern, qsizetype& at, QChar c)
{
    // at points just after "["; on return it points after "]".
    bool negate = at < pattern.size() && (pattern[at] == u'^');
    if (negate)
        ++at;
    bool found = false;
    bool first = true;
    while (at < pattern.size() && (pattern[at] != u']' || first)) {
        first = false;
        const QChar low = pattern[at];
        if (at + 2 < pattern.size() && pattern[at + 1] == u'-' && pattern[at + 2] != u']') {
            const int weight = primaryWeight(c);
            found = found || (weight >= primaryWeight(low) && weight <= primaryWeight(pattern[at + 2]));
            at += 3;
        } else {
            found = found || sameLetter(low, c);
            ++at;
        }
    }
    ++at;
    return found != negate;
}

bool ServerText::like(const QString& rawValue, const QString& pattern, QChar escape)
{
    const QString value = withoutTrailingBlanks(rawValue);
    qsizetype v = 0, p = 0;
    qsizetype starP = -1, starV = 0;
    while (v < value.size()) {
        bool advanced = false;
        if (p < pattern.size()) {
            const QChar pc = pattern[p];
            if (pc == u'%') {
                starP = ++p;
                starV = v;
                continue;
            }
            qsizetype next = p + 1;
            bool ok = false;
            if (!escape.isNull() && pc == escape && p + 1 < pattern.size()) {
                ok = sameLetter(pattern[p + 1], value[v]);
                next = p + 2;
            } else if (pc == u'_') {
                ok = true;
            } else if (pc == u'[' && pattern.indexOf(u']', p + 2) > 0) {
                ok = matchSet(pattern, next, value[v]);
            } else {
                ok = sameLetter(pc, value[v]);
            }
            if (ok) {
                p = next;
                ++v;
                advanced = true;
            }
        }
        if (advanced)
            continue;
        if (starP < 0)
            return false;
        p = starP;
        v = ++starV;
    }
    while (p < pattern.size() && pattern[p] == u'%')
        ++p;
    return p == pattern.size();
}

} // namespace ado

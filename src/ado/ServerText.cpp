#include "ado/ServerText.h"

#include "ado/LikePattern.h"

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

bool ServerText::like(const QString& value, const QString& pattern, QChar escape)
{
    return LikePattern(pattern, escape).matches(value);
}

} // namespace ado

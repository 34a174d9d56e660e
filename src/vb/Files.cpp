#include "vb/Files.h"
#include "vb/Error.h"

#include <array>

namespace vb {

namespace {

// 0x80..0x9F of Windows-1252; the five unassigned bytes map to themselves.
const char16_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

} // namespace

QChar Windows1252::toUnicode(std::uint8_t byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return QChar(kHigh[byte - 0x80]);
    return QChar(char16_t(byte));
}

bool Windows1252::canEncode(QChar c)
{
    char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return true;
    for (char16_t h : kHigh)
        if (h == u)
            return true;
    return false;
}

std::uint8_t Windows1252::fromUnicode(QChar c)
{
    char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return std::uint8_t(u);
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == u)
            return std::uint8_t(0x80 + i);
    return '?';
}

QString Windows1252::decode(const QByteArray& bytes)
{
    QString out(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        out[i] = toUnicode(std::uint8_t(bytes[i]));
    return out;
}

QByteArray Windows1252::encode(const QString& text)
{
    QByteArray out(text.size(), Qt::Uninitialized);
    qsizetype n = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        QChar c = text[i];
        // A character outside the basic plane is one "?", not two.
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        out[n++] = char(fromUnicode(c));
    }
    out.truncate(n);
    return out;
}

} // namespace vb

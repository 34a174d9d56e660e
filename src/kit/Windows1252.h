#pragma once
// The suite's settings and data files are Windows-1252. Bytes 0x80..0x9F hold the typographic
// characters of that code page; the five bytes it leaves undefined map to the C1 control of the
// same number, as Windows itself maps them, so every byte survives a round trip.

#include <QByteArray>
#include <QString>

namespace kit {

class Windows1252 {
public:
    static QString decode(const QByteArray& bytes);
    // Characters outside the code page become "?".
    static QByteArray encode(const QString& text);
    static bool canEncode(QChar c);
    static int byteOf(QChar c);                     // -1 when the code page lacks the character
    static QChar charOf(unsigned char byte);
};

} // namespace kit

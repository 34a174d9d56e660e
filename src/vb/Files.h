#pragma once
// Files of the Windows suite: Windows-1252 text with CR LF, the original's Input #/Write # field
// syntax, fixed-length record files, and file names looked up without regard to case.

#include "vb/Variant.h"

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

namespace vb {

// Windows-1252 in both directions: every byte has a character (0x81, 0x8D, 0x8F, 0x90, 0x9D
// map to the control characters of the same number, as Windows does); a character without a
// byte becomes "?".
class Windows1252 {
public:
    static QString decode(const QByteArray& bytes);
    static QByteArray encode(const QString& text);
    static QChar toUnicode(std::uint8_t byte);
    static std::uint8_t fromUnicode(QChar c);     // '?' when there is no byte for it
    static bool canEncode(QChar c);
};

} // namespace vb

#pragma once
// The stored form of passwords (Utilidades.Codificar / Decodificar).
//
// Letters, digits and ".-_*+#$%!?()" (the usual password characters) are each replaced by
// another character of that same set, shifted by an amount that depends on the position, so
// such a password keeps its length and fits wherever the plain one fitted. Every other
// character (blank, comma, quote, apostrophe, "=", "|", ";", accented letters, controls) is
// written as "~" and two characters of the set giving its Windows-1252 byte; a character outside
// Windows-1252 as "^" and three characters giving its UTF-16 code. The stored form therefore
// holds only printable ASCII without blank, ",", quote, apostrophe, line break, "=", "|" or ";",
// so it goes unchanged through the connections file, INI values, parameter lines and SQL text.
// This hides a password from a casual look; it is not encryption.

#include <QString>

namespace kit {

class PasswordCodec {
public:
    static QString encode(const QString& text);
    // Text that this encoding cannot have produced decodes character by character as far as it
    // can; what does not decode is kept as it stands.
    static QString decode(const QString& stored);

private:
    static int shiftAt(int position);
    static QString digits(int value, int count);
    static int valueOf(const QString& text, qsizetype from, int count);   // -1 when not digits of the set
};

} // namespace kit

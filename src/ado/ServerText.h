#pragma once

#include <QString>

namespace ado {

// Text rules of the server's default collation: letter case is ignored (also for Ñ/ñ and
// accented letters), accents are not, and trailing blanks never count.
class ServerText {
public:
    static int compare(const QString& a, const QString& b);
    static int compareUtf8(const char* a, int aSize, const char* b, int bSize);
    static bool equal(const QString& a, const QString& b) { return compare(a, b) == 0; }
    // T-SQL LIKE: % any run, _ one character, [abc] [a-z] [^a-z] sets; escape may be null.
    static bool like(const QString& value, const QString& pattern, QChar escape = QChar());
    static QString withoutTrailingBlanks(const QString& text);
    // The weight a letter sorts by: its base letter (á with a), Ñ between N and O.
    static int primaryWeight(QChar c);
};

} // namespace ado

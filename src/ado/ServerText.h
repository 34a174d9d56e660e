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

private:
    static int primaryWeight(QChar c);
    static bool matchSet(const QString& pattern, qsizetype& at, QChar c);
    static bool sameLetter(QChar a, QChar b) { return a.toCaseFolded() == b.toCaseFolded(); }
};

} // namespace ado

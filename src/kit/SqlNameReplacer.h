#pragma once
// Replaces a table or view name inside SQL text: letter case ignored, whole names only (the
// neighbours of a match are no name characters), and never inside a quoted literal, so a
// longer name or a searched text that merely contains the name stays as it is.

#include <QString>

namespace kit {

class SqlNameReplacer {
public:
    static QString replace(const QString& sql, const QString& name, const QString& replacement);

private:
    static bool isNameChar(QChar c);
    static bool matchesAt(const QString& sql, qsizetype at, const QString& name);
    static qsizetype literalEnd(const QString& sql, qsizetype quoteAt);   // index after the closing quote
};

} // namespace kit

#pragma once

#include <vb/Variant.h>

namespace ado {

// A value as a SQL Server literal: texts quoted with apostrophes doubled, numbers with ".",
// dates as ODBC timestamp escapes (read the same whatever the server's date format), NULL.
class SqlLiteral {
public:
    static QString fromVariant(const vb::Variant& value);
    // A text to be placed between apostrophes: its apostrophes doubled, any NUL left out.
    static QString escapedText(const QString& text);
    // Typed text inside a LIKE pattern literal: apostrophes doubled, any NUL left out, and "[",
    // "_" and "%" made literal ("[[]", "[_]", "[%]"), so the text matches only itself. A caller
    // that wants a wildcard of its own (blanks as "%") puts it in after escaping.
    static QString likeText(const QString& text);
};

} // namespace ado

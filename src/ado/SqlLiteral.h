#pragma once

#include <vb/Variant.h>

namespace ado {

// A value as a SQL Server literal: texts quoted with apostrophes doubled, numbers with ".",
// dates as ODBC timestamp escapes (read the same whatever the server's date format), NULL.
class SqlLiteral {
public:
    static QString fromVariant(const vb::Variant& value);
    // Text the operator typed, for use inside a quoted LIKE pattern: apostrophes doubled and
    // the pattern characters "[", "_" and "%" made literal ("[[]", "[_]", "[%]"). A caller that
    // means a character as a wildcard turns it into one afterwards.
    static QString likeText(const QString& typed);
};

} // namespace ado

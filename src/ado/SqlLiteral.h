#pragma once

#include <vb/Variant.h>

namespace ado {

// A value as a SQL Server literal: texts quoted with apostrophes doubled, numbers with ".",
// dates as ODBC timestamp escapes (read the same whatever the server's date format), NULL.
class SqlLiteral {
public:
    static QString fromVariant(const vb::Variant& value);
    // Typed text taken literally inside a LIKE pattern's quotes: apostrophes doubled and the
    // pattern characters "[", "_" and "%" made plain ("[[]", "[_]", "[%]").
    static QString likeText(const QString& text);
};

} // namespace ado

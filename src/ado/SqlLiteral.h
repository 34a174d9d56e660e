#pragma once

#include <vb/Variant.h>

namespace ado {

// A value as a SQL Server literal: texts quoted with apostrophes doubled, numbers with ".",
// dates as ODBC timestamp escapes (read the same whatever the server's date format), NULL.
class SqlLiteral {
public:
    static QString fromVariant(const vb::Variant& value);
};

} // namespace ado

#pragma once

#include <vb/Variant.h>

namespace ado {

// A parameter's value written into its statement as a SQL Server literal, for the engines that
// take the statement whole: texts quoted with apostrophes doubled, numbers with ".", dates as
// ODBC timestamp escapes (read the same whatever the server's date format), NULL.
class ParameterLiteral {
public:
    static QString fromVariant(const vb::Variant& value);
};

} // namespace ado

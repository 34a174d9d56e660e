#pragma once
// Groups of ADO column type codes, for code that decides how to write a column's literal.

#include "vb/Variant.h"

namespace data {

class AdoTypeCodes {
public:
    static bool isDate(const vb::Variant& code);
    static bool isText(const vb::Variant& code);
    static bool isNumeric(const vb::Variant& code);     // currency and boolean are not
    static bool isCurrency(const vb::Variant& code);
    static bool isBoolean(const vb::Variant& code);
    static QString delimiter(const vb::Variant& code);  // "'" for dates and texts, else ""

private:
    static bool inList(const vb::Variant& code, std::initializer_list<int> codes);
};

} // namespace data

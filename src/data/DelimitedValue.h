#pragma once
// A value written into SQL text by concatenation, in the form the delimiter of its column's
// type asks for (DB_Dll::SQLValue).

#include "vb/Variant.h"

namespace data {

class DelimitedValue {
public:
    // kind "@": a number with "." as decimal point (Null is 0); "'": a quoted text with its
    // apostrophes doubled; anything else: the value's own text. Null is NULL, never quoted.
    static vb::Variant value(const vb::Variant& value, const QString& kind);
    // A number as SQL wants it: regional text form, "," turned into ".".
    static QString number(const vb::Variant& value);
};

} // namespace data

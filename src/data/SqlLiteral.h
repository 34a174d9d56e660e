#pragma once
// Values written into SQL text by concatenation.

#include "vb/Variant.h"

namespace data {

class SqlLiteral {
public:
    // kind "@": a number with "." as decimal point (Null is 0); "'": a quoted text with its
    // apostrophes doubled; anything else: the value's own text. Null is NULL, never quoted.
    static vb::Variant value(const vb::Variant& value, const QString& kind);
    // A number as SQL wants it: regional text form, "," turned into ".".
    static QString number(const vb::Variant& value);
};

} // namespace data

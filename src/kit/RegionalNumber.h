#pragma once
// Reading the number a text shows, in the regional format in force (Argentina: "1.234,56").
// The longest leading part that reads as a number counts and the rest is ignored, so "12abc"
// gives 12 and a text with no number at all gives 0. An optional "$" and blanks may precede
// the sign; "&H" and "&O" introduce hexadecimal and octal whole numbers, as in the original.

#include "vb/Variant.h"

#include <QString>

namespace kit {

class RegionalNumber {
public:
    // Raises vb::Error 6 (overflow) beyond the Currency range.
    static vb::Currency toCurrency(const QString& text);

private:
    static vb::Currency fromRadix(const QString& digits, int radix, bool negative);
    static vb::Currency fromDecimal(const QString& integerDigits, const QString& fractionDigits, bool negative);
};

} // namespace kit

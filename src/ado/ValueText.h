#pragma once

#include <cstdint>

namespace ado {

// Fast readers of the text forms engines hand out, for the hot loop of reading rows.
class ValueText {
public:
    // "-123.4567" into Currency's raw (value * 10000), rounded at the fifth decimal; false on
    // anything else (exponents, junk), which the caller reads the slow way.
    static bool parseCurrency(const char* text, int size, std::int64_t& raw);
    // 'YYYY-MM-DD[ HH:MM[:SS[.mmm]]]' as a date serial (days since 1899-12-30).
    static double dateSerial(const char* text, int size, bool& ok);
    static double serial(int year, int month, int day, int hour, int minute, int second, bool& ok);
};

} // namespace ado

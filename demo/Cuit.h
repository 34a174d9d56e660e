#pragma once

#include <optional>
#include <string>

namespace demo {

// Argentine tax id (CUIT/CUIL): prefix, 8-digit number and a modulo-11 check digit.
class Cuit
{
public:
    // The check digit for the first ten digits, or nothing when that number has none
    // (remainder 1: the tax office assigns another prefix instead).
    static std::optional<int> checkDigit(const std::string &tenDigits);
    // Accepts "20123456786" and "20-12345678-6".
    static bool isValid(const std::string &text);
    // "20-12345678-6" from prefix, number and a valid check digit; empty when there is none.
    static std::string format(int prefix, long number);
};

} // namespace demo

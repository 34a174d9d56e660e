#include "Cuit.h"

#include <array>
#include <cctype>
#include <cstdio>

namespace demo {

std::optional<int> Cuit::checkDigit(const std::string &tenDigits)
{
    static constexpr std::array<int, 10> weights{5, 4, 3, 2, 7, 6, 5, 4, 3, 2};
    if (tenDigits.size() != weights.size())
        return std::nullopt;
    int sum = 0;
    for (std::size_t i = 0; i < weights.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(tenDigits[i])))
            return std::nullopt;
        sum += (tenDigits[i] - '0') * weights[i];
    }
    const int digit = 11 - sum % 11;
    if (digit == 11)
        return 0;
    if (digit == 10)
        return std::nullopt;
    return digit;
}

bool Cuit::isValid(const std::string &text)
{
    std::string digits;
    for (char c : text) {
        if (c == '-')
            continue;
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return false;
        digits += c;
    }
    if (digits.size() != 11)
        return false;
    const auto expected = checkDigit(digits.substr(0, 10));
    return expected && *expected == digits[10] - '0';
}

std::string Cuit::format(int prefix, long number)
{
    char head[16];
    std::snprintf(head, sizeof head, "%02d%08ld", prefix % 100, number % 100000000L);
    const auto digit = checkDigit(head);
    if (!digit)
        return {};
    char text[20];
    std::snprintf(text, sizeof text, "%02d-%08ld-%d", prefix % 100, number % 100000000L, *digit);
    return text;
}

} // namespace demo

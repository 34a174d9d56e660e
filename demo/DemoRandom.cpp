#include "DemoRandom.h"

#include <stdexcept>

namespace demo {

DemoRandom::DemoRandom(std::uint64_t seed)
    : m_state(seed)
{
}

std::uint64_t DemoRandom::next()
{
    m_state += 0x9E3779B97F4A7C15ULL;
    std::uint64_t z = m_state;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

std::int64_t DemoRandom::between(std::int64_t low, std::int64_t high)
{
    if (high < low)
        throw std::invalid_argument("DemoRandom::between: empty range");
    const auto span = static_cast<std::uint64_t>(high - low) + 1;
    // The modulo bias is far below anything visible in demo data.
    return low + static_cast<std::int64_t>(next() % span);
}

bool DemoRandom::chance(int perMille)
{
    return between(0, 999) < perMille;
}

const std::string &DemoRandom::pick(const std::vector<std::string> &items)
{
    if (items.empty())
        throw std::invalid_argument("DemoRandom::pick: no items");
    return items[static_cast<std::size_t>(between(0, static_cast<std::int64_t>(items.size()) - 1))];
}

} // namespace demo

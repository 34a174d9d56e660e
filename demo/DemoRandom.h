#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace demo {

// Our own generator (splitmix64) so that one seed gives the same demo database on every
// compiler and standard library; std distributions are not portable in their output.
class DemoRandom
{
public:
    explicit DemoRandom(std::uint64_t seed);

    std::uint64_t next();
    // Uniform in [low, high], both included.
    std::int64_t between(std::int64_t low, std::int64_t high);
    // True with the given chance in thousandths.
    bool chance(int perMille);
    const std::string &pick(const std::vector<std::string> &items);

private:
    std::uint64_t m_state;
};

} // namespace demo

#pragma once
// The soak's source of choices: a 64-bit Mersenne twister, whose output the
// standard fixes, mapped to ranges here rather than by the library's
// distributions (which differ between libraries), so a seed gives the same
// events everywhere.

#include <cstdint>
#include <random>

namespace sim {

class SoakRandom {
public:
    explicit SoakRandom(uint64_t seed)
        : m_engine(seed)
    {
    }

    // A whole number in [0, count): the top bits of a 128-bit product, close
    // enough to even for the counts used here.
    uint64_t below(uint64_t count)
    {
        if (count == 0)
            return 0;
        return static_cast<uint64_t>((static_cast<unsigned __int128>(m_engine()) * count) >> 64);
    }
    // A whole number in [low, high].
    int64_t between(int64_t low, int64_t high) { return low + static_cast<int64_t>(below(static_cast<uint64_t>(high - low + 1))); }
    bool oneIn(uint64_t count) { return below(count) == 0; }

private:
    std::mt19937_64 m_engine;
};

}

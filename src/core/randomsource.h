#pragma once

#include <cstdint>
#include <random>

namespace velmo {

// The page's one pseudo-random source. It is seeded once per run from the
// clock and yields single-precision values r with 0 <= r < 1. Each value
// carries 24 random bits, the full precision of a float, so r is never
// rounded up to 1.0. Tests derive from it to script the values.
class RandomSource {
public:
    RandomSource() = default;
    virtual ~RandomSource() = default;
    RandomSource(const RandomSource&) = delete;
    RandomSource& operator=(const RandomSource&) = delete;

    // Derives a fresh seed from the current clock reading, so that separate
    // starts of the program normally show different pages.
    void seedFromClock();
    void seed(std::uint64_t value);

    // Returns the next value in [0, 1) and advances the source by one step.
    virtual float nextValue();

    // One 32-bit output of the engine as a value in [0, 1): its top 24 bits
    // scaled by 2^-24, so every result is exact and the largest is 1 - 2^-24.
    static float valueFromBits(std::uint32_t bits);

private:
    std::mt19937 m_engine;
};

} // namespace velmo

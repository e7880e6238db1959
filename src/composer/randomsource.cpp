#include "randomsource.h"

#include <chrono>

namespace velmo {

void RandomSource::seedFromClock()
{
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    seed(static_cast<std::uint64_t>(now));
}

void RandomSource::seed(std::uint64_t value)
{
    std::seed_seq sequence{static_cast<std::uint32_t>(value), static_cast<std::uint32_t>(value >> 32)};
    m_engine.seed(sequence);
}

float RandomSource::nextValue()
{
    // The top 24 bits of a 32-bit output, scaled by 2^-24: every result is
    // exactly representable and the largest is 1 - 2^-24.
    const std::uint32_t bits = static_cast<std::uint32_t>(m_engine()) >> 8;
    return static_cast<float>(bits) * 0x1p-24f;
}

} // namespace velmo

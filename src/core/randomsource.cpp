#include "randomsource.h"

#include <chrono>

namespace velmo {

void RandomSource::seedFromClock()
{
    // The wall clock: a monotonic clock may start anew with every run (a
    // browser's does with every page), so that runs would seed alike.
    const auto now = std::chrono::system_clock::now().time_since_epoch().count();
    seed(static_cast<std::uint64_t>(now));
}

void RandomSource::seed(std::uint64_t value)
{
    std::seed_seq sequence{static_cast<std::uint32_t>(value), static_cast<std::uint32_t>(value >> 32)};
    m_engine.seed(sequence);
}

float RandomSource::nextValue()
{
    return valueFromBits(static_cast<std::uint32_t>(m_engine()));
}

float RandomSource::valueFromBits(std::uint32_t bits)
{
    // All 32 bits scaled by 2^-32 would round the largest outputs up to 1.0.
    return static_cast<float>(bits >> 8) * 0x1p-24f;
}

} // namespace velmo

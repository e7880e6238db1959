#pragma once

#include "core/randomsource.h"

#include <array>
#include <cstddef>

namespace velmo {

// A source that always gives the same thirteen values, in the order of a
// page's draws, so that the page it composes is always the same (for the
// README's screenshot and the print benchmark). It starts over after the
// thirteenth value. Every value must lie in [0, 1).
class FixedRandomSource : public RandomSource {
public:
    explicit FixedRandomSource(const std::array<float, 13>& values)
        : m_values(values)
    {
    }

    float nextValue() override { return m_values[m_next++ % m_values.size()]; }

private:
    std::array<float, 13> m_values;
    std::size_t m_next = 0;
};

} // namespace velmo

#pragma once

#include "randomsource.h"

#include <array>
#include <cstddef>

namespace velmo {

// The fixed page of the screenshots: portrait 3, headline "噂の人！", an
// article with the hint of the hidden greeting (time 0, place 5, subject 7,
// action 6, commenter 2, comment 15), topic 4 with word 0, and
// advertisements 2, 7 and 11.
constexpr std::array<float, 13> ScreenshotPageValues = {
    0.25f, 15.5f / 22, 0.5f / 16, 5.5f / 16, 7.5f / 16, 6.5f / 16, 2.5f / 16,
    15.5f / 16, 4.5f / 5, 0.5f / 5, 0.3f, 0.6f, 0.55f,
};

// A source that always gives the same thirteen values, in the order of a
// page's draws, so that the page it composes is always the same (for the
// screenshots and the print benchmark). It starts over after the
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

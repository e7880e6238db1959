#pragma once

#include "check.h"
#include "randomsource.h"

#include <vector>

namespace velmo::test {

// Returns the given values in order and counts how many it handed out.
// Asking for more values than were scripted fails the running test.
class ScriptedRandomSource : public RandomSource {
public:
    explicit ScriptedRandomSource(std::vector<float> values)
        : m_values(std::move(values))
    {
    }

    float nextValue() override
    {
        if (m_next >= m_values.size()) {
            fail("the scripted random source ran out of values", __FILE__, __LINE__);
            return 0.0f;
        }
        return m_values[m_next++];
    }

    int consumed() const { return static_cast<int>(m_next); }

private:
    std::vector<float> m_values;
    std::size_t m_next = 0;
};

// The largest single-precision value below 1: 1 - 2^-24.
inline constexpr float LargestValue = 1.0f - 0x1p-24f;

} // namespace velmo::test

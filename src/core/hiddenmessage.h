#pragma once

#include <climits>

namespace velmo {

class Platform;

// The author's hidden greeting. Every click on the big headline is counted;
// while the count is exactly 7, a click on the small headline shows the
// greeting instead of the pop-up menu. The count starts at 0, never goes
// down and stops at INT_MAX rather than overflowing.
class HiddenMessage {
public:
    static constexpr int RequiredClicks = 7;

    // Counts one click on the big headline.
    void countHeadlineClick();
    int headlineClickCount() const { return m_headlineClickCount; }

    // Whether a click on the small headline shows the greeting now.
    bool isDue() const { return m_headlineClickCount == RequiredClicks; }

    // Shows the four parts of the greeting one after the other, each in its
    // own box that waits for OK. Does not change the count.
    void showGreeting(Platform& platform) const;

private:
    int m_headlineClickCount = 0;
};

} // namespace velmo

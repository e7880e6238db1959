#pragma once

#include <QMouseEvent>
#include <QRect>

namespace velmo {

// Turns a press and a release of the left or the right mouse button over the
// same element into one click, as the page's elements report it.
class ClickGesture {
public:
    // Returns true if the press belongs to a click and should be accepted.
    bool press(const QMouseEvent& event)
    {
        if (!isClickButton(event.button())) {
            return false;
        }
        m_button = event.button();
        return true;
    }

    // Returns true if the release completes a click inside area.
    bool release(const QMouseEvent& event, const QRect& area)
    {
        if (event.button() != m_button || m_button == Qt::NoButton) {
            return false;
        }
        m_button = Qt::NoButton;
        return area.contains(event.position().toPoint());
    }

private:
    static bool isClickButton(Qt::MouseButton button)
    {
        return button == Qt::LeftButton || button == Qt::RightButton;
    }

    Qt::MouseButton m_button = Qt::NoButton;
};

} // namespace velmo

#include "placement.h"

#include <algorithm>
#include <cassert>
#include <cmath>

namespace velmo {

Point centredFramePosition(const Rect& available, int frameWidth, int frameHeight)
{
    // The centre pixel of each, as Qt's rectangles count it, so that an odd
    // difference leaves the extra pixel on the same side on every front end.
    const int left = (2 * available.x + available.width - 1) / 2 - (frameWidth - 1) / 2;
    const int top = (2 * available.y + available.height - 1) / 2 - (frameHeight - 1) / 2;
    return {std::max(left, available.x), std::max(top, available.y)};
}

RectF fittedPage(double pageWidth, double pageHeight, const RectF& printable)
{
    assert(pageWidth > 0 && pageHeight > 0);
    const double scale = std::min(printable.width / pageWidth, printable.height / pageHeight);
    const double width = pageWidth * scale;
    const double height = pageHeight * scale;
    return {printable.x + (printable.width - width) / 2, printable.y + (printable.height - height) / 2, width, height};
}

Rect scaledRect(const Rect& rect, double scale)
{
    const auto edge = [scale](int value) { return static_cast<int>(std::lround(value * scale)); };
    const int x = edge(rect.x);
    const int y = edge(rect.y);
    return {x, y, edge(rect.right()) - x, edge(rect.bottom()) - y};
}

std::vector<int> scaledAdvances(const std::vector<double>& advances, double scale)
{
    std::vector<int> scaled;
    double at = 0;
    for (double advance : advances) {
        scaled.push_back(static_cast<int>(std::lround((at + advance) * scale) - std::lround(at * scale)));
        at += advance;
    }
    return scaled;
}

} // namespace velmo

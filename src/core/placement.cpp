#include "placement.h"

#include <algorithm>
#include <cassert>

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

} // namespace velmo

#pragma once

#include "pagelayout.h"

namespace velmo {

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

struct RectF {
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;
    bool operator==(const RectF&) const = default;
};

// Where the window's frame (title bar and borders included) goes on a
// screen's available area: centred, but a frame larger than the area keeps
// its title bar and its left edge on it, never above or left of it. The area
// may start anywhere on the desktop (a second monitor, a panel at the top).
Point centredFramePosition(const Rect& available, int frameWidth, int frameHeight);

// Where a page of the given size goes on the printable area of the paper:
// as large as it fits with its proportions kept, and centred there. Both are
// in the same units, the printer's pixels; the area may start anywhere.
RectF fittedPage(double pageWidth, double pageHeight, const RectF& printable);

} // namespace velmo

#pragma once

#include "pagelayout.h"

#include <vector>

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

// An element's rectangle on a device of scale device pixels a page pixel (a
// screen at another DPI, a printer): each edge is scaled and rounded on its
// own, so that elements that touch or overlap by a pixel still do.
Rect scaledRect(const Rect& rect, double scale);

// The advances of a line's characters (page pixels) on such a device, in
// whole device pixels: each character starts at its own position rounded, so
// that the rounding does not add up along the line.
std::vector<int> scaledAdvances(const std::vector<double>& advances, double scale);

} // namespace velmo

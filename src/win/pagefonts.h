#pragma once

#include "handles.h"
#include "textlayout.h"

namespace velmo {

// The page's fonts on Windows: each style drawn in the face that the core's
// font roles choose among the installed ones, made at any scale, and
// measured at the page's 96 dots per inch for the core's text layout.
class PageFonts : public TextMeasurer {
public:
    // The font of style on a device with scale device pixels a page pixel:
    // its em is the style's pixel size times scale.
    static Font create(const FontStyle& style, double scale);

    // The advances of the font at scale 1, in page pixels, unhinted (GDI's
    // whole pixels at the font's design em, scaled); the labels are drawn at
    // these, scaled.
    std::vector<double> advances(const FontStyle& style, std::u16string_view run) override;

private:
    OwnedDc m_dc{CreateCompatibleDC(nullptr)};
};

} // namespace velmo

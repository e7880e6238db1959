#pragma once

#include "textlayout.h"

#include <emscripten/val.h>

namespace velmo::web {

// Measures runs of text as the browser sets them, on a canvas that is never
// shown, in the fonts the page's labels are drawn in (webfonts.h). The web
// fonts must have been loaded before, or the canvas measures a fallback.
class CanvasMeasurer : public TextMeasurer {
public:
    CanvasMeasurer();

    // Each unit's advance is the growth of the run's width when the unit is
    // added, so kerning and joined characters come out as the browser
    // draws them; a surrogate pair advances on its first unit.
    std::vector<double> advances(const FontStyle& font, std::u16string_view run) override;

private:
    emscripten::val m_context;
};

} // namespace velmo::web

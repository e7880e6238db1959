#pragma once

#include "pagelayout.h"
#include "gdiobject.h"

#include <string>

namespace velmo {

// The installed face that draws a font role: the face the page names where
// Windows has it, otherwise the first installed of its stand-ins.
struct ChosenFace {
    std::wstring family;
    bool drawBold = false; // a stand-in for an extra-bold design is drawn bold
};

// Looked up once per run; later calls answer from memory.
const ChosenFace& chosenFace(FontRole role);

// The font of a page element, scaled from the page's 96 dots per inch to a
// device with scale device pixels per page pixel. Its em is the asked pixel
// size times scale.
Font createPageFont(const FontStyle& asked, double scale);

} // namespace velmo

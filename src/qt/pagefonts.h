#pragma once

#include "pagelayout.h"

#include <QFont>
#include <QString>

namespace velmo {

// The page asks for five faces by the names they have on a Japanese desktop
// (FontFamilies). Where one is not installed, a free Japanese font of a
// similar style stands in for it.

// Registers the stand-in fonts once per process, before the first page font
// is used.
void installFontStandIns();

// Starts finding the installed stand-ins on a thread of its own, so that the
// font configuration is read while the program connects to the display. Call
// it once, first thing in main(); without it they are found on first use.
void lookUpFontsInBackground();

// Whether any installed font has Japanese text. Without one the page shows
// empty boxes.
bool japaneseFontInstalled();

// The font a label's text is drawn in: the asked font with the family that
// the page draws in: the family itself where it is installed, otherwise the
// first installed of its stand-ins. Families are matched by any of their
// names, so the answer is the same in every locale. A stand-in also gets the
// weight it needs to look like the asked face.
QFont shownFont(const QFont& asked);

// A page font. Sizes are pixels, so the page looks the same at any screen
// resolution (the point sizes of the design at 96 dots per inch).
QFont pageFont(const FontStyle& face);

} // namespace velmo

#pragma once

#include "pagelayout.h"

#include <QFont>

namespace velmo {

// The page asks for five faces by the names they have on a Japanese desktop;
// the core decides which installed font draws each (FontChoices). This file
// only answers which families are installed.

// Starts finding the installed families on a thread of its own, so that the
// font configuration is read while the program connects to the display. Call
// it once, first thing in main(); without it they are found on first use.
void lookUpFontsInBackground();

// Whether any installed font has Japanese text. Without one the page shows
// empty boxes.
bool japaneseFontInstalled();

// A page font as it is drawn: the installed family the core chooses for the
// style, its size in pixels (so the page looks the same at any screen
// resolution) and its weight.
QFont pageFont(const FontStyle& style);

} // namespace velmo

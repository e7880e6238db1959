#pragma once

#include "programinfo.h"

class QApplication;
class QPoint;
class QRect;
class QSize;

namespace velmo {

class PageWindow;
class RandomSource;
class RuntimeServices;

// Names the program, loads Qt's Japanese texts for the standard dialogs and
// registers the stand-in fonts and the page's accessibility roles. Says on
// standard error which package to install when no Japanese font is.
void configureApplication(QApplication& application);

// Runs the window's load. Returns false after reporting the error when the
// page could not be composed or a picture could not be loaded; the window
// must then not be shown.
bool loadPage(PageWindow& window, RandomSource& random, RuntimeServices& services);

// Where a window's frame of the given size goes on a screen's available
// area: centred, but never above or left of it.
QPoint centredFramePosition(const QRect& available, const QSize& frame);

// Shows the window with its frame, title bar included, centred on the screen
// that holds the mouse pointer. On Wayland the compositor places it.
void showCentred(PageWindow& window);

} // namespace velmo

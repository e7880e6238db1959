#pragma once

#include "programinfo.h"

class QApplication;

namespace velmo {

class PageWindow;
class RandomSource;
class RuntimeServices;

// Names the program, loads Qt's Japanese texts for the standard dialogs and
// registers the stand-in fonts and the page's accessibility roles.
void configureApplication(QApplication& application);

// Runs the window's load. Returns false after reporting the error when the
// page could not be composed or a picture could not be loaded; the window
// must then not be shown.
bool loadPage(PageWindow& window, RandomSource& random, RuntimeServices& services);

// Shows the window centred on the screen that holds the mouse pointer.
void showCentred(PageWindow& window);

} // namespace velmo

#pragma once

class QApplication;

namespace velmo {

class PageWindow;
class Platform;
class RandomSource;

// Names the program, loads Qt's Japanese texts for the standard dialogs and
// registers the stand-in fonts and the page's accessibility roles. Says on
// standard error which package to install when no Japanese font is.
void configureApplication(QApplication& application);

// Runs the window's load with the pictures beside the executable. Returns
// false after reporting the error when the page could not be composed or a
// picture could not be loaded; the window must then not be shown.
bool loadPage(PageWindow& window, RandomSource& random, Platform& platform);

// Shows the window with its frame, title bar included, centred on the screen
// that holds the mouse pointer. On Wayland the compositor places it.
void showCentred(PageWindow& window);

} // namespace velmo

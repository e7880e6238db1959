#pragma once

#include "pagewindow.h"

#include <future>

class QApplication;

namespace velmo {

class Platform;
class RandomSource;

// Names the program, loads Qt's Japanese texts for the standard dialogs and
// registers the page's accessibility roles. Says on standard error which
// package to install when no Japanese font is.
void configureApplication(QApplication& application);

// Starts composing a page and reading its pictures from beside the
// executable on a thread of its own, so that the files are read, and Qt's
// list of installed fonts is made, while the window is made. The application must exist; the source is the thread's
// until the result has been taken.
std::future<PageWindow::Contents> readPageInBackground(RandomSource& random);

// Puts the page read in the background in the window, under the one error
// guard. Returns false after reporting the error when the page could not be
// composed or a picture could not be loaded; the window must then not be
// shown, and the program ends with status 1.
bool loadPage(PageWindow& window, std::future<PageWindow::Contents>& pending, Platform& platform);

// Shows the window with its frame, title bar included, centred on the screen
// that holds the mouse pointer. On Wayland the compositor places it.
void showCentred(PageWindow& window);

} // namespace velmo

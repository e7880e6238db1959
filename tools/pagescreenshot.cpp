// Renders the page window with a fixed page to a PNG, for the README and the
// package's metainfo. The page is always the same: the thirteen random values
// are fixed in fixedrandomsource.h. Usage: velmo-page-screenshot <output.png>
//
// It runs beside the program in the build's bin folder, since the page reads
// its pictures from the executable's folder.

#include "fixedrandomsource.h"
#include "pagewindow.h"
#include "qtplatform.h"
#include "startup.h"

#include <QApplication>
#include <QPixmap>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: velmo-page-screenshot <output.png>\n");
        return 2;
    }
    QApplication application(argc, argv);
    velmo::configureApplication(application);

    velmo::QtPlatform platform;
    velmo::PageWindow window(platform);
    velmo::FixedRandomSource values(velmo::ScreenshotPageValues);
    if (!velmo::loadPage(window, values, platform)) {
        return 1;
    }
    if (!window.grab().save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "velmo-page-screenshot: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}

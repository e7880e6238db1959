#include "randomsource.h"
#include "pagefonts.h"
#include "pagewindow.h"
#include "qtplatform.h"
#include "startup.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    velmo::lookUpFontsInBackground();
    QApplication application(argc, argv);
    // The pictures are read while the window is made.
    velmo::RandomSource random;
    std::future<velmo::PageWindow::Contents> page = velmo::readPageInBackground(random);
    velmo::configureApplication(application);

    velmo::QtPlatform platform;
    velmo::PageWindow window(platform);
    if (!velmo::loadPage(window, page, platform)) {
        return 1;
    }
    platform.setPageWindow(&window);
    velmo::showCentred(window);
    return application.exec();
}

#include "core/randomsource.h"
#include "pagefonts.h"
#include "pagewindow.h"
#include "qtplatform.h"
#include "startup.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    velmo::lookUpFontsInBackground();
    QApplication application(argc, argv);
    velmo::configureApplication(application);

    velmo::QtPlatform platform;
    velmo::PageWindow window(platform);
    velmo::RandomSource random;
    if (!velmo::loadPage(window, random, platform)) {
        return 1;
    }
    platform.setPageWindow(&window);
    velmo::showCentred(window);
    return application.exec();
}

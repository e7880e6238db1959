#include "composer/randomsource.h"
#include "pagefonts.h"
#include "pagewindow.h"
#include "qtruntimeservices.h"
#include "startup.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    velmo::configureApplication(application);

    velmo::QtRuntimeServices services;
    velmo::PageWindow window(services);
    velmo::RandomSource random;
    if (!velmo::loadPage(window, random, services)) {
        return 1;
    }
    services.setPageWindow(&window);
    velmo::showCentred(window);
    return application.exec();
}

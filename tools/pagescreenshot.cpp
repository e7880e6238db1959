// Renders the page window with a fixed page to a PNG, for the README and the
// package's metainfo. The page is always the same: the thirteen random values
// are fixed below. Usage: velmo-page-screenshot <output.png>
//
// It runs beside the program in the build's bin folder, since the page reads
// its pictures from the executable's folder.

#include "fixedrandomsource.h"
#include "qt/pagewindow.h"
#include "qt/qtplatform.h"
#include "qt/startup.h"

#include <QApplication>
#include <QPixmap>

#include <array>
#include <cstdio>

namespace {

// Portrait 3, headline "噂の人！", an article with the hint of the hidden
// greeting (time 0, place 5, subject 7, action 6, commenter 2, comment 15),
// topic 4 with word 0, and advertisements 2, 7 and 11.
constexpr std::array<float, 13> PageValues = {
    0.25f, 15.5f / 22, 0.5f / 16, 5.5f / 16, 7.5f / 16, 6.5f / 16, 2.5f / 16,
    15.5f / 16, 4.5f / 5, 0.5f / 5, 0.3f, 0.6f, 0.55f,
};

} // namespace

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
    velmo::FixedRandomSource values(PageValues);
    if (!velmo::loadPage(window, values, platform)) {
        return 1;
    }
    if (!window.grab().save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "velmo-page-screenshot: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}

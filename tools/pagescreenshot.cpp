// Renders the page window with a fixed page to a PNG, for the README and the
// package's metainfo. The page is always the same: the thirteen random values
// are fixed below. Usage: velmo-page-screenshot <output.png>
//
// It runs beside the program in the build's bin folder, since the page reads
// its pictures from the executable's folder.

#include "app/pagewindow.h"
#include "app/qtruntimeservices.h"
#include "app/startup.h"
#include "composer/randomsource.h"

#include <QApplication>
#include <QPixmap>

#include <array>
#include <cstdio>

namespace {

// Thirteen fixed values: portrait 3, headline "噂の人！", an article with the
// hint of the hidden greeting, topic 4, and advertisements 2, 7 and 11.
class FixedValues : public velmo::RandomSource {
public:
    float nextValue() override
    {
        static constexpr std::array<float, 13> Values = {
            0.25f,                   // portrait 3
            15.5f / 22,              // headline 15
            0.5f / 16, 5.5f / 16,    // time 0, place 5
            7.5f / 16, 6.5f / 16,    // subject 7, action 6
            2.5f / 16, 15.5f / 16,   // commenter 2, comment 15
            4.5f / 5, 0.5f / 5,      // topic 4, word 0
            0.3f, 0.6f, 0.55f,       // advertisements 2, 7, 11
        };
        return Values[m_next++ % Values.size()];
    }

private:
    std::size_t m_next = 0;
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

    velmo::QtRuntimeServices services;
    velmo::PageWindow window(services);
    FixedValues values;
    if (!velmo::loadPage(window, values, services)) {
        return 1;
    }
    if (!window.grab().save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "velmo-page-screenshot: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}

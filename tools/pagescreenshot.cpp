// Renders the page window with a fixed page to a PNG, for the README and the
// package's metainfo. The page is always the same: the thirteen random values
// are fixed in fixedrandomsource.h.
//
// Usage: velmo-page-screenshot <output.png> [--lines <file>]
//   --lines <file>  also writes the laid-out lines of every label, one label
//                   a line in the order of the page's elements, in UTF-8
//                   (describeLines), to compare with velmo-fixed-page.exe
//
// It runs beside the program in the build's bin folder, since the page reads
// its pictures from the executable's folder.

#include "fixedrandomsource.h"
#include "pagelabel.h"
#include "pagewindow.h"
#include "qtplatform.h"
#include "startup.h"

#include <QApplication>
#include <QFile>
#include <QPixmap>

#include <cstdio>
#include <string>

namespace {

// No one answers a box in a tool run by scripts: the cause of a failure,
// which the guard writes to standard error, is the whole report.
class ToolPlatform : public velmo::QtPlatform {
public:
    void reportUnhandledError(std::u16string_view) override {}
};

bool writeLines(velmo::PageWindow& window, const QString& fileName)
{
    std::string text;
    for (const velmo::PageElement& element : velmo::PageElements) {
        if (element.kind == velmo::ElementKind::Label) {
            auto& label = static_cast<velmo::PageLabel&>(window.element(element.id));
            text += velmo::describeLines(element, label.displayedLines()) + '\n';
        }
    }
    QFile file(fileName);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate)
           && file.write(text.data(), static_cast<qint64>(text.size())) == static_cast<qint64>(text.size());
}

} // namespace

int main(int argc, char* argv[])
{
    const bool withLines = argc == 4 && std::string(argv[2]) == "--lines";
    if (argc != 2 && !withLines) {
        std::fprintf(stderr, "usage: velmo-page-screenshot <output.png> [--lines <file>]\n");
        return 2;
    }
    QApplication application(argc, argv);
    velmo::configureApplication(application);

    ToolPlatform platform;
    velmo::PageWindow window(platform);
    velmo::FixedRandomSource values(velmo::ScreenshotPageValues);
    std::future<velmo::PageWindow::Contents> page = velmo::readPageInBackground(values);
    if (!velmo::loadPage(window, page, platform)) {
        return 1;
    }
    if (!window.grab().save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "velmo-page-screenshot: cannot write %s\n", argv[1]);
        return 1;
    }
    if (withLines && !writeLines(window, QString::fromLocal8Bit(argv[3]))) {
        std::fprintf(stderr, "velmo-page-screenshot: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}

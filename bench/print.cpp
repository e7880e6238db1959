// How long printing the page takes and how large the job is: a composed page
// window with the real pictures from the program's folder is printed to a PDF
// printer at 300 and at 600 dots per inch, as the print command does it.
//
// Usage: velmo-bench-print [--runs N] [--keep FOLDER]
//   --runs N       prints per resolution (10); the first one of each is
//                  also shown on its own, as the first print of a run pays
//                  for the glyphs at the printer's resolution
//   --keep FOLDER  leave the PDF files there instead of in a temporary folder
//
// Runs on the offscreen platform unless QT_QPA_PLATFORM says otherwise. The
// pictures are read from the folder of this executable, like the program's.

#include "platform.h"
#include "fixedrandomsource.h"
#include "pageprinter.h"
#include "pagewindow.h"
#include "qtplatform.h"
#include "startup.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// Always the same page: the thirteen values in draw order (portrait,
// headline, six article phrases, topic and topic word, three advertisements),
// so that every run prints the same texts and pictures.
constexpr std::array<float, 13> PageValues{0.42f, 0.17f, 0.63f, 0.08f, 0.91f, 0.35f, 0.77f,
                                           0.52f, 0.26f, 0.69f, 0.13f, 0.58f, 0.84f};

struct Figures {
    int dpi = 0;
    double constructMs = 0;
    double firstMs = 0;
    std::vector<double> laterMs;
    qint64 bytes = 0;
};

double median(std::vector<double> values)
{
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

double milliseconds(const QElapsedTimer& timer)
{
    return static_cast<double>(timer.nsecsElapsed()) / 1.0e6;
}

Figures printAt(velmo::PageWindow& window, int dpi, int runs, const QString& folder)
{
    Figures figures;
    figures.dpi = dpi;
    const QString fileName = QDir(folder).filePath(QStringLiteral("velmo-page-%1dpi.pdf").arg(dpi));
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer construct;
        construct.start();
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setResolution(dpi);
        printer.setOutputFileName(fileName);
        if (run == 0) {
            figures.constructMs = milliseconds(construct);
        }

        QElapsedTimer timer;
        timer.start();
        velmo::printPage(window, printer);
        const double elapsed = milliseconds(timer);
        if (run == 0) {
            figures.firstMs = elapsed;
        } else {
            figures.laterMs.push_back(elapsed);
        }
    }
    figures.bytes = QFileInfo(fileName).size();
    return figures;
}

} // namespace

int main(int argc, char* argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    int runs = 10;
    QString keep;
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg = argv[i];
        if (arg == "--runs" && i + 1 < argc) {
            runs = std::max(1, std::atoi(argv[++i]));
        } else if (arg == "--keep" && i + 1 < argc) {
            keep = QString::fromLocal8Bit(argv[++i]);
        } else {
            std::fprintf(stderr, "usage: velmo-bench-print [--runs N] [--keep FOLDER]\n");
            return 2;
        }
    }

    QApplication application(argc, argv);
    velmo::configureApplication(application);
    velmo::QtPlatform platform;
    velmo::PageWindow window(platform);
    velmo::FixedRandomSource values(PageValues);
    std::future<velmo::PageWindow::Contents> page = velmo::readPageInBackground(values);
    if (!velmo::loadPage(window, page, platform)) {
        return 1;
    }
    platform.setPageWindow(&window);
    window.show();
    QApplication::processEvents();

    QTemporaryDir temporary;
    const QString folder = keep.isEmpty() ? temporary.path() : keep;
    QDir().mkpath(folder);

    std::printf("Printing the page to a PDF printer (QPrinter::PdfFormat, A4), %d prints per resolution\n", runs);
    std::printf("%5s %13s %10s %10s %10s %10s %12s\n", "dpi", "QPrinter ms", "first ms", "median ms", "min ms",
                "max ms", "PDF bytes");
    for (const int dpi : {300, 600}) {
        Figures figures;
        try {
            figures = printAt(window, dpi, runs, folder);
        } catch (const velmo::RuntimeError& error) {
            std::fprintf(stderr, "velmo-bench-print: printing at %d dpi failed: %s\n", dpi, error.what());
            return 1;
        }
        const auto [low, high] = figures.laterMs.empty()
                                     ? std::pair{figures.firstMs, figures.firstMs}
                                     : std::pair{*std::min_element(figures.laterMs.begin(), figures.laterMs.end()),
                                                 *std::max_element(figures.laterMs.begin(), figures.laterMs.end())};
        std::printf("%5d %13.2f %10.2f %10.2f %10.2f %10.2f %12lld\n", figures.dpi, figures.constructMs,
                    figures.firstMs, figures.laterMs.empty() ? figures.firstMs : median(figures.laterMs), low, high,
                    static_cast<long long>(figures.bytes));
    }
    std::printf("(median, min and max are of the prints after the first; the first print of a run also lays out the\n"
                " glyphs at the printer's resolution)\n");
    if (!keep.isEmpty()) {
        std::printf("PDF files kept in %s\n", qPrintable(QDir::toNativeSeparators(folder)));
    }
    return 0;
}

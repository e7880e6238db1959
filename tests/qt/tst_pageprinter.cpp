#include "pageprinter.h"
#include "pagewindow.h"
#include "scriptedplatform.h"
#include "scriptedrandomsource.h"

#include <QFile>
#include <QImage>
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using velmo::PageWindow;

namespace {

QByteArray readAll(const QString& fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Page objects of a PDF: "/Type /Page", not the "/Type /Pages" tree node.
int pdfPageCount(const QByteArray& pdf)
{
    return static_cast<int>(QString::fromLatin1(pdf).count(QRegularExpression(u"/Type\\s*/Page(?![A-Za-z])"_s)));
}

void printToFile(QPrinter& printer, const QString& fileName)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(fileName);
}

} // namespace

class TestPagePrinter : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void printsThePageSharpAndCentred();

private:
    QTemporaryDir m_dir;
    velmo::test::ScriptedPlatform m_platform;
    std::unique_ptr<PageWindow> m_window;
};

void TestPagePrinter::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_window = std::make_unique<PageWindow>(m_platform);
    velmo::test::ScriptedRandomSource source(std::vector<float>(13, 0.5f));
    m_window->setContents(PageWindow::read(source, QStringLiteral(VELMO_PICTURE_DIR)));
}

void TestPagePrinter::printsThePageSharpAndCentred()
{
    QPrinter printer(QPrinter::HighResolution);
    const QString fileName = m_dir.filePath(u"page.pdf"_s);
    printToFile(printer, fileName);
    // Margins of different widths on each side: the page goes in the middle
    // of the printable area, not of the paper or at the area's corner.
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(30, 10, 10, 60), QPageLayout::Millimeter));
    velmo::printPage(*m_window, printer);

    const QByteArray pdf = readAll(fileName);
    QVERIFY(pdf.startsWith("%PDF"));
    QCOMPARE(pdfPageCount(pdf), 1);
    QVERIFY2(!pdf.contains("/DCTDecode"), "the pictures are stored without lossy compression");
    // Sharp: the text is set in fonts at the printer's resolution, not the
    // screen's pixels blown up.
    QVERIFY(pdf.contains("/FontDescriptor"));

    // The page's grey as printed, measured on the paper at 10 dots per mm.
    QProcess render;
    render.start(u"pdftoppm"_s, {u"-r"_s, u"254"_s, u"-png"_s, u"-singlefile"_s, fileName, m_dir.filePath(u"page"_s)});
    QVERIFY(render.waitForFinished(60000) && render.exitCode() == 0);
    const QImage paper(m_dir.filePath(u"page.png"_s));
    QVERIFY(!paper.isNull());
    QRect grey;
    for (int y = 0; y < paper.height(); y += 2) {
        for (int x = 0; x < paper.width(); x += 2) {
            if (paper.pixelColor(x, y) == QColor(0xE0, 0xE0, 0xE0)) {
                grey |= QRect(x, y, 1, 1);
            }
        }
    }
    // The printable area is 257 x 140 mm from (30, 10): the page takes its
    // full height and sits in the middle of its width.
    const QPoint centre = grey.center();
    QVERIFY2(std::abs(centre.x() - 1585) <= 8 && std::abs(centre.y() - 800) <= 8 && grey.height() > 1380,
             qPrintable(u"%1,%2 %3x%4"_s.arg(grey.x()).arg(grey.y()).arg(grey.width()).arg(grey.height())));
}

QTEST_MAIN(TestPagePrinter)
#include "tst_pageprinter.moc"

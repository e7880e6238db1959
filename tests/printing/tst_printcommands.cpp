#include "app/pagefonts.h"
#include "app/pagewindow.h"
#include "printing/pageprinter.h"
#include "scriptedrandomsource.h"
#include "scriptedruntimeservices.h"

#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using velmo::MessageAnswer;
using velmo::PageWindow;
using velmo::RuntimeError;
using velmo::test::ScriptedRandomSource;
using velmo::test::ConfirmBox;
using velmo::test::ScriptedRuntimeServices;

namespace {

const QString FailureBox = u"messageBox|印刷エラー|48|エラーです。プリンタの電源、インク、用紙などをチェックしてください。"_s;
const QStringList PrintedCalls = {ConfirmBox, u"setBorderStyle|0"_s, u"printWindow"_s, u"setBorderStyle|1"_s};
const QStringList FailedCalls = PrintedCalls + QStringList{FailureBox};

void printToFile(QPrinter& printer, const QString& fileName)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(fileName);
}

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

} // namespace

class TestPrintCommands : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void okPrintsThePageOnOnePage();
    void pageFitsThePaper_data();
    void pageFitsThePaper();
    void failureIsReportedOnceAndTheCommandWorksAgain_data();
    void failureIsReportedOnceAndTheCommandWorksAgain();

    void setupFailureIsReportedAndTheProgramGoesOn();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<ScriptedRuntimeServices> m_services;
    std::unique_ptr<PageWindow> m_window;
};

void TestPrintCommands::initTestCase()
{
    velmo::installFontStandIns();
}

void TestPrintCommands::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_services = std::make_unique<ScriptedRuntimeServices>();
    // Every print of these tests goes to a file, never to a real printer.
    printToFile(m_services->currentPrinter(), m_dir->filePath(u"page.pdf"_s));
    m_window = std::make_unique<PageWindow>(*m_services);
    ScriptedRandomSource source(std::vector<float>(13, 0.5f));
    m_window->Form_Load(source);
    m_services->calls.clear();
}

void TestPrintCommands::cleanup()
{
    m_window.reset();
    m_services.reset();
    m_dir.reset();
}

void TestPrintCommands::okPrintsThePageOnOnePage()
{
    // The border is switched off just for the print, and on again.
    m_window->Print_Click();
    QCOMPARE(m_services->calls, PrintedCalls);
    QCOMPARE(m_window->borderStyle(), velmo::BorderStyle::FixedSingle);
    const QByteArray pdf = readAll(m_dir->filePath(u"page.pdf"_s));
    QVERIFY(pdf.startsWith("%PDF"));
    QCOMPARE(pdfPageCount(pdf), 1);
    QVERIFY2(!pdf.contains("/DCTDecode"), "the pictures are stored without lossy compression");

    // Sharp: the text is set in fonts at the printer's resolution, not the
    // screen's pixels blown up. The content is compared with the screen end
    // to end.
    QVERIFY(pdf.contains("/FontDescriptor"));
}

void TestPrintCommands::pageFitsThePaper_data()
{
    QTest::addColumn<QSizeF>("paper");
    QTest::addColumn<QRectF>("placed");

    // 327 x 440 pixels scaled by 2 and by 3.
    QTest::newRow("tall paper") << QSizeF(654, 1000) << QRectF(0, 60, 654, 880);
    QTest::newRow("wide paper") << QSizeF(1500, 1320) << QRectF(259.5, 0, 981, 1320);
}

void TestPrintCommands::pageFitsThePaper()
{
    QFETCH(QSizeF, paper);
    QFETCH(QRectF, placed);

    QCOMPARE(velmo::fittedPage(QSizeF(327, 440), paper), placed);
}

void TestPrintCommands::failureIsReportedOnceAndTheCommandWorksAgain_data()
{
    QTest::addColumn<QString>("cause");
    QTest::newRow("job fails") << u"job"_s;
    QTest::newRow("file cannot be opened") << u"folder"_s;
    QTest::newRow("no printer") << u"none"_s;
}

void TestPrintCommands::failureIsReportedOnceAndTheCommandWorksAgain()
{
    QFETCH(QString, cause);
    const QString missingFolder = m_dir->filePath(u"no such folder"_s);
    if (cause == u"job"_s) {
        m_services->onPrintWindow = [](QWidget&) { throw RuntimeError("プリンタの電源が入っていません。"); };
    } else if (cause == u"folder"_s) {
        printToFile(m_services->currentPrinter(), missingFolder + u"/page.pdf"_s);
    } else {
        // Qt's stand-in when no printer is installed: a PDF writer with no
        // file to write to.
        m_services->onPrintWindow = [](QWidget& window) {
            QPrinter printer;
            printer.setOutputFormat(QPrinter::PdfFormat);
            velmo::printPage(window, printer);
        };
    }
    m_window->Print_Click();

    QCOMPARE(m_services->calls, FailedCalls);
    QCOMPARE(m_window->borderStyle(), velmo::BorderStyle::FixedSingle);
    QVERIFY(!QFileInfo::exists(missingFolder));

    // With the printer back in order the next run prints.
    m_services->calls.clear();
    m_services->onPrintWindow = nullptr;
    printToFile(m_services->currentPrinter(), m_dir->filePath(u"again.pdf"_s));
    m_window->Print_Click();
    QCOMPARE(m_services->calls, PrintedCalls);
    QCOMPARE(pdfPageCount(readAll(m_dir->filePath(u"again.pdf"_s))), 1);
}

void TestPrintCommands::setupFailureIsReportedAndTheProgramGoesOn()
{
    m_services->onPrinterSetup = [](QPrinter&) { throw RuntimeError("プリンタがインストールされていません。"); };
    m_window->PrintOption_Click();

    QCOMPARE(m_services->calls,
             (QStringList{u"showPrinterSetup"_s, u"messageBox|印刷設定|48|プリンタがインストールされていません。"_s}));

    // The page and its commands are still there.
    m_services->calls.clear();
    m_services->onPrinterSetup = nullptr;
    m_window->Print_Click();
    QCOMPARE(m_services->calls, PrintedCalls);
}

QTEST_MAIN(TestPrintCommands)
#include "tst_printcommands.moc"

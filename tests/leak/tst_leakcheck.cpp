// Repeats what a long session does - opening and dismissing the real pop-up
// menu, printing the page - many times in one process. Run under
// LeakSanitizer (the sanitizer build), any memory the program loses on the
// way is reported when the process ends.

#include "app/pagewindow.h"
#include "app/qtruntimeservices.h"
#include "composer/randomsource.h"
#include "scriptedruntimeservices.h"

#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using velmo::test::ScriptedRuntimeServices;

namespace {

// The offscreen platform warns twice about every pop-up it cannot grab the
// keyboard for; a thousand pop-ups would bury the report.
void dropPopupWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QLatin1String("This plugin does not support"))) {
        return;
    }
    qt_message_output(type, context, message);
}

} // namespace

class LeakCheck : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { qInstallMessageHandler(dropPopupWarnings); }
    void menuOpenedAndDismissedManyTimes();
    void pagePrintedManyTimes();
};

void LeakCheck::menuOpenedAndDismissedManyTimes()
{
    ScriptedRuntimeServices scripted;
    velmo::PageWindow window(scripted);
    velmo::RandomSource random;
    window.Form_Load(random);
    window.show();

    // The real pop-up, closed again as soon as it is up.
    velmo::QtRuntimeServices real;
    int shown = 0;
    for (int i = 0; i < 1000; ++i) {
        QTimer::singleShot(0, &window.menu(), [&] {
            if (window.menu().isVisible()) {
                ++shown;
            }
            window.menu().close();
        });
        real.popupMenu(window.menu());
    }
    qInstallMessageHandler(nullptr);
    QCOMPARE(shown, 1000);
}

void LeakCheck::pagePrintedManyTimes()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    ScriptedRuntimeServices services;
    velmo::PageWindow window(services);
    velmo::RandomSource random;
    window.Form_Load(random);

    const QString output = folder.filePath(QStringLiteral("page.pdf"));
    services.currentPrinter().setOutputFormat(QPrinter::PdfFormat);
    services.currentPrinter().setOutputFileName(output);
    for (int i = 0; i < 100; ++i) {
        window.Print_Click();
    }
    QCOMPARE(services.callsStartingWith(QStringLiteral("printWindow")).size(), 100);
    QVERIFY(services.callsStartingWith(QStringLiteral("messageBox|印刷エラー")).isEmpty());
    QVERIFY(QFile(output).size() > 0);
}

QTEST_MAIN(LeakCheck)
#include "tst_leakcheck.moc"

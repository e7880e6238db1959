#include "app/pagewindow.h"
#include "hidden/hiddenmessage.h"
#include "scriptedruntimeservices.h"

#include <QAction>
#include <QMenu>
#include <QTest>

#include <climits>

using namespace Qt::StringLiterals;
using velmo::HiddenMessage;
using velmo::PageWindow;
using velmo::test::ScriptedRuntimeServices;

namespace {

const QStringList GreetingBoxes = {
    u"messageBox|秘密…|48|おお！すごいすごい！よくここがわかったねぇ。"_s,
    u"messageBox|秘密…|48|いちおう裏技なんだ。コレ。"_s,
    u"messageBox|秘密…|48|ま、これからもこのソフトを愛用してね。"_s,
    u"messageBox|秘密…|48|by.Pellam(Velmo)より"_s,
};

const QStringList MenuOnly = {u"popupMenu"_s};

void clickBigHeadline(PageWindow& window, int times)
{
    for (int i = 0; i < times; ++i) {
        window.見出し大_Click();
    }
}

} // namespace

class TestHiddenMessage : public QObject {
    Q_OBJECT

private slots:
    void countingTable();
    void everyBigHeadlineClickCountsAndOpensTheMenu();
    void realClicksCountOnTheBigHeadlineOnly();
    void countStopsAtIntMax();
};

void TestHiddenMessage::countingTable()
{
    ScriptedRuntimeServices services;
    PageWindow window(services);
    const auto smallHeadlineShows = [&services, &window] {
        services.calls.clear();
        window.見出し小_Click();
        return services.calls;
    };

    QCOMPARE(smallHeadlineShows(), MenuOnly);
    clickBigHeadline(window, 6);
    QCOMPARE(smallHeadlineShows(), MenuOnly);

    // Seven: the four boxes instead of the menu, as often as asked.
    clickBigHeadline(window, 1);
    QCOMPARE(smallHeadlineShows(), GreetingBoxes);
    QCOMPARE(smallHeadlineShows(), GreetingBoxes);
    QCOMPARE(window.hiddenMessage().headlineClickCount(), 7);

    // Eight and beyond: the menu for the rest of the run.
    for (int click = 8; click <= 12; ++click) {
        clickBigHeadline(window, 1);
        QCOMPARE(window.hiddenMessage().headlineClickCount(), click);
        QCOMPARE(smallHeadlineShows(), MenuOnly);
    }

    // The greeting on its own does not touch the count either.
    HiddenMessage message;
    services.calls.clear();
    message.showGreeting(services);
    QCOMPARE(services.calls, GreetingBoxes);
    QCOMPARE(message.headlineClickCount(), 0);
}

void TestHiddenMessage::everyBigHeadlineClickCountsAndOpensTheMenu()
{
    ScriptedRuntimeServices services;
    PageWindow window(services);

    // Dismissed menus and chosen commands alike leave the count standing.
    int chosen = 0;
    services.onPopupMenu = [&chosen](QMenu& menu) {
        if (++chosen % 2 == 0) {
            for (QAction* action : menu.actions()) {
                if (action->objectName() == u"PrintOption"_s) {
                    action->trigger();
                }
            }
        }
    };
    for (int click = 1; click <= 7; ++click) {
        services.calls.clear();
        window.見出し大_Click();
        QCOMPARE(window.hiddenMessage().headlineClickCount(), click);
        QCOMPARE(services.calls.front(), u"popupMenu"_s);
        QCOMPARE(services.callsStartingWith(u"popupMenu"_s).size(), 1);
    }
    QCOMPARE(chosen, 7);
    QVERIFY(window.hiddenMessage().isDue());
}

void TestHiddenMessage::realClicksCountOnTheBigHeadlineOnly()
{
    ScriptedRuntimeServices services;
    PageWindow window(services);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* big = window.findChild<QWidget*>(u"見出し大"_s);
    auto* small = window.findChild<QWidget*>(u"見出し小"_s);

    for (int i = 0; i < 6; ++i) {
        QTest::mouseClick(big, Qt::LeftButton);
    }
    // Every other element, the small headline included, leaves the count.
    for (QWidget* other : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (other != big && other->isVisible()) {
            QTest::mouseClick(other, Qt::LeftButton);
        }
    }
    QCOMPARE(window.hiddenMessage().headlineClickCount(), 6);
    QCOMPARE(services.calls.size(), 6 + 9);

    QTest::mouseClick(big, Qt::LeftButton);
    services.calls.clear();
    QTest::mouseClick(small, Qt::LeftButton);
    QCOMPARE(services.calls, GreetingBoxes);
}

void TestHiddenMessage::countStopsAtIntMax()
{
    HiddenMessage message;
    message.setHeadlineClickCountForTesting(INT_MAX - 1);
    message.countHeadlineClick();
    QCOMPARE(message.headlineClickCount(), INT_MAX);
    message.countHeadlineClick();
    QCOMPARE(message.headlineClickCount(), INT_MAX);
    QVERIFY(!message.isDue());

    // Through a real click the saturated count opens the menu like any other
    // click, and nothing is reported as an error.
    ScriptedRuntimeServices services;
    PageWindow window(services);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.hiddenMessage().setHeadlineClickCountForTesting(INT_MAX);
    QTest::mouseClick(window.findChild<QWidget*>(u"見出し大"_s), Qt::LeftButton);
    QCOMPARE(window.hiddenMessage().headlineClickCount(), INT_MAX);
    QCOMPARE(services.calls, MenuOnly);
    QVERIFY(window.isVisible());

    services.calls.clear();
    window.見出し小_Click();
    QCOMPARE(services.calls, MenuOnly);
}

QTEST_MAIN(TestHiddenMessage)
#include "tst_hiddenmessage.moc"

#include "app/pagewindow.h"
#include "pageelement.h"
#include "scriptedruntimeservices.h"

#include <QAction>
#include <QMenu>
#include <QTest>

#include <climits>

using namespace Qt::StringLiterals;
using velmo::PageWindow;
using velmo::test::ScriptedRuntimeServices;
using velmo::test::showPage;

namespace {

const QStringList GreetingBoxes = {
    u"messageBox|秘密…|48|おお！すごいすごい！よくここがわかったねぇ。"_s,
    u"messageBox|秘密…|48|いちおう裏技なんだ。コレ。"_s,
    u"messageBox|秘密…|48|ま、これからもこのソフトを愛用してね。"_s,
    u"messageBox|秘密…|48|by.Pellam(Velmo)より"_s,
};

const QStringList MenuOnly = {u"popupMenu"_s};

} // namespace

class TestHiddenMessage : public QObject {
    Q_OBJECT

private slots:
    void countingTable();
    void countStopsAtIntMax();
};

void TestHiddenMessage::countingTable()
{
    ScriptedRuntimeServices services;
    PageWindow window(services);
    QVERIFY(showPage(window));
    auto* big = window.findChild<QWidget*>(u"見出し大"_s);
    const auto smallHeadlineShows = [&services, &window] {
        services.calls.clear();
        services.onPopupMenu = nullptr;
        QTest::mouseClick(window.findChild<QWidget*>(u"見出し小"_s), Qt::LeftButton);
        return services.calls;
    };

    // Clicks on every other element leave the count alone.
    for (QWidget* other : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (other != big && other->isVisible()) {
            QTest::mouseClick(other, Qt::LeftButton);
        }
    }
    QCOMPARE(window.hiddenMessage().headlineClickCount(), 0);
    QCOMPARE(smallHeadlineShows(), MenuOnly);
    for (int click = 1; click <= 9; ++click) {
        // Every click counts before its menu opens, whether the menu is
        // dismissed or a command is chosen from it.
        services.calls.clear();
        services.onPopupMenu = [click](QMenu& menu) {
            if (click % 2 == 0) {
                menu.actions().front()->trigger();
            }
        };
        QTest::mouseClick(big, Qt::LeftButton);
        QCOMPARE(window.hiddenMessage().headlineClickCount(), click);
        QCOMPARE(services.calls.front(), u"popupMenu"_s);
        QCOMPARE(services.calls.size(), click % 2 == 0 ? 2 : 1);

        // Seven: the four boxes instead of the menu, as often as asked.
        // Any other count, eight and beyond for good: the menu.
        QCOMPARE(smallHeadlineShows(), click == 7 ? GreetingBoxes : MenuOnly);
        QCOMPARE(smallHeadlineShows(), click == 7 ? GreetingBoxes : MenuOnly);
        QCOMPARE(window.hiddenMessage().headlineClickCount(), click);
    }
}

void TestHiddenMessage::countStopsAtIntMax()
{
    // At the top the count stays where it is, and the click opens the menu
    // like any other with nothing reported as an error.
    ScriptedRuntimeServices services;
    PageWindow window(services);
    QVERIFY(showPage(window));
    window.hiddenMessage().setHeadlineClickCountForTesting(INT_MAX - 1);
    for (int click = 0; click < 2; ++click) {
        QTest::mouseClick(window.findChild<QWidget*>(u"見出し大"_s), Qt::LeftButton);
        QCOMPARE(window.hiddenMessage().headlineClickCount(), INT_MAX);
    }
    QCOMPARE(services.calls, (QStringList{u"popupMenu"_s, u"popupMenu"_s}));
    QVERIFY(window.isVisible());
}

QTEST_MAIN(TestHiddenMessage)
#include "tst_hiddenmessage.moc"

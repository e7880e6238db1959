#include "pageelement.h"
#include "pagewindow.h"
#include "qtplatform.h"
#include "startup.h"
#include "scriptedplatform.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <stdexcept>

using namespace Qt::StringLiterals;
using velmo::MessageAnswer;
using velmo::MessageStyle;
using velmo::PageWindow;
using velmo::test::pageElement;
using velmo::test::ScriptedPlatform;
using Calls = std::vector<std::string>;
using velmo::test::showPage;

namespace {

struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
};

// Answers the next message box by clicking a button or pressing Esc, and
// remembers what it showed. A box still open after five seconds is closed,
// so that a test fails rather than hangs.
void answerNextBox(QObject& scope, SeenBox& seen, QMessageBox::StandardButton button)
{
    auto* timer = new QTimer(&scope);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, &seen, button] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            return;
        }
        timer->stop();
        seen = {box->windowTitle(), box->text(), box->icon(), box->standardButtons()};
        if (button == QMessageBox::Escape) {
            QTest::keyClick(box, Qt::Key_Escape);
        } else {
            QTest::mouseClick(box->button(button), Qt::LeftButton);
        }
    });
    timer->start(10);
    QTimer::singleShot(5000, &scope, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            modal->close();
        }
    });
}

// A desktop whose pop-up menu and window cannot be handled: each call fails
// as a broken platform call would.
class BrokenPlatform : public ScriptedPlatform {
public:
    std::optional<velmo::Command> popupMenu() override
    {
        ScriptedPlatform::popupMenu();
        throw velmo::RuntimeError(u"メニューを開けません。");
    }
    void closeWindow() override
    {
        ScriptedPlatform::closeWindow();
        throw std::runtime_error("no window");
    }
};

} // namespace

class TestRouting : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void clickOnElementOpensMenuOnce_data();
    void clickOnElementOpensMenuOnce();
    void menuItems();
    void shortcutsWorkWithThePopupClosed();
    void eventErrorEndsTheProgram_data();
    void eventErrorEndsTheProgram();

    void realMessageBoxAnswers_data();
    void realMessageBoxAnswers();
};

void TestRouting::initTestCase()
{
    velmo::configureApplication(*qApp);
    // Qt's own texts in the standard boxes and dialogs are Japanese, whatever
    // the user's language.
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), u"キャンセル"_s);
    // The tests close the page window on purpose; that must not end the
    // test run's own event loop.
    QApplication::setQuitOnLastWindowClosed(false);
}

void TestRouting::clickOnElementOpensMenuOnce_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<Qt::MouseButton>("button");

    for (const QString& name : velmo::test::PageElementNames) {
        QTest::newRow(qPrintable(name)) << name << Qt::LeftButton;
    }
    QTest::newRow("記事1 right button") << u"記事1"_s << Qt::RightButton;
    QTest::newRow("写真 right button") << u"写真"_s << Qt::RightButton;
}

void TestRouting::clickOnElementOpensMenuOnce()
{
    QFETCH(QString, name);
    QFETCH(Qt::MouseButton, button);

    ScriptedPlatform services;
    PageWindow window(services);
    QVERIFY(showPage(window));
    QWidget* target = pageElement(window, name);
    QVERIFY(target != nullptr);

    QTest::mouseClick(target, button);
    QCOMPARE(services.calls, Calls{"popupMenu"});
    // Only the big headline counts.
    QCOMPARE(window.controller().hiddenMessage().headlineClickCount(), name == u"見出し大"_s ? 1 : 0);
    // A press dragged off the element before its release is no click.
    QTest::mousePress(target, button);
    QTest::mouseRelease(target, button, {}, QPoint(-3, -3));
    QCOMPARE(services.calls.size(), 1);
    // Two quick clicks are two clicks, although the second press comes as a
    // double click.
    const QPointF centre = QRectF(target->rect()).center();
    for (const QEvent::Type type : {QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, centre, target->mapToGlobal(centre), button, type == QEvent::MouseButtonRelease ? Qt::NoButton : button, {});
        QApplication::sendEvent(target, &event);
    }
    QCOMPARE(services.calls.size(), 2);
}

void TestRouting::menuItems()
{
    ScriptedPlatform services;
    PageWindow window(services);
    QMenu& menu = window.menu();
    QCOMPARE(menu.objectName(), u"Menu"_s);
    QCOMPARE(menu.defaultAction(), nullptr);

    QStringList items;
    for (QAction* action : menu.actions()) {
        QVERIFY(action->isEnabled() && action->isVisible() && !action->isChecked());
        QVERIFY(action->isSeparator() || action->isShortcutVisibleInContextMenu());
        items.append(action->objectName() + u'|' + action->text() + u'|' + action->shortcut().toString());
    }
    QCOMPARE(items, (QStringList{u"PrintOption|印刷設定(&O)|Ctrl+O"_s, u"Print|印刷(&P)|Ctrl+P"_s, u"K1||"_s,
                                 u"Qeit|終了(&Q)|Ctrl+Q"_s}));
    QVERIFY(menu.actions()[2]->isSeparator());
}

void TestRouting::shortcutsWorkWithThePopupClosed()
{
    ScriptedPlatform services;
    services.answers = {MessageAnswer::Cancel};
    PageWindow window(services);
    QVERIFY(showPage(window));

    const std::string confirm = "messageBox|印刷|33|印刷を開始します。いいですか？";
    QTest::keyClick(&window, Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(services.calls, Calls{confirm});
    QTest::keyClick(&window, Qt::Key_O, Qt::ControlModifier);
    QTest::keyClick(&window, Qt::Key_Q, Qt::ControlModifier);
    QCOMPARE(services.calls, (Calls{confirm, "showPrinterSetup", "closeWindow"}));
}

void TestRouting::eventErrorEndsTheProgram_data()
{
    QTest::addColumn<bool>("shortcut");
    QTest::addColumn<std::string>("report");

    QTest::newRow("click") << false << std::string("reportUnhandledError|メニューを開けません。");
    QTest::newRow("Ctrl+Q") << true << std::string("reportUnhandledError|no window");
}

void TestRouting::eventErrorEndsTheProgram()
{
    QFETCH(bool, shortcut);
    QFETCH(std::string, report);

    BrokenPlatform services;
    PageWindow window(services);
    QVERIFY(showPage(window));
    // The application's own loop, whose status the program returns.
    QTimer::singleShot(0, &window, [&window, shortcut] {
        if (shortcut) {
            QTest::keyClick(&window, Qt::Key_Q, Qt::ControlModifier);
        } else {
            QTest::mouseClick(pageElement(window, u"記事1"_s), Qt::LeftButton);
        }
    });
    QTimer::singleShot(5000, &window, [] { QCoreApplication::exit(-1); });
    QCOMPARE(QCoreApplication::exec(), 1);
    // One box, then the window is gone.
    QCOMPARE(services.calls.back(), report);
    QCOMPARE(std::count_if(services.calls.begin(), services.calls.end(),
                           [](const std::string& call) { return call.starts_with("reportUnhandledError"); }),
             1);
    QVERIFY(!window.isVisible());
}

void TestRouting::realMessageBoxAnswers_data()
{
    QTest::addColumn<MessageStyle>("style");
    QTest::addColumn<int>("button"); // the button clicked, or Escape
    QTest::addColumn<MessageAnswer>("answer");

    QTest::newRow("33 OK") << MessageStyle::OkCancelQuestion << int(QMessageBox::Ok) << MessageAnswer::Ok;
    QTest::newRow("33 Cancel") << MessageStyle::OkCancelQuestion << int(QMessageBox::Cancel) << MessageAnswer::Cancel;
    QTest::newRow("33 Esc") << MessageStyle::OkCancelQuestion << int(QMessageBox::Escape) << MessageAnswer::Cancel;
    QTest::newRow("48 Esc") << MessageStyle::OkExclamation << int(QMessageBox::Escape) << MessageAnswer::Ok;
}

void TestRouting::realMessageBoxAnswers()
{
    QFETCH(MessageStyle, style);
    QFETCH(int, button);
    QFETCH(MessageAnswer, answer);
    const bool question = style == MessageStyle::OkCancelQuestion;

    velmo::QtPlatform services;
    SeenBox seen;
    QObject scope;
    answerNextBox(scope, seen, static_cast<QMessageBox::StandardButton>(button));
    QCOMPARE(services.messageBox(u"本文", style, u"題"), answer);
    QCOMPARE(seen.title, u"題"_s);
    QCOMPARE(seen.text, u"本文"_s);
    QCOMPARE(seen.icon, question ? QMessageBox::Question : QMessageBox::Warning);
    QCOMPARE(seen.buttons, question ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::StandardButtons(QMessageBox::Ok));
}

QTEST_MAIN(TestRouting)
#include "tst_routing.moc"

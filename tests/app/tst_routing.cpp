#include "app/pagefonts.h"
#include "app/pagewindow.h"
#include "app/picturebox.h"
#include "app/qtruntimeservices.h"
#include "scriptedrandomsource.h"
#include "scriptedruntimeservices.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDeadlineTimer>
#include <QMenu>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace Qt::StringLiterals;
using velmo::MessageAnswer;
using velmo::MessageStyle;
using velmo::PageWindow;
using velmo::test::ScriptedRandomSource;
using velmo::test::ScriptedRuntimeServices;

namespace {

const QString ConfirmBox = u"messageBox|印刷|33|印刷を開始します。いいですか？"_s;

QWidget* element(PageWindow& window, const QString& name, int index)
{
    if (index < 0) {
        return window.findChild<QWidget*>(name);
    }
    for (auto* box : window.findChildren<velmo::PictureBox*>(u"広告"_s)) {
        if (box->property("Index").toInt() == index) {
            return box;
        }
    }
    return nullptr;
}

QAction* menuItem(QMenu& menu, const QString& name)
{
    for (QAction* action : menu.actions()) {
        if (action->objectName() == name) {
            return action;
        }
    }
    return nullptr;
}

// Waits, inside whatever modal loop is running, for find() to return a
// widget and then hands it to act(). After five seconds it gives up and
// closes every pop-up and modal box, so that a test fails instead of hanging.
// The wait ends at the latest with scope.
void whenShown(QObject& scope, const std::function<QWidget*()>& find, const std::function<void(QWidget*)>& act)
{
    auto* timer = new QTimer(&scope);
    const QDeadlineTimer deadline(5000);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, deadline, find, act] {
        if (QWidget* widget = find()) {
            timer->stop();
            timer->deleteLater();
            act(widget);
        } else if (deadline.hasExpired()) {
            timer->stop();
            timer->deleteLater();
            while (QWidget* popup = QApplication::activePopupWidget()) {
                popup->close();
            }
            if (QWidget* modal = QApplication::activeModalWidget()) {
                modal->close();
            }
        }
    });
    timer->start(10);
}

QMessageBox* activeMessageBox()
{
    return qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
}

QMenu* activeMenu()
{
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
};

// Answers the next message box by clicking a button or pressing Esc, and
// remembers what it showed.
void answerNextBox(QObject& scope, SeenBox& seen, QMessageBox::StandardButton button)
{
    whenShown(scope, activeMessageBox, [&seen, button](QWidget* widget) {
        auto* box = static_cast<QMessageBox*>(widget);
        seen = {box->windowTitle(), box->text(), box->icon(), box->standardButtons()};
        if (button == QMessageBox::Escape) {
            QTest::keyClick(box, Qt::Key_Escape);
        } else {
            QTest::mouseClick(box->button(button), Qt::LeftButton);
        }
    });
}

} // namespace

class TestRouting : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void clickOnElementOpensMenuOnce_data();
    void clickOnElementOpensMenuOnce();
    void clickOnBackgroundOpensNothing();
    void menuItems();
    void quitFromThePopupClosesTheWindow();
    void shortcutsWorkWithThePopupClosed();

    void realMenuDismissedWithEsc();
    void realMenuAccessKeyLeadsToRealConfirmation();
    void realMessageBoxAnswers_data();
    void realMessageBoxAnswers();
};

void TestRouting::initTestCase()
{
    velmo::installFontStandIns();
    // The tests close the page window on purpose; that must not end the
    // test run's own event loop.
    QApplication::setQuitOnLastWindowClosed(false);
}

void TestRouting::clickOnElementOpensMenuOnce_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("index");
    QTest::addColumn<Qt::MouseButton>("button");

    QTest::newRow("見出し大") << u"見出し大"_s << -1 << Qt::LeftButton;
    QTest::newRow("写真") << u"写真"_s << -1 << Qt::LeftButton;
    QTest::newRow("記事1") << u"記事1"_s << -1 << Qt::LeftButton;
    QTest::newRow("説明") << u"説明"_s << -1 << Qt::LeftButton;
    QTest::newRow("見出し小") << u"見出し小"_s << -1 << Qt::LeftButton;
    QTest::newRow("記事2") << u"記事2"_s << -1 << Qt::LeftButton;
    QTest::newRow("広告0") << u"広告"_s << 0 << Qt::LeftButton;
    QTest::newRow("広告1") << u"広告"_s << 1 << Qt::LeftButton;
    QTest::newRow("広告2") << u"広告"_s << 2 << Qt::LeftButton;
    QTest::newRow("広告欄Tel") << u"広告欄Tel"_s << -1 << Qt::LeftButton;
    QTest::newRow("記事1 right button") << u"記事1"_s << -1 << Qt::RightButton;
    QTest::newRow("写真 right button") << u"写真"_s << -1 << Qt::RightButton;
}

void TestRouting::clickOnElementOpensMenuOnce()
{
    QFETCH(QString, name);
    QFETCH(int, index);
    QFETCH(Qt::MouseButton, button);

    ScriptedRuntimeServices services;
    PageWindow window(services);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QWidget* target = element(window, name, index);
    QVERIFY(target != nullptr);

    QTest::mouseClick(target, button);
    QCOMPARE(services.calls, QStringList{u"popupMenu"_s});
    // The same menu leads to the same commands from every element.
    services.answers = {MessageAnswer::Cancel};
    services.onPopupMenu = [](QMenu& menu) { menuItem(menu, u"Print"_s)->trigger(); };
    QTest::mouseClick(target, button);
    QCOMPARE(services.calls, (QStringList{u"popupMenu"_s, u"popupMenu"_s, ConfirmBox}));
    QVERIFY(window.isVisible());
}

void TestRouting::clickOnBackgroundOpensNothing()
{
    ScriptedRuntimeServices services;
    PageWindow window(services);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    // Between the headline and the portrait, right of the headline, left of
    // the small headline, and the last pixel column beside the strip.
    for (const QPoint point : {QPoint(3, 76), QPoint(315, 40), QPoint(5, 260), QPoint(325, 300)}) {
        QCOMPARE(window.childAt(point), nullptr);
        QTest::mouseClick(&window, Qt::LeftButton, {}, point);
        QTest::mouseClick(&window, Qt::RightButton, {}, point);
    }
    QVERIFY(services.calls.isEmpty());
}

void TestRouting::menuItems()
{
    ScriptedRuntimeServices services;
    PageWindow window(services);
    QMenu& menu = window.menu();

    QCOMPARE(menu.objectName(), u"Menu"_s);
    QCOMPARE(menu.defaultAction(), nullptr);
    const QList<QAction*> actions = menu.actions();
    QCOMPARE(actions.size(), 4);

    const QStringList names = {u"PrintOption"_s, u"Print"_s, u"K1"_s, u"Qeit"_s};
    const QStringList texts = {u"印刷設定(&O)"_s, u"印刷(&P)"_s, QString(), u"終了(&Q)"_s};
    const QList<QKeySequence> keys = {QKeySequence(u"Ctrl+O"_s), QKeySequence(u"Ctrl+P"_s), QKeySequence(),
                                      QKeySequence(u"Ctrl+Q"_s)};
    for (int i = 0; i < actions.size(); ++i) {
        QAction* action = actions[i];
        QCOMPARE(action->objectName(), names[i]);
        QCOMPARE(action->isSeparator(), names[i] == u"K1"_s);
        if (action->isSeparator()) {
            continue;
        }
        QCOMPARE(action->text(), texts[i]);
        QCOMPARE(action->shortcut(), keys[i]);
        QVERIFY(action->isShortcutVisibleInContextMenu());
        QVERIFY(action->isEnabled());
        QVERIFY(action->isVisible());
        QVERIFY(!action->isChecked());
    }
}

void TestRouting::quitFromThePopupClosesTheWindow()
{
    ScriptedRuntimeServices services;
    PageWindow window(services);
    ScriptedRandomSource source = ScriptedRandomSource::repeated(0.5f);
    window.Form_Load(source);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    services.calls.clear();

    services.onPopupMenu = [](QMenu& menu) { menuItem(menu, u"Qeit"_s)->trigger(); };
    QTest::mouseClick(element(window, u"記事2"_s, -1), Qt::LeftButton);
    QVERIFY(!window.isVisible());
    // Quitting asks nothing and reports nothing.
    QCOMPARE(services.calls, QStringList{u"popupMenu"_s});
}

void TestRouting::shortcutsWorkWithThePopupClosed()
{
    ScriptedRuntimeServices services;
    services.answers = {MessageAnswer::Cancel};
    PageWindow window(services);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    QTest::keyClick(&window, Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(services.calls, QStringList{ConfirmBox});

    QTest::keyClick(&window, Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(services.calls, (QStringList{ConfirmBox, u"showPrinterSetup"_s}));

    QTest::keyClick(&window, Qt::Key_Q, Qt::ControlModifier);
    QVERIFY(!window.isVisible());
    QCOMPARE(services.callsStartingWith(u"popupMenu"_s).size(), 0);
}

void TestRouting::realMenuDismissedWithEsc()
{
    velmo::QtRuntimeServices services;
    PageWindow window(services);
    services.setPageWindow(&window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QStringList shown;
    whenShown(window, activeMenu, [&shown](QWidget* widget) {
        for (QAction* action : static_cast<QMenu*>(widget)->actions()) {
            shown.append(action->isSeparator() ? u"-"_s : action->text());
        }
        QTest::keyClick(widget, Qt::Key_Escape);
    });
    QTest::mouseClick(element(window, u"見出し大"_s, -1), Qt::LeftButton);

    QCOMPARE(shown, (QStringList{u"印刷設定(&O)"_s, u"印刷(&P)"_s, u"-"_s, u"終了(&Q)"_s}));
    QCOMPARE(QApplication::activePopupWidget(), nullptr);
    QVERIFY(window.isVisible());
    // The click was counted although the menu was dismissed.
    QCOMPARE(window.hiddenMessage().headlineClickCount(), 1);
}

void TestRouting::realMenuAccessKeyLeadsToRealConfirmation()
{
    velmo::QtRuntimeServices services;
    PageWindow window(services);
    services.setPageWindow(&window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    bool menuSeen = false;
    whenShown(window, activeMenu, [&menuSeen](QWidget* widget) {
        menuSeen = true;
        QTest::keyClick(widget, Qt::Key_P);
    });
    SeenBox seen;
    answerNextBox(window, seen, QMessageBox::Cancel);
    QTest::mouseClick(element(window, u"記事1"_s, -1), Qt::LeftButton);

    QVERIFY(menuSeen);
    QCOMPARE(seen.title, u"印刷"_s);
    QCOMPARE(seen.text, u"印刷を開始します。いいですか？"_s);
    QCOMPARE(seen.icon, QMessageBox::Question);
    QCOMPARE(seen.buttons, QMessageBox::Ok | QMessageBox::Cancel);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QCOMPARE(QApplication::activePopupWidget(), nullptr);
    QCOMPARE(window.borderStyle(), 1);
    QVERIFY(window.isVisible());
}

void TestRouting::realMessageBoxAnswers_data()
{
    QTest::addColumn<MessageStyle>("style");
    QTest::addColumn<int>("button"); // the button clicked, or Escape
    QTest::addColumn<int>("answer");

    QTest::newRow("33 OK") << MessageStyle::OkCancelQuestion << int(QMessageBox::Ok) << 1;
    QTest::newRow("33 Cancel") << MessageStyle::OkCancelQuestion << int(QMessageBox::Cancel) << 2;
    QTest::newRow("33 Esc") << MessageStyle::OkCancelQuestion << int(QMessageBox::Escape) << 2;
    QTest::newRow("48 OK") << MessageStyle::OkExclamation << int(QMessageBox::Ok) << 1;
    QTest::newRow("48 Esc") << MessageStyle::OkExclamation << int(QMessageBox::Escape) << 1;
}

void TestRouting::realMessageBoxAnswers()
{
    QFETCH(MessageStyle, style);
    QFETCH(int, button);
    QFETCH(int, answer);
    const bool question = style == MessageStyle::OkCancelQuestion;

    velmo::QtRuntimeServices services;
    SeenBox seen;
    QObject scope;
    answerNextBox(scope, seen, static_cast<QMessageBox::StandardButton>(button));
    const MessageAnswer result = services.messageBox(u"本文"_s, style, u"題"_s);

    QCOMPARE(static_cast<int>(result), answer);
    QCOMPARE(seen.title, u"題"_s);
    QCOMPARE(seen.text, u"本文"_s);
    QCOMPARE(seen.icon, question ? QMessageBox::Question : QMessageBox::Warning);
    QCOMPARE(seen.buttons, question ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::StandardButtons(QMessageBox::Ok));
}

QTEST_MAIN(TestRouting)
#include "tst_routing.moc"

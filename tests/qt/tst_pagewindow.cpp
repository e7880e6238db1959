#include "composer.h"
#include "pageelement.h"
#include "pagelabel.h"
#include "pageprinter.h"
#include "pagewindow.h"
#include "picturereader.h"
#include "qtplatform.h"
#include "qttext.h"
#include "startup.h"
#include "scriptedplatform.h"
#include "scriptedrandomsource.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QRawFont>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <stdexcept>

using namespace Qt::StringLiterals;
using velmo::PageLabel;
using velmo::PageWindow;
using velmo::ElementId;
using velmo::FileProblem;
using velmo::MessageAnswer;
using velmo::MessageStyle;
using velmo::test::LargestValue;
using velmo::test::layoutRect;
using velmo::test::pageElement;
using velmo::test::ScriptedRandomSource;
using velmo::test::ScriptedPlatform;
using velmo::test::showPage;
using Calls = std::vector<std::string>;

namespace {

const QString PictureDir = QStringLiteral(VELMO_PICTURE_DIR);
const QColor PageGrey(0xE0, 0xE0, 0xE0);

// Thirteen draws: portrait 3, advertisements 1, 7 and 12, everything else at
// a quarter of its table.
const std::vector<float> KnownPage = {0.25f, 0.25f, 0.25f, 0.25f, 0.25f, 0.25f, 0.25f,
                                      0.25f, 0.25f, 0.25f, 0.0f,  0.5f,  LargestValue};

// A label's lines as shown, without the spaces that hang past their ends.
QString shownLines(PageLabel& label)
{
    QStringList lines;
    for (const velmo::TextLine& line : label.displayedLines()) {
        lines.append(velmo::qt(line.text).trimmed());
    }
    return lines.join(u'|');
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

class TestPageWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void windowSettings();
    void elementLayout_data();
    void elementLayout();
    void tabOrderCoversPictureBoxesOnly();
    void formLoadFillsThePageAndItsLines();
    void picturesAreCutOrSurroundedByTheBackground();
    void pictureFilesAndTheirDecoding();
    void printsThePageSharpAndCentred();

    void clickOnElementOpensMenuOnce_data();
    void clickOnElementOpensMenuOnce();
    void menuItems();
    void shortcutsWorkWithThePopupClosed();
    void eventErrorEndsTheProgram_data();
    void eventErrorEndsTheProgram();
    void realMessageBoxAnswers_data();
    void realMessageBoxAnswers();
};

void TestPageWindow::initTestCase()
{
    velmo::configureApplication(*qApp);
    // Qt's own texts in the standard boxes and dialogs are Japanese, whatever
    // the user's language.
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), u"キャンセル"_s);
    // The tests close the page window on purpose; that must not end the
    // test run's own event loop.
    QApplication::setQuitOnLastWindowClosed(false);
}

void TestPageWindow::windowSettings()
{
    // Title, size limits and the grey page are checked on the real window by
    // the end-to-end suite.
    ScriptedPlatform services;
    PageWindow window(services);

    QVERIFY(!window.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(window.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    QCOMPARE(window.minimumSize(), QSize(327, 440));
    QCOMPARE(window.maximumSize(), QSize(327, 440));

    // A frame named by its title, as screen readers expect a window.
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&window);
    QCOMPARE(accessible->role(), QAccessible::Window);
    QCOMPARE(accessible->text(QAccessible::Name), u"Velmo NewsPaper"_s);
}

void TestPageWindow::elementLayout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("pixelSize"); // 0: a picture box
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QString>("lines"); // the fixed captions as shown, line by line

    // The caption's second line fits its 113 pixels only in a gothic with the
    // narrow half-width forms of the face it stands in for, measured as Qt
    // draws it; the narrow labels read top to bottom, one character a line.
    // The article's face is a heavy design, drawn bold.
    QTest::newRow("見出し大") << u"見出し大"_s << 64 << false << QString();
    QTest::newRow("写真") << u"写真"_s << 0 << false << QString();
    QTest::newRow("記事1") << u"記事1"_s << 15 << true << QString();
    QTest::newRow("説明") << u"説明"_s << 19 << false
                        << QString::fromUtf16(u"\u2191話題の人|(\uFF8C\uFF9F\uFF97\uFF72\uFF8A\uFF9E\uFF7C\u30FC有)");
    QTest::newRow("見出し小") << u"見出し小"_s << 16 << true << u"世|論|を|見|て"_s;
    QTest::newRow("記事2") << u"記事2"_s << 12 << false << QString();
    QTest::newRow("広告0") << u"広告0"_s << 0 << false << QString();
    QTest::newRow("広告1") << u"広告1"_s << 0 << false << QString();
    QTest::newRow("広告2") << u"広告2"_s << 0 << false << QString();
    QTest::newRow("広告欄Tel") << u"広告欄Tel"_s << 12 << false
                            << QString::fromUtf16(u"広|告|欄|\u2121|\uFF10|\uFF11|\uFF12|\uFF13|\uFF14|\uFF15");
}

void TestPageWindow::elementLayout()
{
    QFETCH(QString, name);
    QFETCH(int, pixelSize);
    QFETCH(bool, bold);
    QFETCH(QString, lines);

    ScriptedPlatform services;
    PageWindow window(services);
    QWidget* widget = pageElement(window, name);
    QVERIFY(widget != nullptr);
    QCOMPARE(widget->geometry(), layoutRect(name));

    auto* label = qobject_cast<PageLabel*>(widget);
    if (label == nullptr) {
        QVERIFY(qobject_cast<QLabel*>(widget) != nullptr);
        QCOMPARE(pixelSize, 0);
        return;
    }
    QCOMPARE(label->focusPolicy(), Qt::NoFocus);
    if (!lines.isEmpty()) {
        QCOMPARE(shownLines(*label), lines);
    }
    // The family the core chose is installed under that name: Qt draws in
    // it rather than in a fallback of its own. The font file's own name is
    // asked, since QFontInfo gives the name in the user's language (IPA明朝
    // for IPAMincho on a Japanese desktop).
    const QFont font = label->font();
    QCOMPARE(QRawFont::fromFont(font).familyName(), font.family());
    QCOMPARE(font.pixelSize(), pixelSize);
    QCOMPARE(font.bold(), bold);
}

void TestPageWindow::tabOrderCoversPictureBoxesOnly()
{
    ScriptedPlatform services;
    PageWindow window(services);
    QVERIFY(showPage(window));

    QWidget* portrait = window.findChild<QWidget*>(u"写真"_s);
    const QList<QWidget*> expected = {pageElement(window, u"広告0"_s), pageElement(window, u"広告1"_s),
                                      pageElement(window, u"広告2"_s), portrait};
    portrait->setFocus(Qt::TabFocusReason);
    QCOMPARE(QApplication::focusWidget(), portrait);
    for (QWidget* next : expected) {
        QTest::keyClick(&window, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
}

void TestPageWindow::formLoadFillsThePageAndItsLines()
{
    ScriptedPlatform services;
    PageWindow window(services);
    ScriptedRandomSource source(KnownPage);
    window.setContents(PageWindow::read(source, PictureDir));
    QCOMPARE(source.consumed(), 13);

    ScriptedRandomSource sameValues(KnownPage);
    const velmo::PageContent expected = velmo::composePage(sameValues);
    const auto label = [&window](const QString& name) { return window.findChild<PageLabel*>(name); };
    QCOMPARE(label(u"見出し大"_s)->caption(), velmo::qt(expected.headline));
    QCOMPARE(label(u"記事1"_s)->caption(), velmo::qt(expected.article));
    QCOMPARE(label(u"記事2"_s)->caption(), velmo::qt(expected.topicColumn));

    // Screen readers see each box as a graphic (role 40) named by its
    // picture, and each label as static text (role 41) named by its caption.
    QStringList accessible;
    for (const QString& name : {u"写真"_s, u"広告0"_s, u"広告1"_s, u"広告2"_s, u"見出し大"_s, u"見出し小"_s}) {
        QAccessibleInterface* element = QAccessible::queryAccessibleInterface(pageElement(window, name));
        accessible.append(QString::number(element->role()) + u' ' + element->text(QAccessible::Name));
    }
    QCOMPARE(accessible, (QStringList{u"40 話題の人3"_s, u"40 広告1"_s, u"40 広告7"_s, u"40 広告12"_s,
                                      u"41 "_s + velmo::qt(expected.headline), u"41 世論を見て"_s}));

    // Every label draws its lines one em apart. Each line's characters fill
    // most of the em from the line's top, the baseline at 0.88 em: every
    // line leaves ink on a third of its rows.
    for (PageLabel* label : window.findChildren<PageLabel*>()) {
        const QImage image = label->grab().toImage();
        const int em = label->font().pixelSize();
        for (int line = 0; line < static_cast<int>(label->displayedLines().size()); ++line) {
            int inkRows = 0;
            for (int y = line * em; y < (line + 1) * em; ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    if (image.pixelColor(x, y) != PageGrey) {
                        ++inkRows;
                        break;
                    }
                }
            }
            QVERIFY2(inkRows >= em / 3, qPrintable(label->objectName() + u" line "_s + QString::number(line)));
        }
    }
}

void TestPageWindow::picturesAreCutOrSurroundedByTheBackground()
{
    // A picture wider and lower than its box: cut at the box's right edge
    // under the frame, neither scaled nor centred, with the page's grey below.
    ScriptedPlatform services;
    PageWindow window(services);
    QWidget& box = window.element(ElementId::Portrait);
    const QRect inside = static_cast<QLabel&>(box).contentsRect();
    QVERIFY(inside.width() < box.width());
    QImage picture(300, 12, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ScriptedRandomSource source(KnownPage);
    PageWindow::Contents contents{velmo::composePage(source), {}};
    contents.pictures = {{{{ElementId::Portrait, {}, u"話題の人1"}, picture},
                          {{ElementId::Ad0, {}, {}}, QImage()},
                          {{ElementId::Ad1, {}, {}}, QImage()},
                          {{ElementId::Ad2, {}, {}}, QImage()}}};
    window.setContents(contents);

    const QImage shown = box.grab().toImage();
    QCOMPARE(shown.size(), QSize(97, 105));
    QCOMPARE(shown.pixelColor(inside.topLeft()), QColor(Qt::red));
    QCOMPARE(shown.pixelColor(inside.topRight() + QPoint(0, 11)), QColor(Qt::red));
    QVERIFY(shown.pixelColor(box.width() - 1, 5) != QColor(Qt::red));
    QCOMPARE(shown.pixelColor(inside.topLeft() + QPoint(0, 12)), PageGrey);
    QCOMPARE(shown.pixelColor(inside.center()), PageGrey);
}

void TestPageWindow::pictureFilesAndTheirDecoding()
{
    QTemporaryDir dir;
    const QString fileName = dir.filePath(u"話題の人1.bmp"_s);
    QImage picture(64, 48, QImage::Format_RGB32);
    picture.fill(QColor(0x20, 0x40, 0x60));
    picture.setPixelColor(63, 0, Qt::red);
    QVERIFY(picture.save(fileName, "BMP"));

    // What the host's file calls answer the core.
    velmo::QtPictureFile file;
    std::uint64_t size = 0;
    QCOMPARE(file.open(velmo::u16(dir.filePath(u"話題の人2.bmp"_s)), size).problem, FileProblem::Missing);
    QCOMPARE(file.open(velmo::u16(dir.path()), size).problem, FileProblem::NotAFile);
    QCOMPARE(file.open(velmo::u16(fileName), size).problem, FileProblem::None);
    std::vector<std::uint8_t> bytes(size);
    QCOMPARE(file.read(bytes).problem, FileProblem::None);
    QCOMPARE(file.read(std::span(bytes).first(1)).problem, FileProblem::CannotRead);

    // The checked bytes decode to the picture, the right way up.
    const QImage loaded = velmo::readPictureFile(fileName);
    QCOMPARE(loaded.pixelColor(63, 0), QColor(Qt::red));
    QCOMPARE(loaded.pixelColor(30, 47), QColor(0x20, 0x40, 0x60));
}

void TestPageWindow::printsThePageSharpAndCentred()
{
    ScriptedPlatform services;
    PageWindow window(services);
    ScriptedRandomSource source(KnownPage);
    window.setContents(PageWindow::read(source, PictureDir));
    QTemporaryDir dir;
    const QString fileName = dir.filePath(u"page.pdf"_s);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(fileName);
    // Margins of different widths on each side: the page goes in the middle
    // of the printable area, not of the paper or at the area's corner.
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(30, 10, 10, 60), QPageLayout::Millimeter));
    velmo::printPage(window, printer);

    QFile file(fileName);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    // One page object: "/Type /Page", not the "/Type /Pages" tree node.
    QCOMPARE(QString::fromLatin1(pdf).count(QRegularExpression(u"/Type\\s*/Page(?![A-Za-z])"_s)), qsizetype(1));
    QVERIFY2(!pdf.contains("/DCTDecode"), "the pictures are stored without lossy compression");
    // Sharp: the text is set in fonts at the printer's resolution, not the
    // screen's pixels blown up.
    QVERIFY(pdf.contains("/FontDescriptor"));

    // The page's grey as printed, measured on the paper at 10 dots per mm.
    QProcess render;
    render.start(u"pdftoppm"_s, {u"-r"_s, u"254"_s, u"-png"_s, u"-singlefile"_s, fileName, dir.filePath(u"page"_s)});
    QVERIFY(render.waitForFinished(60000) && render.exitCode() == 0);
    const QImage paper(dir.filePath(u"page.png"_s));
    QVERIFY(!paper.isNull());
    QRect grey;
    for (int y = 0; y < paper.height(); y += 2) {
        for (int x = 0; x < paper.width(); x += 2) {
            if (paper.pixelColor(x, y) == PageGrey) {
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

void TestPageWindow::clickOnElementOpensMenuOnce_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<Qt::MouseButton>("button");

    for (const QString& name : velmo::test::PageElementNames) {
        QTest::newRow(qPrintable(name)) << name << Qt::LeftButton;
    }
    QTest::newRow("写真 right button") << u"写真"_s << Qt::RightButton;
}

void TestPageWindow::clickOnElementOpensMenuOnce()
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

void TestPageWindow::menuItems()
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

void TestPageWindow::shortcutsWorkWithThePopupClosed()
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

void TestPageWindow::eventErrorEndsTheProgram_data()
{
    QTest::addColumn<bool>("shortcut");
    QTest::addColumn<std::string>("report");

    QTest::newRow("click") << false << std::string("reportUnhandledError|メニューを開けません。");
    QTest::newRow("Ctrl+Q") << true << std::string("reportUnhandledError|no window");
}

void TestPageWindow::eventErrorEndsTheProgram()
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

void TestPageWindow::realMessageBoxAnswers_data()
{
    // Escape: the question's Cancel, the notice's only button. A click on
    // OK confirms a print in the end-to-end suite.
    QTest::addColumn<MessageStyle>("style");
    QTest::addColumn<MessageAnswer>("answer");
    QTest::newRow("33") << MessageStyle::OkCancelQuestion << MessageAnswer::Cancel;
    QTest::newRow("48") << MessageStyle::OkExclamation << MessageAnswer::Ok;
}

void TestPageWindow::realMessageBoxAnswers()
{
    QFETCH(MessageStyle, style);
    QFETCH(MessageAnswer, answer);
    const bool question = style == MessageStyle::OkCancelQuestion;

    // The box is answered by Esc once it is up; one still open after five
    // seconds is closed, so that the test fails rather than hangs.
    QStringList seen;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QTimer poll;
    connect(&poll, &QTimer::timeout, &poll, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            poll.stop();
            seen = {box->windowTitle(), box->text()};
            icon = box->icon();
            buttons = box->standardButtons();
            QTest::keyClick(box, Qt::Key_Escape);
        }
    });
    poll.start(10);
    QTimer::singleShot(5000, &poll, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            modal->close();
        }
    });
    velmo::QtPlatform services;
    QCOMPARE(services.messageBox(u"本文", style, u"題"), answer);
    QCOMPARE(seen, (QStringList{u"題"_s, u"本文"_s}));
    QCOMPARE(icon, question ? QMessageBox::Question : QMessageBox::Warning);
    QCOMPARE(buttons, question ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::StandardButtons(QMessageBox::Ok));
}

QTEST_MAIN(TestPageWindow)
#include "tst_pagewindow.moc"

#include "composer.h"
#include "pageelement.h"
#include "pageaccessibility.h"
#include "pagefonts.h"
#include "pagelabel.h"
#include "pagewindow.h"
#include "picturebox.h"
#include "picturereader.h"
#include "qttext.h"
#include "scriptedplatform.h"
#include "scriptedrandomsource.h"

#include <QAccessible>
#include <QImage>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>


using namespace Qt::StringLiterals;
using velmo::PageLabel;
using velmo::PageWindow;
using velmo::PictureBox;
using velmo::ElementId;
using velmo::test::LargestValue;
using velmo::test::layoutRect;
using velmo::test::pageElement;
using velmo::test::ScriptedRandomSource;
using velmo::test::ScriptedPlatform;
using velmo::test::showPage;

namespace {

const QString PictureDir = QStringLiteral(VELMO_PICTURE_DIR);
const QColor PageGrey(0xE0, 0xE0, 0xE0);
const QString CaptionText = QString::fromUtf16(u"\u2191話題の人(\uFF8C\uFF9F\uFF97\uFF72\uFF8A\uFF9E\uFF7C\u30FC有)");
const QString TelephoneText = QString::fromUtf16(u"広告欄\u2121\uFF10 \uFF11 \uFF12 \uFF13 \uFF14 \uFF15");

// Thirteen draws: portrait 3, advertisements 1, 7 and 12, everything else at
// a quarter of its table.
const std::vector<float> KnownPage = {0.25f, 0.25f, 0.25f, 0.25f, 0.25f, 0.25f, 0.25f,
                                      0.25f, 0.25f, 0.25f, 0.0f,  0.5f,  LargestValue};

} // namespace

class TestPageWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void windowSettings();
    void elementLayout_data();
    void elementLayout();
    void tabOrderCoversPictureBoxesOnly();
    void formLoadFillsThePage();
    void labelTextStaysInsideItsBox();
    void picturesAreCutOrSurroundedByTheBackground();

    void readPictureFile_data();
    void readPictureFile();
};

void TestPageWindow::initTestCase()
{
    velmo::installFontStandIns();
    velmo::installPageAccessibility();
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
    QVERIFY(window.findChildren<QMenuBar*>().isEmpty());
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
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QString>("lines"); // the fixed captions as shown, line by line

    // Empty family: a picture box, or a label in the window's own font. The
    // caption's second line fits its 113 pixels only in a gothic with the
    // narrow half-width forms of the face it stands in for; the narrow labels
    // read top to bottom, one character a line.
    QTest::newRow("見出し大") << u"見出し大"_s << u"有澤楷書"_s << 64 << false << QString();
    QTest::newRow("写真") << u"写真"_s << QString() << 0 << false << QString();
    QTest::newRow("記事1") << u"記事1"_s << u"HGP創英ﾌﾟﾚｾﾞﾝｽEB"_s << 15 << false
                         << QString();
    QTest::newRow("説明") << u"説明"_s << u"ＭＳ Ｐゴシック"_s << 19 << false
                        << QString::fromUtf16(u"\u2191話題の人|(\uFF8C\uFF9F\uFF97\uFF72\uFF8A\uFF9E\uFF7C\u30FC有)");
    QTest::newRow("見出し小") << u"見出し小"_s << u"江戸勘亭流Ｐ"_s << 16 << true << u"世|論|を|見|て"_s;
    QTest::newRow("記事2") << u"記事2"_s << u"ＭＳ 明朝"_s << 12 << false << QString();
    QTest::newRow("広告0") << u"広告0"_s << QString() << 0 << false << QString();
    QTest::newRow("広告1") << u"広告1"_s << QString() << 0 << false << QString();
    QTest::newRow("広告2") << u"広告2"_s << QString() << 0 << false << QString();
    QTest::newRow("広告欄Tel") << u"広告欄Tel"_s << QString() << 0 << false
                            << QString::fromUtf16(u"広|告|欄|\u2121|\uFF10|\uFF11|\uFF12|\uFF13|\uFF14|\uFF15");
}

void TestPageWindow::elementLayout()
{
    QFETCH(QString, name);
    QFETCH(QString, family);
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
        QVERIFY(qobject_cast<PictureBox*>(widget) != nullptr);
        return;
    }
    QCOMPARE(label->focusPolicy(), Qt::NoFocus);
    QStringList shown;
    for (const QString& line : label->displayedLines()) {
        shown.append(line.trimmed());
    }
    if (!lines.isEmpty()) {
        QCOMPARE(shown.join(u'|'), lines);
    }
    if (family.isEmpty()) {
        QCOMPARE(label->font(), window.font());
        return;
    }
    QCOMPARE(label->font().family(), family);
    QCOMPARE(label->font().pixelSize(), pixelSize);
    QCOMPARE(label->font().bold(), bold);
    // The article's stand-in is drawn bold, heavy like the face it stands in for.
    QCOMPARE(velmo::shownFont(label->font()).bold(), bold || name == u"記事1"_s);
    QVERIFY(!label->font().italic());
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

void TestPageWindow::formLoadFillsThePage()
{
    ScriptedPlatform services;
    PageWindow window(services);
    ScriptedRandomSource source(KnownPage);
    window.load(source, PictureDir);
    QCOMPARE(source.consumed(), 13);

    ScriptedRandomSource sameValues(KnownPage);
    const velmo::PageContent expected = velmo::composePage(sameValues);
    const auto label = [&window](const QString& name) { return window.findChild<PageLabel*>(name); };
    QCOMPARE(label(u"見出し大"_s)->caption(), velmo::qt(expected.headline));
    QCOMPARE(label(u"記事1"_s)->caption(), velmo::qt(expected.article));
    QCOMPARE(label(u"記事2"_s)->caption(), velmo::qt(expected.topicColumn));
    QCOMPARE(label(u"見出し小"_s)->caption(), u"世論を見て"_s);
    QCOMPARE(label(u"説明"_s)->caption(), CaptionText);
    QCOMPARE(label(u"広告欄Tel"_s)->caption(), TelephoneText);

    // Screen readers see each box as a graphic (role 40) named by its
    // picture, and each label as static text (role 41) named by its caption.
    QStringList accessible;
    for (const QString& name : {u"写真"_s, u"広告0"_s, u"広告1"_s, u"広告2"_s, u"見出し大"_s, u"見出し小"_s}) {
        QAccessibleInterface* element = QAccessible::queryAccessibleInterface(pageElement(window, name));
        accessible.append(QString::number(element->role()) + u' ' + element->text(QAccessible::Name));
    }
    QCOMPARE(accessible, (QStringList{u"40 話題の人3"_s, u"40 広告1"_s, u"40 広告7"_s, u"40 広告12"_s,
                                      u"41 "_s + velmo::qt(expected.headline), u"41 世論を見て"_s}));

    // The topic column breaks at its U+000D and keeps it in its caption.
    PageLabel* topic = label(u"記事2"_s);
    QCOMPARE(topic->displayedLines().front().trimmed(), topic->caption().section(QChar(u'\r'), 0, 0));
    // Screen readers get the break as a line feed.
    QCOMPARE(QAccessible::queryAccessibleInterface(topic)->text(QAccessible::Name),
             QString(topic->caption()).replace(u'\r', u'\n'));
    QCOMPARE(topic->geometry(), layoutRect(u"記事2"_s));

}

void TestPageWindow::labelTextStaysInsideItsBox()
{
    ScriptedPlatform services;
    PageWindow window(services);
    ScriptedRandomSource source(KnownPage);
    window.load(source, PictureDir);

    // A text far beyond the box shows whole lines only, nine of 15 pixels in
    // 145, and the box keeps its size.
    auto* article = window.findChild<PageLabel*>(u"記事1"_s);
    article->setCaption(u"長い記事の文です。"_s.repeated(20));
    QCOMPARE(article->displayedLines().size(), 9);
    QCOMPARE(article->geometry(), layoutRect(u"記事1"_s));

    // Every label draws its text.
    for (PageLabel* label : window.findChildren<PageLabel*>()) {
        const QImage image = label->grab().toImage();
        int ink = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                ink += image.pixelColor(x, y) != PageGrey;
            }
        }
        QVERIFY2(ink > 0, qPrintable(label->objectName()));
    }
}

void TestPageWindow::picturesAreCutOrSurroundedByTheBackground()
{
    ScriptedPlatform services;
    PageWindow window(services);
    auto& box = static_cast<PictureBox&>(window.element(ElementId::Portrait));
    const QRect inside = box.contentsRect();
    QVERIFY(inside.width() < box.width());

    QImage large(300, 300, QImage::Format_RGB32);
    large.fill(Qt::red);
    box.setPicture(large, u"話題の人1"_s);
    QImage shown = box.grab().toImage();
    QCOMPARE(shown.size(), QSize(97, 105));
    QCOMPARE(shown.pixelColor(inside.topLeft()), QColor(Qt::red));
    QCOMPARE(shown.pixelColor(inside.bottomRight()), QColor(Qt::red));
    // The frame stays on top of the picture.
    QVERIFY(shown.pixelColor(box.width() - 1, box.height() - 1) != QColor(Qt::red));
    QVERIFY(shown.pixelColor(0, 0) != QColor(Qt::red));

    QImage small(10, 12, QImage::Format_RGB32);
    small.fill(Qt::blue);
    box.setPicture(small, u"話題の人2"_s);
    shown = box.grab().toImage();
    QCOMPARE(shown.pixelColor(inside.topLeft()), QColor(Qt::blue));
    QCOMPARE(shown.pixelColor(inside.topLeft() + QPoint(9, 11)), QColor(Qt::blue));
    QCOMPARE(shown.pixelColor(inside.topLeft() + QPoint(10, 0)), PageGrey);
    QCOMPARE(shown.pixelColor(inside.topLeft() + QPoint(0, 12)), PageGrey);
    QCOMPARE(shown.pixelColor(inside.center()), PageGrey);
}

void TestPageWindow::readPictureFile_data()
{
    QTest::addColumn<qint64>("maxPixels");
    QTest::addColumn<QString>("error"); // empty: the picture loads

    // The limit counts pixels: exactly as many load, one more is refused.
    QTest::newRow("at the limit") << qint64(64 * 48) << QString();
    QTest::newRow("one pixel over the limit") << qint64(64 * 48 - 1) << u"大きすぎる"_s;
}

void TestPageWindow::readPictureFile()
{
    QFETCH(qint64, maxPixels);
    QFETCH(QString, error);

    QTemporaryDir dir;
    const QString fileName = dir.filePath(u"話題の人1.bmp"_s);
    QImage picture(64, 48, QImage::Format_RGB32);
    picture.fill(QColor(0x20, 0x40, 0x60));
    QVERIFY(picture.save(fileName, "BMP"));
    try {
        const QImage loaded = velmo::readPictureFile(fileName, maxPixels);
        QVERIFY2(error.isEmpty(), "the picture was loaded");
        QCOMPARE(loaded.pixelColor(30, 20), QColor(0x20, 0x40, 0x60));
    } catch (const velmo::RuntimeError& raised) {
        // The user is told the cause and the file.
        const QString message = velmo::qt(raised.message());
        QVERIFY2(!error.isEmpty() && message.contains(error) && message.contains(fileName), qPrintable(message));
    }
}

QTEST_MAIN(TestPageWindow)
#include "tst_pagewindow.moc"

#include "composer.h"
#include "pageelement.h"
#include "pagelabel.h"
#include "pagewindow.h"
#include "picturereader.h"
#include "qttext.h"
#include "startup.h"
#include "scriptedplatform.h"
#include "scriptedrandomsource.h"

#include <QAccessible>
#include <QFontInfo>
#include <QImage>
#include <QLabel>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using velmo::PageLabel;
using velmo::PageWindow;
using velmo::ElementId;
using velmo::FileProblem;
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

// A label's lines as shown, without the spaces that hang past their ends.
QString shownLines(PageLabel& label)
{
    QStringList lines;
    for (const velmo::TextLine& line : label.displayedLines()) {
        lines.append(velmo::qt(line.text).trimmed());
    }
    return lines.join(u'|');
}

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
    void labelsDrawTheirLinesOneEmApart();
    void picturesAreCutOrSurroundedByTheBackground();
    void pictureFilesAndTheirDecoding();
};

void TestPageWindow::initTestCase()
{
    velmo::configureApplication(*qApp);
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
    // it rather than in a fallback of its own.
    const QFont font = label->font();
    QCOMPARE(QFontInfo(font).family(), font.family());
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

void TestPageWindow::formLoadFillsThePage()
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

    // The topic column is set from its new caption, which breaks at its
    // U+000D; screen readers get the break as a line feed.
    PageLabel* topic = label(u"記事2"_s);
    QCOMPARE(velmo::qt(topic->displayedLines().front().text), topic->caption().section(QChar(u'\r'), 0, 0));
    QCOMPARE(QAccessible::queryAccessibleInterface(topic)->text(QAccessible::Name),
             QString(topic->caption()).replace(u'\r', u'\n'));
}

void TestPageWindow::labelsDrawTheirLinesOneEmApart()
{
    ScriptedPlatform services;
    PageWindow window(services);
    ScriptedRandomSource source(KnownPage);
    window.setContents(PageWindow::read(source, PictureDir));

    // Each line's characters fill most of the em from the line's top, the
    // baseline at 0.88 em: every line leaves ink on a third of its rows.
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
    ScriptedPlatform services;
    PageWindow window(services);
    QWidget& box = window.element(ElementId::Portrait);
    const QRect inside = static_cast<QLabel&>(box).contentsRect();
    QVERIFY(inside.width() < box.width());
    const auto showPortrait = [&window](const QImage& picture) {
        ScriptedRandomSource source(KnownPage);
        PageWindow::Contents contents{velmo::composePage(source), {}};
        contents.pictures = {{{{ElementId::Portrait, {}, u"話題の人1"}, picture},
                              {{ElementId::Ad0, {}, {}}, QImage()},
                              {{ElementId::Ad1, {}, {}}, QImage()},
                              {{ElementId::Ad2, {}, {}}, QImage()}}};
        window.setContents(contents);
    };

    QImage large(300, 300, QImage::Format_RGB32);
    large.fill(Qt::red);
    showPortrait(large);
    QImage shown = box.grab().toImage();
    QCOMPARE(shown.size(), QSize(97, 105));
    QCOMPARE(shown.pixelColor(inside.topLeft()), QColor(Qt::red));
    QCOMPARE(shown.pixelColor(inside.bottomRight()), QColor(Qt::red));
    // The frame stays on top of the picture.
    QVERIFY(shown.pixelColor(box.width() - 1, box.height() - 1) != QColor(Qt::red));
    QVERIFY(shown.pixelColor(0, 0) != QColor(Qt::red));

    QImage small(10, 12, QImage::Format_RGB32);
    small.fill(Qt::blue);
    showPortrait(small);
    shown = box.grab().toImage();
    QCOMPARE(shown.pixelColor(inside.topLeft()), QColor(Qt::blue));
    QCOMPARE(shown.pixelColor(inside.topLeft() + QPoint(9, 11)), QColor(Qt::blue));
    QCOMPARE(shown.pixelColor(inside.topLeft() + QPoint(10, 0)), PageGrey);
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

QTEST_MAIN(TestPageWindow)
#include "tst_pagewindow.moc"

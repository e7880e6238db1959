#include "composer/composer.h"
#include "composer/picturefiles.h"
#include "scriptedrandomsource.h"

#include <QTest>

using namespace Qt::StringLiterals;
using velmo::PictureBoxId;
using velmo::PicturePiece;

class TestPictureFiles : public QObject {
    Q_OBJECT

private slots:
    void pictureFileName_data();
    void pictureFileName();
    void hostFileName_data();
    void hostFileName();
    void pagePicturesInLoadingOrder();
    void extremePagesNameExistingFiles_data();
    void extremePagesNameExistingFiles();
};

void TestPictureFiles::pictureFileName_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<PicturePiece>("piece");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("expected");

    QTest::newRow("portrait 1") << u"C:\\VB"_s << PicturePiece::Portrait << 1 << u"C:\\VB\\話題の人1.bmp"_s;
    QTest::newRow("portrait 10") << u"C:\\VB"_s << PicturePiece::Portrait << 10 << u"C:\\VB\\話題の人10.bmp"_s;
    QTest::newRow("advertisement 7") << u"C:\\VB"_s << PicturePiece::Advertisement << 7 << u"C:\\VB\\広告7.bmp"_s;
    QTest::newRow("advertisement 12") << u"C:\\VB"_s << PicturePiece::Advertisement << 12 << u"C:\\VB\\広告12.bmp"_s;
    QTest::newRow("drive root") << u"C:\\"_s << PicturePiece::Portrait << 4 << u"C:\\\\話題の人4.bmp"_s;
    QTest::newRow("trailing blank kept") << u"D:\\新聞 "_s << PicturePiece::Advertisement << 1
                                         << u"D:\\新聞 \\広告1.bmp"_s;
    QTest::newRow("POSIX folder") << u"/opt/velmo"_s << PicturePiece::Advertisement << 9
                                  << u"/opt/velmo\\広告9.bmp"_s;
    QTest::newRow("POSIX folder with slash") << u"/opt/velmo/"_s << PicturePiece::Portrait << 2
                                             << u"/opt/velmo/\\話題の人2.bmp"_s;
    QTest::newRow("empty folder") << QString() << PicturePiece::Advertisement << 5 << u"\\広告5.bmp"_s;
}

void TestPictureFiles::pictureFileName()
{
    QFETCH(QString, folder);
    QFETCH(PicturePiece, piece);
    QFETCH(int, number);
    QFETCH(QString, expected);

    QCOMPARE(velmo::pictureFileName(folder, piece, number), expected);
}

void TestPictureFiles::hostFileName_data()
{
    QTest::addColumn<QString>("pictureName");
    QTest::addColumn<QString>("expected");

#ifdef Q_OS_WIN
    QTest::newRow("unchanged") << u"C:\\VB\\話題の人10.bmp"_s << u"C:\\VB\\話題の人10.bmp"_s;
#else
    QTest::newRow("backslash in the folder's name kept") << u"/home/a\\b\\話題の人10.bmp"_s << u"/home/a\\b/話題の人10.bmp"_s;
    QTest::newRow("POSIX folder") << u"/opt/velmo\\広告7.bmp"_s << u"/opt/velmo/広告7.bmp"_s;
    QTest::newRow("doubled backslash") << u"/opt/velmo/\\広告7.bmp"_s << u"/opt/velmo//広告7.bmp"_s;
    QTest::newRow("no backslash") << u"/opt/velmo/広告7.bmp"_s << u"/opt/velmo/広告7.bmp"_s;
#endif
}

void TestPictureFiles::hostFileName()
{
    QFETCH(QString, pictureName);
    QFETCH(QString, expected);

    QCOMPARE(velmo::hostFileName(pictureName), expected);
}

void TestPictureFiles::pagePicturesInLoadingOrder()
{
    velmo::PageContent page;
    page.portraitNumber = 10;
    page.adNumbers = {3, 6, 11};

    const auto pictures = velmo::pagePictures(page, u"/srv/velmo");
    QCOMPARE(pictures[0].box, PictureBoxId::Portrait);
    QCOMPARE(pictures[0].fileName, u"/srv/velmo\\話題の人10.bmp"_s);
    QCOMPARE(pictures[1].box, PictureBoxId::Ad0);
    QCOMPARE(pictures[1].fileName, u"/srv/velmo\\広告3.bmp"_s);
    QCOMPARE(pictures[2].box, PictureBoxId::Ad1);
    QCOMPARE(pictures[2].fileName, u"/srv/velmo\\広告6.bmp"_s);
    QCOMPARE(pictures[3].box, PictureBoxId::Ad2);
    QCOMPARE(pictures[3].fileName, u"/srv/velmo\\広告11.bmp"_s);
}

void TestPictureFiles::extremePagesNameExistingFiles_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<QStringList>("fileNames");

    QTest::newRow("r = 0") << 0.0f
                           << QStringList{u"話題の人1.bmp"_s, u"広告1.bmp"_s, u"広告5.bmp"_s, u"広告9.bmp"_s};
    QTest::newRow("largest r") << velmo::test::LargestValue
                               << QStringList{u"話題の人10.bmp"_s, u"広告4.bmp"_s, u"広告8.bmp"_s, u"広告12.bmp"_s};
}

void TestPictureFiles::extremePagesNameExistingFiles()
{
    QFETCH(float, value);
    QFETCH(QStringList, fileNames);

    auto source = velmo::test::ScriptedRandomSource::repeated(value);
    const velmo::ComposedPage page = velmo::composePage(source);
    QStringList built;
    for (const velmo::PagePicture& picture : velmo::pagePictures(page.content, u"C:\\VB")) {
        built << picture.fileName;
    }
    for (QString& name : fileNames) {
        name.prepend(u"C:\\VB\\"_s);
    }
    QCOMPARE(built, fileNames);
}

QTEST_GUILESS_MAIN(TestPictureFiles)
#include "tst_picturefiles.moc"
